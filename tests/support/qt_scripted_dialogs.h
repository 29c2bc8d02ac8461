#pragma once
// The Dialogs service for screen tests: records every message and error, answers every
// question from a queue, hands each modal screen to the callback expected for it, and
// answers file choosers from queues. Anything unexpected, and any answer left unused when
// it goes, fails the running test. It installs itself for its lifetime.
#include <QDialog>
#include <QString>
#include <QStringList>

#include <deque>
#include <functional>

#include "ui/dialogs.h"

namespace testsupport {

class ScriptedDialogs : public ui::Dialogs {
  public:
    ScriptedDialogs();
    ~ScriptedDialogs() override;
    ScriptedDialogs(const ScriptedDialogs&) = delete;
    ScriptedDialogs& operator=(const ScriptedDialogs&) = delete;

    // What the program said, in order.
    QStringList messages;
    QStringList errors;
    QStringList questions;

    // The answer to the next Confirma.
    void answer(bool yes) { answers_.push_back(yes); }
    // The next modal screen must have this objectName or class name ("TFmConsProduto");
    // `handler` runs instead of the screen's event loop and gives its result.
    void expectScreen(const QString& name, std::function<int(QDialog&)> handler);
    // Results for the file choosers; an empty string is the user cancelling.
    void answerOpenFile(const QString& path) { openFiles_.push_back(QStringList{path}); }
    void answerOpenFiles(const QStringList& paths) { openFiles_.push_back(paths); }
    void answerSaveFile(const QString& path) { saveFiles_.push_back(path); }
    void answerDirectory(const QString& path) { directories_.push_back(path); }
    // Where the last several-files chooser started, and the extension it added.
    QString openFilesFolder, openFilesSuffix;
    // The file types the last save chooser offered.
    QString saveFileFilter;

    void message(const QString& text) override;
    bool confirma(const QString& question) override;
    void error(const QString& text) override;
    int exec(QDialog& screen) override;
    QString openFile(const QString& caption, const QString& filter) override;
    QStringList openFiles(const QString& caption, const QString& filter, const QString& folder,
                          const QString& defaultSuffix) override;
    QString saveFile(const QString& caption, const QString& suggestedPath, const QString& filter) override;
    QString chooseDirectory(const QString& caption, const QString& start) override;

  private:
    struct ExpectedScreen {
        QString name;
        std::function<int(QDialog&)> handler;
    };

    std::deque<bool> answers_;
    std::deque<ExpectedScreen> screens_;
    std::deque<QStringList> openFiles_;
    std::deque<QString> saveFiles_;
    std::deque<QString> directories_;
};

}  // namespace testsupport
