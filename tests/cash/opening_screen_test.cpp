// "Abertura do Caixa." driven headless: nothing is written before "CONFIRMAR", the proposed
// opening cash can be changed, and another station's opening is refused.
#include <gtest/gtest.h>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "cash/opening_screen.h"
#include "cash_fixture.h"
#include "support/qt_scripted_dialogs.h"
#include "ui/money_box.h"

namespace {

using Rows = std::vector<std::string>;

class OpeningScreenTest : public cashtest::CashTest {
  protected:
    void SetUp() override {
        withOpen(dm.TbFuncionario, [&] {
            data::addRow(dm.TbFuncionario, {{"Codigo", std::int64_t{7}}, {"Nome", "JOANA"}});
        });
    }
    template <typename T = QPushButton>
    T* control(QWidget& screen, const char* name) {
        auto* found = screen.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    std::string firstEmployee() {
        std::string name;
        withOpen(dm.TbFuncionario, [&] {
            dm.TbFuncionario.first();
            name =
                dm.TbFuncionario.field("Codigo").asString() + " " + dm.TbFuncionario.field("Nome").asString();
        });
        return name;
    }

    testsupport::ScriptedDialogs dialogs;
};

TEST_F(OpeningScreenTest, StartsWithOnlyAbrirCaixaAndGivesHelp) {
    cash::TFmAbrir screen(dm);
    screen.show();
    EXPECT_EQ(screen.windowTitle(), QStringLiteral("Abertura do Caixa."));
    EXPECT_TRUE(control(screen, "BitBtn1")->isEnabled());
    EXPECT_FALSE(control(screen, "BitBtn3")->isEnabled());
    EXPECT_FALSE(control(screen, "BitBtn3")->isVisible());
    EXPECT_FALSE(control(screen, "BitBtn2")->isEnabled());
    EXPECT_FALSE(control<QWidget>(screen, "DBEdit1")->isVisible());
    auto* employees = control<QComboBox>(screen, "DBLookupComboBox1");
    EXPECT_EQ(employees->count(), 2);
    EXPECT_EQ(employees->itemText(1), QStringLiteral("JOANA"));
    for (const char* help : {"SpeedButton12", "SpeedButton1"})
        control<QAbstractButton>(screen, help)->click();
    EXPECT_EQ(dialogs.messages, QStringList(2, cash::kOpeningHelp));
}

TEST_F(OpeningScreenTest, ConfirmarWritesTheChosenEmployeeAndTheTypedOpeningCash) {
    addPeriod({1, "FECHADO", 0, 0, 0, 80});
    cash::TFmAbrir screen(dm);
    screen.show();
    QApplication::setActiveWindow(&screen);
    auto* employees = control<QComboBox>(screen, "DBLookupComboBox1");
    employees->setCurrentIndex(1);
    emit employees->activated(1);
    EXPECT_EQ(dm.TbFuncionario.field("Nome").asString(), "JOANA");  // the list moves the table

    control(screen, "BitBtn1")->click();
    auto* opening = control<ui::MoneyBox>(screen, "DBEdit1");
    EXPECT_TRUE(opening->isVisible());
    EXPECT_TRUE(opening->hasFocus());
    EXPECT_EQ(opening->text(), QStringLiteral("80,00"));  // the last repass, proposed
    EXPECT_FALSE(control(screen, "BitBtn1")->isEnabled());
    EXPECT_TRUE(control(screen, "BitBtn3")->isVisible());
    EXPECT_TRUE(control(screen, "BitBtn2")->isEnabled());
    EXPECT_EQ(periodsOnDisk().size(), 1u);  // nothing written yet

    opening->clear();
    QTest::keyClicks(opening, "95,50");
    QTest::keyClick(opening, Qt::Key_Return);  // Enter moves on to "CONFIRMAR"
    EXPECT_TRUE(control(screen, "BitBtn3")->hasFocus());

    dialogs.answer(false);  // "&Não": nothing happens
    control(screen, "BitBtn3")->click();
    EXPECT_EQ(periodsOnDisk().size(), 1u);
    EXPECT_EQ(screen.result(), 0);

    dialogs.answer(true);
    control(screen, "BitBtn3")->click();
    EXPECT_EQ(dialogs.questions, QStringList(2, QStringLiteral("Confirmar a Abertura?")));
    EXPECT_EQ(dialogs.messages, QStringList{QStringLiteral("O Caixa Foi Aberto Corretamente!")});
    EXPECT_EQ(screen.result(), QDialog::Accepted);
    EXPECT_EQ(periodsOnDisk().back(), "2 ABERTO JOANA 7 95,50 0,00 0,00");
}

TEST_F(OpeningScreenTest, CancelarOrLeavingWritesNothingAndTheNextOpeningTakesTheSameNumber) {
    addPeriod({1, "FECHADO", 0, 0, 0, 80});
    const Rows before = periodsOnDisk();
    for (bool viaCancelar : {true, false}) {
        SCOPED_TRACE(viaCancelar ? "CANCELAR" : "closing the screen");
        cash::TFmAbrir screen(dm);
        screen.show();
        control(screen, "BitBtn1")->click();
        if (viaCancelar) {
            dialogs.answer(true);
            control(screen, "BitBtn2")->click();
            EXPECT_EQ(dialogs.questions.takeLast(), QStringLiteral("Cancelar a Abertura?"));
            EXPECT_EQ(dialogs.messages.takeLast(), QStringLiteral("Abertura de Caixa Cancelada!"));
            EXPECT_EQ(screen.result(), QDialog::Rejected);
        } else {
            screen.reject();
        }
        EXPECT_EQ(periodsOnDisk(), before);
    }
    {
        cash::TFmAbrir screen(dm);
        control(screen, "BitBtn1")->click();
        // shown in the list before the question
        EXPECT_EQ(control<QComboBox>(screen, "DBLookupComboBox1")->currentText().toStdString(),
                  firstEmployee().substr(2));
        dialogs.answer(true);
        control(screen, "BitBtn3")->click();
    }
    // Nobody chosen: the first employee is responsible.
    EXPECT_EQ(periodsOnDisk().back(), "2 ABERTO " + firstEmployee().substr(2) + " 1 80,00 0,00 0,00");
}

TEST_F(OpeningScreenTest, AnotherStationsOpeningIsRefusedAtEitherStep) {
    addPeriod({1, "FECHADO"});
    cash::TFmAbrir screen(dm);
    control(screen, "BitBtn1")->click();  // still closed here
    addPeriod({2, "ABERTO"});             // another station opens meanwhile
    dialogs.answer(true);
    control(screen, "BitBtn3")->click();
    EXPECT_EQ(dialogs.messages, QStringList{QStringLiteral("O Caixa Já Está Aberto no Momento!!!")});
    EXPECT_EQ(periodsOnDisk().size(), 2u);

    cash::TFmAbrir again(dm);
    again.show();
    control(again, "BitBtn1")->click();
    EXPECT_EQ(dialogs.messages.size(), 2);
    EXPECT_EQ(dialogs.messages.last(), QStringLiteral("O Caixa Já Está Aberto no Momento!!!"));
    EXPECT_FALSE(control(again, "BitBtn1")->isEnabled());
    EXPECT_FALSE(control(again, "BitBtn3")->isVisible());
    EXPECT_FALSE(control<QWidget>(again, "DBEdit1")->isVisible());
    EXPECT_EQ(periodsOnDisk().size(), 2u);
}

TEST_F(OpeningScreenTest, AnOpeningCashThatIsNotAnAmountIsRefusedBeforeTheQuestion) {
    cash::TFmAbrir screen(dm);
    control(screen, "BitBtn1")->click();
    control<ui::MoneyBox>(screen, "DBEdit1")->setText(QStringLiteral("1,2,3"));
    control(screen, "BitBtn3")->click();
    EXPECT_TRUE(dialogs.questions.isEmpty());
    EXPECT_EQ(dialogs.messages, QStringList{QStringLiteral("'1,2,3' não é um valor válido.")});
    EXPECT_TRUE(periodsOnDisk().empty());
}

}  // namespace
