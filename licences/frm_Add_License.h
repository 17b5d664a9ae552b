#pragma once
// The licence stock (tbl_License_Key): one row per product the office bought licences for, with its name
// and the number bought. Opened modally from the licence assignment window only; its Close command makes
// that window refill its licence pick list.
#include <QString>

#include "platform/ui/Form.h"

class QAction;
class QLabel;
class QMenu;
namespace ui {
class FlexGrid;
class TextBox;
}  // namespace ui

class frm_Add_License : public ui::Form {
    Q_OBJECT
public:
    explicit frm_Add_License(QWidget* parent = nullptr);
    ~frm_Add_License() override;

    // Controls.
    ui::FlexGrid* MSFlexGrid_License = nullptr;
    ui::TextBox* tbx_LicenseName = nullptr;
    ui::TextBox* tbx_LicenseNum = nullptr;
    QLabel* lbl_LicenseName = nullptr;
    QLabel* lbl_LicenseNum = nullptr;

    QMenu* Mnu_File = nullptr;
    QAction* Mnu_Close = nullptr;
    QMenu* Mnu_Edit = nullptr;
    QAction* Mnu_AddRecord = nullptr;
    QAction* Mnu_EditRecord = nullptr;
    QAction* Mnu_DeleteRecord = nullptr;
    QMenu* Mnu_View = nullptr;
    QAction* Mnu_ViewList = nullptr;

    // Window state.
    bool ListLoaded = false;
    qint16 PrevRow = 0;
    qint16 CurRow = 0;
    qint32 FormWidth = 0;
    qint32 FormHeight = 0;

    // Fills the grid from tbl_License_Key; true when rows were shown. A failure shows the standard error
    // box and gives false.
    bool fnc_View_LicenseKey();

    // Handlers (public so tests can run them as the menus and the grid do).
    void Mnu_AddRecord_Click();
    void Mnu_EditRecord_Click();
    void Mnu_DeleteRecord_Click();
    void Mnu_ViewList_Click();
    void Mnu_Close_Click();
    void MSFlexGrid_License_Click();
    void tbx_LicenseName_GotFocus();
    void tbx_LicenseName_LostFocus();
    void tbx_LicenseNum_GotFocus();
    void tbx_LicenseNum_LostFocus();
    void tbx_LicenseNum_KeyPress(int& KeyAscii);

protected:
    void Form_Load() override;
    void Form_Resize() override;
    bool Form_QueryUnload(int unloadMode) override;

private:
    void fnc_Init_Form();
    void fnc_Set_RowColor(qint16 row, qint16 colourIndex);
    void fnc_Form_Close();
    void setRecordCommands(bool add, bool edit, bool remove);
    // The key the next new product gets.
    [[nodiscard]] static qint16 nextKey();

    bool m_fillFailed = false;  // the last fill ended in the error box, not in an empty table
};
