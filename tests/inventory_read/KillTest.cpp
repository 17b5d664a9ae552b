// A process killed in the middle of a read command leaves every PC either complete or absent.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QRandomGenerator>
#include <QThread>
#include <csignal>

#include "core/Mdl_Access_mdb.h"
#include "inventory_read/Import.h"
#include "platform/db/Ado.h"
#include "tests/inventory_read/InventoryFixture.h"
#include "tests/support/FaultVfs.h"

namespace invtest {
namespace {

using inventory::LabelSet;

class KillTest : public InventoryTest {
protected:
    // Enough files that a kill after the delays below still comes during the run.
    static constexpr int kOutsideFiles = 150;

    // Copies of the Japanese sample, f00.csv, f01.csv, ...
    QStringList prepareFiles(int n) {
        QStringList names;
        for (int i = 0; i < n; ++i) {
            names << QString("f%1.csv").arg(i, 2, 10, QChar('0'));
            copySample("inventory_ja.csv", names.last());
        }
        return names;
    }

    // Runs the read loop in a child process on its own connection. Nothing of this process may hold the
    // database file open across the fork (each case starts on a fresh program folder). `killer` sees every statement
    // the child issues (with the number of files whose staging began) and returns true where the child is to die.
    // `ready` gets a byte once the child has opened the database. Returns the child's pid.
    pid_t startChild(const QStringList& names, std::function<bool(const QString&, int)> killer, int readyFd) {
        gCn_ptr.reset();  // SQLite connections must not cross a fork: the child opens its own
        closeSide();
        const QString folder = m_folder->path();
        const pid_t pid = fork();
        if (pid != 0) return pid;

        if (!fnc_DB_Open()) _exit(3);
        int files = 0;
        gCn().setFailHook([&files, killer](const QString& sql) {
            if (sql == "DELETE FROM tbl_ReadCsv") ++files;
            if (killer && killer(sql, files)) ::kill(::getpid(), SIGKILL);
            return false;
        });
        if (readyFd >= 0) (void)!::write(readyFd, "r", 1);
        inventory::FileListSource src;
        src.folder = folder;
        src.count = int(names.size());
        src.name = [names](int i) { return names[i]; };
        src.selected = [](int) { return true; };
        (void)inventory::runReadLoop(src, LabelSet::Japanese);
        _exit(0);
    }

    // After the child: the database opens, and each PC present is the whole file.
    void expectCompleteOrAbsent(int expectedPcs) {
        openDb();
        const int pcs = count("SELECT * FROM tbl_Computer_List WHERE MainKey > 0");
        if (expectedPcs >= 0) {
            EXPECT_EQ(pcs, expectedPcs);
        }
        EXPECT_EQ(count("SELECT * FROM tbl_Pclist WHERE MainKey > 0"), pcs);
        EXPECT_EQ(orphanRows(), 0);
        for (int key = 1; key <= pcs; ++key) {
            SCOPED_TRACE(QString("PC %1").arg(key).toStdString());
            expectPcAsExpected(key, "inventory_ja.csv", LabelSet::Japanese);
        }
    }
};

TEST_F(KillTest, AKillAtAnyPointOfAFileLeavesNoHalfPc) {
    struct Case {
        const char* why;
        std::function<bool(const QString&, int)> killer;
        int pcs;  // the PCs committed before the kill
    } cases[] = {
        {"while the third file is staged",
         [n = 0](const QString& s, int files) mutable {
             return files == 3 && s.startsWith("INSERT INTO tbl_ReadCsv") && ++n == 40;
         },
         2},
        {"between the third PC's two inserts",
         [](const QString& s, int files) { return files == 3 && s.startsWith("INSERT INTO tbl_PClist"); }, 2},
        {"in the third file's catalogue updates",
         [](const QString& s, int files) { return files == 3 && s.contains("tbl_Pclist.[CPU_FPU]"); }, 2},
        {"in the third file's list copies",
         [n = 0](const QString& s, int files) mutable {
             return files == 3 && s.startsWith("INSERT INTO tbl_Device_Management") && ++n == 1;
         },
         2},
        {"right after the third file", [](const QString& s, int files) { return files == 4 && s.startsWith("DELETE"); },
         3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        TearDown();
        SetUp();
        const QStringList names = prepareFiles(5);
        const pid_t pid = startChild(names, c.killer, -1);
        ASSERT_GT(pid, 0);
        int status = 0;
        ASSERT_EQ(::waitpid(pid, &status, 0), pid);
        ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << "the child was to be killed";
        expectCompleteOrAbsent(c.pcs);
    }
}

TEST_F(KillTest, AKillFromOutsideAtARandomMomentLeavesNoHalfPc) {
    for (int delayMs : {15, 60, 140}) {
        SCOPED_TRACE(delayMs);
        TearDown();
        SetUp();
        const QStringList names = prepareFiles(kOutsideFiles);
        int pipeFds[2];
        ASSERT_EQ(::pipe(pipeFds), 0);
        const pid_t pid = startChild(names, {}, pipeFds[1]);
        ASSERT_GT(pid, 0);
        ::close(pipeFds[1]);
        char byte = 0;
        ASSERT_EQ(::read(pipeFds[0], &byte, 1), 1);
        ::close(pipeFds[0]);
        QThread::msleep(delayMs);
        ::kill(pid, SIGKILL);
        int status = 0;
        ASSERT_EQ(::waitpid(pid, &status, 0), pid);
        expectCompleteOrAbsent(-1);
        EXPECT_LT(count("SELECT * FROM tbl_Computer_List WHERE MainKey > 0"), kOutsideFiles)
            << "the kill came after the run";
    }
}

// Checks one ledger with a connection of its own, closed again before the next child starts.
class LedgerCheck {
public:
    explicit LedgerCheck(const QString& path) { m_cn.Open("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" + path); }
    ~LedgerCheck() { m_cn.Close(); }

    QString text(const QString& query) {
        ado::Recordset rs;
        rs.Open(query, m_cn, ado::adOpenStatic, ado::adLockReadOnly);
        return rs.EOF() ? QString("<none>") : rs.Fields(0).value().toTextOrEmpty();
    }
    int number(const QString& query) { return text(query).toInt(); }
    // The table's columns but MainKey and [Key], each in brackets, comma-separated.
    QString columns(const QString& table) {
        ado::Recordset rs;
        rs.Open("SELECT name FROM pragma_table_info('" + table + "')", m_cn, ado::adOpenStatic, ado::adLockReadOnly);
        QStringList names;
        for (; !rs.EOF(); rs.MoveNext()) {
            const QString name = rs.Fields(0).value().toText();
            if (name != "MainKey" && name != "Key") names << '[' + name + ']';
        }
        return names.join(", ");
    }

private:
    ado::Connection m_cn;
};

// The promise made under load: a child importing into one ledger is killed over a hundred times, at
// writes and syncs chosen at random over its whole run. The import writes nothing before its commit
// (a file's pages stay in memory), so nearly every kill lands inside a commit, in the log or in a
// checkpoint copying the log into the database. After each kill the ledger opens intact, every PC is
// whole (equal to the first, undisturbed import of the same file), no list row lacks its PC, and every
// PC known to be committed is still there.
TEST_F(KillTest, AHundredKillsAtWritesAndSyncsNeverLeaveAHalfPc) {
    using Op = testsupport::FaultVfs::Op;
    constexpr int kFilesPerChild = 4;
    constexpr int kKills = 110;
    const QStringList names = prepareFiles(kFilesPerChild);
    const QString folder = m_folder->path();
    gCn_ptr.reset();

    // Runs one child that dies at its killAt-th write or sync (never when 0). Returns what it reported:
    // one 'f' per finished file, the kind of operation it died at ('w' log write, 'd' database write, 's'
    // sync), or "n" and the number of operations when it finished.
    auto runChild = [&](long killAt, bool* killed) {
        int fds[2];
        EXPECT_EQ(::pipe(fds), 0);
        const pid_t pid = fork();
        if (pid == 0) {
            ::close(fds[0]);
            long ops = 0;
            testsupport::FaultVfs vfs([&](Op op, const char* path) {
                if (op != Op::Write && op != Op::Sync) return 0;
                if (++ops == killAt) {
                    const char kind = op == Op::Sync ? 's' : QByteArray(path).endsWith("-wal") ? 'w' : 'd';
                    (void)!::write(fds[1], &kind, 1);
                    ::kill(::getpid(), SIGKILL);
                }
                return 0;
            });
            if (!fnc_DB_Open()) _exit(3);
            // Checkpoints often (the parent's checks end each run with an empty log), so kills land in them too.
            gCn().Execute("PRAGMA wal_autocheckpoint=20");
            inventory::FileListSource src;
            src.folder = folder;
            src.count = int(names.size());
            src.name = [&names](int i) { return names[i]; };
            src.selected = [](int) { return true; };
            const inventory::ReadRun run = inventory::runReadLoop(src, LabelSet::Japanese, [&](int i) {
                if (i > 0) (void)!::write(fds[1], "f", 1);
            });
            (void)!::write(fds[1], "f", 1);
            const QByteArray end = "n" + QByteArray::number(qlonglong(ops));
            (void)!::write(fds[1], end.constData(), size_t(end.size()));
            _exit(run.imported == int(names.size()) ? 0 : 4);
        }
        ::close(fds[1]);
        QByteArray report;
        char buf[256];
        for (ssize_t n; (n = ::read(fds[0], buf, sizeof buf)) > 0;) report.append(buf, n);
        ::close(fds[0]);
        int status = 0;
        EXPECT_EQ(::waitpid(pid, &status, 0), pid);
        *killed = WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
        if (!*killed) {
            EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
        }
        return report;
    };

    // The first child runs undisturbed: its first PC is the reference, and it tells how many writes and
    // syncs a run makes.
    bool killed = false;
    const QByteArray first = runChild(0, &killed);
    ASSERT_FALSE(killed);
    ASSERT_TRUE(first.startsWith(QByteArray(kFilesPerChild, 'f') + 'n')) << first.constData();
    const long opsPerRun = first.mid(kFilesPerChild + 1).toLong();
    ASSERT_GT(opsPerRun, 10);
    openDb();
    expectPcAsExpected(1, "inventory_ja.csv", LabelSet::Japanese);
    gCn_ptr.reset();  // no connection crosses a fork
    closeSide();

    QString pclistColumns, computerColumns;
    const char* lists[] = {"tbl_ApplicationsList", "tbl_Device_Management", "tbl_Printer_Management",
                           "tbl_Environmental"};
    std::map<QString, int> rowsPerPc;
    std::map<QString, QString> listColumns;
    {
        LedgerCheck check(m_folder->dbPath());
        pclistColumns = check.columns("tbl_Pclist");
        computerColumns = check.columns("tbl_Computer_List");
        for (const char* t : lists) {
            listColumns[t] = check.columns(t);
            rowsPerPc[t] = check.number(QString("SELECT count(*) FROM %1 WHERE [Key] = 1").arg(t));
            ASSERT_GT(rowsPerPc[t], 0) << t;
        }
    }

    int committed = kFilesPerChild;  // PCs known to be in the ledger
    int kills = 0;
    int runs = 0;
    std::map<char, int> killedAt;
    QRandomGenerator random(20240611);
    while (kills < kKills) {
        ASSERT_LT(++runs, kKills * 3) << "too few runs were killed";
        const long killAt = 1 + long(random.bounded(quint32(opsPerRun + opsPerRun / 10)));
        const QByteArray report = runChild(killAt, &killed);
        const int finished = int(report.count('f'));
        if (killed) {
            ++kills;
            ASSERT_FALSE(report.isEmpty());
            ++killedAt[report.back()];
        }
        SCOPED_TRACE(QString("run %1, killed at operation %2 (%3)").arg(runs).arg(killAt).arg(report).toStdString());

        LedgerCheck check(m_folder->dbPath());
        ASSERT_EQ(check.text("PRAGMA integrity_check"), "ok");
        const int pcs = check.number("SELECT count(*) FROM tbl_Computer_List WHERE MainKey > 0");
        // Every PC committed before stays; the file whose commit the kill interrupted is there or not.
        ASSERT_GE(pcs, committed + finished);
        ASSERT_LE(pcs, committed + finished + (killed ? 1 : 0));
        ASSERT_EQ(check.number("SELECT max(MainKey) FROM tbl_Computer_List"), pcs) << "a key went missing";
        ASSERT_EQ(check.number("SELECT count(*) FROM tbl_Pclist WHERE MainKey > 0"), pcs);
        ASSERT_EQ(check.number("SELECT count(*) FROM tbl_Pclist WHERE MainKey NOT IN (SELECT MainKey FROM "
                               "tbl_Computer_List)"),
                  0);
        // Every PC whole: one profile for all, equal to the reference's.
        ASSERT_EQ(check.number("SELECT count(*) FROM (SELECT DISTINCT " + pclistColumns +
                               " FROM tbl_Pclist WHERE MainKey > 0)"),
                  1);
        ASSERT_EQ(check.number("SELECT count(*) FROM (SELECT DISTINCT " + computerColumns +
                               " FROM tbl_Computer_List WHERE MainKey > 0)"),
                  1);
        for (const char* t : lists) {
            SCOPED_TRACE(t);
            ASSERT_EQ(check.number(QString("SELECT count(*) FROM %1 WHERE [Key] NOT IN (SELECT MainKey FROM "
                                           "tbl_Computer_List)")
                                       .arg(t)),
                      0);
            ASSERT_EQ(check.number(QString("SELECT count(DISTINCT [Key]) FROM %1").arg(t)), pcs);
            ASSERT_EQ(check.number(QString("SELECT count(*) FROM (SELECT [Key] FROM %1 GROUP BY [Key] HAVING "
                                           "count(*) <> %2)")
                                       .arg(t)
                                       .arg(rowsPerPc[t])),
                      0);
            // Row by row in staged order, every PC's list is the reference's.
            ASSERT_EQ(check.number(QString("SELECT count(*) FROM (SELECT DISTINCT row_number() OVER (PARTITION BY "
                                           "[Key] ORDER BY rowid) AS n, %1 FROM %2)")
                                       .arg(listColumns[t], t)),
                      rowsPerPc[t]);
        }
        committed = pcs;
    }
    // The kills landed in the log, in the database (checkpoints) and at syncs alike.
    EXPECT_GT(killedAt['w'], 10);
    EXPECT_GT(killedAt['d'], 0);
    EXPECT_GT(killedAt['s'], 0);
    RecordProperty("kills", QString("%1 in %2 runs: %3 log writes, %4 database writes, %5 syncs")
                                .arg(kills)
                                .arg(runs)
                                .arg(killedAt['w'])
                                .arg(killedAt['d'])
                                .arg(killedAt['s'])
                                .toStdString());
}

}  // namespace
}  // namespace invtest
