#include "data/register_rules.h"

#include "core/date.h"
#include "data/store/table.h"

namespace data {

std::int64_t nextCode(const store::Table& table) {
    store::Table reader(table.database(), table.definition(), table.name());
    reader.open();
    reader.last();
    return reader.field(table.definition().primaryKey.front()).asInteger() + 1;
}

void applyBirthdayKey(store::Table& cliente) {
    const auto day = cliente.field("Dia").asInteger();
    const auto month = cliente.field("Mes").asInteger();
    if (day > 0 && month > 0)
        cliente.field("Aniversario")
            .setString(core::birthdayKey(static_cast<int>(day), static_cast<int>(month)));
}

void rememberProductCode(store::Table& duplicado, std::int64_t code) {
    if (duplicado.findKey({code})) return;
    duplicado.insert();
    duplicado.field("Codigo").setInteger(code);
    duplicado.post();
}

}  // namespace data
