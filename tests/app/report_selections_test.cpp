// What the main window's own report items hand to their report, and how they leave the
// tables for the next screen.
#include <gtest/gtest.h>

#include "app/report_selections.h"
#include "app_fixture.h"

namespace {

class ReportSelections : public apptest::AppTest {
  protected:
    void SetUp() override {
        dm.TbProdutos.open();
        addItem(1, "CORTE", "SERVIÇO");
        addItem(2, "XAMPU", "PRODUTO");
        addItem(3, "ESCOVA", "SERVIÇO");
        addItem(4, "SEM TIPO", "");
        dm.TbProdutos.close();
    }
    void addItem(std::int64_t code, const std::string& descricao, const std::string& tipo) {
        dm.TbProdutos.insert();
        dm.TbProdutos.field("Codigo").setInteger(code);
        dm.TbProdutos.field("Descricao").setString(descricao);
        dm.TbProdutos.field("Tipo").setString(tipo);
        dm.TbProdutos.post();
    }
    // The descriptions a report would list, in the table's order at that moment.
    QStringList listed(store::Table& table, const char* field) {
        QStringList rows;
        for (table.first(); !table.eof(); table.next())
            rows << QString::fromStdString(table.field(field).asString());
        return rows;
    }
};

struct PriceCase {
    const char* name;
    app::PriceTable kind;
    const char* title;
    QStringList rows;
};

class PriceTables : public ReportSelections, public ::testing::WithParamInterface<PriceCase> {};

TEST_P(PriceTables, ListTheirTypeOnlyAndLeaveTheCatalogueWhole) {
    const PriceCase& c = GetParam();
    QString title;
    QStringList rows;
    app::withPriceTable(dm, c.kind, [&](const QString& t) {
        title = t;
        rows = listed(dm.TbProdutos, "Descricao");
    });
    EXPECT_EQ(title, c.title);
    EXPECT_EQ(rows, c.rows);
    EXPECT_FALSE(dm.TbProdutos.isOpen());
    dm.TbProdutos.open();
    EXPECT_EQ(dm.TbProdutos.recordCount(), 4) << "closed unfiltered";
    EXPECT_EQ(dm.TbProdutos.indexName(), "");
}

INSTANTIATE_TEST_SUITE_P(
    ReportSelections, PriceTables,
    ::testing::Values(
        PriceCase{"Servicos", app::PriceTable::Servicos, "TABELA DE PREÇO SERVIÇOS", {"CORTE", "ESCOVA"}},
        PriceCase{"Produtos", app::PriceTable::Produtos, "TABELA DE PREÇO PRODUTOS", {"XAMPU"}},
        // By type: the item without a type comes first.
        PriceCase{"Ambos",
                  app::PriceTable::ProdutosEServicos,
                  "TABELA DE PREÇO PRODUTOS E SERVIÇOS",
                  {"SEM TIPO", "XAMPU", "CORTE", "ESCOVA"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ReportSelections, AFailingReportStillLeavesTheCatalogueWhole) {
    EXPECT_THROW(app::withPriceTable(dm, app::PriceTable::Produtos,
                                     [](const QString&) { throw store::Error("falha na impressão"); }),
                 store::Error);
    EXPECT_FALSE(dm.TbProdutos.isOpen());
    dm.TbProdutos.open();
    EXPECT_EQ(dm.TbProdutos.recordCount(), 4);
}

TEST_F(ReportSelections, ReceivablesAreListedByDueDateWithinTheFixedRange) {
    dm.TbReceber.open();
    for (const auto& [due, who] :
         std::vector<std::pair<std::string, std::string>>{{"2024-05-10", "MAIO"},
                                                          {"1999-12-31", "ANTIGA"},
                                                          {"2024-01-02", "JANEIRO"},
                                                          {"2050-01-02", "FUTURA"}}) {
        dm.TbReceber.insert();
        dm.TbReceber.field("DataVen").setValue(due);
        dm.TbReceber.field("Cliente").setString(who);
        dm.TbReceber.post();
    }
    dm.TbReceber.close();
    QStringList rows;
    app::withReceivables(dm, [&] { rows = listed(dm.TbReceber, "Cliente"); });
    EXPECT_EQ(rows, (QStringList{"JANEIRO", "MAIO"}));
    EXPECT_FALSE(dm.TbReceber.isOpen());
}

TEST_F(ReportSelections, TheClientListingIsByName) {
    dm.TbCliente.open();
    for (const auto& [code, name] :
         std::vector<std::pair<std::int64_t, std::string>>{{1, "ZÉLIA"}, {2, "ÁUREA"}, {3, "MARIA"}}) {
        dm.TbCliente.insert();
        dm.TbCliente.field("Codigo").setInteger(code);
        dm.TbCliente.field("Nome").setString(name);
        dm.TbCliente.post();
    }
    dm.TbCliente.close();
    QStringList rows;
    app::withClientListing(dm, [&] { rows = listed(dm.TbCliente, "Nome"); });
    EXPECT_EQ(rows, (QStringList{"ÁUREA", "MARIA", "ZÉLIA"}));
    EXPECT_FALSE(dm.TbCliente.isOpen());
}

}  // namespace
