// The mail register's three exports of its grid as shown: a plain copy, the beat-box import layout and
// an Outlook Express address book. All three fail without a message: a file that cannot be written ends
// the command quietly, keeping what was written.
#include "core/Mdl_Export.h"
#include "platform/ui/FlexGrid.h"
#include "registers/frm_Edit_Mail.h"

namespace {

// Grid columns read by the layouts (see the list's column table).
enum : int {
    colNumber = 0,
    colLoginId = 2,
    colUserName = 3,
    colMailAddress = 7,
    colMailboxPassword = 11,
    colLocation = 12,
    colDepartment = 13,
    colSection = 14,
    colComputerName = 15,
};

// Every column but the hidden key; the caption line starts with "#,", one field longer than the rows.
GridExportLayout plainLayout(const ui::FlexGrid& grid) {
    GridExportLayout layout;
    layout.columns.push_back(colNumber);
    for (int col = 2; col < grid.Cols(); ++col) layout.columns.push_back(col);
    layout.line = [](const ui::FlexGrid& g, int row, const std::vector<int>& columns) {
        const QString cells = gridExportCells(g, row, columns);
        return row == 0 ? QStringLiteral("#,") + cells : cells;
    };
    layout.lineTail = QStringLiteral(" ");
    layout.silentFailure = true;
    return layout;
}

// The running number and the login to mailbox columns, whatever the grid holds; on the caption line "#"
// takes the place of the first caption. Each line ends in the import's two fixed fields.
GridExportLayout beatBoxLayout() {
    GridExportLayout layout;
    layout.columns.push_back(colNumber);
    for (int col = colLoginId; col <= colMailboxPassword; ++col) layout.columns.push_back(col);
    layout.line = [](const ui::FlexGrid& g, int row, const std::vector<int>& columns) {
        QString cells = gridExportCells(g, row, columns);
        if (row == 0) cells = QStringLiteral("#,") + cells.mid(cells.indexOf(u',') + 1);
        return cells;
    };
    layout.lineTail = QStringLiteral("残さない,FALSE");
    layout.silentFailure = true;
    return layout;
}

// Display name, address, office, department with the section run on, and the computer name as memo.
GridExportLayout addressBookLayout() {
    GridExportLayout layout;
    layout.firstLine = QStringLiteral("表示名,電子メール アドレス,オフィスの場所,部署名,メモ");
    layout.firstRow = 1;
    layout.columns = {colUserName, colMailAddress, colLocation, colDepartment, colSection, colComputerName};
    layout.line = [](const ui::FlexGrid& g, int row, const std::vector<int>&) {
        return g.TextMatrix(row, colUserName) + u',' + g.TextMatrix(row, colMailAddress) + u',' +
               g.TextMatrix(row, colLocation) + u',' + g.TextMatrix(row, colDepartment) +
               g.TextMatrix(row, colSection) + u',' + g.TextMatrix(row, colComputerName);
    };
    layout.lineTail = QString();
    layout.silentFailure = true;
    return layout;
}

}  // namespace

void frm_Edit_Mail::Mnu_Export_Click() {
    (void)fnc_Export_Grid(*MSFlexGrid_Mail, CommonDialog1, this, plainLayout(*MSFlexGrid_Mail));
}

void frm_Edit_Mail::Mnu_Export_beat_Click() {
    (void)fnc_Export_Grid(*MSFlexGrid_Mail, CommonDialog1, this, beatBoxLayout());
}

void frm_Edit_Mail::Mnu_Export_OE_Click() {
    (void)fnc_Export_Grid(*MSFlexGrid_Mail, CommonDialog1, this, addressBookLayout());
}
