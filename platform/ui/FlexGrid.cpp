#include "platform/ui/FlexGrid.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QTimer>
#include <algorithm>
#include <vector>

#include "platform/base/VbError.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/Form.h"

namespace ui {

namespace {

[[noreturn]] void badIndex() { vb::raise(vb::errInvalidPropertyIndex); }
[[noreturn]] void badValue() { vb::raise(vb::errInvalidPropertyValue); }

}  // namespace

// ---- painting helpers ---------------------------------------------------------------------------

class FlexGridDelegate : public QStyledItemDelegate {
public:
    explicit FlexGridDelegate(FlexGrid* grid) : QStyledItemDelegate(grid), m_grid(grid) {}
    void paint(QPainter* p, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        const FlexGridModel& m = *m_grid->m_model;
        m_grid->paintCell(p, option.rect, index.row() + m.pubFr, index.column() + m.pubFc, false);
    }

private:
    FlexGrid* m_grid;
};

// The header views show the fixed row and column, so they stay put while the body scrolls.
class FlexGridHeader : public QHeaderView {
public:
    FlexGridHeader(Qt::Orientation o, FlexGrid* grid) : QHeaderView(o, grid), m_grid(grid) {
        setSectionsClickable(false);
        setHighlightSections(false);
        setSectionsMovable(false);
        setSectionResizeMode(QHeaderView::Fixed);
        setMinimumSectionSize(1);
    }

    // The grid fixes the header's thickness, and the table clamps the hint to it: measuring up to 200
    // section texts for the hint would be wasted on every layout of a long grid.
    QSize sizeHint() const override {
        if (orientation() == Qt::Vertical && minimumWidth() == maximumWidth()) return {maximumWidth(), 0};
        if (orientation() == Qt::Horizontal && minimumHeight() == maximumHeight()) return {0, maximumHeight()};
        return QHeaderView::sizeHint();
    }

protected:
    void paintSection(QPainter* p, const QRect& rect, int logical) const override {
        const FlexGridModel& m = *m_grid->m_model;
        if (orientation() == Qt::Horizontal)
            m_grid->paintCell(p, rect, 0, logical + m.pubFc, true);
        else
            m_grid->paintCell(p, rect, logical + m.pubFr, 0, true);
    }

private:
    FlexGrid* m_grid;
};

// Cell (0, 0), over the table's own corner button.
class FlexGridCorner : public QWidget {
public:
    explicit FlexGridCorner(FlexGrid* grid) : QWidget(grid), m_grid(grid) {}

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        m_grid->paintCell(&p, rect(), 0, 0, true);
    }

private:
    FlexGrid* m_grid;
};

void FlexGrid::paintCell(QPainter* p, const QRect& rect, int row, int col, bool fixed) const {
    const FlexGridCell* c = m_model->cell(row, col);
    const QColor back = c && c->hasBack ? QColor::fromRgb(c->back) : (fixed ? m_backColorFixed : m_backColor);
    p->save();
    p->setClipRect(rect);
    p->fillRect(rect, back);
    if (fixed) {
        // Fixed cells carry their own grid lines (the body's come from paintEvent), filled as the body's are.
        const QColor line(128, 128, 128);
        p->fillRect(QRect(rect.right(), rect.top(), 1, rect.height()), line);
        p->fillRect(QRect(rect.left(), rect.bottom(), rect.width(), 1), line);
    }
    if (c && !c->text.isEmpty()) {
        p->setPen(Qt::black);
        const QRect inner = rect.adjusted(2, 1, -3, -2);
        p->drawText(
            inner, int(qtAlignment(c->align < 0 ? int(flexAlignGeneral) : int(c->align), c->text)) | Qt::TextSingleLine,
            c->text);
    }
    if (row == m_row && col == m_col && hasFocus() && !fixed) {
        QPen pen(Qt::black);
        pen.setStyle(Qt::DotLine);
        p->setPen(pen);
        p->drawRect(rect.adjusted(0, 0, -1, -1));
    }
    p->restore();
}

// The grid lines where the table draws them, each filled as a one-pixel rectangle: the table's own lines
// go through a pen, pixel by pixel, at many times the cost.
void FlexGrid::paintEvent(QPaintEvent* e) {
    QTableView::paintEvent(e);
    const QHeaderView* vh = verticalHeader();
    const QHeaderView* hh = horizontalHeader();
    if (vh->count() == 0 || hh->count() == 0) return;
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    const QColor colour = QColor::fromRgba(QRgb(style()->styleHint(QStyle::SH_Table_GridLineColor, &option, this)));
    const bool leftTopLines = style()->styleHint(QStyle::SH_Table_AlwaysDrawLeftTopGridLines, &option, this);
    const int lastX = hh->length() - hh->offset() - 1;
    const int lastY = vh->length() - vh->offset() - 1;
    QPainter p(viewport());
    for (QRect area : e->region()) {
        area.setBottom(std::min(area.bottom(), lastY));
        area.setRight(std::min(area.right(), lastX));
        if (!area.isValid()) continue;
        int left = hh->visualIndexAt(area.left());
        int right = hh->visualIndexAt(area.right());
        if (left == -1) left = 0;
        if (right == -1) right = hh->count() - 1;
        int bottom = vh->visualIndexAt(area.bottom());
        if (bottom == -1) bottom = vh->count() - 1;
        const int top = vh->visualIndexAt(area.top());
        if (top == -1 || top > bottom) continue;
        while (bottom > 0 && vh->isSectionHidden(vh->logicalIndex(bottom))) --bottom;
        for (int v = top; v <= bottom; ++v) {
            const int row = vh->logicalIndex(v);
            if (vh->isSectionHidden(row)) continue;
            p.fillRect(QRect(area.left(), rowViewportPosition(row) + rowHeight(row) - 1, area.width(), 1), colour);
        }
        for (int h = left; h <= right; ++h) {
            const int col = hh->logicalIndex(h);
            if (hh->isSectionHidden(col)) continue;
            p.fillRect(QRect(columnViewportPosition(col) + columnWidth(col) - 1, area.top(), 1, area.height()), colour);
        }
        if (leftTopLines && hh->isHidden() && rowViewportPosition(vh->logicalIndex(top)) == area.top() &&
            !vh->isSectionHidden(vh->logicalIndex(top)))
            p.fillRect(QRect(area.left(), area.top(), area.width(), 1), colour);
        if (leftTopLines && vh->isHidden() && columnViewportPosition(hh->logicalIndex(left)) == area.left() &&
            !hh->isSectionHidden(hh->logicalIndex(left)))
            p.fillRect(QRect(area.left(), area.top(), 1, area.height()), colour);
    }
}

// ---- construction -------------------------------------------------------------------------------

FlexGrid::FlexGrid(QWidget* parent) : QTableView(parent), m_model(std::make_unique<FlexGridModel>()) {
    m_hHeader = new FlexGridHeader(Qt::Horizontal, this);
    m_vHeader = new FlexGridHeader(Qt::Vertical, this);
    setHorizontalHeader(m_hHeader);
    setVerticalHeader(m_vHeader);
    setItemDelegate(new FlexGridDelegate(this));
    setModel(m_model.get());
    setSelectionMode(QAbstractItemView::NoSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTabKeyNavigation(false);
    setAutoScroll(false);
    setCornerButtonEnabled(false);
    setWordWrap(false);
    // The table keeps each grid line's pixel out of the cells, and paintEvent draws the lines.
    setGridStyle(Qt::NoPen);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setFocusPolicy(Qt::StrongFocus);
    m_hHeader->setDefaultSectionSize(px(defaultColWidth()));
    m_vHeader->setDefaultSectionSize(px(defaultRowHeight()));
    m_corner = new FlexGridCorner(this);
    for (QWidget* w : {m_hHeader->viewport(), m_vHeader->viewport(), m_corner}) w->installEventFilter(this);
    // A new grid is the control's default: 2 rows, 2 columns, one fixed of each.
    setRows(2);
    setCols(2);
    m_row = 1;
    m_col = 1;
    applyFixedMetrics();
}

FlexGrid::~FlexGrid() { setModel(nullptr); }

int FlexGrid::defaultColWidth() const { return 960; }
int FlexGrid::defaultRowHeight() const { return twips(std::max(17, fontMetrics().height() + 4)); }

// ---- freezing -----------------------------------------------------------------------------------

bool FlexGrid::frozen() const { return m_model->frozen; }

void FlexGrid::updateFreeze() {
    const bool want = !m_redraw || !m_shown;
    if (want == m_model->frozen) return;
    if (want) {
        m_model->frozen = true;
        return;
    }
    m_model->frozen = false;
    if (m_model->dirty) {
        const int vScroll = verticalScrollBar()->value();
        const int hScroll = horizontalScrollBar()->value();
        m_model->reset();
        applyLayout();
        QTableView::updateGeometries();
        verticalScrollBar()->setValue(vScroll);
        horizontalScrollBar()->setValue(hScroll);
    }
    if (m_pendingTopRow >= 0) {
        const int top = m_pendingTopRow;
        m_pendingTopRow = -1;
        setTopRow(std::clamp(top, m_model->pubFr, std::max(m_model->pubFr, m_model->rows - 1)));
    }
    placeCorner();
    touched();
}

void FlexGrid::setRedraw(bool on) {
    if (m_redraw == on) return;
    m_redraw = on;
    setUpdatesEnabled(on);
    updateFreeze();
}

void FlexGrid::showEvent(QShowEvent* e) {
    QTableView::showEvent(e);
    m_shown = true;
    updateFreeze();
}

void FlexGrid::hideEvent(QHideEvent* e) {
    QTableView::hideEvent(e);
    if (e->spontaneous()) return;  // minimised: the grid is still there
    m_shown = false;
    updateFreeze();
}

void FlexGrid::changeEvent(QEvent* e) {
    QTableView::changeEvent(e);
    // The standard row height follows the font.
    if (e->type() == QEvent::FontChange) m_vHeader->setDefaultSectionSize(px(defaultRowHeight()));
}

// One repaint for any number of cell changes.
void FlexGrid::touched() {
    if (frozen() || m_repaintQueued) return;
    m_repaintQueued = true;
    QTimer::singleShot(0, this, [this] {
        m_repaintQueued = false;
        viewport()->update();
        m_hHeader->viewport()->update();
        m_vHeader->viewport()->update();
        m_corner->update();
    });
}

// ---- layout -------------------------------------------------------------------------------------

void FlexGrid::applyFixedMetrics() {
    const FlexGridModel& m = *m_model;
    const int headerHeight = m.pubFr > 0 ? px(RowHeight(0)) : 0;
    const int headerWidth = m.pubFc > 0 ? px(ColWidth(0)) : 0;
    m_hHeader->setFixedHeight(std::max(0, headerHeight));
    m_hHeader->setVisible(headerHeight > 0);
    m_vHeader->setFixedWidth(std::max(0, headerWidth));
    m_vHeader->setVisible(headerWidth > 0);
    placeCorner();
}

void FlexGrid::applyColumn(int col) {
    const FlexGridModel& m = *m_model;
    if (col < m.pubFc) {
        applyFixedMetrics();
        return;
    }
    const int section = col - m.pubFc;
    if (section >= m.pubCols) return;
    const int w = px(ColWidth(col));
    if (w <= 0) {
        m_hHeader->setSectionHidden(section, true);
    } else {
        if (m_hHeader->isSectionHidden(section)) m_hHeader->setSectionHidden(section, false);
        m_hHeader->resizeSection(section, w);
    }
}

void FlexGrid::applyRow(int row) {
    const FlexGridModel& m = *m_model;
    if (row < m.pubFr) {
        applyFixedMetrics();
        return;
    }
    const int section = row - m.pubFr;
    if (section >= m.pubRows) return;
    const int h = px(RowHeight(row));
    if (h <= 0) {
        m_vHeader->setSectionHidden(section, true);
    } else {
        if (m_vHeader->isSectionHidden(section)) m_vHeader->setSectionHidden(section, false);
        m_vHeader->resizeSection(section, h);
    }
}

// After a reset every section has the default size again: put the set ones back.
void FlexGrid::applyLayout() {
    const FlexGridModel& m = *m_model;
    m_vHeader->setDefaultSectionSize(px(defaultRowHeight()));  // the font may have changed
    applyFixedMetrics();
    for (int c = m.pubFc; c < m.cols; ++c)
        if (m.colWidth[std::size_t(c)] >= 0) applyColumn(c);
    for (const auto& [row, height] : m.rowHeight) {
        (void)height;
        applyRow(row);
    }
}

void FlexGrid::updateGeometries() {
    QTableView::updateGeometries();
    placeCorner();
}

void FlexGrid::placeCorner() {
    if (!m_corner) return;
    if (m_hHeader->isVisibleTo(this) && m_vHeader->isVisibleTo(this)) {
        m_corner->setGeometry(m_vHeader->x(), m_hHeader->y(), m_vHeader->width(), m_hHeader->height());
        m_corner->show();
        m_corner->raise();
    } else {
        m_corner->hide();
    }
}

// ---- size ---------------------------------------------------------------------------------------

int FlexGrid::Rows() const { return m_model->rows; }
int FlexGrid::Cols() const { return m_model->cols; }
int FlexGrid::FixedRows() const { return m_model->fixedRows; }
int FlexGrid::FixedCols() const { return m_model->fixedCols; }

void FlexGrid::setRows(int rows) {
    if (rows < 0) badValue();
    const auto change = m_model->resize(rows, m_model->cols);
    if (m_row >= rows) m_row = std::max(0, rows - 1);
    if (change == FlexGridModel::Change::Reset) applyLayout();
    if (change != FlexGridModel::Change::None) applyFixedMetrics();
    touched();
}

void FlexGrid::setCols(int cols) {
    if (cols < 0) badValue();
    const int before = m_model->pubCols + m_model->pubFc;
    const auto change = m_model->resize(m_model->rows, cols);
    if (m_col >= cols) m_col = std::max(0, cols - 1);
    if (change == FlexGridModel::Change::Reset) {
        applyLayout();
    } else if (change == FlexGridModel::Change::Incremental) {
        for (int c = before; c < cols; ++c)
            if (m_model->colWidth[std::size_t(c)] >= 0) applyColumn(c);
        applyFixedMetrics();
    }
    touched();
}

void FlexGrid::setFixedRows(int n) { setFixedCount(m_model->fixedRows, n); }

void FlexGrid::setFixedCols(int n) { setFixedCount(m_model->fixedCols, n); }

void FlexGrid::setFixedCount(int& count, int n) {
    if (n < 0 || n > 1) badValue();
    if (n == count) return;
    count = n;
    if (frozen()) {
        m_model->dirty = true;
        return;
    }
    m_model->reset();
    applyLayout();
    touched();
}

// ---- cells --------------------------------------------------------------------------------------

QString FlexGrid::TextMatrix(int row, int col) const { return m_model->text(row, col); }

void FlexGrid::setTextMatrix(int row, int col, const QString& text) {
    m_model->setText(row, col, text);
    touched();
}

void FlexGrid::setTextMatrix(int row, int col, QString&& text) {
    m_model->setText(row, col, std::move(text));
    touched();
}

QColor FlexGrid::cellBackColorAt(int row, int col) const {
    const QColor given = m_model->backColor(row, col);
    if (given.isValid()) return given;
    return m_model->isFixed(row, col) ? m_backColorFixed : m_backColor;
}

void FlexGrid::setCellBackColorAt(int row, int col, const QColor& color) {
    m_model->setBackColor(row, col, color);
    touched();
}

int FlexGrid::cellAlignmentAt(int row, int col) const { return m_model->alignment(row, col); }

void FlexGrid::setCellAlignmentAt(int row, int col, int alignment) {
    m_model->setAlignment(row, col, alignment);
    touched();
}

// The current cell: outside the grid it reads as nothing and takes no writes. A grid without rows
// (columns) has no current row (column): it reads 0, so a "row is not 0" guard cannot pass on a row
// that is gone.
int FlexGrid::Row() const { return m_model->rows > 0 ? m_row : 0; }
int FlexGrid::Col() const { return m_model->cols > 0 ? m_col : 0; }

void FlexGrid::setRow(int row) {
    if (row < 0) badIndex();
    moveCurrent(row, m_col);
}

void FlexGrid::setCol(int col) {
    if (col < 0) badIndex();
    moveCurrent(m_row, col);
}

QString FlexGrid::Text() const {
    const FlexGridCell* c = m_model->cell(m_row, m_col);
    return c ? c->text : QString();
}

void FlexGrid::setText(const QString& text) {
    if (m_model->inRange(m_row, m_col)) setTextMatrix(m_row, m_col, text);
}

QColor FlexGrid::CellBackColor() const {
    return m_model->inRange(m_row, m_col) ? cellBackColorAt(m_row, m_col) : m_backColor;
}

void FlexGrid::setCellBackColor(const QColor& c) {
    if (m_model->inRange(m_row, m_col)) setCellBackColorAt(m_row, m_col, c);
}

int FlexGrid::CellAlignment() const {
    return m_model->inRange(m_row, m_col) ? cellAlignmentAt(m_row, m_col) : int(flexAlignGeneral);
}

void FlexGrid::setCellAlignment(int alignment) {
    if (alignment < flexAlignLeftTop || alignment > flexAlignGeneral) badValue();
    if (m_model->inRange(m_row, m_col)) setCellAlignmentAt(m_row, m_col, alignment);
}

void FlexGrid::paintRow(int row, const QColor& colour, const RowPaint& how) {
    if (row < 1 || row >= m_model->rows) return;
    const bool redrawBefore = m_redraw;
    if (how.hold != RowPaint::Hold::None) setRedraw(false);
    for (int c = std::max(0, how.firstCol); c < m_model->cols; ++c) {
        if (how.throughCurrentCell) {
            setCol(c);
            setRow(row);
            setCellBackColor(colour);
        } else {
            setCellBackColorAt(row, c, colour);
        }
    }
    if (how.hold != RowPaint::Hold::None) setRedraw(redrawBefore);
    if (how.hold == RowPaint::Hold::Hide) setVisible(true);
}

void FlexGrid::Clear() {
    m_model->clearCells();
    touched();
}

void FlexGrid::setBackColorFixed(const QColor& c) {
    m_backColorFixed = c;
    touched();
}

void FlexGrid::setBackColor(const QColor& c) {
    m_backColor = c;
    touched();
}

// ---- widths, heights, scrolling -----------------------------------------------------------------

int FlexGrid::ColWidth(int col) const {
    if (col < 0 || col >= m_model->cols) badIndex();
    const int w = m_model->colWidth[std::size_t(col)];
    return w < 0 ? defaultColWidth() : w;
}

void FlexGrid::setColWidth(int col, int twipsWidth) {
    if (col < 0 || col >= m_model->cols) badIndex();
    m_model->colWidth[std::size_t(col)] = twipsWidth < 0 ? -1 : twipsWidth;
    if (frozen())
        m_model->dirty = true;
    else
        applyColumn(col);
}

int FlexGrid::RowHeight(int row) const {
    if (row < 0 || row >= m_model->rows) badIndex();
    const auto it = m_model->rowHeight.find(row);
    return it == m_model->rowHeight.end() ? defaultRowHeight() : it->second;
}

void FlexGrid::setRowHeight(int row, int twipsHeight) {
    if (row < 0 || row >= m_model->rows) badIndex();
    if (twipsHeight < 0)
        m_model->rowHeight.erase(row);
    else
        m_model->rowHeight[row] = twipsHeight;
    if (frozen())
        m_model->dirty = true;
    else
        applyRow(row);
}

int FlexGrid::TopRow() const {
    const FlexGridModel& m = *m_model;
    if (frozen() || m.pubRows == 0) return m_pendingTopRow >= 0 ? m_pendingTopRow : m.effFr();
    const int first = rowAt(0);
    return (first < 0 ? 0 : first) + m.pubFr;
}

void FlexGrid::setTopRow(int row) {
    const FlexGridModel& m = *m_model;
    if (row < m.effFr() || row >= std::max(m.rows, m.effFr() + 1)) badIndex();
    if (frozen() || m.dirty) {
        m_pendingTopRow = row;
        return;
    }
    verticalScrollBar()->setValue(row - m.pubFr);
}

void FlexGrid::scrollToCell(int row, int col) {
    const FlexGridModel& m = *m_model;
    if (frozen() || row < m.pubFr || col < m.pubFc) return;
    const QModelIndex index = m.index(row - m.pubFr, col - m.pubFc);
    if (index.isValid()) scrollTo(index);
}

FlexGrid::CellArea FlexGrid::cellArea(int row, int col) const {
    const FlexGridModel& m = *m_model;
    CellArea area;
    if (frozen() || !m.inRange(row, col)) return area;
    const bool fixedRow = row < m.pubFr;
    const bool fixedCol = col < m.pubFc;
    if (fixedRow && fixedCol) {
        if (m_corner->isVisible()) area = {m_corner, m_corner->rect()};
    } else if (fixedRow) {
        const int section = col - m.pubFc;
        if (m_hHeader->isVisible() && !m_hHeader->isSectionHidden(section))
            area = {m_hHeader->viewport(), QRect(m_hHeader->sectionViewportPosition(section), 0,
                                                 m_hHeader->sectionSize(section), m_hHeader->height())};
    } else if (fixedCol) {
        const int section = row - m.pubFr;
        if (m_vHeader->isVisible() && !m_vHeader->isSectionHidden(section))
            area = {m_vHeader->viewport(), QRect(0, m_vHeader->sectionViewportPosition(section), m_vHeader->width(),
                                                 m_vHeader->sectionSize(section))};
    } else {
        const QRect r = visualRect(m.index(row - m.pubFr, col - m.pubFc));
        if (r.isValid() && !r.isEmpty()) area = {viewport(), r};
    }
    return area;
}

// ---- the current cell and the pointer -----------------------------------------------------------

void FlexGrid::moveCurrent(int row, int col) {
    if (row == m_row && col == m_col) return;
    m_row = row;
    m_col = col;
    if (hasFocus()) touched();  // the focus rectangle moves
    guarded([this] { emit RowColChange(); });
}

void FlexGrid::pointerPress(int row, int col) {
    if (row >= 0 && col >= 0) {
        m_mouseRow = row;
        m_mouseCol = col;
        moveCurrent(row, col);
    }
    m_pressed = true;
    setFocus(Qt::MouseFocusReason);
}

bool FlexGrid::isEmpty() const { return m_model->rows == 0 || m_model->cols == 0; }

void FlexGrid::pointerRelease() {
    if (!m_pressed) return;
    m_pressed = false;
    if (m_afterDouble) {  // the release that ends a double click raises no second Click
        m_afterDouble = false;
        return;
    }
    // An emptied grid has no cell to act on: its handlers would read a row that is gone.
    if (isEmpty()) return;
    guarded([this] { emit Click(); });
}

void FlexGrid::pointerDouble(int row, int col) {
    pointerPress(row, col);
    m_afterDouble = true;
    if (isEmpty()) return;
    guarded([this] { emit DblClick(); });
}

namespace {
struct Hit {
    int row = -1;
    int col = -1;
};
}  // namespace

static Hit bodyHit(const FlexGrid* grid, const FlexGridModel& m, const QPoint& pos) {
    const int vr = grid->rowAt(pos.y());
    const int vc = grid->columnAt(pos.x());
    if (vr < 0 || vc < 0) return {};
    return {vr + m.pubFr, vc + m.pubFc};
}

void FlexGrid::mousePressEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton) {
        e->accept();
        return;
    }
    const Hit h = bodyHit(this, *m_model, e->position().toPoint());
    pointerPress(h.row, h.col);
    e->accept();
}

void FlexGrid::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton) pointerRelease();
    e->accept();
}

void FlexGrid::mouseDoubleClickEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton) {
        e->accept();
        return;
    }
    const Hit h = bodyHit(this, *m_model, e->position().toPoint());
    pointerDouble(h.row, h.col);
    e->accept();
}

// No drag selection: the current cell moves on press only.
void FlexGrid::mouseMoveEvent(QMouseEvent* e) { e->accept(); }

bool FlexGrid::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonRelease && type != QEvent::MouseButtonDblClick &&
        type != QEvent::MouseMove)
        return QTableView::eventFilter(watched, event);
    auto* me = static_cast<QMouseEvent*>(event);
    if (type == QEvent::MouseMove || me->button() != Qt::LeftButton) return true;
    const FlexGridModel& m = *m_model;
    const QPoint pos = me->position().toPoint();
    Hit h;
    if (watched == m_corner) {
        h = {0, 0};
    } else if (watched == m_hHeader->viewport()) {
        const int section = m_hHeader->logicalIndexAt(pos.x());
        if (section >= 0) h = {0, section + m.pubFc};
    } else if (watched == m_vHeader->viewport()) {
        const int section = m_vHeader->logicalIndexAt(pos.y());
        if (section >= 0) h = {section + m.pubFr, 0};
    }
    if (type == QEvent::MouseButtonPress)
        pointerPress(h.row, h.col);
    else if (type == QEvent::MouseButtonDblClick)
        pointerDouble(h.row, h.col);
    else
        pointerRelease();
    return true;
}

void FlexGrid::keyPressEvent(QKeyEvent* e) {
    const FlexGridModel& m = *m_model;
    const int firstRow = m.effFr();
    const int firstCol = m.effFc();
    const int lastRow = m.rows - 1;
    const int lastCol = m.cols - 1;
    if (lastRow < firstRow || lastCol < firstCol) {
        e->ignore();
        return;
    }
    int row = std::clamp(m_row, firstRow, lastRow);
    int col = std::clamp(m_col, firstCol, lastCol);
    const bool ctrl = e->modifiers() & Qt::ControlModifier;
    const int page = std::max(1, viewport()->height() / std::max(1, px(defaultRowHeight())) - 1);
    switch (e->key()) {
        case Qt::Key_Up:
            row = std::max(firstRow, row - 1);
            break;
        case Qt::Key_Down:
            row = std::min(lastRow, row + 1);
            break;
        case Qt::Key_Left:
            col = std::max(firstCol, col - 1);
            break;
        case Qt::Key_Right:
            col = std::min(lastCol, col + 1);
            break;
        case Qt::Key_PageUp:
            row = std::max(firstRow, row - page);
            break;
        case Qt::Key_PageDown:
            row = std::min(lastRow, row + page);
            break;
        case Qt::Key_Home:
            col = firstCol;
            if (ctrl) row = firstRow;
            break;
        case Qt::Key_End:
            col = lastCol;
            if (ctrl) row = lastRow;
            break;
        default:
            e->ignore();
            return;
    }
    moveCurrent(row, col);
    scrollToCell(row, col);
    e->accept();
}

void FlexGrid::focusInEvent(QFocusEvent* e) {
    QTableView::focusInEvent(e);
    touched();
}

void FlexGrid::focusOutEvent(QFocusEvent* e) {
    QTableView::focusOutEvent(e);
    touched();
}

}  // namespace ui
