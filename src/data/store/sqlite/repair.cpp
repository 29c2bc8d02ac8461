#include "data/store/repair.h"

#include <sqlite3.h>

#include <algorithm>
#include <vector>

#include "data/store/error.h"
#include "data/store/sqlite/collations.h"
#include "data/store/sqlite/connection.h"
#include "data/store/sqlite/file_locks.h"
#include "data/store/sqlite/schema.h"

namespace store {
namespace {

Collations& sharedCollations() {
    static Collations collations;
    return collations;
}

ErrorContext contextOf(const std::filesystem::path& path) {
    return {path.filename().string(), path.filename().string()};
}

bool integrityOk(Connection& connection) {
    try {
        Statement& check = connection.prepare("PRAGMA integrity_check");
        bool ok = check.step() && check.column(0) == Value{std::string("ok")};
        check.reset();
        return ok;
    } catch (const Error&) {
        return false;
    }
}

struct SchemaEntry {
    std::string type;
    std::string sql;
};

std::vector<SchemaEntry> readSchema(Connection& connection) {
    std::vector<SchemaEntry> entries;
    Statement& read =
        connection.prepare("SELECT type, sql FROM sqlite_master WHERE sql IS NOT NULL ORDER BY type DESC");
    while (read.step())
        entries.push_back({std::get<std::string>(read.column(0)), std::get<std::string>(read.column(1))});
    return entries;
}

std::int64_t highestRowid(Connection& connection) {
    try {
        Statement& read =
            connection.prepare(std::string("SELECT max(rowid) FROM ") + kRowsTable + " NOT INDEXED");
        read.step();
        return read.columnInteger(0);
    } catch (const Error&) {
        return 0;
    }
}

// "c1", "c2", ... of the data table, as a column list.
std::string columnList(Connection& connection) {
    Statement& info = connection.prepare(std::string("PRAGMA table_info(") + kRowsTable + ")");
    std::string columns;
    while (info.step())
        columns += (columns.empty() ? "" : ", ") + sqlName(std::get<std::string>(info.column(1)));
    return columns;
}

}  // namespace

bool checkTableFile(const std::filesystem::path& path) {
    if (!std::filesystem::exists(path)) return false;
    try {
        Connection connection(path, sharedCollations(), contextOf(path), 1500, false);
        if (!integrityOk(connection)) return false;
        Statement& read = connection.prepare("SELECT assinatura FROM velmora_tabela");
        return read.step();
    } catch (const Error&) {
        return false;
    }
}

RepairReport repairTableFile(const std::filesystem::path& path, const std::function<void(int)>& progress) {
    auto report = [&](int percent) {
        if (progress) progress(percent);
    };
    const ErrorContext context = contextOf(path);
    if (!std::filesystem::exists(path))
        throw FileError(context.describe() + ": o arquivo não foi encontrado.");
    // The file is rewritten: nobody else may have it open meanwhile.
    FileLocks exclusive(path, LockSettings{}, context);
    exclusive.lockTable(true);
    report(0);
    RepairReport result;
    std::filesystem::path rebuilt = path;
    rebuilt += ".reparo";
    {
        Connection damaged(path, sharedCollations(), context, 1500, false);
        if (integrityOk(damaged)) {
            Statement& count = damaged.prepare(std::string("SELECT count(*) FROM ") + kRowsTable);
            count.step();
            result.rowsRecovered = static_cast<long>(count.columnInteger(0));
            report(100);
            return result;
        }
        result.wasDamaged = true;
        std::vector<SchemaEntry> schema;
        try {
            schema = readSchema(damaged);
        } catch (const Error&) {
            throw FileError(context.describe() + ": o arquivo está danificado demais para ser reparado.");
        }
        const std::string columns = columnList(damaged);
        if (columns.empty())
            throw FileError(context.describe() + ": o arquivo está danificado demais para ser reparado.");

        std::error_code ignored;
        std::filesystem::remove(rebuilt, ignored);
        Connection fresh(rebuilt, sharedCollations(), context, 1500, true);
        // Rows first, indexes after: a damaged file may hold two rows with one key, and
        // the first of them is the one kept.
        std::vector<std::string> indexes;
        fresh.transaction([&] {
            for (const auto& entry : schema) {
                if (entry.type == "table") fresh.execute(entry.sql);
                if (entry.type == "index") indexes.push_back(entry.sql);
            }
            Statement& signature = damaged.prepare("SELECT assinatura FROM velmora_tabela");
            std::string text = signature.step() ? std::get<std::string>(signature.column(0)) : "";
            signature.reset();
            Statement& writeSignature = fresh.prepare("INSERT INTO velmora_tabela VALUES (?)");
            writeSignature.bind(1, text);
            writeSignature.step();
        });

        const std::int64_t highest = std::max<std::int64_t>(highestRowid(damaged), 1);
        int columnCount = 1;
        for (char c : columns) columnCount += c == ',';
        std::string marks = "?";
        for (int c = 0; c < columnCount; ++c) marks += ", ?";
        Statement& write = fresh.prepare(std::string("INSERT OR REPLACE INTO ") + kRowsTable + " (rowid, " +
                                         columns + ") VALUES (" + marks + ")");
        auto copyRows = [&](std::int64_t from, std::int64_t to) {
            Statement& read = damaged.prepare("SELECT rowid, " + columns + " FROM " + kRowsTable +
                                              " NOT INDEXED WHERE rowid BETWEEN ? AND ?");
            read.bind(1, from);
            read.bind(2, to);
            // Written by rowid, so a stretch copied again row by row does not double.
            while (read.step()) {
                write.reset();
                for (int c = 0; c <= columnCount; ++c) write.bindColumnOf(c + 1, read, c);
                write.step();
            }
            read.reset();
        };
        // Rows are copied a stretch at a time; a stretch that meets a damaged page is
        // copied again row by row, so that only the unreadable rows are lost.
        constexpr std::int64_t kStretch = 1000;
        fresh.execute("BEGIN");
        for (std::int64_t from = 1; from <= highest; from += kStretch) {
            const std::int64_t to = std::min(highest, from + kStretch - 1);
            try {
                copyRows(from, to);
            } catch (const Error&) {
                for (std::int64_t rowid = from; rowid <= to; ++rowid) {
                    try {
                        copyRows(rowid, rowid);
                    } catch (const Error&) {
                        ++result.rowsLost;
                    }
                }
            }
            report(static_cast<int>(to * 90 / highest));
        }
        fresh.execute("COMMIT");
        Statement& count = fresh.prepare(std::string("SELECT count(*) FROM ") + kRowsTable);
        count.step();
        result.rowsRecovered = static_cast<long>(count.columnInteger(0));
        count.reset();
        for (const auto& sql : indexes) {
            if (sql.find("UNIQUE") != std::string::npos) {
                // Drop later duplicates of the primary key before making it unique again.
                const auto open = sql.find('(', sql.find(" ON "));
                const std::string columnsOfKey = sql.substr(open + 1, sql.rfind(')') - open - 1);
                fresh.execute(std::string("DELETE FROM ") + kRowsTable +
                              " WHERE rowid NOT IN (SELECT min(rowid) FROM " + kRowsTable + " GROUP BY " +
                              columnsOfKey + ")");
            }
            fresh.execute(sql);
        }
    }
    std::filesystem::path kept = path;
    kept += ".danificado";
    std::filesystem::rename(path, kept);
    std::filesystem::rename(rebuilt, path);
    report(100);
    return result;
}

}  // namespace store
