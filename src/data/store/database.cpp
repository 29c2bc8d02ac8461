#include "data/store/database.h"

#include "data/store/collations.h"

namespace store {

Database::Database(std::filesystem::path directory, LockSettings locks)
    : directory_(std::move(directory)), locks_(locks), collations_(std::make_unique<Collations>()) {}

Database::~Database() = default;

}  // namespace store
