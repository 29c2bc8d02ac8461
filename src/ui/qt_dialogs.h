#pragma once
// The Dialogs service with real windows, installed by the program at start.
#include "ui/dialogs.h"

class QWidget;

namespace ui {

// The window a box, a screen or a preview opened now belongs to: the modal screen in front,
// else the active window (the main window). Null before any window is shown.
QWidget* askingWindow();

// Once a box, screen or preview that `asking` opened has closed, `asking` is the active window
// again, unless another modal window has come up in front meanwhile. A window manager does not
// always give the focus back by itself, and a main window left inactive takes no Alt keys.
void giveActivationBack(QWidget* asking);

class QtDialogs : public Dialogs {
  public:
    void message(const QString& text) override;
    bool confirma(const QString& question) override;
    void error(const QString& text) override;
    int exec(QDialog& screen) override;
    QString openFile(const QString& caption, const QString& filter) override;
    QStringList openFiles(const QString& caption, const QString& filter, const QString& folder,
                          const QString& defaultSuffix) override;
    QString saveFile(const QString& caption, const QString& suggestedPath, const QString& filter) override;
    QString chooseDirectory(const QString& caption, const QString& start) override;
};

}  // namespace ui
