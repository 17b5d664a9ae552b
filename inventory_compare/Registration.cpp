#include "inventory_compare/Registration.h"

#include "platform/ui/Forms.h"

void registerInventoryCompareForms() {}
