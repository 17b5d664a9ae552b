// Stepping through the main list's order, the size rule, closing, and the menus: printer set-up, the
// record sheet, the user and master-table editors.
#include "core/Mdl_Access_mdb.h"
#include "core/Mdl_gData.h"
#include "pc_record/EditComputerLoad.h"
#include "pc_record/Mdl_Print.h"
#include "pc_record/frm_Edit_Computer.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/Forms.h"
#include "platform/ui/TextBox.h"

using namespace pcrecord;

void frm_Edit_Computer::cmd_Next_Click() {
    ui::guarded([&] {
        if (ShownRow + 1 > gRowCount) return;
        stepTo(qint16(ShownRow + 1));
    });
}

void frm_Edit_Computer::cmd_Prev_Click() {
    ui::guarded([&] {
        // No PC listed: row 0 holds the reserved PC, which the save would write.
        if (gRowCount < 1) return;
        // The list shrank since this row was shown: rows past its end keep keys of the longer list.
        if (ShownRow > gRowCount) {
            stepTo(gRowCount);
            return;
        }
        if (ShownRow - 1 <= 0) return;
        stepTo(qint16(ShownRow - 1));
    });
}

// The row moves first, even to a PC deleted since the list was filled: the boxes are then left empty.
void frm_Edit_Computer::stepTo(qint16 row) {
    ShownRow = row;
    ShownMainKey = gRowMainKey.at(std::size_t(ShownRow));
    m_loadedMark = deletionMark();
    tbx_Key->setText(QString::number(ShownRow));
    fnc_Clear_Form();
    const qint16 key = ShownMainKey;
    if (!fnc_Exists_Record(existsPcQuery(key))) return;
    fnc_View_Belongs(key);
    fnc_View_Computer(key);
    viewSelectedList(key);
    fnc_View_Drive(key);
}

void frm_Edit_Computer::Form_Resize() { keepOuterSize(12000, 8900); }

bool frm_Edit_Computer::Form_QueryUnload(int) {
    fnc_Form_Close();
    return false;
}

// Unloading from here raises the close request again; the window service ignores that second unload.
void frm_Edit_Computer::fnc_Form_Close() { Unload(); }

void frm_Edit_Computer::Mnu_Close_Click() { fnc_Form_Close(); }

void frm_Edit_Computer::Mnu_Edit_User_Click() {
    ui::guarded([] { ui::showForm(QStringLiteral("frm_Edit_User"), ui::vbModal); });
}

void frm_Edit_Computer::Mnu_Edit_Teble_Click(int Index) {
    ui::guarded([&] {
        const MasterTableDef& m = gMasterTable.at(std::size_t(Index));
        gEditTableCaption = m.Caption;
        gEditTableName = m.TableName;
        gEditTableIndex = qint16(Index);
        ui::showForm(QStringLiteral("frm_Edit_Table"), ui::vbModal);
    });
}

void frm_Edit_Computer::Mnu_Pagelayout_Click() {
    ui::guarded([&] { (void)ui::ShowPrinter(this, ui::PrinterDialog::Setup); });
}

// A print that fails after the dialog abandons its document (nothing reaches the printer) and says why.
void frm_Edit_Computer::Mnu_Print_Click() {
    ui::guarded([&] {
        if (!ui::ShowPrinter(this, ui::PrinterDialog::Print)) return;
        const qint16 key = ShownMainKey;
        // Not a load of the PC: the user and master boxes keep what was loaded, so the save's mark stays.
        fnc_View_Computer(key);
        fnc_View_Applist(key);
        fnc_View_PrinterList(key);
        fnc_View_Drive(key);
        Print_PCSheet();
    });
}
