// The end of the day in real windows: an advance with its receipt previewed over its screen,
// and the cash closed with its report previewed and exported to PDF.
#include <QApplication>
#include <QFileDialog>
#include <QWidget>

#include <fstream>

#include "data/dm.h"
#include "desktop/desktop_fixture.h"
#include "desktop/on_gui.h"

namespace desktop {
namespace {

class CashDayTest : public DesktopTest {
  protected:
    void SetUp() override {
        DesktopTest::SetUp();
        logIn();
        openCash();
    }

    // Qt's "&Novo" and the like click a moment after their Alt letter.
    bool pressed(const QString& window, const char* button, unsigned letter) {
        key(letter, Alt);
        return waitFor([button] { return !QApplication::activeWindow()->findChild<QWidget*>(button)->isEnabled(); },
                       "\"" + std::string(button) + "\" pressed on " + window.toStdString());
    }

    int rowsOf(store::Table data::Tdm::*table) {
        auto dm = stored();
        store::Table& t = (*dm).*table;
        t.open();
        return static_cast<int>(t.recordCount());
    }
};

TEST_F(CashDayTest, AnAdvanceIsSavedAndItsReceiptPreviewedOverTheAdvanceScreen) {
    auto dm = stored();
    dm->TbFuncionario.open();
    for (dm->TbFuncionario.first(); dm->TbFuncionario.field("Codigo").asInteger() == 1;) dm->TbFuncionario.next();
    const std::string employee = std::to_string(dm->TbFuncionario.field("Codigo").asInteger());
    const QString name = QString::fromStdString(dm->TbFuncionario.field("Nome").asString());
    dm.reset();
    const int paidBefore = rowsOf(&data::Tdm::TbBaixaP);

    clickButton(QStringLiteral("Vale"));
    ASSERT_TRUE(waitForActive(QStringLiteral("TFmVale")));
    ASSERT_TRUE(pressed(QStringLiteral("TFmVale"), "BitBtn1", 'n'));
    ASSERT_TRUE(waitForFocus(QStringLiteral("DBEdit3")));
    enter("50,00");
    ASSERT_TRUE(waitForFocus(QStringLiteral("DBEdit4")));
    enter("ADIANTAMENTO");
    ASSERT_TRUE(waitForFocus(QStringLiteral("DBEdit5")));
    enter(employee);
    ASSERT_TRUE(waitForFocus(QStringLiteral("BitBtn2")));  // the name looked up, "&Gravar" next
    EXPECT_EQ(shown(QStringLiteral("DBEdit6")), name);
    key(XK_Return);
    ASSERT_TRUE(answer(QStringLiteral("Grava o Registro?")));
    ASSERT_TRUE(answer(QStringLiteral("Imprimir o Recibo?")));
    ASSERT_TRUE(waitForActive(QStringLiteral("FmPreview")));
    EXPECT_TRUE(onGui([] {
        QWidget* preview = QApplication::activeWindow();
        return QApplication::activeModalWidget() == preview && preview->parentWidget() &&
               preview->parentWidget()->window()->objectName() == QLatin1String("TFmVale");
    })) << "the receipt is not in front of the advance screen";
    key('f', Alt);
    ASSERT_TRUE(waitForActive(QStringLiteral("TFmVale")));
    EXPECT_TRUE(waitForFocus(QStringLiteral("BitBtn1")));
    EXPECT_EQ(rowsOf(&data::Tdm::TbBaixaP), paidBefore + 1);
}

TEST_F(CashDayTest, TheCashIsClosedAndItsReportPreviewedAndExportedToPdf) {
    ASSERT_TRUE(pressByAlt(QStringLiteral("&Fechar")));
    ASSERT_TRUE(waitForActive(QStringLiteral("FmFechar")));
    ASSERT_TRUE(waitForFocus(QStringLiteral("DBEdit6")));
    key(XK_Return);
    ASSERT_TRUE(waitForFocus(QStringLiteral("BitBtn1")));  // REGISTRAR
    key(XK_Return);
    ASSERT_TRUE(answer(QStringLiteral("Realizar o Fechamento?")));
    ASSERT_TRUE(answer(QStringLiteral("O Caixa Foi Fechado Corretamente!")));
    ASSERT_TRUE(waitForFocus(QStringLiteral("BitBtn3")));  // IMPRIMIR
    key(XK_Return);
    ASSERT_TRUE(waitForActive(QStringLiteral("FmPreview")));
    click(QStringLiteral("BtnExportarPDF"));
    ASSERT_TRUE(waitFor([] { return qobject_cast<QFileDialog*>(QApplication::activeWindow()) != nullptr; },
                        "the file dialog"));
    const std::filesystem::path pdf = dataDir().parent_path() / "fechamento-do-dia.pdf";
    std::filesystem::remove(pdf);
    key('a', Control);
    enter(pdf.string());
    ASSERT_TRUE(answer(QStringLiteral("Relatório exportado para %1.").arg(QString::fromStdString(pdf.string()))));
    ASSERT_TRUE(waitForActive(QStringLiteral("FmPreview")));
    key('f', Alt);
    ASSERT_TRUE(waitForActive(QStringLiteral("FmFechar")));
    std::ifstream written(pdf, std::ios::binary);
    std::string start(4, '\0');
    written.read(start.data(), 4);
    EXPECT_EQ(start, "%PDF");
    std::filesystem::remove(pdf);
}

}  // namespace
}  // namespace desktop
