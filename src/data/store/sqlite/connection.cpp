#include "data/store/sqlite/connection.h"

#include <sqlite3.h>

#include <utility>

#include "data/store/error.h"
#include "data/store/sqlite/collations.h"

namespace store {

void raiseSqliteError(sqlite3* db, int code, const ErrorContext& context) {
    const std::string where = context.describe() + ": ";
    const std::string detail = db ? sqlite3_errmsg(db) : sqlite3_errstr(code);
    switch (code & 0xff) {
        case SQLITE_CONSTRAINT:
            throw KeyViolation(where + "já existe um registro com esta chave.");
        case SQLITE_BUSY:
        case SQLITE_LOCKED:
            throw LockError(where + "a tabela está bloqueada por outro usuário. Tente novamente.");
        case SQLITE_FULL:
            throw Error(where + "não há espaço em disco para gravar.");
        case SQLITE_READONLY:
        case SQLITE_PERM:
            throw Error(where + "o arquivo ou o diretório não permite gravação.");
        case SQLITE_CANTOPEN:
            throw FileError(where + "o arquivo não pôde ser aberto (" + detail + ").");
        case SQLITE_NOTADB:
            throw FileError(where + "o arquivo não é uma tabela.");
        case SQLITE_CORRUPT:
            throw FileError(where + "o arquivo está danificado. Use a manutenção de tabelas para repará-lo.");
        case SQLITE_IOERR:
            throw Error(where + "erro de leitura ou gravação no disco (" + detail + ").");
        default:
            throw Error(where + detail);
    }
}

Statement::Statement(sqlite3* db, const std::string& sql, ErrorContext context)
    : db_(db), context_(std::move(context)) {
    int rc = sqlite3_prepare_v3(db, sql.c_str(), static_cast<int>(sql.size()), SQLITE_PREPARE_PERSISTENT,
                                &stmt_, nullptr);
    if (rc != SQLITE_OK) raiseSqliteError(db, rc, context_);
}

Statement::~Statement() {
    sqlite3_finalize(stmt_);
}

void Statement::reset() {
    sqlite3_reset(stmt_);
    sqlite3_clear_bindings(stmt_);
}

void Statement::bind(int position, const Value& value, bool asBlob) {
    int rc = SQLITE_OK;
    if (std::holds_alternative<std::monostate>(value)) {
        rc = sqlite3_bind_null(stmt_, position);
    } else if (auto i = std::get_if<std::int64_t>(&value)) {
        rc = sqlite3_bind_int64(stmt_, position, *i);
    } else if (auto d = std::get_if<double>(&value)) {
        rc = sqlite3_bind_double(stmt_, position, *d);
    } else {
        const std::string& s = std::get<std::string>(value);
        rc = asBlob ? sqlite3_bind_blob64(stmt_, position, s.data(), s.size(), SQLITE_TRANSIENT)
                    : sqlite3_bind_text64(stmt_, position, s.data(), s.size(), SQLITE_TRANSIENT, SQLITE_UTF8);
    }
    if (rc != SQLITE_OK) raiseSqliteError(db_, rc, context_);
}

void Statement::bindAll(const std::vector<Value>& values, int first) {
    for (std::size_t i = 0; i < values.size(); ++i) bind(first + static_cast<int>(i), values[i]);
}

bool Statement::step() {
    int rc = sqlite3_step(stmt_);
    if (rc == SQLITE_ROW) return true;
    if (rc == SQLITE_DONE) return false;
    sqlite3_reset(stmt_);
    raiseSqliteError(db_, rc, context_);
}

Value Statement::column(int index) const {
    switch (sqlite3_column_type(stmt_, index)) {
        case SQLITE_NULL:
            return std::monostate{};
        case SQLITE_INTEGER:
            return static_cast<std::int64_t>(sqlite3_column_int64(stmt_, index));
        case SQLITE_FLOAT:
            return sqlite3_column_double(stmt_, index);
        case SQLITE_BLOB: {
            auto data = static_cast<const char*>(sqlite3_column_blob(stmt_, index));
            return std::string(data ? data : "",
                               static_cast<std::size_t>(sqlite3_column_bytes(stmt_, index)));
        }
        default: {
            auto text = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, index));
            return std::string(text, static_cast<std::size_t>(sqlite3_column_bytes(stmt_, index)));
        }
    }
}

void Statement::bindColumnOf(int position, const Statement& source, int column) {
    int rc = sqlite3_bind_value(stmt_, position, sqlite3_column_value(source.stmt_, column));
    if (rc != SQLITE_OK) raiseSqliteError(db_, rc, context_);
}

int Statement::columnCount() const {
    return sqlite3_column_count(stmt_);
}

std::int64_t Statement::columnInteger(int index) const {
    return sqlite3_column_int64(stmt_, index);
}

Connection::Connection(const std::filesystem::path& path, Collations& collations, const ErrorContext& context,
                       int busyTimeoutMs, bool create)
    : context_(context) {
    int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX | (create ? SQLITE_OPEN_CREATE : 0);
    int rc = sqlite3_open_v2(path.c_str(), &db_, flags, nullptr);
    if (rc != SQLITE_OK) {
        // A file we may only read is still worth opening: browsing works, posts report why not.
        if (!create && (rc == SQLITE_CANTOPEN || rc == SQLITE_READONLY)) {
            sqlite3_close(db_);
            db_ = nullptr;
            rc = sqlite3_open_v2(path.c_str(), &db_, SQLITE_OPEN_READONLY | SQLITE_OPEN_NOMUTEX, nullptr);
        }
        if (rc != SQLITE_OK) {
            sqlite3_close(db_);
            db_ = nullptr;
            raiseSqliteError(nullptr, rc, context);
        }
    }
    sqlite3_extended_result_codes(db_, 1);
    sqlite3_busy_timeout(db_, busyTimeoutMs);
    collations.registerOn(db_);
    // What is changed or deleted is overwritten on disk, whatever the SQLite build's default:
    // an erased client or a replaced password leaves no readable trace in the file. Files
    // attached later take the setting from this one.
    sqlite3_exec(db_, "PRAGMA secure_delete = ON", nullptr, nullptr, nullptr);
}

Connection::~Connection() {
    statements_.clear();
    sqlite3_close(db_);
}

void Connection::execute(const std::string& sql) {
    char* message = nullptr;
    int rc = sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, &message);
    sqlite3_free(message);
    if (rc != SQLITE_OK) raiseSqliteError(db_, rc, context_);
}

Statement& Connection::prepare(const std::string& sql, const ErrorContext* context) {
    auto& slot = statements_[sql];
    if (!slot) {
        try {
            slot = std::make_unique<Statement>(db_, sql, context ? *context : context_);
        } catch (...) {
            statements_.erase(sql);
            throw;
        }
    } else {
        slot->reset();
    }
    return *slot;
}

std::int64_t Connection::lastInsertRowid() const {
    return sqlite3_last_insert_rowid(db_);
}

int Connection::changes() const {
    return sqlite3_changes(db_);
}

bool Connection::inTransaction() const {
    return !sqlite3_get_autocommit(db_);
}

void Connection::setBusyTimeout(int milliseconds) {
    sqlite3_busy_timeout(db_, milliseconds);
}

void Connection::rollback() noexcept {
    if (!sqlite3_get_autocommit(db_)) sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
}

}  // namespace store
