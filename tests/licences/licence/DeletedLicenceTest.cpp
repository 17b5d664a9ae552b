// New takes the licence key the window read earlier (a pick-list line, an assignment's row). A delete in the
// stock window frees the highest key, and the next product added there takes it: the assignment meant for
// the licence read must not go to the new product. A key typed by hand is the licence under it now.
#include <gtest/gtest.h>

#include "licences/frm_Add_License.h"
#include "platform/ui/TextBox.h"
#include "tests/licences/licence/StaleKeyFixture.h"

namespace licence {
namespace {

const QString kGone = QStringLiteral(
    "Vondari|48|選択したライセンスは削除されています。一覧を更新して、ライセンスを選択し直してください。");
const QString kBadKey = QStringLiteral("Vondari|48|ライセンスのKeyが正しくありません。");

class DeletedLicenceTest : public StaleKeyTest {
protected:
    // PCs 1 PC-A and 2 PC-B; the stock 1 Office (assigned to PC-A) and 2 Viewer, the highest key, which no
    // assignment holds, so the next product added after its delete takes key 2 again. The assignment window
    // is opened from the main window's menu, whose delete the grid-row case needs.
    void SetUp() override {
        StaleKeyTest::SetUp();
        ASSERT_FALSE(HasFatalFailure());
        addLicence(2, "Viewer", 5);
        addAssignment({1, 1, 1, "P-1"});
        openFromMainWindow();
    }

    // The stock window: the product `key` selected and deleted, then closed by 閉じる (which refills the
    // assignment window's licence list) or by its close box (which does not).
    void stockDelete(int key, bool byCloseBox = false) {
        frm_Add_License* stock = openStock();
        ASSERT_NE(stock, nullptr);
        const int row = rowWith(stock->MSFlexGrid_License, 0, QString::number(key));
        ASSERT_GT(row, 0) << "licence " << key << " is not in the stock";
        clickCell(stock->MSFlexGrid_License, row, 1);
        ui::script::answerMsgBox(ui::vbYes);
        trigger(stock, "Mnu_DeleteRecord");
        ASSERT_EQ(count(QString("SELECT * FROM tbl_License_Key WHERE [Key] = %1").arg(key)), 0);
        closeStock(stock, byCloseBox);
    }
    // The stock window's 新規, the new row named and counted, closed as above; the new product must get
    // `key`.
    void stockAdd(int key, const QString& name, bool byCloseBox = false) {
        frm_Add_License* stock = openStock();
        ASSERT_NE(stock, nullptr);
        trigger(stock, "Mnu_AddRecord");
        const int row = rowWith(stock->MSFlexGrid_License, 0, QString::number(key));
        ASSERT_GT(row, 0) << "the new product did not get key " << key;
        clickCell(stock->MSFlexGrid_License, row, 1);
        type(stock->tbx_LicenseName, name);
        type(stock->tbx_LicenseNum, "3");
        trigger(stock, "Mnu_EditRecord");
        ASSERT_EQ(scalar(QString("SELECT Application_Name FROM tbl_License_Key WHERE [Key] = %1").arg(key)), name);
        closeStock(stock, byCloseBox);
    }
    void closeStock(frm_Add_License* stock, bool byCloseBox) {
        if (byCloseBox)
            ASSERT_TRUE(stock->closeWithReason(ui::vbFormControlMenu));
        else
            trigger(stock, "Mnu_Close");
        settle();
        ASSERT_EQ(ui::findForm("frm_Add_License"), nullptr);
        ui::script::reset();
    }

    int assignmentsOf(int licence, int pc) {
        return count(QString("SELECT * FROM tbl_License_Dat WHERE Application_Code = %1 AND Computer_Code = %2")
                         .arg(licence)
                         .arg(pc));
    }
};

// The licence picked deleted: New refuses, first with the box it always showed for a key without a row,
// then, once a new product took the key, with the gone box. A pick from the list refilled by 閉じる is
// written.
TEST_F(DeletedLicenceTest, NewRefusesTheLicencePickedBeforeItsKeyWasGivenAgain) {
    pickLine(m_win->List_license, "Viewer");
    pickLine(m_win->List_ComuputerName, "PC-B");
    ASSERT_EQ(m_win->tbx_LicenseKey->text(), "2");
    stockDelete(2);
    ASSERT_FALSE(HasFatalFailure());
    EXPECT_EQ(run("Mnu_AddRecord"), QStringList{kBadKey});
    stockAdd(2, "Other");
    ASSERT_FALSE(HasFatalFailure());
    const QStringList before = assignments();
    EXPECT_EQ(run("Mnu_AddRecord"), QStringList{kGone});
    EXPECT_EQ(assignments(), before);
    EXPECT_EQ(m_win->tbx_LicenseKey->text(), "2");  // the window as it was
    EXPECT_TRUE(m_win->tbx_LicenseName->text().startsWith("Viewer"));

    pickLine(m_win->List_license, "Other");
    ASSERT_EQ(m_win->tbx_LicenseKey->text(), "2");
    EXPECT_EQ(run("Mnu_AddRecord"), QStringList());
    EXPECT_EQ(assignmentsOf(2, 2), 1);
}

// Closed by its close box, the stock window leaves the licence list as it was read: its Viewer line,
// picked after the delete and the new product, is the product deleted, not the one under its key now.
// 一覧更新 reads the stock again, and a pick from that list is written.
TEST_F(DeletedLicenceTest, ALineOfTheListReadBeforeTheDeleteIsNoPickOfTheNewProduct) {
    stockDelete(2, true);
    ASSERT_FALSE(HasFatalFailure());
    stockAdd(2, "Other", true);
    ASSERT_FALSE(HasFatalFailure());
    pickLine(m_win->List_license, "Viewer");
    pickLine(m_win->List_ComuputerName, "PC-B");
    ASSERT_EQ(m_win->tbx_LicenseKey->text(), "2");
    const QStringList before = assignments();
    EXPECT_EQ(run("Mnu_AddRecord"), QStringList{kGone});
    EXPECT_EQ(assignments(), before);

    trigger(m_win, "View_MSFlexGrid_License_assignment_Update");
    pickLine(m_win->List_license, "Other");
    pickLine(m_win->List_ComuputerName, "PC-B");
    EXPECT_EQ(run("Mnu_AddRecord"), QStringList());
    EXPECT_EQ(assignmentsOf(2, 2), 1);
}

// A key read from an assignment's row at a grid click: that assignment gone with its PC, its licence
// deleted and the key given to a new product. New with another PC picked refuses.
TEST_F(DeletedLicenceTest, NewRefusesALicenceKeyReadFromAnAssignmentRow) {
    addAssignment({2, 2, 2, "P-2"});
    trigger(m_win, "View_MSFlexGrid_License_assignment_Update");
    const int row = rowWith(m_win->FGrid_EditLicense, 0, "2");
    ASSERT_GT(row, 0);
    clickCell(m_win->FGrid_EditLicense, row);
    settle();
    ASSERT_EQ(m_win->tbx_LicenseKey->text(), "2");
    pickLine(m_win->List_ComuputerName, "PC-A");
    mainDelete(2);
    ASSERT_FALSE(HasFatalFailure());
    stockDelete(2);
    ASSERT_FALSE(HasFatalFailure());
    stockAdd(2, "Other");
    ASSERT_FALSE(HasFatalFailure());
    const QStringList before = assignments();
    EXPECT_EQ(run("Mnu_AddRecord"), QStringList{kGone});
    EXPECT_EQ(assignments(), before);
}

// What does not refuse: another licence deleted leaves the pick as it was, and a key typed by hand names
// the licence under it now.
TEST_F(DeletedLicenceTest, AnotherLicenceDeletedOrATypedKeyIsNoRefusal) {
    addLicence(3, "Spare", 1);
    pickLine(m_win->List_license, "Office");
    pickLine(m_win->List_ComuputerName, "PC-B");
    stockDelete(3);
    ASSERT_FALSE(HasFatalFailure());
    EXPECT_EQ(run("Mnu_AddRecord"), QStringList());
    EXPECT_EQ(assignmentsOf(1, 2), 1);

    pickLine(m_win->List_license, "Viewer");
    pickLine(m_win->List_ComuputerName, "PC-B");
    stockDelete(2);
    ASSERT_FALSE(HasFatalFailure());
    stockAdd(2, "Other");
    ASSERT_FALSE(HasFatalFailure());
    retype(m_win->tbx_LicenseKey, "2");
    EXPECT_EQ(run("Mnu_AddRecord"), QStringList());
    EXPECT_EQ(assignmentsOf(2, 2), 1);
}

}  // namespace
}  // namespace licence
