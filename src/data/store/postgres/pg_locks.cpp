#include "data/store/postgres/pg_locks.h"

#include <thread>

#include "data/store/postgres/pg_connection.h"

namespace store {
namespace {

const ErrorContext kLocksContext{"travas", "servidor"};

// Records are locked by the two-number form of the server's locks, tables by the one-number
// form: the two never meet.
constexpr const char* kTryTableShared = "SELECT pg_try_advisory_lock_shared($1)";
constexpr const char* kTryTableExclusive = "SELECT pg_try_advisory_lock($1)";
constexpr const char* kUnlockTableShared = "SELECT pg_advisory_unlock_shared($1)";
constexpr const char* kUnlockTableExclusive = "SELECT pg_advisory_unlock($1)";
constexpr const char* kTryRecord = "SELECT pg_try_advisory_lock($1::integer, $2::integer)";
constexpr const char* kUnlockRecord = "SELECT pg_advisory_unlock($1::integer, $2::integer)";

// Row identities are counted from 1; the lock key keeps their low 32 bits.
std::int64_t recordKey(std::int64_t rowid) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(rowid));
}

}  // namespace

std::int32_t pgLockKey(const std::string& schema, const std::string& table) {
    std::uint32_t hash = 2166136261u;  // FNV-1a
    for (unsigned char c : schema + "." + table) hash = (hash ^ c) * 16777619u;
    return static_cast<std::int32_t>(hash);
}

AdvisoryLocks::AdvisoryLocks(PgConnection& connection) : connection_(connection) {
    connection_.onReconnected = [this] { retake(); };
}

bool AdvisoryLocks::tryTable(std::int32_t table, const void* holder, bool exclusive,
                             const ErrorContext& context) {
    TableHold& hold = tables_[table];
    if (hold.holders.count(holder)) return true;
    if (!hold.holders.empty()) {
        if (exclusive || hold.exclusive) return false;
        hold.holders.insert(holder);
        return true;
    }
    PgResult got =
        connection_.run(exclusive ? kTryTableExclusive : kTryTableShared, {{std::int64_t{table}}}, context);
    if (got.integer(0, 0) == 0) {
        tables_.erase(table);
        return false;
    }
    hold.holders.insert(holder);
    hold.exclusive = exclusive;
    return true;
}

void AdvisoryLocks::releaseTable(std::int32_t table, const void* holder) noexcept {
    auto found = tables_.find(table);
    if (found == tables_.end() || !found->second.holders.erase(holder) || !found->second.holders.empty())
        return;
    const bool exclusive = found->second.exclusive;
    tables_.erase(found);
    try {
        connection_.run(exclusive ? kUnlockTableExclusive : kUnlockTableShared, {{std::int64_t{table}}},
                        kLocksContext);
    } catch (...) {
        // A lost session held nothing any more.
    }
}

bool AdvisoryLocks::tryRecord(std::int32_t table, std::int64_t rowid, const void* holder,
                              const ErrorContext& context) {
    const auto key = std::make_pair(table, rowid);
    if (auto found = records_.find(key); found != records_.end()) return found->second == holder;
    PgResult got = connection_.run(kTryRecord, {{std::int64_t{table}}, {recordKey(rowid)}}, context);
    if (got.integer(0, 0) == 0) return false;
    records_[key] = holder;
    return true;
}

void AdvisoryLocks::releaseRecord(std::int32_t table, std::int64_t rowid, const void* holder) noexcept {
    auto found = records_.find({table, rowid});
    if (found == records_.end() || found->second != holder) return;
    records_.erase(found);
    try {
        connection_.run(kUnlockRecord, {{std::int64_t{table}}, {recordKey(rowid)}}, kLocksContext);
    } catch (...) {
    }
}

void AdvisoryLocks::retake() {
    // Another station may have taken one in the meantime; it keeps it, and this station's
    // next write to that record or table meets its lock as usual.
    try {
        for (const auto& [table, hold] : tables_)
            connection_.run(hold.exclusive ? kTryTableExclusive : kTryTableShared, {{std::int64_t{table}}},
                            kLocksContext);
        for (const auto& [key, holder] : records_)
            connection_.run(kTryRecord, {{std::int64_t{key.first}}, {recordKey(key.second)}}, kLocksContext);
    } catch (const Error&) {
    }
}

PgRecordLocks::PgRecordLocks(AdvisoryLocks& locks, std::int32_t tableKey, const LockSettings& settings,
                             const ErrorContext& context)
    : locks_(locks), tableKey_(tableKey), settings_(settings), context_(context) {}

PgRecordLocks::~PgRecordLocks() {
    for (std::int64_t rowid : records_) locks_.releaseRecord(tableKey_, rowid, this);
    if (holdsTable_) locks_.releaseTable(tableKey_, this);
}

template <typename Attempt>
void PgRecordLocks::withRetries(Attempt&& attempt, const char* what) {
    for (int tries = 0;; ++tries) {
        if (attempt()) return;
        if (tries >= settings_.retryCount) break;
        std::this_thread::sleep_for(settings_.waitTime);
    }
    throw LockError(context_.describe() + ": " + what);
}

void PgRecordLocks::lockTable(bool exclusive) {
    withRetries([&] { return locks_.tryTable(tableKey_, this, exclusive, context_); },
                exclusive ? "a tabela está em uso por outro usuário e não pode ser aberta com exclusividade."
                          : "a tabela está aberta com exclusividade por outro usuário.");
    holdsTable_ = true;
}

void PgRecordLocks::lockRecord(std::int64_t rowid) {
    withRetries([&] { return locks_.tryRecord(tableKey_, rowid, this, context_); },
                "o registro está bloqueado por outro usuário.");
    records_.insert(rowid);
}

void PgRecordLocks::unlockRecord(std::int64_t rowid) {
    if (!records_.erase(rowid)) return;
    locks_.releaseRecord(tableKey_, rowid, this);
}

}  // namespace store
