#include "registers/client_form_screen.h"

#include <QFocusEvent>
#include <QLabel>

#include "data/client_consent.h"
#include "data/register_rules.h"
#include "ui/db_check_box.h"
#include "ui/db_mask_edit.h"
#include "ui/db_text.h"
#include "ui/enter_as_tab.h"
#include "ui/form_layout.h"

namespace registers {
namespace {

// Tabbing out of the memo lands on "&Gravar": the observations are the last thing typed.
// A click elsewhere goes where the user clicked.
class MemoExit : public QObject {
  public:
    MemoExit(ui::DbMemo* memo, QWidget* target) : QObject(memo), target_(target) {
        memo->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::FocusOut) return false;
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if ((reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason) && target_->isEnabled())
            target_->setFocus(Qt::OtherFocusReason);
        return false;
    }

  private:
    QWidget* target_;
};

ui::DbEdit* edit(data::Tdm& dm, const char* field, const char* name, QWidget* parent) {
    auto* control = new ui::DbEdit(dm.DsCliente, field, parent);
    control->setObjectName(QString::fromLatin1(name));
    return control;
}

// A consent mark and, beside it, the day it was given.
void addConsent(QHBoxLayout& row, data::Tdm& dm, const data::ConsentMark& mark, const QString& caption,
                const char* name, QWidget* parent) {
    auto* box = new ui::DbCheckBox(dm.DsCliente, mark.field, QString::fromLatin1(data::kConsentGiven),
                                   QString(), parent);
    box->setText(caption);
    box->setObjectName(QString::fromLatin1(name));
    auto* day = new ui::DbText(dm.DsCliente, mark.dateField, parent);
    day->setObjectName(QString::fromLatin1(name) + QStringLiteral("Data"));
    row.addWidget(box);
    row.addWidget(day);
    row.addSpacing(16);
}

}  // namespace

ClientFormScreen::ClientFormScreen(data::Tdm& dm, const ClientFormOptions& options, QWidget* parent)
    : RegisterScreen(dm.TbCliente,
                     {.editingRefusal = kClientEditingRefusal,
                      .saveQuestion = QStringLiteral("Grava o Cliente?"),
                      .changeQuestion = QStringLiteral("Alterar Dados do Cliente?"),
                      .deleteQuestion = options.deleteQuestion},
                     parent),
      dm_(dm) {
    setWindowTitle(options.caption);
    auto* layout = new QVBoxLayout(this);
    auto* heading = new QLabel(QStringLiteral("CADASTRO DE CLIENTES"), this);
    heading->setObjectName(QStringLiteral("LbTitulo"));
    heading->setAlignment(Qt::AlignCenter);
    QFont bold = heading->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.4);
    heading->setFont(bold);
    layout->addWidget(heading);

    auto* rows = ui::labelledRows();
    layout->addLayout(rows);
    codigo_ = edit(dm, "Codigo", "DBEdit1", this);
    codigo_->setFieldReadOnly(true);
    codigo_->setFocusPolicy(Qt::ClickFocus);
    codigo_->setAlignment(Qt::AlignCenter);
    codigo_->setMaximumWidth(100);
    ui::addLabelledRow(*rows, QStringLiteral("Nº Cliente:"), codigo_);
    nome_ = edit(dm, "Nome", "DBEdit2", this);
    ui::addLabelledRow(*rows, QStringLiteral("Nome:"), nome_);
    ui::addLabelledRow(*rows, QStringLiteral("Endereço:"), edit(dm, "Endereco", "DBEdit3", this));
    ui::addLabelledRow(*rows, QStringLiteral("Bairro:"), edit(dm, "Bairro", "DBEdit4", this));
    ui::addLabelledRow(*rows, QStringLiteral("Cidade:"), edit(dm, "Cidade", "DBEdit5", this));
    auto* cep = new ui::DbMaskEdit(dm.DsCliente, "CEP", this);
    cep->setObjectName(QStringLiteral("DBEdit6"));
    ui::addLabelledRow(*rows, QStringLiteral("Cep:"), cep);
    ui::addLabelledRow(*rows, QStringLiteral("Fone:"), edit(dm, "Fone", "DBEdit7", this),
                       QStringLiteral("Celular"), edit(dm, "Celular", "DBEdit8", this));
    ui::addLabelledRow(*rows, QStringLiteral("E-mail:"), edit(dm, "Email", "DBEdit9", this));
    dia_ = edit(dm, "Dia", "DBEdit10", this);
    mes_ = edit(dm, "Mes", "DBEdit11", this);
    dia_->setMaxLength(2);
    mes_->setMaxLength(2);
    auto* birthday = new QHBoxLayout;
    auto* diaLabel = new QLabel(QStringLiteral("Dia:"), this);
    diaLabel->setBuddy(dia_);
    auto* mesLabel = new QLabel(QStringLiteral("Mês:"), this);
    mesLabel->setBuddy(mes_);
    for (QWidget* w : std::initializer_list<QWidget*>{diaLabel, dia_, mesLabel, mes_}) birthday->addWidget(w);
    birthday->addStretch();
    rows->addRow(QStringLiteral("Aniversário:"), birthday);
    auto* consent = new QHBoxLayout;
    addConsent(*consent, dm, data::kReminderConsent, QStringLiteral("Aceita lembretes"), "CkLembretes", this);
    addConsent(*consent, dm, data::kOfferConsent, QStringLiteral("Aceita ofertas"), "CkOfertas", this);
    consent->addStretch();
    rows->addRow(QStringLiteral("Consentimento:"), consent);
    if (options.withCredit)
        ui::addLabelledRow(*rows, QStringLiteral("Crédito R$"), edit(dm, "Saldo", "DBEdit12", this));
    obs_ = new ui::DbMemo(dm.DsCliente, "Obs", this);
    obs_->setObjectName(QStringLiteral("DBMemo1"));
    obs_->setFocusPolicy(Qt::ClickFocus);
    obs_->setTabChangesFocus(true);
    ui::addLabelledRow(*rows, QStringLiteral("Observações:"), obs_);

    bar_ = new QHBoxLayout;
    layout->addLayout(bar_);
    standard_ = ui::addRegisterButtons(*bar_, options.buttonSet);
    standard_.fechar->setText(QStringLiteral("Fechar"));  // the client screens' own caption, no Alt key

    ui::installEnterAsTab(this);
    ui::allowEnterIn(obs_);
    new MemoExit(obs_, standard_.gravar);
    setFirstField(nome_);
}

void ClientFormScreen::setDerivedFields() {
    data::applyBirthdayKey(table());
    data::applyConsentDates(table(), core::Date::today());
}

}  // namespace registers
