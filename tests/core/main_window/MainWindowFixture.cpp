#include "tests/core/main_window/MainWindowFixture.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QFileInfo>

#include "platform/ui/Dialogs.h"
#include "platform/ui/SingleInstance.h"

namespace mainwindow {

// The test program gives each process a runtime folder of its own (tests/support/TestMain.cpp).
QString instanceLockFolder() { return qEnvironmentVariable("XDG_RUNTIME_DIR"); }

void MainWindowTest::SetUp() {
    LedgerTest::SetUp();
    // This process takes the lock first, so the window's own check passes instead of ending the test run.
    ASSERT_FALSE(ui::anotherInstanceRunning())
        << "another process holds the lock in " << instanceLockFolder().toStdString();
}

void MainWindowTest::TearDown() {
    LedgerTest::TearDown();
    flushDeletes();
    m_main = nullptr;
}

frm_Main* MainWindowTest::start() {
    m_main = new frm_Main;
    m_main->Load();
    return m_main;
}

QString MainWindowTest::iniPath() const { return m_folder->file("DB.ini"); }

QByteArray MainWindowTest::iniBytes() const {
    QFile f(iniPath());
    if (!f.open(QIODevice::ReadOnly)) return {};
    return f.readAll();
}

bool MainWindowTest::iniExists() const { return QFileInfo::exists(iniPath()); }

}  // namespace mainwindow
