#include "data/store/database.h"

#include "data/store/sqlite/sqlite_backend.h"

namespace store {

Database::Database(std::filesystem::path directory, LockSettings locks)
    : directory_(std::move(directory)), locks_(locks), backend_(std::make_unique<SqliteBackend>(*this)) {}

Database::~Database() = default;

bool Database::keepsTableFiles() const {
    return backend_->keepsTableFiles();
}

}  // namespace store
