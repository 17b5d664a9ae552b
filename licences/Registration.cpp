#include "licences/Registration.h"

#include "licences/frm_List_Application.h"
#include "platform/ui/Forms.h"

void registerLicenceForms() {
    ui::registerForm("frm_List_Application", [] { return new frm_List_Application; });
}
