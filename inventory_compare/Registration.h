#pragma once
// Registers the inventory comparison window (frm_Inport) with the window service.
void registerInventoryCompareForms();
