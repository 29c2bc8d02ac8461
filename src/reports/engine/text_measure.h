#pragma once
// Report fonts and the width of text in millimetres. The generator measures with the same
// fonts every renderer draws with, so what it cuts to fit a box is what the paper shows.
#include <QFont>

#include <map>
#include <memory>
#include <string>
#include <utility>

#include "reports/engine/page_model.h"

class QFontMetricsF;
class QImage;

namespace reports {

// Hinting off, so widths scale exactly with resolution: screen, printer and PDF agree.
QFont reportFont(const TextFont& font);

class TextMeasure {
  public:
    TextMeasure();
    ~TextMeasure();
    TextMeasure(const TextMeasure&) = delete;
    TextMeasure& operator=(const TextMeasure&) = delete;

    double widthMm(const std::string& text, const TextFont& font);
    // The part of `text` that fits `widthMm`: its start for left alignment, its end for
    // right alignment, its middle when centred. Whole characters only.
    std::string fit(const std::string& text, const TextFont& font, double widthMm, Align align);

  private:
    QFontMetricsF& metrics(const TextFont& font);

    std::unique_ptr<QImage> device_;
    std::map<std::pair<double, bool>, std::unique_ptr<QFontMetricsF>> metrics_;
};

}  // namespace reports
