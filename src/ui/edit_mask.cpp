#include "ui/edit_mask.h"

#include <QStringList>

namespace ui {
namespace {

// Characters with a meaning in a Qt input mask: as literals they need a backslash.
bool specialInQt(QChar c) {
    return QStringLiteral("AaNnXx90Dd#HhBb><!\\").contains(c);
}

// The Qt character for an input position, or nothing for a literal.
std::optional<QChar> qtInput(QChar c) {
    switch (c.unicode()) {
        case '0':
            return QLatin1Char('9');
        case '9':
            return QLatin1Char('0');
        case '#':
            return QLatin1Char('#');
        case 'L':
            return QLatin1Char('A');
        case 'l':
            return QLatin1Char('a');
        case 'A':
            return QLatin1Char('N');
        case 'a':
            return QLatin1Char('n');
        case 'C':
            return QLatin1Char('X');
        case 'c':
            return QLatin1Char('x');
        default:
            return std::nullopt;
    }
}

}  // namespace

std::optional<EditMask> EditMask::parse(std::string_view text) {
    const QStringList parts = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())).split(u';');
    const QString& pattern = parts.front();
    if (pattern.isEmpty()) return std::nullopt;
    EditMask mask;
    if (parts.size() > 1) mask.saveLiterals_ = parts[1].trimmed() != QLatin1String("0");
    if (parts.size() > 2 && !parts[2].isEmpty()) mask.blank_ = parts[2].front();

    auto addLiteral = [&mask](QChar c) {
        if (specialInQt(c)) mask.inputMask_ += QLatin1Char('\\');
        mask.inputMask_ += c;
        mask.literal_.push_back(true);
    };
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const QChar c = pattern[i];
        if (c == u'!') continue;
        if (c == u'\\' && i + 1 < pattern.size()) {
            addLiteral(pattern[++i]);
        } else if (c == u'<' && i + 1 < pattern.size() && pattern[i + 1] == u'>') {
            mask.inputMask_ += QLatin1Char('!');
            ++i;
        } else if (c == u'>' || c == u'<') {
            mask.inputMask_ += c;
        } else if (auto input = qtInput(c)) {
            mask.inputMask_ += *input;
            mask.literal_.push_back(false);
        } else {
            addLiteral(c == u'_' ? QChar(u' ') : c);
        }
    }
    mask.inputMask_ += QLatin1Char(';');
    mask.inputMask_ += mask.blank_;
    return mask;
}

bool EditMask::isBlank(const QString& shown) const {
    for (qsizetype i = 0; i < shown.size() && i < length(); ++i)
        if (!literal_[i] && shown[i] != blank_ && shown[i] != u' ') return false;
    return true;
}

QString EditMask::valueOf(const QString& shown) const {
    QString value;
    for (qsizetype i = 0; i < shown.size() && i < length(); ++i) {
        if (literal_[i]) {
            if (saveLiterals_) value += shown[i];
        } else {
            value += shown[i] == blank_ ? QChar(u' ') : shown[i];
        }
    }
    return value;
}

}  // namespace ui
