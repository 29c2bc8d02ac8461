#include "reports/receivables_reports.h"

#include "data/dm.h"
#include "data/refusal.h"
#include "reports/engine/items.h"
#include "reports/engine/salon_header.h"
#include "reports/listing_columns.h"
#include "reports/prepared_table.h"

namespace reports {

namespace {

constexpr double kLine = kLineHeightMm;

using Column = ListingColumn;

// Logo, salon name, title, issue date and page number, then the column captions: framed, or
// over a rule.
Band header(const Report& report, data::Tdm& dm, const std::string& title, const std::vector<Column>& columns,
            const char* valueCaption, bool framed) {
    const double width = report.page.printableWidthMm();
    const double text = kLogoWidthMm + 3;
    Band band;
    band.heightMm = kLogoHeightMm + 2 + kLine + 3;
    band.add(salonLogo(dm.TbConfig));
    band.add(salonName(dm.TbConfig, {text, 0, width - text - 50, 6},
                       {.bold = true, .points = 12, .sizing = Sizing::Fixed}));
    band.add(label({text, 8, width - text, kLine}, title, {.bold = true, .sizing = Sizing::Fixed}));
    addPageNumber(band, "Pág.:", width, 0);
    addIssueDate(band, width, kLine);
    std::vector<ColumnCaption> captions;
    for (const Column& column : columns) captions.push_back({column.x, column.caption});
    captions.push_back({width, valueCaption, Align::Right});
    const double strip = kLogoHeightMm + 2;
    if (framed) {
        addCaptionStrip(band, strip, width, captions);
        return band;
    }
    for (const ColumnCaption& caption : captions) {
        const bool right = caption.align == Align::Right;
        band.add(label({right ? caption.x - 30 : caption.x, strip, 30, kLine}, caption.text,
                       {.align = caption.align, .bold = true}));
    }
    band.add(horizontalLine(0, strip + kLine + 1, width));
    return band;
}

}  // namespace

void printOpenReceivables(data::Tdm& dm, const ReportOutput& output) {
    PreparedTable receber(dm.TbReceber);
    receber->setIndexName("siData");
    receber->setRange({core::Date{2000, 1, 1}.toIso()}, {core::Date{2050, 1, 1}.toIso()});

    Report report;
    report.name = "QrReceber";
    report.mainTable = &dm.TbReceber;
    const std::vector<Column> columns{{0, "DATA", "DataLan"},
                                      {22, "CLIENTE", "Cliente"},
                                      {95, "NÚMERO", "Documento"},
                                      {120, "FUNCIONÁRIO", "SubNome"}};
    report.pageHeader = header(report, dm, "Relatório de Contas a Receber", columns, "VALOR R$", true);
    addListingLines(report, dm, dm.TbReceber, columns);
    report.pageFooter = Band{.heightMm = kLine};
    output(report);
}

void printClientReceipts(data::Tdm& dm, std::int64_t clientCode, const core::Period& period,
                         const ReportOutput& output) {
    // The client screen's table stays as that screen keeps it.
    store::Table& clients = dm.TbCliente;
    const bool wasOpen = clients.isOpen();
    if (!wasOpen) clients.open();
    clients.setIndexName("");
    const bool known = clients.findKey({clientCode});
    if (!wasOpen) clients.close();
    if (!known) throw data::Refusal("Não Existe Cliente Com Este Código!");
    PreparedTable baixa(dm.TbBaixaR);
    baixa->setIndexName("siCodCliente");
    baixa->setRange({clientCode, period.start.toIso()}, {clientCode, period.end.toIso()});

    Report report;
    report.name = "QrReceberBCliente";
    report.page.paper = Paper::Letter;
    report.mainTable = &dm.TbBaixaR;
    const std::vector<Column> columns{{0, "Recebimento:", "DataVen"},
                                      {25, "Cliente:", "Cliente"},
                                      {95, "Nº Serviço:", "Documento"},
                                      {120, "Forma de Pagamento:", "Vendedor"}};
    const std::string title =
        periodTitle("Relatório de Contas Recebidas - Por Cliente", period.startText, period.endText, " até ");
    report.pageHeader = header(report, dm, title, columns, "Valor R$", false);
    addListingLines(report, dm, dm.TbBaixaR, columns);
    output(report);
}

}  // namespace reports
