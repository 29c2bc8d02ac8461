// The bill entry and cash withdrawal screens as a person uses them: the checks before the
// question, the look-ups, a bill in cash paid as it is saved, the installment run, and the
// withdrawal refused while the cash is closed.
#include <gtest/gtest.h>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <functional>

#include "payables/bill_entry.h"
#include "payables/bill_screen.h"
#include "payables/settlement.h"
#include "payables/withdrawal_screen.h"
#include "screen_fixture.h"
#include "support/qt_activation.h"

namespace {

using payablestest::reais;

template <typename Screen>
class EntryScreenTest : public payablestest::ScreenTest<Screen> {
  protected:
    void SetUp() override {
        this->add(this->dm.TbFornec, {{"Codigo", std::int64_t{3}},
                                      {"Nome", "LUZ E FORÇA S.A."},
                                      {"NomeFantasia", "LUZ SA"},
                                      {"CodPlano", "2"},
                                      {"Plano", "ENERGIA"}});
        this->add(this->dm.TbPlano, {{"Codigo", "2"}, {"Descricao", "ENERGIA"}});
        this->add(this->dm.TbPlano, {{"Codigo", "7"}, {"Descricao", "ALUGUEL"}});
        this->addAccount("1234");
        payablestest::ScreenTest<Screen>::SetUp();
    }
    store::Table& only(store::Table& table) {
        table.open();
        table.refresh();
        EXPECT_EQ(table.recordCount(), 1);
        table.first();
        return table;
    }
    // "&Novo", then another station pays or deletes the pending record from its query: the
    // screen, with nothing left to save or delete, closes saying so.
    void closesOnceThePendingRecordIsGoneElsewhere(
        const std::function<void(data::Tdm&, std::int64_t)>& elsewhere) {
        this->button("BitBtn1")->click();
        const std::int64_t pending = this->dm.TbPagar.field("Contador").asInteger();
        this->screen.reject();
        EXPECT_EQ(this->dialogs.messages.back(), payables::kPendingBill);
        ASSERT_TRUE(this->screen.isVisible());
        {
            testsupport::RecordingMessages quiet;
            data::Tdm other(this->dataDir(), quiet);
            elsewhere(other, pending);
        }
        this->screen.reject();
        EXPECT_EQ(this->dialogs.messages.back(),
                  QStringLiteral("O Lançamento Não Existe Mais! Foi Pago ou Excluído em Outra Estação."));
        EXPECT_FALSE(this->screen.isVisible());
        EXPECT_EQ(this->count(this->dm.TbPagar), 0);
    }
};

using BillScreenTest = EntryScreenTest<payables::TFmPagar>;
using WithdrawalScreenTest = EntryScreenTest<payables::TFmPagarDH>;

TEST_F(BillScreenTest, GravarChecksBeforeAskingAndTheScreenStaysOpenUntilTheBillIsSaved) {
    EXPECT_FALSE(button("BitBtn2")->isEnabled());
    EXPECT_FALSE(button("BitBtn7")->isEnabled());
    button("BitBtn1")->click();
    EXPECT_TRUE(button("BitBtn2")->isEnabled());
    EXPECT_TRUE(button("BitBtn7")->isEnabled());
    EXPECT_FALSE(button("BitBtn1")->isEnabled());
    EXPECT_EQ(focus(), box("DBEdit1"));
    EXPECT_EQ(count(dm.TbPagar), 1);  // stored at once, so it has its number

    button("BitBtn2")->click();
    EXPECT_EQ(dialogs.messages.back(), QStringLiteral("Digite a Data de Vencimento!"));
    EXPECT_EQ(focus(), box("DBEdit2"));
    type("DBEdit2", "100525");
    type("DBEdit3", "0,09");
    button("BitBtn2")->click();
    EXPECT_EQ(dialogs.messages.back(), QStringLiteral("Digite o Valor do Documento!"));
    EXPECT_EQ(focus(), box("DBEdit3"));
    EXPECT_TRUE(dialogs.questions.isEmpty());

    screen.reject();
    EXPECT_EQ(dialogs.messages.back(), payables::kPendingBill);
    EXPECT_TRUE(screen.isVisible());

    type("DBEdit3", "120,00");
    type("DBEdit5", "CONTA DE LUZ");
    dialogs.answer(false);
    button("BitBtn2")->click();  // "&Não": still being entered
    EXPECT_TRUE(button("BitBtn2")->isEnabled());
    dialogs.answer(true);
    button("BitBtn2")->click();
    EXPECT_EQ(dialogs.questions.back(), QStringLiteral("Grava o Registro?"));
    store::Table& bill = only(dm.TbPagar);
    EXPECT_EQ(bill.field("Valor").asCurrency(), reais("120,00"));
    EXPECT_EQ(bill.field("DataVen").asDate(), (core::Date{2025, 5, 10}));
    EXPECT_EQ(bill.field("Fornecedor").asString(), "FORNECEDOR - PRÓPRIO");
    EXPECT_EQ(bill.field("Plano").asString(), "Contas Diversas");
    EXPECT_TRUE(button("BitBtn1")->isEnabled());
    EXPECT_EQ(focus(), button("BitBtn1"));
    screen.reject();
    EXPECT_FALSE(screen.isVisible());
}

TEST_F(BillScreenTest, CodesAreLookedUpOnTheWayToTheirNames) {
    button("BitBtn1")->click();
    type("DBEdit13", "999");
    enter("DBEdit13");  // "Banco:" looks the account up
    EXPECT_EQ(dialogs.messages.back(), QStringLiteral("Conta Bancária Inexistente!"));
    EXPECT_EQ(focus(), box("DBEdit13"));
    type("DBEdit13", "1234");
    enter("DBEdit13");
    EXPECT_EQ(box("DBEdit11")->text(), QStringLiteral("BANCO DO SALÃO"));
    EXPECT_EQ(focus(), box("DBEdit7"));

    type("DBEdit7", "4");
    enter("DBEdit7");
    EXPECT_EQ(dialogs.messages.back(), QStringLiteral("Não Existe Fornecedor Com Este Código!"));
    EXPECT_EQ(focus(), box("DBEdit7"));
    type("DBEdit7", "3");
    enter("DBEdit7");  // the supplier brings his own heading
    EXPECT_EQ(box("DBEdit10")->text(), QStringLiteral("LUZ SA"));
    EXPECT_EQ(box("DBEdit8")->text(), QStringLiteral("2"));
    EXPECT_EQ(focus(), box("DBEdit8"));

    type("DBEdit8", "9");
    enter("DBEdit8");
    EXPECT_EQ(dialogs.messages.back(), QStringLiteral("Não Existe Plano Com Este Código!"));
    EXPECT_EQ(focus(), box("DBEdit8"));
    type("DBEdit8", "7");
    enter("DBEdit8");
    EXPECT_EQ(box("DBEdit9")->text(), QStringLiteral("ALUGUEL"));
    EXPECT_EQ(focus(), button("BitBtn2"));

    type("DBEdit2", "100525");
    type("DBEdit3", "80");
    dialogs.answer(true);
    button("BitBtn2")->click();
    store::Table& bill = only(dm.TbPagar);
    EXPECT_EQ(bill.field("Conta").asString(), "1234");
    EXPECT_EQ(bill.field("Agencia").asString(), "0042");
    EXPECT_EQ(bill.field("CodFor").asString(), "3");
    EXPECT_EQ(bill.field("Fornecedor").asString(), "LUZ SA");
    EXPECT_EQ(bill.field("Plano").asString(), "ALUGUEL");
}

TEST_F(BillScreenTest, TheSupplierChosenByItsLookupFillsNameAndHeadingWhenTheScreenIsBack) {
    button("BitBtn1")->click();
    dialogs.expectScreen(QStringLiteral("TFmConsFornecPG"), [this](QDialog& lookup) {
        testsupport::takeActivation(lookup);
        dm.TbFornec.setIndexName("");
        EXPECT_TRUE(dm.TbFornec.findKey({std::int64_t{3}}));
        lookup.hide();
        return int{QDialog::Accepted};
    });
    button("SpeedButton2")->click();
    EXPECT_EQ(box("DBEdit7")->text(), QStringLiteral("3"));
    testsupport::giveActivationBack(screen);
    EXPECT_EQ(box("DBEdit10")->text(), QStringLiteral("LUZ SA"));
    EXPECT_EQ(box("DBEdit8")->text(), QStringLiteral("2"));
    EXPECT_EQ(box("DBEdit9")->text(), QStringLiteral("ENERGIA"));
    EXPECT_EQ(focus(), box("DBEdit8"));
    EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join('|').toStdString();
}

// Enter goes through the boxes in the order they are typed: after the description the payment
// form, cheque and account, so a bill can be tied to an account from the keyboard.
TEST_F(BillScreenTest, EnterFromTheDescriptionGoesThroughPaymentFormChequeAndAccount) {
    button("BitBtn1")->click();
    type("DBEdit5", "LUZ DE MAIO");
    enter("DBEdit5");
    auto* forma = screen.findChild<QComboBox*>(QStringLiteral("DBComboBox2"));
    EXPECT_EQ(focus(), forma);
    QTest::keyClick(focus(), Qt::Key_Return);
    EXPECT_EQ(focus(), box("DBEdit6"));
    enter("DBEdit6");
    EXPECT_EQ(focus(), box("DBEdit13"));
    type("DBEdit13", "1234");
    enter("DBEdit13");
    EXPECT_EQ(box("DBEdit11")->text(), QStringLiteral("BANCO DO SALÃO"));
    EXPECT_EQ(focus(), box("DBEdit7"));
}

// Enter from the first due date reaches "Registrar", never the screen's "&Excluir": the run is
// asked for and made, and the bill is not deleted.
TEST_F(BillScreenTest, EnterFromTheFirstDueDateRegistersTheInstallmentsAndDeletesNothing) {
    button("BitBtn1")->click();
    type("DBEdit2", "100525");
    button("BitBtn7")->click();
    type("DBEdit14", "300,00");
    enter("DBEdit14");
    type("DBEdit15", "3");
    enter("DBEdit15");
    enter("DBEdit16");
    EXPECT_EQ(focus(), box("MaskEdit1"));
    type("MaskEdit1", "100625");
    enter("MaskEdit1");
    EXPECT_EQ(focus(), button("BitBtn8"));
    dialogs.answer(true);
    QTest::keyClick(focus(), Qt::Key_Return);
    EXPECT_EQ(dialogs.questions, QStringList{QStringLiteral("Registrar as Parcelas?")});
    EXPECT_EQ(dialogs.messages.back(), QStringLiteral("As Parcelas Foram Geradas Corretamente!"));
    store::Table& pagar = dm.TbPagar;
    pagar.refresh();
    EXPECT_EQ(pagar.recordCount(), 3);
}

TEST_F(BillScreenTest, TheInstallmentPanelGivesItsRoomBackWhenItHides) {
    QApplication::processEvents();
    const int height = screen.height();
    button("BitBtn1")->click();
    button("BitBtn7")->click();
    QApplication::processEvents();
    EXPECT_GT(screen.height(), height);
    button("BitBtn9")->click();
    QApplication::processEvents();
    EXPECT_EQ(screen.height(), height);
}

TEST_F(BillScreenTest, ABillInCashIsPaidAsItIsSaved) {
    button("BitBtn1")->click();
    type("DBEdit2", "100525");
    type("DBEdit3", "45,50");
    screen.findChild<QComboBox*>(QStringLiteral("DBComboBox2"))->setCurrentText(QStringLiteral("DINHEIRO"));
    dialogs.answer(true);
    button("BitBtn2")->click();
    EXPECT_EQ(count(dm.TbPagar), 0);
    store::Table& paid = only(dm.TbBaixaP);
    EXPECT_EQ(paid.field("Valor").asCurrency(), reais("45,50"));
    EXPECT_EQ(paid.field("DataLan").asDate(), (core::Date{2025, 5, 10}));
    EXPECT_EQ(paid.field("DataBaixa").asDate(), core::Date::today());
}

TEST_F(BillScreenTest, TheInstallmentRunReplacesTheBillOrLeavesItWhole) {
    button("BitBtn1")->click();
    type("DBEdit2", "100525");
    type("DBEdit4", "NF10");
    button("BitBtn7")->click();
    EXPECT_FALSE(button("BitBtn2")->isEnabled());
    EXPECT_EQ(focus(), box("DBEdit14"));
    type("DBEdit14", "100,00");
    type("DBEdit15", "3");
    box("DBEdit16")->setFocus();
    EXPECT_EQ(box("DBEdit16")->text(), QStringLiteral("33,33"));  // the proposal, in cents

    type("MaskEdit1", "310225");  // no 31st in February
    dialogs.answer(true);
    button("BitBtn8")->click();
    EXPECT_EQ(count(dm.TbPagar), 1);
    EXPECT_EQ(dialogs.messages.back(), QStringLiteral("Digite a Data do 1º Vencimento!"));
    screen.reject();
    EXPECT_EQ(dialogs.messages.back(), payables::kPendingBill);

    type("MaskEdit1", "310125");
    dialogs.answer(true);
    button("BitBtn8")->click();
    EXPECT_EQ(dialogs.messages.back(), QStringLiteral("As Parcelas Foram Geradas Corretamente!"));
    EXPECT_FALSE(screen.findChild<QWidget*>(QStringLiteral("Panel1"))->isVisible());
    EXPECT_TRUE(button("BitBtn1")->isEnabled());
    EXPECT_FALSE(button("BitBtn7")->isEnabled());
    store::Table& pagar = dm.TbPagar;
    pagar.refresh();
    ASSERT_EQ(pagar.recordCount(), 3);
    const struct {
        const char* valor;
        core::Date due;
        const char* document;
    } expected[] = {{"33,33", {2025, 1, 31}, "NF10/1"},
                    {"33,33", {2025, 2, 28}, "NF10/2"},
                    {"33,34", {2025, 3, 28}, "NF10/3"}};
    pagar.first();
    for (const auto& installment : expected) {
        EXPECT_EQ(pagar.field("Valor").asCurrency(), reais(installment.valor));
        EXPECT_EQ(pagar.field("DataVen").asDate(), installment.due);
        EXPECT_EQ(pagar.field("Documento").asString(), installment.document);
        pagar.next();
    }
    screen.reject();
    EXPECT_FALSE(screen.isVisible());
}

TEST_F(WithdrawalScreenTest, TheWithdrawalLeavesTheOpenCashOnly) {
    addCash("FECHADO");
    button("BitBtn1")->click();
    EXPECT_EQ(focus(), box("DBEdit3"));
    EXPECT_EQ(box("DBEdit2")->text(), box("DBEdit1")->text());
    type("DBEdit3", "50");
    dialogs.answer(true);
    button("BitBtn2")->click();
    EXPECT_EQ(dialogs.messages.back(), QStringLiteral("O Caixa Não Está Aberto!!!"));
    EXPECT_EQ(count(dm.TbBaixaP), 0);
    EXPECT_TRUE(button("BitBtn2")->isEnabled());  // still being entered

    dm.TbCaixa.open();
    dm.TbCaixa.last();
    dm.TbCaixa.edit();
    dm.TbCaixa.field("Status").setString("ABERTO");
    dm.TbCaixa.post();
    dm.TbCaixa.close();
    dialogs.answer(true);
    button("BitBtn2")->click();
    EXPECT_EQ(only(dm.TbCaixa).field("DinheiroTOTAL").asCurrency(), reais("50,00"));
    store::Table& paid = only(dm.TbBaixaP);
    EXPECT_EQ(paid.field("Tipo").asString(), "RETIRADA");
    EXPECT_EQ(paid.field("Fornecedor").asString(), "FORNECEDOR - PRÓPRIO");
    EXPECT_EQ(count(dm.TbPagar), 0);
    EXPECT_TRUE(button("BitBtn1")->isEnabled());
    screen.reject();
    EXPECT_FALSE(screen.isVisible());
}

TEST_F(BillScreenTest, APendingBillPaidAtAnotherStationLetsTheScreenClose) {
    closesOnceThePendingRecordIsGoneElsewhere([](data::Tdm& other, std::int64_t pending) {
        payables::settleBill(other, {pending, "BOLETO", "", "", {2025, 5, 10}}, {2025, 5, 10});
    });
    EXPECT_EQ(count(dm.TbBaixaP), 1);
}

TEST_F(WithdrawalScreenTest, APendingWithdrawalDeletedAtAnotherStationLetsTheScreenClose) {
    closesOnceThePendingRecordIsGoneElsewhere(
        [](data::Tdm& other, std::int64_t pending) { payables::deleteBill(other, pending); });
}

}  // namespace
