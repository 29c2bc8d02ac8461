#include "ui/field_width.h"

#include <QFontMetricsF>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTableView>
#include <QtMath>

#include <algorithm>

#include "ui/db_edit.h"
#include "ui/field_text.h"

namespace ui {
namespace {

// QLineEdit's own limit when no size was given.
constexpr int kNoSize = 32767;
// Room QLineEdit keeps on each side of its text, and the cursor after the last character.
constexpr int kTextMargin = 2;
constexpr int kCursorWidth = 1;
// The widest amount a number field is meant to hold: below a hundred million reais, with
// its sign.
constexpr double kWidestAmount = -99999999.99;
constexpr std::int64_t kWidestInteger = -99999999;

// A Qt input mask ("999.999.999-99;_") with every position filled by its widest character.
QString filledMask(const QString& inputMask) {
    static const QString digits = QStringLiteral("90Dd#HhBb");
    static const QString others = QStringLiteral("AaNnXx");
    static const QString unseen = QStringLiteral("><![]{}");
    QString text;
    for (qsizetype i = 0; i < inputMask.size(); ++i) {
        const QChar c = inputMask[i];
        if (c == QLatin1Char(';')) break;  // the blank character follows
        if (c == QLatin1Char('\\') && i + 1 < inputMask.size())
            text += inputMask[++i];
        else if (digits.contains(c))
            text += QLatin1Char('0');
        else if (others.contains(c))
            text += QLatin1Char('M');
        else if (!unseen.contains(c))
            text += c;
    }
    return text;
}

// A day and a time whose every digit is drawn, as the grid writes them.
constexpr const char* kWidestDate = "2000-12-28";
constexpr const char* kWidestTime = "23:59:59";

QString widestNumber(const store::FieldDef& def) {
    switch (def.type) {
        case store::FieldType::Integer:
            return valueDisplayText(def, store::Value{kWidestInteger});
        case store::FieldType::Float:
        case store::FieldType::Currency:
            return valueDisplayText(def, store::Value{kWidestAmount});
        default:
            return {};
    }
}

struct Content {
    QString text;
    bool stretches = false;  // a long text field: shows kLongTextCharacters, then takes the room left
};

Content contentOf(const QLineEdit& edit) {
    if (!edit.inputMask().isEmpty()) return {filledMask(edit.inputMask())};
    const bool sized = edit.maxLength() < kNoSize;
    if (const auto* data = qobject_cast<const DbEdit*>(&edit)) {
        QString number = widestNumber(data->fieldDef());
        if (!number.isEmpty()) return {sized ? QString(edit.maxLength(), QLatin1Char('0')) : number};
    }
    if (!sized) return {};
    // Capital letters: what is typed in this program mostly is.
    return {QString(std::min(edit.maxLength(), kLongTextCharacters), QLatin1Char('X')),
            edit.maxLength() > kLongTextCharacters};
}

}  // namespace

QString widestContent(const QLineEdit& edit) {
    QString text = contentOf(edit).text;
    if (edit.echoMode() == QLineEdit::Password || edit.echoMode() == QLineEdit::PasswordEchoOnEdit)
        text.fill(QChar(edit.style()->styleHint(QStyle::SH_LineEdit_PasswordCharacter, nullptr, &edit)));
    return text;
}

int widthToShow(const QLineEdit& edit, const QString& text) {
    // What QLineEdit::sizeHint adds around its text, for this text instead of its default.
    const QFontMetrics metrics(edit.font());
    const QMargins textMargins = edit.textMargins();
    const QMargins contentsMargins = edit.contentsMargins();
    const int inner = metrics.horizontalAdvance(text) + kCursorWidth + 2 * kTextMargin + textMargins.left() +
                      textMargins.right() + contentsMargins.left() + contentsMargins.right();
    QStyleOptionFrame option;
    option.initFrom(&edit);
    option.rect = edit.contentsRect();
    option.lineWidth =
        edit.hasFrame() ? edit.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &edit) : 0;
    option.midLineWidth = 0;
    option.state |= QStyle::State_Sunken;
    if (edit.isReadOnly()) option.state |= QStyle::State_ReadOnly;
    option.features = QStyleOptionFrame::None;
    return edit.style()
        ->sizeFromContents(QStyle::CT_LineEdit, &option, QSize(inner, metrics.height()), &edit)
        .width();
}

int contentWidth(const QLineEdit& edit) {
    const QString text = widestContent(edit);
    return text.isEmpty() ? 0 : widthToShow(edit, text);
}

bool hasShortContent(const QLineEdit& edit) {
    const Content content = contentOf(edit);
    return !content.text.isEmpty() && !content.stretches;
}

QString widestCellText(const store::FieldDef& def) {
    switch (def.type) {
        case store::FieldType::Integer:
        case store::FieldType::Float:
        case store::FieldType::Currency:
            return widestNumber(def);
        case store::FieldType::Date:
            return valueDisplayText(def, store::Value{std::string(kWidestDate)});
        case store::FieldType::Time:
            return QString::fromLatin1(kWidestTime);
        case store::FieldType::Text:
        case store::FieldType::Memo: {
            const int characters =
                def.size > 0 ? std::min(def.size, kGridTextCharacters) : kGridTextCharacters;
            return QString(characters, QLatin1Char('X'));
        }
        case store::FieldType::Graphic:
            return {};
    }
    return {};
}

int cellWidthToShow(const QAbstractItemView& view, const QString& text) {
    // The item delegate keeps this margin on each side of its text; a table draws its grid
    // line inside the cell's right edge.
    const int margin = view.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &view) + 1;
    const auto* table = qobject_cast<const QTableView*>(&view);
    const int gridLine = table != nullptr && table->showGrid() ? 1 : 0;
    // The item lays its text out in fractions of a pixel and rounds up.
    const int textWidth = qCeil(QFontMetricsF(view.font()).horizontalAdvance(text));
    return textWidth + 2 * margin + gridLine;
}

}  // namespace ui
