#pragma once
// Our stand-in for ADO over the Jet provider: one Connection, static Recordsets, Jet SQL run on SQLite.
// Every failure is thrown as vb::Error (number + description); this layer never shows UI.
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <variant>
#include <vector>

#include "platform/base/VbError.h"

struct sqlite3;

namespace ado {

// ADO constants the Parts use.
enum : int {
    adStateClosed = 0,
    adStateOpen = 1,
    adOpenForwardOnly = 0,
    adOpenKeyset = 1,
    adOpenDynamic = 2,
    adOpenStatic = 3,
    adLockReadOnly = 1,
    adLockPessimistic = 2,
    adLockOptimistic = 3,
    adCmdUnspecified = -1,
};

// ADO field type codes, from the declared column type.
enum DataType : int {
    adEmpty = 0,
    adSmallInt = 2,     // Jet Integer (16 bit)
    adInteger = 3,      // Jet Long Integer
    adDouble = 5,
    adCurrency = 6,
    adDate = 7,         // Jet Date/Time
    adBoolean = 11,     // Jet Yes/No
    adVarWChar = 202,   // Jet Text
    adLongVarWChar = 203,  // Jet Memo
};

// A Null-aware value, like a VB Variant read from a field.
class Value {
public:
    Value() = default;  // Null
    Value(qint64 v) : m_v(v) {}
    Value(int v) : m_v(qint64(v)) {}
    Value(double v) : m_v(v) {}
    Value(const QString& v) : m_v(v) {}
    Value(const char* v) : m_v(QString::fromUtf8(v)) {}
    Value(const QDateTime& v) : m_v(v) {}

    [[nodiscard]] bool isNull() const { return std::holds_alternative<std::monostate>(m_v); }
    [[nodiscard]] bool isNumber() const;
    [[nodiscard]] bool isText() const { return std::holds_alternative<QString>(m_v); }
    [[nodiscard]] bool isDate() const { return std::holds_alternative<QDateTime>(m_v); }

    // VB CStr: Null raises error 94; dates "yyyy/mm/dd" plus " h:mm:ss" only when not midnight.
    [[nodiscard]] QString toText() const;
    // Like toText, but Null gives "" (VB's  "" & value).
    [[nodiscard]] QString toTextOrEmpty() const;
    // VB CInt / CLng / CDbl on the value: Null raises 94, text goes through the VB conversions.
    [[nodiscard]] qint16 toInt16() const;
    [[nodiscard]] qint32 toInt32() const;
    [[nodiscard]] double toDouble() const;

    [[nodiscard]] const auto& raw() const { return m_v; }
    bool operator==(const Value& o) const = default;

private:
    std::variant<std::monostate, qint64, double, QString, QDateTime> m_v;
};

class Recordset;

class Field {
public:
    [[nodiscard]] const QString& Name() const { return m_name; }
    [[nodiscard]] int Type() const { return m_type; }
    [[nodiscard]] const Value& value() const;
    [[nodiscard]] QString text() const { return value().toText(); }  // VB CStr(rs!Field)
    // Assignment while the recordset is in AddNew or edit mode (VB's rs!Field = x); written at Update.
    Field& operator=(const Value& v);

private:
    friend class Recordset;
    Recordset* m_rs = nullptr;
    int m_index = 0;
    QString m_name;
    int m_type = adEmpty;
};

class Connection {
public:
    Connection();
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    // Takes the Jet connection text and opens the file named after "Data Source=".
    // Never creates a file; a file that is not an SQLite database fails and is left untouched.
    void Open(const QString& connectionString, const QString& user = {}, const QString& password = {},
              int options = adCmdUnspecified);
    void Close();
    [[nodiscard]] int State() const;
    [[nodiscard]] const QString& ConnectionString() const { return m_connectionString; }

    // Runs one Jet statement; returned records are dropped.
    void Execute(const QString& sql, int options = adCmdUnspecified);
    void BeginTrans();
    void CommitTrans();
    void RollbackTrans();
    [[nodiscard]] bool inTransaction() const;

    // Test hook: a statement whose text makes this return true fails as the provider would.
    void setFailHook(std::function<bool(const QString& sql)> hook) { m_failHook = std::move(hook); }
    [[nodiscard]] bool shouldFail(const QString& sql) const { return m_failHook && m_failHook(sql); }

    [[nodiscard]] sqlite3* handle() const { return m_db; }

private:
    sqlite3* m_db = nullptr;
    QString m_connectionString;
    int m_transDepth = 0;
    std::function<bool(const QString&)> m_failHook;
};

// Rolls back in its destructor unless commit() ran.
class TransGuard {
public:
    explicit TransGuard(Connection& cn) : m_cn(cn) { m_cn.BeginTrans(); }
    ~TransGuard();
    void commit();
    TransGuard(const TransGuard&) = delete;
    TransGuard& operator=(const TransGuard&) = delete;

private:
    Connection& m_cn;
    bool m_done = false;
};

// Static cursor: every row is read at Open, so RecordCount is exact.
class Recordset {
public:
    Recordset();
    ~Recordset();
    Recordset(const Recordset&) = delete;
    Recordset& operator=(const Recordset&) = delete;

    void Open(const QString& sql, Connection& cn, int cursorType = adOpenStatic, int lockType = adLockOptimistic,
              int options = adCmdUnspecified);
    void Close();
    [[nodiscard]] int State() const;

    [[nodiscard]] bool BOF() const;
    [[nodiscard]] bool EOF() const;
    [[nodiscard]] int RecordCount() const;
    void MoveFirst();
    void MoveNext();
    void MovePrevious();
    void MoveLast();

    [[nodiscard]] int FieldCount() const;
    // By position (0-based) or by name (case-insensitive; a name found in two tables is "table.column").
    Field& Fields(int index);
    Field& Fields(const QString& name);
    Field& operator[](const QString& name) { return Fields(name); }
    [[nodiscard]] bool hasField(const QString& name) const;

    // Writes go to the base table(s) of the current row with bound parameters.
    void AddNew();
    void Update();
    void CancelUpdate();
    void Delete();

    struct Impl;

private:
    friend class Field;
    std::unique_ptr<Impl> d;
};

// The one place where Jet-only syntax becomes SQLite syntax. Text in quotes is never touched.
[[nodiscard]] QString translateJetSql(const QString& jetSql);

}  // namespace ado
