#pragma once
// The list query: builds gViewSQL from the view-settings state. Needs no window.
void gSetSQLVal();
