#pragma once
// The application list: how many installations of each application the PCs in use record (left grid),
// and which PCs have the chosen one, optionally at one location (right grid), written out as comma text
// under the application's name. The window only reads.
#include <QString>

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

class frm_List_Application : public ui::Form {
    Q_OBJECT
public:
    explicit frm_List_Application(QWidget* parent = nullptr);
    ~frm_List_Application() override;

    // Controls.
    ui::TextBox* tbx_ApplicationName = nullptr;  // the chosen application; the export's first line
    ui::TextBox* tbx_ApplicationNum = nullptr;   // its installation count
    QLabel* Label2 = nullptr;
    QLabel* Label1 = nullptr;
    ui::DropDownCombo* cmb_Location = nullptr;  // item data: Location_Code
    ui::TextBox* tbx_Location = nullptr;        // hidden: the chosen location code, "" for all locations
    ui::FlexGrid* MSFlexGrid_Applications = nullptr;
    ui::FlexGrid* MSFlexGrid_User = nullptr;  // the PCs having the chosen application
    ui::FileDialogSpec CommonDialog1;

    QMenu* Mnu_File = nullptr;
    QAction* Mnu_Export_CSV = nullptr;
    QAction* sepalate01 = nullptr;
    QAction* Mnu_Close = nullptr;
    QMenu* Mnu_View = nullptr;
    QAction* Mnu_ViewUpdate = nullptr;

    // Window state, fresh at every load.
    qint16 AppPrevRow = 0;
    qint16 AppCurRow = 0;
    bool AppListLoaded = false;
    qint16 UserPrevRow = 0;
    qint16 UserCurRow = 0;
    bool UserListLoaded = false;
    QString SelAppName;
    QString SelAppCount;

    // Handlers (public so tests can run them as the grids, the list and the menus do); each guards its body.
    void MSFlexGrid_Applications_Click();
    void MSFlexGrid_User_Click();
    void cmb_Location_DropDown();
    void cmb_Location_Click();
    void Mnu_ViewUpdate_Click();
    void Mnu_Export_CSV_Click();
    void Mnu_Close_Click();

protected:
    void Form_Load() override;
    void Form_Resize() override;
    bool Form_QueryUnload(int unloadMode) override;

private:
    // Both fills show the standard error box on a failure and return false.
    bool fnc_View_ApplicationCount();
    bool fnc_View_InstalledPC(qint16 LocationCode);
    void fnc_Set_RowColor_App(qint16 row, qint16 colourIndex);
    void fnc_Set_RowColor_User(qint16 row, qint16 colourIndex);
    void fnc_Form_Close();
    void placeGrids(qint32 width, qint32 height);
    // The location code in tbx_Location: 0 (all locations) when the box is empty.
    [[nodiscard]] qint16 chosenLocation() const;
    // A grid with nothing to show: no rows, no columns.
    static void emptyGrid(ui::FlexGrid& grid);
};
