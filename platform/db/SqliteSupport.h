#pragma once
// Internals shared by the layer's sources and the template generator; not for the rest of the program.
#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "platform/db/Ado.h"

struct sqlite3;
struct sqlite3_stmt;

namespace ado::detail {

// Registers on a connection the functions the schema relies on: jet_date(), which the triggers call to
// store every Date/Time value in one canonical form whatever form a statement wrote it in, and length(),
// which counts a text as the recordset does (UTF-16 units, NULs included) for the CHECKs on text sizes.
// Throws when the engine refuses them.
void registerJetFunctions(sqlite3* db);

// The tables of an open database with their columns (SQLite's own tables left out).
[[nodiscard]] TableColumns readTables(sqlite3* db);

// The engine's result code and description as the failing call left them. Taken before any cleanup runs:
// a rollback, reset or finalize after it overwrites the connection's message ("not an error"). An I/O
// error the system gave as ENOSPC is described as the full disk it was.
struct EngineFailure {
    int code = 0;
    QString message;
    // Throws vb::Error (StorageError when the file itself failed) for the code, with the message.
    [[noreturn]] void raise() const;
};
[[nodiscard]] EngineFailure engineFailure(sqlite3* db, int rc);

// Throws vb::Error for an SQLite result code, with the connection's message as description.
[[noreturn]] void throwSqlite(sqlite3* db, int rc);
[[noreturn]] void throwAdo(long number);
// The same, naming the field after ADO's text: "… フィールド: ProductID".
[[noreturn]] void throwAdoForField(long number, const QString& field);

// Owns one prepared statement; finalizes it on every path.
class Statement {
public:
    // Prepares exactly one statement: text after it other than blanks and ";" is an error, as in Jet.
    Statement(sqlite3* db, const QString& sql);
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    [[nodiscard]] sqlite3_stmt* get() const { return m_stmt; }
    // SQLITE_ROW -> true, SQLITE_DONE -> false, anything else throws.
    bool step();

private:
    sqlite3* m_db;
    sqlite3_stmt* m_stmt = nullptr;
};

// The UTF-8 of one run's texts, written one after another into a buffer kept across runs, so binding a
// text allocates nothing. Each text comes out as QString::toUtf8 gives it, followed by a NUL.
class Utf8Texts {
public:
    // Starts a run of at most `texts` texts holding at most `units` UTF-16 units in all; what earlier runs
    // gave is gone.
    void start(qsizetype units, qsizetype texts);
    // The text's UTF-8, valid until the next start(), and the length to bind it with: -1 (read up to the
    // terminator) when the text holds no NUL, else its bytes.
    [[nodiscard]] std::pair<const char*, int> add(QStringView text);

private:
    std::string m_bytes;
    std::size_t m_used = 0;
};

// Resets and unbinds a kept statement when its run ends, on every way out: it then holds no read of the
// database between runs, and no binding to the texts of a run that is over. Declare it after the buffer
// those texts are in, so it runs while they are still there.
class ResetAndUnbind {
public:
    explicit ResetAndUnbind(sqlite3_stmt* st) : m_st(st) {}
    ~ResetAndUnbind();
    ResetAndUnbind(const ResetAndUnbind&) = delete;
    ResetAndUnbind& operator=(const ResetAndUnbind&) = delete;

private:
    sqlite3_stmt* m_st;
};

// The prepared statements a connection keeps, by statement text.
struct StatementCache {
    // The statement for the text, prepared on its first use (and kept only when that succeeded).
    Statement* find(sqlite3* db, const QString& sql);

    std::unordered_map<QString, std::unique_ptr<Statement>> statements;
    Utf8Texts texts;
};

// A savepoint: everything written after it is rolled back (and the savepoint released) in the destructor,
// unless release() kept it. release() that fails rolls back too, then throws.
class Savepoint {
public:
    Savepoint(sqlite3* db, const char* name);
    ~Savepoint();
    void release();
    Savepoint(const Savepoint&) = delete;
    Savepoint& operator=(const Savepoint&) = delete;

private:
    void rollback() noexcept;
    sqlite3* m_db;
    QByteArray m_name;
    bool m_done = false;
};

// Dates: the stored form is "yyyy-MM-dd HH:mm:ss" text; a time alone sits on 1899-12-30 as in Jet.
[[nodiscard]] std::optional<QDateTime> parseJetDate(const QString& text);
// The stored form alone, straight from a column's UTF-8 bytes: nullopt for any other text (which
// parseJetDate may still read).
[[nodiscard]] std::optional<QDateTime> parseCanonicalDate(const char* utf8, qsizetype size);
[[nodiscard]] QString canonicalDate(const QDateTime& value);
[[nodiscard]] std::optional<QDateTime> fromOleDate(double serial);

// Jet SQL tokens (kept here so the recordset can find the top-level FROM of a translated query).
struct Token {
    enum class Kind { Space, Word, Bracket, String, Number, Punct, Other };
    Kind kind;
    QString text;
};
[[nodiscard]] std::vector<Token> tokenize(const QString& sql);

}  // namespace ado::detail
