#include "registers/plan_quick_screen.h"

#include <QFocusEvent>

#include "ui/db_edit.h"
#include "ui/enter_as_tab.h"
#include "ui/field_binding.h"
#include "ui/form_layout.h"
#include "ui/guarded.h"

namespace registers {

TFmPlanoNO::TFmPlanoNO(data::Tdm& dm, QWidget* parent) : QDialog(parent), dm_(dm) {
    setObjectName(QStringLiteral("TFmPlanoNO"));
    setWindowTitle(QStringLiteral("Cadastro de Plano de Contas."));
    auto* layout = new QVBoxLayout(this);
    fields_ = addPlanFields(dm_, *this, *layout);
    auto* bar = new QHBoxLayout;
    bar->addStretch();
    gravar_ = ui::addButton(*bar, QStringLiteral("&Gravar"), QStringLiteral("BtnGravar"));
    QPushButton* fechar = ui::addButton(*bar, QStringLiteral("&Fechar"), QStringLiteral("BtnFechar"));
    layout->addLayout(bar);
    connect(gravar_, &QPushButton::clicked, this, &TFmPlanoNO::gravar);
    connect(fechar, &QPushButton::clicked, this, &QDialog::reject);
    fields_.descricao->installEventFilter(this);
    ui::installEnterAsTab(this);
    // It starts on its new record, made at once.
    ui::runGuarded([this] {
        if (!dm_.TbPlano.isOpen()) dm_.TbPlano.open();
        dm_.TbPlano.setIndexName({});
        dm_.TbPlano.cancel();
        dm_.TbPlano.insert();
        fields_.codigo->setFocus();
    });
}

TFmPlanoNO::~TFmPlanoNO() {
    store::Table& plano = dm_.TbPlano;
    if (plano.isOpen() && plano.isEditing()) ui::runGuarded([&plano] { plano.cancel(); });
}

bool TFmPlanoNO::eventFilter(QObject* watched, QEvent* event) {
    if (watched == fields_.descricao && event->type() == QEvent::FocusOut &&
        ui::leftByUser(static_cast<QFocusEvent*>(event)->reason()))
        QMetaObject::invokeMethod(
            gravar_, [this] { gravar_->setFocus(); }, Qt::QueuedConnection);
    return QDialog::eventFilter(watched, event);
}

void TFmPlanoNO::gravar() {
    if (!savePlan(dm_, fields_)) return;
    saved_ = true;
    accept();
}

}  // namespace registers
