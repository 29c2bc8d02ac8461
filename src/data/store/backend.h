#pragma once
// What a storage backend supplies to the table store. Tables keep the cursor, the
// buffers, hooks, observers, ranges, master links and the posting bookkeeping; a backend
// keeps rows. It answers key queries (values, never query text), writes rows by their
// identity, counts, creates a table from its definition and adds the columns a definition
// gained, runs the transaction of a posting or a consistent read over several tables,
// holds table and record locks, and raises its failures as store::Error subclasses.
#include <cstdint>
#include <iterator>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "data/store/definition.h"
#include "data/store/error.h"
#include "data/store/predicate.h"
#include "data/store/value.h"

namespace store {

// A row as read: its identity and the values of every field, calculated ones included.
struct Record {
    std::int64_t rowid = 0;
    std::vector<Value> values;
};

// Rows of one table wanted: those `where` lets through, in the order of `order` (the
// row identity last), at most `limit` of them (all when negative) from `offset` on. Only
// the stored fields in `fields` are read; the others stay null in the records.
struct KeyQuery {
    Predicate where;
    std::vector<KeyColumn> order;
    bool descending = false;
    int limit = -1;
    int offset = 0;
    const std::vector<int>* fields = nullptr;
};

// Which table a call is for: its definition, and how its errors name it.
struct TableRef {
    const TableDef& def;
    const ErrorContext& context;
};

// Reads and writes of rows, on one table's own connection (each write a transaction of its
// own) or inside the transaction of a posting (written when it commits).
class Session {
  public:
    virtual ~Session() = default;
    virtual std::vector<Record> read(const TableRef& table, const KeyQuery& query) = 0;
    // The rows of each query in turn, at most `limit` of them in all (each query's own limit
    // is ignored): one wait on a server for what would be one per query.
    virtual std::vector<Record> readEach(const TableRef& table, const std::vector<KeyQuery>& queries,
                                         int limit) {
        std::vector<Record> rows;
        for (KeyQuery query : queries) {
            if (static_cast<int>(rows.size()) >= limit) break;
            query.limit = limit - static_cast<int>(rows.size());
            auto more = read(table, query);
            std::move(more.begin(), more.end(), std::back_inserter(rows));
        }
        return rows;
    }
    virtual int count(const TableRef& table, const Predicate& where) = 0;
    // The stored fields `fields` get `values`; the others stay null. Returns the new row's identity.
    virtual std::int64_t insert(const TableRef& table, const std::vector<int>& fields,
                                const std::vector<Value>& values) = 0;
    virtual void update(const TableRef& table, std::int64_t rowid, const std::vector<int>& fields,
                        const std::vector<Value>& values) = 0;
    // False when there was no such row (another station deleted it).
    virtual bool remove(const TableRef& table, std::int64_t rowid) = 0;
    // Empties the table as a whole, for a copy or a restore that replaces it: allowed on an
    // append-only table too, whose single rows stay beyond change.
    virtual void removeAll(const TableRef& table) = 0;
    // Writes rows as another data set holds them, each under its own identity (a copy keeps
    // every row where it was), as one write; later inserts get identities past all of them.
    // Only the stored fields `fields` are written, from each record's values by field index.
    virtual void insertRows(const TableRef& table, const std::vector<int>& fields,
                            const std::vector<Record>& rows) = 0;
};

// The one transaction of a posting (writing) or of a consistent read (reading as of one
// moment), over every table of the files it was begun on.
class Transaction : public Session {
  public:
    // False once the backend has ended it on its own (an I/O error, a full disk).
    virtual bool alive() const = 0;
    // Throws when the commit fails; the transaction is then rolled back.
    virtual void commit() = 0;
    virtual void rollback() noexcept = 0;
};

// Locks between program instances, released by the backend when an instance dies.
class RecordLocks {
  public:
    virtual ~RecordLocks() = default;
    // Shared while the table is open, exclusive for an exclusive open.
    virtual void lockTable(bool exclusive) = 0;
    virtual void lockRecord(std::int64_t rowid) = 0;
    virtual void unlockRecord(std::int64_t rowid) = 0;
};

class Backend {
  public:
    virtual ~Backend() = default;

    virtual bool tableExists(const TableDef& def) const = 0;
    // Where the tables are, for messages: a directory, a server.
    virtual std::string location() const = 0;
    // Creates the table from its definition; an existing table is an error.
    virtual void createTable(const TableRef& table) = 0;
    // Opens an existing table for its own reads and writes, first bringing it up to its
    // definition (columns and indexes it gained) and refusing one that is not ours.
    virtual std::unique_ptr<Session> openTable(const TableRef& table) = 0;
    virtual std::unique_ptr<RecordLocks> recordLocks(const TableRef& table) = 0;
    // Begins the transaction over the tables of these files (sorted by name, so that every
    // station takes them in the same order). `context` names them all, for messages.
    // Throws LockError when they cannot be had within the lock wait.
    virtual std::unique_ptr<Transaction> begin(const std::vector<std::string>& fileNames, bool writing,
                                               const ErrorContext& context) = 0;
    // True when each table is a file of its own in the data directory, which table repair
    // and a file-by-file backup work on.
    virtual bool keepsTableFiles() const = 0;

    // Notes about the data set as a whole, kept beside its tables (a file of the data
    // directory, a row on the server): an unfinished copy, tables that moved elsewhere.
    virtual std::optional<std::string> note(const std::string& name) = 0;
    virtual void writeNote(const std::string& name, const std::string& text) = 0;
    virtual void removeNote(const std::string& name) = 0;
    // How another station is pointed at these tables: the directory, or the connection
    // without its password.
    virtual std::string reachedBy() const = 0;
    // The files of the tables other stations have written since the last call, as far as the
    // backend hears of them; table files tell nothing. The first call starts listening and
    // reports nothing.
    virtual std::vector<std::string> changedElsewhere() { return {}; }
    // Diagnostics: how many times this data set has waited on a database server so far (each
    // statement sent, each connection made); always 0 on table files, which no server keeps.
    virtual std::int64_t serverRoundTrips() const { return 0; }
};

}  // namespace store
