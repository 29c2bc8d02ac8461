#include "data/store/postgres/pg_notes.h"

#include "data/store/postgres/pg_connection.h"

namespace store {
namespace {

const ErrorContext kContext{"notas", "velmora_notas"};

bool notesExist(PgConnection& connection) {
    return connection.run("SELECT to_regclass('velmora_notas') IS NOT NULL", kContext).integer(0, 0) != 0;
}

}  // namespace

std::optional<std::string> pgReadNote(PgConnection& connection, const std::string& name) {
    if (!notesExist(connection)) return std::nullopt;
    PgResult row = connection.run("SELECT texto FROM velmora_notas WHERE nome = $1", {{name}}, kContext);
    if (row.rows() == 0) return std::nullopt;
    return std::get<std::string>(row.value(0, 0));
}

void pgWriteNote(PgConnection& connection, const std::string& name, const std::string& text) {
    connection.execute(
        "CREATE TABLE IF NOT EXISTS velmora_notas (nome text PRIMARY KEY, texto text NOT NULL)", kContext);
    connection.run(
        "INSERT INTO velmora_notas (nome, texto) VALUES ($1, $2) "
        "ON CONFLICT (nome) DO UPDATE SET texto = excluded.texto",
        {{name}, {text}}, kContext);
}

void pgRemoveNote(PgConnection& connection, const std::string& name) {
    if (notesExist(connection))
        connection.run("DELETE FROM velmora_notas WHERE nome = $1", {{name}}, kContext);
}

}  // namespace store
