#pragma once
// The program's own pictures, drawn rather than shipped: the blue-to-black background of the
// main and start windows, and the emblem of the splash and about windows.
#include <QPixmap>
#include <QWidget>

namespace app {

// A widget whose background is the program's vertical gradient from blue to black.
class GradientPanel : public QWidget {
    Q_OBJECT
  public:
    using QWidget::QWidget;

  protected:
    void paintEvent(QPaintEvent* event) override;
};

// The program's emblem with its name, at the given size.
QPixmap programPicture(const QSize& size);

}  // namespace app
