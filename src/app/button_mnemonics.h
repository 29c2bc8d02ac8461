#pragma once
// Alt plus a bar button's underlined letter presses that button, also where a menu title
// underlines the same letter ("&Agenda" beside "&Arquivos"). A letter that several buttons
// underline ("A&brir", "&Balancete", "&Backup") moves the focus from one to the next; Enter
// or Space then presses the one focused.
#include <QObject>

#include <vector>

class QKeySequence;
class QMenuBar;
class QToolBar;
class QToolButton;

namespace app {

class ButtonMnemonics : public QObject {
  public:
    // Watches the bar's buttons as they are now and the menu bar beside them.
    ButtonMnemonics(QToolBar& bar, QMenuBar& menus);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // The buttons that can be pressed now and underline `key`'s letter, in bar order.
    std::vector<QToolButton*> owners(const QKeySequence& key) const;
    void press(const std::vector<QToolButton*>& owners);

    std::vector<QToolButton*> buttons_;
};

}  // namespace app
