#pragma once
// March 2024 at a small salon, as the period reports see it. Employees ANA (11, 40 %), BRUNO
// (12, 30 %) and CARLA (13); CORTE (1) 50,00 and ESCOVA (2) 35,00, which carries its own 50 %
// commission, are services; SHAMPOO (13) 25,00 is a product.
//   S1 05/03 ANA: CORTE 50,00 + ESCOVA 35,00 + 2 SHAMPOO 50,00, in cash: 135,00.
//   S2 12/03 BRUNO: CORTE at 45,00 + ESCOVA 35,00; 30,00 from the client's credit, the other
//      50,00 by debit card.
//   S3 20/03 ANA: SHAMPOO by cheque, 25,00.
//   A sale of BRUNO's on 21/03 (CORTE 90,00) was never paid: its item carries no payment form
//   and its sale was never stored.
//   Advances: BRUNO 20,00 on 10/03, CARLA 15,00 on 15/03. A bill of 500,00 paid on 18/03 is
//   no advance. Outside the period: an ANA sale (CORTE) on 02/04 and an ANA advance on 01/04.
#include <cstdint>
#include <string>

#include "core/period.h"
#include "data/rows.h"
#include "demo_fixture.h"

namespace reportstest {

class WorkedPeriodTest : public SalonTest {
  protected:
    WorkedPeriodTest() : SalonTest(false) {
        dm.TbFuncionario.open();
        for (const auto& [code, name, share] :
             {std::tuple{11, "ANA", 40.0}, std::tuple{12, "BRUNO", 30.0}, std::tuple{13, "CARLA", 0.0}})
            data::addRow(dm.TbFuncionario,
                         {{"Codigo", std::int64_t{code}}, {"Nome", name}, {"Comissao", share}});
        dm.TbFuncionario.close();
        dm.TbServico.open();
        sale(1, "2024-03-05", "HELENA COSTA", "DINHEIRO", 135, 0);
        sale(2, "2024-03-12", "BEATRIZ", "DÉBITO", 50, 30);
        sale(3, "2024-03-20", "CAMILA", "CHEQUE", 25, 0);
        sale(4, "2024-04-02", "HELENA COSTA", "DINHEIRO", 50, 0);
        dm.TbServico.close();
        dm.TbItensServico.open();
        item(1, 1, "2024-03-05", kAna, kCorte, 50, 40, "DINHEIRO", "HELENA COSTA");
        item(1, 2, "2024-03-05", kAna, kEscova, 35, 50, "DINHEIRO", "HELENA COSTA");
        item(1, 3, "2024-03-05", kAna, kShampoo, 50, 40, "DINHEIRO", "HELENA COSTA");
        item(2, 1, "2024-03-12", kBruno, kCorte, 45, 30, "DÉBITO", "BEATRIZ");
        item(2, 2, "2024-03-12", kBruno, kEscova, 35, 50, "DÉBITO", "BEATRIZ");
        item(3, 1, "2024-03-20", kAna, kShampoo, 25, 40, "CHEQUE", "CAMILA");
        item(4, 1, "2024-04-02", kAna, kCorte, 50, 40, "DINHEIRO", "HELENA COSTA");
        item(5, 1, "2024-03-21", kBruno, kCorte, 90, 30, "", "");
        dm.TbItensServico.close();
        dm.TbBaixaP.open();
        advance("2024-03-10", 12, "BRUNO", 20);
        advance("2024-03-15", 13, "CARLA", 15);
        advance("2024-04-01", 11, "ANA", 40);
        advance("2024-03-18", 0, "", 500);
        dm.TbBaixaP.close();
    }

    struct Person {
        std::int64_t code;
        const char* name;
    };
    struct Product {
        std::int64_t code;
        const char* description;
        const char* type;
    };
    static constexpr Person kAna{11, "ANA"}, kBruno{12, "BRUNO"};
    static constexpr Product kCorte{1, "CORTE", "SERVIÇO"}, kEscova{2, "ESCOVA", "SERVIÇO"},
        kShampoo{13, "SHAMPOO", "PRODUTO"};

    void sale(std::int64_t number, const char* day, const char* client, const char* form, double total,
              double credit) {
        data::addRow(dm.TbServico, {{"Contador", number},
                                    {"Data", day},
                                    {"Cliente", client},
                                    {"TipoPG", form},
                                    {"Total", total},
                                    {"Saldo", credit},
                                    {"SubTotal", total + credit}});
    }
    void item(std::int64_t sale, std::int64_t order, const char* day, Person who, Product what, double total,
              double commission, const char* paidIn, const char* client) {
        data::addRow(dm.TbItensServico, {{"Contador", sale},
                                         {"Ordem", order},
                                         {"Data", day},
                                         {"CodFun", who.code},
                                         {"Funcionario", who.name},
                                         {"Codigo", what.code},
                                         {"Descricao", what.description},
                                         {"Tipo", what.type},
                                         {"Total", total},
                                         {"Comissao", commission},
                                         {"Cliente", client},
                                         {"PGTO", paidIn}});
    }
    void advance(const char* day, std::int64_t employee, const char* name, double value) {
        data::addRow(dm.TbBaixaP, {{"DataBaixa", day},
                                   {"CodFUN", employee},
                                   {"Funcionario", name},
                                   {"Valor", value},
                                   {"TipoDOC", employee ? "VALE" : "BOLETO"}});
    }

    const core::Period march{{2024, 3, 1}, {2024, 3, 31}, "01/03/24", "31/03/24"};
};

}  // namespace reportstest
