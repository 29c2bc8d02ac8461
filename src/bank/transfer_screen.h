#pragma once
// "TRANSFERÊNCIA BANCÁRIA": moves a value from one account to another. It has no caption
// and no window buttons: it is left only through "TRANFERIR" or "CANCELAR".
#include <QDialog>

class QLineEdit;
class QPushButton;

namespace data {
class Tdm;
}
namespace ui {
class DateBox;
}

namespace bank {

class AccountBox;

class TFmTransferir : public QDialog {
    Q_OBJECT
  public:
    explicit TFmTransferir(data::Tdm& dm, QWidget* parent = nullptr);

    // Esc and the window system's close do nothing here.
    void reject() override {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void lookUpOrigin();
    void lookUpDestination();
    void transferir();
    void cancelar();

    data::Tdm& dm_;
    AccountBox* origem_;
    QLineEdit* origemBanco_;
    QLineEdit* origemAgencia_;
    ui::DateBox* data_;
    QLineEdit* identificacao_;
    QLineEdit* valor_;
    AccountBox* destino_;
    QLineEdit* destinoBanco_;
    QLineEdit* destinoAgencia_;
    QPushButton* transferir_;
};

}  // namespace bank
