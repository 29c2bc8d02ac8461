// The service and commission report screens: dates and employee asked for first, the walk
// with its gauge and "Imprimir" held until the report is done, closing during the walk.
#include <gtest/gtest.h>
#include <QApplication>
#include <QCloseEvent>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <memory>

#include "page_text.h"
#include "reports/commissions_screen.h"
#include "reports/services_screen.h"
#include "support/qt_scripted_dialogs.h"
#include "worked_period.h"

namespace {

using reportstest::linesStartingWith;

class PeriodScreenTest : public reportstest::WorkedPeriodTest {
  protected:
    template <typename Screen>
    Screen& open() {
        auto* screen = new Screen(dm, [this](const reports::Report& report) {
            printHeld = !button("BitBtn1")->isEnabled();
            name = report.name;
            keep()(report);
        });
        screen_.reset(screen);
        screen->show();
        QApplication::setActiveWindow(screen);
        return *screen;
    }
    template <typename T = QPushButton>
    T* button(const char* objectName) {
        return screen_->findChild<T*>(QString::fromLatin1(objectName));
    }
    QLineEdit* box(const char* objectName) { return button<QLineEdit>(objectName); }
    void typeInto(const char* objectName, const char* text) {
        QLineEdit* target = box(objectName);
        target->setFocus();
        target->selectAll();
        QTest::keyClick(target, Qt::Key_Backspace);
        QTest::keyClicks(target, text);
    }
    void typeDates(const char* start, const char* end) {
        typeInto("MaskEdit1", start);
        typeInto("MaskEdit2", end);
    }
    std::vector<std::string> lines() { return reportstest::allLines(model); }

    testsupport::ScriptedDialogs dialogs;
    std::unique_ptr<QDialog> screen_;
    std::string name;
    bool printHeld = false;
};

TEST_F(PeriodScreenTest, ServicesScreenPrintsTheVariantChosenWhileHoldingImprimir) {
    struct Case {
        const char* radio;
        const char* report;
        int rows;  // read in the last stage, one gauge step each
    };
    open<reports::TFmDataServico>();
    typeDates("010324", "310324");
    for (const Case& c : {Case{"RadioButton1", "QrServico", 3}, Case{"RadioButton2", "QrServico2", 6},
                          Case{"RadioButton3", "QrPS", 3}, Case{"RadioButton4", "QrReceberBaixa", 0}}) {
        SCOPED_TRACE(c.report);
        button<QRadioButton>(c.radio)->click();
        button("BitBtn1")->click();
        EXPECT_EQ(name, c.report);
        EXPECT_TRUE(printHeld);
        EXPECT_TRUE(button("BitBtn1")->isEnabled());
        const auto* gauge = button<QProgressBar>("Gauge1");
        EXPECT_EQ(gauge->value(), c.rows);
        const auto titles = linesStartingWith(lines(), "Relatório de");
        ASSERT_FALSE(titles.empty());
        EXPECT_TRUE(titles.front().ends_with(" - Período de: 01/03/24 a 31/03/24")) << titles.front();
    }
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(PeriodScreenTest, DatesMissingOrWrongAreRefusedBeforeAnythingIsRead) {
    struct Case {
        const char* start;
        const char* end;
        QString message;
    };
    for (bool commissions : {false, true}) {
        if (commissions)
            open<reports::TFmDataServico2>();
        else
            open<reports::TFmDataServico>();
        for (const Case& c : {Case{"", "310324", QStringLiteral("Digite as Datas Inicial e Final!")},
                              Case{"010324", "", QStringLiteral("Digite as Datas Inicial e Final!")}}) {
            SCOPED_TRACE(c.start);
            dialogs.messages.clear();
            typeDates(c.start, c.end);
            button("BitBtn1")->click();
            EXPECT_EQ(dialogs.messages, QStringList{c.message});
            EXPECT_EQ(QApplication::focusWidget(), box("MaskEdit1"));
        }
        // Both typed, one no date: the conversion error every date box gives, on that box.
        dialogs.messages.clear();
        typeDates("010225", "310225");
        button("BitBtn1")->click();
        EXPECT_TRUE(dialogs.messages.isEmpty());
        EXPECT_EQ(dialogs.errors.value(dialogs.errors.size() - 1),
                  QStringLiteral("'31/02/25' não é uma data válida!"));
        EXPECT_EQ(QApplication::focusWidget(), box("MaskEdit2"));
    }
    EXPECT_EQ(shown, 0);
}

TEST_F(PeriodScreenTest, ClosingTheScreenDuringTheWalkStopsItBeforeTheReport) {
    auto& screen = open<reports::TFmDataServico>();
    typeDates("010324", "310324");
    button<QRadioButton>("RadioButton2")->click();
    auto* gauge = button<QProgressBar>("Gauge1");
    QObject::connect(gauge, &QProgressBar::valueChanged, &screen, [&](int value) {
        if (value == 1) QCoreApplication::postEvent(&screen, new QCloseEvent);
    });
    button("BitBtn1")->click();
    EXPECT_EQ(shown, 0);
    EXPECT_FALSE(screen.isVisible());
    EXPECT_FALSE(dm.TbServico.isOpen());
    EXPECT_FALSE(dm.TbItensServico.isOpen());
}

TEST_F(PeriodScreenTest, ClosingTheScreenWhileItsReportIsShownClosesItOnceTheReportIsClosed) {
    bool stillOpenWithReport = false;
    auto* screen = new reports::TFmDataServico2(dm, [&](const reports::Report&) {
        QCoreApplication::postEvent(screen_.get(), new QCloseEvent);
        QCoreApplication::processEvents();
        stillOpenWithReport = screen_->isVisible();  // the report still reads its tables
    });
    screen_.reset(screen);
    screen->show();
    typeDates("010324", "310324");
    button("BitBtn1")->click();
    EXPECT_TRUE(stillOpenWithReport);
    EXPECT_FALSE(screen->isVisible());
}

TEST_F(PeriodScreenTest, CommissionsScreenPrintsEveryoneOrTheEmployeeOfTheCodeAsItStandsAtPrint) {
    open<reports::TFmDataServico2>();
    typeDates("010324", "310324");
    button("BitBtn1")->click();
    EXPECT_EQ(name, "QrComissoes");
    EXPECT_TRUE(printHeld);
    EXPECT_EQ(lines().back(), "TOTAL DE VALES........R$ | 35,00");

    button<QRadioButton>("RadioButton2")->click();
    EXPECT_EQ(QApplication::focusWidget(), box("Edit1"));
    button("BitBtn1")->click();
    EXPECT_EQ(dialogs.messages.back(), QStringLiteral("Selecione o Funcionário Para o Relatório!"));
    EXPECT_EQ(QApplication::focusWidget(), box("Edit1"));

    QTest::keyClicks(box("Edit1"), "99");
    QTest::keyClick(box("Edit1"), Qt::Key_Return);  // "Funcionário:" looks the code up
    EXPECT_EQ(dialogs.messages.back(), QStringLiteral("Não Existe Funcionário Com Este Código!"));
    EXPECT_EQ(QApplication::focusWidget(), box("Edit1"));

    typeInto("Edit1", "12");
    QTest::keyClick(box("Edit1"), Qt::Key_Return);
    EXPECT_EQ(box("Edit2")->text(), QStringLiteral("BRUNO"));
    EXPECT_EQ(QApplication::focusWidget(), box("MaskEdit1"));
    // The code changed after the name was shown: the report is the new code's, named as such.
    box("Edit1")->setText(QStringLiteral("13"));
    shown = 0;
    button("BitBtn1")->click();
    EXPECT_EQ(name, "QrServico3");
    EXPECT_EQ(box("Edit2")->text(), QStringLiteral("CARLA"));
    EXPECT_EQ(linesStartingWith(lines(), "Funcionário: CARLA").size(), 1u);
    EXPECT_EQ(lines().back(), "TOTAL  A RECEBER.....R$ | -15,00");
    // A code no longer registered is refused at print, nothing shown.
    box("Edit1")->setText(QStringLiteral("77"));
    shown = 0;
    button("BitBtn1")->click();
    EXPECT_EQ(dialogs.messages.back(), QStringLiteral("Não Existe Funcionário Com Este Código!"));
    EXPECT_EQ(shown, 0);
    EXPECT_TRUE(box("Edit2")->text().isEmpty());
}

}  // namespace
