#pragma once
// The Enter-key convention of the data-entry screens: Enter moves to the next control in
// tab order, exactly as Tab would, instead of reaching the focused control or the
// screen's default button. A focused push button still takes Enter and clicks.
class QWidget;

namespace ui {

// Installs the convention on `screen` for as long as the screen lives.
void installEnterAsTab(QWidget* screen);
// Lets `control` (and whatever it contains) receive Enter normally: a memo that takes line
// breaks, a grid that chooses its row.
void allowEnterIn(QWidget* control);

}  // namespace ui
