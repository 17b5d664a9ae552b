#pragma once
// The printer list: a cross table of the printer ports in use, one column per port captioned with a
// printer name and the port, the computer names of the PCs in use below. The window only reads.
#include "platform/ui/Dialogs.h"
#include "platform/ui/Form.h"

class QAction;
class QMenu;
namespace ui {
class FlexGrid;
}

class frm_List_Printer : public ui::Form {
    Q_OBJECT
public:
    explicit frm_List_Printer(QWidget* parent = nullptr);
    ~frm_List_Printer() override;

    // Controls.
    ui::FlexGrid* MSFlexGrid_Printer = nullptr;
    ui::FileDialogSpec CommonDialog1;

    QMenu* Mnu_File = nullptr;
    QAction* Mnu_Export_CSV = nullptr;
    QAction* separator01 = nullptr;
    QAction* Mnu_Close = nullptr;
    QMenu* Mnu_Edit = nullptr;
    QAction* Mnu_List_Update = nullptr;

    // Handlers (public so tests can run them as the menus do); each guards its body.
    void Mnu_Export_CSV_Click();
    void Mnu_List_Update_Click();
    void Mnu_Close_Click();

protected:
    void Form_Load() override;
    void Form_Resize() override;
    bool Form_QueryUnload(int unloadMode) override;

private:
    // True when at least one printer was read; a failure raises (the callers show the standard error box).
    bool fnc_View_PrinterTable();
    void fnc_Form_Close();
};
