#include "data/store/sqlite/sql_text.h"

#include "data/store/sqlite/schema.h"

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

void write(const Predicate& where, const TableDef& def, SqlText& sql) {
    using Kind = Predicate::Kind;
    switch (where.kind) {
        case Kind::Always:
            sql.text += "1";
            return;
        case Kind::Never:
            sql.text += "0";
            return;
        case Kind::Comparison:
            sql.text += columnExpression(where.columns[0], def) + operatorOf(where.op) + "?";
            sql.params.push_back(where.values[0]);
            return;
        case Kind::IsNull:
        case Kind::IsNotNull:
            sql.text += columnExpression(where.columns[0], def) +
                        (where.kind == Kind::IsNull ? " IS NULL" : " IS NOT NULL");
            return;
        case Kind::RowComparison: {
            std::string left, right;
            for (std::size_t i = 0; i < where.columns.size(); ++i) {
                left += (i ? ", " : "") + columnExpression(where.columns[i], def);
                right += i ? ", ?" : "?";
            }
            sql.text += "(" + left + ")" + operatorOf(where.op) + "(" + right + ")";
            sql.params.insert(sql.params.end(), where.values.begin(), where.values.end());
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

SqlText whereClause(const Predicate& where, const TableDef& def) {
    SqlText sql;
    write(where, def, sql);
    return sql;
}

SqlText selectSql(const KeyQuery& query, const TableDef& def, const std::string& rowsTable) {
    SqlText sql{"SELECT rowid", {}};
    for (int i : *query.fields) sql.text += ", " + sqlName(def.fields[i].name);
    sql.text += " FROM " + rowsTable + " WHERE ";
    write(query.where, def, sql);
    sql.text += " ORDER BY ";
    for (const auto& column : query.order)
        sql.text += columnExpression(column, def) + (query.descending ? " DESC, " : ", ");
    sql.text.resize(sql.text.size() - 2);
    sql.text += " LIMIT ? OFFSET ?";
    sql.params.push_back(static_cast<std::int64_t>(query.limit));
    sql.params.push_back(static_cast<std::int64_t>(query.offset));
    return sql;
}

}  // namespace store
