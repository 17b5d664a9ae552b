#pragma once
// Registers every window of the program with the window service: the program and the layout test
// share this one list, so a window added here is held to the layout test too.
void registerAllForms();
