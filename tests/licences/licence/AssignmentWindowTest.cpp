// The licence assignment window: its two pick lists and how their lines are padded, the four combos, the
// filters, picking a grid row and painting it, the menu states, the refresh command and the grid's place.
#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QTest>
#include <functional>
#include <utility>

#include "core/Mdl_Access_mdb.h"
#include "licences/frm_Edit_License.h"
#include "platform/ui/Colors.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/DropDownCombo.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/Forms.h"
#include "platform/ui/ListBox.h"
#include "platform/ui/TextBox.h"
#include "tests/licences/licence/LicenceFixture.h"

namespace licence {
namespace {

class AssignmentWindowTest : public LicenceTest {
protected:
    ui::FlexGrid* grid() const { return m_win->FGrid_EditLicense; }
    bool menus(bool add, bool update, bool del) const {
        return enabled(m_win, "Mnu_AddRecord") == add && enabled(m_win, "Mnu_Update") == update &&
               enabled(m_win, "Mnu_DeleteRecord") == del;
    }
    // The pick-list line whose item data is `key`.
    static QString lineOf(const ui::ListBox* list, int key) {
        for (int i = 0; i < list->ListCount(); ++i)
            if (list->ItemData(i) == key) return list->List(i);
        return "<none>";
    }
    // Colours of columns 0..14 of a row.
    std::vector<QColor> rowColours(int row) const {
        std::vector<QColor> out;
        for (int c = 0; c < grid()->Cols(); ++c) out.push_back(grid()->cellBackColorAt(row, c));
        return out;
    }
};

TEST_F(AssignmentWindowTest, OpensAtTheMainWindowsPlaceWithEverythingFilledAndNoRecordCommand) {
    seedOffice();
    openAssignments();
    EXPECT_EQ(m_win->windowTitle(), "ライセンス管理");
    EXPECT_EQ(m_win->Width(), 15000);
    EXPECT_EQ(m_win->Height(), 10500);
    EXPECT_EQ(ui::twips(grid()->x()), 4680);
    EXPECT_EQ(ui::twips(grid()->y()), 720);
    EXPECT_EQ(grid()->width(), ui::px(15000 - 4880));
    EXPECT_EQ(grid()->height(), ui::px(10500 - 1550));

    EXPECT_EQ(m_win->List_license->ListCount(), 2);
    EXPECT_EQ(m_win->List_ComuputerName->ListCount(), 2);
    EXPECT_EQ(grid()->Rows(), 4);
    EXPECT_TRUE(m_win->ListLoaded);
    EXPECT_EQ(m_win->CurRow, 0);
    EXPECT_EQ(m_win->PrevRow, 1);
    EXPECT_TRUE(menus(false, false, false));
    for (const char* always :
         {"Mnu_Export", "Mnu_Close", "View_MSFlexGrid_License_assignment_Update", "Add_ApplicationName"})
        EXPECT_TRUE(enabled(m_win, always)) << always;
    EXPECT_FALSE(m_win->tbx_Application->isVisible());
    EXPECT_FALSE(m_win->tbx_Location->isVisible());
    EXPECT_TRUE(m_win->tbx_LicenseKey->isVisible());
    EXPECT_EQ(action(m_win, "Mnu_Close")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_W));
    // The lists are written in the fixed-pitch face in which the padding lines up.
    EXPECT_EQ(m_win->List_license->font().family(), "IPAGothic");
    EXPECT_TRUE(m_win->tbx_Install_Key->font().bold());
}

// The value labels stand in one column at Left 120 and their boxes in one at 1320: a caption too wide for
// the gap is drawn narrower, not moved out of the column (the layout test keeps it clear of its box).
TEST_F(AssignmentWindowTest, ValueLabelsAndTheirBoxesStandInTwoColumns) {
    openAssignments();
    const std::pair<const char*, QWidget*> rows[] = {
        {"lbl_ProductID", m_win->tbx_ProductID},     {"lbl_Licence_No", m_win->tbx_Licence_No},
        {"lbl_Install_Key", m_win->tbx_Install_Key}, {"lbl_Payment_Type", m_win->cmb_Payment_Type},
        {"lbl_AssetType", m_win->cmb_AssetType},     {"lbl_Purchase_Price", m_win->tbx_Purchase_Price},
        {"lbl_Comment", m_win->tbx_Comment},
    };
    for (const auto& [labelName, box] : rows) {
        const QLabel* label = m_win->findChild<QLabel*>(labelName);
        ASSERT_NE(label, nullptr) << labelName;
        EXPECT_EQ(label->x(), ui::px(120)) << labelName;
        EXPECT_EQ(box->x(), ui::px(1320)) << box->objectName().toStdString();
    }
}

// Licence lines: the name, blanks up to 35 CP932 bytes (a full-width character counts two), " 数量" and
// the count; a longer name is followed by " 数量" at once.
TEST_F(AssignmentWindowTest, LicenceLinesArePaddedToThirtyFiveBytes) {
    struct Case {
        int key;
        QString name;
        std::optional<int> units;
        QString line;
    };
    const QString a34(34, 'a'), a35(35, 'b'), a40(40, 'c');
    const QString w17 = QString("ア").repeated(17), w18 = QString("イ").repeated(18);
    const QString k10 = QString("ｶ").repeated(10);  // half-width katakana: one byte each
    const std::vector<Case> cases = {
        {1, a34, 2, a34 + " " + " 数量2"},
        {2, a35, 3, a35 + " 数量3"},
        {3, a40, 4, a40 + " 数量4"},
        {4, w17, 5, w17 + " " + " 数量5"},
        {5, w18, 6, w18 + " 数量6"},
        {6, k10, 100, k10 + QString(25, ' ') + " 数量100"},
        {7, "Office", std::nullopt, "Office" + QString(29, ' ') + " 数量"},
        {8, "Zero", 0, "Zero" + QString(31, ' ') + " 数量0"},
    };
    for (const Case& c : cases) addLicence(c.key, c.name, c.units);
    addLicence(20, std::nullopt, 1);  // unnamed: no line
    addLicence(21, "", 1);
    openAssignments();
    ASSERT_EQ(m_win->List_license->ListCount(), int(cases.size()));
    for (const Case& c : cases) EXPECT_EQ(lineOf(m_win->List_license, c.key), c.line) << c.key;
}

// PC lines: the name padded to 17 characters, the location, a blank, the user; a missing name, place or
// user shows as one blank. Removed PCs, the reserved PC 0 and PCs whose place or user has no row are not
// listed.
TEST_F(AssignmentWindowTest, PcLinesArePaddedToSeventeenCharacters) {
    addMaster("tbl_Location", 1, "本社");
    sql("INSERT INTO tbl_Location (Location_Code, Location_Name, Available_flug) VALUES (2, NULL, '0')");
    addUser(1, "山田", 0, 0);
    sql("INSERT INTO tbl_User (User_Code, User_Name, Available_flug, Section_Code, Division_Code) "
        "VALUES (2, NULL, '0', 0, 0)");
    addPc({1, "PC-A", 1, 1});
    addPc({2, "ABCDEFGHIJKLMNOPQ", 1, 1});
    addPc({3, "ABCDEFGHIJKLMNOPQRST", 1, 1});
    addPc({4, "東京端末", 1, 1});
    addPc({5, "N", 2, 2});
    addPc({6, "Removed", 1, 1, 1});
    addPc({7, "NoPlace", 9, 1});
    addPc({8, "NoUser", 1, 9});
    addPc({9, "", 1, 1});
    sql("INSERT INTO tbl_Computer_List (MainKey, Location_Code, User_Code, Manufacturer_Code, Model_Code, "
        "Deleted_Flug) VALUES (10, 1, 1, 0, 0, 0)");
    sql("INSERT INTO tbl_Pclist (MainKey, Computer_Name) VALUES (10, NULL)");
    openAssignments();

    const ui::ListBox* list = m_win->List_ComuputerName;
    EXPECT_EQ(lineOf(list, 1), "PC-A" + QString(13, ' ') + "本社 山田");
    EXPECT_EQ(lineOf(list, 2), "ABCDEFGHIJKLMNOPQ本社 山田");
    EXPECT_EQ(lineOf(list, 3), "ABCDEFGHIJKLMNOPQRST本社 山田");
    EXPECT_EQ(lineOf(list, 4), "東京端末" + QString(13, ' ') + "本社 山田");
    EXPECT_EQ(lineOf(list, 5), "N" + QString(16, ' ') + " " + " " + " ");
    EXPECT_EQ(lineOf(list, 9), QString(17, ' ') + "本社 山田");
    EXPECT_EQ(lineOf(list, 10), QString(17, ' ') + "本社 山田");
    for (int absent : {0, 6, 7, 8}) EXPECT_EQ(lineOf(list, absent), "<none>") << absent;
    EXPECT_EQ(list->ListCount(), 7);
    // By computer name (Null and empty first).
    EXPECT_TRUE(list->List(list->ListCount() - 1).startsWith("東京端末"));
}

TEST_F(AssignmentWindowTest, RefreshShowsEveryLineOnceAndAnEmptiedStockEmptiesItsList) {
    seedOffice();
    openAssignments();
    trigger(m_win, "View_MSFlexGrid_License_assignment_Update");
    trigger(m_win, "View_MSFlexGrid_License_assignment_Update");
    EXPECT_EQ(m_win->List_license->ListCount(), 2);
    EXPECT_EQ(m_win->List_ComuputerName->ListCount(), 2);

    sql("DELETE FROM tbl_License_Key");
    sql("UPDATE tbl_Computer_List SET Deleted_Flug = 1");
    trigger(m_win, "View_MSFlexGrid_License_assignment_Update");
    EXPECT_EQ(m_win->List_license->ListCount(), 0);
    EXPECT_EQ(m_win->List_ComuputerName->ListCount(), 0);
    EXPECT_EQ(stdErrorBoxes(), 0);
}

// New needs a licence and a PC: picking one of them leaves the menus alone, picking both enables New.
TEST_F(AssignmentWindowTest, PickingALicenceAndAPcEnablesNew) {
    seedOffice();
    openAssignments();
    clickLine(m_win->List_license, "ＣＡＤ");
    EXPECT_EQ(m_win->tbx_LicenseKey->text(), "2");
    EXPECT_EQ(m_win->tbx_LicenseName->text(), "ＣＡＤ" + QString(29, ' ') + " 数量3");
    EXPECT_TRUE(menus(false, false, false));

    clickLine(m_win->List_ComuputerName, "PC-B");
    EXPECT_EQ(m_win->tbx_ComputerKey->text(), "2");
    EXPECT_EQ(m_win->tbx_ComputerName->text(), "PC-B" + QString(13, ' ') + "旧倉庫 佐藤");
    EXPECT_TRUE(menus(true, false, false));

    // After a grid row was picked, a pick-list click turns the row commands off again.
    clickCell(grid(), 1);
    EXPECT_TRUE(menus(false, true, true));
    clickLine(m_win->List_license, "Office");
    EXPECT_EQ(m_win->tbx_LicenseKey->text(), "1");
    EXPECT_TRUE(menus(true, false, false));
    EXPECT_EQ(m_win->CurRow, 1);  // picking leaves the grid selection

    // A click on the line already picked counts as a pick too.
    m_win->tbx_LicenseKey->setText("");
    clickLine(m_win->List_license, "Office");
    EXPECT_EQ(m_win->tbx_LicenseKey->text(), "1");
}

TEST_F(AssignmentWindowTest, CombosOfferTheirItemsAfreshAtEveryDropDown) {
    seedOffice();
    addLicence(3, std::nullopt);
    addLicence(4, "");
    sql("INSERT INTO tbl_Location (Location_Code, Location_Name, Available_flug) VALUES (3, NULL, '0')");
    openAssignments();

    pick(m_win->cmb_Application, 0);
    EXPECT_EQ(comboItems(m_win->cmb_Application), QStringList({" ", "", "", "Office", "ＣＡＤ"}));
    EXPECT_EQ(comboData(m_win->cmb_Application), (std::vector<int>{0, 0, 4, 1, 2}));

    pick(m_win->cmb_Location, 0);
    EXPECT_EQ(comboItems(m_win->cmb_Location), QStringList({" ", "", "本社", "旧倉庫", ""}));
    EXPECT_EQ(comboData(m_win->cmb_Location), (std::vector<int>{0, 0, 1, 2, 0}));

    pick(m_win->cmb_Payment_Type, 0);
    EXPECT_EQ(comboItems(m_win->cmb_Payment_Type), QStringList({" ", "リース", "現金"}));
    pick(m_win->cmb_AssetType, 0);
    EXPECT_EQ(comboItems(m_win->cmb_AssetType), QStringList({" ", "パッケージ FPP", "パッケージ PIPC", "License"}));

    // A changed stock shows at the next drop-down, each item once; an empty table leaves the blank item.
    sql("DELETE FROM tbl_License_Key");
    pick(m_win->cmb_Application, 0);
    EXPECT_EQ(comboItems(m_win->cmb_Application), QStringList({" "}));
    pick(m_win->cmb_Location, 0);
    pick(m_win->cmb_Location, 0);
    EXPECT_EQ(comboItems(m_win->cmb_Location).size(), 5);
}

TEST_F(AssignmentWindowTest, FiltersNarrowTheGridByLicenceAndLocationTogether) {
    seedOffice();
    openAssignments();
    struct Step {
        const char* combo;  // "app" or "loc"
        QString item;
        QString hiddenBox;
        QStringList computers;
    };
    const Step steps[] = {
        {"app", "Office", "1", {"PC-A", "PC-C"}},
        {"loc", "本社", "1", {"PC-A", "PC-C"}},
        {"app", "ＣＡＤ", "2", {}},  // ＣＡＤ is only on PC-B, in 旧倉庫
        {"loc", "旧倉庫", "2", {"PC-B"}},
        {"app", " ", "0", {"PC-B"}},
        {"loc", "", "0", {"PC-A", "PC-B", "PC-C"}},  // the reserved row filters nothing
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.item.toStdString());
        // A picked row and chosen types before the filter changes.
        if (grid()->Rows() > 1) clickCell(grid(), 1);
        const bool add = enabled(m_win, "Mnu_AddRecord"), update = enabled(m_win, "Mnu_Update");
        const bool app = QString(s.combo) == "app";
        pick(app ? m_win->cmb_Application : m_win->cmb_Location, s.item);
        EXPECT_EQ((app ? m_win->tbx_Application : m_win->tbx_Location)->text(), s.hiddenBox);
        QStringList computers;
        for (int r = 1; r < grid()->Rows(); ++r) computers << grid()->TextMatrix(r, 3);
        EXPECT_EQ(computers, s.computers);
        if (s.computers.isEmpty()) {
            EXPECT_EQ(grid()->Rows(), 0);
            EXPECT_EQ(grid()->Cols(), 0);
        }
        EXPECT_EQ(m_win->CurRow, 0);
        EXPECT_EQ(m_win->PrevRow, 1);
        EXPECT_EQ(m_win->cmb_AssetType->currentText(), "");
        EXPECT_EQ(m_win->cmb_Payment_Type->currentText(), "");
        EXPECT_EQ(enabled(m_win, "Mnu_AddRecord"), add);  // a filter leaves the menus
        EXPECT_EQ(enabled(m_win, "Mnu_Update"), update);
    }
}

TEST_F(AssignmentWindowTest, ARowClickFillsTheBoxesFromTheGridAndTheKeysFromTheTable) {
    seedOffice();
    openAssignments();
    const int row = rowWith(grid(), 3, "PC-B");
    clickCell(grid(), row, 5);
    EXPECT_EQ(m_win->CurRow, row);
    EXPECT_EQ(m_win->PrevRow, row);
    EXPECT_EQ(m_win->tbx_LicenseName->text(), "ＣＡＤ");
    EXPECT_EQ(m_win->tbx_LicenseKey->text(), "2");
    EXPECT_EQ(m_win->tbx_ComputerName->text(), "PC-B");
    EXPECT_EQ(m_win->tbx_ComputerKey->text(), "2");
    EXPECT_EQ(m_win->tbx_ProductID->text(), "P-2");
    EXPECT_EQ(m_win->tbx_Licence_No->text(), "L-2");
    EXPECT_EQ(m_win->tbx_Install_Key->text(), "K-2");
    EXPECT_EQ(m_win->cmb_Payment_Type->currentText(), "現金");
    EXPECT_EQ(m_win->cmb_AssetType->currentText(), "パッケージ FPP");
    EXPECT_EQ(m_win->tbx_Purchase_Price->text(), "0");
    EXPECT_EQ(m_win->tbx_Comment->Text(), "");
    EXPECT_TRUE(menus(false, true, true));
    EXPECT_TRUE(grid()->isVisible());
    EXPECT_EQ(grid()->Row(), row);  // the current cell ends on the last one painted
    EXPECT_EQ(grid()->Col(), 14);

    // An assignment deleted behind the window's back: the boxes come from the grid, the key boxes stay.
    sql("DELETE FROM tbl_License_Dat WHERE [Key] = 1");
    clickCell(grid(), rowWith(grid(), 3, "PC-A"));
    EXPECT_EQ(m_win->tbx_LicenseName->text(), "Office");
    EXPECT_EQ(m_win->tbx_ComputerName->text(), "PC-A");
    EXPECT_EQ(m_win->tbx_LicenseKey->text(), "2");
    EXPECT_EQ(m_win->tbx_ComputerKey->text(), "2");
    EXPECT_EQ(m_win->tbx_Comment->Text(), "first");
    EXPECT_EQ(stdErrorBoxes(), 0);
}

// Rows 3, 5, then 3: only row 3 looks selected; the key and "No" columns keep their colours.
TEST_F(AssignmentWindowTest, OnlyTheLastPickedRowIsGreyOverColumnsTwoOnward) {
    seedOffice();
    addAssignment({6, 2, 1, "P-6"});
    addAssignment({7, 2, 2, "P-7"});
    openAssignments();
    ASSERT_EQ(grid()->Rows(), 6);
    const QColor keyColour = grid()->cellBackColorAt(1, 0);
    for (int row : {3, 5, 3}) clickCell(grid(), row);
    for (int r = 1; r <= 5; ++r) {
        const std::vector<QColor> colours = rowColours(r);
        EXPECT_EQ(colours[0], keyColour) << r;
        EXPECT_EQ(colours[1], kGrey) << r;
        for (int c = 2; c < 15; ++c) {
            if (r == 3) {
                EXPECT_EQ(colours[c], kGrey) << r << "," << c;
            } else if (r == 5) {
                EXPECT_EQ(colours[c], kWhite) << r << "," << c;  // painted white over the removed PC's grey
            }
        }
    }
    // The header row is not a row to pick.
    clickCell(grid(), 0, 3);
    EXPECT_EQ(m_win->CurRow, 3);
}

TEST_F(AssignmentWindowTest, ClicksDoNothingBeforeRowsWereShownOrOnAnEmptiedGrid) {
    seedOffice();
    sql("DELETE FROM tbl_License_Dat");
    openAssignments();
    EXPECT_FALSE(m_win->ListLoaded);
    EXPECT_EQ(grid()->Rows(), 0);
    emit grid()->Click();
    EXPECT_EQ(m_win->CurRow, 0);
    EXPECT_TRUE(menus(false, false, false));

    // Rows shown once, a row picked, then a filter empties the grid: the grid has no row to click, and a
    // click there reads no row that is gone.
    addAssignment({1, 1, 1, "P-1"});
    trigger(m_win, "View_MSFlexGrid_License_assignment_Update");
    clickCell(grid(), 1);
    ASSERT_EQ(m_win->tbx_ProductID->text(), "P-1");
    pick(m_win->cmb_Location, "旧倉庫");
    ASSERT_EQ(grid()->Rows(), 0);
    EXPECT_EQ(grid()->Row(), 0);
    QTest::mouseClick(grid()->viewport(), Qt::LeftButton, {}, QPoint(20, 20));
    emit grid()->Click();
    EXPECT_EQ(stdErrorBoxes(), 0);
    EXPECT_EQ(m_win->CurRow, 0);
    EXPECT_EQ(m_win->tbx_ProductID->text(), "P-1");
    EXPECT_TRUE(menus(false, true, true));
}

TEST_F(AssignmentWindowTest, AFailingLookupInAClickLeavesTheWindowAsItWas) {
    seedOffice();
    openAssignments();
    clickCell(grid(), 1);
    gCn().setFailHook([](const QString& s) { return s.startsWith("SELECT Computer_Code"); });
    ui::script::answerMsgBox(ui::vbOK);
    clickCell(grid(), 2);
    EXPECT_EQ(stdErrorBoxes(), 1);
    EXPECT_EQ(m_win->CurRow, 1);
    EXPECT_EQ(m_win->tbx_ProductID->text(), "P-1");
    EXPECT_EQ(grid()->cellBackColorAt(1, 2), kGrey);
    EXPECT_EQ(grid()->cellBackColorAt(2, 2), kWhite);
    EXPECT_TRUE(grid()->isVisible());
}

// A pick list or a database combo whose query fails shows the standard error box and keeps its lines.
TEST_F(AssignmentWindowTest, AFailingListOrComboFillKeepsWhatItShowed) {
    seedOffice();
    openAssignments();
    pick(m_win->cmb_Application, 0);
    pick(m_win->cmb_Location, 0);
    struct Case {
        const char* failing;  // the start of the statement that fails
        std::function<QStringList()> shown;
        std::function<void()> fill;
    };
    const Case cases[] = {
        {"SELECT tbl_License_Key.Key", [&] { return lines(m_win->List_license); },
         [&] { trigger(m_win, "View_MSFlexGrid_License_assignment_Update"); }},
        {"SELECT tbl_Pclist.*", [&] { return lines(m_win->List_ComuputerName); },
         [&] { trigger(m_win, "View_MSFlexGrid_License_assignment_Update"); }},
        {"SELECT * FROM tbl_License_Key", [&] { return comboItems(m_win->cmb_Application); },
         [&] { m_win->cmb_Application->showPopup(); }},
        {"SELECT * FROM tbl_Location", [&] { return comboItems(m_win->cmb_Location); },
         [&] { m_win->cmb_Location->showPopup(); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.failing);
        ui::script::reset();
        const QStringList before = c.shown();
        ASSERT_GT(before.size(), 1);
        const QString failing = c.failing;
        gCn().setFailHook([failing](const QString& s) { return s.startsWith(failing); });
        ui::script::answerMsgBox(ui::vbOK);
        c.fill();
        gCn().setFailHook({});
        EXPECT_EQ(stdErrorBoxes(), 1);
        EXPECT_EQ(c.shown(), before);
        m_win->cmb_Application->hidePopup();
        m_win->cmb_Location->hidePopup();
    }
}

TEST_F(AssignmentWindowTest, RefreshKeepsTheFiltersAndTypesAndResetsTheRest) {
    seedOffice();
    openAssignments();
    pick(m_win->cmb_Application, "Office");
    clickCell(grid(), 1);
    pick(m_win->cmb_Payment_Type, "現金");
    clickLine(m_win->List_ComuputerName, "PC-B");
    addAssignment({6, 1, 2, "P-6"});

    trigger(m_win, "View_MSFlexGrid_License_assignment_Update");
    EXPECT_EQ(column(grid(), 3), QStringList({"PC-A", "PC-B", "PC-C"}));
    EXPECT_EQ(column(grid(), 2), QStringList({"Office", "Office", "Office"}));
    EXPECT_EQ(m_win->cmb_Application->currentText(), "Office");
    EXPECT_EQ(m_win->tbx_Application->text(), "1");
    EXPECT_EQ(m_win->cmb_Payment_Type->currentText(), "現金");
    EXPECT_EQ(m_win->cmb_AssetType->currentText(), "License");
    for (ui::TextBox* box : {m_win->tbx_LicenseKey, m_win->tbx_ComputerKey, m_win->tbx_ProductID})
        EXPECT_EQ(box->text(), "") << box->objectName().toStdString();
    EXPECT_EQ(m_win->CurRow, 0);
    EXPECT_EQ(m_win->PrevRow, 1);
    EXPECT_TRUE(menus(false, false, false));
    for (int c = 2; c < 15; ++c) EXPECT_EQ(grid()->cellBackColorAt(1, c), kWhite) << c;
}

TEST_F(AssignmentWindowTest, TheGridFollowsTheWindowWhileTheWindowLeavesItRoom) {
    seedOffice();
    openAssignments();
    const QRect before = grid()->geometry();
    m_win->setWidth(19500);
    m_win->setHeight(12000);
    settle();
    ASSERT_EQ(m_win->Width(), 19500);
    EXPECT_EQ(grid()->width(), ui::px(19500 - 4880));
    EXPECT_EQ(grid()->height(), ui::px(12000 - 1550));
    EXPECT_EQ(grid()->pos(), before.topLeft());

    // Too narrow or too low for the grid: that side stays.
    const QSize wide = grid()->size();
    m_win->setWidth(4500);
    m_win->setHeight(1500);
    settle();
    EXPECT_EQ(grid()->size(), wide);

    m_win->setWidth(16000);
    m_win->setHeight(11000);
    settle();
    const QRect shown = grid()->geometry();
    m_win->showMinimized();
    settle();
    EXPECT_EQ(grid()->geometry(), shown);
}

TEST_F(AssignmentWindowTest, CloseUnloadsWithoutAskingWhateverCloses) {
    seedOffice();
    openAssignments();
    type(m_win->tbx_ProductID, "typed, never saved");
    trigger(m_win, "Mnu_Close");
    settle();
    EXPECT_EQ(ui::findForm("frm_Edit_License"), nullptr);
    openAssignments();
    EXPECT_EQ(m_win->tbx_ProductID->text(), "");  // a new opening starts afresh
    EXPECT_EQ(m_win->CurRow, 0);
    EXPECT_TRUE(m_win->closeWithReason(ui::vbFormControlMenu));
    settle();
    EXPECT_EQ(ui::findForm("frm_Edit_License"), nullptr);
    EXPECT_EQ(count("SELECT * FROM tbl_License_Dat"), 5);
}

}  // namespace
}  // namespace licence
