#pragma once
// A digest of a table's rows in the order they are added: each row's identity and every
// stored value with its kind, so that two data sets agree only when they hold the same rows
// with the same identities and the same values, a null apart from an empty text.
#include <cstdint>
#include <string>
#include <vector>

#include <sodium.h>

#include "data/store/backend.h"

namespace migration {

class RowDigest {
  public:
    RowDigest();
    // Adds one row: its identity and the values of `fields`.
    void add(const store::Record& row, const std::vector<int>& fields);
    std::int64_t rows() const { return rows_; }
    // The digest of every row added, in hexadecimal; ends the digest.
    std::string finish();

  private:
    void feed(const void* bytes, std::size_t size);
    void feedInteger(std::uint64_t value);

    crypto_generichash_state state_;
    std::int64_t rows_ = 0;
};

}  // namespace migration
