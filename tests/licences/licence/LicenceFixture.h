#pragma once
// The licence windows on a copy of the template database: the assignment window opened as the main menu
// opens it (modeless, at the main window's geometry), the stock window as the assignment window opens it,
// and a small office to work on: retired masters, a removed PC, a PC whose location has no row, and an
// assignment whose licence is gone.
#include <QColor>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "tests/support/LedgerFixture.h"
#include "tests/support/UiDriver.h"

class QAction;
class QWidget;
class frm_Add_License;
class frm_Edit_License;
namespace ui {
class DropDownCombo;
class FlexGrid;
class ListBox;
}  // namespace ui

namespace licence {

using testsupport::gridTexts;
using testsupport::msgBoxPrompts;
using testsupport::Pc;
using testsupport::rowWith;
using testsupport::settle;
using testsupport::stdErrorBoxes;

// One tbl_License_Dat row; texts Null when not given.
struct Assignment {
    int key;
    int application;
    int computer;
    std::optional<QString> productId{}, licenceNo{}, installKey{}, payment{}, asset{};
    std::optional<int> price{};
    std::optional<QString> comment{};
};

class LicenceTest : public testsupport::LedgerTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // The assignment window, shown modeless as the main menu shows it.
    frm_Edit_License* openAssignments();
    // The stock window, loaded and shown modeless (the tests drive it directly; the modal road has its own
    // test).
    frm_Add_License* openStock();

    // Rows behind the program's back.
    void addLicence(int key, const std::optional<QString>& name, const std::optional<int>& units = std::nullopt);
    void addAssignment(const Assignment& a);
    // The office most tests work on (see the .cpp for what it holds).
    void seedOffice();

    // Typing as a user does: the text arrives as an input method commits it.
    static void type(QWidget* box, const QString& text);
    // Replaces a box's text the way a user does: select all, then type.
    static void retype(QWidget* box, const QString& text);
    // Opens the combo's list and picks the item with the keyboard.
    static void pick(ui::DropDownCombo* box, int index);
    static void pick(ui::DropDownCombo* box, const QString& text);
    // A mouse click on a pick-list line.
    static void clickLine(ui::ListBox* list, int index);
    static void clickLine(ui::ListBox* list, const QString& startingWith);
    static void clickCell(ui::FlexGrid* grid, int row, int col = 2);

    static QAction* action(const QWidget* form, const QString& name);
    static void trigger(const QWidget* form, const QString& name);
    static bool enabled(const QWidget* form, const QString& name);

    static QStringList column(const ui::FlexGrid* grid, int col);
    static QStringList lines(const ui::ListBox* list);
    static QStringList comboItems(const ui::DropDownCombo* box);
    static std::vector<int> comboData(const ui::DropDownCombo* box);

    frm_Edit_License* m_win = nullptr;
};

inline const QColor kGrey(128, 128, 128);
inline const QColor kWhite(255, 255, 255);

}  // namespace licence
