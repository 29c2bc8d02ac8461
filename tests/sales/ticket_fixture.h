#pragma once
// Tickets with a maintenance fee of 10 %: BIA (code 20, 40 %, password "abc" as the register
// keeps it) and CAIO (21, 30 %, "xyz"); CORTE 50,00 with at most 5,00 of discount, ESCOVA
// 30,00 with its own commission of 50 %, MECHAS 20,00 with at most 30,00 of discount, PROMO
// on promotion at 60,00 (price 40,00), and BARATO at 0,09.
#include <cstdint>
#include <string>
#include <vector>

#include "core/format.h"
#include "data/rows.h"
#include "support/data_fixture.h"

namespace tickettest {

class TicketTest : public testsupport::DataTest {
  protected:
    static constexpr std::int64_t kBia = 20;
    static constexpr std::int64_t kCaio = 21;
    static constexpr std::int64_t kCorte = 1, kEscova = 3, kMechas = 4, kPromo = 5, kBarato = 6;

    TicketTest() {
        setFee(10);
        dm.TbFuncionario.open();
        data::addRow(dm.TbFuncionario,
                     {{"Codigo", kBia}, {"Nome", "BIA"}, {"Comissao", 40.0}, {"SobreNome", "abc"}});
        data::addRow(dm.TbFuncionario,
                     {{"Codigo", kCaio}, {"Nome", "CAIO"}, {"Comissao", 30.0}, {"SobreNome", "xyz"}});
        dm.TbFuncionario.close();
        dm.TbProdutos.open();
        addItem(kCorte, "CORTE", 50, 0, 5);
        addItem(kEscova, "ESCOVA", 30, 0, 0, 50);
        addItem(kMechas, "MECHAS", 20, 0, 30);
        addItem(kPromo, "PROMO", 40, 60, 0, 0, "SIM");
        addItem(kBarato, "BARATO", 0.09, 0, 0);
        data::addRow(dm.TbProdutos,
                     {{"Codigo", std::int64_t{7}}, {"Descricao", "DEZ CENTAVOS"}, {"Valor", 0.10}});
        dm.TbProdutos.close();
    }

    void addItem(std::int64_t code, const char* descricao, double valor, double custo, double saida,
                 std::int64_t codFor = 0, const char* grupo = "") {
        data::addRow(dm.TbProdutos, {{"Codigo", code},
                                     {"Descricao", descricao},
                                     {"Tipo", "SERVIÇO"},
                                     {"Valor", valor},
                                     {"Custo", custo},
                                     {"Saida", saida},
                                     {"CodFor", codFor},
                                     {"Grupo", grupo}});
    }

    void setFee(double percent) {
        dm.TbConfig.first();
        dm.TbConfig.edit();
        dm.TbConfig.field("Manutencao").setFloat(percent);
        dm.TbConfig.post();
    }

    // "Ordem Servico Valor COM Desconto CodFUN Manu VC" per history row, or per item of
    // `ticket`, as stored and computed now.
    std::vector<std::string> rowsOf(const char* component, std::int64_t ticket = 0) {
        testsupport::RecordingMessages quiet;
        data::Tdm fresh(dataSet(), quiet);
        if (ticket) {
            fresh.TbComando.open();
            if (!fresh.TbComando.findKey({ticket})) return {"(sem comanda)"};
        }
        store::Table& table = fresh.table(component);
        table.open();
        std::vector<std::string> rows;
        for (table.first(); !table.eof(); table.next()) {
            std::string row = table.field("Ordem").asString();
            for (const char* field : {"Servico", "Valor", "COM", "Desconto", "CodFUN", "Manu", "VC"}) {
                const store::Field value = table.field(field);
                row +=
                    " " + (value.type() == store::FieldType::Currency ? core::formatMoney(value.asCurrency())
                                                                      : value.asString());
            }
            rows.push_back(row);
        }
        return rows;
    }
};

}  // namespace tickettest
