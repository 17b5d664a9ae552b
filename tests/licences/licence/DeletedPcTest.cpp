// New takes the PC key the window read earlier (a pick-list line, an assignment's row). A delete in the
// main window frees that key and the next 新規作成 takes it: the assignment meant for the PC read must not
// go to the new one. A key typed by hand is the PC under it now.
#include <gtest/gtest.h>

#include "platform/ui/TextBox.h"
#include "tests/licences/licence/StaleKeyFixture.h"

namespace licence {
namespace {

const QString kGone = QStringLiteral(
    "Vondari|48|選択したコンピュータは削除されています。一覧を更新して、コンピュータを選択し直してください。");
const QString kBadKey = QStringLiteral("Vondari|48|コンピュータのKeyが正しくありません。");

class DeletedPcTest : public StaleKeyTest {
protected:
    // One assignment of Office on PC-A.
    void SetUp() override {
        StaleKeyTest::SetUp();
        ASSERT_FALSE(HasFatalFailure());
        addAssignment({1, 1, 1, "P-1", "L-1", "K-1", "リース", "License", 120, "first"});
        openFromMainWindow();
    }

    // The main window's 新規作成; the new PC must get `key`.
    void mainNew(int key) {
        ui::script::answerMsgBox(ui::vbYes);
        ui::script::answerMsgBox(ui::vbOK);
        trigger(m_main, "Mnu_AddNew");
        ASSERT_EQ(scalar("SELECT MAX(MainKey) FROM tbl_Computer_List"), QString::number(key));
    }
    void mainDeleteAndNew(int key) {
        mainDelete(key);
        ASSERT_FALSE(HasFatalFailure());
        mainNew(key);
        ASSERT_FALSE(HasFatalFailure());
        ui::script::reset();
    }

    void selectAssignment(int key) {
        const int row = rowWith(m_win->FGrid_EditLicense, 0, QString::number(key));
        ASSERT_GT(row, 0) << "assignment " << key << " is not listed";
        clickCell(m_win->FGrid_EditLicense, row);
        settle();
    }
    int assignmentsOf(int pc) {
        return count(QString("SELECT * FROM tbl_License_Dat WHERE Computer_Code = %1").arg(pc));
    }
};

// The PC picked in the list deleted: New refuses, first with the box it always showed for a key without a
// row, then, once 新規作成 gave the key to an empty PC, with the gone box. The list filled again offers the
// new PC, and a pick of it is written.
TEST_F(DeletedPcTest, NewRefusesThePcPickedBeforeItsKeyWasGivenAgain) {
    pickLine(m_win->List_license, "Office");
    pickLine(m_win->List_ComuputerName, "PC-B");
    ASSERT_EQ(m_win->tbx_ComputerKey->text(), "2");
    mainDelete(2);
    ASSERT_FALSE(HasFatalFailure());
    EXPECT_EQ(run("Mnu_AddRecord"), QStringList{kBadKey});
    mainNew(2);
    ASSERT_FALSE(HasFatalFailure());
    const QStringList before = assignments();
    EXPECT_EQ(run("Mnu_AddRecord"), QStringList{kGone});
    EXPECT_EQ(assignments(), before);
    EXPECT_EQ(m_win->tbx_ComputerKey->text(), "2");  // the window as it was

    trigger(m_win, "View_MSFlexGrid_License_assignment_Update");
    pickLine(m_win->List_license, "Office");
    pickLine(m_win->List_ComuputerName, " ");  // the new PC has no name
    ASSERT_EQ(m_win->tbx_ComputerKey->text(), "2");
    EXPECT_EQ(run("Mnu_AddRecord"), QStringList());
    EXPECT_EQ(assignmentsOf(2), 1);
}

// A key read from an assignment's row at a grid click, that assignment's PC deleted (and the assignment
// with it): New with a licence picked afterwards refuses too.
TEST_F(DeletedPcTest, NewRefusesAKeyReadFromAnAssignmentRow) {
    sql("INSERT INTO tbl_License_Dat ([Key], Application_Code, Computer_Code) VALUES (2, 1, 2)");
    trigger(m_win, "View_MSFlexGrid_License_assignment_Update");
    selectAssignment(2);
    ASSERT_EQ(m_win->tbx_ComputerKey->text(), "2");
    pickLine(m_win->List_license, "Office");
    mainDeleteAndNew(2);
    ASSERT_FALSE(HasFatalFailure());
    const QStringList before = assignments();
    EXPECT_EQ(run("Mnu_AddRecord"), QStringList{kGone});
    EXPECT_EQ(assignments(), before);
    EXPECT_EQ(assignmentsOf(2), 0);
}

// What does not refuse: a key typed by hand names the PC under it now, and another PC deleted leaves the
// pick as it was.
TEST_F(DeletedPcTest, ATypedKeyOrAnotherPcDeletedIsNoRefusal) {
    pickLine(m_win->List_license, "Office");
    pickLine(m_win->List_ComuputerName, "PC-B");
    mainDeleteAndNew(2);
    ASSERT_FALSE(HasFatalFailure());
    retype(m_win->tbx_ComputerKey, "2");
    EXPECT_EQ(run("Mnu_AddRecord"), QStringList());
    EXPECT_EQ(assignmentsOf(2), 1);

    trigger(m_win, "View_MSFlexGrid_License_assignment_Update");
    pickLine(m_win->List_license, "Office");
    pickLine(m_win->List_ComuputerName, " ");
    ASSERT_EQ(m_win->tbx_ComputerKey->text(), "2");
    mainDelete(1);
    ASSERT_FALSE(HasFatalFailure());
    ui::script::reset();
    EXPECT_EQ(run("Mnu_AddRecord"), QStringList());
    EXPECT_EQ(assignmentsOf(2), 2);
}

}  // namespace
}  // namespace licence
