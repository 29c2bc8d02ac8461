#pragma once
// What a posting and a consistent read share: one backend transaction over the files of
// the tables they name, through which every table of those files reads and writes while it
// runs. Internal to the store.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "data/store/backend.h"
#include "data/store/table.h"

namespace store {

class Database;

class Scope {
  public:
    enum class Mode { Write, Read };

    // Throws when another scope runs on the database, when the tables are of another
    // database, or when the backend cannot begin a transaction over their files.
    Scope(const std::vector<Table*>& tables, Mode mode);
    ~Scope();
    Scope(const Scope&) = delete;
    Scope& operator=(const Scope&) = delete;

    bool writable() const { return mode_ == Mode::Write; }
    bool covers(const std::string& fileName) const;
    Transaction& transaction() { return *transaction_; }
    // The tables of the scope, for messages: "TbCaixa, TbServico".
    const std::string& tableNames() const { return tableNames_; }

    // A table that reads or writes through the scope for the first time: what it showed
    // before is put back if the scope rolls back.
    void enlist(Table& table);
    // A record lock that may be dropped only once the scope's writes are on disk or undone.
    void holdUntilEnd(RecordLocks& locks, std::int64_t rowid);
    // A table closed while the scope runs leaves it, handing over its locks (if any) to be
    // held to the end; a table of the same file opened again in the scope takes them back.
    void release(Table& table, std::unique_ptr<RecordLocks> locks);
    std::unique_ptr<RecordLocks> reclaimLocks(const std::string& fileName);

    // Both end the scope: commit() puts the writes on disk (or, failing, rolls back and
    // throws); rollback() undoes them and puts every table that went through the scope
    // back on the record it showed before, in browse state. Record locks held for the
    // scope are released last.
    void commit();
    void rollback() noexcept;

  private:
    struct Enlisted {
        Table* table;
        Table::BeforeScope before;
    };
    struct HeldLock {
        RecordLocks* locks;
        std::int64_t rowid;
    };
    struct Adopted {
        std::string fileName;
        std::unique_ptr<RecordLocks> locks;
    };

    void leave(bool committed) noexcept;

    Database& database_;
    Mode mode_;
    std::vector<std::string> fileNames_;
    std::string tableNames_;
    ErrorContext context_;
    std::unique_ptr<Transaction> transaction_;
    std::vector<Enlisted> enlisted_;
    std::vector<HeldLock> held_;
    std::vector<Adopted> adopted_;
    bool ended_ = false;
};

}  // namespace store
