#pragma once
// FlexGrid's model over a QTableView: the fixed row 0 and column 0 are ordinary addressable cells
// that stay in place when the grid scrolls (shown in the header views). Rows and columns count the
// fixed ones; Row/Col is the current cell; CellBackColor/CellAlignment/Text act on the current cell, the
// ...At(row, col) accessors on any cell without moving the current one.
//
// Errors: a cell, column or row index outside the grid raises vb::errInvalidPropertyIndex (381); a
// negative Rows/Cols or an unknown alignment raises vb::errInvalidPropertyValue (380). Row/Col may be set
// outside the grid (an empty grid has no cell 1, 1): the current cell then reads as empty and ignores
// writes, so painting row 1 of an empty grid does nothing. A grid without rows (columns) reads Row() (Col())
// 0, and a click on it raises neither Click nor DblClick.
//
// Texts: a cell holds a text that owns its characters, whichever way it is given. A text handed over (an
// rvalue) is kept as it is and a lent one written into the cell's buffer or shared, but a QString that only
// views characters it does not own (QString::fromRawData) is copied either way, so no cell outlives them.
//
// Speed: while Redraw is off or the grid is hidden, changes reach the view as one model reset when it
// is shown again, so a fill of thousands of rows costs little more than storing the texts.
#include <QColor>
#include <QRect>
#include <QString>
#include <QTableView>
#include <memory>

#include "platform/ui/FlexGridModel.h"

class QPainter;

namespace ui {

class FlexGrid : public QTableView {
    Q_OBJECT
public:
    explicit FlexGrid(QWidget* parent = nullptr);
    ~FlexGrid() override;

    [[nodiscard]] int Rows() const;
    [[nodiscard]] int Cols() const;
    void setRows(int rows);  // 0 allowed; growing keeps existing cells
    void setCols(int cols);
    [[nodiscard]] int FixedRows() const;
    [[nodiscard]] int FixedCols() const;
    void setFixedRows(int n);  // 0 or 1
    void setFixedCols(int n);

    [[nodiscard]] QString TextMatrix(int row, int col) const;  // out of range raises vb::Error 381
    void setTextMatrix(int row, int col, const QString& text);
    void setTextMatrix(int row, int col, QString&& text);  // a fill hands its text over (see Texts above)

    [[nodiscard]] int Row() const;
    [[nodiscard]] int Col() const;
    void setRow(int row);
    void setCol(int col);
    [[nodiscard]] QString Text() const;  // current cell
    void setText(const QString& text);
    // Colours read back as painted: a cell never given one shows BackColor (BackColorFixed when fixed).
    [[nodiscard]] QColor CellBackColor() const;
    void setCellBackColor(const QColor& c);
    [[nodiscard]] int CellAlignment() const;  // flexAlignGeneral until set
    void setCellAlignment(int alignment);

    // Any cell, without moving the current cell.
    [[nodiscard]] QColor cellBackColorAt(int row, int col) const;
    void setCellBackColorAt(int row, int col, const QColor& c);
    [[nodiscard]] int cellAlignmentAt(int row, int col) const;
    void setCellAlignmentAt(int row, int col, int alignment);

    // How a window's fnc_Set_RowColor paints its selected row.
    struct RowPaint {
        int firstCol = 1;  // columns firstCol .. Cols - 1 are painted
        // Each cell is made current (column, then row) and painted through CellBackColor, so the current
        // cell is left on the last one painted; otherwise the current cell stays where it was.
        bool throughCurrentCell = false;
        // None: paint as is. Redraw: no repaint until the row is done. Hide: as a window that hides the
        // grid while it paints and shows it after: the grid is visible afterwards (a grid a failed fill
        // left hidden shows again), without the focus leaving it meanwhile.
        enum class Hold { None, Redraw, Hide } hold = Hold::None;
    };
    // Paints one row's background. A row below 1 or past the last row paints nothing.
    void paintRow(int row, const QColor& colour, const RowPaint& how);
    // No rows or no columns.
    [[nodiscard]] bool isEmpty() const;

    [[nodiscard]] int ColWidth(int col) const;  // twips; 0 hides the column
    void setColWidth(int col, int twipsWidth);  // a negative width puts the default back
    [[nodiscard]] int RowHeight(int row) const;
    void setRowHeight(int row, int twipsHeight);
    [[nodiscard]] int TopRow() const;
    void setTopRow(int row);

    [[nodiscard]] int MouseRow() const { return m_mouseRow; }
    [[nodiscard]] int MouseCol() const { return m_mouseCol; }

    // Clears every cell's text and cell formatting (colour, alignment), as FlexGrid's Clear; the size,
    // the column widths and row heights stay.
    void Clear();
    // Redraw False freezes painting during a fill.
    void setRedraw(bool on);
    [[nodiscard]] bool Redraw() const { return m_redraw; }

    // Default colours: fixed cells grey-ish (BackColorFixed), others white.
    void setBackColorFixed(const QColor& c);
    void setBackColor(const QColor& c);
    [[nodiscard]] QColor BackColorFixed() const { return m_backColorFixed; }
    [[nodiscard]] QColor BackColor() const { return m_backColor; }

    // Where cell (row, col) is painted: the widget (the body's viewport, a header's viewport or the
    // corner) and the cell's rectangle in it. No widget when the cell is off the grid or not laid out
    // (hidden grid, Redraw off, hidden column). For tests that click as a user would.
    struct CellArea {
        QWidget* widget = nullptr;
        QRect rect;
    };
    [[nodiscard]] CellArea cellArea(int row, int col) const;

signals:
    // A click first makes the cell under the mouse current, then Click; a double click raises Click then DblClick.
    void Click();
    void DblClick();
    void RowColChange();

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void hideEvent(QHideEvent* e) override;
    void changeEvent(QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void updateGeometries() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    friend class FlexGridDelegate;
    friend class FlexGridHeader;
    friend class FlexGridCorner;

    void paintCell(QPainter* p, const QRect& rect, int row, int col, bool fixed) const;
    void touched();
    void updateFreeze();
    void applyLayout();
    // FixedRows and FixedCols: 0 or 1, and the grid laid out again unless its redraw is frozen.
    void setFixedCount(int& count, int n);
    void applyColumn(int col);
    void applyRow(int row);
    void applyFixedMetrics();
    void placeCorner();
    void moveCurrent(int row, int col);
    void scrollToCell(int row, int col);
    void pointerPress(int row, int col);
    void pointerRelease();
    void pointerDouble(int row, int col);
    [[nodiscard]] bool frozen() const;
    [[nodiscard]] int defaultColWidth() const;
    [[nodiscard]] int defaultRowHeight() const;

    std::unique_ptr<FlexGridModel> m_model;
    QHeaderView* m_hHeader = nullptr;
    QHeaderView* m_vHeader = nullptr;
    QWidget* m_corner = nullptr;
    bool m_redraw = true;
    bool m_shown = false;
    bool m_repaintQueued = false;
    bool m_pressed = false;
    bool m_afterDouble = false;
    int m_row = 0;
    int m_col = 0;
    int m_pendingTopRow = -1;
    int m_mouseRow = 0;
    int m_mouseCol = 0;
    QColor m_backColor = QColor(255, 255, 255);
    QColor m_backColorFixed = QColor(240, 240, 240);
};

// Holds a grid's redraw off while it is filled (frozen rather than hidden, so the focus stays where it
// is) and, when it goes out of scope, turns redraw on and shows the grid, however the fill ended.
class FrozenWhileFilled {
public:
    explicit FrozenWhileFilled(FlexGrid& grid) : m_grid(grid) { m_grid.setRedraw(false); }
    ~FrozenWhileFilled() {
        m_grid.setRedraw(true);
        m_grid.setVisible(true);
    }
    FrozenWhileFilled(const FrozenWhileFilled&) = delete;
    FrozenWhileFilled& operator=(const FrozenWhileFilled&) = delete;

private:
    FlexGrid& m_grid;
};

}  // namespace ui
