#include "cash/opening_screen.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/cash_state.h"
#include "cash/cash_heading.h"
#include "data/dm.h"
#include "ui/dialogs.h"
#include "ui/enter_as_tab.h"
#include "ui/form_layout.h"
#include "ui/guarded.h"
#include "ui/money_box.h"

namespace cash {

TFmAbrir::TFmAbrir(data::Tdm& dm, QWidget* parent) : QDialog(parent), dm_(dm) {
    setObjectName(QStringLiteral("FmAbrir"));
    setWindowTitle(QStringLiteral("Abertura do Caixa."));
    dm_.TbCaixa.open();
    dm_.TbCaixa.last();
    dm_.TbFuncionario.open();

    employees_ = new QComboBox(this);
    employees_->setObjectName(QStringLiteral("DBLookupComboBox1"));
    employees_->setMinimumContentsLength(30);
    fillEmployees();
    connect(employees_, &QComboBox::activated, this, &TFmAbrir::chooseEmployee);
    openingCash_ = new ui::MoneyBox(this);
    openingCash_->setObjectName(QStringLiteral("DBEdit1"));

    auto* rows = ui::labelledRows();
    ui::addLabelledRow(*rows, QStringLiteral("Funcionário Responsável:"), employees_);
    openingCaption_ = ui::addLabelledRow(*rows, QStringLiteral("Valor Abertura R$"), openingCash_);

    auto* buttons = new QHBoxLayout;
    abrir_ = ui::addButton(*buttons, QStringLiteral("ABRIR CAIXA"), QStringLiteral("BitBtn1"));
    confirmar_ = ui::addButton(*buttons, QStringLiteral("CONFIRMAR"), QStringLiteral("BitBtn3"));
    cancelar_ = ui::addButton(*buttons, QStringLiteral("CANCELAR"), QStringLiteral("BitBtn2"));
    buttons->addStretch(1);
    QToolButton* help = addHelpButton(*buttons, QStringLiteral("SpeedButton1"), {kOpeningHelp});
    connect(abrir_, &QPushButton::clicked, this, [this] { ui::runGuarded([this] { abrirCaixa(); }); });
    connect(confirmar_, &QPushButton::clicked, this, [this] { ui::runGuarded([this] { confirmar(); }); });
    connect(cancelar_, &QPushButton::clicked, this, &TFmAbrir::cancelar);

    openingCaption_->hide();
    openingCash_->hide();
    confirmar_->setEnabled(false);
    confirmar_->hide();
    cancelar_->setEnabled(false);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(
        heading(this, QStringLiteral("ABERTURA DO CAIXA"), QStringLiteral("SpeedButton12"), {kOpeningHelp}));
    layout->addLayout(rows);
    layout->addLayout(buttons);
    const QWidget* order[] = {employees_, abrir_, openingCash_, confirmar_, cancelar_, help};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(const_cast<QWidget*>(order[i - 1]), const_cast<QWidget*>(order[i]));
    ui::installEnterAsTab(this);
}

TFmAbrir::~TFmAbrir() {
    dm_.TbCaixa.close();
    dm_.TbFuncionario.close();
}

void TFmAbrir::fillEmployees() {
    store::Table& f = dm_.TbFuncionario;
    for (f.first(); !f.eof(); f.next())
        employees_->addItem(QString::fromStdString(f.field("Nome").asString()),
                            QVariant::fromValue(f.field("Codigo").asInteger()));
    f.first();
    employees_->setCurrentIndex(-1);
}

void TFmAbrir::chooseEmployee(int index) {
    ui::runGuarded(
        [&] { dm_.TbFuncionario.findKey({store::Value{employees_->itemData(index).toLongLong()}}); });
}

Responsible TFmAbrir::responsible() const {
    // With none registered, an empty name and code 0.
    const int index = employees_->currentIndex();
    if (index < 0) return {};
    return {employees_->itemData(index).toLongLong(), employees_->itemText(index).toStdString()};
}

void TFmAbrir::abrirCaixa() {
    abrir_->setEnabled(false);
    confirmar_->setEnabled(true);
    const OpeningProposal proposal = proposeOpening(dm_);
    if (proposal.alreadyOpen) {
        ui::Dialogs::current().message(app::kCashAlreadyOpen);
        return;
    }
    // With nobody chosen the first employee is responsible: the list shows him before
    // "CONFIRMAR", so the opening never names someone the user did not see.
    if (employees_->currentIndex() < 0 && employees_->count() > 0) {
        employees_->setCurrentIndex(0);
        chooseEmployee(0);
    }
    cancelar_->setEnabled(true);
    confirmar_->show();
    openingCaption_->show();
    openingCash_->show();
    openingCash_->setAmount(proposal.openingCash);
    openingCash_->setFocus();
    openingCash_->selectAll();
}

void TFmAbrir::confirmar() {
    const core::Currency amount = openingCash_->amount();
    if (!ui::Confirma(QStringLiteral("Confirmar a Abertura?"))) return;
    openCash(dm_, responsible(), amount);
    ui::Dialogs::current().message(QStringLiteral("O Caixa Foi Aberto Corretamente!"));
    accept();
}

void TFmAbrir::cancelar() {
    if (!ui::Confirma(QStringLiteral("Cancelar a Abertura?"))) return;
    // Nothing was written: the table is as it was and the next opening takes the same number.
    ui::Dialogs::current().message(QStringLiteral("Abertura de Caixa Cancelada!"));
    reject();
}

void showAbrir(data::Tdm& dm) {
    TFmAbrir screen(dm);
    ui::Dialogs::current().exec(screen);
}

}  // namespace cash
