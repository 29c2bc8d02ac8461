#include "reports/engine/printing.h"

#include <QApplication>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProgressDialog>

#include <algorithm>

#include "reports/engine/output_error.h"
#include "reports/engine/page_painter.h"

namespace reports {

bool printerInstalled() {
    return !QPrinterInfo::availablePrinters().isEmpty();
}

bool printPages(const PageModel& model, QPrinter& printer, QWidget* parent) {
    if (model.pages.empty()) return true;
    const int last = static_cast<int>(model.pages.size());
    const bool ranged = printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0;
    const int from = ranged ? std::clamp(printer.fromPage(), 1, last) : 1;
    const int to = ranged ? std::clamp(printer.toPage(), from, last) : last;

    printer.setFullPage(true);
    printer.setPageLayout(pageLayoutOf(model));
    QProgressDialog progress(QString(), QStringLiteral("Cancel"), 0, to - from + 1, parent);
    progress.setWindowTitle(QStringLiteral("Printing progress"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(0);

    QPainter painter;
    if (!painter.begin(&printer)) throw OutputError("A impressora recusou o trabalho de impressão.");
    PagePainter pages(painter, model);
    for (int number = from; number <= to; ++number) {
        if (progress.wasCanceled()) {
            printer.abort();
            return false;
        }
        if (number > from) printer.newPage();
        pages.paint(model.pages[static_cast<std::size_t>(number - 1)]);
        progress.setValue(number - from + 1);
        QApplication::processEvents();
    }
    if (!painter.end()) throw OutputError("A impressora recusou o trabalho de impressão.");
    return true;
}

}  // namespace reports
