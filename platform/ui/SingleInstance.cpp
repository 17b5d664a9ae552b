#include "platform/ui/SingleInstance.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QHash>
#include <QStandardPaths>
#include <cerrno>

namespace ui {

namespace {

QString lockFolder() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty() || !QDir(folder).exists()) folder = QDir::tempPath();
    return folder;
}

}  // namespace

bool anotherInstanceRunning(const QString& lockName) {
    // Held locks, by name: the descriptor stays open (and the lock held) until the process ends.
    static QHash<QString, int> held;
    if (held.contains(lockName)) return false;

    // In the shared temporary folder the name carries the user, so users don't block each other.
    QString folder = lockFolder();
    QString file = lockName + QStringLiteral(".lock");
    if (folder == QDir::tempPath()) file = lockName + QLatin1Char('-') + QString::number(::getuid()) + ".lock";
    const QByteArray path = QFile::encodeName(folder + QLatin1Char('/') + file);

    // CLOEXEC: a program started from here must not inherit the lock and keep it after we end.
    const int fd = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0) return false;  // no lock to be had: let the program run rather than refuse it
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const bool busy = errno == EWOULDBLOCK;
        ::close(fd);
        return busy;
    }
    held.insert(lockName, fd);
    return false;
}

}  // namespace ui
