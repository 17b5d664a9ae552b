// What tables and columns a database holds, and which of those a program relies on are missing.
#include <sqlite3.h>

#include "platform/db/Ado.h"
#include "platform/db/SqliteSupport.h"

namespace ado {

namespace detail {

TableColumns readTables(sqlite3* db) {
    // Tables in the order they were made, each with its columns in their order; SQLite's own are left out.
    Statement st(db, QStringLiteral("SELECT m.name, c.name FROM sqlite_master AS m, pragma_table_info(m.name) AS c "
                                    "WHERE m.type = 'table' AND m.name NOT LIKE 'sqlite\\_%' ESCAPE '\\' "
                                    "ORDER BY m.rowid, c.cid"));
    TableColumns tables;
    while (st.step()) {
        const auto text = [&st](int i) {
            return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st.get(), i)),
                                     sqlite3_column_bytes(st.get(), i));
        };
        const QString table = text(0);
        if (tables.empty() || tables.back().first != table) tables.emplace_back(table, QStringList());
        tables.back().second << text(1);
    }
    return tables;
}

}  // namespace detail

namespace {

// SQLite matches names with ASCII letters folded only; other letters must be equal.
bool sameName(const QString& a, const QString& b) {
    if (a.size() != b.size()) return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        QChar x = a[i];
        QChar y = b[i];
        if (x.unicode() < 0x80) x = x.toLower();
        if (y.unicode() < 0x80) y = y.toLower();
        if (x != y) return false;
    }
    return true;
}

}  // namespace

TableColumns tablesOfScript(const QString& script) {
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(":memory:", &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) != SQLITE_OK) {
        sqlite3_close_v2(db);
        throw vb::Error(errProvider, QStringLiteral("作業用のデータベースを作れません。"));
    }
    try {
        detail::registerJetFunctions(db);
        const QByteArray utf8 = script.toUtf8();
        if (sqlite3_exec(db, utf8.constData(), nullptr, nullptr, nullptr) != SQLITE_OK)
            detail::throwSqlite(db, sqlite3_extended_errcode(db));
        TableColumns tables = detail::readTables(db);
        sqlite3_close_v2(db);
        return tables;
    } catch (...) {
        sqlite3_close_v2(db);
        throw;
    }
}

QString firstMissing(const TableColumns& expected, const TableColumns& actual) {
    for (const auto& [table, columns] : expected) {
        const auto found =
            std::find_if(actual.begin(), actual.end(), [&table](const auto& t) { return sameName(t.first, table); });
        if (found == actual.end()) return table;
        for (const QString& column : columns) {
            const bool present = std::any_of(found->second.begin(), found->second.end(),
                                             [&column](const QString& c) { return sameName(c, column); });
            if (!present) return table + u'.' + column;
        }
    }
    return {};
}

}  // namespace ado
