#pragma once
// The application list opened from the real main window's menu, on a copy of the template database
// seeded behind the program's back.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "core/frm_Main.h"
#include "licences/frm_List_Application.h"
#include "tests/support/LedgerFixture.h"
#include "tests/support/UiDriver.h"

namespace ui {
class FlexGrid;
}

namespace applist {

using testsupport::gridTexts;
using testsupport::readFile;
using testsupport::rowWith;
using testsupport::settle;
using testsupport::stdErrorBoxes;

class AppListTest : public testsupport::LedgerTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // The main window started as the program starts it (once).
    frm_Main* startMain();
    // "アプリケーション一覧" from the main window's menu.
    frm_List_Application* open();

    // Rows behind the program's back. A name of nullopt is Null.
    void master(const QString& table, int code, const std::optional<QString>& name, const QString& flag = "0");
    void user(int code, const QString& name, int section, int division, const QString& flag = "0");
    void app(int key, const std::optional<QString>& name, const QString& version);

    // The office every test starts from unless it seeds its own (see AppListFixture.cpp).
    void seedOffice();

    // Backgrounds of one row, columns 0 to the last: 'g' grey, 'w' white, '?' anything else.
    static QString shades(const ui::FlexGrid* grid, int row);

    // Clicks the application's row in the left grid; fails when it is not listed.
    void chooseApp(const QString& name);
    // Opens the location list as the user does and picks the item at `index`.
    void pickLocation(int index);
    // The export with the save dialog answered by `name` (and the completion box by OK).
    void exportAs(const QString& name);

    frm_Main* m_main = nullptr;
    frm_List_Application* m_win = nullptr;
};

}  // namespace applist
