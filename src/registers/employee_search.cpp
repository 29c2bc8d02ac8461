#include "registers/employee_search.h"

#include "ui/dialogs.h"

namespace registers {

TFmConsFunc::TFmConsFunc(data::Tdm& dm, QWidget* parent)
    : SearchScreen(dm.TbFuncionario,
                   {.caption = QStringLiteral("Consulta de Funcionários."),
                    .radioCaption = QStringLiteral("Pelo Nome:"),
                    .indexName = "siNome",
                    .columns = {{"Codigo", QStringLiteral("Código")}, {"Nome", QStringLiteral("Nome")}}},
                   parent) {
    setObjectName(QStringLiteral("TFmConsFunc"));
}

void showConsFunc(data::Tdm& dm) {
    TFmConsFunc screen(dm);
    ui::Dialogs::current().exec(screen);
}

}  // namespace registers
