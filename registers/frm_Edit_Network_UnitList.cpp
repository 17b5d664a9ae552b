// The unit grid of the network register, and the fill it shares with the combined list.
#include <QString>

#include "core/Mdl_Access_mdb.h"
#include "platform/db/Ado.h"
#include "platform/text/VbConv.h"
#include "platform/ui/Colors.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/FlexGrid.h"
#include "registers/frm_Edit_Network.h"

namespace {

// The row click reads these columns back into the inputs by number; Update and Delete take Key from 0.
// IPAddress_16num only orders the rows.
// clang-format off
constexpr int kUnitColumns = 13;
const char* const kUnitCaptions[kUnitColumns] = {
    "No", "設置場所", "ユーザ名", "コンピュータ名", "ワークグループ", "IPアドレス", "Macアドレス",
    "メーカー", "モデル", "タイプ", "シリアル", "ID", "PW"};
const char* const kUnitFields[kUnitColumns] = {
    "Key", "Location_Name", "User_Name", "Computer_Name", "WorkGroup", "IPAddress", "MacAddress",
    "Manufacturer_Name", "Model_Name", "Type_Number", "Sereals_Number", "ID", "PassWord"};
// clang-format on

// Null and "" leave a cell empty; a single blank is shown as it is.
void setCell(ui::FlexGrid& grid, int row, int col, const ado::Value& v) {
    if (const QString* stored = std::get_if<QString>(&v.raw())) {
        if (!stored->isEmpty()) grid.setTextMatrix(row, col, *stored);
    } else if (!v.isNull()) {
        grid.setTextMatrix(row, col, v.toText());
    }
}

}  // namespace

bool frm_Edit_Network::fnc_View_NClist() {
    GridColumn columns[kUnitColumns];
    for (int c = 0; c < kUnitColumns; ++c) columns[c] = {kUnitCaptions[c], c == 0 ? 500 : 1500, kUnitFields[c]};
    return fillGrid(*MSFlexGrid_NetworkUnit, QStringLiteral("SELECT * FROM tbl_NetworkUnit ORDER BY IPAddress_16num;"),
                    columns, kUnitColumns, false);
}

bool frm_Edit_Network::fillGrid(ui::FlexGrid& grid, const QString& query, const GridColumn* columns, int columnCount,
                                bool numberRows) {
    ado::Recordset rs;
    try {
        // Only read: a read-only recordset does not fetch the row ids a write would need.
        rs.Open(query, gCn(), ado::adOpenStatic, ado::adLockReadOnly);
        if (rs.RecordCount() < 1) {
            // No header either; the grid is neither cleared nor hidden first.
            grid.setCols(0);
            grid.setRows(0);
            rs.Close();
            return false;
        }
        grid.Clear();
        // Hidden while the cells are written, so the view is rebuilt once at the end.
        grid.setVisible(false);
        grid.setCols(columnCount);
        grid.setRows(rs.RecordCount() + 1);

        for (int c = 0; c < columnCount; ++c) {
            grid.setTextMatrix(0, c, QString::fromUtf8(columns[c].caption));
            grid.setCellBackColorAt(0, c, ui::QBColor(8));
            grid.setCellAlignmentAt(0, c, ui::flexAlignCenterBottom);
            grid.setColWidth(c, columns[c].width);
        }

        // The fields looked up by name once, not for every cell.
        std::vector<const ado::Field*> fields;
        for (int c = 0; c < columnCount; ++c) fields.push_back(&rs.Fields(QString::fromUtf8(columns[c].field)));
        const QColor grey = ui::QBColor(8);
        const QColor white = ui::QBColor(15);
        qint16 row = 1;
        for (rs.MoveFirst(); !rs.EOF(); rs.MoveNext()) {
            // A row number is handed over to the grid; a stored text is lent, so a refill copies it into the
            // buffer the cell kept and the recordset reads the next row's text into its own.
            if (numberRows)
                grid.setTextMatrix(row, 0, QString::number(row));
            else
                setCell(grid, row, 0, fields[0]->valueOnRow());
            grid.setCellBackColorAt(row, 0, grey);
            for (int c = 1; c < columnCount; ++c) {
                grid.setCellBackColorAt(row, c, white);
                grid.setCellAlignmentAt(row, c, ui::flexAlignLeftBottom);
                setCell(grid, row, c, fields[size_t(c)]->valueOnRow());
            }
            // 16 bits, as the counter always was: a 32,768th row overflows into the handler below.
            row = vb::addInt16(row, 1);
        }
        grid.setVisible(true);
        rs.Close();
        return true;
    } catch (const std::exception& e) {
        ui::ShowStdError(e);
        if (rs.State() == ado::adStateOpen) rs.Close();
        // What was written stays, but the grid is not left hidden.
        grid.setVisible(true);
        return false;
    }
}
