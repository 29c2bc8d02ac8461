#include "payables/bill_form.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMetaObject>
#include <QPushButton>
#include <QVBoxLayout>

#include "data/dm.h"
#include "data/opened_tables.h"
#include "data/pending_bill.h"
#include "data/refusal.h"
#include "payables/bank_account.h"
#include "registers/bank_account_search.h"
#include "registers/plan_search.h"
#include "registers/supplier_search.h"
#include "ui/date_box.h"
#include "ui/dialogs.h"
#include "ui/enter_as_tab.h"
#include "ui/field_binding.h"
#include "ui/field_width.h"
#include "ui/focus_arrival.h"
#include "ui/form_layout.h"
#include "ui/guarded.h"
#include "ui/money_box.h"
#include "ui/upper_case_input.h"

namespace payables {

namespace {

QLineEdit* box(QWidget* parent, const char* name, int width) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setMaxLength(width);
    return edit;
}

QComboBox* suggestions(QWidget* parent, const char* name, const QStringList& items, int width) {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(QString::fromLatin1(name));
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->addItems(items);
    combo->setCurrentIndex(-1);
    combo->lineEdit()->setMaxLength(width);
    combo->setMinimumContentsLength(width);  // as wide as the field it holds
    ui::typeInUpperCase(combo->lineEdit());
    return combo;
}

std::string text(const QLineEdit* edit) {
    return edit == nullptr ? std::string{} : edit->text().trimmed().toStdString();
}

QString qtext(store::Table& table, const char* field) {
    return QString::fromStdString(table.field(field).asString());
}

// Focus moved from a handler of a focus change takes effect once that change is over.
void focusLater(QWidget* widget) {
    QMetaObject::invokeMethod(
        widget, [widget] { widget->setFocus(); }, Qt::QueuedConnection);
}

}  // namespace

BillForm::BillForm(data::Tdm& dm, const QString& name, const QString& heading,
                   const QStringList& documentTypes, bool withBank, QWidget* parent)
    : QDialog(parent),
      dm_(dm),
      rows_(ui::labelledRows()),
      layout_(new QVBoxLayout(this)),
      lancamento_(new ui::DateBox(this)),
      vencimento_(new ui::DateBox(this)),
      valor_(new ui::MoneyBox(this)),
      tipoDoc_(suggestions(this, "DBComboBox1", documentTypes, 40)),
      documento_(box(this, "DBEdit4", 10)),
      descricao_(box(this, "DBEdit5", 70)),
      codFor_(box(this, "DBEdit7", 10)),
      fornecedor_(box(this, "DBEdit10", 45)),
      codPlano_(box(this, "DBEdit8", 10)),
      plano_(box(this, "DBEdit9", 35)) {
    setObjectName(name);
    setWindowTitle(QStringLiteral("Contas a Pagar."));
    auto* title = new QLabel(heading, this);
    title->setStyleSheet(QStringLiteral("font-weight: bold; font-size: 14pt"));
    lancamento_->setObjectName(QStringLiteral("DBEdit1"));
    vencimento_->setObjectName(QStringLiteral("DBEdit2"));
    valor_->setObjectName(QStringLiteral("DBEdit3"));
    ui::addLabelledRow(*rows_, QStringLiteral("Lançamento"), lancamento_, QStringLiteral("Vencimento"),
                       vencimento_);
    ui::addLabelledRow(*rows_, QStringLiteral("Valor R$"), valor_);
    ui::addLabelledRow(*rows_, QStringLiteral("Tipo de Documento:"), tipoDoc_, QStringLiteral("Nº Documento"),
                       documento_);
    ui::addLabelledRow(*rows_, QStringLiteral("Descrição do Lançamento:"), descricao_);
    if (withBank) {
        formaPG_ =
            suggestions(this, "DBComboBox2",
                        {QStringLiteral("DINHEIRO"), QStringLiteral("DDA"), QStringLiteral("CHEQUE À VISTA"),
                         QStringLiteral("CHEQUE À PRAZO"), QStringLiteral("DEBITO EM CONTA"),
                         QStringLiteral("TRANSFERÊNCIA"), QStringLiteral("SITE DO BANCO")},
                        20);
        cheque_ = box(this, "DBEdit6", 10);
        conta_ = box(this, "DBEdit13", 10);
        banco_ = box(this, "DBEdit11", 15);
        banco_->setReadOnly(true);
        ui::addLabelledRow(*rows_, QStringLiteral("Forma de Pagamento:"), formaPG_,
                           QStringLiteral("Nº Cheque:"), cheque_);
        ui::addLabelledRow(*rows_, QStringLiteral("Nº Conta:"),
                           withLookup(conta_, QStringLiteral("&B"), "SpeedButton3", &BillForm::chooseAccount),
                           QStringLiteral("Banco:"), banco_);
        banco_->installEventFilter(this);
        // Created after the supplier boxes, but typed before them.
        setTabOrder(descricao_, formaPG_);
        setTabOrder(formaPG_, cheque_);
        setTabOrder(cheque_, conta_);
        setTabOrder(conta_, banco_);
        setTabOrder(banco_, codFor_);
    }
    ui::addLabelledRow(*rows_, QStringLiteral("Código:"),
                       withLookup(codFor_, QStringLiteral("&F"), "SpeedButton2", &BillForm::chooseSupplier),
                       QStringLiteral("Fornecedor:"), fornecedor_);
    ui::addLabelledRow(*rows_, QStringLiteral("Código:"),
                       withLookup(codPlano_, QStringLiteral("&P"), "SpeedButton1", &BillForm::choosePlan),
                       QStringLiteral("Plano de Contas:"), plano_);
    fornecedor_->installEventFilter(this);
    plano_->installEventFilter(this);
    for (QLineEdit* edit : findChildren<QLineEdit*>()) edit->setMinimumWidth(ui::contentWidth(*edit));
    layout_->addWidget(title);
    layout_->addLayout(rows_);
    ui::installEnterAsTab(this);
}

QWidget* BillForm::withLookup(QLineEdit* code, const QString& caption, const char* name,
                              void (BillForm::*choose)()) {
    auto* button = new QPushButton(caption, this);
    button->setObjectName(QString::fromLatin1(name));
    button->setFocusPolicy(Qt::NoFocus);
    connect(button, &QPushButton::clicked, this, choose);
    auto* holder = new QWidget(this);
    auto* row = new QHBoxLayout(holder);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(code);
    row->addWidget(button);
    return holder;
}

bool BillForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn && ui::leftByUser(static_cast<QFocusEvent*>(event)->reason()) &&
        gravar_ != nullptr && gravar_->isEnabled()) {
        if (watched == fornecedor_) lookUpSupplier();
        if (watched == plano_) lookUpPlan();
        if (watched == banco_) lookUpAccount();
    }
    return QDialog::eventFilter(watched, event);
}

void BillForm::chooseSupplier() {
    if (!gravar_->isEnabled()) return;
    const std::optional<std::int64_t> code = registers::chooseSupplier(dm_, this);
    if (!code) return;  // none chosen: the code stays as it was
    codFor_->setText(QString::number(*code));
    ui::moveFocusTo(fornecedor_);
}

void BillForm::choosePlan() {
    if (!gravar_->isEnabled()) return;
    codPlano_->setFocus();
    const std::optional<std::string> code = registers::choosePlan(dm_, this);
    if (!code) return;
    codPlano_->setText(QString::fromStdString(*code));
    ui::moveFocusTo(plano_);
}

void BillForm::chooseAccount() {
    if (!gravar_->isEnabled()) return;
    const std::optional<std::string> conta = registers::chooseBankAccount(dm_, this);
    if (!conta) return;
    conta_->setText(QString::fromStdString(*conta));
    banco_->setText(qtext(dm_.TbConta, "Nome"));
    codFor_->setFocus();
}

void BillForm::lookUpSupplier() {
    const QString code = codFor_->text().trimmed();
    if (code.isEmpty()) return;
    bool whole = false;
    const qlonglong number = code.toLongLong(&whole);
    bool found = false;
    const bool read = ui::runGuarded([&] {
        store::Table& suppliers = dm_.TbFornec;
        data::OpenedTables open{&suppliers};
        if (!suppliers.indexName().empty()) suppliers.setIndexName("");
        found = whole && suppliers.findKey({store::Value{std::int64_t{number}}});
        if (!found) return;
        fornecedor_->setText(qtext(suppliers, "NomeFantasia"));
        codPlano_->setText(qtext(suppliers, "CodPlano"));
        plano_->setText(qtext(suppliers, "Plano"));
    });
    if (read && !found) {
        ui::Dialogs::current().message(QStringLiteral("Não Existe Fornecedor Com Este Código!"));
        return focusLater(codFor_);
    }
    if (found) focusLater(codPlano_);
}

void BillForm::lookUpPlan() {
    const std::string code = text(codPlano_);
    if (code.empty()) return focusLater(gravar_);
    bool found = false;
    if (!ui::runGuarded([&] {
            store::Table& plans = dm_.TbPlano;
            data::OpenedTables open{&plans};
            if (!plans.indexName().empty()) plans.setIndexName("");
            found = plans.findKey({store::Value{code}});
            if (found) plano_->setText(qtext(plans, "Descricao"));
        }))
        return;
    if (!found) {
        ui::Dialogs::current().message(QStringLiteral("Não Existe Plano Com Este Código!"));
        return focusLater(codPlano_);
    }
    focusLater(gravar_);
}

void BillForm::lookUpAccount() {
    std::optional<BankAccount> account;
    const bool known = run([&] {
        data::OpenedTables open{&dm_.TbConta};
        account = findBankAccount(dm_, text(conta_));
    });
    if (!known) return;
    const auto* name = account ? std::get_if<std::string>(&account->nome) : nullptr;
    banco_->setText(name != nullptr ? QString::fromStdString(*name) : QString());
    focusLater(codFor_);
}

std::optional<BillEntry> BillForm::typed() {
    BillEntry entry;
    entry.bill = pending_;
    if (!run([&] {
            entry.valor = valor_->amount();
            entry.dataLan = lancamento_->date();
            entry.dataVen = vencimento_->date();
        }))
        return std::nullopt;
    entry.tipoDoc = tipoDoc_->currentText().trimmed().toStdString();
    entry.documento = text(documento_);
    entry.descricao = text(descricao_);
    entry.formaPG = formaPG_ == nullptr ? std::string{} : formaPG_->currentText().trimmed().toStdString();
    entry.cheque = text(cheque_);
    entry.conta = text(conta_);
    entry.codFor = text(codFor_);
    entry.fornecedor = text(fornecedor_);
    entry.codPlano = text(codPlano_);
    entry.plano = text(plano_);
    return entry;
}

void BillForm::showBill(std::int64_t bill) {
    store::Table& pagar = dm_.TbPagar;
    if (!pagar.indexName().empty()) pagar.setIndexName("");
    if (!pagar.findKey({store::Value{bill}})) throw data::Refusal("O Lançamento Não Existe Mais!");
    lancamento_->setDate(pagar.field("DataLan").asDate());
    vencimento_->setDate(pagar.field("DataVen").asDate());
    valor_->setAmount(pagar.field("Valor").asCurrency());
    tipoDoc_->setCurrentText(qtext(pagar, "TipoDOC"));
    if (formaPG_ != nullptr) formaPG_->setCurrentText(qtext(pagar, "FormaPG"));
    const std::pair<QLineEdit*, const char*> boxes[] = {
        {documento_, "Documento"},   {descricao_, "Descricao"}, {cheque_, "Cheque"},
        {conta_, "Conta"},           {banco_, "Banco"},         {codFor_, "CodFor"},
        {fornecedor_, "Fornecedor"}, {codPlano_, "CodPlano"},   {plano_, "Plano"}};
    for (const auto& [edit, field] : boxes)
        if (edit != nullptr) edit->setText(qtext(pagar, field));
}

void BillForm::clearBoxes() {
    for (QLineEdit* edit : findChildren<QLineEdit*>()) edit->clear();
    tipoDoc_->setCurrentIndex(-1);
    if (formaPG_ != nullptr) formaPG_->setCurrentIndex(-1);
}

bool BillForm::run(const std::function<void()>& step) {
    return ui::runGuarded([&] {
        try {
            step();
        } catch (const data::Refusal& refusal) {
            const QString message = QString::fromStdString(refusal.what());
            QWidget* focus = message.contains(QStringLiteral("Vencimento"))
                                 ? static_cast<QWidget*>(vencimento_)
                             : message.contains(QStringLiteral("Conta")) ? static_cast<QWidget*>(conta_)
                             : message.contains(QStringLiteral("Valor")) ? static_cast<QWidget*>(valor_)
                                                                         : nullptr;
            if (focus != nullptr) focusLater(focus);
            throw;
        }
    });
}

void BillForm::reject() {
    if (pending()) {
        bool gone = false;
        if (!ui::runGuarded([&] { gone = data::pendingBillGone(dm_, pending_); })) return;
        if (!gone) return ui::Dialogs::current().message(kPendingBill);
        ui::Dialogs::current().message(QString::fromUtf8(data::kPendingBillGone));
        pending_ = 0;
    }
    QDialog::reject();
}

}  // namespace payables
