// The advances report and its selection screen: the advances of the period, of all or of
// one employee, with their total; the dates and the employee asked for first.
#include <gtest/gtest.h>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "advances/advance_posting.h"
#include "advances/advances_report_screen.h"
#include "data/rows.h"
#include "reports/engine/generator.h"
#include "reports/page_text.h"
#include "support/data_fixture.h"
#include "support/qt_scripted_dialogs.h"

namespace {

using core::Currency;

class AdvancesReportTest : public testsupport::DataTest {
  protected:
    void SetUp() override {
        dm.TbFuncionario.open();
        for (const auto& [code, name] : {std::pair{1, "ANA"}, {2, "BRUNO"}, {3, "CARLA"}})
            data::addRow(dm.TbFuncionario, {{"Codigo", std::int64_t{code + 10}}, {"Nome", name}});
        advance(12, 20, {2024, 3, 10});
        advance(13, 15, {2024, 3, 15});
        advance(11, 50, {2024, 4, 1});  // after the period
        screen.show();
        QApplication::setActiveWindow(&screen);
    }
    void advance(std::int64_t employee, int reais, core::Date day) {
        advances::saveAdvance(
            dm, {advances::startAdvance(dm, day), employee, Currency::fromReais(reais), "VALE"}, day);
    }
    void typeDates(const char* start, const char* end) {
        for (const auto& [name, text] : {std::pair{"MaskEdit1", start}, {"MaskEdit2", end}}) {
            auto* box = screen.findChild<QLineEdit*>(QString::fromLatin1(name));
            box->setFocus();
            box->selectAll();
            QTest::keyClicks(box, text);
        }
    }
    QPushButton* imprimir() { return screen.findChild<QPushButton*>(QStringLiteral("BitBtn1")); }

    testsupport::ScriptedDialogs dialogs;
    std::vector<std::string> printed;
    advances::TFmDataVale screen{dm, [this](const reports::Report& report) {
                                     printed = reportstest::allLines(reports::generate(report, {}));
                                 }};
};

TEST_F(AdvancesReportTest, GeralListsThePeriodsAdvancesAndIndividualOneEmployees) {
    typeDates("010324", "310324");
    imprimir()->click();
    ASSERT_FALSE(printed.empty());
    EXPECT_EQ(reportstest::linesStartingWith(printed, "Relatório de VALES - Período de: 01/03/24 a 31/03/24")
                  .size(),
              1u);
    EXPECT_EQ(reportstest::linesStartingWith(printed, "10/03/2024 | BRUNO | VALE | 20,00").size(), 1u);
    EXPECT_EQ(reportstest::linesStartingWith(printed, "15/03/2024 | CARLA | VALE | 15,00").size(), 1u);
    EXPECT_EQ(printed.back(), "TOTAL ...R$ | 35,00");
    EXPECT_FALSE(dm.TbBaixaP.isOpen());  // put back

    screen.findChild<QRadioButton*>(QStringLiteral("RadioButton2"))->click();
    imprimir()->click();
    EXPECT_EQ(dialogs.messages.back(), QStringLiteral("Selecione o Funcionário Para o Relatório!"));
    auto* code = screen.findChild<QLineEdit*>(QStringLiteral("Edit1"));
    EXPECT_EQ(QApplication::focusWidget(), code);
    QTest::keyClicks(code, "12");
    QTest::keyClick(code, Qt::Key_Return);  // "Funcionário:" looks the code up
    EXPECT_EQ(screen.findChild<QLineEdit*>(QStringLiteral("Edit2"))->text(), QStringLiteral("BRUNO"));
    imprimir()->click();
    EXPECT_EQ(reportstest::linesStartingWith(printed, "10/03/2024 | BRUNO").size(), 1u);
    EXPECT_TRUE(reportstest::linesStartingWith(printed, "15/03/2024").empty());
    EXPECT_EQ(printed.back(), "TOTAL ...R$ | 20,00");
}

TEST_F(AdvancesReportTest, MissingOrImpossibleDatesAreAskedForAgain) {
    typeDates("", "310324");
    imprimir()->click();
    EXPECT_EQ(dialogs.messages.back(), QStringLiteral("Digite as Datas Inicial e Final!"));
    EXPECT_EQ(QApplication::focusWidget(), screen.findChild<QLineEdit*>(QStringLiteral("MaskEdit1")));
    typeDates("310224", "310324");
    imprimir()->click();
    EXPECT_EQ(dialogs.errors.back(), QStringLiteral("'31/02/24' não é uma data válida!"));
    EXPECT_EQ(QApplication::focusWidget(), screen.findChild<QLineEdit*>(QStringLiteral("MaskEdit1")));
    EXPECT_TRUE(printed.empty());
}

}  // namespace
