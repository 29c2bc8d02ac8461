#include "data/store/sqlite/collations.h"

#include <sqlite3.h>
#include <unicode/ucol.h>

#include "data/store/error.h"

namespace store {
namespace {

UCollator* openCollator(UColAttributeValue strength) {
    UErrorCode status = U_ZERO_ERROR;
    UCollator* collator = ucol_open("pt_BR", &status);
    if (U_FAILURE(status)) throw Error("Não foi possível preparar a ordenação em português.");
    ucol_setStrength(collator, strength);
    return collator;
}

int compare(void* collator, int leftLength, const void* left, int rightLength, const void* right) {
    UErrorCode status = U_ZERO_ERROR;
    UCollationResult result =
        ucol_strcollUTF8(static_cast<UCollator*>(collator), static_cast<const char*>(left), leftLength,
                         static_cast<const char*>(right), rightLength, &status);
    return result == UCOL_LESS ? -1 : result == UCOL_GREATER ? 1 : 0;
}

}  // namespace

Collations::Collations()
    : caseSensitive_(openCollator(UCOL_TERTIARY)), caseInsensitive_(openCollator(UCOL_SECONDARY)) {}

Collations::~Collations() {
    ucol_close(caseSensitive_);
    ucol_close(caseInsensitive_);
}

void Collations::registerOn(sqlite3* db) {
    sqlite3_create_collation(db, kCollation, SQLITE_UTF8, caseSensitive_, compare);
    sqlite3_create_collation(db, kCollationCaseInsensitive, SQLITE_UTF8, caseInsensitive_, compare);
}

}  // namespace store
