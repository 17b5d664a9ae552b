#include <QApplication>

#include "app/AllForms.h"
#include "core/frm_Main.h"
#include "platform/base/TimeZone.h"
#include "platform/ui/Fonts.h"
#include "platform/ui/Form.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Translations.h"

int main(int argc, char** argv) {
    vb::pinTimeZone();
    QApplication app(argc, argv);
    ui::installFonts();
    QApplication::setQuitOnLastWindowClosed(true);
    (void)ui::installQtTranslations();  // without them Qt's own texts stay English
    registerAllForms();
    // Log-off, shut-down and SIGTERM (our task list) close the main window with their own reason:
    // the connection is closed and every window unloaded, the geometry is not saved.
    ui::installSessionHandlers([](int unloadMode) {
        if (frm_Main* main = frm_Main::instance()) (void)main->closeWithReason(unloadMode);
    });
    // The main window's load refuses a second copy and ends the process before anything shows.
    if (!ui::showForm("frm_Main", ui::vbModeless)) return 0;
    return QApplication::exec();
}
