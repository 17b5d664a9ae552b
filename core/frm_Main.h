#pragma once
// The main window: start-up and shutdown, the PC list, the main menu and the record commands.
#include <QPixmap>
#include <QString>
#include <array>
#include <vector>

#include "platform/ui/Dialogs.h"
#include "platform/ui/Form.h"

class QAction;
class QLabel;
class QMenu;
namespace ui {
class FlexGrid;
class StatusBar;
}  // namespace ui

class frm_Main : public ui::Form {
    Q_OBJECT
public:
    explicit frm_Main(QWidget* parent = nullptr);
    ~frm_Main() override;

    // The open main window, or nullptr (other windows refill the list through it).
    static frm_Main* instance();

    // PC list (list fill, selection reset).
    bool fnc_View_PClist();
    void MSFlexGrid_Main_ini();
    // After a refill that does not reset the selection itself: MainSelKey 0, no row painted as
    // selected, the three PC commands disabled. The view window and the import call it after their fill.
    void fnc_Reset_Selection();

    // Controls.
    ui::FlexGrid* MSFlexGrid_Main = nullptr;
    ui::StatusBar* StatusBar1 = nullptr;
    QLabel* StatusBar1_Panel1 = nullptr;  // StatusBar1's first panel
    ui::FileDialogSpec CommonDialog1;     // keeps the name chosen last in this window
    std::vector<QPixmap> ImageList1;      // picture 1 (front) is the window icon

    // The first status-bar panel; the text's CR LF breaks the line.
    void setPanelText(const QString& text);
    [[nodiscard]] QString panelText() const;  // as it was set, CR LF included

    QMenu* Mnu_Files = nullptr;
    QAction* Mnu_Read_Harvik = nullptr;
    QAction* Mnu_View_INPORT = nullptr;
    QAction* Mnu_View_EXPORT = nullptr;
    QAction* Mnu_Program_Quit = nullptr;
    QMenu* Mnu_Edit = nullptr;
    QAction* Mnu_AddNew = nullptr;
    QAction* Mnu_Search = nullptr;
    QAction* Mnu_Delete = nullptr;
    QAction* Mnu_ReplacePC = nullptr;
    QMenu* Mnu_Managements = nullptr;
    QAction* Mnu_Edit_Users = nullptr;
    std::array<QAction*, 6> Mnu_Edit_Table{};  // Index 1..5
    QAction* Mnu_Edit_profile = nullptr;
    QAction* Mnu_Edit_License = nullptr;
    QAction* Mnu_Mail_Manegement = nullptr;
    QAction* Mnu_Network_Manegement = nullptr;
    QAction* View_ApplicationList = nullptr;
    QAction* Mnu_PrinterList = nullptr;
    QMenu* Mnu_View = nullptr;
    QAction* Mnu_About = nullptr;
    QAction* Mnu_ViewUpdate = nullptr;
    QAction* Mnu_View_Select = nullptr;

    // Window-level selection state.
    bool MainListReady = false;
    qint16 MainPrevRow = 0;
    qint16 MainSelRow = 0;
    qint16 MainSelKey = 0;

    // Menu handlers (public so tests and other windows can run them as the menu does).
    void Mnu_Read_Harvik_Click();
    void Mnu_View_INPORT_Click();
    void Mnu_View_EXPORT_Click();
    void Mnu_Program_Quit_Click();
    void Mnu_AddNew_Click();
    void Mnu_Search_Click();
    void Mnu_Delete_Click();
    void Mnu_ReplacePC_Click();
    void Mnu_Edit_Users_Click();
    void Mnu_Edit_Table_Click(int Index);
    void Mnu_Edit_profile_Click();
    void Mnu_Edit_License_Click();
    void Mnu_Mail_Manegement_Click();
    void Mnu_Network_Manegement_Click();
    void View_ApplicationList_Click();
    void Mnu_PrinterList_Click();
    void Mnu_About_Click();
    void Mnu_ViewUpdate_Click();
    void Mnu_View_Select_Click();

    void MSFlexGrid_Main_Click();
    void MSFlexGrid_Main_DblClick();

protected:
    void Form_Load() override;
    void Form_Resize() override;
    void Form_LostFocus() override;
    bool Form_QueryUnload(int unloadMode) override;
    void Form_Unload() override;

private:
    void buildMenu();
    void fnc_Set_RowColor(qint16 row, qint16 colourIndex);
    void copyGeometry();  // the geometry copy before the six windows that take it
    void copyPosition();  // Top and Left only, for the windows that take the main window's place
    void refreshList();   // gSetSQLVal, fnc_View_PClist, MSFlexGrid_Main_ini
    // "PCのプロファイル", "削除" and "廃棄登録": the three entries that need a selected PC.
    void setPcCommandsEnabled(bool on);
};
