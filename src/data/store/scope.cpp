#include "data/store/scope.h"

#include <sqlite3.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <map>
#include <random>
#include <thread>

#include "data/store/collations.h"
#include "data/store/database.h"
#include "data/store/error.h"
#include "data/store/record_locks.h"
#include "data/store/schema.h"
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

    const auto& locks = database_.lockSettings();
    const int busyTimeoutMs = static_cast<int>(locks.retryCount * locks.waitTime.count());
    // The first file by name is the main database, so that the files are always taken
    // for writing in name order, whatever the order the caller named the tables in.
    connection_ = std::make_unique<Connection>(database_.pathOf(fileNames.front()), database_.collations(),
                                               context_, busyTimeoutMs, false);
    const int attachable = sqlite3_limit(connection_->handle(), SQLITE_LIMIT_ATTACHED, -1);
    if (static_cast<int>(fileNames.size()) > attachable + 1)
        throw Error(context_.describe() + ": uma postagem abrange no máximo " +
                    std::to_string(attachable + 1) + " arquivos e esta pede " +
                    std::to_string(fileNames.size()) + ".");
    for (std::size_t i = 0; i < fileNames.size(); ++i) {
        const std::string schema = i == 0 ? "main" : "a" + std::to_string(i);
        if (i > 0) {
            Statement& attach = connection_->prepare("ATTACH DATABASE ? AS " + schema);
            attach.bind(1, database_.pathOf(fileNames[i]).string());
            attach.step();
            attach.reset();
        }
        files_.push_back({fileNames[i], schema + "." + kRowsTable});
    }
    begin();
    database_.setActiveScope(this);
    for (Table* table : tables)
        if (table->isOpen()) enlist(*table);
}

Scope::~Scope() {
    rollback();
}

void Scope::begin() {
    if (mode_ == Mode::Read) {
        // Taking every file for reading now, in name order, is what makes the reads one
        // moment: a posting commits only once no reader holds any of its files.
        connection_->execute("BEGIN");
        for (const auto& file : files_) {
            Statement& touch = connection_->prepare("SELECT 1 FROM " + file.rowsTable + " LIMIT 1");
            touch.step();
            touch.reset();
        }
        return;
    }
    // SQLite's own busy wait backs off in fixed steps, so a station posting in a tight loop
    // can win every time; short random waits give every station its turn.
    const auto& locks = database_.lockSettings();
    const auto deadline = std::chrono::steady_clock::now() + locks.retryCount * locks.waitTime;
    std::minstd_rand random(
        static_cast<unsigned>(::getpid()) ^
        static_cast<unsigned>(std::chrono::steady_clock::now().time_since_epoch().count()));
    const int longestWaitMs = std::max(1, static_cast<int>(std::min<long>(10, locks.waitTime.count())));
    std::uniform_int_distribution<int> waitMs(1, longestWaitMs);
    connection_->setBusyTimeout(0);
    for (;;) {
        try {
            connection_->execute("BEGIN IMMEDIATE");
            break;
        } catch (const LockError&) {
            connection_->rollback();
            if (std::chrono::steady_clock::now() >= deadline)
                throw LockError(
                    "As tabelas " + tableNames_ +
                    " estão sendo gravadas por outro usuário. Nada foi gravado; tente novamente.");
            std::this_thread::sleep_for(std::chrono::milliseconds(waitMs(random)));
        }
    }
    connection_->setBusyTimeout(static_cast<int>(locks.retryCount * locks.waitTime.count()));
}

bool Scope::covers(const std::string& fileName) const {
    return std::any_of(files_.begin(), files_.end(), [&](const File& file) { return file.name == fileName; });
}

const std::string& Scope::rowsTableOf(const std::string& fileName) const {
    for (const auto& file : files_)
        if (file.name == fileName) return file.rowsTable;
    throw Error(context_.describe() + ": o arquivo " + fileName + " não faz parte da postagem.");
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
    if (!connection_->inTransaction()) {
        rollback();
        throw Error(context_.describe() + ": a gravação foi interrompida por um erro. Nada foi gravado.");
    }
    try {
        connection_->execute("COMMIT");
    } catch (...) {
        rollback();
        throw;
    }
    leave(true);
}

void Scope::rollback() noexcept {
    if (ended_) return;
    connection_->rollback();
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
    connection_.reset();
}

}  // namespace store
