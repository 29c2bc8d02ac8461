// The IOU settlement payment screen: what it tells before the code, the code becoming its
// form, the change of cash, and registering the settlement only after the question.
#include <gtest/gtest.h>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "data/rows.h"
#include "sales/settlement_payment_screen.h"
#include "support/data_fixture.h"
#include "support/qt_scripted_dialogs.h"

namespace {

using core::Currency;

Currency reais(double value) {
    return Currency::fromDouble(value);
}

// Notes of 50,00 and 70,00 for a client with 20,00 of credit: a balance of 100,00.
class SettlementPaymentScreenTest : public testsupport::DataTest {
  protected:
    void SetUp() override {
        dm.TbCliente.open();
        data::addRow(dm.TbCliente, {{"Codigo", std::int64_t{4}}, {"Nome", "HELENA"}, {"Saldo", 20.0}});
        dm.TbCaixa.open();
        data::addRow(dm.TbCaixa, {{"Contador", std::int64_t{1}}, {"Status", "ABERTO"}});
        dm.TbCaixa.close();
        dm.TbReceber.open();
        for (double value : {50.0, 70.0}) {
            data::addRow(dm.TbReceber, {{"CodCliente", std::int64_t{4}},
                                        {"Cliente", "HELENA"},
                                        {"Valor", value},
                                        {"Vendedor", "NOTINHA"},
                                        {"Documento", "10"}});
            listed.notes.push_back(dm.TbReceber.field("Contador").asInteger());
        }
        dm.TbReceber.close();
    }
    std::unique_ptr<sales::TFmPagamentoBA> open(double paid) {
        listed.paid = reais(paid);
        auto screen = std::make_unique<sales::TFmPagamentoBA>(dm, listed, reais(120));
        screen->show();
        QApplication::setActiveWindow(screen.get());
        return screen;
    }
    template <typename T>
    static T* child(QWidget& screen, const char* name) {
        return screen.findChild<T*>(QString::fromLatin1(name));
    }
    static void typeCode(QWidget& screen, const char* code) {
        auto* box = child<QLineEdit>(screen, "DBEdit7");
        box->setFocus();
        box->clear();
        QTest::keyClicks(box, code);
        QTest::keyClick(box, Qt::Key_Return);
    }

    sales::Settlement listed{4, {}, reais(20)};
    testsupport::ScriptedDialogs dialogs;
};

TEST_F(SettlementPaymentScreenTest, ItTellsWhetherThePaymentIsAboveOrBelowTheBalance) {
    const struct {
        double paid;
        QString notice;
        bool aMais;
    } cases[] = {{130, QStringLiteral("PAGAMENTO MAIOR R$ 130,00"), true},
                 {70, QStringLiteral("PAGAMENTO MENOR R$ 70,00"), false},
                 {100, QString(), false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.paid);
        auto screen = open(c.paid);
        EXPECT_EQ(child<QLineEdit>(*screen, "DBEdit3")->text(), QStringLiteral("100,00"));
        EXPECT_EQ(child<QLineEdit>(*screen, "DBEdit2")->text(), QStringLiteral("20,00"));
        EXPECT_EQ(child<QLabel>(*screen, "LbAviso")->text(), c.notice);
        EXPECT_EQ(child<QRadioButton>(*screen, "RadioButton1")->isChecked(), c.aMais);
    }
}

TEST_F(SettlementPaymentScreenTest, CashShowsTheChangeAndShortCashIsRefused) {
    auto screen = open(70);
    typeCode(*screen, "1");
    EXPECT_EQ(child<QLineEdit>(*screen, "DBEdit8")->text(), QStringLiteral("DINHEIRO"));
    auto* handed = child<QLineEdit>(*screen, "DBEdit9");
    ASSERT_EQ(QApplication::focusWidget(), handed);
    handed->selectAll();
    QTest::keyClicks(handed, "60");
    QTest::keyClick(handed, Qt::Key_Return);
    EXPECT_EQ(dialogs.messages.back(), QStringLiteral("Digite o Valor Pago R$!"));
    EXPECT_EQ(QApplication::focusWidget(), handed);
    handed->selectAll();
    QTest::keyClicks(handed, "100");
    QTest::keyClick(handed, Qt::Key_Return);
    EXPECT_EQ(child<QLabel>(*screen, "Label25")->text(), QStringLiteral("30,00"));
    EXPECT_EQ(QApplication::focusWidget(), child<QPushButton>(*screen, "BitBtn11"));
}

TEST_F(SettlementPaymentScreenTest, RegisteringSettlesAfterTheQuestionAndAnInvalidCodeIsRefused) {
    auto screen = open(70);
    child<QPushButton>(*screen, "BitBtn11")->click();
    EXPECT_EQ(dialogs.messages.back(), QStringLiteral("Indique a Forma de Pagamento!"));
    typeCode(*screen, "5");
    EXPECT_EQ(dialogs.messages.back(), QStringLiteral("Código de Forma de Pagamento Inválido!"));
    typeCode(*screen, "4");
    EXPECT_EQ(child<QLineEdit>(*screen, "DBEdit8")->text(), QStringLiteral("DÉBITO"));
    dialogs.answer(false);
    child<QPushButton>(*screen, "BitBtn11")->click();
    EXPECT_FALSE(screen->result());
    dialogs.answer(true);
    child<QPushButton>(*screen, "BitBtn11")->click();
    ASSERT_TRUE(screen->result());
    EXPECT_EQ(screen->result()->shortfall, reais(30));
    dm.TbCaixa.open();
    dm.TbCaixa.last();
    EXPECT_EQ(dm.TbCaixa.field("Debito").asCurrency(), reais(70));
    dm.TbReceber.open();
    ASSERT_EQ(dm.TbReceber.recordCount(), 1);
    EXPECT_EQ(dm.TbReceber.field("Descricao").asString(), "DIFERENÇA EM PAGAMENTO");
}

}  // namespace
