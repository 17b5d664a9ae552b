#include "registers/Registration.h"

#include "platform/ui/Forms.h"
#include "registers/frm_Edit_Network.h"

void registerRegisterForms() {
    ui::registerForm("frm_Edit_Network", [] { return new frm_Edit_Network; });
}
