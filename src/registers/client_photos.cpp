#include "registers/client_photos.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "registers/picture_file.h"
#include "ui/dialogs.h"
#include "ui/guarded.h"

namespace registers {
namespace {

const char* fieldOf(TFmFotografias::Side side) {
    return side == TFmFotografias::Side::Antes ? "Antes" : "Depois";
}

QPushButton* button(QBoxLayout& bar, const QString& caption, const QString& name) {
    auto* b = new QPushButton(caption);
    b->setObjectName(name);
    bar.addWidget(b);
    return b;
}

}  // namespace

TFmFotografias::TFmFotografias(data::Tdm& dm, QWidget* parent) : QDialog(parent), dm_(dm) {
    setObjectName(QStringLiteral("TFmFotografias"));
    setWindowTitle(QStringLiteral("::.. Histórico de Fotografias"));
    ui::runGuarded([&] { tables_.open(dm.TbFoto); });

    auto* heading = new QLabel(QStringLiteral("FOTOGRAFIAS"), this);
    heading->setAlignment(Qt::AlignCenter);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    grid_ = new ui::DbGrid(dm.TbFoto, {{"Data", QStringLiteral("Data")}}, this);
    grid_->setObjectName(QStringLiteral("DBGrid1"));
    grid_->setMaximumWidth(160);

    auto* pictures = new QHBoxLayout;
    pictures->addWidget(grid_);
    pictures->addWidget(pictureColumn(Side::Antes, QStringLiteral("Antes")), 1);
    pictures->addWidget(pictureColumn(Side::Depois, QStringLiteral("Depois")), 1);

    auto* bar = new QHBoxLayout;
    connect(button(*bar, QStringLiteral("Novo"), QStringLiteral("BtnNovo")), &QPushButton::clicked, this,
            &TFmFotografias::novo);
    connect(button(*bar, QStringLiteral("Excluir"), QStringLiteral("BtnExcluir")), &QPushButton::clicked,
            this, &TFmFotografias::excluir);
    bar->addStretch();
    connect(button(*bar, QStringLiteral("&Fechar"), QStringLiteral("BtnFechar")), &QPushButton::clicked, this,
            &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addLayout(pictures, 1);
    layout->addLayout(bar);
    resize(720, 420);
}

QWidget* TFmFotografias::pictureColumn(Side side, const QString& caption) {
    auto* column = new QWidget(this);
    auto* layout = new QVBoxLayout(column);
    layout->addWidget(new QLabel(caption, column), 0, Qt::AlignHCenter);
    auto* image = new ui::DbImage(dm_.DsFoto, fieldOf(side), column);
    image->setObjectName(QStringLiteral("DBImage") + caption);
    image->setMinimumSize(200, 200);
    image->setFrameShape(QFrame::Box);
    (side == Side::Antes ? antes_ : depois_) = image;
    layout->addWidget(image, 1);
    auto* bar = new QHBoxLayout;
    layout->addLayout(bar);
    connect(button(*bar, QStringLiteral("Inserir Foto"), QStringLiteral("BtnInserir") + caption),
            &QPushButton::clicked, this, [this, side] { inserirFoto(side); });
    connect(button(*bar, QStringLiteral("Excluir Foto"), QStringLiteral("BtnExcluir") + caption),
            &QPushButton::clicked, this, [this, side] { excluirFoto(side); });
    return column;
}

void TFmFotografias::novo() {
    // A row without a client would belong to nobody and never be seen again.
    const store::Table& clientes = dm_.TbCliente;
    if (!clientes.isOpen() || clientes.isEmpty())
        return ui::Dialogs::current().message(QStringLiteral("Nenhum Cliente Escolhido!"));
    ui::runGuarded([this] {
        store::Table& fotos = dm_.TbFoto;
        fotos.insert();
        fotos.field("Data").setDate(core::Date::today());
        fotos.post();
        fotos.edit();
    });
}

void TFmFotografias::excluir() {
    if (!ui::Confirma(QStringLiteral("Excluir Fotografias?"))) return;
    ui::runGuarded([this] {
        store::Table& fotos = dm_.TbFoto;
        if (fotos.isEditing()) fotos.post();
        fotos.deleteRecord();
    });
}

void TFmFotografias::inserirFoto(Side side) {
    // Loading into an empty list would quietly create an undated row.
    if (dm_.TbFoto.isEmpty())
        return ui::Dialogs::current().message(QStringLiteral("Inclua as Fotografias com \"Novo\" Primeiro!"));
    const QString path = ui::Dialogs::current().openFile(QStringLiteral("Inserir Foto"), kPictureFilter);
    if (path.isEmpty()) return;
    std::optional<std::string> bytes = readPictureFile(path);
    if (!bytes) return ui::Dialogs::current().message(unreadablePictureMessage(path));
    ui::runGuarded([&] {
        store::Table& fotos = dm_.TbFoto;
        fotos.edit();
        fotos.field(fieldOf(side)).setBlob(std::move(*bytes));
        fotos.post();
    });
}

void TFmFotografias::excluirFoto(Side side) {
    if (!ui::Confirma(QStringLiteral("Excluir a Foto?"))) return;
    ui::runGuarded([&] {
        store::Table& fotos = dm_.TbFoto;
        fotos.edit();
        fotos.field(fieldOf(side)).clear();
        fotos.post();
    });
}

}  // namespace registers
