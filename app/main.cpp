#include <QApplication>

#include "core/Registration.h"
#include "core/frm_Main.h"
#include "platform/ui/Form.h"
#include "platform/ui/Forms.h"
#ifdef VONDARI_HAS_INVENTORY_READ
#include "inventory_read/Registration.h"
#endif

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(true);
    registerCoreForms();
#ifdef VONDARI_HAS_INVENTORY_READ
    registerInventoryReadForms();
#endif
    // Log-off, shut-down and SIGTERM (our task list) close the main window with their own reason:
    // the connection is closed and every window unloaded, the geometry is not saved.
    ui::installSessionHandlers([](int unloadMode) {
        if (frm_Main* main = frm_Main::instance()) (void)main->closeWithReason(unloadMode);
    });
    // The main window's load refuses a second copy and ends the process before anything shows.
    if (!ui::showForm("frm_Main", 0)) return 0;
    return QApplication::exec();
}
