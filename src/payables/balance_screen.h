#pragma once
// "Demonstrativo Financeiro - BALANCETE SINTÉTICO.": a period's revenue against its paid
// bills, searched with a gauge the user may stop, then printed as QrBalancete.
#include <QDialog>

#include <memory>

#include "core/period.h"
#include "reports/balance_sheet.h"
#include "reports/engine/preview.h"

class QLabel;
class QPushButton;
class QRadioButton;

namespace data {
class Tdm;
}
namespace ui {
class DateBox;
class LongPass;
}  // namespace ui

namespace payables {

class TFmBalancete : public QDialog {
    Q_OBJECT
  public:
    explicit TFmBalancete(data::Tdm& dm, reports::ReportOutput output = reports::previewReport,
                          QWidget* parent = nullptr);
    ~TFmBalancete() override;

  private:
    void pesquisar();
    void imprimir();
    void showStage(reports::BalanceStage stage, const reports::BalanceTotals& totals);
    void showTotals(const reports::BalanceTotals& totals);

    data::Tdm& dm_;
    reports::ReportOutput output_;
    QRadioButton* periodo_;
    ui::DateBox* inicial_;
    ui::DateBox* final_;
    QPushButton* pesquisa_;
    QPushButton* cancelar_;
    QPushButton* imprime_;
    QLabel* status_;
    QLabel* receitas_;
    QLabel* despesas_;
    QLabel* saldo_;
    std::unique_ptr<ui::LongPass> pass_;
    // What the last completed search found; printed by "&Imprimir".
    core::Period period_;
    reports::BalanceTotals totals_;
};

void showBalancete(data::Tdm& dm);

}  // namespace payables
