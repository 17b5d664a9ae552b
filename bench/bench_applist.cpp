// The application list at volume: 2,560 PCs in use with 150 application rows each (384,000 rows, 320
// distinct names in two versions), headless. Each repeat opens the window (its load is the application
// grid's fill: the count query and the grid) and times it until the grid is drawn, then times the PC
// grid's fill for the most installed application until that grid is drawn, and closes the window. The
// bound runs the count query through the SQLite C API and keeps every cell's text (bench/ListBound.h), in
// turns with the window's repeats. The same at 320, 640 and 1,280 PCs gives, with the full size, the
// growth: the least-squares fit of log time over log size. Prints one line, medians of 9:
//   applist_fill_ms pc_fill_ms applist_bound_ms applist_fill_over_bound applist_fill_320_ms
//   applist_fill_640_ms applist_fill_1280_ms applist_fill_2560_ms applist_fill_growth_k peak_rss_mb
// Targets: applist_fill_ms at most 500, applist_fill_over_bound <= 1.2, applist_fill_growth_k <= 1.1.
#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>
#include <iterator>
#include <memory>
#include <vector>

#include "bench/BenchFigures.h"
#include "bench/BenchSupport.h"
#include "bench/ListBound.h"
#include "core/Mdl_Access_mdb.h"
#include "core/Mdl_gData.h"
#include "licences/Registration.h"
#include "licences/frm_List_Application.h"
#include "platform/db/Ado.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/Forms.h"

namespace {

constexpr int kPcs = 2560;
constexpr int kSizes[] = {kPcs / 8, kPcs / 4, kPcs / 2, kPcs};  // for the growth
constexpr int kAppsPerPc = 150;
constexpr int kNames = 320;

// PCs from+1 .. to.
void seed(ado::Connection& cn, int from, int to) {
    std::vector<QStringList> records, profiles, apps;
    for (int key = from + 1; key <= to; ++key) {
        records.push_back({QString::number(key)});
        profiles.push_back({QString::number(key), QString("PC-%1").arg(key, 4, 10, QChar('0'))});
        // Each PC has its own spread of the names, so every name is installed on several hundred PCs.
        for (int j = 0; j < kAppsPerPc; ++j) {
            const int name = (key * 7 + j * 13) % kNames;
            apps.push_back({QString::number(key), QString("Application %1").arg(name, 3, 10, QChar('0')),
                            QString("%1.%2").arg(1 + name % 9).arg(key % 2)});
        }
    }
    cn.ExecuteEach(
        "INSERT INTO tbl_Computer_List (MainKey, Location_Code, User_Code, Manufacturer_Code, Model_Code, "
        "Deleted_Flug) VALUES (?, 0, 0, 0, 0, 0)",
        records);
    cn.ExecuteEach("INSERT INTO tbl_Pclist (MainKey, Computer_Name) VALUES (?, ?)", profiles);
    cn.ExecuteEach("INSERT INTO tbl_ApplicationsList (Key, Application_Name, Application_Version) VALUES (?, ?, ?)",
                   apps);
}

// The window's count query as a program on SQLite alone would send it.
constexpr const char* kBoundSql =
    "SELECT tbl_ApplicationsList.Application_Name, Count(tbl_ApplicationsList.Key) FROM tbl_ApplicationsList, "
    "tbl_Computer_List WHERE tbl_Computer_List.Deleted_Flug = 0 AND tbl_Computer_List.MainKey = "
    "tbl_ApplicationsList.Key GROUP BY tbl_ApplicationsList.Application_Name";

struct Times {
    std::vector<double> fill;
    std::vector<double> pcFill;
};

// One repeat on the open database: the window's load, then the PC grid of the most installed application.
// Says why and returns false when a grid does not fill.
bool measureOnce(Times& times) {
    bench::GridPaints paints;
    double start = bench::nowMs();
    auto* win = static_cast<frm_List_Application*>(ui::showForm("frm_List_Application", ui::vbModeless));
    const bool drawn = win && QTest::qWaitForWindowExposed(win) && paints.waitDrawn({win->MSFlexGrid_Applications});
    times.fill.push_back(bench::nowMs() - start);
    if (!drawn || !win->AppListLoaded || win->MSFlexGrid_Applications->Rows() != kNames + 1 ||
        !ui::script::shown().empty()) {
        std::fprintf(stderr, "the application grid did not fill\n");
        bench::printBoxes();
        return false;
    }

    ui::FlexGrid& apps = *win->MSFlexGrid_Applications;
    int top = 1;
    for (int r = 1; r < apps.Rows(); ++r)
        if (apps.TextMatrix(r, 2).toInt() > apps.TextMatrix(top, 2).toInt()) top = r;
    apps.setRow(top);
    bench::GridPaints pcPaints;
    start = bench::nowMs();
    win->MSFlexGrid_Applications_Click();
    const bool pcsDrawn = pcPaints.waitDrawn({win->MSFlexGrid_User});
    times.pcFill.push_back(bench::nowMs() - start);
    if (!pcsDrawn || win->MSFlexGrid_User->Rows() < 2 || !ui::script::shown().empty()) {
        std::fprintf(stderr, "the PC grid did not fill\n");
        bench::printBoxes();
        return false;
    }
    win->Unload();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return true;
}

// The ledger in `folder` grown from `from` to `to` PCs, opened as the shared connection, and the repeats on
// it; with a bound, each round the window's repeat, then the bound's count query, so that the machine's load
// moves both alike. Says why and returns false when a repeat fails.
bool measureLedger(const QTemporaryDir& folder, int from, int to, Times& times, std::vector<double>* bound = nullptr) {
    if (!bench::makeLedger(folder, [from, to](ado::Connection& cn) { seed(cn, from, to); }) || !bench::openDatabase())
        return false;
    std::unique_ptr<bench::PlainBound> plain;
    if (bound) {
        plain = std::make_unique<bench::PlainBound>(QFile::encodeName(folder.path() + "/pcdb.mdb").constData());
        (void)plain->run(kBoundSql);  // warms the page cache, as the first repeat warms the project's
    }
    for (int i = 0; i < bench::kRepeats; ++i) {
        if (!measureOnce(times)) return false;
        if (!plain) continue;
        bound->push_back(plain->run(kBoundSql));
        if (plain->rows() != kNames) {
            std::fprintf(stderr, "the bound read %ld names, not %d\n", plain->rows(), kNames);
            return false;
        }
    }
    (void)fnc_DB_Close();
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    bench::headless();
    QApplication app(argc, argv);

    QTemporaryDir folder;
    if (!bench::setUpProgramFolder(folder)) return 1;
    gFormWidth = 14835;
    gFormHeight = 10530;
    registerLicenceForms();

    // One ledger grown through the sizes; the bound in turns at the full size only.
    std::vector<double> fills;
    Times fullTimes;
    std::vector<double> bound;
    int seeded = 0;
    for (const int pcs : kSizes) {
        Times times;
        const bool full = pcs == kPcs;
        if (!measureLedger(folder, seeded, pcs, full ? fullTimes : times, full ? &bound : nullptr)) return 1;
        seeded = pcs;
        fills.push_back(bench::median(full ? fullTimes.fill : times.fill));
    }

    const double fill = bench::median(fullTimes.fill);
    const double boundMs = bench::median(bound);
    bench::Figures figures;
    figures.add("applist_fill_ms", fill);
    figures.add("pc_fill_ms", bench::median(fullTimes.pcFill));
    figures.add("applist_bound_ms", boundMs);
    figures.add("applist_fill_over_bound", fill / boundMs, 2);
    figures.addGrowth("applist_fill", {std::begin(kSizes), std::end(kSizes)}, fills, "applist_fill_growth_k");
    figures.add("peak_rss_mb", double(bench::peakRssMb()));
    return figures.print();
}
