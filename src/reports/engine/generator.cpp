#include "reports/engine/generator.h"

#include "core/decimal_text.h"

#include <QByteArray>
#include <QImage>

#include <algorithm>
#include <string_view>
#include <unordered_map>

#include "core/format.h"
#include "data/store/table.h"
#include "reports/engine/text_measure.h"

namespace reports {

namespace {

// Bands are placed to a millionth of a millimetre; this keeps sums of heights from
// pushing an exactly fitting band onto the next page.
constexpr double kTolerance = 1e-6;

std::string maskedNumber(core::Currency value, const std::string& mask) {
    return mask.empty() ? core::decimalText(value.toDouble()) : core::formatMask(value, mask);
}

std::string fieldText(const store::Field& field, const std::string& mask) {
    switch (field.type()) {
        case store::FieldType::Integer:
        case store::FieldType::Float:
        case store::FieldType::Currency:
            if (!mask.empty()) return core::formatMask(core::Currency::fromDouble(field.asFloat()), mask);
            if (field.isNull()) return {};
            if (!field.def().displayFormat.empty())
                return core::formatMask(core::Currency::fromDouble(field.asFloat()),
                                        field.def().displayFormat);
            return field.asString();
        default:
            return field.asString();
    }
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// An amount as the reports print one: "1.234,56", "-5,00" or "R$ 1.234,56" (checked by hand:
// this runs for every label of every line).
bool looksLikeAmount(std::string_view text) {
    if (text.starts_with("R$")) {
        text.remove_prefix(2);
        while (text.starts_with(' ')) text.remove_prefix(1);
    }
    if (text.starts_with('-')) text.remove_prefix(1);
    const std::size_t n = text.size();
    if (n < 4 || text[n - 3] != ',' || !isDigit(text[n - 2]) || !isDigit(text[n - 1]) || !isDigit(text[0]))
        return false;
    return std::all_of(text.begin(), text.end() - 3, [](char c) { return isDigit(c) || c == '.'; });
}

// A date as the reports print one, "31/05/2025".
bool looksLikeDate(std::string_view text) {
    if (text.size() != 10 || text[2] != '/' || text[5] != '/') return false;
    for (std::size_t i : {0, 1, 3, 4, 6, 7, 8, 9})
        if (!isDigit(text[i])) return false;
    return true;
}

// What stands behind a label's text: handlers print amounts and dates already formatted.
PrintedText::Value labelValue(const std::string& text) {
    if (looksLikeAmount(text))
        if (const auto amount = core::Currency::parse(text)) return *amount;
    if (looksLikeDate(text)) {
        try {
            const core::Date date = core::parseDate(text);
            if (!date.isNull()) return date;
        } catch (const core::DateError&) {
        }
    }
    return {};
}

PrintedText::Value fieldValue(const store::Field& field, const std::string& mask) {
    if (field.isNull()) return {};
    switch (field.type()) {
        case store::FieldType::Integer:
            return static_cast<double>(field.asInteger());
        case store::FieldType::Float:
        case store::FieldType::Currency:
            // A mask or display format is how the reports print money.
            if (!mask.empty() || !field.def().displayFormat.empty() ||
                field.type() == store::FieldType::Currency)
                return core::Currency::fromDouble(field.asFloat());
            return field.asFloat();
        case store::FieldType::Date:
            return field.asDate();
        default:
            return {};
    }
}

class Generator {
  public:
    Generator(const Report& report, const GenerateOptions& options) : report_(report), options_(options) {
        model_.paperWidthMm = report.page.paperWidthMm();
        model_.paperHeightMm = report.page.paperHeightMm();
        model_.landscape = report.page.orientation == Orientation::Landscape;
        const double footer = report.pageFooter ? report.pageFooter->heightMm : 0;
        footerTop_ = report.page.heightMm() - report.page.margins.bottom - footer;
        collectTotals();
    }

    PageModel run() {
        if (report_.beforePrint) report_.beforePrint();
        store::Table* main = report_.mainTable;
        if (main) main->first();
        const bool empty = main && main->isEmpty();
        if (empty && !report_.printIfEmpty) return std::move(model_);

        startPage();
        if (report_.title) printBand(*report_.title, BandKind::Title);
        if (!main || empty) {
            printDetail(false);
        } else {
            // Counting the rows costs a pass of its own: only for someone watching.
            const int rows = options_.progress ? main->recordCount() : 0;
            for (int done = 0; !main->eof(); main->next()) {
                printDetail(true);
                reportProgress(++done, rows);
            }
        }
        if (report_.summary) printBand(*report_.summary, BandKind::Summary);
        finishPage();
        return std::move(model_);
    }

  private:
    struct Total {
        TotalAccumulator accumulator;
        int master;
    };

    void collectTotals() {
        auto collect = [&](const Band& band) {
            for (const Item& item : band.items)
                if (auto text = std::get_if<TextItem>(&item))
                    if (auto total = std::get_if<TotalText>(&text->source)) {
                        totalIndex_[text] = totals_.size();
                        totals_.push_back({TotalAccumulator(total->expression), total->master});
                    }
        };
        for (const auto* band : {&report_.pageHeader, &report_.title, &report_.summary, &report_.pageFooter})
            if (*band) collect(**band);
        collect(report_.detail);
        for (const SubDetail& sub : report_.subDetails) {
            collect(sub.band);
            if (sub.footer) collect(*sub.footer);
        }
    }

    void accumulate(int master) {
        for (Total& total : totals_)
            if (total.master == master) total.accumulator.accumulate();
    }

    // A row of the main table (or the one line of an empty or table-less report, which
    // adds nothing to the totals), then every sub-detail under it.
    void printDetail(bool withRow) {
        if (report_.detail.beforePrint) report_.detail.beforePrint();
        if (withRow) accumulate(kDetailBand);
        printBand(report_.detail, BandKind::Detail, false);
        for (std::size_t i = 0; i < report_.subDetails.size(); ++i) {
            const SubDetail& sub = report_.subDetails[i];
            const auto printRow = [&] {
                if (sub.band.beforePrint) sub.band.beforePrint();
                accumulate(static_cast<int>(i));
                printBand(sub.band, BandKind::SubDetail, false);
            };
            if (sub.table) {
                for (sub.table->first(); !sub.table->eof(); sub.table->next()) printRow();
            } else {
                for (std::size_t row = 0; row < sub.held.count; ++row) {
                    sub.held.select(row);
                    printRow();
                }
            }
            if (sub.footer) printBand(*sub.footer, BandKind::SubDetailFooter);
        }
    }

    void printBand(const Band& band, BandKind kind, bool runBeforePrint = true) {
        if (runBeforePrint && band.beforePrint) band.beforePrint();
        // A band taller than a whole page prints on its own page rather than forever
        // opening new ones.
        if (y_ + band.heightMm > footerTop_ + kTolerance && !pageFresh_) {
            finishPage();
            startPage();
        }
        place(band, kind, y_);
        y_ += band.heightMm;
        pageFresh_ = false;
        if (band.afterPrint) band.afterPrint();
    }

    void startPage() {
        // Pages of a report are alike: room for as many elements as the last one had saves
        // moving them all as the page fills.
        model_.pages.emplace_back();
        model_.pages.back().elements.reserve(lastPageSize_);
        ++pageNumber_;
        y_ = report_.page.margins.top;
        if (const auto& header = report_.pageHeader) {
            if (header->beforePrint) header->beforePrint();
            place(*header, BandKind::PageHeader, y_);
            y_ += header->heightMm;
            if (header->afterPrint) header->afterPrint();
        }
        pageFresh_ = true;
    }

    void finishPage() {
        if (const auto& footer = report_.pageFooter) {
            if (footer->beforePrint) footer->beforePrint();
            place(*footer, BandKind::PageFooter, footerTop_);
            if (footer->afterPrint) footer->afterPrint();
        }
        lastPageSize_ = model_.pages.back().elements.size();
        if (options_.pageDone) {
            Page done = std::move(model_.pages.back());
            model_.pages.pop_back();
            options_.pageDone(model_, std::move(done));
        }
    }

    void reportProgress(int done, int rows) {
        if (!options_.progress || rows <= 0) return;
        const int percent = static_cast<int>(static_cast<long long>(done) * 100 / rows);
        if (percent == lastPercent_) return;
        lastPercent_ = percent;
        if (!options_.progress(percent)) throw GenerationCancelled();
    }

    void place(const Band& band, BandKind kind, double top) {
        const double left = report_.page.margins.left;
        PrintedBand printed{kind, &band, {}};
        for (const Item& item : band.items) {
            if (const auto* text = std::get_if<TextItem>(&item)) {
                std::string shown = textOf(*text);
                if (shown.empty()) continue;
                if (options_.bandPrinted) printed.texts.push_back({text, shown, valueOf(*text, shown)});
                if (options_.layOut) place(*text, std::move(shown), left, top);
            } else if (!options_.layOut) {
                continue;
            } else if (const auto* shape = std::get_if<ShapeItem>(&item)) {
                place(*shape, left, top);
            } else {
                place(std::get<ImageItem>(item), left, top);
            }
        }
        if (options_.bandPrinted) options_.bandPrinted(printed);
    }

    PrintedText::Value valueOf(const TextItem& item, const std::string& shown) const {
        if (const auto* field = std::get_if<FieldText>(&item.source))
            return fieldValue(field->table->fieldAt(field->field), field->mask);
        if (std::holds_alternative<TotalText>(item.source))
            return totals_[totalIndex_.at(&item)].accumulator.value();
        if (std::holds_alternative<LabelText>(item.source)) return labelValue(shown);
        return {};
    }

    void place(const TextItem& item, std::string text, double left, double top) {
        const TextFont font{item.style.points, item.style.bold};
        RectMm box{left + item.box.x, top + item.box.y, item.box.width, item.box.height};
        if (item.style.sizing == Sizing::Fixed) {
            text = measure_.fit(text, font, box.width, item.style.align);
            if (text.empty()) return;
        } else {
            const double width = measure_.widthMm(text, font);
            if (item.style.align == Align::Right)
                box.x = box.right() - width;
            else if (item.style.align == Align::Centre)
                box.x += (box.width - width) / 2;
            box.width = width;
        }
        add(PageText{box, std::move(text), item.style.align, font});
    }

    void place(const ShapeItem& item, double left, double top) {
        const RectMm box{left + item.box.x, top + item.box.y, item.box.width, item.box.height};
        if (item.kind == ShapeItem::Kind::HorizontalLine)
            add(PageLine{box.x, box.y, box.right(), box.y, item.pen});
        else
            add(PageRect{box, item.filled, item.pen});
    }

    void place(const ImageItem& item, double left, double top) {
        const std::string& bytes = item.table->fieldAt(item.field).asBlob();
        if (bytes.empty()) return;
        if (const auto image = imageIndex(bytes))
            add(PageImage{{left + item.box.x, top + item.box.y, item.box.width, item.box.height}, *image});
    }

    // Each distinct picture is decoded once; one that is not a picture prints nothing.
    std::optional<int> imageIndex(const std::string& bytes) {
        for (const auto& [known, index] : decoded_)
            if (known == bytes) return index;
        std::optional<int> index;
        const QImage image =
            QImage::fromData(QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size())));
        if (!image.isNull()) {
            index = static_cast<int>(model_.images.size());
            model_.images.push_back(bytes);
        }
        decoded_.emplace_back(bytes, index);
        return index;
    }

    std::string textOf(const TextItem& item) {
        struct Visitor {
            Generator& g;
            const TextItem& item;
            std::string operator()(const LabelText& label) const {
                return label.onPrint ? label.onPrint() : label.caption;
            }
            std::string operator()(const FieldText& field) const {
                return fieldText(field.table->fieldAt(field.field), field.mask);
            }
            std::string operator()(const TotalText& total) const {
                return maskedNumber(g.totals_[g.totalIndex_.at(&item)].accumulator.value(), total.mask);
            }
            std::string operator()(SystemData what) const {
                switch (what) {
                    case SystemData::Date:
                        return core::shortDate(g.options_.today);
                    case SystemData::Time:
                        return g.options_.now.toIso();
                    case SystemData::PageNumber:
                        return std::to_string(g.pageNumber_);
                }
                return {};
            }
        };
        return std::visit(Visitor{*this, item}, item.source);
    }

    // Out of line: inlined into every caller, GCC 12 warns falsely about the variant's
    // string when the vector grows.
    [[gnu::noinline]] void add(PageElement element) {
        model_.pages.back().elements.push_back(std::move(element));
    }

    const Report& report_;
    const GenerateOptions& options_;
    PageModel model_;
    TextMeasure measure_;
    std::vector<Total> totals_;
    std::unordered_map<const TextItem*, std::size_t> totalIndex_;
    std::vector<std::pair<std::string, std::optional<int>>> decoded_;
    double footerTop_ = 0;
    double y_ = 0;
    int pageNumber_ = 0;
    std::size_t lastPageSize_ = 0;  // pages of a report are alike: room for as many elements
    bool pageFresh_ = false;
    int lastPercent_ = -1;
};

}  // namespace

PageModel generate(const Report& report, const GenerateOptions& options) {
    return Generator(report, options).run();
}

}  // namespace reports
