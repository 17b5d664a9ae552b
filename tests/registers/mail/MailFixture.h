#pragma once
// The mail register opened as a user opens it: the real main window on a copy of the template database,
// its menu entry "メールアドレス", and the modal register driven from inside its own event loop.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

#include "core/frm_Main.h"
#include "registers/frm_Edit_Mail.h"
#include "tests/support/LedgerFixture.h"
#include "tests/support/UiDriver.h"

namespace ui {
class DropDownCombo;
class FlexGrid;
}  // namespace ui

namespace mail {

using testsupport::gridTexts;
using testsupport::msgBoxPrompts;
using testsupport::pickItem;
using testsupport::readFile;
using testsupport::stdErrorBoxes;

class MailTest : public testsupport::LedgerTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // The office of the tests: three accounts sorted sato, suzuki, yamada, on PCs in 表参道, the retired
    // 旧倉庫 and 本社; sato's user and department are retired. Keys 2, 5 and 1.
    void seedOffice();
    void addPcAt(int key, const QString& name, int location, const QString& ip, const QString& os, int deleted = 0);
    // An account; a null QString stores Null.
    void addAccount(int key, int user, int pc, const QStringList& texts);

    // Starts the main window as the program does (once).
    frm_Main* startMain();
    // Starts the main window, then opens the register from its menu and runs `body` while the register
    // is shown modally; the register is closed afterwards if the body left it open.
    void withRegister(const std::function<void(frm_Edit_Mail*)>& body);

    // As a user does: click a cell, pick an item from a drop-down list, trigger a menu entry.
    static void clickRow(frm_Edit_Mail* w, int row, int col = 2);
    static QStringList items(ui::DropDownCombo* box);
    static bool trigger(frm_Edit_Mail* w, const QString& name);

    // Grid row whose hidden key column holds the account key; 0 when not listed.
    [[nodiscard]] static int rowOfKey(const ui::FlexGrid* grid, int key);

    // The account's columns as stored ("<null>" for Null).
    QStringList account(int key);

    frm_Main* m_main = nullptr;
};

// The account texts in box order: beat_loginID, Windows_UserName, beat_loginPassward, Mail_Address,
// SMTP_IPAddress, POP3_IPAddress, Mailbox_AccountName, Mailbox_Password.
inline const QStringList kAccountColumns = {"beat_loginID",        "Windows_UserName", "beat_loginPassward",
                                            "Mail_Address",        "SMTP_IPAddress",   "POP3_IPAddress",
                                            "Mailbox_AccountName", "Mailbox_Password"};

}  // namespace mail
