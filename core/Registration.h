#pragma once
// Registers the core's windows with the window service (frm_Main, frm_SelectView, frm_Edit_Table,
// frm_Edit_User, frmAbout).
void registerCoreForms();
