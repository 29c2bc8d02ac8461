// The balance sheet screen as a person uses it: the dates asked for, a search that fills the
// grids and totals, "&Imprimir" held from the start of a search until one completes, and a
// stop by "Cancelar" or by closing the window.
#include <gtest/gtest.h>
#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTimer>

#include "balance_fixture.h"
#include "payables/balance_screen.h"
#include "reports/engine/generator.h"
#include "reports/page_text.h"
#include "support/qt_scripted_dialogs.h"
#include "ui/date_box.h"

namespace payablestest {
namespace {

class BalanceScreenTest : public BalanceTest {
  protected:
    void SetUp() override {
        item("2025-05-02", "CORTE", "120,00");
        item("2025-05-10", "ESCOVA", "60,00");
        item("2025-05-31", "SHAMPOO", "20,00");
        paidBill("2025-05-12", "1.1", "Aluguel", "80,00");
        paidBill("2025-05-05", "5", "Vale Para Funcionários", "30,00");
        screen.show();
        QApplication::setActiveWindow(&screen);
    }
    template <typename T>
    T* child(const char* name) {
        return screen.findChild<T*>(QString::fromLatin1(name));
    }
    QPushButton* button(const char* name) { return child<QPushButton>(name); }
    QString text(const char* label) { return child<QLabel>(label)->text(); }
    void dates(const char* start, const char* end) {
        for (auto [name, value] : {std::pair{"MaskEdit1", start}, std::pair{"MaskEdit2", end}}) {
            ui::DateBox* box = child<ui::DateBox>(name);
            box->clear();
            QTest::keyClicks(box, value);
        }
    }
    QWidget* focus() {
        QApplication::processEvents();
        return QApplication::focusWidget();
    }
    // Runs `during` once the search has begun reading, then clicks "&Pesquisar".
    void searchWhile(std::function<void()> during) {
        QTimer::singleShot(0, &screen, std::move(during));
        button("BitBtn1")->click();
    }

    testsupport::ScriptedDialogs dialogs;
    std::vector<std::string> printed;
    payables::TFmBalancete screen{dm, [this](const reports::Report& report) {
                                      printed = reportstest::allLines(reports::generate(report, {}));
                                  }};
};

TEST_F(BalanceScreenTest, AsksForEachDateMissingOrImpossible) {
    struct Case {
        const char *start, *end;
        const char* message;
        const char* focused;
    };
    const Case cases[] = {
        {"", "31/05/25", "Digite a Data Inicial a ser Pesquisada!", "MaskEdit1"},
        {"01/05/25", "", "Digite a Data Final a ser Pesquisada!", "MaskEdit2"},
        {"31/02/25", "31/05/25", "Digite a Data Inicial a ser Pesquisada!", "MaskEdit1"},
        {"01/05/25", "32/05/25", "Digite a Data Final a ser Pesquisada!", "MaskEdit2"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        dialogs.messages.clear();
        dates(c.start, c.end);
        button("BitBtn1")->click();
        EXPECT_EQ(dialogs.messages, QStringList{QString::fromUtf8(c.message)});
        EXPECT_EQ(focus(), child<QWidget>(c.focused));
        EXPECT_EQ(text("LbStatus"), QStringLiteral("Conclusão da Pesquisa..."));
        EXPECT_FALSE(button("BitBtn3")->isEnabled());
        EXPECT_TRUE(dm.TbVirtualR.isEmpty());
    }
}

TEST_F(BalanceScreenTest, ASearchShowsTheFiguresAndPrintsThem) {
    EXPECT_FALSE(button("BitBtn2")->isEnabled());
    EXPECT_FALSE(button("BitBtn3")->isEnabled());
    dates("01/05/25", "31/05/25");
    button("BitBtn1")->click();
    EXPECT_TRUE(dialogs.messages.isEmpty());
    EXPECT_EQ(text("LbStatus"), QStringLiteral("Pesquisa Concluída!"));
    EXPECT_EQ(text("LbReceitas"), QStringLiteral("Receitas R$ 200,00"));
    EXPECT_EQ(text("LbDespesas"), QStringLiteral("Despesas R$ 110,00"));
    EXPECT_EQ(text("LbSaldo"), QStringLiteral("Saldo R$ 90,00"));
    EXPECT_EQ(focus(), child<QWidget>("MaskEdit1"));
    const QAbstractItemModel* revenue = child<QTableView>("DBGrid1")->model();
    ASSERT_EQ(revenue->rowCount(), 3);
    EXPECT_EQ(revenue->index(0, 0).data().toString(), QStringLiteral("CORTE"));
    EXPECT_EQ(revenue->index(2, 0).data().toString(), QStringLiteral("SHAMPOO"));
    EXPECT_EQ(child<QTableView>("DBGrid2")->model()->rowCount(), 2);
    EXPECT_EQ(child<QProgressBar>("ProgressBar1")->value(), 3);
    EXPECT_TRUE(button("BitBtn1")->isEnabled());
    EXPECT_FALSE(button("BitBtn2")->isEnabled());
    ASSERT_TRUE(button("BitBtn3")->isEnabled());

    button("BitBtn3")->click();
    EXPECT_EQ(reportstest::linesStartingWith(printed, "BALANCETE - Período de: 01/05/25 a 31/05/25").size(),
              1u);
    EXPECT_EQ(
        reportstest::linesStartingWith(printed, "PORCENTAGEM DAS DESPESAS EM RELAÇÃO A RECEITA: | 55,00 %")
            .size(),
        1u);
}

TEST_F(BalanceScreenTest, PrintingIsHeldFromTheStartOfASearchUntilOneCompletes) {
    dates("01/05/25", "31/05/25");
    button("BitBtn1")->click();
    ASSERT_TRUE(button("BitBtn3")->isEnabled());

    // A new search from the 10th, stopped: the whole month's figures must not print under it.
    dates("10/05/25", "31/05/25");
    dialogs.answer(true);
    bool printingHeld = false, searchHeld = false;
    searchWhile([&] {
        printingHeld = !button("BitBtn3")->isEnabled();
        searchHeld = !button("BitBtn1")->isEnabled();
        button("BitBtn2")->click();
    });
    EXPECT_TRUE(printingHeld);
    EXPECT_TRUE(searchHeld);
    EXPECT_EQ(dialogs.questions, QStringList{QStringLiteral("Deseja Abortar a Pesquisa?")});
    EXPECT_EQ(text("LbStatus"), QStringLiteral("Pesquisa Cancelada!!!"));
    EXPECT_FALSE(button("BitBtn3")->isEnabled()) << "a stopped search prints nothing";
    EXPECT_TRUE(button("BitBtn1")->isEnabled());
    EXPECT_FALSE(button("BitBtn2")->isEnabled());
    EXPECT_TRUE(screen.isVisible());

    // Não: the search goes on to its end and may be printed.
    dates("01/05/25", "31/05/25");
    dialogs.questions.clear();
    dialogs.answer(false);
    searchWhile([&] { button("BitBtn2")->click(); });
    EXPECT_EQ(dialogs.questions.size(), 1);
    EXPECT_EQ(text("LbStatus"), QStringLiteral("Pesquisa Concluída!"));
    EXPECT_EQ(text("LbSaldo"), QStringLiteral("Saldo R$ 90,00"));
    EXPECT_TRUE(button("BitBtn3")->isEnabled());
}

TEST_F(BalanceScreenTest, ClosingDuringASearchStopsItFirst) {
    dates("01/05/25", "31/05/25");
    searchWhile([&] { button("BitBtn4")->click(); });
    EXPECT_FALSE(screen.isVisible());
    EXPECT_TRUE(dialogs.questions.isEmpty());
    EXPECT_FALSE(button("BitBtn3")->isEnabled());
    EXPECT_FALSE(dm.TbBaixaP.isOpen());
    EXPECT_EQ(dm.TbItensServico.indexFields().front(), "Contador");
}

}  // namespace
}  // namespace payablestest
