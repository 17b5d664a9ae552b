// The grid's cells without a widget: cell access and its errors, the fixed part, and what a view is told
// of a resize while the grid is frozen and while it is live.
#include <gtest/gtest.h>

#include <QSignalSpy>
#include <algorithm>
#include <vector>

#include "platform/base/VbError.h"
#include "platform/ui/FlexGridModel.h"
#include "tests/support/ErrorOf.h"
#include "tests/support/SanitizerReport.h"

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

// A cell never keeps a view of characters it does not own, whichever way the text was given: the owner
// may free them while the grid still shows the cell.
TEST(FlexGridModel, ACellOwnsItsTextHoweverItWasGiven) {
    FlexGridModel m;
    (void)m.resize(2, 4);
    const QString shown = QStringLiteral("借りた文字 borrowed");
    std::vector<QChar> owner(shown.begin(), shown.end());
    const QString view = QString::fromRawData(owner.data(), qsizetype(owner.size()));
    m.setText(0, 0, view);                                                         // lent to an empty cell
    m.setText(0, 1, QString::fromRawData(owner.data(), qsizetype(owner.size())));  // handed over
    QString copy = view;
    m.setText(0, 2, std::move(copy));  // a copy of a view, handed over
    m.setText(1, 0, QString(100, u'z'));
    m.setText(1, 0, view);  // lent to a cell whose own buffer is large enough
    m.setText(1, 1, QString());
    m.setText(1, 2, QString::fromRawData(owner.data(), 0));
    std::fill(owner.begin(), owner.end(), QChar(u'X'));
    EXPECT_EQ(m.text(0, 0), shown);
    EXPECT_EQ(m.text(0, 1), shown);
    EXPECT_EQ(m.text(0, 2), shown);
    EXPECT_EQ(m.text(1, 0), shown);
    EXPECT_EQ(m.text(1, 1), "");
    EXPECT_EQ(m.text(1, 2), "");
    // Owned texts are still kept as given: a lent one shares its buffer, a literal stays one.
    const QString owned = QStringLiteral("共有 ") + shown;
    m.setText(1, 3, owned);
    EXPECT_TRUE(m.cells[1][3].text.isSharedWith(owned));
}

// A refill reuses the storage of the rows and texts it had: whatever way the grid shrank, was cleared or
// changed width, a cell shows only what was written to it since, and a text handed out before stays as
// it was.
TEST(FlexGridModel, ARefillShowsOnlyWhatItWrote) {
    FlexGridModel m;
    const auto fillAll = [&m](const QString& text) {
        for (int r = 0; r < m.rows; ++r)
            for (int c = 0; c < m.cols; ++c) {
                m.setText(r, c, text + QString::number(r * 10 + c));
                m.setBackColor(r, c, QColor(128, 128, 128));
                m.setAlignment(r, c, ui::flexAlignRightBottom);
            }
    };
    const auto expectEmpty = [&m](int fromRow, const char* how) {
        for (int r = fromRow; r < m.rows; ++r)
            for (int c = 0; c < m.cols; ++c) {
                EXPECT_EQ(m.text(r, c), "") << how << " " << r << "," << c;
                EXPECT_FALSE(m.backColor(r, c).isValid()) << how << " " << r << "," << c;
                EXPECT_EQ(m.alignment(r, c), ui::flexAlignGeneral) << how << " " << r << "," << c;
            }
    };
    (void)m.resize(4, 3);
    fillAll("a long first text ");
    (void)m.resize(1, 3);
    (void)m.resize(4, 3);
    EXPECT_EQ(m.text(0, 2), "a long first text 2");
    expectEmpty(1, "shrunk and grown");

    fillAll("b");
    (void)m.resize(1, 3);
    (void)m.resize(1, 5);  // wider while the dropped rows are spare
    (void)m.resize(4, 5);
    expectEmpty(1, "shrunk, widened and grown");
    EXPECT_EQ(m.text(0, 1), "b1");
    EXPECT_EQ(m.text(0, 4), "");

    fillAll("a long text again ");
    const QString handedOut = m.text(2, 2);
    m.clearCells();
    expectEmpty(0, "cleared");
    // Shorter and longer texts than the buffers held, and the cell's own text written back.
    m.setText(2, 2, "x");
    m.setText(3, 4, QStringLiteral("a text longer than any written to this cell before"));
    m.setText(2, 2, m.cells[2][2].text);
    EXPECT_EQ(m.text(2, 2), "x");
    EXPECT_EQ(m.text(3, 4), "a text longer than any written to this cell before");
    EXPECT_EQ(handedOut, "a long text again 22");
    // A text read out and then overwritten in the cell keeps its own value too.
    const QString before = m.text(3, 4);
    m.setText(3, 4, "y");
    EXPECT_EQ(before, "a text longer than any written to this cell before");
    EXPECT_EQ(m.text(3, 4), "y");
}

// A view kept on a cell's text while the cell is written again is a slip the sanitizer build reports, both
// when a text is lent and when the cell is emptied for a refill: there the cell lets its old buffer go,
// where the ordinary build may write the new text into it.
TEST(FlexGridModel, AViewKeptPastARewriteIsReportedUnderTheSanitizer) {
    if (!vb::kAddressSanitizer) GTEST_SKIP() << "AddressSanitizer is not in this build";
    const struct {
        const char* what;
        std::function<void(FlexGridModel&)> rewrite;
    } cases[] = {
        {"a shorter text lent",
         [](FlexGridModel& m) {
             const QString lent = QString::number(7);
             m.setText(1, 1, lent);
         }},
        {"cleared", [](FlexGridModel& m) { m.clearCells(); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        FlexGridModel m;
        (void)m.resize(2, 2);
        m.setText(1, 1, QStringLiteral("a text the cell holds alone"));
        testsupport::expectSanitizerReport(
            [&] {
                const QStringView kept = m.cells[1][1].text;
                c.rewrite(m);
                volatile char16_t first = kept.front().unicode();  // read here, in code the sanitizer watches
                (void)first;
            },
            "heap-use-after-free");
    }
}
