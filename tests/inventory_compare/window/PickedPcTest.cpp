// The overwrite writes only into the PC picked. A delete in the main window frees the key for the next new
// PC, which can look exactly like the one deleted (an empty one from 新規作成, the same file imported
// again): whichever box comes first, nothing leads to a write into it.
#include <gtest/gtest.h>

#include <QTest>

#include "core/Mdl_Access_mdb.h"
#include "core/Registration.h"
#include "core/frm_Main.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/Forms.h"
#include "platform/ui/SingleInstance.h"
#include "platform/ui/TextBox.h"
#include "tests/inventory_compare/window/CompareFixture.h"
#include "tests/support/UiDriver.h"

namespace comparetest {
namespace {

const QString kAsk = QStringLiteral("CSVインポート|36|DBを更新しますか ?");
const QString kDone = QStringLiteral("Vondari|0|完了しました");
const QString kGone =
    QStringLiteral("CSVインポート|0|選択したPCは削除されています。画面を開き直して、PCを選択し直してください。");

class PickedPc : public CompareTest {
protected:
    void SetUp() override {
        CompareTest::SetUp();
        ASSERT_FALSE(ui::anotherInstanceRunning());
        registerCoreForms();
        seedMasters();
        seedPc(1, "PC-1");
        copySample("inventory_ja.csv");
        copySample("inventory_en.csv");
        // The main list by computer name, with a few columns to click on.
        writeIni({"[Main]", "SectionNumber=0", "[0]", "OptDel=0", "SelectNumber=1", "KeyName0=Computer_Name",
                  "KeyASCDESC0=ASC", "MSFlexGrit_SelectNum=3", "MSFlexGrit_Select1=1", "MSFlexGrit_Select2=4",
                  "MSFlexGrit_Select3=8"});
        m_main = static_cast<frm_Main*>(ui::showForm("frm_Main", ui::vbModeless));
        ASSERT_NE(m_main, nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(m_main));
    }

    // The comparison window from the main window's menu, its PC list filled as it opens; one already open is
    // closed first.
    void openComparison() {
        if (m_form) {
            m_form->Unload();
            settle();
        }
        ASSERT_TRUE(testsupport::triggerAction(m_main, "Mnu_View_INPORT"));
        m_form = static_cast<frm_Inport*>(ui::findForm("frm_Inport"));
        ASSERT_NE(m_form, nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(m_form));
        settle();
    }

    // The main window's 新規作成; gives the new PC's key.
    int mainNew() {
        const QString before = scalar("SELECT MAX(MainKey) FROM tbl_Computer_List");
        ui::script::answerMsgBox(ui::vbYes);
        ui::script::answerMsgBox(ui::vbOK);
        EXPECT_TRUE(testsupport::triggerAction(m_main, "Mnu_AddNew"));
        const int key = before.toInt() + 1;
        EXPECT_EQ(scalar("SELECT MAX(MainKey) FROM tbl_Computer_List"), QString::number(key));
        return key;
    }

    // The PC's row clicked in the main list, then its 削除.
    void mainDelete(int key) {
        ASSERT_TRUE(testsupport::deleteFromMainList(m_main, m_main->MSFlexGrid_Main, key));
        ASSERT_EQ(count(QString("SELECT * FROM tbl_Pclist WHERE MainKey = %1").arg(key)), 0);
    }

    // 値を書き換え on a grid row chosen with the mouse.
    void rewrite(int row, const QString& text) {
        ASSERT_TRUE(testsupport::clickCell(m_form->MSFlexGrid1, row, 2));
        settle();
        m_form->tbx_Edit->setText(text);
        ASSERT_TRUE(testsupport::triggerAction(m_form, "Mnu_Update"));
    }

    // The overwrite command; a refusal box is all that is scripted, so a question would fail the test.
    void refusedOverwrite() {
        ui::script::reset();
        ui::script::answerMsgBox(ui::vbOK);
        ASSERT_TRUE(testsupport::triggerAction(m_form, "Mnu_DBUpdate"));
    }

    // Every row of both PC tables and the four lists, each field as text.
    QStringList ledger() {
        QStringList s;
        for (const char* query :
             {"SELECT * FROM tbl_Pclist ORDER BY MainKey", "SELECT * FROM tbl_Computer_List ORDER BY MainKey",
              "SELECT * FROM tbl_ApplicationsList ORDER BY [Key], rowid",
              "SELECT * FROM tbl_Device_Management ORDER BY [Key], rowid",
              "SELECT * FROM tbl_Printer_Management ORDER BY [Key], rowid",
              "SELECT * FROM tbl_Environmental ORDER BY [Key], rowid"})
            for (const QStringList& row : rows(query)) s << row.join('|');
        return s;
    }

    frm_Main* m_main = nullptr;
};

// An empty PC deleted and made again has the same key and the same Null name and dates. The gone box asks
// for the window opened again: a new pick there overwrites the new PC.
TEST_F(PickedPc, AnEmptyPcMadeAgainUnderTheKeyIsNotWritten) {
    const int key = mainNew();
    openComparison();
    ASSERT_FALSE(HasFatalFailure());
    pick(key);
    read(m_folder->file("inventory_ja.csv"));
    mainDelete(key);
    ASSERT_EQ(mainNew(), key);
    ASSERT_EQ(count(QString("SELECT * FROM tbl_Pclist WHERE MainKey = %1 AND Computer_Name IS NULL").arg(key)), 1);
    rewrite(1, "NEW-NAME");

    const QStringList before = ledger();
    refusedOverwrite();
    EXPECT_EQ(msgBoxes(), QStringList{kGone});
    EXPECT_EQ(ledger(), before);
    // The same list item picked again is no pick of the new PC: the item was made before the delete.
    pick(key);
    read(m_folder->file("inventory_ja.csv"));
    refusedOverwrite();
    EXPECT_EQ(msgBoxes(), QStringList{kGone});
    EXPECT_EQ(ledger(), before);
    EXPECT_FALSE(gCn().inTransaction());

    openComparison();
    ASSERT_FALSE(HasFatalFailure());
    pick(key);
    read(m_folder->file("inventory_ja.csv"));
    ui::script::reset();
    overwrite();
    EXPECT_EQ(msgBoxes(), (QStringList{kAsk, kDone}));
    EXPECT_EQ(pclist(key, "Computer_Name"), "SOUMU-PC01");
    EXPECT_EQ(count(QString("SELECT * FROM tbl_ApplicationsList WHERE [Key] = %1").arg(key)), 3);
}

// An imported PC deleted and the same file imported again: same key, name and dates. The import staged
// its file since this window's read, and reading the file again, as that box would advise, must not open
// the way into the new PC: the gone box comes first, both times.
TEST_F(PickedPc, APcImportedAgainUnderTheKeyIsNotWrittenAfterTheFileIsReadAgain) {
    importWithTheReadingWindow("inventory_ja.csv");
    ASSERT_FALSE(HasFatalFailure());
    const int key = 2;
    ASSERT_EQ(pclist(key, "Computer_Name"), "SOUMU-PC01");
    openComparison();
    ASSERT_FALSE(HasFatalFailure());
    pick(key);
    read(m_folder->file("inventory_en.csv"));
    mainDelete(key);
    importWithTheReadingWindow("inventory_ja.csv");
    ASSERT_FALSE(HasFatalFailure());
    ASSERT_EQ(pclist(key, "Computer_Name"), "SOUMU-PC01");

    const QStringList before = ledger();
    refusedOverwrite();
    EXPECT_EQ(msgBoxes(), QStringList{kGone});
    read(m_folder->file("inventory_en.csv"));
    refusedOverwrite();
    EXPECT_EQ(msgBoxes(), QStringList{kGone});
    EXPECT_EQ(ledger(), before);
    EXPECT_FALSE(gCn().inTransaction());
}

// Deletions are told apart by key: another PC deleted meanwhile leaves the pick as it was.
TEST_F(PickedPc, AnotherPcDeletedMeanwhileLeavesThePickWritable) {
    seedPc(2, "PC-2");
    openComparison();
    ASSERT_FALSE(HasFatalFailure());
    pick(2);
    read(m_folder->file("inventory_ja.csv"));
    mainDelete(1);
    ui::script::reset();
    overwrite();
    EXPECT_EQ(msgBoxes(), (QStringList{kAsk, kDone}));
    EXPECT_EQ(pclist(2, "Computer_Name"), "SOUMU-PC01");
}

// The check before the question only spares the question: the one that holds runs inside the overwrite's
// transaction, before its first write. A deletion noted after the first check (as one made while the
// question was up would be) is refused there, and the transaction ends with nothing written.
TEST_F(PickedPc, ADeletionAfterTheFirstCheckIsRefusedInsideTheTransaction) {
    seedPc(2, "PC-2");
    openComparison();
    ASSERT_FALSE(HasFatalFailure());
    pick(2);
    read(m_folder->file("inventory_ja.csv"));
    const QStringList before = ledger();
    bool noted = false;
    gCn().setFailHook([&noted](const QString& sql) {
        // The first check's identity query, outside any transaction.
        if (!noted && !gCn().inTransaction() && sql.startsWith("SELECT tbl_Pclist.Computer_Name")) {
            notePcDeletion(2);
            noted = true;
        }
        return false;
    });
    ui::script::reset();
    ui::script::answerMsgBox(ui::vbYes);
    ui::script::answerMsgBox(ui::vbOK);
    ASSERT_TRUE(testsupport::triggerAction(m_form, "Mnu_DBUpdate"));
    gCn().setFailHook({});
    ASSERT_TRUE(noted);
    EXPECT_EQ(msgBoxes(), (QStringList{kAsk, kGone}));
    EXPECT_EQ(ledger(), before);
    EXPECT_FALSE(gCn().inTransaction());
}

}  // namespace
}  // namespace comparetest
