#include "sales/stock_entry.h"

#include <string>

#include "core/format.h"
#include "core/text.h"
#include "data/audit_trail.h"
#include "data/dm.h"
#include "data/opened_tables.h"
#include "data/refusal.h"
#include "data/store/posting.h"
#include "sales/stock_movement.h"

namespace sales {

namespace {

using core::Currency;

// The entry as the audit trail keeps it, before it changes: its invoice, supplier, day and total.
data::AuditEntry entryAudit(store::Table& entrada, std::string acao) {
    return {.acao = std::move(acao),
                             .tabela = entrada.name(),
                             .chave = entrada.field("Contador").asString(),
                             .resumo = "Nota " + entrada.field("Nota").asString() + " de " +
                                       entrada.field("Fornecedor").asString() + ", " + entrada.field("Data").asString() +
                                       ", total R$ " + core::formatMoney(entrada.field("Total").asCurrency())};
}

constexpr Currency kLeastCost = Currency::fromUnits(Currency::kScale / 100);  // 0,01
constexpr Currency kLeastTotal = Currency::fromUnits(Currency::kScale / 10);  // 0,10

bool isSaved(store::Table& entrada) {
    return entrada.field("Empresa").asString() == kSavedEntry;
}

// Inside a posting: the entry under its lock, as stored now; TbEntrada is left in edit on it
// and TbItemEntrada on its lines.
void lockEntry(store::Table& entrada, std::int64_t contador) {
    entrada.setIndexName("");
    if (!entrada.findKey({contador})) throw data::Refusal("A Entrada Não Existe Mais!");
    entrada.editExisting();
}

// An entry whose lines are being changed must not count in the stock: a saved one would
// keep the quantities of lines changed after saving.
void lockEntryInEdit(store::Table& entrada, std::int64_t contador) {
    lockEntry(entrada, contador);
    if (isSaved(entrada)) throw data::Refusal("A Entrada Já Está Gravada! Altere-a Antes.");
}

void writeHeader(store::Table& entrada, const EntryHeader& header) {
    entrada.field("Data").setDate(header.data);
    entrada.field("Nota").setString(header.nota);
    entrada.field("CodFor").setInteger(header.codFor);
    entrada.field("Fornecedor").setString(header.fornecedor);
}

// Adds `sign` times each line's quantity to its catalogue item, under the item's lock.
void moveLines(data::Tdm& dm, double sign) {
    store::Table& itens = dm.TbItemEntrada;
    for (itens.first(); !itens.eof(); itens.next()) {
        const std::string code = itens.field("Codigo").asString();
        std::size_t used = 0;
        std::int64_t value = 0;
        try {
            value = std::stoll(code, &used);
        } catch (const std::logic_error&) {
            continue;  // not a catalogue code: nothing to move
        }
        if (used == code.size())
            addToStock(dm.TbProdutos, value, sign * itens.field("Quant").asFloat(), StockedItems::AnyItem);
    }
}

std::vector<store::Table*> entryTables(data::Tdm& dm) {
    return {&dm.TbEntrada, &dm.TbItemEntrada, &dm.TbProdutos, &dm.TbContador};
}

}  // namespace

std::optional<StockEntryProblem> checkEntryLine(const EntryLine& line) {
    if (!line.productCode || line.produto.empty())
        return StockEntryProblem{StockEntryBox::Product, "Selecione o Produto da Entrada!"};
    if (line.quantity < 1)
        return StockEntryProblem{StockEntryBox::Quantity, "Digite a quantidade do Produto!"};
    if (line.custo < kLeastCost)
        return StockEntryProblem{StockEntryBox::Cost, "Digite o Valor de Custo do Produto!"};
    return std::nullopt;
}

std::optional<StockEntryProblem> checkEntrySave(const EntryHeader& header, Currency total) {
    if (header.data.isNull())
        return StockEntryProblem{StockEntryBox::Date, "Digite a Data da Entrada dos Produtos!"};
    if (total < kLeastTotal)
        return StockEntryProblem{StockEntryBox::Total, "Totalize a Entrada dos Produtos!"};
    return std::nullopt;
}

std::int64_t createEntry(data::Tdm& dm, const core::Date& today) {
    if (!dm.TbEntrada.isOpen()) dm.TbEntrada.open();
    if (!dm.TbItemEntrada.isOpen()) dm.TbItemEntrada.open();
    std::int64_t contador = 0;
    store::post({&dm.TbEntrada, &dm.TbContador}, [&] {
        dm.TbEntrada.insert();  // the counter hook numbers it
        dm.TbEntrada.field("Data").setDate(today);
        contador = dm.TbEntrada.field("Contador").asInteger();
        dm.TbEntrada.post();
    });
    return contador;
}

std::int64_t addEntryLine(data::Tdm& dm, std::int64_t contador, const EntryHeader& header,
                          const EntryLine& line) {
    if (const auto problem = checkEntryLine(line)) throw data::Refusal(problem->message);
    data::OpenedTables open{&dm.TbEntrada, &dm.TbItemEntrada};
    store::Table& entrada = dm.TbEntrada;
    store::Table& item = dm.TbItemEntrada;
    std::int64_t ordem = 0;
    store::post({&entrada, &item, &dm.TbContador}, [&] {
        lockEntryInEdit(entrada, contador);
        writeHeader(entrada, header);
        for (const char* field : {"Codigo", "Produto", "Custo", "QT"}) entrada.field(field).clear();
        entrada.post();
        item.insert();  // the counter hook numbers it, the master link gives the entry
        item.field("Contador").setInteger(contador);
        item.field("Codigo").setString(std::to_string(*line.productCode));
        item.field("Descricao").setString(line.produto);
        item.field("Quant").setFloat(line.quantity);
        item.field("Custo").setCurrency(line.custo);
        item.field("Empresa").setString(entrada.field("Empresa").asString());
        item.field("CodFOR").setInteger(header.codFor);
        item.field("Fornecedor").setString(core::trimmed(core::leftCharacters(header.fornecedor, 20)));
        item.field("Data").setDate(header.data);
        ordem = item.field("Ordem").asInteger();
        item.post();
    });
    return ordem;
}

void deleteEntryLine(data::Tdm& dm, std::int64_t contador, std::int64_t ordem) {
    data::OpenedTables open{&dm.TbEntrada, &dm.TbItemEntrada};
    store::post({&dm.TbEntrada, &dm.TbItemEntrada}, [&] {
        lockEntryInEdit(dm.TbEntrada, contador);
        dm.TbEntrada.cancel();
        store::Table& itens = dm.TbItemEntrada;
        for (itens.first(); !itens.eof(); itens.next())
            if (itens.field("Ordem").asInteger() == ordem) return itens.deleteRecord();
        throw data::Refusal("O Ítem Já Foi Excluído!");
    });
}

Currency totalEntry(data::Tdm& dm, std::int64_t contador) {
    data::OpenedTables open{&dm.TbEntrada, &dm.TbItemEntrada};
    Currency total;
    store::post({&dm.TbEntrada, &dm.TbItemEntrada}, [&] {
        lockEntryInEdit(dm.TbEntrada, contador);
        store::Table& itens = dm.TbItemEntrada;
        for (itens.first(); !itens.eof(); itens.next()) total = total + itens.field("Total").asCurrency();
        dm.TbEntrada.field("Total").setCurrency(total);
        dm.TbEntrada.post();
    });
    return total;
}

void saveEntry(data::Tdm& dm, std::int64_t contador, const EntryHeader& header) {
    data::OpenedTables open{&dm.TbEntrada, &dm.TbItemEntrada, &dm.TbProdutos};
    store::post(entryTables(dm), [&] {
        lockEntryInEdit(dm.TbEntrada, contador);
        if (const auto problem = checkEntrySave(header, dm.TbEntrada.field("Total").asCurrency()))
            throw data::Refusal(problem->message);
        writeHeader(dm.TbEntrada, header);
        dm.TbEntrada.field("Empresa").setString(kSavedEntry);
        dm.TbEntrada.post();
        moveLines(dm, +1);
    });
}

void alterEntry(data::Tdm& dm, std::int64_t contador) {
    data::OpenedTables open{&dm.TbEntrada, &dm.TbItemEntrada, &dm.TbProdutos};
    data::postAudited(dm, entryTables(dm), [&] {
        lockEntry(dm.TbEntrada, contador);
        if (!isSaved(dm.TbEntrada)) throw data::Refusal("A Entrada Está em Edição em Outra Estação!");
        const data::AuditEntry audited = entryAudit(dm.TbEntrada, "Alteração de Entrada de Produtos");
        dm.TbEntrada.field("Empresa").clear();
        dm.TbEntrada.field("Total").setCurrency(Currency{});
        dm.TbEntrada.post();
        moveLines(dm, -1);
        return audited;
    });
}

void deleteEntry(data::Tdm& dm, std::int64_t contador) {
    data::OpenedTables open{&dm.TbEntrada, &dm.TbItemEntrada, &dm.TbProdutos};
    data::postAudited(dm, entryTables(dm), [&] {
        lockEntry(dm.TbEntrada, contador);
        const data::AuditEntry audited = entryAudit(dm.TbEntrada, "Exclusão de Entrada de Produtos");
        if (isSaved(dm.TbEntrada)) moveLines(dm, -1);
        dm.TbEntrada.cancel();
        store::Table& itens = dm.TbItemEntrada;
        for (itens.first(); !itens.eof(); itens.first()) itens.deleteRecord();
        dm.TbEntrada.deleteRecord();
        return audited;
    });
}

}  // namespace sales
