#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <optional>

#include "platform/base/TimeZone.h"
#include "platform/ui/Fonts.h"

int main(int argc, char** argv) {
    vb::pinTimeZone();
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen") : qgetenv("QT_QPA_PLATFORM"));
    // Test processes run side by side and many start the main window, which takes the single-instance
    // lock in the runtime folder: each process gets a folder of its own. A child process started by a
    // test keeps the folder its parent gave it, so the lock tests still see each other.
    // Only the first process makes the folder: a child that ends without unwinding must not leave one behind.
    std::optional<QTemporaryDir> lockFolder;
    if (qEnvironmentVariableIsEmpty("VONDARI_TEST_LOCK_FOLDER")) {
        lockFolder.emplace();
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(lockFolder->path()));
        qputenv("VONDARI_TEST_LOCK_FOLDER", QFile::encodeName(lockFolder->path()));
    }
    QApplication app(argc, argv);
    ui::installFonts();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
