#include "reports/engine/report_sheet.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <set>
#include <unordered_map>

namespace reports {

namespace {

// Where a text lines up with others: its right edge when aligned right, else its left edge.
double anchorOf(const TextItem& item) {
    return item.style.align == Align::Right ? item.box.right() : item.box.x;
}

bool isCaption(const TextItem& item) {
    const auto* label = std::get_if<LabelText>(&item.source);
    return label && !label->onPrint;
}

// The texts of a band grouped by the line they print on, each line left to right.
std::map<long, std::vector<PrintedText>> linesOf(const PrintedBand& band) {
    std::map<long, std::vector<PrintedText>> lines;
    for (const PrintedText& text : band.texts) lines[std::lround(text.item->box.y * 10)].push_back(text);
    for (auto& [y, line] : lines)
        std::ranges::stable_sort(line, {}, [](const PrintedText& t) { return t.item->box.x; });
    return lines;
}

// A cell's text without the dotted leader a printed line runs to its figures with
// ("CORTE . . . . ."): a spreadsheet puts the figures in their own columns.
SheetCell cellOf(const PrintedText& text) {
    std::string shown = text.text;
    const std::size_t last = shown.find_last_not_of(". ");
    if (last != std::string::npos && shown.find(" . .", last) != std::string::npos) shown.resize(last + 1);
    return {std::move(shown), text.value};
}

class SheetCollector {
  public:
    explicit SheetCollector(const Report& report) {
        // A report whose lines are all in a sub-detail (its detail line only heads them)
        // takes its columns from the first sub-detail that prints values.
        takeColumnsOf(report.detail);
        for (const SubDetail& sub : report.subDetails)
            if (columns_.empty()) takeColumnsOf(sub.band);
        std::ranges::stable_sort(columns_, {},
                                 [](const TextItem* t) { return std::pair(t->box.y, t->box.x); });
        for (std::size_t i = 0; i < columns_.size(); ++i) columnOf_[columns_[i]] = i;
        sheet_.header.resize(columns_.size());
    }

    void add(const PrintedBand& band) {
        if (band.band == columnBand_) return addDetail(band);
        switch (band.kind) {
            case BandKind::PageHeader:
            case BandKind::Title:
                if (seenHeadings_.insert(band.band).second) headings_.push_back(band);
                break;
            case BandKind::Detail:
            case BandKind::SubDetail:
            case BandKind::SubDetailFooter:
            case BandKind::Summary:
                for (const auto& [y, line] : linesOf(band)) addLine(line);
                break;
            case BandKind::PageFooter:
                break;  // page numbers and the like
        }
    }

    ReportSheet finish() {
        placeHeadings();
        return std::move(sheet_);
    }

  private:
    void takeColumnsOf(const Band& band) {
        for (const Item& item : band.items)
            if (const auto* text = std::get_if<TextItem>(&item))
                if (!isCaption(*text)) columns_.push_back(text);
        if (!columns_.empty()) columnBand_ = &band;
    }

    void addDetail(const PrintedBand& band) {
        std::vector<SheetCell> row(columns_.size());
        for (const PrintedText& text : band.texts)
            if (const auto column = columnOf_.find(text.item); column != columnOf_.end())
                row[column->second] = cellOf(text);
        sheet_.rows.push_back(std::move(row));
        ++sheet_.detailRows;
    }

    std::size_t nearestColumn(double anchor) const {
        std::size_t best = 0;
        for (std::size_t i = 1; i < columns_.size(); ++i)
            if (std::abs(anchorOf(*columns_[i]) - anchor) < std::abs(anchorOf(*columns_[best]) - anchor))
                best = i;
        return best;
    }

    // A line of a total or a sub-detail: each text under the column nearest to it, or the
    // next one free when two texts would share one (past the last column when none is).
    void addLine(const std::vector<PrintedText>& line) {
        if (columns_.empty()) return;
        std::vector<SheetCell> row(columns_.size());
        for (const PrintedText& text : line) {
            std::size_t column = nearestColumn(anchorOf(*text.item));
            while (column < row.size() && !row[column].text.empty()) ++column;
            if (column == row.size()) row.emplace_back();
            row[column] = cellOf(text);
        }
        sheet_.rows.push_back(std::move(row));
    }

    // The last line of the headings with two captions or more heads the columns; the other
    // lines are the title. Without such a line, each column takes the caption printed
    // before it on the detail line.
    void placeHeadings() {
        std::vector<std::vector<PrintedText>> lines;
        for (const PrintedBand& band : headings_)
            for (auto& [y, line] : linesOf(band)) lines.push_back(withoutSystemData(line));
        std::erase_if(lines, [](const auto& line) { return line.empty(); });
        const auto captions = std::find_if(lines.rbegin(), lines.rend(), [](const auto& line) {
            return line.size() >= 2 &&
                   std::ranges::all_of(line, [](const PrintedText& t) { return isCaption(*t.item); });
        });
        for (auto it = lines.begin(); it != lines.end(); ++it) {
            if (captions != lines.rend() && &*it == &*captions) continue;
            std::string title;
            for (const PrintedText& text : *it) title += (title.empty() ? "" : " ") + text.text;
            sheet_.titleLines.push_back(title);
        }
        if (columns_.empty()) return;
        if (captions != lines.rend()) {
            for (const PrintedText& caption : *captions) {
                std::string& header = sheet_.header[nearestColumn(anchorOf(*caption.item))];
                header += (header.empty() ? "" : " ") + caption.text;
            }
            return;
        }
        captionsOnTheDetailLine();
    }

    void captionsOnTheDetailLine() {
        for (std::size_t i = 0; i < columns_.size(); ++i) {
            const TextItem* before = nullptr;
            for (const Item& item : columnBand_->items)
                if (const auto* text = std::get_if<TextItem>(&item))
                    if (isCaption(*text) && std::abs(text->box.y - columns_[i]->box.y) < 0.05 &&
                        text->box.x < columns_[i]->box.x && (!before || text->box.x > before->box.x))
                        before = text;
            if (before) sheet_.header[i] = trimmedCaption(std::get<LabelText>(before->source).caption);
        }
    }

    // "Nome.......:" heads its column as "Nome".
    static std::string trimmedCaption(std::string caption) {
        while (!caption.empty() && (caption.back() == '.' || caption.back() == ':' || caption.back() == ' '))
            caption.pop_back();
        return caption;
    }

    // The date, time and page number printed on every page, and the caption before each.
    static std::vector<PrintedText> withoutSystemData(const std::vector<PrintedText>& line) {
        std::vector<PrintedText> kept;
        for (const PrintedText& text : line) {
            if (!std::holds_alternative<SystemData>(text.item->source)) {
                kept.push_back(text);
                continue;
            }
            if (!kept.empty() && isCaption(*kept.back().item)) kept.pop_back();
        }
        return kept;
    }

    std::vector<const TextItem*> columns_;
    const Band* columnBand_ = nullptr;  // the band with a row per printing
    std::unordered_map<const TextItem*, std::size_t> columnOf_;
    std::vector<PrintedBand> headings_;
    std::set<const Band*> seenHeadings_;
    ReportSheet sheet_;
};

}  // namespace

ReportSheet sheetOf(const Report& report, GenerateOptions options) {
    SheetCollector collector(report);
    options.pageDone = [](const PageModel&, Page&&) {};
    options.layOut = false;
    options.bandPrinted = [&collector](const PrintedBand& band) { collector.add(band); };
    generate(report, options);
    return collector.finish();
}

}  // namespace reports
