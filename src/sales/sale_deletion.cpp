#include "sales/sale_deletion.h"

#include <string>

#include "cash/cash_record.h"
#include "core/currency.h"
#include "core/format.h"
#include "core/text.h"
#include "data/audit_trail.h"
#include "data/dm.h"
#include "data/opened_tables.h"
#include "data/payment_form.h"
#include "data/refusal.h"
#include "sales/stock_movement.h"

namespace sales {

namespace {

using core::Currency;

// The row of `table` whose Documento is the sale's number and that `belongs` says is the
// sale's own, made current; false when there is none.
template <typename Belongs>
bool findSaleRow(store::Table& table, const std::string& document, Belongs belongs) {
    table.setIndexName("siDocumento");
    table.setRange({document}, {document});
    for (table.first(); !table.eof(); table.next())
        if (belongs(table)) return true;
    return false;
}

void dropRange(store::Table& table) {
    table.cancelRange();
    table.setIndexName("");
}

}  // namespace

void deleteSale(data::Tdm& dm, std::int64_t saleNumber, const core::Date& today) {
    store::Table& sale = dm.TbServico;
    store::Table& items = dm.TbItensServico;
    store::Table& produtos = dm.TbProdutos;
    store::Table& receber = dm.TbReceber;
    store::Table& baixa = dm.TbBaixaR;
    store::Table& cliente = dm.TbCliente;
    data::OpenedTables open{&sale, &items, &produtos, &receber, &baixa, &cliente};
    data::postAudited(dm, {&sale, &items, &produtos, &dm.TbCaixa, &receber, &baixa, &cliente}, [&] {
        // The sale as stored now, under its lock: another station may have deleted it, or
        // have it open, since this screen chose it.
        sale.setIndexName("");
        if (!sale.findKey({saleNumber})) throw data::Refusal(kSaleGone);
        sale.editExisting();
        if (sale.field("Data").asDate() != today)
            throw data::Refusal("Você Poderá Excluir Somente Lançamentos do Dia!");

        const std::string word = core::trimmed(sale.field("TipoPG").asString());
        const std::string document = std::to_string(saleNumber);
        const std::int64_t clientCode = sale.field("CodCliente").asInteger();
        const Currency total = sale.field("Total").asCurrency();
        const Currency creditUsed = sale.field("Saldo").asCurrency();
        const std::string_view notinha = data::storedWord(data::PaymentForm::Notinha);
        const bool onNote = word == notinha;

        // Its own note (the client's, with its number) or its own received amount: a
        // settlement's row carries a note's number too, but says "NOTINHA".
        store::Table& receivable = onNote ? receber : baixa;
        const bool found = findSaleRow(receivable, document, [&](store::Table& row) {
            if (onNote) return row.field("CodCliente").asInteger() == clientCode;
            return core::trimmed(row.field("Vendedor").asString()) != notinha;
        });
        if (onNote && !found)
            throw data::Refusal("A Notinha Deste Lançamento Já Foi Acertada! Exclusão Não Permitida.");
        if (found) receivable.deleteRecord();
        dropRange(receivable);

        if (creditUsed > Currency()) {
            cliente.setIndexName("");
            if (!cliente.findKey({clientCode})) throw data::Refusal("Não Existe Cliente Com Este Código!");
            cliente.editExisting();
            cliente.field("Saldo").setCurrency(cliente.field("Saldo").asCurrency() + creditUsed);
            cliente.post();
        }

        cash::addToOpenCash(dm, cash::paymentAdditions(word, -total));

        data::AuditEntry audited{.acao = "Exclusão de Venda",
                                 .tabela = sale.name(),
                                 .chave = document,
                                 .resumo = "Venda " + document + " de " + sale.field("Data").asString() + ", cliente nº " +
                                           std::to_string(clientCode) + ", total R$ " +
                                           core::formatMoney(total) + ", forma " + word};
        // The items follow the sale through the master link.
        while (!items.isEmpty()) {
            items.first();
            audited.resumo += "\n  " + items.field("Porcentagem").asString() + " x " +
                              items.field("Descricao").asString() + " (" + items.field("Funcionario").asString() +
                              "): R$ " + core::formatMoney(items.field("Total").asCurrency());
            addToStock(produtos, items.field("Codigo").asInteger(), items.field("Porcentagem").asFloat());
            items.deleteRecord();
        }
        sale.deleteRecord();
        return audited;
    });
}

}  // namespace sales
