#include "data/store/postgres/pg_sql.h"

#include "data/store/postgres/pg_schema.h"

namespace store {
namespace {

const char* operatorOf(Compare op) {
    switch (op) {
        case Compare::Less:
            return " < ";
        case Compare::LessEqual:
            return " <= ";
        case Compare::Equal:
            return " = ";
        case Compare::GreaterEqual:
            return " >= ";
        case Compare::Greater:
            return " > ";
        case Compare::NotEqual:
            return " <> ";
    }
    return " = ";
}

void bindValue(PgSql& sql, const Value& value) {
    sql.params.push_back({value});
    sql.text += "$" + std::to_string(sql.params.size());
}

void write(const Predicate& where, const TableDef& def, PgSql& sql) {
    using Kind = Predicate::Kind;
    switch (where.kind) {
        case Kind::Always:
            sql.text += "TRUE";
            return;
        case Kind::Never:
            sql.text += "FALSE";
            return;
        case Kind::Comparison:
            sql.text += pgColumnExpression(where.columns[0], def) + operatorOf(where.op);
            bindValue(sql, where.values[0]);
            return;
        case Kind::IsNull:
        case Kind::IsNotNull:
            sql.text += pgColumnExpression(where.columns[0], def) +
                        (where.kind == Kind::IsNull ? " IS NULL" : " IS NOT NULL");
            return;
        case Kind::RowComparison: {
            std::string left;
            for (std::size_t i = 0; i < where.columns.size(); ++i)
                left += (i ? ", " : "") + pgColumnExpression(where.columns[i], def);
            sql.text += "ROW(" + left + ")" + operatorOf(where.op) + "ROW(";
            for (std::size_t i = 0; i < where.values.size(); ++i) {
                if (i) sql.text += ", ";
                bindValue(sql, where.values[i]);
            }
            sql.text += ")";
            return;
        }
        case Kind::All:
            for (std::size_t i = 0; i < where.parts.size(); ++i) {
                sql.text += i ? " AND (" : "(";
                write(where.parts[i], def, sql);
                sql.text += ")";
            }
            return;
        case Kind::Any:
            sql.text += "(";
            for (std::size_t i = 0; i < where.parts.size(); ++i) {
                if (i) sql.text += " OR ";
                write(where.parts[i], def, sql);
            }
            sql.text += ")";
            return;
    }
}

}  // namespace

PgSql pgWhere(const Predicate& where, const TableDef& def) {
    PgSql sql;
    write(where, def, sql);
    return sql;
}

namespace {

// "a NULLS FIRST, linha": the query's order, nulls first as the table store orders keys (the
// server's default puts them last). The row identity is never null: it is ordered plainly, as
// the indexes end with it.
std::string orderOf(const KeyQuery& query, const TableDef& def) {
    std::string order;
    for (const auto& column : query.order) {
        order += pgColumnExpression(column, def);
        if (column.isRowIdentity())
            order += query.descending ? " DESC, " : ", ";
        else
            order += query.descending ? " DESC NULLS LAST, " : " NULLS FIRST, ";
    }
    order.resize(order.size() - 2);
    return order;
}

// The query's SELECT, with `leading` columns before the row identity.
void writeSelect(const KeyQuery& query, const TableDef& def, const std::string& leading, int limit,
                 PgSql& sql) {
    sql.text += "SELECT " + leading + kPgRowIdentity;
    for (int i : *query.fields) sql.text += ", " + pgName(def.fields[i].name);
    sql.text += " FROM " + pgName(pgTableName(def)) + " WHERE ";
    write(query.where, def, sql);
    sql.text += " ORDER BY " + orderOf(query, def) + " LIMIT ";
    // A null limit is no limit.
    bindValue(sql, limit < 0 ? Value{} : Value{static_cast<std::int64_t>(limit)});
    sql.text += " OFFSET ";
    bindValue(sql, static_cast<std::int64_t>(query.offset));
}

}  // namespace

PgSql pgSelect(const KeyQuery& query, const TableDef& def) {
    PgSql sql;
    writeSelect(query, def, "", query.limit, sql);
    return sql;
}

PgSql pgSelectEach(const std::vector<KeyQuery>& queries, int limit, const TableDef& def) {
    // Each part numbers its rows in its own order; the parts come in turn, each in that order.
    PgSql sql{"SELECT * FROM (", {}};
    for (std::size_t i = 0; i < queries.size(); ++i) {
        sql.text += i ? " UNION ALL (" : "(";
        writeSelect(queries[i], def,
                    std::to_string(i) + " AS parte, row_number() OVER (ORDER BY " + orderOf(queries[i], def) +
                        ") AS posicao, ",
                    limit, sql);
        sql.text += ")";
    }
    sql.text += ") AS partes ORDER BY parte, posicao LIMIT ";
    bindValue(sql, static_cast<std::int64_t>(limit));
    return sql;
}

PgSql pgCount(const Predicate& where, const TableDef& def) {
    PgSql sql{"SELECT count(*) FROM " + pgName(pgTableName(def)) + " WHERE ", {}};
    write(where, def, sql);
    return sql;
}

}  // namespace store
