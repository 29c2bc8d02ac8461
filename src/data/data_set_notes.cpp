#include "data/data_set_notes.h"

#include "data/store/backend.h"
#include "data/store/database.h"
#include "data/store/error.h"

namespace data {

void refuseNotedDataSet(store::Database& database) {
    store::Backend& backend = database.backend();
    if (const auto moved = backend.note(kMovedNote))
        throw store::Error("Os dados de " + database.location() + " não são mais usados aqui. " + *moved +
                           "\nAponte esta estação para lá (--servidor ou --data, ou o config.ini).");
    if (const auto unfinished = backend.note(kUnfinishedCopyNote))
        throw store::Error("Os dados de " + database.location() + " não podem ser usados. " + *unfinished);
}

}  // namespace data
