#include "reports/price_tables.h"

#include "core/format.h"
#include "data/dm.h"
#include "reports/engine/items.h"
#include "reports/engine/salon_header.h"
#include "reports/prepared_table.h"

namespace reports {

namespace {

constexpr double kLine = kLineHeightMm;
constexpr double kStockRight = 160;

struct Entry {
    const char* title;
    const char* filter;  // empty: the whole catalogue
    bool withStock;
};

Entry entryOf(PriceTable which) {
    switch (which) {
        case PriceTable::Servicos:
            return {"TABELA DE PREÇO SERVIÇOS", "Tipo = 'SERVIÇO'", false};
        case PriceTable::Produtos:
            return {"TABELA DE PREÇO PRODUTOS", "Tipo = 'PRODUTO'", true};
        case PriceTable::ProdutosEServicos:
            break;
    }
    return {"TABELA DE PREÇO PRODUTOS E SERVIÇOS", "", false};
}

Band pageHeader(data::Tdm& dm, double width, std::string title, bool withStock) {
    Band band;
    band.heightMm = 28;
    band.add(salonLogo(dm.TbConfig));
    addPageNumber(band, "Pág.:", width, 0);
    band.add(salonName(dm.TbConfig, {kLogoWidthMm + 2, 4, width - 2 * (kLogoWidthMm + 2), 6},
                       {.align = Align::Centre, .bold = true, .points = 12, .sizing = Sizing::Fixed}));
    band.add(computedLabel({0, 12, width, 5}, [title = std::move(title)] { return title; },
                           {.align = Align::Centre, .bold = true, .points = 11}));
    std::vector<ColumnCaption> captions{{1, "CÓD."}, {20, "DESCRIÇÃO"}};
    if (withStock) captions.push_back({kStockRight, "ESTOQUE", Align::Right});
    captions.push_back({width - 1, "VALOR R$", Align::Right});
    addCaptionStrip(band, kLogoHeightMm + 2, width, captions);
    return band;
}

Band detail(data::Tdm& dm, double width, bool withStock) {
    store::Table& p = dm.TbProdutos;
    Band band;
    band.heightMm = kLine + 2;
    band.add(dataField({1, 0.5, 17, kLine}, p, "Codigo", {.sizing = Sizing::Fixed}));
    band.add(dataField({20, 0.5, 110, kLine}, p, "Descricao", {.sizing = Sizing::Fixed}));
    if (withStock)
        band.add(dataField({kStockRight - 25, 0.5, 25, kLine}, p, "Estoque",
                           {.align = Align::Right, .sizing = Sizing::Fixed}));
    band.add(dataField({width - 36, 0.5, 35, kLine}, p, "Valor",
                       {.align = Align::Right, .sizing = Sizing::Fixed}, std::string(core::kMoneyMask)));
    band.add(horizontalLine(0, kLine + 1, width));
    return band;
}

}  // namespace

Report priceTableReport(data::Tdm& dm, std::string title, bool withStock) {
    Report report;
    report.name = withStock ? "QrProdutoA" : "QrProduto";
    report.mainTable = &dm.TbProdutos;
    const double width = report.page.printableWidthMm();
    report.pageHeader = pageHeader(dm, width, std::move(title), withStock);
    report.detail = detail(dm, width, withStock);
    return report;
}

void printPriceTable(data::Tdm& dm, PriceTable which, const ReportOutput& output) {
    const Entry entry = entryOf(which);
    PreparedTable produtos(dm.TbProdutos);
    if (*entry.filter) {
        produtos->setFilter(entry.filter);
        produtos->setFiltered(true);
    }
    produtos->setIndexName("siTipo");
    output(priceTableReport(dm, entry.title, entry.withStock));
}

void previewPriceTable(data::Tdm& dm, PriceTable which) {
    printPriceTable(dm, which, previewReport);
}

}  // namespace reports
