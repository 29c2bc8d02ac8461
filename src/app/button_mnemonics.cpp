#include "app/button_mnemonics.h"

#include <QAction>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMenuBar>
#include <QShortcutEvent>
#include <QToolBar>
#include <QToolButton>

#include <algorithm>

namespace app {

ButtonMnemonics::ButtonMnemonics(QToolBar& bar, QMenuBar& menus) : QObject(&bar) {
    for (QAction* action : bar.actions()) {
        auto* button = qobject_cast<QToolButton*>(bar.widgetForAction(action));
        if (button == nullptr) continue;
        // Focusable, so that a shared letter can move the focus onto it.
        button->setFocusPolicy(Qt::TabFocus);
        button->installEventFilter(this);
        buttons_.push_back(button);
    }
    menus.installEventFilter(this);
}

std::vector<QToolButton*> ButtonMnemonics::owners(const QKeySequence& key) const {
    std::vector<QToolButton*> found;
    for (QToolButton* button : buttons_) {
        QAction* action = button->defaultAction();
        if (button->isVisible() && button->isEnabled() && action != nullptr && action->isEnabled() &&
            QKeySequence::mnemonic(button->text()) == key)
            found.push_back(button);
    }
    return found;
}

void ButtonMnemonics::press(const std::vector<QToolButton*>& owners) {
    if (owners.size() == 1) return owners.front()->click();
    const auto focused =
        std::find_if(owners.begin(), owners.end(), [](QToolButton* b) { return b->hasFocus(); });
    QToolButton* next =
        focused == owners.end() || focused + 1 == owners.end() ? owners.front() : *(focused + 1);
    next->setFocus(Qt::ShortcutFocusReason);
}

bool ButtonMnemonics::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Shortcut) {
        // Whichever of the button and the menu bar the key reached, a button that owns it wins.
        const auto found = owners(static_cast<QShortcutEvent*>(event)->key());
        if (found.empty()) return false;
        press(found);
        return true;
    }
    if (event->type() == QEvent::KeyPress) {
        auto* button = qobject_cast<QToolButton*>(watched);
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (button != nullptr && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
            button->click();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace app
