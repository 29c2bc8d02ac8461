#include "advances/advance_screen.h"

#include <QFocusEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/access.h"
#include "data/dm.h"
#include "data/pending_bill.h"
#include "data/refusal.h"
#include "registers/employee_search.h"
#include "ui/date_box.h"
#include "ui/dialogs.h"
#include "ui/enter_as_tab.h"
#include "ui/field_binding.h"
#include "ui/field_width.h"
#include "ui/focus_arrival.h"
#include "ui/form_layout.h"
#include "ui/guarded.h"
#include "ui/money_box.h"

namespace advances {

namespace {

QLineEdit* readOnly(QLineEdit* box, const QString& name, const QString& text = {}) {
    box->setObjectName(name);
    box->setText(text);
    box->setReadOnly(true);
    box->setFocusPolicy(Qt::NoFocus);
    return box;
}

}  // namespace

TFmVale::TFmVale(data::Tdm& dm, reports::ReportOutput output, QWidget* parent)
    : QDialog(parent),
      dm_(dm),
      output_(std::move(output)),
      lancamento_(new ui::DateBox(this)),
      vencimento_(new ui::DateBox(this)),
      valor_(new ui::MoneyBox(this)),
      descricao_(new QLineEdit(this)),
      codigo_(new QLineEdit(this)),
      funcionario_(new QLineEdit(this)),
      cheque_(new QLineEdit(this)),
      emDinheiro_(new QRadioButton(QStringLiteral("Em Dinheiro"), this)),
      emCheque_(new QRadioButton(QStringLiteral("Em Cheque"), this)) {
    setObjectName(QStringLiteral("TFmVale"));
    setWindowTitle(QStringLiteral("::.. Controle de Vales"));
    auto* heading = new QLabel(QStringLiteral("EMISSÃO DE VALE"), this);
    heading->setStyleSheet(QStringLiteral("font-weight: bold; font-size: 14pt"));
    readOnly(lancamento_, QStringLiteral("DBEdit1"));
    readOnly(vencimento_, QStringLiteral("DBEdit2"));
    valor_->setObjectName(QStringLiteral("DBEdit3"));
    descricao_->setObjectName(QStringLiteral("DBEdit4"));
    descricao_->setMaxLength(70);
    codigo_->setObjectName(QStringLiteral("DBEdit5"));
    codigo_->setMaxLength(9);
    funcionario_->setObjectName(QStringLiteral("DBEdit6"));
    funcionario_->setMaxLength(50);
    funcionario_->setReadOnly(true);  // filled from the code; entering it looks the code up
    cheque_->setObjectName(QStringLiteral("DBEdit9"));
    cheque_->setMaxLength(10);
    emDinheiro_->setObjectName(QStringLiteral("RadioButton1"));
    emCheque_->setObjectName(QStringLiteral("RadioButton2"));
    emDinheiro_->setChecked(true);

    auto* lookup = new QPushButton(QStringLiteral("&F"), this);
    lookup->setObjectName(QStringLiteral("SpeedButton1"));
    lookup->setFocusPolicy(Qt::NoFocus);
    auto* employeeRow = new QHBoxLayout;
    employeeRow->addWidget(codigo_);
    employeeRow->addWidget(lookup);
    auto* employeeCode = new QWidget(this);
    employeeCode->setLayout(employeeRow);
    employeeRow->setContentsMargins(0, 0, 0, 0);

    QFormLayout* rows = ui::labelledRows();
    ui::addLabelledRow(*rows, QStringLiteral("Lançamento"), lancamento_, QStringLiteral("Vencimento"),
                       vencimento_);
    ui::addLabelledRow(*rows, QStringLiteral("Valor R$"), valor_);
    ui::addLabelledRow(*rows, QStringLiteral("Descrição do Lançamento:"), descricao_);
    ui::addLabelledRow(*rows, QStringLiteral("Código:"), employeeCode, QStringLiteral("Funcionário:"),
                       funcionario_);
    planCode_ = readOnly(new QLineEdit(this), QStringLiteral("DBEdit7"), QStringLiteral("5"));
    planCode_->setMaxLength(10);
    plan_ =
        readOnly(new QLineEdit(this), QStringLiteral("DBEdit8"), QStringLiteral("Vale Para Funcionários"));
    plan_->setMaxLength(50);
    ui::addLabelledRow(*rows, QStringLiteral("Código:"), planCode_, QStringLiteral("Plano de Contas:"),
                       plan_);
    ui::addLabelledRow(*rows, QStringLiteral("Nº Cheque:"), cheque_);
    auto* forms = new QHBoxLayout;
    forms->addWidget(emDinheiro_);
    forms->addWidget(emCheque_);
    forms->addStretch();

    auto* bar = new QHBoxLayout;
    novo_ = ui::addButton(*bar, QStringLiteral("&Novo"), QStringLiteral("BitBtn1"));
    gravar_ = ui::addButton(*bar, QStringLiteral("&Gravar"), QStringLiteral("BitBtn2"));
    excluir_ = ui::addButton(*bar, QStringLiteral("&Excluir"), QStringLiteral("BitBtn3"));
    imprimir_ = ui::addButton(*bar, QStringLiteral("Imprimir"), QStringLiteral("BitBtn5"));
    auto* fechar = ui::addButton(*bar, QStringLiteral("Fechar"), QStringLiteral("BitBtn4"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addLayout(rows);
    layout->addLayout(forms);
    layout->addLayout(bar);

    setTabOrder(valor_, descricao_);
    setTabOrder(descricao_, codigo_);
    setTabOrder(codigo_, funcionario_);
    setTabOrder(funcionario_, plan_);
    setTabOrder(plan_, cheque_);
    funcionario_->setFocusPolicy(Qt::StrongFocus);
    plan_->setFocusPolicy(Qt::StrongFocus);  // read-only, but entering it looks the heading up
    funcionario_->installEventFilter(this);
    plan_->installEventFilter(this);
    cheque_->installEventFilter(this);
    connect(novo_, &QPushButton::clicked, this, &TFmVale::novo);
    connect(gravar_, &QPushButton::clicked, this, &TFmVale::gravar);
    connect(excluir_, &QPushButton::clicked, this, &TFmVale::excluir);
    connect(imprimir_, &QPushButton::clicked, this, &TFmVale::imprimir);
    connect(fechar, &QPushButton::clicked, this, &TFmVale::reject);
    connect(lookup, &QPushButton::clicked, this, &TFmVale::chooseEmployee);
    connect(emCheque_, &QRadioButton::clicked, cheque_, [this] { cheque_->setFocus(); });
    // Plain boxes as wide as what they hold, as the data fields are.
    for (QLineEdit* box : findChildren<QLineEdit*>()) box->setMinimumWidth(ui::contentWidth(*box));
    ui::installEnterAsTab(this);
    setEntering(false);
}

void TFmVale::setEntering(bool entering) {
    novo_->setEnabled(!entering);
    gravar_->setEnabled(entering);
    excluir_->setEnabled(entering);
    imprimir_->setEnabled(entering);
    for (QWidget* box : std::initializer_list<QWidget*>{valor_, descricao_, codigo_, cheque_})
        box->setEnabled(entering);
}

bool TFmVale::eventFilter(QObject* watched, QEvent* event) {
    const bool byUser = (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) &&
                        ui::leftByUser(static_cast<QFocusEvent*>(event)->reason());
    if (byUser && watched == funcionario_ && event->type() == QEvent::FocusIn && gravar_->isEnabled())
        lookUpEmployee();
    if (byUser && watched == plan_ && event->type() == QEvent::FocusIn && gravar_->isEnabled()) lookUpPlan();
    // Leaving the cheque number goes back to the description, as the screen always did.
    if (byUser && watched == cheque_ && event->type() == QEvent::FocusOut &&
        static_cast<QFocusEvent*>(event)->reason() == Qt::TabFocusReason)
        descricao_->setFocus();
    return QDialog::eventFilter(watched, event);
}

// The heading is looked up as it is named now: a renamed one shows its new name.
void TFmVale::lookUpPlan() {
    std::optional<std::string> name;
    if (!ui::runGuarded([&] { name = advancePlanName(dm_); })) return;
    if (!name) {
        planCode_->setFocus();
        ui::Dialogs::current().message(QStringLiteral("Não Existe Plano Com Este Código!"));
        return;
    }
    plan_->setText(QString::fromStdString(*name));
    gravar_->setFocus();
}

bool TFmVale::run(const std::function<void()>& step) {
    // A refusal is told by runGuarded; the focus then goes to the box it is about.
    QWidget* box = nullptr;
    const bool done = ui::runGuarded([&] {
        try {
            step();
        } catch (const data::Refusal& refusal) {
            const std::string_view message = refusal.what();
            box = message.find("Funcionário") != std::string_view::npos ? static_cast<QWidget*>(codigo_)
                  : message.find("Cheque") != std::string_view::npos    ? static_cast<QWidget*>(cheque_)
                                                                        : static_cast<QWidget*>(valor_);
            throw;
        }
    });
    if (box) box->setFocus();
    return done;
}

std::optional<Advance> TFmVale::typed() {
    Advance advance;
    if (!ui::runGuarded([&] { advance.value = valor_->amount(); })) return std::nullopt;
    advance.pending = pending_;
    advance.employeeCode = codigo_->text().trimmed().toLongLong();
    advance.description = descricao_->text().toStdString();
    advance.byCheque = emCheque_->isChecked();
    advance.cheque = cheque_->text().trimmed().toStdString();
    return advance;
}

void TFmVale::novo() {
    const core::Date today = core::Date::today();
    if (!ui::runGuarded([&] { pending_ = startAdvance(dm_, today); })) return;
    lancamento_->setDate(today);
    vencimento_->setDate(today);
    for (QLineEdit* box : {static_cast<QLineEdit*>(valor_), descricao_, codigo_, funcionario_, cheque_})
        box->clear();
    emDinheiro_->setChecked(true);
    setEntering(true);
    valor_->setFocus();
}

void TFmVale::chooseEmployee() {
    if (!gravar_->isEnabled()) return;
    registers::showConsFunc(dm_);
    if (dm_.TbFuncionario.isEmpty()) return;
    codigo_->setText(QString::number(dm_.TbFuncionario.field("Codigo").asInteger()));
    ui::moveFocusTo(funcionario_);
}

void TFmVale::lookUpEmployee() {
    std::string name;
    const auto found = [&] {
        store::Table& employees = dm_.TbFuncionario;
        if (!employees.isOpen()) employees.open();
        if (!employees.indexName().empty()) employees.setIndexName("");
        if (employees.findKey({codigo_->text().trimmed().toLongLong()}))
            name = employees.field("Nome").asString();
    };
    if (!ui::runGuarded(found)) return;
    if (name.empty()) {
        funcionario_->clear();
        codigo_->setFocus();
        ui::Dialogs::current().message(QStringLiteral("Não Existe Funcionário Com Este Código!"));
        return;
    }
    funcionario_->setText(QString::fromStdString(name));
    gravar_->setFocus();
}

void TFmVale::gravar() {
    const std::optional<Advance> advance = typed();
    if (!advance) return;
    // Checked before the question, with the employee looked up again by the code typed.
    if (!run([&] { checkAdvance(dm_, *advance); })) return;
    if (!ui::Confirma(QStringLiteral("Grava o Registro?"))) return;
    SavedAdvance saved;
    if (!run([&] { saved = saveAdvance(dm_, *advance); })) return;
    pending_ = 0;
    setEntering(false);
    if (ui::Confirma(QStringLiteral("Imprimir o Recibo?")))
        ui::runGuarded([&] { output_(reports::advanceReceiptReport(dm_, saved.receipt)); });
    novo_->setFocus();
}

void TFmVale::imprimir() {
    if (pending_ == 0) {
        ui::Dialogs::current().message(QStringLiteral("Selecione o Registro Para Impressão do Recibo!"));
        return;
    }
    const std::optional<Advance> advance = typed();
    if (!advance) return;
    reports::AdvanceReceipt receipt;
    if (!run([&] { receipt = checkAdvance(dm_, *advance); })) return;
    ui::runGuarded([&] { output_(reports::advanceReceiptReport(dm_, receipt)); });
}

void TFmVale::excluir() {
    if (pending_ == 0) {
        ui::Dialogs::current().message(QStringLiteral("Selecione o Registro a Ser Excluído!"));
        return;
    }
    if (!app::levelCheck(dm_, app::LevelField::AltPagar)) return;
    if (!ui::Confirma(QStringLiteral("Exclui o Registro?"))) return;
    if (!run([&] { discardAdvance(dm_, pending_); })) return;
    pending_ = 0;
    setEntering(false);
    novo_->setFocus();
}

void TFmVale::reject() {
    if (pending_ != 0) {
        bool gone = false;
        if (!ui::runGuarded([&] { gone = data::pendingBillGone(dm_, pending_); })) return;
        if (!gone) return ui::Dialogs::current().message(kPendingAdvance);
        ui::Dialogs::current().message(QString::fromUtf8(data::kPendingBillGone));
        pending_ = 0;
    }
    QDialog::reject();
}

void showVale(data::Tdm& dm) {
    TFmVale screen(dm);
    ui::Dialogs::current().exec(screen);
}

}  // namespace advances
