// Bills from the keyboard alone in real windows: Enter goes through the boxes in typing order
// (the payment form and account included) and, on the installment panel, from the first due
// date to "Registrar", never to the screen's "&Excluir".
#include <QApplication>
#include <QWidget>

#include <set>

#include "data/dm.h"
#include "desktop/desktop_fixture.h"
#include "desktop/on_gui.h"

namespace desktop {
namespace {

class PayablesTest : public DesktopTest {
  protected:
    void SetUp() override {
        DesktopTest::SetUp();
        logIn();
    }

    // Enter in the focused box, then the focus is on `next`.
    void enterTo(std::string_view text, const char* next) {
        enter(text);
        ASSERT_TRUE(waitForFocus(QString::fromLatin1(next)));
    }
};

TEST_F(PayablesTest, ABillSplitInThreeWithTheKeyboardOnly) {
    auto dm = stored();
    dm->TbFornec.open();
    dm->TbFornec.first();
    const std::string supplier = std::to_string(dm->TbFornec.field("Codigo").asInteger());
    const QString supplierName = QString::fromStdString(dm->TbFornec.field("NomeFantasia").asString());
    dm->TbConta.open();
    dm->TbConta.first();
    const std::string account = dm->TbConta.field("Conta").asString();
    dm->TbPagar.open();
    const auto billsBefore = dm->TbPagar.recordCount();
    dm.reset();

    ASSERT_TRUE(pressByAlt(QStringLiteral("&Pagar")));
    ASSERT_TRUE(waitForActive(QStringLiteral("TFmPagar")));
    key('n', Alt);
    // A button's Alt letter clicks it a moment later (Qt animates the press): until then
    // the keys typed would go to the box that had the focus before.
    ASSERT_TRUE(waitFor([] { return !QApplication::activeWindow()->findChild<QWidget*>("BitBtn1")->isEnabled(); },
                        "\"&Novo\" pressed"));
    ASSERT_TRUE(waitForFocus(QStringLiteral("DBEdit1")));
    enterTo("", "DBEdit2");  // today's date as proposed
    key(XK_Home);
    enterTo(typedDate(10), "DBEdit3");
    enterTo("300,00", "DBComboBox1");
    enterTo("", "DBEdit4");
    enterTo("NF77", "DBEdit5");
    enterTo("LUZ DE DEZEMBRO", "DBComboBox2");
    enterTo("", "DBEdit6");
    enterTo("", "DBEdit13");
    enter(account);
    ASSERT_TRUE(waitForFocus(QStringLiteral("DBEdit7")));
    EXPECT_FALSE(shown(QStringLiteral("DBEdit11")).isEmpty()) << "the account's bank";
    enter(supplier);
    ASSERT_TRUE(waitFor([&] { return QApplication::focusWidget()->objectName() != QLatin1String("DBEdit7"); },
                        "the supplier taken"));
    EXPECT_EQ(shown(QStringLiteral("DBEdit10")), supplierName);

    // "Parcelar" by Tab and Space, as a keyboard user reaches a button without a letter.
    for (int i = 0; i < 20 && seen().focus != QLatin1String("BitBtn7"); ++i) key(XK_Tab);
    ASSERT_TRUE(waitForFocus(QStringLiteral("BitBtn7")));
    key(XK_space);
    ASSERT_TRUE(waitForFocus(QStringLiteral("DBEdit14")));
    EXPECT_EQ(shown(QStringLiteral("DBEdit14")), QStringLiteral("300,00"));
    enterTo("", "DBEdit15");
    enterTo("3", "DBEdit16");
    EXPECT_EQ(shown(QStringLiteral("DBEdit16")), QStringLiteral("100,00"));
    enterTo("", "MaskEdit1");
    key(XK_Home);
    enterTo(typedDate(10), "BitBtn8");  // "Registrar", not "&Excluir"
    key(XK_Return);
    ASSERT_TRUE(answer(QStringLiteral("Registrar as Parcelas?")));
    ASSERT_TRUE(answer(QStringLiteral("As Parcelas Foram Geradas Corretamente!")));
    ASSERT_TRUE(waitForActive(QStringLiteral("TFmPagar")));

    dm = stored();
    dm->TbPagar.open();
    EXPECT_EQ(dm->TbPagar.recordCount(), billsBefore + 3);
    std::set<std::string> accounts;
    int installments = 0;
    for (dm->TbPagar.first(); !dm->TbPagar.eof(); dm->TbPagar.next()) {
        if (dm->TbPagar.field("Documento").asString().rfind("NF77", 0) != 0) continue;
        ++installments;
        EXPECT_EQ(dm->TbPagar.field("Valor").asCurrency(), *core::Currency::parse("100,00"));
        accounts.insert(dm->TbPagar.field("Conta").asString());
    }
    EXPECT_EQ(installments, 3);
    EXPECT_EQ(accounts, std::set<std::string>{account});
}

}  // namespace
}  // namespace desktop
