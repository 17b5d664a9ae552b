// The combined network list at the size of the main list: 2,560 PCs in use and 500 network units. Times
// the network register's list refresh from the Yes answer to "完了" (the rebuild and both displays) until
// both grids are drawn, headless. In the same run and on the same database, the bound: a plain SQLite
// program doing the same reads and writes (the PC query and the unit table read, one prepared insert per row
// in one transaction, then both lists read back in display order, every cell copied out), in turns with the
// register. The same at 320, 640 and 1,280 PCs (with 62, 125 and 250 units) gives, with the full size, the
// growth: the least-squares fit of log time over log size. Each figure the median of 9 runs. Prints one line:
//   netlist_rebuild_ms=N netlist_bound_ms=B netlist_rebuild_over_bound=R netlist_rebuild_320_ms
//   netlist_rebuild_640_ms netlist_rebuild_1280_ms netlist_rebuild_2560_ms netlist_rebuild_growth_k=K
//   peak_rss_mb=M
// Targets: R <= 1.5; K <= 1.1; N at most 1000 ms on the project machine.
#include <sqlite3.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <iterator>
#include <vector>

#include "bench/BenchSupport.h"
#include "bench/PlainBound.h"
#include "core/Mdl_Access_mdb.h"
#include "core/Mdl_IP.h"
#include "core/Mdl_gData.h"
#include "platform/db/Ado.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/Forms.h"
#include "registers/Registration.h"
#include "registers/frm_Edit_Network.h"

namespace {

constexpr int kPcs = 2560;
constexpr int kUnits = 500;
constexpr int kSizes[] = {kPcs / 8, kPcs / 4, kPcs / 2, kPcs};  // PCs, for the growth
constexpr int kMasters = 8;                                     // rows per master table besides the reserved one

QString ipOf(int n) { return QString("10.%1.%2.%3").arg(n % 7).arg(n / 250).arg(n % 250); }

void seedMasters(ado::Connection& cn) {
    for (int c = 1; c <= kMasters; ++c) {
        for (const char* t : {"Section", "Division", "Location", "Manufacturer", "Model"}) {
            cn.Execute(QString("INSERT INTO tbl_%1 (%1_Code, %1_Name, %1_Comment, Available_flug) VALUES (%2, '%1 %2', "
                               "'', '0')")
                           .arg(t)
                           .arg(c));
        }
        cn.Execute(QString("INSERT INTO tbl_User (User_Code, User_Name, User_Comment, Available_flug, kana, "
                           "Section_Code, Division_Code) VALUES (%1, 'ユーザー %1', '', '0', '', %1, %1)")
                       .arg(c));
    }
}

// PCs from+1 .. to and units unitsFrom .. unitsTo-1.
void seedDevices(ado::Connection& cn, int from, int to, int unitsFrom, int unitsTo) {
    for (int key = from + 1; key <= to; ++key) {
        const int code = 1 + key % kMasters;
        cn.Execute(QString("INSERT INTO tbl_Computer_List (MainKey, Location_Code, User_Code, Manufacturer_Code, "
                           "Model_Code, Deleted_Flug, Type_Number, Sereals_Number) VALUES (%1, %2, %2, %2, %2, 0, "
                           "'PC-TYPE-%1', 'SN%1')")
                       .arg(key)
                       .arg(code));
        cn.Execute(QString("INSERT INTO tbl_Pclist (MainKey, Computer_Name, Workgroup, IPAddress, IPAddress_16num, "
                           "MacAddress) VALUES (%1, 'PC-%1', 'WORKGROUP', '%2', '%3', '00-11-22-33-44-%4')")
                       .arg(key)
                       .arg(ipOf(key), fnc_IP_To_Hex(ipOf(key)))
                       .arg(key % 100));
    }
    for (int key = unitsFrom; key < unitsTo; ++key) {
        const QString ip = ipOf(kPcs + key);
        cn.Execute(QString("INSERT INTO tbl_NetworkUnit ([Key], Location_Name, User_Name, Computer_Name, WorkGroup, "
                           "IPAddress, IPAddress_16num, MacAddress, Manufacturer_Name, Model_Name, Type_Number, "
                           "Sereals_Number, ID, PassWord, Deleted_Flug) VALUES (%1, 'サーバ室', '管理者', 'HUB-%1', "
                           "'WORKGROUP', '%2', '%3', 'AA-BB-CC-DD-EE-%1', 'メーカー', 'SW-24', 'L2', 'S%1', 'admin', "
                           "'pw', 0)")
                       .arg(key)
                       .arg(ip, fnc_IP_To_Hex(ip)));
    }
}

// ---- the bound: the SQLite C API and the C library only -------------------------------------------

// The PC query as SQLite reads it (the register's query with Jet's brackets and its bare Update quoted).
const char* const kBoundPcQuery =
    "SELECT DISTINCT tbl_Pclist.MainKey, tbl_Pclist.Computer_Name, tbl_Pclist.Workgroup, tbl_Pclist.IPAddress, "
    "tbl_Pclist.IPAddress_16num, tbl_Pclist.MacAddress, tbl_Computer_List.MainKey, tbl_Computer_List.Location_Code, "
    "tbl_Computer_List.User_Code, tbl_Computer_List.Manufacturer_Code, tbl_Computer_List.Model_Code, "
    "tbl_Computer_List.Type_Number, tbl_Computer_List.Sereals_Number, tbl_Computer_List.\"Update\", "
    "tbl_Computer_List.Comment, tbl_Location.Location_Name, tbl_Section.Section_Name, tbl_Division.Division_Name, "
    "tbl_User.User_Name, tbl_Manufacturer.Manufacturer_Name, tbl_Model.Model_Name FROM tbl_Computer_List, "
    "tbl_Pclist, tbl_Section, tbl_Location, tbl_Division, tbl_User, tbl_Manufacturer, tbl_Model WHERE "
    "tbl_Computer_List.Deleted_Flug = 0 AND tbl_Computer_List.Location_Code = tbl_Location.Location_Code AND "
    "tbl_User.Section_Code = tbl_Section.Section_Code AND tbl_User.Division_Code = tbl_Division.Division_Code AND "
    "tbl_Computer_List.User_Code = tbl_User.User_Code AND "
    "tbl_Computer_List.Manufacturer_Code = tbl_Manufacturer.Manufacturer_Code AND "
    "tbl_Computer_List.Model_Code = tbl_Model.Model_Code AND tbl_Pclist.MainKey = tbl_Computer_List.MainKey "
    "ORDER BY IPAddress_16num";
// Where the insert's eleven values sit in a PC query row.
const int kPcColumns[11] = {15, 18, 1, 2, 3, 4, 19, 20, 11, 12, 5};
const char* const kUnitColumns[11] = {"Location_Name", "User_Name",       "Computer_Name",     "WorkGroup",
                                      "IPAddress",     "IPAddress_16num", "Manufacturer_Name", "Model_Name",
                                      "Type_Number",   "Sereals_Number",  "MacAddress"};

class Bound {
public:
    explicit Bound(const char* path) : m_db(path) {
        m_insert = m_db.prepare(
            "INSERT INTO tbl_NetworkList (\"Key\", Location_Name, User_Name, Computer_Name, WorkGroup, IPAddress, "
            "IPAddress_16num, Manufacturer_Name, Model_Name, Type_Number, Sereals_Number, MacAddress) VALUES "
            "(?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
        m_pcs = m_db.prepare(kBoundPcQuery);
        m_units = m_db.prepare("SELECT * FROM tbl_NetworkUnit");
        m_list = m_db.prepare("SELECT * FROM tbl_NetworkList ORDER BY IPAddress_16num");
        m_unitList = m_db.prepare("SELECT * FROM tbl_NetworkUnit ORDER BY IPAddress_16num");
        for (int i = 0; i < 11; ++i) {
            m_unitColumns[i] = -1;
            for (int c = 0; c < sqlite3_column_count(m_units); ++c)
                if (strcasecmp(sqlite3_column_name(m_units, c), kUnitColumns[i]) == 0) m_unitColumns[i] = c;
        }
    }

    [[nodiscard]] bool failed() const { return m_db.failed(); }
    [[nodiscard]] int listed() const { return m_listed; }

    // The rebuild and both reads for display; the rows listed are kept for the check.
    void rebuild() {
        m_db.exec("BEGIN");
        m_db.exec("DELETE FROM tbl_NetworkList");
        int key = 0;
        while (sqlite3_step(m_pcs) == SQLITE_ROW) {
            if (sqlite3_column_type(m_pcs, 0) == SQLITE_NULL || sqlite3_column_int(m_pcs, 0) <= 0) continue;
            insertRow(m_pcs, kPcColumns, key++);
        }
        sqlite3_reset(m_pcs);
        while (sqlite3_step(m_units) == SQLITE_ROW) insertRow(m_units, m_unitColumns, key++);
        sqlite3_reset(m_units);
        m_db.exec("COMMIT");
        m_listed = m_db.readOut(m_list);
        (void)m_db.readOut(m_unitList);
    }

private:
    // A missing value is listed as one blank, as the register lists it.
    void insertRow(sqlite3_stmt* from, const int* columns, int key) {
        sqlite3_bind_int(m_insert, 1, key);
        for (int i = 0; i < 11; ++i) {
            const unsigned char* text = columns[i] < 0 ? nullptr : sqlite3_column_text(from, columns[i]);
            const int bytes = text ? sqlite3_column_bytes(from, columns[i]) : 0;
            if (bytes == 0)
                sqlite3_bind_text(m_insert, i + 2, " ", 1, SQLITE_STATIC);
            else
                sqlite3_bind_text(m_insert, i + 2, reinterpret_cast<const char*>(text), bytes, SQLITE_TRANSIENT);
        }
        if (sqlite3_step(m_insert) != SQLITE_DONE) m_db.fail("insert");
        sqlite3_reset(m_insert);
    }

    plain::Db m_db;
    sqlite3_stmt *m_insert, *m_pcs, *m_units, *m_list, *m_unitList;
    int m_unitColumns[11];
    int m_listed = 0;
};

struct Medians {
    double project = 0;
    double bound = 0;
};

// bench::kRepeats refreshes of the register's list and as many bound rebuilds, taken in turns; false (said why)
// when one did not finish.
bool measure(frm_Edit_Network* win, const QString& dbPath, int pcs, int units, Medians* out) {
    std::vector<double> project, bound;
    Bound plain(QFile::encodeName(dbPath).constData());
    for (int run = 0; run < bench::kRepeats; ++run) {
        ui::script::reset();
        ui::script::answerMsgBox(ui::vbYes);
        ui::script::answerMsgBox(ui::vbOK);
        bench::GridPaints paints;
        QElapsedTimer timer;
        timer.start();
        win->Mnu_ViewUpdate_Click();
        const bool drawn = paints.waitDrawn({win->MSFlexGrid_Network, win->MSFlexGrid_NetworkUnit});
        project.push_back(double(timer.nsecsElapsed()) / 1e6);

        const auto& shown = ui::script::shown();
        const bool done = shown.size() == 2 && shown.back().prompt == "完了";
        if (!drawn || !done || win->MSFlexGrid_Network->Rows() != pcs + units + 1 ||
            win->MSFlexGrid_NetworkUnit->Rows() != units + 1) {
            std::fprintf(stderr, "the refresh did not finish: %d list rows, %d unit rows, %zu boxes\n",
                         win->MSFlexGrid_Network->Rows(), win->MSFlexGrid_NetworkUnit->Rows(), shown.size());
            bench::printBoxes();
            return false;
        }

        timer.restart();
        plain.rebuild();
        bound.push_back(double(timer.nsecsElapsed()) / 1e6);
        if (plain.failed() || plain.listed() != pcs + units) {
            std::fprintf(stderr, "the bound listed %d of %d devices\n", plain.listed(), pcs + units);
            return false;
        }
    }
    out->project = bench::median(project);
    out->bound = bench::median(bound);
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    bench::headless();
    QApplication app(argc, argv);

    QTemporaryDir folder;
    if (!bench::setUpProgramFolder(folder)) return 1;
    const QString db = folder.path() + "/pcdb.mdb";
    if (!bench::seed(db, seedMasters) || !bench::openDatabase()) return 1;
    bench::setMainWindowGeometry();
    registerRegisterForms();
    auto* win = static_cast<frm_Edit_Network*>(ui::showForm("frm_Edit_Network", ui::vbModeless));
    if (!win || !QTest::qWaitForWindowExposed(win)) return bench::fail("the network register was not shown");
    QCoreApplication::processEvents();

    // The ledger grown through the sizes, the units in step with the PCs.
    std::vector<double> rebuilds;
    Medians full;
    int pcs = 0, units = 0;
    for (const int size : kSizes) {
        const int sizeUnits = kUnits * size / kPcs;
        if (!bench::seed(db, [&](ado::Connection& cn) { seedDevices(cn, pcs, size, units, sizeUnits); })) return 1;
        pcs = size;
        units = sizeUnits;
        if (!measure(win, db, pcs, units, &full)) return 1;
        if (full.project <= 0 || full.bound <= 0) return bench::fail("a time was not measured");
        rebuilds.push_back(full.project);
    }

    bench::Figures figures;
    figures.add("netlist_rebuild_ms", full.project);
    figures.add("netlist_bound_ms", full.bound, 1);
    figures.add("netlist_rebuild_over_bound", full.project / full.bound, 2);
    figures.addGrowth("netlist_rebuild", {std::begin(kSizes), std::end(kSizes)}, rebuilds, "netlist_rebuild_growth_k",
                      1);
    figures.add("peak_rss_mb", double(bench::peakRssMb()));
    const int status = figures.print();

    win->Unload();
    QCoreApplication::processEvents();
    (void)fnc_DB_Close();
    return status;
}
