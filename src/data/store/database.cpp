#include "data/store/database.h"

#include <algorithm>

#include "data/store/postgres/postgres_backend.h"
#include "data/store/sqlite/sqlite_backend.h"
#include "data/store/table.h"

namespace store {

namespace {

std::unique_ptr<Backend> backendFor(const Location& location, Database& database, const LockSettings& locks) {
    if (location.server) return std::make_unique<PostgresBackend>(location.server->connection, locks);
    return std::make_unique<SqliteBackend>(database);
}

}  // namespace

std::string Location::describe() const {
    return server ? "o servidor de dados " + server->connection
                  : "o diretório de dados " + directory.string();
}

Database::Database(Location location, LockSettings locks)
    : dataSet_(location),
      directory_(location.directory),
      locks_(locks),
      backend_(backendFor(location, *this, locks_)) {}

Database::~Database() = default;

bool Database::keepsTableFiles() const {
    return backend_->keepsTableFiles();
}

std::string Database::location() const {
    return backend_->location();
}

void Database::attach(Table* table) {
    tables_.push_back(table);
}

void Database::detach(Table* table) {
    tables_.erase(std::remove(tables_.begin(), tables_.end(), table), tables_.end());
}

int Database::refreshChangedElsewhere() {
    if (activeScope_) return 0;
    int refreshed = 0;
    try {
        for (auto& file : backend_->changedElsewhere())
            if (std::find(pending_.begin(), pending_.end(), file) == pending_.end()) pending_.push_back(file);
        if (pending_.empty()) return 0;
        // A file stays pending while a table over it is being edited, so that the table is
        // read again once the edit ends. A table's observers may open or close others
        // meanwhile: walk a copy, and skip the tables gone since.
        std::vector<std::string> stillPending;
        for (Table* table : std::vector<Table*>(tables_)) {
            if (std::find(tables_.begin(), tables_.end(), table) == tables_.end()) continue;
            const std::string& file = table->definition().fileName;
            if (std::find(pending_.begin(), pending_.end(), file) == pending_.end()) continue;
            if (table->state() == TableState::Browse) {
                table->refresh();
                ++refreshed;
            } else if (table->state() != TableState::Inactive) {
                stillPending.push_back(file);
            }
        }
        pending_ = std::move(stillPending);
    } catch (const Error&) {
        // The connection is gone: the user's next action says so and reconnects.
    }
    return refreshed;
}

std::int64_t Database::serverRoundTrips() const {
    return backend_->serverRoundTrips();
}

}  // namespace store
