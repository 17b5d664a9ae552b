// The view-settings window end to end: the real main window started on a copy of the template database,
// the view window driven as a user does, the main list and "DB.ini" (byte for byte) checked after each
// apply, rename, switch and close.
#include <gtest/gtest.h>

#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QTest>
#include <vector>

#include "core/Mdl_gData.h"
#include "core/frm_Main.h"
#include "core/frm_SelectView.h"
#include "platform/text/Cp932.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/DropDownCombo.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/Forms.h"
#include "tests/core/editors/EditorsFixture.h"

namespace editors {
namespace {

struct Key {
    QString name;
    QString caption;
    QString direction;
};

// The section of one view as the window writes it: unused key slots empty with "DESC".
QStringList viewLines(int n, int optDel, const std::vector<Key>& keys, const QList<int>& columns) {
    QStringList l{QString("[%1]").arg(n), QString("OptDel=%1").arg(optDel),
                  QString("SelectNumber=%1").arg(keys.size())};
    for (int k = 0; k < 3; ++k) l << QString("KeyName%1=%2").arg(k).arg(k < int(keys.size()) ? keys[k].name : "");
    for (int k = 0; k < 3; ++k) l << QString("KeyCaption%1=%2").arg(k).arg(k < int(keys.size()) ? keys[k].caption : "");
    for (int k = 0; k < 3; ++k)
        l << QString("KeyASCDESC%1=%2").arg(k).arg(k < int(keys.size()) ? keys[k].direction : "DESC");
    l << QString("MSFlexGrit_SelectNum=%1").arg(columns.size());
    for (int i = 0; i < columns.size(); ++i) l << QString("MSFlexGrit_Select%1=%2").arg(i + 1).arg(columns[i]);
    return l;
}

QStringList mainLines(int current, const QStringList& names) {
    QStringList l{"[Main]", QString("SectionNumber=%1").arg(current)};
    for (int i = 0; i < 8; ++i) l << QString("SectionName%1=%2").arg(i).arg(i < names.size() ? names[i] : "");
    return l;
}

const QStringList kUnnamed(8, QString());

class SelectViewTest : public EditorsTest {
protected:
    SelectViewTest() { m_openDb = false; }

    void SetUp() override {
        EditorsTest::SetUp();
        addPc(1, "PC-A");
        addPc(2, "PC-B");
        addPc(3, "PC-C", 1);
    }

    void addPc(int key, const QString& name, int deleted = 0) {
        sql(QString("INSERT INTO tbl_Computer_List (MainKey, Location_Code, User_Code, Manufacturer_Code, Model_Code, "
                    "Deleted_Flug) VALUES (%1, 0, 0, 0, 0, %2)")
                .arg(key)
                .arg(deleted));
        sql(QString("INSERT INTO tbl_Pclist (MainKey, Computer_Name) VALUES (%1, '%2')").arg(key).arg(name));
    }

    // Starts the main window as the program does, then loads the view window as its menu does.
    frm_SelectView* start() {
        m_main = new frm_Main;
        m_main->Load();
        m_win = load<frm_SelectView>("frm_SelectView");
        return m_win;
    }

    QString iniPath() const { return m_folder->file("DB.ini"); }
    void writeIni(const QStringList& lines) {
        QFile f(iniPath());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(cp932Lines(lines));
    }
    QByteArray iniBytes() const {
        QFile f(iniPath());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<no file>");
    }

    // A click on a row of the column list: it toggles that row.
    void clickColumnRow(int row) {
        QListWidgetItem* item = m_win->Lst_Select->item(row);
        item->setSelected(!item->isSelected());
    }
    // Opens key box k and picks list position p (0 is the blank item, p the catalogue entry p).
    void pickKey(int k, int p) { pickItem(m_win->cmb_Order[k], p); }
    void clickOption(QRadioButton* option) { option->click(); }

    QList<int> chosenRows() const {
        QList<int> rows;
        for (int r = 0; r < m_win->Lst_Select->count(); ++r)
            if (m_win->Lst_Select->item(r)->isSelected()) rows << r;
        return rows;
    }
    // Header captions of the main list's chosen columns, and the computer names down the list.
    QStringList mainHeader() const {
        QStringList out;
        for (int c = 2; c < m_main->MSFlexGrid_Main->Cols(); ++c) out << m_main->MSFlexGrid_Main->TextMatrix(0, c);
        return out;
    }
    QStringList mainColumn(int col) const {
        QStringList out;
        for (int r = 1; r < m_main->MSFlexGrid_Main->Rows(); ++r) out << m_main->MSFlexGrid_Main->TextMatrix(r, col);
        return out;
    }
    QString viewCaption(int i) const { return m_win->Mnu_ViewSelect[i]->text(); }
    int checkedView() const {
        int found = -1;
        for (int i = 0; i < 8; ++i)
            if (m_win->Mnu_ViewSelect[i]->isChecked()) found = found < 0 ? i : 99;
        return found;
    }

    frm_Main* m_main = nullptr;
    frm_SelectView* m_win = nullptr;
};

TEST_F(SelectViewTest, LoadShowsTheCurrentViewsState) {
    writeIni({"[Main]", "SectionNumber=2", "SectionName0=全体", "SectionName2=撤去分", "", "[2]", "OptDel=1",
              "SelectNumber=2", "KeyName0=Computer_Name", "KeyName1=Location_Name", "KeyCaption0=コンピュータ名",
              "KeyCaption1=設置場所", "KeyASCDESC0=DESC", "KeyASCDESC1=ASC", "MSFlexGrit_SelectNum=2",
              "MSFlexGrit_Select1=1", "MSFlexGrit_Select2=8"});
    start();
    ASSERT_NE(m_win, nullptr);
    EXPECT_EQ(m_win->windowTitle(), "表示設定");
    EXPECT_EQ(m_win->Width(), 8010);
    EXPECT_EQ(m_win->Height(), 6045);

    ASSERT_EQ(m_win->Lst_Select->count(), 76);
    EXPECT_EQ(m_win->Lst_Select->item(0)->text(), "設置場所");
    EXPECT_EQ(m_win->Lst_Select->item(7)->text(), "コンピュータ名");
    EXPECT_EQ(m_win->Lst_Select->item(75)->text(), "コメント");
    EXPECT_EQ(m_win->Lst_Select->item(75)->data(Qt::UserRole).toInt(), 76);
    EXPECT_EQ(chosenRows(), QList<int>({0, 7}));

    EXPECT_TRUE(m_win->OptDel[1]->isChecked());
    EXPECT_EQ(m_win->cmb_Order[0]->currentText(), "コンピュータ名");
    EXPECT_EQ(m_win->cmb_key[0]->text(), "Computer_Name");
    EXPECT_EQ(m_win->cmb_Order[1]->currentText(), "設置場所");
    EXPECT_EQ(m_win->cmb_key[1]->text(), "Location_Name");
    EXPECT_EQ(m_win->cmb_key[2]->text(), "");
    EXPECT_FALSE(m_win->cmb_key[0]->isVisibleTo(m_win));
    EXPECT_TRUE(m_win->Opt_ASC_DESC[1]->isChecked());
    EXPECT_TRUE(m_win->Opt_ASC_DESC[2]->isChecked());
    EXPECT_EQ(m_win->cmb_Order[0]->count(), 0);  // no list until the box is opened

    EXPECT_FALSE(m_win->Mnu_Update->isEnabled());
    EXPECT_EQ(viewCaption(0), "0:全体");
    EXPECT_EQ(viewCaption(1), "1: ");  // an unnamed view: number, colon, one blank
    EXPECT_EQ(viewCaption(2), "2:撤去分");
    EXPECT_EQ(checkedView(), 2);

    EXPECT_EQ(action(m_win, "Mnu_Close")->text(), "閉じる" + QString(6, QChar(0x3000)));
    EXPECT_EQ(action(m_win, "Mnu_Close")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_W));
    EXPECT_EQ(action(m_win, "Mnu_SelectAll")->text(), "リスト全選択" + QString(3, QChar(0x3000)));
    EXPECT_TRUE(action(m_win, "sepalate02")->isSeparator());
    EXPECT_TRUE(action(m_win, "sepalate03")->isSeparator());
}

TEST_F(SelectViewTest, ApplyRefillsTheListAndWritesTheViewByteForByte) {
    writeIni({"[0]", "MSFlexGrit_SelectNum=1", "MSFlexGrit_Select1=4"});
    start();
    // The PC the user had selected in the main list is forgotten by the refill.
    const int rowB = rowWith(m_main->MSFlexGrid_Main, 1, "2");
    ASSERT_GT(rowB, 0);
    clickCell(m_main->MSFlexGrid_Main, rowB, 2);
    ASSERT_EQ(m_main->MainSelKey, 2);

    EXPECT_EQ(chosenRows(), QList<int>({3}));
    clickColumnRow(3);  // ユーザ off
    clickColumnRow(7);  // コンピュータ名, chosen before
    clickColumnRow(0);  // 設置場所
    EXPECT_TRUE(m_win->Mnu_Update->isEnabled());
    pickKey(0, 8);
    clickOption(m_win->Opt_ASC_DESC[1]);
    trigger(m_win, "Mnu_Update");

    const QByteArray first = cp932Lines(viewLines(0, 0, {{"Computer_Name", "コンピュータ名", "DESC"}}, {1, 8}) +
                                        QStringList{""} + mainLines(0, kUnnamed));
    EXPECT_EQ(iniBytes(), first);
    EXPECT_FALSE(m_win->Mnu_Update->isEnabled());
    EXPECT_TRUE(gViewSQL.endsWith(" ORDER BY Computer_Name DESC;"));
    // The chosen columns in catalogue order, the PCs by name descending, installed ones only.
    EXPECT_EQ(mainHeader(), QStringList({"設置場所", "コンピュータ名"}));
    EXPECT_EQ(mainColumn(3), QStringList({"PC-B", "PC-A"}));
    EXPECT_EQ(m_main->MainSelKey, 0);
    EXPECT_FALSE(m_main->Mnu_Edit_profile->isEnabled());
    EXPECT_FALSE(m_main->Mnu_Delete->isEnabled());
    // The window shows what it stored.
    EXPECT_EQ(m_win->cmb_Order[0]->currentText(), "コンピュータ名");
    EXPECT_EQ(m_win->cmb_key[0]->text(), "Computer_Name");
    EXPECT_EQ(m_win->cmb_Order[1]->currentText(), " ");
    EXPECT_TRUE(m_win->Opt_ASC_DESC[1]->isChecked());

    // Applying again with nothing changed (a row clicked twice) writes the same view; its section is
    // deleted and written anew, so it now follows "Main".
    clickColumnRow(3);
    clickColumnRow(3);
    trigger(m_win, "Mnu_Update");
    EXPECT_EQ(iniBytes(), cp932Lines(mainLines(0, kUnnamed) + QStringList{""} +
                                     viewLines(0, 0, {{"Computer_Name", "コンピュータ名", "DESC"}}, {1, 8})));
    EXPECT_EQ(ui::findForm("frm_SelectView"), m_win);  // the window stays open
}

TEST_F(SelectViewTest, ApplyReplacesEveryOldKeyOfTheView) {
    writeIni({"[Main]", "SectionNumber=1", "SectionName1=一覧", "", "[1]", "OptDel=0", "SelectNumber=0",
              "MSFlexGrit_SelectNum=3", "MSFlexGrit_Select1=1", "MSFlexGrit_Select2=4", "MSFlexGrit_Select3=8",
              "Stale=1"});
    start();
    clickColumnRow(3);  // ユーザ off: 1 and 8 stay
    trigger(m_win, "Mnu_Update");
    EXPECT_EQ(iniBytes(), cp932Lines(QStringList{"[Main]", "SectionNumber=1", "SectionName1=一覧",
                                                 "SectionName0=", "SectionName2=", "SectionName3=", "SectionName4=",
                                                 "SectionName5=", "SectionName6=", "SectionName7=", ""} +
                                     viewLines(1, 0, {}, {1, 8})));
    EXPECT_EQ(mainHeader(), QStringList({"設置場所", "コンピュータ名"}));
}

// Rows that have a key move up over rows without one, keeping their order and their own directions.
TEST_F(SelectViewTest, SortKeysMoveUpOverABlankRow) {
    writeIni({"[0]", "OptDel=0", "SelectNumber=3", "KeyName0=Location_Name", "KeyName1=User_Name",
              "KeyName2=Computer_Name", "KeyCaption0=設置場所", "KeyCaption1=ユーザ", "KeyCaption2=コンピュータ名",
              "KeyASCDESC0=ASC", "KeyASCDESC1=ASC", "KeyASCDESC2=DESC", "MSFlexGrit_SelectNum=1",
              "MSFlexGrit_Select1=8"});
    start();
    pickKey(1, 0);  // the blank item
    trigger(m_win, "Mnu_Update");

    EXPECT_EQ(gSelectNumber, 2);
    EXPECT_EQ(gKeyName[1], "Computer_Name");
    EXPECT_EQ(gKeyAscDesc[1], "DESC");
    EXPECT_TRUE(gViewSQL.endsWith(" ORDER BY Location_Name ASC,Computer_Name DESC;"));
    EXPECT_EQ(m_win->cmb_Order[1]->currentText(), "コンピュータ名");
    EXPECT_EQ(m_win->cmb_key[1]->text(), "Computer_Name");
    EXPECT_TRUE(m_win->Opt_ASC_DESC[3]->isChecked());
    EXPECT_EQ(m_win->cmb_Order[2]->currentText(), " ");
    EXPECT_EQ(m_win->cmb_key[2]->text(), "");
    EXPECT_TRUE(m_win->Opt_ASC_DESC[4]->isChecked());  // the unused row shows 昇順
    EXPECT_EQ(
        iniBytes(),
        cp932Lines(
            viewLines(0, 0, {{"Location_Name", "設置場所", "ASC"}, {"Computer_Name", "コンピュータ名", "DESC"}}, {8}) +
            QStringList{""} + mainLines(0, kUnnamed)));
}

TEST_F(SelectViewTest, UnpickedOrTypedKeyBoxKeepsItsKey) {
    writeIni({"[0]", "SelectNumber=1", "KeyName0=Location_Name", "KeyCaption0=設置場所", "KeyASCDESC0=ASC"});
    start();
    ui::DropDownCombo* box = m_win->cmb_Order[0];
    box->showPopup();
    box->hidePopup();
    EXPECT_EQ(box->count(), 77);
    EXPECT_EQ(box->itemText(0), " ");
    EXPECT_EQ(box->itemText(8), "コンピュータ名");
    EXPECT_EQ(box->itemData(8).toInt(), 8);
    EXPECT_EQ(box->currentText(), "設置場所");  // opening the list keeps the caption shown

    box->lineEdit()->selectAll();
    commitText(box->lineEdit(), "コンピュータ名");
    ASSERT_EQ(box->currentText(), "コンピュータ名");
    QTest::keyClick(box->lineEdit(), Qt::Key_Return);
    EXPECT_FALSE(m_win->Mnu_Update->isEnabled());  // typing enables nothing

    clickColumnRow(0);
    clickColumnRow(0);
    trigger(m_win, "Mnu_Update");
    EXPECT_EQ(gSelectNumber, 1);
    EXPECT_EQ(gKeyName[0], "Location_Name");
    EXPECT_EQ(gKeyCaption[0], "設置場所");
    EXPECT_EQ(box->currentText(), "設置場所");

    // A pick followed by typing counts as typing: the row keeps its stored key.
    pickKey(0, 8);
    box->lineEdit()->selectAll();
    commitText(box->lineEdit(), "ユーザ");
    trigger(m_win, "Mnu_Update");
    EXPECT_EQ(gKeyName[0], "Location_Name");
}

// Stepping with the arrow keys after typing picks the item the box then shows, as a pick from the list.
TEST_F(SelectViewTest, ArrowKeyAfterTypingPicksTheItemShown) {
    writeIni({"[0]", "SelectNumber=1", "KeyName0=Location_Name", "KeyCaption0=設置場所", "KeyASCDESC0=ASC"});
    start();
    ui::DropDownCombo* box = m_win->cmb_Order[0];
    box->showPopup();
    box->hidePopup();
    box->lineEdit()->selectAll();
    commitText(box->lineEdit(), "typed");
    for (int i = 0; i < 3; ++i) QTest::keyClick(box, Qt::Key_Down);  // blank, entry 1, entry 2
    ASSERT_EQ(box->currentIndex(), 2);
    EXPECT_EQ(box->currentText(), gColumnDef[2].Caption);
    EXPECT_TRUE(m_win->Mnu_Update->isEnabled());
    trigger(m_win, "Mnu_Update");
    EXPECT_EQ(gKeyName[0], gColumnDef[2].FieldName);
    EXPECT_EQ(gKeyCaption[0], gColumnDef[2].Caption);
}

TEST_F(SelectViewTest, FilterOptionShowsTheStoredKeysAgainAndFiltersOnApply) {
    start();
    pickKey(0, 8);
    clickOption(m_win->OptDel[1]);
    EXPECT_TRUE(m_win->OptDel[1]->isChecked());
    EXPECT_TRUE(m_win->Mnu_Update->isEnabled());
    // The pick is forgotten: the row shows the state's key (none) again.
    EXPECT_EQ(m_win->cmb_Order[0]->currentText(), "");
    clickColumnRow(7);
    trigger(m_win, "Mnu_Update");
    EXPECT_EQ(gOptDel, 1);
    EXPECT_EQ(gSelectNumber, 0);
    EXPECT_EQ(mainColumn(2), QStringList({"PC-C"}));
    EXPECT_EQ(iniBytes(), cp932Lines(viewLines(0, 1, {}, {8}) + QStringList{""} + mainLines(0, kUnnamed)));
}

TEST_F(SelectViewTest, SelectAllAndNone) {
    start();
    trigger(m_win, "Mnu_SelectAll");
    EXPECT_EQ(chosenRows().size(), 76);
    EXPECT_TRUE(m_win->Mnu_Update->isEnabled());
    trigger(m_win, "Mnu_Update");
    EXPECT_EQ(gSelColumnCount, 76);
    EXPECT_EQ(m_main->MSFlexGrid_Main->Cols(), 78);

    trigger(m_win, "Mnu_deSelect_All");
    EXPECT_TRUE(chosenRows().isEmpty());
    EXPECT_TRUE(m_win->Mnu_Update->isEnabled());
    trigger(m_win, "Mnu_Update");
    EXPECT_EQ(gSelColumnCount, 0);
    EXPECT_EQ(m_main->MSFlexGrid_Main->Cols(), 2);
    EXPECT_EQ(iniBytes(), cp932Lines(mainLines(0, kUnnamed) + QStringList{""} + viewLines(0, 0, {}, {})));
}

TEST_F(SelectViewTest, RenameAlwaysWritesTheNameKeyOnly) {
    struct Case {
        const char* what;
        bool cancel;
        QString answer;
        QString menu;    // caption of item 3 afterwards
        QString stored;  // value of SectionName3 afterwards
    };
    const Case cases[] = {
        {"a name", false, "経理", "3:経理", "経理"},
        {"an empty answer keeps the name", false, "", "3:旧名", "旧名"},
        {"Cancel keeps the name", true, "", "3:旧名", "旧名"},
        {"blanks around", false, "  総務  ", "3:  総務  ", "総務"},
        {"blanks only", false, "   ", "3:   ", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const QStringList before{"[Main]", "SectionNumber=3", "SectionName3=旧名", "", "[3]", "OptDel=0"};
        writeIni(before);
        start();
        if (c.cancel)
            ui::script::cancelInput();
        else
            ui::script::answerInput(c.answer);
        trigger(m_win, "Mnu_SetNameStr");
        const auto& shown = ui::script::shown();
        ASSERT_FALSE(shown.empty());
        EXPECT_EQ(shown.back().prompt, "項目3に名前をつけてください");
        EXPECT_EQ(shown.back().title, "名称変更");
        EXPECT_EQ(shown.back().defaultText, "");
        EXPECT_EQ(viewCaption(3), c.menu);
        EXPECT_EQ(iniBytes(),
                  cp932Lines({"[Main]", "SectionNumber=3", "SectionName3=" + c.stored, "", "[3]", "OptDel=0"}));
        EXPECT_FALSE(m_win->Mnu_Update->isEnabled());
        ui::unloadAll(ui::vbFormCode);
        settle();
        ui::script::reset();
    }
}

TEST_F(SelectViewTest, EightViewsSwitchedWithoutWritingAnything) {
    QStringList ini{"[Main]", "SectionNumber=0"};
    for (int v = 0; v < 8; ++v) ini << QString("SectionName%1=ビュー%1").arg(v);
    for (int v = 0; v < 8; ++v) {
        // View v shows v + 1 columns (catalogue 1 .. v + 1), sorted by computer name, removed PCs in odd views.
        ini << "" << QString("[%1]").arg(v) << QString("OptDel=%1").arg(v % 2) << "SelectNumber=1"
            << "KeyName0=Computer_Name"
            << "KeyCaption0=コンピュータ名" << QString("KeyASCDESC0=%1").arg(v % 4 < 2 ? "ASC" : "DESC")
            << QString("MSFlexGrit_SelectNum=%1").arg(v + 1);
        for (int i = 1; i <= v + 1; ++i) ini << QString("MSFlexGrit_Select%1=%2").arg(i).arg(i);
    }
    writeIni(ini);
    const QByteArray bytes = iniBytes();
    start();
    for (int v : {5, 2, 7, 0, 3, 6, 1, 4}) {
        SCOPED_TRACE(v);
        clickColumnRow(20);  // a change that the switch discards
        trigger(m_win, QString("Mnu_ViewSelect(%1)").arg(v));
        EXPECT_EQ(gSectionNumber, v);
        EXPECT_EQ(checkedView(), v);
        EXPECT_EQ(viewCaption(v), QString("%1:ビュー%1").arg(v));
        EXPECT_EQ(chosenRows().size(), v + 1);
        EXPECT_FALSE(chosenRows().contains(20));
        EXPECT_TRUE(m_win->OptDel[v % 2]->isChecked());
        EXPECT_TRUE(m_win->Opt_ASC_DESC[v % 4 < 2 ? 0 : 1]->isChecked());
        EXPECT_FALSE(m_win->Mnu_Update->isEnabled());
        EXPECT_EQ(m_main->MSFlexGrid_Main->Cols(), v + 3);
        EXPECT_EQ(m_main->MSFlexGrid_Main->Rows() - 1, v % 2 ? 1 : 2);
        EXPECT_EQ(m_main->MainSelKey, 0);
        EXPECT_EQ(iniBytes(), bytes);
    }
}

TEST_F(SelectViewTest, SwitchToAViewNeverSavedShowsInstalledPcsWithoutKeysOrColumns) {
    writeIni({"[Main]", "SectionNumber=0", "", "[0]", "OptDel=1", "SelectNumber=1", "KeyName0=Computer_Name",
              "KeyCaption0=コンピュータ名", "KeyASCDESC0=DESC", "MSFlexGrit_SelectNum=1", "MSFlexGrit_Select1=8"});
    const QByteArray bytes = iniBytes();
    start();
    trigger(m_win, "Mnu_ViewSelect(5)");
    EXPECT_EQ(gOptDel, 0);
    EXPECT_EQ(gSelectNumber, 0);
    EXPECT_EQ(gSelColumnCount, 0);
    EXPECT_EQ(gKeyAscDesc[0], "DESC");  // the direction of the view shown before stays
    EXPECT_TRUE(chosenRows().isEmpty());
    EXPECT_TRUE(m_win->OptDel[0]->isChecked());
    EXPECT_EQ(m_win->cmb_Order[0]->currentText(), "");
    EXPECT_EQ(m_main->MSFlexGrid_Main->Cols(), 2);
    EXPECT_EQ(m_main->MSFlexGrid_Main->Rows(), 3);  // the two installed PCs
    EXPECT_EQ(iniBytes(), bytes);
}

TEST_F(SelectViewTest, CloseCommandWritesTheViewNumberTheCloseBoxNothing) {
    writeIni({"[Main]", "SectionNumber=0", "SectionName0=既定"});
    start();
    trigger(m_win, "Mnu_ViewSelect(4)");
    m_win->closeWithReason(ui::vbFormControlMenu);
    settle();
    EXPECT_EQ(ui::findForm("frm_SelectView"), nullptr);
    EXPECT_EQ(iniBytes(), cp932Lines({"[Main]", "SectionNumber=0", "SectionName0=既定"}));
    EXPECT_EQ(gSectionNumber, 4);  // the list keeps the new view until the program ends

    m_win = load<frm_SelectView>("frm_SelectView");
    EXPECT_EQ(checkedView(), 4);
    trigger(m_win, "Mnu_ViewSelect(6)");
    trigger(m_win, "Mnu_Close");
    settle();
    EXPECT_EQ(ui::findForm("frm_SelectView"), nullptr);
    EXPECT_EQ(iniBytes(), cp932Lines({"[Main]", "SectionNumber=6", "SectionName0=既定"}));
}

// A write the system refuses is told once per command, not once per key and not never.
TEST_F(SelectViewTest, RefusedWriteIsReportedOncePerCommand) {
    writeIni({"[Main]", "SectionNumber=0"});
    QFile::setPermissions(iniPath(), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    start();
    const char* commands[] = {"Mnu_Update", "Mnu_SetNameStr", "Mnu_Close"};
    for (const char* command : commands) {
        SCOPED_TRACE(command);
        ui::script::reset();
        if (QString(command) == "Mnu_SetNameStr") ui::script::answerInput("名前");
        if (QString(command) == "Mnu_Update") clickColumnRow(0);
        ui::script::answerMsgBox(ui::vbOK);
        trigger(m_win, command);
        EXPECT_EQ(msgBoxPrompts(), QStringList({"iniファイル書き込み失敗"}));
    }
    EXPECT_EQ(iniBytes(), cp932Lines({"[Main]", "SectionNumber=0"}));
    QFile::setPermissions(iniPath(), QFile::ReadOwner | QFile::WriteOwner);
}

TEST_F(SelectViewTest, KeepsItsSize) {
    start();
    m_win->Show(ui::vbModeless);
    m_win->setWidth(12000);
    m_win->setHeight(3000);
    settle();
    EXPECT_EQ(m_win->Width(), 8010);
    EXPECT_EQ(m_win->Height(), 6045);
}

}  // namespace
}  // namespace editors
