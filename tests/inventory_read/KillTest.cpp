// A process killed in the middle of a read command leaves every PC either complete or absent.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QThread>
#include <csignal>

#include "core/Mdl_Access_mdb.h"
#include "inventory_read/Import.h"
#include "tests/inventory_read/InventoryFixture.h"

namespace invtest {
namespace {

using inventory::LabelSet;

class KillTest : public InventoryTest {
protected:
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
        const QStringList names = prepareFiles(40);
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
        EXPECT_LT(count("SELECT * FROM tbl_Computer_List WHERE MainKey > 0"), 40) << "the kill came after the run";
    }
}

}  // namespace
}  // namespace invtest
