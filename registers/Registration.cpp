#include "registers/Registration.h"

#include "platform/ui/Forms.h"
#include "registers/frm_Edit_Mail.h"
#include "registers/frm_Edit_Network.h"

void registerRegisterForms() {
    ui::registerForm(QStringLiteral("frm_Edit_Mail"), [] { return new frm_Edit_Mail; });
    ui::registerForm("frm_Edit_Network", [] { return new frm_Edit_Network; });
}
