#include "platform/ui/DropDownCombo.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QVariant>
#include <QWheelEvent>

#include "platform/ui/Dialogs.h"
#include "platform/ui/TextBox.h"

namespace ui {

DropDownCombo::DropDownCombo(QWidget* parent) : QComboBox(parent) {
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr);
    showSetTextFromStart(lineEdit());
    connect(lineEdit(), &QLineEdit::textEdited, this, [this] {
        m_typed = true;
        guarded([this] { emit Change(); });
    });
    connect(this, &QComboBox::activated, this, [this] {
        if (m_typed) return;  // Enter or leaving the box after typing, not a pick from the list
        guarded([this] { emit Click(); });
    });
}

void DropDownCombo::showPopup() {
    m_typed = false;
    guarded([this] { emit DropDown(); });
    QComboBox::showPopup();
}

void DropDownCombo::refill(const std::function<void()>& fill) {
    const QString shown = currentText();
    QSignalBlocker block(this);
    clear();
    try {
        if (fill) fill();
    } catch (...) {
        setText(shown);
        throw;
    }
    setText(shown);
}

void DropDownCombo::addListItem(const QString& text, int itemData) { addItem(text, QVariant(itemData)); }

void DropDownCombo::setText(const QString& text) {
    setCurrentIndex(-1);
    setEditText(text);
    lineEdit()->setCursorPosition(0);  // see TextBox::setText
}

void DropDownCombo::keyPressEvent(QKeyEvent* e) {
    const bool step =
        !(e->modifiers() & Qt::ControlModifier) && (e->key() == Qt::Key_Up || e->key() == Qt::Key_Down ||
                                                    e->key() == Qt::Key_PageUp || e->key() == Qt::Key_PageDown);
    if (step) m_typed = false;
    QComboBox::keyPressEvent(e);
}

void DropDownCombo::wheelEvent(QWheelEvent* e) {
    m_typed = false;
    QComboBox::wheelEvent(e);
}

void DropDownCombo::focusInEvent(QFocusEvent* e) {
    QComboBox::focusInEvent(e);
    if (focusArrives(this, e->reason())) guarded([this] { emit GotFocus(); });
}

void DropDownCombo::focusOutEvent(QFocusEvent* e) {
    QComboBox::focusOutEvent(e);
    if (focusLeaves(this, e->reason())) guarded([this] { emit LostFocus(); });
}

void DropDownCombo::raiseLostFocus() { emit LostFocus(); }

}  // namespace ui
