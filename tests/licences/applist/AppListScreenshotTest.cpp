// Not part of the suite: draws the application list with an application and a PC chosen into a PNG for
// a look by eye.
//   test_licences_applist --gtest_also_run_disabled_tests --gtest_filter=*DISABLED_Screenshot
// writes /tmp/vondari-applist.png (or the path in VONDARI_SCREENSHOT).
#include <gtest/gtest.h>

#include <QCoreApplication>

#include "core/Mdl_gData.h"
#include "platform/ui/FlexGrid.h"
#include "tests/licences/applist/AppListFixture.h"
#include "tests/support/UiDriver.h"

namespace applist {
namespace {

using AppListLook = AppListTest;

TEST_F(AppListLook, DISABLED_Screenshot) {
    seedOffice();
    ASSERT_NE(startMain(), nullptr);
    gFormWidth = 12000;
    gFormHeight = 7000;
    ASSERT_NE(open(), nullptr);
    m_win->show();
    chooseApp("Excel");
    pickLocation(0);
    ASSERT_TRUE(testsupport::clickCell(m_win->MSFlexGrid_User, 2, 1));
    for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();

    testsupport::saveScreenshot(m_win, QStringLiteral("/tmp/vondari-applist.png"));
}

}  // namespace
}  // namespace applist
