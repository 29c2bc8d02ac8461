// "Contas Recebidas.": the period asked for, then the settled receivables of that period
// with their total and the payment-form figures of exactly those rows.
#include <gtest/gtest.h>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "data/rows.h"
#include "reports/engine/generator.h"
#include "reports/page_text.h"
#include "sales/received_accounts_screen.h"
#include "support/data_fixture.h"
#include "support/qt_scripted_dialogs.h"

namespace {

using Lines = std::vector<std::string>;

class ReceivedAccountsScreenTest : public testsupport::DataTest {
  protected:
    void SetUp() override {
        dm.TbBaixaR.open();
        for (const auto& [day, client, form, value] : {std::tuple{"2024-03-04", "HELENA", "DINHEIRO", 80.0},
                                                       std::tuple{"2024-03-09", "BEATRIZ", "NOTINHA", 40.0},
                                                       std::tuple{"2024-03-30", "CAMILA", "CRÉDITO", 10.0},
                                                       std::tuple{"2024-04-02", "CAMILA", "CHEQUE", 99.0}})
            data::addRow(dm.TbBaixaR,
                         {{"DataVen", day}, {"Cliente", client}, {"Vendedor", form}, {"Valor", value}});
        dm.TbBaixaR.close();
        screen.show();
        QApplication::setActiveWindow(&screen);
    }
    void typeDates(const char* start, const char* end) {
        for (const auto& [name, text] : {std::pair{"MaskEdit1", start}, {"MaskEdit2", end}}) {
            auto* box = screen.findChild<QLineEdit*>(QString::fromLatin1(name));
            box->setFocus();
            box->selectAll();
            QTest::keyClick(box, Qt::Key_Backspace);
            QTest::keyClicks(box, text);
        }
    }
    QPushButton* imprimir() { return screen.findChild<QPushButton*>(QStringLiteral("BitBtn1")); }

    testsupport::ScriptedDialogs dialogs;
    Lines printed;
    bool held = false;
    sales::TConsBaixaReceber screen{dm, [this](const reports::Report& report) {
                                        held = !imprimir()->isEnabled();
                                        printed = reportstest::allLines(reports::generate(report, {}));
                                    }};
};

TEST_F(ReceivedAccountsScreenTest, PrintsThePeriodsRowsWithTheFiguresOfThoseRows) {
    typeDates("010324", "310324");
    imprimir()->click();
    ASSERT_FALSE(printed.empty());
    EXPECT_TRUE(held);
    EXPECT_TRUE(imprimir()->isEnabled());
    EXPECT_EQ(reportstest::linesStartingWith(
                  printed, "Relatório de Contas a Recebidas - Período de: 01/03/24 a 31/03/24")
                  .size(),
              1u);
    EXPECT_TRUE(reportstest::linesStartingWith(printed, "02/04/2024").empty());
    EXPECT_EQ(Lines(printed.end() - 4, printed.end()),
              (Lines{"TOTAL...R$ | 130,00", "RESUMO: | DINHEIRO R$ | 80,00 | CARTÃO CRED. R$ | 0,00",
                     "CHEQUE R$ | 0,00 | CARTÃO DÉB. R$ | 0,00", "NOTINHA R$ | 40,00 | OUTROS R$ | 10,00"}));
    EXPECT_FALSE(dm.TbBaixaR.isOpen());
}

TEST_F(ReceivedAccountsScreenTest, ADateMissingOrWrongIsToldAndTheButtonStaysUsable) {
    for (const auto& [start, end] : {std::pair{"", "310324"}, std::pair{"310224", "310324"}}) {
        SCOPED_TRACE(start);
        dialogs.messages.clear();
        dialogs.errors.clear();
        typeDates(start, end);
        imprimir()->click();
        EXPECT_EQ(dialogs.messages.size() + dialogs.errors.size(), 1);
        EXPECT_TRUE(printed.empty());
        EXPECT_TRUE(imprimir()->isEnabled());
        EXPECT_EQ(QApplication::focusWidget(), screen.findChild<QLineEdit*>(QStringLiteral("MaskEdit1")));
    }
}

}  // namespace
