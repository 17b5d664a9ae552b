#include "core/Registration.h"

#include "core/frm_Main.h"
#include "platform/ui/Forms.h"
#if __has_include("core/frm_SelectView.h")
#include "core/frm_SelectView.h"
#endif
#if __has_include("core/frm_Edit_Table.h")
#include "core/frm_Edit_Table.h"
#endif
#if __has_include("core/frm_Edit_User.h")
#include "core/frm_Edit_User.h"
#endif
#if __has_include("core/frmAbout.h")
#include "core/frmAbout.h"
#endif

void registerCoreForms() {
    ui::registerForm("frm_Main", [] { return new frm_Main; });
#if __has_include("core/frm_SelectView.h")
    ui::registerForm("frm_SelectView", [] { return new frm_SelectView; });
#endif
#if __has_include("core/frm_Edit_Table.h")
    ui::registerForm("frm_Edit_Table", [] { return new frm_Edit_Table; });
#endif
#if __has_include("core/frm_Edit_User.h")
    ui::registerForm("frm_Edit_User", [] { return new frm_Edit_User; });
#endif
#if __has_include("core/frmAbout.h")
    ui::registerForm("frmAbout", [] { return new frmAbout; });
#endif
}
