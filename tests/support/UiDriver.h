#pragma once
// Driving windows as a user would: find controls by their names, trigger menu entries that must be
// enabled, click grid cells through the window system (press, release, and for a double click the
// second press that the system turns into a double click).
#include <gtest/gtest.h>

#include <QAction>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <vector>

namespace ui {
class DropDownCombo;
class FlexGrid;
}  // namespace ui

namespace testsupport {

// The child of `form` whose objectName is `name`; adds a test failure when there is none.
template <class T = QWidget>
T* control(const QWidget* form, const QString& name) {
    T* found = form ? form->findChild<T*>(name) : nullptr;
    if (!found) ADD_FAILURE() << "no control named " << name.toStdString();
    return found;
}

// The menu entry named `name` (nullptr and a failure when absent).
QAction* action(const QWidget* form, const QString& name);

// Triggers the entry as a click on the menu would: it must exist, be enabled and visible, and sit in an
// enabled menu. Returns whether it ran.
bool triggerAction(const QWidget* form, const QString& name);

// Shows the grid's window when needed, scrolls the cell into view and clicks it with the left button.
// Returns false (with a failure) when the cell cannot be reached.
bool clickCell(ui::FlexGrid* grid, int row, int col);
// A click, then the second press that the window system reports as a double click.
bool doubleClickCell(ui::FlexGrid* grid, int row, int col);

// Two ways to let Qt catch up, kept apart on purpose. settle runs what is queued (zero-delay timers
// included) and then deletes the windows that were unloaded; flushDeletes only deletes them, so no timer
// fires where a test does not expect one.
void settle();
void flushDeletes();

// Opens the combo's list as the user does and picks item `index` in it with the keyboard.
void pickItem(ui::DropDownCombo* box, int index);
// Text as an input method commits it (the way Japanese text arrives); a combo takes it in its edit field.
void commitText(QWidget* box, const QString& text);

// The grid's texts, row by row, fixed rows and columns included.
[[nodiscard]] std::vector<QStringList> gridTexts(const ui::FlexGrid* grid);
// The data row whose column `col` holds `text`; 0 when none.
[[nodiscard]] int rowWith(const ui::FlexGrid* grid, int col, const QString& text,
                          Qt::CaseSensitivity cs = Qt::CaseSensitive);

// The main window's list row of PC `key` (its key in column 1) clicked, then 削除 with its question answered
// Yes and its report OK. Returns whether the command ran (false with a failure when the PC is not listed).
bool deleteFromMainList(const QWidget* main, ui::FlexGrid* list, int key);

// How many standard error boxes (title "警告") the dialog script has recorded.
[[nodiscard]] int stdErrorBoxes();
// The prompts of the message boxes recorded so far, in order.
[[nodiscard]] QStringList msgBoxPrompts();
// The message boxes recorded so far, each as "title|buttons|prompt".
[[nodiscard]] QStringList msgBoxes();

// Saves a picture of the window for a look by eye, to VONDARI_SCREENSHOT or else `fallback`.
void saveScreenshot(QWidget* window, const QString& fallback);

}  // namespace testsupport
