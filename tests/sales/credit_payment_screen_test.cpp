// The credit purchase payment screen: the code becomes its form, and registering writes the
// credit into the cash and onto the client only after the question.
#include <gtest/gtest.h>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "data/rows.h"
#include "sales/credit_payment_screen.h"
#include "support/data_fixture.h"
#include "support/qt_scripted_dialogs.h"

namespace {

using core::Currency;

class CreditPaymentScreenTest : public testsupport::DataTest {
  protected:
    void SetUp() override {
        dm.TbCliente.open();
        data::addRow(dm.TbCliente, {{"Codigo", std::int64_t{3}}, {"Nome", "GABRIELA"}, {"Saldo", 10.0}});
        dm.TbCaixa.open();
        data::addRow(dm.TbCaixa, {{"Contador", std::int64_t{1}}, {"Status", "ABERTO"}});
        dm.TbCaixa.close();
        screen.show();
        QApplication::setActiveWindow(&screen);
    }
    QLineEdit* code() { return screen.findChild<QLineEdit*>(QStringLiteral("EdCodigo")); }
    QLineEdit* form() { return screen.findChild<QLineEdit*>(QStringLiteral("EdForma")); }
    QPushButton* button(const char* name) {
        return screen.findChild<QPushButton*>(QString::fromLatin1(name));
    }
    void typeCode(const char* text) {
        code()->setFocus();
        code()->clear();
        QTest::keyClicks(code(), text);
        QTest::keyClick(code(), Qt::Key_Return);  // Enter moves on to the form box
    }
    Currency clientCredit() {
        dm.TbCliente.findKey({std::int64_t{3}});
        dm.TbCliente.refresh();
        return dm.TbCliente.field("Saldo").asCurrency();
    }

    testsupport::ScriptedDialogs dialogs;
    sales::TFmPagamentoCD screen{dm, 3, Currency::fromReais(50)};
};

TEST_F(CreditPaymentScreenTest, EachCodeShowsItsFormAndAnyOtherIsRefused) {
    EXPECT_EQ(screen.windowTitle(), QStringLiteral("PAGAMENTO"));
    for (const auto& [typed, word] : {std::pair{"1", "DINHEIRO"}, {"2", "CHEQUE"}, {"3", "CARTÃO"}}) {
        typeCode(typed);
        EXPECT_EQ(form()->text(), QString::fromUtf8(word));
        EXPECT_EQ(QApplication::focusWidget(), button("BtRegistrar"));
    }
    typeCode("4");
    EXPECT_EQ(dialogs.messages.back(), QStringLiteral("Código de Forma de Pagamento Inválido!"));
    EXPECT_EQ(form()->text(), QString());
    EXPECT_EQ(QApplication::focusWidget(), code());
}

TEST_F(CreditPaymentScreenTest, RegisteringAsksFirstThenWritesCashAndCredit) {
    button("BtRegistrar")->click();
    EXPECT_EQ(dialogs.messages.back(), QStringLiteral("Indique a Forma de Pagamento!"));
    typeCode("2");
    dialogs.answer(false);
    button("BtRegistrar")->click();
    EXPECT_EQ(clientCredit(), Currency::fromReais(10));  // "&Não": nothing written
    EXPECT_TRUE(screen.isVisible());
    dialogs.answer(true);
    button("BtRegistrar")->click();
    EXPECT_EQ(dialogs.questions,
              (QStringList{QStringLiteral("Registrar o Crédito?"), QStringLiteral("Registrar o Crédito?")}));
    EXPECT_EQ(dialogs.messages.back(), QStringLiteral("O Crédito Foi Registrado Para o Cliente!"));
    EXPECT_TRUE(screen.registered());
    EXPECT_EQ(clientCredit(), Currency::fromReais(60));
    dm.TbCaixa.open();
    dm.TbCaixa.last();
    EXPECT_EQ(dm.TbCaixa.field("Cheque").asCurrency(), Currency::fromReais(50));
    EXPECT_EQ(dm.TbCaixa.field("Credito").asCurrency(), Currency::fromReais(50));
}

// A code changed after its form was shown is resolved again, never posted under the old word.
TEST_F(CreditPaymentScreenTest, ACodeChangedBehindItsFormIsResolvedAgainBeforeRegistering) {
    typeCode("1");
    ASSERT_EQ(form()->text(), QStringLiteral("DINHEIRO"));
    code()->setFocus();
    code()->clear();
    QTest::keyClicks(code(), "3");
    button("BtRegistrar")->click();  // with the mouse: the form box was never entered
    EXPECT_EQ(form()->text(), QStringLiteral("CARTÃO"));
    EXPECT_EQ(QApplication::focusWidget(), button("BtRegistrar"));
    EXPECT_TRUE(dialogs.questions.isEmpty());
    EXPECT_FALSE(screen.registered());
    dialogs.answer(true);
    button("BtRegistrar")->click();
    EXPECT_TRUE(screen.registered());
    dm.TbCaixa.open();
    dm.TbCaixa.last();
    EXPECT_EQ(dm.TbCaixa.field("Cartao").asCurrency(), Currency::fromReais(50));
    EXPECT_EQ(dm.TbCaixa.field("Dinheiro").asCurrency(), Currency{});
}

TEST_F(CreditPaymentScreenTest, AClosedCashIsToldAndTheScreenStays) {
    dm.TbCaixa.open();
    dm.TbCaixa.last();
    dm.TbCaixa.edit();
    dm.TbCaixa.field("Status").setString("FECHADO");
    dm.TbCaixa.post();
    dm.TbCaixa.close();
    typeCode("1");
    dialogs.answer(true);
    button("BtRegistrar")->click();
    EXPECT_EQ(dialogs.messages.back(), QStringLiteral("O Caixa Não Está Aberto!!!"));
    EXPECT_FALSE(screen.registered());
    EXPECT_EQ(clientCredit(), Currency::fromReais(10));
}

}  // namespace
