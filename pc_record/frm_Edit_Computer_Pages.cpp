// The tab pages: a tab click brings its page to the front and loads it; the three list grids, the device
// tree and the drive page with its sizes, drive flags and usage bars.
#include <QFrame>
#include <QLabel>
#include <cmath>

#include "core/Mdl_Access_mdb.h"
#include "pc_record/EditComputerLoad.h"
#include "pc_record/EditComputerTables.h"
#include "pc_record/frm_Edit_Computer.h"
#include "platform/db/Ado.h"
#include "platform/text/VbConv.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/Colors.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/ImageList.h"
#include "platform/ui/ProgressBar.h"
#include "platform/ui/TabStrip.h"
#include "platform/ui/TextBox.h"
#include "platform/ui/TreeView.h"

using namespace pcrecord;

namespace {

enum ListGrid { Applications, Printers, Environment };

const ListGridEntry& gridEntry(int which) {
    switch (which) {
        case Applications:
            return kApplicationGrid;
        case Printers:
            return kPrinterGrid;
        default:
            return kEnvironmentGrid;
    }
}

constexpr int kColumnWidths[4] = {450, 4000, 4000, 1200};

// The header row of a list grid: widths, captions centred at the bottom, grey cells.
void writeHeader(ui::FlexGrid& grid, const ListGridEntry& entry) {
    const QColor grey = ui::QBColor(8);
    grid.setColWidth(0, kColumnWidths[0]);
    grid.setCellBackColorAt(0, 0, grey);
    for (int c = 1; c <= 3; ++c) {
        grid.setColWidth(c, kColumnWidths[c]);
        grid.setCellAlignmentAt(0, c, ui::flexAlignCenterBottom);
        grid.setTextMatrix(0, c, QString::fromUtf8(entry.columns[std::size_t(c - 1)].header));
        grid.setCellBackColorAt(0, c, grey);
    }
}

}  // namespace

void frm_Edit_Computer::TabStrip1_Click() {
    ui::guarded([&] {
        const int n = TabStrip1->SelectedIndex();
        showPage(n);
        switch (n) {
            case 3:
                fnc_View_Applist(ShownMainKey);
                break;
            case 4:
                fnc_View_DeviceTree(ShownMainKey);
                break;
            case 5:
                fnc_View_PrinterList(ShownMainKey);
                break;
            case 6:
                fnc_View_EnvironmentList(ShownMainKey);
                break;
            case 7:
                fnc_View_Drive(ShownMainKey);
                break;
            default:
                break;
        }
    });
}

void frm_Edit_Computer::showPage(int tab) {
    if (tab < 1 || tab > kTabCount) return;
    QFrame* page = Picture_Page[std::size_t(tab - 1)];
    page->raise();
    page->move(ui::px(240), ui::px(3120));
    page->setFrameStyle(QFrame::NoFrame);
    page->show();
}

void frm_Edit_Computer::viewSelectedList(qint16 key) {
    switch (TabStrip1->SelectedIndex()) {
        case 3:
            fnc_View_Applist(key);
            break;
        case 4:
            fnc_View_DeviceTree(key);
            break;
        case 5:
            fnc_View_PrinterList(key);
            break;
        case 6:
            fnc_View_EnvironmentList(key);
            break;
        default:
            break;
    }
}

bool frm_Edit_Computer::fnc_View_Applist(qint16 key) { return viewListGrid(MSGrid_Application, Applications, key); }

bool frm_Edit_Computer::fnc_View_PrinterList(qint16 key) { return viewListGrid(MSFlexGrid_Printer, Printers, key); }

bool frm_Edit_Computer::fnc_View_EnvironmentList(qint16 key) {
    return viewListGrid(MSFlexGrid_Environmental, Environment, key);
}

bool frm_Edit_Computer::viewListGrid(ui::FlexGrid* grid, int which, qint16 key) {
    const ListGridEntry& entry = gridEntry(which);
    const QString table = QString::fromUtf8(entry.table);
    ado::Recordset rs;
    try {
        rs.Open(QStringLiteral("SELECT %1.* FROM %1  WHERE (((%1.Key)=%2));").arg(table).arg(key), gCn(),
                ado::adOpenStatic, ado::adLockOptimistic);
        const int n = rs.RecordCount();
        if (n == 0) {
            // No rows for this PC: the header alone, so no page (and no sheet) shows another PC's rows.
            grid->Clear();
            grid->setCols(4);
            grid->setRows(1);
            writeHeader(*grid, entry);
            rs.Close();
            return false;
        }
        grid->setVisible(false);
        grid->Clear();
        grid->setCols(4);
        grid->setRows(n + 1);
        writeHeader(*grid, entry);
        const QColor grey = ui::QBColor(8);
        QString fields[3];
        for (int c = 0; c < 3; ++c) fields[c] = QString::fromUtf8(entry.columns[std::size_t(c)].field);
        qint16 r = 1;
        for (rs.MoveFirst(); !rs.EOF(); rs.MoveNext()) {
            grid->setTextMatrix(r, 0, QString::number(r));
            grid->setCellBackColorAt(r, 0, grey);
            for (int c = 1; c <= 3; ++c) {
                const ado::Value& v = rs.Fields(fields[c - 1]).valueOnRow();
                if (v.isNull()) continue;
                const QString text = v.toText();
                if (text.isEmpty()) continue;
                grid->setTextMatrix(r, c, text);
                grid->setCellAlignmentAt(r, c, ui::flexAlignLeftBottom);
            }
            r = vb::addInt16(r, 1);
        }
        grid->setVisible(true);
        rs.Close();
        return true;
    } catch (const std::exception& e) {
        ui::ShowStdError(e);
        rs.Close();
        grid->setVisible(true);  // what was filled stays, and in view
        return false;
    }
}

void frm_Edit_Computer::fnc_View_DeviceTree(qint16 key) {
    const QString fallback = QString::fromUtf8(kFallbackDeviceImage);
    auto pictureOf = [&](const QString& category) { return ImageList1->indexOf(category) > 0 ? category : fallback; };
    ado::Recordset rs;
    try {
        rs.Open(QStringLiteral("SELECT tbl_Device_Management.* FROM tbl_Device_Management  WHERE "
                               "(((tbl_Device_Management.Key)=%1)) ORDER BY Device_Category ;")
                    .arg(key),
                gCn(), ado::adOpenStatic, ado::adLockOptimistic);
        TreeView1->NodesClear();  // a PC without devices shows none, not the last PC's
        if (rs.RecordCount() == 0) {
            rs.Close();
            return;
        }
        TreeView1->setLineStyle(ui::tvwRootLines);

        const QString categoryField = QStringLiteral("Device_Category");
        QString prev;
        for (rs.MoveFirst(); !rs.EOF(); rs.MoveNext()) {
            const ado::Value& category = rs.Fields(categoryField).valueOnRow();
            if (category.isNull() || category.toText() == prev) continue;
            prev = category.toText();
            TreeView1->NodesAdd(QString(), ui::tvwLast, prev, prev, pictureOf(prev));
        }

        qint16 p = 1;
        for (rs.MoveFirst(); !rs.EOF(); rs.MoveNext()) {
            const QString name = rs.Fields(QStringLiteral("Device_Name")).valueOnRow().toText();
            const QString category = rs.Fields(categoryField).valueOnRow().toText();
            if (!category.isEmpty()) {
                const QString provider = rs.Fields(QStringLiteral("Device_Provider")).valueOnRow().toTextOrEmpty();
                const QString version = rs.Fields(QStringLiteral("Device_Version")).valueOnRow().toTextOrEmpty();
                const QString text = name + QLatin1Char(' ') + provider + QLatin1Char(' ') + version;
                TreeView1->NodesAdd(category, ui::tvwChild, name + QString::number(p), text, pictureOf(category));
            }
            p = vb::addInt16(p, 1);
        }
        rs.Close();
    } catch (const std::exception& e) {
        ui::ShowStdError(e);
        rs.Close();
    }
}

bool frm_Edit_Computer::fnc_View_Drive(qint16 key) {
    m_driveShown = false;
    ado::Recordset rs;
    try {
        rs.Open(QStringLiteral("SELECT DISTINCT tbl_Pclist.*, tbl_Computer_List.* FROM tbl_Pclist, tbl_Computer_List  "
                               "WHERE ((tbl_Pclist.MainKey=%1) AND (tbl_Pclist.MainKey = tbl_Computer_List.MainKey));")
                    .arg(key),
                gCn(), ado::adOpenStatic, ado::adLockOptimistic);
        if (rs.RecordCount() == 0) {
            // No such PC: an empty page rather than another PC's sizes.
            for (int i = 0; i < kDriveCount; ++i) {
                Chk_Drive[std::size_t(i)]->setValue(ui::vbUnchecked);
                tbx_Drive[std::size_t(i)]->setText(QString());
            }
            for (ui::ProgressBar* bar : ProgressBar_val) bar->setValueVb(0);
            rs.Close();
            return false;
        }
        for (int i = 0; i < kDriveCount; ++i)
            Chk_Drive[std::size_t(i)]->setValue(
                equalsOne(rs.Fields(DriveFlagField[std::size_t(i)]).value()) ? ui::vbChecked : ui::vbUnchecked);
        for (int i = 0; i < kDriveCount; ++i) {
            tbx_Drive[std::size_t(i)]->setText(QString());
            const ado::Value v = rs.Fields(DriveField[std::size_t(i)]).value();
            if (!v.isNull()) {
                QString text = vb::Format(v.toDouble(), QStringLiteral("###,###,###"));
                const ado::Value unit = rs.Fields(DriveUnitField[std::size_t(i)]).value();
                if (!unit.isNull()) text += QLatin1Char(' ') + unit.toText();
                tbx_Drive[std::size_t(i)]->setText(text);
            }
            lbr_Drive[std::size_t(i)]->setText(DriveCaption[std::size_t(i)]);
        }
        for (int b = 0; b < 3; ++b) {
            // A missing size counts as 0 here, so one Null column does not stop the page.
            const ado::Value totalValue = rs.Fields(DriveField[std::size_t(2 * b)]).value();
            const ado::Value usedValue = rs.Fields(DriveField[std::size_t(2 * b + 1)]).value();
            const qint32 total = totalValue.isNull() ? 0 : totalValue.toInt32();
            const qint32 used = usedValue.isNull() ? 0 : usedValue.toInt32();
            ui::ProgressBar* bar = ProgressBar_val[std::size_t(b)];
            if (total != 0 || used != 0) {
                bar->setMin(0);
                bar->setMax(100);
            }
            int value = 0;  // a total of 0 shows an empty bar
            if (total != 0) value = used < total ? int(std::floor(double(used) / double(total) * 100.0)) : 100;
            bar->setValueVb(std::clamp(value, 0, 100));
        }
        rs.Close();
        m_driveShown = key == ShownMainKey;
        return true;
    } catch (const std::exception& e) {
        ui::ShowStdError(e);
        rs.Close();
        return false;
    }
}
