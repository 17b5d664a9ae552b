#include "core/Registration.h"

#include "core/frm_Main.h"
#include "platform/ui/Forms.h"

void registerCoreForms() {
    ui::registerForm("frm_Main", [] { return new frm_Main; });
}
