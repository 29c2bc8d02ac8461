#pragma once
// The Dialogs service with real windows, installed by the program at start.
#include "ui/dialogs.h"

namespace ui {

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
