#pragma once
// Our stand-in for ADO over the Jet provider: one Connection, static Recordsets, Jet SQL run on SQLite.
// Every failure is thrown as vb::Error (number + description); this layer never shows UI.
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <cstdio>  // before the #undef below, so no later include defines EOF again
#include <functional>
#include <memory>
#include <type_traits>
#include <utility>
#include <variant>
#include <vector>

#include "platform/base/VbError.h"

struct sqlite3;

// ADO's Recordset.EOF clashes with C's EOF macro; code that needs the latter can use
// std::char_traits<char>::eof().
#undef EOF

namespace ado {

namespace detail {
struct StatementCache;
}

// ADO constants the program uses.
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
    adSmallInt = 2,  // Jet Integer (16 bit)
    adInteger = 3,   // Jet Long Integer
    adDouble = 5,
    adCurrency = 6,
    adDate = 7,            // Jet Date/Time
    adBoolean = 11,        // Jet Yes/No
    adVarWChar = 202,      // Jet Text
    adLongVarWChar = 203,  // Jet Memo
};

// A Null-aware value, like a VB Variant read from a field.
class Value {
public:
    Value() = default;  // Null
    Value(qint64 v) : m_v(v) {}
    Value(int v) : m_v(qint64(v)) {}
    Value(long v) : m_v(qint64(v)) {}
    Value(double v) : m_v(v) {}
    Value(const QString& v) : m_v(v) {}
    Value(QString&& v) noexcept : m_v(std::move(v)) {}
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
    // For the value's owner to change in place (the recordset rewrites a text it holds alone).
    [[nodiscard]] auto& raw() { return m_v; }
    bool operator==(const Value& o) const = default;

private:
    std::variant<std::monostate, qint64, double, QString, QDateTime> m_v;
};

class Recordset;

// The database could not read or write its file (read-only, locked by another program, disk full, an I/O
// error): nothing was wrong with the statement, and the next one will most likely fail the same way.
class StorageError : public vb::Error {
public:
    using vb::Error::Error;
};

// The tables of a database, each with its columns, in the order they were made.
using TableColumns = std::vector<std::pair<QString, QStringList>>;

// The tables and columns a script of CREATE statements makes (run on a scratch in-memory database).
[[nodiscard]] TableColumns tablesOfScript(const QString& script);
// The first table, or "table.column", of `expected` that `actual` lacks, names compared as SQLite
// resolves them (ASCII letters without case); "" when nothing is missing.
[[nodiscard]] QString firstMissing(const TableColumns& expected, const TableColumns& actual);

class Field {
public:
    Field() = default;
    Field(const Field&) = default;
    [[nodiscard]] const QString& Name() const { return m_name; }
    [[nodiscard]] int Type() const { return m_type; }
    // The value at the current row, a copy of its own: it stays as read whatever the recordset does next.
    [[nodiscard]] Value value() const;
    // The same value where the recordset holds it, without a copy, for a list reading every cell once: the
    // reference is good only until this field is read on another row or the recordset is written or closed.
    [[nodiscard]] const Value& valueOnRow() const;
    [[nodiscard]] QString text() const { return valueOnRow().toText(); }  // VB CStr(rs!Field)
    // Assignment while the recordset is in AddNew or edit mode (VB's rs!Field = x); written at Update.
    Field& operator=(const Value& v);
    // rs!A = rs2!B assigns the value, as VB's default property does; it never copies the field object.
    Field& operator=(const Field& other) { return *this = other.valueOnRow(); }

private:
    friend class Recordset;
    Recordset* m_rs = nullptr;
    int m_index = 0;
    QString m_name;
    int m_type = adEmpty;
};

// A cell callback ExecuteEach can bind without a copy: its result is an lvalue reference to a text a
// QStringView can view, or a QStringView (of storage that outlives the call). Every other result is a
// temporary, gone before the statement reads it.
template <class Result>
inline constexpr bool isLastingTextResult = std::is_same_v<std::remove_cv_t<Result>, QStringView> ||
                                            (std::is_lvalue_reference_v<Result> &&
                                             std::is_constructible_v<QStringView, Result>);
template <class Cell>
concept CellOfLastingText =
    std::is_invocable_v<Cell&, std::size_t, int> && isLastingTextResult<std::invoke_result_t<Cell&, std::size_t, int>>;

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
    // Runs one statement with "?" markers once per row, each value bound as text; prepared once, for bulk
    // inserts. A row must give one value per marker. Each run passes the fail hook with the statement text;
    // the first failure raises and the rows before it stay written (the caller's transaction decides).
    // lastRecordsAffected() counts the rows of every run that went through.
    void ExecuteEach(const QString& sql, const std::vector<QStringList>& rows);
    // The same over `count` rows of `columns` values each, value k of row r read as cell(r, k): no row
    // lists are built for rows already held elsewhere. A cell is a reference to a text or a QStringView,
    // and either must stay where it is until the call returns: a view must not view a temporary.
    void ExecuteEach(const QString& sql, std::size_t count, int columns,
                     const std::function<QStringView(std::size_t, int)>& cell);
    // Any other cell (a QString, const or not, a std::u16string, a QByteArray, ...) is made for the read and
    // would be viewed after it is gone: refused when it is compiled.
    template <class Cell, class = std::enable_if_t<!CellOfLastingText<Cell>>>
    void ExecuteEach(const QString& sql, std::size_t count, int columns, Cell&& cell) = delete;
    // Runs one statement with "?" markers bound to the values, one value per marker. The statement is
    // prepared on its first run and kept while the connection is open, so a statement that an import runs
    // for every file is prepared once. The fail hook sees the text `asWritten` makes (the statement with its
    // values written in), made only while a hook is set.
    void ExecuteBound(const QString& sql, const std::vector<Value>& values,
                      const std::function<QString()>& asWritten = {});
    // The same with every value a text, read where it is during the call.
    void ExecuteBoundTexts(const QString& sql, const std::vector<QStringView>& texts,
                           const std::function<QString()>& asWritten = {});
    void BeginTrans();
    void CommitTrans();
    void RollbackTrans();
    [[nodiscard]] bool inTransaction() const;

    // Run by Open with the file's tables once it has proved to be a database, before anything is written
    // to it; an exception from the check fails the Open and the file stays as it was.
    void setOpenCheck(std::function<void(const TableColumns&)> check) { m_openCheck = std::move(check); }

    // Test hook: a statement whose text makes this return true fails as the provider would.
    void setFailHook(std::function<bool(const QString& sql)> hook) { m_failHook = std::move(hook); }
    [[nodiscard]] bool shouldFail(const QString& sql) const { return m_failHook && m_failHook(sql); }
    [[nodiscard]] bool hasFailHook() const { return bool(m_failHook); }
    // Test hook: every statement the connection keeps, as SQLite shows it with its values written in (a
    // marker bound to nothing shows NULL), in text order.
    [[nodiscard]] QStringList keptStatements() const;
    // For rows found in memory in place of a query: raises as the query would when the hook fails its text.
    void failAsStatement(const QString& sql) const;

    // Rows changed by the last Execute (ADO's RecordsAffected); -1 before any.
    [[nodiscard]] long lastRecordsAffected() const { return m_recordsAffected; }

private:
    friend class Recordset;
    [[nodiscard]] sqlite3* handle() const { return m_db; }
    void checkOpen() const;
    detail::StatementCache& statementCache();
    void executeEach(const QString& sql, std::size_t count, const std::function<int(std::size_t)>& columns,
                     const std::function<QStringView(std::size_t, int)>& cell);
    template <class Values>
    void executeBound(const QString& sql, const Values& values, const std::function<QString()>& asWritten);

    sqlite3* m_db = nullptr;
    QString m_connectionString;
    int m_transDepth = 0;
    long m_recordsAffected = -1;
    std::function<bool(const QString&)> m_failHook;
    std::function<void(const TableColumns&)> m_openCheck;
    std::unique_ptr<detail::StatementCache> m_cache;
    // Recordsets hold a weak reference: after Close (or destruction) they fail instead of dangling.
    std::shared_ptr<int> m_alive;
};

// Rolls back in its destructor unless commit() ran.
class TransGuard {
public:
    explicit TransGuard(Connection& cn) : m_cn(cn) { m_cn.BeginTrans(); }
    ~TransGuard();  // never throws
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
    void Close();  // closing a closed recordset does nothing
    [[nodiscard]] int State() const;
    [[nodiscard]] bool isUpdatable() const;

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

    // Writes go to the base table(s) of the current row with bound parameters. A recordset over a join
    // writes each base table its changed fields belong to, all in one step (all or nothing).
    // DISTINCT, GROUP BY, aggregate and read-only recordsets refuse writes, as Jet does.
    // Moving (or AddNew) with an edit pending updates first, as ADO does; Close discards it.
    void AddNew();
    void Update();
    void CancelUpdate();
    void Delete();

    struct Impl;

private:
    friend class Field;
    std::unique_ptr<Impl> d;
};

// The one place where Jet-only syntax becomes SQLite syntax. Text in quotes is never touched:
// `Group`/`Update` used as names (also after a dot) are bracketed, a qualified SET target loses its
// table, "DELETE * FROM" loses the "*", "text" literals become 'text', and "--" or "/*" outside quotes
// stay operators instead of starting a comment.
[[nodiscard]] QString translateJetSql(const QString& jetSql);

// Provider-like error numbers the layer raises (HRESULTs as VB's Err.Number shows them).
enum : long {
    errProvider = -2147467259,          // 0x80004005 generic failure, constraint violations
    errSyntax = -2147217900,            // 0x80040E14 error in the statement
    errTooFewParameters = -2147217904,  // 0x80040E10 unknown column name
    errNoSuchTable = -2147217865,       // 0x80040E37
    errTypeMismatchDb = -2147217913,    // 0x80040E07 value the column cannot take
    errRowNotFound = -2147217864,       // 0x80040E38 row vanished before its update
    errMultiStep = -2147217887,         // 0x80040E21 field assignment the column refuses
    errNoTransaction = -2147168242,     // 0x8004D00E
    errObjectClosed = -2146824584,      // 3704
    errObjectOpen = -2146824583,        // 3705
    errNoCurrentRecord = -2146825267,   // 3021 BOF or EOF
    errItemNotFound = -2146825023,      // 3265 no such field
    errNotUpdatable = -2146825037,      // 3251
};

}  // namespace ado
