#include "data/store/postgres/pg_connection.h"

#include <libpq-fe.h>

#include <algorithm>
#include <charconv>
#include <cstring>
#include <string_view>

#include "data/store/postgres/pg_schema.h"

namespace store {
namespace {

// Type identifiers of the server's built-in types, as libpq reports and expects them.
constexpr Oid kBool = 16, kBytea = 17, kInt8 = 20, kInt2 = 21, kInt4 = 23, kText = 25, kFloat4 = 700,
              kFloat8 = 701;

std::uint64_t bigEndian(const char* data, int length) {
    std::uint64_t value = 0;
    for (int i = 0; i < length; ++i) value = (value << 8) | static_cast<unsigned char>(data[i]);
    return value;
}

std::string trimmed(std::string text) {
    while (!text.empty() && (text.back() == '\n' || text.back() == ' ')) text.pop_back();
    return text;
}

bool startsWith(const std::string& text, const char* prefix) {
    return text.rfind(prefix, 0) == 0;
}

[[noreturn]] void raiseLost(const ErrorContext& context, const std::string& detail) {
    throw ConnectionError("Sem conexão com o servidor de dados. " + context.describe() +
                          ": a ação não foi concluída; tente novamente (" + detail + ").");
}

}  // namespace

PgResult::~PgResult() {
    PQclear(result_);
}

int PgResult::rows() const {
    return PQntuples(result_);
}

int PgResult::columns() const {
    return PQnfields(result_);
}

Value PgResult::value(int row, int column) const {
    if (PQgetisnull(result_, row, column)) return std::monostate{};
    const char* data = PQgetvalue(result_, row, column);
    const int length = PQgetlength(result_, row, column);
    switch (PQftype(result_, column)) {
        case kInt8:
            return static_cast<std::int64_t>(bigEndian(data, 8));
        case kInt4:
            return static_cast<std::int64_t>(static_cast<std::int32_t>(bigEndian(data, 4)));
        case kInt2:
            return static_cast<std::int64_t>(static_cast<std::int16_t>(bigEndian(data, 2)));
        case kBool:
            return static_cast<std::int64_t>(data[0] != 0);
        case kFloat8: {
            const std::uint64_t bits = bigEndian(data, 8);
            double d;
            std::memcpy(&d, &bits, sizeof d);
            return d;
        }
        case kFloat4: {
            const auto bits = static_cast<std::uint32_t>(bigEndian(data, 4));
            float f;
            std::memcpy(&f, &bits, sizeof f);
            return static_cast<double>(f);
        }
        default:
            return std::string(data, static_cast<std::size_t>(length));
    }
}

std::int64_t PgResult::integer(int row, int column) const {
    const Value v = value(row, column);
    if (auto i = std::get_if<std::int64_t>(&v)) return *i;
    return 0;
}

int PgResult::changed() const {
    return std::atoi(PQcmdTuples(result_));
}

PgConnection::PgConnection(std::string connection, int lockTimeoutMs, std::int64_t& roundTrips)
    : connection_(std::move(connection)), lockTimeoutMs_(lockTimeoutMs), roundTrips_(roundTrips) {
    connect();
}

PgConnection::~PgConnection() {
    PQfinish(conn_);
}

void PgConnection::connect() {
    PQfinish(conn_);
    prepared_.clear();
    // The station's own settings first: what the connection string names wins. Keepalives end
    // the session of a station that was switched off within a minute, freeing its locks.
    const char* keys[] = {"application_name", "client_encoding", "connect_timeout",
                          "keepalives",       "keepalives_idle", "keepalives_interval",
                          "keepalives_count", "dbname",          nullptr};
    const char* values[] = {"velmora", "UTF8", "10", "1", "20", "10", "3", connection_.c_str(), nullptr};
    ++roundTrips_;
    conn_ = PQconnectdbParams(keys, values, 1);
    if (PQstatus(conn_) != CONNECTION_OK) {
        const std::string detail = trimmed(PQerrorMessage(conn_));
        PQfinish(conn_);
        conn_ = nullptr;
        throw ConnectionError("Sem conexão com o servidor de dados: " + detail);
    }
    // The server's notices ("already exists, skipping") are for administrators, not for the
    // station's terminal.
    PQsetNoticeProcessor(
        conn_, [](void*, const char*) {}, nullptr);
    const ErrorContext context{"servidor", PQdb(conn_)};
    PgResult settings = run("SELECT set_config('lock_timeout', $1, false), current_schema()",
                            {{std::to_string(lockTimeoutMs_) + "ms"}}, context);
    const Value schema = settings.value(0, 1);
    if (isNull(schema))
        throw Error("O servidor de dados não tem o esquema em que as tabelas ficam (search_path).");
    schema_ = std::get<std::string>(schema);
    for (const auto& channel : channels_) execute("LISTEN " + pgName(channel), context);
}

void PgConnection::listen(const std::string& channel, const ErrorContext& context) {
    if (std::find(channels_.begin(), channels_.end(), channel) != channels_.end()) return;
    execute("LISTEN " + pgName(channel), context);
    channels_.push_back(channel);
}

std::vector<std::string> PgConnection::notifications(const std::vector<int>& ownSessions) {
    std::vector<std::string> payloads;
    if (!conn_ || PQstatus(conn_) != CONNECTION_OK || !PQconsumeInput(conn_)) return payloads;
    while (PGnotify* notice = PQnotifies(conn_)) {
        if (std::find(ownSessions.begin(), ownSessions.end(), notice->be_pid) == ownSessions.end())
            payloads.emplace_back(notice->extra);
        PQfreemem(notice);
    }
    return payloads;
}

int PgConnection::session() const {
    return conn_ ? PQbackendPID(conn_) : 0;
}

void PgConnection::ensureConnected(const ErrorContext& context) {
    if (conn_ && PQstatus(conn_) == CONNECTION_OK) return;
    if (reconnecting_) raiseLost(context, "a conexão caiu de novo");
    reconnecting_ = true;
    try {
        connect();
        if (onReconnected) onReconnected();
    } catch (...) {
        reconnecting_ = false;
        throw;
    }
    reconnecting_ = false;
}

void PgConnection::raise(pg_result* result, const ErrorContext& context) {
    const char* stateField = result ? PQresultErrorField(result, PG_DIAG_SQLSTATE) : nullptr;
    const char* primary = result ? PQresultErrorField(result, PG_DIAG_MESSAGE_PRIMARY) : nullptr;
    const std::string state = stateField ? stateField : "";
    const std::string detail = trimmed(primary ? primary : PQerrorMessage(conn_));
    PQclear(result);
    const std::string where = context.describe() + ": ";
    if (PQstatus(conn_) != CONNECTION_OK || startsWith(state, "08") || startsWith(state, "57P"))
        raiseLost(context, detail);
    if (state == "23505") throw KeyViolation(where + "já existe um registro com esta chave.");
    if (state == "55P03" || state == "40P01" || state == "40001")
        throw LockError(where + "a tabela está bloqueada por outro usuário. Tente novamente.");
    if (state == "42P01") throw FileError(where + "a tabela não existe no servidor de dados.");
    if (state == "53100") throw Error(where + "não há espaço em disco no servidor para gravar.");
    if (state == "42501")
        throw Error(where + "o usuário do servidor de dados não tem permissão para isto (" + detail + ").");
    throw Error(where + detail);
}

PgResult PgConnection::run(const std::string& sql, const std::vector<PgParam>& params,
                           const ErrorContext& context) {
    ensureConnected(context);
    const auto count = params.size();
    std::vector<Oid> types(count, 0);
    std::vector<std::string> texts(count);
    std::vector<const char*> values(count, nullptr);
    std::vector<int> lengths(count, 0), formats(count, 0);
    std::string key = sql + '\x1f';
    for (std::size_t i = 0; i < count; ++i) {
        const Value& v = params[i].value;
        if (auto n = std::get_if<std::int64_t>(&v)) {
            types[i] = kInt8;
            texts[i] = std::to_string(*n);
            key += 'i';
        } else if (auto d = std::get_if<double>(&v)) {
            char buffer[32];
            auto end = std::to_chars(buffer, buffer + sizeof buffer, *d).ptr;
            types[i] = kFloat8;
            texts[i].assign(buffer, end);
            key += 'd';
        } else if (auto s = std::get_if<std::string>(&v)) {
            // Text and pictures alike go as their bytes, so nothing in them needs escaping.
            types[i] = params[i].bytes ? kBytea : kText;
            formats[i] = 1;
            lengths[i] = static_cast<int>(s->size());
            values[i] = s->data();
            key += params[i].bytes ? 'b' : 't';
            continue;
        } else {
            key += 'n';
            continue;
        }
        values[i] = texts[i].c_str();
    }
    auto found = prepared_.find(key);
    if (found == prepared_.end()) {
        const std::string name = "v" + std::to_string(prepared_.size() + 1);
        ++roundTrips_;
        PGresult* made = PQprepare(conn_, name.c_str(), sql.c_str(), static_cast<int>(count), types.data());
        if (PQresultStatus(made) != PGRES_COMMAND_OK) raise(made, context);
        PQclear(made);
        found = prepared_.emplace(key, name).first;
    }
    ++roundTrips_;
    PGresult* result = PQexecPrepared(conn_, found->second.c_str(), static_cast<int>(count), values.data(),
                                      lengths.data(), formats.data(), 1);
    const auto status = PQresultStatus(result);
    if (status != PGRES_TUPLES_OK && status != PGRES_COMMAND_OK) raise(result, context);
    return PgResult(result);
}

void PgConnection::execute(const std::string& sql, const ErrorContext& context) {
    ensureConnected(context);
    ++roundTrips_;
    PGresult* result = PQexec(conn_, sql.c_str());
    const auto status = PQresultStatus(result);
    if (status != PGRES_TUPLES_OK && status != PGRES_COMMAND_OK) raise(result, context);
    PQclear(result);
}

std::string PgConnection::describe() const {
    if (!conn_) return "(desconectado)";
    const std::string host = PQhost(conn_) ? PQhost(conn_) : "";
    if (host.empty() || host.front() == '/') return std::string(PQdb(conn_)) + " neste computador";
    return std::string(PQdb(conn_)) + " em " + host + ":" + PQport(conn_);
}

bool PgConnection::inTransaction() const {
    return conn_ && PQtransactionStatus(conn_) == PQTRANS_INTRANS;
}

void PgConnection::rollback() noexcept {
    if (!conn_ || PQstatus(conn_) != CONNECTION_OK) return;
    if (PQtransactionStatus(conn_) == PQTRANS_IDLE) return;
    ++roundTrips_;
    PQclear(PQexec(conn_, "ROLLBACK"));
}

std::string pgConnectionWithoutPassword(const std::string& connection) {
    PQconninfoOption* options = PQconninfoParse(connection.c_str(), nullptr);
    if (!options) return "";
    std::string text;
    for (const PQconninfoOption* option = options; option->keyword; ++option) {
        if (!option->val || std::string_view(option->keyword) == "password") continue;
        std::string quoted;
        for (const char* c = option->val; *c; ++c) {
            if (*c == '\\' || *c == '\'') quoted += '\\';
            quoted += *c;
        }
        text += (text.empty() ? "" : " ") + std::string(option->keyword) + "='" + quoted + "'";
    }
    PQconninfoFree(options);
    return text;
}

}  // namespace store
