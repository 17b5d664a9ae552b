#include "tests/licences/applist/AppListFixture.h"

#include "core/Registration.h"
#include "licences/Registration.h"
#include "platform/ui/Colors.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/DropDownCombo.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/Forms.h"
#include "platform/ui/SingleInstance.h"
#include "platform/ui/TextBox.h"
#include "tests/support/UiDriver.h"

namespace applist {

namespace {

QString literal(const std::optional<QString>& text) { return text ? "'" + *text + "'" : QString("NULL"); }

}  // namespace

void AppListTest::SetUp() {
    LedgerTest::SetUp();
    ASSERT_FALSE(ui::anotherInstanceRunning());
    registerCoreForms();
    registerLicenceForms();
}

void AppListTest::TearDown() {
    LedgerTest::TearDown();
    settle();
    m_main = nullptr;
    m_win = nullptr;
}

frm_Main* AppListTest::startMain() {
    if (!m_main) m_main = static_cast<frm_Main*>(ui::showForm("frm_Main", ui::vbModeless));
    EXPECT_NE(m_main, nullptr);
    return m_main;
}

frm_List_Application* AppListTest::open() {
    if (!startMain()) return nullptr;
    EXPECT_TRUE(testsupport::triggerAction(m_main, "View_ApplicationList"));
    m_win = static_cast<frm_List_Application*>(ui::findForm("frm_List_Application"));
    EXPECT_NE(m_win, nullptr);
    return m_win;
}

void AppListTest::master(const QString& table, int code, const std::optional<QString>& name, const QString& flag) {
    const QString stem = table.mid(4);  // tbl_Location -> Location
    sql(QString("INSERT INTO %1 (%2_Code, %2_Name, Available_flug) VALUES (%3, %4, '%5')")
            .arg(table, stem)
            .arg(code)
            .arg(literal(name), flag));
}

void AppListTest::user(int code, const QString& name, int section, int division, const QString& flag) {
    sql(QString("INSERT INTO tbl_User (User_Code, User_Name, Available_flug, Section_Code, Division_Code) "
                "VALUES (%1, '%2', '%3', %4, %5)")
            .arg(code)
            .arg(name, flag)
            .arg(section)
            .arg(division));
}

void AppListTest::app(int key, const std::optional<QString>& name, const QString& version) {
    sql(QString("INSERT INTO tbl_ApplicationsList (Key, Application_Name, Application_Version) VALUES (%1, %2, '%3')")
            .arg(key)
            .arg(literal(name), version));
}

// Five PCs: PC00 on a retired location with a retired user in a retired department, PC01 plain, PC02 on
// the reserved user with Word in two versions, PC03 removed, PC04 on a model that has no master row.
// Word is listed twice in one version on PC01 and as "word" on PC00; one name is Null, one "".
void AppListTest::seedOffice() {
    master("tbl_Location", 1, QString("本社"));
    master("tbl_Location", 2, QString("倉庫"), "1");
    master("tbl_Location", 3, QString("支店"));
    master("tbl_Location", 4, std::nullopt);
    master("tbl_Location", 5, QString("空室"));
    master("tbl_Section", 1, QString("総務部"));
    master("tbl_Section", 2, QString("旧部"), "1");
    master("tbl_Division", 1, QString("経理課"));
    user(1, "山田", 1, 1);
    user(2, "佐藤", 2, 1, "1");

    addPc({1, "PC01", 1, 1});
    addPc({2, "PC00", 2, 2});
    addPc({3, "PC02", 3, 0});
    addPc({4, "PC03", 1, 1, 1});
    addPc({5, "PC04", 1, 1, 0, 9});

    app(1, QString("Word"), "11.0");
    app(1, QString("Word"), "11.0");
    app(1, QString("Excel"), "11.0");
    app(1, std::nullopt, "1.0");
    app(2, QString("word"), "10.0");
    app(2, QString("Excel"), "12.0");
    app(3, QString("Word"), "11.0");
    app(3, QString("Word"), "12.0");
    app(3, QString(""), "2.0");
    app(4, QString("Word"), "11.0");
    app(4, QString("Excel"), "11.0");
    app(5, QString("Word"), "11.0");
    app(5, QString("Excel"), "11.0");
}

QString AppListTest::shades(const ui::FlexGrid* grid, int row) {
    QString out;
    for (int c = 0; c < grid->Cols(); ++c) {
        const QColor colour = grid->cellBackColorAt(row, c);
        out += colour == ui::QBColor(8) ? 'g' : colour == ui::QBColor(15) ? 'w' : '?';
    }
    return out;
}

void AppListTest::chooseApp(const QString& name) {
    const int row = rowWith(m_win->MSFlexGrid_Applications, 1, name);
    ASSERT_GT(row, 0) << name.toStdString() << " is not listed";
    ASSERT_TRUE(testsupport::clickCell(m_win->MSFlexGrid_Applications, row, 1));
}

void AppListTest::pickLocation(int index) { testsupport::pickItem(m_win->cmb_Location, index); }

void AppListTest::exportAs(const QString& name) {
    ui::script::answerFile(name);
    ui::script::answerMsgBox(ui::vbOK);
    EXPECT_TRUE(testsupport::triggerAction(m_win, "Mnu_Export_CSV"));
}

}  // namespace applist
