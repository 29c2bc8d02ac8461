#include "data/counters.h"

#include "data/store/database.h"
#include "data/store/posting.h"
#include "data/store/table.h"

namespace data {

const std::vector<CounterRule>& counterRules() {
    // ContServ and ContReceber are each shared by several tables: numbers are unique
    // within a table but not consecutive.
    static const std::vector<CounterRule> rules = {
        {"TbServico", "Contador", "ContServ"},   {"TbItensServico", "Ordem", "ContServico"},
        {"TbItemComando", "Ordem", "ContServ"},  {"TbEntrada", "Contador", "ContServ"},
        {"TbItemEntrada", "Ordem", "ContServ"},  {"TbReceber", "Contador", "ContReceber"},
        {"TbBanco", "Numero", "ContReceber"},    {"TbBaixaR", "Contador", "ContBaixaR"},
        {"TbPagar", "Contador", "ContPagar"},    {"TbBaixaP", "Contador", "ContBaixaP"},
        {"TbFoto", "Ordem", "ContFecha", false}, {"TbHora", "Ordem", "ContFechaCaixa", false},
    };
    return rules;
}

namespace {

void incrementInto(store::Table& contador, store::Table& record, const CounterRule& rule) {
    if (!contador.isOpen()) contador.open();
    contador.first();
    if (contador.isEmpty())
        throw store::Error("A tabela de contadores (" + contador.definition().fileName +
                           ") não tem registro: o número de " + record.name() + " não pôde ser gerado.");
    contador.edit();  // record lock, then the value as stored now
    store::Field counter = contador.field(rule.counter);
    const std::int64_t number = counter.asInteger();
    counter.setInteger(number + 1);
    contador.post();
    record.field(rule.keyField).setInteger(number);
}

}  // namespace

void takeCounter(store::Table& contador, store::Table& record, const CounterRule& rule) {
    try {
        // Inside a posting the counter goes with it. Outside, it is a small posting of its
        // own, which takes the counter file before the counter record, as every posting does:
        // a station starting a sale then waits for another's payment, never in a circle.
        if (contador.database().activeScope()) {
            incrementInto(contador, record, rule);
        } else {
            store::post({&contador}, [&] { incrementInto(contador, record, rule); });
        }
    } catch (...) {
        if (contador.isEditing()) contador.cancel();
        if (rule.closeAfter) contador.close();
        throw;
    }
    if (rule.closeAfter) contador.close();
}

}  // namespace data
