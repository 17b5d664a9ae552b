#include "registers/Registration.h"

#include "platform/ui/Forms.h"
#include "registers/frm_Edit_Mail.h"
#include "registers/frm_Edit_Network.h"
#include "registers/frm_List_Printer.h"

void registerRegisterForms() {
    ui::registerForm(QStringLiteral("frm_Edit_Mail"), [] { return new frm_Edit_Mail; });
    ui::registerForm("frm_Edit_Network", [] { return new frm_Edit_Network; });
    ui::registerForm("frm_List_Printer", [] { return new frm_List_Printer; });
}
