#pragma once
// An editable combo box with VB's combo events: DropDown runs each time the list is about to open (the
// windows refill it from the database then), Click only when the user picks an item from the list.
// Text typed into the box picks nothing: Qt's combo would take typed text that matches an item as a
// pick when Enter is pressed or the focus leaves; here that counts as typing, and Change reports it.
// GotFocus/LostFocus follow FocusEvents.h: a message box, a menu, its own list or
// another window taking the focus raises neither.
#include <QComboBox>
#include <QString>
#include <functional>

#include "platform/ui/FocusEvents.h"

namespace ui {

class DropDownCombo : public QComboBox, public FocusEvents {
    Q_OBJECT
public:
    explicit DropDownCombo(QWidget* parent = nullptr);

    void showPopup() override;

    // Empties the list and refills it through `fill`, keeping the text shown in the box: a Qt combo
    // makes the first item added current and shows its text, VB's leaves the text alone.
    void refill(const std::function<void()>& fill);
    void addListItem(const QString& text, int itemData);
    // The text in the box, set as VB's Text property sets it: no item is chosen by it.
    void setText(const QString& text);

signals:
    void DropDown();  // the list is about to open
    void Click();     // an item was picked from the list
    void Change();    // the user typed into the box
    void GotFocus();
    void LostFocus();

protected:
    // Stepping through the list with the arrow keys or the wheel picks the item it shows, even after
    // typing (VB raises Click then too); otherwise the box would show an item the row does not take.
    void keyPressEvent(QKeyEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void raiseLostFocus() override;

private:
    bool m_typed = false;
};

}  // namespace ui
