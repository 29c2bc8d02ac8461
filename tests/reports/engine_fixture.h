#pragma once
// A data module with the work table TbVirtual open and empty, and a small period report
// over it: a title with the period and page number, one line per employee with the
// commission and its running total, and a summary total.
#include <string>

#include "data/rows.h"
#include "reports/engine/generator.h"
#include "reports/engine/items.h"
#include "reports/engine/report.h"
#include "reports/engine/salon_header.h"
#include "support/data_fixture.h"

namespace reportstest {

class EngineTest : public testsupport::DataTest {
  protected:
    void SetUp() override {
        dm.openWorkTable(dm.TbVirtual);
        dm.TbVirtual.emptyTable();
    }

    void addEmployee(std::int64_t codigo, const std::string& name, double com, double total = 0) {
        data::addRow(dm.TbVirtual,
                     {{"Codigo", codigo}, {"Funcionario", name}, {"COM", com}, {"Total", total}});
    }

    reports::TotalExpression expression(const std::string& text) {
        return reports::parseTotalExpression(
            text, [this](std::string_view name) -> store::Table& { return dm.table(name); });
    }

    reports::Report periodReport() {
        using namespace reports;
        Report report;
        report.name = "QrComissoes";
        report.mainTable = &dm.TbVirtual;
        Band header;
        header.heightMm = 10;
        header.add(computedLabel({0, 0, 170, 4.5},
                                 [] { return periodTitle("Relatório de Comissões", "01/03/24", "31/03/24"); },
                                 {.sizing = Sizing::Fixed}));
        header.add(systemData({180, 0, 20, 4.5}, SystemData::PageNumber, {.align = Align::Right}));
        header.add(label({0, 5, 40, 4.5}, "FUNCIONÁRIO", {.bold = true}));
        header.add(label({160, 5, 40, 4.5}, "COMISSÃO", {.align = Align::Right, .bold = true}));
        report.pageHeader = header;
        report.detail.heightMm = 5;
        report.detail.add(dataField({0, 0, 60, 4.5}, dm.TbVirtual, "Funcionario", {.sizing = Sizing::Fixed}));
        report.detail.add(totalField({100, 0, 45, 4.5}, expression("SUM(TbVirtual.COM)"), "0.0,0",
                                     {.align = Align::Right, .sizing = Sizing::Fixed}));
        report.detail.add(dataField({150, 0, 50, 4.5}, dm.TbVirtual, "COM",
                                    {.align = Align::Right, .sizing = Sizing::Fixed}, "0.0,0"));
        Band summary;
        summary.heightMm = 8;
        summary.add(horizontalLine(0, 1, 200));
        summary.add(label({100, 2, 40, 4.5}, "TOTAL...R$", {.bold = true}));
        summary.add(totalField({150, 2, 50, 4.5}, expression("SUM(TbVirtual.COM)"), "0.0,0",
                               {.align = Align::Right, .bold = true}));
        report.summary = summary;
        return report;
    }

    reports::GenerateOptions options{.today = {2024, 3, 8}, .now = {9, 30, 0}};
};

}  // namespace reportstest
