// The settlement panel over the open bills, and the paid-bill query that reverses, deletes
// and prints, as a person uses them: searches, refusals, and what each action writes.
#include <gtest/gtest.h>
#include <QComboBox>
#include <QGroupBox>

#include "payables/bill_screen.h"
#include "payables/open_bills_screen.h"
#include "payables/paid_bills_screen.h"
#include "payables/settlement.h"
#include "screen_fixture.h"
#include "ui/date_box.h"
#include "ui/db_grid.h"

namespace payablestest {
namespace {

using core::Date;

constexpr Date kPaidOn{2025, 5, 10};

template <typename Screen>
class QueryTest : public ScreenTest<Screen> {
  protected:
    void SetUp() override {
        this->addAccount("1234");
        ScreenTest<Screen>::SetUp();
    }
    std::int64_t openBill(const char* valor, const std::string& conta, Date due, const char* document) {
        payables::BillEntry e = this->entry(valor, conta);
        e.dataVen = due;
        e.documento = document;
        payables::saveBill(this->dm, e);
        return e.bill;
    }
    std::int64_t paidBill(const char* valor, const std::string& conta, Date paidOn, const char* document) {
        const std::int64_t bill = openBill(valor, conta, paidOn, document);
        return payables::settleBill(this->dm, {bill, "BOLETO", conta, "", paidOn}, paidOn);
    }
    int rows() { return grid()->model()->rowCount(); }
    ui::DbGrid* grid() { return this->screen.template findChild<ui::DbGrid*>(QStringLiteral("DBGrid1")); }
    void search(const char* from, const char* to) {
        this->type("MaskEdit1", from);
        this->type("MaskEdit2", to);
        this->button("BitBtn1")->click();
    }
};

using SettlementPanelTest = QueryTest<payables::TFmConsPagar>;
using PaidBillsTest = QueryTest<payables::TFmConsBaixaPagar>;

TEST_F(SettlementPanelTest, PaysTheBillChosenWithItsBankDebit) {
    openBill("100,00", "1234", kPaidOn, "NF10");
    openBill("50,00", "", {2025, 6, 20}, "NF20");
    search("  /  /  ", "310525");
    EXPECT_EQ(dialogs.messages.back(), QStringLiteral("Indique as Datas Inicial e Final"));
    EXPECT_EQ(focus(), box("MaskEdit1"));
    EXPECT_EQ(rows(), 2);  // the search refused shows what it showed
    search("010525", "310525");
    ASSERT_EQ(rows(), 1);

    button("BitBtn2")->click();
    auto* panel = screen.findChild<QGroupBox*>(QStringLiteral("Panel1"));
    EXPECT_TRUE(panel->isVisible());
    EXPECT_EQ(box("DBEdit3")->text(), QStringLiteral("100,00"));
    EXPECT_EQ(box("DBEdit2")->text(), QStringLiteral("BANCO DO SALÃO"));
    EXPECT_EQ(screen.findChild<ui::DateBox*>(QStringLiteral("MaskEdit3"))->date(), Date::today());
    EXPECT_EQ(focus(), screen.findChild<QComboBox*>(QStringLiteral("DBComboBox1")));

    box("MaskEdit3")->clear();
    button("BitBtn4")->click();
    EXPECT_EQ(dialogs.messages.back(), QStringLiteral("Indique a Data de Pagamento!"));
    EXPECT_EQ(focus(), box("MaskEdit3"));
    type("MaskEdit3", "100525");
    type("DBEdit4", "000777");
    dialogs.answer(false);
    button("BitBtn4")->click();
    EXPECT_EQ(dialogs.questions.back(), QStringLiteral("Baixar o Pagamento?"));
    EXPECT_EQ(count(dm.TbBaixaP), 0);

    dialogs.answer(true);
    button("BitBtn4")->click();
    EXPECT_FALSE(panel->isVisible());
    EXPECT_EQ(rows(), 0);  // gone from the period shown
    EXPECT_EQ(count(dm.TbPagar), 1);
    dm.TbBaixaP.open();
    dm.TbBaixaP.first();
    EXPECT_EQ(dm.TbBaixaP.field("DataBaixa").asDate(), kPaidOn);
    EXPECT_EQ(dm.TbBaixaP.field("Cheque").asString(), "000777");
    EXPECT_EQ(count(dm.TbBanco), 1);
    EXPECT_EQ(balance("1234", kPaidOn), reais("-100,00"));
}

TEST_F(SettlementPanelTest, RefusesWhatWouldPayNothingOrAnAccountThatIsNone) {
    button("BitBtn2")->click();  // no bill at all
    EXPECT_EQ(dialogs.messages.back(), QStringLiteral("Selecione o Registro a ser Baixado!"));
    auto* panel = screen.findChild<QGroupBox*>(QStringLiteral("Panel1"));
    EXPECT_FALSE(panel->isVisible());

    openBill("80,00", "", kPaidOn, "NF10");
    search("010525", "310525");
    button("BitBtn2")->click();
    type("DBEdit1", "999");
    EXPECT_EQ(box("DBEdit2")->text(), QString());
    dialogs.answer(true);
    button("BitBtn4")->click();
    EXPECT_EQ(dialogs.messages.back(), QStringLiteral("Conta Bancária Inexistente!"));
    EXPECT_EQ(focus(), box("DBEdit1"));
    EXPECT_TRUE(panel->isVisible());

    type("DBEdit1", "1234");  // typed, then cancelled: the bill keeps what it had
    EXPECT_EQ(box("DBEdit2")->text(), QStringLiteral("BANCO DO SALÃO"));
    button("BitBtn5")->click();
    EXPECT_FALSE(panel->isVisible());
    EXPECT_EQ(count(dm.TbBaixaP), 0);
    EXPECT_EQ(count(dm.TbBanco), 0);
    dm.TbPagar.first();
    EXPECT_EQ(dm.TbPagar.field("Conta").asString(), "");

    // Shown, then corrected at another station before "REGISTRAR": paid as it is now never.
    button("BitBtn2")->click();
    dm.TbPagar.edit();
    dm.TbPagar.field("Valor").setCurrency(reais("85,00"));
    dm.TbPagar.post();
    dialogs.answer(true);
    button("BitBtn4")->click();
    EXPECT_EQ(dialogs.messages.back(),
              QStringLiteral("O Lançamento Foi Alterado em Outra Estação! Pesquise Novamente."));
    EXPECT_FALSE(panel->isVisible());
    EXPECT_EQ(count(dm.TbBaixaP), 0);
    EXPECT_EQ(rows(), 1);
}

TEST_F(SettlementPanelTest, TheDocumentSearchFindsTheFirstAtOrAfterTheText) {
    openBill("10,00", "", kPaidOn, "A7");
    openBill("20,00", "", kPaidOn, "C1");
    openBill("30,00", "", kPaidOn, "B5");
    screen.findChild<QWidget*>(QStringLiteral("RadioButton1"))->setFocus();
    type("Edit1", "B");
    EXPECT_EQ(dm.TbPagar.field("Documento").asString(), "B5");
    type("Edit1", "B6");
    EXPECT_EQ(dm.TbPagar.field("Documento").asString(), "C1");
}

// "&Consultar" on the entry screen: refused while a bill is entered; the bill chosen by a
// double click is the one "&Alterar" then shows.
using BillEntryTest = ScreenTest<payables::TFmPagar>;

TEST_F(BillEntryTest, ConsultarHandsTheChosenBillToAlterar) {
    payables::BillEntry first = entry("10,00");
    payables::saveBill(dm, first);
    payables::BillEntry second = entry("22,00");
    second.descricao = "ÁGUA";
    payables::saveBill(dm, second);

    button("BitBtn1")->click();
    button("BitBtn4")->click();
    EXPECT_EQ(dialogs.messages.back(), payables::kPendingBill);
    dialogs.answer(true);
    button("BitBtn3")->click();  // the new bill deleted: nothing is being entered
    dialogs.expectScreen(QStringLiteral("TFmConsPagar"), [&](QDialog& query) {
        auto* grid = query.findChild<ui::DbGrid*>(QStringLiteral("DBGrid1"));
        EXPECT_EQ(grid->model()->rowCount(), 2);
        grid->setCurrentIndex(grid->model()->index(1, 0));
        emit grid->chosen();
        return query.result();
    });
    button("BitBtn4")->click();
    dialogs.answer(true);
    button("BitBtn5")->click();
    EXPECT_EQ(box("DBEdit5")->text(), QStringLiteral("ÁGUA"));
    EXPECT_EQ(box("DBEdit3")->text(), QStringLiteral("22,00"));
}

TEST_F(PaidBillsTest, EstornarTakesThePaymentBackWithItsBankDebit) {
    EXPECT_FALSE(button("BitBtn3")->isEnabled());  // "Imprimir" waits for a search
    button("BitBtn2")->click();
    EXPECT_EQ(dialogs.messages.back(), QStringLiteral("Selecione o Registro a ser Estornado!"));
    button("BitBtn5")->click();
    EXPECT_EQ(dialogs.messages.back(), QStringLiteral("Selecione o Registro a ser Excluído!"));
    EXPECT_TRUE(dialogs.questions.isEmpty());

    paidBill("100,00", "1234", kPaidOn, "NF10");
    paidBill("40,00", "", {2025, 6, 2}, "NF20");
    search("010525", "310525");
    ASSERT_EQ(rows(), 1);
    EXPECT_TRUE(button("BitBtn3")->isEnabled());
    dialogs.answer(false);
    button("BitBtn2")->click();
    EXPECT_EQ(dialogs.questions.back(), QStringLiteral("Estornar o Lançamento?"));
    EXPECT_EQ(count(dm.TbBaixaP), 2);

    dialogs.answer(true);
    button("BitBtn2")->click();
    EXPECT_EQ(dialogs.messages.back(), QStringLiteral("O Lançamento Foi Estornado!"));
    EXPECT_EQ(rows(), 0);
    EXPECT_EQ(count(dm.TbBaixaP), 1);
    EXPECT_EQ(count(dm.TbPagar), 1);
    EXPECT_EQ(count(dm.TbBanco), 0);
    EXPECT_EQ(balance("1234", kPaidOn), reais("0,00"));
}

TEST_F(PaidBillsTest, ExcluirRemovesOnlyThePaidBillAndAWithdrawalIsNeitherReversedNorDeleted) {
    addCash("ABERTO");
    const std::int64_t withdrawal = payables::withdrawCash(dm, entry("30,00"), kPaidOn);
    const std::int64_t bill = paidBill("60,00", "1234", kPaidOn, "NF10");
    search("010525", "310525");
    ASSERT_EQ(rows(), 2);
    for (const auto& [buttonName, refusal] :
         {std::pair{"BitBtn2", "Uma Retirada do Caixa Não Pode Ser Estornada!"},
          std::pair{"BitBtn5", "Uma Retirada do Caixa Não Pode Ser Excluída!"}}) {
        dm.TbBaixaP.setIndexName("siBaixa");
        ASSERT_TRUE(dm.TbBaixaP.findKey({kPaidOn.toIso(), withdrawal}));
        dialogs.answer(true);
        button(buttonName)->click();
        EXPECT_EQ(dialogs.messages.back(), QString::fromUtf8(refusal));
        EXPECT_EQ(count(dm.TbBaixaP), 2);
        EXPECT_EQ(count(dm.TbPagar), 0);
        EXPECT_EQ(rows(), 2);  // the list is the period's again
    }

    dm.TbBaixaP.setIndexName("siBaixa");
    ASSERT_TRUE(dm.TbBaixaP.findKey({kPaidOn.toIso(), bill}));
    dialogs.answer(true);
    button("BitBtn5")->click();
    EXPECT_EQ(dialogs.questions.back(), QStringLiteral("Excluir o Lançamento?"));
    EXPECT_EQ(dialogs.messages.back(), QStringLiteral("O Lançamento Foi Excluído!"));
    EXPECT_EQ(rows(), 1);
    EXPECT_EQ(count(dm.TbBaixaP), 1);
    EXPECT_EQ(count(dm.TbBanco), 1);  // nothing else changes
}

TEST_F(PaidBillsTest, ImprimirPrintsThePeriodSearchedAndTheListStays) {
    paidBill("100,00", "1234", kPaidOn, "NF10");
    paidBill("50,00", "", {2025, 5, 22}, "NF20");
    paidBill("70,00", "", {2025, 6, 2}, "NF30");
    search("010525", "310525");
    type("Edit1", "NF3");  // a document search does not change what is printed
    button("BitBtn3")->click();
    EXPECT_EQ(printedName, "QrPagarB");
    EXPECT_EQ(
        reportstest::linesStartingWith(printed, "Relatório de Contas Pagas - Período de: 01/05/25 a 31/05/25")
            .size(),
        1u);
    ASSERT_FALSE(printed.empty());
    EXPECT_EQ(printed.back(), "TOTAL...R$ | 150,00");
    EXPECT_TRUE(dm.TbBaixaP.isOpen());
    EXPECT_EQ(rows(), 3);
}

}  // namespace
}  // namespace payablestest
