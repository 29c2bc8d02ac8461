#include "ui/desktop.h"

#include <QLayout>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace ui {

void keepOnScreen(QWidget& window) {
    if (QLayout* layout = window.layout()) layout->activate();
    const QScreen* screen = window.screen();
    if (screen == nullptr || !window.isVisible()) return;
    const QRect area = screen->availableGeometry();
    const QRect frame = window.frameGeometry();
    const int overhang = frame.bottom() - area.bottom();
    if (overhang <= 0) return;
    window.move(frame.left(), std::max(area.top(), frame.top() - overhang));
}

}  // namespace ui
