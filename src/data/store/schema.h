#pragma once
// How a table definition becomes an SQLite file: one data table, one unique index for the
// primary key, one index per secondary index, and a signature of the definition so that
// a file made by an older definition gains the new columns and indexes on open.
#include <string>

#include "data/store/definition.h"

namespace store {

class Connection;

inline constexpr const char* kRowsTable = "registros";
inline constexpr const char* kPrimaryIndex = "pk";

std::string sqlName(const std::string& identifier);
// The ordering expression of a field in an index: text keys carry their collation.
std::string keyExpression(const FieldDef& field, bool caseInsensitive);

void createSchema(Connection& connection, const TableDef& def);
// Checks that the file is one of our tables and brings its schema up to the definition.
void openSchema(Connection& connection, const TableDef& def);

}  // namespace store
