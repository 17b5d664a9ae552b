// The application list at volume: 2,560 PCs in use with 150 application rows each (384,000 rows, 320
// distinct names in two versions). Times the window's load, which is the application grid's fill (the
// count query and the grid), then the PC grid's fill for the most installed application, headless.
// Prints one line:
//   applist_fill_ms=N pc_fill_ms=M peak_rss_mb=R
// Target on the project machine: applist_fill_ms at most 500.
#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <cstdio>

#include "bench/BenchSupport.h"
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
constexpr int kAppsPerPc = 150;
constexpr int kNames = 320;

void seed(ado::Connection& cn) {
    std::vector<QStringList> records, profiles, apps;
    for (int key = 1; key <= kPcs; ++key) {
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

}  // namespace

int main(int argc, char** argv) {
    bench::headless();
    QApplication app(argc, argv);

    QTemporaryDir folder;
    if (!bench::setUpProgramFolder(folder)) return 1;
    if (!bench::seed(folder.path() + "/pcdb.mdb", seed) || !bench::openDatabase()) return 1;
    gFormWidth = 14835;
    gFormHeight = 10530;
    registerLicenceForms();

    QElapsedTimer timer;
    timer.start();
    auto* win = static_cast<frm_List_Application*>(ui::form("frm_List_Application"));
    const qint64 fillMs = timer.elapsed();
    if (!win || !win->AppListLoaded || win->MSFlexGrid_Applications->Rows() != kNames + 1 ||
        !ui::script::shown().empty()) {
        std::fprintf(stderr, "the application grid did not fill\n");
        return 1;
    }

    ui::FlexGrid& apps = *win->MSFlexGrid_Applications;
    int top = 1;
    for (int r = 1; r < apps.Rows(); ++r)
        if (apps.TextMatrix(r, 2).toInt() > apps.TextMatrix(top, 2).toInt()) top = r;
    apps.setRow(top);
    timer.restart();
    win->MSFlexGrid_Applications_Click();
    const qint64 pcMs = timer.elapsed();
    if (win->MSFlexGrid_User->Rows() < 2 || !ui::script::shown().empty()) {
        std::fprintf(stderr, "the PC grid did not fill\n");
        return 1;
    }

    std::printf("applist_fill_ms=%lld pc_fill_ms=%lld peak_rss_mb=%ld\n", static_cast<long long>(fillMs),
                static_cast<long long>(pcMs), bench::peakRssMb());
    win->Unload();
    (void)fnc_DB_Close();
    return 0;
}
