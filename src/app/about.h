#pragma once
// The "Sobre" menu: the about window, the reference guide and the program manual.
#include <QDialog>

namespace app {

// The program's picture; clicking it or the button closes the window.
class TFmSobre : public QDialog {
    Q_OBJECT
  public:
    explicit TFmSobre(QWidget* parent = nullptr);
};

// How the screens are used, in a few paragraphs.
class TFmAjuda : public QDialog {
    Q_OBJECT
  public:
    explicit TFmAjuda(QWidget* parent = nullptr);
};

// "MANUAL VELMORA.doc" in the program's home folder, opened with the application the system
// associates with it. A missing manual opens nothing and says nothing.
void openManual();

}  // namespace app
