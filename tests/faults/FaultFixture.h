#pragma once
// Write commands of the real windows under a database that refuses them: a full disk at the commit, a
// read-only file, another program holding the write lock throughout, and the same lock let go after
// half a second. The file layer under SQLite is this test's from the first connection on, so the full
// disk can be switched on and off around one command.
#include <QString>
#include <QStringList>
#include <atomic>
#include <memory>
#include <ostream>
#include <thread>

#include "tests/support/FaultVfs.h"
#include "tests/support/LedgerFixture.h"
#include "tests/support/UiDriver.h"

struct sqlite3;
class QWidget;

// Texts in failure messages as text, not as the bytes of their characters.
QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
QT_END_NAMESPACE

namespace faulttest {

enum class Fault { FullDisk, ReadOnly, Locked, BriefLock };

// The description the engine gives each fault, as the standard error box must name it.
[[nodiscard]] QString descriptionOf(Fault fault);
[[nodiscard]] const char* nameOf(Fault fault);

// Another program's connection holding the write lock (BEGIN IMMEDIATE).
class LockHolder {
public:
    explicit LockHolder(const QString& dbPath);
    ~LockHolder();
    LockHolder(const LockHolder&) = delete;
    LockHolder& operator=(const LockHolder&) = delete;
    // Lets the lock go after `ms` milliseconds, from another thread while this one runs the command.
    void releaseAfter(int ms);

private:
    void release();
    sqlite3* m_db = nullptr;
    std::thread m_releaser;
    std::atomic<bool> m_held{false};
};

class FaultTest : public testsupport::LedgerTest {
public:
    void SetUp() override;
    void TearDown() override;

    // Shows a window modeless at the main window's place, as the menus hand it over, and waits for it.
    QWidget* show(const QString& formName);
    // The main window as the program starts it (it lists the PCs by computer name).
    QWidget* startMain();

    // The answers the harness has chosen for this run are queued, then the menu entry is triggered as
    // a click on it would. Everything a command's driver does before this is the user's own steps.
    void command(const QWidget* form, const QString& actionName);

    [[nodiscard]] QString folderFile(const QString& name) const { return m_folder->file(name); }
    // Every row of every table, through a connection of its own: what "nothing written" compares.
    [[nodiscard]] QString everything() const;

    using LedgerTest::addMaster;
    using LedgerTest::addPc;
    using LedgerTest::addUser;
    using LedgerTest::count;
    using LedgerTest::scalar;
    using LedgerTest::sql;

    // Set by the harness before a driver runs.
    std::vector<int> m_answers;

protected:
    void arm(Fault fault);
    void disarm(Fault fault);

private:
    std::unique_ptr<testsupport::FaultVfs> m_vfs;
    std::shared_ptr<std::atomic<bool>> m_diskFull = std::make_shared<std::atomic<bool>>(false);
    std::unique_ptr<LockHolder> m_lock;
};

}  // namespace faulttest
