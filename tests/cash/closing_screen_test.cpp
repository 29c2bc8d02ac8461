// "Fechamento de Caixa." driven headless: the period's figures, a repass typed with no record
// locked, the closing posted once by "REGISTRAR", and the report from "IMPRIMIR".
#include <gtest/gtest.h>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "cash/cash_closing.h"
#include "cash/closing_screen.h"
#include "cash_fixture.h"
#include "reports/engine/generator.h"
#include "support/processes.h"
#include "support/qt_scripted_dialogs.h"
#include "ui/money_box.h"

namespace {

using Rows = std::vector<std::string>;

class ClosingScreenTest : public cashtest::CashTest {
  protected:
    template <typename T = QPushButton>
    T* control(QWidget& screen, const char* name) {
        auto* found = screen.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    // The report "IMPRIMIR" hands over, as pages, with TbServico as the report saw it.
    reports::ReportOutput keep() {
        return [this](const reports::Report& report) {
            servicesInReport = dm.TbServico.recordCount();
            pages = reports::generate(report).pages.size();
        };
    }

    testsupport::ScriptedDialogs dialogs;
    int servicesInReport = -1;
    std::size_t pages = 0;
};

// With other stations as real processes: on a data directory and on a server.
using ClosingScreenStationsTest = testsupport::OnEveryBackend<ClosingScreenTest>;
DATA_ON_EVERY_BACKEND(ClosingScreenStationsTest);

TEST_P(ClosingScreenStationsTest, ShowsTheDrawerAndClosesWithTheTypedRepass) {
    addPeriod({1, "ABERTO", 150, 500, 120});
    addSale(1, "2024-03-08", "CARLA", "ANA PAULA", "DINHEIRO", 500);
    cash::TFmFechar screen(dm, keep());
    screen.show();
    QApplication::setActiveWindow(&screen);
    EXPECT_EQ(screen.windowTitle(), QStringLiteral("CAIXA INICIAL - R$ 150,00"));
    EXPECT_EQ(control<QLabel>(screen, "Label1")->text(), QStringLiteral("ANA PAULA"));
    EXPECT_EQ(control<QLabel>(screen, "Label2")->text(), QStringLiteral("500,00"));
    EXPECT_EQ(control<QLabel>(screen, "Label7")->text(), QStringLiteral("530,00"));
    EXPECT_EQ(control<QLineEdit>(screen, "DBEdit1")->text(), QStringLiteral("500,00"));
    EXPECT_EQ(control<QLineEdit>(screen, "DBEdit7")->text(), QStringLiteral("120,00"));
    for (const char* name : {"DBEdit1", "DBEdit2", "DBEdit3", "DBEdit4", "DBEdit5", "DBEdit7", "DBEdit8"})
        EXPECT_TRUE(control<QLineEdit>(screen, name)->isReadOnly()) << name;
    auto* repasse = control<ui::MoneyBox>(screen, "DBEdit6");
    EXPECT_TRUE(repasse->hasFocus());
    EXPECT_FALSE(control(screen, "BitBtn3")->isEnabled());

    repasse->selectAll();
    QTest::keyClicks(repasse, "100");
    EXPECT_EQ(dm.TbCaixa.state(), store::TableState::Browse);  // typing edits no record
    // Another station can still take the record's lock meanwhile.
    EXPECT_NO_THROW(testsupport::LockHolder(dataSet(), "TbCaixa"));
    QTest::keyClick(repasse, Qt::Key_Return);
    EXPECT_TRUE(control(screen, "BitBtn1")->hasFocus());

    dialogs.answer(false);
    control(screen, "BitBtn1")->click();
    EXPECT_EQ(periodsOnDisk(), (Rows{"1 ABERTO ANA PAULA 1 150,00 0,00 0,00"}));

    dialogs.answer(true);
    control(screen, "BitBtn1")->click();
    EXPECT_EQ(dialogs.questions, QStringList(2, QStringLiteral("Realizar o Fechamento?")));
    EXPECT_EQ(dialogs.messages, QStringList{QStringLiteral("O Caixa Foi Fechado Corretamente!")});
    EXPECT_EQ(periodsOnDisk(), (Rows{"1 FECHADO ANA PAULA 1 150,00 100,00 430,00"}));
    EXPECT_EQ(control<QLineEdit>(screen, "DBEdit5")->text(), QStringLiteral("430,00"));
    EXPECT_TRUE(repasse->isReadOnly());
    EXPECT_FALSE(control(screen, "BitBtn1")->isEnabled());
    EXPECT_TRUE(control(screen, "BitBtn3")->isEnabled());
    EXPECT_TRUE(control(screen, "BitBtn3")->hasFocus());
    EXPECT_EQ(control(screen, "BitBtn2")->text(), QStringLiteral("SAIR"));

    control(screen, "BitBtn3")->click();
    EXPECT_EQ(servicesInReport, 1);
    EXPECT_EQ(pages, 1u);
    EXPECT_FALSE(dm.TbServico.isOpen());
}

TEST_F(ClosingScreenTest, RegistrarOnAPeriodClosedElsewhereChangesNothingAndStillPrints) {
    addPeriod({1, "ABERTO", 80, 500, 120});
    cash::TFmFechar screen(dm, keep());
    screen.show();
    {
        testsupport::RecordingMessages quiet;
        data::Tdm other(dataSet(), quiet);
        cash::closeCash(other, 1, core::Currency::fromReais(100));
    }
    const Rows closed = periodsOnDisk();
    control<ui::MoneyBox>(screen, "DBEdit6")->setText(QStringLiteral("5,00"));
    dialogs.answer(true);
    control(screen, "BitBtn1")->click();
    EXPECT_TRUE(dialogs.messages.isEmpty());
    EXPECT_EQ(periodsOnDisk(), closed);
    EXPECT_EQ(control<QLineEdit>(screen, "DBEdit6")->text(), QStringLiteral("100,00"));  // what was stored
    EXPECT_TRUE(control(screen, "BitBtn3")->isEnabled());
    control(screen, "BitBtn3")->click();
    EXPECT_EQ(servicesInReport, 0);
    EXPECT_EQ(pages, 1u);
}

TEST_F(ClosingScreenTest, LeavingDiscardsTheTypedRepassAndHelpSaysBothMessages) {
    addPeriod({1, "ABERTO", 80});
    {
        cash::TFmFechar screen(dm, keep());
        screen.show();
        control<ui::MoneyBox>(screen, "DBEdit6")->setText(QStringLiteral("60,00"));
        control<QAbstractButton>(screen, "SpeedButton12")->click();
        control<QAbstractButton>(screen, "SpeedButton1")->click();
        control(screen, "BitBtn2")->click();
        EXPECT_EQ(screen.result(), QDialog::Rejected);
    }
    EXPECT_EQ(dialogs.messages, cash::kClosingHelp + cash::kClosingHelp);
    EXPECT_EQ(periodsOnDisk(), (Rows{"1 ABERTO ANA PAULA 1 80,00 0,00 0,00"}));
    EXPECT_FALSE(dm.TbCaixa.isOpen());
}

TEST_F(ClosingScreenTest, WithNoPeriodEverOpenedRegistrarIsRefused) {
    cash::TFmFechar screen(dm, keep());
    screen.show();
    dialogs.answer(true);
    control(screen, "BitBtn1")->click();
    EXPECT_EQ(dialogs.messages, QStringList{QStringLiteral("O Caixa Não Está Aberto!!!")});
    EXPECT_TRUE(control(screen, "BitBtn1")->isEnabled());
    EXPECT_FALSE(control(screen, "BitBtn3")->isEnabled());
    EXPECT_TRUE(periodsOnDisk().empty());
}

}  // namespace
