#include "sales/sale_client_name.h"

#include "data/dm.h"
#include "data/refusal.h"
#include "data/store/posting.h"
#include "sales/sale_deletion.h"

namespace sales {

void storeSaleClientName(data::Tdm& dm, std::int64_t saleNumber, const std::string& name) {
    store::Table& sale = dm.TbServico;
    if (!sale.isOpen()) sale.open();
    store::post({&sale}, [&] {
        sale.setIndexName("");
        if (!sale.findKey({saleNumber})) throw data::Refusal(kSaleGone);
        sale.editExisting();
        sale.field("Cliente").setString(name);
        sale.post();
    });
}

}  // namespace sales
