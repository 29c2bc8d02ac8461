#include "data/store/postgres/pg_schema.h"

#include <cctype>
#include <optional>
#include <set>

#include "data/store/postgres/pg_connection.h"

namespace store {
namespace {

constexpr const char* kRegister = "velmora_tabelas";

const char* columnType(FieldType type) {
    switch (type) {
        case FieldType::Integer:
            return "bigint";
        case FieldType::Float:
        case FieldType::Currency:
            return "double precision";
        case FieldType::Graphic:
            return "bytea";
        default:
            return "text";
    }
}

std::string keyExpression(const FieldDef& field, bool caseInsensitive) {
    if (!isTextType(field.type)) return pgName(field.name);
    return pgName(field.name) + " COLLATE " + (caseInsensitive ? kPgCollationCaseInsensitive : kPgCollation);
}

std::string indexName(const TableDef& def, const std::string& index) {
    return pgName(pgTableName(def) + "__" + index);
}

// Nulls first, as the table store orders keys; secondary keys end with the row identity,
// which breaks ties between equal keys in every walk.
std::string createIndexSql(const TableDef& def, const std::string& name,
                           const std::vector<std::string>& fields, bool caseInsensitive, bool unique) {
    std::string columns;
    for (const auto& fieldName : fields) {
        const FieldDef* field = def.findField(fieldName);
        if (!field)
            throw Error("Definição da tabela " + def.fileName + ": o índice usa o campo " + fieldName +
                        ", que não existe.");
        columns += (columns.empty() ? "" : ", ") + keyExpression(*field, caseInsensitive) + " NULLS FIRST";
    }
    if (!unique) columns += std::string(", ") + kPgRowIdentity;
    return std::string("CREATE ") + (unique ? "UNIQUE " : "") + "INDEX " + indexName(def, name) + " ON " +
           pgName(pgTableName(def)) + " (" + columns + ")";
}

std::vector<std::string> indexStatements(const TableDef& def) {
    std::vector<std::string> statements;
    if (!def.primaryKey.empty())
        statements.push_back(createIndexSql(def, "pk", def.primaryKey, def.primaryCaseInsensitive, true));
    for (const auto& index : def.indexes)
        statements.push_back(createIndexSql(def, index.name, index.fields, index.caseInsensitive, false));
    return statements;
}

constexpr const char* kNoticeFunction = "velmora_avisar";
constexpr const char* kRefuseFunction = "velmora_recusar_mudanca";

// What refuses changing or removing a row of an append-only table, whatever role asks. Emptying
// it whole (TRUNCATE) is left to a restore, which replaces every table of the data set at once.
std::vector<std::string> guardStatements(const TableDef& def) {
    if (!def.appendOnly) return {};
    return {std::string("CREATE OR REPLACE TRIGGER velmora_recusa BEFORE UPDATE OR DELETE ON ") +
            pgName(pgTableName(def)) + " FOR EACH STATEMENT EXECUTE FUNCTION " + kRefuseFunction + "()"};
}

// Once a statement, whatever rows it touched; the server sends one notice per transaction and
// payload, and only when it commits.
std::string noticeStatement(const TableDef& def) {
    return std::string(
               "CREATE OR REPLACE TRIGGER velmora_aviso AFTER INSERT OR UPDATE OR DELETE OR TRUNCATE ON ") +
           pgName(pgTableName(def)) + " FOR EACH STATEMENT EXECUTE FUNCTION " + kNoticeFunction + "()";
}

std::string columnDeclaration(const FieldDef& field) {
    return pgName(field.name) + " " + columnType(field.type);
}

std::string signature(const TableDef& def) {
    std::string text;
    for (const auto& field : def.fields)
        if (!field.calculated) text += columnDeclaration(field) + ";";
    for (const auto& statement : indexStatements(def)) text += statement + ";";
    for (const auto& statement : guardStatements(def)) text += statement + ";";
    return text + noticeStatement(def) + ";";
}

// What every table of the program needs once per schema: its collations and the register.
// Another station may be creating them at the same moment; what it made is as good.
void createShared(PgConnection& connection, const ErrorContext& context) {
    const std::string statements[] = {
        std::string("CREATE COLLATION IF NOT EXISTS ") + kPgCollation + " (provider = icu, locale = 'pt-BR')",
        std::string("CREATE COLLATION IF NOT EXISTS ") + kPgCollationCaseInsensitive +
            " (provider = icu, locale = 'pt-BR-u-ks-level2', deterministic = false)",
        std::string("CREATE TABLE IF NOT EXISTS ") + kRegister +
            " (nome text PRIMARY KEY, assinatura text NOT NULL)",
        std::string("CREATE OR REPLACE FUNCTION ") + kNoticeFunction +
            "() RETURNS trigger LANGUAGE plpgsql AS $$ BEGIN PERFORM pg_notify('" + kPgChangesChannel +
            "', TG_TABLE_SCHEMA || '.' || TG_TABLE_NAME); RETURN NULL; END $$",
        std::string("CREATE OR REPLACE FUNCTION ") + kRefuseFunction +
            "() RETURNS trigger LANGUAGE plpgsql AS $$ BEGIN RAISE EXCEPTION 'Tabela %: só aceita inclusões.', "
            "TG_TABLE_NAME; END $$",
    };
    for (const auto& statement : statements) {
        try {
            connection.execute(statement, context);
        } catch (const KeyViolation&) {
        }
    }
}

template <typename Work>
void inTransaction(PgConnection& connection, const ErrorContext& context, Work&& work) {
    connection.execute("BEGIN", context);
    try {
        work();
        connection.execute("COMMIT", context);
    } catch (...) {
        connection.rollback();
        throw;
    }
}

}  // namespace

std::string pgName(const std::string& identifier) {
    std::string result = "\"";
    for (char c : identifier) result += c == '"' ? std::string("\"\"") : std::string(1, c);
    return result + "\"";
}

std::string pgTableName(const TableDef& def) {
    std::string name;
    for (unsigned char c : def.fileName) name += std::isalnum(c) ? static_cast<char>(std::tolower(c)) : '_';
    return name;
}

std::string pgColumnExpression(const KeyColumn& column, const TableDef& def) {
    if (column.isRowIdentity()) return kPgRowIdentity;
    const FieldDef& field = def.fields[column.field];
    if (column.collated) return keyExpression(field, column.ignoringCase);
    // Byte by byte, as a filter compares.
    return isTextType(field.type) ? pgName(field.name) + " COLLATE \"C\"" : pgName(field.name);
}

bool pgTableExists(PgConnection& connection, const TableDef& def, const ErrorContext& context) {
    PgResult found =
        connection.run("SELECT to_regclass($1) IS NOT NULL", {{pgName(pgTableName(def))}}, context);
    return found.integer(0, 0) != 0;
}

void pgCreateTable(PgConnection& connection, const TableDef& def, const ErrorContext& context) {
    createShared(connection, context);
    std::string columns =
        std::string(kPgRowIdentity) + " bigint GENERATED BY DEFAULT AS IDENTITY PRIMARY KEY";
    for (const auto& field : def.fields)
        if (!field.calculated) columns += ", " + columnDeclaration(field);
    inTransaction(connection, context, [&] {
        connection.execute("CREATE TABLE " + pgName(pgTableName(def)) + " (" + columns + ")", context);
        for (const auto& statement : indexStatements(def)) connection.execute(statement, context);
        for (const auto& statement : guardStatements(def)) connection.execute(statement, context);
        connection.execute(noticeStatement(def), context);
        connection.run(std::string("INSERT INTO ") + kRegister + " (nome, assinatura) VALUES ($1, $2)",
                       {{pgTableName(def)}, {signature(def)}}, context);
    });
}

void pgOpenTable(PgConnection& connection, const TableDef& def, const ErrorContext& context) {
    const std::string table = pgTableName(def);
    std::optional<std::string> stored;
    try {
        PgResult row = connection.run(std::string("SELECT assinatura FROM ") + kRegister + " WHERE nome = $1",
                                      {{table}}, context);
        if (row.rows() > 0) stored = std::get<std::string>(row.value(0, 0));
    } catch (const FileError&) {
        // No register at all: nothing here is ours.
    }
    if (!stored)
        throw FileError(context.describe() + ": a tabela " + table +
                        " do servidor de dados não é uma tabela do Velmora.");
    const std::string wanted = signature(def);
    if (*stored == wanted) return;

    // The definition has grown since the table was made: add what is missing, keep the rows.
    inTransaction(connection, context, [&] {
        std::set<std::string> existing;
        PgResult columns = connection.run(
            "SELECT column_name::text FROM information_schema.columns "
            "WHERE table_schema = current_schema() AND table_name = $1",
            {{table}}, context);
        for (int r = 0; r < columns.rows(); ++r) existing.insert(std::get<std::string>(columns.value(r, 0)));
        for (const auto& field : def.fields)
            if (!field.calculated && !existing.count(field.name))
                connection.execute("ALTER TABLE " + pgName(table) + " ADD COLUMN " + columnDeclaration(field),
                                   context);
        connection.execute("DROP INDEX IF EXISTS " + indexName(def, "pk"), context);
        for (const auto& index : def.indexes)
            connection.execute("DROP INDEX IF EXISTS " + indexName(def, index.name), context);
        for (const auto& statement : indexStatements(def)) connection.execute(statement, context);
        createShared(connection, context);
        connection.execute("DROP TRIGGER IF EXISTS velmora_recusa ON " + pgName(table), context);
        for (const auto& statement : guardStatements(def)) connection.execute(statement, context);
        connection.execute(noticeStatement(def), context);
        connection.run(std::string("UPDATE ") + kRegister + " SET assinatura = $1 WHERE nome = $2",
                       {{wanted}, {table}}, context);
    });
}

}  // namespace store
