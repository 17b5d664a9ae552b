#pragma once
// Registers the PC record editor's window (frm_Edit_Computer) with the window service.
void registerPcRecordForms();
