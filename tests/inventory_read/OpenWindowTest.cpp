// The file-picking window driven as a user drives it: open it from the main menu, pick files in its lists,
// read them with either command, and find the new PCs in the database and in the main list.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QTest>
#include <QTimer>

#include "core/Mdl_Access_mdb.h"
#include "core/Mdl_gData.h"
#include "core/frm_Main.h"
#include "inventory_read/FileControls.h"
#include "inventory_read/Registration.h"
#include "inventory_read/frm_Open.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/Forms.h"
#include "platform/ui/SingleInstance.h"
#include "tests/inventory_read/InventoryFixture.h"
#include "tests/support/FaultVfs.h"
#include "tests/support/UiDriver.h"

namespace invtest {
namespace {

using testsupport::msgBoxes;

class OpenWindowTest : public InventoryTest {
protected:
    void SetUp() override {
        InventoryTest::SetUp();
        ASSERT_FALSE(ui::anotherInstanceRunning());
        registerInventoryReadForms();
    }
    void TearDown() override {
        InventoryTest::TearDown();
        testsupport::flushDeletes();
    }

    // The window opened as the main menu opens it, but modeless so the test keeps the thread.
    frm_Open* open() {
        auto* f = static_cast<frm_Open*>(ui::showForm("frm_Open", ui::vbModeless));
        EXPECT_NE(f, nullptr);
        return f;
    }

    // A click on the listed file, with Ctrl held to add it to the selection.
    static void clickFile(frm_Open* f, const QString& name, bool add = false) {
        const auto found = f->File1->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << name.toStdString();
        QListWidget* list = f->File1;
        list->scrollToItem(found[0]);
        const QPoint at = list->visualItemRect(found[0]).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, add ? Qt::ControlModifier : Qt::NoModifier, at);
    }

    static QStringList listed(const frm_Open* f) {
        QStringList names;
        for (int i = 0; i < f->File1->ListCount(); ++i) names << f->File1->List(i);
        return names;
    }
};

TEST_F(OpenWindowTest, OpensOnTheProgramFolderWithItsCsvFilesInAnyLetterCase) {
    copySample("inventory_ja.csv", "b.csv");
    copySample("inventory_ja.csv", "PC01.CSV");
    copySample("inventory_ja.csv", "c.Csv");
    writeFile("notes.txt", "x");
    writeFile("a.csv.bak", "x");
    QDir(m_folder->path()).mkdir("sub.csv");

    frm_Open* f = open();
    ASSERT_TRUE(f);
    EXPECT_EQ(f->windowTitle(), "データ読み込み");
    EXPECT_EQ(f->Width(), 6165);
    EXPECT_EQ(f->Height(), 5430);
    EXPECT_EQ(f->lngFormWidth, 6165);
    EXPECT_EQ(f->lngFormHeight, 5430);
    EXPECT_EQ(f->strCurPath, m_folder->path());
    EXPECT_EQ(f->strCurDir, m_folder->path());
    EXPECT_EQ(f->lblCurName->text(), m_folder->path());
    EXPECT_EQ(f->Frame1->title(), "ファイル名：");
    EXPECT_EQ(f->Label1->text(), "ドライブ(&D)：");
    EXPECT_EQ(f->Label2->text(), "フォルダ(&R)：");
    EXPECT_EQ(f->Label3->text(), "ファイル(&N)：");
    EXPECT_EQ(f->Dir1->Path(), m_folder->path());
    EXPECT_EQ(f->File1->Path(), m_folder->path());
    EXPECT_EQ(f->File1->Pattern(), "*.csv");
    EXPECT_EQ(listed(f), (QStringList{"b.csv", "c.Csv", "PC01.CSV"}));
    for (int i = 0; i < f->File1->ListCount(); ++i) EXPECT_FALSE(f->File1->Selected(i));
    EXPECT_EQ(f->File1->selectionMode(), QAbstractItemView::ExtendedSelection);
    EXPECT_EQ(f->Drive1->volumes().value(0), "/");
    EXPECT_EQ(f->Drive1->Drive(), f->Drive1->volumeOf(m_folder->path()));

    EXPECT_FALSE(f->Mnu_ReadCSV->isEnabled());
    EXPECT_TRUE(f->Mnu_Read_English->isEnabled());
    EXPECT_FALSE(f->ProgressBar1->isVisible());
    EXPECT_TRUE(f->ProgressBar1->isHidden());

    // The menu, entry by entry, captions byte for byte.
    EXPECT_EQ(f->Mnu_File->title(), "ファイル  　　　　　");
    QStringList entries;
    for (QAction* a : f->Mnu_File->actions()) entries << a->objectName() + "=" + (a->isSeparator() ? "-" : a->text());
    EXPECT_EQ(entries,
              (QStringList{"Mnu_ReadCSV=Harvik ファイル読込み　", "separator01=-",
                           "Mnu_Read_English=Read Harvik Data (English) ", "separator02=-", "Mnu_Close=閉じる"}));
    EXPECT_EQ(f->Mnu_Close->shortcut(), QKeySequence("Ctrl+W"));
    EXPECT_TRUE(f->Mnu_ReadCSV->shortcut().isEmpty());
    EXPECT_TRUE(f->Mnu_Read_English->shortcut().isEmpty());
}

TEST_F(OpenWindowTest, AClickShowsTheFileAndEnablesTheJapaneseCommandWhichAFolderChangeLeavesEnabled) {
    copySample("inventory_ja.csv");
    copySample("inventory_en.csv", {}, m_folder->file("data"));
    frm_Open* f = open();
    ASSERT_TRUE(f);
    f->show();

    clickFile(f, "inventory_ja.csv");
    EXPECT_EQ(f->lblCurName->text(), m_folder->file("inventory_ja.csv"));
    EXPECT_EQ(f->strCurDir, m_folder->path() + "/");
    EXPECT_TRUE(f->Mnu_ReadCSV->isEnabled());

    // Opening the sub-folder with the folder list, as a double click does.
    const auto sub = f->Dir1->findItems("data", Qt::MatchEndsWith);
    ASSERT_EQ(sub.size(), 1);
    emit f->Dir1->itemActivated(sub[0]);
    EXPECT_EQ(f->Dir1->Path(), m_folder->file("data"));
    EXPECT_EQ(f->lblCurName->text(), m_folder->file("data"));
    EXPECT_EQ(f->strCurDir, m_folder->file("data"));
    EXPECT_EQ(listed(f), QStringList{"inventory_en.csv"});
    EXPECT_TRUE(f->Mnu_ReadCSV->isEnabled()) << "a folder change leaves the command as it was";

    // A listed file that vanished before the click: the label shows it, nothing ends.
    QFile::remove(m_folder->file("data/inventory_en.csv"));
    clickFile(f, "inventory_en.csv");
    EXPECT_EQ(f->lblCurName->text(), m_folder->file("data/inventory_en.csv"));
    EXPECT_EQ(f->strCurDir, m_folder->file("data") + "/");
}

// The whole road: "Harvikデータ読込" in the main window, pick two files, read them, pick one more, read it with the
// English command, close; the ledger holds the PCs as the catalogue makes them and the list shows them.
TEST_F(OpenWindowTest, FilesPickedInTheWindowBecomePcsThatTheMainListShows) {
    addPc(1, "OLD-PC");
    copySample("inventory_ja.csv", "a_ja.csv");
    copySample("inventory_en.csv", "b_en.csv");
    copySample("inventory_ja.csv", "c_ja.csv");

    auto* main = new frm_Main;
    main->Load();
    main->Show(ui::vbModeless);
    ASSERT_EQ(gRowCount, 1);
    // The default view shows no column a click could reach: select the row as a click on it does.
    main->MSFlexGrid_Main->setRow(1);
    main->MSFlexGrid_Main_Click();
    ASSERT_EQ(main->MainSelKey, 1) << "a PC is selected before the import";

    bool drove = false;
    QTimer::singleShot(0, [&] {
        auto* f = static_cast<frm_Open*>(ui::findForm("frm_Open"));
        ASSERT_TRUE(f);
        EXPECT_TRUE(f->isModalShown());
        EXPECT_EQ(listed(f), (QStringList{"a_ja.csv", "b_en.csv", "c_ja.csv"}));
        clickFile(f, "a_ja.csv");
        clickFile(f, "c_ja.csv", true);
        EXPECT_TRUE(f->File1->Selected(0));
        EXPECT_FALSE(f->File1->Selected(1));
        EXPECT_TRUE(f->File1->Selected(2));
        ui::script::answerMsgBox(ui::vbOK);
        EXPECT_TRUE(testsupport::triggerAction(f, "Mnu_ReadCSV"));
        EXPECT_EQ(msgBoxes(), QStringList{"Vondari|0|読み込みが完了しました。"});
        EXPECT_FALSE(f->Mnu_ReadCSV->isEnabled());
        EXPECT_TRUE(f->Mnu_Read_English->isEnabled());
        EXPECT_TRUE(f->File1->Selected(0) && f->File1->Selected(2)) << "the selection stays";
        EXPECT_EQ(gRowCount, 3) << "the list was refreshed at the end of the command";

        clickFile(f, "b_en.csv");
        ui::script::answerMsgBox(ui::vbOK);
        EXPECT_TRUE(testsupport::triggerAction(f, "Mnu_Read_English"));
        EXPECT_EQ(msgBoxes().value(1), "Vondari|0|Process Comprete");
        EXPECT_FALSE(f->Mnu_ReadCSV->isEnabled());
        EXPECT_TRUE(testsupport::triggerAction(f, "Mnu_Close"));
        drove = true;
    });
    ASSERT_TRUE(testsupport::triggerAction(main, "Mnu_Read_Harvik"));  // returns when the modal window closes
    ASSERT_TRUE(drove);
    EXPECT_EQ(ui::findForm("frm_Open"), nullptr);

    EXPECT_EQ(pclist(1, "Computer_Name"), "OLD-PC");
    expectPcAsExpected(2, "inventory_ja.csv", inventory::LabelSet::Japanese);
    expectPcAsExpected(3, "inventory_ja.csv", inventory::LabelSet::Japanese);
    expectPcAsExpected(4, "inventory_en.csv", inventory::LabelSet::English);
    EXPECT_EQ(orphanRows(), 0);

    // The list shows the new PCs, and no selection survived the refill.
    EXPECT_EQ(gRowCount, 4);
    QStringList keys;
    for (int i = 1; i <= gRowCount; ++i) keys << QString::number(gRowMainKey[std::size_t(i)]);
    keys.sort();
    EXPECT_EQ(keys, (QStringList{"1", "2", "3", "4"}));
    EXPECT_EQ(main->MainSelKey, 0);
    EXPECT_FALSE(main->Mnu_Edit_profile->isEnabled());
    EXPECT_FALSE(main->Mnu_Delete->isEnabled());
}

// The progress bar: shown by the Japanese command, runs through every listed index, and never shows
// Qt's busy animation, not even for the range 0 to 0 of a single listed file.
TEST_F(OpenWindowTest, TheJapaneseCommandMovesTheBarThroughEveryListedFile) {
    for (const char* n : {"a.csv", "b.csv", "c.csv"}) copySample("inventory_ja.csv", n);
    copySample("inventory_ja.csv", "only.csv", m_folder->file("one"));
    frm_Open* f = open();
    ASSERT_TRUE(f);
    f->show();

    // Nothing selected: no PC, but the bar runs, the box shows and the command ends disabled.
    std::vector<int> values;
    QObject::connect(f->ProgressBar1, &QProgressBar::valueChanged, f,
                     [&](int) { values.push_back(f->ProgressBar1->Value()); });
    f->Mnu_ReadCSV->setEnabled(true);
    ui::script::answerMsgBox(ui::vbOK);
    f->Mnu_ReadCSV_Click();
    EXPECT_EQ(msgBoxes(), QStringList{"Vondari|0|読み込みが完了しました。"});
    EXPECT_EQ(count("SELECT * FROM tbl_Computer_List WHERE MainKey > 0"), 0);
    EXPECT_TRUE(f->ProgressBar1->isVisible());
    EXPECT_EQ(f->ProgressBar1->Min(), 0);
    EXPECT_EQ(f->ProgressBar1->Max(), 2);
    EXPECT_EQ(f->ProgressBar1->Value(), 2);
    EXPECT_EQ(values, (std::vector<int>{1, 2}));
    EXPECT_FALSE(f->Mnu_ReadCSV->isEnabled());

    // A folder of one file: the range 0 to 0, the file imported, no busy animation.
    f->Dir1->setPath(m_folder->file("one"));
    clickFile(f, "only.csv");
    ui::script::answerMsgBox(ui::vbOK);
    ASSERT_TRUE(testsupport::triggerAction(f, "Mnu_ReadCSV"));
    EXPECT_EQ(f->ProgressBar1->Min(), 0);
    EXPECT_EQ(f->ProgressBar1->Max(), 0);
    EXPECT_EQ(f->ProgressBar1->Value(), 0);
    EXPECT_LT(f->ProgressBar1->minimum(), f->ProgressBar1->maximum()) << "Qt's busy animation";
    EXPECT_EQ(f->ProgressBar1->value(), f->ProgressBar1->maximum()) << "the last index shows as a full bar";
    EXPECT_TRUE(f->ProgressBar1->isVisible());
    EXPECT_EQ(count("SELECT * FROM tbl_Computer_List WHERE MainKey > 0"), 1);
}

TEST_F(OpenWindowTest, TheEnglishCommandLeavesTheBarAloneAndNeedsNoClick) {
    copySample("inventory_en.csv");
    copySample("inventory_ja.csv");
    frm_Open* f = open();
    ASSERT_TRUE(f);
    f->File1->setSelected(0, true);  // selected without a click: the Japanese command stays disabled
    ASSERT_FALSE(f->Mnu_ReadCSV->isEnabled());
    ui::script::answerMsgBox(ui::vbOK);
    ASSERT_TRUE(testsupport::triggerAction(f, "Mnu_Read_English"));
    EXPECT_EQ(msgBoxes(), QStringList{"Vondari|0|Process Comprete"});
    EXPECT_TRUE(f->ProgressBar1->isHidden());
    expectPcAsExpected(1, "inventory_en.csv", inventory::LabelSet::English);
    EXPECT_EQ(count("SELECT * FROM tbl_Computer_List WHERE MainKey > 0"), 1);
    EXPECT_TRUE(f->Mnu_Read_English->isEnabled());
}

TEST_F(OpenWindowTest, AnEmptyFileListDoesNothingAtAll) {
    frm_Open* f = open();
    ASSERT_TRUE(f);
    ASSERT_EQ(f->File1->ListCount(), 0);
    f->Mnu_ReadCSV->setEnabled(true);  // as a click in an earlier folder left it
    f->Mnu_ReadCSV_Click();
    f->Mnu_Read_English_Click();
    EXPECT_TRUE(msgBoxes().isEmpty());
    EXPECT_TRUE(f->ProgressBar1->isHidden());
    EXPECT_TRUE(f->Mnu_ReadCSV->isEnabled()) << "no menu change";
}

// Skipped files keep the completion text as it is and get a box of their own, after it.
TEST_F(OpenWindowTest, SkippedFilesAreNamedInABoxAfterTheCompletionMessage) {
    copySample("broken_header.csv");
    copySample("inventory_ja.csv");
    frm_Open* f = open();
    ASSERT_TRUE(f);
    f->File1->selectAll();
    ui::script::answerMsgBox(ui::vbOK);
    ui::script::answerMsgBox(ui::vbOK);
    f->Mnu_ReadCSV_Click();
    EXPECT_EQ(msgBoxes(), (QStringList{"Vondari|0|読み込みが完了しました。",
                                       "Vondari|0|次のファイルは読み込まれませんでした。\n"
                                       "broken_header.csv（Harvikのファイルではありません）"}));
    EXPECT_EQ(count("SELECT * FROM tbl_Computer_List WHERE MainKey > 0"), 1);
}

// A database that refuses the files (here a read-only one) stops the run at the first: its own error in
// the standard box, then the completion message, then the stopped file named with the reason.
TEST_F(OpenWindowTest, ADatabaseThatRefusesWritesStopsTheRunWithItsOwnError) {
    using Op = testsupport::FaultVfs::Op;
    copySample("inventory_ja.csv", "a.csv");
    copySample("inventory_ja.csv", "b.csv");
    testsupport::FaultVfs vfs([](Op op, const char* path) {
        return op == Op::Open && QString::fromUtf8(path).endsWith("pcdb.mdb") ? SQLITE_READONLY : SQLITE_OK;
    });
    gCn_ptr.reset();
    openDb();
    frm_Open* f = open();
    ASSERT_TRUE(f);
    f->File1->selectAll();
    for (int i = 0; i < 3; ++i) ui::script::answerMsgBox(ui::vbOK);
    f->Mnu_ReadCSV_Click();
    EXPECT_EQ(msgBoxes(), (QStringList{"警告|16|\r\n（エラーコード：-2147467259）\r\n（エラー内容：attempt to write a "
                                       "readonly database）",
                                       "Vondari|0|読み込みが完了しました。",
                                       "Vondari|0|次のファイルは読み込まれませんでした。\n"
                                       "a.csv（データベースに書き込めません）"}));
    EXPECT_EQ(count("SELECT * FROM tbl_Computer_List WHERE MainKey > 0"), 0);
    EXPECT_FALSE(f->Mnu_ReadCSV->isEnabled());
    f->Unload();
    gCn_ptr.reset();
}

// A drive without a disk asks for one; any other failure shows the standard error box and the window
// stays, its lists on the previous folder.
TEST_F(OpenWindowTest, AFailingDriveChangeKeepsThePreviousFolderAndTheProgram) {
    copySample("inventory_ja.csv");
    const QString notAFolder = writeFile("plain-file", "x");
    frm_Open* f = open();
    ASSERT_TRUE(f);
    f->Drive1->setVolumes({"/", m_folder->file("no-such-volume"), notAFolder});
    f->Drive1->setDrive(m_folder->path());

    struct Case {
        int index;
        QString box;
    } cases[] = {
        {1, "Vondari|0|ディスクをセットしてください"},
        {2, QString("警告|%1|\r\n（エラーコード：76）\r\n（エラー内容：パスが見つかりません。）").arg(ui::vbCritical)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.index);
        ui::script::reset();
        ui::script::answerMsgBox(ui::vbOK);
        f->Drive1->setCurrentIndex(c.index);
        EXPECT_EQ(msgBoxes(), QStringList{c.box});
        EXPECT_EQ(f->Drive1->currentIndex(), c.index) << "the drive list keeps the chosen drive";
        EXPECT_EQ(f->Dir1->Path(), m_folder->path());
        EXPECT_EQ(f->File1->Path(), m_folder->path());
        EXPECT_EQ(listed(f), QStringList{"inventory_ja.csv"});
        EXPECT_EQ(f->lblCurName->text(), m_folder->path());
        EXPECT_EQ(ui::findForm("frm_Open"), f) << "the window stays open";
    }
}

TEST_F(OpenWindowTest, TheSizeStaysFixedAndTheCloseBoxReturns) {
    frm_Open* f = open();
    ASSERT_TRUE(f);
    f->show();
    f->setWidth(9000);
    f->setHeight(7000);
    QCoreApplication::processEvents();
    EXPECT_EQ(f->Width(), 6165);
    EXPECT_EQ(f->Height(), 5430);
    EXPECT_TRUE(f->closeWithReason(ui::vbFormControlMenu));
    EXPECT_EQ(ui::findForm("frm_Open"), nullptr);
}

}  // namespace
}  // namespace invtest
