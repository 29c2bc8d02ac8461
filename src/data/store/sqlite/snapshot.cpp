#include "data/store/snapshot.h"

#include <sqlite3.h>

#include <cstring>
#include <fstream>
#include <thread>

#include "data/store/error.h"
#include "data/store/sqlite/collations.h"
#include "data/store/sqlite/connection.h"

namespace store {
namespace {

bool hasTableHeader(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    char header[16] = {};
    in.read(header, sizeof header);
    return in.gcount() == sizeof header && std::memcmp(header, "SQLite format 3", 16) == 0;
}

}  // namespace

bool snapshotTableFile(const std::filesystem::path& source, const std::filesystem::path& copy) {
    if (!hasTableHeader(source)) return false;
    static Collations collations;
    const ErrorContext context{source.filename().string(), source.filename().string()};
    Connection from(source, collations, context, 1500, false);
    std::error_code ignored;
    std::filesystem::remove(copy, ignored);
    Connection to(copy, collations, context, 1500, true);
    sqlite3_backup* backup = sqlite3_backup_init(to.handle(), "main", from.handle(), "main");
    if (!backup) raiseSqliteError(to.handle(), sqlite3_errcode(to.handle()), context);
    // All pages in one step: the copy is one committed state of the source. A station
    // writing at this moment holds the file briefly; wait for it as for any lock.
    int rc = sqlite3_backup_step(backup, -1);
    for (int attempt = 0; (rc == SQLITE_BUSY || rc == SQLITE_LOCKED) && attempt < 15; ++attempt) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        rc = sqlite3_backup_step(backup, -1);
    }
    sqlite3_backup_finish(backup);
    if (rc != SQLITE_DONE) raiseSqliteError(to.handle(), rc, context);
    return true;
}

}  // namespace store
