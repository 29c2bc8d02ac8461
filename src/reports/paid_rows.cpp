#include "reports/paid_rows.h"

#include "data/store/table.h"

namespace reports {

void keepPaidSales(store::Table& sales) {
    sales.setFilter("TipoPG <> ''");
    sales.setFiltered(true);
}

void keepPaidItems(store::Table& items) {
    items.setFilter("PGTO <> ''");
    items.setFiltered(true);
}

}  // namespace reports
