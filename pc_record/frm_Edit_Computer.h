#pragma once
// The PC record editor: one PC's collected profile and administrative record on eight tab pages, with
// its user, location, maker and model; saves the changes after listing them, steps through the main
// list's order, opens the user and master-table editors and prints the PC's record sheet (Mdl_Print).
//
// The window's files follow its seams: _Layout builds the window, this one loads a PC, _Pages holds the
// tab pages and their lists, _Input the input fields' handlers, _Save the save, _Menus stepping, the
// menus and closing.
#include <QString>
#include <array>

#include "platform/ui/Form.h"

class QAction;
class QFrame;
class QGroupBox;
class QLabel;
class QMenu;
class QPushButton;
namespace ui {
class CheckBox;
class DropDownCombo;
class FlexGrid;
class ImageList;
class ListBox;
class ProgressBar;
class StatusBar;
class TabStrip;
class TextBox;
class TreeView;
}  // namespace ui

class frm_Edit_Computer : public ui::Form {
    Q_OBJECT
public:
    explicit frm_Edit_Computer(QWidget* parent = nullptr);
    ~frm_Edit_Computer() override;

    // ---- controls (control arrays indexed as designed; unused places stay nullptr) ----
    std::array<ui::TextBox*, 55> tbx_Dat{};
    std::array<QLabel*, 55> lbr_dat{};
    std::array<ui::DropDownCombo*, 6> cmb_Dat{};  // 3 location, 4 maker, 5 model
    std::array<ui::TextBox*, 6> tbx_CmbKey{};     // 3..5: their codes
    ui::ListBox* List_User = nullptr;
    ui::TextBox* tbx_User = nullptr;
    ui::TextBox* tbx_UserCode = nullptr;
    ui::TextBox* tbx_Section = nullptr;   // the user's department (部)
    ui::TextBox* tbx_Division = nullptr;  // the user's section (課)
    std::array<ui::CheckBox*, 32> ChkBox{};
    std::array<QLabel*, 32> lbr_CPU_Feature{};
    QGroupBox* Frame1 = nullptr;
    std::array<QLabel*, 6> IE_Env{};
    QGroupBox* Frame2 = nullptr;
    std::array<ui::TextBox*, 6> tbx_Drive{};
    std::array<QLabel*, 6> lbr_Drive{};
    std::array<ui::CheckBox*, 6> Chk_Drive{};
    std::array<ui::ProgressBar*, 3> ProgressBar_val{};
    ui::FlexGrid* MSGrid_Application = nullptr;
    ui::TreeView* TreeView1 = nullptr;
    ui::ImageList* ImageList1 = nullptr;
    ui::FlexGrid* MSFlexGrid_Printer = nullptr;
    ui::FlexGrid* MSFlexGrid_Environmental = nullptr;
    ui::TabStrip* TabStrip1 = nullptr;
    std::array<QFrame*, 8> Picture_Page{};
    ui::TextBox* tbx_Key = nullptr;
    ui::TextBox* tbx_PC_Numbers = nullptr;
    QPushButton* cmd_Prev = nullptr;
    QPushButton* cmd_Next = nullptr;
    ui::StatusBar* StatusBar1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label11 = nullptr;
    QLabel* Label13 = nullptr;

    // CommonDialog1's printer dialogs are ui::ShowPrinter on ui::sharedPrinter().
    QMenu* Mnu_File = nullptr;
    QAction* Mnu_ExportCSV = nullptr;  // bound to no command
    QAction* sepalator01 = nullptr;
    QAction* Mnu_Pagelayout = nullptr;
    QAction* Mnu_Print = nullptr;
    QAction* sepalator02 = nullptr;
    QAction* Mnu_Close = nullptr;
    QMenu* Mnu_Edit = nullptr;
    QAction* Mnu_Update = nullptr;
    QMenu* Mnu_Managemants = nullptr;
    QAction* Mnu_Edit_User = nullptr;
    std::array<QAction*, 6> Mnu_Edit_Teble{};  // 1..5: the gMasterTable row

    // ---- the window's variables ----
    struct DatFieldDef {
        QString Caption;
        QString FieldName;
    };
    struct CpuFeatureDef {
        QString Abbrev;
        QString Description;
        QString FieldName;
    };
    qint16 ShownMainKey = 0;
    qint16 ShownRow = 0;
    std::array<DatFieldDef, 100> DatField;
    std::array<CpuFeatureDef, 33> CpuFeature;
    std::array<QString, 6> DriveCaption;
    std::array<QString, 6> DriveField;
    std::array<QString, 6> DriveUnitField;
    std::array<QString, 6> DriveFlagField;
    QString OldText;

    // ---- the two public operations: the record sheet relies on what they leave in the grids ----
    bool fnc_View_Applist(qint16 key);
    bool fnc_View_PrinterList(qint16 key);

    // ---- handlers (public: the controls, menus and tests reach them) ----
    void TabStrip1_Click();
    void cmb_Dat_DropDown(int Index);
    void cmb_Dat_Click(int Index);
    void cmb_Dat_GotFocus(int Index);
    void cmb_Dat_LostFocus(int Index);
    void List_User_Click();
    void tbx_Dat_GotFocus(int Index);
    void tbx_Dat_KeyPress(int Index, int& KeyAscii);
    void tbx_Dat_LostFocus(int Index);
    void tbx_Drive_GotFocus(int Index);
    void tbx_Drive_KeyPress(int Index, int& KeyAscii);
    void tbx_Drive_LostFocus(int Index);
    void Mnu_Update_Click();
    void cmd_Next_Click();
    void cmd_Prev_Click();
    void Mnu_Close_Click();
    void Mnu_Edit_User_Click();
    void Mnu_Edit_Teble_Click(int Index);
    void Mnu_Pagelayout_Click();
    void Mnu_Print_Click();

protected:
    void Form_Load() override;
    void Form_Resize() override;
    bool Form_QueryUnload(int unloadMode) override;

private:
    // Building the window (frm_Edit_Computer_Layout.cpp).
    void buildTopArea();
    void buildPages();
    void buildCpuPage(QFrame* page);
    void buildNetworkPage(QFrame* page);
    void buildListPages();
    void buildDrivePage(QFrame* page);
    void buildMaintenancePage(QFrame* page);
    void buildMenus();
    void bindEvents();
    ui::TextBox* datBox(QWidget* page, int index, int labelLeft, int labelWidth, int boxLeft, int boxWidth, int top);

    // Loading.
    bool fnc_View_Computer(qint16 key);
    void fnc_View_Belongs(qint16 key);
    bool fnc_View_UserList();
    void fnc_Clear_Form();
    bool fnc_View_EnvironmentList(qint16 key);
    void fnc_View_DeviceTree(qint16 key);
    bool fnc_View_Drive(qint16 key);
    // The list grid loader shared by the three list pages.
    bool viewListGrid(ui::FlexGrid* grid, int which, qint16 key);
    // The loader of the selected tab, for tabs 3 to 6.
    void viewSelectedList(qint16 key);
    void showPage(int tab);

    // Stepping and closing.
    void stepTo(qint16 row);
    void fnc_Form_Close();

    // Whether the loads the save writes back completed for ShownMainKey since the load or the last clear:
    // a box left empty by a load that did not complete must not blank the stored value.
    bool m_belongsShown = false;
    bool m_computerShown = false;
    bool m_driveShown = false;
    // The PC deletions noted when ShownMainKey's PC was last loaded (deletionMark). A delete frees the key
    // for the next new PC, and the boxes, read from the PC deleted, must not be saved over that one.
    quint64 m_loadedMark = 0;
};
