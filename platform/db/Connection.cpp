// The connection: the Jet connection string names the file; SQLite opens it, never creating one.
#include <sqlite3.h>

#include <QFile>
#include <QFileInfo>

#include "platform/db/Ado.h"
#include "platform/db/SqliteSupport.h"

namespace ado {

using detail::Statement;
using detail::throwAdo;
using detail::throwSqlite;

namespace {

// "Provider=...;Data Source=<path>": keys compared without case, a value may be quoted.
QString dataSourceOf(const QString& connectionString) {
    const QStringList parts = connectionString.split(u';');
    for (const QString& part : parts) {
        const qsizetype eq = part.indexOf(u'=');
        if (eq < 0) continue;
        if (part.left(eq).trimmed().compare(QLatin1String("Data Source"), Qt::CaseInsensitive) != 0) continue;
        QString value = part.mid(eq + 1).trimmed();
        if (value.size() >= 2 && (value.startsWith(u'"') || value.startsWith(u'\'')) && value.back() == value.front())
            value = value.mid(1, value.size() - 2);
        return value;
    }
    return {};
}

void execSimple(sqlite3* db, const char* sql) {
    const int rc = sqlite3_exec(db, sql, nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK) throwSqlite(db, sqlite3_extended_errcode(db));
}

}  // namespace

Connection::Connection() = default;

Connection::~Connection() {
    try {
        Close();
    } catch (...) {
    }
}

void Connection::checkOpen() const {
    if (!m_db) throwAdo(errObjectClosed);
}

void Connection::Open(const QString& connectionString, const QString&, const QString&, int) {
    if (m_db) throwAdo(errObjectOpen);
    const QString path = dataSourceOf(connectionString);
    if (path.isEmpty()) throw vb::Error(errProvider, QStringLiteral("接続文字列にデータ ソースがありません。"));

    const QFileInfo info(path);
    if (!info.exists())
        throw vb::Error(errProvider, QStringLiteral("ファイル '%1' が見つかりませんでした。").arg(path));
    // Check the header before SQLite sees the file: SQLite takes a 0-byte file for an empty database
    // and would write to it; anything else that is not a database must stay exactly as it is.
    const QString notDatabase = QStringLiteral("認識できないデータベース形式 '%1' です。").arg(path);
    {
        QFile f(path);
        if (!info.isFile() || !f.open(QIODevice::ReadOnly))
            throw vb::Error(errProvider, QStringLiteral("ファイル '%1' を開けません。").arg(path));
        if (f.read(16) != QByteArray("SQLite format 3", 16)) throw vb::Error(errProvider, notDatabase);
    }

    sqlite3* db = nullptr;
    // No SQLITE_OPEN_CREATE: the program never creates its database. NOMUTEX: the connection lives on the
    // one thread that uses it, so reading a column need not lock it each time.
    const int rc =
        sqlite3_open_v2(QFile::encodeName(path).constData(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr);
    if (rc != SQLITE_OK) {
        const detail::EngineFailure failure = detail::engineFailure(db, rc);
        sqlite3_close_v2(db);
        throw vb::Error(errProvider, failure.message);
    }
    sqlite3_extended_result_codes(db, 1);
    try {
        // A file another program holds for a moment is waited for, also by the first read below.
        sqlite3_busy_timeout(db, 2000);
        // Reading the schema proves the file is a database before anything is written to it. Only a file
        // that is no database is called one: a full disk, an I/O error or a lock say what they are.
        sqlite3_stmt* probe = nullptr;
        int prc = sqlite3_prepare_v2(db, "SELECT count(*) FROM sqlite_master", -1, &probe, nullptr);
        if (prc == SQLITE_OK) prc = sqlite3_step(probe) == SQLITE_ROW ? SQLITE_OK : sqlite3_extended_errcode(db);
        const detail::EngineFailure failure = detail::engineFailure(db, prc);  // before finalize touches it
        sqlite3_finalize(probe);
        if ((prc & 0xFF) == SQLITE_NOTADB) throw vb::Error(errProvider, notDatabase);
        if (prc != SQLITE_OK) throw vb::Error(errProvider, failure.message);
        if (m_openCheck) m_openCheck(detail::readTables(db));
        // An import issues thousands of single statements: WAL with NORMAL sync keeps each one cheap.
        // A read-only file cannot switch mode; it still opens, and its writes fail where they happen.
        sqlite3_exec(db, "PRAGMA journal_mode=WAL", nullptr, nullptr, nullptr);
        execSimple(db, "PRAGMA synchronous=NORMAL");
        detail::registerJetFunctions(db);
    } catch (...) {
        // Closing must not write either (a checkpoint would).
        sqlite3_db_config(db, SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 1, nullptr);
        sqlite3_close_v2(db);
        throw;
    }
    m_db = db;
    m_connectionString = connectionString;
    m_transDepth = 0;
    m_recordsAffected = -1;
    m_alive = std::make_shared<int>(0);
}

void Connection::Close() {
    if (!m_db) return;
    m_alive.reset();
    m_cache.reset();
    if (!sqlite3_get_autocommit(m_db)) sqlite3_exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr);
    m_transDepth = 0;
    sqlite3_close_v2(m_db);
    m_db = nullptr;
}

int Connection::State() const { return m_db ? adStateOpen : adStateClosed; }

void Connection::failAsStatement(const QString& sql) const {
    if (shouldFail(sql)) throw vb::Error(errProvider, QStringLiteral("テストで失敗させた文です: ") + sql);
}

void Connection::Execute(const QString& sql, int) {
    checkOpen();
    if (shouldFail(sql)) throw vb::Error(errProvider, QStringLiteral("テストで失敗させた文です: ") + sql);
    Statement st(m_db, translateJetSql(sql));
    while (st.step()) {
    }
    m_recordsAffected = sqlite3_changes(m_db);
}

void Connection::ExecuteEach(const QString& sql, const std::vector<QStringList>& rows) {
    executeEach(
        sql, rows.size(), [&rows](std::size_t r) { return int(rows[r].size()); },
        [&rows](std::size_t r, int k) -> QStringView { return rows[r].at(k); });
}

void Connection::ExecuteEach(const QString& sql, std::size_t count, int columns,
                             const std::function<QStringView(std::size_t, int)>& cell) {
    executeEach(
        sql, count, [columns](std::size_t) { return columns; }, cell);
}

void Connection::executeEach(const QString& sql, std::size_t count, const std::function<int(std::size_t)>& columns,
                             const std::function<QStringView(std::size_t, int)>& cell) {
    checkOpen();
    // Prepared even for no rows, so a faulty statement fails the same way whatever the data; kept, as an
    // import stages every file with the same statement.
    detail::StatementCache& cache = statementCache();
    Statement& st = *cache.find(m_db, sql);
    detail::Utf8Texts texts;  // its own: a cell read may run another statement on the connection
    // The texts go with this call: unbound before they are freed.
    const detail::ResetAndUnbind done(st.get());
    const int markers = sqlite3_bind_parameter_count(st.get());
    long changed = 0;
    m_recordsAffected = 0;
    for (std::size_t r = 0; r < count; ++r) {
        if (shouldFail(sql)) throw vb::Error(errProvider, QStringLiteral("テストで失敗させた文です: ") + sql);
        // A value without a marker would be dropped silently by SQLite; missing ones would go in as Null.
        const int width = columns(r);
        if (width != markers)
            throw vb::Error(errTooFewParameters,
                            QStringLiteral("パラメータの数が一致しません (%1 / %2)。").arg(width).arg(markers));
        sqlite3_reset(st.get());
        // Every marker is bound again, so nothing needs clearing; the texts are bound without a copy and
        // kept until the row has run.
        qsizetype units = 0;
        for (int k = 0; k < width; ++k) units += cell(r, k).size();
        texts.start(units, width);
        for (int k = 0; k < width; ++k) {
            // A text holding a NUL is bound with its length, so the NUL is stored like any other character.
            const auto [utf8, length] = texts.add(cell(r, k));
            const int rc = sqlite3_bind_text(st.get(), k + 1, utf8, length, SQLITE_STATIC);
            if (rc != SQLITE_OK) throwSqlite(m_db, rc);
        }
        while (st.step()) {
        }
        changed += sqlite3_changes(m_db);
        m_recordsAffected = changed;
    }
}

bool Connection::inTransaction() const { return m_db && m_transDepth > 0 && !sqlite3_get_autocommit(m_db); }

// Nested BeginTrans (Jet allows it) maps to savepoints inside the outer transaction. The outer one takes
// the write lock at once: a transaction that read first could not wait for a lock another program holds
// when it comes to write (SQLite refuses that upgrade without calling the busy handler).
void Connection::BeginTrans() {
    checkOpen();
    if (m_transDepth > 0 && sqlite3_get_autocommit(m_db)) m_transDepth = 0;  // the engine rolled back
    if (m_transDepth == 0)
        execSimple(m_db, "BEGIN IMMEDIATE");
    else
        execSimple(m_db, QStringLiteral("SAVEPOINT vondari_trans_%1").arg(m_transDepth).toUtf8().constData());
    ++m_transDepth;
}

void Connection::CommitTrans() {
    checkOpen();
    if (m_transDepth == 0) throwAdo(errNoTransaction);
    if (sqlite3_get_autocommit(m_db)) {
        // SQLite already rolled the work back (disk full, I/O error): committing must not look fine.
        m_transDepth = 0;
        throw StorageError(errNoTransaction, QStringLiteral("トランザクションは既にロールバックされています。"));
    }
    if (m_transDepth == 1)
        execSimple(m_db, "COMMIT");
    else
        execSimple(m_db, QStringLiteral("RELEASE vondari_trans_%1").arg(m_transDepth - 1).toUtf8().constData());
    --m_transDepth;
}

void Connection::RollbackTrans() {
    checkOpen();
    if (m_transDepth == 0) throwAdo(errNoTransaction);
    if (sqlite3_get_autocommit(m_db)) {
        m_transDepth = 0;
        return;
    }
    if (m_transDepth == 1) {
        execSimple(m_db, "ROLLBACK");
    } else {
        const QByteArray name = QStringLiteral("vondari_trans_%1").arg(m_transDepth - 1).toUtf8();
        execSimple(m_db, ("ROLLBACK TO " + name).constData());
        execSimple(m_db, ("RELEASE " + name).constData());
    }
    --m_transDepth;
}

TransGuard::~TransGuard() {
    if (m_done) return;
    try {
        if (m_cn.State() == adStateOpen) m_cn.RollbackTrans();
    } catch (...) {
    }
}

void TransGuard::commit() {
    m_cn.CommitTrans();
    m_done = true;
}

}  // namespace ado
