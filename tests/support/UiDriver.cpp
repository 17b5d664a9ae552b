#include "tests/support/UiDriver.h"

#include <QMenu>
#include <QScrollBar>
#include <QTest>
#include <QWindow>

#include "platform/ui/Dialogs.h"
#include "platform/ui/FlexGrid.h"

namespace testsupport {

QAction* action(const QWidget* form, const QString& name) {
    QAction* found = form ? form->findChild<QAction*>(name) : nullptr;
    if (!found) ADD_FAILURE() << "no menu entry named " << name.toStdString();
    return found;
}

bool triggerAction(const QWidget* form, const QString& name) {
    QAction* a = action(form, name);
    if (!a) return false;
    if (!a->isEnabled() || !a->isVisible()) {
        ADD_FAILURE() << "menu entry " << name.toStdString() << " is disabled or hidden";
        return false;
    }
    // A user reaches the entry through its menu, which must be usable too.
    for (QObject* o : a->associatedObjects())
        if (auto* menu = qobject_cast<QMenu*>(o); menu && !menu->menuAction()->isEnabled()) {
            ADD_FAILURE() << "the menu holding " << name.toStdString() << " is disabled";
            return false;
        }
    a->trigger();
    return true;
}

namespace {

// Where to press for the cell, in the coordinates of the grid's top-level window.
bool locate(ui::FlexGrid* grid, int row, int col, QWindow** window, QPoint* pos) {
    if (!grid) {
        ADD_FAILURE() << "no grid";
        return false;
    }
    QWidget* top = grid->window();
    if (!top->isVisible()) top->show();
    if (!QTest::qWaitForWindowExposed(top)) {
        ADD_FAILURE() << "the grid's window was not shown";
        return false;
    }
    if (row < 0 || row >= grid->Rows() || col < 0 || col >= grid->Cols()) {
        ADD_FAILURE() << "cell " << row << ", " << col << " is outside the grid";
        return false;
    }
    // A user scrolls a cell of the body into view first; fixed cells are always in view.
    const int fr = std::min(grid->FixedRows(), grid->Rows());
    const int fc = std::min(grid->FixedCols(), grid->Cols());
    if (row >= fr && col >= fc) grid->scrollTo(grid->model()->index(row - fr, col - fc));
    QCoreApplication::processEvents();
    const ui::FlexGrid::CellArea area = grid->cellArea(row, col);
    if (!area.widget || area.rect.isEmpty()) {
        ADD_FAILURE() << "cell " << row << ", " << col << " is not on screen";
        return false;
    }
    *window = top->windowHandle();
    *pos = area.widget->mapTo(top, area.rect.center());
    return *window != nullptr;
}

}  // namespace

bool clickCell(ui::FlexGrid* grid, int row, int col) {
    QWindow* window = nullptr;
    QPoint pos;
    if (!locate(grid, row, col, &window, &pos)) return false;
    QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier, pos);
    return true;
}

bool doubleClickCell(ui::FlexGrid* grid, int row, int col) {
    QWindow* window = nullptr;
    QPoint pos;
    if (!locate(grid, row, col, &window, &pos)) return false;
    QTest::mouseDClick(window, Qt::LeftButton, Qt::NoModifier, pos);
    return true;
}

void settle() {
    QCoreApplication::processEvents();
    flushDeletes();
}

void flushDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

int stdErrorBoxes() {
    int n = 0;
    for (const auto& s : ui::script::shown())
        if (s.kind == ui::script::Shown::Kind::MsgBox && s.title == QStringLiteral("警告")) ++n;
    return n;
}

}  // namespace testsupport
