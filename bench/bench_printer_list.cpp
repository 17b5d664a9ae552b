// The printer list at the main list's limit: 2,560 PCs in use with 10 printers each (every PC writes to
// "FILE:", the other nine ports are 96 shared network printers), so the cross table is 98 columns by 2,563
// rows. Times, headless, the window shown until its grid is drawn. In the same run, on the same data, in
// turns with the window, the bound: the window's query run with the SQLite C API alone, every field of every
// row read and the cross table's texts copied into C arrays. The same at 320, 640 and 1,280 PCs gives, with
// the full size, the growth: the least-squares fit of log time over log size. Prints one line:
//   printer_list_ms=N printer_list_bound_ms=B printer_list_over_bound=R printer_list_320_ms
//   printer_list_640_ms printer_list_1280_ms printer_list_2560_ms printer_list_growth_k=K peak_rss_mb=M
// Each time is the median of 9 repeats. Targets: N <= 100, R <= 1.5, K <= 1.1.
#include <sqlite3.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <vector>

#include "bench/BenchSupport.h"
#include "core/Mdl_Access_mdb.h"
#include "core/Mdl_gData.h"
#include "platform/base/AppPath.h"
#include "platform/db/Ado.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/Fonts.h"
#include "platform/ui/Forms.h"
#include "registers/Registration.h"
#include "registers/frm_List_Printer.h"

namespace {

constexpr int kPcs = 2560;
constexpr int kSizes[] = {kPcs / 8, kPcs / 4, kPcs / 2, kPcs};  // for the growth
constexpr int kPrintersPerPc = 10;
constexpr int kSharedPorts = 96;

// The window's query as SQLite takes it (the Jet text needs no translation here).
const char* const kBoundSql =
    "SELECT DISTINCT tbl_Printer_Management.Key, tbl_Printer_Management.Printer_Name, "
    "tbl_Printer_Management.PrinterPorts_Name, tbl_Pclist.MainKey, tbl_Pclist.Computer_Name, "
    "tbl_Computer_List.Deleted_Flug FROM tbl_Pclist, tbl_Computer_List, tbl_Printer_Management WHERE "
    "((tbl_Pclist.MainKey = tbl_Printer_Management.Key) AND (tbl_Pclist.MainKey = tbl_Computer_List.MainKey) AND "
    "(tbl_Computer_List.Deleted_Flug = 0)) ORDER BY tbl_Printer_Management.PrinterPorts_Name;";

QString portOf(int pc, int printer) {
    if (printer == 0) return QStringLiteral("FILE:");
    return QStringLiteral("IP_10.0.%1.%2")
        .arg((pc * 7 + printer * 11) % kSharedPorts / 32)
        .arg((pc * 7 + printer * 11) % 32);
}

QString printerNameOf(int pc, int printer) {
    if (printer == 0) return QStringLiteral("Document Writer");
    return QStringLiteral("Office Printer %1").arg((pc * 7 + printer * 11) % kSharedPorts, 2, 10, QChar(u'0'));
}

// The grid the window should draw for `pcs` PCs: columns and rows, fixed ones included.
struct Shape {
    int cols = 0;
    int rows = 0;
};

Shape expectedShape(int pcs) {
    QSet<QString> ports;
    for (int pc = 1; pc <= pcs; ++pc)
        for (int p = 0; p < kPrintersPerPc; ++p) ports.insert(portOf(pc, p));
    return {int(ports.size()) + 1, pcs + 3};  // "FILE:" holds every PC
}

// PCs from+1 .. to.
void seedPcs(ado::Connection& cn, int from, int to) {
    std::vector<QStringList> computers;
    std::vector<QStringList> names;
    std::vector<QStringList> printers;
    for (int pc = from + 1; pc <= to; ++pc) {
        computers.push_back({QString::number(pc)});
        names.push_back({QString::number(pc), QStringLiteral("PC-%1").arg(pc, 5, 10, QChar(u'0'))});
        for (int p = 0; p < kPrintersPerPc; ++p)
            printers.push_back({QString::number(pc), printerNameOf(pc, p), portOf(pc, p)});
    }
    cn.ExecuteEach(
        "INSERT INTO tbl_Computer_List (MainKey, Location_Code, User_Code, Manufacturer_Code, Model_Code, "
        "Deleted_Flug) VALUES (?, 0, 0, 0, 0, 0)",
        computers);
    cn.ExecuteEach("INSERT INTO tbl_Pclist (MainKey, Computer_Name) VALUES (?, ?)", names);
    cn.ExecuteEach(
        "INSERT INTO tbl_Printer_Management ([Key], [Update], Printer_Name, PrinterPorts_Name) VALUES (?, "
        "'2005/04/01', ?, ?)",
        printers);
}

// ---- the bound: SQLite's C API and the C library only ---------------------------------------------

struct BoundColumn {
    char* printer;
    char* port;
    char** pcs;
    int count;
    int capacity;
};

char* copyText(const unsigned char* text) {
    const char* s = text ? reinterpret_cast<const char*>(text) : "";
    const size_t n = strlen(s);
    char* copy = static_cast<char*>(malloc(n + 1));
    memcpy(copy, s, n + 1);
    return copy;
}

// The columns of the cross table it built (-1 when the query failed), and its time in `ms`.
int boundOnce(sqlite3* db, double* ms) {
    const double start = bench::nowMs();
    sqlite3_stmt* st = nullptr;
    if (sqlite3_prepare_v2(db, kBoundSql, -1, &st, nullptr) != SQLITE_OK) return -1;
    BoundColumn* columns = nullptr;
    int count = 0;
    int capacity = 0;
    int largest = 0;
    long keys = 0;
    while (sqlite3_step(st) == SQLITE_ROW) {
        keys += sqlite3_column_int(st, 0) + sqlite3_column_int(st, 3) + sqlite3_column_int(st, 5);
        const unsigned char* name = sqlite3_column_text(st, 1);
        const unsigned char* port = sqlite3_column_text(st, 2);
        const unsigned char* pc = sqlite3_column_text(st, 4);
        if (!port || !*port) continue;
        if (count == 0 || strcmp(columns[count - 1].port, reinterpret_cast<const char*>(port)) != 0) {
            if (count == capacity) {
                capacity = capacity ? capacity * 2 : 16;
                columns = static_cast<BoundColumn*>(realloc(columns, sizeof(BoundColumn) * size_t(capacity)));
            }
            columns[count++] = {copyText(name), copyText(port), nullptr, 0, 0};
        }
        BoundColumn& c = columns[count - 1];
        if (c.count == c.capacity) {
            c.capacity = c.capacity ? c.capacity * 2 : 16;
            c.pcs = static_cast<char**>(realloc(c.pcs, sizeof(char*) * size_t(c.capacity)));
        }
        c.pcs[c.count++] = copyText(pc);
        if (c.count > largest) largest = c.count;
    }
    sqlite3_finalize(st);
    for (int i = 0; i < count; ++i) {
        for (int k = 0; k < columns[i].count; ++k) free(columns[i].pcs[k]);
        free(columns[i].pcs);
        free(columns[i].printer);
        free(columns[i].port);
    }
    free(columns);
    *ms = bench::nowMs() - start;
    return keys > 0 && largest > 0 ? count + 1 : -1;
}

// ---- the window ---------------------------------------------------------------------------------

// The window shown until its grid is drawn (its own events handled), then unloaded; -1 when it did not
// draw the expected grid.
double windowOnce(const Shape& shape) {
    bench::GridPaints paints;
    QElapsedTimer timer;
    timer.start();
    auto* win = static_cast<frm_List_Printer*>(ui::showForm("frm_List_Printer", ui::vbModeless));
    if (!win || !QTest::qWaitForWindowExposed(win)) {
        std::fprintf(stderr, "the printer list was not shown\n");
        return -1;
    }
    const bool painted = paints.waitDrawn({win->MSFlexGrid_Printer});
    const double ms = double(timer.nsecsElapsed()) / 1e6;
    const ui::FlexGrid& grid = *win->MSFlexGrid_Printer;
    const bool drawn = painted && grid.Cols() == shape.cols && grid.Rows() == shape.rows && ui::script::shown().empty();
    if (!drawn)
        std::fprintf(stderr, "the printer list was not drawn: %d columns, %d rows (expected %d, %d), %zu boxes\n",
                     grid.Cols(), grid.Rows(), shape.cols, shape.rows, ui::script::shown().size());
    win->Unload();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    return drawn ? ms : -1;
}

struct Medians {
    double window = -1;
    double bound = -1;
};

// Medians of the window and the bound on the database in `folder`, taken in turns so that the machine's
// load moves both alike.
bool measure(const QTemporaryDir& folder, int pcs, Medians* out) {
    vb::setAppPath(folder.path());
    if (!bench::openDatabase()) return false;
    const Shape shape = expectedShape(pcs);
    sqlite3* db = nullptr;
    const QByteArray path = QFile::encodeName(folder.path() + "/pcdb.mdb");
    if (sqlite3_open_v2(path.constData(), &db, SQLITE_OPEN_READONLY | SQLITE_OPEN_NOMUTEX, nullptr) != SQLITE_OK) {
        std::fprintf(stderr, "the bound could not open the database: %s\n", sqlite3_errmsg(db));
        sqlite3_close(db);
        return false;
    }
    std::vector<double> window;
    std::vector<double> bound;
    bool ok = windowOnce(shape) >= 0;  // a first opening warms the caches of both
    for (int r = 0; ok && r < bench::kRepeats; ++r) {
        double b = 0;
        if (boundOnce(db, &b) != shape.cols) {
            std::fprintf(stderr, "the bound did not build the cross table: %s\n", sqlite3_errmsg(db));
            ok = false;
            break;
        }
        bound.push_back(b);
        const double w = windowOnce(shape);
        ok = w >= 0;
        window.push_back(w);
    }
    sqlite3_close(db);
    (void)fnc_DB_Close();
    if (!ok) {
        bench::printBoxes();
        return false;
    }
    out->window = bench::median(window);
    out->bound = bench::median(bound);
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    bench::headless();
    QApplication app(argc, argv);
    ui::installFonts();

    QTemporaryDir folder;
    if (!bench::setUpProgramFolder(folder)) return 1;
    registerRegisterForms();
    bench::setMainWindowGeometry();

    // One ledger grown through the sizes.
    std::vector<double> windows;
    Medians full;
    int seeded = 0;
    for (const int pcs : kSizes) {
        if (!bench::seed(folder.path() + "/pcdb.mdb", [&](ado::Connection& cn) { seedPcs(cn, seeded, pcs); })) return 1;
        seeded = pcs;
        if (!measure(folder, pcs, &full)) return 1;
        windows.push_back(full.window);
    }
    bench::Figures figures;
    figures.add("printer_list_ms", full.window, 1);
    figures.add("printer_list_bound_ms", full.bound, 1);
    figures.add("printer_list_over_bound", full.window / full.bound, 2);
    figures.addGrowth("printer_list", {std::begin(kSizes), std::end(kSizes)}, windows, "printer_list_growth_k", 1);
    figures.add("peak_rss_mb", double(bench::peakRssMb()));
    return figures.print();
}
