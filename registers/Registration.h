#pragma once
// Registers the mail and network registers and the printer list with the window service.
void registerRegisterForms();
