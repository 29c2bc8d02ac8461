#include "reports/engine/text_measure.h"

#include <QFontMetricsF>
#include <QImage>

#include <unordered_map>

namespace reports {

namespace {

// Measuring at a high resolution keeps rounding far below a tenth of a millimetre.
constexpr double kMeasureDpi = 1200;
constexpr double kMmPerInch = 25.4;
constexpr char32_t kReplacement = 0xFFFD;

// Decodes one UTF-8 character at `i`, moving past it; broken bytes read as U+FFFD.
char32_t decode(const std::string& text, std::size_t& i) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char lead = byte(i);
    int extra = lead < 0x80           ? 0
                : (lead >> 5) == 0x6  ? 1
                : (lead >> 4) == 0xE  ? 2
                : (lead >> 3) == 0x1E ? 3
                                      : -1;
    if (extra < 0 || text.size() - i <= static_cast<std::size_t>(extra)) {
        ++i;
        return kReplacement;
    }
    char32_t code = extra == 0 ? lead : lead & (0x3F >> extra);
    for (int k = 1; k <= extra; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80) {
            ++i;
            return kReplacement;
        }
        code = (code << 6) | (byte(i + k) & 0x3F);
    }
    i += static_cast<std::size_t>(extra) + 1;
    return code;
}

}  // namespace

struct TextMeasure::FontWidths {
    FontWidths(const QFont& font, QImage* device) : metrics(font, device) {}

    double advanceMm(char32_t code) {
        if (code < latin.size()) {
            double& slot = latin[code];
            if (slot < 0) slot = measure(code);
            return slot;
        }
        auto [it, added] = others.try_emplace(code, 0.0);
        if (added) it->second = measure(code);
        return it->second;
    }

    double measure(char32_t code) const {
        return metrics.horizontalAdvance(QString::fromUcs4(&code, 1)) * kMmPerInch / kMeasureDpi;
    }

    QFontMetricsF metrics;
    std::vector<double> latin = std::vector<double>(0x800, -1.0);
    std::unordered_map<char32_t, double> others;
};

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

TextMeasure::FontWidths& TextMeasure::widths(const TextFont& font) {
    auto& slot = fonts_[{font.points, font.bold}];
    if (!slot) slot = std::make_unique<FontWidths>(reportFont(font), device_.get());
    return *slot;
}

void TextMeasure::layout(const std::string& text, const TextFont& font) {
    FontWidths& w = widths(font);
    offsets_.clear();
    running_.clear();
    double sum = 0;
    for (std::size_t i = 0; i < text.size();) {
        offsets_.push_back(i);
        running_.push_back(sum);
        sum += w.advanceMm(decode(text, i));
    }
    offsets_.push_back(text.size());
    running_.push_back(sum);
}

double TextMeasure::widthMm(const std::string& text, const TextFont& font) {
    layout(text, font);
    return running_.back();
}

std::string TextMeasure::fit(const std::string& text, const TextFont& font, double widthMm, Align align) {
    layout(text, font);
    const std::size_t count = offsets_.size() - 1;
    if (running_.back() <= widthMm) return text;
    // The characters [first, last) kept when `drop` go; the side they leave from follows
    // the alignment, and fewer kept never widens the piece.
    auto piece = [&](std::size_t drop) {
        switch (align) {
            case Align::Right:
                return std::pair{drop, count};
            case Align::Centre:
                return std::pair{drop / 2, count - (drop - drop / 2)};
            case Align::Left:
                break;
        }
        return std::pair{std::size_t{0}, count - drop};
    };
    auto width = [&](std::pair<std::size_t, std::size_t> range) {
        return running_[range.second] - running_[range.first];
    };
    std::size_t low = 1, high = count;
    while (low < high) {
        const std::size_t mid = low + (high - low) / 2;
        if (width(piece(mid)) <= widthMm)
            high = mid;
        else
            low = mid + 1;
    }
    const auto [first, last] = piece(low);
    return text.substr(offsets_[first], offsets_[last] - offsets_[first]);
}

}  // namespace reports
