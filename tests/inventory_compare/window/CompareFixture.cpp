#include "tests/inventory_compare/window/CompareFixture.h"

#include <QFile>
#include <QListWidget>
#include <QTest>
#include <QWindow>

#include "core/Mdl_Access_mdb.h"
#include "core/Mdl_gData.h"
#include "inventory_compare/Registration.h"
#include "inventory_read/FileControls.h"
#include "inventory_read/Registration.h"
#include "inventory_read/frm_Open.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/Forms.h"
#include "platform/ui/ListBox.h"
#include "tests/support/UiDriver.h"

namespace comparetest {

void CompareTest::SetUp() {
    LedgerTest::SetUp();
    registerInventoryCompareForms();
}

void CompareTest::TearDown() {
    if (gCn_ptr) gCn().setFailHook({});
    m_form = nullptr;
    LedgerTest::TearDown();
    settle();
}

frm_Inport* CompareTest::open(int width, int height, int top, int left) {
    if (!gCn_ptr || gCn().State() != ado::adStateOpen) openDb();
    gFormWidth = width;
    gFormHeight = height;
    gFormTop = top;
    gFormLeft = left;
    m_form = static_cast<frm_Inport*>(ui::showForm("frm_Inport", ui::vbModeless));
    EXPECT_NE(m_form, nullptr);
    if (m_form) {
        EXPECT_TRUE(QTest::qWaitForWindowExposed(m_form));
    }
    return m_form;
}

void CompareTest::seedMasters() {
    addLocation(1, "本社");
    addUser(1, "山田");
}

void CompareTest::seedPc(int key, const QString& name, int location, int user) { addPc({key, name, location, user}); }

void CompareTest::pick(int key) {
    ASSERT_NE(m_form, nullptr);
    QListWidget* list = m_form->List_ComuputerName;
    QListWidgetItem* found = nullptr;
    for (int i = 0; i < list->count(); ++i)
        if (list->item(i)->data(Qt::UserRole).toInt() == key) found = list->item(i);
    ASSERT_NE(found, nullptr) << "PC " << key << " is not listed";
    list->scrollToItem(found);
    const QPoint at = list->viewport()->mapTo(m_form, list->visualItemRect(found).center());
    QTest::mouseClick(m_form->windowHandle(), Qt::LeftButton, Qt::NoModifier, at);
    settle();
}

void CompareTest::read(const QString& path, bool errorBox) {
    ui::script::answerFile(path);
    if (errorBox) ui::script::answerMsgBox(ui::vbOK);
    ASSERT_TRUE(testsupport::triggerAction(m_form, "Mnu_Open"));
}

void CompareTest::readCancelled() {
    ui::script::cancelFile();
    ASSERT_TRUE(testsupport::triggerAction(m_form, "Mnu_Open"));
}

void CompareTest::overwrite(bool yes) {
    ui::script::answerMsgBox(yes ? ui::vbYes : ui::vbNo);
    if (yes) ui::script::answerMsgBox(ui::vbOK);  // the report that follows, or the error box
    ASSERT_TRUE(testsupport::triggerAction(m_form, "Mnu_DBUpdate"));
}

void CompareTest::importWithTheReadingWindow(const QString& name) {
    registerInventoryReadForms();
    auto* reader = static_cast<frm_Open*>(ui::showForm("frm_Open", ui::vbModeless));
    ASSERT_NE(reader, nullptr);
    const int row = reader->File1->row(reader->File1->findItems(name, Qt::MatchExactly).value(0));
    ASSERT_GE(row, 0) << name.toStdString();
    reader->File1->setCurrentRow(row);
    reader->File1->setSelected(row, true);
    ui::script::answerMsgBox(ui::vbOK);  // its completion message
    ASSERT_TRUE(testsupport::triggerAction(reader, "Mnu_ReadCSV"));
    reader->Unload();
    settle();
}

QString CompareTest::writeInventory(const QString& name, const QStringList& lines) {
    const QString path = m_folder->file(name);
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(testsupport::cp932Lines(QStringList{kHeader} + lines));
    return path;
}

QString CompareTest::copySample(const QString& name) {
    const QString target = m_folder->file(name);
    QFile::remove(target);
    EXPECT_TRUE(QFile::copy(testsupport::samplesDir() + "/" + name, target)) << name.toStdString();
    return target;
}

QString CompareTest::pclist(int key, const QString& column) {
    return scalar(QString("SELECT [%1] FROM tbl_Pclist WHERE MainKey = %2").arg(column).arg(key));
}

QString CompareTest::computerList(int key, const QString& column) {
    return scalar(QString("SELECT [%1] FROM tbl_Computer_List WHERE MainKey = %2").arg(column).arg(key));
}

QString CompareTest::cell(int row, int col) const { return m_form->MSFlexGrid1->TextMatrix(row, col); }

}  // namespace comparetest
