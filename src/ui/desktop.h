#pragma once
// Where a screen must fit whole: the common salon desktop (1366 × 768) less its taskbar and
// a window's title bar. The main window fills it, as it does maximised.
#include <QSize>

namespace ui {

inline constexpr QSize kDesktopArea{1366, 768 - 40 - 30};

}  // namespace ui
