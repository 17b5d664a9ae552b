// The grid's cells without a widget: cell access and its errors, the fixed part, and what a view is told
// of a resize while the grid is frozen and while it is live.
#include <gtest/gtest.h>

#include <QSignalSpy>

#include "platform/base/VbError.h"
#include "platform/ui/FlexGridModel.h"
#include "tests/support/ErrorOf.h"

namespace {

using ui::FlexGridModel;

using testsupport::errorOf;

// A live model of rows x cols with one fixed row and column, published as a shown grid's is.
void makeLive(FlexGridModel& m, int rows, int cols) {
    m.frozen = false;
    m.reset();
    (void)m.resize(rows, cols);
}

TEST(FlexGridModel, CellsKeepTextColourAndAlignment) {
    FlexGridModel m;
    (void)m.resize(3, 4);
    m.setText(2, 3, "設置場所");
    m.setBackColor(2, 3, QColor(128, 128, 128));
    m.setAlignment(2, 3, ui::flexAlignCenterBottom);
    EXPECT_EQ(m.text(2, 3), "設置場所");
    EXPECT_EQ(m.backColor(2, 3), QColor(128, 128, 128));
    EXPECT_EQ(m.alignment(2, 3), ui::flexAlignCenterBottom);
    // Never set: no colour of its own, General alignment.
    EXPECT_FALSE(m.backColor(1, 1).isValid());
    EXPECT_EQ(m.alignment(1, 1), ui::flexAlignGeneral);
    // An invalid colour takes the cell's own away.
    m.setBackColor(2, 3, QColor());
    EXPECT_FALSE(m.backColor(2, 3).isValid());

    // A shrink drops the cells outside; growing again gives empty ones.
    (void)m.resize(2, 2);
    (void)m.resize(3, 4);
    EXPECT_EQ(m.text(2, 3), "");
    // Clear empties the cells and keeps the size.
    m.setText(1, 1, "x");
    m.clearCells();
    EXPECT_EQ(m.text(1, 1), "");
    EXPECT_EQ(m.rows, 3);
    EXPECT_EQ(m.cols, 4);
}

TEST(FlexGridModel, OutOfRangeAndBadValuesRaise) {
    FlexGridModel m;
    (void)m.resize(3, 2);
    struct Case {
        const char* name;
        std::function<void()> call;
        long error;
    };
    const Case cases[] = {
        {"row past the end", [&] { (void)m.text(3, 0); }, vb::errInvalidPropertyIndex},
        {"negative column", [&] { m.setText(0, -1, "x"); }, vb::errInvalidPropertyIndex},
        {"colour outside", [&] { m.setBackColor(0, 2, Qt::red); }, vb::errInvalidPropertyIndex},
        {"alignment outside", [&] { (void)m.alignment(5, 5); }, vb::errInvalidPropertyIndex},
        {"unknown alignment", [&] { m.setAlignment(1, 1, 10); }, vb::errInvalidPropertyValue},
        {"negative alignment", [&] { m.setAlignment(1, 1, -1); }, vb::errInvalidPropertyValue},
    };
    for (const Case& c : cases) EXPECT_EQ(errorOf(c.call), c.error) << c.name;
}

TEST(FlexGridModel, TheViewSeesTheScrollingPartOnly) {
    FlexGridModel m;
    makeLive(m, 4, 3);
    EXPECT_EQ(m.rowCount(), 3);
    EXPECT_EQ(m.columnCount(), 2);
    m.setText(0, 2, "見出し");
    m.setText(3, 0, "3");
    m.setText(3, 2, "1234");
    m.setText(1, 1, "PC-01");
    // View (2, 1) is cell (3, 2); the fixed row and column are the headers.
    EXPECT_EQ(m.data(m.index(2, 1), Qt::DisplayRole).toString(), "1234");
    EXPECT_EQ(m.headerData(1, Qt::Horizontal, Qt::DisplayRole).toString(), "見出し");
    EXPECT_EQ(m.headerData(2, Qt::Vertical, Qt::DisplayRole).toString(), "3");
    // General: numbers to the right, text to the left.
    EXPECT_TRUE(Qt::Alignment(m.data(m.index(2, 1), Qt::TextAlignmentRole).toInt()) & Qt::AlignRight);
    EXPECT_TRUE(Qt::Alignment(m.data(m.index(0, 0), Qt::TextAlignmentRole).toInt()) & Qt::AlignLeft);
    EXPECT_FALSE(m.data(m.index(0, 0), Qt::BackgroundRole).isValid());
    m.setBackColor(1, 1, QColor(128, 255, 255));
    EXPECT_EQ(m.data(m.index(0, 0), Qt::BackgroundRole).value<QColor>(), QColor(128, 255, 255));
    EXPECT_TRUE(m.isFixed(0, 2));
    EXPECT_TRUE(m.isFixed(2, 0));
    EXPECT_FALSE(m.isFixed(1, 1));
}

TEST(FlexGridModel, AFrozenResizeTellsTheViewNothingUntilTheReset) {
    FlexGridModel m;
    makeLive(m, 2, 2);
    QSignalSpy inserted(&m, &QAbstractItemModel::rowsInserted);
    QSignalSpy resets(&m, &QAbstractItemModel::modelReset);
    m.frozen = true;
    for (int r = 3; r <= 500; ++r) EXPECT_EQ(m.resize(r, 5), FlexGridModel::Change::None);
    EXPECT_TRUE(m.dirty);
    EXPECT_EQ(m.rows, 500);
    EXPECT_EQ(m.rowCount(), 1);  // the view keeps its old picture
    EXPECT_EQ(inserted.count(), 0);
    EXPECT_EQ(resets.count(), 0);
    m.frozen = false;
    m.reset();
    EXPECT_FALSE(m.dirty);
    EXPECT_EQ(resets.count(), 1);
    EXPECT_EQ(m.rowCount(), 499);
    EXPECT_EQ(m.columnCount(), 4);
}

TEST(FlexGridModel, ALiveResizeIsIncrementalUnlessTheFixedPartChanges) {
    struct Case {
        const char* name;
        int rows, cols;
        FlexGridModel::Change change;
        int viewRows, viewCols;
    };
    const Case cases[] = {
        {"same size", 5, 4, FlexGridModel::Change::None, 4, 3},
        {"more rows", 9, 4, FlexGridModel::Change::Incremental, 8, 3},
        {"fewer columns", 5, 2, FlexGridModel::Change::Incremental, 4, 1},
        {"emptied: the fixed row goes", 0, 0, FlexGridModel::Change::Reset, 0, 0},
        {"caption row only", 1, 4, FlexGridModel::Change::Incremental, 0, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FlexGridModel m;
        makeLive(m, 5, 4);
        QSignalSpy resets(&m, &QAbstractItemModel::modelReset);
        EXPECT_EQ(m.resize(c.rows, c.cols), c.change);
        EXPECT_EQ(resets.count(), c.change == FlexGridModel::Change::Reset ? 1 : 0);
        EXPECT_EQ(m.rowCount(), c.viewRows);
        EXPECT_EQ(m.columnCount(), c.viewCols);
        EXPECT_FALSE(m.dirty);
    }
    // An emptied grid has no fixed part, and growing again brings it back with a reset.
    FlexGridModel m;
    makeLive(m, 0, 0);
    EXPECT_EQ(m.effFr(), 0);
    EXPECT_EQ(m.resize(3, 3), FlexGridModel::Change::Reset);
    EXPECT_EQ(m.effFr(), 1);
    EXPECT_EQ(m.rowCount(), 2);
}

}  // namespace
