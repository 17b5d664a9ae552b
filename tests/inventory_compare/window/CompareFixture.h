#pragma once
// The comparison window on a copy of the template database: PCs seeded behind the program's back, the
// window opened from the main menu or on its own, and driven as a user drives it (a click on a PC in the
// list, the file dialog answered, grid cells clicked, the overwrite confirmed).
#include <QString>
#include <QStringList>

#include "inventory_compare/frm_Inport.h"
#include "tests/support/LedgerFixture.h"
#include "tests/support/UiDriver.h"

namespace comparetest {

using testsupport::msgBoxes;
using testsupport::settle;
using testsupport::stdErrorBoxes;

inline const QString kHeader = QStringLiteral("Key,Group,Item,SubItem,Contents,Unit,Renewalday");

class CompareTest : public testsupport::LedgerTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // Opens gCn and the window on its own, as the main menu would with this main-window geometry.
    frm_Inport* open(int width = 15000, int height = 9000, int top = 300, int left = 200);

    // A location, a user and a PC with them; the PC's row is in both tables.
    void seedPc(int key, const QString& name, int location = 1, int user = 1);
    void seedMasters();

    // A click on the list item of this PC (it must be listed).
    void pick(int key);
    // The file dialog answered with this path (or cancelled), then the read command; with errorBox, the
    // standard error box it is expected to show is answered too.
    void read(const QString& path, bool errorBox = false);
    void readCancelled();
    // The overwrite command with the confirmation answered Yes (and the box that follows OK) or No.
    void overwrite(bool yes = true);

    // The file-picking window imports one file of the program folder as a new PC: it stages the file
    // through tbl_ReadCsv too.
    void importWithTheReadingWindow(const QString& name);

    QString writeInventory(const QString& name, const QStringList& lines);
    QString copySample(const QString& name);

    QString pclist(int key, const QString& column);
    QString computerList(int key, const QString& column);

    QString cell(int row, int col) const;

    frm_Inport* m_form = nullptr;
};

}  // namespace comparetest
