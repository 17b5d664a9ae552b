#pragma once
// Registers the inventory reader's window (frm_Open) with the window service.
void registerInventoryReadForms();
