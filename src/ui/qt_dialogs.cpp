#include "ui/qt_dialogs.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>

#include "ui/confirma.h"

namespace ui {
namespace {

// Boxes open over whatever screen is active, so they stack above the screen that asked.
QWidget* owner() {
    if (QWidget* modal = QApplication::activeModalWidget()) return modal;
    return QApplication::activeWindow();
}

void showBox(QMessageBox::Icon icon, const QString& text) {
    QMessageBox box(icon, kAppTitle, text, QMessageBox::Ok, owner());
    box.exec();
}

}  // namespace

void QtDialogs::message(const QString& text) {
    showBox(QMessageBox::Information, text);
}

void QtDialogs::error(const QString& text) {
    showBox(QMessageBox::Critical, text);
}

bool QtDialogs::confirma(const QString& question) {
    TFmConfirma dialog(question, owner());
    return dialog.exec() == QDialog::Accepted;
}

int QtDialogs::exec(QDialog& screen) {
    return screen.exec();
}

QString QtDialogs::openFile(const QString& caption, const QString& filter) {
    return QFileDialog::getOpenFileName(owner(), caption, QString(), filter);
}

QStringList QtDialogs::openFiles(const QString& caption, const QString& filter, const QString& folder,
                                 const QString& defaultSuffix) {
    QFileDialog dialog(owner(), caption, folder, filter);
    dialog.setFileMode(QFileDialog::ExistingFiles);
    dialog.setDefaultSuffix(defaultSuffix);
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles() : QStringList();
}

QString QtDialogs::saveFile(const QString& caption, const QString& suggestedPath, const QString& filter) {
    return QFileDialog::getSaveFileName(owner(), caption, suggestedPath, filter);
}

QString QtDialogs::chooseDirectory(const QString& caption, const QString& start) {
    return QFileDialog::getExistingDirectory(owner(), caption, start);
}

}  // namespace ui
