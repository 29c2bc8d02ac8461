#pragma once
// Report fonts and the width of text in millimetres. The generator measures with the same
// fonts every renderer draws with, so what it cuts to fit a box is what the paper shows.
//
// A width is the sum of the characters' advances (kerning is off in report fonts). A
// ligature can only make drawn text narrower than that, so text judged to fit always
// does, and each character is measured once per font: generating a long listing costs
// little more than reading its rows.
#include <QFont>

#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "reports/engine/page_model.h"

class QFontMetricsF;
class QImage;

namespace reports {

// Hinting and kerning off, so widths scale exactly with resolution and add up per
// character: screen, printer and PDF agree.
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
    struct FontWidths;
    FontWidths& widths(const TextFont& font);
    // Byte offset of each character's start, with the text's size last, and the running
    // widths in millimetres before each of those offsets.
    void layout(const std::string& text, const TextFont& font);

    std::unique_ptr<QImage> device_;
    std::map<std::pair<double, bool>, std::unique_ptr<FontWidths>> fonts_;
    std::vector<std::size_t> offsets_;
    std::vector<double> running_;
};

}  // namespace reports
