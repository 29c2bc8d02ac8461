// The advances screen as a person uses it: "&Novo", typing, the checks before the question,
// saving with the receipt, and closing refused while an advance is being entered.
#include <gtest/gtest.h>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "advances/advance_screen.h"
#include "data/rows.h"
#include "support/data_fixture.h"
#include "support/qt_scripted_dialogs.h"
#include "ui/date_box.h"

namespace {

class AdvanceScreenTest : public testsupport::DataTest {
  protected:
    void SetUp() override {
        dm.TbFuncionario.open();
        data::addRow(dm.TbFuncionario, {{"Codigo", std::int64_t{7}}, {"Nome", "ANA PAULA"}});
        data::addRow(dm.TbFuncionario, {{"Codigo", std::int64_t{8}}, {"Nome", "BRUNO LIMA"}});
        screen.show();
        QApplication::setActiveWindow(&screen);
    }
    template <typename T = QLineEdit>
    T* control(const char* name) {
        return screen.findChild<T*>(QString::fromLatin1(name));
    }
    QPushButton* button(const char* name) { return control<QPushButton>(name); }
    void type(const char* box, const char* text) {
        QLineEdit* edit = control(box);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }
    int paidAdvances() {
        dm.TbBaixaP.open();
        dm.TbBaixaP.refresh();
        return dm.TbBaixaP.recordCount();
    }

    testsupport::ScriptedDialogs dialogs;
    std::vector<std::string> printed;  // the employee on each receipt printed
    advances::TFmVale screen{dm, [this](const reports::Report&) { printed.push_back("recibo"); }};
};

TEST_F(AdvanceScreenTest, NovoThenGravarSavesTheAdvanceOfTheEmployeeTyped) {
    EXPECT_FALSE(button("BitBtn2")->isEnabled());
    button("BitBtn1")->click();
    EXPECT_TRUE(button("BitBtn2")->isEnabled());
    EXPECT_EQ(QApplication::focusWidget(), control("DBEdit3"));
    EXPECT_FALSE(control<ui::DateBox>("DBEdit1")->isEmpty());

    button("BitBtn2")->click();  // nothing typed
    EXPECT_EQ(dialogs.messages.back(), QStringLiteral("Digite o Valor do Documento!"));
    EXPECT_EQ(QApplication::focusWidget(), control("DBEdit3"));

    type("DBEdit3", "50");
    type("DBEdit5", "99");  // no such employee: told, and back to the code
    control("DBEdit3")->setFocus();
    button("BitBtn2")->click();
    EXPECT_EQ(dialogs.messages.back(), QStringLiteral("Não Existe Funcionário Com Este Código!"));
    EXPECT_EQ(QApplication::focusWidget(), control("DBEdit5"));
    type("DBEdit5", "7");
    QTest::keyClick(control("DBEdit5"), Qt::Key_Return);  // on to "Funcionário:", which looks it up
    EXPECT_EQ(control("DBEdit6")->text(), QStringLiteral("ANA PAULA"));
    EXPECT_EQ(QApplication::focusWidget(), button("BitBtn2"));
    type("DBEdit5", "8");  // changed after the name was filled: the code counts

    screen.reject();
    EXPECT_EQ(dialogs.messages.back(), advances::kPendingAdvance);
    EXPECT_TRUE(screen.isVisible());

    dialogs.answer(true);  // "Grava o Registro?"
    dialogs.answer(true);  // "Imprimir o Recibo?"
    button("BitBtn2")->click();
    EXPECT_EQ(dialogs.questions,
              (QStringList{QStringLiteral("Grava o Registro?"), QStringLiteral("Imprimir o Recibo?")}));
    EXPECT_EQ(printed.size(), 1u);
    ASSERT_EQ(paidAdvances(), 1);
    dm.TbBaixaP.first();
    EXPECT_EQ(dm.TbBaixaP.field("Funcionario").asString(), "BRUNO LIMA");
    EXPECT_EQ(dm.TbBaixaP.field("CodFUN").asInteger(), 8);
    EXPECT_TRUE(button("BitBtn1")->isEnabled());
    EXPECT_FALSE(button("BitBtn2")->isEnabled());
    screen.reject();  // nothing pending now
    EXPECT_FALSE(screen.isVisible());
}

// Heading "5" is looked up on entering "Plano de Contas:": its name as it is now, or the
// message when it is gone; the advance is saved under the name shown.
TEST_F(AdvanceScreenTest, EnteringThePlanLooksUpHeadingFiveAsItIsNamedNow) {
    dm.TbPlano.open();
    ASSERT_TRUE(dm.TbPlano.findKey({"5"}));
    dm.TbPlano.edit();
    dm.TbPlano.field("Descricao").setString("ADIANTAMENTOS");
    dm.TbPlano.post();
    button("BitBtn1")->click();
    control("DBEdit8")->setFocus(Qt::MouseFocusReason);
    EXPECT_EQ(control("DBEdit8")->text(), QStringLiteral("ADIANTAMENTOS"));
    EXPECT_EQ(QApplication::focusWidget(), button("BitBtn2"));
    type("DBEdit3", "50");
    type("DBEdit5", "7");
    dialogs.answer(true);
    dialogs.answer(false);
    button("BitBtn2")->click();
    ASSERT_EQ(paidAdvances(), 1);
    dm.TbBaixaP.first();
    EXPECT_EQ(dm.TbBaixaP.field("Plano").asString(), "ADIANTAMENTOS");

    ASSERT_TRUE(dm.TbPlano.findKey({"5"}));
    dm.TbPlano.deleteRecord();
    button("BitBtn1")->click();
    control("DBEdit8")->setFocus(Qt::MouseFocusReason);
    EXPECT_EQ(dialogs.messages.back(), QStringLiteral("Não Existe Plano Com Este Código!"));
    EXPECT_EQ(QApplication::focusWidget(), control("DBEdit7"));
}

// The pending advance is an open bill that another station's bill query may delete: with
// nothing left to save or delete, the screen closes saying so.
TEST_F(AdvanceScreenTest, APendingAdvanceDeletedAtAnotherStationLetsTheScreenClose) {
    button("BitBtn1")->click();
    const std::int64_t pending = dm.TbPagar.field("Contador").asInteger();
    screen.reject();
    ASSERT_TRUE(screen.isVisible());
    {
        testsupport::RecordingMessages quiet;
        data::Tdm other(dataDir(), quiet);
        other.TbPagar.open();
        ASSERT_TRUE(other.TbPagar.findKey({pending}));
        other.TbPagar.deleteRecord();
    }
    screen.reject();
    EXPECT_EQ(dialogs.messages.back(),
              QStringLiteral("O Lançamento Não Existe Mais! Foi Pago ou Excluído em Outra Estação."));
    EXPECT_FALSE(screen.isVisible());
    EXPECT_EQ(paidAdvances(), 0);
}

TEST_F(AdvanceScreenTest, AChequeNeedsItsNumberToSaveOrPrint) {
    button("BitBtn1")->click();
    type("DBEdit3", "30");
    type("DBEdit5", "7");
    control<QRadioButton>("RadioButton2")->click();
    EXPECT_EQ(QApplication::focusWidget(), control("DBEdit9"));
    button("BitBtn5")->click();
    EXPECT_EQ(dialogs.messages.back(), QStringLiteral("Digite o Número do Cheque Emitido!"));
    button("BitBtn2")->click();
    EXPECT_EQ(dialogs.messages.back(), QStringLiteral("Digite o Número do Cheque Emitido!"));
    EXPECT_EQ(QApplication::focusWidget(), control("DBEdit9"));
    EXPECT_TRUE(printed.empty());
    EXPECT_EQ(paidAdvances(), 0);

    type("DBEdit9", "4567");
    button("BitBtn5")->click();  // the receipt before saving: nothing saved
    EXPECT_EQ(printed.size(), 1u);
    EXPECT_EQ(paidAdvances(), 0);

    dialogs.answer(true);  // "Exclui o Registro?"
    button("BitBtn3")->click();
    dm.TbPagar.open();
    EXPECT_EQ(dm.TbPagar.recordCount(), 0);
    EXPECT_TRUE(button("BitBtn1")->isEnabled());
}

}  // namespace
