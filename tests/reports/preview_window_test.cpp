// The preview window: its toolbar, navigation, saved reports, PDF export and printing,
// which runs the report again.
#include <gtest/gtest.h>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPrinter>
#include <QTimer>
#include <QToolBar>
#include <QWindow>

#include <fstream>

#include "engine_fixture.h"
#include "page_text.h"
#include "reports/engine/pdf_export.h"
#include "reports/engine/preview.h"
#include "reports/engine/preview_window.h"
#include "reports/engine/printing.h"
#include "support/qt_modal.h"
#include "support/qt_scripted_dialogs.h"
#include "support/temp_dir.h"
#include "ui/qt_dialogs.h"

namespace {

using namespace reports;
using reportstest::EngineTest;

class PreviewWindowTest : public EngineTest {
  protected:
    QAction& action(PreviewWindow& window, const char* name) {
        auto* found = window.findChild<QAction*>(QString::fromLatin1(name));
        if (!found) throw std::runtime_error(std::string("no action ") + name);
        return *found;
    }
    QString status(PreviewWindow& window, const char* name) {
        return window.findChild<QLabel*>(QString::fromLatin1(name))->text();
    }
    void addEmployees(int count) {
        for (int i = 1; i <= count; ++i) addEmployee(i, "F" + std::to_string(i), i);
    }

    testsupport::ScriptedDialogs dialogs;
    testsupport::TempDir dir;
};

TEST_F(PreviewWindowTest, ToolbarInOrderWithPrintingEnabledOnceGenerated) {
    const Report report = periodReport();
    PreviewWindow window(dialogs, &report);
    EXPECT_EQ(window.windowTitle(), kPreviewTitle);
    EXPECT_TRUE(window.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_FALSE(window.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(window.isModal());

    QStringList names;
    const auto bars = window.findChildren<QToolBar*>();
    ASSERT_EQ(bars.size(), 2) << "two rows, so every button shows on a small screen";
    for (QToolBar* bar : bars)
        for (QAction* a : bar->actions())
            if (!a->isSeparator()) names << a->objectName() + "=" + a->text();
    EXPECT_EQ(names,
              (QStringList{
                  "BtnPaginaInteira=Página Inteira", "Btn100=100%", "BtnLarguraPagina=Largura da Página",
                  "BtnPrimeira=Primeira Página", "BtnAnterior=Página Anterior", "BtnProxima=Próxima Página",
                  "BtnUltima=Última Página", "BtnConfigurar=Configurar Impressão", "BtnImprimir=Imprimir",
                  "BtnSalvar=Salvar Relatório", "BtnAbrir=Abrir Relatório", "BtnExportarPDF=Exportar PDF",
                  "BtnExportarPlanilha=Exportar Planilha...", "BtnFechar=&Fechar"}));
    EXPECT_EQ(status(window, "LbProgresso"), "Gerando: 0%");
    EXPECT_FALSE(action(window, "BtnConfigurar").isEnabled());
    EXPECT_FALSE(action(window, "BtnImprimir").isEnabled());

    window.generate();
    EXPECT_EQ(status(window, "LbProgresso"), "Gerado: 100%");
    EXPECT_EQ(status(window, "LbPagina"), "Página 1 de 1");
    EXPECT_TRUE(action(window, "BtnConfigurar").isEnabled());
    EXPECT_TRUE(action(window, "BtnImprimir").isEnabled());

    window.show();
    action(window, "BtnFechar").trigger();
    EXPECT_FALSE(window.isVisible());
}

TEST_F(PreviewWindowTest, NavigatesPagesAndZooms) {
    addEmployees(120);
    const Report report = periodReport();
    PreviewWindow window(dialogs, &report);
    window.show();
    window.generate();
    ASSERT_EQ(window.pages().pages.size(), 3u);
    EXPECT_FALSE(action(window, "BtnAnterior").isEnabled());
    action(window, "BtnProxima").trigger();
    EXPECT_EQ(window.currentPage(), 2);
    EXPECT_EQ(status(window, "LbPagina"), "Página 2 de 3");
    action(window, "BtnUltima").trigger();
    EXPECT_EQ(window.currentPage(), 3);
    EXPECT_FALSE(action(window, "BtnProxima").isEnabled());
    action(window, "BtnAnterior").trigger();
    EXPECT_EQ(window.currentPage(), 2);
    action(window, "BtnPrimeira").trigger();
    EXPECT_EQ(window.currentPage(), 1);

    auto* sheet = window.findChild<QLabel*>("Folha");
    action(window, "Btn100").trigger();
    const int actual = sheet->width();
    action(window, "BtnPaginaInteira").trigger();
    const int whole = sheet->width();
    EXPECT_GT(actual, 0);
    EXPECT_GT(whole, 0);
    EXPECT_NE(actual, whole);
}

TEST_F(PreviewWindowTest, SavedReportOpensAgainInAnotherWindow) {
    addEmployees(70);
    const Report report = periodReport();
    PreviewWindow window(dialogs, &report);
    window.generate();
    const QString path = QString::fromStdString((dir / "comissoes.vrel").string());
    dialogs.answerSaveFile(path);
    action(window, "BtnSalvar").trigger();

    PreviewWindow viewer(dialogs, nullptr);
    EXPECT_FALSE(action(viewer, "BtnImprimir").isEnabled());
    dialogs.answerOpenFile(path);
    action(viewer, "BtnAbrir").trigger();
    EXPECT_EQ(viewer.pages(), window.pages());
    EXPECT_EQ(status(viewer, "LbPagina"), "Página 1 de 2");
    EXPECT_TRUE(action(viewer, "BtnImprimir").isEnabled());
    // Pages read from a file have no bands to make a spreadsheet of.
    EXPECT_FALSE(action(viewer, "BtnExportarPlanilha").isEnabled());
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(PreviewWindowTest, ExportsTheReportToASpreadsheetOfEitherKind) {
    addEmployees(3);
    const Report report = periodReport();
    PreviewWindow window(dialogs, &report);
    EXPECT_FALSE(action(window, "BtnExportarPlanilha").isEnabled());
    window.generate();
    ASSERT_TRUE(action(window, "BtnExportarPlanilha").isEnabled());

    struct Case {
        std::string chosen;   // what the file chooser returns
        std::string written;  // where the file lands
        std::string starts;   // its first bytes
    };
    for (const Case& c :
         {Case{"comissoes.csv", "comissoes.csv", "\xEF\xBB\xBF"},
          Case{"comissoes.xlsx", "comissoes.xlsx", "PK"}, Case{"sem-extensao", "sem-extensao.xlsx", "PK"}}) {
        SCOPED_TRACE(c.chosen);
        const QString written = QString::fromStdString((dir / c.written).string());
        dialogs.answerSaveFile(QString::fromStdString((dir / c.chosen).string()));
        action(window, "BtnExportarPlanilha").trigger();
        EXPECT_TRUE(dialogs.saveFileFilter.contains("*.xlsx")) << dialogs.saveFileFilter.toStdString();
        EXPECT_TRUE(dialogs.saveFileFilter.contains("*.csv"));
        ASSERT_FALSE(dialogs.messages.isEmpty());
        EXPECT_EQ(dialogs.messages.back(), QStringLiteral("Relatório exportado para %1.").arg(written));
        std::ifstream in(dir / c.written, std::ios::binary);
        std::string head(c.starts.size(), '\0');
        in.read(head.data(), static_cast<std::streamsize>(head.size()));
        EXPECT_EQ(head, c.starts);
    }
    std::ifstream csv(dir / "comissoes.csv", std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(csv)), std::istreambuf_iterator<char>());
    // Three employees earning 1, 2 and 3: their lines, then the total under the same column.
    EXPECT_NE(text.find("F1;1,00;1,00\r\nF2;3,00;2,00\r\nF3;6,00;3,00\r\n;TOTAL...R$;6,00\r\n"),
              std::string::npos)
        << text;

    const std::size_t said = dialogs.messages.size();
    dialogs.answerSaveFile({});  // cancelled: nothing written, nothing said
    action(window, "BtnExportarPlanilha").trigger();
    EXPECT_EQ(dialogs.messages.size(), said);
}

TEST_F(PreviewWindowTest, DamagedOrForeignFilesAreRefusedAndThePagesStay) {
    const Report report = periodReport();
    PreviewWindow window(dialogs, &report);
    window.generate();
    const PageModel before = window.pages();
    std::ofstream(dir / "falso.vrel") << "nada de relatório aqui";
    dialogs.answerOpenFile(QString::fromStdString((dir / "falso.vrel").string()));
    action(window, "BtnAbrir").trigger();
    EXPECT_EQ(dialogs.messages, QStringList{"O arquivo escolhido não é um relatório salvo pelo Velmora."});
    EXPECT_EQ(window.pages(), before);
}

TEST_F(PreviewWindowTest, WithoutPrinterImprimirOffersThePdfExport) {
    if (printerInstalled()) GTEST_SKIP() << "this machine has a printer";
    addEmployee(1, "ANA", 10);
    const Report report = periodReport();
    PreviewWindow window(dialogs, &report);
    window.generate();
    const auto pdf = dir / "sem-impressora.pdf";
    dialogs.answer(true);
    dialogs.answerSaveFile(QString::fromStdString(pdf.string()));
    action(window, "BtnImprimir").trigger();
    ASSERT_EQ(dialogs.questions.size(), 1);
    EXPECT_TRUE(dialogs.questions[0].startsWith("Não há impressora instalada neste computador."));
    EXPECT_NE(reportstest::pdfText(pdf).find("ANA 10,00 10,00"), std::string::npos);
    EXPECT_EQ(dialogs.messages.size(), 1);

    dialogs.answer(false);  // declined: nothing written, nothing else asked
    action(window, "BtnConfigurar").trigger();
    EXPECT_EQ(dialogs.questions.size(), 2);
}

TEST_F(PreviewWindowTest, PrintingRunsTheReportAgainWithTheSameFigures) {
    addEmployees(60);
    Report report = periodReport();
    // A running value kept by the report itself, reset by its before-print event.
    double running = 0;
    int runs = 0;
    report.beforePrint = [&] {
        running = 0;
        ++runs;
    };
    report.detail.beforePrint = [&] { running += dm.TbVirtual.field("COM").asFloat(); };
    report.detail.add(
        computedLabel({65, 0, 30, 4.5}, [&] { return "acum " + std::to_string(static_cast<int>(running)); }));
    PreviewWindow window(dialogs, &report);
    window.generate();
    const PageModel shown = window.pages();

    const auto printed = dir / "impresso.pdf";
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(printed.string()));
    ASSERT_TRUE(window.printTo(printer));
    EXPECT_EQ(runs, 2);
    EXPECT_EQ(window.pages(), shown);

    writePdf(shown, dir / "visto.pdf");
    const std::string printedText = reportstest::pdfText(printed);
    EXPECT_NE(printedText.find("F60 acum 1830 1.830,00 60,00"), std::string::npos) << printedText;
    EXPECT_EQ(printedText, reportstest::pdfText(dir / "visto.pdf"));
}

TEST_F(PreviewWindowTest, PreviewReturnsOnlyOnceTheWindowIsClosed) {
    addEmployee(1, "ANA", 10);
    const Report report = periodReport();
    int pagesSeen = -1;
    // Looks for the shown window until its pages are there, then closes it.
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (auto* window = qobject_cast<PreviewWindow*>(widget);
                window && window->isVisible() && !window->pages().pages.empty()) {
                pagesSeen = static_cast<int>(window->pages().pages.size());
                window->findChild<QAction*>("BtnFechar")->trigger();
            }
    });
    poll.start(10);
    previewReport(report);
    EXPECT_EQ(pagesSeen, 1);
}

TEST_F(PreviewWindowTest, APreviewAskedForByAModalScreenIsModalToItAndStacksOverIt) {
    addEmployee(1, "ANA", 10);
    const Report report = periodReport();
    ui::QtDialogs real;
    QDialog screen;
    QWidget* parent = nullptr;
    QWindow* transient = nullptr;
    Qt::WindowModality modality = Qt::NonModal;
    // A preview nobody can reach would keep previewReport waiting: this closes it.
    QTimer::singleShot(4000, &screen, [] {
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (auto* window = qobject_cast<PreviewWindow*>(widget)) window->reject();
    });
    testsupport::onNextModal([&](QWidget&) {
        testsupport::onNextModal([&](QWidget& preview) {
            parent = preview.parentWidget();
            transient = preview.windowHandle()->transientParent();
            modality = preview.windowModality();
            static_cast<QDialog&>(preview).reject();
        });
        previewReport(report);
        screen.accept();
    });
    real.exec(screen);
    EXPECT_EQ(parent, &screen);
    EXPECT_EQ(transient, screen.windowHandle());
    EXPECT_EQ(modality, Qt::WindowModal);
}

}  // namespace
