#pragma once
// The real main window on a copy of the template database, with its menu driven as a user does.
// Windows the menu opens are stood in for by probes that record what they were handed on load.
#include <QByteArray>
#include <QColor>
#include <QString>
#include <QStringList>
#include <vector>

#include "core/frm_Main.h"
#include "platform/ui/Form.h"
#include "tests/support/LedgerFixture.h"
#include "tests/support/UiDriver.h"

class QAction;

namespace mainmenu {

// What a probe window found in the shared state when it loaded.
struct ProbeLoad {
    QString className;
    qint32 formWidth, formHeight, formTop, formLeft;
    QString editTableName, editTableCaption;
    qint16 selMainKey, selRow;
    bool shownModal = false;  // as found when the probe closed itself
};

// A test double registered under a window's class name; it is no product window.
class ProbeForm : public ui::Form {
public:
    explicit ProbeForm(const QString& className);

protected:
    void Form_Load() override;
};

// Every window class the main menu opens.
const QStringList& openedClasses();

using testsupport::flushDeletes;
using testsupport::Pc;
using testsupport::settle;
using testsupport::stdErrorBoxes;

class MainMenuTest : public testsupport::LedgerTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // Starts frm_Main as the program does (load, then shown modeless).
    frm_Main* start();

    // View 0 with the columns 設置場所, ユーザ, コンピュータ名 (grid columns 2, 3, 4), sorted by computer name.
    void writeThreeColumnView();

    // The menu entry by its control name; fails the test when missing.
    QAction* action(const QString& name) const;
    // Triggers an entry as a click in the menu would (testsupport::triggerAction).
    void trigger(const QString& name);
    // Presses a shortcut on the active main window.
    void press(const QKeySequence& keys);

    // Grid row of a PC in the list, 0 when not listed.
    int rowOf(int key) const;
    // A mouse click on the PC's row, in its computer-name cell.
    void clickPc(int key);
    [[nodiscard]] std::vector<std::vector<QColor>> cellColours() const;

    [[nodiscard]] std::vector<QString> messages() const;  // prompts of every MsgBox shown

    frm_Main* m_main = nullptr;
};

// Probe loads, in order, since the last reset.
std::vector<ProbeLoad>& probeLoads();
// While false, probes stay open; while true each one unloads itself at the next turn of the event loop.
extern bool g_probeClosesItself;
// Class names whose factory gives no window, as for a subsystem not built yet.
QStringList& unbuiltClasses();

using testsupport::cp932Lines;

}  // namespace mainmenu
