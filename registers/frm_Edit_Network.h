#pragma once
// The register of the network devices that are not PCs (tbl_NetworkUnit), shown above the stored
// combined list of PCs and devices (tbl_NetworkList), which only the list refresh rebuilds.
#include <QString>
#include <array>
#include <optional>

#include "platform/base/VbError.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/Form.h"

class QAction;
class QLabel;
class QMenu;
namespace ui {
class DropDownCombo;
class FlexGrid;
class TextBox;
}  // namespace ui

class frm_Edit_Network : public ui::Form {
    Q_OBJECT
public:
    explicit frm_Edit_Network(QWidget* parent = nullptr);
    ~frm_Edit_Network() override;

    // Controls.
    ui::FlexGrid* MSFlexGrid_NetworkUnit = nullptr;  // the units, by IP key; column 0 holds Key
    ui::FlexGrid* MSFlexGrid_Network = nullptr;      // the combined list as last rebuilt
    std::array<ui::DropDownCombo*, 3> cmb_Dat{};     // location, user, maker: names offered, any text taken
    std::array<ui::TextBox*, 9> tbx_nunit{};         // model, computer name, ..., ID, password
    std::array<QLabel*, 12> Label1{};
    ui::FileDialogSpec CommonDialog1;  // the export's save dialog; keeps the last name

    QMenu* Mnu_File = nullptr;
    QAction* Export_CSV = nullptr;
    QAction* sepalator01 = nullptr;
    QAction* Mnu_Close = nullptr;
    QMenu* Mnu_Edit = nullptr;
    QAction* Mnu_AddRecord = nullptr;
    QAction* sepalator02 = nullptr;
    QAction* Mnu_Update = nullptr;
    QAction* Mnu_Delete = nullptr;
    QMenu* Mnu_View = nullptr;
    QAction* Mnu_ViewUpdate = nullptr;

    // Window state.
    qint16 RowSel = 0;       // unit-grid row of the selected unit; 0 = none
    qint16 RowPrev = 0;      // row last painted as selected
    bool ListReady = false;  // the unit grid takes row clicks only while set

    // Fill the unit grid and the combined grid; true when at least one row was shown.
    bool fnc_View_NClist();
    bool fnc_View_NetworkList();

    // Handlers (public so tests can run them as the menus, lists and keys do).
    void cmb_Dat_DropDown(int Index);
    void MSFlexGrid_NetworkUnit_Click();
    void Mnu_AddRecord_Click();
    void Mnu_Update_Click();
    void Mnu_Delete_Click();
    void Mnu_Close_Click();
    void Mnu_ViewUpdate_Click();
    void Export_CSV_Click();
    void tbx_nunit_GotFocus(int Index);
    void tbx_nunit_LostFocus(int Index);
    void tbx_nunit_KeyPress(int Index, int& KeyAscii);

protected:
    void Form_Load() override;
    void Form_Resize() override;
    bool Form_QueryUnload(int unloadMode) override;

private:
    // One column of a list grid: caption, width in twips, the field shown in rows 1 to n.
    struct GridColumn {
        const char* caption;
        int width;
        const char* field;
    };
    // The fill both grids share; column 0 of a data row holds the Key field, or the row number when
    // `numberRows` is set. True when rows were shown; a failure shows the standard error box.
    bool fillGrid(ui::FlexGrid& grid, const QString& query, const GridColumn* columns, int columnCount,
                  bool numberRows);

    void placeGrids();
    void fnc_Set_RowColor(qint16 row, qint16 colorIndex);
    void fnc_Form_Close();
    // Rebuilds tbl_NetworkList in one transaction. The first failure, if any: a failure of the delete,
    // a query, the running key or the commit rolls everything back; a refused insert only loses its device.
    [[nodiscard]] std::optional<vb::Error> fnc_Make_NetworkList();
};
