#pragma once
// The editors on a copy of the template database: the windows are loaded through the window service as
// their openers load them, their menus triggered and their grids clicked as a user does.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

#include "platform/ui/Form.h"
#include "platform/ui/Forms.h"
#include "tests/support/LedgerFixture.h"
#include "tests/support/UiDriver.h"

class QAction;
namespace ui {
class FlexGrid;
}  // namespace ui

namespace editors {

using testsupport::commitText;
using testsupport::gridTexts;
using testsupport::msgBoxPrompts;
using testsupport::pickItem;
using testsupport::rowWith;
using testsupport::settle;
using testsupport::stdErrorBoxes;

class EditorsTest : public testsupport::LedgerTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // The window of the class, loaded (not shown), as the window service gives it.
    template <class F>
    F* load(const QString& className) {
        return static_cast<F*>(ui::form(className));
    }
    // A menu entry by its control name; fails the test when missing.
    static QAction* action(const ui::Form* form, const QString& name);
    // Triggers an entry as a menu click would (testsupport::triggerAction).
    static void trigger(const ui::Form* form, const QString& name);
    // A click on a grid cell through the window system (the grid's window is shown for it).
    static void clickCell(ui::FlexGrid* grid, int row, int col = 1);
    // The grid's Click with no cell under the mouse (an empty grid has none to click).
    static void clickNowhere(ui::FlexGrid* grid);

    // Rows behind the program's back.
    void addMaster(const QString& table, int code, const QString& name, const QString& flag = "0");
    void addUser(int code, const QString& name, int section = 0, int division = 0, const QString& flag = "0");

    // False: the test starts the main window, which opens the database itself.
    bool m_openDb = true;
};

// The code and name columns of a master table.
struct MasterTable {
    const char* table;
    const char* code;
    const char* name;
    const char* note;
};
inline constexpr MasterTable kMasterTables[] = {
    {"tbl_Section", "Section_Code", "Section_Name", "Section_Comment"},
    {"tbl_Division", "Division_Code", "Division_Name", "Division_Comment"},
    {"tbl_Location", "Location_Code", "Location_Name", "Location_Comment"},
    {"tbl_Manufacturer", "Manufacturer_Code", "Manufacturer_Name", "Manufacturer_Comment"},
    {"tbl_Model", "Model_Code", "Model_Name", "Model_Comment"},
};
[[nodiscard]] const MasterTable& masterTable(const QString& table);

// CP932 bytes of lines, each ended by CR LF.
using testsupport::cp932Lines;

}  // namespace editors
