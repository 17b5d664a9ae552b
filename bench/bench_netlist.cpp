// The combined network list at the size of the main list: 2,560 PCs in use and 500 network units. Times
// the network register's list refresh from the Yes answer to "完了" (the rebuild and both displays),
// headless, and prints one line:
//   netlist_rebuild_ms=N peak_rss_mb=M
// Target on the project machine: at most 1000 ms.
#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <cstdio>

#include "bench/BenchSupport.h"
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
constexpr int kMasters = 8;  // rows per master table besides the reserved one

QString ipOf(int n) { return QString("10.%1.%2.%3").arg(n % 7).arg(n / 250).arg(n % 250); }

void seed(ado::Connection& cn) {
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
    for (int key = 1; key <= kPcs; ++key) {
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
    for (int key = 0; key < kUnits; ++key) {
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

}  // namespace

int main(int argc, char** argv) {
    bench::headless();
    QApplication app(argc, argv);

    QTemporaryDir folder;
    if (!bench::setUpProgramFolder(folder)) return 1;
    if (!bench::seed(folder.path() + "/pcdb.mdb", seed) || !bench::openDatabase()) return 1;
    gFormWidth = 14400;
    gFormHeight = 9000;
    gFormTop = 300;
    gFormLeft = 450;
    registerRegisterForms();
    auto* win = static_cast<frm_Edit_Network*>(ui::showForm("frm_Edit_Network", ui::vbModeless));
    if (!win || !win->isVisible()) {
        std::fprintf(stderr, "the network register was not shown\n");
        return 1;
    }
    QCoreApplication::processEvents();

    ui::script::answerMsgBox(ui::vbYes);
    ui::script::answerMsgBox(ui::vbOK);
    QElapsedTimer timer;
    timer.start();
    win->Mnu_ViewUpdate_Click();
    const qint64 ms = timer.elapsed();
    QCoreApplication::processEvents();

    const auto& shown = ui::script::shown();
    const bool done = shown.size() == 2 && shown.back().prompt == "完了";
    if (!done || win->MSFlexGrid_Network->Rows() != kPcs + kUnits + 1 ||
        win->MSFlexGrid_NetworkUnit->Rows() != kUnits + 1) {
        std::fprintf(stderr, "the refresh did not finish: %d list rows, %d unit rows, %zu boxes\n",
                     win->MSFlexGrid_Network->Rows(), win->MSFlexGrid_NetworkUnit->Rows(), shown.size());
        bench::printBoxes();
        return 1;
    }
    std::printf("netlist_rebuild_ms=%lld peak_rss_mb=%ld\n", static_cast<long long>(ms), bench::peakRssMb());

    win->Unload();
    QCoreApplication::processEvents();
    (void)fnc_DB_Close();
    return 0;
}
