#include "payables/paid_bills_screen.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "data/dm.h"
#include "payables/settlement.h"
#include "reports/payables_reports.h"
#include "ui/dialogs.h"
#include "ui/form_layout.h"
#include "ui/guarded.h"

namespace payables {

TFmConsBaixaPagar::TFmConsBaixaPagar(data::Tdm& dm, QWidget* parent, reports::ReportOutput output)
    : BillsQuery(dm, dm.TbBaixaP, {&dm.TbBaixaP, &dm.TbPagar}, "siBaixa", "",
                 {{"DataBaixa", QStringLiteral("Data Baixa")},
                  {"DataVen", QStringLiteral("Vencimento")},
                  {"Descricao", QStringLiteral("Descrição do Pagamento")},
                  {"FormaPG", QStringLiteral("Forma Pagamento")},
                  {"Cheque", QStringLiteral("Nº Cheque")},
                  {"TipoDOC", QStringLiteral("Tipo Documento")},
                  {"Valor", QStringLiteral("Valor R$")},
                  {"Fornecedor", QStringLiteral("Fornecedor")},
                  {"Funcionario", QStringLiteral("Funcionário")},
                  {"Plano", QStringLiteral("Plano de Contas")}},
                 parent),
      output_(std::move(output)) {
    setObjectName(QStringLiteral("TFmConsBaixaPagar"));
    setWindowTitle(QStringLiteral("Consulta de Contas Pagas."));
    QPushButton* estornar = ui::addButton(*bar_, QStringLiteral("Estornar"), QStringLiteral("BitBtn2"));
    bar_->addWidget(new QLabel(QStringLiteral("Nº Cheque:"), this));
    bar_->addWidget(cheque_);
    imprimir_ = ui::addButton(*bar_, QStringLiteral("Imprimir"), QStringLiteral("BitBtn3"));
    imprimir_->setEnabled(false);
    QPushButton* fechar = ui::addButton(*bar_, QStringLiteral("&Fechar"), QStringLiteral("BitBtn4"));
    QPushButton* excluir = ui::addButton(*bar_, QStringLiteral("Excluir"), QStringLiteral("BitBtn5"));

    connect(this, &BillsQuery::searched, this, [this](const core::Period& period) {
        printed_ = period;
        imprimir_->setEnabled(true);
    });
    connect(estornar, &QPushButton::clicked, this, &TFmConsBaixaPagar::estornar);
    connect(imprimir_, &QPushButton::clicked, this, &TFmConsBaixaPagar::imprimir);
    connect(fechar, &QPushButton::clicked, this, &QDialog::reject);
    connect(excluir, &QPushButton::clicked, this, &TFmConsBaixaPagar::excluir);
}

void TFmConsBaixaPagar::estornar() {
    const std::optional<std::int64_t> paid =
        currentBill(QStringLiteral("Selecione o Registro a ser Estornado!"));
    if (!paid || !ui::Confirma(QStringLiteral("Estornar o Lançamento?"))) return;
    const bool done = ui::runGuarded([&] { reversePaidBill(dm_, *paid); });
    showAgain();
    if (done) ui::Dialogs::current().message(QStringLiteral("O Lançamento Foi Estornado!"));
}

void TFmConsBaixaPagar::excluir() {
    const std::optional<std::int64_t> paid =
        currentBill(QStringLiteral("Selecione o Registro a ser Excluído!"));
    if (!paid || !ui::Confirma(QStringLiteral("Excluir o Lançamento?"))) return;
    const bool done = ui::runGuarded([&] { deletePaidBill(dm_, *paid); });
    showAgain();
    if (done) ui::Dialogs::current().message(QStringLiteral("O Lançamento Foi Excluído!"));
}

// The paid bills of the period last searched. The report puts the table back as menus
// leave it, so the list is shown again afterwards.
void TFmConsBaixaPagar::imprimir() {
    if (!printed_) return;
    const reports::PayablesSelection selection{reports::Bills::Paid, std::nullopt, *printed_};
    ui::runGuarded([&] { reports::printPayables(dm_, selection, output_); });
    showAgain();
}

void showConsBaixaPagar(data::Tdm& dm) {
    TFmConsBaixaPagar screen(dm);
    ui::Dialogs::current().exec(screen);
}

}  // namespace payables
