#pragma once
// The register of users (tbl_User): the users in use with their department (部) and section (課),
// the edit fields of the selected user, new / update / retire, and the master-table editor on the
// departments and on the sections.
#include <QString>
#include <array>

#include "platform/ui/Form.h"

class QAction;
class QLabel;
class QMenu;
namespace ui {
class DropDownCombo;
class FlexGrid;
class TextBox;
}  // namespace ui

class frm_Edit_User : public ui::Form {
    Q_OBJECT
public:
    explicit frm_Edit_User(QWidget* parent = nullptr);
    ~frm_Edit_User() override;

    // Controls.
    ui::FlexGrid* MSFlexGrid_Edit = nullptr;
    ui::DropDownCombo* cmb_Section = nullptr;   // departments (部)
    ui::DropDownCombo* cmb_Division = nullptr;  // sections (課)
    std::array<ui::TextBox*, 9> tbxEdit{};      // indexes 3..8 exist
    ui::TextBox* tbx_Section_Code = nullptr;    // hidden: code last chosen in the department list, "" for none
    ui::TextBox* tbx_Division_Code = nullptr;   // hidden: likewise for the section list
    QLabel* lbr_Key = nullptr;                  // hidden: the selected user's code
    std::array<QLabel*, 8> Label{};             // the captions beside the fields

    QMenu* Mnu_File = nullptr;
    QAction* Mnu_Close = nullptr;
    QMenu* Mnu_Edit = nullptr;
    QAction* Mnu_Add = nullptr;
    QAction* ceparator = nullptr;
    QAction* Mnu_Update = nullptr;
    QAction* Mnu_Delete = nullptr;
    QMenu* Mnu_Managements = nullptr;
    QAction* Mnu_Section = nullptr;
    QAction* Mnu_Division = nullptr;

    // Window state.
    qint16 SelectRow = 0;
    qint16 OldSelectRow = 0;
    bool ListShown = false;

    // Fills the grid; true when it was filled to the end. Shows the standard error box on a failure.
    bool fnc_View_UserList();
    void fnc_Reset_SelectRow();

    // Handlers (public so tests can run them as the menus and lists do).
    void MSFlexGrid_Edit_Click();
    void cmb_Section_DropDown();
    void cmb_Division_DropDown();
    void cmb_Section_Click();
    void cmb_Division_Click();
    void Mnu_Add_Click();
    void Mnu_Update_Click();
    void Mnu_Delete_Click();
    void Mnu_Section_Click();
    void Mnu_Division_Click();
    void Mnu_Close_Click();
    void tbxEdit_GotFocus(int Index);
    void tbxEdit_LostFocus(int Index);
    void tbx_Section_Code_GotFocus();
    void tbx_Section_Code_LostFocus();
    void tbx_Division_Code_GotFocus();
    void tbx_Division_Code_LostFocus();

protected:
    void Form_Load() override;
    void Form_Resize() override;
    bool Form_QueryUnload(int unloadMode) override;

private:
    void layoutGrid();
    void fnc_Set_RowColor(qint16 row, qint16 colourIndex);
    void fnc_Clear_tbxEdit();
    void fnc_Form_Close();
    void openMasterEditor(const QString& caption, const QString& table);
};
