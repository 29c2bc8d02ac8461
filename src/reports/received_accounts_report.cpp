#include "reports/received_accounts_report.h"

#include "data/dm.h"
#include "reports/engine/items.h"
#include "reports/engine/salon_header.h"
#include "reports/pass_stage.h"
#include "reports/payment_forms.h"
#include "reports/prepared_table.h"

namespace reports {

namespace {

constexpr double kLine = kLineHeightMm;

Report receivedReport(data::Tdm& dm, const core::Period& period, const PaymentFormTotals& forms) {
    store::Table& received = dm.TbBaixaR;
    Report report;
    report.name = "QrReceberBaixa";
    report.mainTable = &received;
    const double width = report.page.printableWidthMm();
    const std::string title =
        periodTitle("Relatório de Contas a Recebidas", period.startText, period.endText);
    report.pageHeader = salonHeader(
        report.page, dm.TbConfig, [title] { return title; },
        {{0, "DATA"},
         {22, "CLIENTE"},
         {100, "Nº Serviço:"},
         {130, "FORMA PGTO"},
         {width, "VALOR R$", Align::Right}},
        "Pág.:");
    const TextStyle text{.sizing = Sizing::Fixed};
    report.detail.heightMm = kLine + 0.5;
    report.detail.add(dataField({0, 0, 20, kLine}, received, "DataVen", text));
    report.detail.add(dataField({22, 0, 76, kLine}, received, "Cliente", text));
    report.detail.add(dataField({100, 0, 28, kLine}, received, "Documento", text));
    report.detail.add(dataField({130, 0, 35, kLine}, received, "Vendedor", text));
    report.detail.add(dataField({width - 33, 0, 33, kLine}, received, "Valor",
                                {.align = Align::Right, .sizing = Sizing::Fixed}, "0.0,0"));
    report.summary = totalWithPaymentForms(dm, width, "SUM(TbBaixaR.Valor)", forms);
    report.pageFooter = Band{};
    return report;
}

}  // namespace

void printReceivedAccounts(data::Tdm& dm, const core::Period& period, core::PassProgress& progress,
                           const ReportOutput& output) {
    PreparedTable prepared(dm.TbBaixaR);
    store::Table& received = dm.TbBaixaR;
    received.setIndexName("siData");
    received.setRange({period.start.toIso()}, {period.end.toIso()});
    PaymentFormTotals forms;
    startStage(progress, received);
    const store::Field word = received.field("Vendedor"), value = received.field("Valor");
    for (received.first(); !received.eof(); received.next()) {
        forms.add(word.asString(), value.asCurrency());
        progress.advance();
    }
    output(receivedReport(dm, period, forms));
}

}  // namespace reports
