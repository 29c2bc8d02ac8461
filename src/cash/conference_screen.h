#pragma once
// "::.. Relatório de Conferência de Caixa": the period whose takings, commissions, advances
// and withdrawals are gathered and printed side by side. The gathering walks every record of
// the period with the gauge moving; closing the screen meanwhile stops it.
#include <QDialog>

#include <memory>

#include "reports/engine/preview.h"
#include "ui/long_pass.h"

class QProgressBar;
class QPushButton;

namespace data {
class Tdm;
}
namespace ui {
class DateBox;
}

namespace cash {

class TFmDataCONF : public QDialog {
    Q_OBJECT
  public:
    explicit TFmDataCONF(data::Tdm& dm, reports::ReportOutput output = reports::previewReport,
                         QWidget* parent = nullptr);

  private:
    void imprimir();

    data::Tdm& dm_;
    reports::ReportOutput output_;
    ui::DateBox* inicial_;
    ui::DateBox* final_;
    QProgressBar* gauge_ = nullptr;
    QPushButton* imprimir_ = nullptr;
    std::unique_ptr<ui::LongPass> pass_;
};

void showDataCONF(data::Tdm& dm);

}  // namespace cash
