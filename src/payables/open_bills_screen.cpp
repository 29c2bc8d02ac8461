#include "payables/open_bills_screen.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "data/dm.h"
#include "data/refusal.h"
#include "payables/settlement.h"
#include "ui/date_box.h"
#include "ui/db_grid.h"
#include "ui/dialogs.h"
#include "ui/field_width.h"
#include "ui/form_layout.h"
#include "ui/guarded.h"
#include "ui/money_box.h"
#include "ui/upper_case_input.h"

namespace payables {

TFmConsPagar::TFmConsPagar(data::Tdm& dm, QWidget* parent)
    : BillsQuery(dm, dm.TbPagar, {&dm.TbPagar, &dm.TbBaixaP, &dm.TbConta}, "siData", "siData",
                 {{"DataVen", QStringLiteral("Vencimento")},
                  {"Descricao", QStringLiteral("Descrição do Pagamento")},
                  {"Dias", QStringLiteral("PC")},
                  {"TipoDOC", QStringLiteral("Tipo Documento")},
                  {"Cheque", QStringLiteral("Nº Cheque")},
                  {"FormaPG", QStringLiteral("Forma Pagamento")},
                  {"Valor", QStringLiteral("Valor R$")}},
                 parent),
      panel_(new QGroupBox(QStringLiteral("BAIXA PAGAMENTO"), this)),
      formaPG_(new QComboBox(panel_)),
      conta_(new QLineEdit(panel_)),
      banco_(new QLineEdit(panel_)),
      valor_(new ui::MoneyBox(panel_)),
      dataPG_(new ui::DateBox(panel_)),
      chequePG_(new QLineEdit(panel_)) {
    setObjectName(QStringLiteral("TFmConsPagar"));
    setWindowTitle(QStringLiteral("Consulta de Contas a  Pagar."));
    QPushButton* baixa = ui::addButton(*bar_, QStringLiteral("&Baixa Pagamento"), QStringLiteral("BitBtn2"));
    auto* porCheque = new QRadioButton(QStringLiteral("Nº Cheque:"), this);
    porCheque->setObjectName(QStringLiteral("RadioButton1"));
    bar_->addWidget(porCheque);
    bar_->addWidget(cheque_);
    QPushButton* fechar = ui::addButton(*bar_, QStringLiteral("&Fechar"), QStringLiteral("BitBtn3"));

    panel_->setObjectName(QStringLiteral("Panel1"));
    formaPG_->setObjectName(QStringLiteral("DBComboBox1"));
    formaPG_->setEditable(true);
    formaPG_->setInsertPolicy(QComboBox::NoInsert);
    formaPG_->addItems({QStringLiteral("DINHEIRO"), QStringLiteral("CHEQUE À VISTA"),
                        QStringLiteral("CHEQUE À PRAZO"), QStringLiteral("DÉBTO EM CONTA"),
                        QStringLiteral("TRANSFERÊNCIA"), QStringLiteral("SITE DO BANCO")});
    formaPG_->lineEdit()->setMaxLength(20);
    formaPG_->setMinimumContentsLength(20);
    ui::typeInUpperCase(formaPG_->lineEdit());
    conta_->setObjectName(QStringLiteral("DBEdit1"));
    conta_->setMaxLength(10);
    banco_->setObjectName(QStringLiteral("DBEdit2"));
    banco_->setMaxLength(15);
    banco_->setReadOnly(true);
    valor_->setObjectName(QStringLiteral("DBEdit3"));
    valor_->setReadOnly(true);
    dataPG_->setObjectName(QStringLiteral("MaskEdit3"));
    chequePG_->setObjectName(QStringLiteral("DBEdit4"));
    chequePG_->setMaxLength(10);
    for (QLineEdit* box : {conta_, banco_, chequePG_, formaPG_->lineEdit()})
        box->setMinimumWidth(ui::contentWidth(*box));
    QFormLayout* rows = ui::labelledRows(panel_);
    ui::addLabelledRow(*rows, QStringLiteral("Forma de PGTO."), formaPG_, QStringLiteral("Valor R$"), valor_);
    ui::addLabelledRow(*rows, QStringLiteral("Nº Conta:"), conta_, QStringLiteral("Banco:"), banco_);
    ui::addLabelledRow(*rows, QStringLiteral("Data PGTO."), dataPG_, QStringLiteral("Nº Cheque:"), chequePG_);
    auto* panelBar = new QHBoxLayout;
    panelBar->addStretch();
    QPushButton* registrar = ui::addButton(*panelBar, QStringLiteral("REGISTRAR"), QStringLiteral("BitBtn4"));
    QPushButton* cancelar = ui::addButton(*panelBar, QStringLiteral("CANCELAR"), QStringLiteral("BitBtn5"));
    rows->addRow(panelBar);
    layout()->addWidget(panel_);
    panel_->hide();

    connect(baixa, &QPushButton::clicked, this, &TFmConsPagar::baixaPagamento);
    connect(porCheque, &QRadioButton::clicked, cheque_, [this] { cheque_->setFocus(); });
    connect(fechar, &QPushButton::clicked, this, &QDialog::reject);
    connect(grid_, &ui::DbGrid::chosen, this, &QDialog::accept);
    connect(conta_, &QLineEdit::textChanged, this, &TFmConsPagar::showBankName);
    connect(registrar, &QPushButton::clicked, this, &TFmConsPagar::registrar);
    connect(cancelar, &QPushButton::clicked, this, &TFmConsPagar::cancelar);
}

// The bill current in the grid, shown in the panel; what is typed there is written only by
// "REGISTRAR".
void TFmConsPagar::baixaPagamento() {
    const std::optional<std::int64_t> bill =
        currentBill(QStringLiteral("Selecione o Registro a ser Baixado!"));
    if (!bill) return;
    bill_ = *bill;
    const auto text = [this](const char* field) {
        return QString::fromStdString(bills_.field(field).asString());
    };
    formaPG_->setCurrentText(text("FormaPG"));
    conta_->setText(text("Conta"));
    chequePG_->setText(text("Cheque"));
    seen_ = bills_.field("Valor").asCurrency();
    valor_->setAmount(*seen_);
    dataPG_->setDate(core::Date::today());
    panel_->show();
    formaPG_->setFocus();
}

void TFmConsPagar::showBankName() {
    QString name;
    ui::runGuarded([&] {
        store::Table& contas = dm_.TbConta;
        if (!contas.indexName().empty()) contas.setIndexName({});
        const std::string number = conta_->text().trimmed().toStdString();
        if (!number.empty() && contas.findKey({store::Value{number}}))
            name = QString::fromStdString(contas.field("Nome").asString());
    });
    banco_->setText(name);
}

void TFmConsPagar::registrar() {
    if (dataPG_->isEmpty()) {
        dataPG_->setFocus();
        ui::Dialogs::current().message(QStringLiteral("Indique a Data de Pagamento!"));
        return;
    }
    Payment payment{bill_,
                    formaPG_->currentText().trimmed().toStdString(),
                    conta_->text().trimmed().toStdString(),
                    chequePG_->text().trimmed().toStdString(),
                    {},
                    seen_};
    if (!ui::runGuarded([&] { payment.paidOn = dataPG_->date(); })) {
        dataPG_->setFocus();
        return;
    }
    if (!ui::Confirma(QStringLiteral("Baixar o Pagamento?"))) return;
    bool unknownAccount = false;
    const bool paid = ui::runGuarded([&] {
        try {
            settleBill(dm_, payment);
        } catch (const data::Refusal& refusal) {
            unknownAccount = std::string(refusal.what()) == "Conta Bancária Inexistente!";
            throw;
        }
    });
    if (!paid && unknownAccount) {
        conta_->setFocus();
        return;
    }
    // Paid, or gone at another station: either way it leaves the list.
    bill_ = 0;
    panel_->hide();
    showAgain();
    grid_->setFocus();
}

void TFmConsPagar::cancelar() {
    bill_ = 0;
    grid_->setFocus();
    panel_->hide();
}

}  // namespace payables
