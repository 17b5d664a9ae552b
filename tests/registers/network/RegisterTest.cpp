// The network register as a user meets it: opened from "ネットワーク", its layout and menus, the unit
// grid, the combo lists, the row click, add, update, delete and close, and the IP box's key filter.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include "core/Mdl_Access_mdb.h"
#include "core/Mdl_gData.h"
#include "core/frm_Main.h"
#include "platform/db/Ado.h"
#include "platform/ui/Colors.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/DropDownCombo.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/Forms.h"
#include "platform/ui/TextBox.h"
#include "registers/frm_Edit_Network.h"
#include "tests/registers/network/NetworkFixture.h"
#include "tests/support/UiDriver.h"

namespace networktest {
namespace {

using ui::script::Shown;

const QString kIdeo = QStringLiteral("\u3000");

// The unit-grid column each input is filled from, in the inputs' order.
constexpr int kGridColumnOf[12] = {1, 2, 7, 8, 3, 4, 5, 6, 9, 10, 11, 12};

class RegisterTest : public NetworkTest {
protected:
    // Three units in IP order 2, 1, 0: unit 1 fully filled, unit 2 without an address, unit 0 retired.
    void addThreeUnits() {
        addUnit({.key = 0, .computer = "PRN-01", .ip = "192.168.1.30", .deleted = 1});
        addUnit({.key = 1,
                 .location = "本社",
                 .user = "O'Brien",
                 .computer = "HUB-01",
                 .workgroup = "WG",
                 .ip = "192.168.1.10",
                 .mac = "00-11-22-33-44-55",
                 .maker = "メーカーA",
                 .model = "SW-8",
                 .type = "L2",
                 .serial = "SN-1",
                 .id = "admin",
                 .password = "secret"});
        addUnit({.key = 2, .computer = "AP-01", .model = " "});
    }
    // A stored combined list, so the unit grid takes clicks from the start.
    void addStoredList() { addListRow(0, "OLD-PC", "C0A80101"); }

    ui::FlexGrid* units() const { return m_win->MSFlexGrid_NetworkUnit; }
    ui::FlexGrid* list() const { return m_win->MSFlexGrid_Network; }
    int rowOfUnit(int key) const { return rowWith(units(), 0, QString::number(key)); }
    QStringList inputs() const {
        QStringList out;
        for (int i = 0; i < 12; ++i) out << inputText(i);
        return out;
    }
    std::vector<QColor> rowColours(int row) const {
        std::vector<QColor> out;
        for (int c = 0; c < units()->Cols(); ++c) out.push_back(units()->cellBackColorAt(row, c));
        return out;
    }
    static std::vector<QColor> painted(const QColor& data) {
        std::vector<QColor> out{ui::QBColor(8)};
        for (int c = 1; c < 13; ++c) out.push_back(data);
        return out;
    }
    static QRect twipRect(int l, int t, int w, int h) { return {ui::px(l), ui::px(t), ui::px(w), ui::px(h)}; }
};

TEST_F(RegisterTest, OpensBesideTheMainWindowWithItsInputsAndMenus) {
    ASSERT_NE(open(), nullptr);
    EXPECT_EQ(m_win->windowTitle(), "ネットワーク機器");
    EXPECT_FALSE(m_win->isModalShown());
    EXPECT_EQ(m_win->Width(), m_main->Width());
    EXPECT_EQ(m_win->Height(), m_main->Height());
    EXPECT_EQ(m_win->Top(), m_main->Top());
    EXPECT_EQ(m_win->Left(), m_main->Left());
    EXPECT_EQ(m_win->RowSel, 0);
    EXPECT_EQ(m_win->RowPrev, 1);
    EXPECT_FALSE(m_win->ListReady);
    EXPECT_TRUE(menus(true, false, false));

    struct Control {
        const char* name;
        const char* label;
        const char* caption;
        QRect box, labelBox;
    };
    const Control controls[] = {
        {"cmb_Dat(0)", "Label1(0)", "設置場所", twipRect(1320, 40, 2000, 300), twipRect(120, 100, 1095, 200)},
        {"cmb_Dat(1)", "Label1(1)", "ユーザ", twipRect(4920, 40, 2000, 300), twipRect(3600, 105, 1095, 195)},
        {"cmb_Dat(2)", "Label1(2)", "メーカー", twipRect(8040, 40, 2000, 300), twipRect(7200, 90, 1095, 195)},
        {"tbx_nunit(0)", "Label1(3)", "モデル", twipRect(11160, 40, 1980, 300), twipRect(10200, 105, 1095, 195)},
        {"tbx_nunit(1)", "Label1(4)", "コンピュータ名", twipRect(1320, 380, 2000, 300), twipRect(120, 440, 1095, 200)},
        {"tbx_nunit(2)", "Label1(5)", "ワークグループ", twipRect(4920, 380, 2000, 300), twipRect(3600, 435, 1575, 195)},
        {"tbx_nunit(3)", "Label1(6)", "IPアドレス", twipRect(8040, 380, 2000, 300), twipRect(7200, 420, 1095, 195)},
        // 75 twips left of where it was designed: its text came within 3 px of the box at the IPA face.
        {"tbx_nunit(4)", "Label1(7)", "Macアドレス", twipRect(11160, 380, 2000, 300), twipRect(10125, 435, 1095, 195)},
        {"tbx_nunit(5)", "Label1(8)", "タイプ", twipRect(1320, 720, 2000, 300), twipRect(120, 800, 1095, 200)},
        {"tbx_nunit(6)", "Label1(9)", "シリアル", twipRect(4920, 720, 2000, 300), twipRect(3600, 795, 1335, 195)},
        {"tbx_nunit(7)", "Label1(10)", "ID", twipRect(8040, 720, 2000, 300), twipRect(7200, 795, 1335, 195)},
        {"tbx_nunit(8)", "Label1(11)", "PW", twipRect(11160, 720, 2000, 300), twipRect(10200, 795, 1335, 195)},
    };
    for (const Control& c : controls) {
        SCOPED_TRACE(c.name);
        QWidget* box = testsupport::control(m_win, c.name);
        auto* label = testsupport::control<QLabel>(m_win, c.label);
        ASSERT_TRUE(box && label);
        EXPECT_EQ(box->geometry(), c.box);
        EXPECT_EQ(label->text(), QString::fromUtf8(c.caption));
        EXPECT_EQ(label->geometry(), c.labelBox);
    }
    EXPECT_EQ(inputs(), QStringList(12, QString()));
    for (ui::DropDownCombo* box : m_win->cmb_Dat) EXPECT_EQ(box->count(), 0);

    // Tab runs from the unit grid to the combined grid, then through the inputs row by row.
    m_win->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(m_win));
    units()->setFocus(Qt::TabFocusReason);
    std::vector<QWidget*> chain{list()};
    for (int i = 0; i < 12; ++i) chain.push_back(input(i));
    for (QWidget* expected : chain) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget* now = QApplication::focusWidget();
        EXPECT_TRUE(now == expected || now->parentWidget() == expected) << expected->objectName().toStdString();
    }
    EXPECT_EQ(m_win->tbx_nunit[8]->echoMode(), QLineEdit::Normal);  // the password shows in clear
    for (ui::FlexGrid* grid : {units(), list()}) {
        EXPECT_EQ(grid->font().family(), "IPAPGothic");
        EXPECT_EQ(grid->font().pointSize(), 9);
    }

    struct Item {
        const char* name;
        QString caption;
        QKeySequence shortcut;
    };
    struct Menu {
        const char* name;
        QString caption;
        std::vector<Item> items;
    };
    const Menu expected[] = {
        {"Mnu_File",
         "ファイル" + kIdeo.repeated(6),
         {{"Export_CSV", "CSV書き出し" + kIdeo, {}},
          {"sepalator01", "", {}},
          {"Mnu_Close", "閉じる", QKeySequence(Qt::CTRL | Qt::Key_W)}}},
        {"Mnu_Edit",
         "編集" + kIdeo.repeated(8),
         {{"Mnu_AddRecord", "新規" + kIdeo.repeated(6), {}},
          {"sepalator02", "", {}},
          {"Mnu_Update", "更新", {}},
          {"Mnu_Delete", "削除", {}}}},
        {"Mnu_View", "表示" + kIdeo.repeated(8), {{"Mnu_ViewUpdate", "一覧更新" + kIdeo.repeated(3), {}}}},
    };
    const QList<QAction*> bar = m_win->menuBar()->actions();
    ASSERT_EQ(bar.size(), qsizetype(std::size(expected)));
    for (size_t m = 0; m < std::size(expected); ++m) {
        SCOPED_TRACE(expected[m].name);
        QMenu* menu = bar[qsizetype(m)]->menu();
        ASSERT_NE(menu, nullptr);
        EXPECT_EQ(menu->objectName(), expected[m].name);
        EXPECT_EQ(menu->title(), expected[m].caption);
        const QList<QAction*> items = menu->actions();
        ASSERT_EQ(items.size(), qsizetype(expected[m].items.size()));
        for (size_t i = 0; i < size_t(items.size()); ++i) {
            const Item& want = expected[m].items[i];
            EXPECT_EQ(items[qsizetype(i)]->objectName(), want.name);
            EXPECT_EQ(items[qsizetype(i)]->isSeparator(), want.caption.isEmpty());
            if (want.caption.isEmpty()) continue;
            EXPECT_EQ(items[qsizetype(i)]->text(), want.caption) << want.name;
            EXPECT_EQ(items[qsizetype(i)]->shortcut(), want.shortcut) << want.name;
        }
    }
}

TEST_F(RegisterTest, GridsFollowTheWindowSizeAndKeepTheirPlaceWithoutRoom) {
    ASSERT_NE(open(), nullptr);
    struct Case {
        int width, height;
    };
    // The last two leave the combined grid, then both grids, no room: they keep their last place.
    const Case cases[] = {{14400, 9000}, {12000, 7000}, {9000, 4200}, {250, 4000}};
    QRect unitsAt = units()->geometry(), listAt = list()->geometry();
    for (const Case& c : cases) {
        SCOPED_TRACE(QString("%1 x %2").arg(c.width).arg(c.height).toStdString());
        // Each of the two steps resizes the window, and the rule runs on what the window then has.
        auto follow = [&] {
            settle();
            const int w = m_win->Width() - 300, h = m_win->Height() - 4500;
            if (w > 0) unitsAt = twipRect(100, 1100, w, 2500);
            if (w > 0 && h > 0) listAt = twipRect(100, 3600, w, h);
        };
        m_win->setWidth(c.width);
        follow();
        m_win->setHeight(c.height);
        follow();
        EXPECT_EQ(units()->geometry(), unitsAt);
        EXPECT_EQ(list()->geometry(), listAt);
    }
}

TEST_F(RegisterTest, UnitGridShowsEveryUnitByItsIpKey) {
    addThreeUnits();
    addUnit({.key = 7, .computer = "NAS-01", .ip = "10.0.0.5", .password = "p'w"});
    ASSERT_NE(open(), nullptr);

    ASSERT_EQ(units()->Cols(), 13);
    ASSERT_EQ(units()->Rows(), 5);
    const std::vector<QStringList> want = {
        {"No", "設置場所", "ユーザ名", "コンピュータ名", "ワークグループ", "IPアドレス", "Macアドレス", "メーカー",
         "モデル", "タイプ", "シリアル", "ID", "PW"},
        // No IP key sorts first; the single blank is shown as it is.
        {"2", "", "", "AP-01", "", "", "", "", " ", "", "", "", ""},
        {"7", "", "", "NAS-01", "", "10.0.0.5", "", "", "", "", "", "", "p'w"},
        {"1", "本社", "O'Brien", "HUB-01", "WG", "192.168.1.10", "00-11-22-33-44-55", "メーカーA", "SW-8", "L2", "SN-1",
         "admin", "secret"},
        {"0", "", "", "PRN-01", "", "192.168.1.30", "", "", "", "", "", "", ""},  // retired: listed all the same
    };
    EXPECT_EQ(gridTexts(units()), want);
    for (int c = 0; c < 13; ++c) {
        EXPECT_EQ(units()->ColWidth(c), c == 0 ? 500 : 1500) << c;
        EXPECT_EQ(units()->cellBackColorAt(0, c), ui::QBColor(8)) << c;
        EXPECT_EQ(units()->cellAlignmentAt(0, c), ui::flexAlignCenterBottom) << c;
    }
    for (int r = 1; r < 5; ++r) {
        EXPECT_EQ(rowColours(r), painted(ui::QBColor(15))) << r;
        EXPECT_EQ(units()->cellAlignmentAt(r, 0), ui::flexAlignGeneral);
        EXPECT_EQ(units()->cellAlignmentAt(r, 5), ui::flexAlignLeftBottom);
    }
    EXPECT_FALSE(units()->isHidden());
}

TEST_F(RegisterTest, AddNumbersNewUnitsFromZeroAndSelectsNothing) {
    addStoredList();
    // New rows come without the flag here, so only the add's own UPDATE, with its qualified target, sets it.
    sql("CREATE TRIGGER unflagged AFTER INSERT ON tbl_NetworkUnit BEGIN REPLACE INTO tbl_NetworkUnit ([Key], "
        "Deleted_Flug) VALUES (NEW.[Key], 7); END");
    ASSERT_NE(open(), nullptr);
    EXPECT_TRUE(m_win->ListReady);
    const std::vector<QStringList> storedList = gridTexts(list());
    EXPECT_EQ(units()->Rows(), 0);
    setInputText(4, "typed");

    ASSERT_TRUE(testsupport::triggerAction(m_win, "Mnu_AddRecord"));
    EXPECT_EQ(unitRow(0), QStringList({"0", "<null>", "<null>", "<null>", "<null>", "<null>", "<null>", "<null>",
                                       "<null>", "<null>", "<null>", "<null>", "<null>", "<null>", "0"}));
    ASSERT_EQ(units()->Rows(), 2);
    EXPECT_EQ(gridTexts(units())[1], QStringList({"0", "", "", "", "", "", "", "", "", "", "", "", ""}));
    ASSERT_TRUE(testsupport::triggerAction(m_win, "Mnu_AddRecord"));
    EXPECT_EQ(count("SELECT * FROM tbl_NetworkUnit WHERE [Key] = 1 AND Deleted_Flug = 0"), 1);

    // Whatever keys lie below the highest, the next is the highest + 1.
    sql("INSERT INTO tbl_NetworkUnit ([Key], Computer_Name) VALUES (9, 'X')");
    ASSERT_TRUE(testsupport::triggerAction(m_win, "Mnu_AddRecord"));
    EXPECT_EQ(scalar("SELECT MAX([Key]) FROM tbl_NetworkUnit"), "10");
    EXPECT_EQ(count("SELECT * FROM tbl_NetworkUnit"), 4);

    EXPECT_EQ(m_win->RowSel, 0);
    EXPECT_EQ(m_win->RowPrev, 1);
    EXPECT_TRUE(m_win->ListReady);
    EXPECT_TRUE(menus(true, false, false));  // as they were
    EXPECT_EQ(inputText(4), "typed");
    // Only the refresh rebuilds the combined list.
    EXPECT_EQ(gridTexts(list()), storedList);
    EXPECT_TRUE(msgBoxPrompts().isEmpty());
}

TEST_F(RegisterTest, AfterAnAddTheEnabledUpdateAndDeleteDoNothing) {
    addStoredList();
    addThreeUnits();
    ASSERT_NE(open(), nullptr);
    clickUnit(1);
    ASSERT_TRUE(menus(true, true, true));
    setInputText(4, "CHANGED");
    ASSERT_TRUE(testsupport::triggerAction(m_win, "Mnu_AddRecord"));
    EXPECT_TRUE(menus(true, true, true));
    const std::vector<QStringList> before = rows("SELECT * FROM tbl_NetworkUnit ORDER BY [Key]");

    ASSERT_TRUE(testsupport::triggerAction(m_win, "Mnu_Update"));
    ui::script::answerMsgBox(ui::vbYes);
    ASSERT_TRUE(testsupport::triggerAction(m_win, "Mnu_Delete"));
    EXPECT_EQ(rows("SELECT * FROM tbl_NetworkUnit ORDER BY [Key]"), before);
    EXPECT_EQ(msgBoxPrompts(), QStringList({"削除しますか？"}));
}

TEST_F(RegisterTest, AddAfterTheLastKeyShowsTheOverflowAndCreatesNothing) {
    addUnit({.key = 32767, .computer = "LAST"});
    ASSERT_NE(open(), nullptr);
    ui::script::answerMsgBox(ui::vbOK);
    ASSERT_TRUE(testsupport::triggerAction(m_win, "Mnu_AddRecord"));
    EXPECT_EQ(count("SELECT * FROM tbl_NetworkUnit"), 1);
    ASSERT_EQ(stdErrorBoxes(), 1);
    EXPECT_TRUE(ui::script::shown().back().prompt.contains("（エラーコード：6）"));
    EXPECT_EQ(ui::script::shown().back().buttons, ui::vbCritical);
}

// A failed look-up of the highest key used to give key 1; now it creates nothing, and its own box is the only one.
TEST_F(RegisterTest, AddWhoseKeyLookupFailsCreatesNothingAndShowsOneBox) {
    struct Case {
        const char* name;
        std::vector<int> keys;
    };
    const Case cases[] = {{"empty table", {}}, {"units 0 and 4", {0, 4}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        sql("DELETE FROM tbl_NetworkUnit");
        for (int k : c.keys) addUnit({.key = k});
        if (!m_win) {
            ASSERT_NE(open(), nullptr);
        }
        ui::script::reset();
        gCn().setFailHook(
            [](const QString& s) { return s.startsWith("SELECT MAX(") && s.contains("tbl_NetworkUnit"); });
        ui::script::answerMsgBox(ui::vbOK);
        ASSERT_TRUE(testsupport::triggerAction(m_win, "Mnu_AddRecord"));
        gCn().setFailHook({});
        EXPECT_EQ(stdErrorBoxes(), 1);
        EXPECT_EQ(count("SELECT * FROM tbl_NetworkUnit"), int(c.keys.size()));
    }
}

TEST_F(RegisterTest, RowClickCopiesEveryCellIntoItsInputAndPaintsTheRow) {
    addStoredList();
    addThreeUnits();
    ASSERT_NE(open(), nullptr);
    for (int i = 0; i < 12; ++i) setInputText(i, "typed before");

    clickUnit(1);
    const int row = rowOfUnit(1);
    EXPECT_EQ(m_win->RowSel, row);
    EXPECT_EQ(m_win->RowPrev, row);
    EXPECT_EQ(inputs(), QStringList({"本社", "O'Brien", "メーカーA", "SW-8", "HUB-01", "WG", "192.168.1.10",
                                     "00-11-22-33-44-55", "L2", "SN-1", "admin", "secret"}));
    for (int i = 0; i < 12; ++i) EXPECT_EQ(inputText(i), units()->TextMatrix(row, kGridColumnOf[i])) << i;
    EXPECT_EQ(rowColours(row), painted(ui::QBColor(8)));
    EXPECT_TRUE(menus(true, true, true));
    EXPECT_FALSE(units()->isHidden());

    // An empty cell empties its input; a blank one gives a blank.
    clickUnit(2);
    EXPECT_EQ(inputs(), QStringList({"", "", "", " ", "AP-01", "", "", "", "", "", "", ""}));
    EXPECT_EQ(rowColours(row), painted(ui::QBColor(15)));
    EXPECT_EQ(rowColours(rowOfUnit(2)), painted(ui::QBColor(8)));
    EXPECT_EQ(m_win->RowPrev, rowOfUnit(2));
}

TEST_F(RegisterTest, ClicksWaitForTheFirstAddWhenTheCombinedListWasEmpty) {
    addThreeUnits();
    ASSERT_NE(open(), nullptr);
    EXPECT_FALSE(m_win->ListReady);
    clickUnit(1);
    EXPECT_EQ(m_win->RowSel, 0);
    EXPECT_EQ(inputs(), QStringList(12, QString()));
    EXPECT_TRUE(menus(true, false, false));

    ASSERT_TRUE(testsupport::triggerAction(m_win, "Mnu_AddRecord"));
    clickUnit(1);
    EXPECT_EQ(m_win->RowSel, rowOfUnit(1));
    EXPECT_EQ(inputText(4), "HUB-01");
}

TEST_F(RegisterTest, ClickOnTheEmptiedUnitGridDoesNothing) {
    addStoredList();
    addUnit({.key = 3, .computer = "ONLY"});
    ASSERT_NE(open(), nullptr);
    clickUnit(3);
    ui::script::answerMsgBox(ui::vbYes);
    ASSERT_TRUE(testsupport::triggerAction(m_win, "Mnu_Delete"));
    ASSERT_EQ(units()->Rows(), 0);
    ASSERT_EQ(units()->Cols(), 0);
    ASSERT_TRUE(m_win->ListReady);

    setInputText(4, "kept");
    units()->setRow(1);  // however the grid reports its row
    m_win->MSFlexGrid_NetworkUnit_Click();
    emit units()->Click();
    EXPECT_EQ(m_win->RowSel, 0);
    EXPECT_EQ(inputText(4), "kept");
    EXPECT_TRUE(menus(true, false, false));
    EXPECT_EQ(msgBoxPrompts(), QStringList({"削除しますか？"}));
}

TEST_F(RegisterTest, UpdateWritesTheFilledInputsAndKeepsTheEmptyOnes) {
    addStoredList();
    addThreeUnits();
    addMaster("tbl_Location", 1, "本社");
    ASSERT_NE(open(), nullptr);
    clickUnit(2);
    const int row = m_win->RowSel;

    // Typed as a user types; a name no master table holds is stored as typed.
    commitText(m_win->cmb_Dat[0], "新倉庫");
    QTest::keyClicks(m_win->cmb_Dat[2], "Maker's");
    setInputText(3, "");  // the model's blank emptied: the stored blank stays
    QTest::keyClicks(m_win->tbx_nunit[2], "WORK'GROUP");
    QTest::keyClicks(m_win->tbx_nunit[3], "192.168.1.50");
    m_win->tbx_nunit[6]->setText(" ");  // one blank is stored as one blank
    QTest::keyClicks(m_win->tbx_nunit[8], "x' --");
    ASSERT_TRUE(testsupport::triggerAction(m_win, "Mnu_Update"));

    EXPECT_EQ(unitRow(2), QStringList({"2", "新倉庫", "<null>", "AP-01", "WORK'GROUP", "192.168.1.50", "C0A80132",
                                       "<null>", "Maker's", " ", "<null>", " ", "<null>", "x' --", "0"}));
    // The other units are untouched by the quoted text.
    EXPECT_EQ(unitRow(1)[13], "secret");
    EXPECT_EQ(m_win->RowSel, row);
    EXPECT_EQ(m_win->RowPrev, row);
    EXPECT_TRUE(m_win->ListReady);
    EXPECT_TRUE(menus(true, false, false));
    // The grey row stays where it was, though the unit now sorts elsewhere.
    EXPECT_NE(rowOfUnit(2), row);
    EXPECT_EQ(rowColours(row), painted(ui::QBColor(8)));
    EXPECT_EQ(gridTexts(list())[1][3], "OLD-PC");
}

TEST_F(RegisterTest, UpdateDerivesTheIpKeyFromTheAddressOnly) {
    addStoredList();
    addThreeUnits();
    ASSERT_NE(open(), nullptr);
    struct Case {
        QString typed;
        QString ip, hex;
    };
    const Case cases[] = {
        {"192.168.1.10", "192.168.1.10", "C0A8010A"},
        {"999.1.1.1", "999.1.1.1", "FFFFFFFF"},
        {"10.1", "10.1", "0A000001"},
        {"", "10.1", "0A000001"},  // an empty box keeps both columns
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed.toStdString());
        clickUnit(1);
        m_win->tbx_nunit[3]->setText(c.typed);
        ASSERT_TRUE(testsupport::triggerAction(m_win, "Mnu_Update"));
        const QStringList stored = unitRow(1);
        EXPECT_EQ(stored[5], c.ip);
        EXPECT_EQ(stored[6], c.hex);
    }
}

TEST_F(RegisterTest, DeleteAsksThenRemovesTheSelectedUnit) {
    addStoredList();
    addThreeUnits();
    ASSERT_NE(open(), nullptr);
    clickUnit(1);

    ui::script::answerMsgBox(ui::vbNo);
    ASSERT_TRUE(testsupport::triggerAction(m_win, "Mnu_Delete"));
    EXPECT_EQ(count("SELECT * FROM tbl_NetworkUnit"), 3);
    EXPECT_TRUE(menus(true, true, true));
    const Shown& asked = ui::script::shown().back();
    EXPECT_EQ(asked.prompt, "削除しますか？");
    EXPECT_EQ(asked.title, "確認");
    EXPECT_EQ(asked.buttons, ui::vbYesNo | ui::vbQuestion);

    ui::script::answerMsgBox(ui::vbYes);
    ASSERT_TRUE(testsupport::triggerAction(m_win, "Mnu_Delete"));
    EXPECT_EQ(unitRow(1), QStringList());
    EXPECT_EQ(count("SELECT * FROM tbl_NetworkUnit"), 2);
    EXPECT_EQ(rowOfUnit(1), 0);
    EXPECT_EQ(m_win->RowSel, 0);
    EXPECT_EQ(m_win->RowPrev, 1);
    EXPECT_TRUE(menus(true, false, false));
    EXPECT_EQ(inputText(4), "HUB-01");  // the inputs keep the deleted unit's text
    EXPECT_EQ(gridTexts(list())[1][3], "OLD-PC");
}

TEST_F(RegisterTest, UpdateAndDeleteOfAUnitGoneMeanwhileWriteNothing) {
    addStoredList();
    addThreeUnits();
    ASSERT_NE(open(), nullptr);
    for (const char* command : {"Mnu_Update", "Mnu_Delete"}) {
        SCOPED_TRACE(command);
        clickUnit(2);
        sql("DELETE FROM tbl_NetworkUnit WHERE [Key] = 2");
        m_win->tbx_nunit[1]->setText("NEW");
        if (QString(command) == "Mnu_Delete") ui::script::answerMsgBox(ui::vbYes);
        ASSERT_TRUE(testsupport::triggerAction(m_win, command));
        EXPECT_EQ(count("SELECT * FROM tbl_NetworkUnit"), 2);
        EXPECT_EQ(count("SELECT * FROM tbl_NetworkUnit WHERE Computer_Name = 'NEW'"), 0);
        EXPECT_EQ(rowOfUnit(2), 0);  // the lists were refilled
        EXPECT_TRUE(menus(true, false, false));
        addUnit({.key = 2, .computer = "AP-01"});
        ASSERT_TRUE(m_win->fnc_View_NClist());
    }
    EXPECT_EQ(stdErrorBoxes(), 0);
}

TEST_F(RegisterTest, AFailedUpdateOrDeleteShowsTheErrorBox) {
    addStoredList();
    addThreeUnits();
    ASSERT_NE(open(), nullptr);

    clickUnit(1);
    m_win->tbx_nunit[1]->setText(QString(256, 'x'));  // longer than the column takes
    ui::script::answerMsgBox(ui::vbOK);
    ASSERT_TRUE(testsupport::triggerAction(m_win, "Mnu_Update"));
    EXPECT_EQ(stdErrorBoxes(), 1);
    EXPECT_EQ(unitRow(1)[3], "HUB-01");

    gCn().setFailHook([](const QString& s) { return s.startsWith("DELETE FROM"); });
    ui::script::answerMsgBox(ui::vbYes);
    ui::script::answerMsgBox(ui::vbOK);
    ASSERT_TRUE(testsupport::triggerAction(m_win, "Mnu_Delete"));
    gCn().setFailHook({});
    EXPECT_EQ(stdErrorBoxes(), 2);
    EXPECT_EQ(unitRow(1)[3], "HUB-01");
}

TEST_F(RegisterTest, CombosOfferTheNamesInUseAndKeepTheTypedText) {
    addMaster("tbl_Location", 2, "大阪");
    addMaster("tbl_Location", 1, "本社");
    addMaster("tbl_Location", 3, "旧倉庫", "1");
    addUser(1, "山田");
    addUser(2, "退職者", 0, 0, "1");
    addUser(3, QString());  // no name: an empty item
    addMaster("tbl_Manufacturer", 1, "メーカーA");
    sql("UPDATE tbl_Manufacturer SET Available_flug = '1' WHERE Manufacturer_Code = 0");
    ASSERT_NE(open(), nullptr);

    struct Case {
        int index;
        QStringList items;  // in the order the table gives them, the reserved row 0 included while in use
    };
    const Case cases[] = {
        {0, {"", "大阪", "本社"}},
        {1, {"", "山田", ""}},
        {2, {"メーカーA"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.index);
        ui::DropDownCombo* box = m_win->cmb_Dat[size_t(c.index)];
        commitText(box, "手入力");
        box->showPopup();
        box->hidePopup();
        QStringList items;
        for (int i = 0; i < box->count(); ++i) items << box->itemText(i);
        EXPECT_EQ(items, c.items);
        EXPECT_EQ(box->currentText(), "手入力");
    }

    // Read again at every drop-down: a name added meanwhile elsewhere is offered.
    addMaster("tbl_Location", 4, "名古屋");
    m_win->cmb_Dat[0]->showPopup();
    m_win->cmb_Dat[0]->hidePopup();
    EXPECT_EQ(m_win->cmb_Dat[0]->count(), 4);
    EXPECT_EQ(m_win->cmb_Dat[0]->itemText(3), "名古屋");
}

TEST_F(RegisterTest, AComboListThatCannotBeReadShowsTheErrorBox) {
    ASSERT_NE(open(), nullptr);
    gCn().setFailHook([](const QString& s) { return s.contains("tbl_User"); });
    ui::script::answerMsgBox(ui::vbOK);
    m_win->cmb_Dat[1]->setEditText("typed");
    m_win->cmb_Dat[1]->showPopup();
    m_win->cmb_Dat[1]->hidePopup();
    gCn().setFailHook({});
    EXPECT_EQ(stdErrorBoxes(), 1);
    EXPECT_EQ(m_win->cmb_Dat[1]->currentText(), "typed");
}

TEST_F(RegisterTest, TheIpBoxTakesOnlyDigitsAndFullStops) {
    ASSERT_NE(open(), nullptr);
    ui::TextBox* ip = m_win->tbx_nunit[3];
    ui::TextBox* other = m_win->tbx_nunit[1];
    struct Case {
        const char* name;
        std::function<void(ui::TextBox*)> type;
        QString ipKeeps, otherKeeps;
    };
    QApplication::clipboard()->setText("9.9");
    const Case cases[] = {
        {"an address", [](ui::TextBox* b) { QTest::keyClicks(b, "192.168.1.1"); }, "192.168.1.1", "192.168.1.1"},
        {"letters and blanks", [](ui::TextBox* b) { QTest::keyClicks(b, "a1 b.2-"); }, "1.2", "a1 b.2-"},
        {"input method, full-width digits", [](ui::TextBox* b) { commitText(b, "１２3.ア4"); }, "3.4", "１２3.ア4"},
        // Outside the basic plane, whatever its last 16 bits look like.
        {"input method, U+10031", [](ui::TextBox* b) { commitText(b, "1\U00010031"); }, "1", "1\U00010031"},
        {"Backspace deletes",
         [](ui::TextBox* b) {
             QTest::keyClicks(b, "123");
             QTest::keyClick(b, Qt::Key_Backspace);
         },
         "12", "12"},
        {"arrows and Delete",
         [](ui::TextBox* b) {
             QTest::keyClicks(b, "1234");
             QTest::keyClick(b, Qt::Key_Left);
             QTest::keyClick(b, Qt::Key_Left);
             QTest::keyClick(b, Qt::Key_Delete);
         },
         "124", "124"},
        {"Ctrl+V", [](ui::TextBox* b) { QTest::keyClick(b, Qt::Key_V, Qt::ControlModifier); }, "", "9.9"},
        {"Ctrl+X",
         [](ui::TextBox* b) {
             QTest::keyClicks(b, "12");
             b->selectAll();
             QTest::keyClick(b, Qt::Key_X, Qt::ControlModifier);
         },
         "12", ""},
        {"the context menu's paste", [](ui::TextBox* b) { b->paste(); }, "9.9", "9.9"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        for (ui::TextBox* box : {ip, other}) {
            box->clear();
            QApplication::clipboard()->setText("9.9");
            c.type(box);
        }
        EXPECT_EQ(ip->text(), c.ipKeeps);
        EXPECT_EQ(other->text(), c.otherKeeps);
    }
    // Ctrl+C is dropped too: the clipboard keeps what it had.
    ip->setText("1.2");
    ip->selectAll();
    QTest::keyClick(ip, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), "9.9");
}

TEST_F(RegisterTest, TextBoxesShowTheFocusColourAndTheCombosDoNot) {
    ASSERT_NE(open(), nullptr);
    m_win->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(m_win));
    const QColor focused(128, 255, 255), plain(255, 255, 255);
    for (int i = 0; i < 9; ++i) {
        SCOPED_TRACE(i);
        QTest::mouseClick(m_win->tbx_nunit[size_t(i)], Qt::LeftButton);
        EXPECT_EQ(m_win->tbx_nunit[size_t(i)]->palette().color(QPalette::Base), focused);
        if (i > 0) {
            EXPECT_EQ(m_win->tbx_nunit[size_t(i - 1)]->palette().color(QPalette::Base), plain);
        }
    }
    const QColor comboBefore = m_win->cmb_Dat[0]->palette().color(QPalette::Base);
    QTest::mouseClick(m_win->cmb_Dat[0]->lineEdit(), Qt::LeftButton);
    EXPECT_TRUE(m_win->cmb_Dat[0]->hasFocus() || m_win->cmb_Dat[0]->lineEdit()->hasFocus());
    EXPECT_EQ(m_win->cmb_Dat[0]->palette().color(QPalette::Base), comboBefore);
    EXPECT_EQ(m_win->tbx_nunit[8]->palette().color(QPalette::Base), plain);
}

TEST_F(RegisterTest, CloseUnloadsTheWindowAndLeavesTheGeometryAlone) {
    addStoredList();
    addThreeUnits();
    struct Case {
        const char* name;
        std::function<void(frm_Edit_Network*)> close;
    };
    const Case cases[] = {
        {"閉じる", [](frm_Edit_Network* w) { ASSERT_TRUE(testsupport::triggerAction(w, "Mnu_Close")); }},
        {"Ctrl+W",
         [](frm_Edit_Network* w) {
             w->activateWindow();
             ASSERT_TRUE(QTest::qWaitForWindowActive(w));
             QTest::keyClick(w, Qt::Key_W, Qt::ControlModifier);
         }},
        {"close box", [](frm_Edit_Network* w) { EXPECT_TRUE(w->closeWithReason(ui::vbFormControlMenu)); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (!m_main) {
            ASSERT_NE(open(), nullptr);
        } else {
            ASSERT_TRUE(testsupport::triggerAction(m_main, "Mnu_Network_Manegement"));
            m_win = static_cast<frm_Edit_Network*>(ui::findForm("frm_Edit_Network"));
            ASSERT_NE(m_win, nullptr);
        }
        // Nothing of the last opening's selection survives.
        EXPECT_EQ(m_win->RowSel, 0);
        EXPECT_EQ(inputText(4), "");
        clickUnit(1);
        const qint32 geometry[4] = {gFormWidth, gFormHeight, gFormTop, gFormLeft};
        m_win->setWidth(9000);
        c.close(m_win);
        settle();
        EXPECT_EQ(ui::findForm("frm_Edit_Network"), nullptr);
        EXPECT_EQ(gFormWidth, geometry[0]);
        EXPECT_EQ(gFormHeight, geometry[1]);
        EXPECT_EQ(gFormTop, geometry[2]);
        EXPECT_EQ(gFormLeft, geometry[3]);
    }
    EXPECT_TRUE(msgBoxPrompts().isEmpty());
}

}  // namespace
}  // namespace networktest
