// Statements prepared once per connection and run with bound values: the import runs the same few
// hundred statements for every file, and preparing them each time was most of its cost.
#include <sqlite3.h>

#include "platform/db/Ado.h"
#include "platform/db/SqliteSupport.h"

namespace ado {

namespace {

// Texts are bound without a copy: `texts` holds their UTF-8 until the statement has run.
void bind(sqlite3* db, sqlite3_stmt* st, int index, const Value& v, detail::Utf8Texts& texts) {
    int rc = SQLITE_OK;
    const auto& raw = v.raw();
    if (const auto* i = std::get_if<qint64>(&raw)) {
        rc = sqlite3_bind_int64(st, index, *i);
    } else if (const auto* d = std::get_if<double>(&raw)) {
        rc = sqlite3_bind_double(st, index, *d);
    } else if (const auto* s = std::get_if<QString>(&raw)) {
        // A text holding a NUL is bound with its length, so the NUL is stored like any other character.
        const auto [utf8, length] = texts.add(*s);
        rc = sqlite3_bind_text(st, index, utf8, length, SQLITE_STATIC);
    } else if (const auto* t = std::get_if<QDateTime>(&raw)) {
        const QByteArray utf8 = detail::canonicalDate(*t).toUtf8();
        rc = sqlite3_bind_text(st, index, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
    } else {
        rc = sqlite3_bind_null(st, index);
    }
    if (rc != SQLITE_OK) detail::throwSqlite(db, rc);
}

void bind(sqlite3* db, sqlite3_stmt* st, int index, QStringView text, detail::Utf8Texts& texts) {
    const auto [utf8, length] = texts.add(text);
    const int rc = sqlite3_bind_text(st, index, utf8, length, SQLITE_STATIC);
    if (rc != SQLITE_OK) detail::throwSqlite(db, rc);
}

qsizetype unitsOf(const Value& v) {
    const auto* s = std::get_if<QString>(&v.raw());
    return s ? s->size() : 0;
}

qsizetype unitsOf(QStringView text) { return text.size(); }

}  // namespace

detail::StatementCache& Connection::statementCache() {
    if (!m_cache) m_cache = std::make_unique<detail::StatementCache>();
    return *m_cache;
}

void Connection::ExecuteBound(const QString& sql, const std::vector<Value>& values,
                              const std::function<QString()>& asWritten) {
    executeBound(sql, values, asWritten);
}

void Connection::ExecuteBoundTexts(const QString& sql, const std::vector<QStringView>& texts,
                                   const std::function<QString()>& asWritten) {
    executeBound(sql, texts, asWritten);
}

template <class Values>
void Connection::executeBound(const QString& sql, const Values& values, const std::function<QString()>& asWritten) {
    checkOpen();
    if (m_failHook) {
        const QString shown = asWritten ? asWritten() : sql;
        if (m_failHook(shown)) throw vb::Error(errProvider, QStringLiteral("テストで失敗させた文です: ") + shown);
    }
    detail::StatementCache& cache = statementCache();
    detail::Statement* slot = cache.find(m_db, sql);
    sqlite3_stmt* st = slot->get();
    // Unbound as well as reset: the next run may move the buffer its texts are bound in.
    const detail::ResetAndUnbind done(st);
    // A value without a marker would be dropped silently by SQLite; missing ones would go in as Null.
    if (sqlite3_bind_parameter_count(st) != int(values.size()))
        throw vb::Error(errTooFewParameters, QStringLiteral("パラメータの数が一致しません (%1 / %2)。")
                                                 .arg(values.size())
                                                 .arg(sqlite3_bind_parameter_count(st)));
    qsizetype units = 0;
    for (const auto& v : values) units += unitsOf(v);
    cache.texts.start(units, qsizetype(values.size()));
    for (size_t k = 0; k < values.size(); ++k) bind(m_db, st, int(k + 1), values[k], cache.texts);
    while (slot->step()) {
    }
    m_recordsAffected = sqlite3_changes(m_db);
}

QStringList Connection::keptStatements() const {
    QStringList shown;
    if (!m_cache) return shown;
    for (const auto& [text, statement] : m_cache->statements) {
        if (!statement) continue;  // its text failed to prepare
        char* expanded = sqlite3_expanded_sql(statement->get());
        shown << QString::fromUtf8(expanded);
        sqlite3_free(expanded);
    }
    shown.sort();
    return shown;
}

}  // namespace ado
