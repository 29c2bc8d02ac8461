#include "reports/engine/preview.h"

#include <QEventLoop>
#include <QPrinter>

#include "reports/engine/generator.h"
#include "reports/engine/preview_window.h"
#include "reports/engine/printing.h"
#include "ui/dialogs.h"
#include "ui/qt_dialogs.h"

namespace reports {

void previewReport(const Report& report) {
    // Over the screen that asked and modal to it: a preview left behind a modal screen
    // could take no input, nor could the screen it blocked.
    QWidget* asking = ui::askingWindow();
    PreviewWindow window(ui::Dialogs::current(), &report, asking);
    window.setWindowModality(Qt::WindowModal);
    window.show();
    window.generate();
    QEventLoop loop;
    QObject::connect(&window, &QDialog::finished, &loop, &QEventLoop::quit);
    if (window.isVisible()) loop.exec();
    ui::giveActivationBack(asking);
}

void printReport(const Report& report) {
    if (!printerInstalled()) {
        ui::Dialogs::current().message(QStringLiteral("Não há impressora instalada neste computador."));
        return previewReport(report);
    }
    QPrinter printer(QPrinter::HighResolution);
    printPages(generate(report), printer);
}

}  // namespace reports
