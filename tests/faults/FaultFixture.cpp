#include "tests/faults/FaultFixture.h"

#include <sqlite3.h>

#include <QFile>
#include <QTest>
#include <chrono>

#include "app/AllForms.h"
#include "core/Mdl_Access_mdb.h"
#include "core/Mdl_gData.h"
#include "platform/db/Ado.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/Form.h"
#include "platform/ui/Forms.h"
#include "platform/ui/SingleInstance.h"

namespace faulttest {

QString descriptionOf(Fault fault) {
    switch (fault) {
        case Fault::FullDisk:
            return QStringLiteral("database or disk is full");
        case Fault::ReadOnly:
            return QStringLiteral("attempt to write a readonly database");
        case Fault::Locked:
        case Fault::BriefLock:
            break;
    }
    return QStringLiteral("database is locked");
}

const char* nameOf(Fault fault) {
    switch (fault) {
        case Fault::FullDisk:
            return "FullDisk";
        case Fault::ReadOnly:
            return "ReadOnly";
        case Fault::Locked:
            return "Locked";
        case Fault::BriefLock:
            break;
    }
    return "LockedForHalfASecond";
}

LockHolder::LockHolder(const QString& dbPath) {
    EXPECT_EQ(sqlite3_open_v2(QFile::encodeName(dbPath).constData(), &m_db, SQLITE_OPEN_READWRITE, nullptr), SQLITE_OK);
    sqlite3_busy_timeout(m_db, 2000);
    const int rc = sqlite3_exec(m_db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr);
    EXPECT_EQ(rc, SQLITE_OK) << sqlite3_errmsg(m_db);
    m_held = rc == SQLITE_OK;
}

LockHolder::~LockHolder() {
    if (m_releaser.joinable()) m_releaser.join();
    release();
    sqlite3_close_v2(m_db);
}

void LockHolder::release() {
    if (m_held.exchange(false)) sqlite3_exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr);
}

void LockHolder::releaseAfter(int ms) {
    m_releaser = std::thread([this, ms] {
        std::this_thread::sleep_for(std::chrono::milliseconds(ms));
        release();
    });
}

void FaultTest::SetUp() {
    LedgerTest::SetUp();
    // Before any connection opens: each one takes the layer that is the default when it opens.
    m_vfs =
        std::make_unique<testsupport::FaultVfs>([full = m_diskFull](testsupport::FaultVfs::Op op, const char* path) {
            const bool wal = QByteArray(path).endsWith("-wal");
            return *full && op == testsupport::FaultVfs::Op::Write && wal ? SQLITE_FULL : SQLITE_OK;
        });
    // A box the run did not expect takes the default answer and is recorded: the exact list of boxes is
    // what every case compares, so a stray one shows up there with its text.
    ui::script::onUnscripted([](const ui::script::Shown&) {});
    ASSERT_FALSE(ui::anotherInstanceRunning());
    registerAllForms();
    // The main window's place and size, and a list by computer name.
    writeIni({"[Main]", "FormSizeWidth=14400", "FormSizeHight=9000", "FormTop=300", "FormLeft=450", "[0]",
              "SelectNumber=1", "KeyName0=Computer_Name", "KeyCaption0=コンピュータ名", "KeyASCDESC0=ASC",
              "MSFlexGrit_SelectNum=1", "MSFlexGrit_Select1=8"});
    openDb();
    gFormWidth = 14400;
    gFormHeight = 9000;
    gFormTop = 300;
    gFormLeft = 450;
}

void FaultTest::TearDown() {
    m_lock.reset();
    *m_diskFull = false;
    if (gCn_ptr && gCn_ptr->State() == ado::adStateOpen) gCn_ptr->setFailHook({});
    LedgerTest::TearDown();
    testsupport::settle();
    m_vfs.reset();
}

QWidget* FaultTest::show(const QString& formName) {
    ui::Form* f = ui::showForm(formName, ui::vbModeless);
    EXPECT_NE(f, nullptr) << formName.toStdString();
    if (f) {
        EXPECT_TRUE(QTest::qWaitForWindowExposed(f));
        f->activateWindow();
    }
    testsupport::settle();
    return f;
}

QWidget* FaultTest::startMain() { return show(QStringLiteral("frm_Main")); }

void FaultTest::command(const QWidget* form, const QString& actionName) {
    for (int answer : m_answers) ui::script::answerMsgBox(answer);
    EXPECT_TRUE(testsupport::triggerAction(form, actionName)) << actionName.toStdString();
    testsupport::settle();
}

QString FaultTest::everything() const {
    sqlite3* db = nullptr;
    QString out;
    if (sqlite3_open_v2(QFile::encodeName(m_folder->dbPath()).constData(), &db, SQLITE_OPEN_READONLY, nullptr) !=
        SQLITE_OK) {
        sqlite3_close_v2(db);
        return QStringLiteral("<cannot open>");
    }
    QStringList tables;
    {
        sqlite3_stmt* st = nullptr;
        sqlite3_prepare_v2(db, "SELECT name FROM sqlite_master WHERE type = 'table' ORDER BY name", -1, &st, nullptr);
        while (sqlite3_step(st) == SQLITE_ROW)
            tables << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, 0)));
        sqlite3_finalize(st);
    }
    for (const QString& table : tables) {
        out += table + QStringLiteral(":\n");
        sqlite3_stmt* st = nullptr;
        const QByteArray query = "SELECT * FROM \"" + table.toUtf8() + "\" ORDER BY rowid";
        if (sqlite3_prepare_v2(db, query.constData(), -1, &st, nullptr) != SQLITE_OK) {
            out += QStringLiteral("<unreadable>\n");
            continue;
        }
        while (sqlite3_step(st) == SQLITE_ROW) {
            QStringList row;
            for (int c = 0; c < sqlite3_column_count(st); ++c) {
                if (sqlite3_column_type(st, c) == SQLITE_NULL) {
                    row << QStringLiteral("<null>");
                    continue;
                }
                const auto* text = static_cast<const char*>(sqlite3_column_blob(st, c));
                row << QString::fromUtf8(text, sqlite3_column_bytes(st, c));
            }
            out += row.join(QLatin1Char('|')) + QLatin1Char('\n');
        }
        sqlite3_finalize(st);
    }
    sqlite3_close_v2(db);
    return out;
}

void FaultTest::arm(Fault fault) {
    switch (fault) {
        case Fault::FullDisk:
            *m_diskFull = true;
            break;
        case Fault::ReadOnly:
            // The superuser (as CI runs) writes whatever the file's mode says; the engine's read-only switch
            // refuses writes with the error a read-only file gives.
            gCn().Execute(QStringLiteral("PRAGMA query_only = ON"));
            break;
        case Fault::Locked:
            m_lock = std::make_unique<LockHolder>(m_folder->dbPath());
            break;
        case Fault::BriefLock:
            m_lock = std::make_unique<LockHolder>(m_folder->dbPath());
            m_lock->releaseAfter(500);
            break;
    }
}

void FaultTest::disarm(Fault fault) {
    switch (fault) {
        case Fault::FullDisk:
            *m_diskFull = false;
            break;
        case Fault::ReadOnly:
            gCn().Execute(QStringLiteral("PRAGMA query_only = OFF"));
            break;
        case Fault::Locked:
        case Fault::BriefLock:
            m_lock.reset();
            break;
    }
}

}  // namespace faulttest
