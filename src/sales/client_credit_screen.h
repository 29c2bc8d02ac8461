#pragma once
// TFmCredito, "::.. Crédito de Clientes": a client chosen with "CONSULTAR" buys credit in
// advance; "REGISTRAR" takes the amount to the credit purchase payment.
#include <QDialog>

#include "data/opened_tables.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace data {
class Tdm;
}
namespace ui {
class DbEdit;
}

namespace sales {

class TFmCredito : public QDialog {
    Q_OBJECT
  public:
    explicit TFmCredito(data::Tdm& dm, QWidget* parent = nullptr);

  private:
    void consultar();
    void registrar();
    void showCredit();

    data::Tdm& dm_;
    data::OpenedTables tables_;
    QLineEdit* credito_;
    QLabel* saldo_;
    QPushButton* registrar_;
};

// Opens the credit screen modally (the menu's "Crédito").
void showCredito(data::Tdm& dm);

}  // namespace sales
