// A report laid out as a sheet from its bands: title, the captions over the detail's columns,
// a row per detail line with the values behind the texts, and the totals under their columns.
#include <gtest/gtest.h>

#include "engine_fixture.h"
#include "reports/engine/report_sheet.h"

namespace {

using namespace reports;
using reportstest::EngineTest;

class ReportSheetTest : public EngineTest {};

std::vector<std::string> textsOf(const std::vector<SheetCell>& row) {
    std::vector<std::string> texts;
    for (const SheetCell& cell : row) texts.push_back(cell.text);
    return texts;
}

TEST_F(ReportSheetTest, TitleCaptionsDetailRowsAndTheTotalUnderItsColumn) {
    // Seventy lines take two pages: the headings still count once.
    for (int i = 1; i <= 70; ++i) addEmployee(i, "F" + std::to_string(i), 1.5);
    const ReportSheet sheet = sheetOf(periodReport(), options);

    // The page number is no part of a spreadsheet's title.
    EXPECT_EQ(sheet.titleLines,
              std::vector<std::string>{"Relatório de Comissões - Período de: 01/03/24 a 31/03/24"});
    // COMISSÃO heads the column its right edge lines up with; the running total has no caption.
    EXPECT_EQ(sheet.header, (std::vector<std::string>{"FUNCIONÁRIO", "", "COMISSÃO"}));
    ASSERT_EQ(sheet.detailRows, 70u);
    ASSERT_EQ(sheet.rows.size(), 71u);
    EXPECT_EQ(textsOf(sheet.rows[1]), (std::vector<std::string>{"F2", "3,00", "1,50"}));
    EXPECT_TRUE(std::holds_alternative<std::monostate>(sheet.rows[1][0].value));
    EXPECT_EQ(sheet.rows[1][1].value, PrintedText::Value(core::Currency::parse("3,00").value()));
    EXPECT_EQ(sheet.rows[1][2].value, PrintedText::Value(core::Currency::parse("1,50").value()));
    EXPECT_EQ(textsOf(sheet.rows.back()), (std::vector<std::string>{"", "TOTAL...R$", "105,00"}));
    EXPECT_EQ(sheet.rows.back()[2].value, PrintedText::Value(core::Currency::fromReais(105)));
}

TEST_F(ReportSheetTest, WithoutACaptionStripColumnsTakeTheCaptionBeforeThemOnTheLine) {
    addEmployee(1, "ANA", 10);
    Report report;
    report.mainTable = &dm.TbVirtual;
    report.title = Band{.heightMm = 5};
    report.title->add(label({0, 0, 100, 4.5}, "LISTAGEM"));
    report.detail.heightMm = 10;
    report.detail.add(label({0, 0, 20, 4.5}, "Nome.......:"));
    report.detail.add(dataField({22, 0, 60, 4.5}, dm.TbVirtual, "Funcionario"));
    report.detail.add(label({0, 5, 20, 4.5}, "Código:"));
    report.detail.add(dataField({22, 5, 20, 4.5}, dm.TbVirtual, "Codigo"));
    const ReportSheet sheet = sheetOf(report, options);
    EXPECT_EQ(sheet.titleLines, std::vector<std::string>{"LISTAGEM"});
    EXPECT_EQ(sheet.header, (std::vector<std::string>{"Nome", "Código"}));
    ASSERT_EQ(sheet.rows.size(), 1u);
    EXPECT_EQ(textsOf(sheet.rows[0]), (std::vector<std::string>{"ANA", "1"}));
    EXPECT_EQ(sheet.rows[0][1].value, PrintedText::Value(1.0));
}

}  // namespace
