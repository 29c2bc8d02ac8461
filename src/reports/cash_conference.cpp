#include "reports/cash_conference.h"

#include <map>

#include "core/text.h"
#include "data/dm.h"
#include "reports/items_on_their_own.h"
#include "reports/pass_stage.h"
#include "reports/prepared_table.h"

namespace reports {

namespace {

// `table` restricted to the period on `index`, each record handed to `read`.
template <typename Read>
void walk(store::Table& table, const char* index, const core::Period& period, core::PassProgress& progress,
          Read read) {
    table.setIndexName(index);
    table.setRange({period.start.toIso()}, {period.end.toIso()});
    startStage(progress, table);
    for (table.first(); !table.eof(); table.next()) {
        read(table);
        progress.advance();
    }
}

std::string text(store::Table& table, const char* field) {
    return table.field(field).asString();
}

}  // namespace

CashConference gatherConference(data::Tdm& dm, const core::Period& period, core::PassProgress& progress) {
    CashConference conference;
    conference.period = period;
    ConferenceTotals& totals = conference.totals;
    std::map<std::int64_t, ConferenceEmployee> employees;
    // The employee's row, made with the name of the record that first mentions him.
    const auto employee = [&employees](std::int64_t code, store::Table& record) -> ConferenceEmployee& {
        const auto [row, made] = employees.try_emplace(code);
        if (made) {
            row->second.codigo = code;
            row->second.funcionario = text(record, "Funcionario");
        }
        return row->second;
    };
    {
        PreparedTable caixa(dm.TbCaixa);
        walk(dm.TbCaixa, "siData", period, progress, [&](store::Table& c) {
            totals.dinheiro += c.field("Dinheiro").asCurrency();
            totals.cheque += c.field("Cheque").asCurrency();
            totals.cartao += c.field("Cartao").asCurrency();
            totals.debito += c.field("Debito").asCurrency();
            totals.notinhas += c.field("TEF").asCurrency();
        });
    }
    {
        ItemsOnTheirOwn unlinked(dm);
        PreparedTable items(dm.TbItensServico);
        items->setFilter("PGTO <> ''");
        items->setFiltered(true);
        walk(dm.TbItensServico, "siData", period, progress, [&](store::Table& item) {
            ConferenceItem line{text(item, "Data"),
                                text(item, "Cliente"),
                                text(item, "Descricao"),
                                text(item, "Funcionario"),
                                text(item, "PGTO"),
                                item.field("Comissao").asCurrency(),
                                item.field("Total").asCurrency(),
                                item.field("Comi").asCurrency()};
            totals.servicos += line.total;
            totals.comissoes += line.comi;
            ConferenceEmployee& row = employee(item.field("CodFun").asInteger(), item);
            row.servicos += line.total;
            row.comissao += line.comi;
            conference.items.push_back(std::move(line));
        });
    }
    {
        PreparedTable paid(dm.TbBaixaP);
        walk(dm.TbBaixaP, "siBaixa", period, progress, [&](store::Table& bill) {
            const core::Currency valor = bill.field("Valor").asCurrency();
            if (const std::int64_t code = bill.field("CodFUN").asInteger(); code > 0) {
                employee(code, bill).vales += valor;
                totals.vales += valor;
                if (core::trimmed(text(bill, "FormaPG")) != "CHEQUE") totals.valesEmDinheiro += valor;
            }
            if (core::trimmed(text(bill, "Tipo")) == "RETIRADA") totals.retiradas += valor;
        });
    }
    for (auto& [code, row] : employees) conference.employees.push_back(std::move(row));
    return conference;
}

}  // namespace reports
