#pragma once
// A bare libpq connection and its statements, every failure fatal: the baseline the store on
// a server is measured against.
#include <libpq-fe.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

struct Bare {
    PGconn* conn;
    explicit Bare(const char* connection) : conn(PQconnectdb(connection)) {
        if (PQstatus(conn) != CONNECTION_OK) fail(PQerrorMessage(conn));
    }
    ~Bare() { PQfinish(conn); }
    static void fail(const char* why) {
        std::fprintf(stderr, "%s\n", why);
        std::exit(1);
    }
    void prepare(const char* name, const char* sql) {
        PGresult* made = PQprepare(conn, name, sql, 0, nullptr);
        if (PQresultStatus(made) != PGRES_COMMAND_OK) fail(PQresultErrorMessage(made));
        PQclear(made);
    }
    // Runs a prepared statement and touches every value, as the store reads them; returns the rows.
    long run(const char* name, std::vector<std::string> params = {}) {
        std::vector<const char*> values;
        for (const auto& p : params) values.push_back(p.c_str());
        PGresult* rows =
            PQexecPrepared(conn, name, static_cast<int>(values.size()), values.data(), nullptr, nullptr, 1);
        const auto status = PQresultStatus(rows);
        if (status != PGRES_TUPLES_OK && status != PGRES_COMMAND_OK) fail(PQresultErrorMessage(rows));
        std::size_t bytes = 0;
        for (int r = 0; r < PQntuples(rows); ++r)
            for (int c = 0; c < PQnfields(rows); ++c)
                bytes += std::string(PQgetvalue(rows, r, c), PQgetlength(rows, r, c)).size();
        const long count = PQntuples(rows) + static_cast<long>(bytes & 0);
        PQclear(rows);
        return count;
    }
    // Runs a prepared statement and returns the first value of its first row.
    std::string first(const char* name, std::vector<std::string> params = {}) {
        std::vector<const char*> values;
        for (const auto& p : params) values.push_back(p.c_str());
        PGresult* rows =
            PQexecPrepared(conn, name, static_cast<int>(values.size()), values.data(), nullptr, nullptr, 0);
        if (PQresultStatus(rows) != PGRES_TUPLES_OK || PQntuples(rows) < 1) fail(PQresultErrorMessage(rows));
        std::string value = PQgetvalue(rows, 0, 0);
        PQclear(rows);
        return value;
    }
    // Runs a statement; a COPY is expected to start one (PGRES_COPY_IN, PGRES_COPY_OUT).
    void execute(const char* sql, ExecStatusType expected = PGRES_COMMAND_OK) {
        PGresult* done = PQexec(conn, sql);
        if (PQresultStatus(done) != expected) fail(PQresultErrorMessage(done));
        PQclear(done);
    }
    // The outcome of a COPY whose data went through.
    void finishCopy() {
        PGresult* done = PQgetResult(conn);
        if (PQresultStatus(done) != PGRES_COMMAND_OK) fail(PQresultErrorMessage(done));
        PQclear(done);
        while (PGresult* more = PQgetResult(conn)) PQclear(more);
    }
};
