#pragma once
// The register of mail accounts (tbl_Mail_Management): every account in a grid, filtered by the PC's
// location on request; the eight texts of the picked account in boxes, its user and PC from pick lists;
// new, update and delete; the grid written out in three layouts.
#include <QString>
#include <array>

#include "platform/ui/Dialogs.h"
#include "platform/ui/Form.h"

class QAction;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
namespace ui {
class DropDownCombo;
class FlexGrid;
class TextBox;
}  // namespace ui

class frm_Edit_Mail : public ui::Form {
    Q_OBJECT
public:
    explicit frm_Edit_Mail(QWidget* parent = nullptr);
    ~frm_Edit_Mail() override;

    // The grid's column for each box of tbx_tbl_Mail, and the account's column it writes.
    struct BoxColumn {
        int gridColumn;
        const char* field;
    };
    static const std::array<BoxColumn, 8> kBoxColumns;

    // Controls.
    ui::FlexGrid* MSFlexGrid_Mail = nullptr;
    std::array<ui::TextBox*, 8> tbx_tbl_Mail{};
    std::array<QLabel*, 8> lbr_tbl_Mail{};
    ui::DropDownCombo* cmb_User = nullptr;
    ui::DropDownCombo* cmb_Computer = nullptr;
    ui::DropDownCombo* cmb_Location = nullptr;
    QLineEdit* tbx_User = nullptr;      // hidden: the picked user's code, "" until picked
    QLineEdit* tbx_Computer = nullptr;  // hidden: the picked PC's MainKey, "" until picked
    QLineEdit* tbx_Location = nullptr;  // hidden: the location filter's code, "" until picked
    QLabel* lbr_User = nullptr;         // "ユーザ名"
    QLabel* lbr_Computer = nullptr;     // "コンピュータ名"
    QLabel* Label7 = nullptr;
    QFrame* Line1 = nullptr;
    ui::FileDialogSpec CommonDialog1;

    QMenu* Mnu_File = nullptr;
    QAction* Mnu_Export = nullptr;
    QAction* Mnu_Export_OE = nullptr;
    QAction* Mnu_Export_beat = nullptr;
    QAction* separator01 = nullptr;
    QAction* Mnu_Close = nullptr;
    QMenu* Mnu_Edit = nullptr;
    QAction* Mnu_AddRecord = nullptr;
    QAction* separator02 = nullptr;
    QAction* Mnu_Update = nullptr;
    QAction* Mnu_Delete = nullptr;

    // Form state.
    bool bListLoaded = false;
    qint16 iPrevRow = 0;
    qint16 iSelRow = 0;

    // Fills the grid with the accounts, those of one location's PCs for a code above 0; true when rows
    // were shown. A failure shows the standard error box.
    bool fnc_View_MailList(qint16 LocationCode);
    // The list statement for a location code (0 or less: every account).
    [[nodiscard]] static QString mailListSql(qint16 LocationCode);

    // Handlers.
    void cmb_Location_DropDown();
    void cmb_Location_Click();
    void cmb_User_DropDown();
    void cmb_User_Click();
    void cmb_Computer_DropDown();
    void cmb_Computer_Click();
    void MSFlexGrid_Mail_Click();
    void Mnu_AddRecord_Click();
    void Mnu_Update_Click();
    void Mnu_Delete_Click();
    void Mnu_Close_Click();
    void Mnu_Export_Click();
    void Mnu_Export_beat_Click();
    void Mnu_Export_OE_Click();
    void tbx_tbl_Mail_GotFocus(int Index);
    void tbx_tbl_Mail_LostFocus(int Index);
    void cmb_User_GotFocus();
    void cmb_User_LostFocus();

protected:
    void Form_Load() override;
    void Form_Resize() override;
    bool Form_QueryUnload(int unloadMode) override;

private:
    void buildControls();
    void buildMenus();
    void fnc_Reset_SelectRow();
    void fnc_Set_RowColor(qint16 row, qint16 colourIndex);
    void fnc_Clear_Form();
    void fnc_Form_Close();
    // Refills the grid for the location in tbx_Location (every account while it is empty).
    void refreshList();
    // The key cell (column 1) of a grid row, as the account's key; false when it is empty.
    [[nodiscard]] bool accountKey(int row, qint16& key) const;
    // The grid's size from the window's outer size, each dimension only when it comes out above 0.
    void sizeGrid(qint32 windowWidth, qint32 windowHeight);
    void setRecordCommands(bool rowPicked);
};
