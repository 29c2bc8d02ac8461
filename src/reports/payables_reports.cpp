#include "reports/payables_reports.h"

#include "data/dm.h"
#include "data/refusal.h"
#include "data/supplier_codes.h"
#include "reports/engine/items.h"
#include "reports/engine/salon_header.h"
#include "reports/listing_columns.h"
#include "reports/prepared_table.h"

namespace reports {

namespace {

constexpr double kLine = kLineHeightMm;
constexpr double kDescricao = 24, kThird = 110, kDocumento = 140;

using Column = ListingColumn;

Report payablesReport(data::Tdm& dm, const PayablesSelection& selection, const std::string& supplierName) {
    const bool paid = selection.bills == Bills::Paid;
    const bool perSupplier = selection.supplier.has_value();
    store::Table& bills = paid ? dm.TbBaixaP : dm.TbPagar;
    Report report;
    report.name = std::string("QrPagar") + (perSupplier ? "FOR" : "") + (paid ? "B" : "");
    report.mainTable = &bills;
    const double width = report.page.printableWidthMm();

    std::vector<Column> columns{{0, paid ? "Pagamento:" : "Data:", paid ? "DataBaixa" : "DataVen"},
                                {kDescricao, "Descrição:", "Descricao"}};
    if (perSupplier) {
        columns.push_back({kThird, "Tipo Documento:", "TipoDOC"});
        columns.push_back({kDocumento, "Documento:", "Documento"});
    } else {
        columns.push_back({kThird, "Fornecedor:", "Fornecedor"});
    }
    std::vector<ColumnCaption> captions;
    for (const Column& column : columns) captions.push_back({column.x, column.caption});
    captions.push_back({width, "Valor R$", Align::Right});

    const std::string title = periodTitle(paid ? "Relatório de Contas Pagas" : "Relatório de Contas a Pagar",
                                          selection.period.startText, selection.period.endText);
    report.pageHeader = salonHeader(
        report.page, dm.TbConfig, [title] { return title; }, captions);
    if (perSupplier)
        report.pageHeader->add(label({kLogoWidthMm + 3, 10 + kLine, width - kLogoWidthMm - 3, kLine},
                                     "Fornecedor: " + supplierName, {.bold = true, .sizing = Sizing::Fixed}));

    addListingLines(report, dm, bills, columns);
    return report;
}

}  // namespace

void printPayables(data::Tdm& dm, const PayablesSelection& selection, const ReportOutput& output) {
    std::string supplierName;
    if (selection.supplier) {
        PreparedTable suppliers(dm.TbFornec);
        if (!suppliers->findKey({*selection.supplier}))
            throw data::Refusal("Não Existe Fornecedor Com Este Código!");
        supplierName = suppliers->field("Nome").asString();
        data::normaliseStoredSupplierCode(dm, *selection.supplier);
    }
    const bool paid = selection.bills == Bills::Paid;
    PreparedTable bills(paid ? dm.TbBaixaP : dm.TbPagar);
    const std::string start = selection.period.start.toIso(), end = selection.period.end.toIso();
    if (selection.supplier) {
        // The supplier code is stored as text.
        const std::string code = std::to_string(*selection.supplier);
        bills->setIndexName("siFOR");
        bills->setRange({code, start}, {code, end});
    } else {
        bills->setIndexName(paid ? "siBaixa" : "siData");
        bills->setRange({start}, {end});
    }
    output(payablesReport(dm, selection, supplierName));
}

}  // namespace reports
