#pragma once
// Tables as SQLite files, one per table, in the data directory. A posting or a consistent
// read is one connection with the files attached; record and table locks are byte-range
// locks on companion files in ".travas/".
#include "data/store/backend.h"
#include "data/store/sqlite/collations.h"

namespace store {

class Database;

class SqliteBackend : public Backend {
  public:
    explicit SqliteBackend(Database& database) : database_(database) {}

    bool tableExists(const TableDef& def) const override;
    std::string location() const override;
    void createTable(const TableRef& table) override;
    std::unique_ptr<Session> openTable(const TableRef& table) override;
    std::unique_ptr<RecordLocks> recordLocks(const TableRef& table) override;
    std::unique_ptr<Transaction> begin(const std::vector<std::string>& fileNames, bool writing,
                                       const ErrorContext& context) override;
    bool keepsTableFiles() const override { return true; }
    std::optional<std::string> note(const std::string& name) override;
    void writeNote(const std::string& name, const std::string& text) override;
    void removeNote(const std::string& name) override;
    std::string reachedBy() const override;

  private:
    int busyTimeoutMs() const;

    Database& database_;
    Collations collations_;
};

}  // namespace store
