#pragma once
// "::.. Relatório de Comissões": a period, and either every employee's commissions less
// advances ("Geral...") or one employee's services ("Individual..."), read with a gauge that
// moves with every row; "&Imprimir" is held while the rows are read and the report is shown,
// and closing the screen meanwhile stops the reading.
#include <QDialog>

#include <memory>

#include "reports/engine/preview.h"

class QLineEdit;
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

class TFmDataServico2 : public QDialog {
    Q_OBJECT
  public:
    explicit TFmDataServico2(data::Tdm& dm, ReportOutput output = previewReport, QWidget* parent = nullptr);
    ~TFmDataServico2() override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void imprimir();

    data::Tdm& dm_;
    ReportOutput output_;
    QLineEdit* codigo_;
    QLineEdit* funcionario_;
    ui::DateBox* inicial_;
    ui::DateBox* final_;
    QRadioButton* geral_;
    QRadioButton* individual_;
    QProgressBar* gauge_;
    std::unique_ptr<ui::LongPass> pass_;
};

// The menu entry "Produtos e Serviços" › "Comissões de Funcionários...".
void showDataServico2(data::Tdm& dm);

}  // namespace reports
