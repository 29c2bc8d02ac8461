#include "reports/engine/text_measure.h"

#include <QFontMetricsF>
#include <QImage>

namespace reports {

namespace {

// Measuring at a high resolution keeps rounding far below a tenth of a millimetre.
constexpr double kMeasureDpi = 1200;
constexpr double kMmPerInch = 25.4;

}  // namespace

QFont reportFont(const TextFont& font) {
    QFont result(QStringLiteral("DejaVu Sans"));
    result.setStyleHint(QFont::SansSerif);
    result.setPointSizeF(font.points);
    result.setBold(font.bold);
    result.setHintingPreference(QFont::PreferNoHinting);
    result.setKerning(false);
    return result;
}

TextMeasure::TextMeasure() : device_(std::make_unique<QImage>(1, 1, QImage::Format_RGB32)) {
    const int dotsPerMeter = static_cast<int>(kMeasureDpi / kMmPerInch * 1000 + 0.5);
    device_->setDotsPerMeterX(dotsPerMeter);
    device_->setDotsPerMeterY(dotsPerMeter);
}

TextMeasure::~TextMeasure() = default;

QFontMetricsF& TextMeasure::metrics(const TextFont& font) {
    auto& slot = metrics_[{font.points, font.bold}];
    if (!slot) slot = std::make_unique<QFontMetricsF>(reportFont(font), device_.get());
    return *slot;
}

double TextMeasure::widthMm(const std::string& text, const TextFont& font) {
    return metrics(font).horizontalAdvance(QString::fromStdString(text)) * kMmPerInch / kMeasureDpi;
}

std::string TextMeasure::fit(const std::string& text, const TextFont& font, double widthMm, Align align) {
    const QString whole = QString::fromStdString(text);
    QFontMetricsF& m = metrics(font);
    const double limit = widthMm * kMeasureDpi / kMmPerInch;
    if (m.horizontalAdvance(whole) <= limit) return text;

    // The piece kept when `drop` characters go; the side they leave follows the alignment.
    auto piece = [&](qsizetype drop) {
        const qsizetype keep = whole.size() - drop;
        switch (align) {
            case Align::Left:
                return whole.left(keep);
            case Align::Right:
                return whole.right(keep);
            case Align::Centre:
                return whole.mid(drop / 2, keep);
        }
        return whole.left(keep);
    };
    // Fewest characters dropped that make it fit: width only shrinks as characters go.
    qsizetype low = 1, high = whole.size();
    while (low < high) {
        const qsizetype mid = low + (high - low) / 2;
        if (m.horizontalAdvance(piece(mid)) <= limit)
            high = mid;
        else
            low = mid + 1;
    }
    QString kept = piece(low);
    // Never leave half of a surrogate pair behind.
    if (!kept.isEmpty() && kept.back().isHighSurrogate()) kept.chop(1);
    if (!kept.isEmpty() && kept.front().isLowSurrogate()) kept.remove(0, 1);
    return kept.toStdString();
}

}  // namespace reports
