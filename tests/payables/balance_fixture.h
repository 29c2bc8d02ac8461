#pragma once
// A period of sales and paid bills for the balance sheet: May 2025.
#include <string>

#include "core/period.h"
#include "payables_fixture.h"

namespace payablestest {

class BalanceTest : public PayablesTest {
  protected:
    // A sale item; `paidIn` empty: its sale was never paid.
    void item(const char* day, const char* descricao, const char* total, const char* paidIn = "DINHEIRO") {
        add(dm.TbItensServico, {{"Contador", std::int64_t{1}},
                                {"Data", day},
                                {"Descricao", descricao},
                                {"Total", reais(total).toDouble()},
                                {"PGTO", paidIn}});
    }
    void paidBill(const char* day, const char* codPlano, const char* plano, const char* valor) {
        add(dm.TbBaixaP, {{"DataBaixa", day},
                          {"CodPlano", codPlano},
                          {"Plano", plano},
                          {"Valor", reais(valor).toDouble()}});
    }

    const core::Period may{{2025, 5, 1}, {2025, 5, 31}, "01/05/25", "31/05/25"};
};

}  // namespace payablestest
