// The client credit screen: the client chosen first, its credit shown, too small an amount
// refused, and the purchase made through the credit payment screen.
#include <gtest/gtest.h>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "data/rows.h"
#include "sales/client_credit_screen.h"
#include "support/data_fixture.h"
#include "support/qt_scripted_dialogs.h"

namespace {

using core::Currency;

class ClientCreditScreenTest : public testsupport::DataTest {
  protected:
    void SetUp() override {
        for (auto* table : {&dm.TbCliente, &dm.TbCaixa}) table->open();
        data::addRow(dm.TbCliente, {{"Codigo", std::int64_t{7}}, {"Nome", "ELAINE"}, {"Saldo", 20.0}});
        data::addRow(dm.TbCaixa, {{"Contador", std::int64_t{1}}, {"Status", "ABERTO"}});
        dm.TbCaixa.close();
        screen.show();
        QApplication::setActiveWindow(&screen);
    }
    QPushButton* button(const char* name) {
        return screen.findChild<QPushButton*>(QString::fromLatin1(name));
    }
    QLineEdit* amount() { return screen.findChild<QLineEdit*>(QStringLiteral("DBEdit1")); }
    QString saldo() { return screen.findChild<QLabel*>(QStringLiteral("Label1"))->text(); }
    void typeAmount(const char* text) {
        amount()->selectAll();
        QTest::keyClicks(amount(), text);
    }

    testsupport::ScriptedDialogs dialogs;
    sales::TFmCredito screen{dm};
};

TEST_F(ClientCreditScreenTest, AClientIsChosenThenItsCreditBought) {
    EXPECT_EQ(saldo(), QStringLiteral("R$ 0,00"));
    EXPECT_FALSE(button("BitBtn1")->isEnabled());
    dialogs.expectScreen(QStringLiteral("TFmConsClienteNO"), [&](QDialog&) {
        dm.TbCliente.findKey({std::int64_t{7}});
        return int(QDialog::Accepted);
    });
    button("BitBtn3")->click();
    EXPECT_EQ(saldo(), QStringLiteral("R$ 20,00"));
    EXPECT_EQ(QApplication::focusWidget(), amount());

    typeAmount("0,005");  // below a cent
    button("BitBtn1")->click();
    EXPECT_EQ(dialogs.messages.back(), QStringLiteral("Digite o Valor do Crédito a Ser Inserido!"));
    EXPECT_TRUE(button("BitBtn1")->isEnabled());

    typeAmount("50");
    dialogs.expectScreen(QStringLiteral("TFmPagamentoCD"), [&](QDialog& payment) {
        payment.show();
        QApplication::setActiveWindow(&payment);
        auto* code = payment.findChild<QLineEdit*>(QStringLiteral("EdCodigo"));
        code->setFocus();
        QTest::keyClicks(code, "1");
        QTest::keyClick(code, Qt::Key_Return);
        dialogs.answer(true);
        payment.findChild<QPushButton*>(QStringLiteral("BtRegistrar"))->click();
        return payment.result();
    });
    button("BitBtn1")->click();
    EXPECT_FALSE(button("BitBtn1")->isEnabled());
    EXPECT_EQ(saldo(), QStringLiteral("R$ 70,00"));
    dm.TbCaixa.open();
    dm.TbCaixa.last();
    for (const char* field : {"Dinheiro", "Credito", "Total"})
        EXPECT_EQ(dm.TbCaixa.field(field).asCurrency(), Currency::fromReais(50)) << field;
}

}  // namespace
