#include "reports/advances_report.h"

#include "data/dm.h"
#include "reports/engine/items.h"
#include "reports/engine/salon_header.h"
#include "reports/prepared_table.h"
#include "reports/registered_employee.h"

namespace reports {

namespace {

constexpr double kLine = kLineHeightMm;
constexpr double kFuncionario = 24, kDescricao = 88;
const TextStyle kFixed{.sizing = Sizing::Fixed};

Report advancesReport(data::Tdm& dm, const AdvancesSelection& selection) {
    store::Table& paid = dm.TbBaixaP;
    Report report;
    report.name = "QrVale";
    report.mainTable = &paid;
    const double width = report.page.printableWidthMm();
    const std::string title =
        periodTitle("Relatório de VALES", selection.period.startText, selection.period.endText);
    report.pageHeader = salonHeader(report.page, dm.TbConfig, [title] { return title; },
                                    {{0, "DATA"},
                                     {kFuncionario, "FUNCIONÁRIO"},
                                     {kDescricao, "DESCRIÇÃO"},
                                     {width, "VALOR R$", Align::Right}});
    report.detail.heightMm = kLine + 0.5;
    report.detail.add(dataField({0, 0, kFuncionario - 2, kLine}, paid, "DataVen", kFixed));
    report.detail.add(
        dataField({kFuncionario, 0, kDescricao - kFuncionario - 2, kLine}, paid, "Funcionario", kFixed));
    report.detail.add(dataField({kDescricao, 0, width - kDescricao - 32, kLine}, paid, "Descricao", kFixed));
    report.detail.add(dataField({width - 30, 0, 30, kLine}, paid, "Valor",
                                {.align = Align::Right, .sizing = Sizing::Fixed}, "0.0,0"));
    Band summary;
    summary.heightMm = kLine + 4;
    summary.add(horizontalLine(0, 1, width));
    summary.add(label({width - 80, 2, 40, kLine}, "TOTAL ...R$", {.bold = true, .sizing = Sizing::Fixed}));
    const auto tables = [&dm](std::string_view name) -> store::Table& { return dm.table(name); };
    summary.add(totalField({width - 40, 2, 40, kLine}, parseTotalExpression("SUM(TbBaixaP.Valor)", tables),
                           "0.0,0", {.align = Align::Right, .bold = true, .sizing = Sizing::Fixed}));
    report.summary = std::move(summary);
    return report;
}

}  // namespace

void printAdvances(data::Tdm& dm, const AdvancesSelection& selection, const ReportOutput& output) {
    if (selection.employeeCode > 0) registeredEmployeeName(dm, selection.employeeCode);
    PreparedTable paid(dm.TbBaixaP);
    const std::string start = selection.period.start.toIso(), end = selection.period.end.toIso();
    if (selection.employeeCode > 0) {
        paid->setIndexName("siFUN");
        paid->setRange({selection.employeeCode, start}, {selection.employeeCode, end});
    } else {
        paid->setIndexName("siTipoDOC");
        paid->setRange({"VALE", start}, {"VALE", end});
    }
    output(advancesReport(dm, selection));
}

}  // namespace reports
