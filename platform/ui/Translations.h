#pragma once
// Qt's own texts in Japanese, as the system the ledger was made for shows them: the file dialogs' columns
// and buttons, the text boxes' context menus (Undo, Cut, Copy, Paste), the standard buttons.
namespace ui {

// Loads Qt's Japanese translations into the application (once; later calls do nothing). False when they
// are not installed (Debian package qt6-translations-l10n); Qt then shows its English texts.
bool installQtTranslations();

}  // namespace ui
