#include "data/store/database.h"

#include "data/store/postgres/postgres_backend.h"
#include "data/store/sqlite/sqlite_backend.h"

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
    : directory_(location.directory), locks_(locks), backend_(backendFor(location, *this, locks_)) {}

Database::~Database() = default;

bool Database::keepsTableFiles() const {
    return backend_->keepsTableFiles();
}

std::string Database::location() const {
    return backend_->location();
}

std::int64_t Database::serverRoundTrips() const {
    return backend_->serverRoundTrips();
}

}  // namespace store
