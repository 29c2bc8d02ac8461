#include "data/store/sqlite/schema.h"

#include <set>

#include "data/store/error.h"
#include "data/store/sqlite/collations.h"
#include "data/store/sqlite/connection.h"

namespace store {
namespace {

const char* columnType(FieldType type) {
    switch (type) {
        case FieldType::Integer:
            return "INTEGER";
        case FieldType::Float:
        case FieldType::Currency:
            return "REAL";
        case FieldType::Graphic:
            return "BLOB";
        default:
            return "TEXT";
    }
}

std::string indexColumns(const TableDef& def, const std::vector<std::string>& fields, bool caseInsensitive) {
    std::string columns;
    for (const auto& name : fields) {
        const FieldDef* field = def.findField(name);
        if (!field)
            throw Error("Definição da tabela " + def.fileName + ": o índice usa o campo " + name +
                        ", que não existe.");
        columns += (columns.empty() ? "" : ", ") + keyExpression(*field, caseInsensitive);
    }
    return columns;
}

std::string createIndexSql(const TableDef& def, const std::string& name,
                           const std::vector<std::string>& fields, bool caseInsensitive, bool unique) {
    return std::string("CREATE ") + (unique ? "UNIQUE " : "") + "INDEX " + sqlName(name) + " ON " +
           kRowsTable + " (" + indexColumns(def, fields, caseInsensitive) + ")";
}

std::vector<std::string> indexStatements(const TableDef& def) {
    // A table without a key (a settings record, a buffer) is kept in the order rows came in.
    std::vector<std::string> statements;
    if (!def.primaryKey.empty())
        statements.push_back(
            createIndexSql(def, kPrimaryIndex, def.primaryKey, def.primaryCaseInsensitive, true));
    for (const auto& index : def.indexes)
        statements.push_back(createIndexSql(def, index.name, index.fields, index.caseInsensitive, false));
    return statements;
}

constexpr const char* kGuardedChanges[] = {"UPDATE", "DELETE"};

std::string guardName(const char* change) {
    return sqlName(std::string("velmora_recusa_") + change);
}

// The triggers that refuse changing or removing a row of an append-only table; `schema` is
// the attached file's prefix ("t3.") when the table is one of several in a transaction.
std::vector<std::string> guardStatements(const TableDef& def, const std::string& schema = {}) {
    if (!def.appendOnly) return {};
    std::vector<std::string> statements;
    for (const char* change : kGuardedChanges)
        statements.push_back("CREATE TRIGGER " + schema + guardName(change) +
                             " BEFORE " + change + " ON " + kRowsTable + " BEGIN SELECT RAISE(ABORT, " +
                             "'Tabela " + def.fileName + ": só aceita inclusões.'); END");
    return statements;
}

std::string columnDeclaration(const FieldDef& field) {
    return sqlName(field.name) + " " + columnType(field.type);
}

// Everything of the definition that shapes the file.
std::string signature(const TableDef& def) {
    std::string text;
    for (const auto& field : def.fields)
        if (!field.calculated) text += columnDeclaration(field) + ";";
    for (const auto& statement : indexStatements(def)) text += statement + ";";
    for (const auto& statement : guardStatements(def)) text += statement + ";";
    return text;
}

}  // namespace

std::string sqlName(const std::string& identifier) {
    std::string result = "\"";
    for (char c : identifier) result += c == '"' ? std::string("\"\"") : std::string(1, c);
    return result + "\"";
}

std::string keyExpression(const FieldDef& field, bool caseInsensitive) {
    if (!isTextType(field.type)) return sqlName(field.name);
    return sqlName(field.name) + " COLLATE " + (caseInsensitive ? kCollationCaseInsensitive : kCollation);
}

std::string columnExpression(const KeyColumn& column, const TableDef& def) {
    if (column.isRowIdentity()) return "rowid";
    const FieldDef& field = def.fields[column.field];
    return column.collated ? keyExpression(field, column.ignoringCase) : sqlName(field.name);
}

void createSchema(Connection& connection, const TableDef& def) {
    std::string columns;
    for (const auto& field : def.fields)
        if (!field.calculated) columns += (columns.empty() ? "" : ", ") + columnDeclaration(field);
    connection.transaction([&] {
        connection.execute(std::string("CREATE TABLE ") + kRowsTable + " (" + columns + ")");
        for (const auto& statement : indexStatements(def)) connection.execute(statement);
        for (const auto& statement : guardStatements(def)) connection.execute(statement);
        connection.execute("CREATE TABLE velmora_tabela (assinatura TEXT)");
        Statement& insert = connection.prepare("INSERT INTO velmora_tabela VALUES (?)");
        insert.bind(1, signature(def));
        insert.step();
    });
}

void withoutGuards(Connection& connection, const TableDef& def, const std::string& rowsTable,
                   const std::function<void()>& work) {
    const std::string schema = rowsTable.substr(0, rowsTable.size() - std::string(kRowsTable).size());
    for (const char* change : kGuardedChanges) connection.execute("DROP TRIGGER IF EXISTS " + schema + guardName(change));
    work();
    for (const auto& statement : guardStatements(def, schema)) connection.execute(statement);
}

void openSchema(Connection& connection, const TableDef& def) {
    // Only a file without our signature table is foreign; any other failure (a lock held by
    // a writer, a damaged page) keeps its own error.
    Statement& marker =
        connection.prepare("SELECT count(*) FROM sqlite_master WHERE name = 'velmora_tabela'");
    marker.step();
    const bool ours = marker.columnInteger(0) > 0;
    marker.reset();
    if (!ours) throw FileError("Tabela " + def.fileName + ": o arquivo não é uma tabela do Velmora.");
    std::string stored;
    Statement& read = connection.prepare("SELECT assinatura FROM velmora_tabela");
    if (read.step()) stored = std::get<std::string>(read.column(0));
    read.reset();
    const std::string wanted = signature(def);
    if (stored == wanted) return;

    // The definition has grown since the file was made: add what is missing, keep the rows.
    connection.transaction([&] {
        std::set<std::string> existing;
        Statement& info = connection.prepare(std::string("PRAGMA table_info(") + kRowsTable + ")");
        while (info.step()) existing.insert(std::get<std::string>(info.column(1)));
        for (const auto& field : def.fields)
            if (!field.calculated && !existing.count(field.name))
                connection.execute(std::string("ALTER TABLE ") + kRowsTable + " ADD COLUMN " +
                                   columnDeclaration(field));
        connection.execute(std::string("DROP INDEX IF EXISTS ") + sqlName(kPrimaryIndex));
        for (const auto& index : def.indexes)
            connection.execute("DROP INDEX IF EXISTS " + sqlName(index.name));
        for (const auto& statement : indexStatements(def)) connection.execute(statement);
        withoutGuards(connection, def, kRowsTable, [] {});
        Statement& update = connection.prepare("UPDATE velmora_tabela SET assinatura = ?");
        update.bind(1, wanted);
        update.step();
    });
}

}  // namespace store
