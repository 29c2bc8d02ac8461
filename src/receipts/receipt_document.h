#pragma once
// A receipt for narrow paper as lines of a fixed number of columns (48 on 80 mm paper, 32 on
// 58 mm), each with its alignment and emphasis. Layouts fill one; the printer gets its bytes.
#include <string>
#include <string_view>
#include <vector>

#include "receipts/escpos.h"

namespace receipts {

struct LineStyle {
    Alignment alignment = Alignment::Left;
    bool bold = false;
    bool doubleHeight = false;
};

struct ReceiptLine {
    std::string text;
    LineStyle style;
};

class ReceiptDocument {
  public:
    explicit ReceiptDocument(int columns) : columns_(columns) {}

    int columns() const { return columns_; }
    const std::vector<ReceiptLine>& lines() const { return lines_; }

    // Text longer than the paper is broken at spaces (at the margin when a word is wider).
    void text(std::string_view utf8, LineStyle style = {});
    // `left` and `right` on one line, the right one flush with the margin; the left is cut
    // so the right always shows whole.
    void columnsPair(std::string_view left, std::string_view right, LineStyle style = {});
    // A line of dashes across the paper.
    void rule();
    void blank();

    // The whole receipt: initialise, the drawer pulse when asked (so the drawer opens while the
    // paper prints), the lines, feed and cut.
    std::string encode(CodePage page, bool openDrawer = false) const;

  private:
    void add(std::string text, LineStyle style);

    int columns_;
    std::vector<ReceiptLine> lines_;
};

}  // namespace receipts
