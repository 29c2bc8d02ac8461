#pragma once
// Tables on a PostgreSQL server, one per table file, shared by every station. A station has
// one session for its tables' own reads and writes and for its locks, and one more for the
// transaction of a posting (which locks its tables, in name order, against other writers)
// or of a consistent read (a read-only snapshot).
#include <map>
#include <memory>
#include <string>

#include "data/store/backend.h"
#include "data/store/database.h"

namespace store {

class AdvisoryLocks;
class PgConnection;

class PostgresBackend : public Backend {
  public:
    // Connects at once: throws ConnectionError when the server cannot be reached.
    PostgresBackend(std::string connection, const LockSettings& locks);
    ~PostgresBackend() override;

    bool tableExists(const TableDef& def) const override;
    std::string location() const override;
    void createTable(const TableRef& table) override;
    std::unique_ptr<Session> openTable(const TableRef& table) override;
    std::unique_ptr<RecordLocks> recordLocks(const TableRef& table) override;
    std::unique_ptr<Transaction> begin(const std::vector<std::string>& fileNames, bool writing,
                                       const ErrorContext& context) override;
    bool keepsTableFiles() const override { return false; }
    std::optional<std::string> note(const std::string& name) override;
    void writeNote(const std::string& name, const std::string& text) override;
    void removeNote(const std::string& name) override;
    std::string reachedBy() const override;
    std::vector<std::string> changedElsewhere() override;
    std::int64_t serverRoundTrips() const override { return roundTrips_; }

  private:
    std::string connection_;
    LockSettings locks_;
    std::int64_t roundTrips_ = 0;  // of both connections
    std::unique_ptr<PgConnection> session_;
    std::unique_ptr<PgConnection> transactions_;
    std::unique_ptr<AdvisoryLocks> advisory_;
    std::map<std::string, std::string> fileNames_;  // of the tables opened, by name on the server
    bool listening_ = false;
};

}  // namespace store
