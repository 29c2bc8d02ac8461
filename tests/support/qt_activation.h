#pragma once
// A look-up screen on a real desktop takes the activation from the window that opened it,
// and the window manager gives it back only after the look-up has closed: in between, a
// focus the program sets on that window arrives later, as the window's return.
class QWidget;

namespace testsupport {

// Shows `lookup` as the active window, as a real modal look-up screen is. The caller hides it.
void takeActivation(QWidget& lookup);
// Makes `window` active again, as the window manager does once the look-up has gone.
void giveActivationBack(QWidget& window);

}  // namespace testsupport
