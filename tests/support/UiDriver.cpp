#include "tests/support/UiDriver.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPixmap>
#include <QScrollBar>
#include <QTest>
#include <QWindow>

#include "platform/ui/Dialogs.h"
#include "platform/ui/DropDownCombo.h"
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

void pickItem(ui::DropDownCombo* box, int index) {
    box->showPopup();
    ASSERT_LT(index, box->count());
    QAbstractItemView* list = box->view();
    list->setCurrentIndex(box->model()->index(index, 0));
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_EQ(box->currentIndex(), index);
}

void commitText(QWidget* box, const QString& text) {
    if (auto* combo = qobject_cast<QComboBox*>(box)) box = combo->lineEdit();
    QInputMethodEvent commit;
    commit.setCommitString(text);
    QCoreApplication::sendEvent(box, &commit);
}

std::vector<QStringList> gridTexts(const ui::FlexGrid* grid) {
    std::vector<QStringList> rows;
    for (int r = 0; r < grid->Rows(); ++r) {
        QStringList row;
        for (int c = 0; c < grid->Cols(); ++c) row << grid->TextMatrix(r, c);
        rows.push_back(row);
    }
    return rows;
}

int rowWith(const ui::FlexGrid* grid, int col, const QString& text, Qt::CaseSensitivity cs) {
    for (int r = 1; r < grid->Rows(); ++r)
        if (grid->TextMatrix(r, col).compare(text, cs) == 0) return r;
    return 0;
}

bool deleteFromMainList(const QWidget* main, ui::FlexGrid* list, int key) {
    const int row = rowWith(list, 1, QString::number(key));
    if (row == 0) {
        ADD_FAILURE() << "PC " << key << " is not in the main list";
        return false;
    }
    if (!clickCell(list, row, 2)) return false;
    settle();
    ui::script::answerMsgBox(ui::vbYes);
    ui::script::answerMsgBox(ui::vbOK);
    return triggerAction(main, "Mnu_Delete");
}

int stdErrorBoxes() {
    int n = 0;
    for (const auto& s : ui::script::shown())
        if (s.kind == ui::script::Shown::Kind::MsgBox && s.title == QStringLiteral("警告")) ++n;
    return n;
}

QStringList msgBoxPrompts() {
    QStringList prompts;
    for (const auto& s : ui::script::shown())
        if (s.kind == ui::script::Shown::Kind::MsgBox) prompts << s.prompt;
    return prompts;
}

QStringList msgBoxes() {
    QStringList out;
    for (const auto& s : ui::script::shown())
        if (s.kind == ui::script::Shown::Kind::MsgBox)
            out << QString("%1|%2|%3").arg(s.title).arg(s.buttons).arg(s.prompt);
    return out;
}

void saveScreenshot(QWidget* window, const QString& fallback) {
    const QString path =
        qEnvironmentVariableIsSet("VONDARI_SCREENSHOT") ? qEnvironmentVariable("VONDARI_SCREENSHOT") : fallback;
    const QPixmap shot = window->grab();
    ASSERT_FALSE(shot.isNull());
    EXPECT_TRUE(shot.save(path));
}

}  // namespace testsupport
