#include "tests/registers/mail/MailFixture.h"

#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QTimer>

#include "core/Mdl_Access_mdb.h"
#include "core/Registration.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/DropDownCombo.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/Forms.h"
#include "platform/ui/SingleInstance.h"
#include "registers/Registration.h"
#include "tests/support/UiDriver.h"

namespace mail {

namespace {

// NULL for a null text, the quoted text otherwise.
QString literal(const QString& text) {
    if (text.isNull()) return QStringLiteral("NULL");
    QString quoted = text;
    quoted.replace('\'', "''");
    return '\'' + quoted + '\'';
}

}  // namespace

void MailTest::SetUp() {
    LedgerTest::SetUp();
    // The lock is taken before the main window's check, so that the check passes.
    ASSERT_FALSE(ui::anotherInstanceRunning());
    registerCoreForms();
    registerRegisterForms();
}

void MailTest::TearDown() {
    if (gCn_ptr) gCn_ptr->setFailHook({});
    LedgerTest::TearDown();
    testsupport::settle();
    m_main = nullptr;
}

void MailTest::addPcAt(int key, const QString& name, int location, const QString& ip, const QString& os, int deleted) {
    addPc({key, name, location, 0, deleted});
    sql(QString("UPDATE tbl_Pclist SET IPAddress = %1, Operating_System = %2 WHERE MainKey = %3")
            .arg(literal(ip), literal(os))
            .arg(key));
}

void MailTest::addAccount(int key, int user, int pc, const QStringList& texts) {
    QStringList values;
    for (const QString& t : texts) values << literal(t);
    sql(QString("INSERT INTO tbl_Mail_Management ([Key], User_Code, Conputer_Code, %1) VALUES (%2, %3, %4, %5)")
            .arg(kAccountColumns.join(", "))
            .arg(key)
            .arg(user)
            .arg(pc)
            .arg(values.join(", ")));
}

void MailTest::seedOffice() {
    addMaster("tbl_Location", 1, "本社");
    addMaster("tbl_Location", 2, "表参道");  // 表 ends in byte 0x5C
    addMaster("tbl_Location", 3, "旧倉庫", "1");
    addMaster("tbl_Location", 4, "空き");
    addMaster("tbl_Location", 5, QString());  // a location without a name
    addMaster("tbl_Section", 1, "総務部");
    addMaster("tbl_Section", 2, "営業部", "1");
    addMaster("tbl_Division", 1, "庶務課");
    addMaster("tbl_Division", 2, "経理課");
    addUser(1, "山田 太郎", 1, 1, "やまだ たろう");
    addUser(2, "佐藤 花子", 2, 2, "さとう はなこ", "1");
    addUser(3, "鈴木 一郎", 1, 2, "すずき いちろう");
    addUser(4, "", 0, 0, "");
    addUser(5, "高橋", 0, 1, "たかはし");
    addPcAt(1, "SOUMU-PC01", 1, "192.168.1.11", "Windows XP Professional");
    addPcAt(2, "OMOTE-NB01", 2, "192.168.2.21", "Windows 2000 Professional");
    addPcAt(3, "SOKO-PC01", 3, "", QString());
    addPcAt(4, "OLD-PC", 1, "192.168.1.99", "Windows 98", 1);
    addAccount(1, 1, 1,
               {"yamada", "t-yamada", "pw1", "yamada@example.jp", "192.168.1.2", "192.168.1.3", "yamada", "mb1"});
    addAccount(2, 2, 2,
               {"sato", "h-sato", "pw2", "sato@example.jp", "smtp.example.jp", "pop.example.jp", "sato", "mb2"});
    addAccount(5, 3, 3, {"suzuki", QString(), "", "suzuki@example.jp", QString(), QString(), "suzuki", QString()});
}

frm_Main* MailTest::startMain() {
    if (!m_main) m_main = static_cast<frm_Main*>(ui::showForm("frm_Main", ui::vbModeless));
    return m_main;
}

void MailTest::withRegister(const std::function<void(frm_Edit_Mail*)>& body) {
    ASSERT_NE(startMain(), nullptr);
    bool ran = false;
    QTimer::singleShot(0, [&] {
        auto* w = static_cast<frm_Edit_Mail*>(ui::findForm("frm_Edit_Mail"));
        ran = true;
        if (!w) {
            ADD_FAILURE() << "the register did not open";
            return;
        }
        EXPECT_TRUE(w->isModalShown());
        body(w);
        if (ui::findForm("frm_Edit_Mail") == w) w->Unload();
    });
    // Never hang: a register the body left in a nested loop is closed.
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [] {
        ADD_FAILURE() << "the register was still open";
        if (ui::Form* f = ui::findForm("frm_Edit_Mail")) f->Unload();
    });
    watchdog.start(20000);
    ASSERT_TRUE(testsupport::triggerAction(m_main, "Mnu_Mail_Manegement"));
    EXPECT_TRUE(ran);
    EXPECT_EQ(ui::findForm("frm_Edit_Mail"), nullptr) << "the modal show returns once the register closed";
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void MailTest::clickRow(frm_Edit_Mail* w, int row, int col) {
    (void)testsupport::clickCell(w->MSFlexGrid_Mail, row, col);
}

QStringList MailTest::items(ui::DropDownCombo* box) {
    box->showPopup();
    box->hidePopup();
    QStringList texts;
    for (int i = 0; i < box->count(); ++i) texts << box->itemText(i);
    return texts;
}

bool MailTest::trigger(frm_Edit_Mail* w, const QString& name) { return testsupport::triggerAction(w, name); }

int MailTest::rowOfKey(const ui::FlexGrid* grid, int key) {
    if (grid->Cols() < 2) return 0;
    for (int r = 1; r < grid->Rows(); ++r)
        if (grid->TextMatrix(r, 1) == QString::number(key)) return r;
    return 0;
}

QStringList MailTest::account(int key) {
    QStringList values;
    for (const QString& column : QStringList{"User_Code", "Conputer_Code"} + kAccountColumns)
        values << scalar(QString("SELECT %1 FROM tbl_Mail_Management WHERE [Key] = %2").arg(column).arg(key));
    return values;
}

}  // namespace mail
