// The main list at its limit: 2,560 PCs with every profile column filled, all 76 catalogue columns
// shown, headless. Each repeat opens a new main window (its load fills the list of the stored view), then
// times one fnc_View_PClist of the 76 columns (the first fill of the full list) and a second one (a
// refresh of the full list). The bound runs the same query through the SQLite C API and keeps every
// cell's text (bench/ListBound.h), in turns with the window's repeats. The first fill at 320, 640 and
// 1,280 PCs gives, with the full one, the growth: the least-squares fit of log time over log size. Prints
// one line, medians of 9:
//   list_fill_ms list_refresh_ms list_bound_ms list_fill_over_bound list_refresh_over_first
//   list_fill_320_ms list_fill_640_ms list_fill_1280_ms list_fill_2560_ms list_fill_growth_k peak_rss_mb
// Targets: list_fill_over_bound <= 1.6, list_refresh_over_first <= 1, list_fill_growth_k <= 1.1.
#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <iterator>
#include <string>
#include <vector>

#include "bench/BenchFigures.h"
#include "bench/BenchSupport.h"
#include "bench/ListBound.h"
#include "core/ColumnCatalogue.h"
#include "core/Mdl_Access_mdb.h"
#include "core/Mdl_gData.h"
#include "core/ViewQuery.h"
#include "core/frm_Main.h"
#include "platform/db/Ado.h"
#include "platform/ui/Dialogs.h"

namespace {

constexpr int kPcs = 2560;
constexpr int kSizes[] = {kPcs / 8, kPcs / 4, kPcs / 2, kPcs};  // for the growth
constexpr int kMasters = 8;  // rows per master table besides the reserved one; every fourth retired

// Flag columns hold "1" or "0": the CPU feature flags (the CPU text columns other than the four names and
// the cache units), the connection settings and the drives.
bool isFlagColumn(const QString& name) {
    static const QStringList flags = {"Internet_Connection", "Modem_Connection", "LAN_Connection",   "PROXY_Connection",
                                      "OfflineMode",         "RASInstalled",     "Floppydisk_Drive", "Cdrom_Drive",
                                      "DVD_Drive",           "Cdr_Drive",        "Mo_Drive",         "Combo_Drive"};
    static const QStringList cpuTexts = {"CPU_Name", "CPU_ID", "CPU_NameString", "CPU_SerialNumber"};
    if (name.startsWith("CPU_")) return !cpuTexts.contains(name) && !name.endsWith("_unit", Qt::CaseInsensitive);
    return flags.contains(name);
}

// A value for column `name` of PC `key`, by the column's kind.
QString valueFor(const QString& name, int type, int key) {
    if (name.compare("MainKey", Qt::CaseInsensitive) == 0) return QString::number(key);
    switch (type) {
        case ado::adSmallInt:
            return QString::number(key % 100);
        case ado::adInteger:
            if (name.startsWith("SysHD_")) return QString::number(80026361 + key * 1000);
            if (name.startsWith("Memory_") || name.startsWith("Pagefile_")) return QString::number(523760 + key);
            return QString::number(2400 + key);
        case ado::adDate:
            return QString("'2005/%1/%2'").arg(1 + key % 12).arg(1 + key % 28);
        default:
            if (isFlagColumn(name)) return key % 2 ? "'1'" : "'0'";
            if (name.compare("IPAddress", Qt::CaseInsensitive) == 0)
                return QString("'192.168.%1.%2'").arg(key / 250).arg(key % 250);
            if (name == "Update") return "'2005/04/01 12:00:00'";
            return QString("'%1 %2'").arg(name).arg(key);
    }
}

// Columns and their types, from the table itself.
std::vector<std::pair<QString, int>> columnsOf(ado::Connection& cn, const QString& table) {
    ado::Recordset rs;
    rs.Open("SELECT * FROM " + table, cn, ado::adOpenStatic, ado::adLockReadOnly);
    std::vector<std::pair<QString, int>> cols;
    for (int i = 0; i < rs.FieldCount(); ++i) cols.emplace_back(rs.Fields(i).Name(), rs.Fields(i).Type());
    rs.Close();
    return cols;
}

// The master rows, then PCs from+1 .. to.
void seed(ado::Connection& cn, int from, int to) {
    const auto pcCols = columnsOf(cn, "tbl_Pclist");
    const auto recordCols = columnsOf(cn, "tbl_Computer_List");
    for (int c = 1; from == 0 && c <= kMasters; ++c) {
        const QString flag = c % 4 == 0 ? "1" : "0";
        for (const char* t : {"Section", "Division", "Location", "Manufacturer", "Model"}) {
            const QString table = QString("tbl_%1").arg(t);
            cn.Execute(QString("INSERT INTO %1 (%2_Code, %2_Name, %2_Comment, Available_flug) VALUES (%3, '%2 %3', '', "
                               "'%4')")
                           .arg(table, t)
                           .arg(c)
                           .arg(flag));
        }
        cn.Execute(QString("INSERT INTO tbl_User (User_Code, User_Name, User_Comment, Available_flug, kana, "
                           "Employee_SerialNumber, Acount_Name, logon_Password, Section_Code, Division_Code) VALUES "
                           "(%1, 'ユーザー %1', '', '%2', 'ゆーざー', 'E%1', 'user%1', 'pw%1', %1, %1)")
                       .arg(c)
                       .arg(flag));
    }
    for (int key = from + 1; key <= to; ++key) {
        const int code = 1 + key % kMasters;
        QStringList names, values;
        for (const auto& [name, type] : recordCols) {
            names << "[" + name + "]";
            if (name.endsWith("_Code") && name != "Asset_Code")
                values << QString::number(code);
            else if (name == "Deleted_Flug")
                values << "0";
            else
                values << valueFor(name, type, key);
        }
        cn.Execute("INSERT INTO tbl_Computer_List (" + names.join(", ") + ") VALUES (" + values.join(", ") + ")");
        names.clear();
        values.clear();
        for (const auto& [name, type] : pcCols) {
            names << "[" + name + "]";
            values << valueFor(name, type, key);
        }
        cn.Execute("INSERT INTO tbl_Pclist (" + names.join(", ") + ") VALUES (" + values.join(", ") + ")");
    }
}

// All 76 catalogue columns, sorted by name, the PCs in use.
void chooseAllColumns() {
    FGridViewSelect_ini();
    gSelColumnCount = 76;
    for (int i = 1; i <= 76; ++i) gSelColumn[std::size_t(i)] = qint16(i);
    gOptDel = 0;
    gSelectNumber = 1;
    gKeyName[0] = "Computer_Name";
    gKeyAscDesc[0] = "ASC";
    gSetSQLVal();
}

struct Times {
    std::vector<double> fill;
    std::vector<double> refresh;
};

// One repeat on the ledger App.Path points at: a new main window, the first fill of the full list and a
// refresh of it, each timed until the list is drawn. Says why and returns false when the window is not shown or a fill
// does not list every PC.
bool measureOnce(int pcs, Times& times) {
    auto* main = new frm_Main;
    main->show();
    QCoreApplication::processEvents();
    if (!main->isVisible()) {
        std::fprintf(stderr, "the main window was not shown\n");
        return false;
    }
    chooseAllColumns();
    for (std::vector<double>* figure : {&times.fill, &times.refresh}) {
        bench::GridPaints paints;
        const double start = bench::nowMs();
        const bool filled = main->fnc_View_PClist() && paints.waitDrawn({main->MSFlexGrid_Main});
        figure->push_back(bench::nowMs() - start);
        if (!filled || gRowCount != pcs || !ui::script::shown().empty()) {
            std::fprintf(stderr, "the list did not fill: %d of %d rows, %zu boxes\n", int(gRowCount), pcs,
                         ui::script::shown().size());
            bench::printBoxes();
            return false;
        }
    }
    main->Unload();  // closes the connection too
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    bench::headless();
    QApplication app(argc, argv);

    // One ledger grown through the sizes; the window alone at the smaller ones, for the growth.
    QTemporaryDir folder;
    if (!bench::setUpProgramFolder(folder)) return 1;
    std::vector<double> fills;
    int seeded = 0;
    for (const int pcs : kSizes) {
        if (!bench::makeLedger(folder, [seeded, pcs](ado::Connection& cn) { seed(cn, seeded, pcs); })) return 1;
        seeded = pcs;
        if (pcs == kPcs) break;
        Times times;
        for (int i = 0; i < bench::kRepeats; ++i)
            if (!measureOnce(pcs, times)) return 1;
        fills.push_back(bench::median(times.fill));
    }

    // The same query, translated as the recordset runs it, for the bound.
    if (!bench::openDatabase()) return 1;
    chooseAllColumns();
    const std::string sql = ado::translateJetSql(gViewSQL).toStdString();
    (void)fnc_DB_Close();
    // Each round the window's repeat, then the bound's, so that the machine's load moves both alike.
    Times fullTimes;
    std::vector<double> bound;
    bench::PlainBound plain(QFile::encodeName(folder.path() + "/pcdb.mdb").constData());
    (void)plain.run(sql.c_str());  // warms the page cache, as the window's load warms the project's
    for (int i = 0; i < bench::kRepeats; ++i) {
        if (!measureOnce(kPcs, fullTimes)) return 1;
        bound.push_back(plain.run(sql.c_str()));
        if (plain.rows() != kPcs + 1) {  // the reserved "none" PC is read and skipped
            std::fprintf(stderr, "the bound read %ld rows, not %d\n", plain.rows(), kPcs + 1);
            return 1;
        }
    }

    const double fill = bench::median(fullTimes.fill);
    const double refresh = bench::median(fullTimes.refresh);
    const double boundMs = bench::median(bound);
    fills.push_back(fill);
    bench::Figures figures;
    figures.add("list_fill_ms", fill);
    figures.add("list_refresh_ms", refresh);
    figures.add("list_bound_ms", boundMs);
    figures.add("list_fill_over_bound", fill / boundMs, 2);
    figures.add("list_refresh_over_first", refresh / fill, 2);
    figures.addGrowth("list_fill", {std::begin(kSizes), std::end(kSizes)}, fills, "list_fill_growth_k", 1);
    figures.add("peak_rss_mb", double(bench::peakRssMb()));
    return figures.print();
}
