#pragma once
// How a table definition becomes an SQLite file: one data table, one unique index for the
// primary key, one index per secondary index, and a signature of the definition so that
// a file made by an older definition gains the new columns and indexes on open.
#include <functional>
#include <string>

#include "data/store/definition.h"
#include "data/store/predicate.h"

namespace store {

class Connection;

inline constexpr const char* kRowsTable = "registros";
inline constexpr const char* kPrimaryIndex = "pk";

std::string sqlName(const std::string& identifier);
// The ordering expression of a field in an index: text keys carry their collation.
std::string keyExpression(const FieldDef& field, bool caseInsensitive);
// A column of a key query as SQL: the rowid, a field as its index orders it, or a field as stored.
std::string columnExpression(const KeyColumn& column, const TableDef& def);

void createSchema(Connection& connection, const TableDef& def);
// Runs `work` (emptying the table as a whole) with an append-only table's guards lifted, inside
// the transaction under way: they are back before it commits. `rowsTable` is the table's rows
// as the transaction names them ("registros", or "t3.registros" for an attached file).
void withoutGuards(Connection& connection, const TableDef& def, const std::string& rowsTable,
                   const std::function<void()>& work);
// Checks that the file is one of our tables and brings its schema up to the definition.
void openSchema(Connection& connection, const TableDef& def);

}  // namespace store
