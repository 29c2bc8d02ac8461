#pragma once
// The receipt panel of the sales screen ("RECIBO"): the name to print after "Cliente:",
// stored in the sale whether "IMPRIMIR" or "CANCELAR" is chosen; "IMPRIMIR" prints the
// receipt once asked "Imprimir Recibo?".
#include <QGroupBox>

#include <cstdint>

#include "reports/engine/preview.h"

class QLineEdit;

namespace data {
class Tdm;
}

namespace sales {

class ReceiptPanel : public QGroupBox {
    Q_OBJECT
  public:
    // `output` receives the receipt (the printer, in the program).
    ReceiptPanel(data::Tdm& dm, reports::ReportOutput output, QWidget* parent = nullptr);

    // Shows the panel for stored sale `saleNumber`, its client's name in the box, the focus there.
    void open(std::int64_t saleNumber);

  signals:
    // The panel hid again; the sale may have been renamed.
    void closed();

  private:
    bool storeName();
    void imprimir();
    void cancelar();

    data::Tdm& dm_;
    reports::ReportOutput output_;
    std::int64_t sale_ = 0;
    QLineEdit* cliente_;
};

}  // namespace sales
