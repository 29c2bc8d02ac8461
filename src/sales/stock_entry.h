#pragma once
// Deliveries from suppliers (TbEntrada with its lines in TbItemEntrada). An entry's lines
// count in the stock exactly while its saved mark (Empresa "MATRIZ") is set: saving sets it
// and adds every line, altering clears it and takes every line back, deleting takes the
// lines back only when it is set. Each action is one posting that locks the entry and reads
// it again first, so what another station did meanwhile is seen: an entry being altered
// there is refused, and no stock is ever taken back twice or taken back unadded.
//
// They work on dm.TbEntrada (left on the entry, its lines in dm.TbItemEntrada) and open what
// they need for their own length.
#include <cstdint>
#include <optional>
#include <string>

#include "core/currency.h"
#include "core/date.h"

namespace data {
class Tdm;
}

namespace sales {

// Written as Empresa of a saved entry.
inline constexpr const char* kSavedEntry = "MATRIZ";

// The header as the screen's boxes hold it.
struct EntryHeader {
    core::Date data;  // null when "Dt. Entrada:" is empty
    std::string nota;
    std::int64_t codFor = 0;  // 0: no supplier
    std::string fornecedor;
};

// A line as typed: the product is the one the last look-up found, never whatever catalogue
// record happens to be current.
struct EntryLine {
    std::optional<std::int64_t> productCode;
    std::string produto;  // "Nome do Produto:", filled by the look-up
    core::Currency custo;
    double quantity = 0;
};

// The box of the entry screen a refusal sends the user back to.
enum class StockEntryBox { Date, Product, Quantity, Cost, Total };
struct StockEntryProblem {
    StockEntryBox box;
    std::string message;
};

// What stops a line from being added: no product looked up ("Selecione o Produto da
// Entrada!"), a quantity below 1 ("Digite a quantidade do Produto!"), a cost below 0,01
// ("Digite o Valor de Custo do Produto!").
std::optional<StockEntryProblem> checkEntryLine(const EntryLine& line);
// What stops an entry of that header and total from being saved: an empty date ("Digite a
// Data da Entrada dos Produtos!"), a total below 0,10 ("Totalize a Entrada dos Produtos!").
std::optional<StockEntryProblem> checkEntrySave(const EntryHeader& header, core::Currency total);

// Stores a new entry dated `today`, with no lines and no total, and returns its number
// (Contador, from the counter shared with the services).
std::int64_t createEntry(data::Tdm& dm, const core::Date& today = core::Date::today());

// Adds a line to the entry being entered, with the header's date and supplier as they are
// now (written to the header too). Refuses what checkEntryLine finds. Returns its Ordem.
std::int64_t addEntryLine(data::Tdm& dm, std::int64_t contador, const EntryHeader& header,
                          const EntryLine& line);

// Deletes one line of the entry being entered; stock and total are not changed.
void deleteEntryLine(data::Tdm& dm, std::int64_t contador, std::int64_t ordem);

// Sets the entry's Total to the sum of its lines and returns it.
core::Currency totalEntry(data::Tdm& dm, std::int64_t contador);

// Saves the entry: sets its saved mark and adds each line's quantity to its catalogue item.
// Refuses what checkEntrySave finds with the total of the last totalEntry, as stored.
void saveEntry(data::Tdm& dm, std::int64_t contador, const EntryHeader& header);

// Starts altering a saved entry: takes each line's quantity back and clears the saved mark
// and the total. Refuses an entry that is not saved: it is being entered or altered at
// another station ("A Entrada Está em Edição em Outra Estação!").
void alterEntry(data::Tdm& dm, std::int64_t contador);

// Deletes the entry and its lines, taking their quantities back when it is saved. Also
// what cancelling a new entry does.
void deleteEntry(data::Tdm& dm, std::int64_t contador);

}  // namespace sales
