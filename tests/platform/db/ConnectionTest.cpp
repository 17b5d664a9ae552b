// Opening the ledger file, statements, transactions and the test hook.
#include <sqlite3.h>

#include <QDir>
#include <QFile>
#include <cerrno>
#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <thread>

#include "tests/platform/db/DbTestSupport.h"
#include "tests/support/FaultVfs.h"

namespace {

using dbtest::errorOf;
using dbtest::jetConnectionString;
using dbtest::TemplateDb;

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

TEST(ConnectionOpen, MissingFileFailsAndCreatesNothing) {
    testsupport::AppFolder folder(false);
    ado::Connection cn;
    const long err = errorOf([&] { cn.Open(jetConnectionString(folder.dbPath())); });
    EXPECT_EQ(err, ado::errProvider);
    EXPECT_EQ(cn.State(), ado::adStateClosed);
    EXPECT_FALSE(QFile::exists(folder.dbPath()));
    EXPECT_TRUE(QDir(folder.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden).isEmpty());
}

TEST(ConnectionOpen, FileThatIsNoDatabaseFailsAndStaysByteIdentical) {
    struct Case {
        const char* what;
        QByteArray bytes;
    };
    const Case cases[] = {
        {"0 bytes", QByteArray()},
        {"text", QByteArray("Key,Group,Item\r\nthis is not a database\r\n")},
        {"short header", QByteArray("SQLite format")},
        {"database header, garbage after it", QByteArray("SQLite format 3\0", 16) + QByteArray(4096, '\x5a')},
    };
    for (const Case& c : cases) {
        testsupport::AppFolder folder(false);
        writeFile(folder.dbPath(), c.bytes);
        ado::Connection cn;
        EXPECT_NE(errorOf([&] { cn.Open(jetConnectionString(folder.dbPath())); }), 0) << c.what;
        EXPECT_EQ(cn.State(), ado::adStateClosed) << c.what;
        EXPECT_EQ(readAll(folder.dbPath()), c.bytes) << c.what;
        EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"pcdb.mdb"}) << c.what;
    }
}

// A good database that cannot be read just now (a full disk, an I/O error, a lock) is not called "no
// database": the error carries SQLite's own description, and the file stays as it was.
TEST(ConnectionOpen, AFailedFirstReadSaysWhatHappened) {
    using Op = testsupport::FaultVfs::Op;
    const struct {
        const char* what;
        Op op;
        int code;
        const char* description;
    } cases[] = {
        {"the file cannot be read", Op::Read, SQLITE_IOERR_READ, "disk I/O error"},
        {"the disk is too full to grow the shared index", Op::ShmMap, SQLITE_IOERR_SHMSIZE, "disk I/O error"},
        {"another program keeps the file locked", Op::Lock, SQLITE_BUSY, "database is locked"},
        {"the file cannot be opened", Op::Open, SQLITE_CANTOPEN, "unable to open database file"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        testsupport::AppFolder folder(true);
        const QByteArray before = readAll(folder.dbPath());
        ado::Connection cn;
        bool opened = false;
        {
            testsupport::FaultVfs vfs([&c](Op op, const char* path) {
                return op == c.op && QString::fromUtf8(path).endsWith("pcdb.mdb") ? c.code : SQLITE_OK;
            });
            try {
                cn.Open(jetConnectionString(folder.dbPath()));
                opened = true;
            } catch (const vb::Error& e) {
                EXPECT_EQ(e.number(), ado::errProvider);
                EXPECT_EQ(e.description().toStdString(), c.description);
            }
        }
        EXPECT_FALSE(opened);
        EXPECT_EQ(cn.State(), ado::adStateClosed);
        EXPECT_EQ(readAll(folder.dbPath()), before);
    }
}

// The WAL index is made at the first read; on a full disk the file layer fails to grow it with an I/O error
// and the system's ENOSPC. That is named as the full disk it is, as a full disk at a commit is; another
// system error stays an I/O error.
TEST(ConnectionOpen, AFullDiskWhenTheWalIndexIsMadeIsNamed) {
    using Op = testsupport::FaultVfs::Op;
    const struct {
        const char* what;
        int systemError;
        const char* description;
    } cases[] = {
        {"no space left", ENOSPC, "database or disk is full"},
        {"a failing device", EIO, "disk I/O error"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        testsupport::AppFolder folder(true);
        ASSERT_FALSE(QFile::exists(folder.dbPath() + "-shm"));
        const QByteArray before = readAll(folder.dbPath());
        ado::Connection cn;
        {
            testsupport::FaultVfs vfs([](Op op, const char* path) {
                return op == Op::ShmMap && QString::fromUtf8(path).endsWith("pcdb.mdb") ? SQLITE_IOERR_SHMSIZE
                                                                                        : SQLITE_OK;
            });
            vfs.reportSystemError(c.systemError);
            try {
                cn.Open(jetConnectionString(folder.dbPath()));
                ADD_FAILURE() << "opened";
            } catch (const vb::Error& e) {
                EXPECT_EQ(e.number(), ado::errProvider);
                EXPECT_EQ(e.description().toStdString(), c.description);
            }
        }
        EXPECT_EQ(cn.State(), ado::adStateClosed);
        EXPECT_EQ(readAll(folder.dbPath()), before);
    }
}

TEST(ConnectionOpen, ALockHeldForAMomentIsWaitedFor) {
    using Op = testsupport::FaultVfs::Op;
    testsupport::AppFolder folder(true);
    int refused = 0;
    {
        ado::Connection cn;
        testsupport::FaultVfs vfs(
            [&refused](Op op, const char*) { return op == Op::Lock && refused++ < 5 ? SQLITE_BUSY : SQLITE_OK; });
        cn.Open(jetConnectionString(folder.dbPath()));
        EXPECT_EQ(cn.State(), ado::adStateOpen);
        cn.Close();
    }
    EXPECT_GT(refused, 5);
}

// A full disk at the commit: whichever step commits, the error carries the engine's own description as
// the failing step left it, not what the rollback after it says ("not an error"), and nothing is written.
TEST(ConnectionWrite, AFullDiskAtTheCommitIsNamedOnEveryPath) {
    using Op = testsupport::FaultVfs::Op;
    const struct {
        const char* what;
        std::function<void(ado::Connection&)> write;
    } cases[] = {
        {"a recordset's new record on its own",
         [](ado::Connection& cn) {
             ado::Recordset rs;
             rs.Open("SELECT * FROM tbl_Location", cn);
             rs.AddNew();
             rs["Location_Code"] = 7;
             rs.Update();
         }},
        {"a recordset's edit on its own",
         [](ado::Connection& cn) {
             ado::Recordset rs;
             rs.Open("SELECT * FROM tbl_Location WHERE Location_Code = 1", cn);
             rs["Location_Name"] = "7";
             rs.Update();
         }},
        {"a recordset's update, then the transaction's commit",
         [](ado::Connection& cn) {
             ado::TransGuard trans(cn);
             ado::Recordset rs;
             rs.Open("SELECT * FROM tbl_Location", cn);
             rs.AddNew();
             rs["Location_Code"] = 7;
             rs.Update();
             trans.commit();
         }},
        {"a statement on its own",
         [](ado::Connection& cn) { cn.Execute("INSERT INTO tbl_Location (Location_Code) VALUES (7)"); }},
        {"a bound statement in a transaction",
         [](ado::Connection& cn) {
             ado::TransGuard trans(cn);
             cn.ExecuteBound("INSERT INTO tbl_Location (Location_Code) VALUES (?)", {ado::Value(7)});
             trans.commit();
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        testsupport::AppFolder folder(true);
        bool full = false;
        testsupport::FaultVfs vfs([&full](Op op, const char* path) {
            return full && op == Op::Write && QString::fromUtf8(path).endsWith("-wal") ? SQLITE_FULL : SQLITE_OK;
        });
        ado::Connection cn;
        cn.Open(jetConnectionString(folder.dbPath()));
        cn.Execute("INSERT INTO tbl_Location (Location_Code, Location_Name) VALUES (1, 'one')");
        full = true;
        try {
            c.write(cn);
            ADD_FAILURE() << "no error";
        } catch (const vb::Error& e) {
            EXPECT_EQ(e.number(), ado::errProvider);
            EXPECT_EQ(e.description().toStdString(), "database or disk is full");
            EXPECT_NE(dynamic_cast<const ado::StorageError*>(&e), nullptr);
        }
        full = false;
        EXPECT_FALSE(cn.inTransaction());
        ado::Recordset rs;
        rs.Open("SELECT * FROM tbl_Location WHERE Location_Code = 7 OR (Location_Code = 1 AND Location_Name <> 'one')",
                cn, ado::adOpenStatic, ado::adLockReadOnly);
        EXPECT_EQ(rs.RecordCount(), 0);
        rs.Close();
        // The connection goes on: the same write goes through once there is room.
        c.write(cn);
    }
}

// The outer transaction takes the write lock at its start: one that reads before it writes waits for a
// lock another program holds for a moment, as a single write does, and names the lock when it stays.
TEST(ConnectionWrite, ATransactionWaitsForABriefLockAndNamesOneThatStays) {
    const struct {
        const char* what;
        int heldMs;
        const char* description;  // "" when the transaction goes through
    } cases[] = {
        {"held for half a second", 500, ""},
        {"held past the busy time", 3500, "database is locked"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        testsupport::AppFolder folder(true);
        ado::Connection cn;
        cn.Open(jetConnectionString(folder.dbPath()));
        ado::Connection other;
        other.Open(jetConnectionString(folder.dbPath()));
        other.BeginTrans();
        other.Execute("INSERT INTO tbl_Location (Location_Code) VALUES (1)");
        std::thread release([&other, &c] {
            std::this_thread::sleep_for(std::chrono::milliseconds(c.heldMs));
            other.CommitTrans();
        });
        QString error;
        try {
            ado::TransGuard trans(cn);
            ado::Recordset rs;
            rs.Open("SELECT * FROM tbl_Location", cn, ado::adOpenStatic, ado::adLockReadOnly);
            rs.Close();
            cn.Execute("INSERT INTO tbl_Location (Location_Code) VALUES (2)");
            trans.commit();
        } catch (const vb::Error& e) {
            error = e.description();
        }
        release.join();
        EXPECT_EQ(error.toStdString(), c.description);
        EXPECT_FALSE(cn.inTransaction());
        ado::Recordset rs;
        rs.Open("SELECT * FROM tbl_Location WHERE Location_Code = 2", cn, ado::adOpenStatic, ado::adLockReadOnly);
        EXPECT_EQ(rs.RecordCount(), error.isEmpty() ? 1 : 0);
    }
}

// A database that takes no writes: the engine's read-only switch refuses the transaction at its start, a
// file opened read-only its first write; either way the error gives the engine's reason.
TEST(ConnectionWrite, AReadOnlyDatabaseIsNamedWhereverItRefuses) {
    using Op = testsupport::FaultVfs::Op;
    const struct {
        const char* what;
        bool queryOnly;
        bool refusedAtBegin;
    } cases[] = {{"the engine's read-only switch", true, true}, {"a file opened read-only", false, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        testsupport::AppFolder folder(true);
        std::optional<testsupport::FaultVfs> vfs;
        if (!c.queryOnly)
            vfs.emplace([](Op op, const char* path) {
                return op == Op::Open && QString::fromUtf8(path).endsWith("pcdb.mdb") ? SQLITE_READONLY : SQLITE_OK;
            });
        ado::Connection cn;
        cn.Open(jetConnectionString(folder.dbPath()));
        if (c.queryOnly) cn.Execute("PRAGMA query_only = ON");
        bool began = false;
        try {
            ado::TransGuard trans(cn);
            began = true;
            cn.Execute("INSERT INTO tbl_Location (Location_Code) VALUES (9)");
            trans.commit();
            ADD_FAILURE() << "no error";
        } catch (const vb::Error& e) {
            EXPECT_EQ(e.description().toStdString(), "attempt to write a readonly database");
            EXPECT_NE(dynamic_cast<const ado::StorageError*>(&e), nullptr);
        }
        EXPECT_EQ(began, !c.refusedAtBegin);
        EXPECT_FALSE(cn.inTransaction());
        EXPECT_EQ(errorOf([&] { cn.RollbackTrans(); }), ado::errNoTransaction);
    }
}

TEST(ConnectionOpen, ParsesTheJetConnectionString) {
    testsupport::AppFolder folder(true);
    ado::Connection cn;
    cn.Open(QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0; data source = ") + folder.dbPath() + ";");
    EXPECT_EQ(cn.State(), ado::adStateOpen);
    EXPECT_EQ(errorOf([&] { cn.Open(jetConnectionString(folder.dbPath())); }), ado::errObjectOpen);
    cn.Close();
    EXPECT_EQ(cn.State(), ado::adStateClosed);
    EXPECT_EQ(errorOf([&] { cn.Execute("DELETE FROM tbl_ReadCsv"); }), ado::errObjectClosed);
}

TEST_F(TemplateDb, UsesWalWithNormalSync) {
    EXPECT_EQ(scalar("PRAGMA journal_mode"), "wal");
    EXPECT_EQ(scalar("PRAGMA synchronous"), "1");  // NORMAL
}

TEST_F(TemplateDb, RefusesTextAfterTheStatementAndRunsNothing) {
    exec("INSERT INTO tbl_Location (Location_Code, Location_Name) VALUES (9, 'x')");
    EXPECT_EQ(errorOf([&] { cn.Execute("DELETE FROM tbl_ReadCsv; DELETE FROM tbl_Location"); }), ado::errSyntax);
    EXPECT_EQ(count("SELECT * FROM tbl_Location"), 2);
    EXPECT_EQ(errorOf([&] { cn.Execute("  ;  "); }), ado::errSyntax);
    EXPECT_EQ(exec("DELETE FROM tbl_Location WHERE Location_Code = 9;  "), 1);  // a closing ";" is fine
}

// The engine reads a statement only up to its first NUL: whatever stands after it would be dropped unseen.
// Wherever the NUL stands, the statement is refused before it runs, by every way in, and names it.
TEST_F(TemplateDb, RefusesANulInTheStatementTextAndRunsNothing) {
    const QString nul(QChar(0));
    exec("INSERT INTO tbl_Location (Location_Code, Location_Name) VALUES (9, 'x')");
    exec("INSERT INTO tbl_Location (Location_Code, Location_Name) VALUES (10, 'y')");
    const struct {
        const char* what;
        std::function<void()> run;
    } cases[] = {
        {"after the condition",
         [&] { cn.Execute("DELETE FROM tbl_Location WHERE Location_Code = 1" + nul + " OR 1"); }},
        {"in a literal",
         [&] { cn.Execute("DELETE FROM tbl_Location WHERE Location_Name = 'x" + nul + "' OR Location_Code = 9"); }},
        {"in a comment",
         [&] { cn.Execute("DELETE FROM tbl_Location WHERE 1 = 1 --" + nul + "\nAND Location_Code = 1"); }},
        {"at the end", [&] { cn.Execute("DELETE FROM tbl_Location WHERE Location_Code = 10;" + nul); }},
        {"a bound statement",
         [&] { cn.ExecuteBound("DELETE FROM tbl_Location WHERE Location_Code = ?" + nul + " OR 1", {ado::Value(1)}); }},
        {"a recordset's query",
         [&] {
             ado::Recordset rs;
             rs.Open("SELECT * FROM tbl_Location WHERE Location_Code = 1" + nul + " OR 1", cn, ado::adOpenStatic,
                     ado::adLockOptimistic);
             while (!rs.EOF()) rs.Delete();
         }},
    };
    const int before = count("SELECT * FROM tbl_Location");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        try {
            c.run();
            ADD_FAILURE() << "no error";
        } catch (const vb::Error& e) {
            EXPECT_EQ(e.number(), ado::errSyntax);
            EXPECT_EQ(e.description().toStdString(), "SQL ステートメントに NUL 文字が含まれています。");
        }
        EXPECT_EQ(count("SELECT * FROM tbl_Location"), before);
    }
    // The same statements without the NUL still run.
    EXPECT_EQ(exec("DELETE FROM tbl_Location WHERE Location_Code = 10;"), 1);
}

TEST_F(TemplateDb, ErrorNumbersNameTheFault) {
    EXPECT_EQ(errorOf([&] { cn.Execute("SELEC * FROM tbl_Location"); }), ado::errSyntax);
    EXPECT_EQ(errorOf([&] { cn.Execute("SELECT * FROM tbl_Nothing"); }), ado::errNoSuchTable);
    EXPECT_EQ(errorOf([&] { cn.Execute("SELECT Nowhere FROM tbl_Location"); }), ado::errTooFewParameters);
    EXPECT_EQ(errorOf([&] { cn.Execute("INSERT INTO tbl_Location (Location_Code) VALUES (0)"); }), ado::errProvider);
    try {
        cn.Execute("UPDATE tbl_Location SET Location_Code = 40000");
        FAIL() << "no error";
    } catch (const vb::Error& e) {
        EXPECT_EQ(e.number(), ado::errTypeMismatchDb);
        EXPECT_TRUE(e.description().contains("Location_Code")) << e.description().toStdString();
    }
}

TEST_F(TemplateDb, TransactionsCommitRollBackAndNest) {
    ado::Connection other;
    other.Open(jetConnectionString(m_folder->dbPath()));
    auto seen = [&](const QString& query) {
        ado::Recordset rs;
        rs.Open(query, other, ado::adOpenStatic, ado::adLockReadOnly);
        return rs.RecordCount();
    };

    cn.BeginTrans();
    exec("INSERT INTO tbl_Location (Location_Code) VALUES (1)");
    EXPECT_TRUE(cn.inTransaction());
    EXPECT_EQ(seen("SELECT * FROM tbl_Location WHERE Location_Code = 1"), 0);  // not yet committed
    cn.CommitTrans();
    EXPECT_FALSE(cn.inTransaction());
    EXPECT_EQ(seen("SELECT * FROM tbl_Location WHERE Location_Code = 1"), 1);

    cn.BeginTrans();
    exec("INSERT INTO tbl_Location (Location_Code) VALUES (2)");
    cn.BeginTrans();  // nested
    exec("INSERT INTO tbl_Location (Location_Code) VALUES (3)");
    cn.RollbackTrans();  // drops 3 only
    exec("INSERT INTO tbl_Location (Location_Code) VALUES (4)");
    cn.CommitTrans();
    EXPECT_EQ(count("SELECT * FROM tbl_Location WHERE Location_Code IN (2, 3, 4)"), 2);
    EXPECT_EQ(count("SELECT * FROM tbl_Location WHERE Location_Code = 3"), 0);

    EXPECT_EQ(errorOf([&] { cn.CommitTrans(); }), ado::errNoTransaction);
    EXPECT_EQ(errorOf([&] { cn.RollbackTrans(); }), ado::errNoTransaction);

    // A failing statement inside a transaction leaves the transaction and its earlier work alive.
    cn.BeginTrans();
    exec("INSERT INTO tbl_Location (Location_Code) VALUES (5)");
    EXPECT_NE(errorOf([&] { cn.Execute("INSERT INTO tbl_Location (Location_Code) VALUES (5)"); }), 0);
    EXPECT_TRUE(cn.inTransaction());
    cn.RollbackTrans();
    EXPECT_EQ(count("SELECT * FROM tbl_Location WHERE Location_Code = 5"), 0);

    // Closing with a transaction open rolls it back.
    cn.BeginTrans();
    exec("INSERT INTO tbl_Location (Location_Code) VALUES (6)");
    cn.Close();
    EXPECT_EQ(seen("SELECT * FROM tbl_Location WHERE Location_Code = 6"), 0);
    cn.Open(jetConnectionString(m_folder->dbPath()));
}

TEST_F(TemplateDb, TransGuardRollsBackUnlessCommitted) {
    {
        ado::TransGuard guard(cn);
        exec("INSERT INTO tbl_Location (Location_Code) VALUES (1)");
    }
    EXPECT_FALSE(cn.inTransaction());
    EXPECT_EQ(count("SELECT * FROM tbl_Location WHERE Location_Code = 1"), 0);

    try {
        ado::TransGuard guard(cn);
        exec("INSERT INTO tbl_Location (Location_Code) VALUES (2)");
        exec("INSERT INTO tbl_Location (Location_Code) VALUES (2)");  // duplicate key: throws
        guard.commit();
    } catch (const vb::Error&) {
    }
    EXPECT_FALSE(cn.inTransaction());
    EXPECT_EQ(count("SELECT * FROM tbl_Location WHERE Location_Code = 2"), 0);

    {
        ado::TransGuard guard(cn);
        exec("INSERT INTO tbl_Location (Location_Code) VALUES (3)");
        guard.commit();
    }
    EXPECT_EQ(count("SELECT * FROM tbl_Location WHERE Location_Code = 3"), 1);
}

// The bulk insert the CSV staging uses: one prepared statement, every value bound as text.
TEST_F(TemplateDb, ExecuteEachBindsEveryRowAsText) {
    // Jet text: a bare Group is a column here, and the values never pass through the statement text.
    const QString insert = QStringLiteral(
        "INSERT INTO tbl_ReadCsv ( [Key], Group, Item, SubItem, Contents, Unit, Renewalday ) "
        "VALUES ( ?, ?, ?, ?, ?, ?, ? )");
    const QString withNul = QStringLiteral("a") + QChar(0) + QStringLiteral("b");
    cn.ExecuteEach(insert, {{"1", "Soft", "it's -- x", "007", withNul, "", "2005/04/01 r,e,s,t"},
                            {"2", "Hard", "LAN", "", "", "", ""},
                            {"3", "Hard", "?", "", "", "", ""}});
    EXPECT_EQ(cn.lastRecordsAffected(), 3);
    ado::Recordset rs;
    rs.Open("SELECT * FROM tbl_ReadCsv", cn, ado::adOpenStatic, ado::adLockReadOnly);
    ASSERT_EQ(rs.RecordCount(), 3);
    EXPECT_EQ(rs["Item"].text(), "it's -- x");
    EXPECT_EQ(rs["SubItem"].text(), "007");
    EXPECT_EQ(rs["Contents"].text(), withNul);  // the NUL and what follows it are kept
    EXPECT_EQ(rs["Unit"].text(), "");           // empty text, not Null
    EXPECT_EQ(rs["Renewalday"].text(), "2005/04/01 r,e,s,t");
    rs.MoveLast();
    EXPECT_EQ(rs["Item"].text(), "?");
    EXPECT_EQ(stored("tbl_ReadCsv", "Unit", "[Key] = '1'"), "text:");

    // No rows: nothing written, nothing affected; the statement is still checked.
    cn.ExecuteEach(insert, {});
    EXPECT_EQ(cn.lastRecordsAffected(), 0);
    EXPECT_EQ(errorOf([&] { cn.ExecuteEach("INSERT INTO tbl_Nothing VALUES ( ? )", {}); }), ado::errNoSuchTable);

    // A failing row raises; the rows before it stay written and are counted.
    const long err = errorOf([&] {
        cn.ExecuteEach("INSERT INTO tbl_Location ( Location_Code, Location_Name ) VALUES ( ?, ? )",
                       {{"7", "first"}, {"0", "the reserved code again"}, {"8", "never"}});
    });
    EXPECT_EQ(err, ado::errProvider);
    EXPECT_EQ(cn.lastRecordsAffected(), 1);
    EXPECT_EQ(count("SELECT * FROM tbl_Location WHERE Location_Code IN (7, 8)"), 1);
    // '12' bound as text goes into a 16-bit column as the number; text that is no number is refused.
    cn.ExecuteEach("INSERT INTO tbl_Location ( Location_Code ) VALUES ( ? )", {{"12"}});
    EXPECT_EQ(stored("tbl_Location", "Location_Code", "Location_Name IS NULL"), "integer:12");
    EXPECT_EQ(errorOf([&] { cn.ExecuteEach("INSERT INTO tbl_Location ( Location_Code ) VALUES ( ? )", {{"x"}}); }),
              ado::errTypeMismatchDb);
    // A row with more or fewer values than markers is refused, not cut or padded with Null.
    for (const QStringList& row : {QStringList{"20"}, QStringList{"21", "name", "extra"}})
        EXPECT_NE(errorOf([&] {
                      cn.ExecuteEach("INSERT INTO tbl_Location ( Location_Code, Location_Name ) VALUES ( ?, ? )",
                                     {row});
                  }),
                  0)
            << row.join(u',').toStdString();
    EXPECT_EQ(count("SELECT * FROM tbl_Location WHERE Location_Code IN (20, 21)"), 0);
    // The fail hook sees the statement as written.
    cn.setFailHook([](const QString& sql) { return sql.contains("tbl_ReadCsv"); });
    EXPECT_EQ(errorOf([&] { cn.ExecuteEach(insert, {{"9", "", "", "", "", "", ""}}); }), ado::errProvider);
    cn.setFailHook(nullptr);
    EXPECT_EQ(count("SELECT * FROM tbl_ReadCsv"), 3);
}

// The cells ExecuteEach binds without a copy, checked when this file is compiled: a reference to a text the
// caller keeps, or a view, is taken; any text made for the read, whatever its type, is refused by the overload
// set itself, and the trait it uses says the same.
template <class Result>
struct CellOf {
    static constexpr bool byTrait = ado::isLastingTextResult<Result>;
    static constexpr bool byOverloads = requires(ado::Connection & cn, Result (*cell)(std::size_t, int)) {
        cn.ExecuteEach(QString(), std::size_t(0), 0, cell);
    };
    static constexpr bool taken = byTrait && byOverloads;
    static constexpr bool refused = !byTrait && !byOverloads;
};
static_assert(CellOf<QStringView>::taken);
static_assert(CellOf<const QStringView>::taken);
static_assert(CellOf<const QString&>::taken);
static_assert(CellOf<QString&>::taken);
static_assert(CellOf<const std::u16string&>::taken);
static_assert(CellOf<const QStringView&>::taken);
static_assert(CellOf<QString>::refused);
static_assert(CellOf<const QString>::refused);
static_assert(CellOf<QString&&>::refused);
static_assert(CellOf<std::u16string>::refused);
static_assert(CellOf<const std::u16string>::refused);
static_assert(CellOf<QByteArray>::refused);
static_assert(CellOf<std::string>::refused);
static_assert(CellOf<const char16_t*>::refused);
// Lambdas, as the callers write them, and a std::function of views.
static_assert(ado::CellOfLastingText<decltype([](std::size_t, int) -> QStringView { return {}; })>);
static_assert(!ado::CellOfLastingText<decltype([](std::size_t, int) { return QString(); })>);
static_assert(!ado::CellOfLastingText<decltype([](std::size_t, int) { return std::u16string(); })>);
static_assert(ado::CellOfLastingText<const std::function<QStringView(std::size_t, int)>&>);

// A statement kept for the connection and run again and again with new values: each run stores its
// own values, a refused run leaves the statement usable, and the hook sees the values written in.
TEST_F(TemplateDb, ExecuteBoundKeepsTheStatementAndBindsEachRun) {
    const QString insert = "UPDATE tbl_Pclist SET tbl_Pclist.[Computer_Name] = ? WHERE MainKey = ?";
    exec("INSERT INTO tbl_Pclist (MainKey) VALUES (3)");
    exec("INSERT INTO tbl_Pclist (MainKey) VALUES (4)");
    const struct {
        ado::Value name;
        qint64 key;
        long error;
        const char* stored;  // Computer_Name of the key afterwards
    } runs[] = {
        {ado::Value("it's"), 3, 0, "text:it's"},
        {ado::Value(QString("a") + QChar(0) + "b"), 4, 0, nullptr},
        {ado::Value(QString(256, u'x')), 3, ado::errTypeMismatchDb, "text:it's"},  // too long: refused
        {ado::Value(qint64(12)), 3, 0, "text:12"},                                 // a number into text
        {ado::Value(), 4, 0, "null:"},
    };
    for (const auto& r : runs) {
        SCOPED_TRACE(r.stored ? r.stored : "NUL");
        EXPECT_EQ(errorOf([&] { cn.ExecuteBound(insert, {r.name, ado::Value(r.key)}); }), r.error);
        if (r.stored) {
            EXPECT_EQ(stored("tbl_Pclist", "Computer_Name", QString("MainKey = %1").arg(r.key)), r.stored);
        } else {
            EXPECT_EQ(scalar("SELECT length(CAST(Computer_Name AS BLOB)) FROM tbl_Pclist WHERE MainKey = 4"), "3");
        }
    }
    EXPECT_EQ(errorOf([&] { cn.ExecuteBound(insert, {ado::Value("one value for two markers")}); }),
              ado::errTooFewParameters);

    QStringList seen;
    cn.setFailHook([&seen](const QString& sql) {
        seen << sql;
        return sql.contains("'fail'");
    });
    const auto written = [](const char* name) {
        return [name] { return QString("UPDATE ... = '%1' WHERE MainKey = 3").arg(name); };
    };
    EXPECT_EQ(errorOf([&] {
                  cn.ExecuteBound(insert, {ado::Value("fail"), ado::Value(3)}, written("fail"));
              }),
              ado::errProvider);
    EXPECT_EQ(errorOf([&] { cn.ExecuteBound(insert, {ado::Value("pass"), ado::Value(3)}, written("pass")); }), 0);
    EXPECT_EQ(errorOf([&] { cn.ExecuteBound(insert, {ado::Value("plain"), ado::Value(3)}); }), 0);
    cn.setFailHook(nullptr);
    EXPECT_EQ(seen,
              (QStringList{"UPDATE ... = 'fail' WHERE MainKey = 3", "UPDATE ... = 'pass' WHERE MainKey = 3", insert}));
    EXPECT_EQ(stored("tbl_Pclist", "Computer_Name", "MainKey = 3"), "text:plain");

    // Kept statements go with the connection: after a reopen the same text runs on the new one.
    cn.Close();
    cn.Open(jetConnectionString(m_folder->dbPath()));
    cn.ExecuteBound(insert, {ado::Value("again"), ado::Value(3)});
    EXPECT_EQ(stored("tbl_Pclist", "Computer_Name", "MainKey = 3"), "text:again");
}

// Both bulk and bound runs write each text's UTF-8 themselves: every length of character, surrogate pairs,
// lone halves (stored as '?', as QString::toUtf8 writes them) and NULs must come out byte for byte as toUtf8.
TEST_F(TemplateDb, BoundTextsAreStoredAsTheirUtf8) {
    const QChar high(char16_t(0xD83D)), low(char16_t(0xDE00));
    const QString texts[] = {
        QString(),
        QStringLiteral("ascii 0123 ~"),
        QStringLiteral("é ß ÿ") + QChar(0x7FF),
        QStringLiteral("表計算ソフト ｶﾅ ￥") + QChar(0xFFFF),
        QString(high) + low + QStringLiteral(" pair"),
        QStringLiteral("lone ") + high + QStringLiteral(" high"),
        QStringLiteral("lone ") + low + QStringLiteral(" low"),
        QString(high) + low + high,  // a pair, then a high half at the end
        QStringLiteral("a") + QChar(0) + QStringLiteral("ü"),
        QString(300, QChar(0x3042)),
    };
    const QString insert = QStringLiteral(
        "INSERT INTO tbl_ReadCsv ( [Key], Group, Item, SubItem, Contents, Unit, Renewalday ) "
        "VALUES ( ?, ?, ?, ?, ?, ?, ? )");
    const QString update = "UPDATE tbl_ReadCsv SET Renewalday = ? WHERE [Key] = ?";
    std::vector<QStringList> rows;
    for (std::size_t i = 0; i < std::size(texts); ++i) {
        const QString& t = texts[i];
        // The long text goes where the staging keeps it whole.
        rows.push_back({QString::number(i), t.size() > 254 ? QString() : t, t.left(3), "", t.left(1), t.right(2), t});
    }
    cn.ExecuteEach(insert, rows);
    for (std::size_t i = 0; i < std::size(texts); ++i) {
        SCOPED_TRACE(i);
        const QString where = QString("FROM tbl_ReadCsv WHERE [Key] = '%1'").arg(i);
        const QStringList& row = rows[i];
        const QString hex = scalar(
            "SELECT hex(CAST(Group AS BLOB)) || ',' || hex(CAST(Item AS BLOB)) || ',' || "
            "hex(CAST(Contents AS BLOB)) || ',' || hex(CAST(Unit AS BLOB)) || ',' || "
            "hex(CAST(Renewalday AS BLOB)) " +
            where);
        EXPECT_EQ(
            hex, QString::fromLatin1(row[1].toUtf8().toHex().toUpper() + ',' + row[2].toUtf8().toHex().toUpper() + ',' +
                                     row[4].toUtf8().toHex().toUpper() + ',' + row[5].toUtf8().toHex().toUpper() + ',' +
                                     row[6].toUtf8().toHex().toUpper()));
        // The same text bound again, reversed in order, by the kept single statement.
        const QString back = QString(texts[std::size(texts) - 1 - i]);
        cn.ExecuteBound(update, {ado::Value(back), ado::Value(QString::number(i))});
        EXPECT_EQ(scalar("SELECT hex(CAST(Renewalday AS BLOB)) " + where),
                  QString::fromLatin1(back.toUtf8().toHex().toUpper()));
    }
}

// A kept statement bound to the connection's text buffer would point into freed memory once a longer run
// moves that buffer; each run leaves its statement bound to nothing, however it ends.
TEST_F(TemplateDb, KeptStatementsHoldNoBindingsAfterTheirRun) {
    const QString insert = "INSERT INTO tbl_ReadCsv ( [Key], Item ) VALUES ( ?, ? )";
    const QString update = "UPDATE tbl_ReadCsv SET Renewalday = ? WHERE [Key] = ?";
    const QString unbound = "INSERT INTO tbl_ReadCsv ( [Key], Item ) VALUES ( NULL, NULL )";
    const QString unboundUpdate = "UPDATE tbl_ReadCsv SET Renewalday = NULL WHERE [Key] = NULL";
    cn.ExecuteBound(insert, {ado::Value(QStringLiteral("k1")), ado::Value(QStringLiteral("short"))});
    EXPECT_EQ(cn.keptStatements(), QStringList{unbound});
    // A run with far longer texts, then one that fails in its step (Item takes 255 characters at most).
    cn.ExecuteBound(update, {ado::Value(QString(5000, QChar(0x3042))), ado::Value(QStringLiteral("k1"))});
    EXPECT_EQ(cn.keptStatements(), (QStringList{unbound, unboundUpdate}));
    EXPECT_NE(errorOf([&] {
                  cn.ExecuteBound(insert, {ado::Value(QStringLiteral("k1")), ado::Value(QString(9000, u'x'))});
              }),
              0);
    EXPECT_EQ(cn.keptStatements(), (QStringList{unbound, unboundUpdate}));
    // Too few values: refused before the step, and nothing stays bound either.
    EXPECT_EQ(errorOf([&] { cn.ExecuteBound(update, {ado::Value(QStringLiteral("only one"))}); }),
              ado::errTooFewParameters);
    EXPECT_EQ(cn.keptStatements(), (QStringList{unbound, unboundUpdate}));
    EXPECT_EQ(scalar("SELECT Item || ',' || length(Renewalday) FROM tbl_ReadCsv WHERE [Key] = 'k1'"), "short,5000");
}

TEST_F(TemplateDb, FailHookFailsTheChosenStatementOnly) {
    cn.setFailHook([](const QString& sql) { return sql.contains("tbl_Model"); });
    EXPECT_EQ(errorOf([&] { cn.Execute("INSERT INTO tbl_Model (Model_Code) VALUES (1)"); }), ado::errProvider);
    EXPECT_EQ(exec("INSERT INTO tbl_Location (Location_Code) VALUES (1)"), 1);
    ado::Recordset rs;
    EXPECT_EQ(errorOf([&] { rs.Open("SELECT * FROM tbl_Model", cn); }), ado::errProvider);
    EXPECT_EQ(rs.State(), ado::adStateClosed);
    cn.setFailHook(nullptr);
    EXPECT_EQ(count("SELECT * FROM tbl_Model"), 1);  // the failed insert wrote nothing
}

}  // namespace
