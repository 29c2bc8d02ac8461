#pragma once
// Moves a salon's tables from one data set to another (a data directory onto a server, a
// server back into a data directory, or any two of them), through the table store alone.
// No station may write the source meanwhile: every table of it is held exclusively until the
// copy is checked. The destination must hold none of the program's tables, so two salons
// never mix; it is marked as an unfinished copy until every table was copied with its row
// identities (cross-references and counters stay valid) and found equal to the source, row
// count and ordered digest, table by table. Then the source is marked as moved, naming the
// destination, and stations still pointed at it refuse to open it.
#include <cstdint>
#include <stdexcept>
#include <string>

#include "data/store/database.h"

namespace migration {

// What the copy tells as it goes, table by table (`table` is its component name, "TbCliente").
class MigrationProgress {
  public:
    virtual ~MigrationProgress() = default;
    virtual void copying(const std::string& table, std::int64_t rows) = 0;
    virtual void rowsCopied(const std::string& table, std::int64_t done, std::int64_t rows) = 0;
    // The table is all written to the destination; its check comes next.
    virtual void copied(const std::string& table) = 0;
    virtual void checked(const std::string& table, std::int64_t rows) = 0;
    // The source lacks this table (an older data set): there is none at the destination either.
    virtual void absent(const std::string& table) = 0;
};

// For a copy whose progress nobody is shown.
class NoProgress final : public MigrationProgress {
  public:
    void copying(const std::string&, std::int64_t) override {}
    void rowsCopied(const std::string&, std::int64_t, std::int64_t) override {}
    void copied(const std::string&) override {}
    void checked(const std::string&, std::int64_t) override {}
    void absent(const std::string&) override {}
};

// A refusal or failure, in Portuguese, saying what became of each side.
class MigrationError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

struct MigrationSummary {
    int tables = 0;
    std::int64_t rows = 0;
};

// Throws MigrationError when refused (a table of the source held by another station, a
// destination that holds tables, a source already moved) with nothing written anywhere, or
// when the copy failed (the destination stays marked unfinished, the source as it was).
// A store::Error (a lost connection) leaves both sides so too.
MigrationSummary migrate(const store::Location& source, const store::Location& destination,
                         MigrationProgress& progress);

}  // namespace migration
