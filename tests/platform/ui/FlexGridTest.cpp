// The grid: FlexGrid's cell model (fixed row 0 and column 0 are cells like the others), its colours,
// alignments and sizes, the fixed cells staying put while the body scrolls, the pointer (the cell
// under it becomes current, then Click, then DblClick), and fills of the main list's size.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QHeaderView>
#include <QImage>
#include <QScrollBar>
#include <QTest>

#include "platform/base/VbError.h"
#include "platform/ui/Colors.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/Form.h"
#include "tests/support/AppFolder.h"
#include "tests/support/ErrorOf.h"
#include "tests/support/UiDriver.h"

namespace {

using ui::FlexGrid;

using testsupport::errorOf;

// A shown window holding one grid, like the ledger's windows.
class GridWindow : public ::testing::Test {
protected:
    void SetUp() override {
        testsupport::armDialogScript();
        m_form = new ui::Form("frm_GridTest");
        m_form->setClientSize(9000, 6000);
        grid = m_form->place(new FlexGrid(m_form->client()), "MSFlexGrid_Test", 120, 120, 8000, 5000);
    }
    void TearDown() override {
        delete m_form;
        testsupport::checkDialogScript();
        ui::script::enable(false);
    }
    void show() {
        m_form->Show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(m_form));
        QCoreApplication::processEvents();
    }
    // Fills rows x cols with "r,c" texts.
    void fill(int rows, int cols) {
        grid->setRedraw(false);
        grid->setRows(rows);
        grid->setCols(cols);
        for (int r = 0; r < rows; ++r)
            for (int c = 0; c < cols; ++c) grid->setTextMatrix(r, c, QString("%1,%2").arg(r).arg(c));
        grid->setRedraw(true);
    }
    // The colour painted at the middle of a cell, read from the grid's own rendering.
    QColor paintedAt(int row, int col) {
        const FlexGrid::CellArea area = grid->cellArea(row, col);
        if (!area.widget) return {};
        const QImage image = grid->grab().toImage();
        const QPoint p = area.widget->mapTo(grid, area.rect.topLeft() + QPoint(3, 3));
        return image.pixelColor(p);
    }

    ui::Form* m_form = nullptr;
    FlexGrid* grid = nullptr;
};

TEST_F(GridWindow, ANewGridIsTwoByTwoWithOneFixedRowAndColumn) {
    EXPECT_EQ(grid->Rows(), 2);
    EXPECT_EQ(grid->Cols(), 2);
    EXPECT_EQ(grid->FixedRows(), 1);
    EXPECT_EQ(grid->FixedCols(), 1);
    EXPECT_EQ(grid->objectName(), "MSFlexGrid_Test");
}

TEST_F(GridWindow, GrowingKeepsCellsAndShrinkingDropsThem) {
    fill(3, 3);
    grid->setCols(6);
    grid->setRows(5);
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c) EXPECT_EQ(grid->TextMatrix(r, c), QString("%1,%2").arg(r).arg(c));
    EXPECT_EQ(grid->TextMatrix(4, 5), "");
    EXPECT_EQ(grid->TextMatrix(2, 4), "");
    grid->setCellBackColorAt(2, 2, ui::QBColor(8));
    grid->setRows(2);
    grid->setCols(2);
    EXPECT_EQ(grid->TextMatrix(1, 1), "1,1");
    grid->setRows(3);
    grid->setCols(3);
    EXPECT_EQ(grid->TextMatrix(2, 2), "");  // gone with the shrink, not kept behind
    EXPECT_EQ(grid->cellBackColorAt(2, 2), grid->BackColor());
}

TEST_F(GridWindow, ZeroRowsAndColumnsAreAllowedAndTheFixedRowComesBack) {
    show();
    fill(4, 4);
    grid->setCols(0);
    grid->setRows(0);
    EXPECT_EQ(grid->Rows(), 0);
    EXPECT_EQ(grid->Cols(), 0);
    EXPECT_EQ(grid->FixedRows(), 1);  // kept for the next fill
    (void)grid->grab();
    grid->setCols(3);
    grid->setRows(2);
    grid->setTextMatrix(0, 1, "見出し");
    QCoreApplication::processEvents();
    const FlexGrid::CellArea header = grid->cellArea(0, 1);
    EXPECT_EQ(header.widget, grid->horizontalHeader()->viewport());
    EXPECT_EQ(grid->model()->rowCount(), 1);  // the body: row 1 only
    EXPECT_EQ(grid->model()->columnCount(), 2);
}

TEST_F(GridWindow, PaintingRowOneOfAnEmptyGridDoesNothing) {
    show();
    grid->setCols(0);
    grid->setRows(0);
    // As a row paint does it: current row 1, each column from 1 to Cols - 1.
    grid->setRedraw(false);
    grid->setRow(1);
    for (int col = 1; col < grid->Cols(); ++col) grid->setCellBackColorAt(1, col, ui::QBColor(15));
    grid->setCol(1);
    grid->setCellBackColor(ui::QBColor(8));
    grid->setText("x");
    grid->setCellAlignment(ui::flexAlignLeftBottom);
    grid->setRedraw(true);
    EXPECT_EQ(grid->Text(), "");
    EXPECT_EQ(grid->Rows(), 0);
    (void)grid->grab();
}

TEST_F(GridWindow, FixedCellsAreOrdinaryCells) {
    fill(5, 5);
    grid->setRow(0);
    grid->setCol(3);
    grid->setText("設置場所");
    grid->setCellBackColor(ui::QBColor(8));
    grid->setCellAlignment(ui::flexAlignCenterBottom);
    EXPECT_EQ(grid->TextMatrix(0, 3), "設置場所");
    EXPECT_EQ(grid->cellBackColorAt(0, 3), QColor(128, 128, 128));
    EXPECT_EQ(grid->cellAlignmentAt(0, 3), ui::flexAlignCenterBottom);
    grid->setTextMatrix(4, 0, "4");
    grid->setCellBackColorAt(4, 0, ui::QBColor(8));
    grid->setRow(4);
    grid->setCol(0);
    EXPECT_EQ(grid->Text(), "4");
    EXPECT_EQ(grid->CellBackColor(), QColor(128, 128, 128));
    EXPECT_EQ(grid->TextMatrix(0, 0), "0,0");
}

TEST_F(GridWindow, ColoursAndAlignments) {
    show();  // the view's model is what a shown grid paints
    fill(3, 3);
    EXPECT_EQ(grid->cellBackColorAt(1, 1), grid->BackColor());  // never set: the grid's colours
    EXPECT_EQ(grid->cellBackColorAt(0, 1), grid->BackColorFixed());
    EXPECT_EQ(grid->cellAlignmentAt(1, 1), ui::flexAlignGeneral);
    grid->setCellBackColorAt(1, 1, ui::RGB(128, 255, 255));
    EXPECT_EQ(grid->cellBackColorAt(1, 1), QColor(128, 255, 255));
    EXPECT_EQ(grid->cellBackColorAt(1, 2), grid->BackColor());

    struct Case {
        int flex;
        Qt::Alignment qt;
    };
    const Case cases[] = {
        {ui::flexAlignLeftBottom, Qt::AlignLeft | Qt::AlignBottom},
        {ui::flexAlignCenterBottom, Qt::AlignHCenter | Qt::AlignBottom},
        {ui::flexAlignRightBottom, Qt::AlignRight | Qt::AlignBottom},
        {ui::flexAlignLeftTop, Qt::AlignLeft | Qt::AlignTop},
        {ui::flexAlignCenterCenter, Qt::AlignHCenter | Qt::AlignVCenter},
        {ui::flexAlignRightCenter, Qt::AlignRight | Qt::AlignVCenter},
    };
    grid->setRow(2);
    grid->setCol(2);
    for (const Case& c : cases) {
        grid->setCellAlignment(c.flex);
        EXPECT_EQ(grid->CellAlignment(), c.flex);
        const QVariant a = grid->model()->data(grid->model()->index(1, 1), Qt::TextAlignmentRole);
        EXPECT_EQ(Qt::Alignment(a.toInt()), c.qt) << c.flex;
    }
    // General: numbers to the right, text to the left.
    grid->setTextMatrix(2, 1, "1,234");
    grid->setTextMatrix(1, 2, "80GB");
    grid->setTextMatrix(2, 2, "1234");
    grid->setCellAlignmentAt(2, 2, ui::flexAlignGeneral);
    auto qtAlign = [&](int vr, int vc) {
        return Qt::Alignment(grid->model()->data(grid->model()->index(vr, vc), Qt::TextAlignmentRole).toInt());
    };
    EXPECT_TRUE(qtAlign(1, 1) & Qt::AlignRight);
    EXPECT_TRUE(qtAlign(0, 1) & Qt::AlignLeft);
}

TEST_F(GridWindow, IndexesOutsideTheGridRaise) {
    fill(3, 4);
    EXPECT_EQ(errorOf([&] { (void)grid->TextMatrix(3, 0); }), 381);
    EXPECT_EQ(errorOf([&] { (void)grid->TextMatrix(0, 4); }), 381);
    EXPECT_EQ(errorOf([&] { (void)grid->TextMatrix(-1, 0); }), 381);
    EXPECT_EQ(errorOf([&] { grid->setTextMatrix(2, 9, "x"); }), 381);
    EXPECT_EQ(errorOf([&] { grid->setCellBackColorAt(5, 0, Qt::red); }), 381);
    EXPECT_EQ(errorOf([&] { grid->setColWidth(4, 100); }), 381);
    EXPECT_EQ(errorOf([&] { (void)grid->RowHeight(3); }), 381);
    EXPECT_EQ(errorOf([&] { grid->setRows(-1); }), 380);
    EXPECT_EQ(errorOf([&] { grid->setCellAlignmentAt(1, 1, 10); }), 380);
    EXPECT_EQ(errorOf([&] { grid->setFixedRows(2); }), 380);
    try {
        (void)grid->TextMatrix(3, 0);
    } catch (const vb::Error& e) {
        EXPECT_EQ(e.description(), "インデックスが有効範囲にありません。");
    }
    EXPECT_EQ(grid->Rows(), 3);  // nothing changed
}

TEST_F(GridWindow, ClearEmptiesTextsAndFormattingButKeepsTheShape) {
    fill(4, 4);
    grid->setColWidth(2, 1500);
    grid->setCellBackColorAt(1, 1, ui::QBColor(8));
    grid->setCellAlignmentAt(1, 1, ui::flexAlignRightBottom);
    grid->Clear();
    EXPECT_EQ(grid->Rows(), 4);
    EXPECT_EQ(grid->Cols(), 4);
    EXPECT_EQ(grid->TextMatrix(0, 0), "");
    EXPECT_EQ(grid->TextMatrix(3, 3), "");
    EXPECT_EQ(grid->cellBackColorAt(1, 1), grid->BackColor());
    EXPECT_EQ(grid->cellAlignmentAt(1, 1), ui::flexAlignGeneral);
    EXPECT_EQ(grid->ColWidth(2), 1500);
}

TEST_F(GridWindow, ColumnWidthsAreTwipsAndZeroHides) {
    show();
    fill(4, 4);
    grid->setColWidth(0, 500);
    grid->setColWidth(1, 0);
    grid->setColWidth(2, 1500);
    QCoreApplication::processEvents();
    EXPECT_EQ(grid->ColWidth(0), 500);
    EXPECT_EQ(grid->ColWidth(1), 0);
    EXPECT_EQ(grid->ColWidth(2), 1500);
    EXPECT_EQ(grid->verticalHeader()->width(), 33);  // column 0 is the fixed one
    EXPECT_TRUE(grid->horizontalHeader()->isSectionHidden(0));
    EXPECT_EQ(grid->horizontalHeader()->sectionSize(1), 100);
    EXPECT_EQ(grid->cellArea(2, 1).widget, nullptr);  // hidden: nowhere to click
    EXPECT_NE(grid->cellArea(2, 2).widget, nullptr);
    grid->setColWidth(2, -1);
    EXPECT_EQ(grid->ColWidth(2), grid->ColWidth(3));  // the default again

    // Widths set while Redraw is off survive the model reset when it comes back on.
    grid->setRedraw(false);
    grid->setRows(50);
    grid->setColWidth(3, 3000);
    grid->setRedraw(true);
    EXPECT_TRUE(grid->horizontalHeader()->isSectionHidden(0));
    EXPECT_EQ(grid->horizontalHeader()->sectionSize(2), 200);
    EXPECT_EQ(grid->verticalHeader()->width(), 33);
}

TEST_F(GridWindow, RowHeights) {
    show();
    fill(6, 3);
    const int standard = grid->RowHeight(2);
    EXPECT_GT(standard, 0);
    grid->setRowHeight(2, 600);
    grid->setRowHeight(0, 450);
    QCoreApplication::processEvents();
    EXPECT_EQ(grid->RowHeight(2), 600);
    EXPECT_EQ(grid->verticalHeader()->sectionSize(1), 40);
    EXPECT_EQ(grid->horizontalHeader()->height(), 30);
    grid->setRowHeight(2, -1);
    EXPECT_EQ(grid->RowHeight(2), standard);
}

TEST_F(GridWindow, FixedRowAndColumnStayInPlaceWhenTheBodyScrolls) {
    show();
    fill(200, 30);
    grid->setCellBackColorAt(0, 3, ui::QBColor(12));   // a header cell, red
    grid->setCellBackColorAt(60, 0, ui::QBColor(9));   // a row-number cell, blue
    grid->setCellBackColorAt(0, 0, ui::QBColor(10));   // the corner, green
    grid->setCellBackColorAt(60, 3, ui::QBColor(14));  // a body cell, yellow
    grid->setTopRow(60);
    grid->horizontalScrollBar()->setValue(grid->horizontalScrollBar()->maximum());
    QCoreApplication::processEvents();
    EXPECT_EQ(grid->TopRow(), 60);

    const FlexGrid::CellArea corner = grid->cellArea(0, 0);
    const FlexGrid::CellArea rowNumber = grid->cellArea(60, 0);
    const FlexGrid::CellArea body = grid->cellArea(60, 29);
    ASSERT_NE(corner.widget, nullptr);
    ASSERT_NE(rowNumber.widget, nullptr);
    ASSERT_NE(body.widget, nullptr);
    EXPECT_EQ(rowNumber.rect.top(), 0);  // row 60 is at the top of the scrolled body
    EXPECT_EQ(body.rect.top(), 0);
    EXPECT_EQ(paintedAt(0, 0), ui::QBColor(10));
    EXPECT_EQ(paintedAt(60, 0), ui::QBColor(9));

    // The header row keeps its place above the body when scrolled back sideways.
    grid->horizontalScrollBar()->setValue(0);
    QCoreApplication::processEvents();
    const FlexGrid::CellArea header = grid->cellArea(0, 3);
    ASSERT_NE(header.widget, nullptr);
    EXPECT_EQ(header.rect.top(), 0);
    EXPECT_EQ(header.widget->mapTo(grid, QPoint()).y(), corner.widget->mapTo(grid, QPoint()).y());
    EXPECT_EQ(paintedAt(0, 3), ui::QBColor(12));
    EXPECT_EQ(paintedAt(60, 3), ui::QBColor(14));
    EXPECT_EQ(paintedAt(61, 3), grid->BackColor());
}

TEST_F(GridWindow, FixedCellsPaintTheirOwnTexts) {
    show();
    fill(3, 3);
    QCoreApplication::processEvents();
    EXPECT_EQ(grid->model()->headerData(1, Qt::Horizontal).toString(), "0,2");
    EXPECT_EQ(grid->model()->headerData(1, Qt::Vertical).toString(), "2,0");
}

TEST_F(GridWindow, AClickMakesTheCellCurrentThenRaisesClick) {
    show();
    fill(30, 6);
    struct Event {
        QString name;
        int row, col, mouseRow, mouseCol;
    };
    std::vector<Event> events;
    QObject::connect(grid, &FlexGrid::Click, [&] {
        events.push_back({"Click", grid->Row(), grid->Col(), grid->MouseRow(), grid->MouseCol()});
    });
    QObject::connect(grid, &FlexGrid::DblClick, [&] {
        events.push_back({"DblClick", grid->Row(), grid->Col(), grid->MouseRow(), grid->MouseCol()});
    });

    ASSERT_TRUE(testsupport::clickCell(grid, 3, 2));
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].name, "Click");
    EXPECT_EQ(events[0].row, 3);
    EXPECT_EQ(events[0].col, 2);
    EXPECT_EQ(events[0].mouseRow, 3);
    EXPECT_EQ(events[0].mouseCol, 2);

    events.clear();
    ASSERT_TRUE(testsupport::doubleClickCell(grid, 5, 4));
    ASSERT_EQ(events.size(), 2u);  // one Click, then the DblClick, no Click after it
    EXPECT_EQ(events[0].name, "Click");
    EXPECT_EQ(events[0].row, 5);
    EXPECT_EQ(events[0].col, 4);
    EXPECT_EQ(events[1].name, "DblClick");
    EXPECT_EQ(events[1].row, 5);

    // The fixed cells take clicks too: the header row makes row 0 current, the row number its row.
    events.clear();
    ASSERT_TRUE(testsupport::clickCell(grid, 0, 3));
    ASSERT_TRUE(testsupport::clickCell(grid, 7, 0));
    ASSERT_TRUE(testsupport::clickCell(grid, 0, 0));
    ASSERT_EQ(events.size(), 3u);
    EXPECT_EQ(std::pair(events[0].row, events[0].col), std::pair(0, 3));
    EXPECT_EQ(std::pair(events[1].row, events[1].col), std::pair(7, 0));
    EXPECT_EQ(std::pair(events[2].row, events[2].col), std::pair(0, 0));

    // A cell far down is scrolled into view first, as a user would.
    events.clear();
    ASSERT_TRUE(testsupport::clickCell(grid, 29, 5));
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].row, 29);
    EXPECT_EQ(events[0].col, 5);
}

TEST_F(GridWindow, ArrowKeysMoveTheCurrentCellWithinTheBody) {
    show();
    fill(5, 4);
    grid->setRow(1);
    grid->setCol(1);
    int changes = 0;
    QObject::connect(grid, &FlexGrid::RowColChange, [&] { ++changes; });
    grid->setFocus();
    QTest::keyClick(grid, Qt::Key_Down);
    QTest::keyClick(grid, Qt::Key_Right);
    EXPECT_EQ(grid->Row(), 2);
    EXPECT_EQ(grid->Col(), 2);
    QTest::keyClick(grid, Qt::Key_Up);
    QTest::keyClick(grid, Qt::Key_Up);  // stops at the first body row
    EXPECT_EQ(grid->Row(), 1);
    QTest::keyClick(grid, Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(grid->Row(), 4);
    EXPECT_EQ(grid->Col(), 3);
    EXPECT_EQ(changes, 4);
}

TEST_F(GridWindow, TheViewFollowsEveryChange) {
    // Rows added one by one to a shown grid (no freeze) and to a frozen one end in the same view.
    show();
    grid->setCols(5);
    for (int r = 2; r <= 40; ++r) grid->setRows(r);
    EXPECT_EQ(grid->model()->rowCount(), 39);
    EXPECT_EQ(grid->model()->columnCount(), 4);
    grid->setVisible(false);
    grid->setRows(100);
    grid->setCols(3);
    grid->setVisible(true);
    EXPECT_EQ(grid->model()->rowCount(), 99);
    EXPECT_EQ(grid->model()->columnCount(), 2);
    grid->setFixedCols(0);
    EXPECT_EQ(grid->model()->columnCount(), 3);
    EXPECT_FALSE(grid->verticalHeader()->isVisible());
    grid->setFixedRows(0);
    EXPECT_EQ(grid->model()->rowCount(), 100);
    EXPECT_FALSE(grid->horizontalHeader()->isVisible());
    (void)grid->grab();
}

// A fill holds the grid's redraw off, keeps the focus on the grid, and leaves the grid drawn and shown
// whether it ends normally, by an error, or started on a hidden grid.
TEST_F(GridWindow, AFrozenFillShowsTheGridHoweverItEnds) {
    show();
    grid->setFocus();
    ASSERT_TRUE(QTest::qWaitForWindowActive(m_form));
    {
        ui::FrozenWhileFilled frozen(*grid);
        EXPECT_FALSE(grid->Redraw());
        EXPECT_TRUE(grid->isVisible());
        grid->setRows(5);
        grid->setTextMatrix(4, 1, "last");
        EXPECT_TRUE(grid->hasFocus());
    }
    EXPECT_TRUE(grid->Redraw());
    EXPECT_TRUE(grid->isVisible());
    EXPECT_TRUE(grid->hasFocus());
    EXPECT_EQ(grid->model()->rowCount(), 4);

    EXPECT_EQ(errorOf([&] {
                  ui::FrozenWhileFilled frozen(*grid);
                  grid->setRows(9);
                  grid->setTextMatrix(20, 1, "past the end");
              }),
              381);
    EXPECT_TRUE(grid->Redraw());
    EXPECT_TRUE(grid->isVisible());
    EXPECT_EQ(grid->model()->rowCount(), 8);

    grid->setVisible(false);
    { ui::FrozenWhileFilled frozen(*grid); }
    EXPECT_TRUE(grid->Redraw());
    EXPECT_TRUE(grid->isVisible());
}

// The main list's largest fill: 2,560 PCs with all 76 catalogue columns, key and row number.
TEST_F(GridWindow, AFullListFillIsFast) {
    show();
    constexpr int kRows = 2561;
    constexpr int kCols = 78;
    for (const bool hideInstead : {false, true}) {
        QElapsedTimer timer;
        timer.start();
        grid->Clear();
        if (hideInstead)
            grid->setVisible(false);
        else
            grid->setRedraw(false);
        grid->setCols(kCols);
        for (int c = 1; c < kCols; ++c) {
            grid->setRows(2);
            grid->setColWidth(c, 1500);
            grid->setCellBackColorAt(0, c, ui::QBColor(8));
            grid->setCellAlignmentAt(0, c, ui::flexAlignCenterBottom);
            grid->setTextMatrix(0, c, "見出し");
        }
        for (int r = 1; r < kRows; ++r) {
            grid->setRows(r + 1);
            grid->setTextMatrix(r, 0, QString::number(r));
            grid->setCellBackColorAt(r, 0, ui::QBColor(8));
            for (int c = 1; c < kCols; ++c) {
                grid->setCellBackColorAt(r, c, ui::QBColor(15));
                grid->setCellAlignmentAt(r, c, ui::flexAlignLeftBottom);
                grid->setTextMatrix(r, c, "ABCDEFGH-12345");
            }
        }
        grid->setColWidth(0, 500);
        grid->setColWidth(1, 0);
        if (hideInstead)
            grid->setVisible(true);
        else
            grid->setRedraw(true);
        QCoreApplication::processEvents();
        const qint64 ms = timer.elapsed();
        std::printf("fill of %d x %d (%s): %lld ms\n", kRows, kCols, hideInstead ? "hidden" : "redraw off",
                    static_cast<long long>(ms));
        EXPECT_LT(ms, 3000);  // a sanity bound; the target is far below
        EXPECT_EQ(grid->model()->rowCount(), kRows - 1);
        EXPECT_EQ(grid->TextMatrix(kRows - 1, kCols - 1), "ABCDEFGH-12345");
        EXPECT_TRUE(grid->horizontalHeader()->isSectionHidden(0));
    }
}

}  // namespace

TEST_F(GridWindow, AnEmptiedGridHasNoCurrentRowAndRaisesNoClick) {
    show();
    fill(6, 4);
    int clicks = 0;
    int doubleClicks = 0;
    QObject::connect(grid, &FlexGrid::Click, [&] { ++clicks; });
    QObject::connect(grid, &FlexGrid::DblClick, [&] { ++doubleClicks; });
    ASSERT_TRUE(testsupport::clickCell(grid, 4, 2));
    EXPECT_EQ(grid->Row(), 4);
    EXPECT_EQ(clicks, 1);

    struct Case {
        const char* name;
        int rows, cols;
    };
    const Case cases[] = {{"no rows, no columns", 0, 0}, {"no rows", 0, 4}, {"no columns", 6, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fill(6, 4);
        grid->setRow(4);
        grid->setCol(2);
        grid->setCols(c.cols);
        grid->setRows(c.rows);
        EXPECT_EQ(grid->Row() == 0, c.rows == 0);
        EXPECT_EQ(grid->Col() == 0, c.cols == 0);
        clicks = doubleClicks = 0;
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
        EXPECT_EQ(clicks, 0);
        EXPECT_EQ(doubleClicks, 0);
    }

    // Setting the current cell of an empty grid is taken; the row reads 0 until the grid has rows again.
    grid->setRows(0);
    grid->setRow(3);
    EXPECT_EQ(grid->Row(), 0);
    grid->setRows(5);
    EXPECT_EQ(grid->Row(), 3);
    // A refill after the grid was emptied does not bring back the row that was current before.
    grid->setRows(0);
    grid->setRows(8);
    EXPECT_EQ(grid->Row(), 0);
}

TEST_F(GridWindow, PaintRowPaintsOneRowAsTheWindowsDo) {
    using Hold = FlexGrid::RowPaint::Hold;
    show();
    const QColor grey = ui::QBColor(8);
    struct Case {
        const char* name;
        int row;
        FlexGrid::RowPaint how;
        int firstPainted;  // -1: nothing
        int currentAfter[2];
    };
    const Case cases[] = {
        {"from column 1, current cell untouched", 3, {.firstCol = 1}, 1, {1, 1}},
        {"from column 2, through the current cell", 3, {.firstCol = 2, .throughCurrentCell = true}, 2, {3, 4}},
        {"frozen while painting", 2, {.firstCol = 1, .hold = Hold::Redraw}, 1, {1, 1}},
        {"row 0 is never painted", 0, {.firstCol = 0, .throughCurrentCell = true}, -1, {1, 1}},
        {"a negative row paints nothing", -2, {.firstCol = 1}, -1, {1, 1}},
        {"a row the grid does not have", 6, {.firstCol = 1, .throughCurrentCell = true}, -1, {1, 1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fill(6, 5);
        grid->Clear();
        grid->setRow(1);
        grid->setCol(1);
        grid->paintRow(c.row, grey, c.how);
        for (int r = 0; r < grid->Rows(); ++r)
            for (int col = 0; col < grid->Cols(); ++col) {
                const bool painted = c.firstPainted >= 0 && r == c.row && col >= c.firstPainted;
                EXPECT_EQ(grid->cellBackColorAt(r, col) == grey, painted) << r << "," << col;
            }
        EXPECT_EQ(grid->Row(), c.currentAfter[0]);
        EXPECT_EQ(grid->Col(), c.currentAfter[1]);
        EXPECT_TRUE(grid->Redraw());
    }

    // A grid of fewer columns than the first one painted: nothing.
    fill(4, 2);
    grid->Clear();
    grid->paintRow(1, grey, {.firstCol = 2, .throughCurrentCell = true});
    EXPECT_NE(grid->cellBackColorAt(1, 1), grey);

    // Hide: the grid a failed fill left hidden shows again; a caller's own freeze stays.
    fill(4, 4);
    grid->setVisible(false);
    grid->setRedraw(false);
    grid->paintRow(2, grey, {.firstCol = 1, .hold = Hold::Hide});
    EXPECT_TRUE(grid->isVisible());
    EXPECT_FALSE(grid->Redraw());
    grid->setRedraw(true);
    EXPECT_EQ(grid->cellBackColorAt(2, 3), grey);
}
