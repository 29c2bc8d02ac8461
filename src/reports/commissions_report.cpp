#include "reports/commissions_report.h"

#include <map>

#include "data/dm.h"
#include "reports/engine/items.h"
#include "reports/engine/salon_header.h"
#include "reports/items_on_their_own.h"
#include "reports/prepared_table.h"

namespace reports {

namespace {

using core::Currency;

constexpr double kLine = kLineHeightMm;
constexpr const char* kMoney = "0.0,0";
const TextStyle kMoneyStyle{.align = Align::Right, .sizing = Sizing::Fixed};

struct EmployeeLine {
    std::string name;
    Currency services, commissions, advances;
};

Report commissionsReport(data::Tdm& dm, const CommissionPeriod& period) {
    store::Table& virtualTable = dm.TbVirtual;
    Report report;
    report.name = "QrComissoes";
    report.mainTable = &virtualTable;
    const double width = report.page.printableWidthMm();
    const double total = width - 30, vale = total - 30, com = vale - 30, services = com - 30;
    const std::string title = periodTitle("Relatório de Comissões", period.startText, period.endText);
    Band header = salonHeader(report.page, dm.TbConfig, [title] { return title; },
                              {{0, "FUNCIONÁRIO"},
                               {com - 2, "SERVIÇOS R$", Align::Right},
                               {vale - 2, "COM. R$", Align::Right},
                               {total - 2, "VALES R$", Align::Right},
                               {width, "TOTAL R$", Align::Right}});
    report.pageHeader = std::move(header);
    report.detail.heightMm = kLine + 0.5;
    // The name followed by a dot leader up to the figures.
    std::string leader;
    for (int i = 0; i < 100; ++i) leader += " .";
    report.detail.add(computedLabel(
        {0, 0, services - 2, kLine},
        [&virtualTable, leader] { return virtualTable.field("Funcionario").asString() + leader; },
        {.sizing = Sizing::Fixed}));
    report.detail.add(dataField({services, 0, 28, kLine}, virtualTable, "Total", kMoneyStyle, kMoney));
    report.detail.add(dataField({com, 0, 28, kLine}, virtualTable, "COM", kMoneyStyle, kMoney));
    report.detail.add(dataField({vale, 0, 28, kLine}, virtualTable, "Vale", kMoneyStyle, kMoney));
    report.detail.add(dataField({total, 0, 30, kLine}, virtualTable, "Valor", kMoneyStyle, kMoney));
    const auto tables = [&dm](std::string_view name) -> store::Table& { return dm.table(name); };
    Band summary;
    summary.heightMm = 3 * (kLine + 1) + 3;
    summary.add(horizontalLine(0, 1, width));
    const std::pair<const char*, const char*> sums[] = {{"TOTAL SERVIÇOS......R$", "SUM(TbVirtual.Total)"},
                                                        {"TOTAL COMISSÕES...R$", "SUM(TbVirtual.COM)"},
                                                        {"TOTAL DE VALES........R$", "SUM(TbVirtual.Vale)"}};
    double y = 2;
    for (const auto& [caption, expression] : sums) {
        summary.add(label({width - 90, y, 50, kLine}, caption, {.bold = true, .sizing = Sizing::Fixed}));
        summary.add(totalField({width - 40, y, 40, kLine}, parseTotalExpression(expression, tables), kMoney,
                               {.align = Align::Right, .bold = true, .sizing = Sizing::Fixed}));
        y += kLine + 1;
    }
    report.summary = std::move(summary);
    return report;
}

}  // namespace

CommissionTotals fillCommissions(data::Tdm& dm, const CommissionPeriod& period) {
    CommissionTotals totals;
    std::map<std::int64_t, EmployeeLine> lines;
    const std::string start = period.start.toIso(), end = period.end.toIso();
    {
        ItemsOnTheirOwn unlinked(dm);
        PreparedTable items(dm.TbItensServico);
        items->setIndexName("siCOMG");
        items->setRange({"SERVIÇO", start}, {"SERVIÇO", end});
        items->setFilter("PGTO <> ''");
        items->setFiltered(true);
        for (items->first(); !items->eof(); items->next()) {
            EmployeeLine& line = lines[items->field("CodFun").asInteger()];
            if (line.name.empty()) line.name = items->field("Funcionario").asString();
            line.services += items->field("Total").asCurrency();
            line.commissions += items->field("Comi").asCurrency();
        }
    }
    {
        PreparedTable paid(dm.TbBaixaP);
        paid->setIndexName("siBaixa");
        paid->setRange({start}, {end});
        for (paid->first(); !paid->eof(); paid->next()) {
            const std::int64_t code = paid->field("CodFUN").asInteger();
            if (code <= 0) continue;
            EmployeeLine& line = lines[code];
            if (line.name.empty()) line.name = paid->field("Funcionario").asString();
            line.advances += paid->field("Valor").asCurrency();
        }
    }
    store::Table& scratch = dm.TbVirtual;
    dm.openWorkTable(scratch);
    scratch.emptyTable();
    for (const auto& [code, line] : lines) {
        scratch.insert();
        scratch.field("Codigo").setInteger(code);
        scratch.field("Funcionario").setString(line.name);
        scratch.field("Total").setCurrency(line.services);
        scratch.field("COM").setCurrency(line.commissions);
        scratch.field("Vale").setCurrency(line.advances);
        scratch.post();
        totals.services += line.services;
        totals.commissions += line.commissions;
        totals.advances += line.advances;
    }
    return totals;
}

void printCommissions(data::Tdm& dm, const CommissionPeriod& period, const ReportOutput& output) {
    fillCommissions(dm, period);
    store::Table& scratch = dm.TbVirtual;
    scratch.setIndexName("siCOM");
    try {
        output(commissionsReport(dm, period));
    } catch (...) {
        scratch.setIndexName("");
        throw;
    }
    scratch.setIndexName("");
}

}  // namespace reports
