#include "pc_record/Registration.h"

#include "platform/ui/Forms.h"

void registerPcRecordForms() {}
