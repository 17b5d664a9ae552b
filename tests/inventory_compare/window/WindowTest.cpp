// The comparison window as it opens: from the main menu with the main window's geometry, its controls and
// menus, the PC list, and the stored side of the grid after a pick.
#include <gtest/gtest.h>

#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QTest>

#include "core/Mdl_Access_mdb.h"
#include "core/Mdl_gData.h"
#include "core/Registration.h"
#include "core/frm_Main.h"
#include "platform/ui/Colors.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/Forms.h"
#include "platform/ui/ListBox.h"
#include "platform/ui/SingleInstance.h"
#include "platform/ui/TextBox.h"
#include "tests/inventory_compare/window/CompareFixture.h"
#include "tests/support/UiDriver.h"

namespace comparetest {
namespace {

class FromMainMenu : public CompareTest {
protected:
    void SetUp() override {
        CompareTest::SetUp();
        ASSERT_FALSE(ui::anotherInstanceRunning());
        registerCoreForms();
    }

    // The main window at this outer size (pixels), then its menu entry "インポート".
    frm_Inport* openFromMenu(int widthPx, int heightPx) {
        auto* main = static_cast<frm_Main*>(ui::showForm("frm_Main", ui::vbModeless));
        EXPECT_NE(main, nullptr);
        if (!main) return nullptr;
        EXPECT_TRUE(QTest::qWaitForWindowExposed(main));
        main->move(40, 30);
        main->resize(widthPx - (main->frameGeometry().width() - main->width()),
                     heightPx - (main->frameGeometry().height() - main->height()));
        settle();
        EXPECT_TRUE(testsupport::triggerAction(main, "Mnu_View_INPORT"));
        m_form = static_cast<frm_Inport*>(ui::findForm("frm_Inport"));
        if (m_form) {
            EXPECT_TRUE(QTest::qWaitForWindowExposed(m_form));
        }
        settle();
        return m_form;
    }
};

TEST_F(FromMainMenu, OpensModelessWithTheMainWindowsGeometry) {
    frm_Inport* f = openFromMenu(1000, 600);
    ASSERT_TRUE(f);
    EXPECT_FALSE(f->isModalShown());
    EXPECT_EQ(f->windowTitle(), "CSVインポート");
    EXPECT_EQ(f->Width(), 15000);
    EXPECT_EQ(f->Height(), 9000);
    EXPECT_EQ(f->Left(), 600);
    EXPECT_EQ(f->Top(), 450);
    // Grids: the comparison grid 70 % of the height, the application grid below it.
    EXPECT_EQ(f->m_Layout.gridWidth, 15000 - 3440);
    EXPECT_EQ(f->m_Layout.gridHeight, 6300);
    EXPECT_EQ(f->m_Layout.appTop, 6880);
    EXPECT_EQ(f->m_Layout.appHeight, 1320);
    EXPECT_EQ(f->MSFlexGrid1->geometry(), QRect(216, 32, ui::px(11560), ui::px(6300)));
    EXPECT_EQ(f->MSGrid_Application->geometry(), QRect(216, ui::px(6880), ui::px(11560), ui::px(1320)));
}

TEST_F(FromMainMenu, ANarrowLowWindowGivesEmptyGridsWithoutFailing) {
    struct Case {
        int widthPx, heightPx;
        int appHeight;  // twips
    } cases[] = {
        {229, 285, 0},  // 3435 x 4275 twips: below 3440 wide and 4288 high
        {229, 286, 1},  // 4290 high: 28 % is 1201.2
    };
    for (const Case& c : cases) {
        frm_Inport* f = openFromMenu(c.widthPx, c.heightPx);
        ASSERT_TRUE(f);
        EXPECT_EQ(f->m_Layout.gridWidth, 0) << c.heightPx;
        EXPECT_EQ(f->m_Layout.appHeight, c.appHeight) << c.heightPx;
        EXPECT_EQ(f->MSFlexGrid1->width(), 0);
        EXPECT_EQ(stdErrorBoxes(), 0);
        f->Unload();
        settle();
    }
}

TEST_F(CompareTest, LoadsWithTheGivenGeometryBeforeItIsShown) {
    // The load applies the layout to the shared values themselves, to the twip.
    openDb();
    struct Case {
        int width, height;
        compare::Layout expected;
    } cases[] = {
        {3440, 4287, {0, 3001, 3581, 0}},
        {3440, 4288, {0, 3002, 3582, 1}},
    };
    for (const Case& c : cases) {
        gFormWidth = c.width;
        gFormHeight = c.height;
        auto* f = static_cast<frm_Inport*>(ui::form("frm_Inport"));
        ASSERT_TRUE(f);
        EXPECT_EQ(f->m_Layout.gridWidth, c.expected.gridWidth);
        EXPECT_EQ(f->m_Layout.gridHeight, c.expected.gridHeight);
        EXPECT_EQ(f->m_Layout.appTop, c.expected.appTop);
        EXPECT_EQ(f->m_Layout.appHeight, c.expected.appHeight);
        f->Unload();
        settle();
    }
}

TEST_F(CompareTest, ControlsAndMenusAreThoseOfTheDesign) {
    frm_Inport* f = open();
    ASSERT_TRUE(f);
    struct Box {
        QLineEdit* box;
        const char* name;
        QRect twips;
    } boxesAt[] = {
        {f->tbx_ComputerName, "tbx_ComputerName", {120, 120, 3000, 300}},
        {f->tbx_ComputerKey, "tbx_ComputerKey", {3240, 120, 375, 270}},
        {f->tbx_Edit, "tbx_Edit", {8160, 120, 3015, 300}},
    };
    for (const Box& b : boxesAt) {
        EXPECT_EQ(b.box->objectName(), b.name);
        EXPECT_EQ(b.box->geometry(),
                  QRect(ui::px(b.twips.x()), ui::px(b.twips.y()), ui::px(b.twips.width()), ui::px(b.twips.height())));
        EXPECT_EQ(b.box->text(), "");
    }
    EXPECT_TRUE(f->tbx_ComputerKey->isReadOnly());
    EXPECT_FALSE(f->tbx_Edit->isReadOnly());
    EXPECT_EQ(f->List_ComuputerName->objectName(), "List_ComuputerName");
    EXPECT_EQ(f->List_ComuputerName->geometry(), QRect(8, 32, 200, 496));
    EXPECT_FALSE(f->List_ComuputerName->isSortingEnabled());
    // Fixed pitch for the padded list; the grids in the proportional face.
    EXPECT_EQ(f->List_ComuputerName->font().family(), "IPAGothic");
    EXPECT_EQ(f->List_ComuputerName->font().pointSize(), 9);
    EXPECT_EQ(f->MSFlexGrid1->font().family(), "IPAPGothic");
    EXPECT_EQ(f->MSGrid_Application->font().pointSize(), 9);

    const QString ideo = QStringLiteral("\u3000");
    struct Item {
        const char* name;
        QString caption;
        QString shortcut;
    } items[] = {
        {"Mnu_Open", "CSV読み込み" + ideo, ""},
        {"Mnu_Close", "閉じる", "Ctrl+W"},
        {"Mnu_Update", "値を書き換え" + ideo.repeated(2), ""},
        {"Mnu_DBUpdate", "DBを上書き更新" + ideo, ""},
    };
    for (const Item& i : items) {
        QAction* a = testsupport::action(f, i.name);
        ASSERT_TRUE(a);
        EXPECT_EQ(a->text(), i.caption) << i.name;
        EXPECT_EQ(a->shortcut().toString(), i.shortcut) << i.name;
        EXPECT_TRUE(a->isEnabled()) << i.name;
    }
    EXPECT_EQ(f->Mnu_File->title(), "ファイル" + ideo.repeated(6));
    EXPECT_EQ(f->Mnu_Edit->title(), "編集" + ideo.repeated(8));
    EXPECT_EQ(f->Mnu_Manege->title(), "管理" + ideo.repeated(8));
    const QList<QAction*> file = f->Mnu_File->actions();
    ASSERT_EQ(file.size(), 3);
    EXPECT_TRUE(file[1]->isSeparator());
    EXPECT_EQ(file[1]->objectName(), "spalator01");

    // Both grids keep the control's design size until a fill; row 1 was painted white by the load.
    for (ui::FlexGrid* g : {f->MSFlexGrid1, f->MSGrid_Application}) {
        EXPECT_EQ(g->Rows(), 2);
        EXPECT_EQ(g->Cols(), 2);
        EXPECT_EQ(g->FixedRows(), 1);
        EXPECT_EQ(g->FixedCols(), 1);
    }
    EXPECT_EQ(f->MSFlexGrid1->cellBackColorAt(1, 1), ui::QBColor(15));
    EXPECT_FALSE(f->m_GridSet);
    EXPECT_EQ(f->m_SelectRow, 0);
    EXPECT_EQ(f->m_OldRow, 1);
}

TEST_F(CompareTest, ClosesByItsMenuAndByTheCloseBox) {
    for (bool byMenu : {true, false}) {
        frm_Inport* f = open();
        ASSERT_TRUE(f);
        if (byMenu)
            ASSERT_TRUE(testsupport::triggerAction(f, "Mnu_Close"));
        else
            ASSERT_TRUE(f->closeWithReason(ui::vbFormControlMenu));
        settle();
        EXPECT_EQ(ui::findForm("frm_Inport"), nullptr);
    }
}

// ---- the PC list --------------------------------------------------------------------------------

TEST_F(CompareTest, ListsThePcsInUseByNameWithLocationAndUser) {
    seedMasters();
    addLocation(2, "大阪支店");
    addUser(2, "佐藤");
    seedPc(1, "SOUMU-PC01");
    seedPc(2, "ABCDEFGHIJKLMNOPQ", 2, 2);    // 17 characters
    seedPc(3, "ABCDEFGHIJKLMNOPQRS", 1, 2);  // longer: listed all the same
    addPc({4, "REMOVED", 1, 1, 1});
    seedPc(5, "NOWHERE", 9, 1);  // no such location
    seedPc(6, "NOBODY", 1, 9);   // no such user
    seedPc(7, "総務PC", 2, 1);
    addPc({8, "x", 1, 1});
    sql("UPDATE tbl_Pclist SET Computer_Name = Null WHERE MainKey = 8");  // made by 新規作成, not yet named

    frm_Inport* f = open();
    ASSERT_TRUE(f);
    QStringList texts;
    QList<int> keys;
    for (int i = 0; i < f->List_ComuputerName->count(); ++i) {
        texts << f->List_ComuputerName->item(i)->text();
        keys << f->List_ComuputerName->item(i)->data(Qt::UserRole).toInt();
    }
    EXPECT_EQ(texts, (QStringList{QString(17, u' ') + "本社 山田", "ABCDEFGHIJKLMNOPQ大阪支店 佐藤",
                                  "ABCDEFGHIJKLMNOPQRS本社 佐藤", "SOUMU-PC01       本社 山田",
                                  "総務PC" + QString(13, u' ') + "大阪支店 山田"}));
    EXPECT_EQ(keys, (QList<int>{8, 2, 3, 1, 7}));
    EXPECT_EQ(stdErrorBoxes(), 0);
}

TEST_F(CompareTest, AFailingListQueryShowsTheErrorAndLeavesTheListEmpty) {
    seedMasters();
    seedPc(1, "PC01");
    openDb();
    gCn().setFailHook([](const QString& s) { return s.contains("tbl_Location.Location_Name"); });
    ui::script::answerMsgBox(ui::vbOK);
    frm_Inport* f = open();
    ASSERT_TRUE(f);
    EXPECT_EQ(f->List_ComuputerName->count(), 0);
    EXPECT_EQ(stdErrorBoxes(), 1);
}

// ---- the pick and the stored side --------------------------------------------------------------

class StoredSide : public CompareTest {
protected:
    void SetUp() override {
        CompareTest::SetUp();
        seedMasters();
        seedPc(1, "SOUMU-PC01");
        seedPc(2, "OTHER");
        sql("UPDATE tbl_Pclist SET Workgroup = '', IPAddress = '192.168.1.10', [Update] = '2005/04/01', "
            "Memory_Full = 0, Memory_Used = Null, CPU_L3_Cache_unit = 'MB', CPU_L1_Trace_Cache_unit = 'Kμops', "
            "CPU_PGE = '0', CPU_MCA = '1', PrimaryDNS = '10.0.0.1' WHERE MainKey = 1");
        sql("UPDATE tbl_Computer_List SET [Update] = '1999/12/31', Type_Number = 'PC-MA26D', "
            "Sereals_Number = 'SN-1' WHERE MainKey = 1");
    }
};

TEST_F(StoredSide, APickShowsTheStoredValuesRowByRow) {
    frm_Inport* f = open();
    ASSERT_TRUE(f);
    pick(1);
    EXPECT_EQ(f->tbx_ComputerName->text(), "SOUMU-PC01       本社 山田");
    EXPECT_EQ(f->tbx_ComputerKey->text(), "1");
    EXPECT_EQ(f->tbx_Edit->text(), "");

    ui::FlexGrid& g = *f->MSFlexGrid1;
    EXPECT_TRUE(g.isVisible());
    EXPECT_TRUE(f->m_GridSet);
    ASSERT_EQ(g.Rows(), 108);
    ASSERT_EQ(g.Cols(), 5);
    const QStringList header = {"No", "項目名", "Key", "PCのデータ", "読込んだデータ"};
    const int widths[] = {500, 1500, 1500, 2000, 2000};
    for (int c = 0; c < 5; ++c) {
        EXPECT_EQ(g.TextMatrix(0, c), header[c]);
        EXPECT_EQ(g.ColWidth(c), widths[c]);
        EXPECT_EQ(g.cellBackColorAt(0, c), ui::QBColor(8));
        EXPECT_EQ(g.cellAlignmentAt(0, c), c == 0 ? ui::flexAlignGeneral : ui::flexAlignCenterBottom);
    }
    struct Row {
        int row;
        const char* label;
        const char* key;
        QString stored;
        int alignment;
    } rows[] = {
        {1, "コンピュータ名", "Computer_Name", "SOUMU-PC01", ui::flexAlignGeneral},  // rows 1, 2 keep theirs
        {2, "ワークグループ名", "Workgroup", "", ui::flexAlignGeneral},
        {3, "IPアドレス", "IPAddress", "192.168.1.10", ui::flexAlignLeftBottom},
        {5, "更新日", "Update", "2005/04/01", ui::flexAlignLeftBottom},    // the profile's date
        {7, "メモリ全容量", "Memory_Full", "0", ui::flexAlignLeftBottom},  // a stored 0 is a value
        {9, "メモリ使用量", "Memory_Used", "", ui::flexAlignGeneral},
        {49, "CPU L3キャッシュ 単位", "CPU_L3_Cache_unit", "MB", ui::flexAlignLeftBottom},
        {51, "CPU L1トレースキャッシュ 単位", "CPU_L1_Trace_Cache_unit", "Kμops", ui::flexAlignLeftBottom},
        {65, "CPU PGE", "CPU_PGE", "0", ui::flexAlignLeftBottom},
        {66, "CPU MCA", "CPU_MCA", "1", ui::flexAlignLeftBottom},
        {96, "PrimaryDNS", "PrimaryDNS", "10.0.0.1", ui::flexAlignLeftBottom},
        {97, "PrimaryDNS", "PrimaryDNS", "10.0.0.1", ui::flexAlignLeftBottom},
        {106, "Type_Number", "Type_Number", "PC-MA26D", ui::flexAlignLeftBottom},
        {107, "Sereals_Number", "Sereals_Number", "SN-1", ui::flexAlignLeftBottom},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(g.TextMatrix(r.row, 0), QString::number(r.row));
        EXPECT_EQ(g.TextMatrix(r.row, 1), r.label) << r.row;
        EXPECT_EQ(g.TextMatrix(r.row, 2), r.key) << r.row;
        EXPECT_EQ(g.TextMatrix(r.row, 3), r.stored) << r.row;
        EXPECT_EQ(g.TextMatrix(r.row, 4), "") << r.row;
        EXPECT_EQ(g.cellAlignmentAt(r.row, 3), r.alignment) << r.row;
        EXPECT_EQ(g.cellBackColorAt(r.row, 2), g.BackColor()) << "no item row is painted";
    }
}

TEST_F(StoredSide, APcGoneSinceTheListWasFilledShowsTheHeaderOnly) {
    frm_Inport* f = open();
    ASSERT_TRUE(f);
    sql("DELETE FROM tbl_Pclist WHERE MainKey = 2");
    pick(2);
    ui::FlexGrid& g = *f->MSFlexGrid1;
    EXPECT_TRUE(g.isVisible());
    EXPECT_EQ(g.Rows(), 108);
    EXPECT_EQ(g.TextMatrix(0, 3), "PCのデータ");
    for (int r = 1; r <= 107; ++r)
        for (int c = 0; c < 5; ++c) ASSERT_EQ(g.TextMatrix(r, c), "") << r << "," << c;
    EXPECT_FALSE(f->m_GridSet) << "a fill that finds no PC leaves the flag";
    EXPECT_EQ(f->tbx_ComputerKey->text(), "2");

    // After a PC that was found, the flag stays set.
    pick(1);
    pick(2);
    EXPECT_TRUE(f->m_GridSet);
}

TEST_F(StoredSide, AStoredSideThatFailsStaysHiddenUntilAFillCompletes) {
    frm_Inport* f = open();
    ASSERT_TRUE(f);
    gCn().setFailHook([](const QString& s) { return s.startsWith("SELECT DISTINCT tbl_Computer_List.*"); });
    ui::script::answerMsgBox(ui::vbOK);
    pick(1);
    EXPECT_EQ(stdErrorBoxes(), 1);
    EXPECT_TRUE(f->MSFlexGrid1->isHidden());
    EXPECT_FALSE(f->m_GridSet);
    gCn().setFailHook({});
    pick(1);
    EXPECT_TRUE(f->MSFlexGrid1->isVisible());
    EXPECT_TRUE(f->m_GridSet);
}

TEST_F(StoredSide, PickingWithTheKeysPicksTheItemReached) {
    frm_Inport* f = open();
    ASSERT_TRUE(f);
    pick(2);  // OTHER, first in the list
    f->List_ComuputerName->setFocus();
    QTest::keyClick(f->List_ComuputerName, Qt::Key_Down);
    settle();
    EXPECT_EQ(f->tbx_ComputerKey->text(), "1");
    EXPECT_EQ(f->MSFlexGrid1->TextMatrix(1, 3), "SOUMU-PC01");
}

}  // namespace
}  // namespace comparetest
