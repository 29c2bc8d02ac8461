#pragma once
// "Consulta de Contas Pagas.": the paid bills by payment date, found by period or by
// document; a payment undone ("Estornar") or removed for good ("Excluir"), and the paid
// bills of the period searched printed.
#include "payables/bills_query.h"
#include "reports/engine/preview.h"

namespace payables {

class TFmConsBaixaPagar : public BillsQuery {
    Q_OBJECT
  public:
    explicit TFmConsBaixaPagar(data::Tdm& dm, QWidget* parent = nullptr,
                               reports::ReportOutput output = reports::previewReport);

  private:
    void estornar();
    void excluir();
    void imprimir();

    reports::ReportOutput output_;
    QPushButton* imprimir_;
    std::optional<core::Period> printed_;  // the period last searched
};

void showConsBaixaPagar(data::Tdm& dm);

}  // namespace payables
