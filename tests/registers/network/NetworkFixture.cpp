#include "tests/registers/network/NetworkFixture.h"

#include <QAction>

#include "core/Mdl_IP.h"
#include "core/Registration.h"
#include "core/frm_Main.h"
#include "platform/text/VbConv.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/DropDownCombo.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/Forms.h"
#include "platform/ui/SingleInstance.h"
#include "platform/ui/TextBox.h"
#include "registers/Registration.h"
#include "registers/frm_Edit_Network.h"
#include "tests/support/UiDriver.h"

namespace networktest {
namespace {

QString literal(const std::optional<QString>& text) { return text ? "'" + vb::sqlQuote(*text) + "'" : QString("Null"); }
QString literal(const QString& text) { return text.isNull() ? QString("Null") : "'" + vb::sqlQuote(text) + "'"; }

}  // namespace

void NetworkTest::SetUp() {
    LedgerTest::SetUp();
    ASSERT_FALSE(ui::anotherInstanceRunning());
    registerCoreForms();
    registerRegisterForms();
    // The main window's place and size, which the register takes when it opens.
    writeIni({"[Main]", "FormSizeWidth=14400", "FormSizeHight=9000", "FormTop=300", "FormLeft=450"});
}

void NetworkTest::TearDown() {
    LedgerTest::TearDown();
    settle();
    m_main = nullptr;
    m_win = nullptr;
}

frm_Edit_Network* NetworkTest::open() {
    m_main = static_cast<frm_Main*>(ui::showForm("frm_Main", ui::vbModeless));
    EXPECT_NE(m_main, nullptr);
    if (!m_main) return nullptr;
    EXPECT_TRUE(testsupport::triggerAction(m_main, "Mnu_Network_Manegement"));
    m_win = static_cast<frm_Edit_Network*>(ui::findForm("frm_Edit_Network"));
    EXPECT_NE(m_win, nullptr);
    return m_win;
}

void NetworkTest::addUser(int code, const QString& name, int section, int division, const QString& flag) {
    sql(QString("INSERT INTO tbl_User (User_Code, User_Name, User_Comment, Available_flug, kana, Section_Code, "
                "Division_Code) VALUES (%1, %2, '', '%3', '', %4, %5)")
            .arg(code)
            .arg(literal(name), flag)
            .arg(section)
            .arg(division));
}

void NetworkTest::addPc(const PcSeed& pc) {
    sql(QString("INSERT INTO tbl_Computer_List (MainKey, Location_Code, User_Code, Manufacturer_Code, Model_Code, "
                "Deleted_Flug, Type_Number, Sereals_Number) VALUES (%1, %2, %3, %4, %5, %6, %7, %8)")
            .arg(pc.key)
            .arg(pc.location)
            .arg(pc.user)
            .arg(pc.maker)
            .arg(pc.model)
            .arg(pc.deleted)
            .arg(literal(pc.type), literal(pc.serial)));
    const QString hex = pc.ip.isNull() ? QString() : fnc_IP_To_Hex(pc.ip);
    sql(QString("INSERT INTO tbl_Pclist (MainKey, Computer_Name, Workgroup, IPAddress, IPAddress_16num, MacAddress) "
                "VALUES (%1, %2, %3, %4, %5, %6)")
            .arg(pc.key)
            .arg(literal(pc.name), literal(pc.workgroup), literal(pc.ip), literal(hex), literal(pc.mac)));
}

void NetworkTest::addUnit(const UnitSeed& u) {
    const std::optional<QString> hex = u.ip ? std::optional<QString>(fnc_IP_To_Hex(*u.ip)) : std::nullopt;
    sql(QString("INSERT INTO tbl_NetworkUnit ([Key], Location_Name, User_Name, Computer_Name, WorkGroup, IPAddress, "
                "IPAddress_16num, MacAddress, Manufacturer_Name, Model_Name, Type_Number, Sereals_Number, ID, "
                "PassWord, Deleted_Flug) VALUES (%1, %2, %3, %4, %5, %6, %7, %8, %9, %10, %11, %12, %13, %14, %15)")
            .arg(u.key)
            .arg(literal(u.location), literal(u.user), literal(u.computer), literal(u.workgroup), literal(u.ip),
                 literal(hex), literal(u.mac), literal(u.maker), literal(u.model))
            .arg(literal(u.type), literal(u.serial), literal(u.id), literal(u.password))
            .arg(u.deleted));
}

void NetworkTest::addListRow(int key, const QString& computer, const QString& hex) {
    sql(QString("INSERT INTO tbl_NetworkList (%1) VALUES (%2, ' ', ' ', %3, ' ', ' ', %4, ' ', ' ', ' ', ' ', ' ')")
            .arg(kListColumns)
            .arg(key)
            .arg(literal(computer), literal(hex)));
}

QStringList NetworkTest::unitRow(int key) {
    const auto found = rows(QString("SELECT [Key], Location_Name, User_Name, Computer_Name, WorkGroup, IPAddress, "
                                    "IPAddress_16num, MacAddress, Manufacturer_Name, Model_Name, Type_Number, "
                                    "Sereals_Number, ID, PassWord, Deleted_Flug FROM tbl_NetworkUnit WHERE [Key] = %1")
                                .arg(key));
    return found.empty() ? QStringList() : found.front();
}

QWidget* NetworkTest::input(int i) const {
    if (i < 3) return m_win->cmb_Dat[size_t(i)];
    return m_win->tbx_nunit[size_t(i - 3)];
}

QString NetworkTest::inputText(int i) const {
    if (i < 3) return m_win->cmb_Dat[size_t(i)]->currentText();
    return m_win->tbx_nunit[size_t(i - 3)]->text();
}

void NetworkTest::setInputText(int i, const QString& text) {
    if (i < 3)
        m_win->cmb_Dat[size_t(i)]->setEditText(text);
    else
        m_win->tbx_nunit[size_t(i - 3)]->setText(text);
}

void NetworkTest::clickUnit(int key) {
    const int row = rowWith(m_win->MSFlexGrid_NetworkUnit, 0, QString::number(key));
    ASSERT_GT(row, 0) << "unit " << key << " is not listed";
    ASSERT_TRUE(testsupport::clickCell(m_win->MSFlexGrid_NetworkUnit, row, 3));
}

bool NetworkTest::menus(bool add, bool update, bool del) const {
    return m_win->Mnu_AddRecord->isEnabled() == add && m_win->Mnu_Update->isEnabled() == update &&
           m_win->Mnu_Delete->isEnabled() == del;
}

}  // namespace networktest
