#pragma once
// One SQLite connection to one table file, with cached prepared statements. Internal to
// the SQLite backend: nothing else of the program sees SQL.
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "data/store/error.h"
#include "data/store/value.h"

struct sqlite3;
struct sqlite3_stmt;

namespace store {

class Collations;

class Statement {
  public:
    Statement(sqlite3* db, const std::string& sql, ErrorContext context);
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    void reset();
    void bind(int position, const Value& value, bool asBlob = false);
    void bindAll(const std::vector<Value>& values, int first = 1);
    bool step();  // true while a row is available
    Value column(int index) const;
    // Binds a column of another statement's current row exactly as stored (type kept).
    void bindColumnOf(int position, const Statement& source, int column);
    int columnCount() const;
    std::int64_t columnInteger(int index) const;

  private:
    sqlite3* db_;
    sqlite3_stmt* stmt_ = nullptr;
    ErrorContext context_;  // a copy: a posting's statements outlive the tables that made them
};

class Connection {
  public:
    // Opens an existing table file (create = false) or creates a new one.
    Connection(const std::filesystem::path& path, Collations& collations, const ErrorContext& context,
               int busyTimeoutMs, bool create);
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    void execute(const std::string& sql);
    // A prepared statement kept for reuse; reset before it is handed out. Its errors name
    // `context` when given (a table writing through a posting's connection), else the
    // connection's own.
    Statement& prepare(const std::string& sql, const ErrorContext* context = nullptr);
    std::int64_t lastInsertRowid() const;
    // Rows changed by the last statement.
    int changes() const;
    // False once SQLite has ended the transaction, by COMMIT, ROLLBACK or on its own after
    // an I/O error or a full disk.
    bool inTransaction() const;
    void setBusyTimeout(int milliseconds);
    sqlite3* handle() const { return db_; }

    // Runs `work` inside one write transaction, rolled back when it throws.
    template <typename Work>
    void transaction(Work&& work) {
        execute("BEGIN IMMEDIATE");
        try {
            work();
            execute("COMMIT");
        } catch (...) {
            rollback();
            throw;
        }
    }

    void rollback() noexcept;

  private:
    sqlite3* db_ = nullptr;
    const ErrorContext& context_;
    std::unordered_map<std::string, std::unique_ptr<Statement>> statements_;
};

// Raises the store error that matches an SQLite result code.
[[noreturn]] void raiseSqliteError(sqlite3* db, int code, const ErrorContext& context);

}  // namespace store
