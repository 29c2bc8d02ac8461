#include "reports/services_report.h"

#include <cstdint>
#include <map>
#include <string>

#include "core/format.h"
#include "data/dm.h"
#include "data/store/posting.h"
#include "reports/engine/items.h"
#include "reports/engine/salon_header.h"
#include "reports/items_on_their_own.h"
#include "reports/paid_rows.h"
#include "reports/pass_stage.h"
#include "reports/prepared_table.h"

namespace reports {

namespace {

using core::Currency;

constexpr double kLine = kLineHeightMm;
constexpr const char* kMoney = "0.0,0";
constexpr const char* kTitle = "Relatório de Produtos e Serviços";
const TextStyle kMoneyStyle{.align = Align::Right, .sizing = Sizing::Fixed};
const TextStyle kTextStyle{.sizing = Sizing::Fixed};
const TextStyle kBoldMoney{.align = Align::Right, .bold = true, .sizing = Sizing::Fixed};

// The sales of the period on siData, paid ones only.
void restrictSales(store::Table& sales, const core::Period& period) {
    sales.setIndexName("siData");
    sales.setRange({period.start.toIso()}, {period.end.toIso()});
    keepPaidSales(sales);
}

void restrictItems(store::Table& items, const core::Period& period) {
    items.setIndexName("siData");
    items.setRange({period.start.toIso()}, {period.end.toIso()});
    keepPaidItems(items);
}

// Adds the restricted sales' totals to `totals`, one gauge step per sale.
PaymentFormTotals byPaymentForm(store::Table& sales, core::PassProgress& progress) {
    PaymentFormTotals totals;
    startStage(progress, sales);
    const store::Field form = sales.field("TipoPG"), total = sales.field("Total");
    for (sales.first(); !sales.eof(); sales.next()) {
        totals.add(form.asString(), total.asCurrency());
        progress.advance();
    }
    return totals;
}

Band periodHeader(const Report& report, data::Tdm& dm, const core::Period& period,
                  const std::vector<ColumnCaption>& captions) {
    const std::string title = periodTitle(kTitle, period.startText, period.endText);
    return salonHeader(
        report.page, dm.TbConfig, [title] { return title; }, captions);
}

Report salesReport(data::Tdm& dm, const core::Period& period, const PaymentFormTotals& forms) {
    store::Table& sales = dm.TbServico;
    Report report;
    report.name = "QrServico";
    report.mainTable = &sales;
    const double width = report.page.printableWidthMm();
    report.pageHeader = periodHeader(
        report, dm, period,
        {{0, "Data:"}, {22, "Cliente:"}, {120, "Pagamento:"}, {width, "Total R$", Align::Right}});
    report.detail.heightMm = kLine + 0.5;
    report.detail.add(dataField({0, 0, 20, kLine}, sales, "Data", kTextStyle));
    report.detail.add(dataField({22, 0, 96, kLine}, sales, "Cliente", kTextStyle));
    report.detail.add(dataField({120, 0, 45, kLine}, sales, "TipoPG", kTextStyle));
    report.detail.add(dataField({width - 33, 0, 33, kLine}, sales, "Total", kMoneyStyle, kMoney));
    report.summary = totalWithPaymentForms(dm, width, "SUM(TbServico.Total)", forms);
    return report;
}

Report itemsReport(data::Tdm& dm, const core::Period& period, const PaymentFormTotals& forms) {
    store::Table& items = dm.TbItensServico;
    Report report;
    report.name = "QrPS";
    report.page.orientation = Orientation::Landscape;
    report.page.margins.bottom = 10;
    report.mainTable = &items;
    const double width = report.page.printableWidthMm();
    report.pageHeader = periodHeader(report, dm, period,
                                     {{0, "Data:"},
                                      {20, "Cliente:"},
                                      {90, "Funcionário:"},
                                      {150, "Descrição"},
                                      {215, "Forma PGTO"},
                                      {width, "Valor R$", Align::Right}});
    report.detail.heightMm = kLine + 0.5;
    report.detail.add(dataField({0, 0, 19, kLine}, items, "Data", kTextStyle));
    report.detail.add(dataField({20, 0, 68, kLine}, items, "Cliente", kTextStyle));
    report.detail.add(dataField({90, 0, 58, kLine}, items, "Funcionario", kTextStyle));
    report.detail.add(dataField({150, 0, 63, kLine}, items, "Descricao", kTextStyle));
    report.detail.add(dataField({215, 0, 30, kLine}, items, "PGTO", kTextStyle));
    report.detail.add(dataField({width - 30, 0, 30, kLine}, items, "Total", kMoneyStyle, kMoney));
    report.summary = totalWithPaymentForms(dm, width, "SUM(TbItensServico.Total)", forms);
    return report;
}

Report summaryReport(data::Tdm& dm, const core::Period& period, const ItemSummaryTotals& totals) {
    store::Table& temp = dm.TbTemp;
    Report report;
    report.name = "QrServico2";
    report.mainTable = &temp;
    const double width = report.page.printableWidthMm();
    report.pageHeader = periodHeader(
        report, dm, period,
        {{0, "PRODUTOS E SERVIÇOS"}, {width - 40, "QTDE.", Align::Right}, {width, "TOTAL R$", Align::Right}});
    report.detail.heightMm = kLine + 1.5;
    report.detail.add(dataField({0, 0, width - 65, kLine}, temp, "Produto", kTextStyle));
    report.detail.add(dataField({width - 60, 0, 20, kLine}, temp, "CodFUN", kMoneyStyle));
    report.detail.add(dataField({width - 35, 0, 35, kLine}, temp, "Total", kMoneyStyle, kMoney));
    report.detail.add(horizontalLine(0, kLine + 0.5, width));

    const auto tables = [&dm](std::string_view name) -> store::Table& { return dm.table(name); };
    const auto money = [](Currency value) { return core::formatMask(value, core::kCaptionMoneyMask); };
    Band summary;
    summary.heightMm = 3 * (kLine + 1) + 3;
    const TextStyle bold{.bold = true, .sizing = Sizing::Fixed};
    summary.add(label({0, 2, 18, kLine}, "RESUMO:", bold));
    const std::pair<const char*, Currency> left[] = {{"PRODUTOS", totals.products},
                                                     {"SERVIÇOS", totals.services}};
    double y = 2;
    for (const auto& [caption, value] : left) {
        summary.add(label({20, y, 25, kLine}, caption, bold));
        summary.add(label({45, y, 8, kLine}, "R$", bold));
        summary.add(label({53, y, 30, kLine}, money(value), kBoldMoney));
        y += kLine + 1;
    }
    const double x = width - 80;
    summary.add(label({x, 2, 28, kLine}, "SUB-TOTAL", bold));
    summary.add(label({x + 28, 2, 8, kLine}, "R$", bold));
    summary.add(totalField({width - 40, 2, 40, kLine}, parseTotalExpression("SUM(TbTemp.Total)", tables),
                           kMoney, kBoldMoney));
    const std::pair<const char*, Currency> right[] = {{"CREDITOS", totals.credits},
                                                      {"TOTAL GERAL", totals.items - totals.credits}};
    y = 2 + kLine + 1;
    for (const auto& [caption, value] : right) {
        summary.add(label({x, y, 28, kLine}, caption, bold));
        summary.add(label({x + 28, y, 8, kLine}, "R$", bold));
        summary.add(label({width - 40, y, 40, kLine}, money(value), kBoldMoney));
        y += kLine + 1;
    }
    report.summary = std::move(summary);
    return report;
}

struct CodeLine {
    std::string description;
    std::int64_t count = 0;
    Currency total;
};

}  // namespace

PaymentFormTotals salesByPaymentForm(data::Tdm& dm, const core::Period& period,
                                     core::PassProgress& progress) {
    PreparedTable sales(dm.TbServico);
    restrictSales(dm.TbServico, period);
    return byPaymentForm(dm.TbServico, progress);
}

void printSales(data::Tdm& dm, const core::Period& period, core::PassProgress& progress,
                const ReportOutput& output) {
    PreparedTable sales(dm.TbServico);
    restrictSales(dm.TbServico, period);
    const PaymentFormTotals forms = byPaymentForm(dm.TbServico, progress);
    output(salesReport(dm, period, forms));
}

void printSaleItems(data::Tdm& dm, const core::Period& period, core::PassProgress& progress,
                    const ReportOutput& output) {
    const PaymentFormTotals forms = salesByPaymentForm(dm, period, progress);
    ItemsOnTheirOwn unlinked(dm);
    PreparedTable items(dm.TbItensServico);
    restrictItems(dm.TbItensServico, period);
    output(itemsReport(dm, period, forms));
}

ItemSummaryTotals fillItemSummary(data::Tdm& dm, const core::Period& period, core::PassProgress& progress) {
    ItemSummaryTotals totals;
    {
        PreparedTable sales(dm.TbServico);
        restrictSales(dm.TbServico, period);
        startStage(progress, dm.TbServico);
        const store::Field credit = dm.TbServico.field("Saldo");
        for (dm.TbServico.first(); !dm.TbServico.eof(); dm.TbServico.next()) {
            totals.credits += credit.asCurrency();
            progress.advance();
        }
    }
    // Grouped in memory (one entry per code of the catalogue), written to TbTemp at the end.
    std::map<std::int64_t, CodeLine> lines;
    {
        ItemsOnTheirOwn unlinked(dm);
        PreparedTable prepared(dm.TbItensServico);
        store::Table& items = dm.TbItensServico;
        restrictItems(items, period);
        startStage(progress, items);
        const store::Field code = items.field("Codigo"), description = items.field("Descricao"),
                           type = items.field("Tipo"), total = items.field("Total");
        for (items.first(); !items.eof(); items.next()) {
            const Currency value = total.asCurrency();
            totals.items += value;
            CodeLine& line = lines[code.asInteger()];
            if (line.count++ == 0) line.description = description.asString();
            line.total += value;
            const std::string kind = type.asString();
            if (kind == "PRODUTO")
                totals.products += value;
            else if (kind == "SERVIÇO")
                totals.services += value;
            progress.advance();
        }
    }
    store::Table& temp = dm.TbTemp;
    dm.openWorkTable(temp);
    temp.setIndexName("");
    // One write of the whole refill, not one per row.
    store::post({&temp}, [&] {
        temp.emptyTable();
        for (const auto& [code, line] : lines) {
            temp.insert();
            temp.field("Codigo").setInteger(code);
            temp.field("Produto").setString(line.description);
            temp.field("CodFUN").setInteger(line.count);
            temp.field("Total").setCurrency(line.total);
            temp.post();
        }
    });
    return totals;
}

void printItemSummary(data::Tdm& dm, const core::Period& period, core::PassProgress& progress,
                      const ReportOutput& output) {
    const ItemSummaryTotals totals = fillItemSummary(dm, period, progress);
    store::Table& temp = dm.TbTemp;
    temp.setIndexName("siTotal");
    try {
        output(summaryReport(dm, period, totals));
    } catch (...) {
        temp.setIndexName("");
        throw;
    }
    temp.setIndexName("");
}

}  // namespace reports
