#pragma once
// The PC record editor on a copy of the template database, opened as a user opens it: the real main
// window starts (it opens the database and fills the master-table descriptor), lists the PCs by
// computer name, and a double click on a row opens the editor. PCs come from the real import of a
// sample inventory file, from the main window's "新規作成", or are written behind the program's back.
#include <QString>
#include <QStringList>
#include <optional>
#include <utility>
#include <vector>

#include "platform/ui/Dialogs.h"
#include "tests/support/LedgerFixture.h"
#include "tests/support/UiDriver.h"

class frm_Main;
class frm_Edit_Computer;

namespace pcrecordtest {

using testsupport::msgBoxPrompts;
using testsupport::settle;
using testsupport::stdErrorBoxes;

// Column name and SQL literal ("'text'", "12", "NULL").
using Columns = std::vector<std::pair<QString, QString>>;
// A list row's texts; nullopt is Null.
using ListRow = std::vector<std::optional<QString>>;

class EditorTest : public testsupport::LedgerTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // The main window as the program starts it, listing computer names in ascending order.
    frm_Main* startMain();
    // A double click on list row `row` (the main window is started first when needed).
    frm_Edit_Computer* openFromList(int row);
    // The PC and row handed over directly, as the main window hands them over (for a PC the list cannot show).
    frm_Edit_Computer* openDirect(qint16 key, qint16 row);
    [[nodiscard]] static frm_Edit_Computer* editor();
    // Refills the main list with its current view (as "画面更新" does).
    void refreshMainList();

    // Imports samples/<name> as the reader does; returns the new PC's key.
    int importSample(const QString& name = QStringLiteral("inventory_ja.csv"));
    // "新規作成" in the main window; returns the new PC's key.
    int createPcByMenu();

    // Rows behind the program's back (masters and users: LedgerTest's).
    // Both rows of a PC; unlisted columns are Null, codes 0 unless given.
    void insertPc(int key, const Columns& pclist, const Columns& record = {});
    void addApplications(int key, const std::vector<ListRow>& rows);  // name, path, version
    void addPrinters(int key, const std::vector<ListRow>& rows);      // name, port, version
    void addEnvironment(int key, const std::vector<ListRow>& rows);   // name, path, comment
    void addDevices(int key, const std::vector<ListRow>& rows);       // category, name, provider, version

    // A click on tab `tab` (1..8) as a user clicks it.
    static void clickTab(frm_Edit_Computer* e, int tab, Qt::MouseButton button = Qt::LeftButton);
    // A column of a PC as text ("<null>" for Null, "<none>" without the row).
    QString pcValue(int key, const QString& column);

    frm_Main* m_main = nullptr;
};

// "'text'" with apostrophes doubled.
[[nodiscard]] QString lit(const QString& text);

}  // namespace pcrecordtest
