#pragma once
// The licence assignment window: licences of the stock (tbl_License_Key) assigned to PCs, one
// tbl_License_Dat row each. The user picks a licence and a PC in the two pick lists and adds an
// assignment, or picks a grid row and updates or deletes it; two combos filter the grid by licence and by
// location. The window's code is split: pick lists, combos and selection here, the grid fill in
// frm_Edit_License_List.cpp, the record commands and the export in frm_Edit_License_Commands.cpp.
#include <QString>
#include <optional>

#include "platform/ui/Dialogs.h"
#include "platform/ui/Form.h"

class QAction;
class QLineEdit;
class QMenu;
namespace ui {
class DropDownCombo;
class FlexGrid;
class ListBox;
class MultiLineTextBox;
class TextBox;
}  // namespace ui

class frm_Edit_License : public ui::Form {
    Q_OBJECT
public:
    explicit frm_Edit_License(QWidget* parent = nullptr);
    ~frm_Edit_License() override;

    // Controls.
    ui::ListBox* List_license = nullptr;
    ui::TextBox* tbx_LicenseKey = nullptr;
    ui::TextBox* tbx_LicenseName = nullptr;
    ui::ListBox* List_ComuputerName = nullptr;
    ui::TextBox* tbx_ComputerKey = nullptr;
    ui::TextBox* tbx_ComputerName = nullptr;
    ui::TextBox* tbx_ProductID = nullptr;
    ui::TextBox* tbx_Licence_No = nullptr;
    ui::TextBox* tbx_Install_Key = nullptr;
    ui::DropDownCombo* cmb_Payment_Type = nullptr;
    ui::DropDownCombo* cmb_AssetType = nullptr;
    ui::TextBox* tbx_Purchase_Price = nullptr;
    ui::MultiLineTextBox* tbx_Comment = nullptr;
    ui::DropDownCombo* cmb_Application = nullptr;
    QLineEdit* tbx_Application = nullptr;  // hidden: key of the licence filter
    ui::DropDownCombo* cmb_Location = nullptr;
    QLineEdit* tbx_Location = nullptr;  // hidden: code of the location filter
    ui::FlexGrid* FGrid_EditLicense = nullptr;
    ui::FileDialogSpec CommonDialog1;  // keeps the name chosen last in this window

    QMenu* Mnu_File = nullptr;
    QAction* Mnu_Export = nullptr;
    QAction* Mnu_Close = nullptr;
    QMenu* Mnu_Edit = nullptr;
    QAction* Mnu_AddRecord = nullptr;
    QAction* Mnu_Update = nullptr;
    QAction* Mnu_DeleteRecord = nullptr;
    QMenu* Mnu_View = nullptr;
    QAction* View_MSFlexGrid_License_assignment_Update = nullptr;
    QMenu* Mnu_Managements = nullptr;
    QAction* Add_ApplicationName = nullptr;

    // Form variables.
    bool ListLoaded = false;
    qint16 PrevRow = 0;
    qint16 CurRow = 0;

    // Refills the licence pick list from the stock; true when the stock had rows and every line was added.
    // The licence stock window calls it when it closes by its Close command.
    bool View_ApplicatinList();
    bool fnc_View_ComputerList();
    // Refills the grid from the two filter boxes; true when rows were shown.
    bool fnc_View_LicenseList();
    void fnc_Reset_SelectRow();
    void fnc_Clear_Form();
    [[nodiscard]] QString fnc_Get_LicenseDatValue(qint16 Key, const QString& FieldName);

    // Handlers (public so tests can run them as the menus, lists and grid do).
    void List_license_Click();
    void List_ComuputerName_Click();
    void cmb_Application_DropDown();
    void cmb_Application_Click();
    void cmb_Location_DropDown();
    void cmb_Location_Click();
    void cmb_Payment_Type_DropDown();
    void cmb_AssetType_DropDown();
    void FGrid_EditLicense_Click();
    void Mnu_Export_Click();
    void Mnu_AddRecord_Click();
    void Mnu_Update_Click();
    void Mnu_DeleteRecord_Click();
    void Mnu_Close_Click();
    void Add_ApplicationName_Click();
    void View_MSFlexGrid_License_assignment_Update_Click();

protected:
    void Form_Load() override;
    void Form_Resize() override;
    bool Form_QueryUnload(int unloadMode) override;

private:
    void fnc_Set_RowColor(qint16 Row, qint16 ColorIndex);
    void fnc_Form_Close();
    void setRecordCommands(bool add, bool update, bool remove);
    // Gives whether a line was picked.
    bool takeListPick(ui::ListBox* list, ui::TextBox* nameBox, ui::TextBox* keyBox);
    void takeFilterPick(ui::DropDownCombo* filter, QLineEdit* codeBox);
    void placeGrid(qint32 width, qint32 height);
    // The 16-bit number in a key box, when the text is a whole number and `query` + that number finds a
    // row; otherwise the exclamation box with `refusal` and nothing.
    [[nodiscard]] static std::optional<qint16> checkedKey(const QString& text, const QString& query,
                                                          const QString& refusal);

    // A delete frees its key for the next new row (a PC's, a stock licence's), so a key this window read
    // earlier (a pick-list line, an assignment's row) may name another row by now; a key typed by hand names
    // the row under it now. What a key box held when a read filled it, with the deletion mark of that read.
    struct KeyRead {
        QString text;
        quint64 mark = 0;
    };
    // Notes that `box` now holds a key read when the deletion mark was `mark`.
    static void noteKeyRead(std::optional<KeyRead>& read, const ui::TextBox* box, quint64 mark);
    // The mark of the read that left `box` holding its key; none when the user has edited it since.
    [[nodiscard]] static std::optional<quint64> readMark(const std::optional<KeyRead>& read, const ui::TextBox* box);
    std::optional<KeyRead> m_LicenceKeyRead;   // none once the user edits tbx_LicenseKey
    std::optional<KeyRead> m_ComputerKeyRead;  // none once the user edits tbx_ComputerKey
    quint64 m_LicenceListMark = 0;             // the mark when List_license was filled
    quint64 m_ComputerListMark = 0;            // the mark when List_ComuputerName was filled
};
