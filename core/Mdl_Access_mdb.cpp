// The shared connection gCn and the small database helpers every window uses.
#include "core/Mdl_Access_mdb.h"

#include <QFileInfo>
#include <QHash>
#include <array>

#include "core/Mdl_gData.h"
#include "platform/base/AppPath.h"
#include "platform/text/VbConv.h"
#include "platform/ui/Dialogs.h"

std::unique_ptr<ado::Connection> gCn_ptr;

ado::Connection& gCn() {
    // A helper called before (or after) the database is open fails at its query, not for want of an object.
    if (!gCn_ptr) gCn_ptr = std::make_unique<ado::Connection>();
    return *gCn_ptr;
}

extern const char kLedgerSchemaSql[];  // core/pcdb_schema.sql, compiled in

namespace {

// A file whose tables lack a column the program uses would open, and its statements would then fail
// quietly (an import reporting success, say): such a file is refused before anything is written to it.
void checkLedgerTables(const ado::TableColumns& tables, const QString& path) {
    static const ado::TableColumns expected = ado::tablesOfScript(QString::fromUtf8(kLedgerSchemaSql));
    const QString missing = ado::firstMissing(expected, tables);
    if (missing.isEmpty()) return;
    throw vb::Error(ado::errProvider,
                    QStringLiteral("データベース '%1' はこのプログラムの形式ではありません（%2 がありません）。")
                        .arg(path, missing));
}

// Closes a helper's recordset after an error, whatever state the error left it in.
void closeQuietly(ado::Recordset& rs) {
    try {
        if (rs.State() == ado::adStateOpen) rs.Close();
    } catch (...) {
    }
}

}  // namespace

bool fnc_DB_Open() {
    bool result = false;
    try {
        // The program folder joined with "/" where the original appended "\".
        const QString path = vb::App_Path() + QStringLiteral("/pcdb.mdb");
        const QString dataSource = QStringLiteral("Data Source=") + path;
        if (!QFileInfo(path).isFile()) {
            // A missing file is no error: the main window says so in its status bar and shows no list.
            if (gStatusBarText)
                gStatusBarText(QStringLiteral("DBファイルが見つかりません。") + QStringLiteral("\r\n") + dataSource +
                               QStringLiteral("を確認ください"));
            return false;
        }
        gCn_ptr = std::make_unique<ado::Connection>();
        gCn_ptr->setOpenCheck([path](const ado::TableColumns& tables) { checkLedgerTables(tables, path); });
        gCn_ptr->Open(QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;") + dataSource, QString(), QString(),
                      ado::adCmdUnspecified);
        result = true;
    } catch (const std::exception& e) {
        ui::ShowStdError(e);
    }
    return result;
}

bool fnc_DB_Close() {
    bool result = false;
    try {
        if (gCn().State() == ado::adStateOpen) {
            gCn().Close();
            gCn_ptr.reset();
            result = true;
        }
    } catch (const std::exception& e) {
        ui::ShowStdError(e);
    }
    return result;
}

bool fnc_Execute_SQL(const QString& sql) {
    if (sql.isEmpty()) return false;
    try {
        gCn().Execute(sql, ado::adCmdUnspecified);
    } catch (...) {
        // Callers that need to know check the data afterwards.
    }
    return true;
}

bool fnc_Exists_Record(const QString& sql) {
    bool result = false;
    ado::Recordset rs;
    try {
        rs.Open(sql, gCn(), ado::adOpenStatic, ado::adLockOptimistic, ado::adCmdUnspecified);
        result = rs.RecordCount() != 0;
        rs.Close();
    } catch (const std::exception& e) {
        ui::ShowStdError(e);
        closeQuietly(rs);
    }
    return result;
}

QString fnc_Get_FieldType(const QString& sql) {
    QString result = QStringLiteral("不明");
    ado::Recordset rs;
    try {
        rs.Open(sql, gCn(), ado::adOpenStatic, ado::adLockOptimistic, ado::adCmdUnspecified);
        if (rs.RecordCount() != 0) {
            switch (rs.Fields(0).Type()) {
                case ado::adInteger:
                    result = QStringLiteral("数値");
                    break;
                case ado::adVarWChar:
                    result = QStringLiteral("文字");
                    break;
                case ado::adDate:
                    result = QStringLiteral("日付");
                    break;
                default:
                    break;
            }
        }
        rs.Close();
    } catch (const std::exception& e) {
        ui::ShowStdError(e);
        closeQuietly(rs);
    }
    return result;
}

RecordValues fnc_Get_RecordValues(const QString& sql) {
    RecordValues values;  // nine empty texts
    if (sql.isEmpty()) return values;
    // No handler here: errors (a Null value, more than nine fields, bad SQL) go to the caller.
    ado::Recordset rs;
    rs.Open(sql, gCn(), ado::adOpenStatic, ado::adLockReadOnly, ado::adCmdUnspecified);
    if (rs.RecordCount() == 0) {
        rs.Close();
        return values;
    }
    for (int i = 0; i < rs.FieldCount(); ++i) {
        if (i >= int(values.size())) vb::raise(vb::errSubscript);
        values[size_t(i)] = fnc_Replace_SQLChar(rs.Fields(i).value().toText());
    }
    rs.Close();
    return values;
}

qint16 fnc_Get_MaxKey(const QString& tableName) {
    qint16 result = 0;
    ado::Recordset rs;
    try {
        std::array<QString, 33> names;
        rs.Open(QStringLiteral("SELECT * FROM ") + tableName, gCn(), ado::adOpenStatic, ado::adLockOptimistic,
                ado::adCmdUnspecified);
        for (int i = 0; i < rs.FieldCount(); ++i) {
            if (i >= int(names.size())) vb::raise(vb::errSubscript);
            names[size_t(i)] = rs.Fields(i).Name();
        }
        rs.Close();
        rs.Open(QStringLiteral("SELECT MAX( ") + names[0] + QStringLiteral(" ) ") + QStringLiteral("FROM ") + tableName,
                gCn(), ado::adOpenStatic, ado::adLockOptimistic, ado::adCmdUnspecified);
        const ado::Value max = rs.Fields(0).value();
        result = max.isNull() ? qint16(-1) : max.toInt16();  // above 32767 raises overflow
        rs.Close();
    } catch (const std::exception& e) {
        ui::ShowStdError(e);
        closeQuietly(rs);
        result = 0;
    }
    return result;
}

std::optional<qint16> nextKey(const QString& tableName) {
    const qint16 highest = fnc_Get_MaxKey(tableName);
    if (highest == 0) {
        ado::Recordset rs;
        try {
            rs.Open(QStringLiteral("SELECT * FROM ") + tableName, gCn());
            const QString first = rs.FieldCount() > 0 ? rs.Fields(0).Name() : QString();
            rs.Close();
            if (first.isEmpty()) return std::nullopt;
            rs.Open(QStringLiteral("SELECT MAX( ") + first + QStringLiteral(" ) FROM ") + tableName, gCn());
            const ado::Value v = rs.RecordCount() > 0 ? rs.Fields(0).value() : ado::Value();
            rs.Close();
            if (v.isNull() || v.toDouble() != 0) return std::nullopt;
        } catch (const std::exception&) {
            closeQuietly(rs);
            return std::nullopt;
        }
    }
    return highest < 0 ? qint16(0) : vb::addInt16(highest, 1);
}

qint16 fnc_Get_MaxMainKey() {
    qint16 result = 0;
    ado::Recordset rs;
    try {
        rs.Open(QStringLiteral("SELECT MAX( MainKey ) FROM tbl_Computer_List"), gCn(), ado::adOpenStatic,
                ado::adLockOptimistic, ado::adCmdUnspecified);
        const ado::Value max = rs.Fields(0).value();
        result = max.isNull() ? qint16(0) : max.toInt16();
        rs.Close();
    } catch (const std::exception& e) {
        ui::ShowStdError(e);
        closeQuietly(rs);
        result = 0;
    }
    return result;
}

namespace {

// The first character of the text the replacement changes, or its end. Every character replaced is ASCII:
// one table look-up per character.
constexpr auto kReplaced = [] {
    std::array<char16_t, 128> t{};
    t[u','] = 0x3001;   // 、
    t[u'\''] = 0x2019;  // ’
    t[u';'] = 0xFF1B;   // ；
    t[u'#'] = 0xFF03;   // ＃
    t[u'\\'] = 0xFFE5;  // ￥
    t[u':'] = 0xFF1A;   // ：
    t[10] = u' ';
    t[13] = u' ';
    return t;
}();

char16_t replacement(char16_t c) { return c < 128 ? kReplaced[c] : 0; }

qsizetype firstReplaced(QStringView text) {
    const char16_t* const begin = text.utf16();
    const char16_t* const end = begin + text.size();
    const char16_t* p = begin;
    while (p != end && !replacement(*p)) ++p;
    return p - begin;
}

// The text from `from` on with every character replaced, written over `s` (a copy of the whole text).
void replaceFrom(QString& s, qsizetype from) {
    char16_t* out = reinterpret_cast<char16_t*>(s.data());
    for (qsizetype i = from; i < s.size(); ++i)
        if (const char16_t r = replacement(out[i])) out[i] = r;
}

}  // namespace

QString fnc_Replace_SQLChar(const QString& text) {
    // One pass, and no copy for the many texts that hold none of the characters.
    const qsizetype at = firstReplaced(text);
    if (at == text.size()) return text;
    QString s = text;
    replaceFrom(s, at);
    return s;
}

QStringView fnc_Replace_SQLChar(QStringView text, QString& scratch) {
    const qsizetype at = firstReplaced(text);
    if (at == text.size()) return text;
    scratch = text.toString();
    replaceFrom(scratch, at);
    return scratch;
}

bool isValueRefusal(const std::exception& e) {
    const auto* error = dynamic_cast<const vb::Error*>(&e);
    return error && error->number() == ado::errTypeMismatchDb;
}

namespace {

quint64 g_deletions = 0;                 // deletions noted so far: a mark is this count
QHash<quint32, quint64> g_lastDeletion;  // per table and key, the count its last deletion made

quint32 slot(KeyedRows rows, qint16 key) { return quint32(rows) << 16 | quint16(key); }

}  // namespace

void noteDeletion(KeyedRows rows, qint16 key) { g_lastDeletion.insert(slot(rows, key), ++g_deletions); }

quint64 deletionMark() { return g_deletions; }

bool deletedSince(KeyedRows rows, qint16 key, quint64 mark) { return g_lastDeletion.value(slot(rows, key), 0) > mark; }
