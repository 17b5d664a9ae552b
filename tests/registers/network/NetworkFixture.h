#pragma once
// The network register opened from the main menu on a copy of the template database, with small seeds
// for PCs, master rows and units, and readers for the grids and the two tables.
#include <QString>
#include <QStringList>
#include <QWidget>
#include <optional>
#include <vector>

#include "tests/support/LedgerFixture.h"
#include "tests/support/UiDriver.h"

class frm_Edit_Network;
class frm_Main;
namespace ui {
class FlexGrid;
}

namespace networktest {

using testsupport::commitText;
using testsupport::gridTexts;
using testsupport::msgBoxPrompts;
using testsupport::rowWith;
using testsupport::settle;
using testsupport::stdErrorBoxes;

// One PC in both tables with its administrative codes; Null where a text is not given.
struct PcSeed {
    int key;
    QString name;
    QString ip;  // IPAddress_16num is derived from it
    int location = 0, user = 0, maker = 0, model = 0;
    int deleted = 0;
    QString workgroup{}, mac{}, type{}, serial{};
};

// One unit; a field left unset stays Null.
struct UnitSeed {
    int key;
    std::optional<QString> location{}, user{}, computer{}, workgroup{}, ip{}, mac{}, maker{}, model{}, type{}, serial{},
        id{}, password{};
    int deleted = 0;
};

// The columns of tbl_NetworkList in the insert's order, Key first.
inline const QString kListColumns =
    "[Key], Location_Name, User_Name, Computer_Name, WorkGroup, IPAddress, IPAddress_16num, Manufacturer_Name, "
    "Model_Name, Type_Number, Sereals_Number, MacAddress";

class NetworkTest : public testsupport::LedgerTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // The main window as the program starts it, then "ネットワーク" from its menu.
    frm_Edit_Network* open();

    void addUser(int code, const QString& name, int section = 0, int division = 0, const QString& flag = "0");
    void addPc(const PcSeed& pc);
    void addUnit(const UnitSeed& unit);
    // Stores rows in tbl_NetworkList behind the program's back, as an earlier rebuild left them.
    void addListRow(int key, const QString& computer, const QString& hex);

    // The stored list by Key, and one unit, every field as text ("<null>" for Null).
    std::vector<QStringList> listRows() {
        return rows("SELECT " + kListColumns + " FROM tbl_NetworkList ORDER BY [Key]");
    }
    QStringList unitRow(int key);

    // The twelve inputs in the window's order: cmb_Dat(0..2), then tbx_nunit(0..8).
    QWidget* input(int i) const;
    QString inputText(int i) const;
    void setInputText(int i, const QString& text);
    // A click on the unit's row in the unit grid (its computer-name cell).
    void clickUnit(int key);
    [[nodiscard]] bool menus(bool add, bool update, bool del) const;

    frm_Main* m_main = nullptr;
    frm_Edit_Network* m_win = nullptr;
};

}  // namespace networktest
