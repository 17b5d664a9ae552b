// The main list at its limit: 2,560 PCs with every profile column filled, all 76 catalogue columns
// shown. Times one fnc_View_PClist, headless, and prints one line:
//   list_fill_ms=N peak_rss_mb=M
// Target on the project machine: under 300 ms and under 150 MB.
#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <cstdio>

#include "bench/BenchSupport.h"
#include "core/ColumnCatalogue.h"
#include "core/Mdl_Access_mdb.h"
#include "core/Mdl_gData.h"
#include "core/ViewQuery.h"
#include "core/frm_Main.h"
#include "platform/db/Ado.h"
#include "platform/ui/Dialogs.h"

namespace {

constexpr int kPcs = 2560;
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

void seed(ado::Connection& cn) {
    const auto pcCols = columnsOf(cn, "tbl_Pclist");
    const auto recordCols = columnsOf(cn, "tbl_Computer_List");
    for (int c = 1; c <= kMasters; ++c) {
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
    for (int key = 1; key <= kPcs; ++key) {
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

}  // namespace

int main(int argc, char** argv) {
    bench::headless();
    QApplication app(argc, argv);

    QTemporaryDir folder;
    if (!bench::setUpProgramFolder(folder)) return 1;
    if (!bench::seed(folder.path() + "/pcdb.mdb", seed) || !bench::openDatabase()) return 1;

    auto* main = new frm_Main;
    main->show();
    QCoreApplication::processEvents();
    if (!main->isVisible()) return bench::fail("the main window was not shown");

    FGridViewSelect_ini();
    gSelColumnCount = 76;
    for (int i = 1; i <= 76; ++i) gSelColumn[std::size_t(i)] = qint16(i);
    gOptDel = 0;
    gSelectNumber = 1;
    gKeyName[0] = "Computer_Name";
    gKeyAscDesc[0] = "ASC";
    gSetSQLVal();

    QElapsedTimer timer;
    timer.start();
    const bool filled = main->fnc_View_PClist();
    const qint64 ms = timer.elapsed();
    QCoreApplication::processEvents();

    if (!filled || gRowCount != kPcs || !ui::script::shown().empty()) {
        std::fprintf(stderr, "the list did not fill: %d rows, %zu boxes\n", int(gRowCount), ui::script::shown().size());
        bench::printBoxes();
        return 1;
    }
    std::printf("list_fill_ms=%lld peak_rss_mb=%ld\n", static_cast<long long>(ms), bench::peakRssMb());

    (void)fnc_DB_Close();
    delete main;
    return 0;
}
