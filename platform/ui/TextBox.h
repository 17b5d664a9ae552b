#pragma once
// Text boxes with VB's events.
//
// GotFocus/LostFocus: see FocusEvents.h.
//
// KeyPress(int& KeyAscii) sees every typed character before the box takes it: printable characters as
// their Unicode code point, input-method text one character at a time, Backspace 8, Enter 13, Esc 27 and
// Ctrl+letter 1..26 (Ctrl+C 3, Ctrl+X 24, Ctrl+V 22). Setting KeyAscii to 0 drops the key, to another
// character types that one instead. Keys that type nothing (arrows, Delete, Home, function keys) never
// reach it, and neither does text pasted through the context menu.
//
// Text the program sets shows from its first character (the cursor goes to 0), however it is set.
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QString>

#include "platform/ui/FocusEvents.h"

namespace ui {

// Makes `edit` show text the program sets from its first character, as the boxes the windows were made
// with do: Qt leaves the cursor at the end, and a box narrower than its text then shows only its end.
// It holds for every change of the text not made by the user, however it is made; text the user types,
// pastes or undoes keeps the cursor where that left it. Setting the text the box already holds changes
// nothing Qt reports, so only TextBox::setText and DropDownCombo::setText bring the cursor back then.
void showSetTextFromStart(QLineEdit* edit);

class TextBox : public QLineEdit, public FocusEvents {
    Q_OBJECT
public:
    explicit TextBox(QWidget* parent = nullptr);

    // QLineEdit's, with the cursor at 0 also when the text is the one the box holds.
    void setText(const QString& text);

signals:
    void GotFocus();
    void LostFocus();
    void KeyPress(int& KeyAscii);

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void inputMethodEvent(QInputMethodEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void raiseLostFocus() override;
};

// A multi-line text box. Text() gives the lines joined by CR LF, as the ledger stores them; setText takes
// CR LF (a lone CR or LF also breaks the line).
class MultiLineTextBox : public QPlainTextEdit, public FocusEvents {
    Q_OBJECT
public:
    explicit MultiLineTextBox(QWidget* parent = nullptr);

    [[nodiscard]] QString Text() const;
    void setText(const QString& text);

signals:
    void GotFocus();
    void LostFocus();
    void KeyPress(int& KeyAscii);

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void inputMethodEvent(QInputMethodEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void raiseLostFocus() override;
};

namespace keys {
// The KeyAscii a key press gives, or -1 when it types nothing (the box handles it without KeyPress).
[[nodiscard]] int keyAsciiOf(const QKeyEvent* e);
}  // namespace keys

}  // namespace ui
