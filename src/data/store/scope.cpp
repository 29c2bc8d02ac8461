#include "data/store/scope.h"

#include <algorithm>
#include <map>

#include "data/store/database.h"
#include "data/store/error.h"
#include "data/store/table.h"

namespace store {
namespace {

std::string joined(const std::vector<std::string>& names) {
    std::string text;
    for (const auto& name : names) text += (text.empty() ? "" : ", ") + name;
    return text;
}

}  // namespace

Scope::Scope(const std::vector<Table*>& tables, Mode mode)
    : database_(tables.empty() ? throw Error("Uma postagem precisa das tabelas que vai gravar.")
                               : tables.front()->database()),
      mode_(mode) {
    std::map<std::string, std::vector<std::string>> tablesByFile;
    std::vector<std::string> names;
    for (Table* table : tables) {
        if (&table->database() != &database_)
            throw Error("A tabela " + table->name() + " é de outro diretório de dados que o da postagem.");
        tablesByFile[table->definition().fileName].push_back(table->name());
        if (std::find(names.begin(), names.end(), table->name()) == names.end())
            names.push_back(table->name());
    }
    std::sort(names.begin(), names.end());
    tableNames_ = joined(names);
    std::vector<std::string> fileNames;
    for (const auto& [fileName, ignored] : tablesByFile) fileNames.push_back(fileName);
    context_ = {tableNames_, joined(fileNames)};
    if (database_.activeScope())
        throw Error(context_.describe() + ": já há uma postagem em andamento neste diretório de dados.");

    transaction_ = database_.backend().begin(fileNames, mode_ == Mode::Write, context_);
    fileNames_ = std::move(fileNames);
    database_.setActiveScope(this);
    for (Table* table : tables)
        if (table->isOpen()) enlist(*table);
}

Scope::~Scope() {
    rollback();
}

bool Scope::covers(const std::string& fileName) const {
    return std::find(fileNames_.begin(), fileNames_.end(), fileName) != fileNames_.end();
}

void Scope::enlist(Table& table) {
    for (const auto& entry : enlisted_)
        if (entry.table == &table) return;
    enlisted_.push_back({&table, table.stateBeforeScope()});
}

void Scope::holdUntilEnd(RecordLocks& locks, std::int64_t rowid) {
    held_.push_back({&locks, rowid});
}

void Scope::release(Table& table, std::unique_ptr<RecordLocks> locks) {
    std::erase_if(enlisted_, [&](const Enlisted& entry) { return entry.table == &table; });
    if (locks) adopted_.push_back({table.definition().fileName, std::move(locks)});
}

std::unique_ptr<RecordLocks> Scope::reclaimLocks(const std::string& fileName) {
    auto found = std::find_if(adopted_.begin(), adopted_.end(),
                              [&](const Adopted& entry) { return entry.fileName == fileName; });
    if (found == adopted_.end()) return nullptr;
    auto locks = std::move(found->locks);
    adopted_.erase(found);
    return locks;
}

void Scope::commit() {
    if (ended_) throw Error(context_.describe() + ": a postagem já terminou.");
    for (const auto& entry : enlisted_) {
        if (!entry.table->isEditing()) continue;
        const std::string name = entry.table->name();
        rollback();
        throw Error(context_.describe() + ": a postagem terminou com " + name +
                    " ainda em inclusão ou alteração. Nada foi gravado.");
    }
    if (!transaction_->alive()) {
        rollback();
        throw Error(context_.describe() + ": a gravação foi interrompida por um erro. Nada foi gravado.");
    }
    try {
        transaction_->commit();
    } catch (...) {
        rollback();
        throw;
    }
    leave(true);
}

void Scope::rollback() noexcept {
    if (ended_) return;
    transaction_->rollback();
    leave(false);
}

void Scope::leave(bool committed) noexcept {
    ended_ = true;
    database_.setActiveScope(nullptr);
    // A read changed nothing: its tables stay where the reading left them.
    const bool keepRows = committed || mode_ == Mode::Read;
    for (const auto& entry : enlisted_) entry.table->afterScope(keepRows, entry.before);
    // Only now that the writes are on disk, or undone, may others edit these records.
    for (const auto& lock : held_) lock.locks->unlockRecord(lock.rowid);
    held_.clear();
    adopted_.clear();
    enlisted_.clear();
    transaction_.reset();
}

}  // namespace store
