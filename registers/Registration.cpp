#include "registers/Registration.h"

#include "platform/ui/Forms.h"

void registerRegisterForms() {}
