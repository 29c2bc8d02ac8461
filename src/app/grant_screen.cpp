#include "app/grant_screen.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/settings_rules.h"
#include "data/dm.h"
#include "ui/db_grid.h"
#include "ui/dialogs.h"
#include "ui/guarded.h"

namespace app {

TFmHabilitar::TFmHabilitar(data::Tdm& dm, QWidget* parent) : QDialog(parent), dm_(dm) {
    setObjectName(QStringLiteral("FmHabilitar"));
    setWindowTitle(QStringLiteral("::.. Habilitar Usuário"));
    auto* heading = new QLabel(QStringLiteral("SELECIONE OS USUÁRIOS "), this);
    heading->setStyleSheet(QStringLiteral("font-weight: bold;"));

    // Selecting a row makes that user the current TbSenha record.
    auto* users = new ui::DbGrid(dm.TbSenha, {{"Usuario", QStringLiteral("Usuários")}}, this);
    users->setObjectName(QStringLiteral("DBGrid1"));
    connect(users, &ui::DbGrid::chosen, this, &TFmHabilitar::grant);

    auto* enable = new QPushButton(QStringLiteral("HABILITAR USUÁRIO"), this);
    enable->setObjectName(QStringLiteral("BtHabilitar"));
    enable->setAutoDefault(false);
    connect(enable, &QPushButton::clicked, this, &TFmHabilitar::grant);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(users);
    layout->addWidget(enable);
    resize(360, 380);
}

void TFmHabilitar::grant() {
    ui::runGuarded([this] {
        if (grantCurrentArea(dm_)) ui::Dialogs::current().message(kUserEnabled);
    });
}

}  // namespace app
