#pragma once
// The one way screens talk to the user outside their own window: message boxes, the
// Yes/No question, the standard error box, modal screens and file choosers. Production
// shows real windows; tests install a scripted twin that answers from a queue.
#include <QString>
#include <QStringList>

#include <string>

#include "data/messages.h"

class QDialog;
class QWidget;

namespace ui {

inline const QString kAppTitle = QStringLiteral("Velmora...");

class Dialogs : public data::Messages {
  public:
    ~Dialogs() override = default;

    // A modal box titled "Velmora..." with the text and one OK button.
    virtual void message(const QString& text) = 0;
    // "Confirmação!" with "&Sim" (default, Enter) and "&Não" (Esc, close): true only for Sim.
    virtual bool confirma(const QString& question) = 0;
    // The standard error box: a store error's text, shown unchanged; the action ends there.
    virtual void error(const QString& text) = 0;
    // Shows a screen modally and returns its result once it has closed.
    virtual int exec(QDialog& screen) = 0;
    // File choosers; an empty result means the user cancelled.
    virtual QString openFile(const QString& caption, const QString& filter) = 0;
    // Several files, starting in `folder`; a name typed without extension gets `defaultSuffix`.
    virtual QStringList openFiles(const QString& caption, const QString& filter, const QString& folder,
                                  const QString& defaultSuffix) = 0;
    virtual QString saveFile(const QString& caption, const QString& suggestedPath, const QString& filter) = 0;
    virtual QString chooseDirectory(const QString& caption, const QString& start) = 0;

    // data::Messages: what the data module says is a plain message box.
    void inform(const std::string& text) override { message(QString::fromStdString(text)); }

    // The service in use. Production installs the real one at start; tests their own.
    static Dialogs& current();
    static void install(Dialogs* dialogs);
};

// Shorthand used by every screen.
inline bool Confirma(const QString& question) {
    return Dialogs::current().confirma(question);
}

}  // namespace ui
