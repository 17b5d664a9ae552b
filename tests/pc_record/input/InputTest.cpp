// The editor's input fields: keys each field class takes, the lease date check on leaving a date box,
// the focus colour, the master pick lists and the user list.
#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QTest>

#include "pc_record/frm_Edit_Computer.h"
#include "platform/ui/Colors.h"
#include "platform/ui/DropDownCombo.h"
#include "platform/ui/ListBox.h"
#include "platform/ui/StatusBar.h"
#include "platform/ui/TextBox.h"
#include "tests/pc_record/common/EditorFixture.h"

namespace pcrecordtest {
namespace {

class InputTest : public EditorTest {
protected:
    // One PC, the editor shown and active.
    frm_Edit_Computer* open() {
        openDb();
        addMaster("tbl_Location", 1, "本社");
        addMaster("tbl_Location", 2, "大阪");
        insertPc(1, {{"Computer_Name", "'PC1'"}, {"Memory_Full", "1024"}, {"Memory_Full_unit", "'MB'"}},
                 {{"Location_Code", "1"}, {"Leasing_StartDate", "'2004/04/01'"}});
        frm_Edit_Computer* e = openFromList(1);
        EXPECT_NE(e, nullptr);
        if (!e) return nullptr;
        e->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(e));
        return e;
    }
    // The focus moves to the control as a click on it moves it (its page brought to the front first).
    static void focus(frm_Edit_Computer* e, QWidget* control, int tab = 0) {
        if (tab) clickTab(e, tab);
        control->setFocus(Qt::MouseFocusReason);
        settle();
    }
    static void commit(QWidget* box, const QString& text) {
        QInputMethodEvent event;
        event.setCommitString(text);
        QCoreApplication::sendEvent(box, &event);
    }
    static QColor background(QWidget* w) { return w->palette().color(QPalette::Base); }
    // Opens the pick list as a user does and picks item `index` with the keyboard.
    static void pick(ui::DropDownCombo* box, int index) {
        box->showPopup();
        ASSERT_LT(index, box->count());
        QAbstractItemView* list = box->view();
        list->setCurrentIndex(box->model()->index(index, 0));
        QTest::keyClick(list, Qt::Key_Return);
        settle();
    }
    static QStringList items(const ui::DropDownCombo* box) {
        QStringList out;
        for (int i = 0; i < box->count(); ++i) out << box->itemText(i) + "=" + box->itemData(i).toString();
        return out;
    }
};

// What typing "1a.2/3-" leaves, and a full-width digit committed by an input method, per class of box.
TEST_F(InputTest, KeysEachFieldClassTakes) {
    frm_Edit_Computer* e = open();
    ASSERT_NE(e, nullptr);
    const struct {
        const char* what;
        ui::TextBox* box;
        int tab;
        const char* typed;
        const char* fullWidth;
    } cases[] = {
        {"address (IP address)", e->tbx_Dat[2], 0, "1.23", ""},
        {"address (DNS)", e->tbx_Dat[33], 2, "1.23", ""},
        {"number (clock)", e->tbx_Dat[7], 1, "123", ""},
        {"number (monthly amount)", e->tbx_Dat[49], 8, "123", ""},
        {"date (lease start)", e->tbx_Dat[47], 8, "12/3", ""},
        {"free (computer name)", e->tbx_Dat[0], 0, "1a.2/3-", "１"},
        {"free (IP key)", e->tbx_Dat[27], 2, "1a.2/3-", "１"},
        {"free (MAC address)", e->tbx_Dat[36], 2, "1a.2/3-", "１"},
        {"size", e->tbx_Drive[0], 7, "123", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        focus(e, c.box, c.tab);
        c.box->clear();
        QTest::keyClicks(c.box, "1a.2/3-");
        EXPECT_EQ(c.box->text(), QString::fromUtf8(c.typed));
        c.box->clear();
        commit(c.box, "１");
        EXPECT_EQ(c.box->text(), QString::fromUtf8(c.fullWidth));
        // Backspace passes everywhere; Delete and the arrows never reach the filter.
        c.box->setText("123");
        c.box->end(false);
        QTest::keyClick(c.box, Qt::Key_Backspace);
        EXPECT_EQ(c.box->text(), "12");
        QTest::keyClick(c.box, Qt::Key_Left);
        QTest::keyClick(c.box, Qt::Key_Delete);
        EXPECT_EQ(c.box->text(), "1");
    }
    // Ctrl+V is a control character: a filtered box drops it, a free one pastes.
    QApplication::clipboard()->setText("99");
    for (ui::TextBox* box : {e->tbx_Dat[0], e->tbx_Dat[7]}) {
        focus(e, box, box == e->tbx_Dat[7] ? 1 : 0);
        box->clear();
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    }
    EXPECT_EQ(e->tbx_Dat[0]->text(), "99");
    EXPECT_EQ(e->tbx_Dat[7]->text(), "");
}

// Leaving a lease date box: an invalid date puts back the text the box had when it got the focus and says
// so in the status bar; the focus stays where it went.
TEST_F(InputTest, LeaseDateCheckOnLeaving) {
    frm_Edit_Computer* e = open();
    ASSERT_NE(e, nullptr);
    ui::TextBox* box = e->tbx_Dat[47];
    EXPECT_EQ(box->text(), "2004/04/01");
    const struct {
        const char* typed;
        bool valid;
    } cases[] = {
        {"2005/12/05", true},  {"2005/02/31", true},  {"9999/01/31", true},  {"", true},
        {"2005/13/01", false}, {"2005/00/10", false}, {"2005/10/00", false}, {"2005/10/32", false},
        {"2005/1/5", false},   {"05/12/2005", false}, {"2005//1/05", false}, {"2005/1/ 5", false},
    };
    focus(e, box, 8);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        focus(e, box);
        box->setText("2004/04/01");
        focus(e, e->tbx_Dat[46]);
        focus(e, box);
        box->setText(QString::fromUtf8(c.typed));  // what the keys left (a blank cannot be typed here)
        e->StatusBar1->setPanelText(1, "前の表示");
        focus(e, e->tbx_Dat[48]);
        EXPECT_EQ(box->text(), c.valid ? QString::fromUtf8(c.typed) : QString("2004/04/01"));
        EXPECT_EQ(e->StatusBar1->panelText(1), c.valid ? "" : "値が不正です");
        EXPECT_TRUE(e->tbx_Dat[48]->hasFocus());
    }
    // A box that was empty when it got the focus gets "0" back.
    focus(e, box);
    box->clear();
    focus(e, e->tbx_Dat[48]);
    focus(e, box);
    QTest::keyClicks(box, "2005/13/01");
    focus(e, e->tbx_Dat[48]);
    EXPECT_EQ(box->text(), "0");
    EXPECT_EQ(e->StatusBar1->panelText(1), "値が不正です");
    // Other boxes are not checked, and leave the status bar alone.
    focus(e, e->tbx_Dat[46]);  // leaving the empty end date empties the panel
    EXPECT_EQ(e->StatusBar1->panelText(1), "");
    e->StatusBar1->setPanelText(1, "前の表示");
    QTest::keyClicks(e->tbx_Dat[46], "2005/13/01");
    focus(e, e->tbx_Dat[45]);
    EXPECT_EQ(e->tbx_Dat[46]->text(), "2005/13/01");
    EXPECT_EQ(e->StatusBar1->panelText(1), "前の表示");
}

TEST_F(InputTest, FocusColourOnInputBoxesOnly) {
    frm_Edit_Computer* e = open();
    ASSERT_NE(e, nullptr);
    const QColor cyan = ui::vbColor(0xFFFF80);
    const QColor white = ui::vbColor(0xFFFFFF);
    const struct {
        const char* what;
        QWidget* control;
        int tab;
        bool coloured;
    } cases[] = {
        {"data box", e->tbx_Dat[0], 0, true},     {"data box on a page", e->tbx_Dat[20], 2, true},
        {"size box", e->tbx_Drive[2], 7, true},   {"master list", e->cmb_Dat[4], 0, true},
        {"user name", e->tbx_User, 0, false},     {"user code", e->tbx_UserCode, 0, false},
        {"department", e->tbx_Section, 0, false}, {"master code", e->tbx_CmbKey[3], 0, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const QColor before = background(c.control);
        focus(e, c.control, c.tab);
        EXPECT_EQ(background(c.control), c.coloured ? cyan : before);
        focus(e, e->tbx_Dat[1]);
        EXPECT_EQ(background(c.control), c.coloured ? white : before);
    }
}

// A pick list is read again at every opening: rows in use in the database's order, the reserved row 0
// among them, never a retired row; opening empties the shown name; a pick writes the row's code.
TEST_F(InputTest, PickListsFromTheDatabaseAtEachOpening) {
    frm_Edit_Computer* e = open();
    ASSERT_NE(e, nullptr);
    ui::DropDownCombo* location = e->cmb_Dat[3];
    EXPECT_EQ(location->currentText(), "本社");
    location->showPopup();
    EXPECT_EQ(location->currentText(), "");
    EXPECT_EQ(items(location), (QStringList{"=0", "本社=1", "大阪=2"}));
    location->hidePopup();
    settle();
    EXPECT_EQ(location->currentText(), "");    // closed without a pick: the name stays empty
    EXPECT_EQ(e->tbx_CmbKey[3]->text(), "1");  // and the code as it was

    // Rows added, retired or without a name since: the next opening shows them so.
    addMaster("tbl_Location", 3, "名古屋");
    addMaster("tbl_Location", 4, QString());
    addMaster("tbl_Location", 5, "旧倉庫", "1");
    sql("UPDATE tbl_Location SET Available_flug = '1' WHERE Location_Code = 1");
    location->showPopup();
    EXPECT_EQ(items(location), (QStringList{"=0", "大阪=2", "名古屋=3", "=4"}));
    location->hidePopup();
    pick(location, 3);  // the row without a name points the PC at its own row, not at row 0
    EXPECT_EQ(e->tbx_CmbKey[3]->text(), "4");
    pick(location, 1);
    EXPECT_EQ(location->currentText(), "大阪");
    EXPECT_EQ(e->tbx_CmbKey[3]->text(), "2");

    // Typing into the box picks nothing; the code box takes no typing either.
    focus(e, location);
    QTest::keyClicks(location, "Nagoya");
    QTest::keyClick(location, Qt::Key_Return);
    EXPECT_EQ(e->tbx_CmbKey[3]->text(), "2");
    focus(e, e->tbx_CmbKey[3]);
    QTest::keyClicks(e->tbx_CmbKey[3], "9");
    EXPECT_EQ(e->tbx_CmbKey[3]->text(), "2");

    // Makers and models read their own tables.
    addMaster("tbl_Model", 7, "X31");
    pick(e->cmb_Dat[5], 1);
    EXPECT_EQ(e->tbx_CmbKey[5]->text(), "7");
    EXPECT_EQ(stdErrorBoxes(), 0);
}

// A pick from the user list takes the user's name and code and the names of the department and section,
// each after one blank; a user whose department row is missing leaves those boxes as they were.
TEST_F(InputTest, ChoosingAUser) {
    openDb();
    addMaster("tbl_Section", 1, "総務部");
    addMaster("tbl_Division", 1, "庶務課");
    addMaster("tbl_Division", 2, QString());
    addUser(1, "佐藤", 1, 1, "さとう");
    addUser(2, "鈴木", 1, 2, "すずき");
    addUser(3, "田中", 9, 1, "たなか");  // no department 9
    insertPc(1, {{"Computer_Name", "'PC1'"}});
    frm_Edit_Computer* e = openFromList(1);
    ASSERT_NE(e, nullptr);
    ui::ListBox* list = e->List_User;
    auto click = [&](int row) {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier,
                          list->visualItemRect(list->item(row)).center());
        settle();
    };
    const struct {
        int row;
        const char *user, *code, *section, *division;
    } cases[] = {
        {1, "佐藤", "1", " 総務部", " 庶務課"},
        {2, "鈴木", "2", " 総務部", " "},
        {3, "田中", "3", " 総務部", " "},  // kept from before
        {0, "", "0", " ", " "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.user);
        click(c.row);
        EXPECT_EQ(e->tbx_User->text(), QString::fromUtf8(c.user));
        EXPECT_EQ(e->tbx_UserCode->text(), c.code);
        EXPECT_EQ(e->tbx_Section->text(), QString::fromUtf8(c.section));
        EXPECT_EQ(e->tbx_Division->text(), QString::fromUtf8(c.division));
    }
    EXPECT_EQ(stdErrorBoxes(), 0);
}

}  // namespace
}  // namespace pcrecordtest
