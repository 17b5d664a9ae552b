// The assignment commands: New, Update and Delete on tbl_License_Dat with the menu states they leave, the
// keys, prices and texts they store, what they refuse, and the sound behaviour where a write fails.
#include <gtest/gtest.h>

#include <QDate>
#include <functional>
#include <vector>

#include "core/Mdl_Access_mdb.h"
#include "licences/frm_Edit_License.h"
#include "platform/db/Ado.h"
#include "platform/text/VbConv.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/DropDownCombo.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/ListBox.h"
#include "platform/ui/TextBox.h"
#include "tests/licences/licence/LicenceFixture.h"

namespace licence {
namespace {

const QString kToday = vb::Format(QDateTime(QDate::currentDate(), QTime(0, 0)), "Short Date");
const char* const kStored =
    "SELECT [Key], Application_Code, Computer_Code, ProductID, Licence_No, Install_Key, Payment_Type, Asset_Type, "
    "Purchase_Price, Comment, [Update] FROM tbl_License_Dat";

class AssignmentCommandsTest : public LicenceTest {
protected:
    ui::FlexGrid* grid() const { return m_win->FGrid_EditLicense; }
    bool menus(bool add, bool update, bool del) const {
        return enabled(m_win, "Mnu_AddRecord") == add && enabled(m_win, "Mnu_Update") == update &&
               enabled(m_win, "Mnu_DeleteRecord") == del;
    }
    // The stored row of an assignment, every column as text.
    QStringList stored(int key) {
        const auto r = rows(QString(kStored) + QString(" WHERE [Key] = %1").arg(key));
        return r.empty() ? QStringList() : r.front();
    }
    QStringList storedKeys() {
        QStringList out;
        for (const QStringList& r : rows("SELECT [Key] FROM tbl_License_Dat ORDER BY [Key]")) out << r[0];
        return out;
    }
    void pickPair(const QString& licence, const QString& computer) {
        clickLine(m_win->List_license, licence);
        clickLine(m_win->List_ComuputerName, computer);
    }
    void selectAssignment(int key) {
        const int row = rowWith(grid(), 0, QString::number(key));
        ASSERT_GT(row, 0) << "assignment " << key << " is not listed";
        clickCell(grid(), row);
    }
    // Undoes what a case changed in assignment 1 and shows the grid afresh.
    void restoreFirstAssignment() {
        sql("DELETE FROM tbl_License_Dat WHERE [Key] = 1");
        addAssignment({1, 1, 1, "P-1", "L-1", "K-1", "リース", "License", 120, "first"});
        trigger(m_win, "View_MSFlexGrid_License_assignment_Update");
        ui::script::reset();
    }
    const ui::script::Shown* lastBox() const {
        return ui::script::shown().empty() ? nullptr : &ui::script::shown().back();
    }
};

TEST_F(AssignmentCommandsTest, NewTakesTheNextKey) {
    struct Case {
        const char* what;
        std::vector<int> keys;
        int deleteThroughWindow;
        int expected;
    };
    const Case cases[] = {
        {"empty table", {}, 0, 1},
        {"keys 1, 2, 5", {1, 2, 5}, 0, 6},
        {"after 5 was deleted", {1, 2, 5}, 5, 3},
    };
    addMaster("tbl_Location", 1, "本社");
    addUser(1, "山田", 0, 0);
    addPc({1, "PC-A", 1, 1});
    addLicence(1, "Office", 1);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        sql("DELETE FROM tbl_License_Dat");
        for (int k : c.keys) addAssignment({k, 1, 1});
        openAssignments();
        if (c.deleteThroughWindow) {
            selectAssignment(c.deleteThroughWindow);
            ui::script::answerMsgBox(ui::vbYes);
            trigger(m_win, "Mnu_DeleteRecord");
        }
        pickPair("Office", "PC-A");
        trigger(m_win, "Mnu_AddRecord");
        EXPECT_EQ(stored(c.expected).mid(0, 3), QStringList({QString::number(c.expected), "1", "1"}));
        m_win->Unload();
        settle();
        ui::script::reset();
    }
}

TEST_F(AssignmentCommandsTest, NewPastTheLastKeyShowsOverflowAndAddsNothing) {
    seedOffice();
    addAssignment({32767, 1, 1, "P-last"});
    openAssignments();
    pickPair("Office", "PC-B");
    retype(m_win->tbx_ProductID, "P-new");
    ui::script::answerMsgBox(ui::vbOK);
    trigger(m_win, "Mnu_AddRecord");
    ASSERT_EQ(stdErrorBoxes(), 1);
    EXPECT_TRUE(lastBox()->prompt.contains("（エラーコード：6）"));
    EXPECT_EQ(storedKeys(), QStringList({"1", "2", "3", "4", "5", "32767"}));
    // The window as it was: the inputs stay.
    EXPECT_EQ(m_win->tbx_ProductID->text(), "P-new");
    EXPECT_TRUE(menus(true, false, false));
}

// Texts are stored as typed, apostrophes and all; the blank combo entry is stored as " ", an untouched
// combo as ""; the comment is cut to 50 characters; the date is today's.
TEST_F(AssignmentCommandsTest, NewStoresTheInputsAsTyped) {
    seedOffice();
    openAssignments();
    selectAssignment(2);
    const int selected = m_win->CurRow;
    pickPair("ＣＡＤ", "PC-A");
    ASSERT_TRUE(menus(true, false, false));
    retype(m_win->tbx_ProductID, "O'Reilly");
    retype(m_win->tbx_Licence_No, "x' --");
    retype(m_win->tbx_Install_Key, "1+1");
    pick(m_win->cmb_Payment_Type, " ");
    retype(m_win->cmb_AssetType, "");
    retype(m_win->tbx_Purchase_Price, "");
    const QString comment = QString("0123456789").repeated(6);
    retype(m_win->tbx_Comment, comment);
    trigger(m_win, "Mnu_AddRecord");

    EXPECT_EQ(stored(6),
              QStringList({"6", "2", "1", "O'Reilly", "x' --", "1+1", " ", "", "0", comment.left(50), kToday}));
    EXPECT_EQ(count("SELECT * FROM tbl_License_Dat"), 6);
    EXPECT_GT(rowWith(grid(), 4, "O'Reilly"), 0);
    for (ui::TextBox* box : {m_win->tbx_LicenseKey, m_win->tbx_ComputerKey, m_win->tbx_ProductID, m_win->tbx_Licence_No,
                             m_win->tbx_Install_Key, m_win->tbx_Purchase_Price})
        EXPECT_EQ(box->text(), "") << box->objectName().toStdString();
    EXPECT_EQ(m_win->tbx_Comment->Text(), "");
    EXPECT_EQ(m_win->cmb_Payment_Type->currentText(), " ");  // the combos keep what was chosen
    EXPECT_TRUE(menus(false, false, false));
    EXPECT_EQ(m_win->CurRow, selected);
    EXPECT_EQ(m_win->PrevRow, selected);
}

// A NUL typed into any box of an assignment is stored, listed and exported as typed, by New (whose insert
// is written as text) as by Update: New once failed with a syntax error and wrote nothing.
TEST_F(AssignmentCommandsTest, ANulInEveryBoxIsStoredListedAndExportedAsTyped) {
    const QChar nul(0);
    seedOffice();
    openAssignments();
    for (const char* command : {"Mnu_AddRecord", "Mnu_Update"}) {
        SCOPED_TRACE(command);
        const bool update = QString(command) == "Mnu_Update";
        const QString mark = update ? "u" : "n";
        auto typed = [&](const char* text) { return text + mark + nul + "x" + nul + nul + "'"; };
        ui::script::reset();
        if (update)
            selectAssignment(6);
        else
            pickPair("Office", "PC-B");
        // Put in as a paste would: the line edit's typing drops control characters.
        m_win->tbx_ProductID->setText(typed("P"));
        m_win->tbx_Licence_No->setText(typed("L"));
        m_win->tbx_Install_Key->setText(typed("K"));
        retype(m_win->cmb_Payment_Type, typed("現金"));
        retype(m_win->cmb_AssetType, typed("A"));
        m_win->tbx_Comment->setText(typed("C"));
        trigger(m_win, command);
        EXPECT_EQ(stdErrorBoxes(), 0);
        const QStringList texts = {typed("P"), typed("L"), typed("K"), typed("現金"), typed("A")};
        EXPECT_EQ(stored(6).mid(3, 5), texts);
        EXPECT_EQ(stored(6).value(9), typed("C"));
        const int row = rowWith(grid(), 4, typed("P"));
        ASSERT_GT(row, 0);
        for (int c = 0; c < 5; ++c) EXPECT_EQ(grid()->TextMatrix(row, 4 + c), texts[c]) << c;
        EXPECT_EQ(grid()->TextMatrix(row, 14), typed("C"));

        ui::script::answerFile(m_folder->file("nul"));
        ui::script::answerMsgBox(ui::vbOK);
        trigger(m_win, "Mnu_Export");
        // The line after its row number.
        const QString line = ",Office,PC-B," + texts.join(",") + ",佐藤,旧部,旧課,旧倉庫,0," + typed("C") + ", ";
        EXPECT_TRUE(testsupport::readFile(m_folder->file("nul.csv")).contains(testsupport::cp932Lines({line})));
    }
}

// Product IDs for the column's 255 characters, counted as the recordset counts them: in UTF-16 units, every
// NUL and both halves of a pair. New once stored the longer ones whose NUL or pairs hid their length, and Update
// then refused every change of such a row.
struct ProductId {
    const char* what;
    QString id;
    bool fits;
};
std::vector<ProductId> productIds() {
    const QChar nul(0);
    QString faces;
    for (int i = 0; i < 150; ++i) faces += QString::fromUcs4(U"\U0001F600");
    return {
        {"255 NULs", QString(255, nul), true},
        {"128 NULs between text and an apostrophe", "P" + QString(128, nul) + "'x", true},
        {"256 NULs", QString(256, nul), false},
        {"R and 1,000 NULs", "R" + QString(1000, nul), false},
        {"P, a NUL and 300 x", "P" + QString(nul) + QString(300, u'x'), false},
        {"150 characters past the BMP, 300 units", faces, false},
    };
}

bool namesProductId(const ui::script::Shown* box) {
    return box && box->prompt.contains("ProductID") && box->prompt.contains("（エラー内容：");
}

// New stores a product ID up to the column's size exactly; a longer one gets the error box naming the column,
// and nothing is written. A row stored at the limit takes an update again.
TEST_F(AssignmentCommandsTest, NewStoresAProductIdUpToItsSizeAndRefusesALongerOne) {
    seedOffice();
    openAssignments();
    for (const ProductId& c : productIds()) {
        SCOPED_TRACE(c.what);
        ui::script::reset();
        sql("DELETE FROM tbl_License_Dat WHERE [Key] = 6");
        pickPair("Office", "PC-B");
        m_win->tbx_ProductID->setText(c.id);  // as a paste would
        retype(m_win->tbx_Purchase_Price, "1");
        if (!c.fits) ui::script::answerMsgBox(ui::vbOK);
        trigger(m_win, "Mnu_AddRecord");
        if (!c.fits) {
            ASSERT_EQ(stdErrorBoxes(), 1);
            EXPECT_TRUE(namesProductId(lastBox())) << lastBox()->prompt.toStdString();
            EXPECT_EQ(storedKeys(), QStringList({"1", "2", "3", "4", "5"}));
            EXPECT_TRUE(m_win->tbx_ProductID->text() == c.id);  // the window as it was
            EXPECT_TRUE(menus(true, false, false));
            continue;
        }
        EXPECT_EQ(stdErrorBoxes(), 0);
        ASSERT_EQ(stored(6).size(), 11);
        EXPECT_TRUE(stored(6)[3] == c.id);
        // The price 1 becomes 77; Update writes the product ID back as it was.
        selectAssignment(6);
        ASSERT_TRUE(m_win->tbx_ProductID->text() == c.id);
        retype(m_win->tbx_Purchase_Price, "77");
        trigger(m_win, "Mnu_Update");
        EXPECT_EQ(stdErrorBoxes(), 0);
        EXPECT_EQ(stored(6).value(8), "77");
        EXPECT_TRUE(stored(6).value(3) == c.id);
    }
}

// Update refuses a product ID longer than the column with the error box naming it, and writes nothing.
TEST_F(AssignmentCommandsTest, UpdateRefusesAProductIdLongerThanItsColumn) {
    seedOffice();
    openAssignments();
    const QStringList before = stored(1);
    for (const ProductId& c : productIds()) {
        if (c.fits) continue;
        SCOPED_TRACE(c.what);
        ui::script::reset();
        selectAssignment(1);
        m_win->tbx_ProductID->setText(c.id);
        retype(m_win->tbx_Purchase_Price, "77");
        ui::script::answerMsgBox(ui::vbOK);
        trigger(m_win, "Mnu_Update");
        ASSERT_EQ(stdErrorBoxes(), 1);
        EXPECT_TRUE(namesProductId(lastBox())) << lastBox()->prompt.toStdString();
        EXPECT_EQ(stored(1), before);
        EXPECT_TRUE(m_win->tbx_ProductID->text() == c.id);
        EXPECT_TRUE(menus(false, true, true));
    }
}

TEST_F(AssignmentCommandsTest, NewTakesAPriceThatFitsSixteenBitsOnly) {
    struct Case {
        const char* price;
        const char* stored;  // nullptr: refused with the error code
        long error;
    };
    const Case cases[] = {
        {"", "0", 0},
        {"120", "120", 0},
        {"-5", "-5", 0},
        {"32767", "32767", 0},
        {"40000", nullptr, 6},
        {"abc", nullptr, 13},
        {" ", nullptr, 13},
        // A whole number only: what CInt would round or read is refused as "abc" is.
        {"1.5", nullptr, 13},
        {"1e2", nullptr, 13},
        {"1,234", nullptr, 13},
        {" +12 ", "12", 0},
    };
    seedOffice();
    openAssignments();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.price);
        sql("DELETE FROM tbl_License_Dat WHERE [Key] > 5");
        ui::script::reset();
        pickPair("Office", "PC-B");
        retype(m_win->tbx_ProductID, "P");
        m_win->tbx_Purchase_Price->setText(c.price);
        if (!c.stored) ui::script::answerMsgBox(ui::vbOK);
        trigger(m_win, "Mnu_AddRecord");
        if (c.stored) {
            EXPECT_EQ(scalar("SELECT Purchase_Price FROM tbl_License_Dat WHERE [Key] = 6"), c.stored);
            EXPECT_EQ(stdErrorBoxes(), 0);
        } else {
            EXPECT_EQ(count("SELECT * FROM tbl_License_Dat"), 5);
            ASSERT_EQ(stdErrorBoxes(), 1);
            EXPECT_TRUE(lastBox()->prompt.contains(QString("（エラーコード：%1）").arg(c.error)));
            // The window as it was: the inputs stay for a correction.
            EXPECT_EQ(m_win->tbx_ProductID->text(), "P");
            EXPECT_TRUE(menus(true, false, false));
        }
    }
}

// Keys are written as numbers, and only keys of rows that exist: typed text never becomes SQL, and no
// assignment is made that no list would show.
TEST_F(AssignmentCommandsTest, NewRefusesAKeyThatNamesNoRow) {
    const QString licence = "ライセンスのKeyが正しくありません。";
    const QString computer = "コンピュータのKeyが正しくありません。";
    struct Case {
        QString licenceKey, computerKey, refusal;
    };
    const Case cases[] = {
        {"1+1", "1", licence}, {"70000", "1", licence}, {"7", "1", licence},   {"x", "1", licence},
        {"1", "0x", computer}, {"1", "99", computer},   {"1", "-1", computer},
    };
    seedOffice();
    openAssignments();
    for (const Case& c : cases) {
        SCOPED_TRACE((c.licenceKey + "/" + c.computerKey).toStdString());
        ui::script::reset();
        pickPair("Office", "PC-A");
        retype(m_win->tbx_LicenseKey, c.licenceKey);
        retype(m_win->tbx_ComputerKey, c.computerKey);
        ui::script::answerMsgBox(ui::vbOK);
        trigger(m_win, "Mnu_AddRecord");
        ASSERT_NE(lastBox(), nullptr);
        EXPECT_EQ(lastBox()->prompt, c.refusal);
        EXPECT_EQ(lastBox()->title, ui::kAppTitle);
        EXPECT_EQ(lastBox()->buttons, ui::vbOKOnly | ui::vbExclamation);
        EXPECT_EQ(count("SELECT * FROM tbl_License_Dat"), 5);
    }
    // Blanks around a number are no fault.
    retype(m_win->tbx_LicenseKey, " 2 ");
    retype(m_win->tbx_ComputerKey, "1");
    trigger(m_win, "Mnu_AddRecord");
    EXPECT_EQ(stored(6).mid(0, 3), QStringList({"6", "2", "1"}));
}

TEST_F(AssignmentCommandsTest, NewWithoutBothKeysDoesNothing) {
    seedOffice();
    openAssignments();
    pickPair("Office", "PC-A");
    retype(m_win->tbx_ComputerKey, "");
    trigger(m_win, "Mnu_AddRecord");
    EXPECT_EQ(count("SELECT * FROM tbl_License_Dat"), 5);
    EXPECT_EQ(m_win->tbx_LicenseKey->text(), "1");
    EXPECT_TRUE(menus(true, false, false));
}

// Update writes ProductID always and the other inputs only when they hold something other than "" or
// " "; it always sets today's date.
TEST_F(AssignmentCommandsTest, UpdateKeepsWhatIsLeftEmptyOrBlank) {
    seedOffice();
    openAssignments();
    struct Case {
        const char* what;
        std::function<void()> edit;
        QStringList expected;
    };
    const QString sixty = QString("abcdefghij").repeated(6);
    const std::vector<Case> cases = {
        {"nothing changed", [] {}, {"1", "1", "1", "P-1", "L-1", "K-1", "リース", "License", "120", "first", kToday}},
        {"boxes emptied",
         [&] {
             for (QWidget* box :
                  std::vector<QWidget*>{m_win->tbx_ProductID, m_win->tbx_Licence_No, m_win->tbx_Install_Key,
                                        m_win->tbx_Purchase_Price, m_win->tbx_Comment, m_win->cmb_Payment_Type})
                 retype(box, "");
         },
         {"1", "1", "1", "", "L-1", "K-1", "リース", "License", "120", "first", kToday}},
        {"blank entries and a blank price",
         [&] {
             pick(m_win->cmb_Payment_Type, " ");
             pick(m_win->cmb_AssetType, " ");
             retype(m_win->tbx_Purchase_Price, " ");
             retype(m_win->tbx_Comment, " ");
         },
         {"1", "1", "1", "P-1", "L-1", "K-1", "リース", "License", "120", "first", kToday}},
        {"new values",
         [&] {
             retype(m_win->tbx_Licence_No, "L-9'x");
             retype(m_win->tbx_Install_Key, "x' --");
             pick(m_win->cmb_Payment_Type, "現金");
             retype(m_win->cmb_AssetType, "サイト");
             retype(m_win->tbx_Purchase_Price, "-300");
             retype(m_win->tbx_Comment, sixty);
         },
         {"1", "1", "1", "P-1", "L-9'x", "x' --", "現金", "サイト", "-300", sixty.left(49), kToday}},
        {"moved by the key boxes",
         [&] {
             retype(m_win->tbx_LicenseKey, "2");
             retype(m_win->tbx_ComputerKey, "2");
         },
         {"1", "2", "2", "P-1", "L-1", "K-1", "リース", "License", "120", "first", kToday}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        restoreFirstAssignment();
        selectAssignment(1);
        c.edit();
        trigger(m_win, "Mnu_Update");
        EXPECT_EQ(stored(1), c.expected);
        EXPECT_EQ(stdErrorBoxes(), 0);
    }
}

TEST_F(AssignmentCommandsTest, UpdateResetsTheSelectionAndEmptiesThePcAndTheTypes) {
    seedOffice();
    openAssignments();
    selectAssignment(2);
    trigger(m_win, "Mnu_Update");
    EXPECT_EQ(m_win->CurRow, 0);
    EXPECT_EQ(m_win->PrevRow, 1);
    EXPECT_TRUE(m_win->ListLoaded);
    EXPECT_EQ(m_win->tbx_ComputerKey->text(), "");
    EXPECT_EQ(m_win->tbx_ComputerName->text(), "");
    EXPECT_EQ(m_win->cmb_AssetType->currentText(), "");
    EXPECT_EQ(m_win->cmb_Payment_Type->currentText(), "");
    EXPECT_TRUE(menus(false, false, false));
    for (int c = 2; c < 15; ++c) {
        if (c < 9 || c > 12) {
            EXPECT_EQ(grid()->cellBackColorAt(2, c), kWhite) << c;
        }
    }
}

TEST_F(AssignmentCommandsTest, UpdateRefusesABadPriceOrKeyAndWritesNothing) {
    const QString licence = "ライセンスのKeyが正しくありません。";
    const QString computer = "コンピュータのKeyが正しくありません。";
    struct Case {
        const char* what;
        QString price, licenceKey, computerKey;
        long error;       // the standard error box with this code, or
        QString refusal;  // the exclamation box
    };
    const Case cases[] = {
        {"a price above 32,767", "40000", "1", "1", 6, {}},
        {"a price that is no number", "12円", "1", "1", 13, {}},
        {"a fractional price", "1.5", "1", "1", 13, {}},
        {"a price with an exponent", "1e2", "1", "1", 13, {}},
        {"a price with a thousands separator", "1,234", "1", "1", 13, {}},
        {"a PC key with no row", "1", "1", "99", 0, computer},
        {"a licence key that is no number", "1", "x", "1", 0, licence},
    };
    seedOffice();
    openAssignments();
    const QStringList before = stored(1);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ui::script::reset();
        selectAssignment(1);
        retype(m_win->tbx_ProductID, "changed");
        m_win->tbx_Purchase_Price->setText(c.price);
        retype(m_win->tbx_LicenseKey, c.licenceKey);
        retype(m_win->tbx_ComputerKey, c.computerKey);
        ui::script::answerMsgBox(ui::vbOK);
        trigger(m_win, "Mnu_Update");
        EXPECT_EQ(stored(1), before);
        ASSERT_NE(lastBox(), nullptr);
        if (c.error) {
            EXPECT_EQ(stdErrorBoxes(), 1);
            EXPECT_TRUE(lastBox()->prompt.contains(QString("（エラーコード：%1）").arg(c.error)));
        } else {
            EXPECT_EQ(lastBox()->prompt, c.refusal);
            EXPECT_EQ(lastBox()->buttons, ui::vbOKOnly | ui::vbExclamation);
        }
        // The window as it was.
        EXPECT_GT(m_win->CurRow, 0);
        EXPECT_EQ(m_win->tbx_ProductID->text(), "changed");
        EXPECT_TRUE(menus(false, true, true));
    }
}

TEST_F(AssignmentCommandsTest, UpdateOfAnAssignmentDeletedMeanwhileWritesNothingAndRefreshes) {
    seedOffice();
    openAssignments();
    selectAssignment(1);
    sql("DELETE FROM tbl_License_Dat WHERE [Key] = 1");
    trigger(m_win, "Mnu_Update");
    EXPECT_EQ(storedKeys(), QStringList({"2", "3", "4", "5"}));
    EXPECT_EQ(column(grid(), 0), QStringList({"2", "3"}));
    EXPECT_EQ(m_win->CurRow, 0);
    EXPECT_TRUE(menus(false, false, false));
    EXPECT_EQ(stdErrorBoxes(), 0);
}

TEST_F(AssignmentCommandsTest, DeleteAsksThenRemovesTheSelectedAssignment) {
    seedOffice();
    openAssignments();
    selectAssignment(2);
    ui::script::answerMsgBox(ui::vbNo);
    trigger(m_win, "Mnu_DeleteRecord");
    EXPECT_EQ(storedKeys(), QStringList({"1", "2", "3", "4", "5"}));
    EXPECT_TRUE(menus(false, true, true));

    ui::script::answerMsgBox(ui::vbYes);
    trigger(m_win, "Mnu_DeleteRecord");
    EXPECT_EQ(lastBox()->prompt, "削除しますか？");
    EXPECT_EQ(lastBox()->title, "確認");
    EXPECT_EQ(lastBox()->buttons, ui::vbYesNo | ui::vbQuestion);
    EXPECT_EQ(storedKeys(), QStringList({"1", "3", "4", "5"}));
    EXPECT_EQ(column(grid(), 0), QStringList({"1", "3"}));
    EXPECT_EQ(m_win->CurRow, 0);
    EXPECT_EQ(m_win->PrevRow, 1);
    EXPECT_EQ(m_win->tbx_ProductID->text(), "");
    EXPECT_TRUE(menus(false, false, false));
}

TEST_F(AssignmentCommandsTest, DeletingTheOnlyAssignmentEmptiesTheGrid) {
    seedOffice();
    sql("DELETE FROM tbl_License_Dat WHERE [Key] <> 1");
    openAssignments();
    selectAssignment(1);
    ui::script::answerMsgBox(ui::vbYes);
    trigger(m_win, "Mnu_DeleteRecord");
    EXPECT_EQ(count("SELECT * FROM tbl_License_Dat"), 0);
    EXPECT_EQ(grid()->Rows(), 0);
    EXPECT_EQ(grid()->Cols(), 0);
    EXPECT_TRUE(menus(false, false, false));
    EXPECT_EQ(m_win->tbx_ProductID->text(), "");
}

// A write that fails rolls its transaction back and shows why; the window stays as it was, and the
// shared connection takes the next write, which survives a reopen of the database.
TEST_F(AssignmentCommandsTest, AFailedWriteRollsBackAndTheNextOneIsKept) {
    seedOffice();
    openAssignments();
    pickPair("Office", "PC-B");
    retype(m_win->tbx_ProductID, "P-new");
    gCn().setFailHook([](const QString& s) { return s.startsWith("INSERT INTO tbl_License_Dat"); });
    ui::script::answerMsgBox(ui::vbOK);
    trigger(m_win, "Mnu_AddRecord");
    EXPECT_EQ(stdErrorBoxes(), 1);
    EXPECT_FALSE(gCn().inTransaction());
    EXPECT_EQ(m_win->tbx_ProductID->text(), "P-new");
    EXPECT_TRUE(menus(true, false, false));

    gCn().setFailHook([](const QString& s) { return s.startsWith("DELETE"); });
    selectAssignment(2);
    ui::script::answerMsgBox(ui::vbYes);
    ui::script::answerMsgBox(ui::vbOK);
    trigger(m_win, "Mnu_DeleteRecord");
    EXPECT_EQ(stdErrorBoxes(), 2);
    EXPECT_FALSE(gCn().inTransaction());
    EXPECT_EQ(m_win->CurRow, rowWith(grid(), 0, "2"));
    EXPECT_TRUE(menus(false, true, true));

    gCn().setFailHook({});
    pickPair("Office", "PC-B");
    retype(m_win->tbx_ProductID, "P-new");
    trigger(m_win, "Mnu_AddRecord");
    m_win->Unload();
    settle();
    ASSERT_TRUE(fnc_DB_Close());
    ASSERT_TRUE(fnc_DB_Open());
    EXPECT_EQ(storedKeys(), QStringList({"1", "2", "3", "4", "5", "6"}));
    EXPECT_EQ(scalar("SELECT ProductID FROM tbl_License_Dat WHERE [Key] = 6"), "P-new");
}

}  // namespace
}  // namespace licence
