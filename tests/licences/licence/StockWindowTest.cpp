// The licence stock window: its list, the key a new product gets, naming and counting a product,
// deleting one, the menu states, the number box's keys, closing with and without refilling the assignment
// window's pick list, and the sound behaviour where a write fails.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QTest>

#include "core/Mdl_Access_mdb.h"
#include "licences/frm_Add_License.h"
#include "licences/frm_Edit_License.h"
#include "platform/db/Ado.h"
#include "platform/ui/Colors.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/Forms.h"
#include "platform/ui/ListBox.h"
#include "platform/ui/TextBox.h"
#include "tests/licences/licence/LicenceFixture.h"

namespace licence {
namespace {

class StockWindowTest : public LicenceTest {
protected:
    frm_Add_License* open() {
        m_stock = openStock();
        return m_stock;
    }
    ui::FlexGrid* grid() const { return m_stock->MSFlexGrid_License; }
    bool menus(bool add, bool edit, bool del) const {
        return enabled(m_stock, "Mnu_AddRecord") == add && enabled(m_stock, "Mnu_EditRecord") == edit &&
               enabled(m_stock, "Mnu_DeleteRecord") == del;
    }
    QStringList keys() { return column(grid(), 0); }
    // Keys as the table holds them, in key order.
    QStringList storedKeys() {
        QStringList out;
        for (const QStringList& r : rows("SELECT [Key] FROM tbl_License_Key ORDER BY [Key]")) out << r[0];
        return out;
    }
    void selectKey(int key) {
        const int row = rowWith(grid(), 0, QString::number(key));
        ASSERT_GT(row, 0) << "key " << key << " is not listed";
        clickCell(grid(), row, 1);
    }

    frm_Add_License* m_stock = nullptr;
};

TEST_F(StockWindowTest, ListsTheStockUnnamedRowsFirstWithTheHeaderAsDesigned) {
    addLicence(1, "Office", 10);
    addLicence(2, "ＣＡＤ", std::nullopt);
    addLicence(3, std::nullopt, std::nullopt);
    addLicence(4, "", 5);
    open();
    EXPECT_EQ(m_stock->windowTitle(), "ライセンスの管理");
    EXPECT_EQ(m_stock->Width(), 5940);
    EXPECT_EQ(m_stock->Height(), 7020);

    const std::vector<QStringList> expected = {
        {"Key", "アプリケーション名", "小計"},
        {"3", "", ""},  // made by New: key only, before the named rows
        {"4", "", "5"},
        {"1", "Office", "10"},
        {"2", "ＣＡＤ", ""},
    };
    EXPECT_EQ(gridTexts(grid()), expected);
    const int widths[] = {700, 3000, 700};
    for (int c = 0; c < 3; ++c) {
        EXPECT_EQ(grid()->ColWidth(c), widths[c]);
        EXPECT_EQ(grid()->cellBackColorAt(0, c), kGrey);
    }
    EXPECT_EQ(grid()->cellAlignmentAt(0, 1), ui::flexAlignCenterBottom);
    EXPECT_EQ(grid()->cellAlignmentAt(0, 2), ui::flexAlignCenterBottom);
    EXPECT_TRUE(grid()->isVisible());
    EXPECT_TRUE(menus(true, false, false));
    EXPECT_EQ(m_stock->tbx_LicenseName->text(), "");
    EXPECT_EQ(m_stock->tbx_LicenseNum->text(), "");
    EXPECT_EQ(action(m_stock, "Mnu_Close")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_W));
}

TEST_F(StockWindowTest, OnAnEmptyTableEveryCommandStaysOnAndRowCommandsDoNothing) {
    open();
    EXPECT_EQ(grid()->Rows(), 0);
    EXPECT_EQ(grid()->Cols(), 0);
    EXPECT_TRUE(menus(true, true, true));
    EXPECT_FALSE(m_stock->ListLoaded);

    emit grid()->Click();  // nothing to click: nothing happens
    EXPECT_EQ(m_stock->CurRow, 0);
    type(m_stock->tbx_LicenseName, "Office");
    type(m_stock->tbx_LicenseNum, "3");
    trigger(m_stock, "Mnu_EditRecord");
    ui::script::answerMsgBox(ui::vbYes);
    trigger(m_stock, "Mnu_DeleteRecord");
    EXPECT_EQ(msgBoxPrompts(), QStringList({"削除しますか？"}));
    EXPECT_EQ(count("SELECT * FROM tbl_License_Key"), 0);

    // Refresh on the empty table says so, with the application's title and no icon; menus stay.
    ui::script::reset();
    ui::script::answerMsgBox(ui::vbOK);
    trigger(m_stock, "Mnu_ViewList");
    ASSERT_EQ(ui::script::shown().size(), 1u);
    EXPECT_EQ(ui::script::shown()[0].prompt, "レコードがありません");
    EXPECT_EQ(ui::script::shown()[0].title, ui::kAppTitle);
    EXPECT_EQ(ui::script::shown()[0].buttons, ui::vbOKOnly);
    EXPECT_TRUE(menus(true, true, true));
}

// The key a new product gets: the highest + 1, 1 in an empty table; a deleted highest key comes back,
// lower gaps never fill; and a key that assignments still point at is never handed out again.
TEST_F(StockWindowTest, NewTakesTheNextKeyAndNeverOneThatAssignmentsStillUse) {
    struct Case {
        const char* what;
        std::vector<int> stock;
        std::vector<int> assignedTo;  // Application_Code of assignments
        int deleteThroughWindow;      // 0: none
        int expected;
    };
    const Case cases[] = {
        {"empty table", {}, {}, 0, 1},
        {"keys 1, 2, 5", {1, 2, 5}, {}, 0, 6},
        {"5 deleted, nothing assigned to it", {1, 2, 5}, {}, 5, 3},
        {"5 deleted with its assignments left", {1, 2, 5}, {5}, 5, 6},
        {"an assignment of a key never stocked", {1}, {9}, 0, 10},
        {"assignments below the highest key", {1, 2, 5}, {1, 2}, 0, 6},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        sql("DELETE FROM tbl_License_Key");
        sql("DELETE FROM tbl_License_Dat");
        for (int k : c.stock) addLicence(k, QString("P%1").arg(k), 1);
        int n = 0;
        for (int a : c.assignedTo) addAssignment({++n, a, 1});
        open();
        if (c.deleteThroughWindow) {
            selectKey(c.deleteThroughWindow);
            ui::script::answerMsgBox(ui::vbYes);
            trigger(m_stock, "Mnu_DeleteRecord");
        }
        trigger(m_stock, "Mnu_AddRecord");
        EXPECT_EQ(scalar(QString("SELECT COUNT(*) FROM tbl_License_Key WHERE [Key] = %1 AND Application_Name IS NULL "
                                 "AND Unit_Num IS NULL")
                             .arg(c.expected)),
                  "1");
        EXPECT_EQ(keys().first(), QString::number(c.expected));  // unnamed: listed first
        EXPECT_TRUE(menus(true, false, false));
        EXPECT_EQ(m_stock->CurRow, 0);
        EXPECT_EQ(m_stock->PrevRow, 1);
        m_stock->Unload();
        settle();
        ui::script::reset();
    }
}

TEST_F(StockWindowTest, NewPastTheLastKeyShowsOverflowAndAddsNothing) {
    addLicence(32767, "Last", 1);
    open();
    ui::script::answerMsgBox(ui::vbOK);
    trigger(m_stock, "Mnu_AddRecord");
    EXPECT_EQ(stdErrorBoxes(), 1);
    EXPECT_TRUE(ui::script::shown().back().prompt.contains("（エラーコード：6）"));
    EXPECT_EQ(storedKeys(), QStringList({"32767"}));
}

TEST_F(StockWindowTest, ARowClickFillsTheBoxesRefillsAndPaintsTheWholeRow) {
    addLicence(1, "Office", 10);
    addLicence(2, "ＣＡＤ", 3);
    open();
    selectKey(2);
    EXPECT_EQ(m_stock->tbx_LicenseName->text(), "ＣＡＤ");
    EXPECT_EQ(m_stock->tbx_LicenseNum->text(), "3");
    EXPECT_TRUE(menus(true, true, true));
    const int row2 = rowWith(grid(), 0, "2");
    for (int c = 0; c < 3; ++c) EXPECT_EQ(grid()->cellBackColorAt(row2, c), kGrey) << c;

    // A rename behind the window's back shows at the next click, which rebuilds the grid.
    sql("UPDATE tbl_License_Key SET Application_Name = 'Office 2' WHERE [Key] = 1");
    selectKey(1);
    EXPECT_EQ(m_stock->tbx_LicenseName->text(), "Office");  // read before the refill
    EXPECT_EQ(grid()->TextMatrix(rowWith(grid(), 0, "1"), 1), "Office 2");
    const int row1 = rowWith(grid(), 0, "1");
    for (int c = 0; c < 3; ++c) {
        EXPECT_EQ(grid()->cellBackColorAt(row1, c), kGrey) << c;
        EXPECT_EQ(grid()->cellBackColorAt(row2, c), kWhite) << c;
    }
    // The header row is no selection.
    clickCell(grid(), 0, 1);
    EXPECT_EQ(m_stock->CurRow, row1);
}

TEST_F(StockWindowTest, UpdateNamesAndCountsTheSelectedRowAsTyped) {
    addLicence(1, std::nullopt);
    addLicence(2, "Other", 1);
    open();
    selectKey(1);
    type(m_stock->tbx_LicenseName, "O'Reilly x' --");
    type(m_stock->tbx_LicenseNum, "12");
    trigger(m_stock, "Mnu_EditRecord");
    EXPECT_EQ(rows("SELECT Application_Name, Unit_Num FROM tbl_License_Key ORDER BY [Key]"),
              (std::vector<QStringList>{{"O'Reilly x' --", "12"}, {"Other", "1"}}));
    EXPECT_EQ(m_stock->tbx_LicenseName->text(), "");
    EXPECT_EQ(m_stock->tbx_LicenseNum->text(), "");
    EXPECT_TRUE(menus(true, false, false));
    EXPECT_EQ(m_stock->CurRow, 0);
    EXPECT_EQ(m_stock->PrevRow, 1);
    EXPECT_EQ(column(grid(), 1), QStringList({"O'Reilly x' --", "Other"}));
}

TEST_F(StockWindowTest, UpdateWithAnEmptyBoxOrABadNumberWritesNothing) {
    struct Case {
        const char* what;
        const char* name;
        const char* number;  // put in as a paste would
        int errorCode;       // 0: nothing shown
    };
    const Case cases[] = {
        {"empty name", "", "5", 0},
        {"empty number", "New", "", 0},
        {"a pasted number with a letter", "New", "12a", 13},
        {"a pasted number past the column", "New", "2147483648", 6},
        // Only digits make a count: what CLng would round or read as a number is refused as the letter is.
        {"a pasted fraction", "New", "1.5", 13},
        {"a pasted exponent", "New", "1e2", 13},
        {"a pasted thousands separator", "New", "1,234", 13},
    };
    addLicence(1, "Office", 10);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        open();
        selectKey(1);
        m_stock->tbx_LicenseName->setText(c.name);
        m_stock->tbx_LicenseNum->setText(c.number);
        if (c.errorCode) ui::script::answerMsgBox(ui::vbOK);
        trigger(m_stock, "Mnu_EditRecord");
        EXPECT_EQ(rows("SELECT Application_Name, Unit_Num FROM tbl_License_Key"),
                  (std::vector<QStringList>{{"Office", "10"}}));
        EXPECT_EQ(stdErrorBoxes(), c.errorCode ? 1 : 0);
        if (c.errorCode) {
            EXPECT_TRUE(ui::script::shown().back().prompt.contains(QString("（エラーコード：%1）").arg(c.errorCode)));
        }
        // The window is left as it was.
        EXPECT_EQ(m_stock->CurRow, 1);
        EXPECT_TRUE(menus(true, true, true));
        m_stock->Unload();
        settle();
        ui::script::reset();
    }
}

TEST_F(StockWindowTest, DeleteAsksKeepsTheAssignmentsAndTheBoxes) {
    seedOffice();
    frm_Edit_License* assignments = openAssignments();
    ASSERT_EQ(column(assignments->FGrid_EditLicense, 2), QStringList({"Office", "ＣＡＤ", "Office"}));
    open();
    selectKey(1);

    ui::script::answerMsgBox(ui::vbNo);
    trigger(m_stock, "Mnu_DeleteRecord");
    EXPECT_EQ(storedKeys(), QStringList({"1", "2"}));

    ui::script::answerMsgBox(ui::vbYes);
    trigger(m_stock, "Mnu_DeleteRecord");
    const ui::script::Shown& asked = ui::script::shown().back();
    EXPECT_EQ(asked.prompt, "削除しますか？");
    EXPECT_EQ(asked.title, "確認");
    EXPECT_EQ(asked.buttons, ui::vbYesNo | ui::vbQuestion);
    EXPECT_EQ(storedKeys(), QStringList({"2"}));
    EXPECT_EQ(count("SELECT * FROM tbl_License_Dat WHERE Application_Code = 1"), 3);
    EXPECT_EQ(keys(), QStringList({"2"}));
    EXPECT_EQ(m_stock->tbx_LicenseName->text(), "Office");
    EXPECT_EQ(m_stock->tbx_LicenseNum->text(), "10");
    EXPECT_TRUE(menus(true, false, false));

    // Its assignments leave the assignment grid at its next reload; a new product does not pick them up.
    trigger(m_stock, "Mnu_AddRecord");
    EXPECT_EQ(keys().first(), "10");
    trigger(assignments, "View_MSFlexGrid_License_assignment_Update");
    EXPECT_EQ(column(assignments->FGrid_EditLicense, 2), QStringList({"ＣＡＤ"}));
}

TEST_F(StockWindowTest, TheNumberBoxTakesDigitsAndBackspaceOnly) {
    open();
    ui::TextBox* num = m_stock->tbx_LicenseNum;
    num->setFocus();
    QTest::keyClicks(num, "1a2-3 ");
    EXPECT_EQ(num->text(), "123");
    QTest::keyClick(num, Qt::Key_Backspace);
    EXPECT_EQ(num->text(), "12");
    type(num, "３4");  // an input method's full-width digit is refused, its half-width one taken
    EXPECT_EQ(num->text(), "124");

    // Copy, cut and paste keys are dropped; the context menu's paste is not filtered.
    QApplication::clipboard()->setText("9x");
    QTest::keyClick(num, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(num->text(), "124");
    num->selectAll();
    QTest::keyClick(num, Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(num->text(), "124");
    num->end(false);
    num->paste();
    EXPECT_EQ(num->text(), "1249x");

    // The name box takes anything.
    QTest::keyClicks(m_stock->tbx_LicenseName, "a1-");
    EXPECT_EQ(m_stock->tbx_LicenseName->text(), "a1-");
}

TEST_F(StockWindowTest, BothBoxesShowTheFocusColour) {
    open();
    const QColor focus = ui::vbColor(0xFFFF80);
    m_stock->tbx_LicenseName->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(m_stock->tbx_LicenseName->palette().color(QPalette::Base), focus);
    m_stock->tbx_LicenseNum->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(m_stock->tbx_LicenseName->palette().color(QPalette::Base), kWhite);
    EXPECT_EQ(m_stock->tbx_LicenseNum->palette().color(QPalette::Base), focus);
    m_stock->tbx_LicenseName->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(m_stock->tbx_LicenseNum->palette().color(QPalette::Base), kWhite);
}

TEST_F(StockWindowTest, CloseRefillsTheAssignmentPickListTheCloseBoxDoesNot) {
    addLicence(1, "Office", 10);
    frm_Edit_License* assignments = openAssignments();
    ASSERT_EQ(assignments->List_license->ListCount(), 1);

    addLicence(2, "Added", 2);
    open();
    ASSERT_TRUE(m_stock->closeWithReason(ui::vbFormControlMenu));
    settle();
    EXPECT_EQ(ui::findForm("frm_Add_License"), nullptr);
    EXPECT_EQ(assignments->List_license->ListCount(), 1);

    open();
    trigger(m_stock, "Mnu_Close");
    settle();
    EXPECT_EQ(ui::findForm("frm_Add_License"), nullptr);
    EXPECT_EQ(lines(assignments->List_license).size(), 2);
    EXPECT_TRUE(lines(assignments->List_license)[0].startsWith("Added "));

    // Without the assignment window open, Close only closes.
    assignments->Unload();
    settle();
    open();
    trigger(m_stock, "Mnu_Close");
    settle();
    EXPECT_EQ(ui::findForm("frm_Add_License"), nullptr);
    EXPECT_EQ(ui::findForm("frm_Edit_License"), nullptr);
}

TEST_F(StockWindowTest, KeepsItsSizeWhenResizedOrMaximised) {
    open();
    m_stock->resize(800, 700);
    settle();
    EXPECT_EQ(m_stock->Width(), 5940);
    EXPECT_EQ(m_stock->Height(), 7020);
    m_stock->showMaximized();
    settle();
    EXPECT_FALSE(m_stock->isMaximized());
    EXPECT_EQ(m_stock->Width(), 5940);
}

// A write that fails rolls its transaction back: the shared connection takes the next write, which
// survives a reopen of the database.
TEST_F(StockWindowTest, AFailedWriteRollsBackAndTheNextOneIsKept) {
    addLicence(1, "Office", 10);
    open();
    gCn().setFailHook([](const QString& s) { return s.startsWith("INSERT INTO tbl_License_Key"); });
    ui::script::answerMsgBox(ui::vbOK);
    trigger(m_stock, "Mnu_AddRecord");
    EXPECT_EQ(stdErrorBoxes(), 1);
    EXPECT_FALSE(gCn().inTransaction());
    EXPECT_EQ(keys(), QStringList({"1"}));

    gCn().setFailHook([](const QString& s) { return s.startsWith("DELETE"); });
    selectKey(1);
    ui::script::answerMsgBox(ui::vbYes);
    ui::script::answerMsgBox(ui::vbOK);
    trigger(m_stock, "Mnu_DeleteRecord");
    EXPECT_EQ(stdErrorBoxes(), 2);
    EXPECT_FALSE(gCn().inTransaction());
    EXPECT_EQ(m_stock->CurRow, 1);  // the window as it was

    gCn().setFailHook({});
    trigger(m_stock, "Mnu_AddRecord");
    m_stock->Unload();
    settle();
    ASSERT_TRUE(fnc_DB_Close());
    ASSERT_TRUE(fnc_DB_Open());
    EXPECT_EQ(storedKeys(), QStringList({"1", "2"}));
}

TEST_F(StockWindowTest, AFailedFillShowsItsBoxAndTheGridAgain) {
    addLicence(1, "Office", 10);
    open();
    gCn().setFailHook([](const QString& s) { return s.contains("FROM tbl_License_Key ORDER BY"); });
    ui::script::answerMsgBox(ui::vbOK);
    trigger(m_stock, "Mnu_ViewList");
    // One box, the real cause; no "no records" after it.
    EXPECT_EQ(msgBoxPrompts().size(), 1);
    EXPECT_EQ(stdErrorBoxes(), 1);
    EXPECT_TRUE(grid()->isVisible());

    // A click whose refill fails leaves the selection and the boxes alone.
    ui::script::answerMsgBox(ui::vbOK);
    clickCell(grid(), 1, 1);
    EXPECT_EQ(stdErrorBoxes(), 2);
    EXPECT_EQ(m_stock->CurRow, 0);
    EXPECT_EQ(m_stock->tbx_LicenseName->text(), "");
    EXPECT_TRUE(menus(true, false, false));
}

}  // namespace
}  // namespace licence
