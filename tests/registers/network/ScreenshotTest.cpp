// Not part of the suite: draws the network register with a few devices into a PNG for a look by eye.
//   test_registers_network --gtest_also_run_disabled_tests --gtest_filter=*DISABLED_Screenshot
// writes /tmp/vondari-network.png (or the path in VONDARI_SCREENSHOT).
#include <gtest/gtest.h>

#include <QCoreApplication>

#include "platform/ui/Dialogs.h"
#include "platform/ui/FlexGrid.h"
#include "registers/frm_Edit_Network.h"
#include "tests/registers/network/NetworkFixture.h"
#include "tests/support/UiDriver.h"

namespace networktest {
namespace {

class NetworkLook : public NetworkTest {};

TEST_F(NetworkLook, DISABLED_Screenshot) {
    addMaster("tbl_Location", 1, "本社 3F");
    addUser(1, "山田 太郎");
    addMaster("tbl_Manufacturer", 1, "メーカーA");
    for (int k = 1; k <= 4; ++k)
        addPc({.key = k,
               .name = QString("SOUMU-PC0%1").arg(k),
               .ip = QString("192.168.1.%1").arg(10 + k),
               .location = 1,
               .user = 1,
               .maker = 1,
               .workgroup = "WORKGROUP",
               .mac = "00-0C-29-3A-4B-5" + QString::number(k)});
    addUnit({.key = 0,
             .location = "サーバ室",
             .user = "管理者",
             .computer = "HUB-01",
             .workgroup = "WORKGROUP",
             .ip = "192.168.1.2",
             .mac = "00-A0-DE-11-22-33",
             .maker = "メーカーB",
             .model = "SW-24",
             .type = "L2",
             .serial = "SN-0001",
             .id = "admin",
             .password = "secret"});
    addUnit({.key = 1,
             .location = "本社 3F",
             .computer = "PRN-3F",
             .ip = "192.168.1.3",
             .maker = "メーカーC",
             .model = "LP-9000"});
    ASSERT_NE(open(), nullptr);
    ui::script::answerMsgBox(ui::vbYes);
    ui::script::answerMsgBox(ui::vbOK);
    ASSERT_TRUE(testsupport::triggerAction(m_win, "Mnu_ViewUpdate"));
    // Opened again on the list just built, so the unit grid takes a click.
    ASSERT_TRUE(testsupport::triggerAction(m_win, "Mnu_Close"));
    settle();
    ASSERT_NE(open(), nullptr);
    clickUnit(0);
    for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();

    testsupport::saveScreenshot(m_win, QStringLiteral("/tmp/vondari-network.png"));
}

}  // namespace
}  // namespace networktest
