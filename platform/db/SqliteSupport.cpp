#include "platform/db/SqliteSupport.h"

#include <sqlite3.h>

#include <QRegularExpression>
#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>

#include "platform/base/VbError.h"
#include "platform/db/Ado.h"

namespace ado::detail {

void Utf8Texts::start(qsizetype units, qsizetype texts) {
    // Three bytes at most per unit (a surrogate pair takes four for two) and a terminator per text, so the
    // buffer never moves in a run.
    const std::size_t need = std::size_t(units) * 3 + std::size_t(texts);
    if (m_bytes.size() < need) m_bytes.resize(need);
    m_used = 0;
}

Statement* StatementCache::find(sqlite3* db, const QString& sql) {
    std::unique_ptr<Statement>& slot = statements[sql];
    if (!slot) slot = std::make_unique<Statement>(db, translateJetSql(sql));
    return slot.get();
}

std::pair<const char*, int> Utf8Texts::add(QStringView text) {
    char* const at = m_bytes.data() + m_used;
    char* out = at;
    for (const QChar qc : text) {
        const char16_t c = qc.unicode();
        if (c < 0x80) {
            *out++ = char(c);
        } else if (c < 0x800) {
            *out++ = char(0xC0 | (c >> 6));
            *out++ = char(0x80 | (c & 0x3F));
        } else if (QChar::isSurrogate(c)) {
            // Pairs and lone halves (a lone one becomes '?') as toUtf8 writes them; never longer than 3 per unit.
            const QByteArray same = text.toUtf8();
            out = std::copy(same.begin(), same.end(), at);
            break;
        } else {
            *out++ = char(0xE0 | (c >> 12));
            *out++ = char(0x80 | ((c >> 6) & 0x3F));
            *out++ = char(0x80 | (c & 0x3F));
        }
    }
    const auto bytes = std::size_t(out - at);
    *out = '\0';
    m_used += bytes + 1;
    // SQLite takes a text given without its length as terminated: it then never copies one to terminate
    // it (length() in a CHECK does, for every value, when only the length was given).
    return {at, std::memchr(at, 0, bytes) ? int(bytes) : -1};
}

namespace {

const char* const kDateMismatch = "データ型が一致しません。";

QString adoText(long number) {
    switch (number) {
        case errObjectClosed:
            return QStringLiteral("オブジェクトが閉じている場合は、操作は許可されません。");
        case errObjectOpen:
            return QStringLiteral("オブジェクトが開いている場合は、操作は許可されません。");
        case errNoCurrentRecord:
            return QStringLiteral(
                "BOF と EOF のいずれかが True になっているか、または現在のレコードが削除されています。"
                "要求された操作には、現在のレコードが必要です。");
        case errItemNotFound:
            return QStringLiteral("要求された名前、または序数に対応する項目がコレクションで見つかりません。");
        case errNotUpdatable:
            return QStringLiteral(
                "現在のレコードセットは更新をサポートしていません。"
                "これはプロバイダの制限か、選択されているロックの種類の制限の可能性があります。");
        case errMultiStep:
            return QStringLiteral(
                "複数ステップの OLE DB の操作でエラーが発生しました。"
                "各 OLE DB の状態の値を確認してください。作業は終了しませんでした。");
        case errNoTransaction:
            return QStringLiteral("アクティブなトランザクションがありません。");
        case errRowNotFound:
            return QStringLiteral("更新する行が見つかりません。最後に読み取った後で値が変更された可能性があります。");
        case errTypeMismatchDb:
            return QString::fromUtf8(kDateMismatch);
        default:
            return QStringLiteral("エラーが発生しました。");
    }
}

void jetDateFunction(sqlite3_context* ctx, int, sqlite3_value** argv) {
    sqlite3_value* v = argv[0];
    std::optional<QDateTime> date;
    switch (sqlite3_value_type(v)) {
        case SQLITE_NULL:
            sqlite3_result_null(ctx);
            return;
        case SQLITE_INTEGER:
        case SQLITE_FLOAT:
            date = fromOleDate(sqlite3_value_double(v));
            break;
        default: {
            const auto* text = reinterpret_cast<const char*>(sqlite3_value_text(v));
            date = parseJetDate(QString::fromUtf8(text, sqlite3_value_bytes(v)));
        }
    }
    if (!date) {
        sqlite3_result_error(ctx, kDateMismatch, -1);
        return;
    }
    const QByteArray canonical = canonicalDate(*date).toUtf8();
    sqlite3_result_text(ctx, canonical.constData(), int(canonical.size()), SQLITE_TRANSIENT);
}

// The UTF-16 units of UTF-8 bytes: one per byte that is no continuation byte (10xxxxxx), one more for the
// lead of a 4-byte sequence (11110xxx, a character past the BMP). Eight bytes at a time, as every CHECK on a
// text size runs it over each text written, most of them short.
sqlite3_int64 utf16Units(const unsigned char* p, int bytes) {
    constexpr quint64 kLowBits = 0x0101010101010101;
    // Bit 0 of each byte of the masks marks a byte of that kind; the product's top byte is their sum.
    const auto unitsOf = [](quint64 w) {
        const quint64 continuation = ((w & ~(w << 1)) >> 7) & kLowBits;
        const quint64 fourByteLead = ((w & (w << 1) & (w << 2) & (w << 3)) >> 7) & kLowBits;
        return 8 - sqlite3_int64((continuation * kLowBits) >> 56) + sqlite3_int64((fourByteLead * kLowBits) >> 56);
    };
    sqlite3_int64 units = 0;
    int i = 0;
    for (; i + 8 <= bytes; i += 8) {
        quint64 w = 0;
        std::memcpy(&w, p + i, 8);
        units += unitsOf(w);
    }
    if (i < bytes) {
        // The rest padded with zero bytes, each of which counts one.
        quint64 w = 0;
        std::memcpy(&w, p + i, std::size_t(bytes - i));
        units += unitsOf(w) - (8 - (bytes - i));
    }
    return units;
}

// length() as Jet's Len and the recordset count a text: in UTF-16 units, every NUL and both halves of a pair
// included, so the schema's CHECK (length(c) <= n) holds a text to the size the recordset holds it to. The
// engine's own stops at the first NUL and takes a pair as one character. Anything else as the engine's own:
// Null gives Null, a blob its bytes, a number the characters of its text form.
void unitLengthFunction(sqlite3_context* ctx, int, sqlite3_value** argv) {
    sqlite3_value* v = argv[0];
    switch (sqlite3_value_type(v)) {
        case SQLITE_NULL:
            sqlite3_result_null(ctx);
            return;
        case SQLITE_TEXT:
            break;
        default:
            sqlite3_result_int(ctx, sqlite3_value_bytes(v));
            return;
    }
    // A UTF-8 file's text is read where it is: asked for as text, a value bound with its length (one holding
    // a NUL) would be copied to be terminated. A UTF-16 file's is converted.
    const bool utf8 = sqlite3_user_data(ctx) != nullptr;
    const auto* p = static_cast<const unsigned char*>(utf8 ? sqlite3_value_blob(v) : sqlite3_value_text(v));
    sqlite3_result_int64(ctx, utf16Units(p, sqlite3_value_bytes(v)));
}

bool holdsUtf8(sqlite3* db) {
    sqlite3_stmt* st = nullptr;
    bool utf8 = true;
    if (sqlite3_prepare_v2(db, "PRAGMA encoding", -1, &st, nullptr) == SQLITE_OK && sqlite3_step(st) == SQLITE_ROW)
        utf8 = std::strcmp(reinterpret_cast<const char*>(sqlite3_column_text(st, 0)), "UTF-8") == 0;
    sqlite3_finalize(st);
    return utf8;
}

}  // namespace

void registerJetFunctions(sqlite3* db) {
    const int flags = SQLITE_UTF8 | SQLITE_DETERMINISTIC | SQLITE_INNOCUOUS;
    int rc = sqlite3_create_function_v2(db, "jet_date", 1, flags, nullptr, &jetDateFunction, nullptr, nullptr, nullptr);
    // Overrides the built-in on this connection, also in the CHECKs of a file's stored schema. Only the
    // pointer's being set is read.
    static char utf8Marker = 0;
    if (rc == SQLITE_OK)
        rc = sqlite3_create_function_v2(db, "length", 1, flags, holdsUtf8(db) ? &utf8Marker : nullptr,
                                        &unitLengthFunction, nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK) throwSqlite(db, rc);
}

void throwAdo(long number) { throw vb::Error(number, adoText(number)); }

void throwAdoForField(long number, const QString& field) {
    throw vb::Error(number, adoText(number) + QStringLiteral(" フィールド: ") + field);
}

EngineFailure engineFailure(sqlite3* db, int rc) {
    // The file layer calls a full disk so only at its writes: growing the WAL index as it is first made fails
    // as an I/O error, and the system's ENOSPC is what says the disk was full.
    if (db && (rc & 0xFF) == SQLITE_IOERR && sqlite3_system_errno(db) == ENOSPC)
        return {rc, QString::fromUtf8(sqlite3_errstr(SQLITE_FULL))};
    return {rc, db ? QString::fromUtf8(sqlite3_errmsg(db)) : QString::fromUtf8(sqlite3_errstr(rc))};
}

void EngineFailure::raise() const {
    long number = errProvider;
    switch (code & 0xFF) {
        case SQLITE_CONSTRAINT:
            number = (code == SQLITE_CONSTRAINT_CHECK) ? errTypeMismatchDb : errProvider;
            break;
        case SQLITE_ERROR:
            if (message == QString::fromUtf8(kDateMismatch))
                number = errTypeMismatchDb;
            else if (message.startsWith(QLatin1String("no such column")))
                number = errTooFewParameters;
            else if (message.startsWith(QLatin1String("no such table")))
                number = errNoSuchTable;
            else
                number = errSyntax;
            break;
        case SQLITE_READONLY:
        case SQLITE_BUSY:
        case SQLITE_LOCKED:
        case SQLITE_FULL:
        case SQLITE_IOERR:
        case SQLITE_CANTOPEN:
        case SQLITE_PERM:
        case SQLITE_CORRUPT:
        case SQLITE_NOTADB:
        case SQLITE_NOMEM:
            throw StorageError(errProvider, message);
        default:
            number = errProvider;
    }
    throw vb::Error(number, message);
}

void throwSqlite(sqlite3* db, int rc) { engineFailure(db, rc).raise(); }

Statement::Statement(sqlite3* db, const QString& sql) : m_db(db) {
    const QByteArray utf8 = sql.toUtf8();
    // The engine reads a statement only up to its first NUL, even when given the length: the rest would be
    // dropped unseen, and the tail check below could not tell. In a literal a NUL leaves it unclosed, which
    // the engine refuses anyway; typed text brings one only in hex (vb::sqlQuote). So none passes.
    if (std::memchr(utf8.constData(), 0, std::size_t(utf8.size())))
        throw vb::Error(errSyntax, QStringLiteral("SQL ステートメントに NUL 文字が含まれています。"));
    const char* tail = nullptr;
    const int rc = sqlite3_prepare_v2(db, utf8.constData(), int(utf8.size()), &m_stmt, &tail);
    if (rc != SQLITE_OK) throwSqlite(db, rc);
    if (!m_stmt)
        throw vb::Error(errSyntax, QStringLiteral("無効な SQL ステートメントです。'DELETE'、'INSERT'、'PROCEDURE'、"
                                                  "'SELECT'、または 'UPDATE' を使用してください。"));
    for (const char* p = tail; p && *p; ++p) {
        if (*p == ';' || *p == ' ' || *p == '\t' || *p == '\r' || *p == '\n') continue;
        // One statement per call, as Jet: text after the first statement is refused, not run.
        sqlite3_finalize(m_stmt);
        m_stmt = nullptr;
        throw vb::Error(errSyntax, QStringLiteral("SQL ステートメントの後に文字が見つかりました。"));
    }
}

Statement::~Statement() { sqlite3_finalize(m_stmt); }

ResetAndUnbind::~ResetAndUnbind() {
    sqlite3_reset(m_st);
    sqlite3_clear_bindings(m_st);
}

Savepoint::Savepoint(sqlite3* db, const char* name) : m_db(db), m_name(name) {
    if (sqlite3_exec(m_db, ("SAVEPOINT " + m_name).constData(), nullptr, nullptr, nullptr) != SQLITE_OK)
        throwSqlite(m_db, sqlite3_extended_errcode(m_db));
}

Savepoint::~Savepoint() {
    if (!m_done) rollback();
}

void Savepoint::rollback() noexcept {
    m_done = true;
    sqlite3_exec(m_db, ("ROLLBACK TO " + m_name).constData(), nullptr, nullptr, nullptr);
    sqlite3_exec(m_db, ("RELEASE " + m_name).constData(), nullptr, nullptr, nullptr);
}

void Savepoint::release() {
    if (m_done) return;
    const int rc = sqlite3_exec(m_db, ("RELEASE " + m_name).constData(), nullptr, nullptr, nullptr);
    if (rc == SQLITE_OK) {
        m_done = true;
        return;
    }
    // The failure as RELEASE left it: the rollback below resets the connection's message.
    const EngineFailure failure = engineFailure(m_db, sqlite3_extended_errcode(m_db));
    rollback();
    failure.raise();
}

bool Statement::step() {
    const int rc = sqlite3_step(m_stmt);
    if (rc == SQLITE_ROW) return true;
    if (rc == SQLITE_DONE) return false;
    throwSqlite(m_db, sqlite3_extended_errcode(m_db));
}

namespace {

// The stored form "yyyy-MM-dd HH:mm:ss" in any character type: nullopt unless the text has exactly that
// shape and is a valid date and time of Jet's range. Most dates a recordset reads are in it.
template <class Char>
std::optional<QDateTime> canonicalShape(const Char* p, qsizetype n) {
    if (n != 19) return std::nullopt;
    const auto digits = [p](int at, int count, int* out) {
        int v = 0;
        for (int i = at; i < at + count; ++i) {
            const unsigned c = unsigned(p[i]) - unsigned('0');
            if (c > 9) return false;
            v = v * 10 + int(c);
        }
        *out = v;
        return true;
    };
    int y = 0, mo = 0, d = 0, h = 0, mi = 0, sec = 0;
    if (p[4] != Char('-') || p[7] != Char('-') || p[10] != Char(' ') || p[13] != Char(':') || p[16] != Char(':') ||
        !digits(0, 4, &y) || !digits(5, 2, &mo) || !digits(8, 2, &d) || !digits(11, 2, &h) || !digits(14, 2, &mi) ||
        !digits(17, 2, &sec) || y < 100)
        return std::nullopt;
    const QDate date(y, mo, d);
    const QTime time(h, mi, sec);
    if (!date.isValid() || !time.isValid()) return std::nullopt;
    return QDateTime(date, time);
}

}  // namespace

std::optional<QDateTime> parseCanonicalDate(const char* utf8, qsizetype size) { return canonicalShape(utf8, size); }

std::optional<QDateTime> parseJetDate(const QString& text) {
    if (auto d = canonicalShape(text.utf16(), text.size())) return d;
    // Any other form goes through the full rule.
    static const QRegularExpression dateRe(
        QStringLiteral(R"(^(\d{1,4})[/\-](\d{1,2})[/\-](\d{1,2})(?:[ T]+(\d{1,2}):(\d{2})(?::(\d{2}))?)?$)"));
    static const QRegularExpression timeRe(QStringLiteral(R"(^(\d{1,2}):(\d{2})(?::(\d{2}))?$)"));
    const QString s = text.trimmed();
    int y = 1899, mo = 12, d = 30, h = 0, mi = 0, sec = 0;
    if (const auto m = dateRe.match(s); m.hasMatch()) {
        y = m.captured(1).toInt();
        if (m.captured(1).size() <= 2) y += y < 30 ? 2000 : 1900;  // the Windows two-digit year window
        mo = m.captured(2).toInt();
        d = m.captured(3).toInt();
        if (m.capturedLength(4) > 0) {
            h = m.captured(4).toInt();
            mi = m.captured(5).toInt();
            sec = m.capturedLength(6) > 0 ? m.captured(6).toInt() : 0;
        }
    } else if (const auto t = timeRe.match(s); t.hasMatch()) {
        h = t.captured(1).toInt();
        mi = t.captured(2).toInt();
        sec = t.capturedLength(3) > 0 ? t.captured(3).toInt() : 0;
    } else {
        return std::nullopt;
    }
    const QDate date(y, mo, d);
    const QTime time(h, mi, sec);
    if (!date.isValid() || !time.isValid() || y < 100) return std::nullopt;
    return QDateTime(date, time);
}

QString canonicalDate(const QDateTime& value) {
    return value.date().toString(QStringLiteral("yyyy-MM-dd")) + u' ' +
           value.time().toString(QStringLiteral("HH:mm:ss"));
}

std::optional<QDateTime> fromOleDate(double serial) {
    // Jet's range: 100/01/01 .. 9999/12/31; the fraction is the time of day, also for negative days.
    if (!std::isfinite(serial) || serial < -657434.0 || serial >= 2958466.0) return std::nullopt;
    const double days = std::trunc(serial);
    const double fraction = std::fabs(serial - days);
    const QDate date = QDate(1899, 12, 30).addDays(qint64(days));
    const int seconds = int(std::llround(fraction * 86400.0));
    return QDateTime(date, QTime(0, 0).addSecs(std::min(seconds, 86399)));
}

}  // namespace ado::detail
