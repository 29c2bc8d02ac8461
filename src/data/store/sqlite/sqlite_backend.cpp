#include "data/store/sqlite/sqlite_backend.h"

#include <sqlite3.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <random>
#include <thread>

#include "data/store/database.h"
#include "data/store/sqlite/connection.h"
#include "data/store/sqlite/file_locks.h"
#include "data/store/sqlite/schema.h"
#include "data/store/sqlite/sql_text.h"

namespace store {
namespace {

int busyTimeoutOf(const LockSettings& locks) {
    return static_cast<int>(locks.retryCount * locks.waitTime.count());
}

// Row reads and writes over a connection, for a table's own connection and for a
// posting's alike; `Base` is the interface the session offers.
template <typename Base>
class SqlRows : public Base {
  public:
    std::vector<Record> read(const TableRef& table, const KeyQuery& query) override {
        const SqlText sql = selectSql(query, table.def, rowsTableOf(table.def));
        Statement& statement = connection().prepare(sql.text, &table.context);
        statement.bindAll(sql.params);
        std::vector<Record> rows;
        const auto& fields = *query.fields;
        while (statement.step()) {
            Record record;
            record.rowid = statement.columnInteger(0);
            record.values.resize(table.def.fields.size());
            for (std::size_t c = 0; c < fields.size(); ++c)
                record.values[fields[c]] = statement.column(static_cast<int>(c) + 1);
            rows.push_back(std::move(record));
        }
        statement.reset();
        return rows;
    }

    int count(const TableRef& table, const Predicate& where) override {
        const SqlText sql = whereClause(where, table.def);
        Statement& statement = connection().prepare(
            "SELECT count(*) FROM " + rowsTableOf(table.def) + " WHERE " + sql.text, &table.context);
        statement.bindAll(sql.params);
        statement.step();
        const int count = static_cast<int>(statement.columnInteger(0));
        statement.reset();
        return count;
    }

    std::int64_t insert(const TableRef& table, const std::vector<int>& fields,
                        const std::vector<Value>& values) override {
        std::int64_t rowid = 0;
        writing([&] {
            std::string names, marks;
            for (int i : fields) {
                names += (names.empty() ? "" : ", ") + sqlName(table.def.fields[i].name);
                marks += marks.empty() ? "?" : ", ?";
            }
            const std::string& rows = rowsTableOf(table.def);
            Statement& statement = connection().prepare(
                fields.empty() ? "INSERT INTO " + rows + " DEFAULT VALUES"
                               : "INSERT INTO " + rows + " (" + names + ") VALUES (" + marks + ")",
                &table.context);
            bindValues(statement, table.def, fields, values);
            statement.step();
            rowid = connection().lastInsertRowid();
        });
        return rowid;
    }

    void update(const TableRef& table, std::int64_t rowid, const std::vector<int>& fields,
                const std::vector<Value>& values) override {
        if (fields.empty()) return;
        writing([&] {
            std::string assignments;
            for (int i : fields)
                assignments += (assignments.empty() ? "" : ", ") + sqlName(table.def.fields[i].name) + " = ?";
            Statement& statement = connection().prepare(
                "UPDATE " + rowsTableOf(table.def) + " SET " + assignments + " WHERE rowid = ?",
                &table.context);
            statement.bind(bindValues(statement, table.def, fields, values), rowid);
            statement.step();
        });
    }

    bool remove(const TableRef& table, std::int64_t rowid) override {
        bool removed = false;
        writing([&] {
            Statement& statement = connection().prepare(
                "DELETE FROM " + rowsTableOf(table.def) + " WHERE rowid = ?", &table.context);
            statement.bind(1, rowid);
            statement.step();
            removed = connection().changes() > 0;
        });
        return removed;
    }

    void removeAll(const TableRef& table) override {
        writing([&] {
            const std::string& rows = rowsTableOf(table.def);
            const auto empty = [&] { connection().prepare("DELETE FROM " + rows, &table.context).step(); };
            if (table.def.appendOnly)
                withoutGuards(connection(), table.def, rows, empty);
            else
                empty();
        });
    }

    void insertRows(const TableRef& table, const std::vector<int>& fields,
                    const std::vector<Record>& rows) override {
        if (rows.empty()) return;
        std::string names = "rowid", marks = "?";
        for (int i : fields) {
            names += ", " + sqlName(table.def.fields[i].name);
            marks += ", ?";
        }
        writing([&] {
            Statement& statement = connection().prepare(
                "INSERT INTO " + rowsTableOf(table.def) + " (" + names + ") VALUES (" + marks + ")",
                &table.context);
            // Without AUTOINCREMENT the next identity is always past the highest one.
            for (const Record& row : rows) {
                statement.bind(1, row.rowid);
                int position = 2;
                for (int i : fields)
                    statement.bind(position++, row.values[i], table.def.fields[i].type == FieldType::Graphic);
                statement.step();
                statement.reset();
            }
        });
    }

  protected:
    virtual Connection& connection() = 0;
    virtual const std::string& rowsTableOf(const TableDef& def) const = 0;
    // Runs a write: as a transaction of its own, or as part of the running one.
    virtual void writing(const std::function<void()>& work) = 0;

  private:
    static int bindValues(Statement& statement, const TableDef& def, const std::vector<int>& fields,
                          const std::vector<Value>& values) {
        int position = 1;
        for (std::size_t i = 0; i < fields.size(); ++i)
            statement.bind(position++, values[i], def.fields[fields[i]].type == FieldType::Graphic);
        return position;
    }
};

// A table's own connection: every post is one transaction, on disk at once.
class TableSession : public SqlRows<Session> {
  public:
    explicit TableSession(std::unique_ptr<Connection> connection) : connection_(std::move(connection)) {}

  protected:
    Connection& connection() override { return *connection_; }
    const std::string& rowsTableOf(const TableDef&) const override { return rowsTable_; }
    void writing(const std::function<void()>& work) override { connection_->transaction(work); }

  private:
    std::unique_ptr<Connection> connection_;
    const std::string rowsTable_ = kRowsTable;
};

// One connection on every file of a posting or consistent read: the first file by name is
// the main database, so that the files are always taken for writing in name order.
class SqliteTransaction : public SqlRows<Transaction> {
  public:
    SqliteTransaction(Database& database, Collations& collations, const std::vector<std::string>& fileNames,
                      bool writing, const ErrorContext& context)
        : context_(context) {
        const auto& locks = database.lockSettings();
        connection_ = std::make_unique<Connection>(database.pathOf(fileNames.front()), collations, context_,
                                                   busyTimeoutOf(locks), false);
        const int attachable = sqlite3_limit(connection_->handle(), SQLITE_LIMIT_ATTACHED, -1);
        if (static_cast<int>(fileNames.size()) > attachable + 1)
            throw Error(context_.describe() + ": uma postagem abrange no máximo " +
                        std::to_string(attachable + 1) + " arquivos e esta pede " +
                        std::to_string(fileNames.size()) + ".");
        for (std::size_t i = 0; i < fileNames.size(); ++i) {
            const std::string schema = i == 0 ? "main" : "a" + std::to_string(i);
            if (i > 0) {
                Statement& attach = connection_->prepare("ATTACH DATABASE ? AS " + schema);
                attach.bind(1, database.pathOf(fileNames[i]).string());
                attach.step();
                attach.reset();
            }
            files_.push_back({fileNames[i], schema + "." + kRowsTable});
        }
        if (writing) {
            beginWriting(locks);
        } else {
            beginReading();
        }
    }

    ~SqliteTransaction() override { rollback(); }

    bool alive() const override { return connection_->inTransaction(); }

    void commit() override {
        try {
            connection_->execute("COMMIT");
        } catch (...) {
            rollback();
            throw;
        }
    }

    void rollback() noexcept override { connection_->rollback(); }

  protected:
    Connection& connection() override { return *connection_; }
    const std::string& rowsTableOf(const TableDef& def) const override {
        for (const auto& file : files_)
            if (file.name == def.fileName) return file.rowsTable;
        throw Error(context_.describe() + ": o arquivo " + def.fileName + " não faz parte da postagem.");
    }
    void writing(const std::function<void()>& work) override { work(); }

  private:
    struct File {
        std::string name;
        std::string rowsTable;  // "a2.registros": as this connection names it
    };

    // Taking every file for reading now, in name order, is what makes the reads one
    // moment: a posting commits only once no reader holds any of its files.
    void beginReading() {
        connection_->execute("BEGIN");
        for (const auto& file : files_) {
            Statement& touch = connection_->prepare("SELECT 1 FROM " + file.rowsTable + " LIMIT 1");
            touch.step();
            touch.reset();
        }
    }

    // SQLite's own busy wait backs off in fixed steps, so a station posting in a tight loop
    // can win every time; short random waits give every station its turn.
    void beginWriting(const LockSettings& locks) {
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
                        "As tabelas " + context_.table +
                        " estão sendo gravadas por outro usuário. Nada foi gravado; tente novamente.");
                std::this_thread::sleep_for(std::chrono::milliseconds(waitMs(random)));
            }
        }
        connection_->setBusyTimeout(busyTimeoutOf(locks));
    }

    ErrorContext context_;
    std::unique_ptr<Connection> connection_;
    std::vector<File> files_;
};

}  // namespace

int SqliteBackend::busyTimeoutMs() const {
    return busyTimeoutOf(database_.lockSettings());
}

bool SqliteBackend::tableExists(const TableDef& def) const {
    return std::filesystem::exists(database_.pathOf(def.fileName));
}

std::string SqliteBackend::location() const {
    return database_.directory().string();
}

void SqliteBackend::createTable(const TableRef& table) {
    Connection connection(database_.pathOf(table.def.fileName), collations_, table.context, busyTimeoutMs(),
                          true);
    createSchema(connection, table.def);
}

std::unique_ptr<Session> SqliteBackend::openTable(const TableRef& table) {
    auto connection = std::make_unique<Connection>(database_.pathOf(table.def.fileName), collations_,
                                                   table.context, busyTimeoutMs(), false);
    openSchema(*connection, table.def);
    return std::make_unique<TableSession>(std::move(connection));
}

std::unique_ptr<RecordLocks> SqliteBackend::recordLocks(const TableRef& table) {
    return std::make_unique<FileLocks>(database_.pathOf(table.def.fileName), database_.lockSettings(),
                                       table.context);
}

// A note is a small text file of the data directory, beside the table files.
std::optional<std::string> SqliteBackend::note(const std::string& name) {
    std::ifstream in(database_.pathOf(name), std::ios::binary);
    if (!in) return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void SqliteBackend::writeNote(const std::string& name, const std::string& text) {
    std::filesystem::create_directories(database_.directory());
    const auto path = database_.pathOf(name);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
    out.close();
    if (!out) throw FileError("O arquivo " + path.string() + " não pôde ser gravado.");
}

void SqliteBackend::removeNote(const std::string& name) {
    std::error_code error;
    std::filesystem::remove(database_.pathOf(name), error);
    if (error) throw FileError("O arquivo " + database_.pathOf(name).string() + " não pôde ser apagado.");
}

std::string SqliteBackend::reachedBy() const {
    return database_.directory().string();
}

std::unique_ptr<Transaction> SqliteBackend::begin(const std::vector<std::string>& fileNames, bool writing,
                                                  const ErrorContext& context) {
    return std::make_unique<SqliteTransaction>(database_, collations_, fileNames, writing, context);
}

}  // namespace store
