// Main menu and window opening. (Placeholder bodies until the menu is built.)
#include "core/frm_Main.h"

void frm_Main::buildMenu() {}
void frm_Main::copyGeometry() {}
void frm_Main::Mnu_Read_Harvik_Click() {}
void frm_Main::Mnu_View_INPORT_Click() {}
void frm_Main::Mnu_Edit_Users_Click() {}
void frm_Main::Mnu_Edit_Table_Click(int) {}
void frm_Main::Mnu_Edit_profile_Click() {}
void frm_Main::Mnu_Edit_License_Click() {}
void frm_Main::Mnu_Mail_Manegement_Click() {}
void frm_Main::Mnu_Network_Manegement_Click() {}
void frm_Main::View_ApplicationList_Click() {}
void frm_Main::Mnu_PrinterList_Click() {}
void frm_Main::Mnu_About_Click() {}
void frm_Main::Mnu_ViewUpdate_Click() {}
void frm_Main::Mnu_View_Select_Click() {}
