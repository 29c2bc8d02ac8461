#include "reports/commissions_report.h"

#include <functional>
#include <map>

#include "core/format.h"
#include "data/dm.h"
#include "data/store/posting.h"
#include "reports/engine/items.h"
#include "reports/engine/salon_header.h"
#include "reports/items_on_their_own.h"
#include "reports/paid_rows.h"
#include "reports/pass_stage.h"
#include "reports/prepared_table.h"
#include "reports/registered_employee.h"

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

Report commissionsReport(data::Tdm& dm, const core::Period& period) {
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

// The four summary lines of the individual report: services and commissions as sums over
// the detail lines, the advances and what is left as gathered before the report started.
Band employeeSummary(data::Tdm& dm, double width, Currency commissions, Currency advances) {
    const auto tables = [&dm](std::string_view name) -> store::Table& { return dm.table(name); };
    const TextStyle caption{.bold = true, .sizing = Sizing::Fixed};
    const TextStyle figure{.align = Align::Right, .bold = true, .sizing = Sizing::Fixed};
    Band summary;
    summary.heightMm = 4 * (kLine + 1) + 3;
    summary.add(horizontalLine(0, 1, width));
    const std::pair<const char*, std::function<TextItem(RectMm)>> rows[] = {
        {"TOTAL SERVIÇOS......R$",
         [&](RectMm box) {
             return totalField(box, parseTotalExpression("SUM(TbItensServico.Total)", tables), kMoney,
                               figure);
         }},
        {"TOTAL COMISSÕES...R$",
         [&](RectMm box) {
             return totalField(box, parseTotalExpression("SUM(TbItensServico.Comi)", tables), kMoney, figure);
         }},
        {"TOTAL DE VALES........R$",
         [&](RectMm box) { return label(box, core::formatMask(advances, core::kCaptionMoneyMask), figure); }},
        {"TOTAL  A RECEBER.....R$", [&](RectMm box) {
             return label(box, core::formatMask(commissions - advances, core::kCaptionMoneyMask), figure);
         }}};
    double y = 2;
    for (const auto& [text, value] : rows) {
        summary.add(label({width - 90, y, 50, kLine}, text, caption));
        summary.add(value({width - 40, y, 40, kLine}));
        y += kLine + 1;
    }
    return summary;
}

Report employeeReport(data::Tdm& dm, const core::Period& period, const std::string& employee,
                      Currency commissions, Currency advances) {
    store::Table& items = dm.TbItensServico;
    Report report;
    report.name = "QrServico3";
    report.mainTable = &items;
    const double width = report.page.printableWidthMm();
    const std::string title = periodTitle("Relatório de Comissões", period.startText, period.endText);
    Band header = salonHeader(report.page, dm.TbConfig, [title] { return title; },
                              {{0, "DATA"},
                               {22, "SERVIÇOS"},
                               {85, "CLIENTE"},
                               {width - 60, "Com.%", Align::Right},
                               {width - 30, "Valor R$", Align::Right},
                               {width, "Com. R$", Align::Right}});
    header.add(label({kLogoWidthMm + 3, 10 + kLine, width - kLogoWidthMm - 3, kLine},
                     "Funcionário: " + employee, {.bold = true, .sizing = Sizing::Fixed}));
    report.pageHeader = std::move(header);
    const TextStyle text{.sizing = Sizing::Fixed};
    report.detail.heightMm = kLine + 0.5;
    report.detail.add(dataField({0, 0, 20, kLine}, items, "Data", text));
    report.detail.add(dataField({22, 0, 61, kLine}, items, "Descricao", text));
    report.detail.add(dataField({85, 0, width - 150, kLine}, items, "Cliente", text));
    report.detail.add(dataField({width - 80, 0, 20, kLine}, items, "Comissao", kMoneyStyle, kMoney));
    report.detail.add(dataField({width - 58, 0, 28, kLine}, items, "Total", kMoneyStyle, kMoney));
    report.detail.add(dataField({width - 28, 0, 28, kLine}, items, "Comi", kMoneyStyle, kMoney));
    report.summary = employeeSummary(dm, width, commissions, advances);
    return report;
}

}  // namespace

CommissionTotals fillCommissions(data::Tdm& dm, const core::Period& period, core::PassProgress& progress) {
    CommissionTotals totals;
    std::map<std::int64_t, EmployeeLine> lines;
    const std::string start = period.start.toIso(), end = period.end.toIso();
    {
        ItemsOnTheirOwn unlinked(dm);
        PreparedTable items(dm.TbItensServico);
        // By day rather than on siCOMG (type, day): the same services in the same order, without
        // comparing the type's text in the index for every row read.
        items->setIndexName("siData");
        items->setRange({start}, {end});
        keepPaidItems(dm.TbItensServico);
        startStage(progress, dm.TbItensServico);
        const store::Field type = items->field("Tipo"), code = items->field("CodFun"),
                           name = items->field("Funcionario"), total = items->field("Total"),
                           commission = items->field("Comi");
        for (items->first(); !items->eof(); items->next()) {
            progress.advance();
            if (type.asString() != "SERVIÇO") continue;  // products pay no commission
            EmployeeLine& line = lines[code.asInteger()];
            if (line.name.empty()) line.name = name.asString();
            line.services += total.asCurrency();
            line.commissions += commission.asCurrency();
        }
    }
    {
        PreparedTable paid(dm.TbBaixaP);
        paid->setIndexName("siBaixa");
        paid->setRange({start}, {end});
        startStage(progress, dm.TbBaixaP);
        const store::Field employee = paid->field("CodFUN"), name = paid->field("Funcionario"),
                           value = paid->field("Valor");
        for (paid->first(); !paid->eof(); paid->next()) {
            progress.advance();
            const std::int64_t code = employee.asInteger();
            if (code <= 0) continue;  // a bill, not an advance
            EmployeeLine& line = lines[code];
            if (line.name.empty()) line.name = name.asString();
            line.advances += value.asCurrency();
        }
    }
    store::Table& scratch = dm.TbVirtual;
    dm.openWorkTable(scratch);
    // One write of the whole refill, not one per row.
    store::post({&scratch}, [&] {
        scratch.emptyTable();
        for (const auto& [code, line] : lines) {
            scratch.insert();
            scratch.field("Codigo").setInteger(code);
            scratch.field("Funcionario").setString(line.name);
            scratch.field("Total").setCurrency(line.services);
            scratch.field("COM").setCurrency(line.commissions);
            scratch.field("Vale").setCurrency(line.advances);
            scratch.post();
        }
    });
    for (const auto& [code, line] : lines) {
        totals.services += line.services;
        totals.commissions += line.commissions;
        totals.advances += line.advances;
    }
    return totals;
}

void printCommissions(data::Tdm& dm, const core::Period& period, core::PassProgress& progress,
                      const ReportOutput& output) {
    fillCommissions(dm, period, progress);
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

namespace reports {

void printEmployeeCommissions(data::Tdm& dm, const core::Period& period, std::int64_t employeeCode,
                              core::PassProgress& progress, const ReportOutput& output) {
    const std::string employee = registeredEmployeeName(dm, employeeCode);
    const std::string start = period.start.toIso(), end = period.end.toIso();
    Currency advances;
    {
        PreparedTable paid(dm.TbBaixaP);
        paid->setIndexName("siFUN");
        paid->setRange({employeeCode, start}, {employeeCode, end});
        startStage(progress, dm.TbBaixaP);
        const store::Field value = paid->field("Valor");
        for (paid->first(); !paid->eof(); paid->next()) {
            advances += value.asCurrency();
            progress.advance();
        }
    }
    ItemsOnTheirOwn unlinked(dm);
    PreparedTable prepared(dm.TbItensServico);
    store::Table& items = dm.TbItensServico;
    items.setIndexName("siFunc");
    items.setRange({"SERVIÇO", employeeCode, start}, {"SERVIÇO", employeeCode, end});
    keepPaidItems(items);
    Currency commissions;
    startStage(progress, items);
    const store::Field commission = items.field("Comi");
    for (items.first(); !items.eof(); items.next()) {
        commissions += commission.asCurrency();
        progress.advance();
    }
    output(employeeReport(dm, period, employee, commissions, advances));
}

}  // namespace reports
