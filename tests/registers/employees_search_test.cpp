// The employee search screen: type-ahead by name, letters kept as typed, and the chosen
// employee current on return.
#include <gtest/gtest.h>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "registers/employee_search.h"
#include "support/data_fixture.h"
#include "support/qt_scripted_dialogs.h"

namespace {

class EmployeeSearchTest : public testsupport::DataTest {
  protected:
    void SetUp() override {
        funcionarios().open();
        for (const auto& [code, nome] :
             {std::pair{2, "Mariana"}, {3, "Bruno"}, {4, "Marcos"}, {5, "Zilda"}}) {
            funcionarios().insert();
            funcionarios().field("Codigo").setInteger(code);
            funcionarios().field("Nome").setString(nome);
            funcionarios().post();
        }
        funcionarios().first();
    }
    store::Table& funcionarios() { return dm.TbFuncionario; }
    std::string current() { return funcionarios().field("Nome").asString(); }

    testsupport::ScriptedDialogs dialogs;
};

TEST_F(EmployeeSearchTest, TypingPositionsByNameKeepingTheLettersAsTyped) {
    registers::TFmConsFunc screen(dm);
    EXPECT_EQ(screen.windowTitle(), QStringLiteral("Consulta de Funcionários."));
    EXPECT_EQ(screen.radio()->text(), QStringLiteral("Pelo Nome:"));
    EXPECT_EQ(funcionarios().indexName(), "siNome");
    EXPECT_EQ(screen.grid()->model()->columnCount(), 2);

    struct Case {
        const char* typed;
        std::string expected;
    };
    for (const Case& c :
         {Case{"mar", "Marcos"}, Case{"mari", "Mariana"}, Case{"b", "Bruno"}, Case{"y", "Zilda"}}) {
        SCOPED_TRACE(c.typed);
        screen.searchEdit()->clear();
        QTest::keyClicks(screen.searchEdit(), c.typed);
        EXPECT_EQ(screen.searchEdit()->text(), QString::fromLatin1(c.typed));
        EXPECT_EQ(current(), c.expected);
        EXPECT_EQ(screen.grid()->currentIndex().siblingAtColumn(1).data().toString(),
                  QString::fromStdString(c.expected));
    }
}

TEST_F(EmployeeSearchTest, ClosingLeavesTheChosenEmployeeCurrentOnThePrimaryIndex) {
    dialogs.expectScreen(QStringLiteral("TFmConsFunc"), [](QDialog& screen) {
        auto& search = static_cast<registers::TFmConsFunc&>(screen);
        QTest::keyClicks(search.searchEdit(), "ZI");
        search.closeButton()->click();
        return search.result();
    });
    registers::showConsFunc(dm);
    EXPECT_EQ(current(), "Zilda");
    EXPECT_EQ(funcionarios().field("Codigo").asInteger(), 5);
    EXPECT_EQ(funcionarios().indexName(), "");
    EXPECT_TRUE(funcionarios().isOpen());
}

}  // namespace
