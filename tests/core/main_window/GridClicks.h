#pragma once
// Clicks on the main list through the window system, as the user makes them.
#include <gtest/gtest.h>

#include "platform/ui/FlexGrid.h"
#include "tests/support/UiDriver.h"

namespace mainwindow {

// Column 2 is the first visible data column (column 1, the PC key, is 0 twips wide).
inline void clickRow(ui::FlexGrid* grid, int row, int col = 2) { EXPECT_TRUE(testsupport::clickCell(grid, row, col)); }

inline void doubleClickRow(ui::FlexGrid* grid, int row, int col = 2) {
    EXPECT_TRUE(testsupport::doubleClickCell(grid, row, col));
}

}  // namespace mainwindow
