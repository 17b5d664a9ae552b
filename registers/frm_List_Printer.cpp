#include "registers/frm_List_Printer.h"

#include <QMenu>
#include <utility>
#include <vector>

#include "core/Mdl_Access_mdb.h"
#include "core/Mdl_Export.h"
#include "core/Mdl_gData.h"
#include "platform/db/Ado.h"
#include "platform/ui/Colors.h"
#include "platform/ui/Events.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/Names.h"

namespace {

// Ports sort without case here, while a new column starts at every change of the port's exact text.
const QString kPrinterSql = QStringLiteral(
    "SELECT DISTINCT tbl_Printer_Management.Key, tbl_Printer_Management.Printer_Name, "
    "tbl_Printer_Management.PrinterPorts_Name, tbl_Pclist.MainKey, tbl_Pclist.Computer_Name, "
    "tbl_Computer_List.Deleted_Flug FROM tbl_Pclist, tbl_Computer_List, tbl_Printer_Management WHERE "
    "((tbl_Pclist.MainKey = tbl_Printer_Management.Key) AND (tbl_Pclist.MainKey = tbl_Computer_List.MainKey) AND "
    "(tbl_Computer_List.Deleted_Flug = 0)) ORDER BY tbl_Printer_Management.PrinterPorts_Name;");

// A field's text as toTextOrEmpty gives it; a stored text is read where it is instead of copied for every
// record, another value's is made in `scratch`.
const QString& textOf(const ado::Value& v, QString& scratch) {
    if (const auto* stored = std::get_if<QString>(&v.raw())) return *stored;
    scratch = v.toTextOrEmpty();
    return scratch;
}

}  // namespace

frm_List_Printer::frm_List_Printer(QWidget* parent) : ui::Form(QStringLiteral("frm_List_Printer"), parent) {
    setCaption(QStringLiteral("プリンタ一覧"));
    // Sized at load from the window's size.
    MSFlexGrid_Printer = place(new ui::FlexGrid, QStringLiteral("MSFlexGrid_Printer"), 120, 120, 4800, 3000);
    MSFlexGrid_Printer->setRows(2);
    MSFlexGrid_Printer->setCols(2);
    MSFlexGrid_Printer->setFixedRows(1);
    MSFlexGrid_Printer->setFixedCols(1);

    Mnu_File = addMenu(QStringLiteral("Mnu_File"), QStringLiteral("ファイル") + ui::kIdeo.repeated(6));
    Mnu_Export_CSV =
        addItem(Mnu_File, QStringLiteral("Mnu_Export_CSV"), QStringLiteral("書き出し") + ui::kIdeo.repeated(6));
    separator01 = addSeparator(Mnu_File, QStringLiteral("separator01"));
    Mnu_Close =
        addItem(Mnu_File, QStringLiteral("Mnu_Close"), QStringLiteral("閉じる"), QKeySequence(Qt::CTRL | Qt::Key_W));
    Mnu_Edit = addMenu(QStringLiteral("Mnu_Edit"), QStringLiteral("表示") + ui::kIdeo.repeated(8));
    Mnu_List_Update =
        addItem(Mnu_Edit, QStringLiteral("Mnu_List_Update"), QStringLiteral("一覧更新") + ui::kIdeo.repeated(3));

    ui::bind(Mnu_Export_CSV, &QAction::triggered, this, &frm_List_Printer::Mnu_Export_CSV_Click);
    ui::bind(Mnu_Close, &QAction::triggered, this, &frm_List_Printer::Mnu_Close_Click);
    ui::bind(Mnu_List_Update, &QAction::triggered, this, &frm_List_Printer::Mnu_List_Update_Click);
}

frm_List_Printer::~frm_List_Printer() = default;

void frm_List_Printer::Form_Load() {
    setWidth(gFormWidth);
    setHeight(gFormHeight);
    setTop(gFormTop);
    setLeft(gFormLeft);
    // A saved size too small for the grid leaves the grid at its design size.
    const qint64 width = qint64(gFormWidth) - 320;
    const qint64 height = qint64(gFormHeight) - 950;
    QRect place = MSFlexGrid_Printer->geometry();
    place.moveTo(ui::px(120), ui::px(120));
    if (width > 0) place.setWidth(ui::px(int(width)));
    if (height > 0) place.setHeight(ui::px(int(height)));
    MSFlexGrid_Printer->setGeometry(place);
    ui::guarded([&] { (void)fnc_View_PrinterTable(); });
}

void frm_List_Printer::Form_Resize() {
    const qint64 width = qint64(Width()) - 320;
    const qint64 height = qint64(Height()) - 950;
    QRect place = MSFlexGrid_Printer->geometry();
    if (width > 0) place.setWidth(ui::px(int(width)));
    if (height > 0) place.setHeight(ui::px(int(height)));
    MSFlexGrid_Printer->setGeometry(place);
}

bool frm_List_Printer::fnc_View_PrinterTable() {
    ui::FlexGrid& grid = *MSFlexGrid_Printer;
    ado::Recordset rs;
    // Only read: a read-only recordset does not try to fetch the row ids a write would need.
    rs.Open(kPrinterSql, gCn(), ado::adOpenStatic, ado::adLockReadOnly);
    if (rs.RecordCount() == 0) {
        rs.Close();
        return false;
    }

    // The walk only gathers the columns; the grid is then sized once and written, rather than grown a
    // column and a row at a time (every new column would touch every row).
    struct PortColumn {
        QString printer;
        QString port;
        std::vector<std::pair<int, QString>> pcs;  // grid row, computer name
    };
    std::vector<PortColumn> columns;
    int rowsInColumn = 0;
    int largest = 1;
    int rows = 3;
    const ado::Field& portField = rs.Fields(QStringLiteral("PrinterPorts_Name"));
    const ado::Field& printerField = rs.Fields(QStringLiteral("Printer_Name"));
    const ado::Field& pcField = rs.Fields(QStringLiteral("Computer_Name"));
    QString scratch;
    for (rs.MoveFirst(); !rs.EOF(); rs.MoveNext()) {
        const QString& port = textOf(portField.valueOnRow(), scratch);
        if (!port.isEmpty()) {
            if (columns.empty() || port != columns.back().port) {
                columns.push_back({printerField.value().toTextOrEmpty(), port, {}});
                rowsInColumn = 0;
            }
            columns.back().pcs.emplace_back(rowsInColumn + 2, pcField.value().toTextOrEmpty());
        }
        // Records without a port count too: one empty row always stands below the longest column.
        ++rowsInColumn;
        if (rowsInColumn >= largest) {
            largest = rowsInColumn;
            rows = rowsInColumn + 3;
        }
    }

    ui::FrozenWhileFilled frozen(grid);
    const QColor grey = ui::QBColor(8);
    const QColor white = ui::QBColor(15);
    grid.setCols(1 + int(columns.size()));
    grid.setRows(rows);
    grid.setColWidth(0, 600);
    for (int column = 1; column <= int(columns.size()); ++column) {
        PortColumn& c = columns[std::size_t(column - 1)];
        grid.setColWidth(column, 1500);
        grid.setTextMatrix(0, column, c.printer);
        grid.setCellBackColorAt(0, column, grey);
        grid.setTextMatrix(1, column, c.port);
        grid.setCellBackColorAt(1, column, grey);
        grid.setCellAlignmentAt(1, column, ui::flexAlignCenterBottom);
        // The names are handed over to the grid, not copied.
        for (auto& [row, pc] : c.pcs) {
            grid.setTextMatrix(row, column, std::move(pc));
            grid.setCellBackColorAt(row, column, white);
            grid.setCellAlignmentAt(row, column, ui::flexAlignLeftBottom);
        }
    }

    for (int r = 0; r < grid.Rows(); ++r) {
        grid.setTextMatrix(r, 0, QString::number(r));
        grid.setCellBackColorAt(r, 0, grey);
    }
    rs.Close();
    return true;
}

// The grid keeps its size; with nothing found it stays cleared.
void frm_List_Printer::Mnu_List_Update_Click() {
    ui::guarded([&] {
        MSFlexGrid_Printer->Clear();
        (void)fnc_View_PrinterTable();
    });
}

void frm_List_Printer::Mnu_Export_CSV_Click() {
    ui::guarded([&] { (void)fnc_Export_Grid(*MSFlexGrid_Printer, CommonDialog1, this); });
}

void frm_List_Printer::Mnu_Close_Click() {
    ui::guarded([&] { fnc_Form_Close(); });
}
// Every way of closing unloads without a question; the close in progress is that unload.
bool frm_List_Printer::Form_QueryUnload(int) { return false; }
void frm_List_Printer::fnc_Form_Close() { Unload(); }
