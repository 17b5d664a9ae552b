#include "platform/ui/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace ui {

bool installQtTranslations() {
    static QTranslator* translator = nullptr;
    if (translator) return true;
    auto* t = new QTranslator(QCoreApplication::instance());
    // Japanese whatever the machine's locale: the whole program speaks Japanese.
    if (!t->load(QStringLiteral("qtbase_ja"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
        !QCoreApplication::installTranslator(t)) {
        delete t;
        return false;
    }
    translator = t;
    return true;
}

}  // namespace ui
