#pragma once
// The real main window on a copy of the template database: start it as the program does, seed PCs
// behind its back, write and read "DB.ini" as bytes.
#include <QByteArray>
#include <QString>
#include <QStringList>

#include "core/frm_Main.h"
#include "tests/support/LedgerFixture.h"

namespace mainwindow {

// One PC row in both tables; codes point at master rows the test made (0 = the reserved row).
struct Pc {
    int key;
    QString computerName;
    int location = 0;
    int user = 0;
    int deleted = 0;
};

class MainWindowTest : public testsupport::LedgerTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // Creates frm_Main and runs its load, as the program's start does.
    frm_Main* start();
    // Unload from code, and let Qt delete what was unloaded.
    static void settle();

    void addPc(const Pc& pc);
    void addLocation(int code, const QString& name, const QString& availableFlug = "0");
    void addUser(int code, const QString& name, const QString& availableFlug = "0");

    // "DB.ini" in the program folder: the lines are joined with CR LF and written in CP932.
    void writeIni(const QStringList& lines);
    [[nodiscard]] QByteArray iniBytes() const;
    [[nodiscard]] bool iniExists() const;
    [[nodiscard]] QString iniPath() const;

    // The standard error boxes shown so far.
    [[nodiscard]] int stdErrorBoxes() const;

    frm_Main* m_main = nullptr;
};

// The folder of this process's single-instance lock (XDG_RUNTIME_DIR).
QString instanceLockFolder();

// CP932 bytes of lines joined by CR LF, with a final CR LF.
QByteArray iniText(const QStringList& lines);

}  // namespace mainwindow
