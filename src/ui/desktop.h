#pragma once
// Where a screen must fit whole: the common salon desktop (1366 × 768) less its taskbar and
// a window's title bar. The main window fills it, as it does maximised.
#include <QSize>

class QWidget;

namespace ui {

inline constexpr QSize kDesktopArea{1366, 768 - 40 - 30};

// A window that has just grown (a panel shown) is moved up as far as needed for none of it to
// hang below the screen's edge; the window manager placed it for its smaller size.
void keepOnScreen(QWidget& window);

}  // namespace ui
