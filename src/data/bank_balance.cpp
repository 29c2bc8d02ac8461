#include "data/bank_balance.h"

#include "data/store/table.h"
#include "data/tables.h"

namespace data {

namespace {

bool addToExistingRow(store::Table& saldos, const store::Value& account, const core::Date& day,
                      core::Currency amount) {
    if (!saldos.findKey({account, day.toIso()})) return false;
    saldos.edit();  // record lock, then the sum as stored now
    store::Field saldo = saldos.field("Saldo");
    saldo.setCurrency(saldo.asCurrency() + amount);
    saldos.post();
    return true;
}

}  // namespace

void addToDailyBalance(store::Table& banco, store::Database& database, store::Table& shown) {
    const core::Date day = banco.field("DataApre").asDate();
    if (day.isNull()) return;
    const store::Value account = banco.field("Conta").value();
    const core::Currency amount =
        banco.field("ValorCredito").asCurrency() + banco.field("ValorDebto").asCurrency();

    store::Table saldos(database, tableEntry("TbSaldos").definition, "TbSaldos");
    saldos.open();
    if (!addToExistingRow(saldos, account, day, amount)) {
        saldos.insert();
        for (const char* name : {"Banco", "Agencia", "Conta"})
            saldos.field(name).setValue(banco.field(name).value());
        saldos.field("Data").setDate(day);
        saldos.field("Saldo").setCurrency(amount);
        try {
            saldos.post();
        } catch (const store::KeyViolation&) {
            // Another station opened the day's row in the meantime: add to it instead.
            if (saldos.isEditing()) saldos.cancel();
            saldos.refresh();
            if (!addToExistingRow(saldos, account, day, amount)) throw;
        }
    }
    saldos.close();
    if (shown.isOpen() && !shown.isEditing()) shown.refresh();
}

}  // namespace data
