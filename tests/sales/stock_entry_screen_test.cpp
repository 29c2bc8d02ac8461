// The stock entry screen used as a clerk would: lines typed with Enter, totalled, saved,
// altered, a line removed, deleted; the button states of each step, a code changed after
// its look-up, closing while editing, area 14.2 guarding "&Alterar" and "&Excluir", and an
// entry found and printed with "&Consultar".
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "data/rows.h"
#include "reports/engine/generator.h"
#include "reports/page_text.h"
#include "sales/stock_entry.h"
#include "sales/stock_entry_screen.h"
#include "support/qt_typing.h"
#include "support/data_fixture.h"
#include "support/qt_scripted_dialogs.h"
#include "ui/date_box.h"
#include "ui/db_grid.h"

namespace {

using testsupport::enter;

QString focused() {
    QWidget* widget = QApplication::focusWidget();
    return widget ? widget->objectName() : QString();
}

class StockEntryScreenTest : public testsupport::DataTest {
  protected:
    StockEntryScreenTest() {
        dm.TbProdutos.open();
        data::addRow(
            dm.TbProdutos,
            {{"Codigo", std::int64_t{11}}, {"Descricao", "SHAMPOO"}, {"Tipo", "PRODUTO"}, {"Estoque", 4.0}});
        data::addRow(dm.TbProdutos, {{"Codigo", std::int64_t{12}},
                                     {"Descricao", "CONDICIONADOR"},
                                     {"Tipo", "PRODUTO"},
                                     {"Estoque", 1.0}});
        dm.TbProdutos.close();
        screen = std::make_unique<sales::TFmEntrada>(dm, nullptr, [this](const reports::Report& report) {
            printed = reportstest::allLines(reports::generate(report, {.today = core::Date::today()}));
        });
        screen->show();
        QApplication::setActiveWindow(screen.get());
    }

    QLineEdit* box(const char* name) { return screen->findChild<QLineEdit*>(QString::fromLatin1(name)); }
    void click(const char* name) {
        auto* b = screen->findChild<QPushButton*>(QString::fromLatin1(name));
        ASSERT_NE(b, nullptr) << name;
        ASSERT_TRUE(b->isEnabled()) << name;
        b->click();
    }
    // From the product "Código:": code, cost and quantity, Enter adding the line.
    void typeLine(const char* code, const char* cost, const char* quantity) {
        ASSERT_EQ(focused(), QStringLiteral("Codigo"));
        enter(QString::fromLatin1(code));
        ASSERT_EQ(focused(), QStringLiteral("Custo")) << dialogs.messages.join('|').toStdString();
        enter(QString::fromLatin1(cost));
        enter(QString::fromLatin1(quantity));
    }
    // From "Dt. Entrada:" to the product "Código:", with no supplier.
    void typeHeader() {
        ASSERT_EQ(focused(), QStringLiteral("Data"));
        QTest::keyClick(box("Data"), Qt::Key_Return);
        enter(QStringLiteral("NF 77"));
        enter(QString());
        enter(QString());
    }
    // "Novo Gravar Excluir Cancelar ExcluiItem Totalizar Produtos Alterar", 1 for enabled.
    QString buttons() {
        QString states;
        for (const char* name : {"BtNovo", "BtGravar", "BtExcluir", "BtCancelar", "BtExcluiItem",
                                 "BtTotalizar", "BtProdutos", "BtAlterar"})
            states += screen->findChild<QPushButton*>(QString::fromLatin1(name))->isEnabled() ? '1' : '0';
        return states;
    }
    double stock(std::int64_t code) {
        testsupport::RecordingMessages quiet;
        data::Tdm fresh(dataDir(), quiet);
        fresh.TbProdutos.open();
        return fresh.TbProdutos.findKey({code}) ? fresh.TbProdutos.field("Estoque").asFloat() : -999;
    }
    // The entry, saved: 3 × 2,50 and 2 × 2,00 of SHAMPOO.
    void saveTwoLines() {
        click("BtNovo");
        typeHeader();
        typeLine("11", "2,50", "3");
        typeLine("11", "2,00", "2");
        click("BtTotalizar");
        EXPECT_EQ(box("Total")->text(), QStringLiteral("11,50"));
        dialogs.answer(true);
        click("BtGravar");
    }

    testsupport::ScriptedDialogs dialogs;
    std::vector<std::string> printed;
    std::unique_ptr<sales::TFmEntrada> screen;
};

TEST_F(StockEntryScreenTest, AnEntryTypedSavedAlteredAndDeletedMovesTheStockStepByStep) {
    EXPECT_EQ(buttons(), QStringLiteral("10100001"));
    saveTwoLines();
    EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join('|').toStdString();
    EXPECT_EQ(dialogs.questions, QStringList{QStringLiteral("Gravar a Entrada?")});
    EXPECT_EQ(buttons(), QStringLiteral("10100001"));
    EXPECT_EQ(stock(11), 9);

    dialogs.answer(true);
    click("BtAlterar");
    EXPECT_EQ(buttons(), QStringLiteral("01001110"));
    EXPECT_EQ(stock(11), 4);
    dm.TbItemEntrada.last();  // the 2-unit line, selected in the grid
    dialogs.answer(true);
    click("BtExcluiItem");
    click("BtTotalizar");
    EXPECT_EQ(box("Total")->text(), QStringLiteral("7,50"));
    dialogs.answer(true);
    click("BtGravar");
    EXPECT_EQ(stock(11), 7);

    dialogs.answer(true);
    click("BtExcluir");
    EXPECT_EQ(buttons(), QStringLiteral("10100001"));
    EXPECT_EQ(stock(11), 4);
    dialogs.messages.clear();
    click("BtExcluir");  // nothing at hand any more
    EXPECT_EQ(dialogs.messages, QStringList{QStringLiteral("Seleciona a Entrada Para Exclusão!")});
}

// Quantity and cost are read alike: a thousand typed as "1.000" is a thousand in both.
TEST_F(StockEntryScreenTest, TheQuantityReadsBrazilianNumbersAsTheCostDoes) {
    click("BtNovo");
    typeHeader();
    typeLine("11", "1.000", "1.000");
    typeLine("12", "2,50", "1,5");
    dm.TbItemEntrada.first();
    EXPECT_EQ(dm.TbItemEntrada.field("Quant").asFloat(), 1000.0);
    EXPECT_EQ(dm.TbItemEntrada.field("Custo").asCurrency(), core::Currency::fromReais(1000));
    dm.TbItemEntrada.last();
    EXPECT_EQ(dm.TbItemEntrada.field("Quant").asFloat(), 1.5);
    click("BtTotalizar");
    EXPECT_EQ(box("Total")->text(), QStringLiteral("1.000.003,75"));
}

TEST_F(StockEntryScreenTest, ACodeChangedAfterItsLookUpNamesNoProductAndTheLineIsRefused) {
    click("BtNovo");
    EXPECT_EQ(buttons(), QStringLiteral("01011110"));
    typeHeader();
    enter(QStringLiteral("11"));
    ASSERT_EQ(box("Produto")->text(), QStringLiteral("SHAMPOO"));
    box("Codigo")->setFocus();
    QTest::keyClicks(box("Codigo"), QStringLiteral("2"));  // now 112, never looked up
    EXPECT_TRUE(box("Produto")->text().isEmpty());
    box("Custo")->setFocus(Qt::MouseFocusReason);
    enter(QStringLiteral("2,00"));
    enter(QStringLiteral("1"));
    EXPECT_EQ(dialogs.messages, QStringList{QStringLiteral("Selecione o Produto da Entrada!")});
    EXPECT_EQ(focused(), QStringLiteral("Codigo"));

    dialogs.messages.clear();
    click("BtConsultar");
    screen->close();  // both refused while editing
    const QString inEdit = QStringLiteral("Registro em Edição. Grave ou Cancele a Entrada!");
    EXPECT_EQ(dialogs.messages, (QStringList{inEdit, inEdit}));
    EXPECT_TRUE(screen->isVisible());
    dialogs.answer(true);
    click("BtCancelar");
    EXPECT_EQ(buttons(), QStringLiteral("10100000"));
    EXPECT_EQ(stock(11), 4);
    EXPECT_EQ(stock(112), -999);
}

TEST_F(StockEntryScreenTest, AlteringAndDeletingAskForTheirArea) {
    saveTwoLines();
    ASSERT_EQ(stock(11), 9);
    dm.TbAcesso.open();
    ASSERT_TRUE(dm.TbAcesso.findKey({14.2}));
    dm.TbAcesso.edit();
    dm.TbAcesso.field("Status").setString("X");
    dm.TbAcesso.post();
    for (const char* action : {"BtAlterar", "BtExcluir"}) {
        bool asked = false;
        dialogs.expectScreen("TFmAutorizacao", [&asked](QDialog&) {
            asked = true;
            return QDialog::Rejected;  // the authorization cancelled
        });
        click(action);
        EXPECT_TRUE(asked) << action;
        EXPECT_EQ(stock(11), 9) << action;
    }
    EXPECT_EQ(buttons(), QStringLiteral("10100001"));
}

TEST_F(StockEntryScreenTest, AnEntryFoundByItsDatesIsPrintedAndBecomesTheEntryToDelete) {
    saveTwoLines();
    ASSERT_EQ(stock(11), 9);
    screen->findChild<QLineEdit*>(QStringLiteral("Nota"))->clear();
    const core::Date today = core::Date::today();
    int found = -1;
    dialogs.expectScreen("TFmConsEntrada", [&](QDialog& query) {
        auto* imprimir = query.findChild<QPushButton*>(QStringLiteral("BtImprimir"));
        EXPECT_FALSE(imprimir->isEnabled());
        auto* search = query.findChild<QPushButton*>(QStringLiteral("BtPesquisarDatas"));
        search->click();  // no dates yet
        query.findChild<ui::DateBox*>(QStringLiteral("DataInicial"))->setDate(today.addDays(1));
        query.findChild<ui::DateBox*>(QStringLiteral("DataFinal"))->setDate(today.addDays(2));
        search->click();
        EXPECT_EQ(query.findChild<ui::DbGrid*>(QStringLiteral("DBGrid1"))->model()->rowCount(), 0);
        query.findChild<ui::DateBox*>(QStringLiteral("DataInicial"))->setDate(today);
        search->click();
        found = query.findChild<ui::DbGrid*>(QStringLiteral("DBGrid1"))->model()->rowCount();
        imprimir->click();
        return QDialog::Accepted;
    });
    click("BtConsultar");
    EXPECT_EQ(dialogs.messages, QStringList{QStringLiteral("Digite as datas inicial e final!")});
    EXPECT_EQ(found, 1);
    ASSERT_FALSE(printed.empty());
    EXPECT_EQ(printed.back(), "TOTAL...R$ | 11,50");
    EXPECT_EQ(box("Nota")->text(), QStringLiteral("NF 77"));  // the header found, shown again
    EXPECT_EQ(box("Total")->text(), QStringLiteral("11,50"));

    dialogs.answer(true);
    click("BtExcluir");
    EXPECT_EQ(stock(11), 4);
}

TEST_F(StockEntryScreenTest, TheSearchBySupplierFindsTheEntriesOfTheSupplierChosenInTheList) {
    dm.TbFornec.open();
    data::addRow(dm.TbFornec, {{"Codigo", std::int64_t{5}}, {"NomeFantasia", "ALFA"}});
    data::addRow(dm.TbFornec, {{"Codigo", std::int64_t{6}}, {"NomeFantasia", "BETA"}});
    const core::Date today = core::Date::today();
    for (const sales::EntryHeader& header :
         {sales::EntryHeader{today, "A1", 5, "ALFA"}, sales::EntryHeader{today, "B1", 6, "BETA"},
          sales::EntryHeader{today, "B2", 6, "BETA"}}) {
        const std::int64_t entry = sales::createEntry(dm, today);
        sales::addEntryLine(dm, entry, header, {11, "SHAMPOO", core::Currency::fromDouble(1), 1});
        sales::totalEntry(dm, entry);
        sales::saveEntry(dm, entry, header);
    }
    int found = -1;
    dialogs.expectScreen("TFmConsEntrada", [&](QDialog& query) {
        query.findChild<ui::DateBox*>(QStringLiteral("DataInicial"))->setDate(today);
        query.findChild<ui::DateBox*>(QStringLiteral("DataFinal"))->setDate(today);
        auto* list = query.findChild<QComboBox*>(QStringLiteral("CbFornecedor"));
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Down);  // ALFA
        QTest::keyClick(list, Qt::Key_Down);  // BETA
        query.findChild<QPushButton*>(QStringLiteral("BtPesquisarFornecedor"))->click();
        found = query.findChild<ui::DbGrid*>(QStringLiteral("DBGrid1"))->model()->rowCount();
        query.findChild<QPushButton*>(QStringLiteral("BtImprimir"))->click();
        return QDialog::Accepted;
    });
    click("BtConsultar");
    EXPECT_EQ(found, 2);
    ASSERT_FALSE(printed.empty());
    EXPECT_EQ(printed.back(), "TOTAL...R$ | 2,00");
    EXPECT_EQ(box("CodFor")->text(), QStringLiteral("6"));
}

}  // namespace
