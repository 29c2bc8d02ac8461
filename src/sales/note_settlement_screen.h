#pragma once
// TFmDataRC, "::.. Acerto de Cliente - NOTINHAS": a client's open IOU notes listed, summed
// against the client's credit, printed ("Recibo") and settled ("&BAIXAR"). What "&BAIXAR"
// pays is always the list on show: changing the client clears it, and "Recibo" lists again.
#include <QDialog>

#include <optional>

#include "data/opened_tables.h"
#include "reports/engine/preview.h"
#include "sales/account_payments.h"

class QLineEdit;
class QPushButton;

namespace data {
class Tdm;
}

namespace sales {

class TFmDataRC : public QDialog {
    Q_OBJECT
  public:
    // "Recibo" hands its printout to `output`.
    explicit TFmDataRC(data::Tdm& dm, reports::ReportOutput output = reports::previewReport,
                       QWidget* parent = nullptr);
    ~TFmDataRC() override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void chooseClient();
    void clientEntered();
    void clientChanged();
    bool clientShown();
    bool list();
    void pesquisar();
    void recibo();
    void baixar();

    data::Tdm& dm_;
    reports::ReportOutput output_;
    data::OpenedTables tables_;
    // The client, notes and credit on show, and the notes' sum, once listed.
    std::optional<Settlement> listed_;
    core::Currency owed_;

    QLineEdit* codigo_;
    QLineEdit* cliente_;
    QLineEdit* total_;
    QLineEdit* pago_;
    QLineEdit* credito_;
    QLineEdit* saldo_;
    QPushButton* pesquisar_;
    QPushButton* recibo_;
    QPushButton* baixar_;
};

// Opens the settlement screen modally (the menu's and the sales screen's "Acerto").
void showDataRC(data::Tdm& dm);

}  // namespace sales
