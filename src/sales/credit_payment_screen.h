#pragma once
// The payment of credit a client buys in advance: the form of payment, then the credit goes
// into the cash and onto the client's balance.
#include <QDialog>

#include <cstdint>

#include "core/currency.h"

class QLineEdit;
class QPushButton;

namespace data {
class Tdm;
}

namespace sales {

class TFmPagamentoCD : public QDialog {
    Q_OBJECT
  public:
    TFmPagamentoCD(data::Tdm& dm, std::int64_t clientCode, core::Currency credit, QWidget* parent = nullptr);
    bool registered() const { return registered_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void resolveCode();
    void registrar();

    data::Tdm& dm_;
    std::int64_t clientCode_;
    core::Currency credit_;
    QLineEdit* code_;
    QLineEdit* form_;
    QPushButton* registrar_;
    bool registered_ = false;
};

}  // namespace sales
