#pragma once
// Entering the items of the sale in progress (dm.TbServico's pending insert): looking up the
// employee and the item, adding the item, removing one. The screen calls these and shows
// what they report; stock never moves here, only when the sale is paid.
#include <cstdint>
#include <optional>
#include <string>

#include "core/currency.h"
#include "data/least_amount.h"

namespace data {
class Tdm;
}

namespace sales {

// The box of the entry line a problem sends the user back to.
enum class EntryBox { Employee, ItemCode, Value, Quantity, Commission };

struct EntryProblem {
    EntryBox box;
    std::string message;
    bool operator==(const EntryProblem&) const = default;
};

// What the item look-up found, kept until the item is added, so that the item is stored with
// exactly the code, description, price, type and employee that were looked up together.
struct ItemLookup {
    std::int64_t code = 0;
    std::int64_t employeeCode = 0;
    std::string descricao;
    std::string tipo;
    core::Currency price;        // the catalogue price charged (promotional when PROMOCAO is on)
    core::Currency maxDiscount;  // TbProdutos.Saida
};

// The switches of TbConfig the entry follows; each is on when its field is not empty.
struct EntrySwitches {
    bool lockedValue = false;       // VALOR
    bool lockedCommission = false;  // COM
    bool promotion = false;         // PROMOCAO
};
EntrySwitches entrySwitches(data::Tdm& dm);

// The sale's employee code (TbServico.CodFun) looked up in TbFuncionario by its primary
// index; found, the name goes into TbServico.Funcioario. A code below 1 is no employee.
std::optional<EntryProblem> lookUpEmployee(data::Tdm& dm);

// The item code typed (TbServico.Codigo) looked up in TbProdutos by its primary index (the
// description search may have left another index selected). Found, the working fields get
// the description, quantity 1, the price and the commission: the item's own CodFor when
// above 0, else the sale's employee's. Returns the look-up, or the problem.
struct ItemLookupResult {
    std::optional<ItemLookup> item;
    std::optional<EntryProblem> problem;
};
ItemLookupResult lookUpItem(data::Tdm& dm, bool promotion);

// True when the code or employee boxes no longer hold what `item` was looked up with.
bool lookupIsStale(data::Tdm& dm, const ItemLookup& item);

// The checks of the working fields, in order (value, quantity, commission, discount against
// the looked-up price, in fixed point); the first failure, or nothing.
std::optional<EntryProblem> checkItem(data::Tdm& dm, const ItemLookup& item);

// Checks, then stores the item (one posting over TbItensServico and its counter), adds its
// total to the sale's Total and SubTotal and empties the working fields. A value typed after
// "Alterar Valor" unlocked it (`valueUnlocked`) that differs from the catalogue's price is an
// override: the audit trail records both prices in the same posting.
std::optional<EntryProblem> addItem(data::Tdm& dm, const ItemLookup& item, bool valueUnlocked = false);

// The sale's current item in TbItensServico is deleted and exactly its total taken off the
// sale's Total and SubTotal. False when the sale has no items.
bool hasItems(data::Tdm& dm);
void removeCurrentItem(data::Tdm& dm);

}  // namespace sales
