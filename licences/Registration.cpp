#include "licences/Registration.h"

#include "platform/ui/Forms.h"

void registerLicenceForms() {}
