#pragma once
// The day totals of each bank account: every posted movement adds its amounts to the
// TbSaldos row of its account and effective date. The hook only adds; the ledger screens
// subtract a movement they change or delete.
namespace store {
class Database;
class Table;
}  // namespace store

namespace data {

// AfterPost of TbBanco. A movement without an effective date (DataApre) changes nothing.
// The row is found and written through a table handle of its own, on the primary index,
// so the index, range and position a screen has set on TbSaldos are left alone; `shown`
// (the TbSaldos component) is refreshed when open, so it shows the new sum.
void addToDailyBalance(store::Table& banco, store::Database& database, store::Table& shown);

}  // namespace data
