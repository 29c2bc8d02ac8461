#include "data/pending_bill.h"

#include "data/dm.h"

namespace data {

bool pendingBillGone(Tdm& dm, std::int64_t contador) {
    store::Table bills(dm.TbPagar.database(), dm.TbPagar.definition(), "TbPagar");
    bills.open();
    return !bills.findKey({contador});
}

}  // namespace data
