#include "registers/client_history.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "registers/client_photos.h"
#include "ui/dialogs.h"
#include "ui/guarded.h"

namespace registers {
namespace {

// Sales items are a detail of TbServico; the history reads them by client instead, so the
// sale link is lifted while the history is shown and put back when it goes.
constexpr const char* kSaleLink = "Contador";
const std::string kFirstDay = "2011-01-01";
const std::string kLastDay = "2100-01-01";

}  // namespace

TFmHistorico::TFmHistorico(data::Tdm& dm, QWidget* parent)
    : QDialog(parent),
      dm_(dm),
      heading_(new QLabel(this)),
      fotografias_(new QPushButton(QStringLiteral("Fotografias"), this)) {
    setObjectName(QStringLiteral("TFmHistorico"));
    setWindowTitle(QStringLiteral("Histórico de Cliente."));
    store::Table& items = dm.TbItensServico;
    ui::runGuarded([&] {
        tables_.open(items);
        items.setMasterSource(nullptr, {});
        items.setIndexName("siDataCli");
        const store::Value client = dm.TbCliente.isOpen() && !dm.TbCliente.isEmpty()
                                        ? store::Value{dm.TbCliente.field("Codigo").asInteger()}
                                        : store::Value{};
        items.setRange({client, kFirstDay}, {client, kLastDay});
    });
    heading_->setObjectName(QStringLiteral("LbNome"));
    heading_->setAlignment(Qt::AlignCenter);
    QFont bold = heading_->font();
    bold.setBold(true);
    heading_->setFont(bold);
    grid_ = new ui::DbGrid(items,
                           {{"Data", QStringLiteral("Data")},
                            {"Descricao", QStringLiteral("Descrição")},
                            {"Funcionario", QStringLiteral("Funcionário")},
                            {"Total", QStringLiteral("Valor R$")}},
                           this);
    grid_->setObjectName(QStringLiteral("DBGrid1"));
    fotografias_->setObjectName(QStringLiteral("BtnFotografias"));
    auto* cancel = new QPushButton(QStringLiteral("&Fechar"), this);
    cancel->setObjectName(QStringLiteral("BtnFechar"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading_);
    layout->addWidget(grid_, 1);
    auto* bar = new QHBoxLayout;
    bar->addWidget(fotografias_);
    bar->addStretch();
    bar->addWidget(cancel);
    layout->addLayout(bar);
    resize(640, 420);

    connect(fotografias_, &QPushButton::clicked, this, &TFmHistorico::fotografias);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

TFmHistorico::~TFmHistorico() {
    store::Table& items = dm_.TbItensServico;
    ui::runGuarded([&] {
        if (items.isOpen()) items.cancelRange();
        items.setIndexFieldNames(kSaleLink);
        items.setMasterSource(&dm_.TbServico, kSaleLink);
    });
}

void TFmHistorico::showEvent(QShowEvent* event) {
    const store::Table& clients = dm_.TbCliente;
    heading_->setText(clients.isOpen() && !clients.isEmpty()
                          ? QString::fromStdString(dm_.TbCliente.field("Nome").asString())
                          : QString());
    QDialog::showEvent(event);
}

// The photographs open over the history rather than in its place: hiding a modal dialog
// ends its own event loop, which would close the history behind the user's back.
void TFmHistorico::fotografias() {
    TFmFotografias photos(dm_, this);
    ui::Dialogs::current().exec(photos);
}

}  // namespace registers
