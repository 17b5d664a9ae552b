#include "tests/core/editors/EditorsFixture.h"

#include <QAction>

#include "core/Registration.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/DropDownCombo.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/Forms.h"
#include "tests/support/UiDriver.h"

namespace editors {

void EditorsTest::SetUp() {
    LedgerTest::SetUp();
    registerCoreForms();
    if (m_openDb) openDb();
}

void EditorsTest::TearDown() {
    LedgerTest::TearDown();
    settle();
}

QAction* EditorsTest::action(const ui::Form* form, const QString& name) { return testsupport::action(form, name); }

void EditorsTest::trigger(const ui::Form* form, const QString& name) {
    ASSERT_TRUE(testsupport::triggerAction(form, name));
}

void EditorsTest::clickCell(ui::FlexGrid* grid, int row, int col) { (void)testsupport::clickCell(grid, row, col); }

void EditorsTest::clickNowhere(ui::FlexGrid* grid) {
    grid->setRow(0);
    grid->setCol(0);
    emit grid->Click();
}

void EditorsTest::addMaster(const QString& table, int code, const QString& name, const QString& flag) {
    (void)masterTable(table);  // only the five master tables
    LedgerTest::addMaster(table, code, name, flag);
}

void EditorsTest::addUser(int code, const QString& name, int section, int division, const QString& flag) {
    sql(QString("INSERT INTO tbl_User (User_Code, User_Name, User_Comment, Available_flug, kana, "
                "Employee_SerialNumber, Acount_Name, logon_Password, Section_Code, Division_Code) "
                "VALUES (%1, '%2', 'c%1', '%3', 'k%1', 'e%1', 'a%1', 'p%1', %4, %5)")
            .arg(code)
            .arg(name, flag)
            .arg(section)
            .arg(division));
}

const MasterTable& masterTable(const QString& table) {
    for (const MasterTable& t : kMasterTables)
        if (table == t.table) return t;
    ADD_FAILURE() << "no master table " << table.toStdString();
    return kMasterTables[0];
}

}  // namespace editors
