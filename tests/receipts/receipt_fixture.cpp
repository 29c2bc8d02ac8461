#include "receipts/receipt_fixture.h"

#include <gtest/gtest.h>

#include "data/rows.h"
#include "sales/sale_items.h"
#include "sales/sale_lifecycle.h"
#include "sales/sale_payment.h"

namespace receiptstest {

namespace {

enum Employee : std::int64_t { JOAO = 21, MARCIA = 22 };

}  // namespace

ReceiptDataTest::ReceiptDataTest() {
    store::Table& config = dm.TbConfig;
    config.first();
    config.edit();
    config.field("Nome").setString("Espaço Beleza & Cia");
    config.field("COM").setString("");
    config.field("VALOR").setString("");
    config.post();
    for (auto* table : {&dm.TbProdutos, &dm.TbFuncionario, &dm.TbCliente, &dm.TbCaixa}) table->open();
    const auto product = [&](std::int64_t code, const char* name, const char* type, double value,
                             double discount) {
        data::addRow(dm.TbProdutos, {{"Codigo", code},
                                     {"Descricao", name},
                                     {"Tipo", type},
                                     {"Valor", value},
                                     {"Saida", discount},
                                     {"Estoque", 20.0}});
    };
    product(1, "CORTE FEMININO", "SERVIÇO", 80.0, 10.0);
    product(2, "COLORAÇÃO COMPLETA", "SERVIÇO", 120.0, 0.0);
    product(3, "HIDRATAÇÃO COM MÁSCARA DE QUERATINA E ÓLEO DE ARGAN", "SERVIÇO", 45.0, 0.0);
    product(4, "ESMALTE CINTILANTE", "PRODUTO", 9.9, 0.0);
    product(5, "SOBRANCELHA", "SERVIÇO", 25.0, 0.0);
    data::addRow(dm.TbFuncionario, {{"Codigo", std::int64_t{JOAO}}, {"Nome", "JOÃO"}, {"Comissao", 30.0}});
    data::addRow(dm.TbFuncionario,
                 {{"Codigo", std::int64_t{MARCIA}}, {"Nome", "MÁRCIA"}, {"Comissao", 40.0}});
    data::addRow(dm.TbCliente, {{"Codigo", kMaria}, {"Nome", "MARIA JOSÉ CONCEIÇÃO"}, {"Saldo", 20.0}});
    data::addRow(dm.TbCaixa, {{"Contador", kCash},
                              {"Status", "ABERTO"},
                              {"Funcionario", "ADMINISTRADOR"},
                              {"Abertura", kDay.toIso()},
                              {"Hora1", std::string("08:00:00")},
                              {"DinheiroDIA", 100.0}});
    for (auto* table : {&dm.TbProdutos, &dm.TbFuncionario, &dm.TbCliente, &dm.TbCaixa}) table->close();
}

void ReceiptDataTest::prepareSale(std::initializer_list<Line> lines) {
    sales::startSale(dm, kDay);
    store::Table& sale = dm.TbServico;
    sale.field("CodCliente").setInteger(kMaria);
    sale.field("Cliente").setString("MARIA JOSÉ CONCEIÇÃO");
    for (const Line& line : lines) {
        sale.field("CodFun").setInteger(line.employee);
        EXPECT_EQ(sales::lookUpEmployee(dm), std::nullopt);
        sale.field("Codigo").setInteger(line.item);
        const sales::ItemLookupResult found = sales::lookUpItem(dm, false);
        EXPECT_TRUE(found.item) << line.item;
        sale.field("CodTipo").setInteger(line.quantity);
        if (line.value) sale.field("Valor").setCurrency(reais(line.value));
        EXPECT_EQ(sales::addItem(dm, *found.item), std::nullopt);
    }
    EXPECT_EQ(sales::prepareForPayment(dm), std::nullopt);
}

std::int64_t ReceiptDataTest::sell(std::initializer_list<Line> lines, int code, core::Currency creditUsed,
                                   core::Currency handedOver) {
    prepareSale(lines);
    store::Table& sale = dm.TbServico;
    sales::registerSalePayment(
        dm, {.code = code, .clientCode = kMaria, .creditUsed = creditUsed, .handedOver = handedOver}, kDay);
    return sale.field("Contador").asInteger();
}

std::int64_t ReceiptDataTest::fiveItemSale() {
    // 72,00 + 120,00 + 45,00 + 3 x 9,90 + 25,00 = 291,70; 20,00 of credit leaves 271,70.
    return sell({{JOAO, 1, 1, "72,00"}, {MARCIA, 2}, {MARCIA, 3}, {JOAO, 4, 3}, {JOAO, 5}}, 1, reais("20,00"),
                reais("300,00"));
}

void ReceiptDataTest::twoNotes() {
    sell({{MARCIA, 5}}, 4);
    sell({{JOAO, 1}, {JOAO, 4}}, 4);
}

void ReceiptDataTest::closeCash() {
    store::Table& caixa = dm.TbCaixa;
    caixa.open();
    caixa.last();
    caixa.edit();
    caixa.field("Status").setString("FECHADO");
    caixa.field("Fechamento").setDate(kDay);
    caixa.field("Hora2").setTime({19, 30, 0});
    caixa.post();
    caixa.close();
}

}  // namespace receiptstest
