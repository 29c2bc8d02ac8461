#include "payables/bill_lock.h"

#include "data/refusal.h"
#include "data/store/table.h"

namespace payables {

void lockBill(store::Table& table, std::int64_t contador) {
    table.cancelRange();
    table.setIndexName({});
    if (contador < 1 || !table.findKey({contador})) throw data::Refusal("O Lançamento Não Existe Mais!");
    table.editExisting();
}

}  // namespace payables
