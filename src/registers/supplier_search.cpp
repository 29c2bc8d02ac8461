#include "registers/supplier_search.h"

#include "registers/supplier_quick_screen.h"
#include "ui/dialogs.h"
#include "ui/guarded.h"

namespace registers {
namespace {

ui::SearchSetup supplierSearch(const QString& fantasia, const QString& nome) {
    return {.caption = QStringLiteral("Consultar Fornecedores..."),
            .radioCaption = fantasia,
            .indexName = "siFantasia",
            .columns = {{"Codigo", QStringLiteral("Código")},
                        {"NomeFantasia", QStringLiteral("Nome Fantasia")},
                        {"Nome", QStringLiteral("Nome")}},
            .other = ui::OtherSearch{nome, "siNome"}};
}

void liftRange(store::Table& fornec) {
    if (fornec.isOpen()) ui::runGuarded([&fornec] { fornec.cancelRange(); });
}

}  // namespace

TFmConsFornec::TFmConsFornec(data::Tdm& dm, QWidget* parent)
    : SearchScreen(dm.TbFornec,
                   supplierSearch(QStringLiteral("Pelo Nome de Fantasia:"), QStringLiteral("Pelo Nome:")),
                   parent) {
    setObjectName(QStringLiteral("TFmConsFornec"));
}

TFmConsFornec::~TFmConsFornec() {
    liftRange(table());
}

TFmConsFornecPG::TFmConsFornecPG(data::Tdm& dm, QWidget* parent)
    : SearchScreen(dm.TbFornec, supplierSearch(QStringLiteral("Fantasia:"), QStringLiteral("Nome:")), parent),
      dm_(dm),
      novo_(new QPushButton(QStringLiteral("&Novo"), this)) {
    setObjectName(QStringLiteral("TFmConsFornecPG"));
    novo_->setObjectName(QStringLiteral("BtnNovo"));
    addBarButton(novo_);
    connect(novo_, &QPushButton::clicked, this, &TFmConsFornecPG::novo);
}

TFmConsFornecPG::~TFmConsFornecPG() {
    liftRange(table());
}

void TFmConsFornecPG::novo() {
    ui::runGuarded([this] { table().setIndexName({}); });
    hide();
    {
        TFmFornecedoresPG quick(dm_, this);
        ui::Dialogs::current().exec(quick);
        newSupplierCancelled_ = !quick.saved();
    }
    accept();
}

std::optional<std::int64_t> chooseSupplier(data::Tdm& dm, QWidget* parent) {
    if (!ui::runGuarded([&dm] {
            if (!dm.TbFornec.isOpen()) dm.TbFornec.open();
        }))
        return std::nullopt;
    TFmConsFornecPG screen(dm, parent);
    ui::Dialogs::current().exec(screen);
    if (screen.newSupplierCancelled() || dm.TbFornec.isEmpty()) return std::nullopt;
    return dm.TbFornec.field("Codigo").asInteger();
}

}  // namespace registers
