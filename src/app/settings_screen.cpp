#include "app/settings_screen.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/grant_screen.h"
#include "app/receipt_printer_group.h"
#include "app/settings_rules.h"
#include "data/dm.h"
#include "ui/db_edit.h"
#include "ui/db_grid.h"
#include "ui/db_image.h"
#include "ui/dialogs.h"
#include "ui/field_binding.h"
#include "ui/form_layout.h"
#include "ui/guarded.h"

namespace app {

namespace {

QLabel* boldLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setStyleSheet(QStringLiteral("font-weight: bold;"));
    return label;
}

}  // namespace

TFmConfigurar::TFmConfigurar(data::Tdm& dm, QWidget* parent)
    : QDialog(parent),
      dm_(dm),
      commission_(new QCheckBox(QStringLiteral("Comissão Automática"), this)),
      value_(new QCheckBox(QStringLiteral("Valor Automático"), this)),
      printer_(new ReceiptPrinterGroup(dm, this)) {
    setObjectName(QStringLiteral("FmConfigurar"));
    setWindowTitle(QStringLiteral("::.. Configurações de Acesso"));
    commission_->setObjectName(QStringLiteral("CheckBox1"));
    value_->setObjectName(QStringLiteral("CheckBox2"));

    auto* heading = new QLabel(QStringLiteral("CONFIGURAÇÕES DO PROGRAMA"), this);
    heading->setAlignment(Qt::AlignCenter);
    heading->setStyleSheet(QStringLiteral("font-size: 14pt; font-weight: bold;"));

    auto* areas = new ui::DbGrid(
        dm.TbAcesso, {{"Local", QStringLiteral("Local de Acesso")}, {"Status", QStringLiteral("A")}}, this);
    areas->setObjectName(QStringLiteral("DBGrid1"));
    connect(areas, &QAbstractItemView::doubleClicked, this, &TFmConfigurar::toggleProtection);
    auto* permitted =
        new ui::DbGrid(dm.TbItemAcesso, {{"Usuario", QStringLiteral("Usuários Permitidos")}}, this);
    permitted->setObjectName(QStringLiteral("DBGrid2"));

    auto* name = new ui::DbEdit(dm.DsConfig, "Nome", this);
    name->setObjectName(QStringLiteral("DBEdit1"));
    auto* fee = new ui::DbEdit(dm.DsConfig, "Manutencao", this);
    fee->setObjectName(QStringLiteral("DBEdit2"));
    auto* logo = new ui::DbImage(dm.DsConfig, "Logotipo", this);
    logo->setObjectName(QStringLiteral("DBImage1"));
    logo->setFixedSize(120, 72);
    logo->setFrameShape(QFrame::Box);

    auto* permit = new QPushButton(QStringLiteral("Usuário Permitido"), this);
    permit->setObjectName(QStringLiteral("BtPermitido"));
    connect(permit, &QPushButton::clicked, this, &TFmConfigurar::showPicker);
    auto* remove = new QPushButton(QStringLiteral("Excluir Usuário   "), this);
    remove->setObjectName(QStringLiteral("BtExcluirUsuario"));
    connect(remove, &QPushButton::clicked, this, &TFmConfigurar::removeUser);
    auto* changeLogo = new QPushButton(QStringLiteral("Alterar Logomarca"), this);
    changeLogo->setObjectName(QStringLiteral("BtLogomarca"));
    connect(changeLogo, &QPushButton::clicked, this, &TFmConfigurar::changeLogo);
    auto* update = new QPushButton(QStringLiteral("Atualizar Configurações"), this);
    update->setObjectName(QStringLiteral("BtAtualizar"));
    connect(update, &QPushButton::clicked, this, &TFmConfigurar::update);
    auto* close = new QPushButton(QStringLiteral("&Fechar"), this);
    close->setObjectName(QStringLiteral("BtFechar"));
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    for (QPushButton* button : {permit, remove, changeLogo, update, close}) button->setAutoDefault(false);

    auto* access = new QGridLayout;
    access->addWidget(areas, 0, 0);
    access->addWidget(permitted, 0, 1);
    auto* accessButtons = new QHBoxLayout;
    accessButtons->addWidget(permit);
    accessButtons->addWidget(remove);
    accessButtons->addStretch();
    access->addLayout(accessButtons, 1, 1);
    access->setColumnStretch(0, 3);
    access->setColumnStretch(1, 2);

    QFormLayout* settings = ui::labelledRows();
    ui::addLabelledRow(*settings, QStringLiteral("Nome do Salão:"), name);
    ui::addLabelledRow(*settings, QStringLiteral("Taxa de Manutenção %"), fee);
    settings->addRow(commission_);
    settings->addRow(value_);
    auto* logoColumn = new QVBoxLayout;
    logoColumn->addWidget(logo);
    logoColumn->addWidget(new QLabel(QStringLiteral("Formato 120 x 72"), this));
    logoColumn->addWidget(new QLabel(QStringLiteral("Tipo BMP"), this));
    logoColumn->addWidget(changeLogo);
    auto* settingsRow = new QHBoxLayout;
    settingsRow->addLayout(settings, 1);
    settingsRow->addLayout(logoColumn);

    auto* network = new QLabel(
        QStringLiteral("Se você utilizar o programa em REDE, faça  os cadastros deste local com as outras "
                       "estações com o programa fechado!"),
        this);
    network->setWordWrap(true);
    auto* note = new QHBoxLayout;
    note->addWidget(boldLabel(QStringLiteral("OBS.:"), this), 0, Qt::AlignTop);
    note->addWidget(network, 1);

    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(update);
    bottom->addWidget(close);

    auto* program = new QVBoxLayout;
    program->addWidget(
        boldLabel(QStringLiteral("Clique Duplo Para Ativar ou Desativar a Proteção de Acesso."), this));
    program->addLayout(access, 1);
    program->addLayout(settingsRow);
    program->addLayout(note);
    auto* columns = new QHBoxLayout;
    columns->addLayout(program, 1);
    columns->addWidget(printer_, 0, Qt::AlignTop);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addLayout(columns, 1);
    layout->addLayout(bottom);
    resize(1180, 620);

    // The switches start from what is recorded; only "Atualizar Configurações" writes them.
    ui::runGuarded([this] {
        commission_->setChecked(!dm_.TbConfig.field("COM").asString().empty());
        value_->setChecked(!dm_.TbConfig.field("VALOR").asString().empty());
        printer_->showSettings(receipts::readPrinterSettings(dm_.TbConfig));
    });
}

void TFmConfigurar::toggleProtection() {
    ui::runGuarded([this] {
        if (app::toggleProtection(dm_)) showPicker();
    });
}

void TFmConfigurar::showPicker() {
    TFmHabilitar picker(dm_, this);
    ui::Dialogs::current().exec(picker);
}

void TFmConfigurar::removeUser() {
    ui::runGuarded([this] {
        if (dm_.TbItemAcesso.isEmpty()) {
            ui::Dialogs::current().message(kNoUserToRemove);
            return;
        }
        if (ui::Confirma(QStringLiteral("Excluir o Usuário?"))) removeCurrentPermission(dm_);
    });
}

void TFmConfigurar::changeLogo() {
    const QString file = ui::Dialogs::current().openFile(
        QStringLiteral("Alterar Logomarca"),
        QStringLiteral("All (*.bmp);;Bitmaps (*.bmp);;Icons (*.ico);;Enhanced Metafiles (*.emf);;"
                       "Metafiles (*.wmf)"));
    if (file.isEmpty()) return;
    ui::runGuarded([&] {
        dm_.TbConfig.edit();
        dm_.TbConfig.field("Logotipo").loadFromFile(file.toStdString());
    });
}

void TFmConfigurar::update() {
    if (!ui::Confirma(QStringLiteral("Atualizar Configurações?"))) return;
    const bool saved = ui::runGuarded([this] {
        // The name and fee typed are written to the record before it is recorded.
        ui::writeControls(dm_.TbConfig);
        saveSettings(dm_, commission_->isChecked(), value_->isChecked(), printer_->settings());
    });
    if (saved) ui::Dialogs::current().message(kSettingsUpdated);
}

void TFmConfigurar::done(int result) {
    ui::runGuarded([this] {
        if (dm_.TbConfig.isEditing()) dm_.TbConfig.cancel();
    });
    QDialog::done(result);
}

}  // namespace app
