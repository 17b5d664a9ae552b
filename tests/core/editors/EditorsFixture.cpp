#include "tests/core/editors/EditorsFixture.h"

#include <QAbstractItemView>
#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QTest>

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

void EditorsTest::pickItem(ui::DropDownCombo* box, int index) {
    box->showPopup();
    ASSERT_LT(index, box->count());
    QAbstractItemView* list = box->view();
    list->setCurrentIndex(box->model()->index(index, 0));
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_EQ(box->currentIndex(), index);
}

void EditorsTest::typeText(QLineEdit* box, const QString& text) {
    QInputMethodEvent commit;
    commit.setCommitString(text);
    QCoreApplication::sendEvent(box, &commit);
}

std::vector<QStringList> EditorsTest::gridTexts(const ui::FlexGrid* grid) {
    std::vector<QStringList> rows;
    for (int r = 0; r < grid->Rows(); ++r) {
        QStringList row;
        for (int c = 0; c < grid->Cols(); ++c) row << grid->TextMatrix(r, c);
        rows.push_back(row);
    }
    return rows;
}

int EditorsTest::rowWith(const ui::FlexGrid* grid, int col, const QString& text) {
    for (int r = 1; r < grid->Rows(); ++r)
        if (grid->TextMatrix(r, col) == text) return r;
    return 0;
}

void EditorsTest::addMaster(const QString& table, int code, const QString& name, const QString& flag) {
    const MasterTable& t = masterTable(table);
    sql(QString("INSERT INTO %1 (%2, %3, %4, Available_flug) VALUES (%5, '%6', '', '%7')")
            .arg(table, t.code, t.name, t.note)
            .arg(code)
            .arg(name, flag));
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

QStringList EditorsTest::msgBoxPrompts() {
    QStringList prompts;
    for (const auto& s : ui::script::shown())
        if (s.kind == ui::script::Shown::Kind::MsgBox) prompts << s.prompt;
    return prompts;
}

const MasterTable& masterTable(const QString& table) {
    for (const MasterTable& t : kMasterTables)
        if (table == t.table) return t;
    ADD_FAILURE() << "no master table " << table.toStdString();
    return kMasterTables[0];
}

}  // namespace editors
