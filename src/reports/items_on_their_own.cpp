#include "reports/items_on_their_own.h"

#include "data/dm.h"

namespace reports {

ItemsOnTheirOwn::ItemsOnTheirOwn(data::Tdm& dm) : dm_(dm) {
    dm_.TbItensServico.setMasterSource(nullptr, "");
}

ItemsOnTheirOwn::~ItemsOnTheirOwn() {
    store::Table& items = dm_.TbItensServico;
    try {
        items.setIndexFieldNames("Contador");
        items.setMasterSource(&dm_.TbServico, "Contador");
    } catch (...) {
        // the table stays unlinked; the next screen opening it links nothing wrong
    }
}

}  // namespace reports
