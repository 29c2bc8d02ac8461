#pragma once
// A data directory with a few catalogue items and employees, and the sale in progress.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "core/currency.h"
#include "data/dm.h"
#include "sales/sale_lifecycle.h"
#include "support/data_fixture.h"

namespace salestest {

inline core::Currency reais(const char* text) {
    return *core::Currency::parse(text);
}

struct Item {
    std::int64_t code;
    std::string descricao;
    std::string tipo;
    const char* valor;
    const char* custo = "0";
    double saida = 0;
    std::int64_t codFor = 0;
    double estoque = 10;
};

class SalesTest : public testsupport::DataTest {
  protected:
    static constexpr std::int64_t kAna = 10;    // employee with 40 %
    static constexpr std::int64_t kBruno = 11;  // employee with 25 %

    SalesTest() {
        addEmployee(kAna, "ANA", 40);
        addEmployee(kBruno, "BRUNO", 25);
        addItem({1, "CORTE", "SERVIÇO", "50,00", "45,00", 5});
        addItem({2, "XAMPU", "PRODUTO", "12,50", "10,00", 0, 0, 10});
        addItem({3, "ESCOVA", "SERVIÇO", "30,00", "0", 0, 30});
    }

    void addEmployee(std::int64_t code, const std::string& nome, double comissao) {
        store::Table& t = dm.TbFuncionario;
        if (!t.isOpen()) t.open();
        t.insert();
        t.field("Codigo").setInteger(code);
        t.field("Nome").setString(nome);
        t.field("Comissao").setFloat(comissao);
        t.post();
    }

    void addItem(const Item& item) {
        store::Table& t = dm.TbProdutos;
        if (!t.isOpen()) t.open();
        t.insert();
        t.field("Codigo").setInteger(item.code);
        t.field("Descricao").setString(item.descricao);
        t.field("Tipo").setString(item.tipo);
        t.field("Valor").setCurrency(reais(item.valor));
        t.field("Custo").setCurrency(reais(item.custo));
        t.field("Saida").setFloat(item.saida);
        t.field("CodFor").setInteger(item.codFor);
        t.field("Estoque").setFloat(item.estoque);
        t.post();
    }

    void setSwitch(const char* field, bool on) {
        store::Table& config = dm.TbConfig;
        config.first();
        config.edit();
        config.field(field).setString(on ? "SIM" : "");
        config.post();
    }

    double stockOf(std::int64_t code) {
        store::Table& t = dm.TbProdutos;
        t.setIndexName("");
        EXPECT_TRUE(t.findKey({store::Value{code}}));
        return t.field("Estoque").asFloat();
    }

    store::Table& sale() { return dm.TbServico; }
    store::Table& items() { return dm.TbItensServico; }
    core::Currency saleTotal() { return sale().field("Total").asCurrency(); }
    core::Currency saleSubTotal() { return sale().field("SubTotal").asCurrency(); }

    // Stored item rows of every sale, read apart from the screens' master link.
    int storedItems() {
        store::Table all(dm.TbItensServico.database(), dm.TbItensServico.definition(), "TbItensServico");
        all.open();
        return all.recordCount();
    }
};

}  // namespace salestest
