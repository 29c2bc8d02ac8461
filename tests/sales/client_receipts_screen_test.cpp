// "Relatório de Contas Recebidas - Por Cliente.": the client looked up by its code, the
// refusals of "&Imprimir", and the printout of that client's period.
#include <gtest/gtest.h>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "data/rows.h"
#include "reports/engine/generator.h"
#include "reports/page_text.h"
#include "sales/client_receipts_screen.h"
#include "support/data_fixture.h"
#include "support/qt_scripted_dialogs.h"
#include "ui/date_box.h"

namespace {

class ClientReceiptsScreenTest : public testsupport::DataTest {
  protected:
    void SetUp() override {
        dm.TbCliente.open();
        data::addRow(dm.TbCliente, {{"Codigo", std::int64_t{7}}, {"Nome", "ELAINE"}});
        data::addRow(dm.TbCliente, {{"Codigo", std::int64_t{8}}, {"Nome", "FABIANA"}});
        dm.TbCliente.close();
        dm.TbBaixaR.open();
        for (auto [code, name, value] : {std::tuple{7, "ELAINE", 30.0}, std::tuple{8, "FABIANA", 13.0}})
            data::addRow(dm.TbBaixaR, {{"CodCliente", std::int64_t{code}},
                                       {"Cliente", name},
                                       {"DataVen", "2025-05-10"},
                                       {"Vendedor", "DINHEIRO"},
                                       {"Documento", "NOTINHA"},
                                       {"Valor", value}});
        dm.TbBaixaR.close();
        screen = std::make_unique<sales::TFmReceberBCliente>(dm, [this](const reports::Report& report) {
            printed = reportstest::allLines(reports::generate(report, {}));
            ++prints;
        });
        screen->show();
        QApplication::setActiveWindow(screen.get());
    }

    QLineEdit* box(const char* name) { return screen->findChild<QLineEdit*>(QString::fromLatin1(name)); }
    QPushButton* imprimir() { return screen->findChild<QPushButton*>("BitBtn1"); }
    QString focused() {
        return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
    }
    void enterCode(const char* code) {
        box("Edit1")->setFocus();
        box("Edit1")->selectAll();
        QTest::keyClicks(box("Edit1"), code);
        QTest::keyClick(box("Edit1"), Qt::Key_Return);
    }

    testsupport::ScriptedDialogs dialogs;
    std::unique_ptr<sales::TFmReceberBCliente> screen;
    std::vector<std::string> printed;
    int prints = 0;
};

TEST_F(ClientReceiptsScreenTest, TheCodeEnteredShowsItsClientAndAnUnknownOneShowsNone) {
    enterCode("7");
    EXPECT_EQ(box("Edit2")->text(), QStringLiteral("ELAINE"));
    EXPECT_EQ(focused(), "MaskEdit1");
    enterCode("99");
    EXPECT_EQ(box("Edit2")->text(), QString());
    EXPECT_TRUE(dialogs.messages.isEmpty());
    // A name shown belongs to its code: typing another code takes it away.
    enterCode("8");
    box("Edit1")->setFocus();
    QTest::keyClick(box("Edit1"), Qt::Key_Backspace);
    EXPECT_EQ(box("Edit2")->text(), QString());
}

TEST_F(ClientReceiptsScreenTest, ImprimirNeedsAClientAndBothDates) {
    imprimir()->click();
    EXPECT_EQ(focused(), "Edit1");
    enterCode("7");
    screen->findChild<ui::DateBox*>("MaskEdit1")->setDate({2025, 5, 1});
    imprimir()->click();
    EXPECT_EQ(focused(), "MaskEdit1");
    EXPECT_EQ(dialogs.messages, QStringList({QStringLiteral("Selecione o Cliente Para o Relatório!"),
                                             QStringLiteral("Indique as Datas Inicial e Final")}));
    EXPECT_EQ(prints, 0);
    EXPECT_TRUE(imprimir()->isEnabled());
}

TEST_F(ClientReceiptsScreenTest, ImprimirPrintsTheClientsPeriodTitledWithTheDatesAsTyped) {
    enterCode("7");
    screen->findChild<ui::DateBox*>("MaskEdit1")->setDate({2025, 5, 1});
    screen->findChild<ui::DateBox*>("MaskEdit2")->setDate({2025, 5, 31});
    imprimir()->click();
    ASSERT_EQ(prints, 1);
    EXPECT_EQ(reportstest::linesStartingWith(
                  printed, "Relatório de Contas Recebidas - Por Cliente - Período de: 01/05/25 até 31/05/25")
                  .size(),
              1u)
        << testing::PrintToString(printed);
    EXPECT_EQ(reportstest::linesStartingWith(printed, "10/05/2025 | ELAINE").size(), 1u);
    EXPECT_TRUE(reportstest::linesStartingWith(printed, "10/05/2025 | FABIANA").empty());
    EXPECT_EQ(printed.back(), "TOTAL...R$ | 30,00");
    EXPECT_TRUE(imprimir()->isEnabled());
}

}  // namespace
