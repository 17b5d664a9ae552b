// "更新": the change list, byte for byte, and both stored rows after it, for each field group; the key
// completion, Nulls, sizes, codes and dates; values refused, a failing update, and loads that did not
// complete.
#include <QAbstractItemView>
#include <QTest>

#include "core/Mdl_Access_mdb.h"
#include "pc_record/frm_Edit_Computer.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/DropDownCombo.h"
#include "platform/ui/ListBox.h"
#include "platform/ui/StatusBar.h"
#include "platform/ui/TextBox.h"
#include "tests/pc_record/common/EditorFixture.h"

namespace pcrecordtest {
namespace {

const QString kDone = QStringLiteral("変更しました。");

class SaveTest : public EditorTest {
protected:
    // PC 1 with a little of everything; user 1, location 1.
    frm_Edit_Computer* openPc() {
        openDb();
        addMaster("tbl_Location", 1, "本社");
        addMaster("tbl_Location", 2, "大阪");
        addUser(1, "佐藤", 0, 0, "さとう");
        addUser(2, "鈴木", 0, 0, "すずき");
        insertPc(1,
                 {{"Computer_Name", "'PC1'"},
                  {"Workgroup", "'SOUMU'"},
                  {"IPAddress", "'10.0.0.1'"},
                  {"IPAddress_16num", "'0A000001'"},
                  {"CPU_Unit", "5"},
                  {"CPU_Clock", "2400"},
                  {"CPU_FPU", "'0'"},
                  {"CPU_VME", "'1'"},
                  {"CPU_PSE", "''"},
                  {"CPU_PSN", "'1'"},
                  {"Memory_Full", "1024"},
                  {"Memory_Full_unit", "'MB'"},
                  {"SysHD_Full", "40000"},
                  {"SysHD_Full_unit", "'MB'"},
                  {"Floppydisk_Drive", "'1'"},
                  {"Cdrom_Drive", "'0'"},
                  {"Cdr_Drive", "''"}},
                 {{"Location_Code", "1"},
                  {"User_Code", "1"},
                  {"Type_Number", "'MT'"},
                  {"Sereals_Number", "''"},
                  {"Comment", "'memo'"},
                  {"Leasing_StartDate", "'2005/12/05'"},
                  {"Leasing_Monthly_Amount", "12000"}});
        frm_Edit_Computer* e = openFromList(1);
        EXPECT_NE(e, nullptr);
        return e;
    }

    // Runs "更新" from its menu. With `answered` the change list is expected and closed with OK; the
    // text of the box shown, or "" when none showed.
    QString save(frm_Edit_Computer* e, bool answered = true) {
        const std::size_t before = ui::script::shown().size();
        if (answered) ui::script::answerMsgBox(ui::vbOK);
        EXPECT_TRUE(testsupport::triggerAction(e, "Mnu_Update"));
        settle();
        const auto& shown = ui::script::shown();
        for (std::size_t i = before; i < shown.size(); ++i)
            if (shown[i].title == "Vondari") {
                EXPECT_EQ(shown[i].buttons, ui::vbOKOnly);
                return shown[i].prompt;
            }
        return {};
    }
    static QString lines(const QStringList& ls) { return ls.join("\r\n") + "\r\n" + kDone; }
    // Every column of both rows, to see that nothing was written.
    QString dump(int key) {
        QString out;
        for (const char* table : {"tbl_Pclist", "tbl_Computer_List"})
            for (const QStringList& r : rows(QString("SELECT * FROM %1 WHERE MainKey = %2").arg(table).arg(key)))
                out += r.join('|') + "\n";
        return out;
    }
    static void pick(ui::DropDownCombo* box, int index) {
        box->showPopup();
        ASSERT_LT(index, box->count());
        box->view()->setCurrentIndex(box->model()->index(index, 0));
        QTest::keyClick(box->view(), Qt::Key_Return);
        settle();
    }
};

TEST_F(SaveTest, NothingChangedShowsAndWritesNothing) {
    frm_Edit_Computer* e = openPc();
    const QString before = dump(1);
    EXPECT_EQ(save(e, false), "");
    EXPECT_EQ(dump(1), before);
}

TEST_F(SaveTest, ChangedAddressListsItsBoxThenItsKey) {
    frm_Edit_Computer* e = openPc();
    e->tbx_Dat[2]->setText("10.0.0.2");
    EXPECT_EQ(save(e), lines({"IPアドレス を 10.0.0.2 に ", "IPアドレス(16) を 0A000002 に "}));
    EXPECT_EQ(pcValue(1, "IPAddress"), "10.0.0.2");
    EXPECT_EQ(pcValue(1, "IPAddress_16num"), "0A000002");
    EXPECT_EQ(e->tbx_Dat[27]->text(), "0A000002");
    EXPECT_EQ(e->tbx_Dat[2]->text(), "10.0.0.2");  // nothing is reloaded
    EXPECT_EQ(save(e, false), "");
}

// An empty key box beside an address gets the key with its own line, and no second line for box 27.
TEST_F(SaveTest, EmptyKeyBoxIsCompletedFromTheAddress) {
    frm_Edit_Computer* e = openPc();
    e->tbx_Dat[27]->clear();
    EXPECT_EQ(save(e), lines({"IP Address を 0A000001 に "}));
    EXPECT_EQ(pcValue(1, "IPAddress_16num"), "0A000001");
    EXPECT_EQ(e->tbx_Dat[27]->text(), "0A000001");
}

// A hand edit of the key box gives way to the key of the record's address.
TEST_F(SaveTest, KeyBoxFollowsTheAddress) {
    frm_Edit_Computer* e = openPc();
    sql("UPDATE tbl_Pclist SET IPAddress_16num = 'FFFFFFFF' WHERE MainKey = 1");
    e->tbx_Dat[27]->setText("12345678");
    EXPECT_EQ(save(e), lines({"IPアドレス(16) を 0A000001 に "}));
    EXPECT_EQ(pcValue(1, "IPAddress_16num"), "0A000001");
}

TEST_F(SaveTest, TextRuleEmptiedBoxesZeroCaseAndLeadingZeros) {
    frm_Edit_Computer* e = openPc();
    e->tbx_Dat[0]->setText("PC1 ");     // a trailing blank counts
    e->tbx_Dat[1]->setText("soumu");    // and so does case
    e->tbx_Dat[4]->clear();             // stored '': nothing to empty
    e->tbx_Dat[7]->setText("02400");    // stored 2400: differs as text
    e->tbx_Dat[8]->setText("0");        // "0" is never compared or written: the stored 5 stays
    e->tbx_Dat[22]->setText("host-1");  // stored Null
    e->tbx_Dat[36]->clear();            // stored Null
    e->tbx_Dat[47]->clear();            // a date
    e->tbx_Dat[49]->clear();            // a number
    e->tbx_Dat[53]->clear();            // a text
    EXPECT_EQ(save(e), lines({"コンピュータ名 を PC1  に ", "ワークグループ を soumu に ", "動作クロック を 02400 に ",
                              "ホスト名 を host-1 に ", "リース開始日(例2005/12/05) を 空欄 に ",
                              "リース月額(円) を 空欄 に ", "コメント を 空欄 に "}));
    const struct {
        const char* column;
        const char* stored;
    } expected[] = {{"Computer_Name", "PC1 "},
                    {"Workgroup", "soumu"},
                    {"Sereals_Number", ""},
                    {"CPU_Clock", "2400"},
                    {"CPU_Unit", "5"},
                    {"HostsName", "host-1"},
                    {"MacAddress", "<null>"},
                    {"Leasing_StartDate", "<null>"},
                    {"Leasing_Monthly_Amount", "<null>"},
                    {"Comment", "<null>"}};
    for (const auto& x : expected) EXPECT_EQ(pcValue(1, x.column), QString::fromUtf8(x.stored)) << x.column;
    // The leading zeros make the text differ from the stored number at every save.
    EXPECT_EQ(save(e), lines({"動作クロック を 02400 に "}));
}

// A NUL pasted into the name goes in with the rest of the text; the combined network list and its export
// take it from there (tested with the network register).
TEST_F(SaveTest, ANulInTheNameIsStoredExactly) {
    frm_Edit_Computer* e = openPc();
    const QString name = QString("PC") + QChar(0) + "1'" + QChar(0);
    e->tbx_Dat[0]->setText(name);
    EXPECT_EQ(save(e), lines({"コンピュータ名 を " + name + " に "}));
    EXPECT_EQ(pcValue(1, "Computer_Name"), name);
    EXPECT_EQ(save(e, false), "");  // stored as shown: nothing differs any more
}

// Drive flags: a stored Null under a checked box becomes 1; CPU features: a stored Null never changes. A
// stored flag that is no number counts as 0; a grey box as neither checked nor unchecked.
TEST_F(SaveTest, FlagsAgainstStoredValues) {
    frm_Edit_Computer* e = openPc();
    e->Chk_Drive[0]->setValue(ui::vbUnchecked);  // '1'
    e->Chk_Drive[1]->setValue(ui::vbChecked);    // '0'
    e->Chk_Drive[2]->setValue(ui::vbChecked);    // Null
    e->Chk_Drive[3]->setValue(ui::vbChecked);    // ''
    e->ChkBox[0]->setValue(ui::vbChecked);       // '0'
    e->ChkBox[1]->setValue(ui::vbUnchecked);     // '1'
    e->ChkBox[2]->setValue(ui::vbChecked);       // Null
    e->ChkBox[3]->setValue(ui::vbChecked);       // ''
    e->ChkBox[17]->setValue(ui::vbGrayed);       // '1'
    EXPECT_EQ(save(e), lines({"FDドライブ を 無効  に ", "CDドライブ を 有効  に ", "DVDドライブ を 有効  に ",
                              "CD-Rドライブ を 有効  に ", "CPU スペックFPU を 有効 に ", "CPU スペックVME を 無効 に ",
                              "CPU スペックPSE を 有効 に "}));
    const struct {
        const char* column;
        const char* stored;
    } expected[] = {{"Floppydisk_Drive", "0"}, {"Cdrom_Drive", "1"}, {"DVD_Drive", "1"}, {"Cdr_Drive", "1"},
                    {"Combo_Drive", "<null>"}, {"CPU_FPU", "1"},     {"CPU_VME", "0"},   {"CPU_DE", "<null>"},
                    {"CPU_PSE", "1"},          {"CPU_PSN", "1"}};
    for (const auto& x : expected) EXPECT_EQ(pcValue(1, x.column), x.stored) << x.column;
    EXPECT_EQ(scalar("SELECT typeof(Cdrom_Drive) FROM tbl_Pclist WHERE MainKey = 1"), "text");
}

// Sizes are the digits of the shown text; units are never compared or written. A size never stored stays
// Null while its box is empty.
TEST_F(SaveTest, SizesFromTheDigitsOfTheBoxes) {
    frm_Edit_Computer* e = openPc();
    EXPECT_EQ(e->tbx_Drive[0]->text(), "1,024 MB");
    e->tbx_Drive[0]->setText("2,048 GB");
    e->tbx_Drive[2]->clear();         // stored 40000
    e->tbx_Drive[4]->setText("512");  // stored Null
    EXPECT_EQ(save(e),
              lines({"メモリ全容量 を 2048 に ", "Ｃドライブ全容量 を 0 に ", "ページファイル全容量 を 512 に "}));
    const struct {
        const char* column;
        const char* stored;
    } expected[] = {{"Memory_Full", "2048"}, {"Memory_Full_unit", "MB"}, {"Memory_Used", "<null>"},
                    {"SysHD_Full", "0"},     {"Pagefile_Full", "512"},   {"Pagefile_Used", "<null>"}};
    for (const auto& x : expected) EXPECT_EQ(pcValue(1, x.column), x.stored) << x.column;
}

TEST_F(SaveTest, CodesFromThePickListsAndTheUserList) {
    frm_Edit_Computer* e = openPc();
    pick(e->cmb_Dat[3], 2);  // 0, 本社, 大阪
    ui::ListBox* users = e->List_User;
    QTest::mouseClick(users->viewport(), Qt::LeftButton, Qt::NoModifier,
                      users->visualItemRect(users->item(2)).center());
    settle();
    ASSERT_EQ(e->tbx_UserCode->text(), "2");
    EXPECT_EQ(save(e), lines({"Location_Code を 2 大阪 に ", "ユーザ名 を 2 鈴木 に "}));
    EXPECT_EQ(pcValue(1, "Location_Code"), "2");
    EXPECT_EQ(pcValue(1, "User_Code"), "2");
}

// The statements of a pick list, a user choice and the save, as the window writes them, blanks included.
TEST_F(SaveTest, StatementsAsWritten) {
    frm_Edit_Computer* e = openPc();
    QStringList statements;
    gCn().setFailHook([&statements](const QString& s) {
        statements << s;
        return false;
    });
    pick(e->cmb_Dat[3], 2);
    QTest::mouseClick(e->List_User->viewport(), Qt::LeftButton, Qt::NoModifier,
                      e->List_User->visualItemRect(e->List_User->item(2)).center());
    settle();
    EXPECT_EQ(save(e), lines({"Location_Code を 2 大阪 に ", "ユーザ名 を 2 鈴木 に "}));
    gCn().setFailHook({});
    const char* expected[] = {
        "SELECT * FROM tbl_Location",
        "SELECT * FROM tbl_Location WHERE Available_flug ='0';",
        "SELECT tbl_User.User_Code FROM tbl_User ",
        "SELECT DISTINCT tbl_Section.Section_Name, tbl_Division.Division_Name, tbl_User.User_Name FROM tbl_Section, "
        "tbl_Division, tbl_User  WHERE (((tbl_User.Section_Code)=([tbl_Section].[Section_Code])) AND "
        "((tbl_User.Division_Code)=([tbl_Division].[Division_Code])) AND (tbl_User.User_Code=2));",
        "SELECT tbl_Pclist.*, tbl_Computer_List.* FROM tbl_Pclist, tbl_Computer_List  WHERE "
        "(((tbl_Pclist.MainKey = tbl_Computer_List.MainKey)) AND ((tbl_Computer_List.MainKey)= 1));",
    };
    for (const char* statement : expected) EXPECT_TRUE(statements.contains(QString::fromUtf8(statement))) << statement;
}

// One change in each group: the lines come in group order.
TEST_F(SaveTest, LinesInGroupOrder) {
    frm_Edit_Computer* e = openPc();
    e->tbx_Drive[1]->setText("300");
    e->ChkBox[31]->setValue(ui::vbChecked);  // Null: no line
    e->ChkBox[0]->setValue(ui::vbChecked);
    e->tbx_Dat[53]->setText("更新済み");
    e->tbx_Dat[27]->clear();
    pick(e->cmb_Dat[3], 2);
    e->Chk_Drive[5]->setValue(ui::vbChecked);
    QTest::mouseClick(e->List_User->viewport(), Qt::LeftButton, Qt::NoModifier,
                      e->List_User->visualItemRect(e->List_User->item(0)).center());
    settle();
    EXPECT_EQ(save(e), lines({"MOドライブ を 有効  に ", "Location_Code を 2 大阪 に ", "IP Address を 0A000001 に ",
                              "コメント を 更新済み に ", "ユーザ名 を 0  に ", "CPU スペックFPU を 有効 に ",
                              "メモリ使用量 を 300 に "}));
}

// A PC made by "新規作成" has Null sizes and flags: its first save writes what was typed, the second
// finds nothing to do.
TEST_F(SaveTest, PcCreatedByHandSavedTwice) {
    const int key = createPcByMenu();
    frm_Edit_Computer* e = openFromList(1);
    ASSERT_NE(e, nullptr);
    e->tbx_Dat[0]->setText("NEWPC");
    e->tbx_Dat[2]->setText("192.168.0.1");
    EXPECT_EQ(save(e),
              lines({"IP Address を C0A80001 に ", "コンピュータ名 を NEWPC に ", "IPアドレス を 192.168.0.1 に "}));
    EXPECT_EQ(pcValue(key, "Computer_Name"), "NEWPC");
    EXPECT_EQ(pcValue(key, "IPAddress_16num"), "C0A80001");
    EXPECT_EQ(pcValue(key, "Memory_Full"), "<null>");
    EXPECT_EQ(pcValue(key, "CPU_FPU"), "<null>");
    EXPECT_EQ(save(e, false), "");
    EXPECT_EQ(stdErrorBoxes(), 0);
}

// Dates typed and saved from the menu while the box keeps the focus: the menu moves no focus, so the date
// check has not run; the save takes the text by the date rules, or refuses it with the error box.
TEST_F(SaveTest, DatesSavedFromTheMenuWithoutLeavingTheBox) {
    frm_Edit_Computer* e = openPc();
    e->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(e));
    clickTab(e, 8);
    const struct {
        const char* typed;
        const char* stored;  // nullptr: refused
    } cases[] = {{"2005/1/5", "2005/01/05"}, {"2005/02/31", nullptr}, {"05/12/05", "2005/12/05"}};
    ui::TextBox* box = e->tbx_Dat[48];
    box->setFocus(Qt::MouseFocusReason);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        box->clear();
        QTest::keyClicks(box, c.typed);
        const QString before = dump(1);
        if (c.stored) {
            EXPECT_EQ(save(e), lines({QString("リース終了日(例2005/12/05) を %1 に ").arg(c.typed)}));
            EXPECT_EQ(pcValue(1, "Leasing_EndDate"), c.stored);
        } else {
            ui::script::answerMsgBox(ui::vbOK);
            EXPECT_EQ(save(e, false), "");
            EXPECT_EQ(stdErrorBoxes(), 1);
            EXPECT_EQ(dump(1), before);
            ui::script::reset();
        }
        EXPECT_TRUE(box->hasFocus());
        EXPECT_EQ(box->text(), c.typed);
        EXPECT_EQ(e->StatusBar1->panelText(1), "");
    }
}

// A value its column cannot take stops the save before the change list, with the error box; nothing is
// written, other changes included.
TEST_F(SaveTest, RefusedValueWritesNothing) {
    const struct {
        const char* what;
        int box;
        QString text;
    } cases[] = {{"past a 32-bit number", 7, "99999999999"}, {"longer than its column", 53, QString(256, 'x')}};
    frm_Edit_Computer* e = openPc();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        e->tbx_Dat[0]->setText("CHANGED");
        e->tbx_Dat[std::size_t(c.box)]->setText(c.text);
        const QString before = dump(1);
        ui::script::answerMsgBox(ui::vbOK);
        EXPECT_EQ(save(e, false), "");
        EXPECT_EQ(stdErrorBoxes(), 1);
        EXPECT_EQ(dump(1), before);
        ui::script::reset();
        e->tbx_Dat[std::size_t(c.box)]->setText(pcValue(1, e->DatField[std::size_t(c.box)].FieldName));
    }
}

// The update itself fails: the change list was shown, then the error box; both rows stay as they were.
TEST_F(SaveTest, FailingUpdateAfterTheChangeList) {
    frm_Edit_Computer* e = openPc();
    e->tbx_Dat[0]->setText("CHANGED");
    e->tbx_Dat[53]->setText("changed too");
    const QString before = dump(1);
    gCn().setFailHook([](const QString& s) { return s.startsWith("UPDATE"); });
    ui::script::answerMsgBox(ui::vbOK);  // the error box after the list
    EXPECT_EQ(save(e), lines({"コンピュータ名 を CHANGED に ", "コメント を changed too に "}));
    gCn().setFailHook({});
    EXPECT_EQ(stdErrorBoxes(), 1);
    EXPECT_EQ(dump(1), before);
}

// A load that did not complete leaves boxes the save would take for blanks: it writes nothing and says so.
// A PC gone from the database ends the save silently.
TEST_F(SaveTest, IncompleteLoadIsNotSaved) {
    openDb();
    insertPc(8, {{"Computer_Name", "'LOST'"}, {"Memory_Full", "512"}}, {{"User_Code", "99"}, {"Comment", "'keep'"}});
    frm_Edit_Computer* e = openDirect(8, 1);
    ASSERT_NE(e, nullptr);
    const QString before = dump(8);
    EXPECT_EQ(save(e), "PCのデータを読み込めなかったため、更新しませんでした。");
    EXPECT_EQ(dump(8), before);

    sql("DELETE FROM tbl_Computer_List WHERE MainKey = 8");
    EXPECT_EQ(save(e, false), "");
}

// A date box that showed "0" after an invalid date is not saved; the other changes are.
TEST_F(SaveTest, DateBoxShowingZeroIsLeftAlone) {
    frm_Edit_Computer* e = openPc();
    e->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(e));
    clickTab(e, 8);
    ui::TextBox* box = e->tbx_Dat[48];
    box->setFocus(Qt::MouseFocusReason);
    settle();
    QTest::keyClicks(box, "2005/13/01");
    e->tbx_Dat[53]->setFocus(Qt::MouseFocusReason);
    settle();
    ASSERT_EQ(box->text(), "0");
    e->tbx_Dat[53]->setText("memo 2");
    EXPECT_EQ(save(e), lines({"コメント を memo 2 に "}));
    EXPECT_EQ(pcValue(1, "Leasing_EndDate"), "<null>");
    EXPECT_EQ(box->text(), "0");
    EXPECT_EQ(save(e, false), "");
}

}  // namespace
}  // namespace pcrecordtest
