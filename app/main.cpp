#include <QApplication>

#include "core/Registration.h"
#include "core/frm_Main.h"
#include "inventory_compare/Registration.h"
#include "inventory_read/Registration.h"
#include "licences/Registration.h"
#include "pc_record/Registration.h"
#include "platform/ui/Fonts.h"
#include "platform/ui/Form.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Translations.h"
#include "registers/Registration.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    ui::installFonts();
    QApplication::setQuitOnLastWindowClosed(true);
    (void)ui::installQtTranslations();  // without them Qt's own texts stay English
    registerCoreForms();
    registerInventoryReadForms();
    registerPcRecordForms();
    registerInventoryCompareForms();
    registerLicenceForms();
    registerRegisterForms();
    // Log-off, shut-down and SIGTERM (our task list) close the main window with their own reason:
    // the connection is closed and every window unloaded, the geometry is not saved.
    ui::installSessionHandlers([](int unloadMode) {
        if (frm_Main* main = frm_Main::instance()) (void)main->closeWithReason(unloadMode);
    });
    // The main window's load refuses a second copy and ends the process before anything shows.
    if (!ui::showForm("frm_Main", ui::vbModeless)) return 0;
    return QApplication::exec();
}
