#include "tests/core/main_menu/MainMenuFixture.h"

#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QTest>
#include <QTimer>

#include "core/Mdl_gData.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/Forms.h"

namespace mainmenu {

bool g_probeClosesItself = true;

std::vector<ProbeLoad>& probeLoads() {
    static std::vector<ProbeLoad> loads;
    return loads;
}

QStringList& unbuiltClasses() {
    static QStringList names;
    return names;
}

const QStringList& openedClasses() {
    static const QStringList names = {"frm_Open",         "frm_Inport",        "frm_Edit_User",
                                      "frm_Edit_Table",   "frm_Edit_Computer", "frm_Edit_License",
                                      "frm_Edit_Mail",    "frm_Edit_Network",  "frm_List_Application",
                                      "frm_List_Printer", "frmAbout",          "frm_SelectView"};
    return names;
}

ProbeForm::ProbeForm(const QString& className) : ui::Form(className) {
    setObjectName(className);
    setCaption(className);
}

void ProbeForm::Form_Load() {
    probeLoads().push_back({objectName(), gFormWidth, gFormHeight, gFormTop, gFormLeft, gEditTableName,
                            gEditTableCaption, gSelMainKey, gSelRow});
    if (!g_probeClosesItself) return;
    const std::size_t index = probeLoads().size() - 1;
    QTimer::singleShot(0, this, [this, index] {
        if (index < probeLoads().size()) probeLoads()[index].shownModal = isModalShown();
        Unload();
    });
}

void MainMenuTest::SetUp() {
    LedgerTest::SetUp();
    probeLoads().clear();
    unbuiltClasses().clear();
    g_probeClosesItself = true;
    ui::registerForm("frm_Main", [] { return new frm_Main; });
    for (const QString& name : openedClasses()) {
        ui::registerForm(name, [name]() -> ui::Form* {
            if (unbuiltClasses().contains(name)) return nullptr;
            return new ProbeForm(name);
        });
    }
}

void MainMenuTest::TearDown() {
    settle();  // probes that close themselves do so
    LedgerTest::TearDown();
    flushDeletes();
    m_main = nullptr;
}

frm_Main* MainMenuTest::start() {
    m_main = static_cast<frm_Main*>(ui::showForm("frm_Main", ui::vbModeless));
    return m_main;
}

void MainMenuTest::writeThreeColumnView() {
    writeIni({"[Main]", "SectionNumber=0", "[0]", "OptDel=0", "SelectNumber=1", "KeyName0=Computer_Name",
              "KeyASCDESC0=ASC", "MSFlexGrit_SelectNum=3", "MSFlexGrit_Select1=1", "MSFlexGrit_Select2=4",
              "MSFlexGrit_Select3=8"});
}

QAction* MainMenuTest::action(const QString& name) const { return testsupport::action(m_main, name); }

void MainMenuTest::trigger(const QString& name) { ASSERT_TRUE(testsupport::triggerAction(m_main, name)); }

void MainMenuTest::press(const QKeySequence& keys) {
    ASSERT_NE(m_main, nullptr);
    m_main->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(m_main));
    QTest::keySequence(m_main, keys);
}

int MainMenuTest::rowOf(int key) const {
    const ui::FlexGrid& grid = *m_main->MSFlexGrid_Main;
    if (grid.Cols() < 2) return 0;
    for (int row = 1; row < grid.Rows(); ++row)
        if (grid.TextMatrix(row, 1) == QString::number(key)) return row;
    return 0;
}

void MainMenuTest::clickPc(int key) {
    const int row = rowOf(key);
    ASSERT_GT(row, 0) << "PC " << key << " is not listed";
    const ui::FlexGrid::CellArea area = m_main->MSFlexGrid_Main->cellArea(row, m_main->MSFlexGrid_Main->Cols() - 1);
    ASSERT_NE(area.widget, nullptr) << "row " << row << " is not on screen";
    QTest::mouseClick(area.widget, Qt::LeftButton, {}, area.rect.center());
}

std::vector<std::vector<QColor>> MainMenuTest::cellColours() const {
    const ui::FlexGrid& grid = *m_main->MSFlexGrid_Main;
    std::vector<std::vector<QColor>> colours(grid.Rows());
    for (int row = 0; row < grid.Rows(); ++row)
        for (int col = 0; col < grid.Cols(); ++col) colours[row].push_back(grid.cellBackColorAt(row, col));
    return colours;
}

std::vector<QString> MainMenuTest::messages() const {
    std::vector<QString> prompts;
    for (const auto& s : ui::script::shown())
        if (s.kind == ui::script::Shown::Kind::MsgBox) prompts.push_back(s.prompt);
    return prompts;
}

}  // namespace mainmenu
