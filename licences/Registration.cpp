#include "licences/Registration.h"

#include "licences/frm_Add_License.h"
#include "licences/frm_Edit_License.h"
#include "licences/frm_List_Application.h"
#include "platform/ui/Forms.h"

void registerLicenceForms() {
    ui::registerForm("frm_Edit_License", [] { return new frm_Edit_License; });
    ui::registerForm("frm_Add_License", [] { return new frm_Add_License; });
    ui::registerForm("frm_List_Application", [] { return new frm_List_Application; });
}
