#pragma once
// The start screen of the login: maximised, the program's gradient, and the access cycle
// (splash, then the authorization dialog) each time it comes up or Enter is pressed, until
// a user is authorized or the screen is cancelled.
#include <QDialog>

class QLabel;
class QPushButton;

namespace data {
class Tdm;
}

namespace app {

class TFmTelaEntrar : public QDialog {
    Q_OBJECT
  public:
    explicit TFmTelaEntrar(data::Tdm& dm, QWidget* parent = nullptr);

    // The password typed in the most recent authorization dialog, however it ended.
    const QString& lastTypedPassword() const { return lastTyped_; }

    // Splash, then the authorization dialog; an authorized user closes the screen.
    void runAccessCycle();

  protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    data::Tdm& dm_;
    QString lastTyped_;
    bool cycleRunning_ = false;
    QLabel* label1_;
    QLabel* label2_;
    QPushButton* cancel_;
};

}  // namespace app
