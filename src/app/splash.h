#pragma once
// The splash window of the login: the program's picture, borderless, centred on the main
// window, until a key is pressed.
#include <QDialog>

namespace app {

class TFmFigura : public QDialog {
    Q_OBJECT
  public:
    explicit TFmFigura(QWidget* parent = nullptr);

  signals:
    void keyPressed();

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
};

}  // namespace app
