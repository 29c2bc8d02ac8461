#pragma once
// "Contas Recebidas.": the receivables settled in a period, printed with their total and the
// payment-form figures of the rows listed.
#include <QDialog>

#include "reports/engine/preview.h"

class QPushButton;

namespace data {
class Tdm;
}
namespace ui {
class DateBox;
}

namespace sales {

class TConsBaixaReceber : public QDialog {
    Q_OBJECT
  public:
    explicit TConsBaixaReceber(data::Tdm& dm, reports::ReportOutput output = reports::previewReport,
                               QWidget* parent = nullptr);

  private:
    void imprimir();

    data::Tdm& dm_;
    reports::ReportOutput output_;
    ui::DateBox* inicial_;
    ui::DateBox* final_;
    QPushButton* imprimir_;
};

// The hidden menu entry "Contas Recebidas...".
void showConsBaixaReceber(data::Tdm& dm);

}  // namespace sales
