#include "registers/Registration.h"

#include "platform/ui/Forms.h"
#include "registers/frm_Edit_Mail.h"

void registerRegisterForms() {
    ui::registerForm(QStringLiteral("frm_Edit_Mail"), [] { return new frm_Edit_Mail; });
}
