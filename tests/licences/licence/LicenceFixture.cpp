#include "tests/licences/licence/LicenceFixture.h"

#include <QAction>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

#include "core/Mdl_Access_mdb.h"
#include "core/Mdl_gData.h"
#include "core/Registration.h"
#include "licences/Registration.h"
#include "licences/frm_Add_License.h"
#include "licences/frm_Edit_License.h"
#include "platform/text/VbConv.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/DropDownCombo.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/Forms.h"
#include "platform/ui/ListBox.h"
#include "tests/support/UiDriver.h"

namespace licence {

namespace {
QString sqlText(const std::optional<QString>& v) { return v ? "'" + vb::sqlQuote(*v) + "'" : QStringLiteral("NULL"); }
QString sqlNumber(const std::optional<int>& v) { return v ? QString::number(*v) : QStringLiteral("NULL"); }
}  // namespace

void LicenceTest::SetUp() {
    LedgerTest::SetUp();
    registerCoreForms();
    registerLicenceForms();
    openDb();
    // The main window's geometry as the menu hands it over.
    gFormWidth = 15000;
    gFormHeight = 10500;
    gFormTop = 300;
    gFormLeft = 300;
}

void LicenceTest::TearDown() {
    if (gCn_ptr) gCn().setFailHook({});
    LedgerTest::TearDown();
    settle();
    m_win = nullptr;
}

frm_Edit_License* LicenceTest::openAssignments() {
    m_win = static_cast<frm_Edit_License*>(ui::showForm("frm_Edit_License", ui::vbModeless));
    EXPECT_NE(m_win, nullptr);
    if (m_win) {
        EXPECT_TRUE(QTest::qWaitForWindowExposed(m_win));
        m_win->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(m_win));
    }
    return m_win;
}

frm_Add_License* LicenceTest::openStock() {
    auto* stock = static_cast<frm_Add_License*>(ui::showForm("frm_Add_License", ui::vbModeless));
    EXPECT_NE(stock, nullptr);
    if (stock) {
        EXPECT_TRUE(QTest::qWaitForWindowExposed(stock));
        stock->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(stock));
    }
    return stock;
}

void LicenceTest::addLicence(int key, const std::optional<QString>& name, const std::optional<int>& units) {
    sql(QString("INSERT INTO tbl_License_Key ([Key], Application_Name, Unit_Num) VALUES (%1, %2, %3)")
            .arg(key)
            .arg(sqlText(name), sqlNumber(units)));
}

void LicenceTest::addAssignment(const Assignment& a) {
    sql(QString("INSERT INTO tbl_License_Dat ([Key], Application_Code, Computer_Code, ProductID, Licence_No, "
                "Install_Key, Payment_Type, Asset_Type, Purchase_Price, Comment, [Update]) VALUES "
                "(%1, %2, %3, %4, %5, %6, %7, %8, %9, %10, '2004/04/01')")
            .arg(a.key)
            .arg(a.application)
            .arg(a.computer)
            .arg(sqlText(a.productId), sqlText(a.licenceNo), sqlText(a.installKey), sqlText(a.payment),
                 sqlText(a.asset), sqlNumber(a.price), sqlText(a.comment)));
}

// Places 本社 (in use) and 旧倉庫 (retired); departments 営業部 / 旧部 and sections 一課 / 旧課 likewise;
// users 山田 (all in use) and 佐藤 (retired, in the retired department and section).
// PCs: 1 PC-A (本社, 山田), 2 PC-B (旧倉庫, 佐藤), 3 PC-C (removed), 4 PC-D (location 7: no such row).
// Stock: 1 Office (10), 2 ＣＡＤ (3). Assignments: 1 Office on PC-A, 2 ＣＡＤ on PC-B, 3 Office on the
// removed PC-C, 4 Office on PC-D (not listed: no location row), 5 licence 9 on PC-A (not listed: no stock).
void LicenceTest::seedOffice() {
    addMaster("tbl_Location", 1, "本社");
    addMaster("tbl_Location", 2, "旧倉庫", "1");
    addMaster("tbl_Section", 1, "営業部");
    addMaster("tbl_Section", 2, "旧部", "1");
    addMaster("tbl_Division", 1, "一課");
    addMaster("tbl_Division", 2, "旧課", "1");
    addUser(1, "山田", 1, 1);
    addUser(2, "佐藤", 2, 2, {}, "1");
    addPc({1, "PC-A", 1, 1});
    addPc({2, "PC-B", 2, 2});
    addPc({3, "PC-C", 1, 1, 1});
    addPc({4, "PC-D", 7, 1});
    addLicence(1, "Office", 10);
    addLicence(2, "ＣＡＤ", 3);
    addAssignment({1, 1, 1, "P-1", "L-1", "K-1", "リース", "License", 120, "first"});
    addAssignment({2, 2, 2, "P-2", "L-2", "K-2", "現金", "パッケージ FPP", 0, ""});
    addAssignment({3, 1, 3, "P-3", "L-3", "K-3", " ", " ", std::nullopt, std::nullopt});
    addAssignment({4, 1, 4, "P-4"});
    addAssignment({5, 9, 1, "P-5"});
}

void LicenceTest::type(QWidget* box, const QString& text) {
    box->setFocus(Qt::OtherFocusReason);
    testsupport::commitText(box, text);
}

void LicenceTest::retype(QWidget* box, const QString& text) {
    QWidget* target = box;
    if (auto* combo = qobject_cast<QComboBox*>(box)) target = combo->lineEdit();
    target->setFocus(Qt::OtherFocusReason);
    if (auto* line = qobject_cast<QLineEdit*>(target)) line->selectAll();
    if (auto* plain = qobject_cast<QPlainTextEdit*>(target)) plain->selectAll();
    QTest::keyClick(target, Qt::Key_Delete);
    if (!text.isEmpty()) type(box, text);
}

void LicenceTest::pick(ui::DropDownCombo* box, int index) { testsupport::pickItem(box, index); }

void LicenceTest::pick(ui::DropDownCombo* box, const QString& text) {
    box->showPopup();
    const int index = box->findText(text, Qt::MatchExactly);
    box->hidePopup();
    ASSERT_GE(index, 0) << "no item " << text.toStdString();
    pick(box, index);
}

void LicenceTest::clickLine(ui::ListBox* list, int index) {
    ASSERT_LT(index, list->count());
    QListWidgetItem* it = list->item(index);
    list->scrollToItem(it);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(it).center());
}

void LicenceTest::clickLine(ui::ListBox* list, const QString& startingWith) {
    for (int i = 0; i < list->count(); ++i)
        if (list->item(i)->text().startsWith(startingWith)) return clickLine(list, i);
    ADD_FAILURE() << "no line starting with " << startingWith.toStdString();
}

void LicenceTest::clickCell(ui::FlexGrid* grid, int row, int col) { (void)testsupport::clickCell(grid, row, col); }

QAction* LicenceTest::action(const QWidget* form, const QString& name) { return testsupport::action(form, name); }

void LicenceTest::trigger(const QWidget* form, const QString& name) {
    ASSERT_TRUE(testsupport::triggerAction(form, name)) << name.toStdString();
}

bool LicenceTest::enabled(const QWidget* form, const QString& name) {
    QAction* a = action(form, name);
    return a && a->isEnabled();
}

QStringList LicenceTest::column(const ui::FlexGrid* grid, int col) {
    QStringList out;
    for (int r = 1; r < grid->Rows(); ++r) out << grid->TextMatrix(r, col);
    return out;
}

QStringList LicenceTest::lines(const ui::ListBox* list) {
    QStringList out;
    for (int i = 0; i < list->ListCount(); ++i) out << list->List(i);
    return out;
}

QStringList LicenceTest::comboItems(const ui::DropDownCombo* box) {
    QStringList out;
    for (int i = 0; i < box->count(); ++i) out << box->itemText(i);
    return out;
}

std::vector<int> LicenceTest::comboData(const ui::DropDownCombo* box) {
    std::vector<int> out;
    for (int i = 0; i < box->count(); ++i) out.push_back(box->itemData(i).toInt());
    return out;
}

}  // namespace licence
