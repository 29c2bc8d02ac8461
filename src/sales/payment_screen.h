#pragma once
// TFmPagamento: the payment of the sale in progress. The user types a payment code; the
// screen shows its word, asks for the amount handed over where change or credit follows from
// it, applies the client's credit, and "REGISTRAR" stores the sale through
// registerSalePayment. The amount handed over and the change live in this screen only.
#include <QDialog>

#include <cstdint>

#include "core/currency.h"
#include "data/dm.h"
#include "sales/amount_handed_over.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace ui {
class DbEdit;
}

namespace sales {

class TFmPagamento : public QDialog {
    Q_OBJECT
  public:
    explicit TFmPagamento(data::Tdm& dm, QWidget* parent = nullptr);

    // Esc as "CANCELAR": any credit applied is undone and the sale stays in progress.
    void reject() override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void resolveCode();
    QString surplusCaption() const;
    void askAmountHandedOver(const QString& secondCaption);
    bool checkAmountHandedOver();
    // The client for NOTINHA, credit or an overpayment; once credit is taken, it is that
    // client's and the look-up is not run again. False when none was chosen.
    bool chooseClient();
    void useCredit();
    void allowOverpayment(bool allowed);
    QString confirmation(bool overpayment) const;
    void registrar();
    void refuse(QWidget* box, const QString& message);
    bool amountPanelShown() const;

    data::Tdm& dm_;
    std::int64_t clientCode_ = 0;
    core::Currency creditUsed_;
    core::Currency handedOver_;

    ui::DbEdit* codigo_;
    ui::DbEdit* forma_;
    AmountHandedOver handedOverPanel_;
    QCheckBox* aMais_;
    QPushButton* registrar_;
    QPushButton* cancelar_;
};

}  // namespace sales
