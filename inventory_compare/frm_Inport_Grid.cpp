// The comparison grid's two sides and the application grid: the stored PC when a PC is picked, the
// inventory file when the read command runs.
#include "core/Mdl_Access_mdb.h"
#include "core/Mdl_ReadCsv.h"
#include "inventory_compare/frm_Inport.h"
#include "inventory_read/Catalogue.h"
#include "platform/db/Ado.h"
#include "platform/text/VbConv.h"
#include "platform/ui/Colors.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/TextBox.h"

using compare::itemRow;
using compare::kItemRows;

namespace {

constexpr int kGrey = 8;

// A staged row's fields as the first-row reader gives them.
RecordValues recordValuesOf(const readcsv::StagedLine& line) {
    RecordValues values;
    const QString* fields[] = {&line.Key,      &line.Group, &line.Item,      &line.SubItem,
                               &line.Contents, &line.Unit,  &line.Renewalday};
    for (std::size_t i = 0; i < std::size(fields); ++i) values[i] = fnc_Replace_SQLChar(*fields[i]);
    return values;
}

}  // namespace

void frm_Inport::writeCompareHeader() {
    ui::FlexGrid& g = *MSFlexGrid1;
    for (int c = 0; c < compare::kGridCols; ++c) {
        g.setColWidth(c, compare::kCompareHeader[c].width);
        if (c > 0) g.setCellAlignmentAt(0, c, ui::flexAlignCenterBottom);
        g.setTextMatrix(0, c, QString::fromUtf16(compare::kCompareHeader[c].text));
        g.setCellBackColorAt(0, c, ui::QBColor(kGrey));
    }
}

// ---- the stored side ----------------------------------------------------------------------------

bool frm_Inport::fnc_View_PCData(qint16 MainKey) {
    if (tbx_ComputerKey->text().isEmpty()) return false;
    ui::FlexGrid& g = *MSFlexGrid1;
    // The incoming column is emptied here: a file read before this pick no longer stands beside the PC.
    m_ReadSincePick = false;
    m_TypedRows.clear();
    m_PickedIdentity.clear();
    g.setVisible(false);
    try {
        g.Clear();
        g.setCols(compare::kGridCols);
        g.setRows(kItemRows + 1);
        writeCompareHeader();

        const QString sql = QStringLiteral(
                                "SELECT DISTINCT tbl_Computer_List.*, tbl_Pclist.* FROM tbl_Pclist, "
                                "tbl_Computer_List  WHERE ((tbl_Pclist.MainKey = ") +
                            QString::number(MainKey) +
                            QStringLiteral(") AND ((tbl_Pclist.MainKey) = (tbl_Computer_List.MainKey)) );");
        ado::Recordset rs;
        rs.Open(sql, gCn(), ado::adOpenStatic, ado::adLockOptimistic);
        if (rs.RecordCount() != 0) {
            for (int r = 1; r <= kItemRows; ++r) {
                const compare::ItemRow& row = itemRow(r);
                g.setTextMatrix(r, 0, QString::number(r));
                g.setTextMatrix(r, 1, row.pcLabel);
                g.setTextMatrix(r, 2, row.column);
                const ado::Value stored = rs.Fields(row.storedField).value();
                if (stored.isNull()) continue;
                const QString text = stored.toText();  // a stored 0 is a value: it shows "0"
                if (text.isEmpty()) continue;
                g.setTextMatrix(r, 3, text);
                if (r >= 3) g.setCellAlignmentAt(r, 3, ui::flexAlignLeftBottom);
            }
            rs.Close();
            m_PickedIdentity = storedIdentity(MainKey);
            m_GridSet = true;
        } else {
            rs.Close();
        }
    } catch (const std::exception& e) {
        // The grid stays hidden until a fill completes.
        ui::ShowStdError(e);
        return false;
    }
    g.setVisible(true);
    return true;
}

// ---- the inventory file -------------------------------------------------------------------------

void frm_Inport::Mnu_Open_Click() {
    ui::FileDialogSpec spec;
    spec.title = QStringLiteral("Harvikデータ読み込み");
    spec.filters = {QStringLiteral("全て(*.*)"), QStringLiteral("*.*"), QStringLiteral("CSVファイル"),
                    QStringLiteral("*.csv")};
    spec.filterIndex = 2;
    const std::optional<QString> path = ui::ShowOpen(spec, this);
    if (!path) return;  // Cancel: the grids and tbl_ReadCsv stay as they were

    bool staged = false;
    readcsv::StagedRows rows;
    try {
        staged = readcsv::stageFile(*path, &rows);
    } catch (const std::exception& e) {
        ui::ShowStdError(e);
        return;
    }
    if (!staged) return;  // not an inventory file: nothing changed, nothing said

    m_TypedRows.clear();  // the incoming column is filled from the file again
    if (fnc_View_ReadCsvData(rows)) {
        m_ReadSincePick = true;
        m_ReadStaging = readcsv::stagingCount();
    }
    (void)fnc_View_CsvApplist(rows);  // filled even when the comparison grid failed
}

bool frm_Inport::fnc_View_ReadCsvData(const readcsv::StagedRows& staged) {
    ui::FlexGrid& g = *MSFlexGrid1;
    g.setVisible(false);
    try {
        // No clearing: a row the file has no value for keeps the text it had.
        g.setCols(compare::kGridCols);
        g.setRows(kItemRows + 1);
        writeCompareHeader();
        for (int r = 1; r <= kItemRows; ++r) {
            const compare::ItemRow& row = itemRow(r);
            g.setRow(r);
            g.setTextMatrix(r, 0, QString::number(r));
            g.setTextMatrix(r, 1, row.fileLabel);
            g.setTextMatrix(r, 2, row.column);
            // The row's query is answered from the rows just staged, as the import does.
            const readcsv::StagedLine* line =
                inventory::firstSelected(inventory::catalogueEntry(r), inventory::LabelSet::Japanese, staged);
            const std::optional<QString> incoming =
                compare::incomingValue(row, line ? recordValuesOf(*line) : RecordValues{});
            if (!incoming) continue;
            g.setTextMatrix(r, 4, *incoming);
            g.setCellAlignmentAt(r, 4, ui::flexAlignLeftBottom);
        }
    } catch (const std::exception& e) {
        ui::ShowStdError(e);
        return false;
    }
    m_GridSet = true;
    g.setVisible(true);
    return true;
}

bool frm_Inport::fnc_View_CsvApplist(const readcsv::StagedRows& staged) {
    ui::FlexGrid& g = *MSGrid_Application;
    try {
        // The rows the staging table's query selects (Item compared as the table compares), in staged
        // order, taken from the rows just staged; the test hook can still fail the query.
        if (gCn().hasFailHook())
            gCn().failAsStatement(
                QStringLiteral("SELECT tbl_ReadCsv.* FROM tbl_ReadCsv  WHERE ((tbl_ReadCsv.Item = 'Application') );"));
        std::vector<const readcsv::StagedLine*> apps;
        for (const readcsv::StagedLine& line : staged)
            if (readcsv::sameText(line.Item, QStringLiteral("Application"))) apps.push_back(&line);
        if (apps.empty()) return false;  // the grid keeps the applications it showed
        g.setVisible(false);
        g.Clear();
        g.setCols(4);
        g.setRows(int(apps.size()) + 1);
        for (int c = 0; c < 4; ++c) {
            g.setColWidth(c, compare::kApplicationHeader[c].width);
            g.setCellBackColorAt(0, c, ui::QBColor(kGrey));
            if (c == 0) continue;
            g.setCellAlignmentAt(0, c, ui::flexAlignCenterBottom);
            g.setTextMatrix(0, c, QString::fromUtf16(compare::kApplicationHeader[c].text));
        }
        qint16 line = 0;
        for (const readcsv::StagedLine* app : apps) {
            line = vb::addInt16(line, 1);
            g.setTextMatrix(line, 0, QString::number(line));
            g.setCellBackColorAt(line, 0, ui::QBColor(kGrey));
            const QString* const fields[] = {&app->SubItem, &app->Contents, &app->Unit};
            for (int c = 1; c <= 3; ++c) {
                if (fields[c - 1]->isEmpty()) continue;
                g.setTextMatrix(line, c, *fields[c - 1]);
                g.setCellAlignmentAt(line, c, ui::flexAlignLeftBottom);
            }
        }
        g.setVisible(true);
        return true;
    } catch (const std::exception& e) {
        ui::ShowStdError(e);
        return false;
    }
}
