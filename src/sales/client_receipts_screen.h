#pragma once
// TFmReceberBCliente "Relatório de Contas Recebidas - Por Cliente.": one client's received
// amounts of a period, printed.
#include <QDialog>

#include "data/opened_tables.h"
#include "reports/engine/preview.h"

class QLineEdit;
class QPushButton;

namespace data {
class Tdm;
}
namespace ui {
class DateBox;
}

namespace sales {

class TFmReceberBCliente : public QDialog {
    Q_OBJECT
  public:
    // "&Imprimir" hands its printout (TFmRelReceberBCliente) to `output`.
    explicit TFmReceberBCliente(data::Tdm& dm, reports::ReportOutput output = reports::previewReport,
                                QWidget* parent = nullptr);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void chooseClient();
    void clientEntered();
    void imprimir();

    data::Tdm& dm_;
    reports::ReportOutput output_;
    data::OpenedTables tables_;
    QLineEdit* codigo_;
    QLineEdit* cliente_;
    ui::DateBox* from_;
    ui::DateBox* to_;
    QPushButton* imprimir_;
};

// Opens the screen modally (the menu's "Contas Recebidas - Por Cliente...").
void showReceberBCliente(data::Tdm& dm);

}  // namespace sales
