// The PC list of the real main window: the fill with its formatting, the highlight, selection by click,
// the hand-over by double click, the selection reset after a refill and the 2,560-PC limit.
#include <gtest/gtest.h>

#include <QAction>
#include <initializer_list>

#include "core/Mdl_Access_mdb.h"
#include "core/Mdl_gData.h"
#include "core/ViewQuery.h"
#include "platform/db/Ado.h"
#include "platform/ui/Colors.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/Forms.h"
#include "tests/core/main_window/GridClicks.h"
#include "tests/core/main_window/MainWindowFixture.h"

namespace mainwindow {
namespace {

const QColor kGrey = ui::QBColor(8);
const QColor kWhite = ui::QBColor(15);

class ListTest : public MainWindowTest {
protected:
    // Chooses the list columns (catalogue indexes) and refills as the view window does.
    bool showView(std::initializer_list<int> columns, qint16 optDel = 0) {
        gSelColumnCount = qint16(columns.size());
        int i = 1;
        for (int c : columns) gSelColumn[std::size_t(i++)] = qint16(c);
        gOptDel = optDel;
        gSetSQLVal();
        return m_main->fnc_View_PClist();
    }

    // The row's cells of columns 1 to Cols - 1 all have this colour.
    bool rowIs(int row, const QColor& c) const {
        ui::FlexGrid* g = m_main->MSFlexGrid_Main;
        for (int col = 1; col < g->Cols(); ++col)
            if (g->cellBackColorAt(row, col) != c) return false;
        return true;
    }

    // Starts on view 0 showing the computer name (grid column 2), sorted by it.
    frm_Main* startWithNames() {
        writeIni({"[Main]", "[0]", "SelectNumber=1", "KeyName0=Computer_Name", "KeyCaption0=コンピュータ名",
                  "KeyASCDESC0=ASC", "MSFlexGrit_SelectNum=1", "MSFlexGrit_Select1=8"});
        return start();
    }

    bool commandsEnabled() const {
        return m_main->Mnu_Edit_profile->isEnabled() && m_main->Mnu_Delete->isEnabled() &&
               m_main->Mnu_ReplacePC->isEnabled();
    }
    bool commandsDisabled() const {
        return !m_main->Mnu_Edit_profile->isEnabled() && !m_main->Mnu_Delete->isEnabled() &&
               !m_main->Mnu_ReplacePC->isEnabled();
    }

    // Many PCs at once, in one transaction of the test's own connection.
    void addManyPcs(int firstKey, int count) {
        ado::Connection cn;
        cn.Open("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" + m_folder->dbPath());
        ado::TransGuard trans(cn);
        for (int k = firstKey; k < firstKey + count; ++k) {
            cn.Execute(QString("INSERT INTO tbl_Computer_List (MainKey, Location_Code, User_Code, Manufacturer_Code, "
                               "Model_Code, Deleted_Flug) VALUES (%1, 0, 0, 0, 0, 0)")
                           .arg(k));
            cn.Execute(QString("INSERT INTO tbl_Pclist (MainKey, Computer_Name) VALUES (%1, 'PC%1')").arg(k));
        }
        trans.commit();
        cn.Close();
    }
};

TEST_F(ListTest, LayoutOfAFilledList) {
    addPc({1, "PC-A"});
    addPc({2, "PC-B"});
    start();
    ASSERT_TRUE(showView({8, 12}));
    ui::FlexGrid* g = m_main->MSFlexGrid_Main;

    ASSERT_EQ(g->Cols(), 4);
    ASSERT_EQ(g->Rows(), 3);
    EXPECT_EQ(g->ColWidth(0), 500);
    EXPECT_EQ(g->ColWidth(1), 0);
    EXPECT_EQ(g->ColWidth(2), 1500);
    EXPECT_EQ(g->ColWidth(3), 1500);
    EXPECT_EQ(g->TextMatrix(0, 0), "");
    EXPECT_EQ(g->TextMatrix(0, 1), " ");
    EXPECT_EQ(g->TextMatrix(0, 2), "コンピュータ名");
    EXPECT_EQ(g->TextMatrix(0, 3), "MACアドレス");
    for (int col = 1; col <= 3; ++col) {
        EXPECT_EQ(g->cellBackColorAt(0, col), kGrey) << col;
        EXPECT_EQ(g->cellAlignmentAt(0, col), ui::flexAlignCenterBottom) << col;
    }
    for (int row = 1; row <= 2; ++row) {
        EXPECT_EQ(g->TextMatrix(row, 0), QString::number(row));
        EXPECT_EQ(g->cellBackColorAt(row, 0), kGrey);
        for (int col = 1; col <= 3; ++col) EXPECT_EQ(g->cellAlignmentAt(row, col), ui::flexAlignLeftBottom);
    }
    EXPECT_EQ(g->TextMatrix(1, 1), "1");
    EXPECT_EQ(g->TextMatrix(2, 1), "2");
    EXPECT_EQ(g->TextMatrix(2, 2), "PC-B");
    EXPECT_EQ(gRowCount, 2);
    EXPECT_EQ(gRowMainKey[1], 1);
    EXPECT_EQ(gRowMainKey[2], 2);
    EXPECT_FALSE(g->isHidden());

    // A fill alone leaves row 1 painted as selected; the reset removes that.
    EXPECT_EQ(m_main->MainSelRow, 1);
    EXPECT_TRUE(rowIs(1, kGrey));
    m_main->MSFlexGrid_Main_ini();
    EXPECT_TRUE(rowIs(1, kWhite));
    EXPECT_TRUE(rowIs(2, kWhite));
    EXPECT_EQ(m_main->MainSelRow, 0);
    EXPECT_EQ(m_main->MainPrevRow, 1);
}

// Every catalogue entry names a field of the list query: a misspelt name would stop every view showing it.
TEST_F(ListTest, AllSeventySixCatalogueColumnsFillFromTheQuery) {
    addPc({1, "PC-1"});
    start();
    gSelColumnCount = 76;
    for (int i = 1; i <= 76; ++i) gSelColumn[std::size_t(i)] = qint16(i);
    gSetSQLVal();
    ASSERT_TRUE(m_main->fnc_View_PClist());
    ui::FlexGrid* g = m_main->MSFlexGrid_Main;
    ASSERT_EQ(g->Cols(), 78);
    for (int i = 1; i <= 76; ++i) EXPECT_EQ(g->TextMatrix(0, i + 1), gColumnDef[std::size_t(i)].Caption) << i;
    EXPECT_EQ(g->TextMatrix(1, 9), "PC-1");  // entry 8, the computer name
}

TEST_F(ListTest, ViewFromIniSortsFiltersAndShowsItsColumns) {
    addLocation(1, "本社");
    addLocation(2, "支店");
    addUser(1, "山田");
    addPc({1, "PC-B", 1, 1});
    addPc({2, "PC-A", 2, 0});
    addPc({3, "PC-C", 1, 0, /*removed*/ 1});
    addPc({4, "PC-D", 2, 1});
    writeIni({"[Main]", "SectionNumber=0", "[0]", "OptDel=0", "SelectNumber=2", "KeyName0=Location_Name",
              "KeyCaption0=設置場所", "KeyASCDESC0=DESC", "KeyName1=Computer_Name", "KeyCaption1=コンピュータ名",
              "KeyASCDESC1=ASC", "MSFlexGrit_SelectNum=3", "MSFlexGrit_Select1=1", "MSFlexGrit_Select2=4",
              "MSFlexGrit_Select3=8"});
    start();
    ui::FlexGrid* g = m_main->MSFlexGrid_Main;
    ASSERT_EQ(g->Cols(), 5);
    EXPECT_EQ(g->TextMatrix(0, 2), "設置場所");
    EXPECT_EQ(g->TextMatrix(0, 3), "ユーザ");
    EXPECT_EQ(g->TextMatrix(0, 4), "コンピュータ名");

    // Installed only; location descending (本 U+672C sorts after 支 U+652F), then name ascending.
    struct Row {
        const char* location;
        const char* user;
        const char* name;
        int key;
    };
    const Row expected[] = {{"本社", "山田", "PC-B", 1}, {"支店", "", "PC-A", 2}, {"支店", "山田", "PC-D", 4}};
    ASSERT_EQ(g->Rows(), 4);
    ASSERT_EQ(gRowCount, 3);
    for (int r = 1; r <= 3; ++r) {
        SCOPED_TRACE(r);
        const Row& e = expected[r - 1];
        EXPECT_EQ(g->TextMatrix(r, 1), QString::number(e.key));
        EXPECT_EQ(g->TextMatrix(r, 2), QString::fromUtf8(e.location));
        EXPECT_EQ(g->TextMatrix(r, 3), QString::fromUtf8(e.user));
        EXPECT_EQ(g->TextMatrix(r, 4), QString::fromUtf8(e.name));
        EXPECT_EQ(gRowMainKey[r], e.key);
    }

    // The same columns for removed PCs, then for all.
    EXPECT_TRUE(showView({1, 4, 8}, 1));
    ASSERT_EQ(gRowCount, 1);
    EXPECT_EQ(g->TextMatrix(1, 4), "PC-C");
    EXPECT_TRUE(showView({1, 4, 8}, 2));
    EXPECT_EQ(gRowCount, 4);
}

TEST_F(ListTest, ValuesAreFormattedByTheirColumn) {
    addPc({1, "PC-1"});
    addPc({2, "PC-2"});
    sql("UPDATE tbl_Pclist SET SysHD_Full = 80026361, SysHD_Used = 1000, SysHD_Free = 1001, Memory_Full = 523760, "
        "Memory_Used = 1234567, Floppydisk_Drive = '0', Cdrom_Drive = '1', Internet_Connection = '1', "
        "Modem_Connection = '0', CPU_Clock = 2400, IPAddress = '192.168.1.10' WHERE MainKey = 1");
    sql("UPDATE tbl_Computer_List SET Leasing_StartDate = '2005/04/01', Leasing_Monthly_Amount = 12000, "
        "[Update] = '2005/04/01 9:30:00', Comment = '' WHERE MainKey = 1");
    sql("UPDATE tbl_Pclist SET SysHD_Full = 999, SysHD_Free = 0, Memory_Full = 1001, Pagefile_Full = 2000000, "
        "Floppydisk_Drive = '1', DVD_Drive = '2', Internet_Connection = '0', RASInstalled = '1', "
        "SysHD_Used = 2000000000 WHERE MainKey = 2");
    sql("UPDATE tbl_Computer_List SET Comment = 'メモ' WHERE MainKey = 2");
    start();
    //                       10  25  26  27  28  29  30  34  35  36  37  43  44  48  65  70  72  76
    const int columns[] = {10, 25, 26, 27, 28, 29, 30, 34, 35, 36, 37, 43, 44, 48, 65, 70, 72, 76};
    gSelColumnCount = qint16(std::size(columns));
    for (std::size_t i = 0; i < std::size(columns); ++i) gSelColumn[i + 1] = qint16(columns[i]);
    gSetSQLVal();
    ASSERT_TRUE(m_main->fnc_View_PClist());
    m_main->MSFlexGrid_Main_ini();
    ui::FlexGrid* g = m_main->MSFlexGrid_Main;

    auto colOf = [&](int catalogueIndex) {
        for (std::size_t i = 0; i < std::size(columns); ++i)
            if (columns[i] == catalogueIndex) return int(i) + 2;
        return -1;
    };
    constexpr int L = ui::flexAlignLeftBottom;
    constexpr int R = ui::flexAlignRightBottom;
    struct Cell {
        const char* what;
        int row;
        int catalogueIndex;
        const char* text;
        int alignment;
    };
    const Cell cells[] = {
        {"disk size in GB", 1, 26, "80GB", R},
        {"1000 stays as stored", 1, 27, "1000", L},
        {"1001 rounds to no digit at all", 1, 34, "GB", R},
        {"memory in MB", 1, 28, "524MB", R},
        {"thousands grouped", 1, 29, "1,235MB", R},
        {"Null stays empty", 1, 30, "", L},
        {"drive flag 0", 1, 35, "-", R},
        {"drive flag 1", 1, 36, "装備", R},
        {"drive flag Null", 1, 37, "", L},
        {"connection flag 1", 1, 43, "有効", R},
        {"connection flag 0", 1, 44, "-", R},
        {"connection flag Null", 1, 48, "", L},
        {"date column in its default text", 1, 70, "2005/04/01", L},
        {"amount is no size", 1, 72, "12000", L},
        {"update date text as stored", 1, 65, "2005/04/01 9:30:00", L},
        {"empty text stays empty", 1, 76, "", L},
        {"address", 1, 10, "192.168.1.10", L},
        {"clock is no size", 1, 25, "2400", L},
        {"below 1000", 2, 26, "999", L},
        {"zero is a value", 2, 34, "0", L},
        {"1001 KB memory", 2, 28, "1MB", R},
        {"page file", 2, 30, "2,000MB", R},
        {"two thousand GB", 2, 27, "2,000GB", R},
        {"drive flag 1 again", 2, 35, "装備", R},
        {"drive flag other than 1", 2, 37, "-", R},
        {"connection flag 0 again", 2, 43, "-", R},
        {"RAS", 2, 48, "有効", R},
        {"comment", 2, 76, "メモ", L},
    };
    for (const Cell& c : cells) {
        SCOPED_TRACE(c.what);
        const int col = colOf(c.catalogueIndex);
        EXPECT_EQ(g->TextMatrix(c.row, col), QString::fromUtf8(c.text));
        EXPECT_EQ(g->cellAlignmentAt(c.row, col), c.alignment);
        EXPECT_EQ(g->cellBackColorAt(c.row, col), kWhite);
    }
}

TEST_F(ListTest, RetiredMasterNamesShowOnGrey) {
    addLocation(1, "旧倉庫", "1");
    addLocation(2, "本社", "0");
    addUser(1, "退職者", "1");
    addUser(2, "在籍者", "0");
    addPc({1, "PC-1", 2, 2});
    addPc({2, "PC-2", 1, 2});
    addPc({3, "PC-3", 2, 1});
    start();
    gSelectNumber = 1;
    gKeyName[0] = "Computer_Name";
    gKeyAscDesc[0] = "ASC";
    ASSERT_TRUE(showView({1, 4, 8}));
    m_main->MSFlexGrid_Main_ini();
    ui::FlexGrid* g = m_main->MSFlexGrid_Main;

    EXPECT_EQ(g->TextMatrix(2, 2), "旧倉庫");
    EXPECT_EQ(g->cellBackColorAt(2, 2), kGrey);
    EXPECT_EQ(g->cellBackColorAt(2, 3), kWhite);
    EXPECT_EQ(g->TextMatrix(3, 3), "退職者");
    EXPECT_EQ(g->cellBackColorAt(3, 3), kGrey);
    EXPECT_EQ(g->cellBackColorAt(3, 2), kWhite);
    EXPECT_EQ(g->cellBackColorAt(3, 4), kWhite);
    EXPECT_TRUE(rowIs(1, kWhite));
}

TEST_F(ListTest, ViewWithoutRecordsEmptiesTheGridAndKeepsTheSelection) {
    addPc({1, "PC-1"});
    addPc({2, "PC-2"});
    startWithNames();
    ASSERT_TRUE(showView({8}));
    clickRow(m_main->MSFlexGrid_Main, 2);
    ASSERT_EQ(m_main->MainSelKey, 2);

    EXPECT_FALSE(showView({8}, /*removed only*/ 1));
    EXPECT_EQ(m_main->MSFlexGrid_Main->Rows(), 0);
    EXPECT_EQ(m_main->MSFlexGrid_Main->Cols(), 0);
    EXPECT_EQ(m_main->MainSelKey, 2);
    EXPECT_EQ(m_main->MainSelRow, 2);
    EXPECT_TRUE(m_main->MainListReady);
    EXPECT_EQ(gRowCount, 2);

    // The reset on an empty grid paints nothing and clears the selection.
    m_main->fnc_Reset_Selection();
    EXPECT_EQ(m_main->MainSelKey, 0);
    EXPECT_TRUE(commandsDisabled());
}

TEST_F(ListTest, OnlyTheReservedPcGivesOneEmptyRow) {
    start();
    ASSERT_TRUE(showView({8}));
    ui::FlexGrid* g = m_main->MSFlexGrid_Main;
    EXPECT_EQ(g->Rows(), 2);
    EXPECT_EQ(g->Cols(), 3);
    EXPECT_EQ(g->TextMatrix(1, 1), "");
    EXPECT_EQ(g->TextMatrix(1, 0), "");
    EXPECT_EQ(gRowCount, 0);
    EXPECT_TRUE(m_main->MainListReady);

    m_main->fnc_Reset_Selection();
    clickRow(g, 1);
    EXPECT_EQ(m_main->MainSelKey, 0);
    EXPECT_TRUE(commandsDisabled());
}

TEST_F(ListTest, ClickSelectsAndMovesTheHighlight) {
    addPc({5, "PC-5"});
    addPc({7, "PC-7"});
    addPc({9, "PC-9"});
    startWithNames();
    ui::FlexGrid* g = m_main->MSFlexGrid_Main;
    ASSERT_EQ(gRowCount, 3);
    EXPECT_TRUE(commandsDisabled());

    clickRow(g, 2);
    EXPECT_EQ(m_main->MainSelKey, 7);
    EXPECT_EQ(m_main->MainSelRow, 2);
    EXPECT_EQ(m_main->MainPrevRow, 2);
    EXPECT_TRUE(commandsEnabled());
    EXPECT_TRUE(rowIs(2, kGrey));
    EXPECT_TRUE(rowIs(1, kWhite));

    clickRow(g, 3);
    EXPECT_EQ(m_main->MainSelKey, 9);
    EXPECT_TRUE(rowIs(3, kGrey));
    EXPECT_TRUE(rowIs(2, kWhite));
    EXPECT_EQ(g->cellBackColorAt(2, 0), kGrey);  // the row numbers keep their grey

    // The header row selects nothing.
    clickRow(g, 0);
    EXPECT_EQ(m_main->MainSelKey, 9);
    EXPECT_TRUE(rowIs(3, kGrey));
}

TEST_F(ListTest, ClickBeforeAnyFillChangesNothing) {
    addPc({1, "PC-1"});
    ASSERT_TRUE(QFile::remove(m_folder->dbPath()));  // the load stops before the list
    start();
    ASSERT_FALSE(m_main->MainListReady);
    ui::FlexGrid* g = m_main->MSFlexGrid_Main;
    g->setRows(3);
    g->setCols(3);
    g->setTextMatrix(1, 1, "1");
    clickRow(g, 1);
    EXPECT_EQ(m_main->MainSelKey, 0);
    EXPECT_EQ(m_main->MainSelRow, 0);
}

TEST_F(ListTest, DoubleClickHandsThePcOverAndOpensNoEditorYet) {
    addPc({5, "PC-5"});
    addPc({7, "PC-7"});
    startWithNames();
    ui::FlexGrid* g = m_main->MSFlexGrid_Main;

    // Nothing selected: 0 and 0 are handed over and nothing opens; the entry stays as it was.
    gSelMainKey = 99;
    gSelRow = 99;
    m_main->MSFlexGrid_Main_DblClick();
    EXPECT_EQ(gSelMainKey, 0);
    EXPECT_EQ(gSelRow, 0);
    EXPECT_EQ(ui::loadedForms().size(), 1u);

    doubleClickRow(g, 2);
    EXPECT_EQ(m_main->MainSelKey, 7);
    EXPECT_EQ(gSelMainKey, 7);
    EXPECT_EQ(gSelRow, 2);
    EXPECT_FALSE(m_main->Mnu_Edit_profile->isEnabled());
    EXPECT_TRUE(m_main->Mnu_Delete->isEnabled());
    EXPECT_TRUE(m_main->Mnu_ReplacePC->isEnabled());
    EXPECT_EQ(ui::findForm("frm_Edit_Computer"), nullptr);
    EXPECT_EQ(ui::loadedForms().size(), 1u);
}

// Once the editor exists the same path opens it modeless, and a second double click only raises it.
TEST_F(ListTest, DoubleClickOpensAnExistingEditorModelessAndOnce) {
    struct Opened {
        int loads = 0;
        qint16 keyAtLoad = -1;
        qint16 rowAtLoad = -1;
    };
    static Opened opened;
    opened = Opened{};
    class EditorStandIn : public ui::Form {
    public:
        EditorStandIn() : ui::Form("frm_Edit_Computer") {}

    protected:
        void Form_Load() override {
            ++opened.loads;
            opened.keyAtLoad = gSelMainKey;
            opened.rowAtLoad = gSelRow;
        }
    };
    ui::registerForm("frm_Edit_Computer", [] { return new EditorStandIn; });

    addPc({5, "PC-5"});
    addPc({7, "PC-7"});
    startWithNames();
    ui::FlexGrid* g = m_main->MSFlexGrid_Main;
    doubleClickRow(g, 2);
    ui::Form* editor = ui::findForm("frm_Edit_Computer");
    ASSERT_NE(editor, nullptr);  // the double click returned while the editor stays open
    EXPECT_TRUE(editor->isVisible());
    EXPECT_FALSE(editor->isModalShown());
    EXPECT_EQ(opened.loads, 1);
    EXPECT_EQ(opened.keyAtLoad, 7);
    EXPECT_EQ(opened.rowAtLoad, 2);
    EXPECT_FALSE(m_main->Mnu_Edit_profile->isEnabled());

    doubleClickRow(g, 1);
    EXPECT_EQ(gSelMainKey, 5);
    EXPECT_EQ(opened.loads, 1);
    EXPECT_EQ(ui::findForm("frm_Edit_Computer"), editor);

    editor->Unload();
    flushDeletes();
    ui::registerForm("frm_Edit_Computer", {});  // no editor for the other tests
}

// A column count past the 256 places (hand-edited file) stops the start-up, and stays set: a later refill
// ends in the same subscript error instead of reading past the list.
TEST_F(ListTest, ColumnCountPastTheListsPlacesStopsWithTheStandardErrorBox) {
    addPc({1, "PC-1"});
    writeIni({"[Main]", "[0]", "MSFlexGrit_SelectNum=300", "MSFlexGrit_Select1=8"});
    ui::script::answerMsgBox(ui::vbOK);
    start();
    ASSERT_EQ(stdErrorBoxes(), 1);
    EXPECT_FALSE(m_main->MainListReady);
    ASSERT_EQ(gSelColumnCount, 300);

    ui::script::answerMsgBox(ui::vbOK);
    gSetSQLVal();
    EXPECT_FALSE(m_main->fnc_View_PClist());
    ASSERT_EQ(stdErrorBoxes(), 2);
    EXPECT_TRUE(ui::script::shown().back().prompt.contains("（エラーコード：9）"));
    EXPECT_FALSE(m_main->MainListReady);
    EXPECT_EQ(gRowCount, 0);
}

// A refill that keeps the old selection (the view window, the import) must not leave a PC selected
// that the user no longer sees highlighted.
TEST_F(ListTest, ResetAfterARefillLeavesNoStaleSelection) {
    addPc({1, "PC-1"});
    addPc({2, "PC-2"});
    addPc({3, "PC-3"});
    startWithNames();
    ui::FlexGrid* g = m_main->MSFlexGrid_Main;
    clickRow(g, 3);
    ASSERT_EQ(m_main->MainSelKey, 3);

    ASSERT_TRUE(showView({8}));
    // What the fill alone leaves: row 1 looks selected, the key is the PC clicked before.
    EXPECT_TRUE(rowIs(1, kGrey));
    EXPECT_EQ(m_main->MainSelKey, 3);

    m_main->fnc_Reset_Selection();
    EXPECT_EQ(m_main->MainSelKey, 0);
    EXPECT_EQ(m_main->MainSelRow, 0);
    for (int r = 1; r <= 3; ++r) EXPECT_TRUE(rowIs(r, kWhite)) << r;
    EXPECT_TRUE(commandsDisabled());

    // A new click selects normally again.
    clickRow(g, 2);
    EXPECT_EQ(m_main->MainSelKey, 2);
    EXPECT_TRUE(commandsEnabled());
}

TEST_F(ListTest, MoreThan2560PcsStopWithTheStandardErrorBox) {
    addPc({1, "PC-1"});
    start();
    ASSERT_EQ(gRowCount, 1);
    addManyPcs(2, 2560);  // 2,561 PCs

    ui::script::answerMsgBox(ui::vbOK);
    EXPECT_FALSE(showView({8}));
    ASSERT_EQ(stdErrorBoxes(), 1);
    EXPECT_TRUE(ui::script::shown().front().prompt.contains("（エラーコード：9）"));
    EXPECT_EQ(gRowCount, 1);  // the earlier count stays
    EXPECT_TRUE(m_main->MainListReady);

    // 2,560 still fill.
    sql("DELETE FROM tbl_Pclist WHERE MainKey = 2561");
    EXPECT_TRUE(showView({8}));
    EXPECT_EQ(gRowCount, 2560);
    EXPECT_EQ(gRowMainKey[2560], 2560);
    EXPECT_FALSE(m_main->MSFlexGrid_Main->isHidden());
}

}  // namespace
}  // namespace mainwindow
