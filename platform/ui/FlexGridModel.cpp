#include "platform/ui/FlexGridModel.h"

#include <algorithm>
#include <utility>

#include "platform/base/Sanitizer.h"
#include "platform/base/VbError.h"

namespace ui {

Qt::Alignment qtAlignment(int flex, const QString& text) {
    switch (flex) {
        case flexAlignLeftTop:
            return Qt::AlignLeft | Qt::AlignTop;
        case flexAlignLeftCenter:
            return Qt::AlignLeft | Qt::AlignVCenter;
        case flexAlignLeftBottom:
            return Qt::AlignLeft | Qt::AlignBottom;
        case flexAlignCenterTop:
            return Qt::AlignHCenter | Qt::AlignTop;
        case flexAlignCenterCenter:
            return Qt::AlignHCenter | Qt::AlignVCenter;
        case flexAlignCenterBottom:
            return Qt::AlignHCenter | Qt::AlignBottom;
        case flexAlignRightTop:
            return Qt::AlignRight | Qt::AlignTop;
        case flexAlignRightCenter:
            return Qt::AlignRight | Qt::AlignVCenter;
        case flexAlignRightBottom:
            return Qt::AlignRight | Qt::AlignBottom;
        default: {
            // General: numbers to the right, text to the left.
            bool number = false;
            (void)text.trimmed().toDouble(&number);
            return (number ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter;
        }
    }
}

void FlexGridModel::checkCell(int r, int c) const {
    if (!inRange(r, c)) vb::raise(vb::errInvalidPropertyIndex);
}

QString FlexGridModel::text(int r, int c) const {
    checkCell(r, c);
    return cell(r, c)->text;
}

namespace {

// Whether the text owns its characters: a QString made by fromRawData only points at someone else's (a
// literal does too, but lives for ever).
bool ownsItsCharacters(const QString& text) { return text.isEmpty() || text.data_ptr().isMutable(); }

// A lent text is written into the buffer the cell already owns when it is large enough: no free and no
// allocation per cell on a refill (not in the sanitizer build: vb::kReuseTextBuffers). A text that owns
// nothing is copied, never kept as it came.
void assignText(QString& cell, const QString& text) {
    if (&cell == &text) return;  // the cell's own text
    if (vb::kReuseTextBuffers && cell.isDetached() && cell.capacity() >= text.size() && !text.isEmpty()) {
        cell.resize(0);
        cell.append(text);
    } else if (ownsItsCharacters(text)) {
        cell = text;
    } else {
        cell = QString(text.constData(), text.size());
    }
}

// A text handed over that owns its characters is taken as it is: it was just made, and copying it would
// touch the old buffer and the new one.
void assignText(QString& cell, QString&& text) {
    if (ownsItsCharacters(text))
        cell = std::move(text);
    else
        assignText(cell, std::as_const(text));
}

}  // namespace

void FlexGridModel::setText(int r, int c, const QString& text) {
    checkCell(r, c);
    assignText(cell(r, c)->text, text);
}

void FlexGridModel::setText(int r, int c, QString&& text) {
    checkCell(r, c);
    assignText(cell(r, c)->text, std::move(text));
}

QColor FlexGridModel::backColor(int r, int c) const {
    checkCell(r, c);
    const FlexGridCell* cl = cell(r, c);
    return cl->hasBack ? QColor::fromRgb(cl->back) : QColor();
}

void FlexGridModel::setBackColor(int r, int c, const QColor& colour) {
    checkCell(r, c);
    FlexGridCell* cl = cell(r, c);
    cl->hasBack = colour.isValid();
    cl->back = colour.isValid() ? colour.rgb() : 0;
}

int FlexGridModel::alignment(int r, int c) const {
    checkCell(r, c);
    const int a = cell(r, c)->align;
    return a < 0 ? flexAlignGeneral : a;
}

void FlexGridModel::setAlignment(int r, int c, int alignment) {
    checkCell(r, c);
    if (alignment < flexAlignLeftTop || alignment > flexAlignGeneral) vb::raise(vb::errInvalidPropertyValue);
    cell(r, c)->align = qint8(alignment);
}

void FlexGridModel::clearCells() {
    for (std::size_t r = 0; r < std::size_t(rows); ++r)
        for (FlexGridCell& c : cells[r]) emptyCell(c);
}

// Nothing shown and no formatting; the text keeps its buffer for the refill that usually follows.
void FlexGridModel::emptyCell(FlexGridCell& c) {
    if (vb::kReuseTextBuffers && c.text.isDetached())
        c.text.resize(0);
    else
        c.text = QString();
    c.back = 0;
    c.hasBack = false;
    c.align = -1;
}

void FlexGridModel::publish() {
    pubFr = effFr();
    pubFc = effFc();
    pubRows = rows - pubFr;
    pubCols = cols - pubFc;
}

FlexGridModel::Change FlexGridModel::resize(int newRows, int newCols) {
    if (newRows == rows && newCols == cols) return Change::None;
    const auto store = [&] {
        // One vector per row: adding a row never moves the others. A row dropped is emptied but keeps its
        // storage, and a later growth takes it back, so a refill allocates no rows again.
        const auto oldRows = std::size_t(rows);
        const auto live = std::size_t(std::min(rows, newRows));
        if (newCols != cols)
            for (std::size_t r = 0; r < live; ++r) cells[r].resize(std::size_t(newCols));
        for (std::size_t r = live; r < oldRows; ++r)
            for (FlexGridCell& c : cells[r]) emptyCell(c);
        for (std::size_t r = oldRows; r < std::size_t(newRows); ++r) {
            if (r < cells.size())
                cells[r].resize(std::size_t(newCols));  // a spare row, already empty
            else
                cells.emplace_back(std::size_t(newCols));
        }
        colWidth.resize(std::size_t(newCols), -1);
        rowHeight.erase(rowHeight.lower_bound(newRows), rowHeight.end());
        rows = newRows;
        cols = newCols;
    };
    if (frozen) {
        store();
        dirty = true;
        return Change::None;
    }
    const int newFr = std::min(fixedRows, newRows);
    const int newFc = std::min(fixedCols, newCols);
    if (newFr != pubFr || newFc != pubFc) {
        beginResetModel();
        store();
        publish();
        endResetModel();
        return Change::Reset;
    }
    store();
    signalCounts(newRows - newFr, newCols - newFc);
    return Change::Incremental;
}

// Tells the view the new scrolling dimensions, rows first, then columns.
void FlexGridModel::signalCounts(int viewRows, int viewCols) {
    if (viewRows > pubRows) {
        beginInsertRows({}, pubRows, viewRows - 1);
        pubRows = viewRows;
        endInsertRows();
    } else if (viewRows < pubRows) {
        beginRemoveRows({}, viewRows, pubRows - 1);
        pubRows = viewRows;
        endRemoveRows();
    }
    if (viewCols > pubCols) {
        beginInsertColumns({}, pubCols, viewCols - 1);
        pubCols = viewCols;
        endInsertColumns();
    } else if (viewCols < pubCols) {
        beginRemoveColumns({}, viewCols, pubCols - 1);
        pubCols = viewCols;
        endRemoveColumns();
    }
}

void FlexGridModel::reset() {
    beginResetModel();
    publish();
    endResetModel();
    dirty = false;
}

QVariant FlexGridModel::data(const QModelIndex& index, int role) const {
    const FlexGridCell* c = index.isValid() ? viewCell(index.row(), index.column()) : nullptr;
    if (!c) return {};
    switch (role) {
        case Qt::DisplayRole:
            return c->text;
        case Qt::BackgroundRole:
            return c->hasBack ? QVariant(QColor::fromRgb(c->back)) : QVariant();
        case Qt::TextAlignmentRole:
            return int(qtAlignment(c->align < 0 ? int(flexAlignGeneral) : int(c->align), c->text));
        default:
            return {};
    }
}

QVariant FlexGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return {};
    const FlexGridCell* c = orientation == Qt::Horizontal ? (pubFr > 0 ? cell(0, section + pubFc) : nullptr)
                                                          : (pubFc > 0 ? cell(section + pubFr, 0) : nullptr);
    return c ? QVariant(c->text) : QVariant();
}

Qt::ItemFlags FlexGridModel::flags(const QModelIndex& index) const {
    return index.isValid() ? Qt::ItemIsEnabled : Qt::NoItemFlags;
}

}  // namespace ui
