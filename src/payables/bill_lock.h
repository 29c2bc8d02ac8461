#pragma once
// A record a payables posting changes, taken under its lock and read again first.
#include <cstdint>

namespace store {
class Table;
}

namespace payables {

// Positions `table` (TbPagar or TbBaixaP) on the bill numbered `contador`, under its lock, as
// stored now; refuses (data::Refusal "O Lançamento Não Existe Mais!") when it is gone, for
// example already paid, reversed or deleted at another station.
void lockBill(store::Table& table, std::int64_t contador);

}  // namespace payables
