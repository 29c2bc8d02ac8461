#pragma once
// How a table definition becomes a table on the server: one table per table file, named
// after the file ("Clientes.DAT" is clientes_dat), a row identity column standing for the
// row's place, one unique index for the primary key and one per secondary index, text keys
// in the program's own Portuguese collations. A register of the tables (velmora_tabelas)
// keeps each one's signature, so that a table made by an older definition gains the new
// columns and indexes when it is opened. Every statement that writes a table notifies the
// channel velmora_mudancas with "schema.table" on commit, for the other stations' screens.
#include <string>

#include "data/store/backend.h"

namespace store {

class PgConnection;

inline constexpr const char* kPgRowIdentity = "linha";
inline constexpr const char* kPgCollation = "velmora_ptbr";
inline constexpr const char* kPgCollationCaseInsensitive = "velmora_ptbr_ci";
inline constexpr const char* kPgChangesChannel = "velmora_mudancas";

std::string pgName(const std::string& identifier);
// The table's name on the server, unquoted.
std::string pgTableName(const TableDef& def);
// A column of a key query: the row identity, a field as its index orders it, or as stored.
std::string pgColumnExpression(const KeyColumn& column, const TableDef& def);

bool pgTableExists(PgConnection& connection, const TableDef& def, const ErrorContext& context);
void pgCreateTable(PgConnection& connection, const TableDef& def, const ErrorContext& context);
// Refuses a table the register does not know and brings a known one up to its definition.
void pgOpenTable(PgConnection& connection, const TableDef& def, const ErrorContext& context);

}  // namespace store
