// "Relatório - Fechamentos de Caixa." and "::.. Relatório de Conferência de Caixa" driven
// headless: the dates asked for first, the layout chosen, the conference's walk with its
// gauge, and closing the screen in the middle of the walk.
#include <gtest/gtest.h>
#include <QApplication>
#include <QCloseEvent>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <memory>

#include "cash/cash_periods_screen.h"
#include "cash/conference_screen.h"
#include "cash_fixture.h"
#include "reports/engine/generator.h"
#include "reports/page_text.h"
#include "support/qt_scripted_dialogs.h"

namespace {

using Lines = std::vector<std::string>;

class ReportScreensTest : public cashtest::CashTest {
  protected:
    void SetUp() override {
        withOpen(dm.TbCaixa, [&] {
            data::addRow(dm.TbCaixa, {{"Contador", std::int64_t{1}},
                                      {"Status", "FECHADO"},
                                      {"Abertura", "2024-03-04"},
                                      {"Dinheiro", 150.0},
                                      {"Total", 150.0}});
        });
    }
    reports::ReportOutput keep(QWidget*& screen) {
        return [this, &screen](const reports::Report& report) {
            names.push_back(report.name);
            imprimirHeld = !screen->findChild<QPushButton*>(QStringLiteral("BitBtn1"))->isEnabled();
            lines = reportstest::allLines(reports::generate(report));
        };
    }
    static void typeDates(QWidget& screen, const char* start, const char* end) {
        for (const auto& [name, text] : {std::pair{"MaskEdit1", start}, {"MaskEdit2", end}}) {
            auto* box = screen.findChild<QLineEdit*>(QString::fromLatin1(name));
            box->setFocus();
            box->selectAll();
            QTest::keyClick(box, Qt::Key_Delete);
            QTest::keyClicks(box, QString::fromLatin1(text));
        }
    }
    static void show(QWidget& screen) {
        screen.show();
        QApplication::setActiveWindow(&screen);
    }
    static void imprimir(QWidget& screen) {
        screen.findChild<QPushButton*>(QStringLiteral("BitBtn1"))->click();
    }

    testsupport::ScriptedDialogs dialogs;
    std::vector<std::string> names;
    Lines lines;
    bool imprimirHeld = false;
};

TEST_F(ReportScreensTest, BothScreensAskForTwoRealDatesBeforeReadingAnything) {
    QWidget* current = nullptr;
    const auto screens = [&]() -> std::vector<std::unique_ptr<QDialog>> {
        std::vector<std::unique_ptr<QDialog>> made;
        made.push_back(std::make_unique<cash::TFmDataCaixa>(dm, keep(current)));
        made.push_back(std::make_unique<cash::TFmDataCONF>(dm, keep(current)));
        return made;
    }();
    for (const auto& screen : screens) {
        current = screen.get();
        show(*screen);
        for (const auto& [start, end] :
             {std::pair{"", ""}, {"010324", ""}, {"", "310324"}, {"310224", "310324"}}) {
            SCOPED_TRACE(screen->objectName().toStdString() + " " + start + " " + end);
            dialogs.messages.clear();
            dialogs.errors.clear();
            typeDates(*screen, start, end);
            imprimir(*screen);
            const bool impossible = std::string(start) == "310224";
            EXPECT_EQ(impossible ? dialogs.errors : dialogs.messages,
                      QStringList{impossible ? QStringLiteral("'31/02/24' não é uma data válida!")
                                             : QStringLiteral("Digite as Datas Inicial e Final!")});
            EXPECT_EQ(QApplication::focusWidget(),
                      screen->findChild<QLineEdit*>(QStringLiteral("MaskEdit1")));
        }
        screen->close();
    }
    EXPECT_TRUE(names.empty());
}

TEST_F(ReportScreensTest, TheCashPeriodsScreenPrintsTheLayoutChosen) {
    QWidget* current = nullptr;
    cash::TFmDataCaixa screen(dm, keep(current));
    current = &screen;
    show(screen);
    EXPECT_EQ(screen.windowTitle(), QStringLiteral("Relatório - Fechamentos de Caixa."));
    EXPECT_TRUE(screen.findChild<QRadioButton*>(QStringLiteral("RadioButton1"))->isChecked());
    typeDates(screen, "010324", "310324");
    imprimir(screen);
    EXPECT_TRUE(imprimirHeld);
    EXPECT_EQ(reportstest::linesStartingWith(lines, "Dinheiro | R$ | 150,00").size(), 1u);
    screen.findChild<QRadioButton*>(QStringLiteral("RadioButton2"))->click();
    imprimir(screen);
    EXPECT_EQ(names, (std::vector<std::string>{"QrCaixa", "QrCaixaCONF"}));
    EXPECT_TRUE(screen.findChild<QPushButton*>(QStringLiteral("BitBtn1"))->isEnabled());
    EXPECT_FALSE(dm.TbCaixa.isOpen());

    dialogs.messages.clear();
    screen.findChild<QWidget*>(QStringLiteral("SpeedButton1"))->setFocus();
    QTest::mouseClick(screen.findChild<QWidget*>(QStringLiteral("SpeedButton1")), Qt::LeftButton);
    EXPECT_EQ(dialogs.messages,
              QStringList{QStringLiteral(
                  "   Este relatório mostra os Fechamentos de Caixa de um determinado período. "
                  "Basta digitar as Datas Inicial e Final e clicar no botão Imprimir.")});
}

TEST_F(ReportScreensTest, TheConferenceWalksThePeriodWithTheGaugeAndPrintsIt) {
    QWidget* current = nullptr;
    cash::TFmDataCONF screen(dm, keep(current));
    current = &screen;
    show(screen);
    EXPECT_EQ(screen.windowTitle(), QStringLiteral("::.. Relatório de Conferência de Caixa"));
    typeDates(screen, "010324", "310324");
    imprimir(screen);
    EXPECT_EQ(names, std::vector<std::string>{"QrConferencia"});
    EXPECT_TRUE(imprimirHeld);
    EXPECT_EQ(reportstest::linesStartingWith(lines, "DINHEIRO R$ | 150,00").size(), 1u);
    EXPECT_TRUE(screen.findChild<QPushButton*>(QStringLiteral("BitBtn1"))->isEnabled());
    EXPECT_TRUE(screen.isVisible());
}

TEST_F(ReportScreensTest, ClosingTheConferenceDuringItsWalkStopsItAndPrintsNothing) {
    QWidget* current = nullptr;
    cash::TFmDataCONF screen(dm, keep(current));
    current = &screen;
    show(screen);
    typeDates(screen, "010324", "310324");
    // The close waits in the queue until the walk reads its first record.
    QCoreApplication::postEvent(&screen, new QCloseEvent);
    imprimir(screen);
    EXPECT_TRUE(names.empty());
    EXPECT_FALSE(screen.isVisible());
    EXPECT_TRUE(dialogs.messages.isEmpty());
    for (store::Table* table : {&dm.TbCaixa, &dm.TbItensServico, &dm.TbBaixaP}) {
        EXPECT_FALSE(table->isOpen()) << table->name();
        EXPECT_EQ(table->indexName(), "") << table->name();
    }
}

}  // namespace
