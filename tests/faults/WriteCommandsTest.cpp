// Every write command of the windows, under every fault the database can put in its way. Under a full
// disk, a read-only file or a lock held throughout: one standard error box naming the engine's cause after
// the command's own questions, no success box, nothing of the command in the database, and the window
// still there, taking the same steps once the fault is gone. Under a lock let go after half a second: the
// command waits and succeeds.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QFile>
#include <QListWidget>
#include <QTest>
#include <QWindow>
#include <algorithm>
#include <functional>
#include <iterator>
#include <vector>

#include "core/Mdl_Access_mdb.h"
#include "core/Mdl_gData.h"
#include "core/frm_Edit_Table.h"
#include "core/frm_Edit_User.h"
#include "core/frm_Main.h"
#include "inventory_compare/frm_Inport.h"
#include "licences/frm_Add_License.h"
#include "licences/frm_Edit_License.h"
#include "pc_record/frm_Edit_Computer.h"
#include "platform/db/Ado.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/Forms.h"
#include "platform/ui/ListBox.h"
#include "platform/ui/TextBox.h"
#include "registers/frm_Edit_Mail.h"
#include "registers/frm_Edit_Network.h"
#include "tests/faults/FaultFixture.h"

namespace faulttest {
namespace {

using testsupport::msgBoxes;
using testsupport::rowWith;
using testsupport::settle;

const QString kDeleteAsk = QStringLiteral("確認|36|削除しますか？");

template <class F>
F* win(const char* name) {
    auto* f = static_cast<F*>(ui::findForm(QString::fromLatin1(name)));
    EXPECT_NE(f, nullptr) << name << " is not open";
    return f;
}

// A click on the grid row whose column `col` holds `text` (in column `at`).
void clickRow(ui::FlexGrid* grid, int col, const QString& text, int at) {
    const int row = rowWith(grid, col, text);
    ASSERT_GT(row, 0) << text.toStdString() << " is not listed";
    ASSERT_TRUE(testsupport::clickCell(grid, row, at));
    settle();
}

void clickLine(ui::ListBox* list, const QString& startingWith) {
    for (int i = 0; i < list->count(); ++i) {
        QListWidgetItem* it = list->item(i);
        if (!it->text().startsWith(startingWith)) continue;
        list->scrollToItem(it);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(it).center());
        settle();
        return;
    }
    ADD_FAILURE() << "no line starting with " << startingWith.toStdString();
}

// The comparison window's PC list, clicked through the window system.
void pickPc(frm_Inport* f, int key) {
    QListWidget* list = f->List_ComuputerName;
    for (int i = 0; i < list->count(); ++i) {
        QListWidgetItem* it = list->item(i);
        if (it->data(Qt::UserRole).toInt() != key) continue;
        list->scrollToItem(it);
        const QPoint at = list->viewport()->mapTo(f, list->visualItemRect(it).center());
        QTest::mouseClick(f->windowHandle(), Qt::LeftButton, Qt::NoModifier, at);
        settle();
        return;
    }
    ADD_FAILURE() << "PC " << key << " is not listed";
}

QString copySample(FaultTest& t, const QString& name) {
    const QString target = t.folderFile(name);
    QFile::remove(target);
    EXPECT_TRUE(QFile::copy(testsupport::samplesDir() + "/" + name, target)) << name.toStdString();
    return target;
}

// One write command: how its window is reached, the user's steps up to and including the command, the
// boxes it shows, and what a success leaves in the database.
struct Command {
    const char* name;
    const char* form;                       // the window that must stay usable
    std::function<void(FaultTest&)> open;   // rows behind the program's back, then the window
    std::function<void(FaultTest&)> steps;  // the user's steps and the command (FaultTest::command)
    QStringList asked;                      // boxes before the write ("title|buttons|prompt"), answered Yes or OK
    QStringList done;                       // boxes after a success, answered OK
    const char* query;                      // what a success wrote: this query's first value ...
    const char* written;                    // ... is this
    bool silent = false;                    // a refused write shows nothing (network New)
};

// ---- the windows' seeds ----------------------------------------------------------------------------

void openStock(FaultTest& t) {
    t.sql("INSERT INTO tbl_License_Key ([Key], Application_Name, Unit_Num) VALUES (1, 'Office', 10)");
    t.show("frm_Add_License");
}

void selectStock(FaultTest&) {
    auto* w = win<frm_Add_License>("frm_Add_License");
    clickRow(w->MSFlexGrid_License, 0, "1", 1);
}

void openAssignments(FaultTest& t) {
    t.addMaster("tbl_Location", 1, "本社");
    t.addUser(1, "山田");
    t.addPc({1, "PC-A", 1, 1});
    t.sql("INSERT INTO tbl_License_Key ([Key], Application_Name, Unit_Num) VALUES (1, 'Office', 10)");
    t.sql(
        "INSERT INTO tbl_License_Dat ([Key], Application_Code, Computer_Code, ProductID, [Update]) VALUES (1, 1, 1, "
        "'P-1', '2004/04/01')");
    t.show("frm_Edit_License");
}

void selectAssignment(FaultTest&) {
    auto* w = win<frm_Edit_License>("frm_Edit_License");
    clickRow(w->FGrid_EditLicense, 0, "1", 2);
}

void openMail(FaultTest& t) {
    t.addMaster("tbl_Location", 1, "本社");
    t.addUser(1, "山田");
    t.addPc({1, "PC-A", 1, 1});
    t.sql("INSERT INTO tbl_Mail_Management ([Key], User_Code, Conputer_Code, beat_loginID) VALUES (1, 1, 1, 'yamada')");
    t.show("frm_Edit_Mail");
}

void selectAccount(FaultTest&) {
    auto* w = win<frm_Edit_Mail>("frm_Edit_Mail");
    clickRow(w->MSFlexGrid_Mail, 1, "1", 2);  // column 1 holds the hidden key
}

void openNetwork(FaultTest& t) {
    t.addMaster("tbl_Location", 1, "本社");
    t.addUser(1, "山田");
    t.addPc({1, "PC-A", 1, 1});
    t.sql(
        "INSERT INTO tbl_NetworkUnit ([Key], Computer_Name, IPAddress, IPAddress_16num, Deleted_Flug) VALUES "
        "(0, 'HUB-01', '10.0.0.1', '0A000001', 0)");
    // A list as an earlier rebuild left it: the unit grid takes clicks only once one was built.
    t.sql("INSERT INTO tbl_NetworkList ([Key], Computer_Name, IPAddress_16num) VALUES (0, 'OLD-PC', '0A000009')");
    t.show("frm_Edit_Network");
}

void selectUnit(FaultTest&) {
    auto* w = win<frm_Edit_Network>("frm_Edit_Network");
    clickRow(w->MSFlexGrid_NetworkUnit, 0, "0", 3);
}

void openMasterEditor(FaultTest& t) {
    t.addMaster("tbl_Location", 1, "本社");
    gEditTableName = QStringLiteral("tbl_Location");
    gEditTableCaption = QStringLiteral("設置場所");
    t.show("frm_Edit_Table");
}

void selectMaster(FaultTest&) {
    auto* w = win<frm_Edit_Table>("frm_Edit_Table");
    clickRow(w->MSFlexGrid_Edit, 1, "本社", 1);
}

void openUserEditor(FaultTest& t) {
    t.addUser(1, "山田");
    t.show("frm_Edit_User");
}

void selectUser(FaultTest&) {
    auto* w = win<frm_Edit_User>("frm_Edit_User");
    clickRow(w->MSFlexGrid_Edit, 0, "1", 4);
}

void openPcEditor(FaultTest& t) {
    t.addMaster("tbl_Location", 1, "本社");
    t.addUser(1, "山田");
    t.addPc({1, "PC1", 1, 1});
    auto* main = static_cast<frm_Main*>(t.startMain());
    ASSERT_NE(main, nullptr);
    ASSERT_TRUE(testsupport::doubleClickCell(main->MSFlexGrid_Main, 1, 2));
    settle();
    ASSERT_NE(ui::findForm("frm_Edit_Computer"), nullptr);
}

// The comparison window with PC 1 picked and a file read (staged) already: the read under test reads
// another one, the overwrite writes this one.
void openComparison(FaultTest& t) {
    t.addMaster("tbl_Location", 1, "本社");
    t.addUser(1, "山田");
    t.addPc({1, "OLD-NAME", 1, 1});
    auto* f = static_cast<frm_Inport*>(t.show("frm_Inport"));
    ASSERT_NE(f, nullptr);
    pickPc(f, 1);
    ui::script::answerFile(copySample(t, "inventory_ja.csv"));
    ASSERT_TRUE(testsupport::triggerAction(f, "Mnu_Open"));
    ASSERT_EQ(msgBoxes(), QStringList());
}

// ---- the table -------------------------------------------------------------------------------------

const std::vector<Command>& commands() {
    static const std::vector<Command> table = {
        {"PcEditorSave",
         "frm_Edit_Computer",
         openPcEditor,
         [](FaultTest& t) {
             auto* e = win<frm_Edit_Computer>("frm_Edit_Computer");
             e->tbx_Dat[0]->setText("CHANGED");
             t.command(e, "Mnu_Update");
         },
         {QStringLiteral("Vondari|0|コンピュータ名 を CHANGED に \r\n変更しました。")},
         {},
         "SELECT Computer_Name FROM tbl_Pclist WHERE MainKey = 1",
         "CHANGED"},
        {"ComparisonRead",
         "frm_Inport",
         openComparison,
         [](FaultTest& t) {
             ui::script::answerFile(copySample(t, "inventory_en.csv"));
             t.command(win<frm_Inport>("frm_Inport"), "Mnu_Open");
         },
         {},
         {},
         "SELECT COUNT(*) > 0 FROM tbl_ReadCsv WHERE Contents = 'SALES-PC07'",
         "1"},
        {"ComparisonOverwrite",
         "frm_Inport",
         openComparison,
         [](FaultTest& t) { t.command(win<frm_Inport>("frm_Inport"), "Mnu_DBUpdate"); },
         {QStringLiteral("CSVインポート|36|DBを更新しますか ?")},
         {QStringLiteral("Vondari|0|完了しました")},
         "SELECT Computer_Name FROM tbl_Pclist WHERE MainKey = 1",
         "SOUMU-PC01"},
        {"LicenceStockNew",
         "frm_Add_License",
         openStock,
         [](FaultTest& t) { t.command(win<frm_Add_License>("frm_Add_License"), "Mnu_AddRecord"); },
         {},
         {},
         "SELECT COUNT(*) FROM tbl_License_Key WHERE [Key] = 2",
         "1"},
        {"LicenceStockUpdate",
         "frm_Add_License",
         openStock,
         [](FaultTest& t) {
             selectStock(t);
             auto* w = win<frm_Add_License>("frm_Add_License");
             w->tbx_LicenseName->setText("Renamed");
             w->tbx_LicenseNum->setText("12");
             t.command(w, "Mnu_EditRecord");
         },
         {},
         {},
         "SELECT Application_Name || '/' || Unit_Num FROM tbl_License_Key WHERE [Key] = 1",
         "Renamed/12"},
        {"LicenceStockDelete",
         "frm_Add_License",
         openStock,
         [](FaultTest& t) {
             selectStock(t);
             t.command(win<frm_Add_License>("frm_Add_License"), "Mnu_DeleteRecord");
         },
         {kDeleteAsk},
         {},
         "SELECT COUNT(*) FROM tbl_License_Key",
         "0"},
        {"AssignmentNew",
         "frm_Edit_License",
         openAssignments,
         [](FaultTest& t) {
             auto* w = win<frm_Edit_License>("frm_Edit_License");
             clickLine(w->List_license, "Office");
             clickLine(w->List_ComuputerName, "PC-A");
             t.command(w, "Mnu_AddRecord");
         },
         {},
         {},
         "SELECT COUNT(*) FROM tbl_License_Dat WHERE [Key] = 2",
         "1"},
        {"AssignmentUpdate",
         "frm_Edit_License",
         openAssignments,
         [](FaultTest& t) {
             selectAssignment(t);
             auto* w = win<frm_Edit_License>("frm_Edit_License");
             w->tbx_ProductID->setText("P-9");
             t.command(w, "Mnu_Update");
         },
         {},
         {},
         "SELECT ProductID FROM tbl_License_Dat WHERE [Key] = 1",
         "P-9"},
        {"AssignmentDelete",
         "frm_Edit_License",
         openAssignments,
         [](FaultTest& t) {
             selectAssignment(t);
             t.command(win<frm_Edit_License>("frm_Edit_License"), "Mnu_DeleteRecord");
         },
         {kDeleteAsk},
         {},
         "SELECT COUNT(*) FROM tbl_License_Dat",
         "0"},
        {"MailNew",
         "frm_Edit_Mail",
         openMail,
         [](FaultTest& t) { t.command(win<frm_Edit_Mail>("frm_Edit_Mail"), "Mnu_AddRecord"); },
         {},
         {},
         "SELECT COUNT(*) FROM tbl_Mail_Management WHERE [Key] = 2",
         "1"},
        {"MailUpdate",
         "frm_Edit_Mail",
         openMail,
         [](FaultTest& t) {
             selectAccount(t);
             auto* w = win<frm_Edit_Mail>("frm_Edit_Mail");
             w->tbx_tbl_Mail[0]->setText("kept");
             t.command(w, "Mnu_Update");
         },
         {},
         {},
         "SELECT beat_loginID FROM tbl_Mail_Management WHERE [Key] = 1",
         "kept"},
        {"MailDelete",
         "frm_Edit_Mail",
         openMail,
         [](FaultTest& t) {
             selectAccount(t);
             t.command(win<frm_Edit_Mail>("frm_Edit_Mail"), "Mnu_Delete");
         },
         {kDeleteAsk},
         {},
         "SELECT COUNT(*) FROM tbl_Mail_Management",
         "0"},
        {"NetworkNew",
         "frm_Edit_Network",
         openNetwork,
         [](FaultTest& t) { t.command(win<frm_Edit_Network>("frm_Edit_Network"), "Mnu_AddRecord"); },
         {},
         {},
         "SELECT COUNT(*) FROM tbl_NetworkUnit WHERE [Key] = 1 AND Deleted_Flug = 0",
         "1",
         true},
        {"NetworkUpdate",
         "frm_Edit_Network",
         openNetwork,
         [](FaultTest& t) {
             selectUnit(t);
             auto* w = win<frm_Edit_Network>("frm_Edit_Network");
             w->tbx_nunit[1]->setText("HUB-02");
             t.command(w, "Mnu_Update");
         },
         {},
         {},
         "SELECT Computer_Name FROM tbl_NetworkUnit WHERE [Key] = 0",
         "HUB-02"},
        {"NetworkDelete",
         "frm_Edit_Network",
         openNetwork,
         [](FaultTest& t) {
             selectUnit(t);
             t.command(win<frm_Edit_Network>("frm_Edit_Network"), "Mnu_Delete");
         },
         {kDeleteAsk},
         {},
         "SELECT COUNT(*) FROM tbl_NetworkUnit",
         "0"},
        {"NetworkListRebuild",
         "frm_Edit_Network",
         openNetwork,
         [](FaultTest& t) { t.command(win<frm_Edit_Network>("frm_Edit_Network"), "Mnu_ViewUpdate"); },
         {QStringLiteral("ネットワーク機器|36|更新に時間がかかります。リストを更新しますか ?")},
         {QStringLiteral("Vondari|0|完了")},
         "SELECT GROUP_CONCAT(Computer_Name, ',') FROM tbl_NetworkList",
         "PC-A,HUB-01"},
        {"MasterTableNew",
         "frm_Edit_Table",
         openMasterEditor,
         [](FaultTest& t) { t.command(win<frm_Edit_Table>("frm_Edit_Table"), "Mnu_Add"); },
         {},
         {},
         "SELECT COUNT(*) FROM tbl_Location WHERE Location_Code = 2",
         "1"},
        {"MasterTableUpdate",
         "frm_Edit_Table",
         openMasterEditor,
         [](FaultTest& t) {
             selectMaster(t);
             auto* w = win<frm_Edit_Table>("frm_Edit_Table");
             w->tbxEdit[1]->setText("支社");
             t.command(w, "Mnu_Update");
         },
         {},
         {},
         "SELECT Location_Name FROM tbl_Location WHERE Location_Code = 1",
         "支社"},
        {"MasterTableDelete",
         "frm_Edit_Table",
         openMasterEditor,
         [](FaultTest& t) {
             selectMaster(t);
             t.command(win<frm_Edit_Table>("frm_Edit_Table"), "Mnu_Delete");
         },
         {kDeleteAsk},
         {},
         "SELECT Available_flug FROM tbl_Location WHERE Location_Code = 1",
         "1"},
        {"UserNew",
         "frm_Edit_User",
         openUserEditor,
         [](FaultTest& t) { t.command(win<frm_Edit_User>("frm_Edit_User"), "Mnu_Add"); },
         {},
         {},
         "SELECT COUNT(*) FROM tbl_User WHERE User_Code = 2",
         "1"},
        {"UserUpdate",
         "frm_Edit_User",
         openUserEditor,
         [](FaultTest& t) {
             selectUser(t);
             auto* w = win<frm_Edit_User>("frm_Edit_User");
             w->tbxEdit[3]->setText("山田 太郎");
             t.command(w, "Mnu_Update");
         },
         {},
         {},
         "SELECT User_Name FROM tbl_User WHERE User_Code = 1",
         "山田 太郎"},
        {"UserDelete",
         "frm_Edit_User",
         openUserEditor,
         [](FaultTest& t) {
             selectUser(t);
             t.command(win<frm_Edit_User>("frm_Edit_User"), "Mnu_Delete");
         },
         {kDeleteAsk},
         {},
         "SELECT Available_flug FROM tbl_User WHERE User_Code = 1",
         "1"},
    };
    return table;
}

// A question is answered Yes, any other box OK.
std::vector<int> answersFor(const QStringList& boxes) {
    std::vector<int> out;
    for (const QString& box : boxes)
        out.push_back((box.section('|', 1, 1).toInt() & 7) == ui::vbYesNo ? ui::vbYes : ui::vbOK);
    return out;
}

QString errorBox(const QString& description) {
    return QStringLiteral("警告|%1|\r\n（エラーコード：%2）\r\n（エラー内容：%3）")
        .arg(ui::vbCritical)
        .arg(ado::errProvider)
        .arg(description);
}

// The lines one dump has more often than the other, each marked + (new) or - (gone).
QStringList changes(const QString& before, const QString& after) {
    QStringList a = before.split('\n'), b = after.split('\n');
    a.sort();
    b.sort();
    QStringList added, gone;
    std::set_difference(b.begin(), b.end(), a.begin(), a.end(), std::back_inserter(added));
    std::set_difference(a.begin(), a.end(), b.begin(), b.end(), std::back_inserter(gone));
    QStringList out;
    for (const QString& line : added) out << "+ " + line;
    for (const QString& line : gone) out << "- " + line;
    return out;
}

// One row of the table: a command (its index) under a fault.
struct Case {
    int command;
    Fault fault;
};
// CTest shows the parameter beside each test's name.
void PrintTo(const Case& c, std::ostream* os) {
    *os << commands()[std::size_t(c.command)].name << " under " << nameOf(c.fault);
}

class WriteUnderFault : public FaultTest, public ::testing::WithParamInterface<Case> {
protected:
    const Command& cmd() const { return commands()[std::size_t(GetParam().command)]; }
    Fault fault() const { return GetParam().fault; }

    void run(bool succeeds) {
        m_answers = answersFor(cmd().asked);
        if (succeeds) {
            for (int a : answersFor(cmd().done)) m_answers.push_back(a);
        } else if (!cmd().silent) {
            m_answers.push_back(ui::vbOK);  // the error box
        }
        cmd().steps(*this);
    }
    void expectWritten() {
        EXPECT_EQ(msgBoxes(), cmd().asked + cmd().done);
        EXPECT_EQ(scalar(QString::fromUtf8(cmd().query)), QString::fromUtf8(cmd().written));
        EXPECT_FALSE(gCn().inTransaction());
    }
};

TEST_P(WriteUnderFault, IsRefusedWholeAndNamedOrWaitsForTheLock) {
    cmd().open(*this);
    ASSERT_FALSE(HasFatalFailure());
    ui::script::reset();
    const QString before = everything();
    ASSERT_NE(scalar(QString::fromUtf8(cmd().query)), QString::fromUtf8(cmd().written)) << "written before";

    arm(fault());
    QElapsedTimer timer;
    timer.start();
    run(fault() == Fault::BriefLock);
    const qint64 took = timer.elapsed();
    disarm(fault());

    if (fault() == Fault::BriefLock) {
        expectWritten();
        EXPECT_GE(took, 450) << "the command did not meet the lock";
        return;
    }
    if (!cmd().silent) {
        EXPECT_EQ(msgBoxes(), cmd().asked + QStringList{errorBox(descriptionOf(fault()))});
    }
    EXPECT_EQ(changes(before, everything()), QStringList()) << "written in spite of the fault";
    EXPECT_FALSE(gCn().inTransaction());

    // The window stays usable: still open, and the same steps go through once the fault is gone.
    ui::Form* w = ui::findForm(QString::fromLatin1(cmd().form));
    ASSERT_NE(w, nullptr) << "the window closed";
    EXPECT_TRUE(w->isVisible());
    EXPECT_TRUE(w->isEnabled());
    ui::script::reset();
    run(true);
    expectWritten();
    EXPECT_NE(changes(before, everything()), QStringList()) << "the comparison cannot see a write";
}

std::vector<Case> allCases() {
    std::vector<Case> out;
    for (int i = 0; i < int(commands().size()); ++i)
        for (Fault f : {Fault::FullDisk, Fault::ReadOnly, Fault::Locked, Fault::BriefLock}) out.push_back({i, f});
    return out;
}

INSTANTIATE_TEST_SUITE_P(Commands, WriteUnderFault, ::testing::ValuesIn(allCases()),
                         [](const ::testing::TestParamInfo<Case>& info) {
                             return std::string(commands()[std::size_t(info.param.command)].name) + "_" +
                                    nameOf(info.param.fault);
                         });

}  // namespace
}  // namespace faulttest
