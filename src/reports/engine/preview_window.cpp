#include "reports/engine/preview_window.h"

#include <QAction>
#include <QApplication>
#include <QGuiApplication>
#include <QKeySequence>
#include <QLabel>
#include <QPrintDialog>
#include <QScreen>
#include <QScrollArea>
#include <QStatusBar>
#include <QToolBar>
#include <QVBoxLayout>

#include <algorithm>

#include "reports/engine/generator.h"
#include "reports/engine/output_error.h"
#include "reports/engine/page_painter.h"
#include "reports/engine/pdf_export.h"
#include "reports/engine/printing.h"
#include "reports/engine/report_file.h"
#include "reports/engine/sheet_export.h"
#include "ui/dialogs.h"
#include "ui/fresh_screens.h"

namespace reports {

namespace {

const QString kReportFilter = QStringLiteral("Relatórios do Velmora (*.vrel)");
const QString kPdfFilter = QStringLiteral("Arquivos PDF (*.pdf)");
const QString kSheetFilter =
    QStringLiteral("Planilha do Excel (*.xlsx);;CSV separado por ponto e vírgula (*.csv)");
constexpr double kMmPerInch = 25.4;

// Named as generation, so it is not read as the zoom ("100%" is also a zoom button).
QString generationStatus(int percent) {
    return (percent < 100 ? QStringLiteral("Gerando: %1%") : QStringLiteral("Gerado: %1%")).arg(percent);
}

QString text(const std::exception& error) {
    return QString::fromUtf8(error.what());
}

}  // namespace

PreviewWindow::PreviewWindow(ui::Dialogs& dialogs, const Report* report, QWidget* parent)
    : QDialog(parent), dialogs_(dialogs), report_(report) {
    setObjectName(QStringLiteral("FmPreview"));
    setWindowTitle(kPreviewTitle);
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint);

    // Two rows, so that every button shows on a small screen: looking through the pages above,
    // printing and the files below.
    auto* viewing = new QToolBar(this);
    auto* files = new QToolBar(this);
    QToolBar* toolbar = viewing;
    for (QToolBar* bar : {viewing, files}) bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    auto add = [&](const char* name, const QString& caption, const QString& tip) {
        QAction* action = toolbar->addAction(caption);
        action->setObjectName(QString::fromLatin1(name));
        action->setToolTip(tip);
        // A toolbar button shows no underline, but its Alt letter still works ("&Fechar").
        action->setShortcut(QKeySequence::mnemonic(caption));
        return action;
    };
    connect(add("BtnPaginaInteira", QStringLiteral("Página Inteira"), QStringLiteral("Ver a página inteira")),
            &QAction::triggered, this, [this] { setZoom(Zoom::WholePage); });
    connect(add("Btn100", QStringLiteral("100%"), QStringLiteral("Tamanho real")), &QAction::triggered, this,
            [this] { setZoom(Zoom::Actual); });
    connect(add("BtnLarguraPagina", QStringLiteral("Largura da Página"), QStringLiteral("Largura da página")),
            &QAction::triggered, this, [this] { setZoom(Zoom::PageWidth); });
    toolbar->addSeparator();
    first_ = add("BtnPrimeira", QStringLiteral("Primeira Página"), QStringLiteral("Primeira Página"));
    previous_ = add("BtnAnterior", QStringLiteral("Página Anterior"), QStringLiteral("Página Anterior"));
    next_ = add("BtnProxima", QStringLiteral("Próxima Página"), QStringLiteral("Próxima Página"));
    last_ = add("BtnUltima", QStringLiteral("Última Página"), QStringLiteral("Última Página"));
    connect(first_, &QAction::triggered, this, [this] { showPage(1); });
    connect(previous_, &QAction::triggered, this, [this] { showPage(current_ - 1); });
    connect(next_, &QAction::triggered, this, [this] { showPage(current_ + 1); });
    connect(last_, &QAction::triggered, this, [this] { showPage(static_cast<int>(model_.pages.size())); });
    toolbar = files;
    configure_ =
        add("BtnConfigurar", QStringLiteral("Configurar Impressão"), QStringLiteral("Configurar Impressão"));
    print_ = add("BtnImprimir", QStringLiteral("Imprimir"), QStringLiteral("Imprimir"));
    connect(configure_, &QAction::triggered, this, &PreviewWindow::configurePrinter);
    connect(print_, &QAction::triggered, this, &PreviewWindow::print);
    toolbar->addSeparator();
    save_ = add("BtnSalvar", QStringLiteral("Salvar Relatório"), QStringLiteral("Salvar Relatório"));
    QAction* open = add("BtnAbrir", QStringLiteral("Abrir Relatório"), QStringLiteral("Abrir Relatório"));
    exportPdf_ = add("BtnExportarPDF", QStringLiteral("Exportar PDF"), QStringLiteral("Exportar PDF"));
    connect(save_, &QAction::triggered, this, &PreviewWindow::save);
    connect(open, &QAction::triggered, this, &PreviewWindow::open);
    exportSheet_ = add("BtnExportarPlanilha", QStringLiteral("Exportar Planilha..."),
                       QStringLiteral("Exportar para planilha (.xlsx ou .csv)"));
    connect(exportPdf_, &QAction::triggered, this, &PreviewWindow::exportPdf);
    connect(exportSheet_, &QAction::triggered, this, &PreviewWindow::exportSheet);
    toolbar->addSeparator();
    connect(add("BtnFechar", QStringLiteral("&Fechar"), QStringLiteral("Fechar")), &QAction::triggered, this,
            &QDialog::reject);

    scroll_ = new QScrollArea(this);
    scroll_->setAlignment(Qt::AlignCenter);
    scroll_->setBackgroundRole(QPalette::Dark);
    sheet_ = new QLabel(scroll_);
    sheet_->setObjectName(QStringLiteral("Folha"));
    scroll_->setWidget(sheet_);

    auto* status = new QStatusBar(this);
    status->setSizeGripEnabled(false);
    progress_ = new QLabel(generationStatus(0), status);
    progress_->setObjectName(QStringLiteral("LbProgresso"));
    pageLabel_ = new QLabel(QStringLiteral("Página"), status);
    pageLabel_->setObjectName(QStringLiteral("LbPagina"));
    status->addWidget(progress_);
    status->addWidget(pageLabel_, 1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(viewing);
    layout->addWidget(files);
    layout->addWidget(scroll_, 1);
    layout->addWidget(status);

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        // Wide enough for the whole toolbar, so no button hides behind an overflow arrow.
        const int width = std::min(area.width(), std::max(area.width() * 4 / 5, toolbar->sizeHint().width()));
        resize(width, area.height() * 4 / 5);
        move(area.center() - rect().center());
    }
    updateState();
}

PreviewWindow::~PreviewWindow() = default;

void PreviewWindow::generate() {
    if (!report_) return;
    generated_ = false;
    progress_->setText(generationStatus(0));
    updateState();
    GenerateOptions options;
    options.progress = [this](int percent) {
        progress_->setText(generationStatus(percent));
        // Repaint the status only: a click now could close the window under the generator.
        QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        return true;
    };
    PageModel model = [&] {
        const ui::KeepTablesStill tablesStill;
        return reports::generate(*report_, options);
    }();
    progress_->setText(generationStatus(100));
    generated_ = true;
    showModel(std::move(model));
}

void PreviewWindow::showModel(PageModel model) {
    model_ = std::move(model);
    current_ = 0;
    showPage(1);
}

void PreviewWindow::showPage(int number) {
    const int count = static_cast<int>(model_.pages.size());
    current_ = count == 0 ? 0 : std::clamp(number, 1, count);
    redraw();
    updateState();
}

void PreviewWindow::setZoom(Zoom zoom) {
    zoom_ = zoom;
    redraw();
}

void PreviewWindow::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    if (zoom_ != Zoom::Actual) redraw();
}

void PreviewWindow::redraw() {
    if (current_ == 0) {
        sheet_->clear();
        sheet_->resize(0, 0);
        return;
    }
    const QSize room = scroll_->viewport()->size() - QSize(16, 16);
    const double screenDpi = logicalDpiX();
    double dpi = screenDpi;
    if (zoom_ == Zoom::PageWidth) {
        dpi = room.width() / model_.widthMm() * kMmPerInch;
    } else if (zoom_ == Zoom::WholePage) {
        dpi = std::min(room.width() / model_.widthMm(), room.height() / model_.heightMm()) * kMmPerInch;
    }
    dpi = std::clamp(dpi, 10.0, 600.0);
    const QImage image = pageImage(model_, model_.pages[static_cast<std::size_t>(current_ - 1)], dpi);
    sheet_->setPixmap(QPixmap::fromImage(image));
    sheet_->resize(image.size());
}

void PreviewWindow::updateState() {
    const int count = static_cast<int>(model_.pages.size());
    pageLabel_->setText(count == 0 ? QStringLiteral("Página")
                                   : QStringLiteral("Página %1 de %2").arg(current_).arg(count));
    first_->setEnabled(current_ > 1);
    previous_->setEnabled(current_ > 1);
    next_->setEnabled(current_ < count);
    last_->setEnabled(current_ < count);
    const bool ready = generated_ || (!report_ && count > 0);
    configure_->setEnabled(ready);
    print_->setEnabled(ready);
    save_->setEnabled(count > 0);
    exportPdf_->setEnabled(count > 0);
    // A spreadsheet comes from the report's bands: pages opened from a file have none.
    exportSheet_->setEnabled(report_ && generated_);
}

void PreviewWindow::offerPdfWithoutPrinter() {
    if (dialogs_.confirma(QStringLiteral("Não há impressora instalada neste computador.\nDeseja exportar o "
                                         "relatório para um arquivo PDF?")))
        exportPdf();
}

bool PreviewWindow::askPrinter() {
    if (!printer_) printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer_->setPageOrientation(model_.landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    QPrintDialog dialog(printer_.get(), this);
    dialog.setWindowTitle(QStringLiteral("Configurar Impressão"));
    dialog.setMinMax(1, std::max(1, static_cast<int>(model_.pages.size())));
    dialog.setOption(QAbstractPrintDialog::PrintPageRange);
    return dialogs_.exec(dialog) == QDialog::Accepted;
}

void PreviewWindow::configurePrinter() {
    if (!printerInstalled()) return offerPdfWithoutPrinter();
    askPrinter();
}

void PreviewWindow::print() {
    if (!printerInstalled()) return offerPdfWithoutPrinter();
    if (askPrinter()) printTo(*printer_);
}

bool PreviewWindow::printTo(QPrinter& printer) {
    try {
        if (!report_) return printPages(model_, printer, this);
        return printPages(reports::generate(*report_), printer, this);
    } catch (const std::exception& error) {
        dialogs_.error(text(error));
        return false;
    }
}

void PreviewWindow::save() {
    const QString path = dialogs_.saveFile(QStringLiteral("Salvar Relatório"),
                                           QStringLiteral("relatorio.vrel"), kReportFilter);
    if (path.isEmpty()) return;
    try {
        saveReportFile(model_, path.toStdString());
    } catch (const OutputError& error) {
        dialogs_.message(text(error));
    }
}

void PreviewWindow::open() {
    const QString path = dialogs_.openFile(QStringLiteral("Abrir Relatório"), kReportFilter);
    if (path.isEmpty()) return;
    try {
        PageModel model = loadReportFile(path.toStdString());
        report_ = nullptr;  // what shows now is the file, not this report's run
        generated_ = false;
        showModel(std::move(model));
    } catch (const OutputError& error) {
        dialogs_.message(text(error));
    }
}

void PreviewWindow::exportPdf() {
    const QString path =
        dialogs_.saveFile(QStringLiteral("Exportar PDF"), QStringLiteral("relatorio.pdf"), kPdfFilter);
    if (path.isEmpty()) return;
    try {
        writePdf(model_, path.toStdString());
        dialogs_.message(QStringLiteral("Relatório exportado para %1.").arg(path));
    } catch (const OutputError& error) {
        dialogs_.message(text(error));
    }
}

void PreviewWindow::exportSheet() {
    QString path = dialogs_.saveFile(QStringLiteral("Exportar Planilha"), QStringLiteral("relatorio.xlsx"),
                                     kSheetFilter);
    if (path.isEmpty() || !report_) return;
    const bool csv = path.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive);
    if (!csv && !path.endsWith(QStringLiteral(".xlsx"), Qt::CaseInsensitive)) path += QStringLiteral(".xlsx");
    try {
        // Run again, as printing does: the figures are the report's, not read off the pages.
        const ReportSheet sheet = sheetOf(*report_);
        if (csv)
            writeCsv(sheet, path.toStdString());
        else
            writeXlsx(sheet, path.toStdString());
        dialogs_.message(QStringLiteral("Relatório exportado para %1.").arg(path));
    } catch (const OutputError& error) {
        dialogs_.message(text(error));
    } catch (const std::exception& error) {
        dialogs_.error(text(error));
    }
}

}  // namespace reports
