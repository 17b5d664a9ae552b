#pragma once
// Registers the licence windows and the application list with the window service.
void registerLicenceForms();
