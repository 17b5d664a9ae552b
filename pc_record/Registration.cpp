#include "pc_record/Registration.h"

#include "pc_record/frm_Edit_Computer.h"
#include "platform/ui/Forms.h"

void registerPcRecordForms() {
    ui::registerForm(QStringLiteral("frm_Edit_Computer"), [] { return new frm_Edit_Computer; });
}
