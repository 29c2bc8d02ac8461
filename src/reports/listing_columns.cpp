#include "reports/listing_columns.h"

#include "data/dm.h"
#include "reports/engine/items.h"
#include "reports/engine/salon_header.h"

namespace reports {

void addListingLines(Report& report, data::Tdm& dm, store::Table& table,
                     const std::vector<ListingColumn>& columns) {
    constexpr double kLine = kLineHeightMm, kValor = 30;
    const double width = report.page.printableWidthMm();
    report.detail.heightMm = kLine + 0.5;
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const double end = i + 1 < columns.size() ? columns[i + 1].x : width - kValor;
        report.detail.add(dataField({columns[i].x, 0, end - columns[i].x - 2, kLine}, table, columns[i].field,
                                    {.sizing = Sizing::Fixed}));
    }
    report.detail.add(dataField({width - kValor, 0, kValor, kLine}, table, "Valor",
                                {.align = Align::Right, .sizing = Sizing::Fixed}, "0.0,0"));
    Band summary;
    summary.heightMm = kLine + 4;
    summary.add(horizontalLine(0, 1, width));
    summary.add(label({width - 80, 2, 40, kLine}, "TOTAL...R$", {.bold = true, .sizing = Sizing::Fixed}));
    const auto tables = [&dm](std::string_view name) -> store::Table& { return dm.table(name); };
    summary.add(totalField({width - 40, 2, 40, kLine},
                           parseTotalExpression("SUM(" + table.name() + ".Valor)", tables), "0.0,0",
                           {.align = Align::Right, .bold = true, .sizing = Sizing::Fixed}));
    report.summary = std::move(summary);
}

}  // namespace reports
