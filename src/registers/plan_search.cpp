#include "registers/plan_search.h"

#include <QKeyEvent>

#include "registers/plan_quick_screen.h"
#include "ui/dialogs.h"
#include "ui/guarded.h"

namespace registers {

TFmConsPlano::TFmConsPlano(data::Tdm& dm, QWidget* parent)
    : SearchScreen(dm.TbPlano,
                   {.caption = QStringLiteral("Consulta de Plano de Contas."),
                    .radioCaption = QStringLiteral("Por Descrição:"),
                    .indexName = "siDesc",
                    .columns = {{"Codigo", QStringLiteral("Codigo")},
                                {"Descricao", QStringLiteral("Descrição do Plano de Conta")}},
                    .gridOnLeave = true,
                    .other = ui::OtherSearch{QStringLiteral("Por Código:"), ""}},
                   parent),
      dm_(dm),
      novaConta_(new QPushButton(QStringLiteral("&Nova Conta"), this)) {
    setObjectName(QStringLiteral("TFmConsPlano"));
    novaConta_->setObjectName(QStringLiteral("BtnNovaConta"));
    addBarButton(novaConta_);
    connect(novaConta_, &QPushButton::clicked, this, &TFmConsPlano::novaConta);
    grid()->installEventFilter(this);
}

bool TFmConsPlano::eventFilter(QObject* watched, QEvent* event) {
    if (watched == grid() && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool typed =
            !key->text().isEmpty() &&
            (key->text().at(0).isPrint() || key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter);
        if (typed) {
            accept();
            return true;
        }
    }
    return SearchScreen::eventFilter(watched, event);
}

void TFmConsPlano::novaConta() {
    hide();
    {
        TFmPlanoNO quick(dm_, this);
        ui::Dialogs::current().exec(quick);
        newHeadingCancelled_ = !quick.saved();
    }
    accept();
}

std::optional<std::string> choosePlan(data::Tdm& dm, QWidget* parent) {
    if (!ui::runGuarded([&dm] {
            if (!dm.TbPlano.isOpen()) dm.TbPlano.open();
        }))
        return std::nullopt;
    TFmConsPlano screen(dm, parent);
    ui::Dialogs::current().exec(screen);
    if (screen.newHeadingCancelled() || dm.TbPlano.isEmpty()) return std::nullopt;
    return dm.TbPlano.field("Codigo").asString();
}

}  // namespace registers
