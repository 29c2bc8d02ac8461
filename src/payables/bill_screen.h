#pragma once
// "Contas a Pagar." (CONTAS A PAGAR): bills entered, changed, deleted, split into monthly
// installments; a bill in "DINHEIRO" is paid as it is saved.
#include "payables/bill_form.h"

class QGroupBox;
class QLabel;

namespace payables {

class TFmPagar : public BillForm {
    Q_OBJECT
  public:
    explicit TFmPagar(data::Tdm& dm, QWidget* parent = nullptr);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void novo();
    void gravar();
    void alterar();
    void excluir();
    void consultar();
    void parcelar();
    void proposeInstallment();
    void registrar();
    void cancelarParcelas();
    void hideInstallments();
    void setEntering(bool entering);

    QPushButton* novo_;
    QPushButton* excluir_;
    QPushButton* alterar_;
    QPushButton* parcelar_;
    QGroupBox* parcelas_;
    ui::MoneyBox* total_;
    QLineEdit* numeroParcelas_;
    ui::MoneyBox* valorParcela_;
    ui::DateBox* primeiroVencimento_;
    QLabel* gerando_;
    bool installmentTyped_ = false;
};

void showPagar(data::Tdm& dm);

}  // namespace payables
