#pragma once
// One libpq connection to the data server, with its statements prepared once and kept.
// Values always travel as parameters; rows come back in binary form, so numbers are read
// exactly as stored. Internal to the PostgreSQL backend.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "data/store/error.h"
#include "data/store/value.h"

struct pg_conn;
struct pg_result;

namespace store {

// The rows of one statement.
class PgResult {
  public:
    explicit PgResult(pg_result* result) : result_(result) {}
    ~PgResult();
    PgResult(PgResult&& other) noexcept : result_(other.result_) { other.result_ = nullptr; }
    PgResult(const PgResult&) = delete;
    PgResult& operator=(const PgResult&) = delete;

    int rows() const;
    int columns() const;
    Value value(int row, int column) const;
    std::int64_t integer(int row, int column) const;
    // Rows changed by an INSERT, UPDATE or DELETE.
    int changed() const;

  private:
    pg_result* result_;
};

// A parameter: its value, and whether text is to be stored as bytes (a picture).
struct PgParam {
    Value value;
    bool bytes = false;
};

class PgConnection {
  public:
    // Connects at once; throws ConnectionError when the server cannot be reached.
    // `lockTimeoutMs` bounds every wait for a table another station writes. Every call that
    // waits on the server adds one to `roundTrips`, which must outlive the connection.
    PgConnection(std::string connection, int lockTimeoutMs, std::int64_t& roundTrips);
    ~PgConnection();
    PgConnection(const PgConnection&) = delete;
    PgConnection& operator=(const PgConnection&) = delete;

    PgResult run(const std::string& sql, const std::vector<PgParam>& params, const ErrorContext& context);
    PgResult run(const std::string& sql, const ErrorContext& context) { return run(sql, {}, context); }
    // Runs a statement without parameters that needs no preparing (BEGIN, COMMIT, DDL).
    void execute(const std::string& sql, const ErrorContext& context);

    // Inside a transaction that no error has ended.
    bool inTransaction() const;
    // Ends the transaction, if any, without a word; a lost connection stays lost.
    void rollback() noexcept;
    // The schema the tables are in (the first of the search path), for lock keys.
    const std::string& schema() const { return schema_; }
    // "velmora em servidor:5432" or "velmora neste computador", for messages and captions
    // (never the password).
    std::string describe() const;
    // Called after a lost connection was made anew, before the action that found it.
    std::function<void()> onReconnected;

    // Asks the server for the notifications of `channel` from now on (again after a reconnect).
    void listen(const std::string& channel, const ErrorContext& context);
    // What arrived on the channels listened to since the last call, without waiting: the
    // payloads of notifications sent by other sessions than `ownSessions`. Nothing when the
    // connection is lost (the next action finds that out and reconnects).
    std::vector<std::string> notifications(const std::vector<int>& ownSessions);
    // The server's process serving this session, as notifications name their sender.
    int session() const;

  private:
    void connect();
    void ensureConnected(const ErrorContext& context);
    [[noreturn]] void raise(pg_result* result, const ErrorContext& context);

    std::string connection_;
    int lockTimeoutMs_;
    std::int64_t& roundTrips_;
    pg_conn* conn_ = nullptr;
    std::string schema_;
    std::unordered_map<std::string, std::string> prepared_;  // statement text and types -> name
    std::vector<std::string> channels_;
    bool reconnecting_ = false;
};

// The connection as given, without its password (for a note telling where the tables went).
std::string pgConnectionWithoutPassword(const std::string& connection);

}  // namespace store
