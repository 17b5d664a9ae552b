#include "platform/base/AppPath.h"

#include <QCoreApplication>

namespace vb {

namespace {
QString& overridePath() {
    static QString path;
    return path;
}
}  // namespace

QString App_Path() {
    if (!overridePath().isEmpty()) return overridePath();
    return QCoreApplication::applicationDirPath();
}

void setAppPath(const QString& folder) { overridePath() = folder; }

QString appFile(const QString& fileName) { return App_Path() + QLatin1Char('/') + fileName; }

}  // namespace vb
