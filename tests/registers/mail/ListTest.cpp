// The register as it opens and its list: every account, the location filter, the grey marks.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <utility>

#include "core/Mdl_Access_mdb.h"
#include "platform/ui/Colors.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/DropDownCombo.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/Form.h"
#include "platform/ui/TextBox.h"
#include "tests/registers/mail/MailFixture.h"

namespace mail {
namespace {

const QStringList kCaptions = {"Key",
                               "",
                               "ログインID",
                               "氏名",
                               "ふりがな",
                               "Windowsユーザ名",
                               "パスワード",
                               "メールアドレス",
                               "SMTP",
                               "POP",
                               "メールBoxアカウント名",
                               "メールBoxパスワード",
                               "設置場所",
                               "部",
                               "課",
                               "コンピュータ名",
                               "IPアドレス",
                               "OS"};
const QStringList kSato = {"1",
                           "2",
                           "sato",
                           "佐藤 花子",
                           "さとう はなこ",
                           "h-sato",
                           "pw2",
                           "sato@example.jp",
                           "smtp.example.jp",
                           "pop.example.jp",
                           "sato",
                           "mb2",
                           "表参道",
                           "営業部",
                           "経理課",
                           "OMOTE-NB01",
                           "192.168.2.21",
                           "Windows 2000 Professional"};
const QStringList kSuzuki = {
    "2", "5",      "suzuki", "鈴木 一郎", "すずき いちろう", "", "", "suzuki@example.jp", "", "", "suzuki",
    "",  "旧倉庫", "総務部", "経理課",    "SOKO-PC01",       "", ""};
const QStringList kYamada = {"3",
                             "1",
                             "yamada",
                             "山田 太郎",
                             "やまだ たろう",
                             "t-yamada",
                             "pw1",
                             "yamada@example.jp",
                             "192.168.1.2",
                             "192.168.1.3",
                             "yamada",
                             "mb1",
                             "本社",
                             "総務部",
                             "庶務課",
                             "SOUMU-PC01",
                             "192.168.1.11",
                             "Windows XP Professional"};

// Grey cells of a row, by column.
std::vector<int> greyColumns(const ui::FlexGrid* grid, int row) {
    std::vector<int> cols;
    for (int c = 0; c < grid->Cols(); ++c)
        if (grid->cellBackColorAt(row, c) == ui::QBColor(8)) cols.push_back(c);
    return cols;
}

class ListTest : public MailTest {};

TEST_F(ListTest, OpensFromTheMainMenuListingEveryAccountWithRetiredNamesOnGrey) {
    seedOffice();
    withRegister([&](frm_Edit_Mail* w) {
        EXPECT_EQ(w->windowTitle(), "メール管理");
        // Size and place of the main window.
        EXPECT_EQ(w->Width(), m_main->Width());
        EXPECT_EQ(w->Height(), m_main->Height());
        EXPECT_EQ(w->Left(), m_main->Left());
        EXPECT_EQ(w->Top(), m_main->Top());

        const ui::FlexGrid* grid = w->MSFlexGrid_Mail;
        EXPECT_EQ(gridTexts(grid), (std::vector<QStringList>{kCaptions, kSato, kSuzuki, kYamada}));
        EXPECT_EQ(grid->ColWidth(0), 600);
        EXPECT_EQ(grid->ColWidth(1), 0) << "the account key is hidden";
        for (int c = 2; c < 18; ++c) EXPECT_EQ(grid->ColWidth(c), 1800) << c;
        EXPECT_EQ(greyColumns(grid, 0), (std::vector<int>{0, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17}));
        EXPECT_EQ(grid->cellAlignmentAt(0, 5), ui::flexAlignCenterBottom);
        EXPECT_EQ(grid->cellAlignmentAt(1, 5), ui::flexAlignLeftBottom);
        // Retired user and department (sato), retired location (suzuki); the running number always.
        EXPECT_EQ(greyColumns(grid, 1), (std::vector<int>{0, 3, 13}));
        EXPECT_EQ(greyColumns(grid, 2), (std::vector<int>{0, 12}));
        EXPECT_EQ(greyColumns(grid, 3), (std::vector<int>{0}));
        EXPECT_TRUE(w->bListLoaded);
        EXPECT_EQ(w->iSelRow, 0);
        EXPECT_TRUE(QTest::qWaitForWindowActive(w));
        EXPECT_EQ(QApplication::focusWidget(), grid) << "the grid comes first in the tab order";

        for (ui::TextBox* box : w->tbx_tbl_Mail) EXPECT_EQ(box->text(), "");
        EXPECT_EQ(w->cmb_User->currentText(), "");
        EXPECT_EQ(w->cmb_Computer->currentText(), "");
        EXPECT_EQ(w->cmb_Location->currentText(), "");
        EXPECT_TRUE(w->Mnu_AddRecord->isEnabled());
        EXPECT_FALSE(w->Mnu_Update->isEnabled());
        EXPECT_FALSE(w->Mnu_Delete->isEnabled());
        for (QLineEdit* hidden : {w->tbx_User, w->tbx_Computer, w->tbx_Location}) EXPECT_FALSE(hidden->isVisible());
    });
    EXPECT_TRUE(ui::script::shown().empty());
}

// The first column's captions stand at Left 120 and their inputs at 1560: the widest caption is drawn
// narrower, not moved out of the column (the layout test keeps it clear of its box).
TEST_F(ListTest, TheFirstColumnsCaptionsAndInputsStandInTwoColumns) {
    withRegister([&](frm_Edit_Mail* w) {
        const std::pair<QLabel*, QWidget*> rows[] = {
            {w->lbr_tbl_Mail[0], w->tbx_tbl_Mail[0]},
            {w->lbr_User, w->cmb_User},
            {w->lbr_tbl_Mail[1], w->tbx_tbl_Mail[1]},
            {w->lbr_tbl_Mail[2], w->tbx_tbl_Mail[2]},
        };
        for (const auto& [label, input] : rows) {
            EXPECT_EQ(label->x(), ui::px(120)) << label->text().toStdString();
            EXPECT_EQ(input->x(), ui::px(1560)) << input->objectName().toStdString();
        }
    });
}

TEST_F(ListTest, MenusCarryTheirStoredCaptionsInOrder) {
    withRegister([&](frm_Edit_Mail* w) {
        const QString ideo(QChar(0x3000));
        EXPECT_EQ(w->Mnu_File->title(), "ファイル" + ideo.repeated(6));
        EXPECT_EQ(w->Mnu_Edit->title(), "編集" + ideo.repeated(9));
        QStringList file, edit;
        for (QAction* a : w->Mnu_File->actions()) file << (a->isSeparator() ? "-" + a->objectName() : a->text());
        for (QAction* a : w->Mnu_Edit->actions()) edit << (a->isSeparator() ? "-" + a->objectName() : a->text());
        EXPECT_EQ(file, (QStringList{"エクスポート", "エクスポート(OutlookExpress用)", "エクスポート(beat-box用)",
                                     "-separator01", "閉じる"}));
        EXPECT_EQ(edit, (QStringList{"新規" + ideo.repeated(8), "-separator02", "更新", "削除"}));
        EXPECT_EQ(w->Mnu_Close->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_W));
        for (const char* name : {"Mnu_Export", "Mnu_Export_OE", "Mnu_Export_beat", "Mnu_Close", "Mnu_AddRecord",
                                 "Mnu_Update", "Mnu_Delete"})
            EXPECT_NE(w->findChild<QAction*>(name), nullptr) << name;
    });
}

// The location list: a blank item first, the locations in use by code, a nameless one as an empty item.
// The blank, the nameless and the reserved location give code 0 and list every account.
TEST_F(ListTest, TheLocationFilterListsTheAccountsOfOneLocationsPcs) {
    seedOffice();
    withRegister([&](frm_Edit_Mail* w) {
        EXPECT_EQ(items(w->cmb_Location), (QStringList{" ", "", "本社", "表参道", "空き", ""}));
        struct Case {
            int item;
            const char* code;
            std::vector<QStringList> rows;
        };
        const Case cases[] = {
            {3, "2", {kCaptions, kSato}},
            {2,
             "1",
             {kCaptions,
              {"1", "1", "yamada", "山田 太郎", "やまだ たろう", "t-yamada", "pw1", "yamada@example.jp", "192.168.1.2",
               "192.168.1.3", "yamada", "mb1", "本社", "総務部", "庶務課", "SOUMU-PC01", "192.168.1.11",
               "Windows XP Professional"}}},
            {0, "0", {kCaptions, kSato, kSuzuki, kYamada}},
            {5, "0", {kCaptions, kSato, kSuzuki, kYamada}},
            {1, "0", {kCaptions, kSato, kSuzuki, kYamada}},
            {4, "4", {}},  // no PC stands there: no rows, no columns, no captions
        };
        for (const Case& c : cases) {
            SCOPED_TRACE(c.item);
            pickItem(w->cmb_Location, c.item);
            EXPECT_EQ(w->tbx_Location->text(), c.code);
            EXPECT_EQ(gridTexts(w->MSFlexGrid_Mail), c.rows);
            EXPECT_EQ(w->iSelRow, 0);
        }
        EXPECT_EQ(w->MSFlexGrid_Mail->Cols(), 0);
        EXPECT_TRUE(w->bListLoaded) << "an empty list leaves the flag as it was";
    });
    EXPECT_TRUE(ui::script::shown().empty());
}

TEST_F(ListTest, TheFilterJoinsTheStatementBeforeItsClosingParenthesis) {
    EXPECT_TRUE(frm_Edit_Mail::mailListSql(3).endsWith(
        "(tbl_Division.Division_Code = tbl_User.Division_Code)  AND (tbl_Computer_List.Location_Code = 3)) ORDER BY "
        "Mail_Address;"));
    for (qint16 none : {qint16(0), qint16(-1)})
        EXPECT_TRUE(frm_Edit_Mail::mailListSql(none).endsWith(
            "(tbl_Division.Division_Code = tbl_User.Division_Code) ) ORDER BY Mail_Address;"));
}

// An account is listed only while its user, PC, the PC's location and the user's department and section
// all exist; a name left empty stays white even when its row is retired.
TEST_F(ListTest, AccountsWithAMissingRowAreLeftOutAndEmptyRetiredNamesStayWhite) {
    addMaster("tbl_Location", 1, "", "1");
    addUser(1, "", 0, 0, "", "1");
    addUser(2, "欠課", 0, 9, "");  // section 9 does not exist
    addPcAt(1, "PC-A", 1, "", "");
    addPcAt(2, "PC-B", 7, "", "");  // location 7 does not exist
    addAccount(1, 1, 1, {"a", "", "", "a@x", "", "", "", ""});
    addAccount(2, 1, 2, {"b", "", "", "b@x", "", "", "", ""});
    addAccount(3, 2, 1, {"c", "", "", "c@x", "", "", "", ""});
    addAccount(4, 9, 1, {"d", "", "", "d@x", "", "", "", ""});  // user 9 does not exist
    addAccount(6, 1, 8, {"e", "", "", "e@x", "", "", "", ""});  // PC 8 does not exist
    withRegister([&](frm_Edit_Mail* w) {
        const ui::FlexGrid* grid = w->MSFlexGrid_Mail;
        ASSERT_EQ(grid->Rows(), 2);
        EXPECT_EQ(grid->TextMatrix(1, 1), "1");
        EXPECT_EQ(greyColumns(grid, 1), (std::vector<int>{0}));
    });
}

TEST_F(ListTest, WithoutAccountsTheGridIsEmptyAndClicksDoNothing) {
    withRegister([&](frm_Edit_Mail* w) {
        EXPECT_EQ(w->MSFlexGrid_Mail->Rows(), 0);
        EXPECT_EQ(w->MSFlexGrid_Mail->Cols(), 0);
        EXPECT_FALSE(w->bListLoaded);
        emit w->MSFlexGrid_Mail->Click();
        EXPECT_EQ(w->iSelRow, 0);
        EXPECT_FALSE(w->Mnu_Update->isEnabled());
    });
    EXPECT_TRUE(ui::script::shown().empty());
}

// A fill that fails shows the standard error box and the grid again.
TEST_F(ListTest, AFailingFillShowsTheErrorBox) {
    seedOffice();
    withRegister([&](frm_Edit_Mail* w) {
        gCn().setFailHook([](const QString& s) { return s.contains("ORDER BY Mail_Address"); });
        ui::script::answerMsgBox(ui::vbOK);
        pickItem(w->cmb_Location, 3);
        gCn().setFailHook({});
        EXPECT_EQ(stdErrorBoxes(), 1);
        EXPECT_TRUE(w->MSFlexGrid_Mail->Redraw());
        EXPECT_EQ(w->MSFlexGrid_Mail->Rows(), 4) << "the grid keeps what it showed";
    });
}

}  // namespace
}  // namespace mail
