#include "reports/engine/preview.h"

#include <QEventLoop>

#include "reports/engine/preview_window.h"
#include "ui/dialogs.h"

namespace reports {

void previewReport(const Report& report) {
    PreviewWindow window(ui::Dialogs::current(), &report);
    window.show();
    window.generate();
    QEventLoop loop;
    QObject::connect(&window, &QDialog::finished, &loop, &QEventLoop::quit);
    if (window.isVisible()) loop.exec();
}

}  // namespace reports
