#pragma once
// The real main window on a copy of the template database: start it as the program does, seed PCs
// behind its back, write and read "DB.ini" as bytes.
#include <QByteArray>
#include <QString>
#include <QStringList>

#include "core/frm_Main.h"
#include "tests/support/LedgerFixture.h"
#include "tests/support/UiDriver.h"

namespace mainwindow {

using testsupport::cp932Lines;
using testsupport::flushDeletes;
using testsupport::Pc;
using testsupport::stdErrorBoxes;

class MainWindowTest : public testsupport::LedgerTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // Creates frm_Main and runs its load, as the program's start does.
    frm_Main* start();

    // "DB.ini" in the program folder.
    [[nodiscard]] QByteArray iniBytes() const;
    [[nodiscard]] bool iniExists() const;
    [[nodiscard]] QString iniPath() const;

    frm_Main* m_main = nullptr;
};

// The folder of this process's single-instance lock (XDG_RUNTIME_DIR).
QString instanceLockFolder();

}  // namespace mainwindow
