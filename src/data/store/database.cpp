#include "data/store/database.h"

#include "data/store/postgres/postgres_backend.h"
#include "data/store/sqlite/sqlite_backend.h"

namespace store {

Database::Database(std::filesystem::path directory, LockSettings locks)
    : directory_(std::move(directory)), locks_(locks), backend_(std::make_unique<SqliteBackend>(*this)) {}

Database::Database(ServerConnection server, LockSettings locks)
    : locks_(locks), backend_(std::make_unique<PostgresBackend>(std::move(server.connection), locks_)) {}

Database::~Database() = default;

bool Database::keepsTableFiles() const {
    return backend_->keepsTableFiles();
}

std::string Database::location() const {
    return backend_->location();
}

}  // namespace store
