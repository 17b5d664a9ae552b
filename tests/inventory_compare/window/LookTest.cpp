// Not part of the suite: draws the comparison window with a PC picked, a file read and a row chosen into
// a PNG for a look by eye.
//   test_inventory_compare_window --gtest_also_run_disabled_tests --gtest_filter=*DISABLED_Screenshot
// writes /tmp/vondari-inport.png (or the path in VONDARI_SCREENSHOT).
#include <gtest/gtest.h>

#include "platform/ui/FlexGrid.h"
#include "platform/ui/TextBox.h"
#include "tests/inventory_compare/window/CompareFixture.h"
#include "tests/support/UiDriver.h"

namespace comparetest {
namespace {

TEST_F(CompareTest, DISABLED_Screenshot) {
    seedMasters();
    addLocation(2, "大阪支店");
    addUser(2, "佐藤 花子");
    seedPc(1, "SOUMU-PC01");
    seedPc(2, "OSAKA-NB01", 2, 2);
    seedPc(3, "総務パソコン", 1, 2);
    sql("UPDATE tbl_Pclist SET Workgroup = 'SOUMU', IPAddress = '192.168.1.11', Memory_Full = 1024, "
        "Memory_Full_unit = 'MB', CPU_FPU = '1' WHERE MainKey = 1");
    ASSERT_TRUE(open(14835, 9000));
    pick(1);
    read(copySample("inventory_ja.csv"));
    ASSERT_TRUE(testsupport::clickCell(m_form->MSFlexGrid1, 3, 2));
    settle();

    testsupport::saveScreenshot(m_form, QStringLiteral("/tmp/vondari-inport.png"));
}

}  // namespace
}  // namespace comparetest
