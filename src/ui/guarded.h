#pragma once
// Every screen action runs through here: a store error (or a date the user mistyped) ends
// the action with its text in the standard error box; a money action refused before its
// first write ends it with its reason in a message box; a post the table's own error hook
// already reported ends it silently. Exceptions must never cross Qt's event loop.
#include <functional>

namespace ui {

// True when the action ran to the end.
bool runGuarded(const std::function<void()>& action);

}  // namespace ui
