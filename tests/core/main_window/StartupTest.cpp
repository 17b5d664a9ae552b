// Start-up and shutdown of the real main window: the load steps with their failure states, the
// geometry in "DB.ini", Quit, the close box and the session end.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPointer>
#include <QStatusBar>
#include <cerrno>

#include "core/Mdl_Access_mdb.h"
#include "core/Mdl_gData.h"
#include "platform/db/Ado.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/Forms.h"
#include "platform/ui/StatusBar.h"
#include "tests/core/main_window/MainWindowFixture.h"
#include "tests/support/FaultVfs.h"

namespace mainwindow {
namespace {

bool dbOpen() { return gCn_ptr && gCn_ptr->State() == ado::adStateOpen; }

bool pcCommandsEnabled(frm_Main* m) {
    return m->Mnu_Edit_profile->isEnabled() && m->Mnu_Delete->isEnabled() && m->Mnu_ReplacePC->isEnabled();
}
bool pcCommandsDisabled(frm_Main* m) {
    return !m->Mnu_Edit_profile->isEnabled() && !m->Mnu_Delete->isEnabled() && !m->Mnu_ReplacePC->isEnabled();
}

class StartupTest : public MainWindowTest {};

// A failed load shows one box: the critical 警告 box. Its prompt, empty (with the failure) when another
// number of boxes was shown or another kind.
QString theOneWarningBox() {
    EXPECT_EQ(ui::script::shown().size(), 1u);
    if (ui::script::shown().size() != 1) return {};
    const ui::script::Shown& box = ui::script::shown().front();
    EXPECT_EQ(box.title, "警告");
    EXPECT_EQ(box.buttons & ui::vbCritical, ui::vbCritical);
    return box.prompt;
}

TEST_F(StartupTest, WithoutIniStartsWithDefaultsAndWritesNothing) {
    addPc({1, "PC-A"});
    addPc({2, "PC-B", 0, 0, /*deleted*/ 1});
    frm_Main* m = start();

    EXPECT_EQ(m->windowTitle(), "Vondari");
    EXPECT_FALSE(m->windowIcon().isNull());
    EXPECT_EQ(gSectionNumber, 0);
    for (int n = 0; n <= 7; ++n) EXPECT_EQ(gSectionName[n], " ") << n;
    EXPECT_EQ(gFormWidth, 14835);
    EXPECT_EQ(gFormHeight, 10530);
    EXPECT_EQ(gFormTop, 50);
    EXPECT_EQ(gFormLeft, 50);
    EXPECT_EQ(m->Width(), 14835);
    EXPECT_EQ(m->Height(), 10530);

    const MasterTableDef expected[] = {
        {"ユーザー", "tbl_User", "User_Name", "User_Code"},
        {"部", "tbl_Section", "Section_Name", "Section_Code"},
        {"課", "tbl_Division", "Division_Name", "Division_Code"},
        {"設置場所", "tbl_Location", "Location_Name", "Location_Code"},
        {"メーカー", "tbl_Manufacturer", "Manufacturer_Name", "Manufacturer_Code"},
        {"モデル", "tbl_Model", "Model_Name", "Model_Code"},
    };
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(gMasterTable[i].Caption, expected[i].Caption) << i;
        EXPECT_EQ(gMasterTable[i].TableName, expected[i].TableName) << i;
        EXPECT_EQ(gMasterTable[i].NameField, expected[i].NameField) << i;
        EXPECT_EQ(gMasterTable[i].CodeField, expected[i].CodeField) << i;
    }
    for (int i = 6; i <= 10; ++i) EXPECT_TRUE(gMasterTable[i].TableName.isEmpty()) << i;

    // View 0 never saved: installed PCs only, no sort, no chosen column (only the hidden key column).
    EXPECT_TRUE(dbOpen());
    EXPECT_TRUE(m->MainListReady);
    EXPECT_EQ(gRowCount, 1);
    EXPECT_EQ(gRowMainKey[1], 1);
    EXPECT_EQ(m->MSFlexGrid_Main->Cols(), 2);
    EXPECT_EQ(m->MSFlexGrid_Main->Rows(), 2);
    EXPECT_EQ(m->MainSelKey, 0);
    EXPECT_EQ(m->MainSelRow, 0);
    EXPECT_TRUE(pcCommandsDisabled(m));
    EXPECT_TRUE(m->Mnu_AddNew->isEnabled());
    EXPECT_FALSE(iniExists());
}

TEST_F(StartupTest, ReadsViewNamesGeometryAndTheCurrentView) {
    addLocation(1, "本社");
    addPc({1, "PC-A", 1});
    addPc({2, "PC-C"});
    addPc({3, "PC-B"});
    writeIni({"[Main]", "SectionNumber=2", "SectionName0=全台", "SectionName1=", "SectionName2=  並べ替え  ",
              "FormSizeWidth=12000", "FormSizeHight=9000", "FormTop=1500", "FormLeft=3000", "[2]", "OptDel=0",
              "SelectNumber=1", "KeyName0=Computer_Name", "KeyCaption0=コンピュータ名", "KeyASCDESC0=DESC",
              "MSFlexGrit_SelectNum=2", "MSFlexGrit_Select1=1", "MSFlexGrit_Select2=8"});
    const QByteArray before = iniBytes();
    frm_Main* m = start();

    EXPECT_EQ(gSectionNumber, 2);
    EXPECT_EQ(gSectionName[0], "全台");
    EXPECT_EQ(gSectionName[1], " ");
    EXPECT_EQ(gSectionName[2], "並べ替え");
    for (int n = 3; n <= 7; ++n) EXPECT_EQ(gSectionName[n], " ") << n;
    EXPECT_EQ(gFormWidth, 12000);
    EXPECT_EQ(gFormHeight, 9000);
    EXPECT_EQ(gFormTop, 1500);
    EXPECT_EQ(gFormLeft, 3000);
    EXPECT_EQ(m->Width(), 12000);
    EXPECT_EQ(m->Height(), 9000);
    EXPECT_EQ(m->Top(), 1500);
    EXPECT_EQ(m->Left(), 3000);

    ui::FlexGrid* g = m->MSFlexGrid_Main;
    ASSERT_EQ(g->Cols(), 4);
    EXPECT_EQ(g->TextMatrix(0, 2), "設置場所");
    EXPECT_EQ(g->TextMatrix(0, 3), "コンピュータ名");
    ASSERT_EQ(g->Rows(), 4);
    EXPECT_EQ(g->TextMatrix(1, 3), "PC-C");
    EXPECT_EQ(g->TextMatrix(2, 3), "PC-B");
    EXPECT_EQ(g->TextMatrix(3, 3), "PC-A");
    EXPECT_EQ(g->TextMatrix(3, 2), "本社");
    EXPECT_EQ(iniBytes(), before);
}

TEST_F(StartupTest, MissingDatabaseIsToldInTheStatusBarOnly) {
    ASSERT_TRUE(QFile::remove(m_folder->dbPath()));
    writeIni({"[Main]", "SectionName0=全台", "FormTop=abc"});
    const QByteArray before = iniBytes();
    frm_Main* m = start();

    const QString expected = "DBファイルが見つかりません。\r\nData Source=" + m_folder->dbPath() + "を確認ください";
    EXPECT_EQ(m->panelText(), expected);
    // Shown on two lines.
    EXPECT_EQ(m->StatusBar1_Panel1->text().count('\n'), 1);
    EXPECT_FALSE(m->StatusBar1_Panel1->text().contains('\r'));
    // The bar grows past its one-line design so the path on the second line is not cut off.
    EXPECT_GE(m->StatusBar1->minimumHeight(), m->StatusBar1_Panel1->sizeHint().height());
    EXPECT_TRUE(ui::script::shown().empty());

    // The view names were read before the database; the geometry ("abc" included) was not.
    EXPECT_EQ(gSectionName[0], "全台");
    EXPECT_EQ(gFormWidth, 0);
    EXPECT_EQ(gFormTop, 0);
    EXPECT_FALSE(dbOpen());
    EXPECT_FALSE(m->MainListReady);
    EXPECT_EQ(gRowCount, 0);
    EXPECT_EQ(m->ScaleWidth(), 10560);
    EXPECT_EQ(m->ScaleHeight(), 7680);
    EXPECT_TRUE(pcCommandsEnabled(m));
    EXPECT_FALSE(QFileInfo::exists(m_folder->dbPath()));
    EXPECT_EQ(iniBytes(), before);
}

// A full disk when the start-up's first read makes the WAL index: the standard error box names the full disk,
// not only an I/O error, and the load goes on without the database.
TEST_F(StartupTest, AFullDiskWhenTheWalIndexIsMadeIsNamedInTheErrorBox) {
    using Op = testsupport::FaultVfs::Op;
    addPc({1, "PC-A"});
    closeSide();
    ASSERT_FALSE(QFileInfo::exists(m_folder->dbPath() + "-shm"));
    const QByteArray before = testsupport::readFile(m_folder->dbPath());
    testsupport::FaultVfs vfs([](Op op, const char* path) {
        return op == Op::ShmMap && QString::fromUtf8(path).endsWith("pcdb.mdb") ? SQLITE_IOERR_SHMSIZE : SQLITE_OK;
    });
    vfs.reportSystemError(ENOSPC);
    ui::script::answerMsgBox(ui::vbOK);
    frm_Main* m = start();

    const QString prompt = theOneWarningBox();
    EXPECT_TRUE(prompt.contains("（エラー内容：database or disk is full）")) << prompt.toStdString();
    EXPECT_FALSE(dbOpen());
    EXPECT_FALSE(m->MainListReady);
    EXPECT_EQ(testsupport::readFile(m_folder->dbPath()), before);
}

// A value that is no number, or does not fit, ends the load at its step with the standard error box.
TEST_F(StartupTest, BadIniValueEndsTheLoadWhereItStands) {
    struct Case {
        const char* what;
        QStringList ini;
        long error;
        bool dbOpenAfter;
        qint32 width;  // gFormWidth after the load
    };
    const Case cases[] = {
        {"SectionNumber no number: before the database", {"[Main]", "SectionNumber=abc"}, 13, false, 0},
        {"SectionNumber beyond 16 bits", {"[Main]", "SectionNumber=40000"}, 6, false, 0},
        {"FormTop no number: width and height read, connection open",
         {"[Main]", "FormSizeWidth=12000", "FormTop=abc"},
         13,
         true,
         12000},
        {"FormSizeWidth beyond 32 bits", {"[Main]", "FormSizeWidth=99999999999"}, 6, true, 0},
        {"a view value no number: geometry applied, no list",
         {"[Main]", "FormSizeWidth=12000", "[0]", "MSFlexGrit_SelectNum=x"},
         13,
         true,
         12000},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TearDown();
        SetUp();
        addPc({1, "PC-A"});
        writeIni(c.ini);
        ui::script::answerMsgBox(ui::vbOK);
        frm_Main* m = start();

        const QString prompt = theOneWarningBox();
        EXPECT_TRUE(prompt.contains(QString("（エラーコード：%1）").arg(c.error))) << prompt.toStdString();
        EXPECT_EQ(dbOpen(), c.dbOpenAfter);
        EXPECT_EQ(gFormWidth, c.width);
        EXPECT_FALSE(m->MainListReady);
        EXPECT_EQ(gRowCount, 0);
        EXPECT_TRUE(pcCommandsEnabled(m));
        if (c.ini.contains("[0]")) {
            EXPECT_EQ(m->Width(), 12000);  // the view is read after the geometry was applied
        } else {
            EXPECT_EQ(m->ScaleWidth(), 10560);  // designed size
            EXPECT_EQ(m->ScaleHeight(), 7680);
        }
    }
}

TEST_F(StartupTest, GridFollowsTheWindowButNeverBelowZero) {
    frm_Main* m = start();
    m->Show(ui::vbModeless);
    QCoreApplication::processEvents();  // the window system's first placement comes in first
    ui::FlexGrid* g = m->MSFlexGrid_Main;
    auto resizeTo = [m](int width, int height) {
        m->setWidth(width);
        m->setHeight(height);
        QCoreApplication::processEvents();
    };
    resizeTo(9000, 6000);
    EXPECT_EQ(g->geometry().width(), ui::px(9000 - 500));
    EXPECT_EQ(g->geometry().height(), ui::px(6000 - 1050));
    EXPECT_EQ(g->geometry().topLeft(), QPoint(ui::px(120), ui::px(120)));

    // Too narrow and too low: each side keeps what it had.
    resizeTo(450, 6000);
    EXPECT_EQ(g->geometry().width(), ui::px(9000 - 500));
    resizeTo(450, 1000);
    EXPECT_EQ(g->geometry().height(), ui::px(6000 - 1050));
    resizeTo(12000, 1000);
    EXPECT_EQ(g->geometry().width(), ui::px(12000 - 500));
    EXPECT_EQ(g->geometry().height(), ui::px(6000 - 1050));
}

// "DB.ini" as the user's program left it, with the four keys in the order they were first written.
QStringList savedIni() {
    return {"[Main]",
            "SectionNumber=1",
            "SectionName0=全台",
            "SectionName1=ﾃｽﾄ表示",
            "FormSizeWidth=12000",
            "FormSizeHight=9000",
            "FormTop=1500",
            "FormLeft=3000",
            "",
            "[1]",
            "OptDel=2",
            "SelectNumber=0",
            "MSFlexGrit_SelectNum=1",
            "MSFlexGrit_Select1=8"};
}

TEST_F(StartupTest, QuitWritesTheGeometryInPlaceAndClosesTheDatabase) {
    writeIni(savedIni());
    frm_Main* m = start();
    m->setLeft(600);
    m->setTop(750);
    m->setWidth(13500);
    m->setHeight(9750);
    QPointer<frm_Main> alive(m);
    m->Mnu_Program_Quit->trigger();
    flushDeletes();

    QStringList expected = savedIni();
    expected[4] = "FormSizeWidth=13500";
    expected[5] = "FormSizeHight=9750";
    expected[6] = "FormTop=750";
    expected[7] = "FormLeft=600";
    EXPECT_EQ(iniBytes(), cp932Lines(expected));
    EXPECT_FALSE(dbOpen());
    EXPECT_TRUE(alive.isNull());
    EXPECT_TRUE(ui::loadedForms().empty());
}

TEST_F(StartupTest, QuitWithoutIniCreatesSectionMainInWriteOrder) {
    frm_Main* m = start();
    m->setLeft(1500);
    m->setTop(3000);
    m->Mnu_Program_Quit_Click();
    flushDeletes();
    EXPECT_EQ(iniBytes(),
              cp932Lines({"[Main]", "FormTop=3000", "FormLeft=1500", "FormSizeWidth=14835", "FormSizeHight=10530"}));
}

// A window parked at the left or top edge keeps the position it had before.
TEST_F(StartupTest, QuitAtTheScreenEdgeKeepsTheEarlierPosition) {
    writeIni(savedIni());
    frm_Main* m = start();
    m->setLeft(0);
    m->setTop(0);
    m->Mnu_Program_Quit_Click();
    flushDeletes();
    const QByteArray ini = iniBytes();
    EXPECT_TRUE(ini.contains("FormTop=1500\r\n"));
    EXPECT_TRUE(ini.contains("FormLeft=3000\r\n"));
}

// A read-only "DB.ini" refuses the four writes: one box for the command, then Quit goes on.
TEST_F(StartupTest, RefusedIniWriteIsToldOnceAndQuitGoesOn) {
    writeIni(savedIni());
    const QByteArray before = iniBytes();
    ASSERT_TRUE(QFile::setPermissions(iniPath(), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    frm_Main* m = start();
    ASSERT_TRUE(dbOpen());
    m->setLeft(600);
    QPointer<frm_Main> alive(m);
    ui::script::answerMsgBox(ui::vbOK);
    m->Mnu_Program_Quit_Click();
    flushDeletes();

    ASSERT_EQ(ui::script::shown().size(), 1u);
    EXPECT_EQ(ui::script::shown().front().prompt, "iniファイル書き込み失敗");
    EXPECT_EQ(ui::script::shown().front().buttons, ui::vbOKOnly);
    EXPECT_EQ(iniBytes(), before);
    EXPECT_FALSE(dbOpen());
    EXPECT_TRUE(alive.isNull());
}

// The close box unloads every window and keeps both the settings file and the connection as they were.
TEST_F(StartupTest, CloseBoxUnloadsAllAndLeavesIniByteForByte) {
    writeIni(savedIni());
    const QByteArray before = iniBytes();
    frm_Main* m = start();
    m->setLeft(600);
    m->setWidth(9000);
    auto* other = new ui::Form("frm_Probe");
    other->Load();
    other->Show(ui::vbModeless);
    QPointer<ui::Form> otherAlive(other);
    QPointer<frm_Main> alive(m);

    EXPECT_TRUE(m->closeWithReason(ui::vbFormControlMenu));
    flushDeletes();
    EXPECT_TRUE(alive.isNull());
    EXPECT_TRUE(otherAlive.isNull());
    EXPECT_TRUE(ui::loadedForms().empty());
    EXPECT_TRUE(dbOpen());
    EXPECT_EQ(iniBytes(), before);
}

// Session end and the task list (SIGTERM) close the connection, unload everything, save no geometry.
TEST_F(StartupTest, SessionEndClosesTheDatabaseWithoutSavingGeometry) {
    for (int reason : {int(ui::vbAppWindows), int(ui::vbAppTaskManager), int(ui::vbFormCode)}) {
        SCOPED_TRACE(reason);
        TearDown();
        SetUp();
        writeIni(savedIni());
        const QByteArray before = iniBytes();
        frm_Main* m = start();
        m->setLeft(600);
        auto* other = new ui::Form("frm_Probe");
        other->Load();
        QPointer<ui::Form> otherAlive(other);
        QPointer<frm_Main> alive(m);
        ASSERT_TRUE(dbOpen());

        EXPECT_TRUE(m->closeWithReason(reason));
        flushDeletes();
        EXPECT_FALSE(dbOpen());
        EXPECT_TRUE(alive.isNull());
        EXPECT_TRUE(otherAlive.isNull());
        EXPECT_EQ(iniBytes(), before);
    }
}

TEST_F(StartupTest, LostFocusCopiesOnlyAPositionAboveZero) {
    writeIni(savedIni());
    frm_Main* m = start();
    m->Show(ui::vbModeless);
    m->setLeft(750);
    m->setTop(0);
    m->setWidth(9000);
    auto* other = new ui::Form("frm_Probe");
    other->Load();
    other->Show(ui::vbModeless);
    QApplication::setActiveWindow(m);
    QApplication::setActiveWindow(other);
    QCoreApplication::processEvents();
    EXPECT_EQ(gFormLeft, 750);
    EXPECT_EQ(gFormTop, 1500);
    EXPECT_EQ(gFormWidth, 12000);
}

}  // namespace
}  // namespace mainwindow
