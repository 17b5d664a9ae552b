#pragma once
// The cells behind a FlexGrid, without the widget: every cell with its text, colour and alignment (the
// fixed row 0 and column 0 included), the fixed counts, column widths and row heights, and what the view
// was last told. The view sees only the scrolling part (the fixed row and column are painted by its
// headers), through "published" dimensions: while the grid is frozen (Redraw off or hidden) the storage
// changes freely and the view keeps the old, consistent picture until one reset on thaw.
#include <QAbstractTableModel>
#include <QColor>
#include <QString>
#include <map>
#include <vector>

namespace ui {

// FlexGrid cell alignments the ledger uses.
enum : int {
    flexAlignLeftTop = 0,
    flexAlignLeftCenter = 1,
    flexAlignLeftBottom = 2,
    flexAlignCenterTop = 3,
    flexAlignCenterCenter = 4,
    flexAlignCenterBottom = 5,
    flexAlignRightTop = 6,
    flexAlignRightCenter = 7,
    flexAlignRightBottom = 8,
    flexAlignGeneral = 9,
};

// How a cell's text is placed; General puts numbers to the right and text to the left.
[[nodiscard]] Qt::Alignment qtAlignment(int flexAlignment, const QString& text);

struct FlexGridCell {
    QString text;
    QRgb back = 0;
    bool hasBack = false;
    qint8 align = -1;  // -1: never set (flexAlignGeneral)
};

class FlexGridModel : public QAbstractTableModel {
public:
    int rows = 0;
    int cols = 0;
    int fixedRows = 1;
    int fixedCols = 1;
    // [row][col]; rows from `rows` on are spare (empty, kept for the next growth).
    std::vector<std::vector<FlexGridCell>> cells;
    std::vector<int> colWidth;     // twips, -1 = default
    std::map<int, int> rowHeight;  // twips, only rows given one

    // What the view was last told.
    int pubRows = 0;
    int pubCols = 0;
    int pubFr = 0;
    int pubFc = 0;
    bool frozen = true;
    bool dirty = false;  // structure or layout changed while frozen

    // The fixed rows and columns the grid has (none of a grid without rows or columns).
    [[nodiscard]] int effFr() const { return std::min(fixedRows, rows); }
    [[nodiscard]] int effFc() const { return std::min(fixedCols, cols); }
    [[nodiscard]] bool inRange(int r, int c) const { return r >= 0 && r < rows && c >= 0 && c < cols; }
    [[nodiscard]] bool isFixed(int r, int c) const { return r < effFr() || c < effFc(); }
    FlexGridCell* cell(int r, int c) { return inRange(r, c) ? &cells[std::size_t(r)][std::size_t(c)] : nullptr; }
    [[nodiscard]] const FlexGridCell* cell(int r, int c) const {
        return inRange(r, c) ? &cells[std::size_t(r)][std::size_t(c)] : nullptr;
    }

    // Cell access; a cell outside the grid raises vb::errInvalidPropertyIndex (381), an unknown alignment
    // vb::errInvalidPropertyValue (380).
    void checkCell(int r, int c) const;
    [[nodiscard]] QString text(int r, int c) const;
    void setText(int r, int c, const QString& text);
    void setText(int r, int c, QString&& text);
    [[nodiscard]] QColor backColor(int r, int c) const;     // invalid when the cell was given none
    void setBackColor(int r, int c, const QColor& colour);  // an invalid colour takes it away
    [[nodiscard]] int alignment(int r, int c) const;        // flexAlignGeneral until set
    void setAlignment(int r, int c, int alignment);
    // Every cell's text and formatting; the size, widths and heights stay.
    void clearCells();

    // The view's dimensions become the storage's.
    void publish();
    enum class Change { None, Incremental, Reset };
    // New dimensions (rows, then columns). Frozen: stored only, marked dirty. Otherwise the view is told:
    // by inserted or removed rows and columns, or by a reset when the fixed part changes.
    Change resize(int newRows, int newCols);
    // Publishes and tells the view once; clears dirty.
    void reset();

    // The cell behind a view position (bounded: the storage may be smaller while frozen).
    [[nodiscard]] const FlexGridCell* viewCell(int vr, int vc) const { return cell(vr + pubFr, vc + pubFc); }

    int rowCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : pubRows; }
    int columnCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : pubCols; }
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    void signalCounts(int viewRows, int viewCols);
    static void emptyCell(FlexGridCell& c);
};

}  // namespace ui
