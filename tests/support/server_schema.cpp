#include "support/server_schema.h"

#include <libpq-fe.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cctype>
#include <cstdlib>
#include <stdexcept>

namespace testsupport {
namespace {

std::string schemaFor(const std::filesystem::path& dir) {
    const std::string path = std::filesystem::absolute(dir).lexically_normal().string();
    std::uint64_t hash = 14695981039346656037ull;  // FNV-1a
    for (unsigned char c : path) hash = (hash ^ c) * 1099511628211ull;
    std::string name = "t";
    for (unsigned char c : dir.filename().string())
        if (std::isalnum(c) && name.size() < 30) name += static_cast<char>(std::tolower(c));
    char suffix[20];
    std::snprintf(suffix, sizeof suffix, "_%016llx", static_cast<unsigned long long>(hash));
    return name + suffix;
}

const char* serverOrThrow() {
    const char* server = std::getenv(kServerVariable);
    if (!server || !*server)
        throw std::runtime_error(std::string(kServerVariable) +
                                 " não está definida: os testes no PostgreSQL rodam no servidor de testes "
                                 "que 'make test' inicia (ou defina-a com uma conexão).");
    return server;
}

PGconn* connectOrThrow(const char* server) {
    PGconn* conn = PQconnectdb(server);
    if (PQstatus(conn) != CONNECTION_OK) {
        const std::string why = PQerrorMessage(conn);
        PQfinish(conn);
        throw std::runtime_error("servidor de testes inacessível (" + std::string(server) + "): " + why);
    }
    return conn;
}

}  // namespace

std::string serverConnectionFor(const std::filesystem::path& dir) {
    const char* server = serverOrThrow();
    const std::string schema = schemaFor(dir);
    PGconn* conn = connectOrThrow(server);
    // Two processes of one test may get here together: the one that loses finds it made.
    PGresult* made = PQexec(conn, ("CREATE SCHEMA IF NOT EXISTS " + schema).c_str());
    const bool ok = PQresultStatus(made) == PGRES_COMMAND_OK;
    const std::string why = PQresultErrorMessage(made);
    PQclear(made);
    PQfinish(conn);
    if (!ok && why.find("already exists") == std::string::npos && why.find("duplicate") == std::string::npos)
        throw std::runtime_error("o esquema " + schema + " não pôde ser criado: " + why);
    // Its sessions carry the schema's name, so that a test can end exactly those.
    return std::string(server) + " options='-csearch_path=" + schema + "' application_name=" + schema;
}

void restartTestServer() {
    const char* server = serverOrThrow();
    char* why = nullptr;
    PQconninfoOption* options = PQconninfoParse(server, &why);
    if (!options) {
        const std::string message = why ? why : "sem memória";
        PQfreemem(why);
        throw std::runtime_error("conexão de testes ilegível (" + std::string(server) + "): " + message);
    }
    std::string folder;
    for (const PQconninfoOption* option = options; option->keyword; ++option)
        if (std::string(option->keyword) == "host" && option->val) folder = option->val;
    PQconninfoFree(options);
    if (folder.empty() || folder.front() != '/')
        throw std::runtime_error("só o servidor de testes local (host=PASTA) pode ser reiniciado: " +
                                 std::string(server));
    const pid_t pid = fork();
    if (pid < 0) throw std::runtime_error("fork falhou");
    if (pid == 0) {
        execlp("bash", "bash", VELMORA_THROWAWAY_SERVER_SCRIPT, "restart", folder.c_str(), nullptr);
        _exit(127);
    }
    int status = 0;
    if (waitpid(pid, &status, 0) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        throw std::runtime_error("o servidor de testes em " + folder + " não reiniciou");
}

void endServerSessions(const std::filesystem::path& dir) {
    PGconn* conn = connectOrThrow(serverOrThrow());
    const std::string schema = schemaFor(dir);
    const char* params[] = {schema.c_str()};
    PGresult* ended = PQexecParams(conn,
                                   // OFFSET 0 keeps the filter apart: it is applied before any
                                   // session is ended.
                                   "SELECT pg_terminate_backend(pid, 5000) FROM (SELECT pid FROM "
                                   "pg_stat_activity WHERE application_name = $1 AND pid <> "
                                   "pg_backend_pid() OFFSET 0) AS sessions",
                                   1, nullptr, params, nullptr, nullptr, 0);
    const bool ok = PQresultStatus(ended) == PGRES_TUPLES_OK;
    const std::string why = PQresultErrorMessage(ended);
    PQclear(ended);
    PQfinish(conn);
    if (!ok) throw std::runtime_error("as sessões de " + schema + " não puderam ser encerradas: " + why);
}

}  // namespace testsupport
