// The overwrite: what it writes to the PC and its lists, what it refuses to start, and what a failure
// leaves behind (nothing).
#include <gtest/gtest.h>
#include <unistd.h>

#include <QFile>
#include <QLineEdit>
#include <QTest>
#include <chrono>
#include <functional>
#include <map>
#include <thread>

#include "core/Mdl_Access_mdb.h"
#include "core/Mdl_ReadCsv.h"
#include "core/Registration.h"
#include "core/frm_Main.h"
#include "platform/db/Ado.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/Forms.h"
#include "platform/ui/SingleInstance.h"
#include "platform/ui/TextBox.h"
#include "tests/inventory_compare/window/CompareFixture.h"
#include "tests/support/UiDriver.h"

namespace comparetest {
namespace {

const QString kAsk = QStringLiteral("CSVインポート|36|DBを更新しますか ?");
const QString kDone = QStringLiteral("Vondari|0|完了しました");

class Overwrite : public CompareTest {
protected:
    void SetUp() override {
        CompareTest::SetUp();
        seedMasters();
        seedPc(1, "OLD-NAME");
        seedPc(2, "NEIGHBOUR");
        sql("UPDATE tbl_Pclist SET Workgroup = 'OLDGROUP', Pagefile_Free = 777, Memory_Full = 1 WHERE MainKey = 1");
        sql("UPDATE tbl_Computer_List SET [Update] = '1999/12/31', Type_Number = 'OLD' WHERE MainKey = 1");
        for (int key : {1, 2}) {
            sql(QString("INSERT INTO tbl_ApplicationsList ([Key], Application_Name) VALUES (%1, 'old app')").arg(key));
            sql(QString("INSERT INTO tbl_Device_Management ([Key], Device_Category, Device_Name) VALUES (%1, 'c', 'd')")
                    .arg(key));
            sql(QString("INSERT INTO tbl_Printer_Management ([Key], Printer_Name) VALUES (%1, 'p')").arg(key));
            sql(QString("INSERT INTO tbl_Environmental ([Key], Environmental_Name) VALUES (%1, 'e')").arg(key));
        }
        ASSERT_TRUE(open());
        pick(1);
    }

    // Chooses a row with the mouse and rewrites its incoming value with the edit box.
    void rewrite(int row, const QString& text) {
        ASSERT_TRUE(testsupport::clickCell(m_form->MSFlexGrid1, row, 2));
        settle();
        m_form->tbx_Edit->setText(text);
        ASSERT_TRUE(testsupport::triggerAction(m_form, "Mnu_Update"));
    }

    int listRows(const QString& table, int key) {
        return count(QString("SELECT * FROM %1 WHERE [Key] = %2").arg(table).arg(key));
    }

    // Everything the overwrite may touch, to show that a refused or failed one touched nothing.
    QStringList snapshot() {
        QStringList s;
        for (int key : {1, 2}) {
            s << pclist(key, "Computer_Name") << pclist(key, "Workgroup") << pclist(key, "Update")
              << computerList(key, "Type_Number") << computerList(key, "Update");
            for (const char* t :
                 {"tbl_ApplicationsList", "tbl_Device_Management", "tbl_Printer_Management", "tbl_Environmental"})
                s << QString::number(listRows(t, key));
        }
        return s;
    }
};

TEST_F(Overwrite, WritesTheIncomingColumnAndReplacesTheLists) {
    read(copySample("inventory_ja.csv"));
    rewrite(1, "NEW-NAME");
    rewrite(97, "10.9.9.9");  // rows 96 and 97 both name PrimaryDNS: the later one is stored
    overwrite();
    EXPECT_EQ(msgBoxes(), (QStringList{kAsk, kDone}));

    struct Stored {
        const char* column;
        QString value;
    } profile[] = {
        {"Computer_Name", "NEW-NAME"},
        {"Workgroup", "SOUMU"},
        {"IPAddress", "192.168.1.10"},
        {"IPAddress_16num", "C0A8010A"},
        {"Update", "2005/04/01 12：30：45"},
        {"MacAddress", "00：0D：60：12：34：56"},
        {"Memory_Full", "2048"},
        {"Memory_Full_unit", "MB"},
        {"Memory_Used", "1024"},  // 1024.5: halves go to the even neighbour
        {"Memory_Free", "0"},     // "512 MB" is no number: stored as the file reader stores it
        {"SysHD_Full", "40000"},  // blanks around a number are allowed
        {"SysHD_Used", "2"},      // 2.5
        {"SysHD_Free", "4"},      // 3.5
        {"Pagefile_Full", "0"},   // beyond 32 bits
        {"Pagefile_Used", "-12"},
        {"Pagefile_Free", "777"},  // an empty integer cell keeps the stored number
        {"CPU_L1_Instruction_Cache", "0"},
        {"CPU_L3_Cache", "0"},  // "なし"
        {"CPU_FPU", "1"},       // the file's TRUE is stored as the ledger's 1
        {"CPU_DE", "1"},
        {"CPU_PSE", "0"},  // True is not TRUE
        {"CPU_MSR", "0"},
        {"CPU_MCE", "0"},  // empty
        {"CPU_CID", "0"},  // " TRUE"
        {"PrimaryDNS", "10.9.9.9"},
        {"Internet_Connection", "1"},
        {"Modem_Connection", "0"},
        {"Start_Page", "http：//www.example.co.jp/＃top"},
        {"SecondaryWINS", ""},  // a text row left empty stores an empty text
    };
    for (const Stored& s : profile) EXPECT_EQ(pclist(1, s.column), s.value) << s.column;
    EXPECT_EQ(computerList(1, "Type_Number"), "PC-MA26D");
    EXPECT_EQ(computerList(1, "Sereals_Number"), "SN-0012；34");
    EXPECT_EQ(computerList(1, "Update"), "1999/12/31") << "the date row writes the profile's date only";
    EXPECT_EQ(cell(53, 4), "TRUE") << "the grid still shows the file's text";

    struct List {
        const char* table;
        int rows;
    } lists[] = {{"tbl_ApplicationsList", 3},
                 {"tbl_Device_Management", 4},
                 {"tbl_Printer_Management", 2},
                 {"tbl_Environmental", 3}};
    for (const List& l : lists) {
        EXPECT_EQ(listRows(l.table, 1), l.rows) << l.table;
        EXPECT_EQ(listRows(l.table, 2), 1) << l.table << " of another PC";
    }
    EXPECT_EQ(scalar("SELECT Application_Path FROM tbl_ApplicationsList WHERE [Key] = 1 AND Application_Name = "
                     "'予定表ソフト'"),
              "C：￥Program Files￥予定表￥yotei.exe");
    EXPECT_EQ(pclist(2, "Computer_Name"), "NEIGHBOUR");

    // Nothing is refreshed, and the grid's current cell is the last row's incoming value.
    EXPECT_EQ(cell(1, 3), "OLD-NAME");
    EXPECT_EQ(m_form->MSFlexGrid1->Row(), 107);
    EXPECT_EQ(m_form->MSFlexGrid1->Col(), 4);
    EXPECT_EQ(m_form->m_SelectRow, 97);
    EXPECT_FALSE(gCn().inTransaction());
}

TEST_F(Overwrite, AnswerNoOrNothingChosenWritesNothing) {
    read(copySample("inventory_ja.csv"));
    const QStringList before = snapshot();
    overwrite(false);
    EXPECT_EQ(msgBoxes(), (QStringList{kAsk}));
    EXPECT_EQ(snapshot(), before);

    // No PC chosen: nothing is asked.
    ui::script::reset();
    m_form->Unload();
    settle();
    ASSERT_TRUE(open());
    ASSERT_TRUE(testsupport::triggerAction(m_form, "Mnu_DBUpdate"));
    EXPECT_TRUE(msgBoxes().isEmpty());
    EXPECT_EQ(snapshot(), before);
}

TEST_F(Overwrite, RefusesUnlessTheStagedFileIsTheOneReadSinceThePick) {
    const QString ja = copySample("inventory_ja.csv");
    const QString en = copySample("inventory_en.csv");
    const QStringList before = snapshot();
    struct Case {
        const char* what;
        std::function<void()> steps;
        QString refusal;
        bool changesThePc = false;
    } cases[] = {
        {"no read since the pick", [] {}, "CSVファイルを読み込んでください。"},
        {"a pick after the read",
         [&] {
             read(ja);
             pick(1);
         },
         "CSVファイルを読み込んでください。"},
        {"another window's read after this window's",
         [&] {
             read(ja);
             importWithTheReadingWindow("inventory_en.csv");
         },
         "CSVファイルを読み込み直してください。"},
        {"a read of this window that stopped on an error",
         [&] {
             read(ja);
             gCn().setFailHook([](const QString& s) { return s.contains("'SerialNo'"); });
             read(ja, true);
             gCn().setFailHook({});
         },
         "CSVファイルを読み込み直してください。"},
        {"the PC renamed meanwhile (the record editor, say)",
         [&] {
             read(ja);
             sql("UPDATE tbl_Pclist SET Computer_Name = 'RENAMED' WHERE MainKey = 1");
         },
         "選択したPCは選択した後に削除または変更されています。PCを選択し直してください。", true},
        {"the PC deleted meanwhile",
         [&] {
             read(ja);
             sql("DELETE FROM tbl_Computer_List WHERE MainKey = 1");
         },
         "選択したPCはデータベースにありません。", true},
    };
    for (const Case& c : cases) {
        pick(1);
        c.steps();
        ui::script::reset();
        ui::script::answerMsgBox(ui::vbOK);
        ASSERT_TRUE(testsupport::triggerAction(m_form, "Mnu_DBUpdate"));
        EXPECT_EQ(msgBoxes(), QStringList{"CSVインポート|0|" + c.refusal}) << c.what;
        if (!c.changesThePc) {
            EXPECT_EQ(snapshot(), before) << c.what;
        }
    }
    EXPECT_EQ(listRows("tbl_ApplicationsList", 1), 1) << "no lists under a key without its PC";

    // Reading again in this window puts things right.
    addPc({9, "THIRD", 1, 1});
    m_form->Unload();
    settle();
    ASSERT_TRUE(open());
    pick(9);
    read(en);
    ui::script::reset();
    overwrite();
    EXPECT_EQ(msgBoxes(), (QStringList{kAsk, kDone}));
    EXPECT_EQ(pclist(9, "CPU_Name"), "AMD Athlon XP");
}

// The main window deletes the picked PC and makes a new one, which is given the freed key: the overwrite
// of the old pick is refused and writes nothing into the new PC. Picked again, the new PC is overwritten.
TEST_F(CompareTest, APcGivenThePickedKeySinceThePickIsNotOverwritten) {
    ASSERT_FALSE(ui::anotherInstanceRunning());
    registerCoreForms();
    seedMasters();
    seedPc(14, "PC-14");
    seedPc(15, "PC-15");
    sql("UPDATE tbl_Pclist SET [Update] = '2004/01/01', Workgroup = 'OLDGROUP' WHERE MainKey = 15");
    sql("INSERT INTO tbl_ApplicationsList ([Key], Application_Name) VALUES (15, 'old app')");
    // The main list by computer name, with a few columns to click on.
    writeIni({"[Main]", "SectionNumber=0", "[0]", "OptDel=0", "SelectNumber=1", "KeyName0=Computer_Name",
              "KeyASCDESC0=ASC", "MSFlexGrit_SelectNum=3", "MSFlexGrit_Select1=1", "MSFlexGrit_Select2=4",
              "MSFlexGrit_Select3=8"});
    auto* main = static_cast<frm_Main*>(ui::showForm("frm_Main", ui::vbModeless));
    ASSERT_NE(main, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(main));
    // The comparison window opened from the main window's menu, its PC list filled as it opens.
    const auto openComparison = [this, main] {
        ASSERT_TRUE(testsupport::triggerAction(main, "Mnu_View_INPORT"));
        m_form = static_cast<frm_Inport*>(ui::findForm("frm_Inport"));
        ASSERT_NE(m_form, nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(m_form));
        settle();
    };
    openComparison();
    ASSERT_FALSE(HasFatalFailure());

    pick(15);
    read(copySample("inventory_ja.csv"));
    // In the main window: PC 15 deleted, then a new PC, which takes key 15 again.
    const auto mainRowOf = [main](int key) {
        for (int row = 1; row < main->MSFlexGrid_Main->Rows(); ++row)
            if (main->MSFlexGrid_Main->TextMatrix(row, 1) == QString::number(key)) return row;
        return 0;
    };
    ASSERT_GT(mainRowOf(15), 0);
    ASSERT_TRUE(testsupport::clickCell(main->MSFlexGrid_Main, mainRowOf(15), 2));
    settle();
    ui::script::answerMsgBox(ui::vbYes);
    ui::script::answerMsgBox(ui::vbOK);
    ASSERT_TRUE(testsupport::triggerAction(main, "Mnu_Delete"));
    ui::script::answerMsgBox(ui::vbYes);
    ui::script::answerMsgBox(ui::vbOK);
    ASSERT_TRUE(testsupport::triggerAction(main, "Mnu_AddNew"));
    ASSERT_EQ(count("SELECT * FROM tbl_Pclist WHERE MainKey = 15 AND Computer_Name IS NULL"), 1);
    ASSERT_EQ(count("SELECT * FROM tbl_Computer_List WHERE MainKey = 15"), 1);

    const auto pcRows = [this] {
        QStringList s;
        for (const char* query :
             {"SELECT * FROM tbl_Pclist ORDER BY MainKey", "SELECT * FROM tbl_Computer_List ORDER BY MainKey",
              "SELECT * FROM tbl_ApplicationsList ORDER BY [Key]", "SELECT * FROM tbl_Device_Management ORDER BY [Key]",
              "SELECT * FROM tbl_Printer_Management ORDER BY [Key]", "SELECT * FROM tbl_Environmental ORDER BY [Key]"})
            for (const QStringList& row : rows(query)) s << row.join('|');
        return s;
    };
    const QStringList before = pcRows();
    // 値を書き換え, then the overwrite: refused before its question.
    ASSERT_TRUE(testsupport::clickCell(m_form->MSFlexGrid1, 1, 2));
    settle();
    m_form->tbx_Edit->setText("NEW-NAME");
    ASSERT_TRUE(testsupport::triggerAction(m_form, "Mnu_Update"));
    ui::script::reset();
    ui::script::answerMsgBox(ui::vbOK);
    ASSERT_TRUE(testsupport::triggerAction(m_form, "Mnu_DBUpdate"));
    EXPECT_EQ(
        msgBoxes(),
        QStringList{"CSVインポート|0|選択したPCは削除されています。画面を開き直して、PCを選択し直してください。"});
    EXPECT_EQ(pcRows(), before);
    EXPECT_EQ(pclist(15, "Computer_Name"), "<null>");
    EXPECT_EQ(count("SELECT * FROM tbl_ApplicationsList WHERE [Key] = 15"), 0);

    // The new PC picked (the window's list filled again) and the file read for it: the overwrite goes on,
    // and goes on again, as the PC it wrote is still the one picked.
    m_form->Unload();
    settle();
    openComparison();
    ASSERT_FALSE(HasFatalFailure());
    pick(15);
    read(copySample("inventory_ja.csv"));
    for (int run = 0; run < 2; ++run) {
        ui::script::reset();
        overwrite();
        EXPECT_EQ(msgBoxes(), (QStringList{kAsk, kDone})) << run;
    }
    EXPECT_EQ(pclist(15, "Workgroup"), "SOUMU");
    EXPECT_EQ(count("SELECT * FROM tbl_ApplicationsList WHERE [Key] = 15"), 3);
    EXPECT_EQ(pclist(14, "Computer_Name"), "PC-14");
}

TEST_F(Overwrite, TypedApostrophesAreStoredAsTyped) {
    read(copySample("inventory_ja.csv"));
    rewrite(1, "x' --");
    rewrite(5, "O'Brien's day");
    rewrite(106, "a', Comment = 'b");
    overwrite();
    EXPECT_EQ(msgBoxes(), (QStringList{kAsk, kDone}));
    EXPECT_EQ(pclist(1, "Computer_Name"), "x' --");
    EXPECT_EQ(pclist(1, "Update"), "O'Brien's day");
    EXPECT_EQ(computerList(1, "Type_Number"), "a', Comment = 'b");
    EXPECT_EQ(computerList(1, "Comment"), "<null>");
    EXPECT_EQ(pclist(2, "Computer_Name"), "NEIGHBOUR");
}

TEST_F(Overwrite, ValuesTheDatabaseRefusesAreNamedInsteadOfCompletion) {
    // An application line whose date is longer than its column.
    read(writeInventory(
        "long.csv",
        {"1,Network,LAN,コンピュータ名,PC-LONG,,2006/01/01", "2,Soft,Application,Good,1.0,C:\\good,2006/01/01",
         "3,Soft,Application,Bad,1.0,C:\\bad," + QString(300, u'9'), "4,Device,Display,Card,Maker,1.0,2006/01/01"}));
    rewrite(2, QString(256, u'W'));
    rewrite(107, QString(300, u'S'));
    overwrite();
    ASSERT_EQ(msgBoxes().size(), 2);
    EXPECT_EQ(msgBoxes()[1],
              "Vondari|48|次の項目は書き込めませんでした。\r\nNo 2 Workgroup\r\nNo 107 Sereals_Number\r\n"
              "tbl_ApplicationsList");
    // Everything else went in.
    EXPECT_EQ(pclist(1, "Computer_Name"), "PC-LONG");
    EXPECT_EQ(pclist(1, "Workgroup"), "OLDGROUP");
    EXPECT_EQ(scalar("SELECT Application_Name FROM tbl_ApplicationsList WHERE [Key] = 1"), "Good");
    EXPECT_EQ(listRows("tbl_ApplicationsList", 1), 1);
    EXPECT_EQ(listRows("tbl_Device_Management", 1), 1);
    EXPECT_EQ(listRows("tbl_Printer_Management", 1), 0);
}

TEST_F(Overwrite, AValueWithANulIsNamedAndTheRestWritten) {
    // A damaged file: a NUL byte in a profile value and in a device line.
    const QString nul(QChar(0));
    read(writeInventory(
        "nul.csv",
        {"1,Network,LAN,コンピュータ名,PC-NUL,,2006/01/01", "2,Network,LAN,ドメイン,OFFICE" + nul + "X,,2006/01/01",
         "3,Device,Display,Card" + nul + ",Maker,1.0,2006/01/01", "4,Device,Sound,Audio,Maker,1.0,2006/01/01"}));
    overwrite();
    ASSERT_EQ(msgBoxes().size(), 2);
    EXPECT_EQ(msgBoxes()[1],
              "Vondari|48|次の項目は書き込めませんでした。\r\nNo 87 DomeinName\r\ntbl_Device_Management");
    EXPECT_EQ(stdErrorBoxes(), 0);
    EXPECT_EQ(pclist(1, "Computer_Name"), "PC-NUL");
    EXPECT_EQ(scalar("SELECT Device_Name FROM tbl_Device_Management WHERE [Key] = 1"), "Audio");
    EXPECT_EQ(listRows("tbl_Device_Management", 1), 1);
}

// Text typed into an integer row goes in only as a number: a fraction rounds as the statement writes it, text
// that is no number is left out and named like a value the database refuses. The file's own values convert
// as the reader converts them ("512 MB" is 0), and a read of the file again drops what was typed.
TEST_F(Overwrite, ATypedIntegerThatIsNoNumberIsNamedAndLeftOut) {
    const struct {
        int row;
        const char* column;
        const char* typed;
        const char* stored;  // nullptr: left out and named
    } typed[] = {
        {7, "Memory_Full", "abc", nullptr},
        {9, "Memory_Used", "1.5", "2"},
        {13, "SysHD_Used", "2.5", "2"},
        {19, "Pagefile_Used", "512 MB", nullptr},
        {34, "CPU_Clock", "99999999999", nullptr},
        {2, "Workgroup", "abc", "abc"},
    };
    read(copySample("inventory_ja.csv"));
    QString named;
    std::map<QString, QString> before;
    for (const auto& t : typed) {
        ASSERT_EQ(m_form->MSFlexGrid1->TextMatrix(t.row, 2), t.column);
        rewrite(t.row, t.typed);
        if (t.stored) continue;
        named += QString("\r\nNo %1 %2").arg(t.row).arg(t.column);
        before[t.column] = pclist(1, t.column);
    }
    overwrite();
    ASSERT_EQ(msgBoxes().size(), 2);
    EXPECT_EQ(msgBoxes()[1], "Vondari|48|次の項目は書き込めませんでした。" + named);
    EXPECT_EQ(stdErrorBoxes(), 0);
    for (const auto& t : typed) EXPECT_EQ(pclist(1, t.column), t.stored ? t.stored : before[t.column]) << t.column;
    EXPECT_EQ(pclist(1, "Memory_Full"), "1");  // as the fixture stored it
    EXPECT_EQ(pclist(1, "Memory_Free"), "0");  // the file's "512 MB"
    EXPECT_EQ(pclist(1, "Computer_Name"), "SOUMU-PC01");

    // Read again, the file's values stand in the rows typed into before: nothing is refused.
    rewrite(7, "abc");
    read(copySample("inventory_ja.csv"));
    ui::script::reset();
    overwrite();
    EXPECT_EQ(msgBoxes(), (QStringList{kAsk, kDone}));
    EXPECT_EQ(pclist(1, "Memory_Full"), "2048");
}

// The overwrite reads the column types before it writes: its transaction takes the write lock first, so
// a lock another program holds for a moment is waited for, and one that stays is named.
TEST_F(Overwrite, ABriefLockIsWaitedForAndALastingOneNamed) {
    const struct {
        const char* what;
        int heldMs;
        bool written;
    } cases[] = {{"held past the busy time", 3000, false}, {"held for half a second", 500, true}};
    read(copySample("inventory_ja.csv"));
    const QStringList before = snapshot();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ui::script::reset();
        ado::Connection other;
        other.Open(gCn().ConnectionString());
        other.BeginTrans();
        std::thread release([&other, &c] {
            std::this_thread::sleep_for(std::chrono::milliseconds(c.heldMs));
            other.RollbackTrans();
        });
        overwrite();
        release.join();
        EXPECT_FALSE(gCn().inTransaction());
        if (c.written) {
            EXPECT_EQ(msgBoxes(), (QStringList{kAsk, kDone}));
            EXPECT_EQ(pclist(1, "Computer_Name"), "SOUMU-PC01");
        } else {
            ASSERT_EQ(msgBoxes().size(), 2);
            EXPECT_EQ(stdErrorBoxes(), 1);
            EXPECT_TRUE(msgBoxes()[1].contains("（エラー内容：database is locked）")) << msgBoxes()[1].toStdString();
            EXPECT_EQ(snapshot(), before);
        }
    }
}

TEST_F(Overwrite, AFailureUndoesTheWholeCommand) {
    read(copySample("inventory_ja.csv"));
    const QStringList before = snapshot();
    // A statement the database cannot run at all, after the profile rows and two of the deletes.
    gCn().setFailHook([](const QString& s) { return s.startsWith("DELETE  FROM tbl_Environmental"); });
    overwrite();
    ASSERT_EQ(msgBoxes().size(), 2);
    EXPECT_EQ(msgBoxes()[0], kAsk);
    EXPECT_EQ(stdErrorBoxes(), 1);
    EXPECT_EQ(snapshot(), before);
    EXPECT_FALSE(gCn().inTransaction());
}

TEST_F(Overwrite, AReadOnlyDatabaseEndsTheCommandWithOneErrorBox) {
    read(copySample("inventory_ja.csv"));
    const QStringList before = snapshot();
    // The file turns read-only while the window is open (another program, a share made read-only).
    ASSERT_TRUE(fnc_DB_Close());
    ASSERT_TRUE(QFile::setPermissions(m_folder->dbPath(), QFile::ReadOwner | QFile::ReadGroup));
    ASSERT_TRUE(fnc_DB_Open());
    // The superuser writes whatever the file's mode says; the engine's read-only switch refuses writes
    // with the same error a read-only file gives.
    if (geteuid() == 0) gCn().Execute("PRAGMA query_only = ON");
    overwrite();
    EXPECT_EQ(msgBoxes().size(), 2);
    EXPECT_EQ(stdErrorBoxes(), 1);
    // Refused at the transaction's start or at its first write, the box gives the engine's reason.
    EXPECT_TRUE(msgBoxes().value(1).contains("（エラー内容：attempt to write a readonly database）"))
        << msgBoxes().value(1).toStdString();
    EXPECT_FALSE(gCn().inTransaction());
    EXPECT_EQ(snapshot(), before);

    // Writable again: the same overwrite goes through.
    ASSERT_TRUE(fnc_DB_Close());
    ASSERT_TRUE(QFile::setPermissions(m_folder->dbPath(), QFile::ReadOwner | QFile::WriteOwner));
    ASSERT_TRUE(fnc_DB_Open());
    ui::script::reset();
    overwrite();
    EXPECT_EQ(msgBoxes(), (QStringList{kAsk, kDone}));
    EXPECT_EQ(pclist(1, "Computer_Name"), "SOUMU-PC01");
}

}  // namespace
}  // namespace comparetest
