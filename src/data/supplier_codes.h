#pragma once
// Supplier codes on bills are stored plain ("7"), as the per-supplier reports look them up.
// Bills saved before that may carry the code as it was typed ("07", "007"); this brings them
// back to the plain code, so those reports find old rows too.
#include <cstdint>

namespace data {

class Tdm;

// Rewrites, in one posting per table, the open and paid bills of `supplier` whose stored code
// is the plain one with leading zeros. Leaves the data module's own tables where they were.
void normaliseStoredSupplierCode(Tdm& dm, std::int64_t supplier);

}  // namespace data
