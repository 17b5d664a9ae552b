// The main menu: its entries in each state of the window, and the windows it opens.
#include <gtest/gtest.h>

#include <QAction>
#include <QFile>
#include <QMenu>
#include <QMenuBar>

#include "core/Mdl_gData.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/Forms.h"
#include "tests/core/main_menu/MainMenuFixture.h"

using namespace mainmenu;

namespace {

QString ideographic(int n) { return QString(n, QChar(0x3000)); }

const QStringList kEntries = {
    "Mnu_Read_Harvik",   "Mnu_View_INPORT",     "Mnu_View_EXPORT",        "Mnu_Program_Quit",     "Mnu_AddNew",
    "Mnu_Search",        "Mnu_Delete",          "Mnu_ReplacePC",          "Mnu_Edit_Users",       "Mnu_Edit_Table(1)",
    "Mnu_Edit_Table(2)", "Mnu_Edit_Table(3)",   "Mnu_Edit_Table(4)",      "Mnu_Edit_Table(5)",    "Mnu_Edit_profile",
    "Mnu_Edit_License",  "Mnu_Mail_Manegement", "Mnu_Network_Manegement", "View_ApplicationList", "Mnu_PrinterList",
    "Mnu_About",         "Mnu_ViewUpdate",      "Mnu_View_Select"};

class MenuTest : public MainMenuTest {
protected:
    void startWithPcs() {
        writeThreeColumnView();
        addLocation(1, "本社");
        addUser(1, "山田");
        addPc({7, "PC-007", 1, 1});
        addPc({9, "PC-009"});
        ASSERT_NE(start(), nullptr);
        ASSERT_EQ(gRowCount, 2);
    }

    // The entries that are disabled right now.
    QStringList disabledEntries() const {
        QStringList off;
        for (const QString& name : kEntries)
            if (QAction* a = action(name); a && !a->isEnabled()) off << name;
        return off;
    }

    void setGeometryGlobals(qint32 w, qint32 h, qint32 t, qint32 l) {
        gFormWidth = w;
        gFormHeight = h;
        gFormTop = t;
        gFormLeft = l;
    }
};

TEST_F(MenuTest, MenusHoldTheirEntriesInOrderWithCaptionsAndShortcuts) {
    startWithPcs();
    struct Item {
        QString name;  // "-" for a separator
        QString caption;
        QKeySequence shortcut;
    };
    struct Menu {
        QString name;
        QString caption;
        std::vector<Item> items;
    };
    const std::vector<Menu> expected = {
        {"Mnu_Files",
         "ファイル" + ideographic(7),
         {{"Mnu_Read_Harvik", "Harvikデータ読込", QKeySequence(Qt::CTRL | Qt::Key_O)},
          {"-", "", {}},
          {"Mnu_View_INPORT", "インポート", {}},
          {"Mnu_View_EXPORT", "エクスポート", {}},
          {"-", "", {}},
          {"Mnu_Program_Quit", "終了する", QKeySequence(Qt::CTRL | Qt::Key_Q)}}},
        {"Mnu_Edit",
         "編集" + ideographic(8),
         {{"Mnu_AddNew", "新規作成      ", QKeySequence(Qt::CTRL | Qt::Key_N)},
          {"-", "", {}},
          {"Mnu_Search", "検索", QKeySequence(Qt::CTRL | Qt::Key_F)},
          {"-", "", {}},
          {"Mnu_Delete", "削除", {}},
          {"Mnu_ReplacePC", "廃棄登録", {}}}},
        {"Mnu_Managements",
         "管理" + ideographic(9),
         {{"Mnu_Edit_Users", "ユーザ", {}},
          {"Mnu_Edit_Table(1)", "部署", {}},
          {"Mnu_Edit_Table(2)", "課", {}},
          {"Mnu_Edit_Table(3)", "設置場所", {}},
          {"Mnu_Edit_Table(4)", "メーカー", {}},
          {"Mnu_Edit_Table(5)", "モデル", {}},
          {"-", "", {}},
          {"Mnu_Edit_profile", "PCのプロファイル", {}},
          {"Mnu_Edit_License", "ライセンス", {}},
          {"Mnu_Mail_Manegement", "メールアドレス", {}},
          {"Mnu_Network_Manegement", "ネットワーク", {}},
          {"-", "", {}},
          {"View_ApplicationList", "アプリケーション一覧", {}},
          {"Mnu_PrinterList", "プリンタ一覧", {}}}},
        {"Mnu_View",
         "表示" + ideographic(9),
         {{"Mnu_About", "アバウト", {}},
          {"-", "", {}},
          {"Mnu_ViewUpdate", "画面更新", {}},
          {"Mnu_View_Select", "表示条件変更", {}}}},
    };

    const QList<QAction*> bar = m_main->menuBar()->actions();
    ASSERT_EQ(bar.size(), qsizetype(expected.size()));
    for (std::size_t m = 0; m < expected.size(); ++m) {
        SCOPED_TRACE(expected[m].name.toStdString());
        QMenu* menu = bar[qsizetype(m)]->menu();
        ASSERT_NE(menu, nullptr);
        EXPECT_EQ(menu->objectName(), expected[m].name);
        EXPECT_EQ(menu->title(), expected[m].caption);
        const QList<QAction*> items = menu->actions();
        ASSERT_EQ(items.size(), qsizetype(expected[m].items.size()));
        for (std::size_t i = 0; i < expected[m].items.size(); ++i) {
            const Item& want = expected[m].items[i];
            SCOPED_TRACE(want.name.toStdString());
            QAction* got = items[qsizetype(i)];
            if (want.name == "-") {
                EXPECT_TRUE(got->isSeparator());
                continue;
            }
            EXPECT_EQ(got->objectName(), want.name);
            EXPECT_EQ(got->text(), want.caption);
            EXPECT_EQ(got->shortcut(), want.shortcut);
        }
    }
    // The control members are the entries in the bar.
    EXPECT_EQ(m_main->Mnu_Edit_Table[3], action("Mnu_Edit_Table(3)"));
    EXPECT_EQ(m_main->Mnu_ReplacePC, action("Mnu_ReplacePC"));
}

// One walk through the states of the window; the menus themselves stay enabled throughout.
TEST_F(MenuTest, EntriesAreEnabledAsTheWindowStateGoes) {
    startWithPcs();
    const QStringList pcCommands = {"Mnu_Delete", "Mnu_ReplacePC", "Mnu_Edit_profile"};
    auto expectOff = [&](QStringList off, const char* state) {
        SCOPED_TRACE(state);
        off.sort();
        QStringList got = disabledEntries();
        got.sort();
        EXPECT_EQ(got, off);
        for (QMenu* menu : {m_main->Mnu_Files, m_main->Mnu_Edit, m_main->Mnu_Managements, m_main->Mnu_View})
            EXPECT_TRUE(menu->menuAction()->isEnabled());
    };

    expectOff(pcCommands, "after start-up");
    clickPc(7);
    expectOff({}, "after a click on a PC");
    trigger("Mnu_Edit_profile");
    expectOff({"Mnu_Edit_profile"}, "after the PC record editor was opened");
    settle();

    ui::script::answerMsgBox(ui::vbYes);
    ui::script::answerInput("2005/12/04");
    trigger("Mnu_ReplacePC");
    expectOff({"Mnu_Edit_profile", "Mnu_ReplacePC"}, "after a removal");

    clickPc(9);
    expectOff({}, "after a click on another PC");
    ui::script::answerMsgBox(ui::vbYes);
    ui::script::answerMsgBox(ui::vbOK);
    trigger("Mnu_Delete");
    expectOff({"Mnu_Delete"}, "after a delete");

    addPc({11, "PC-011"});
    trigger("Mnu_ViewUpdate");
    ui::script::answerMsgBox(ui::vbYes);
    ui::script::answerMsgBox(ui::vbOK);
    trigger("Mnu_AddNew");
    expectOff(pcCommands, "after a refresh and a new PC");
    clickPc(11);
    ui::script::answerInput("PC");
    trigger("Mnu_Search");
    expectOff({}, "after a search");
}

TEST_F(MenuTest, WithoutDatabaseEveryEntryIsEnabledAndTheRecordCommandsDoNothing) {
    writeThreeColumnView();
    ASSERT_TRUE(QFile::remove(m_folder->dbPath()));
    ASSERT_NE(start(), nullptr);
    EXPECT_TRUE(disabledEntries().isEmpty()) << disabledEntries().join(' ').toStdString();
    EXPECT_FALSE(m_main->MainListReady);

    // New before the list was ever filled, and delete and removal without a selection: no box at all.
    for (const char* entry : {"Mnu_AddNew", "Mnu_Delete", "Mnu_ReplacePC"}) trigger(entry);
    EXPECT_TRUE(ui::script::shown().empty());
}

TEST_F(MenuTest, WindowsOpenModalOrModelessAndOnlySomeTakeTheMainGeometry) {
    startWithPcs();
    struct Case {
        const char* entry;
        const char* className;
        bool modal;
        bool copiesGeometry;
    };
    const Case cases[] = {
        {"Mnu_Read_Harvik", "frm_Open", true, false},
        {"Mnu_View_INPORT", "frm_Inport", false, true},
        {"Mnu_Edit_Users", "frm_Edit_User", true, true},
        {"Mnu_Edit_Table(4)", "frm_Edit_Table", true, false},
        {"Mnu_Edit_License", "frm_Edit_License", false, true},
        {"Mnu_Mail_Manegement", "frm_Edit_Mail", true, true},
        {"Mnu_Network_Manegement", "frm_Edit_Network", false, true},
        {"View_ApplicationList", "frm_List_Application", false, false},
        {"Mnu_PrinterList", "frm_List_Printer", false, true},
        {"Mnu_About", "frmAbout", true, false},
        {"Mnu_View_Select", "frm_SelectView", true, false},
    };
    m_main->setWidth(12000);
    m_main->setHeight(9000);
    m_main->setTop(1500);
    m_main->setLeft(3000);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.entry);
        setGeometryGlobals(1111, 2222, 333, 444);
        probeLoads().clear();
        trigger(c.entry);

        ASSERT_EQ(probeLoads().size(), 1u);
        const ProbeLoad& load = probeLoads().front();
        EXPECT_EQ(load.className, c.className);
        // A modal window blocks the command until it is closed; a modeless one is still open after it.
        EXPECT_EQ(ui::findForm(c.className) == nullptr, c.modal);
        if (c.copiesGeometry) {
            EXPECT_EQ(load.formWidth, m_main->Width());
            EXPECT_EQ(load.formHeight, m_main->Height());
            EXPECT_EQ(load.formTop, m_main->Top());
            EXPECT_EQ(load.formLeft, m_main->Left());
        } else {
            EXPECT_EQ(load.formWidth, 1111);
            EXPECT_EQ(load.formHeight, 2222);
            EXPECT_EQ(load.formTop, 333);
            EXPECT_EQ(load.formLeft, 444);
        }
        settle();
        EXPECT_EQ(ui::findForm(c.className), nullptr);
        EXPECT_EQ(probeLoads().front().shownModal, c.modal);
    }
    // Opening a window shows no box of its own.
    EXPECT_TRUE(ui::script::shown().empty());
}

TEST_F(MenuTest, AMainWindowAtTopZeroLeavesTheStoredTop) {
    startWithPcs();
    m_main->setTop(0);
    m_main->setLeft(600);
    setGeometryGlobals(1111, 2222, 333, 444);
    trigger("Mnu_Network_Manegement");
    ASSERT_EQ(probeLoads().size(), 1u);
    EXPECT_EQ(probeLoads()[0].formTop, 333);
    EXPECT_EQ(probeLoads()[0].formLeft, m_main->Left());
    EXPECT_EQ(gFormTop, 333);
}

TEST_F(MenuTest, TheApplicationListTakesTheGeometryLastStored) {
    startWithPcs();
    const qint32 top = gFormTop, left = gFormLeft, width = gFormWidth, height = gFormHeight;
    m_main->setLeft(4500);  // moved, but nothing copied yet
    trigger("View_ApplicationList");
    ASSERT_EQ(probeLoads().size(), 1u);
    EXPECT_EQ(probeLoads()[0].formTop, top);
    EXPECT_EQ(probeLoads()[0].formLeft, left);
    EXPECT_EQ(probeLoads()[0].formWidth, width);
    EXPECT_EQ(probeLoads()[0].formHeight, height);
}

TEST_F(MenuTest, AnOpenWindowIsOnlyBroughtToTheFront) {
    startWithPcs();
    g_probeClosesItself = false;
    trigger("Mnu_Edit_License");
    ui::Form* first = ui::findForm("frm_Edit_License");
    ASSERT_NE(first, nullptr);
    first->setLeft(750);
    const QRect placed = first->geometry();

    m_main->setLeft(6000);
    trigger("Mnu_Edit_License");
    EXPECT_EQ(ui::findForm("frm_Edit_License"), first);
    EXPECT_EQ(probeLoads().size(), 1u);  // not loaded again
    EXPECT_EQ(first->geometry(), placed);
    EXPECT_EQ(gFormLeft, m_main->Left());  // the copy itself still ran
}

TEST_F(MenuTest, MasterTableEntriesHandOverTheirTable) {
    startWithPcs();
    struct Case {
        int index;
        const char* table;
        const char* caption;
    };
    const Case cases[] = {{1, "tbl_Section", "部"},
                          {2, "tbl_Division", "課"},
                          {3, "tbl_Location", "設置場所"},
                          {4, "tbl_Manufacturer", "メーカー"},
                          {5, "tbl_Model", "モデル"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.index);
        probeLoads().clear();
        trigger(QString("Mnu_Edit_Table(%1)").arg(c.index));
        ASSERT_EQ(probeLoads().size(), 1u);
        EXPECT_EQ(probeLoads()[0].className, "frm_Edit_Table");
        EXPECT_EQ(probeLoads()[0].editTableName, c.table);
        EXPECT_EQ(probeLoads()[0].editTableCaption, c.caption);
        EXPECT_EQ(ui::findForm("frm_Edit_Table"), nullptr);  // modal: closed when the command returned
    }
}

// The main window moved while it kept the focus (dragged by its title bar): the editor still opens at
// its place, and only the place is taken.
TEST_F(MenuTest, TheEditorTakesThePlaceTheMainWindowStandsAtNow) {
    startWithPcs();
    setGeometryGlobals(1111, 2222, 333, 444);
    m_main->setTop(1500);
    m_main->setLeft(3000);
    clickPc(9);
    trigger("Mnu_Edit_profile");
    ASSERT_EQ(probeLoads().size(), 1u);
    EXPECT_EQ(probeLoads()[0].formTop, m_main->Top());
    EXPECT_EQ(probeLoads()[0].formLeft, m_main->Left());
    EXPECT_EQ(probeLoads()[0].formWidth, 1111);
    EXPECT_EQ(probeLoads()[0].formHeight, 2222);
}

TEST_F(MenuTest, ProfileOpensTheEditorOnTheClickedPcAndIsDisabledAgain) {
    startWithPcs();
    EXPECT_FALSE(action("Mnu_Edit_profile")->isEnabled());
    clickPc(9);
    const int row = rowOf(9);
    trigger("Mnu_Edit_profile");
    ASSERT_EQ(probeLoads().size(), 1u);
    EXPECT_EQ(probeLoads()[0].className, "frm_Edit_Computer");
    EXPECT_EQ(probeLoads()[0].selMainKey, 9);
    EXPECT_EQ(probeLoads()[0].selRow, row);
    EXPECT_NE(ui::findForm("frm_Edit_Computer"), nullptr);  // modeless
    EXPECT_FALSE(action("Mnu_Edit_profile")->isEnabled());
    settle();

    // A double click still opens it.
    m_main->MSFlexGrid_Main_DblClick();
    EXPECT_EQ(probeLoads().size(), 2u);
}

TEST_F(MenuTest, EntriesOfWindowsNotBuiltYetOpenNothing) {
    startWithPcs();
    unbuiltClasses() = {"frm_Inport",       "frm_Edit_License", "frm_List_Application", "frm_Edit_Mail",
                        "frm_Edit_Network", "frm_List_Printer", "frm_Edit_Computer"};
    clickPc(7);
    const std::size_t before = ui::loadedForms().size();
    for (const char* entry : {"Mnu_View_INPORT", "Mnu_Edit_License", "View_ApplicationList", "Mnu_Mail_Manegement",
                              "Mnu_Network_Manegement", "Mnu_PrinterList", "Mnu_Edit_profile"}) {
        SCOPED_TRACE(entry);
        trigger(entry);
    }
    EXPECT_EQ(ui::loadedForms().size(), before);
    EXPECT_TRUE(probeLoads().empty());
    EXPECT_TRUE(ui::script::shown().empty());
}

TEST_F(MenuTest, ShortcutsRunTheirEntries) {
    startWithPcs();
    press(QKeySequence(Qt::CTRL | Qt::Key_O));
    ASSERT_EQ(probeLoads().size(), 1u);
    EXPECT_EQ(probeLoads()[0].className, "frm_Open");

    ui::script::answerMsgBox(ui::vbNo);
    press(QKeySequence(Qt::CTRL | Qt::Key_N));
    ui::script::cancelInput();
    press(QKeySequence(Qt::CTRL | Qt::Key_F));
    ASSERT_EQ(ui::script::shown().size(), 2u);
    EXPECT_EQ(ui::script::shown()[0].prompt, "レコードを新規作成しますか？");
    EXPECT_EQ(ui::script::shown()[1].prompt, "検索する単語を入力してください");

    press(QKeySequence(Qt::CTRL | Qt::Key_Q));
    settle();
    EXPECT_EQ(ui::findForm("frm_Main"), nullptr);
    m_main = nullptr;
}

TEST_F(MenuTest, RefreshRebuildsTheListWithNoSelection) {
    startWithPcs();
    clickPc(7);
    addPc({12, "PC-012"});
    // A modal window closing does not refill the list.
    trigger("Mnu_About");
    EXPECT_EQ(rowOf(12), 0);

    trigger("Mnu_ViewUpdate");
    EXPECT_GT(rowOf(12), 0);
    EXPECT_EQ(gRowCount, 3);
    EXPECT_EQ(m_main->MainSelKey, 0);
    EXPECT_EQ(m_main->MainSelRow, 0);
    EXPECT_EQ(gColumnDefLast, 76);
    for (const char* entry : {"Mnu_Edit_profile", "Mnu_Delete", "Mnu_ReplacePC"})
        EXPECT_FALSE(action(entry)->isEnabled()) << entry;
}

TEST_F(MenuTest, RefreshOnAViewWithoutRecordsLeavesAnEmptyGrid) {
    startWithPcs();
    clickPc(7);
    gOptDel = 1;  // removed PCs only: there are none
    trigger("Mnu_ViewUpdate");
    EXPECT_EQ(m_main->MSFlexGrid_Main->Rows(), 0);
    EXPECT_EQ(m_main->MSFlexGrid_Main->Cols(), 0);
    EXPECT_EQ(m_main->MainSelKey, 0);
    for (const char* entry : {"Mnu_Edit_profile", "Mnu_Delete", "Mnu_ReplacePC"})
        EXPECT_FALSE(action(entry)->isEnabled()) << entry;
}

}  // namespace
