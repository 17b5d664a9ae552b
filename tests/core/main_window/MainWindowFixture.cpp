#include "tests/core/main_window/MainWindowFixture.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "platform/text/Cp932.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/SingleInstance.h"

namespace mainwindow {

QByteArray iniText(const QStringList& lines) {
    QByteArray bytes;
    for (const QString& line : lines) bytes += cp932::encode(line) + "\r\n";
    return bytes;
}

QString instanceLockFolder() {
    // Test processes run side by side; each holds its own copy of the single-instance lock.
    static QTemporaryDir folder;
    return folder.path();
}

void MainWindowTest::SetUp() {
    LedgerTest::SetUp();
    static const bool isolated = [] {
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(instanceLockFolder()));
        return true;
    }();
    (void)isolated;
    // This process takes the lock first, so the window's own check passes instead of ending the test run.
    ASSERT_FALSE(ui::anotherInstanceRunning()) << "another process holds the lock in " << instanceLockFolder().toStdString();
}

void MainWindowTest::TearDown() {
    LedgerTest::TearDown();
    settle();
    m_main = nullptr;
}

frm_Main* MainWindowTest::start() {
    m_main = new frm_Main;
    m_main->Load();
    return m_main;
}

void MainWindowTest::settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

void MainWindowTest::addPc(const Pc& pc) {
    sql(QString("INSERT INTO tbl_Computer_List (MainKey, Location_Code, User_Code, Manufacturer_Code, Model_Code, "
                "Deleted_Flug) VALUES (%1, %2, %3, 0, 0, %4)")
            .arg(pc.key)
            .arg(pc.location)
            .arg(pc.user)
            .arg(pc.deleted));
    sql(QString("INSERT INTO tbl_Pclist (MainKey, Computer_Name) VALUES (%1, '%2')").arg(pc.key).arg(pc.computerName));
}

void MainWindowTest::addLocation(int code, const QString& name, const QString& availableFlug) {
    sql(QString("INSERT INTO tbl_Location (Location_Code, Location_Name, Location_Comment, Available_flug) "
                "VALUES (%1, '%2', '', '%3')")
            .arg(code)
            .arg(name, availableFlug));
}

void MainWindowTest::addUser(int code, const QString& name, const QString& availableFlug) {
    sql(QString("INSERT INTO tbl_User (User_Code, User_Name, User_Comment, Available_flug, kana, "
                "Employee_SerialNumber, Acount_Name, logon_Password, Section_Code, Division_Code) "
                "VALUES (%1, '%2', '', '%3', '', '', '', '', 0, 0)")
            .arg(code)
            .arg(name, availableFlug));
}

QString MainWindowTest::iniPath() const { return m_folder->file("DB.ini"); }

void MainWindowTest::writeIni(const QStringList& lines) {
    QFile f(iniPath());
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(iniText(lines));
}

QByteArray MainWindowTest::iniBytes() const {
    QFile f(iniPath());
    if (!f.open(QIODevice::ReadOnly)) return {};
    return f.readAll();
}

bool MainWindowTest::iniExists() const { return QFileInfo::exists(iniPath()); }

int MainWindowTest::stdErrorBoxes() const {
    int n = 0;
    for (const auto& s : ui::script::shown())
        if (s.kind == ui::script::Shown::Kind::MsgBox && s.title == QStringLiteral("警告")) ++n;
    return n;
}

}  // namespace mainwindow
