// Static recordsets: every row is read at Open. Writes go back to the base tables by rowid, with
// bound parameters, so a recordset over a join of two tables updates both rows in one step.
#include <sqlite3.h>

#include <QRegularExpression>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <optional>
#include <string>

#include "platform/base/Sanitizer.h"
#include "platform/db/Ado.h"
#include "platform/db/SqliteSupport.h"

namespace ado {

using detail::Savepoint;
using detail::Statement;
using detail::throwAdo;
using detail::Token;

namespace {

struct Column {
    QString name;  // as Jet names it ("table.column" when the column name occurs twice)
    int type = adEmpty;
    int maxLength = 0;  // Text(n); 0 = no limit
    int table = -1;     // index into Impl::tables; -1 for an expression
    QString origin;     // column name in its base table
};

// A cell as the query gave it. Cells are kept as read and made values when a field reads them: a list reads
// each cell once, right away, so its text is converted while it is still in the cache, and a result's
// thousands of cells cost no allocation each at Open and no free each at Close.
struct RawCell {
    union {
        qint64 integer = 0;
        double real;
        const char* text;  // UTF-8 in the recordset's TextStore, not terminated
    };
    quint32 bytes = 0;
    quint8 kind = SQLITE_NULL;  // SQLITE_INTEGER, SQLITE_FLOAT, SQLITE_TEXT (a blob's bytes too) or SQLITE_NULL
};

// The texts of a result, in blocks that never move.
class TextStore {
public:
    const char* add(const char* p, std::size_t n) {
        if (n == 0) return "";  // an empty text stays a text, never a null pointer
        if (n > m_left) {
            const std::size_t size = std::max(n, kBlock);
            m_blocks.push_back(std::make_unique<char[]>(size));
            m_next = m_blocks.back().get();
            m_left = size;
        }
        char* at = m_next;
        std::memcpy(at, p, n);
        m_next += n;
        m_left -= n;
        return at;
    }

private:
    static constexpr std::size_t kBlock = 256 * 1024;
    std::vector<std::unique_ptr<char[]>> m_blocks;
    char* m_next = nullptr;
    std::size_t m_left = 0;
};

// A row read at Open has its cells from `first` on in Impl::cells; once written (an edit, a new record) it
// holds its values itself. Small and cheap to move: a result has tens of thousands.
struct Row {
    std::size_t first = 0;
    std::unique_ptr<std::vector<Value>> values;  // null while the row is as read
    bool deleted = false;
};

// Jet column type from the declared type the schema gives it.
int typeFromDecl(const char* decl, int* maxLength) {
    *maxLength = 0;
    if (!decl) return adEmpty;
    const QString d = QString::fromUtf8(decl).trimmed().toUpper();
    if (d.startsWith(QLatin1String("SMALLINT"))) return adSmallInt;
    if (d.startsWith(QLatin1String("VARCHAR")) || d.startsWith(QLatin1String("NVARCHAR")) ||
        d.startsWith(QLatin1String("CHAR"))) {
        static const QRegularExpression len(QStringLiteral(R"(\((\d+)\))"));
        if (const auto m = len.match(d); m.hasMatch()) *maxLength = m.captured(1).toInt();
        return adVarWChar;
    }
    if (d.startsWith(QLatin1String("DATETIME")) || d == QLatin1String("DATE")) return adDate;
    if (d.startsWith(QLatin1String("TEXT")) || d.startsWith(QLatin1String("MEMO")) ||
        d.startsWith(QLatin1String("LONGTEXT")))
        return adLongVarWChar;
    if (d.contains(QLatin1String("INT")) || d == QLatin1String("LONG")) return adInteger;
    if (d.startsWith(QLatin1String("DOUBLE")) || d.startsWith(QLatin1String("FLOAT")) ||
        d.startsWith(QLatin1String("REAL")))
        return adDouble;
    if (d.startsWith(QLatin1String("CURRENCY")) || d.startsWith(QLatin1String("MONEY"))) return adCurrency;
    if (d.startsWith(QLatin1String("BIT")) || d.startsWith(QLatin1String("BOOL")) ||
        d.startsWith(QLatin1String("YESNO")))
        return adBoolean;
    return adVarWChar;
}

bool isPlainName(const QString& s) {
    static const QRegularExpression re(QStringLiteral(R"(^[A-Za-z_\x{80}-\x{FFFF}][A-Za-z0-9_$\x{80}-\x{FFFF}]*$)"));
    return re.match(s).hasMatch();
}

// A cell from its sqlite3_column_value, one locked call per cell: the value's own accessors take no
// connection mutex, where each column accessor takes it again. A text points into SQLite's buffer, valid
// until the next step.
RawCell cellOf(sqlite3_value* v) {
    RawCell c;
    c.kind = quint8(sqlite3_value_type(v));
    switch (c.kind) {
        case SQLITE_NULL:
            break;
        case SQLITE_INTEGER:
            c.integer = sqlite3_value_int64(v);
            break;
        case SQLITE_FLOAT:
            c.real = sqlite3_value_double(v);
            break;
        default:
            c.text = reinterpret_cast<const char*>(sqlite3_value_text(v));
            c.bytes = quint32(sqlite3_value_bytes(v));
            c.kind = SQLITE_TEXT;
    }
    return c;
}

// The value of a cell for a column of `type`: a date column reads the stored form, a number of days or
// any text Jet takes as a date.
Value decode(const RawCell& c, int type) {
    switch (c.kind) {
        case SQLITE_NULL:
            return {};
        case SQLITE_INTEGER:
            if (type == adDate)
                if (auto d = detail::fromOleDate(double(c.integer))) return *d;
            return c.integer;
        case SQLITE_FLOAT:
            if (type == adDate)
                if (auto d = detail::fromOleDate(c.real)) return *d;
            return c.real;
        default: {
            if (type == adDate)
                if (auto d = detail::parseCanonicalDate(c.text, qsizetype(c.bytes))) return *d;
            QString text = QString::fromUtf8(c.text, qsizetype(c.bytes));
            if (type == adDate)
                if (auto d = detail::parseJetDate(text)) return *d;
            return text;
        }
    }
}

// An ASCII text written over the column's last text when nothing else holds that string: a list refilled
// into cells that keep their own buffers reads every cell without an allocation and a free. Anything else
// (a shared or too small string, a character past ASCII, an empty text) is left to decode(), and so is
// every text in the sanitizer build (vb::kReuseTextBuffers).
bool rewriteInPlace(Value& shown, const RawCell& c) {
    if (!vb::kReuseTextBuffers) return false;
    QString* held = std::get_if<QString>(&shown.raw());
    if (!held || c.bytes == 0 || !held->isDetached() || held->capacity() < qsizetype(c.bytes)) return false;
    const auto* in = reinterpret_cast<const uchar*>(c.text);
    for (quint32 i = 0; i < c.bytes; ++i)
        if (in[i] >= 0x80) return false;
    held->resize(qsizetype(c.bytes));
    QChar* out = held->data();
    for (quint32 i = 0; i < c.bytes; ++i) out[i] = QChar(ushort(in[i]));
    return true;
}

void bindValue(sqlite3_stmt* st, int index, const Value& v) {
    const auto& raw = v.raw();
    if (const auto* i = std::get_if<qint64>(&raw))
        sqlite3_bind_int64(st, index, *i);
    else if (const auto* d = std::get_if<double>(&raw))
        sqlite3_bind_double(st, index, *d);
    else if (const auto* s = std::get_if<QString>(&raw)) {
        const QByteArray utf8 = s->toUtf8();
        sqlite3_bind_text(st, index, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
    } else if (const auto* t = std::get_if<QDateTime>(&raw)) {
        const QByteArray utf8 = detail::canonicalDate(*t).toUtf8();
        sqlite3_bind_text(st, index, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
    } else {
        sqlite3_bind_null(st, index);
    }
}

[[noreturn]] void refuse() { throwAdo(errMultiStep); }

// A whole number from a value, for an integer column: texts are read as numbers, fractions round
// half to even as Jet converts them, and a value out of the column's range is refused.
qint64 wholeNumber(const Value& v, qint64 lo, qint64 hi) {
    double d = 0;
    const auto& raw = v.raw();
    if (const auto* i = std::get_if<qint64>(&raw)) {
        if (*i < lo || *i > hi) refuse();
        return *i;
    }
    try {
        d = v.toDouble();
    } catch (const vb::Error&) {
        refuse();
    }
    if (!std::isfinite(d)) refuse();
    const double r = std::nearbyint(d);
    if (r < double(lo) || r > double(hi)) refuse();
    return qint64(r);
}

// The value as the column will hold it, so that reading the field back before Update already shows
// the stored form (as ADO does): "007" in a Long column reads 7, 0 in a Text column reads "0".
Value convertForColumn(const Column& c, const Value& v) {
    if (v.isNull()) return v;
    switch (c.type) {
        case adSmallInt:
            return wholeNumber(v, -32768, 32767);
        case adInteger:
            return wholeNumber(v, -2147483648LL, 2147483647LL);
        case adDouble:
        case adCurrency:
            try {
                return v.toDouble();
            } catch (const vb::Error&) {
                refuse();
            }
        case adDate: {
            if (v.isDate()) return v;
            if (v.isText()) {
                if (auto d = detail::parseJetDate(std::get<QString>(v.raw()))) return *d;
                refuse();
            }
            if (auto d = detail::fromOleDate(v.toDouble())) return *d;
            refuse();
        }
        case adVarWChar:
        case adLongVarWChar: {
            QString text = v.toText();
            // In UTF-16 units, NULs included. Named: ADO's text alone would not say which of a save's fields is
            // too long, where the engine's CHECK names its column.
            if (c.maxLength > 0 && text.size() > c.maxLength) detail::throwAdoForField(errMultiStep, c.name);
            return text;
        }
        default:
            return v;
    }
}

}  // namespace

struct Recordset::Impl {
    Connection* cn = nullptr;
    std::weak_ptr<int> alive;
    bool open = false;
    bool updatable = false;
    std::vector<Column> cols;
    std::vector<QString> tables;  // base tables in order of first appearance
    std::vector<Field> fields;
    TextStore texts;
    std::vector<RawCell> cells;  // the rows read at Open, row after row
    std::vector<Row> rows;
    // Each row's rowid in each base table, row after row, for a recordset that writes back.
    std::vector<std::optional<qint64>> rowids;
    // The value each column last showed, with the row (index into `rows`) and the text it came from. A
    // field's value stays as it is until the field is read on another row; a repeated text (a sorted list
    // repeats a group's texts row after row) shares the string already made.
    struct Shown {
        Value value;
        qsizetype row = -1;
        const char* text = nullptr;
        quint32 bytes = 0;
    };
    mutable std::vector<Shown> shown;
    qsizetype pos = 0;  // -1 = BOF, rows.size() = EOF
    // The rows not deleted, counted and linked in order between BOF and EOF (slot = position + 1), so that
    // every step and EOF/BOF/RecordCount take constant time and a walk stays linear. A deleted row keeps
    // its links: a step from it lands where it would have before the delete.
    qsizetype liveRows = 0;
    std::vector<qsizetype> nextLive;
    std::vector<qsizetype> prevLive;
    enum class Mode { None, Edit, Add } mode = Mode::None;
    std::vector<std::optional<Value>> pending;
    Value null;

    sqlite3* db() const {
        if (!open || alive.expired()) throwAdo(errObjectClosed);
        return cn->handle();
    }
    bool bof() const { return mode != Mode::Add && (pos < 0 || liveRows == 0); }
    bool eof() const { return mode != Mode::Add && (pos >= qsizetype(rows.size()) || liveRows == 0); }
    qsizetype after(qsizetype at) const { return nextLive[std::size_t(at + 1)]; }
    qsizetype before(qsizetype at) const { return prevLive[std::size_t(at + 1)]; }

    // Every row read at Open is live.
    void linkAll() {
        const qsizetype n = qsizetype(rows.size());
        liveRows = n;
        nextLive.resize(std::size_t(n + 2));
        prevLive.resize(std::size_t(n + 2));
        for (qsizetype at = -1; at <= n; ++at) {
            nextLive[std::size_t(at + 1)] = std::min(at + 1, n);
            prevLive[std::size_t(at + 1)] = std::max(at - 1, qsizetype(-1));
        }
    }
    // The row just pushed takes EOF's place in the list, a new EOF after it.
    void linkPushed() {
        const qsizetype at = qsizetype(rows.size()) - 1;
        const qsizetype last = before(at);
        nextLive[std::size_t(last + 1)] = at;
        nextLive[std::size_t(at + 1)] = at + 1;
        nextLive.push_back(at + 1);
        prevLive.push_back(at);
        ++liveRows;
    }
    void unlink(qsizetype at) {
        const qsizetype prev = before(at);
        const qsizetype next = after(at);
        nextLive[std::size_t(prev + 1)] = next;
        prevLive[std::size_t(next + 1)] = prev;
        --liveRows;
    }
    bool onRow() const { return pos >= 0 && pos < qsizetype(rows.size()) && !rows[pos].deleted; }

    const Value& valueAt(int i) const {
        if (!open) throwAdo(errObjectClosed);
        if (mode != Mode::None && pending[i]) return *pending[i];
        if (mode == Mode::Add) return null;
        if (!onRow()) throwAdo(errNoCurrentRecord);
        const Row& row = rows[pos];
        if (row.values) return (*row.values)[size_t(i)];
        Shown& s = shown[size_t(i)];
        if (s.row == pos) return s.value;
        const RawCell& c = cells[row.first + size_t(i)];
        const int type = cols[size_t(i)].type;
        s.row = pos;
        if (c.kind == SQLITE_TEXT && type != adDate) {
            if (s.text && s.bytes == c.bytes && std::memcmp(s.text, c.text, c.bytes) == 0) return s.value;
            s.text = c.text;
            s.bytes = c.bytes;
            if (rewriteInPlace(s.value, c)) return s.value;
        } else {
            s.text = nullptr;
        }
        s.value = decode(c, type);
        return s.value;
    }

    std::optional<qint64>& rowid(qsizetype at, int table) { return rowids[size_t(at) * tables.size() + size_t(table)]; }

    // Every value of a row: a row about to be written holds them itself from then on.
    std::vector<Value> valuesOf(const Row& row) const {
        if (row.values) return *row.values;
        std::vector<Value> values;
        values.reserve(cols.size());
        for (size_t i = 0; i < cols.size(); ++i) values.push_back(decode(cells[row.first + i], cols[i].type));
        return values;
    }

    void assign(int i, const Value& v) {
        db();
        if (!updatable) throwAdo(errNotUpdatable);
        if (mode == Mode::None) {
            if (!onRow()) throwAdo(errNoCurrentRecord);
            mode = Mode::Edit;
            pending.assign(cols.size(), std::nullopt);
        }
        const Column& c = cols[i];
        if (c.table < 0) refuse();  // an expression has no column to write to
        const Value converted = convertForColumn(c, v);
        // The same base column may appear twice in the result (t.*, t.c): keep both copies in step.
        for (size_t k = 0; k < cols.size(); ++k)
            if (cols[k].table == c.table && cols[k].origin.compare(c.origin, Qt::CaseInsensitive) == 0)
                pending[k] = converted;
    }

    void exec(const QString& sql, const QString& shownSql, const std::vector<Value>& params) {
        if (cn->shouldFail(shownSql))
            throw vb::Error(errProvider, QStringLiteral("テストで失敗させた文です: ") + shownSql);
        Statement st(db(), sql);
        for (size_t k = 0; k < params.size(); ++k) bindValue(st.get(), int(k + 1), params[k]);
        while (st.step()) {
        }
    }

    // Re-reads the columns of one base table for one row, so the recordset shows what was stored
    // (defaults, canonical dates, numbers from text).
    void reload(std::optional<qint64> id, std::vector<Value>& values, int table) {
        if (!id) return;
        QStringList names;
        std::vector<int> which;
        for (size_t k = 0; k < cols.size(); ++k)
            if (cols[k].table == table) {
                names << u'"' + cols[k].origin + u'"';
                which.push_back(int(k));
            }
        if (which.empty()) return;
        Statement st(db(),
                     QStringLiteral("SELECT %1 FROM \"%2\" WHERE rowid = ?").arg(names.join(u','), tables[table]));
        sqlite3_bind_int64(st.get(), 1, *id);
        if (!st.step()) return;
        for (size_t k = 0; k < which.size(); ++k)
            values[which[k]] = decode(cellOf(sqlite3_column_value(st.get(), int(k))), cols[which[k]].type);
    }

    void update() {
        if (mode == Mode::None) return;
        // All tables of one update are written together or not at all.
        Savepoint all(db(), "vondari_rs_update");
        if (mode == Mode::Edit)
            writeEdit();
        else
            writeNew();
        all.release();
        mode = Mode::None;
        pending.clear();
    }

    void writeEdit() {
        Row& row = rows[pos];
        for (int t = 0; t < int(tables.size()); ++t) {
            QStringList sets;
            QStringList done;
            std::vector<Value> params;
            for (size_t k = 0; k < cols.size(); ++k) {
                if (cols[k].table != t || !pending[k] || done.contains(cols[k].origin, Qt::CaseInsensitive)) continue;
                done << cols[k].origin;
                sets << u'"' + cols[k].origin + QStringLiteral("\" = ?");
                params.push_back(*pending[k]);
            }
            if (sets.isEmpty()) continue;
            const std::optional<qint64> id = rowid(pos, t);
            if (!id) throwAdo(errRowNotFound);
            params.emplace_back(*id);
            const QString sql =
                QStringLiteral("UPDATE \"%1\" SET %2 WHERE rowid = ?").arg(tables[t], sets.join(QStringLiteral(", ")));
            exec(sql, sql, params);
            if (sqlite3_changes(cn->handle()) == 0) throwAdo(errRowNotFound);
        }
        std::vector<Value> updated = valuesOf(row);
        for (int t = 0; t < int(tables.size()); ++t) reload(rowid(pos, t), updated, t);
        row.values = std::make_unique<std::vector<Value>>(std::move(updated));
    }

    void writeNew() {
        std::vector<Value> values(cols.size());
        std::vector<std::optional<qint64>> ids(tables.size());
        bool anyAssigned = false;
        for (const auto& p : pending) anyAssigned = anyAssigned || p.has_value();
        for (int t = 0; t < int(tables.size()); ++t) {
            QStringList names;
            QStringList marks;
            std::vector<Value> params;
            for (size_t k = 0; k < cols.size(); ++k) {
                if (cols[k].table != t || !pending[k] ||
                    names.contains(u'"' + cols[k].origin + u'"', Qt::CaseInsensitive))
                    continue;
                names << u'"' + cols[k].origin + u'"';
                marks << QStringLiteral("?");
                params.push_back(*pending[k]);
            }
            // A table the new record assigns nothing to gets no row, unless it is the only table.
            if (names.isEmpty() && (anyAssigned || tables.size() > 1)) continue;
            const QString sql = names.isEmpty() ? QStringLiteral("INSERT INTO \"%1\" DEFAULT VALUES").arg(tables[t])
                                                : QStringLiteral("INSERT INTO \"%1\" (%2) VALUES (%3)")
                                                      .arg(tables[t], names.join(QStringLiteral(", ")),
                                                           marks.join(QStringLiteral(", ")));
            exec(sql, sql, params);
            ids[size_t(t)] = sqlite3_last_insert_rowid(cn->handle());
            reload(ids[size_t(t)], values, t);
        }
        rowids.insert(rowids.end(), ids.begin(), ids.end());
        rows.push_back(Row{0, std::make_unique<std::vector<Value>>(std::move(values)), false});
        linkPushed();
        pos = qsizetype(rows.size()) - 1;
    }

    void settle() {
        if (mode != Mode::None) update();
    }
};

Recordset::Recordset() : d(std::make_unique<Impl>()) {}
Recordset::~Recordset() = default;

namespace {

// Where to add the rowid columns: right before the top-level FROM of a plain SELECT. DISTINCT,
// GROUP BY and compound queries are not updatable in Jet either, so they get none.
qsizetype rowidInsertPoint(const QString& sql) {
    const std::vector<Token> t = detail::tokenize(sql);
    auto word = [&](size_t i, const char* w) {
        return t[i].kind == Token::Kind::Word && t[i].text.compare(QLatin1String(w), Qt::CaseInsensitive) == 0;
    };
    size_t i = 0;
    while (i < t.size() && t[i].kind == Token::Kind::Space) ++i;
    if (i >= t.size() || !word(i, "SELECT")) return -1;
    qsizetype offset = 0;
    qsizetype fromAt = -1;
    int depth = 0;
    bool first = true;
    for (size_t k = 0; k < t.size(); ++k) {
        const Token& tok = t[k];
        if (tok.kind == Token::Kind::Punct && tok.text == QLatin1String("("))
            ++depth;
        else if (tok.kind == Token::Kind::Punct && tok.text == QLatin1String(")"))
            --depth;
        else if (tok.kind == Token::Kind::Word && depth == 0) {
            if (k > i && first) {
                first = false;
                if (word(k, "DISTINCT") || word(k, "DISTINCTROW")) return -1;
            }
            if (word(k, "GROUP") || word(k, "HAVING") || word(k, "UNION") || word(k, "INTERSECT") || word(k, "EXCEPT"))
                return -1;
            if (word(k, "FROM") && fromAt < 0) fromAt = offset;
        }
        offset += tok.text.size();
    }
    return fromAt;
}

// ---- opening, step by step ----------------------------------------------------------------------

// Each result column with its declared type and, for a column of a table, that table (numbered in order of
// first appearance) and its name there.
std::vector<Column> describeColumns(sqlite3_stmt* st, std::vector<QString>& tables) {
    const int n = sqlite3_column_count(st);
    std::vector<Column> cols(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) {
        Column& c = cols[size_t(i)];
        c.type = typeFromDecl(sqlite3_column_decltype(st, i), &c.maxLength);
        const char* table = sqlite3_column_table_name(st, i);
        const char* origin = sqlite3_column_origin_name(st, i);
        c.name = QString::fromUtf8(sqlite3_column_name(st, i));
        if (table && origin) {
            const QString t = QString::fromUtf8(table);
            c.origin = QString::fromUtf8(origin);
            auto it = std::find_if(tables.begin(), tables.end(),
                                   [&](const QString& x) { return x.compare(t, Qt::CaseInsensitive) == 0; });
            if (it == tables.end()) it = tables.insert(tables.end(), t);
            c.table = int(it - tables.begin());
        }
    }
    return cols;
}

// Jet names an unnamed expression Expr1000, Expr1001, ...
void nameExpressions(std::vector<Column>& cols) {
    int expr = 1000;
    for (Column& c : cols)
        if (c.table < 0 && !isPlainName(c.name)) c.name = QStringLiteral("Expr%1").arg(expr++);
}

// SQLite returns a column name found in two tables bare, twice; Jet qualifies exactly those.
void qualifyDuplicates(std::vector<Column>& cols, const std::vector<QString>& tables) {
    std::vector<QString> qualified(cols.size());
    for (size_t i = 0; i < cols.size(); ++i) {
        qualified[i] = cols[i].name;
        if (cols[i].table < 0) continue;
        for (size_t k = 0; k < cols.size(); ++k)
            if (k != i && cols[k].table >= 0 && cols[k].table != cols[i].table &&
                cols[k].name.compare(cols[i].name, Qt::CaseInsensitive) == 0) {
                qualified[i] = tables[size_t(cols[i].table)] + u'.' + cols[i].origin;
                break;
            }
    }
    for (size_t i = 0; i < cols.size(); ++i) cols[i].name = qualified[i];
}

// The query again with each base table's rowid after its own columns, for a recordset that writes back;
// nullptr when the query cannot take them (not a plain SELECT, an alias, a table named twice): it then
// opens read-only.
std::unique_ptr<Statement> reopenWithRowids(sqlite3* db, const QString& translated, int columns,
                                            const std::vector<QString>& tables) {
    const qsizetype at = rowidInsertPoint(translated);
    if (at <= 0) return nullptr;
    QString extra;
    for (const QString& t : tables) extra += QStringLiteral(", \"%1\".rowid ").arg(t);
    try {
        auto withIds = std::make_unique<Statement>(db, translated.left(at) + extra + translated.mid(at));
        if (sqlite3_column_count(withIds->get()) == columns + int(tables.size())) return withIds;
    } catch (const vb::Error&) {
    }
    return nullptr;
}

// Every row's cells as read, and its rowids.
std::vector<Row> readRows(Statement& st, int columns, int rowidColumns, std::vector<RawCell>& cells, TextStore& texts,
                          std::vector<std::optional<qint64>>& rowids) {
    std::vector<Row> rows;
    while (st.step()) {
        rows.push_back(Row{cells.size(), nullptr, false});
        for (int i = 0; i < columns; ++i) {
            RawCell& c = cells.emplace_back(cellOf(sqlite3_column_value(st.get(), i)));
            if (c.kind == SQLITE_TEXT) c.text = texts.add(c.text, c.bytes);
        }
        for (int t = 0; t < rowidColumns; ++t) {
            if (sqlite3_column_type(st.get(), columns + t) == SQLITE_NULL)
                rowids.emplace_back(std::nullopt);
            else
                rowids.emplace_back(sqlite3_column_int64(st.get(), columns + t));
        }
    }
    return rows;
}

// An expression's type comes from its first value (MAX of a column, COUNT, ...).
void inferExpressionTypes(std::vector<Column>& cols, const std::vector<Row>& rows, const std::vector<RawCell>& cells) {
    for (size_t i = 0; i < cols.size(); ++i) {
        Column& c = cols[i];
        if (c.type != adEmpty) continue;
        c.type = adVarWChar;
        for (const Row& r : rows) {
            const int kind = cells[r.first + i].kind;
            if (kind == SQLITE_NULL) continue;
            c.type = kind == SQLITE_INTEGER ? adInteger : kind == SQLITE_FLOAT ? adDouble : adVarWChar;
            break;
        }
    }
}

}  // namespace

void Recordset::Open(const QString& sql, Connection& cn, int, int lockType, int) {
    if (d->open) throwAdo(errObjectOpen);
    cn.checkOpen();
    if (cn.shouldFail(sql)) throw vb::Error(errProvider, QStringLiteral("テストで失敗させた文です: ") + sql);
    sqlite3* db = cn.handle();
    const QString translated = translateJetSql(sql);

    auto st = std::make_unique<Statement>(db, translated);
    std::vector<QString> tables;
    std::vector<Column> cols = describeColumns(st->get(), tables);
    nameExpressions(cols);
    qualifyDuplicates(cols, tables);
    bool updatable = false;
    if (lockType != adLockReadOnly && !tables.empty()) {
        if (auto withIds = reopenWithRowids(db, translated, int(cols.size()), tables)) {
            st = std::move(withIds);
            updatable = true;
        }
    }
    std::vector<RawCell> cells;
    TextStore texts;
    std::vector<std::optional<qint64>> rowids;
    std::vector<Row> rows = readRows(*st, int(cols.size()), updatable ? int(tables.size()) : 0, cells, texts, rowids);
    inferExpressionTypes(cols, rows, cells);

    d->cn = &cn;
    d->alive = cn.m_alive;
    d->cols = std::move(cols);
    d->tables = std::move(tables);
    d->texts = std::move(texts);
    d->cells = std::move(cells);
    d->rows = std::move(rows);
    d->rowids = std::move(rowids);
    d->shown.assign(d->cols.size(), Impl::Shown{});
    d->linkAll();
    d->updatable = updatable;
    d->pos = 0;
    d->mode = Impl::Mode::None;
    d->pending.clear();
    d->fields.clear();
    d->fields.resize(d->cols.size());
    for (size_t i = 0; i < d->cols.size(); ++i) {
        Field& f = d->fields[i];
        f.m_rs = this;
        f.m_index = int(i);
        f.m_name = d->cols[i].name;
        f.m_type = d->cols[i].type;
    }
    d->open = true;
}

void Recordset::Close() {
    if (!d->open) return;
    d = std::make_unique<Impl>();
}

int Recordset::State() const { return d->open ? adStateOpen : adStateClosed; }
bool Recordset::isUpdatable() const { return d->open && d->updatable; }

bool Recordset::BOF() const {
    if (!d->open) throwAdo(errObjectClosed);
    return d->bof();
}

bool Recordset::EOF() const {
    if (!d->open) throwAdo(errObjectClosed);
    return d->eof();
}

int Recordset::RecordCount() const {
    if (!d->open) throwAdo(errObjectClosed);
    return int(d->liveRows);
}

void Recordset::MoveFirst() {
    d->db();
    d->settle();
    d->pos = d->after(-1);
}

void Recordset::MoveLast() {
    d->db();
    d->settle();
    d->pos = d->before(qsizetype(d->rows.size()));
    if (d->pos < 0) d->pos = qsizetype(d->rows.size());
}

void Recordset::MoveNext() {
    d->db();
    d->settle();
    if (d->eof()) throwAdo(errNoCurrentRecord);
    d->pos = d->after(d->pos);
}

void Recordset::MovePrevious() {
    d->db();
    d->settle();
    if (d->bof()) throwAdo(errNoCurrentRecord);
    d->pos = d->before(d->pos);
}

int Recordset::FieldCount() const {
    if (!d->open) throwAdo(errObjectClosed);
    return int(d->fields.size());
}

Field& Recordset::Fields(int index) {
    if (!d->open) throwAdo(errObjectClosed);
    if (index < 0 || index >= int(d->fields.size())) throwAdo(errItemNotFound);
    return d->fields[size_t(index)];
}

Field& Recordset::Fields(const QString& name) {
    if (!d->open) throwAdo(errObjectClosed);
    for (Field& f : d->fields)
        if (f.m_name.compare(name, Qt::CaseInsensitive) == 0) return f;
    throwAdo(errItemNotFound);
}

bool Recordset::hasField(const QString& name) const {
    if (!d->open) return false;
    for (const Field& f : d->fields)
        if (f.m_name.compare(name, Qt::CaseInsensitive) == 0) return true;
    return false;
}

void Recordset::AddNew() {
    d->db();
    if (!d->updatable) throwAdo(errNotUpdatable);
    d->settle();
    d->mode = Impl::Mode::Add;
    d->pending.assign(d->cols.size(), std::nullopt);
}

void Recordset::Update() { d->update(); }

void Recordset::CancelUpdate() {
    d->mode = Impl::Mode::None;
    d->pending.clear();
}

void Recordset::Delete() {
    d->db();
    if (!d->updatable) throwAdo(errNotUpdatable);
    if (d->mode == Impl::Mode::Add) {  // deleting the record being added only drops it
        CancelUpdate();
        return;
    }
    CancelUpdate();
    if (!d->onRow()) throwAdo(errNoCurrentRecord);
    // Over a join it is not clear which rows a delete means; none of the ledger's windows needs it.
    if (d->tables.size() != 1) throwAdo(errNotUpdatable);
    Row& row = d->rows[d->pos];
    const std::optional<qint64> id = d->rowid(d->pos, 0);
    if (!id) throwAdo(errRowNotFound);
    const QString sql = QStringLiteral("DELETE FROM \"%1\" WHERE rowid = ?").arg(d->tables[0]);
    d->exec(sql, sql, {Value(*id)});
    row.deleted = true;
    d->unlink(d->pos);
}

Value Field::value() const { return m_rs->d->valueAt(m_index); }

const Value& Field::valueOnRow() const { return m_rs->d->valueAt(m_index); }

Field& Field::operator=(const Value& v) {
    m_rs->d->assign(m_index, v);
    return *this;
}

}  // namespace ado
