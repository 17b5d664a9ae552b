// The master-table editor on the real tables: what it lists, 新規 / 更新 / 削除, the menu states, closing,
// and the sound behaviour where a lookup or a write fails.
#include <gtest/gtest.h>

#include <QAction>
#include <QLineEdit>

#include "core/Mdl_Access_mdb.h"
#include "core/Mdl_gData.h"
#include "core/frm_Edit_Table.h"
#include "platform/db/Ado.h"
#include "platform/ui/Colors.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/Forms.h"
#include "platform/ui/TextBox.h"
#include "tests/core/editors/EditorsFixture.h"

namespace editors {
namespace {

class EditTableTest : public EditorsTest {
protected:
    frm_Edit_Table* open(const QString& table, const QString& caption) {
        gEditTableName = table;
        gEditTableCaption = caption;
        m_win = load<frm_Edit_Table>("frm_Edit_Table");
        return m_win;
    }
    // Column 1 (names) of the data rows.
    QStringList names() const {
        QStringList out;
        for (int r = 1; r < m_win->MSFlexGrid_Edit->Rows(); ++r) out << m_win->MSFlexGrid_Edit->TextMatrix(r, 1);
        return out;
    }
    QStringList codes() const {
        QStringList out;
        for (int r = 1; r < m_win->MSFlexGrid_Edit->Rows(); ++r) out << m_win->MSFlexGrid_Edit->TextMatrix(r, 0);
        return out;
    }
    void select(const QString& name) {
        const int row = rowWith(m_win->MSFlexGrid_Edit, 1, name);
        ASSERT_GT(row, 0) << name.toStdString() << " is not listed";
        clickCell(m_win->MSFlexGrid_Edit, row);
    }
    bool menus(bool add, bool update, bool del) const {
        return m_win->Mnu_Add->isEnabled() == add && m_win->Mnu_Update->isEnabled() == update &&
               m_win->Mnu_Delete->isEnabled() == del;
    }

    frm_Edit_Table* m_win = nullptr;
};

TEST_F(EditTableTest, OpensOnTheHandedTableWithCaptionLayoutAndMenus) {
    open("tbl_Section", "部");
    ASSERT_NE(m_win, nullptr);
    EXPECT_EQ(m_win->windowTitle(), "編集:( 部 )");
    EXPECT_EQ(m_win->Width(), 5940);
    EXPECT_EQ(m_win->Height(), 7020);
    // Only the reserved row: the caption row alone.
    ui::FlexGrid* g = m_win->MSFlexGrid_Edit;
    ASSERT_EQ(g->Rows(), 1);
    ASSERT_EQ(g->Cols(), 3);
    EXPECT_EQ(gridTexts(g)[0], QStringList({"Key", "名称", "コメント"}));
    EXPECT_EQ(g->ColWidth(0), 600);
    EXPECT_EQ(g->ColWidth(1), 2500);
    EXPECT_EQ(g->ColWidth(2), 1500);
    for (int c = 0; c < 3; ++c) {
        EXPECT_EQ(g->cellBackColorAt(0, c), ui::QBColor(8));
        EXPECT_EQ(g->cellAlignmentAt(0, c), ui::flexAlignCenterBottom);
    }
    EXPECT_TRUE(menus(true, false, false));
    EXPECT_FALSE(m_win->tbxEdit[0]->isEnabled());
    for (QLineEdit* box : m_win->tbxEdit) EXPECT_EQ(box->text(), "");

    // Captions of the menus, ideographic blanks included, and the close shortcut.
    EXPECT_EQ(action(m_win, "Mue_Close")->text(), "閉じる\u3000\u3000\u3000\u3000\u3000");
    EXPECT_EQ(action(m_win, "Mue_Close")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_W));
    EXPECT_EQ(action(m_win, "Mnu_Update")->text(), "更新\u3000\u3000\u3000\u3000\u3000\u3000");
    EXPECT_EQ(action(m_win, "Mnu_Add")->text(), "新規");
    EXPECT_EQ(action(m_win, "Mnu_Delete")->text(), "削除");

    // A click on the caption row does nothing.
    clickCell(g, 0);
    EXPECT_TRUE(menus(true, false, false));
}

TEST_F(EditTableTest, ListsRowsInUseByCodeWithoutReservedOrRetiredRows) {
    addMaster("tbl_Location", 3, "倉庫");
    addMaster("tbl_Location", 1, "本社");
    addMaster("tbl_Location", 2, "旧工場", "1");
    sql("UPDATE tbl_Location SET Location_Comment = '2F' WHERE Location_Code = 3");
    open("tbl_Location", "設置場所");
    ui::FlexGrid* g = m_win->MSFlexGrid_Edit;

    ASSERT_EQ(g->Rows(), 3);
    EXPECT_EQ(gridTexts(g)[1], QStringList({"1", "本社", ""}));
    EXPECT_EQ(gridTexts(g)[2], QStringList({"3", "倉庫", "2F"}));
    EXPECT_EQ(g->cellBackColorAt(1, 0), ui::QBColor(8));
    EXPECT_EQ(g->cellBackColorAt(1, 1), ui::QBColor(15));
    EXPECT_EQ(g->cellAlignmentAt(1, 1), ui::flexAlignLeftBottom);
}

// The grid gets one row per row shown, whatever the rows with a code of 0 or less.
TEST_F(EditTableTest, GridIsSizedByTheRowsShown) {
    struct Case {
        const char* what;
        const char* prepare;  // run before opening
        QStringList codes;
    };
    const Case cases[] = {
        {"reserved row present", "", {"1", "2"}},
        {"reserved row missing", "DELETE FROM tbl_Model WHERE Model_Code = 0", {"1", "2"}},
        {"reserved row retired", "UPDATE tbl_Model SET Available_flug = '1' WHERE Model_Code = 0", {"1", "2"}},
        {"two rows of code 0 or less",
         "INSERT INTO tbl_Model (Model_Code, Model_Name, Available_flug) VALUES (-1, 'neg', '0')",
         {"1", "2"}},
        {"a single row, no reserved row", "DELETE FROM tbl_Model WHERE Model_Code <> 1", {"1"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        sql("DELETE FROM tbl_Model");
        sql("INSERT INTO tbl_Model (Model_Code, Model_Name, Available_flug) VALUES (0, '', '0')");
        addMaster("tbl_Model", 1, "M1");
        addMaster("tbl_Model", 2, "M2");
        if (*c.prepare) sql(c.prepare);
        open("tbl_Model", "モデル");
        EXPECT_EQ(stdErrorBoxes(), 0);
        EXPECT_EQ(m_win->MSFlexGrid_Edit->Rows(), c.codes.size() + 1);
        EXPECT_EQ(codes(), c.codes);
        m_win->Unload();
        settle();
    }
}

TEST_F(EditTableTest, NewRowsTakeTheNextCodeAndWriteOnlyCodeAndFlag) {
    struct Case {
        const char* what;
        QStringList prepare;
        int expectedCode;
    };
    const Case cases[] = {
        {"only the reserved row", {}, 1},
        {"highest in use", {"INSERT INTO tbl_Manufacturer (Manufacturer_Code, Available_flug) VALUES (7, '0')"}, 8},
        {"highest retired still counts",
         {"INSERT INTO tbl_Manufacturer (Manufacturer_Code, Available_flug) VALUES (4, '0')",
          "INSERT INTO tbl_Manufacturer (Manufacturer_Code, Available_flug) VALUES (9, '1')"},
         10},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        sql("DELETE FROM tbl_Manufacturer WHERE Manufacturer_Code <> 0");
        for (const QString& s : c.prepare) sql(s);
        open("tbl_Manufacturer", "メーカー");
        m_win->tbxEdit[1]->setText("typed, not written");
        trigger(m_win, "Mnu_Add");
        const QString where = QString(" FROM tbl_Manufacturer WHERE Manufacturer_Code = %1").arg(c.expectedCode);
        EXPECT_EQ(scalar("SELECT Available_flug" + where), "0");
        EXPECT_EQ(scalar("SELECT Manufacturer_Name" + where), "<null>");
        EXPECT_EQ(scalar("SELECT Manufacturer_Comment" + where), "<null>");
        // Shown last, not selected; boxes and menus as they were.
        EXPECT_EQ(codes().last(), QString::number(c.expectedCode));
        EXPECT_EQ(m_win->TableSelRow, 0);
        EXPECT_EQ(m_win->tbxEdit[1]->text(), "typed, not written");
        EXPECT_TRUE(menus(true, false, false));
        EXPECT_FALSE(gCn().inTransaction());
        m_win->Unload();
        settle();
    }
}

TEST_F(EditTableTest, EmptyTableFirstGetsTheHiddenCodeZeroThenCodeOne) {
    sql("DELETE FROM tbl_Division");
    open("tbl_Division", "課");
    EXPECT_EQ(m_win->MSFlexGrid_Edit->Rows(), 0);
    EXPECT_EQ(m_win->MSFlexGrid_Edit->Cols(), 0);

    trigger(m_win, "Mnu_Add");
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM tbl_Division WHERE Division_Code = 0 AND Available_flug = '0'"), "1");
    EXPECT_EQ(m_win->MSFlexGrid_Edit->Rows(), 1);  // the caption row alone

    trigger(m_win, "Mnu_Add");
    EXPECT_EQ(codes(), QStringList({"1"}));
}

TEST_F(EditTableTest, SelectingARowFillsTheBoxesAndMarksIt) {
    addMaster("tbl_Location", 1, "本社");
    addMaster("tbl_Location", 2, "支店");
    open("tbl_Location", "設置場所");
    ui::FlexGrid* g = m_win->MSFlexGrid_Edit;

    select("支店");
    EXPECT_EQ(m_win->tbxEdit[0]->text(), "2");
    EXPECT_EQ(m_win->tbxEdit[1]->text(), "支店");
    EXPECT_EQ(m_win->tbxEdit[2]->text(), "");
    EXPECT_TRUE(menus(true, true, true));
    EXPECT_EQ(g->cellBackColorAt(2, 1), ui::QBColor(8));
    EXPECT_EQ(g->cellBackColorAt(2, 2), ui::QBColor(8));
    EXPECT_EQ(g->cellBackColorAt(2, 0), ui::QBColor(8));

    select("本社");
    EXPECT_EQ(m_win->tbxEdit[1]->text(), "本社");
    EXPECT_EQ(g->cellBackColorAt(1, 1), ui::QBColor(8));
    EXPECT_EQ(g->cellBackColorAt(2, 1), ui::QBColor(15));
    EXPECT_EQ(g->cellBackColorAt(2, 2), ui::QBColor(15));
}

TEST_F(EditTableTest, UpdateStoresTheBoxesAsTypedAndABlankAsEmptyText) {
    addMaster("tbl_Location", 1, "本社");
    sql("UPDATE tbl_Location SET Location_Comment = 'old' WHERE Location_Code = 1");
    open("tbl_Location", "設置場所");
    select("本社");
    m_win->tbxEdit[1]->setText("O'Brien's 倉庫; --");
    m_win->tbxEdit[2]->setText("");
    trigger(m_win, "Mnu_Update");

    EXPECT_EQ(scalar("SELECT Location_Name FROM tbl_Location WHERE Location_Code = 1"), "O'Brien's 倉庫; --");
    EXPECT_EQ(scalar("SELECT Location_Comment FROM tbl_Location WHERE Location_Code = 1"), "");
    EXPECT_EQ(count("SELECT * FROM tbl_Location"), 2);  // nothing else touched
    EXPECT_EQ(names(), QStringList({"O'Brien's 倉庫; --"}));
    EXPECT_TRUE(menus(true, false, false));
    EXPECT_EQ(m_win->tbxEdit[1]->text(), "O'Brien's 倉庫; --");  // the boxes keep their texts
}

TEST_F(EditTableTest, UpdateOfARowThatVanishedWritesNothing) {
    addMaster("tbl_Location", 1, "本社");
    open("tbl_Location", "設置場所");
    select("本社");
    sql("DELETE FROM tbl_Location WHERE Location_Code = 1");
    m_win->tbxEdit[1]->setText("new");
    trigger(m_win, "Mnu_Update");
    EXPECT_EQ(count("SELECT * FROM tbl_Location WHERE Location_Code = 1"), 0);
    EXPECT_TRUE(menus(true, true, true));  // unchanged
    EXPECT_EQ(stdErrorBoxes(), 0);
}

TEST_F(EditTableTest, DeleteRetiresAfterConfirmation) {
    addMaster("tbl_Model", 1, "A");
    addMaster("tbl_Model", 2, "B");
    open("tbl_Model", "モデル");

    select("A");
    ui::script::answerMsgBox(ui::vbNo);
    trigger(m_win, "Mnu_Delete");
    EXPECT_EQ(scalar("SELECT Available_flug FROM tbl_Model WHERE Model_Code = 1"), "0");
    EXPECT_TRUE(menus(true, true, true));
    ASSERT_EQ(ui::script::shown().size(), 1u);
    EXPECT_EQ(ui::script::shown()[0].prompt, "削除しますか？");
    EXPECT_EQ(ui::script::shown()[0].title, "確認");
    EXPECT_EQ(ui::script::shown()[0].buttons, ui::vbYesNo | ui::vbQuestion);

    ui::script::answerMsgBox(ui::vbYes);
    trigger(m_win, "Mnu_Delete");
    EXPECT_EQ(scalar("SELECT Available_flug FROM tbl_Model WHERE Model_Code = 1"), "1");
    EXPECT_EQ(count("SELECT * FROM tbl_Model"), 3);  // retired, not removed
    EXPECT_EQ(names(), QStringList({"B"}));
    EXPECT_TRUE(menus(true, false, false));

    // The last row shown: the menus stay enabled and the boxes hold it; 更新 still writes into it.
    select("B");
    ui::script::answerMsgBox(ui::vbYes);
    trigger(m_win, "Mnu_Delete");
    EXPECT_EQ(m_win->MSFlexGrid_Edit->Rows(), 1);
    EXPECT_TRUE(menus(true, true, true));
    EXPECT_EQ(m_win->tbxEdit[1]->text(), "B");
    m_win->tbxEdit[1]->setText("B2");
    trigger(m_win, "Mnu_Update");
    EXPECT_EQ(scalar("SELECT Model_Name FROM tbl_Model WHERE Model_Code = 2"), "B2");
    EXPECT_EQ(scalar("SELECT Available_flug FROM tbl_Model WHERE Model_Code = 2"), "1");
}

TEST_F(EditTableTest, RetiringTheLastRowOfATableWithoutReservedRowLeavesNoRowOnShow) {
    sql("DELETE FROM tbl_Model");
    addMaster("tbl_Model", 1, "A");
    open("tbl_Model", "モデル");
    select("A");
    ui::script::answerMsgBox(ui::vbYes);
    trigger(m_win, "Mnu_Delete");
    EXPECT_EQ(scalar("SELECT Available_flug FROM tbl_Model WHERE Model_Code = 1"), "1");
    EXPECT_EQ(m_win->MSFlexGrid_Edit->Rows(), 0);  // not the retired row
}

// As written, a failing insert left the transaction open on the shared connection, and every later
// write was lost with it. Now the guard rolls back, the standard error box shows, the window stays.
TEST_F(EditTableTest, FailedInsertRollsBackAndShowsTheErrorBox) {
    open("tbl_Location", "設置場所");
    gCn().setFailHook([](const QString& s) { return s.startsWith("INSERT INTO tbl_Location"); });
    ui::script::answerMsgBox(ui::vbOK);
    trigger(m_win, "Mnu_Add");
    EXPECT_EQ(stdErrorBoxes(), 1);
    EXPECT_FALSE(gCn().inTransaction());
    EXPECT_EQ(ui::findForm("frm_Edit_Table"), m_win);
    EXPECT_EQ(count("SELECT * FROM tbl_Location"), 1);

    gCn().setFailHook(nullptr);
    trigger(m_win, "Mnu_Add");
    // Committed: another connection sees it.
    EXPECT_EQ(count("SELECT * FROM tbl_Location WHERE Location_Code = 1"), 1);
    EXPECT_EQ(codes(), QStringList({"1"}));
}

// The highest-code lookup shows its own box and answers 0 when it fails; nothing may be created then.
TEST_F(EditTableTest, FailedHighestCodeLookupCreatesNothing) {
    addMaster("tbl_Location", 1, "本社");
    open("tbl_Location", "設置場所");
    gCn().setFailHook([](const QString& s) { return s.contains("MAX("); });
    ui::script::answerMsgBox(ui::vbOK);
    trigger(m_win, "Mnu_Add");
    gCn().setFailHook(nullptr);
    EXPECT_EQ(stdErrorBoxes(), 1);
    EXPECT_EQ(count("SELECT * FROM tbl_Location"), 2);
    EXPECT_FALSE(gCn().inTransaction());
}

TEST_F(EditTableTest, CodeBeyond16BitsIsRefusedWithTheErrorBox) {
    sql("INSERT INTO tbl_Location (Location_Code, Available_flug) VALUES (32767, '0')");
    open("tbl_Location", "設置場所");
    ui::script::answerMsgBox(ui::vbOK);
    trigger(m_win, "Mnu_Add");
    EXPECT_EQ(stdErrorBoxes(), 1);
    EXPECT_EQ(count("SELECT * FROM tbl_Location"), 2);
    EXPECT_FALSE(gCn().inTransaction());
}

// A handler reached directly, not through its menu entry, keeps its failures to itself as well.
TEST_F(EditTableTest, HandlersCalledDirectlyShowTheErrorBoxInsteadOfThrowing) {
    open("tbl_Location", "設置場所");
    gEditTableName = "tbl_Nothing";  // every statement on it fails
    struct Case {
        const char* name;
        void (frm_Edit_Table::*handler)();
        bool asksFirst;
    };
    const Case cases[] = {
        {"Mnu_Add_Click", &frm_Edit_Table::Mnu_Add_Click, false},
        {"Mnu_Update_Click", &frm_Edit_Table::Mnu_Update_Click, false},
        {"Mnu_Delete_Click", &frm_Edit_Table::Mnu_Delete_Click, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ui::script::reset();
        if (c.asksFirst) ui::script::answerMsgBox(ui::vbYes);
        ui::script::answerMsgBox(ui::vbOK);
        EXPECT_NO_THROW((m_win->*c.handler)());
        EXPECT_EQ(stdErrorBoxes(), 1);
        EXPECT_FALSE(gCn().inTransaction());
    }
}

TEST_F(EditTableTest, CloseCommandEmptiesTheHandOverTheCloseBoxDoesNot) {
    open("tbl_Location", "設置場所");
    trigger(m_win, "Mue_Close");
    settle();
    EXPECT_EQ(ui::findForm("frm_Edit_Table"), nullptr);
    EXPECT_EQ(gEditTableName, "");
    EXPECT_EQ(gEditTableCaption, "");

    open("tbl_Location", "設置場所");
    m_win->closeWithReason(ui::vbFormControlMenu);
    settle();
    EXPECT_EQ(ui::findForm("frm_Edit_Table"), nullptr);
    EXPECT_EQ(gEditTableName, "tbl_Location");
    EXPECT_EQ(gEditTableCaption, "設置場所");
}

TEST_F(EditTableTest, NoTableHandedOverClosesAtOnce) {
    gEditTableName.clear();
    (void)load<frm_Edit_Table>("frm_Edit_Table");
    settle();
    EXPECT_EQ(ui::findForm("frm_Edit_Table"), nullptr);
    EXPECT_TRUE(ui::script::shown().empty());
}

TEST_F(EditTableTest, KeepsItsSize) {
    open("tbl_Location", "設置場所");
    m_win->Show(ui::vbModeless);
    m_win->setWidth(9000);
    m_win->setHeight(3000);
    settle();
    EXPECT_EQ(m_win->Width(), 5940);
    EXPECT_EQ(m_win->Height(), 7020);
}

}  // namespace
}  // namespace editors
