#pragma once
// "Impressora de Recibos" of the settings screen: where receipts go (none, a network printer,
// a device file or a raw CUPS queue), the paper width, the character table and the cash
// drawer. "Imprimir Teste" tries what is on screen before it is recorded.
#include <QGroupBox>

#include "receipts/printer_settings.h"

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace data {
class Tdm;
}

namespace app {

class ReceiptPrinterGroup : public QGroupBox {
    Q_OBJECT
  public:
    ReceiptPrinterGroup(data::Tdm& dm, QWidget* parent = nullptr);

    void showSettings(const receipts::PrinterSettings& settings);
    // What is on screen; a port that is not a number keeps the default.
    receipts::PrinterSettings settings() const;

  private:
    void enableForTransport();
    void printTest();

    data::Tdm& dm_;
    QComboBox* transport_;
    QLineEdit* host_;
    QLineEdit* port_;
    QLineEdit* device_;
    QLineEdit* queue_;
    QComboBox* width_;
    QComboBox* codePage_;
    QCheckBox* drawer_;
};

}  // namespace app
