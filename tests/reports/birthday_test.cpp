// Birthday lists: today's and one month's, from the screen, after the login and in order.
#include <gtest/gtest.h>
#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>

#include "data/rows.h"
#include "demo_fixture.h"
#include "page_text.h"
#include "reports/birthday_reports.h"
#include "reports/birthday_screen.h"
#include "support/qt_scripted_dialogs.h"

namespace {

using reportstest::allLines;
using reportstest::linesStartingWith;
using Lines = std::vector<std::string>;

class BirthdayTest : public reportstest::SalonTest {
  protected:
    BirthdayTest() : SalonTest(false) {
        dm.TbCliente.open();
        std::int64_t codigo = 1;
        for (const auto& [nome, aniversario, dia, mes] :
             {std::tuple{"ZULEICA", "8/3", 8, 3}, std::tuple{"BRUNA", "8/3", 8, 3},
              std::tuple{"COM ZEROS", "08/03", 8, 3}, std::tuple{"MARÇO SEM DATA", "", 0, 3},
              std::tuple{"DIA 18", "18/3", 18, 3}, std::tuple{"FEV 20", "20/2", 20, 2},
              std::tuple{"FEV 3", "3/2", 3, 2}, std::tuple{"FEV 15", "15/2", 15, 2},
              std::tuple{"ANO NOVO", "1/1", 1, 1}, std::tuple{"ANO NOVO COM ZEROS", "01/01", 1, 1}})
            data::addRow(dm.TbCliente, {{"Codigo", codigo++},
                                        {"Nome", nome},
                                        {"Aniversario", aniversario},
                                        {"Dia", std::int64_t{dia}},
                                        {"Mes", std::int64_t{mes}},
                                        {"Celular", "(31) 9999-000" + std::to_string(codigo)}});
        dm.TbCliente.close();
    }

    Lines names() {
        Lines result;
        for (const auto& line : linesStartingWith(allLines(model), "Nome: | ")) result.push_back(line);
        return result;
    }

    void expectTableRestored() {
        EXPECT_FALSE(dm.TbCliente.isOpen());
        EXPECT_EQ(dm.TbCliente.indexName(), "");
        dm.TbCliente.open();
        EXPECT_EQ(dm.TbCliente.recordCount(), 10);
        dm.TbCliente.close();
    }
};

TEST_F(BirthdayTest, DayListHoldsExactlyTodaysKey) {
    reports::printBirthdaysOfDay(dm, {2024, 3, 8},
                                 keep([&] { EXPECT_EQ(dm.TbCliente.indexName(), "siAniversario"); }));
    const Lines lines = allLines(model);
    EXPECT_EQ(lines[3], "RELAÇÃO DE ANIVERSARIANTE DO DIA");
    EXPECT_EQ(names(), (Lines{"Nome: | ZULEICA | Data: | 8/3", "Nome: | BRUNA | Data: | 8/3"}));
    EXPECT_EQ(linesStartingWith(lines, "Fone..: ").front(),
              "Fone..: | Celular: | (31) 9999-0002 | E-mail..:");
    expectTableRestored();
}

TEST_F(BirthdayTest, DayListWithNobodyBornTodayPrintsHeaderAndOneEmptyLine) {
    reports::printBirthdaysOfDay(dm, {2024, 7, 9}, keep());
    ASSERT_EQ(model.pages.size(), 1u);
    EXPECT_EQ(allLines(model),
              (Lines{"Pág.: | 1", "Salão de Beleza", "Data Emissão: | 08/03/2024",
                     "RELAÇÃO DE ANIVERSARIANTE DO DIA", "Nome: | Data:", "Fone..: | Celular: | E-mail..:"}));
    expectTableRestored();
}

TEST_F(BirthdayTest, MonthListKeepsTheMonthAndOrdersByDay) {
    reports::printBirthdaysOfMonth(dm, 2, "Fevereiro",
                                   keep([&] { EXPECT_EQ(dm.TbCliente.indexName(), "siDia"); }));
    EXPECT_EQ(allLines(model)[3], "RELAÇÃO DE ANIVERSARIANTE MÊS: Fevereiro");
    EXPECT_EQ(names(), (Lines{"Nome: | FEV 3 | Data: | 3/2", "Nome: | FEV 15 | Data: | 15/2",
                              "Nome: | FEV 20 | Data: | 20/2"}));
    expectTableRestored();

    reports::printBirthdaysOfMonth(dm, 3, "Março", keep());
    EXPECT_EQ(names(), (Lines{"Nome: | MARÇO SEM DATA | Data:", "Nome: | ZULEICA | Data: | 8/3",
                              "Nome: | BRUNA | Data: | 8/3", "Nome: | COM ZEROS | Data: | 08/03",
                              "Nome: | DIA 18 | Data: | 18/3"}));
    expectTableRestored();
}

// Whether the list opens at all is the login's rule; the report prints what it selected.
TEST_F(BirthdayTest, LoginListPrintsTheClientsTheLoginSelected) {
    dm.TbCliente.open();
    dm.TbCliente.setIndexName("siAniversario");
    dm.TbCliente.setRange({std::string("1/1")}, {std::string("1/1")});
    reports::printSelectedBirthdays(dm, keep());
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(allLines(model)[3], reports::kBirthdaysOfDayTitle);
    EXPECT_EQ(names(), (Lines{"Nome: | ANO NOVO | Data: | 1/1"}));
    EXPECT_TRUE(dm.TbCliente.isOpen());  // left for the login to put back
    EXPECT_EQ(dm.TbCliente.recordCount(), 1);
}

class BirthdayScreenTest : public BirthdayTest {
  protected:
    void print(const QString& monthText) {
        screen.findChild<QRadioButton*>("RadioButton2")->click();
        screen.findChild<QComboBox*>("ComboBox1")->setEditText(monthText);
        screen.findChild<QPushButton*>("BitBtn1")->click();
    }

    testsupport::ScriptedDialogs dialogs;
    reports::TFmAniversario screen{dm, keep()};
};

TEST_F(BirthdayScreenTest, OpensOnTodaysListWithAnEmptyMonthBox) {
    EXPECT_EQ(screen.windowTitle(), "::.. Listagem de Aniversariantes");
    auto* combo = screen.findChild<QComboBox*>("ComboBox1");
    EXPECT_EQ(combo->currentText(), "");
    ASSERT_EQ(combo->count(), 12);
    EXPECT_EQ(combo->itemText(2), "Março");
    EXPECT_TRUE(screen.findChild<QRadioButton*>("RadioButton1")->isChecked());
    EXPECT_EQ(screen.findChild<QRadioButton*>("RadioButton1")->text(), "Do Dia...");
    EXPECT_EQ(screen.findChild<QRadioButton*>("RadioButton2")->text(), "Aniversariante: do Mês...:");
    EXPECT_EQ(screen.findChild<QPushButton*>("BitBtn1")->text(), "&Imprimir");
    EXPECT_EQ(screen.findChild<QPushButton*>("BitBtn3")->text(), "&Fechar");

    screen.findChild<QPushButton*>("BitBtn1")->click();
    EXPECT_EQ(allLines(model)[3], "RELAÇÃO DE ANIVERSARIANTE DO DIA");
}

TEST_F(BirthdayScreenTest, MonthTextThatIsNoMonthKeepsThePreviousNumber) {
    print("Fevereirx");  // nothing chosen before: month 0, which no client has
    EXPECT_EQ(names(), Lines{"Nome: | Data:"});
    print("Fevereiro");
    EXPECT_EQ(names().size(), 3u);
    print("fevereiro");  // not the exact name: still February's clients, the text as typed
    EXPECT_EQ(allLines(model)[3], "RELAÇÃO DE ANIVERSARIANTE MÊS: fevereiro");
    EXPECT_EQ(names().size(), 3u);
    EXPECT_EQ(shown, 3);
    EXPECT_TRUE(dialogs.errors.isEmpty());
    expectTableRestored();
}

TEST(MonthNumberTest, OnlyExactMonthNames) {
    EXPECT_EQ(reports::monthNumber("Janeiro"), 1);
    EXPECT_EQ(reports::monthNumber("Março"), 3);
    EXPECT_EQ(reports::monthNumber("Dezembro"), 12);
    EXPECT_EQ(reports::monthNumber("Marco"), std::nullopt);
    EXPECT_EQ(reports::monthNumber("MARÇO"), std::nullopt);
    EXPECT_EQ(reports::monthNumber(""), std::nullopt);
}

}  // namespace
