#include "registers/supplier_form.h"

#include <QFocusEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "registers/plan_search.h"
#include "ui/db_edit.h"
#include "ui/db_mask_edit.h"
#include "ui/dialogs.h"
#include "ui/field_binding.h"
#include "ui/form_layout.h"
#include "ui/guarded.h"

namespace registers {

SupplierForm::SupplierForm(data::Tdm& dm, ui::RegisterSetup setup, QWidget* parent)
    : RegisterScreen(dm.TbFornec, std::move(setup), parent), dm_(dm) {
    setWindowTitle(QStringLiteral("Cadastro de Fornecedores."));
    ui::runGuarded([this] {
        tables().open(dm_.TbFornec);
        tables().open(dm_.TbPlano);
    });
}

QVBoxLayout* SupplierForm::buildForm() {
    auto edit = [this](const char* field, const char* name, bool upper = false) {
        auto* control = new ui::DbEdit(dm_.DsFornec, field, this);
        control->setObjectName(QString::fromLatin1(name));
        control->setUpperCase(upper);
        return control;
    };
    auto mask = [this](const char* field, const char* name) {
        auto* control = new ui::DbMaskEdit(dm_.DsFornec, field, this);
        control->setObjectName(QString::fromLatin1(name));
        return control;
    };
    auto* heading = new QLabel(QStringLiteral("CADASTRO DE FORNECEDORES"), this);
    heading->setStyleSheet(QStringLiteral("font-weight: bold;"));

    codigo_ = edit("Codigo", "DBEdit1", true);
    codigo_->setFieldReadOnly(true);
    // Reached only by clicking into it.
    codigo_->setFocusPolicy(Qt::ClickFocus);
    nome_ = edit("Nome", "DBEdit2");
    cep_ = mask("Cep", "DBEdit9");
    estado_ = edit("Estado", "DBEdit10", true);
    codPlano_ = edit("CodPlano", "DBEdit14");
    plano_ = edit("Plano", "DBEdit15");
    plano_->setFieldReadOnly(true);
    email_ = edit("Email", "DBEdit16");
    auto* pickPlan = new QPushButton(QStringLiteral("&P"), this);
    pickPlan->setObjectName(QStringLiteral("BtnPlano"));
    pickPlan->setFocusPolicy(Qt::NoFocus);

    QFormLayout* rows = ui::labelledRows();
    ui::addLabelledRow(*rows, QStringLiteral("Código:"), codigo_);
    ui::addLabelledRow(*rows, QStringLiteral("Nome:"), nome_);
    ui::addLabelledRow(*rows, QStringLiteral("Nome Fantasia:"), edit("NomeFantasia", "DBEdit3"));
    ui::addLabelledRow(*rows, QStringLiteral("C.N.P.J."), mask("Cgc", "DBEdit4"),
                       QStringLiteral("Insc. Estadual:"), edit("InscricaoEstadual", "DBEdit5", true));
    ui::addLabelledRow(*rows, QStringLiteral("Endereço:"), edit("Endereco", "DBEdit6"));
    ui::addLabelledRow(*rows, QStringLiteral("Bairro:"), edit("Bairro", "DBEdit7"), QStringLiteral("Cidade:"),
                       edit("Cidade", "DBEdit8"));
    ui::addLabelledRow(*rows, QStringLiteral("CEP.:"), cep_, QStringLiteral("U.F.:"), estado_);
    ui::addLabelledRow(*rows, QStringLiteral("Fone:"), edit("Fone", "DBEdit11", true), QStringLiteral("Fax:"),
                       edit("Fax", "DBEdit12", true));
    ui::addLabelledRow(*rows, QStringLiteral("Contato:"), edit("Contato", "DBEdit13"));
    auto* planRow = new QHBoxLayout;
    planRow->addWidget(codPlano_);
    planRow->addWidget(pickPlan);
    planRow->addWidget(new QLabel(QStringLiteral("Plano de Contas:"), this));
    planRow->addWidget(plano_, 1);
    rows->addRow(QStringLiteral("Código:"), planRow);
    ui::addLabelledRow(*rows, QStringLiteral("Email:"), email_);

    for (QWidget* watched :
         {static_cast<QWidget*>(codigo_), static_cast<QWidget*>(plano_), static_cast<QWidget*>(email_)})
        watched->installEventFilter(this);
    connect(cep_, &QLineEdit::textChanged, this, &SupplierForm::followCep);
    connect(pickPlan, &QPushButton::clicked, this, &SupplierForm::pickPlan);
    setFirstField(nome_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading, 0, Qt::AlignHCenter);
    layout->addLayout(rows);
    return layout;
}

bool SupplierForm::eventFilter(QObject* watched, QEvent* event) {
    const bool byUser = (event->type() == QEvent::FocusOut || event->type() == QEvent::FocusIn) &&
                        ui::leftByUser(static_cast<QFocusEvent*>(event)->reason());
    if (byUser && event->type() == QEvent::FocusOut) {
        if (watched == codigo_) checkCode();
        if (watched == email_ && buttons().gravar != nullptr)
            QMetaObject::invokeMethod(
                buttons().gravar, [this] { buttons().gravar->setFocus(); }, Qt::QueuedConnection);
    }
    if (event->type() == QEvent::FocusIn && watched == plano_) lookUpPlan();
    return RegisterScreen::eventFilter(watched, event);
}

void SupplierForm::checkCode() {
    ui::runGuarded([this] {
        if (table().isEmpty() && !table().isEditing()) return;
        if (table().field("Codigo").asInteger() != 0) return;
        ui::Dialogs::current().message(QStringLiteral("O Código Não Pode Ser Em Branco!"));
        QMetaObject::invokeMethod(
            codigo_, [this] { codigo_->setFocus(); }, Qt::QueuedConnection);
    });
}

void SupplierForm::followCep() {
    if (!isVisible()) return;
    int digits = 0;
    for (QChar c : cep_->text()) digits += c.isDigit() ? 1 : 0;
    if (digits == 8) estado_->setFocus();
}

void SupplierForm::pickPlan() {
    if (!mayPick()) return;
    ui::runGuarded([this] { ui::writeControls(table()); });
    const std::optional<std::string> code = choosePlan(dm_, this);
    if (!code) return;
    ui::runGuarded([&] {
        if (!table().isEditing()) table().edit();
        table().field("CodPlano").setString(*code);
        plano_->setFocus();
        lookUpPlan();
    });
}

void SupplierForm::lookUpPlan() {
    if (!table().isEditing()) return;
    ui::runGuarded([this] {
        ui::writeControls(table());
        const std::string code = table().field("CodPlano").asString();
        if (code.empty()) return email_->setFocus();
        if (!dm_.TbPlano.findKey({store::Value{code}})) {
            ui::Dialogs::current().message(QStringLiteral("Não Existe Plano Com Este Código!"));
            QMetaObject::invokeMethod(
                codPlano_, [this] { codPlano_->setFocus(); }, Qt::QueuedConnection);
            return;
        }
        table().field("Plano").setValue(dm_.TbPlano.field("Descricao").value());
        email_->setFocus();
    });
}

}  // namespace registers
