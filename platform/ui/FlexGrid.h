#pragma once
// FlexGrid's model over a QTableView: the fixed row 0 and column 0 are ordinary addressable cells
// that stay in place when the grid scrolls (shown in the header views). Rows and columns count the
// fixed ones; Row/Col is the current cell; CellBackColor/CellAlignment/Text act on the current cell.
#include <QColor>
#include <QString>
#include <QTableView>
#include <memory>

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

class FlexGridModel;

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

    [[nodiscard]] int Row() const;
    [[nodiscard]] int Col() const;
    void setRow(int row);
    void setCol(int col);
    [[nodiscard]] QString Text() const;  // current cell
    void setText(const QString& text);
    [[nodiscard]] QColor CellBackColor() const;
    void setCellBackColor(const QColor& c);
    [[nodiscard]] int CellAlignment() const;
    void setCellAlignment(int alignment);

    // Direct cell access, without moving the current cell.
    [[nodiscard]] QColor cellBackColor(int row, int col) const;
    void setCellBackColor(int row, int col, const QColor& c);
    [[nodiscard]] int cellAlignment(int row, int col) const;
    void setCellAlignment(int row, int col, int alignment);

    [[nodiscard]] int ColWidth(int col) const;  // twips; 0 hides the column
    void setColWidth(int col, int twipsWidth);
    [[nodiscard]] int RowHeight(int row) const;
    void setRowHeight(int row, int twipsHeight);
    [[nodiscard]] int TopRow() const;
    void setTopRow(int row);

    [[nodiscard]] int MouseRow() const { return m_mouseRow; }
    [[nodiscard]] int MouseCol() const { return m_mouseCol; }

    // Clears every cell's text (the size stays), as FlexGrid's Clear.
    void Clear();
    // Redraw False freezes painting during a fill.
    void setRedraw(bool on);
    [[nodiscard]] bool Redraw() const { return m_redraw; }

    // Default colours: fixed cells grey-ish (BackColorFixed), others white.
    void setBackColorFixed(const QColor& c);
    void setBackColor(const QColor& c);

signals:
    // A click first makes the cell under the mouse current, then Click; a double click raises Click then DblClick.
    void Click();
    void DblClick();
    void RowColChange();

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    std::unique_ptr<FlexGridModel> m_model;
    bool m_redraw = true;
    int m_mouseRow = 0;
    int m_mouseCol = 0;
};

}  // namespace ui
