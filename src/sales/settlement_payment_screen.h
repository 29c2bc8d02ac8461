#pragma once
// TFmPagamentoBA: how a client pays the balance of the open IOU notes the settlement screen
// listed. The code becomes its form; cash asks for the amount handed over and shows the
// change; "REGISTRAR" settles through settleNotes, which checks again that the notes and the
// credit are still those listed. The working values live in this screen only.
#include <QDialog>

#include "sales/account_payments.h"
#include "sales/amount_handed_over.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace data {
class Tdm;
}

namespace sales {

class TFmPagamentoBA : public QDialog {
    Q_OBJECT
  public:
    // `listed` holds the client, its notes and credit as listed, and the amount paid (code
    // and form are chosen here); `owed` is the sum of those notes.
    TFmPagamentoBA(data::Tdm& dm, const Settlement& listed, core::Currency owed, QWidget* parent = nullptr);

    // What the settlement left, once registered.
    const std::optional<SettlementResult>& result() const { return result_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void resolveCode();
    bool checkAmountHandedOver();
    void registrar();
    void refuse(QWidget* box, const QString& message);

    data::Tdm& dm_;
    Settlement settlement_;
    std::optional<SettlementResult> result_;

    QLineEdit* codigo_;
    QLineEdit* forma_;
    AmountHandedOver handedOverPanel_;
    QPushButton* registrar_;
};

}  // namespace sales
