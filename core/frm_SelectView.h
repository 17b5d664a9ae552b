#pragma once
// The view-settings window: which catalogue columns the main list shows, up to three sort keys with
// their directions, installed or removed PCs, and the eight named views kept in "DB.ini".
// The query builder gSetSQLVal (core/ViewQuery.h) needs no window and lives beside the main list.
#include <QString>
#include <array>

#include "platform/ui/Form.h"

class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QRadioButton;
namespace ui {
class DropDownCombo;
class StatusBar;
}  // namespace ui

class frm_SelectView : public ui::Form {
    Q_OBJECT
public:
    explicit frm_SelectView(QWidget* parent = nullptr);
    ~frm_SelectView() override;

    // Fixed outer size, twips.
    static constexpr int kWidth = 8010;
    static constexpr int kHeight = 6045;

    // Controls.
    QListWidget* Lst_Select = nullptr;  // row r is catalogue entry r + 1 (item data: the index)
    QGroupBox* Frame1 = nullptr;
    std::array<QRadioButton*, 2> OptDel{};  // 0 設置, 1 撤去
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    std::array<ui::DropDownCombo*, 3> cmb_Order{};  // the key boxes, showing captions
    std::array<QGroupBox*, 3> Frm_ASC_DESC{};
    std::array<QRadioButton*, 6> Opt_ASC_DESC{};  // 2k 昇順, 2k+1 降順 of key row k
    std::array<QLineEdit*, 3> cmb_key{};          // hidden holders: field name of each row's key
    ui::StatusBar* StatusBar1 = nullptr;

    QMenu* Mnu_File = nullptr;
    QAction* Mnu_Close = nullptr;
    QMenu* Mnu_Edit = nullptr;
    QAction* Mnu_SelectAll = nullptr;
    QAction* Mnu_deSelect_All = nullptr;
    QAction* sepalate02 = nullptr;
    QAction* Mnu_Update = nullptr;
    QMenu* Mnu_View = nullptr;
    QAction* Mnu_SetNameStr = nullptr;
    QAction* sepalate03 = nullptr;
    std::array<QAction*, 8> Mnu_ViewSelect{};

    // Handlers (public so tests can run them as the controls and menus do).
    void Lst_Select_Click();
    void cmb_Order_DropDown(int Index);
    void cmb_Order_Click(int Index);
    void Opt_ASC_DESC_Click(int Index);
    void OptDel_Click(int Index);
    void Mnu_Close_Click();
    void Mnu_SelectAll_Click();
    void Mnu_deSelect_All_Click();
    void Mnu_SetNameStr_Click();
    void Mnu_Update_Click();
    void Mnu_ViewSelect_Click(int Index);

protected:
    void Form_Load() override;
    void Form_Resize() override;
    bool Form_QueryUnload(int unloadMode) override;

private:
    void fnc_Set_SelectColumns();
    void fnc_Set_OptDel();
    void fnc_Set_SortKeys();
    void fnc_Set_ASC_DESC();
    void fnc_Set_ViewMenu();
    void fnc_Get_SelectColumns();
    void fnc_Get_OptDel();
    void fnc_Get_SortKeys();
    void fnc_Form_Close();
    void setAllRows(bool chosen);
    // The main list follows the state: refill, then no PC selected.
    static void refillMainList();

    // List position picked in each key box since it was last filled or shown again; -1 for none.
    std::array<int, 3> m_picked{-1, -1, -1};
    bool m_settingList = false;  // the window itself is choosing rows: no click
};
