#pragma once
// Locks between stations as advisory locks of the server, held by the station's session:
// the server drops them when the session ends, however it ends (a crash, a switched-off PC
// whose keepalives stop), so no record stays locked by a station that is gone.
//   table:  one key from the schema and table name, shared while open, exclusive for an
//           exclusive open
//   record: the table's key and the row identity, exclusive while it is being edited
// Every table of one station shares its session, and the server lets a session take again
// what it holds: the station keeps its own account of which of its tables holds what, so
// that two tables of the same station keep each other out as two stations would.
#include <cstdint>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <utility>

#include "data/store/backend.h"
#include "data/store/database.h"

namespace store {

class PgConnection;

class AdvisoryLocks {
  public:
    explicit AdvisoryLocks(PgConnection& connection);

    bool tryTable(std::int32_t table, const void* holder, bool exclusive, const ErrorContext& context);
    void releaseTable(std::int32_t table, const void* holder) noexcept;
    bool tryRecord(std::int32_t table, std::int64_t rowid, const void* holder, const ErrorContext& context);
    void releaseRecord(std::int32_t table, std::int64_t rowid, const void* holder) noexcept;

  private:
    // A new session holds nothing: what this station held is taken again.
    void retake();

    struct TableHold {
        std::set<const void*> holders;
        bool exclusive = false;
    };
    PgConnection& connection_;
    std::map<std::int32_t, TableHold> tables_;
    std::map<std::pair<std::int32_t, std::int64_t>, const void*> records_;
};

class PgRecordLocks : public RecordLocks {
  public:
    PgRecordLocks(AdvisoryLocks& locks, std::int32_t tableKey, const LockSettings& settings,
                  const ErrorContext& context);
    ~PgRecordLocks() override;
    PgRecordLocks(const PgRecordLocks&) = delete;
    PgRecordLocks& operator=(const PgRecordLocks&) = delete;

    void lockTable(bool exclusive) override;
    void lockRecord(std::int64_t rowid) override;
    void unlockRecord(std::int64_t rowid) override;

  private:
    template <typename Attempt>
    void withRetries(Attempt&& attempt, const char* what);

    AdvisoryLocks& locks_;
    std::int32_t tableKey_;
    LockSettings settings_;
    const ErrorContext& context_;
    bool holdsTable_ = false;
    std::set<std::int64_t> records_;
};

// The key of a table's locks: the same on every station for the same schema and table.
std::int32_t pgLockKey(const std::string& schema, const std::string& table);

}  // namespace store
