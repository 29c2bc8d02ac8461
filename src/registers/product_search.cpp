#include "registers/product_search.h"

#include "ui/dialogs.h"

namespace registers {

namespace {

ui::SearchSetup consProdutoSetup() {
    return {.caption = QStringLiteral("::.. Consultar Produtos e Serviços"),
            .radioCaption = QStringLiteral("Descrição:"),
            .indexName = "siDescricao",
            .columns = {{"Descricao", QStringLiteral("Descrição dos Produtos e Serviços")},
                        {"Valor", QStringLiteral("Valor R$")},
                        {"Custo", QStringLiteral("Prom. R$")}},
            .upperCase = true,
            .gridOnLeave = true};
}

}  // namespace

TFmConsProduto::TFmConsProduto(data::Tdm& dm, QWidget* parent)
    : SearchScreen(dm.TbProdutos, consProdutoSetup(), parent) {
    setObjectName(QStringLiteral("TFmConsProduto"));
}

void showConsProduto(data::Tdm& dm) {
    TFmConsProduto screen(dm);
    ui::Dialogs::current().exec(screen);
}

}  // namespace registers
