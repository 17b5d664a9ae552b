// Stepping through the main list's order as it stands at each step; the size rule; closing; the menus
// and the editors they open.
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

#include "core/Mdl_Access_mdb.h"
#include "core/Mdl_gData.h"
#include "pc_record/frm_Edit_Computer.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/Colors.h"
#include "platform/ui/DropDownCombo.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/Forms.h"
#include "platform/ui/ListBox.h"
#include "platform/ui/TabStrip.h"
#include "platform/ui/TextBox.h"
#include "tests/pc_record/common/EditorFixture.h"

namespace pcrecordtest {
namespace {

class SteppingTest : public EditorTest {
protected:
    // PCs 1 to 3 named PC-A to PC-C, each with its own values and one application and printer.
    void addThreePcs() {
        openDb();
        addUser(1, "佐藤", 0, 0, "さとう");
        for (int k = 1; k <= 3; ++k) {
            const QString letter = QString(QChar('A' + k - 1));
            insertPc(k,
                     {{"Computer_Name", lit("PC-" + letter)},
                      {"CPU_FPU", k == 1 ? "'1'" : "'0'"},
                      {"Internet_Connection", k == 1 ? "'1'" : "'0'"},
                      {"Memory_Full", QString::number(k * 256)},
                      {"Memory_Full_unit", "'MB'"},
                      {"Cdrom_Drive", "'1'"}},
                     {{"User_Code", k == 1 ? "1" : "0"}});
            addApplications(k, {{"App " + letter, "C:\\", "1.0"}});
            addPrinters(k, {{"Printer " + letter, "LPT1:", "1.0"}});
        }
    }
    static void next(frm_Edit_Computer* e) {
        QTest::mouseClick(e->cmd_Next, Qt::LeftButton);
        settle();
    }
    static void prev(frm_Edit_Computer* e) {
        QTest::mouseClick(e->cmd_Prev, Qt::LeftButton);
        settle();
    }
    // Renames a PC behind the program's back.
    void rename(int key, const QString& name) {
        sql(QString("UPDATE tbl_Pclist SET Computer_Name = %1 WHERE MainKey = %2").arg(lit(name)).arg(key));
    }
    void deletePc(int key) {
        for (const char* table : {"tbl_Pclist", "tbl_Computer_List"})
            sql(QString("DELETE FROM %1 WHERE MainKey = %2").arg(table).arg(key));
    }
};

TEST_F(SteppingTest, StepsThroughTheListAndStopsAtItsEnds) {
    addThreePcs();
    frm_Edit_Computer* e = openFromList(2);
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->cmd_Prev->text(), "<<");
    EXPECT_EQ(e->cmd_Next->text(), ">>");
    const struct {
        bool forward;
        int row;
        const char* name;
    } steps[] = {{true, 3, "PC-C"},  {true, 3, "PC-C"},  {false, 2, "PC-B"},
                 {false, 1, "PC-A"}, {false, 1, "PC-A"}, {true, 2, "PC-B"}};
    for (const auto& s : steps) {
        SCOPED_TRACE(QString("%1 to row %2").arg(s.forward ? ">>" : "<<").arg(s.row).toStdString());
        s.forward ? next(e) : prev(e);
        EXPECT_EQ(e->ShownRow, s.row);
        EXPECT_EQ(e->ShownMainKey, s.row);
        EXPECT_EQ(e->tbx_Key->text(), QString::number(s.row));
        EXPECT_EQ(e->tbx_Dat[0]->text(), s.name);
        EXPECT_EQ(e->tbx_PC_Numbers->text(), "3");
    }
    EXPECT_EQ(stdErrorBoxes(), 0);
}

// Each step reads the list's order as it stands: re-sorted, shrunk, or after a refill that found no PC.
TEST_F(SteppingTest, StepsFollowTheListAsItWasRefilled) {
    addThreePcs();
    frm_Edit_Computer* e = openFromList(1);  // PC-A
    ASSERT_NE(e, nullptr);

    // Re-sorted: PC-A now sorts last, so the row after row 1 holds PC-C.
    rename(1, "PC-Z");
    refreshMainList();
    next(e);
    EXPECT_EQ(e->tbx_Key->text(), "2");
    EXPECT_EQ(e->tbx_Dat[0]->text(), "PC-C");
    next(e);
    EXPECT_EQ(e->tbx_Dat[0]->text(), "PC-Z");  // row 3

    // Shrunk to two rows while row 3 is shown: ">>" stays, "<<" goes to the list's last row.
    deletePc(2);
    refreshMainList();
    ASSERT_EQ(gRowCount, 2);
    next(e);
    EXPECT_EQ(e->tbx_Key->text(), "3");
    prev(e);
    EXPECT_EQ(e->tbx_Key->text(), "2");
    EXPECT_EQ(e->tbx_Dat[0]->text(), "PC-Z");
    EXPECT_EQ(e->tbx_PC_Numbers->text(), "3");  // the count as it was at the opening

    // A refill that found no record (only removed PCs asked for, and none is) keeps the last listed order:
    // the steps walk it, also to a PC deleted since.
    gOptDel = 1;
    refreshMainList();
    ASSERT_EQ(gRowCount, 2);
    deletePc(3);
    prev(e);
    EXPECT_EQ(e->tbx_Key->text(), "1");
    EXPECT_EQ(e->ShownMainKey, 3);
    EXPECT_EQ(e->tbx_Dat[0]->text(), "");
    next(e);
    EXPECT_EQ(e->tbx_Dat[0]->text(), "PC-Z");
    EXPECT_EQ(stdErrorBoxes(), 0);
}

// A list that shows no PC (only the reserved one is left) has no rows to step to: the buttons do nothing,
// since row 0 holds the reserved PC.
TEST_F(SteppingTest, NoListedPcMeansNoStep) {
    addThreePcs();
    frm_Edit_Computer* e = openFromList(2);
    ASSERT_NE(e, nullptr);
    for (int k = 1; k <= 3; ++k) deletePc(k);
    refreshMainList();
    ASSERT_EQ(gRowCount, 0);
    next(e);
    prev(e);
    EXPECT_EQ(e->ShownRow, 2);
    EXPECT_EQ(e->ShownMainKey, 2);
    EXPECT_EQ(e->tbx_Dat[0]->text(), "PC-B");
}

// A PC deleted since the list was filled: the boxes are emptied and stay so, while the CPU features, the
// Internet settings, the sizes and the lists of the PC before stay on their pages; no message.
TEST_F(SteppingTest, StepToADeletedPc) {
    addThreePcs();
    frm_Edit_Computer* e = openFromList(1);
    ASSERT_NE(e, nullptr);
    clickTab(e, 3);
    const int users = e->List_User->ListCount();
    addUser(5, "追加", 0, 0, "ついか");  // the user list is not reloaded by a step
    deletePc(2);
    next(e);
    EXPECT_EQ(e->tbx_Key->text(), "2");
    EXPECT_EQ(e->ShownMainKey, 2);
    for (ui::TextBox* box : e->tbx_Dat) EXPECT_EQ(box->text(), "");
    for (ui::TextBox* box : {e->tbx_User, e->tbx_UserCode, e->tbx_Section, e->tbx_Division, e->tbx_CmbKey[3]})
        EXPECT_EQ(box->text(), "");
    EXPECT_EQ(e->cmb_Dat[4]->currentText(), "");
    for (ui::CheckBox* box : e->Chk_Drive) EXPECT_EQ(box->Value(), ui::vbUnchecked);
    EXPECT_EQ(e->ChkBox[0]->Value(), ui::vbChecked);                                 // PC-A's
    EXPECT_EQ(e->IE_Env[0]->palette().color(QPalette::WindowText), ui::vbColor(0));  // PC-A's
    EXPECT_EQ(e->tbx_Drive[0]->text(), "256 MB");                                    // PC-A's
    EXPECT_EQ(e->MSGrid_Application->TextMatrix(1, 1), "App A");                     // PC-A's
    EXPECT_EQ(e->List_User->ListCount(), users);
    EXPECT_EQ(ui::script::shown().size(), 0u);
    // Saving it now writes nothing and says nothing: the PC is gone.
    EXPECT_TRUE(testsupport::triggerAction(e, "Mnu_Update"));
    EXPECT_EQ(ui::script::shown().size(), 0u);

    next(e);
    EXPECT_EQ(e->tbx_Dat[0]->text(), "PC-C");
    EXPECT_EQ(e->MSGrid_Application->TextMatrix(1, 1), "App C");
}

// The statements a step runs, in order, named by what they read.
QStringList readsDuring(const std::function<void()>& act) {
    QStringList reads;
    gCn().setFailHook([&](const QString& sql) {
        if (sql.startsWith("SELECT tbl_Computer_List.MainKey FROM"))
            reads << sql;  // the existence check, word for word
        else if (sql.contains("tbl_Location.Location_Name"))
            reads << "joined";
        else if (sql.startsWith("SELECT DISTINCT tbl_Pclist.*, tbl_Computer_List.* FROM"))
            reads << "drive";
        else
            for (const char* table : {"tbl_ApplicationsList", "tbl_Device_Management", "tbl_Printer_Management",
                                      "tbl_Environmental", "tbl_User"})
                if (sql.contains(table)) reads << table;
        return false;
    });
    act();
    gCn().setFailHook({});
    return reads;
}

// A step checks that the PC exists, then loads its belongings, its profile, the selected tab's list and the
// drive page; the user list is not read again. A PC that is gone stops it after the check.
TEST_F(SteppingTest, StepReadsInOrder) {
    addThreePcs();
    frm_Edit_Computer* e = openFromList(1);
    ASSERT_NE(e, nullptr);
    const QString exists2 = "SELECT tbl_Computer_List.MainKey FROM tbl_Computer_List  WHERE (MainKey = 2);";
    const QString exists3 = "SELECT tbl_Computer_List.MainKey FROM tbl_Computer_List  WHERE (MainKey = 3);";
    const struct {
        int tab;
        QString list;
    } tabs[] = {{1, {}},
                {3, "tbl_ApplicationsList"},
                {4, "tbl_Device_Management"},
                {5, "tbl_Printer_Management"},
                {6, "tbl_Environmental"},
                {7, {}}};
    for (const auto& t : tabs) {
        SCOPED_TRACE(t.tab);
        clickTab(e, t.tab);
        QStringList expected = {exists2, exists2, "joined", "joined"};
        if (!t.list.isEmpty()) expected << t.list;
        expected << "drive";
        EXPECT_EQ(readsDuring([&] { next(e); }), expected);
        prev(e);
    }
    deletePc(3);
    next(e);
    EXPECT_EQ(readsDuring([&] { next(e); }), QStringList{exists3});
    EXPECT_EQ(stdErrorBoxes(), 0);
}

// A step keeps the selected tab and loads its list for the new PC; other list pages keep what they
// showed until their next click. The drive page is always loaded.
TEST_F(SteppingTest, StepLoadsTheSelectedTabAndTheDrivePage) {
    addThreePcs();
    frm_Edit_Computer* e = openFromList(1);
    ASSERT_NE(e, nullptr);
    clickTab(e, 5);
    clickTab(e, 3);
    next(e);
    EXPECT_EQ(e->TabStrip1->SelectedIndex(), 3);
    EXPECT_EQ(e->MSGrid_Application->TextMatrix(1, 1), "App B");
    EXPECT_EQ(e->MSFlexGrid_Printer->TextMatrix(1, 1), "Printer A");
    EXPECT_EQ(e->tbx_Drive[0]->text(), "512 MB");
    EXPECT_EQ(e->ChkBox[0]->Value(), ui::vbUnchecked);
    EXPECT_EQ(e->tbx_User->text(), " ");
}

// Stepping to a PC the joins cannot find (its user row is gone) empties the boxes; a save then would
// blank the PC, so it writes nothing and says so.
TEST_F(SteppingTest, SaveAfterStepToAPcThatDidNotLoad) {
    addThreePcs();
    frm_Edit_Computer* e = openFromList(1);
    ASSERT_NE(e, nullptr);
    sql("UPDATE tbl_Computer_List SET User_Code = 99, Comment = 'keep' WHERE MainKey = 2");
    next(e);
    EXPECT_EQ(e->tbx_Dat[0]->text(), "");
    EXPECT_EQ(e->tbx_Drive[0]->text(), "512 MB");  // the drive page joins only the PC's two rows
    ui::script::answerMsgBox(ui::vbOK);
    EXPECT_TRUE(testsupport::triggerAction(e, "Mnu_Update"));
    settle();
    ASSERT_EQ(ui::script::shown().size(), 1u);
    EXPECT_EQ(ui::script::shown()[0].prompt, "PCのデータを読み込めなかったため、更新しませんでした。");
    EXPECT_EQ(ui::script::shown()[0].title, "Vondari");
    EXPECT_EQ(pcValue(2, "Computer_Name"), "PC-B");
    EXPECT_EQ(pcValue(2, "Comment"), "keep");
}

TEST_F(SteppingTest, MenuCaptionsAndShortcut) {
    addThreePcs();
    frm_Edit_Computer* e = openFromList(1);
    ASSERT_NE(e, nullptr);
    const QString i = QStringLiteral("\u3000");
    const struct {
        const char* name;
        QString caption;
    } items[] = {
        {"Mnu_File", "ファイル" + i.repeated(3) + " " + i.repeated(3)},
        {"Mnu_ExportCSV", "書き出し" + i.repeated(3)},
        {"Mnu_Pagelayout", "ページ設定"},
        {"Mnu_Print", "印刷"},
        {"Mnu_Close", "閉じる"},
        {"Mnu_Edit", "編集" + i.repeated(8)},
        {"Mnu_Update", "更新" + i.repeated(6)},
        {"Mnu_Managemants", "管理" + i.repeated(8)},
        {"Mnu_Edit_User", "ユーザ" + i.repeated(4)},
        {"Mnu_Edit_Teble(1)", "部署"},
        {"Mnu_Edit_Teble(2)", "課"},
        {"Mnu_Edit_Teble(3)", "設置場所"},
        {"Mnu_Edit_Teble(4)", "メーカー"},
        {"Mnu_Edit_Teble(5)", "モデル"},
    };
    for (const auto& it : items) {
        QAction* a = testsupport::action(e, it.name);
        ASSERT_NE(a, nullptr) << it.name;
        EXPECT_EQ(a->text(), it.caption) << it.name;
    }
    for (const char* separator : {"sepalator01", "sepalator02"}) {
        QAction* a = testsupport::action(e, separator);
        ASSERT_NE(a, nullptr);
        EXPECT_TRUE(a->isSeparator());
    }
    EXPECT_EQ(testsupport::action(e, "Mnu_Close")->shortcut(), QKeySequence("Ctrl+W"));
    QStringList bar;
    for (QAction* a : e->menuBar()->actions()) bar << a->objectName();
    EXPECT_EQ(bar, (QStringList{"Mnu_File", "Mnu_Edit", "Mnu_Managemants"}));
    auto order = [](QMenu* menu) {
        QStringList names;
        for (QAction* a : menu->actions()) names << a->objectName();
        return names;
    };
    EXPECT_EQ(order(e->Mnu_File),
              (QStringList{"Mnu_ExportCSV", "sepalator01", "Mnu_Pagelayout", "Mnu_Print", "sepalator02", "Mnu_Close"}));
    EXPECT_EQ(order(e->Mnu_Edit), QStringList{"Mnu_Update"});
    EXPECT_EQ(order(e->Mnu_Managemants), (QStringList{"Mnu_Edit_User", "Mnu_Edit_Teble(1)", "Mnu_Edit_Teble(2)",
                                                      "Mnu_Edit_Teble(3)", "Mnu_Edit_Teble(4)", "Mnu_Edit_Teble(5)"}));

    // "書き出し" is bound to no command.
    e->tbx_Dat[0]->setText("edited");
    EXPECT_TRUE(testsupport::triggerAction(e, "Mnu_ExportCSV"));
    EXPECT_EQ(ui::script::shown().size(), 0u);
    EXPECT_EQ(e->tbx_Dat[0]->text(), "edited");
}

// Each master-table entry opens the master-table editor modally on its gMasterTable row; afterwards nothing
// in the editor is reloaded.
TEST_F(SteppingTest, MasterTableMenuOpensTheTableEditorModally) {
    addThreePcs();
    frm_Edit_Computer* e = openFromList(1);
    ASSERT_NE(e, nullptr);
    e->tbx_Dat[0]->setText("edited");
    const struct {
        int index;
        const char* caption;
        const char* table;
    } cases[] = {{1, "編集:( 部 )", "tbl_Section"},
                 {2, "編集:( 課 )", "tbl_Division"},
                 {3, "編集:( 設置場所 )", "tbl_Location"},
                 {4, "編集:( メーカー )", "tbl_Manufacturer"},
                 {5, "編集:( モデル )", "tbl_Model"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.table);
        QString title, table;
        int index = -1;
        bool modal = false;
        QTimer::singleShot(0, [&] {
            ui::Form* t = ui::findForm("frm_Edit_Table");
            ASSERT_NE(t, nullptr);
            title = t->windowTitle();
            modal = t->isModalShown();
            table = gEditTableName;
            index = gEditTableIndex;
            t->Unload();
        });
        EXPECT_TRUE(testsupport::triggerAction(e, QString("Mnu_Edit_Teble(%1)").arg(c.index)));
        settle();
        EXPECT_EQ(title, QString::fromUtf8(c.caption));
        EXPECT_TRUE(modal);
        EXPECT_EQ(table, c.table);
        EXPECT_EQ(index, c.index);
        EXPECT_EQ(ui::findForm("frm_Edit_Table"), nullptr);
    }
    EXPECT_EQ(e->tbx_Dat[0]->text(), "edited");

    bool userEditorModal = false;
    QTimer::singleShot(0, [&] {
        ui::Form* u = ui::findForm("frm_Edit_User");
        ASSERT_NE(u, nullptr);
        userEditorModal = u->isModalShown();
        u->Unload();
    });
    EXPECT_TRUE(testsupport::triggerAction(e, "Mnu_Edit_User"));
    settle();
    EXPECT_TRUE(userEditorModal);
    EXPECT_EQ(e->tbx_Dat[0]->text(), "edited");
    EXPECT_EQ(stdErrorBoxes(), 0);
}

// Always 12000 by 8900 twips outside: a maximised window returns to normal, a resized one snaps back; it
// can be minimised.
TEST_F(SteppingTest, SizeRule) {
    addThreePcs();
    frm_Edit_Computer* e = openFromList(1);
    ASSERT_NE(e, nullptr);
    auto size = [&] { return QSize(e->Width(), e->Height()); };
    EXPECT_EQ(e->Width(), 12000);
    EXPECT_NEAR(e->Height(), 8900, 14);
    const QSize designed = size();
    e->resize(400, 300);
    settle();
    EXPECT_EQ(size(), designed);
    e->showMaximized();
    settle();
    EXPECT_FALSE(e->isMaximized());
    EXPECT_EQ(size(), designed);
    e->showMinimized();
    settle();
    EXPECT_TRUE(e->isMinimized());
    e->showNormal();
    settle();
    EXPECT_EQ(size(), designed);
}

// Closing asks nothing and saves nothing, by Ctrl+W or the close box; the next opening loads afresh.
TEST_F(SteppingTest, ClosingAsksAndSavesNothing) {
    addThreePcs();
    for (const char* how : {"Ctrl+W", "close box"}) {
        SCOPED_TRACE(how);
        frm_Edit_Computer* e = openFromList(1);
        ASSERT_NE(e, nullptr);
        e->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(e));
        e->tbx_Dat[0]->setText("unsaved");
        if (QString(how) == "Ctrl+W")
            QTest::keyClick(e, Qt::Key_W, Qt::ControlModifier);
        else
            EXPECT_TRUE(e->closeWithReason(ui::vbFormControlMenu));
        settle();
        EXPECT_EQ(editor(), nullptr);
        EXPECT_EQ(pcValue(1, "Computer_Name"), "PC-A");
        EXPECT_EQ(ui::script::shown().size(), 0u);
    }
    frm_Edit_Computer* again = openFromList(1);
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(again->tbx_Dat[0]->text(), "PC-A");
}

}  // namespace
}  // namespace pcrecordtest
