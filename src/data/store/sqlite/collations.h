#pragma once
// Portuguese-Brazil ordering of text keys, registered on every SQLite connection of a
// data set (and on the benchmarks' raw ones, to compare like with like).
// "ptbr" tells case apart (primary keys); "ptbr_ci" does not (secondary indexes).
#include <memory>

struct sqlite3;
struct UCollator;

namespace store {

inline constexpr const char* kCollation = "ptbr";
inline constexpr const char* kCollationCaseInsensitive = "ptbr_ci";

class Collations {
  public:
    Collations();
    ~Collations();
    Collations(const Collations&) = delete;
    Collations& operator=(const Collations&) = delete;

    void registerOn(sqlite3* db);

  private:
    UCollator* caseSensitive_ = nullptr;
    UCollator* caseInsensitive_ = nullptr;
};

}  // namespace store
