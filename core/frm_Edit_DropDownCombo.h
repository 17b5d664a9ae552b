#pragma once
// An editable combo box with VB's combo events: DropDown runs each time the list is about to open (the
// editors refill it from the database then), Click only when the user picks an item from the list.
// Text typed into the box picks nothing: Qt's combo would take typed text that matches an item as a
// pick when Enter is pressed or the focus leaves; here that counts as typing, and Change reports it.
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QString>
#include <QVariant>
#include <QWheelEvent>
#include <functional>

#include "platform/ui/Dialogs.h"

class DropDownCombo : public QComboBox {
public:
    explicit DropDownCombo(QWidget* parent = nullptr) : QComboBox(parent) {
        setEditable(true);
        setInsertPolicy(QComboBox::NoInsert);
        setCompleter(nullptr);
        connect(lineEdit(), &QLineEdit::textEdited, this, [this] {
            m_typed = true;
            if (Change) ui::guarded(Change);
        });
        connect(this, &QComboBox::activated, this, [this] {
            if (m_typed) return;  // Enter or leaving the box after typing, not a pick from the list
            if (Click) ui::guarded(Click);
        });
    }

    std::function<void()> DropDown;  // the list is about to open
    std::function<void()> Click;     // an item was picked from the list
    std::function<void()> Change;    // the user typed into the box

    void showPopup() override {
        m_typed = false;
        if (DropDown) ui::guarded(DropDown);
        QComboBox::showPopup();
    }

    // Empties the list and refills it through `fill`, keeping the text shown in the box: a Qt combo
    // makes the first item added current and shows its text, VB's leaves the text alone.
    void refill(const std::function<void()>& fill) {
        const QString shown = currentText();
        QSignalBlocker block(this);
        clear();
        try {
            if (fill) fill();
        } catch (...) {
            setCurrentIndex(-1);
            setEditText(shown);
            throw;
        }
        setCurrentIndex(-1);
        setEditText(shown);
    }
    void addListItem(const QString& text, int itemData) { addItem(text, QVariant(itemData)); }

protected:
    // Stepping through the list with the arrow keys or the wheel picks the item it shows, even after
    // typing (VB raises Click then too); otherwise the box would show an item the row does not take.
    void keyPressEvent(QKeyEvent* e) override {
        const bool step =
            !(e->modifiers() & Qt::ControlModifier) && (e->key() == Qt::Key_Up || e->key() == Qt::Key_Down ||
                                                        e->key() == Qt::Key_PageUp || e->key() == Qt::Key_PageDown);
        if (step) m_typed = false;
        QComboBox::keyPressEvent(e);
    }
    void wheelEvent(QWheelEvent* e) override {
        m_typed = false;
        QComboBox::wheelEvent(e);
    }

private:
    bool m_typed = false;
};
