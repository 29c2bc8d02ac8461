#pragma once
// "::.. Relatório de Auditoria": a period, every user or one, every action or one, for the
// audit trail's report.
#include <QDialog>

#include "reports/engine/preview.h"

class QComboBox;

namespace data {
class Tdm;
}
namespace ui {
class DateBox;
}

namespace reports {

class TFmAuditoria : public QDialog {
    Q_OBJECT
  public:
    explicit TFmAuditoria(data::Tdm& dm, ReportOutput output = previewReport, QWidget* parent = nullptr);

  private:
    void imprimir();

    data::Tdm& dm_;
    ReportOutput output_;
    ui::DateBox* inicial_;
    ui::DateBox* final_;
    QComboBox* usuario_;
    QComboBox* acao_;
};

// The menu entry "Relatórios" › "Auditoria...".
void showAuditoria(data::Tdm& dm);

}  // namespace reports
