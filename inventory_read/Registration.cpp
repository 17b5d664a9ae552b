#include "inventory_read/Registration.h"

#include "inventory_read/frm_Open.h"
#include "platform/ui/Forms.h"

void registerInventoryReadForms() {
    ui::registerForm("frm_Open", [] { return new frm_Open; });
}
