#pragma once
// "::.. Relatório de Serviços": a period and one of four reports over its sales ("Geral...",
// "Resumido...", "Detalhado...", "Contas Recebidas..."), read with a gauge that moves with
// every row; "Imprimir" is held while the rows are read and the report is shown, and
// closing the screen meanwhile stops the reading.
#include <QDialog>

#include <memory>

#include "reports/engine/preview.h"

class QProgressBar;
class QPushButton;
class QRadioButton;

namespace data {
class Tdm;
}
namespace ui {
class DateBox;
class LongPass;
}  // namespace ui

namespace reports {

class TFmDataServico : public QDialog {
    Q_OBJECT
  public:
    explicit TFmDataServico(data::Tdm& dm, ReportOutput output = previewReport, QWidget* parent = nullptr);
    ~TFmDataServico() override;

  private:
    void imprimir();

    data::Tdm& dm_;
    ReportOutput output_;
    ui::DateBox* inicial_;
    ui::DateBox* final_;
    QRadioButton* variants_[4];
    QPushButton* imprimir_;
    QProgressBar* gauge_;
    std::unique_ptr<ui::LongPass> pass_;
};

// The menu entry "Produtos e Serviços" › "Por Período...".
void showDataServico(data::Tdm& dm);

}  // namespace reports
