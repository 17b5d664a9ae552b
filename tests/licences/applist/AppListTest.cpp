// The application list opened from the main menu: the counts, the PCs of the chosen application, the
// location filter, refresh, the selection painting, the cases without a name or without a row, the
// layout and the failures.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTest>

#include "core/Mdl_Access_mdb.h"
#include "core/Mdl_gData.h"
#include "platform/db/Ado.h"
#include "platform/ui/Colors.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/DropDownCombo.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/Forms.h"
#include "platform/ui/TextBox.h"
#include "tests/licences/applist/AppListFixture.h"
#include "tests/support/UiDriver.h"

namespace applist {
namespace {

const QString kIdeo = QStringLiteral("\u3000");
const QStringList kPcHeader = {"", "コンピュータ名", "設置場所", "部", "課", "ユーザ", "バージョン"};

// The PC grid's data rows without the running number, sorted, so PCs listed in the database's order
// within one computer name compare alike.
std::vector<QStringList> pcRows(const ui::FlexGrid* grid) {
    std::vector<QStringList> rows;
    for (int r = 1; r < grid->Rows(); ++r) {
        QStringList row;
        for (int c = 1; c < grid->Cols(); ++c) row << grid->TextMatrix(r, c);
        rows.push_back(row);
    }
    std::sort(rows.begin(), rows.end());
    return rows;
}

using AppListWindowTest = AppListTest;

TEST_F(AppListWindowTest, OpensFromTheMenuWithItsControlsAndTheGeometryAsItStands) {
    seedOffice();
    ASSERT_NE(startMain(), nullptr);
    gFormWidth = 12000;
    gFormHeight = 9000;
    gFormTop = 600;
    gFormLeft = 750;
    m_main->setWidth(15000);  // the menu does not copy the main window's size first
    ASSERT_NE(open(), nullptr);

    EXPECT_EQ(m_win->windowTitle(), "アプリケーション一覧");
    EXPECT_EQ(m_win->Width(), 12000);
    EXPECT_EQ(m_win->Height(), 9000);
    EXPECT_EQ(m_win->Top(), 600);
    EXPECT_EQ(m_win->Left(), 750);
    EXPECT_FALSE(m_win->isModalShown());

    struct Entry {
        const char* name;
        QString caption;
    };
    const Entry entries[] = {
        {"Mnu_File", "ファイル" + kIdeo.repeated(6)},
        {"Mnu_Export_CSV", "書き出し" + kIdeo.repeated(3)},
        {"Mnu_Close", "閉じる"},
        {"Mnu_View", "表示" + kIdeo.repeated(8)},
        {"Mnu_ViewUpdate", "一覧更新" + kIdeo.repeated(3)},
    };
    for (const Entry& e : entries) {
        QAction* a = testsupport::action(m_win, e.name);
        ASSERT_NE(a, nullptr);
        EXPECT_EQ(a->text(), e.caption) << e.name;
        EXPECT_TRUE(a->isEnabled()) << e.name;
    }
    EXPECT_TRUE(testsupport::action(m_win, "sepalate01")->isSeparator());
    EXPECT_EQ(m_win->Mnu_Close->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_W));

    EXPECT_EQ(m_win->Label1->text(), "設置場所");
    EXPECT_EQ(m_win->Label2->text(), "件");
    EXPECT_EQ(m_win->tbx_ApplicationName->text(), "");
    EXPECT_EQ(m_win->tbx_ApplicationNum->text(), "");
    EXPECT_FALSE(m_win->tbx_Location->isVisible());
    EXPECT_FALSE(m_win->tbx_Location->isEnabled());
    EXPECT_EQ(m_win->tbx_Location->text(), "");
    EXPECT_TRUE(m_win->AppListLoaded);
    EXPECT_FALSE(m_win->UserListLoaded);
    // The PC grid keeps its design cells until an application is chosen.
    EXPECT_EQ(m_win->MSFlexGrid_User->Rows(), 2);
    EXPECT_EQ(m_win->MSFlexGrid_User->Cols(), 2);
}

TEST_F(AppListWindowTest, CountsApplicationRowsOfThePcsInUse) {
    seedOffice();
    ASSERT_NE(open(), nullptr);
    const ui::FlexGrid* grid = m_win->MSFlexGrid_Applications;

    // Word (listed as "word" too, and twice on one PC), Excel, the Null name and "".
    ASSERT_EQ(grid->Rows(), 5);
    ASSERT_EQ(grid->Cols(), 3);
    EXPECT_EQ(gridTexts(grid)[0], QStringList({"", "アプリケーション名", "小計"}));
    const int widths[] = {450, 2400, 600};
    for (int c = 0; c < 3; ++c) {
        EXPECT_EQ(grid->ColWidth(c), widths[c]);
        EXPECT_EQ(grid->cellBackColorAt(0, c), ui::QBColor(8));
        EXPECT_EQ(grid->cellAlignmentAt(0, c), ui::flexAlignCenterBottom);
    }

    const int word = rowWith(grid, 1, "word", Qt::CaseInsensitive);
    const int excel = rowWith(grid, 1, "Excel");
    ASSERT_GT(word, 0);
    ASSERT_GT(excel, 0);
    EXPECT_EQ(grid->TextMatrix(word, 2), "6");   // PC01 twice, PC00 as "word", PC02 in two versions, PC04
    EXPECT_EQ(grid->TextMatrix(excel, 2), "3");  // the removed PC03 is not counted
    int unnamed = 0;
    for (int r = 1; r < grid->Rows(); ++r) {
        EXPECT_EQ(grid->TextMatrix(r, 0), QString::number(r));
        EXPECT_EQ(shades(grid, r), "gww");
        EXPECT_EQ(grid->cellAlignmentAt(r, 2), ui::flexAlignLeftBottom);
        if (grid->TextMatrix(r, 1).isEmpty()) {
            ++unnamed;
            EXPECT_EQ(grid->TextMatrix(r, 2), "1");
        }
    }
    EXPECT_EQ(unnamed, 2);  // Null and "" are two groups
    // As if each cell had been written through the current cell.
    EXPECT_EQ(grid->Row(), 4);
}

TEST_F(AppListWindowTest, ListsThePcsOfTheChosenApplicationWithRetiredMastersOnGrey) {
    seedOffice();
    ASSERT_NE(open(), nullptr);
    const ui::FlexGrid* grid = m_win->MSFlexGrid_User;

    chooseApp("Excel");
    EXPECT_EQ(m_win->tbx_ApplicationName->text(), "Excel");
    EXPECT_EQ(m_win->tbx_ApplicationNum->text(), "3");
    EXPECT_TRUE(m_win->UserListLoaded);
    // PC04 has no model row: counted, but not listed.
    ASSERT_EQ(grid->Cols(), 7);
    EXPECT_EQ(gridTexts(grid), std::vector<QStringList>({kPcHeader,
                                                         {"1", "PC00", "倉庫", "旧部", "経理課", "佐藤", "12.0"},
                                                         {"2", "PC01", "本社", "総務部", "経理課", "山田", "11.0"}}));
    const int widths[] = {450, 1400, 1400, 1300, 1300, 1300, 1300};
    for (int c = 0; c < 7; ++c) {
        EXPECT_EQ(grid->ColWidth(c), widths[c]);
        EXPECT_EQ(grid->cellAlignmentAt(0, c), ui::flexAlignCenterBottom);
        EXPECT_EQ(grid->cellAlignmentAt(1, c), ui::flexAlignLeftBottom);
    }
    EXPECT_EQ(shades(grid, 0), "ggggggg");
    EXPECT_EQ(shades(grid, 1), "gwggwgw");  // retired location, department and user
    EXPECT_EQ(shades(grid, 2), "gwwwwww");

    // Names differing in case are one application; one row per PC and version; an empty name stays white.
    chooseApp(m_win->MSFlexGrid_Applications->TextMatrix(
        rowWith(m_win->MSFlexGrid_Applications, 1, "word", Qt::CaseInsensitive), 1));
    EXPECT_EQ(m_win->tbx_ApplicationNum->text(), "6");
    EXPECT_EQ(pcRows(grid), std::vector<QStringList>({{"PC00", "倉庫", "旧部", "経理課", "佐藤", "10.0"},
                                                      {"PC01", "本社", "総務部", "経理課", "山田", "11.0"},
                                                      {"PC02", "支店", "", "", "", "11.0"},
                                                      {"PC02", "支店", "", "", "", "12.0"}}));
    EXPECT_EQ(grid->TextMatrix(1, 1), "PC00");  // by computer name
    EXPECT_EQ(shades(grid, 3), "gwwwwww");
}

TEST_F(AppListWindowTest, AnApostropheInAStoredNameBreaksNothing) {
    addPc({1, "PC01"});
    app(1, QString("Bob''s Tool"), "1.0");
    ASSERT_NE(open(), nullptr);
    chooseApp("Bob's Tool");
    EXPECT_EQ(stdErrorBoxes(), 0);
    EXPECT_EQ(pcRows(m_win->MSFlexGrid_User), std::vector<QStringList>({{"PC01", "", "", "", "", "1.0"}}));
}

TEST_F(AppListWindowTest, TheLocationFilterStaysForLaterChoices) {
    seedOffice();
    ASSERT_NE(open(), nullptr);
    const ui::FlexGrid* grid = m_win->MSFlexGrid_User;
    chooseApp("Excel");

    // In-use locations only, no "all" item; the reserved location and a Null name give empty items.
    pickLocation(1);
    QStringList items;
    QList<int> codes;
    for (int i = 0; i < m_win->cmb_Location->count(); ++i) {
        items << m_win->cmb_Location->itemText(i);
        codes << m_win->cmb_Location->itemData(i).toInt();
    }
    EXPECT_EQ(items, QStringList({"", "本社", "支店", "", "空室"}));
    EXPECT_EQ(codes, QList<int>({0, 1, 3, 0, 5}));

    EXPECT_EQ(m_win->tbx_Location->text(), "1");
    EXPECT_EQ(pcRows(grid), std::vector<QStringList>({{"PC01", "本社", "総務部", "経理課", "山田", "11.0"}}));

    chooseApp(m_win->MSFlexGrid_Applications->TextMatrix(
        rowWith(m_win->MSFlexGrid_Applications, 1, "word", Qt::CaseInsensitive), 1));
    EXPECT_EQ(pcRows(grid), std::vector<QStringList>({{"PC01", "本社", "総務部", "経理課", "山田", "11.0"}}));

    struct Case {
        int item;
        const char* code;
        std::vector<QString> pcs;
        const char* why;
    };
    const Case cases[] = {
        {2, "3", {"PC02", "PC02"}, "one location"},
        {3, "0", {"PC00", "PC01", "PC02", "PC02"}, "a location without a name stands for all locations"},
        {0, "0", {"PC00", "PC01", "PC02", "PC02"}, "the reserved location too"},
        {4, "5", {}, "nobody there: the grid is emptied, the boxes keep the application"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        pickLocation(c.item);
        EXPECT_EQ(m_win->tbx_Location->text(), c.code);
        std::vector<QString> pcs;
        for (int r = 1; r < grid->Rows(); ++r) pcs.push_back(grid->TextMatrix(r, 1));
        EXPECT_EQ(pcs, c.pcs);
        EXPECT_EQ(m_win->tbx_ApplicationNum->text(), "6");
    }
    EXPECT_EQ(grid->Rows(), 0);
    EXPECT_EQ(grid->Cols(), 0);
    EXPECT_EQ(stdErrorBoxes(), 0);
}

TEST_F(AppListWindowTest, ALocationBeforeAnyApplicationShowsNothing) {
    seedOffice();
    ASSERT_NE(open(), nullptr);
    pickLocation(1);
    EXPECT_EQ(m_win->tbx_Location->text(), "1");
    EXPECT_EQ(m_win->MSFlexGrid_User->Rows(), 2);
    EXPECT_EQ(m_win->MSFlexGrid_User->Cols(), 2);
    // PC-grid clicks stay inert until an application is chosen.
    const QString before = shades(m_win->MSFlexGrid_User, 1);
    ASSERT_TRUE(testsupport::clickCell(m_win->MSFlexGrid_User, 1, 1));
    EXPECT_EQ(shades(m_win->MSFlexGrid_User, 1), before);
    EXPECT_FALSE(m_win->UserListLoaded);
}

TEST_F(AppListWindowTest, RefreshDropsTheFilterAndShowsTheCurrentRowAgain) {
    seedOffice();
    ASSERT_NE(open(), nullptr);
    chooseApp("Excel");
    pickLocation(1);
    ASSERT_EQ(m_win->MSFlexGrid_User->Rows(), 2);
    app(3, QString("Excel"), "13.0");  // behind the window's back

    ASSERT_TRUE(testsupport::triggerAction(m_win, "Mnu_ViewUpdate"));
    EXPECT_EQ(m_win->tbx_Location->text(), "");
    EXPECT_EQ(m_win->cmb_Location->currentText(), "");
    EXPECT_EQ(m_win->tbx_ApplicationName->text(), "Excel");
    EXPECT_EQ(m_win->tbx_ApplicationNum->text(), "3");  // counts are read when the window opens
    std::vector<QString> pcs;
    for (int r = 1; r < m_win->MSFlexGrid_User->Rows(); ++r) pcs.push_back(m_win->MSFlexGrid_User->TextMatrix(r, 1));
    EXPECT_EQ(pcs, std::vector<QString>({"PC00", "PC01", "PC02"}));
}

TEST_F(AppListWindowTest, RefreshBeforeAnyChoiceShowsTheLastRow) {
    seedOffice();
    ASSERT_NE(open(), nullptr);
    const ui::FlexGrid* apps = m_win->MSFlexGrid_Applications;
    const int last = apps->Rows() - 1;
    ASSERT_TRUE(testsupport::triggerAction(m_win, "Mnu_ViewUpdate"));
    EXPECT_EQ(m_win->tbx_ApplicationName->text(), apps->TextMatrix(last, 1));
    EXPECT_EQ(m_win->tbx_ApplicationNum->text(), apps->TextMatrix(last, 2));
    EXPECT_EQ(shades(apps, last), "ggg");
    EXPECT_TRUE(m_win->UserListLoaded);
}

TEST_F(AppListWindowTest, NothingToCountLeavesTheDesignGridAndInertClicks) {
    struct Case {
        bool removedPcOnly;
        const char* why;
    };
    for (const Case c : {Case{false, "no application rows"}, Case{true, "only a removed PC's rows"}}) {
        SCOPED_TRACE(c.why);
        if (c.removedPcOnly) {
            addPc({1, "PC01", 0, 0, 1});
            app(1, QString("Word"), "11.0");
        }
        ASSERT_NE(open(), nullptr);
        EXPECT_FALSE(m_win->AppListLoaded);
        EXPECT_EQ(m_win->MSFlexGrid_Applications->Rows(), 2);
        EXPECT_EQ(m_win->MSFlexGrid_Applications->Cols(), 2);
        ASSERT_TRUE(testsupport::clickCell(m_win->MSFlexGrid_Applications, 1, 1));
        EXPECT_FALSE(m_win->UserListLoaded);

        m_win->tbx_ApplicationName->setText("typed");
        ASSERT_TRUE(testsupport::triggerAction(m_win, "Mnu_ViewUpdate"));
        EXPECT_EQ(m_win->tbx_ApplicationName->text(), "");
        EXPECT_EQ(m_win->MSFlexGrid_User->Rows(), 2);
        EXPECT_FALSE(m_win->UserListLoaded);
        ASSERT_TRUE(testsupport::triggerAction(m_win, "Mnu_Close"));
        settle();
        EXPECT_EQ(ui::findForm("frm_List_Application"), nullptr);
    }
    EXPECT_EQ(stdErrorBoxes(), 0);
}

// Without the mend, the PCs of the application chosen before would stay under the empty name box.
TEST_F(AppListWindowTest, AGroupWithoutANameEmptiesThePcGrid) {
    seedOffice();
    ASSERT_NE(open(), nullptr);
    const ui::FlexGrid* apps = m_win->MSFlexGrid_Applications;
    std::vector<int> unnamed;
    for (int r = 1; r < apps->Rows(); ++r)
        if (apps->TextMatrix(r, 1).isEmpty()) unnamed.push_back(r);
    ASSERT_EQ(unnamed.size(), 2u);  // Null, ""

    for (int row : unnamed) {
        SCOPED_TRACE(row);
        pickLocation(0);  // all locations
        chooseApp("Excel");
        ASSERT_EQ(m_win->MSFlexGrid_User->Rows(), 3);
        ASSERT_TRUE(testsupport::clickCell(m_win->MSFlexGrid_Applications, row, 1));
        EXPECT_EQ(m_win->tbx_ApplicationName->text(), "");
        EXPECT_EQ(m_win->tbx_ApplicationNum->text(), "1");
        EXPECT_EQ(m_win->MSFlexGrid_User->Rows(), 0);
        EXPECT_EQ(m_win->MSFlexGrid_User->Cols(), 0);
        EXPECT_TRUE(m_win->UserListLoaded);

        // A refresh on that row and a location choice keep it empty.
        chooseApp("Excel");
        ASSERT_TRUE(testsupport::clickCell(m_win->MSFlexGrid_Applications, row, 1));
        ASSERT_TRUE(testsupport::triggerAction(m_win, "Mnu_ViewUpdate"));
        EXPECT_EQ(m_win->MSFlexGrid_User->Rows(), 0);
        pickLocation(1);
        EXPECT_EQ(m_win->MSFlexGrid_User->Rows(), 0);
        // A click on the emptied grid does nothing.
        m_win->MSFlexGrid_User_Click();
        EXPECT_EQ(m_win->MSFlexGrid_User->Rows(), 0);
    }
    EXPECT_EQ(stdErrorBoxes(), 0);
}

TEST_F(AppListWindowTest, SelectionPaintsDataColumnsOnly) {
    seedOffice();
    ASSERT_NE(open(), nullptr);
    ui::FlexGrid* apps = m_win->MSFlexGrid_Applications;
    ui::FlexGrid* pcs = m_win->MSFlexGrid_User;
    const int excel = rowWith(apps, 1, "Excel");
    const int word = rowWith(apps, 1, "word", Qt::CaseInsensitive);

    chooseApp("Excel");
    EXPECT_EQ(shades(apps, excel), "ggg");
    ASSERT_TRUE(testsupport::clickCell(apps, word, 1));
    EXPECT_EQ(shades(apps, excel), "gww");
    EXPECT_EQ(shades(apps, word), "ggg");

    // Row 1 holds PC00's retired names on grey; the first PC click paints row 1 white whichever row is hit.
    ASSERT_EQ(pcs->TextMatrix(1, 1), "PC00");
    ASSERT_EQ(shades(pcs, 1), "gwggwgw");
    ASSERT_TRUE(testsupport::clickCell(pcs, 3, 2));
    EXPECT_EQ(shades(pcs, 1), "gwwwwww");
    EXPECT_EQ(shades(pcs, 3), "ggggggg");
    ASSERT_TRUE(testsupport::clickCell(pcs, 1, 1));
    EXPECT_EQ(shades(pcs, 3), "gwwwwww");
    EXPECT_EQ(shades(pcs, 1), "ggggggg");
    ASSERT_TRUE(testsupport::clickCell(pcs, 2, 1));
    EXPECT_EQ(shades(pcs, 1), "gwwwwww");  // the retired names' grey is gone once the row was left
    EXPECT_EQ(m_win->UserPrevRow, 2);

    // A location choice starts the PC selection over; the application grid keeps its highlight.
    pickLocation(0);
    EXPECT_EQ(m_win->UserPrevRow, 1);
    EXPECT_EQ(m_win->UserCurRow, 1);
    EXPECT_EQ(m_win->AppPrevRow, word);
    EXPECT_EQ(shades(apps, word), "ggg");
}

TEST_F(AppListWindowTest, TheGridsSplitTheWindowThirtyToSeventy) {
    seedOffice();
    ASSERT_NE(startMain(), nullptr);
    gFormWidth = 12000;
    gFormHeight = 9000;
    ASSERT_NE(open(), nullptr);
    m_win->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(m_win));

    // 12000 x 9000: A = 3600 - 500, B = 8400, height 7800.
    EXPECT_EQ(m_win->MSFlexGrid_Applications->geometry(), QRect(ui::px(100), ui::px(450), ui::px(3100), ui::px(7800)));
    EXPECT_EQ(m_win->MSFlexGrid_User->geometry(), QRect(ui::px(3300), ui::px(450), ui::px(8400), ui::px(7800)));

    struct Case {
        int width, height;
        bool appMoves, pcMoves;
        const char* why;
    };
    const Case cases[] = {
        {15000, 10500, true, true, "both follow"},
        {1650, 10500, false, true, "too narrow for the application grid"},
        {1650, 1200, false, false, "too low for either grid"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        const QRect appBefore = m_win->MSFlexGrid_Applications->geometry();
        const QRect pcBefore = m_win->MSFlexGrid_User->geometry();
        m_win->setWidth(c.width);
        m_win->setHeight(c.height);
        QCoreApplication::processEvents();
        const int w = m_win->Width(), h = m_win->Height();
        const int a = int(w * 3 / 10) - 500;
        if (c.appMoves)
            EXPECT_EQ(m_win->MSFlexGrid_Applications->geometry(),
                      QRect(ui::px(100), ui::px(450), ui::px(a), ui::px(h - 1200)));
        else
            EXPECT_EQ(m_win->MSFlexGrid_Applications->geometry(), appBefore);
        if (c.pcMoves)
            EXPECT_EQ(m_win->MSFlexGrid_User->geometry(),
                      QRect(ui::px(a + 200), ui::px(450), ui::px(w * 7 / 10), ui::px(h - 1200)));
        else
            EXPECT_EQ(m_win->MSFlexGrid_User->geometry(), pcBefore);
    }
}

TEST_F(AppListWindowTest, FailuresShowTheStandardErrorBox) {
    seedOffice();
    ASSERT_NE(startMain(), nullptr);

    QString failing = "Count(";
    gCn().setFailHook([&](const QString& sql) { return sql.contains(failing); });
    for (int i = 0; i < 3; ++i) ui::script::answerMsgBox(ui::vbOK);
    ASSERT_NE(open(), nullptr);
    EXPECT_EQ(stdErrorBoxes(), 1);
    EXPECT_FALSE(m_win->AppListLoaded);
    EXPECT_TRUE(m_win->MSFlexGrid_Applications->isVisibleTo(m_win));
    ASSERT_TRUE(testsupport::triggerAction(m_win, "Mnu_Close"));
    settle();

    failing = "SELECT DISTINCT";
    ASSERT_NE(open(), nullptr);
    chooseApp("Excel");
    EXPECT_EQ(stdErrorBoxes(), 2);
    EXPECT_TRUE(m_win->MSFlexGrid_User->isVisibleTo(m_win));
    EXPECT_TRUE(m_win->UserListLoaded);

    failing = "FROM tbl_Location";
    m_win->cmb_Location->showPopup();
    m_win->cmb_Location->hidePopup();
    EXPECT_EQ(stdErrorBoxes(), 3);
    gCn().setFailHook({});
}

// The running number is 16-bit: 32,767 names overflow it part way, and the grid is shown again.
TEST_F(AppListWindowTest, TooManyNamesStopTheFillWithTheOverflowBox) {
    addPc({1, "PC01"});
    sql("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 32767) "
        "INSERT INTO tbl_ApplicationsList (Key, Application_Name) SELECT 1, printf('app%05d', i) FROM n");
    ui::script::answerMsgBox(ui::vbOK);
    ASSERT_NE(open(), nullptr);
    ASSERT_EQ(stdErrorBoxes(), 1);
    EXPECT_EQ(ui::script::shown().back().prompt, "\r\n（エラーコード：6）\r\n（エラー内容：オーバーフローしました。）");
    EXPECT_FALSE(m_win->AppListLoaded);
    EXPECT_TRUE(m_win->MSFlexGrid_Applications->isVisibleTo(m_win));
}

TEST_F(AppListWindowTest, ClosingForgetsTheSelection) {
    seedOffice();
    ASSERT_NE(open(), nullptr);
    chooseApp("Excel");
    pickLocation(1);
    ASSERT_TRUE(m_win->closeWithReason(ui::vbFormControlMenu));
    settle();
    EXPECT_EQ(ui::findForm("frm_List_Application"), nullptr);

    ASSERT_NE(open(), nullptr);
    EXPECT_EQ(m_win->SelAppName, "");
    EXPECT_EQ(m_win->tbx_Location->text(), "");
    EXPECT_FALSE(m_win->UserListLoaded);
    EXPECT_EQ(m_win->MSFlexGrid_User->Rows(), 2);
    // Opening it again while open only brings it to the front.
    frm_List_Application* first = m_win;
    ASSERT_NE(open(), nullptr);
    EXPECT_EQ(m_win, first);
}

}  // namespace
}  // namespace applist
