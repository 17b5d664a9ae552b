#include "inventory_compare/Registration.h"

#include "inventory_compare/frm_Inport.h"
#include "platform/ui/Forms.h"

void registerInventoryCompareForms() {
    ui::registerForm("frm_Inport", [] { return new frm_Inport; });
}
