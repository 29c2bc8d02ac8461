#pragma once
// A generated report as pages of positioned text, lines, rectangles and pictures, in
// millimetres from the top-left corner of the sheet. The preview, the printer, the PDF
// export and the saved report file all work from this, so what one shows the others print.
#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace reports {

enum class Align : std::uint8_t { Left, Centre, Right };
enum class PenStyle : std::uint8_t { Solid, Dotted };

struct RectMm {
    double x = 0;
    double y = 0;
    double width = 0;
    double height = 0;

    double right() const { return x + width; }
    double bottom() const { return y + height; }
    bool operator==(const RectMm&) const = default;
};

struct TextFont {
    double points = 8;
    bool bold = false;
    bool operator==(const TextFont&) const = default;
};

// One line of text, already cut to what fits its box.
struct PageText {
    RectMm box;
    std::string text;
    Align align = Align::Left;
    TextFont font;
    bool operator==(const PageText&) const = default;
};

struct PageLine {
    double x1 = 0;
    double y1 = 0;
    double x2 = 0;
    double y2 = 0;
    PenStyle pen = PenStyle::Solid;
    bool operator==(const PageLine&) const = default;
};

struct PageRect {
    RectMm box;
    bool filled = false;  // light grey inside
    PenStyle pen = PenStyle::Solid;
    bool operator==(const PageRect&) const = default;
};

// A picture stretched to its box; `image` indexes PageModel::images.
struct PageImage {
    RectMm box;
    int image = 0;
    bool operator==(const PageImage&) const = default;
};

using PageElement = std::variant<PageText, PageLine, PageRect, PageImage>;

struct Page {
    std::vector<PageElement> elements;
    bool operator==(const Page&) const = default;
};

struct PageModel {
    // The sheet as it lies in the printer (portrait measures) and how it is turned.
    double paperWidthMm = 210;
    double paperHeightMm = 297;
    bool landscape = false;
    // Encoded pictures (PNG, JPEG, BMP...), each kept once however many pages show it.
    std::vector<std::string> images;
    std::vector<Page> pages;

    double widthMm() const { return landscape ? paperHeightMm : paperWidthMm; }
    double heightMm() const { return landscape ? paperWidthMm : paperHeightMm; }
    bool operator==(const PageModel&) const = default;
};

}  // namespace reports
