// PC record commands and the list export. (Placeholder bodies until the commands are built.)
#include "core/frm_Main.h"

void frm_Main::Mnu_AddNew_Click() {}
void frm_Main::Mnu_Search_Click() {}
void frm_Main::Mnu_Delete_Click() {}
void frm_Main::Mnu_ReplacePC_Click() {}
void frm_Main::Mnu_View_EXPORT_Click() {}
