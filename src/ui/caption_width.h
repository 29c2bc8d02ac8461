#pragma once
// How wide a window must be for the window manager to write its caption whole in the title
// bar: the caption in the bar's bold font, and the room the bar's icon and buttons take.
// A screen whose caption is wider than its controls starts wide enough for it; the screen check
// measures with it.
#include <QVBoxLayout>
#include <QWidget>

namespace ui {

int captionWidthToShow(const QWidget& window);

// Keeps the window that `column` lays out at least captionWidthToShow wide, whatever its
// controls need; call it once the caption is set.
void keepCaptionWhole(QVBoxLayout& column);

}  // namespace ui
