#pragma once
// Every screen action runs through here: a store error (or a date the user mistyped) ends
// the action with its text in the standard error box; a money action refused before its
// first write ends it with its reason in a message box; a post the table's own error hook
// already reported ends it silently. Exceptions must never cross Qt's event loop.
#include <functional>

class QWidget;

namespace ui {

// True when the action ran to the end.
bool runGuarded(const std::function<void()>& action);

// The same, with `held` disabled while it runs and given back afterwards: a print button held
// while its preview is up, so one request shows one preview.
bool runHeld(QWidget& held, const std::function<void()>& action);

}  // namespace ui
