#pragma once
// A report definition built in code: paper and margins, the table that feeds the detail
// lines, and the bands with their items and events. Handlers capture whatever the
// requesting screen prepared (the period typed, totals gathered) and must outlive the run.
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "reports/engine/page_model.h"
#include "reports/engine/total_expression.h"

namespace store {
class Table;
}

namespace reports {

enum class Paper { A4, Letter };
enum class Orientation { Portrait, Landscape };

struct Margins {
    double top = 5;
    double bottom = 21;
    double left = 5;
    double right = 5;
};

struct PageSetup {
    Paper paper = Paper::A4;
    Orientation orientation = Orientation::Portrait;
    Margins margins;

    double paperWidthMm() const { return paper == Paper::A4 ? 210.0 : 215.9; }
    double paperHeightMm() const { return paper == Paper::A4 ? 297.0 : 279.4; }
    double widthMm() const { return orientation == Orientation::Portrait ? paperWidthMm() : paperHeightMm(); }
    double heightMm() const {
        return orientation == Orientation::Portrait ? paperHeightMm() : paperWidthMm();
    }
    // Room between the left and right margins.
    double printableWidthMm() const { return widthMm() - margins.left - margins.right; }
};

// A caption, or the text a print handler returns each time the label prints.
struct LabelText {
    std::string caption;
    std::function<std::string()> onPrint;
};

// A field of a table's current row. With a mask, numbers go through it (an empty value
// prints as zero); without one, the field's own display format applies.
struct FieldText {
    store::Table* table = nullptr;
    int field = 0;
    std::string mask;
};

inline constexpr int kDetailBand = -1;

// The running value of an expression; it adds a row each time its master band prints:
// the detail band, or the sub-detail of that index.
struct TotalText {
    TotalExpression expression;
    std::string mask;
    int master = kDetailBand;
};

enum class SystemData { Date, Time, PageNumber };

using TextSource = std::variant<LabelText, FieldText, TotalText, SystemData>;

enum class Sizing {
    Grow,   // the box takes the width of its text, from the side its alignment names
    Fixed,  // text that does not fit is cut at the box's edge
};

struct TextStyle {
    Align align = Align::Left;
    bool bold = false;
    double points = 8;
    Sizing sizing = Sizing::Grow;
};

// Boxes are in millimetres from the left margin and the top of the band.
struct TextItem {
    RectMm box;
    TextSource source;
    TextStyle style;
};

struct ShapeItem {
    enum class Kind { HorizontalLine, Rectangle };
    Kind kind = Kind::HorizontalLine;
    RectMm box;  // a line runs along the box's top edge
    bool filled = false;
    PenStyle pen = PenStyle::Solid;
};

// A picture stored in a graphic field, stretched to the box; nothing when the field is
// empty or holds something that is not a picture.
struct ImageItem {
    RectMm box;
    store::Table* table = nullptr;
    int field = 0;
};

using Item = std::variant<TextItem, ShapeItem, ImageItem>;

struct Band {
    double heightMm = 0;
    std::vector<Item> items;
    void add(Item item);                // out of line: GCC 12 warns falsely when this inlines
    std::function<void()> beforePrint;  // once per printing of the band, before it
    std::function<void()> afterPrint;
};

// Rows a report holds itself, gathered before it runs so every generation prints the same
// figures: `count` of them; `select` is told each row's index before its band prints, so the
// band's handlers read that row.
struct HeldRows {
    std::size_t count = 0;
    std::function<void(std::size_t)> select;
};

// Prints, after each detail line, one line per row of its table (of its held rows when it
// has no table), then its footer.
struct SubDetail {
    store::Table* table = nullptr;
    Band band;
    std::optional<Band> footer;
    HeldRows held;
};

struct Report {
    std::string name;  // "QrClientes"
    PageSetup page;
    store::Table* mainTable = nullptr;  // none: the detail band prints once
    bool printIfEmpty = true;
    std::function<void()> beforePrint;  // runs at the start of every generation

    std::optional<Band> pageHeader;
    std::optional<Band> title;
    Band detail;
    std::vector<SubDetail> subDetails;
    std::optional<Band> summary;
    std::optional<Band> pageFooter;
};

}  // namespace reports
