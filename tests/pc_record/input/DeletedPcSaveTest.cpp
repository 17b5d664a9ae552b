// "更新" of a PC deleted in the main window while the editor showed it. The delete frees its key, and the
// next 新規作成 takes it: the boxes, still holding the PC deleted, are not saved over the new one.
#include <QPushButton>
#include <QTest>

#include "core/frm_Main.h"
#include "pc_record/frm_Edit_Computer.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/TextBox.h"
#include "tests/pc_record/common/EditorFixture.h"

namespace pcrecordtest {
namespace {

const QString kGone = QStringLiteral("Vondari|0|表示中のPCは削除されているため、更新しませんでした。");

class DeletedPcSaveTest : public EditorTest {
protected:
    // PCs 1 and 2, listed by name in that order; the editor opened on PC 2, the last key.
    frm_Edit_Computer* openSecondPc() {
        openDb();
        for (int key : {1, 2})
            insertPc(key,
                     {{"Computer_Name", lit(QString("PC-%1").arg(key))},
                      {"IPAddress", "'10.0.0.1'"},
                      {"IPAddress_16num", "'0A000001'"},
                      {"Memory_Full", "512"},
                      {"Floppydisk_Drive", "'1'"},
                      {"CPU_FPU", "'1'"}},
                     {{"Comment", "'kept'"}});
        addApplications(2, {{"App", "C:\\", "1.0"}});
        frm_Edit_Computer* e = openFromList(2);
        EXPECT_NE(e, nullptr);
        if (e) {
            EXPECT_EQ(e->ShownMainKey, 2);
        }
        return e;
    }

    // The PC's row clicked in the main list, then its 削除 answered Yes.
    void deleteInMain(int key) {
        ASSERT_TRUE(testsupport::deleteFromMainList(m_main, m_main->MSFlexGrid_Main, key));
        settle();
        ASSERT_EQ(count(QString("SELECT * FROM tbl_Computer_List WHERE MainKey = %1").arg(key)), 0);
    }

    // "更新" with every box it shows answered OK; the boxes shown, as "title|buttons|prompt".
    QStringList save(frm_Edit_Computer* e) {
        ui::script::reset();
        ui::script::answerMsgBox(ui::vbOK);
        EXPECT_TRUE(testsupport::triggerAction(e, "Mnu_Update"));
        settle();
        QStringList shown = testsupport::msgBoxes();
        ui::script::reset();
        return shown;
    }

    // Both rows and the four lists of a PC, every field as text.
    QStringList ledger(int key) {
        QStringList s;
        for (const char* query :
             {"SELECT * FROM tbl_Pclist WHERE MainKey = %1", "SELECT * FROM tbl_Computer_List WHERE MainKey = %1",
              "SELECT * FROM tbl_ApplicationsList WHERE [Key] = %1 ORDER BY rowid",
              "SELECT * FROM tbl_Device_Management WHERE [Key] = %1 ORDER BY rowid",
              "SELECT * FROM tbl_Printer_Management WHERE [Key] = %1 ORDER BY rowid",
              "SELECT * FROM tbl_Environmental WHERE [Key] = %1 ORDER BY rowid"})
            for (const QStringList& row : rows(QString::fromUtf8(query).arg(key))) s << row.join('|');
        return s;
    }

    static void step(QPushButton* button) {
        QTest::mouseClick(button, Qt::LeftButton);
        settle();
    }
};

// Deleted and not made again, the save ends silently as it always did; once 新規作成 gave the key to an
// empty PC, it refuses with its box and leaves that PC's rows as they are.
TEST_F(DeletedPcSaveTest, APcMadeUnderTheKeyOfTheShownPcIsNotWritten) {
    frm_Edit_Computer* e = openSecondPc();
    ASSERT_NE(e, nullptr);
    e->tbx_Dat[53]->setText("edited");
    deleteInMain(2);
    EXPECT_EQ(save(e), QStringList());

    ASSERT_EQ(createPcByMenu(), 2);
    const QStringList before = ledger(2);
    ASSERT_FALSE(before.isEmpty());
    EXPECT_EQ(save(e), QStringList{kGone});
    EXPECT_EQ(ledger(2), before);
    EXPECT_EQ(pcValue(2, "Computer_Name"), "<null>");
    EXPECT_EQ(e->tbx_Dat[53]->text(), "edited");  // the window as it was
}

// Deletions are told apart by key: another PC deleted meanwhile leaves the save as it was.
TEST_F(DeletedPcSaveTest, AnotherPcDeletedMeanwhileIsNoRefusal) {
    frm_Edit_Computer* e = openSecondPc();
    ASSERT_NE(e, nullptr);
    deleteInMain(1);
    e->tbx_Dat[53]->setText("edited");
    EXPECT_EQ(save(e), QStringList{"Vondari|0|コメント を edited に \r\n変更しました。"});
    EXPECT_EQ(pcValue(2, "Comment"), "edited");
}

// A fresh load of the key shows the new PC, and its save writes: a step away and back, or the editor
// opened again.
TEST_F(DeletedPcSaveTest, AFreshLoadOfTheNewPcSavesIt) {
    frm_Edit_Computer* e = openSecondPc();
    ASSERT_NE(e, nullptr);
    deleteInMain(2);
    ASSERT_EQ(createPcByMenu(), 2);
    // The refilled list: the new PC (no name) first, PC-1 second, the row the editor is on.
    step(e->cmd_Prev);
    step(e->cmd_Next);
    ASSERT_EQ(e->ShownMainKey, 1);
    step(e->cmd_Prev);
    ASSERT_EQ(e->ShownMainKey, 2);
    EXPECT_EQ(e->tbx_Dat[0]->text(), "");
    e->tbx_Dat[0]->setText("NEWPC");
    EXPECT_EQ(save(e), QStringList{"Vondari|0|コンピュータ名 を NEWPC に \r\n変更しました。"});
    EXPECT_EQ(pcValue(2, "Computer_Name"), "NEWPC");
    EXPECT_EQ(pcValue(2, "Comment"), "<null>");

    e->Unload();
    settle();
    deleteInMain(2);
    ASSERT_EQ(createPcByMenu(), 2);
    e = openFromList(1);
    ASSERT_NE(e, nullptr);
    ASSERT_EQ(e->ShownMainKey, 2);
    e->tbx_Dat[0]->setText("AGAIN");
    EXPECT_EQ(save(e), QStringList{"Vondari|0|コンピュータ名 を AGAIN に \r\n変更しました。"});
    EXPECT_EQ(pcValue(2, "Computer_Name"), "AGAIN");
    EXPECT_EQ(stdErrorBoxes(), 0);
}

}  // namespace
}  // namespace pcrecordtest
