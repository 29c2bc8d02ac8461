#include "ui/qt_dialogs.h"

#include <QApplication>
#include <QDialog>
#include <QEventLoop>
#include <QFileDialog>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <QWindow>

#include "ui/confirma.h"

namespace ui {

// Boxes, screens and previews open over whatever screen is active, so they stack above the
// screen that asked.
QWidget* askingWindow() {
    if (QWidget* modal = QApplication::activeModalWidget()) return modal;
    return QApplication::activeWindow();
}

void giveActivationBack(QWidget* asking) {
    if (asking == nullptr) return;
    // After the loop has run once more: the caller may be opening the next window right now.
    QTimer::singleShot(0, asking->window(), [window = asking->window()] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!window->isVisible() || window->isActiveWindow() || (modal != nullptr && modal != window)) return;
        window->activateWindow();
    });
}

namespace {

// A screen made without a parent still stacks over the window that opened it: the window
// manager keeps a transient window above its parent, and a click on the blocked parent
// cannot raise the parent over it.
void stackOverAskingWindow(QWidget& screen) {
    QWidget* asking = askingWindow();
    if (screen.parentWidget() != nullptr || asking == nullptr || asking->window() == &screen) return;
    screen.winId();  // the native window, to carry the hint
    if (QWindow* handle = screen.windowHandle()) handle->setTransientParent(asking->window()->windowHandle());
}

void showBox(QMessageBox::Icon icon, const QString& text) {
    QWidget* asking = askingWindow();
    QMessageBox box(icon, kAppTitle, text, QMessageBox::Ok, asking);
    box.exec();
    giveActivationBack(asking);
}

}  // namespace

void QtDialogs::message(const QString& text) {
    showBox(QMessageBox::Information, text);
}

void QtDialogs::error(const QString& text) {
    showBox(QMessageBox::Critical, text);
}

bool QtDialogs::confirma(const QString& question) {
    QWidget* asking = askingWindow();
    TFmConfirma dialog(question, asking);
    const bool yes = dialog.exec() == QDialog::Accepted;
    giveActivationBack(asking);
    return yes;
}

int QtDialogs::exec(QDialog& screen) {
    // Not QDialog::exec(): its loop ends as soon as the screen is hidden, and a screen hides
    // itself while another takes its place (the till while the payment is open). Only the
    // screen's own done() ends this one.
    QEventLoop loop;
    bool finished = false;
    const auto connection = QObject::connect(&screen, &QDialog::finished, &loop, [&] {
        finished = true;
        loop.quit();
    });
    const QPointer<QWidget> asking = askingWindow();
    const bool wasShowModal = screen.testAttribute(Qt::WA_ShowModal);
    screen.setAttribute(Qt::WA_ShowModal, true);
    screen.setResult(0);
    stackOverAskingWindow(screen);
    screen.show();
    if (!finished) loop.exec(QEventLoop::DialogExec);
    QObject::disconnect(connection);
    screen.setAttribute(Qt::WA_ShowModal, wasShowModal);
    if (asking != nullptr && asking->window() != &screen) giveActivationBack(asking);
    return screen.result();
}

QString QtDialogs::openFile(const QString& caption, const QString& filter) {
    return QFileDialog::getOpenFileName(askingWindow(), caption, QString(), filter);
}

QStringList QtDialogs::openFiles(const QString& caption, const QString& filter, const QString& folder,
                                 const QString& defaultSuffix) {
    QFileDialog dialog(askingWindow(), caption, folder, filter);
    dialog.setFileMode(QFileDialog::ExistingFiles);
    dialog.setDefaultSuffix(defaultSuffix);
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles() : QStringList();
}

QString QtDialogs::saveFile(const QString& caption, const QString& suggestedPath, const QString& filter) {
    return QFileDialog::getSaveFileName(askingWindow(), caption, suggestedPath, filter);
}

QString QtDialogs::chooseDirectory(const QString& caption, const QString& start) {
    return QFileDialog::getExistingDirectory(askingWindow(), caption, start);
}

}  // namespace ui
