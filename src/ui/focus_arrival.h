#pragma once
// A box that acts when the focus arrives (a name box looking up the code beside it) must
// act also when the program sends the focus there after a look-up screen.
class QWidget;

namespace ui {

// Sends the focus to `box` as a move by the program, so that what the box does on arrival
// runs once: now when its window is active, even when the box had the focus already; when
// the window is inactive (a look-up screen has just closed and the window manager has not
// given the window back yet), as soon as the window is active again, where Qt would report
// only the window's return.
void moveFocusTo(QWidget* box);

}  // namespace ui
