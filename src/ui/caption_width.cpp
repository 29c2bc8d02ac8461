#include "ui/caption_width.h"

#include <QApplication>
#include <QFontMetrics>

namespace ui {
namespace {

// The window's icon and its minimise, maximise and close buttons, each about as wide as the
// bar is high, and the bar's own margins.
constexpr int kTitleButtons = 4;
constexpr int kButtonPadding = 8;
constexpr int kBarMargins = 16;

}  // namespace

int captionWidthToShow(const QWidget& window) {
    QFont font = QApplication::font();
    font.setBold(true);
    const QFontMetrics metrics(font);
    return metrics.horizontalAdvance(window.windowTitle()) +
           kTitleButtons * (metrics.height() + kButtonPadding) + kBarMargins;
}

void keepCaptionWhole(QVBoxLayout& column) {
    const QMargins margins = column.contentsMargins();
    column.addStrut(captionWidthToShow(*column.parentWidget()) - margins.left() - margins.right());
}

}  // namespace ui
