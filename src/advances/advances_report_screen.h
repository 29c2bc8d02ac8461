#pragma once
// "::.. Relatório de Vales": the period, and either every employee ("Geral...") or one
// ("Individual..."), for the advances report.
#include <QDialog>

#include "reports/engine/preview.h"

class QLineEdit;
class QRadioButton;

namespace data {
class Tdm;
}
namespace ui {
class DateBox;
}

namespace advances {

class TFmDataVale : public QDialog {
    Q_OBJECT
  public:
    explicit TFmDataVale(data::Tdm& dm, reports::ReportOutput output = reports::previewReport,
                         QWidget* parent = nullptr);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool lookUpEmployee();
    void chooseEmployee();
    void imprimir();

    data::Tdm& dm_;
    reports::ReportOutput output_;
    QRadioButton* geral_;
    QRadioButton* individual_;
    QLineEdit* codigo_;
    QLineEdit* funcionario_;
    ui::DateBox* inicial_;
    ui::DateBox* final_;
};

void showDataVale(data::Tdm& dm);

}  // namespace advances
