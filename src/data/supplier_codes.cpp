#include "data/supplier_codes.h"

#include <string>
#include <vector>

#include "data/dm.h"
#include "data/store/posting.h"

namespace data {

void normaliseStoredSupplierCode(Tdm& dm, std::int64_t supplier) {
    const std::string code = std::to_string(supplier);
    for (store::Table* shown : {&dm.TbPagar, &dm.TbBaixaP}) {
        // A table of its own: a screen's index and range on the shared one stay as they are.
        store::Table bills(shown->database(), shown->definition(), shown->name());
        bills.open();
        bills.setIndexName("siFOR");
        const auto width = static_cast<std::size_t>(bills.definition().findField("CodFor")->size);
        std::vector<std::int64_t> rows;
        for (std::string variant = "0" + code; variant.size() <= width; variant.insert(0, 1, '0')) {
            bills.setRange({variant}, {variant});
            for (bills.first(); !bills.eof(); bills.next()) rows.push_back(*bills.bookmark());
        }
        bills.cancelRange();
        if (rows.empty()) continue;
        store::post({&bills}, [&] {
            for (const std::int64_t row : rows) {
                // Gone or already rewritten by another station: nothing left to mend there.
                if (!bills.gotoBookmark(row)) continue;
                bills.editExisting();
                bills.field("CodFor").setString(code);
                bills.post();
            }
        });
    }
}

}  // namespace data
