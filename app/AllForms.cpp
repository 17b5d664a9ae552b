#include "app/AllForms.h"

#include "core/Registration.h"
#include "inventory_compare/Registration.h"
#include "inventory_read/Registration.h"
#include "licences/Registration.h"
#include "pc_record/Registration.h"
#include "registers/Registration.h"

void registerAllForms() {
    registerCoreForms();
    registerInventoryReadForms();
    registerPcRecordForms();
    registerInventoryCompareForms();
    registerLicenceForms();
    registerRegisterForms();
}
