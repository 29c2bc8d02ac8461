#pragma once
// "Relatório - Fechamentos de Caixa.": the cash periods opened between two dates, listed with
// their takings ("Geral...") or with how each was opened and passed on ("Conferência de
// Abertura...").
#include <QDialog>

#include "reports/engine/preview.h"

class QPushButton;
class QRadioButton;

namespace data {
class Tdm;
}
namespace ui {
class DateBox;
}

namespace cash {

class TFmDataCaixa : public QDialog {
    Q_OBJECT
  public:
    explicit TFmDataCaixa(data::Tdm& dm, reports::ReportOutput output = reports::previewReport,
                          QWidget* parent = nullptr);

  private:
    void imprimir();

    data::Tdm& dm_;
    reports::ReportOutput output_;
    QRadioButton* geral_;
    QRadioButton* abertura_;
    ui::DateBox* inicial_;
    ui::DateBox* final_;
    QPushButton* imprimir_ = nullptr;
};

void showDataCaixa(data::Tdm& dm);

}  // namespace cash
