#pragma once
// What a data set says about itself when its tables are not to be used where they are: they
// were moved to another data set, or they are a copy that never finished. The data module
// refuses to open such a data set, so that no station goes on writing where nobody reads.
#include <string>

namespace store {
class Database;
}

namespace data {

// A note that names where the tables went (never a password).
inline constexpr const char* kMovedNote = "DADOS-TRANSFERIDOS.txt";
// A note that the tables here are an unfinished copy of another data set.
inline constexpr const char* kUnfinishedCopyNote = "COPIA-INCOMPLETA.txt";

// Throws store::Error, in Portuguese and with the note's own words, when `database` holds
// either note.
void refuseNotedDataSet(store::Database& database);

}  // namespace data
