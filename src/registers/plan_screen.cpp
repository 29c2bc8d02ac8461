#include "registers/plan_screen.h"

#include <QFocusEvent>

#include "app/access.h"
#include "data/access_areas.h"
#include "registers/plan_search.h"
#include "ui/db_edit.h"
#include "ui/dialogs.h"
#include "ui/enter_as_tab.h"
#include "ui/field_binding.h"
#include "ui/guarded.h"

namespace registers {

namespace {}

TFmPlano::TFmPlano(data::Tdm& dm, QWidget* parent) : QDialog(parent), dm_(dm) {
    setObjectName(QStringLiteral("TFmPlano"));
    setWindowTitle(QStringLiteral("::.. Cadastro de Plano de Contas"));
    ui::runGuarded([this] {
        if (!dm_.TbPlano.isOpen()) dm_.TbPlano.open();
    });
    auto* layout = new QVBoxLayout(this);
    fields_ = addPlanFields(dm_, *this, *layout);
    auto* bar = new QHBoxLayout;
    buttons_ = ui::addRegisterButtons(*bar);
    layout->addLayout(bar);
    connect(buttons_.novo, &QPushButton::clicked, this, &TFmPlano::novo);
    connect(buttons_.gravar, &QPushButton::clicked, this, &TFmPlano::gravar);
    connect(buttons_.excluir, &QPushButton::clicked, this, &TFmPlano::excluir);
    connect(buttons_.alterar, &QPushButton::clicked, this, &TFmPlano::alterar);
    connect(buttons_.consultar, &QPushButton::clicked, this, &TFmPlano::consultar);
    connect(buttons_.fechar, &QPushButton::clicked, this, &QDialog::accept);
    fields_.descricao->installEventFilter(this);
    ui::installEnterAsTab(this);
}

TFmPlano::~TFmPlano() {
    store::Table& plano = dm_.TbPlano;
    if (plano.isOpen()) ui::runGuarded([&plano] { plano.cancel(); });
}

bool TFmPlano::eventFilter(QObject* watched, QEvent* event) {
    if (watched == fields_.descricao && event->type() == QEvent::FocusOut &&
        ui::leftByUser(static_cast<QFocusEvent*>(event)->reason()))
        QMetaObject::invokeMethod(
            buttons_.gravar, [this] { buttons_.gravar->setFocus(); }, Qt::QueuedConnection);
    return QDialog::eventFilter(watched, event);
}

void TFmPlano::novo() {
    ui::runGuarded([this] {
        dm_.TbPlano.cancel();
        dm_.TbPlano.insert();
        fields_.codigo->setFocus();
    });
}

void TFmPlano::gravar() {
    if (savePlan(dm_, fields_)) buttons_.novo->setFocus();
}

bool TFmPlano::isProtected(const QString& refusal) {
    store::Table& plano = dm_.TbPlano;
    if (plano.isEmpty() || plano.state() == store::TableState::Insert) return false;
    if (plano.field("Marca").asString().empty()) return false;
    ui::Dialogs::current().message(refusal);
    return true;
}

void TFmPlano::excluir() {
    if (dm_.TbPlano.isEmpty() && !dm_.TbPlano.isEditing()) return;
    if (isProtected(QStringLiteral("Este Plano de Contas Não Poderá Ser Excluído!"))) return;
    if (!app::accessCheck(dm_, data::area::kAlterarPlano) ||
        !ui::Confirma(QStringLiteral("Exclui o Registro?")))
        return;
    ui::runGuarded([this] {
        store::Table& plano = dm_.TbPlano;
        if (plano.state() == store::TableState::Insert) {
            plano.cancel();
        } else {
            if (plano.isEditing()) ui::postRecord(plano);
            plano.deleteRecord();
        }
        buttons_.novo->setFocus();
    });
}

void TFmPlano::alterar() {
    if (dm_.TbPlano.isEmpty()) return;
    if (isProtected(QStringLiteral("Este Plano de Contas Não Poderá Ser Alterado!"))) return;
    if (!app::accessCheck(dm_, data::area::kAlterarPlano) ||
        !ui::Confirma(QStringLiteral("Alterar o Registro?")))
        return;
    ui::runGuarded([this] {
        if (!dm_.TbPlano.isEditing()) dm_.TbPlano.edit();
        fields_.codigo->setFocus();
    });
}

void TFmPlano::consultar() {
    choosePlan(dm_, this);
}

void showPlano(data::Tdm& dm) {
    TFmPlano screen(dm);
    ui::Dialogs::current().exec(screen);
}

}  // namespace registers
