#include "data/store/postgres/postgres_backend.h"

#include <algorithm>

#include "data/store/postgres/pg_connection.h"
#include "data/store/postgres/pg_locks.h"
#include "data/store/postgres/pg_notes.h"
#include "data/store/postgres/pg_schema.h"
#include "data/store/postgres/pg_sql.h"

namespace store {
namespace {

int lockTimeoutOf(const LockSettings& locks) {
    return static_cast<int>(std::max<long>(1, locks.retryCount * locks.waitTime.count()));
}

// The values of `fields`, then `also` (a row identity), when given.
std::vector<PgParam> paramsOf(const TableDef& def, const std::vector<int>& fields,
                              const std::vector<Value>& values, const Value& also = {}) {
    std::vector<PgParam> params(fields.size() + (isNull(also) ? 0 : 1));
    for (std::size_t i = 0; i < fields.size(); ++i)
        params[i] = {values[i], def.fields[fields[i]].type == FieldType::Graphic};
    if (!isNull(also)) params.back().value = also;
    return params;
}

// Row reads and writes over a connection, for a table's own session and for a transaction
// alike; `Base` is the interface offered.
template <typename Base>
class PgRows : public Base {
  public:
    std::vector<Record> read(const TableRef& table, const KeyQuery& query) override {
        check(table);
        const PgSql sql = pgSelect(query, table.def);
        return records(table, *query.fields, connection().run(sql.text, sql.params, table.context), 0);
    }

    std::vector<Record> readEach(const TableRef& table, const std::vector<KeyQuery>& queries,
                                 int limit) override {
        check(table);
        if (queries.empty() || limit <= 0) return {};
        const PgSql sql = pgSelectEach(queries, limit, table.def);
        return records(table, *queries.front().fields, connection().run(sql.text, sql.params, table.context),
                       2);
    }

    int count(const TableRef& table, const Predicate& where) override {
        check(table);
        const PgSql sql = pgCount(where, table.def);
        return static_cast<int>(connection().run(sql.text, sql.params, table.context).integer(0, 0));
    }

    std::int64_t insert(const TableRef& table, const std::vector<int>& fields,
                        const std::vector<Value>& values) override {
        check(table);
        std::string names, marks;
        for (std::size_t i = 0; i < fields.size(); ++i) {
            names += (i ? ", " : "") + pgName(table.def.fields[fields[i]].name);
            marks += (i ? ", $" : "$") + std::to_string(i + 1);
        }
        const std::string target = pgName(pgTableName(table.def));
        const std::string sql = fields.empty() ? "INSERT INTO " + target + " DEFAULT VALUES RETURNING linha"
                                               : "INSERT INTO " + target + " (" + names + ") VALUES (" +
                                                     marks + ") RETURNING linha";
        std::int64_t rowid = 0;
        writing(table, [&] {
            rowid = connection().run(sql, paramsOf(table.def, fields, values), table.context).integer(0, 0);
        });
        return rowid;
    }

    void update(const TableRef& table, std::int64_t rowid, const std::vector<int>& fields,
                const std::vector<Value>& values) override {
        check(table);
        if (fields.empty()) return;
        std::string assignments;
        for (std::size_t i = 0; i < fields.size(); ++i)
            assignments +=
                (i ? ", " : "") + pgName(table.def.fields[fields[i]].name) + " = $" + std::to_string(i + 1);
        const auto params = paramsOf(table.def, fields, values, rowid);
        const std::string sql = "UPDATE " + pgName(pgTableName(table.def)) + " SET " + assignments +
                                " WHERE linha = $" + std::to_string(params.size());
        writing(table, [&] { connection().run(sql, params, table.context); });
    }

    bool remove(const TableRef& table, std::int64_t rowid) override {
        check(table);
        bool removed = false;
        writing(table, [&] {
            removed = connection()
                          .run("DELETE FROM " + pgName(pgTableName(table.def)) + " WHERE linha = $1",
                               {{rowid}}, table.context)
                          .changed() > 0;
        });
        return removed;
    }

    void removeAll(const TableRef& table) override {
        check(table);
        writing(table,
                [&] {
                    // An append-only table refuses DELETE; only a restore empties it, whole.
                    connection().run((table.def.appendOnly ? "TRUNCATE " : "DELETE FROM ") +
                                         pgName(pgTableName(table.def)),
                                     table.context);
                });
    }

    // Many rows a statement, as many as the server takes parameters for; then the identity
    // column's sequence goes past the highest identity.
    void insertRows(const TableRef& table, const std::vector<int>& fields,
                    const std::vector<Record>& rows) override {
        check(table);
        if (rows.empty()) return;
        const std::string target = pgName(pgTableName(table.def));
        std::string names = kPgRowIdentity;
        for (int i : fields) names += ", " + pgName(table.def.fields[i].name);
        const std::size_t perRow = fields.size() + 1;
        const std::size_t rowsPerStatement =
            std::max<std::size_t>(1, std::min<std::size_t>(500, 60000 / perRow));
        for (std::size_t first = 0; first < rows.size(); first += rowsPerStatement) {
            const std::size_t last = std::min(rows.size(), first + rowsPerStatement);
            std::string sql = "INSERT INTO " + target + " (" + names + ") VALUES ";
            std::vector<PgParam> params;
            params.reserve((last - first) * perRow);
            for (std::size_t r = first; r < last; ++r) {
                sql += r == first ? "(" : ", (";
                for (std::size_t c = 0; c < perRow; ++c) {
                    sql += (c ? ", $" : "$") + std::to_string(params.size() + 1);
                    PgParam& param = params.emplace_back();
                    if (c == 0) {
                        param.value = rows[r].rowid;
                    } else {
                        const int field = fields[c - 1];
                        param.value = rows[r].values[field];
                        param.bytes = table.def.fields[field].type == FieldType::Graphic;
                    }
                }
                sql += ")";
            }
            writing(table, [&] { connection().run(sql, params, table.context); });
        }
        writing(table, [&] {
            connection().run("SELECT setval(pg_get_serial_sequence($1, '" + std::string(kPgRowIdentity) +
                                 "'), (SELECT max(" + kPgRowIdentity + ") FROM " + target + "))",
                             {{target}}, table.context);
        });
    }

  protected:
    // The rows of `result`, whose columns from `first` on are the identity and then `fields`.
    std::vector<Record> records(const TableRef& table, const std::vector<int>& fields, const PgResult& result,
                                int first) {
        std::vector<Record> rows(static_cast<std::size_t>(result.rows()));
        for (int r = 0; r < result.rows(); ++r) {
            Record& record = rows[r];
            record.rowid = result.integer(r, first);
            record.values.resize(table.def.fields.size());
            for (std::size_t c = 0; c < fields.size(); ++c)
                record.values[fields[c]] = result.value(r, first + static_cast<int>(c) + 1);
        }
        return rows;
    }

    virtual PgConnection& connection() = 0;
    // Refuses a table the transaction was not begun over.
    virtual void check(const TableRef&) {}
    virtual void writing(const TableRef& table, const std::function<void()>& work) = 0;
};

// A table's own reads and writes: each write a transaction of its own.
class PgTableSession : public PgRows<Session> {
  public:
    explicit PgTableSession(PgConnection& connection) : connection_(connection) {}

    // As one write, like every other write of a table's own.
    void insertRows(const TableRef& table, const std::vector<int>& fields,
                    const std::vector<Record>& rows) override {
        connection_.execute("BEGIN", table.context);
        try {
            PgRows<Session>::insertRows(table, fields, rows);
            connection_.execute("COMMIT", table.context);
        } catch (...) {
            connection_.rollback();
            throw;
        }
    }

  protected:
    PgConnection& connection() override { return connection_; }
    void writing(const TableRef&, const std::function<void()>& work) override { work(); }

  private:
    PgConnection& connection_;
};

class PgTransaction : public PgRows<Transaction> {
  public:
    PgTransaction(PgConnection& connection, const std::vector<std::string>& fileNames, bool writing,
                  const ErrorContext& context)
        : connection_(connection), fileNames_(fileNames), context_(context) {
        connection_.rollback();  // a transaction a lost connection left behind
        if (!writing) {
            connection_.execute("BEGIN ISOLATION LEVEL REPEATABLE READ READ ONLY", context_);
            return;
        }
        // Every station takes the tables in the same order, so two postings over the same
        // tables wait for each other instead of deadlocking. Plain edits of other stations
        // wait too; their reads do not.
        std::vector<std::string> tables;
        for (const auto& fileName : fileNames) tables.push_back(pgTableName(TableDef{fileName}));
        std::sort(tables.begin(), tables.end());
        std::string list;
        for (const auto& table : tables) list += (list.empty() ? "" : ", ") + pgName(table);
        // One round trip; the session's lock_timeout (the store's lock wait) bounds the LOCK.
        try {
            connection_.execute("BEGIN; LOCK TABLE " + list + " IN SHARE ROW EXCLUSIVE MODE", context_);
        } catch (const LockError&) {
            connection_.rollback();
            throw LockError("As tabelas " + context_.table +
                            " estão sendo gravadas por outro usuário. Nada foi gravado; tente novamente.");
        } catch (...) {
            connection_.rollback();
            throw;
        }
    }

    ~PgTransaction() override { rollback(); }

    bool alive() const override { return connection_.inTransaction(); }

    void commit() override {
        try {
            connection_.execute("COMMIT", context_);
        } catch (...) {
            rollback();
            throw;
        }
    }

    void rollback() noexcept override { connection_.rollback(); }

  protected:
    PgConnection& connection() override { return connection_; }

    void check(const TableRef& table) override {
        if (std::find(fileNames_.begin(), fileNames_.end(), table.def.fileName) == fileNames_.end())
            throw Error(context_.describe() + ": o arquivo " + table.def.fileName +
                        " não faz parte da postagem.");
    }

    // A failed write undoes only itself, and the posting goes on (a key taken meanwhile may be
    // handled by the caller), as it does on table files. Each write has a savepoint before it,
    // the one of the write before released in the same round trip.
    void writing(const TableRef& table, const std::function<void()>& work) override {
        connection_.execute(savepoint_ ? "RELEASE SAVEPOINT velmora_passo; SAVEPOINT velmora_passo"
                                       : "SAVEPOINT velmora_passo",
                            table.context);
        savepoint_ = true;
        try {
            work();
        } catch (const ConnectionError&) {
            throw;
        } catch (...) {
            try {
                connection_.execute("ROLLBACK TO SAVEPOINT velmora_passo", table.context);
            } catch (...) {
            }
            throw;
        }
    }

  private:
    PgConnection& connection_;
    std::vector<std::string> fileNames_;
    ErrorContext context_;
    bool savepoint_ = false;
};

}  // namespace

PostgresBackend::PostgresBackend(std::string connection, const LockSettings& locks)
    : connection_(std::move(connection)),
      locks_(locks),
      session_(std::make_unique<PgConnection>(connection_, lockTimeoutOf(locks), roundTrips_)),
      advisory_(std::make_unique<AdvisoryLocks>(*session_)) {}

PostgresBackend::~PostgresBackend() = default;

bool PostgresBackend::tableExists(const TableDef& def) const {
    return pgTableExists(*session_, def, {def.fileName, def.fileName});
}

std::string PostgresBackend::location() const {
    return "servidor de dados " + session_->describe();
}

void PostgresBackend::createTable(const TableRef& table) {
    pgCreateTable(*session_, table.def, table.context);
}

std::unique_ptr<Session> PostgresBackend::openTable(const TableRef& table) {
    pgOpenTable(*session_, table.def, table.context);
    fileNames_[pgTableName(table.def)] = table.def.fileName;
    return std::make_unique<PgTableSession>(*session_);
}

std::unique_ptr<RecordLocks> PostgresBackend::recordLocks(const TableRef& table) {
    return std::make_unique<PgRecordLocks>(*advisory_, pgLockKey(session_->schema(), pgTableName(table.def)),
                                           locks_, table.context);
}

std::optional<std::string> PostgresBackend::note(const std::string& name) {
    return pgReadNote(*session_, name);
}

void PostgresBackend::writeNote(const std::string& name, const std::string& text) {
    pgWriteNote(*session_, name, text);
}

void PostgresBackend::removeNote(const std::string& name) {
    pgRemoveNote(*session_, name);
}

std::string PostgresBackend::reachedBy() const {
    return pgConnectionWithoutPassword(connection_);
}

std::vector<std::string> PostgresBackend::changedElsewhere() {
    if (!listening_) {
        session_->listen(kPgChangesChannel, {"servidor", kPgChangesChannel});
        listening_ = true;
        return {};
    }
    std::vector<int> own{session_->session()};
    if (transactions_) own.push_back(transactions_->session());
    const std::string ours = session_->schema() + ".";
    std::vector<std::string> files;
    for (const auto& payload : session_->notifications(own)) {
        if (!payload.starts_with(ours)) continue;
        const auto found = fileNames_.find(payload.substr(ours.size()));
        if (found != fileNames_.end() && std::find(files.begin(), files.end(), found->second) == files.end())
            files.push_back(found->second);
    }
    return files;
}

std::unique_ptr<Transaction> PostgresBackend::begin(const std::vector<std::string>& fileNames, bool writing,
                                                    const ErrorContext& context) {
    if (!transactions_)
        transactions_ = std::make_unique<PgConnection>(connection_, lockTimeoutOf(locks_), roundTrips_);
    return std::make_unique<PgTransaction>(*transactions_, fileNames, writing, context);
}

}  // namespace store
