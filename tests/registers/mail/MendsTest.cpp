// What the register does where a step fails: new keys, the new account's transaction, commands that
// fail part-way, and a main window too small for the grid.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTest>

#include "core/Mdl_Access_mdb.h"
#include "core/Mdl_gData.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/DropDownCombo.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/TextBox.h"
#include "tests/registers/mail/MailFixture.h"

namespace mail {
namespace {

class MendsTest : public MailTest {};

// The new key is the highest + 1 (0 in an empty table). When the highest key cannot be read, or the next
// one would pass 32767, one error box is shown and nothing is created.
TEST_F(MendsTest, NewCreatesNothingWhenTheNextKeyCannotBeHad) {
    struct Case {
        const char* what;
        std::vector<int> keys;  // accounts before
        bool maxFails;
        int created;  // -1: none
    };
    const Case cases[] = {
        {"empty table", {}, false, 0},
        {"highest key 0", {0}, false, 1},
        {"highest key 7", {3, 7}, false, 8},
        {"lookup fails, key 1 taken", {1}, true, -1},
        {"lookup fails on an empty table", {}, true, -1},
        {"lookup fails, highest key 0", {0}, true, -1},
        {"highest key 32767", {32767}, false, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        sql("DELETE FROM tbl_Mail_Management");
        for (int key : c.keys) addAccount(key, 0, 0, QStringList(8, ""));
        ui::script::reset();
        withRegister([&](frm_Edit_Mail* w) {
            if (c.maxFails) gCn().setFailHook([](const QString& s) { return s.startsWith("SELECT MAX("); });
            if (c.created < 0) ui::script::answerMsgBox(ui::vbOK);
            ASSERT_TRUE(trigger(w, "Mnu_AddRecord"));
            gCn().setFailHook({});
            EXPECT_FALSE(gCn().inTransaction());
        });
        EXPECT_EQ(stdErrorBoxes(), c.created < 0 ? 1 : 0);
        EXPECT_EQ(count("SELECT * FROM tbl_Mail_Management"), int(c.keys.size()) + (c.created < 0 ? 0 : 1));
        if (c.created >= 0) {
            EXPECT_EQ(scalar(QString("SELECT User_Code FROM tbl_Mail_Management WHERE [Key] = %1").arg(c.created)),
                      "0");
        }
    }
}

// A failing insert rolls back: the shared connection is not left inside a transaction, so the writes
// after it are kept.
TEST_F(MendsTest, AFailedNewLeavesNoTransactionOpenAndLaterWritesAreKept) {
    seedOffice();
    withRegister([&](frm_Edit_Mail* w) {
        gCn().setFailHook([](const QString& s) { return s.startsWith("INSERT INTO tbl_Mail_Management"); });
        ui::script::answerMsgBox(ui::vbOK);
        ASSERT_TRUE(trigger(w, "Mnu_AddRecord"));
        gCn().setFailHook({});
        EXPECT_EQ(stdErrorBoxes(), 1);
        EXPECT_FALSE(gCn().inTransaction());
        EXPECT_EQ(w->MSFlexGrid_Mail->Rows(), 4);

        clickRow(w, 3);
        w->tbx_tbl_Mail[0]->setText("kept");
        ASSERT_TRUE(trigger(w, "Mnu_Update"));
    });
    // Closed and opened again, the database holds the update.
    fnc_DB_Close();
    openDb();
    EXPECT_EQ(rows("SELECT beat_loginID FROM tbl_Mail_Management WHERE [Key] = 1"), std::vector<QStringList>{{"kept"}});
    EXPECT_EQ(rows("SELECT COUNT(*) FROM tbl_Mail_Management"), std::vector<QStringList>{{"3"}});
}

// A command that fails part-way shows the standard error box and leaves the window as it was.
TEST_F(MendsTest, AFailingCommandShowsTheErrorBoxAndLeavesTheWindowAsItWas) {
    seedOffice();
    withRegister([&](frm_Edit_Mail* w) {
        // A value the column refuses (more than 255 characters).
        clickRow(w, 3);
        w->tbx_tbl_Mail[3]->setText(QString(256, 'a'));
        ui::script::answerMsgBox(ui::vbOK);
        ASSERT_TRUE(trigger(w, "Mnu_Update"));
        EXPECT_EQ(stdErrorBoxes(), 1);
        EXPECT_EQ(w->tbx_tbl_Mail[3]->text(), QString(256, 'a'));
        EXPECT_EQ(w->iSelRow, 3);
        EXPECT_TRUE(w->Mnu_Update->isEnabled());
        EXPECT_EQ(account(1)[5], "yamada@example.jp");

        // A delete the database refuses.
        gCn().setFailHook([](const QString& s) { return s.startsWith("DELETE"); });
        ui::script::answerMsgBox(ui::vbYes);
        ui::script::answerMsgBox(ui::vbOK);
        ASSERT_TRUE(trigger(w, "Mnu_Delete"));
        EXPECT_EQ(stdErrorBoxes(), 2);
        EXPECT_EQ(count("SELECT * FROM tbl_Mail_Management"), 3);
        EXPECT_TRUE(w->Mnu_Delete->isEnabled());

        // A pick list whose query fails.
        gCn().setFailHook([](const QString& s) { return s.contains("FROM tbl_User"); });
        ui::script::answerMsgBox(ui::vbOK);
        w->cmb_User->showPopup();
        w->cmb_User->hidePopup();
        gCn().setFailHook({});
        EXPECT_EQ(stdErrorBoxes(), 3);
        EXPECT_EQ(w->cmb_User->currentText(), "山田 太郎");
    });
}

// A main window lower than the space above the grid: the grid keeps its height rather than failing the
// load; the width still follows. Resizing the register works the same way.
TEST_F(MendsTest, ATinyMainWindowLeavesTheGridHeightAsItWas) {
    seedOffice();
    ASSERT_NE(startMain(), nullptr);
    QTest::qWait(1);  // the main window takes its stored size once shown
    m_main->setWidth(6000);
    m_main->setHeight(2400);
    QTest::qWait(1);
    ASSERT_LT(m_main->Height(), 3110);
    withRegister([&](frm_Edit_Mail* w) {
        const ui::FlexGrid* grid = w->MSFlexGrid_Mail;
        EXPECT_LT(gFormHeight, 3110);
        EXPECT_EQ(w->Height(), gFormHeight);
        EXPECT_GT(grid->height(), 0);
        EXPECT_EQ(grid->width(), ui::px(w->Width() - 320));
        EXPECT_EQ(grid->Rows(), 4) << "the list was filled";
        const int height = grid->height();

        w->setHeight(3000);
        QTest::qWait(1);
        EXPECT_EQ(grid->height(), height);
        w->setHeight(9000);
        QTest::qWait(1);
        EXPECT_EQ(grid->height(), ui::px(w->Height() - 3110));
    });
    EXPECT_EQ(stdErrorBoxes(), 0);
}

}  // namespace
}  // namespace mail
