#pragma once
// "Extrato Bancário.": the account and period of a statement.
#include <QDialog>

#include "reports/engine/preview.h"

namespace data {
class Tdm;
}
namespace ui {
class DateBox;
}

namespace bank {

class AccountBox;

class TFmDataExtrato : public QDialog {
    Q_OBJECT
  public:
    explicit TFmDataExtrato(data::Tdm& dm, reports::ReportOutput output = reports::previewReport,
                            QWidget* parent = nullptr);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void imprimir();

    data::Tdm& dm_;
    reports::ReportOutput output_;
    AccountBox* conta_;
    ui::DateBox* inicial_;
    ui::DateBox* final_;
};

}  // namespace bank
