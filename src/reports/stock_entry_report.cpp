#include "reports/stock_entry_report.h"

#include <string>

#include "data/computed_fields.h"
#include "data/dm.h"
#include "reports/engine/items.h"
#include "reports/engine/salon_header.h"
#include "reports/engine/total_expression.h"

namespace reports {

namespace {

constexpr double kLine = kLineHeightMm;
constexpr const char* kAmount = "0.0,0";
const TextStyle kFixed{.sizing = Sizing::Fixed};
const TextStyle kRight{.align = Align::Right, .sizing = Sizing::Fixed};
// Column edges: date, code, product and supplier from the left, the amounts' right edges.
constexpr double kCodigo = 20, kProduto = 36, kFornecedor = 86, kCusto = 150, kQtde = 166;

Band pageHeader(data::Tdm& dm, const std::string& title, double width) {
    Band band;
    band.heightMm = kLogoHeightMm + 2 + 7 + kLine + 1;
    band.add(salonLogo(dm.TbConfig));
    const double textX = kLogoWidthMm + 3;
    band.add(salonName(dm.TbConfig, {textX, 1, width - textX - 40, 6},
                       {.bold = true, .points = 12, .sizing = Sizing::Fixed}));
    addPageNumber(band, "Pág.:", width, 0);
    band.add(label({width - 50, 5, 22, kLine}, "Data Emissão:", kFixed));
    band.add(systemData({width - 26, 5, 26, kLine}, SystemData::Date, kRight));
    band.add(label({0, kLogoHeightMm + 1, width, 6}, title,
                   {.align = Align::Centre, .bold = true, .points = 11, .sizing = Sizing::Fixed}));
    addCaptionStrip(band, kLogoHeightMm + 8, width,
                    {{0, "DATA"},
                     {kCodigo, "CÓD."},
                     {kProduto, "PRODUTO"},
                     {kFornecedor, "FORNECEDOR"},
                     {kCusto, "CUSTO R$", Align::Right},
                     {kQtde, "QTDE.", Align::Right},
                     {width, "TOTAL R$", Align::Right}});
    return band;
}

Band detail(store::Table& itens, double width) {
    Band band;
    band.heightMm = kLine + 0.5;
    band.add(dataField({0, 0, kCodigo - 2, kLine}, itens, "Data", kFixed));
    band.add(dataField({kCodigo, 0, kProduto - kCodigo - 2, kLine}, itens, "Codigo", kFixed));
    band.add(dataField({kProduto, 0, kFornecedor - kProduto - 2, kLine}, itens, "Descricao", kFixed));
    band.add(dataField({kFornecedor, 0, kCusto - 22 - kFornecedor, kLine}, itens, "Fornecedor", kFixed));
    band.add(dataField({kCusto - 20, 0, 20, kLine}, itens, "Custo", kRight, kAmount));
    band.add(dataField({kQtde - 14, 0, 14, kLine}, itens, "Quant", kRight));
    band.add(dataField({width - 26, 0, 26, kLine}, itens, "Total", kRight, kAmount));
    return band;
}

Band summary(store::Table& itens, double width) {
    const auto tables = [&itens](std::string_view) -> store::Table& { return itens; };
    Band band;
    band.heightMm = 2 + kLine + 1;
    band.add(horizontalLine(0, 1, width));
    band.add(label({width - 80, 2, 40, kLine}, "TOTAL...R$", {.bold = true, .sizing = Sizing::Fixed}));
    band.add(totalField({width - 36, 2, 36, kLine}, parseTotalExpression("SUM(TbItemEntrada.Total)", tables),
                        kAmount, {.align = Align::Right, .bold = true, .sizing = Sizing::Fixed}));
    return band;
}

}  // namespace

void printStockEntries(data::Tdm& dm, const core::Date& from, const core::Date& to,
                       std::optional<std::int64_t> supplier, const ReportOutput& output) {
    // All the lines, not only those of the entry a screen shows.
    store::Table itens(dm.DbVelmora, dm.TbItemEntrada.definition(), dm.TbItemEntrada.name());
    itens.onCalcFields = data::calcEntryItemTotal;
    itens.open();
    if (supplier) {
        itens.setIndexName("siFOR");
        itens.setRange({*supplier, from.toIso()}, {*supplier, to.toIso()});
    } else {
        itens.setIndexName("siData");
        itens.setRange({from.toIso()}, {to.toIso()});
    }
    Report report;
    report.name = "QrEntrada";
    report.mainTable = &itens;
    const double width = report.page.printableWidthMm();
    report.pageHeader =
        pageHeader(dm,
                   "Relatório de Entradas - Período de: " + core::shortDateTwoDigitYear(from) + " a " +
                       core::shortDateTwoDigitYear(to),
                   width);
    report.detail = detail(itens, width);
    report.summary = summary(itens, width);
    output(report);
}

}  // namespace reports
