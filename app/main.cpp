#include <QApplication>

#include "core/Registration.h"
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
    if (!ui::showForm("frm_Main", 0)) return 0;
    return QApplication::exec();
}
