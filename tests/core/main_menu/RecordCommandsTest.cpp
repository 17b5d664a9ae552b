// New, delete, removal and search on the real main window and database.
#include <gtest/gtest.h>

#include <QAction>
#include <functional>

#include "core/Mdl_Access_mdb.h"
#include "core/Mdl_gData.h"
#include "platform/db/Ado.h"
#include "platform/ui/Colors.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/FlexGrid.h"
#include "tests/core/main_menu/MainMenuFixture.h"

using namespace mainmenu;

namespace {

const QString kQuestionTitle = "確認";
constexpr int kYesNoQuestion = ui::vbYesNo | ui::vbQuestion;

const QString kDeleteReport =
    "アプリケーション一覧を削除しました。\r\n"
    "ユーザ登録一覧を削除しました。\r\n"
    "デバイス一覧を削除しました。\r\n"
    "環境変数一覧を削除しました。\r\n"
    "コンピュータ一覧を削除しました。\r\n"
    "プリンタ一覧を削除しました。\r\n"
    "メール一覧を削除しました。\r\n"
    "ライセンス一覧を削除しました。\r\n";

class RecordCommandsTest : public MainMenuTest {
protected:
    void startWith(std::initializer_list<Pc> pcs) {
        writeThreeColumnView();
        addLocation(1, "本社");
        addUser(1, "山田");
        for (const Pc& pc : pcs) addPc(pc);
        ASSERT_NE(start(), nullptr);
    }

    // Rows that carry the PC's key, table by table, in the delete's order.
    std::vector<int> keyedRows(int key) {
        const QString k = QString::number(key);
        return {count("SELECT * FROM tbl_ApplicationsList WHERE [Key] = " + k),
                count("SELECT * FROM tbl_Computer_List WHERE MainKey = " + k),
                count("SELECT * FROM tbl_Device_Management WHERE [Key] = " + k),
                count("SELECT * FROM tbl_Environmental WHERE [Key] = " + k),
                count("SELECT * FROM tbl_Pclist WHERE MainKey = " + k),
                count("SELECT * FROM tbl_Printer_Management WHERE [Key] = " + k),
                count("SELECT * FROM tbl_Mail_Management WHERE Conputer_Code = " + k),
                count("SELECT * FROM tbl_License_Dat WHERE Computer_Code = " + k)};
    }

    // Two rows in each list table, a mail account and, when asked, a licence.
    void addDetailRows(int key, bool withLicence) {
        const QString k = QString::number(key);
        for (int i = 0; i < 2; ++i) {
            const QString n = QString::number(i);
            sql("INSERT INTO tbl_ApplicationsList ([Key], [Update], Application_Name) VALUES (" + k +
                ", '2005/04/01', 'App" + n + "')");
            sql("INSERT INTO tbl_Device_Management ([Key], [Update], Device_Name) VALUES (" + k +
                ", '2005/04/01', 'Dev" + n + "')");
            sql("INSERT INTO tbl_Environmental ([Key], [Update], Environmental_Name) VALUES (" + k +
                ", '2005/04/01', 'Env" + n + "')");
            sql("INSERT INTO tbl_Printer_Management ([Key], [Update], Printer_Name) VALUES (" + k +
                ", '2005/04/01', 'Prn" + n + "')");
        }
        sql("INSERT INTO tbl_Mail_Management ([Key], User_Code, Conputer_Code, Mail_Address) VALUES (" +
            QString::number(100 + key) + ", 0, " + k + ", 'a@b')");
        if (withLicence)
            sql("INSERT INTO tbl_License_Dat ([Key], Application_Code, Computer_Code) VALUES (" +
                QString::number(200 + key) + ", 1, " + k + ")");
    }

    const ui::script::Shown& lastShown() { return ui::script::shown().back(); }

    // The statements run while `run` runs, each with whether a transaction was open; reads of the list
    // refill are left out unless `keep` takes them.
    struct Run {
        QString sql;
        bool inTransaction;
        bool operator==(const Run&) const = default;
    };
    std::vector<Run> statementsOf(const std::function<void()>& run,
                                  const std::function<bool(const QString&)>& keep = {}) {
        std::vector<Run> seen;
        gCn().setFailHook([&](const QString& sql) {
            const bool write = sql.startsWith("INSERT") || sql.startsWith("UPDATE") || sql.startsWith("DELETE");
            if (write || (keep && keep(sql))) seen.push_back({sql, gCn().inTransaction()});
            return false;
        });
        run();
        gCn().setFailHook(nullptr);
        return seen;
    }

    // Location, user, maker and model codes and Deleted_Flug of a PC, as "l,u,m,m,d".
    QString codes(int key) {
        QStringList values;
        for (const char* column : {"Location_Code", "User_Code", "Manufacturer_Code", "Model_Code", "Deleted_Flug"})
            values << scalar(QString("SELECT %1 FROM tbl_Computer_List WHERE MainKey = %2").arg(column).arg(key));
        return values.join(',');
    }
};

// --- New -------------------------------------------------------------------------------------------

TEST_F(RecordCommandsTest, NewCreatesTheFirstPcAfterTheReservedOne) {
    startWith({});
    ASSERT_TRUE(m_main->MainListReady);  // the reserved PC alone fills the list
    ui::script::answerMsgBox(ui::vbYes);
    ui::script::answerMsgBox(ui::vbOK);
    trigger("Mnu_AddNew");

    ASSERT_EQ(ui::script::shown().size(), 2u);
    EXPECT_EQ(ui::script::shown()[0].prompt, "レコードを新規作成しますか？");
    EXPECT_EQ(ui::script::shown()[0].title, kQuestionTitle);
    EXPECT_EQ(ui::script::shown()[0].buttons, kYesNoQuestion);
    EXPECT_EQ(ui::script::shown()[1].prompt, "レコードを新規作成しました");
    EXPECT_EQ(ui::script::shown()[1].title, ui::kAppTitle);
    EXPECT_EQ(ui::script::shown()[1].buttons, ui::vbOKOnly);

    EXPECT_EQ(scalar("SELECT MainKey FROM tbl_Pclist WHERE MainKey = 1"), "1");
    EXPECT_EQ(codes(1), "0,0,0,0,0");
    // In the refreshed list of installed PCs, with no selection.
    EXPECT_GT(rowOf(1), 0);
    EXPECT_EQ(m_main->MainSelKey, 0);
}

TEST_F(RecordCommandsTest, NewTakesTheHighestKeyPlusOneAndLeavesTheMenuAsItWas) {
    startWith({{5, "PC-005"}, {40, "PC-040", 1, 1, 1}});
    clickPc(5);
    ui::script::answerMsgBox(ui::vbYes);
    ui::script::answerMsgBox(ui::vbOK);
    trigger("Mnu_AddNew");
    EXPECT_EQ(count("SELECT * FROM tbl_Computer_List WHERE MainKey = 41"), 1);
    EXPECT_EQ(count("SELECT * FROM tbl_Pclist WHERE MainKey = 41"), 1);
    EXPECT_TRUE(action("Mnu_Delete")->isEnabled());
    EXPECT_TRUE(action("Mnu_ReplacePC")->isEnabled());
}

TEST_F(RecordCommandsTest, NewAnsweredNoCreatesNothing) {
    startWith({{3, "PC-003"}});
    ui::script::answerMsgBox(ui::vbNo);
    trigger("Mnu_AddNew");
    EXPECT_EQ(count("SELECT * FROM tbl_Computer_List"), 2);
    EXPECT_EQ(ui::script::shown().size(), 1u);
}

TEST_F(RecordCommandsTest, NewPastTheLastKeyShowsTheErrorBoxAndWritesNothing) {
    startWith({{32767, "PC-LAST"}});
    ui::script::answerMsgBox(ui::vbYes);
    ui::script::answerMsgBox(ui::vbOK);
    trigger("Mnu_AddNew");
    EXPECT_EQ(stdErrorBoxes(), 1);
    EXPECT_TRUE(lastShown().prompt.contains("（エラーコード：6）"));
    EXPECT_EQ(count("SELECT * FROM tbl_Computer_List"), 2);
    EXPECT_EQ(count("SELECT * FROM tbl_Pclist"), 2);
}

// The failing statement rolls back the rows made before it; there is no success message.
TEST_F(RecordCommandsTest, NewRollsBackWhenAStatementFails) {
    startWith({{1, "PC-001"}});
    struct Case {
        const char* why;
        std::function<bool(const QString&)> fails;
    };
    auto update = [](const char* column) {
        return [column](const QString& sql) { return sql.startsWith("UPDATE") && sql.contains(column); };
    };
    const Case cases[] = {
        {"first insert",
         [](const QString& sql) { return sql.contains("INSERT INTO tbl_Computer_List", Qt::CaseInsensitive); }},
        {"second insert",
         [](const QString& sql) { return sql.contains("INSERT INTO tbl_Pclist", Qt::CaseInsensitive); }},
        {"first update", update("Location_Code")},
        {"last update", update("Deleted_Flug")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        ui::script::reset();
        gCn().setFailHook(c.fails);
        ui::script::answerMsgBox(ui::vbYes);
        ui::script::answerMsgBox(ui::vbOK);
        trigger("Mnu_AddNew");
        gCn().setFailHook(nullptr);

        EXPECT_EQ(stdErrorBoxes(), 1);
        EXPECT_EQ(ui::script::shown().size(), 2u);  // the question and the error box, no success message
        EXPECT_EQ(count("SELECT * FROM tbl_Computer_List WHERE MainKey = 2"), 0);
        EXPECT_EQ(count("SELECT * FROM tbl_Pclist WHERE MainKey = 2"), 0);
        EXPECT_FALSE(gCn().inTransaction());
    }
    // Nothing was left half done: the next New goes through.
    ui::script::reset();
    ui::script::answerMsgBox(ui::vbYes);
    ui::script::answerMsgBox(ui::vbOK);
    trigger("Mnu_AddNew");
    EXPECT_EQ(codes(2), "0,0,0,0,0");
}

TEST_F(RecordCommandsTest, NewOverAnOrphanProfileRowMakesNoHalfPc) {
    startWith({{1, "PC-001"}});
    sql("INSERT INTO tbl_Pclist (MainKey, Computer_Name) VALUES (2, 'orphan')");
    ui::script::answerMsgBox(ui::vbYes);
    ui::script::answerMsgBox(ui::vbOK);
    trigger("Mnu_AddNew");
    EXPECT_EQ(stdErrorBoxes(), 1);
    EXPECT_EQ(count("SELECT * FROM tbl_Computer_List WHERE MainKey = 2"), 0);
    EXPECT_EQ(scalar("SELECT Computer_Name FROM tbl_Pclist WHERE MainKey = 2"), "orphan");
}

// The lookup reports its own failure; New then must not take key 1 and reset PC 1.
TEST_F(RecordCommandsTest, NewAfterAFailedKeyLookupCreatesNothingAndShowsOneBox) {
    startWith({{1, "PC-001", 1, 1, 1}});  // a removed PC with a location and a user
    gCn().setFailHook([](const QString& sql) { return sql.contains("MAX( MainKey )"); });
    ui::script::answerMsgBox(ui::vbYes);
    ui::script::answerMsgBox(ui::vbOK);
    trigger("Mnu_AddNew");
    gCn().setFailHook(nullptr);

    EXPECT_EQ(ui::script::shown().size(), 2u);
    EXPECT_EQ(stdErrorBoxes(), 1);
    EXPECT_EQ(count("SELECT * FROM tbl_Computer_List"), 2);
    EXPECT_EQ(codes(1), "1,1,0,0,1");
}

// The ledger's own statement texts, in their order, all inside one transaction.
TEST_F(RecordCommandsTest, NewAndDeleteRunTheirStatementsInOneTransaction) {
    startWith({{5, "PC-005"}});
    ui::script::answerMsgBox(ui::vbYes);
    ui::script::answerMsgBox(ui::vbOK);
    const std::vector<Run> created = statementsOf([&] { trigger("Mnu_AddNew"); });
    const std::vector<Run> wantCreated = {
        {"INSERT INTO tbl_Computer_List (MainKey) VALUES (6)", true},
        {"INSERT INTO tbl_PClist (MainKey) VALUES (6)", true},
        {"UPDATE tbl_Computer_List SET tbl_Computer_List.[Location_Code] = 0 WHERE MainKey = 6", true},
        {"UPDATE tbl_Computer_List SET tbl_Computer_List.[User_Code] = 0 WHERE MainKey = 6", true},
        {"UPDATE tbl_Computer_List SET tbl_Computer_List.[Manufacturer_Code] = 0 WHERE MainKey = 6", true},
        {"UPDATE tbl_Computer_List SET tbl_Computer_List.[Model_Code] = 0 WHERE MainKey = 6", true},
        {"UPDATE tbl_Computer_List SET tbl_Computer_List.[Deleted_Flug] = 0 WHERE MainKey = 6", true},
    };
    EXPECT_EQ(created, wantCreated);

    clickPc(5);
    ui::script::answerMsgBox(ui::vbYes);
    ui::script::answerMsgBox(ui::vbOK);
    const std::vector<Run> deleted = statementsOf([&] { trigger("Mnu_Delete"); });
    const std::vector<Run> wantDeleted = {
        {"DELETE  FROM tbl_ApplicationsList WHERE tbl_ApplicationsList.Key = 5;", true},
        {"DELETE  FROM tbl_Computer_List WHERE tbl_Computer_List.MainKey = 5;", true},
        {"DELETE  FROM tbl_Device_Management WHERE tbl_Device_Management.Key = 5;", true},
        {"DELETE  FROM tbl_Environmental WHERE tbl_Environmental.Key = 5;", true},
        {"DELETE  FROM tbl_Pclist WHERE tbl_Pclist.MainKey = 5;", true},
        {"DELETE  FROM tbl_Printer_Management WHERE tbl_Printer_Management.Key = 5;", true},
        {"DELETE  FROM tbl_Mail_Management WHERE tbl_Mail_Management.Conputer_Code = 5;", true},
        {"DELETE  FROM tbl_License_Dat WHERE tbl_License_Dat.Computer_Code = 5;", true},
    };
    EXPECT_EQ(deleted, wantDeleted);
    EXPECT_FALSE(gCn().inTransaction());
    EXPECT_EQ(codes(6), "0,0,0,0,0");  // the new PC was committed and outlives the delete of PC 5
}

// --- Delete ----------------------------------------------------------------------------------------

TEST_F(RecordCommandsTest, DeleteEmptiesEveryTableOfThatPcAndNothingElse) {
    startWith({{1, "PC-001"}, {2, "PC-002", 1, 1}, {3, "PC-003"}});
    addDetailRows(1, true);
    addDetailRows(2, false);  // no licence: the report still names every table
    addDetailRows(3, true);
    const std::vector<int> others1 = keyedRows(1), others3 = keyedRows(3);

    clickPc(2);
    ui::script::answerMsgBox(ui::vbYes);
    ui::script::answerMsgBox(ui::vbOK);
    trigger("Mnu_Delete");

    ASSERT_EQ(ui::script::shown().size(), 2u);
    EXPECT_EQ(ui::script::shown()[0].prompt, "削除しますか？");
    EXPECT_EQ(ui::script::shown()[0].title, kQuestionTitle);
    EXPECT_EQ(ui::script::shown()[0].buttons, kYesNoQuestion);
    EXPECT_EQ(ui::script::shown()[1].prompt, kDeleteReport);
    EXPECT_EQ(ui::script::shown()[1].title, ui::kAppTitle);
    EXPECT_EQ(ui::script::shown()[1].buttons, ui::vbOKOnly);

    EXPECT_EQ(keyedRows(2), std::vector<int>(8, 0));
    EXPECT_EQ(keyedRows(1), others1);
    EXPECT_EQ(keyedRows(3), others3);
    EXPECT_EQ(count("SELECT * FROM tbl_User WHERE User_Code = 1"), 1);
    EXPECT_EQ(count("SELECT * FROM tbl_Location WHERE Location_Code = 1"), 1);

    EXPECT_EQ(rowOf(2), 0);
    EXPECT_EQ(m_main->MainSelKey, 0);
    EXPECT_TRUE(m_main->MainListReady);  // set again by the refill, which found rows
    EXPECT_FALSE(action("Mnu_Delete")->isEnabled());

    // No selection now: the removal entry, still enabled, does nothing.
    trigger("Mnu_ReplacePC");
    EXPECT_EQ(ui::script::shown().size(), 2u);
}

TEST_F(RecordCommandsTest, DeleteAnsweredNoDeletesNothing) {
    startWith({{4, "PC-004"}});
    addDetailRows(4, true);
    clickPc(4);
    ui::script::answerMsgBox(ui::vbNo);
    trigger("Mnu_Delete");
    EXPECT_EQ(keyedRows(4), std::vector<int>({2, 1, 2, 2, 1, 2, 1, 1}));
    EXPECT_TRUE(action("Mnu_Delete")->isEnabled());
}

TEST_F(RecordCommandsTest, DeleteRollsBackAllEightWhenOneFails) {
    startWith({{4, "PC-004"}});
    addDetailRows(4, true);
    clickPc(4);
    gCn().setFailHook([](const QString& sql) { return sql.contains("FROM tbl_Mail_Management"); });
    ui::script::answerMsgBox(ui::vbYes);
    ui::script::answerMsgBox(ui::vbOK);
    trigger("Mnu_Delete");
    gCn().setFailHook(nullptr);

    EXPECT_EQ(ui::script::shown().size(), 2u);  // the question and the error box, no report
    EXPECT_EQ(stdErrorBoxes(), 1);
    EXPECT_EQ(keyedRows(4), std::vector<int>({2, 1, 2, 2, 1, 2, 1, 1}));
    EXPECT_FALSE(gCn().inTransaction());
    EXPECT_GT(rowOf(4), 0);
}

// A window holding a PC read earlier tells it from the next PC given its key by the deletions noted: the
// delete notes its own key, and only when the PC went.
TEST_F(RecordCommandsTest, DeleteNotesThatPcsDeletionWhenItDeletes) {
    startWith({{4, "PC-004"}, {5, "PC-005"}});
    const quint64 mark = deletionMark();
    const auto deleteAnswered = [&](int answer, bool fails) {
        clickPc(5);
        ui::script::answerMsgBox(answer);
        if (answer == ui::vbYes) ui::script::answerMsgBox(ui::vbOK);  // the report, or the error box
        if (fails) gCn().setFailHook([](const QString& sql) { return sql.contains("FROM tbl_Mail_Management"); });
        trigger("Mnu_Delete");
        gCn().setFailHook(nullptr);
    };
    deleteAnswered(ui::vbNo, false);
    EXPECT_FALSE(pcDeletedSince(5, mark)) << "answered No";
    deleteAnswered(ui::vbYes, true);
    ASSERT_EQ(keyedRows(5)[4], 1);
    EXPECT_FALSE(pcDeletedSince(5, mark)) << "rolled back";
    deleteAnswered(ui::vbYes, false);
    ASSERT_EQ(keyedRows(5)[4], 0);
    EXPECT_TRUE(pcDeletedSince(5, mark));
    EXPECT_FALSE(pcDeletedSince(4, mark));
    EXPECT_FALSE(pcDeletedSince(5, deletionMark())) << "a mark taken after the delete";
}

// --- Removal ---------------------------------------------------------------------------------------

TEST_F(RecordCommandsTest, RemovalDateAnswers) {
    startWith({{6, "PC-006"}, {8, "PC-008"}});
    struct Case {
        const char* answer;  // nullptr: Cancel
        bool accepted;
        const char* why;
    };
    const Case cases[] = {
        {"2005/12/04", true, "as the example"},
        {"200a/12/04", true, "the year is not checked"},
        {"2005/02/31", true, "nor whether the day exists"},
        {"2005/ 1/ 4", true, "a blank for a leading zero"},
        {"2005/12/4 ", true, "a blank after the day"},
        {"2005/1/04", false, "one-digit month"},
        {"2005/12/4", false, "one-digit day"},
        {"2005-12-04", false, "another separator"},
        {"2005/13/04", false, "month 13"},
        {"2005/00/04", false, "month 00"},
        {"2005/12/32", false, "day 32"},
        {"2005/12/00", false, "day 00"},
        {"2005/12/0a", false, "letters in the day"},
        {"2005/1a/04", false, "letters in the month"},
        {"2005/12/04 ", false, "11 characters"},
        {"", false, "empty"},
        {nullptr, false, "Cancel"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        sql("UPDATE tbl_Computer_List SET Deleted_Flug = 0, Remove_Date = NULL WHERE MainKey = 6");
        trigger("Mnu_ViewUpdate");
        clickPc(6);
        ui::script::reset();
        ui::script::answerMsgBox(ui::vbYes);
        if (c.answer)
            ui::script::answerInput(c.answer);
        else
            ui::script::cancelInput();
        trigger("Mnu_ReplacePC");

        ASSERT_EQ(ui::script::shown().size(), 2u);  // the question and the date box; no message either way
        EXPECT_EQ(ui::script::shown()[0].prompt, "撤去処理しますか？");
        EXPECT_EQ(ui::script::shown()[0].title, kQuestionTitle);
        EXPECT_EQ(ui::script::shown()[0].buttons, kYesNoQuestion);
        EXPECT_EQ(ui::script::shown()[1].prompt, "撤去日を入力してください(例2005/12/04) ");
        EXPECT_EQ(ui::script::shown()[1].title, "撤去処理");
        EXPECT_EQ(ui::script::shown()[1].defaultText, "");
        if (c.accepted) {
            EXPECT_EQ(scalar("SELECT Deleted_Flug FROM tbl_Computer_List WHERE MainKey = 6"), "1");
            EXPECT_EQ(scalar("SELECT Remove_Date FROM tbl_Computer_List WHERE MainKey = 6"), c.answer);
            EXPECT_EQ(rowOf(6), 0);  // gone from the installed PCs
            EXPECT_FALSE(action("Mnu_ReplacePC")->isEnabled());
        } else {
            EXPECT_EQ(scalar("SELECT Deleted_Flug FROM tbl_Computer_List WHERE MainKey = 6"), "0");
            EXPECT_EQ(scalar("SELECT Remove_Date FROM tbl_Computer_List WHERE MainKey = 6"), "<null>");
            EXPECT_GT(rowOf(6), 0);
            EXPECT_TRUE(action("Mnu_ReplacePC")->isEnabled());
            EXPECT_EQ(m_main->MainSelKey, 6);
        }
        EXPECT_EQ(scalar("SELECT Deleted_Flug FROM tbl_Computer_List WHERE MainKey = 8"), "0");
    }
}

TEST_F(RecordCommandsTest, RemovalInTheViewOfRemovedPcsOverwritesTheDate) {
    writeIni({"[Main]", "SectionNumber=0", "[0]", "OptDel=1", "MSFlexGrit_SelectNum=1", "MSFlexGrit_Select1=8"});
    addPc({6, "PC-006", 0, 0, 1});
    sql("UPDATE tbl_Computer_List SET Remove_Date = '2004/01/01' WHERE MainKey = 6");
    ASSERT_NE(start(), nullptr);
    clickPc(6);
    ui::script::answerMsgBox(ui::vbYes);
    ui::script::answerInput("2006/03/31");
    trigger("Mnu_ReplacePC");
    EXPECT_EQ(scalar("SELECT Remove_Date FROM tbl_Computer_List WHERE MainKey = 6"), "2006/03/31");
    EXPECT_GT(rowOf(6), 0);  // still listed among the removed
}

// The PC's row is opened by the ledger's own query; a write that fails leaves it as it was.
TEST_F(RecordCommandsTest, RemovalWhoseWriteFailsLeavesTheRowAndShowsTheErrorBox) {
    startWith({{6, "PC-006"}});
    clickPc(6);
    ui::script::answerMsgBox(ui::vbYes);
    ui::script::answerInput("2005/12/04");
    ui::script::answerMsgBox(ui::vbOK);
    std::vector<QString> opened;
    gCn().setFailHook([&](const QString& sql) {
        if (sql.startsWith("SELECT * FROM tbl_Computer_List")) opened.push_back(sql);
        return sql.startsWith("UPDATE") && sql.contains("Remove_Date");
    });
    trigger("Mnu_ReplacePC");
    gCn().setFailHook(nullptr);

    EXPECT_EQ(opened, std::vector<QString>({"SELECT * FROM tbl_Computer_List WHERE MainKey  = 6"}));
    EXPECT_EQ(ui::script::shown().size(), 3u);
    EXPECT_EQ(stdErrorBoxes(), 1);
    EXPECT_EQ(scalar("SELECT Deleted_Flug FROM tbl_Computer_List WHERE MainKey = 6"), "0");
    EXPECT_EQ(scalar("SELECT Remove_Date FROM tbl_Computer_List WHERE MainKey = 6"), "<null>");
    EXPECT_EQ(m_main->MainSelKey, 6);  // no refresh: the PC stays selected
    EXPECT_TRUE(action("Mnu_ReplacePC")->isEnabled());
}

TEST_F(RecordCommandsTest, RemovalAnsweredNoAsksNoDate) {
    startWith({{6, "PC-006"}});
    clickPc(6);
    ui::script::answerMsgBox(ui::vbNo);
    trigger("Mnu_ReplacePC");
    EXPECT_EQ(ui::script::shown().size(), 1u);
    EXPECT_EQ(scalar("SELECT Deleted_Flug FROM tbl_Computer_List WHERE MainKey = 6"), "0");
}

TEST_F(RecordCommandsTest, RemovalOfAPcDeletedBehindTheListWritesNothing) {
    startWith({{6, "PC-006"}});
    clickPc(6);
    sql("DELETE FROM tbl_Computer_List WHERE MainKey = 6");
    ui::script::answerMsgBox(ui::vbYes);
    ui::script::answerInput("2005/12/04");
    trigger("Mnu_ReplacePC");
    EXPECT_EQ(ui::script::shown().size(), 2u);
    EXPECT_EQ(count("SELECT * FROM tbl_Computer_List WHERE MainKey = 6"), 0);
    EXPECT_TRUE(action("Mnu_ReplacePC")->isEnabled());  // the command ended before its last step
}

// --- Search ----------------------------------------------------------------------------------------

class SearchTest : public RecordCommandsTest {
protected:
    void SetUp() override {
        RecordCommandsTest::SetUp();
        addLocation(2, "ＰＣ室");  // full-width letters
        startWith({{5, "PC-Alpha", 1, 1}, {12, "pc-alpha2", 2}, {30, "Beta", 1}, {44, "APC"}});
    }

    // Cells painted yellow, as "row,col".
    QStringList yellowCells() const {
        QStringList cells;
        const ui::FlexGrid& grid = *m_main->MSFlexGrid_Main;
        for (int row = 0; row < grid.Rows(); ++row)
            for (int col = 0; col < grid.Cols(); ++col)
                if (grid.cellBackColorAt(row, col) == QColor(255, 255, 0)) cells << QString("%1,%2").arg(row).arg(col);
        return cells;
    }
    QString cell(int key, int col) const { return QString("%1,%2").arg(rowOf(key)).arg(col); }

    void search(const QString& word, bool expectNotFound) {
        ui::script::reset();
        ui::script::answerInput(word);
        if (expectNotFound) ui::script::answerMsgBox(ui::vbOK);
        trigger("Mnu_Search");
    }
};

TEST_F(SearchTest, PaintsTheCellsThatBeginWithTheWord) {
    struct Case {
        const char* word;
        std::vector<std::pair<int, int>> cells;  // (PC key, grid column)
        const char* why;
    };
    // Columns: 1 key (hidden), 2 設置場所, 3 ユーザ, 4 コンピュータ名.
    const Case cases[] = {
        {"PC", {{5, 4}}, "case matters: pc-alpha2 and ＰＣ室 are not painted, nor APC"},
        {"pc", {{12, 4}}, "lower case finds only lower case"},
        {"ＰＣ", {{12, 2}}, "full width finds only full width"},
        {"本", {{5, 2}, {30, 2}}, "a location name"},
        {"?eta", {{30, 4}}, "? is any one character"},
        {"[AB]", {{30, 4}, {44, 4}}, "a bracket list"},
        {"[!P]e", {{30, 4}}, "a negated list"},
        {"#", {{5, 1}, {12, 1}, {30, 1}, {44, 1}}, "# is a digit: every key"},
        {"1", {{12, 1}}, "digits find the hidden key column"},
        {"*lpha", {{5, 4}, {12, 4}}, "* runs"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        search(c.word, false);
        QStringList want;
        for (auto [key, col] : c.cells) want << cell(key, col);
        QStringList got = yellowCells();
        want.sort();
        got.sort();
        EXPECT_EQ(got, want);
        EXPECT_EQ(ui::script::shown().size(), 1u) << "no message when found";
        // The current cell stays on the last cell visited; nothing is selected.
        EXPECT_EQ(m_main->MSFlexGrid_Main->Row(), m_main->MSFlexGrid_Main->Rows() - 1);
        EXPECT_EQ(m_main->MSFlexGrid_Main->Col(), m_main->MSFlexGrid_Main->Cols() - 1);
        EXPECT_EQ(m_main->MainSelKey, 0);
        EXPECT_TRUE(m_main->MSFlexGrid_Main->isVisibleTo(m_main));
    }
    EXPECT_EQ(ui::script::shown()[0].prompt, "検索する単語を入力してください");
    EXPECT_EQ(ui::script::shown()[0].title, "検索");
    EXPECT_EQ(ui::script::shown()[0].defaultText, "");
}

TEST_F(SearchTest, AWordThatBeginsNoCellRebuildsTheListUncolouredAndSaysSo) {
    search("PC", false);
    ASSERT_FALSE(yellowCells().isEmpty());
    for (const char* word : {"zzz", "[PC", "pc-alpha2x"}) {
        SCOPED_TRACE(word);
        search(word, true);
        EXPECT_TRUE(yellowCells().isEmpty());
        ASSERT_EQ(ui::script::shown().size(), 2u);
        EXPECT_EQ(ui::script::shown()[1].prompt, "見つかりませんでした");
        EXPECT_EQ(ui::script::shown()[1].title, ui::kAppTitle);
        EXPECT_EQ(ui::script::shown()[1].buttons, ui::vbOKOnly);
    }
}

TEST_F(SearchTest, AnEmptyWordOrCancelLeavesListColoursAndSelection) {
    search("PC", false);
    clickPc(30);
    const auto colours = cellColours();
    for (bool cancel : {false, true}) {
        SCOPED_TRACE(cancel ? "Cancel" : "empty");
        ui::script::reset();
        if (cancel)
            ui::script::cancelInput();
        else
            ui::script::answerInput("");
        trigger("Mnu_Search");
        EXPECT_EQ(cellColours(), colours);
        EXPECT_EQ(m_main->MainSelKey, 30);
        EXPECT_EQ(ui::script::shown().size(), 1u);
    }
}

}  // namespace
