// Picking an account, the pick lists, new, update and delete.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <functional>

#include "core/Mdl_Access_mdb.h"
#include "platform/ui/Colors.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/DropDownCombo.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/Forms.h"
#include "platform/ui/TextBox.h"
#include "tests/registers/mail/MailFixture.h"

namespace mail {
namespace {

// Rows of the office's list: sato, suzuki, yamada.
constexpr int kSatoRow = 1, kSuzukiRow = 2, kYamadaRow = 3;

QStringList boxTexts(const frm_Edit_Mail* w) {
    QStringList texts;
    for (const ui::TextBox* box : w->tbx_tbl_Mail) texts << box->text();
    return texts;
}

// Whether every cell of the row from column 1 on has the colour.
bool rowPainted(const ui::FlexGrid* grid, int row, int qbColour) {
    for (int c = 1; c < grid->Cols(); ++c)
        if (grid->cellBackColorAt(row, c) != ui::QBColor(qbColour)) return false;
    return true;
}

void typeInto(QLineEdit* box, const QString& text) {
    box->setFocus();
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClicks(box, text);
}

class CommandsTest : public MailTest {
protected:
    void SetUp() override {
        MailTest::SetUp();
        seedOffice();
    }
};

TEST_F(CommandsTest, AClickOnARowFillsTheBoxesAndNamesButNotTheCodes) {
    withRegister([&](frm_Edit_Mail* w) {
        clickRow(w, kSuzukiRow);
        EXPECT_EQ(w->iSelRow, kSuzukiRow);
        EXPECT_EQ(boxTexts(w), (QStringList{"suzuki", "", "", "suzuki@example.jp", "", "", "suzuki", ""}));
        EXPECT_EQ(w->cmb_User->currentText(), "鈴木 一郎");
        EXPECT_EQ(w->cmb_Computer->currentText(), "SOKO-PC01");
        EXPECT_EQ(w->tbx_User->text(), "");
        EXPECT_EQ(w->tbx_Computer->text(), "");
        EXPECT_TRUE(rowPainted(w->MSFlexGrid_Mail, kSuzukiRow, 8));
        EXPECT_TRUE(w->Mnu_Update->isEnabled());
        EXPECT_TRUE(w->Mnu_Delete->isEnabled());

        // Another row: the first turns white from column 1 on (its grey location mark too).
        clickRow(w, kYamadaRow, 17);
        EXPECT_EQ(boxTexts(w), (QStringList{"yamada", "t-yamada", "pw1", "yamada@example.jp", "192.168.1.2",
                                            "192.168.1.3", "yamada", "mb1"}));
        EXPECT_TRUE(rowPainted(w->MSFlexGrid_Mail, kSuzukiRow, 15));
        EXPECT_TRUE(rowPainted(w->MSFlexGrid_Mail, kYamadaRow, 8));
        EXPECT_EQ(w->MSFlexGrid_Mail->cellBackColorAt(kYamadaRow, 0), ui::QBColor(8));

        // The caption row picks nothing.
        clickRow(w, 0, 5);
        EXPECT_EQ(w->iSelRow, kYamadaRow);
        EXPECT_EQ(w->tbx_tbl_Mail[0]->text(), "yamada");
    });
}

TEST_F(CommandsTest, MovingThroughTheGridWithTheKeyboardPicksNothing) {
    withRegister([&](frm_Edit_Mail* w) {
        w->MSFlexGrid_Mail->setFocus();
        for (int key : {Qt::Key_Down, Qt::Key_Down, Qt::Key_Up, Qt::Key_Right})
            QTest::keyClick(w->MSFlexGrid_Mail, Qt::Key(key));
        EXPECT_EQ(w->iSelRow, 0);
        EXPECT_EQ(w->tbx_tbl_Mail[0]->text(), "");
        EXPECT_FALSE(w->Mnu_Update->isEnabled());
    });
}

// Pick lists: users in use with a name, by department then section, each with a blank; installed PCs
// that have a location row, by name, with their location; never the reserved PC.
TEST_F(CommandsTest, ThePickListsOfferUsersInUseAndInstalledPcs) {
    addPcAt(6, "NOWHERE-PC", 9, "", "");  // location 9 does not exist
    withRegister([&](frm_Edit_Mail* w) {
        EXPECT_EQ(items(w->cmb_User), (QStringList{"高橋 ", "山田 太郎 ", "鈴木 一郎 "}));
        EXPECT_EQ(items(w->cmb_Computer), (QStringList{"OMOTE-NB01 表参道", "SOKO-PC01 旧倉庫", "SOUMU-PC01 本社"}));
        // Refilled at each drop-down.
        addUser(6, "伊藤", 0, 0, "");
        EXPECT_EQ(items(w->cmb_User).first(), "伊藤 ");
    });
}

TEST_F(CommandsTest, UpdateWritesTheBoxesAsTypedAndKeepsTheCodesUnlessPicked) {
    withRegister([&](frm_Edit_Mail* w) {
        clickRow(w, kYamadaRow);
        typeInto(w->tbx_tbl_Mail[1], "o'hara");  // an apostrophe is stored as typed
        typeInto(w->tbx_tbl_Mail[7], "");        // an emptied box stores the empty text
        typeInto(w->tbx_tbl_Mail[3], "t.yamada@example.jp");
        ASSERT_TRUE(trigger(w, "Mnu_Update"));

        EXPECT_EQ(account(1), (QStringList{"1", "1", "yamada", "o'hara", "pw1", "t.yamada@example.jp", "192.168.1.2",
                                           "192.168.1.3", "yamada", ""}));
        // Boxes emptied, the same row number grey, the commands off until the next pick.
        EXPECT_EQ(boxTexts(w), QStringList(8, ""));
        EXPECT_EQ(w->cmb_User->currentText(), "");
        EXPECT_EQ(w->cmb_Computer->currentText(), "");
        EXPECT_EQ(w->iSelRow, kYamadaRow);
        EXPECT_TRUE(rowPainted(w->MSFlexGrid_Mail, kYamadaRow, 8));
        EXPECT_FALSE(w->Mnu_Update->isEnabled());
        EXPECT_FALSE(w->Mnu_Delete->isEnabled());
        EXPECT_EQ(w->MSFlexGrid_Mail->TextMatrix(kYamadaRow, 7), "t.yamada@example.jp");

        // Picking a user and a PC from the lists writes their codes.
        clickRow(w, kSatoRow);
        pickItem(w->cmb_User, 2);      // 鈴木 一郎
        pickItem(w->cmb_Computer, 2);  // SOUMU-PC01
        EXPECT_EQ(w->tbx_User->text(), "3");
        EXPECT_EQ(w->tbx_Computer->text(), "1");
        ASSERT_TRUE(trigger(w, "Mnu_Update"));
        EXPECT_EQ(account(2).mid(0, 3), (QStringList{"3", "1", "sato"}));
    });
    EXPECT_TRUE(ui::script::shown().empty());
}

// The refreshed list may show another account at the picked row number: that row stays grey all the same.
TEST_F(CommandsTest, AfterAnUpdateThatMovesTheAccountTheRowNumberStaysGrey) {
    withRegister([&](frm_Edit_Mail* w) {
        clickRow(w, kSatoRow);
        typeInto(w->tbx_tbl_Mail[3], "zz@example.jp");
        ASSERT_TRUE(trigger(w, "Mnu_Update"));
        EXPECT_EQ(rowOfKey(w->MSFlexGrid_Mail, 2), 3);
        EXPECT_EQ(w->MSFlexGrid_Mail->TextMatrix(kSatoRow, 2), "suzuki");
        EXPECT_TRUE(rowPainted(w->MSFlexGrid_Mail, kSatoRow, 8));
    });
}

TEST_F(CommandsTest, DeleteAsksFirstAndRemovesOnlyOnYes) {
    withRegister([&](frm_Edit_Mail* w) {
        clickRow(w, kSuzukiRow);
        ui::script::answerMsgBox(ui::vbNo);
        ASSERT_TRUE(trigger(w, "Mnu_Delete"));
        EXPECT_EQ(count("SELECT * FROM tbl_Mail_Management"), 3);
        EXPECT_EQ(w->iSelRow, kSuzukiRow);
        EXPECT_TRUE(w->Mnu_Delete->isEnabled());

        ui::script::answerMsgBox(ui::vbYes);
        ASSERT_TRUE(trigger(w, "Mnu_Delete"));
        EXPECT_EQ(scalar("SELECT [Key] FROM tbl_Mail_Management WHERE [Key] = 5"), "<none>");
        EXPECT_EQ(w->MSFlexGrid_Mail->Rows(), 3);
        EXPECT_EQ(rowOfKey(w->MSFlexGrid_Mail, 5), 0);
        EXPECT_EQ(w->iSelRow, 0);
        EXPECT_EQ(boxTexts(w), QStringList(8, ""));
        EXPECT_FALSE(w->Mnu_Delete->isEnabled());
        EXPECT_FALSE(w->Mnu_Update->isEnabled());
    });
    ASSERT_EQ(ui::script::shown().size(), 2u);
    for (const auto& box : ui::script::shown()) {
        EXPECT_EQ(box.prompt, "削除しますか？");
        EXPECT_EQ(box.title, "確認");
        EXPECT_EQ(box.buttons, ui::vbYesNo | ui::vbQuestion);
    }
}

// A location pick drops the picked row but leaves the commands on: they then do nothing (delete asks).
TEST_F(CommandsTest, AfterALocationPickUpdateAndDeleteDoNothing) {
    withRegister([&](frm_Edit_Mail* w) {
        clickRow(w, kYamadaRow);
        typeInto(w->tbx_tbl_Mail[0], "changed");
        pickItem(w->cmb_Location, 0);
        EXPECT_EQ(w->iSelRow, 0);
        EXPECT_EQ(w->tbx_tbl_Mail[0]->text(), "changed");
        ASSERT_TRUE(w->Mnu_Update->isEnabled());
        ASSERT_TRUE(trigger(w, "Mnu_Update"));
        ui::script::answerMsgBox(ui::vbYes);
        ASSERT_TRUE(trigger(w, "Mnu_Delete"));
    });
    EXPECT_EQ(account(1)[2], "yamada");
    EXPECT_EQ(count("SELECT * FROM tbl_Mail_Management"), 3);
    EXPECT_EQ(msgBoxPrompts(), QStringList{"削除しますか？"});
}

// An account deleted behind the window's back is skipped quietly and the list refreshed.
TEST_F(CommandsTest, AnAccountGoneMeanwhileIsSkippedQuietly) {
    withRegister([&](frm_Edit_Mail* w) {
        clickRow(w, kYamadaRow);
        sql("DELETE FROM tbl_Mail_Management WHERE [Key] = 1");
        ASSERT_TRUE(trigger(w, "Mnu_Update"));
        EXPECT_EQ(w->MSFlexGrid_Mail->Rows(), 3);
        EXPECT_EQ(count("SELECT * FROM tbl_Mail_Management"), 2);
    });
    EXPECT_TRUE(ui::script::shown().empty());
}

// New takes the highest key + 1 with user 0 and PC 0; the boxes keep what was typed, which is not
// written, and no row is picked. The new account is listed on the reserved rows.
TEST_F(CommandsTest, NewAddsAnEmptyAccountOnTheReservedRows) {
    QStringList statements;
    withRegister([&](frm_Edit_Mail* w) {
        gCn().setFailHook([&](const QString& s) {
            if (s.startsWith("INSERT")) statements << s;
            return false;
        });
        clickRow(w, kYamadaRow);
        typeInto(w->tbx_tbl_Mail[0], "typed");
        ASSERT_TRUE(trigger(w, "Mnu_AddRecord"));
        EXPECT_EQ(w->tbx_tbl_Mail[0]->text(), "typed");
        EXPECT_EQ(w->iSelRow, 0);
        EXPECT_FALSE(w->Mnu_Update->isEnabled());
        EXPECT_FALSE(w->Mnu_Delete->isEnabled());
        // A Null mail address sorts first; every text cell is empty.
        ASSERT_EQ(w->MSFlexGrid_Mail->Rows(), 5);
        EXPECT_EQ(w->MSFlexGrid_Mail->TextMatrix(1, 1), "6");
        for (int c = 2; c < 18; ++c) EXPECT_EQ(w->MSFlexGrid_Mail->TextMatrix(1, c), "") << c;
        EXPECT_TRUE(rowPainted(w->MSFlexGrid_Mail, 1, 15));
    });
    EXPECT_EQ(statements,
              QStringList{"INSERT INTO tbl_Mail_Management( [Key] ,User_Code ,Conputer_Code ) VALUES ( 6,0,0 );"});
    EXPECT_EQ(account(6), (QStringList{"0", "0"} + QStringList(8, "<null>")));
}

// The eight boxes and the user list light up while they have the focus; the PC and location lists do not.
TEST_F(CommandsTest, TheBoxesAndTheUserListShowTheFocusColour) {
    withRegister([&](frm_Edit_Mail* w) {
        ASSERT_TRUE(QTest::qWaitForWindowActive(w));
        const QColor lit = ui::vbColor(0xFFFF80), plain = ui::vbColor(0xFFFFFF);
        auto base = [](const QWidget* c) { return c->palette().color(QPalette::Base); };
        QWidget* order[] = {w->tbx_tbl_Mail[0], w->tbx_tbl_Mail[5], w->cmb_User, w->tbx_tbl_Mail[7]};
        QWidget* before = nullptr;
        for (QWidget* c : order) {
            SCOPED_TRACE(c->objectName().toStdString());
            QTest::mouseClick(c, Qt::LeftButton, {}, QPoint(4, c->height() / 2));
            EXPECT_EQ(base(c), lit);
            if (before) {
                EXPECT_EQ(base(before), plain);
            }
            before = c;
        }
        const QColor computerBefore = base(w->cmb_Computer);
        w->cmb_Computer->setFocus(Qt::TabFocusReason);
        EXPECT_EQ(base(w->cmb_Computer), computerBefore);
        EXPECT_EQ(base(w->tbx_tbl_Mail[7]), plain);
    });
}

// 閉じる (or Ctrl+W) and the close box unload the register without asking; the next opening starts
// afresh, without the last filter or pick.
TEST_F(CommandsTest, ClosingUnloadsAndTheNextOpeningStartsAfresh) {
    const std::function<void(frm_Edit_Mail*)> closes[] = {
        [](frm_Edit_Mail* w) { ASSERT_TRUE(trigger(w, "Mnu_Close")); },
        [](frm_Edit_Mail* w) {
            // The offscreen platform leaves the closed drop-down list active.
            QApplication::setActiveWindow(w);
            ASSERT_TRUE(QTest::qWaitForWindowActive(w));
            QTest::keySequence(w, QKeySequence(Qt::CTRL | Qt::Key_W));
        },
        [](frm_Edit_Mail* w) { EXPECT_TRUE(w->closeWithReason(ui::vbFormControlMenu)); },
    };
    for (const auto& close : closes) {
        SCOPED_TRACE(&close - closes);
        withRegister([&](frm_Edit_Mail* w) {
            EXPECT_EQ(w->MSFlexGrid_Mail->Rows(), 4) << "every account again";
            EXPECT_EQ(w->tbx_Location->text(), "");
            pickItem(w->cmb_Location, 3);
            clickRow(w, 1);
            close(w);
            EXPECT_EQ(ui::findForm("frm_Edit_Mail"), nullptr);
        });
    }
    EXPECT_TRUE(ui::script::shown().empty());
}

}  // namespace
}  // namespace mail
