// The combined network list: the refresh that rebuilds the stored list from the PCs in use and every unit,
// its display by IP key, the export, and the rebuild's failures, which keep the stored list.
#include <gtest/gtest.h>

#include <QFile>
#include <QSet>

#include "core/Mdl_Access_mdb.h"
#include "core/Mdl_gData.h"
#include "platform/base/VbError.h"
#include "platform/db/Ado.h"
#include "platform/ui/Colors.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/Forms.h"
#include "registers/frm_Edit_Network.h"
#include "tests/registers/network/NetworkFixture.h"
#include "tests/support/UiDriver.h"

namespace networktest {
namespace {

using ui::script::Shown;

const QStringList kHeader = {"No",          "設置場所", "ユーザ名", "コンピュータ名", "ワークグループ", "IPアドレス",
                             "Macアドレス", "メーカー", "モデル",   "タイプ",         "シリアル"};

class NetworkListTest : public NetworkTest {
protected:
    // PCs that are listed and PCs that are left out, and three units.
    void addLedger() {
        addMaster("tbl_Location", 1, "本社");
        addMaster("tbl_Manufacturer", 1, "メーカーA");
        addMaster("tbl_Model", 1, "モデルX");
        addUser(1, "山田");
        addUser(5, "迷子", 9, 0);  // a department that does not exist
        addPc({.key = 1,
               .name = "PC-A",
               .ip = "192.168.1.20",
               .location = 1,
               .user = 1,
               .maker = 1,
               .model = 1,
               .workgroup = "WG",
               .mac = "MAC-A",
               .type = "T-A",
               .serial = "S-A"});
        addPc({.key = 2, .name = "PC-REMOVED", .ip = "192.168.1.21", .deleted = 1});
        addPc({.key = 3, .name = "PC-NOLOC", .ip = "192.168.1.22", .location = 9});
        addPc({.key = 4, .name = "PC-NODEPT", .ip = "192.168.1.23", .user = 5});
        addPc({.key = 6, .name = "PC-BLANK", .ip = QString()});
        addPc({.key = 7, .name = "PC-B", .ip = "10.0.0.7", .location = 1});
        addUnit({.key = 0, .computer = "HUB-01", .ip = "192.168.1.5", .id = "admin", .password = "pw", .deleted = 1});
        addUnit({.key = 1, .user = "管理", .computer = "AP-01", .ip = "192.168.1.40", .mac = "MAC-U"});
        addUnit({.key = 2});  // just added: every field Null
    }
    // What an earlier refresh left.
    void addOldList() {
        addListRow(0, "OLD-1", "C0A80101");
        addListRow(1, "OLD-2", "C0A80102");
    }
    const std::vector<QStringList> kOldList = {
        {"0", " ", " ", "OLD-1", " ", " ", "C0A80101", " ", " ", " ", " ", " "},
        {"1", " ", " ", "OLD-2", " ", " ", "C0A80102", " ", " ", " ", " ", " "},
    };

    ui::FlexGrid* units() const { return m_win->MSFlexGrid_NetworkUnit; }
    ui::FlexGrid* list() const { return m_win->MSFlexGrid_Network; }

    // 一覧更新 answered Yes; the answer to the box after it is scripted too.
    void refresh(int lastAnswer = ui::vbOK) {
        ui::script::answerMsgBox(ui::vbYes);
        ui::script::answerMsgBox(lastAnswer);
        ASSERT_TRUE(testsupport::triggerAction(m_win, "Mnu_ViewUpdate"));
    }
    static const Shown& lastBox() { return ui::script::shown().back(); }
};

TEST_F(NetworkListTest, RefreshListsThePcsInUseByAddressThenEveryUnit) {
    addLedger();
    addOldList();
    ASSERT_NE(open(), nullptr);
    refresh();

    // PCs in query order (a missing address sorts first, PC 0 takes no number), then the units as stored.
    const std::vector<QStringList> want = {
        {"0", " ", " ", "PC-BLANK", " ", " ", " ", " ", " ", " ", " ", " "},
        {"1", "本社", " ", "PC-B", " ", "10.0.0.7", "0A000007", " ", " ", " ", " ", " "},
        {"2", "本社", "山田", "PC-A", "WG", "192.168.1.20", "C0A80114", "メーカーA", "モデルX", "T-A", "S-A", "MAC-A"},
        {"3", " ", " ", "HUB-01", " ", "192.168.1.5", "C0A80105", " ", " ", " ", " ", " "},
        {"4", " ", "管理", "AP-01", " ", "192.168.1.40", "C0A80128", " ", " ", " ", " ", "MAC-U"},
        {"5", " ", " ", " ", " ", " ", " ", " ", " ", " ", " ", " "},
    };
    EXPECT_EQ(listRows(), want);

    const QStringList boxes = msgBoxPrompts();
    ASSERT_EQ(boxes.size(), 2);
    const Shown& asked = ui::script::shown()[0];
    EXPECT_EQ(asked.prompt, "更新に時間がかかります。リストを更新しますか ?");
    EXPECT_EQ(asked.title, "ネットワーク機器");
    EXPECT_EQ(asked.buttons, ui::vbYesNo | ui::vbQuestion);
    EXPECT_EQ(lastBox().prompt, "完了");
    EXPECT_EQ(lastBox().title, ui::kAppTitle);
    EXPECT_EQ(lastBox().buttons, ui::vbOKOnly);

    // Shown by IP key and numbered 1 to n; the two without a key come first, in either order.
    ASSERT_EQ(list()->Cols(), 11);
    ASSERT_EQ(list()->Rows(), 7);
    const std::vector<QStringList> shown = gridTexts(list());
    EXPECT_EQ(shown[0], kHeader);
    for (int r = 1; r <= 6; ++r) EXPECT_EQ(shown[size_t(r)][0], QString::number(r));
    EXPECT_EQ(QSet<QString>({shown[1][3], shown[2][3]}), QSet<QString>({"PC-BLANK", " "}));
    EXPECT_EQ(shown[3].mid(1), QStringList({"本社", " ", "PC-B", " ", "10.0.0.7", " ", " ", " ", " ", " "}));
    EXPECT_EQ(shown[4].mid(1), QStringList({" ", " ", "HUB-01", " ", "192.168.1.5", " ", " ", " ", " ", " "}));
    EXPECT_EQ(shown[5].mid(1), QStringList({"本社", "山田", "PC-A", "WG", "192.168.1.20", "MAC-A", "メーカーA",
                                            "モデルX", "T-A", "S-A"}));
    EXPECT_EQ(shown[6].mid(1), QStringList({" ", "管理", "AP-01", " ", "192.168.1.40", "MAC-U", " ", " ", " ", " "}));
    for (int c = 0; c < 11; ++c) {
        EXPECT_EQ(list()->ColWidth(c), c == 0 ? 500 : 1500) << c;
        EXPECT_EQ(list()->cellBackColorAt(0, c), ui::QBColor(8)) << c;
        EXPECT_EQ(list()->cellAlignmentAt(0, c), ui::flexAlignCenterBottom) << c;
        EXPECT_EQ(list()->cellBackColorAt(3, c), ui::QBColor(c == 0 ? 8 : 15)) << c;
        EXPECT_EQ(list()->cellAlignmentAt(3, c), c == 0 ? ui::flexAlignGeneral : ui::flexAlignLeftBottom) << c;
    }
    EXPECT_FALSE(list()->isHidden());
}

TEST_F(NetworkListTest, RefreshRedisplaysBothGridsAndKeepsTheSelection) {
    addLedger();
    addOldList();
    ASSERT_NE(open(), nullptr);
    testsupport::clickCell(units(), rowWith(units(), 0, "1"), 3);
    const qint16 selected = m_win->RowSel;
    ASSERT_GT(selected, 0);
    sql("UPDATE tbl_NetworkUnit SET Computer_Name = 'AP-02' WHERE [Key] = 1");
    refresh();
    EXPECT_GT(rowWith(units(), 3, "AP-02"), 0);
    // The refill paints every row white; the selection and the menus stay as they were.
    for (int c = 1; c < 13; ++c) EXPECT_EQ(units()->cellBackColorAt(selected, c), ui::QBColor(15));
    EXPECT_EQ(m_win->RowSel, selected);
    EXPECT_TRUE(m_win->Mnu_Update->isEnabled());
    EXPECT_TRUE(m_win->Mnu_Delete->isEnabled());
}

TEST_F(NetworkListTest, AnsweringNoChangesNothing) {
    addLedger();
    addOldList();
    ASSERT_NE(open(), nullptr);
    sql("UPDATE tbl_NetworkUnit SET Computer_Name = 'AP-02' WHERE [Key] = 1");
    const auto unitGrid = gridTexts(units()), listGrid = gridTexts(list());
    ui::script::answerMsgBox(ui::vbNo);
    ASSERT_TRUE(testsupport::triggerAction(m_win, "Mnu_ViewUpdate"));
    EXPECT_EQ(listRows(), kOldList);
    EXPECT_EQ(gridTexts(units()), unitGrid);
    EXPECT_EQ(gridTexts(list()), listGrid);
    EXPECT_EQ(msgBoxPrompts().size(), 1);
}

TEST_F(NetworkListTest, NothingToListEmptiesTheListAndTheGrid) {
    addOldList();
    ASSERT_NE(open(), nullptr);
    ASSERT_EQ(list()->Rows(), 3);
    ASSERT_TRUE(m_win->ListReady);
    refresh();
    EXPECT_TRUE(listRows().empty());
    EXPECT_EQ(list()->Rows(), 0);
    EXPECT_EQ(list()->Cols(), 0);
    EXPECT_EQ(units()->Rows(), 0);
    EXPECT_TRUE(m_win->ListReady);  // the refresh leaves it
    EXPECT_EQ(lastBox().prompt, "完了");
}

TEST_F(NetworkListTest, ExportWritesTheShownListAsCommaText) {
    addMaster("tbl_Location", 1, "本社");
    addUser(1, "山田");
    addPc({.key = 1, .name = "PC-A", .ip = "192.168.1.20", .location = 1, .user = 1, .workgroup = "WG"});
    addPc({.key = 6, .name = "PC-BLANK", .ip = QString()});
    addUnit({.key = 1, .computer = "AP,01", .ip = "192.168.1.40", .mac = "MAC-U"});
    ASSERT_NE(open(), nullptr);
    refresh();

    const QString path = m_folder->file("ネット一覧");
    ui::script::answerFile(path);
    ui::script::answerMsgBox(ui::vbOK);
    ASSERT_TRUE(testsupport::triggerAction(m_win, "Export_CSV"));
    const Shown& dialog = ui::script::shown()[2];
    EXPECT_EQ(dialog.kind, Shown::Kind::SaveFile);
    EXPECT_EQ(dialog.file.title, "CSV書き出し");
    EXPECT_EQ(dialog.file.filterIndex, 2);
    EXPECT_EQ(lastBox().prompt, "完了しました");

    QFile f(path + ".csv");
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    // Columns 1 to 10; a blank stored for an empty value stands between its commas; no quoting.
    EXPECT_EQ(f.readAll(), testsupport::cp932Lines({
                               "設置場所,ユーザ名,コンピュータ名,ワークグループ,IPアドレス,Macアドレス,メーカー,モデル,"
                               "タイプ,シリアル, ",
                               " , ,PC-BLANK, , , , , , , , ",
                               "本社,山田,PC-A,WG,192.168.1.20, , , , , , ",
                               " , ,AP,01, ,192.168.1.40,MAC-U, , , , , ",
                           }));

    // Cancel writes nothing and shows nothing more.
    QFile::remove(path + ".csv");
    const size_t boxes = ui::script::shown().size();
    ui::script::cancelFile();
    ASSERT_TRUE(testsupport::triggerAction(m_win, "Export_CSV"));
    EXPECT_FALSE(QFile::exists(path + ".csv"));
    EXPECT_EQ(ui::script::shown().size(), boxes + 1);
}

// The rebuild pasted names into its inserts as they were: an apostrophe broke the statement and the device
// went missing without a word. Names typed anywhere in the ledger are now stored as typed.
TEST_F(NetworkListTest, NamesWithApostrophesAreListedAsTyped) {
    struct Case {
        const char* where;
        int column;  // in listRows()
    };
    const Case cases[] = {
        {"unit field", 3}, {"user name", 2}, {"location name", 1}, {"PC name", 3}, {"maker name", 7},
    };
    ASSERT_NE(open(), nullptr);
    for (const QString& name : {QString("O'Neil"), QString("x' --")}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(QString("%1: %2").arg(c.where, name).toStdString());
            for (const char* table : {"tbl_NetworkUnit", "tbl_Computer_List", "tbl_Pclist"})
                sql(QString("DELETE FROM %1 WHERE 1 = 1").arg(table));
            sql("DELETE FROM tbl_Location WHERE Location_Code = 1");
            sql("DELETE FROM tbl_User WHERE User_Code = 1");
            sql("DELETE FROM tbl_Manufacturer WHERE Manufacturer_Code = 1");
            const QString where = c.where;
            addMaster("tbl_Location", 1, where == "location name" ? name : "本社");
            addUser(1, where == "user name" ? name : "山田");
            addMaster("tbl_Manufacturer", 1, where == "maker name" ? name : "メーカーA");
            addPc({.key = 1,
                   .name = where == "PC name" ? name : "PC-A",
                   .ip = "10.0.0.1",
                   .location = 1,
                   .user = 1,
                   .maker = 1});
            addPc({.key = 2, .name = "PC-C", .ip = "10.0.0.2"});
            addUnit({.key = 0, .computer = where == "unit field" ? name : "HUB-01"});
            addUnit({.key = 1, .computer = "AP-01"});
            ui::script::reset();
            refresh();
            const std::vector<QStringList> stored = listRows();
            ASSERT_EQ(stored.size(), 4u);
            const int row = where == "unit field" ? 2 : 0;
            EXPECT_EQ(stored[size_t(row)][c.column], name);
            EXPECT_EQ(stored[3][3], "AP-01");
            EXPECT_EQ(lastBox().prompt, "完了");
        }
    }
}

// A NUL typed into a unit's name, or held in a PC's name, is stored, listed and exported as it is: the rebuild
// once ended its statement at the NUL and left the device out with a syntax error.
TEST_F(NetworkListTest, ANulInAUnitOrPcNameIsListedAndExportedExactly) {
    const QChar nul(0);
    const QString pcName = QString("PC") + nul + "A";
    const QString unitName = QString("ROUTER") + nul + nul + "'1";
    addMaster("tbl_Location", 1, "本社");
    addUser(1, "山田");
    addPc({.key = 1, .name = pcName, .ip = "192.168.1.20", .location = 1, .user = 1});
    addUnit({.key = 0, .computer = "HUB", .ip = "192.168.1.40"});
    addListRow(0, "OLD-PC", "C0A80101");  // a unit is picked only while the combined list holds rows
    ASSERT_NE(open(), nullptr);
    clickUnit(0);
    setInputText(4, unitName);  // コンピュータ名
    ASSERT_TRUE(testsupport::triggerAction(m_win, "Mnu_Update"));
    EXPECT_EQ(unitRow(0)[3], unitName);

    refresh();
    EXPECT_EQ(lastBox().prompt, "完了");
    EXPECT_EQ(stdErrorBoxes(), 0);
    const std::vector<QStringList> stored = listRows();
    ASSERT_EQ(stored.size(), 2u);
    EXPECT_EQ(stored[0][3], pcName);
    EXPECT_EQ(stored[1][3], unitName);
    EXPECT_EQ(list()->TextMatrix(1, 3), pcName);
    EXPECT_EQ(list()->TextMatrix(2, 3), unitName);

    const QString path = m_folder->file("ネット一覧");
    ui::script::answerFile(path);
    ui::script::answerMsgBox(ui::vbOK);
    ASSERT_TRUE(testsupport::triggerAction(m_win, "Export_CSV"));
    EXPECT_EQ(testsupport::readFile(path + ".csv"),
              testsupport::cp932Lines({
                  "設置場所,ユーザ名,コンピュータ名,ワークグループ,IPアドレス,Macアドレス,メーカー,モデル,"
                  "タイプ,シリアル, ",
                  "本社,山田," + pcName + ", ,192.168.1.20, , , , , , ",
                  " , ," + unitName + ", ,192.168.1.40, , , , , , ",
              }));
    EXPECT_TRUE(testsupport::readFile(path + ".csv").contains(QByteArray(",ROUTER\0\0'1,", 11)));
}

// Written into the insert's text, a NUL ended the statement there ("unrecognized token") and the device was left
// out of the list without a word. A name holding one is now listed exactly, wherever it comes from.
TEST_F(NetworkListTest, NamesHoldingANulAreListedExactly) {
    const QString pcName = QStringLiteral("PC") + QChar(0) + QStringLiteral("A'1");
    const QString userName = QStringLiteral("山田") + QChar(0);
    const QString unitName = QChar(0) + QStringLiteral("HUB");
    addUser(1, "山田");
    addPc({.key = 1, .name = "PC-A", .ip = "10.0.0.1", .user = 1});
    addPc({.key = 2, .name = "PC-B", .ip = "10.0.0.2"});
    addUnit({.key = 0, .computer = "HUB-01"});
    ASSERT_NE(open(), nullptr);
    gCn().ExecuteBound("UPDATE tbl_Pclist SET Computer_Name = ? WHERE MainKey = 1", {pcName});
    gCn().ExecuteBound("UPDATE tbl_User SET User_Name = ? WHERE User_Code = 1", {userName});
    gCn().ExecuteBound("UPDATE tbl_NetworkUnit SET Computer_Name = ? WHERE [Key] = 0", {unitName});
    refresh();

    const std::vector<QStringList> stored = listRows();
    ASSERT_EQ(stored.size(), 3u);
    EXPECT_EQ(stored[0][2], userName);
    EXPECT_EQ(stored[0][3], pcName);
    EXPECT_EQ(stored[1][3], "PC-B");
    EXPECT_EQ(stored[2][3], unitName);
    EXPECT_EQ(lastBox().prompt, "完了");
}

// The rebuild ran every statement on its own and ignored failures, then said "完了": a failure after the delete lost
// the stored list. Now a failing delete, query or insert the database undid rolls the whole rebuild back, and the
// user sees the failure instead of "完了".
TEST_F(NetworkListTest, AFailedRebuildKeepsTheStoredListAndSaysWhy) {
    struct Case {
        const char* name;
        std::function<bool(const QString&)> fails;
    };
    const Case cases[] = {
        {"the delete", [](const QString& s) { return s.startsWith("DELETE  FROM tbl_NetworkList"); }},
        {"the PC query", [](const QString& s) { return s.startsWith("SELECT DISTINCT tbl_Pclist.MainKey"); }},
        {"the unit query", [](const QString& s) { return s == "SELECT * FROM tbl_NetworkUnit ;"; }},
        {"an insert the database undid whole",
         [](const QString& s) {
             if (!s.startsWith("INSERT INTO tbl_NetworkList") || !s.contains("'PC-A'")) return false;
             gCn().Execute("ROLLBACK");  // as SQLite does on a full disk or an I/O error
             return true;
         }},
    };
    addLedger();
    addOldList();
    ASSERT_NE(open(), nullptr);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        // Changed behind the window, so the redisplay shows.
        sql("UPDATE tbl_NetworkUnit SET Computer_Name = 'AP-" + QString(c.name).left(6) + "' WHERE [Key] = 1");
        ui::script::reset();
        QString failed;
        gCn().setFailHook([&](const QString& s) {
            const bool fail = c.fails(s);
            if (fail && failed.isEmpty()) failed = s;
            return fail;
        });
        refresh();
        gCn().setFailHook({});

        EXPECT_FALSE(failed.isEmpty());
        EXPECT_EQ(listRows(), kOldList);
        EXPECT_FALSE(gCn().inTransaction());
        ASSERT_EQ(msgBoxPrompts().size(), 2);
        EXPECT_EQ(lastBox().title, "警告");
        EXPECT_EQ(lastBox().prompt, "\r\n（エラーコード：" + QString::number(ado::errProvider) +
                                        "）\r\n（エラー内容：テストで失敗させた文です: " + failed + "）");
        EXPECT_EQ(gridTexts(list())[1][3], "OLD-1");
        EXPECT_GT(rowWith(units(), 3, "AP-" + QString(c.name).left(6)), 0);
    }
    // The connection is free for the next refresh.
    ui::script::reset();
    refresh();
    EXPECT_EQ(listRows().size(), 6u);
    EXPECT_EQ(lastBox().prompt, "完了");
}

TEST_F(NetworkListTest, ARefusedInsertLosesOnlyItsDeviceAndIsReported) {
    addLedger();
    addOldList();
    ASSERT_NE(open(), nullptr);
    gCn().setFailHook(
        [](const QString& s) { return s.startsWith("INSERT INTO tbl_NetworkList") && s.contains("'PC-A'"); });
    refresh();
    gCn().setFailHook({});
    // PC-A's number 2 is not given again.
    QStringList keys, names;
    for (const QStringList& row : listRows()) {
        keys << row[0];
        names << row[3];
    }
    EXPECT_EQ(keys, QStringList({"0", "1", "3", "4", "5"}));
    EXPECT_EQ(names, QStringList({"PC-BLANK", "PC-B", "HUB-01", "AP-01", " "}));
    EXPECT_EQ(list()->Rows(), 6);
    EXPECT_EQ(stdErrorBoxes(), 1);
    EXPECT_FALSE(msgBoxPrompts().contains("完了"));
}

TEST_F(NetworkListTest, ARebuildPastTheLastKeyFailsWhole) {
    addOldList();
    // 32,767 PCs and one unit: the unit takes the last key, 32,767, and the key has no next value after it.
    sql("INSERT INTO tbl_Computer_List (MainKey, Location_Code, User_Code, Manufacturer_Code, Model_Code, "
        "Deleted_Flug) "
        "WITH RECURSIVE n(k) AS (SELECT 1 UNION ALL SELECT k + 1 FROM n WHERE k < 32767) SELECT k, 0, 0, 0, 0, 0 FROM "
        "n");
    sql("INSERT INTO tbl_Pclist (MainKey, Computer_Name) WITH RECURSIVE n(k) AS (SELECT 1 UNION ALL SELECT k + 1 FROM "
        "n "
        "WHERE k < 32767) SELECT k, 'PC' || k FROM n");
    addUnit({.key = 0, .computer = "U0"});
    // Opened by itself: the main window would load all those PCs only to show its first 2,560.
    openDb();
    gFormWidth = 14400;
    gFormHeight = 9000;
    m_win = static_cast<frm_Edit_Network*>(ui::showForm("frm_Edit_Network", ui::vbModeless));
    ASSERT_NE(m_win, nullptr);
    refresh();
    EXPECT_EQ(listRows(), kOldList);
    EXPECT_EQ(lastBox().prompt, "\r\n（エラーコード：6）\r\n（エラー内容：" + vb::describe(6) + "）");
    EXPECT_EQ(list()->Rows(), 3);
}

TEST_F(NetworkListTest, ADisplayThatFailsHalfwayShowsItsGridAgain) {
    // A stored list longer than the display's 16-bit row counter allows.
    sql("INSERT INTO tbl_NetworkList ([Key], Computer_Name, IPAddress_16num) WITH RECURSIVE n(k) AS (SELECT -1 "
        "UNION ALL SELECT k + 1 FROM n WHERE k < 32767) SELECT k, 'D' || k, printf('%08X', k + 1) FROM n");
    ui::script::answerMsgBox(ui::vbOK);
    ASSERT_NE(open(), nullptr);
    EXPECT_EQ(stdErrorBoxes(), 1);
    EXPECT_TRUE(lastBox().prompt.contains("（エラーコード：6）"));
    EXPECT_FALSE(list()->isHidden());
    EXPECT_FALSE(m_win->ListReady);  // the display reported failure
    EXPECT_EQ(list()->TextMatrix(32767, 3), "D32765");
}

}  // namespace
}  // namespace networktest
