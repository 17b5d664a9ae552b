#include "tests/pc_record/common/EditorFixture.h"

#include <QFile>
#include <QTabBar>
#include <QTest>

#include "core/Mdl_gData.h"
#include "core/Registration.h"
#include "core/frm_Main.h"
#include "inventory_read/Import.h"
#include "pc_record/Registration.h"
#include "pc_record/frm_Edit_Computer.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Printer.h"
#include "platform/ui/SingleInstance.h"
#include "platform/ui/TabStrip.h"
#include "tests/support/AppFolder.h"
#include "tests/support/UiDriver.h"

namespace pcrecordtest {

namespace {

QString listLiteral(const std::optional<QString>& v) { return v ? lit(*v) : QStringLiteral("NULL"); }

}  // namespace

QString lit(const QString& text) { return QLatin1Char('\'') + QString(text).replace("'", "''") + QLatin1Char('\''); }

void EditorTest::SetUp() {
    LedgerTest::SetUp();
    ASSERT_FALSE(ui::anotherInstanceRunning());
    registerCoreForms();
    registerPcRecordForms();
    ui::clearPrinterLog();
}

void EditorTest::TearDown() {
    LedgerTest::TearDown();
    settle();
    m_main = nullptr;
}

frm_Main* EditorTest::startMain() {
    writeIni({"[Main]", "[0]", "SelectNumber=1", "KeyName0=Computer_Name", "KeyCaption0=コンピュータ名",
              "KeyASCDESC0=ASC", "MSFlexGrit_SelectNum=1", "MSFlexGrit_Select1=8"});
    m_main = new frm_Main;
    m_main->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(m_main));
    return m_main;
}

frm_Edit_Computer* EditorTest::openFromList(int row) {
    if (!m_main) startMain();
    EXPECT_TRUE(testsupport::doubleClickCell(m_main->MSFlexGrid_Main, row, 2));
    settle();
    return editor();
}

frm_Edit_Computer* EditorTest::openDirect(qint16 key, qint16 row) {
    if (!m_main) startMain();
    gSelMainKey = key;
    gSelRow = row;
    ui::showForm(QStringLiteral("frm_Edit_Computer"), ui::vbModeless);
    settle();
    return editor();
}

frm_Edit_Computer* EditorTest::editor() {
    return static_cast<frm_Edit_Computer*>(ui::findForm(QStringLiteral("frm_Edit_Computer")));
}

void EditorTest::refreshMainList() {
    ASSERT_NE(m_main, nullptr);
    EXPECT_TRUE(testsupport::triggerAction(m_main, QStringLiteral("Mnu_ViewUpdate")));
    settle();
}

int EditorTest::importSample(const QString& name) {
    const QString path = m_folder->file(name);
    EXPECT_TRUE(QFile::copy(testsupport::samplesDir() + "/" + name, path));
    const inventory::FileResult r = inventory::fnc_Import_File(path, inventory::LabelSet::Japanese);
    EXPECT_EQ(r.skip, inventory::Skip::None);
    return r.mainKey;
}

int EditorTest::createPcByMenu() {
    if (!m_main) startMain();
    ui::script::answerMsgBox(ui::vbYes);
    ui::script::answerMsgBox(ui::vbOK);
    EXPECT_TRUE(testsupport::triggerAction(m_main, QStringLiteral("Mnu_AddNew")));
    settle();
    return scalar(QStringLiteral("SELECT MAX(MainKey) FROM tbl_Computer_List")).toInt();
}

void EditorTest::insertPc(int key, const Columns& pclist, const Columns& record) {
    QStringList names{QStringLiteral("MainKey")}, values{QString::number(key)};
    for (const auto& [n, v] : pclist) {
        names << QLatin1Char('[') + n + QLatin1Char(']');
        values << v;
    }
    sql(QStringLiteral("INSERT INTO tbl_Pclist (%1) VALUES (%2)").arg(names.join(", "), values.join(", ")));
    Columns all = {{"Location_Code", "0"},
                   {"User_Code", "0"},
                   {"Manufacturer_Code", "0"},
                   {"Model_Code", "0"},
                   {"Deleted_Flug", "0"}};
    for (const auto& [n, v] : record) {
        bool replaced = false;
        for (auto& [an, av] : all)
            if (an == n) {
                av = v;
                replaced = true;
            }
        if (!replaced) all.emplace_back(n, v);
    }
    names = {QStringLiteral("MainKey")};
    values = {QString::number(key)};
    for (const auto& [n, v] : all) {
        names << QLatin1Char('[') + n + QLatin1Char(']');
        values << v;
    }
    sql(QStringLiteral("INSERT INTO tbl_Computer_List (%1) VALUES (%2)").arg(names.join(", "), values.join(", ")));
}

namespace {
void addListRows(const std::function<void(const QString&)>& run, const QString& table, const QStringList& columns,
                 int key, const std::vector<ListRow>& rows) {
    for (const ListRow& row : rows) {
        QStringList values{QString::number(key), QStringLiteral("'2005/04/01 12:30:45'")};
        for (const auto& v : row) values << listLiteral(v);
        run(QStringLiteral("INSERT INTO %1 ([Key], [Update], %2) VALUES (%3)")
                .arg(table, columns.join(", "), values.join(", ")));
    }
}
}  // namespace

void EditorTest::addApplications(int key, const std::vector<ListRow>& rows) {
    addListRows([this](const QString& s) { sql(s); }, "tbl_ApplicationsList",
                {"Application_Name", "Application_Path", "Application_Version"}, key, rows);
}

void EditorTest::addPrinters(int key, const std::vector<ListRow>& rows) {
    addListRows([this](const QString& s) { sql(s); }, "tbl_Printer_Management",
                {"Printer_Name", "PrinterPorts_Name", "Printer_Driver_Version"}, key, rows);
}

void EditorTest::addEnvironment(int key, const std::vector<ListRow>& rows) {
    addListRows([this](const QString& s) { sql(s); }, "tbl_Environmental",
                {"Environmental_Name", "Environmental_Path", "Coments"}, key, rows);
}

void EditorTest::addDevices(int key, const std::vector<ListRow>& rows) {
    addListRows([this](const QString& s) { sql(s); }, "tbl_Device_Management",
                {"Device_Category", "Device_Name", "Device_Provider", "Device_Version"}, key, rows);
}

void EditorTest::clickTab(frm_Edit_Computer* e, int tab, Qt::MouseButton button) {
    ASSERT_NE(e, nullptr);
    QTest::mouseClick(e->TabStrip1->tabBar(), button, Qt::NoModifier, e->TabStrip1->tabRect(tab).center());
    settle();
}

QString EditorTest::pcValue(int key, const QString& column) {
    return scalar(QStringLiteral("SELECT [%1] FROM tbl_Pclist, tbl_Computer_List WHERE "
                                 "tbl_Pclist.MainKey = tbl_Computer_List.MainKey AND tbl_Pclist.MainKey = %2")
                      .arg(column)
                      .arg(key));
}

}  // namespace pcrecordtest
