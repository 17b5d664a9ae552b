#include "platform/ui/TextBox.h"

#include <QApplication>
#include <QHash>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QPointer>
#include <memory>
#include <optional>

#include "platform/ui/Dialogs.h"

namespace ui {

// ---- keys -----------------------------------------------------------------------------------------

namespace keys {

int keyAsciiOf(const QKeyEvent* e) {
    const Qt::KeyboardModifiers mods = e->modifiers();
    const int key = e->key();
    if ((mods & Qt::ControlModifier) && !(mods & Qt::AltModifier) && key >= Qt::Key_A && key <= Qt::Key_Z)
        return key - Qt::Key_A + 1;
    switch (key) {
        case Qt::Key_Backspace:
            return 8;
        case Qt::Key_Tab:
            return 9;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return 13;
        case Qt::Key_Escape:
            return 27;
        default:
            break;
    }
    const QString text = e->text();
    if (text.isEmpty()) return -1;
    const char32_t c = text.toUcs4().value(0);
    if (c < 0x20 || c == 0x7f) return -1;
    return int(c);
}

}  // namespace keys

namespace {

QString charText(int code) {
    const char32_t c = char32_t(code);
    return QString::fromUcs4(&c, 1);
}

// Runs KeyPress for each character of typed or committed text; the characters it keeps, as it left them.
template <class Box>
QString pressEach(Box* box, const QString& text) {
    QString kept;
    QPointer<Box> alive(box);
    for (const char32_t c : text.toUcs4()) {
        int k = int(c);
        guarded([&] { emit box->KeyPress(k); });
        if (!alive) return {};
        if (k > 0) kept += charText(k);
    }
    return kept;
}

// The key press as KeyPress leaves it: passed on unchanged, replaced by other text, or dropped.
template <class Box, class Insert, class PassOn>
void typedKey(Box* box, QKeyEvent* e, Insert insert, PassOn passOn) {
    const int k = keys::keyAsciiOf(e);
    if (k < 0) {
        passOn(e);
        return;
    }
    QPointer<Box> alive(box);
    if (k < 0x20) {  // a control key: it works as the key it is unless KeyPress changed it
        int changed = k;
        guarded([&] { emit box->KeyPress(changed); });
        if (!alive) return;
        if (changed == k)
            passOn(e);
        else if (changed >= 0x20)
            insert(charText(changed));
        else
            e->accept();
        return;
    }
    const QString text = e->text();
    const QString kept = pressEach(box, text);
    if (!alive) return;
    if (kept == text)
        passOn(e);
    else if (!kept.isEmpty())
        insert(kept);
    else
        e->accept();
}

// Input-method text: each committed character passes KeyPress; the composition itself is untouched.
template <class Box, class PassOn>
void committedText(Box* box, QInputMethodEvent* e, PassOn passOn) {
    const QString commit = e->commitString();
    if (commit.isEmpty()) {
        passOn(e);
        return;
    }
    QPointer<Box> alive(box);
    const QString kept = pressEach(box, commit);
    if (!alive) return;
    if (kept == commit) {
        passOn(e);
        return;
    }
    QInputMethodEvent filtered(e->preeditString(), e->attributes());
    filtered.setCommitString(kept, e->replacementStart(), e->replacementLength());
    passOn(&filtered);
    e->accept();
}

}  // namespace

// ---- text set by the program ----------------------------------------------------------------------

void showSetTextFromStart(QLineEdit* edit) {
    // setText is not virtual, so its change is caught instead: Qt emits textEdited (before textChanged)
    // only for the user's own edits, typed, pasted or undone; any other change is the program's.
    auto typed = std::make_shared<std::optional<QString>>();
    QObject::connect(edit, &QLineEdit::textEdited, edit, [typed](const QString& text) { *typed = text; });
    QObject::connect(edit, &QLineEdit::textChanged, edit, [edit, typed](const QString& text) {
        const bool byUser = typed->has_value() && **typed == text;
        typed->reset();
        if (!byUser) edit->setCursorPosition(0);
    });
}

// ---- TextBox --------------------------------------------------------------------------------------

TextBox::TextBox(QWidget* parent) : QLineEdit(parent) { showSetTextFromStart(this); }

void TextBox::setText(const QString& text) {
    QLineEdit::setText(text);
    setCursorPosition(0);  // the text it held already: Qt moves the cursor to the end without a change
}

void TextBox::keyPressEvent(QKeyEvent* e) {
    typedKey(
        this, e, [this](const QString& t) { insert(t); }, [this](QKeyEvent* ev) { QLineEdit::keyPressEvent(ev); });
}

void TextBox::inputMethodEvent(QInputMethodEvent* e) {
    committedText(this, e, [this](QInputMethodEvent* ev) { QLineEdit::inputMethodEvent(ev); });
}

void TextBox::focusInEvent(QFocusEvent* e) {
    QLineEdit::focusInEvent(e);
    if (focusArrives(this, e->reason())) guarded([this] { emit GotFocus(); });
}

void TextBox::focusOutEvent(QFocusEvent* e) {
    QLineEdit::focusOutEvent(e);
    if (focusLeaves(this, e->reason())) guarded([this] { emit LostFocus(); });
}

void TextBox::raiseLostFocus() { emit LostFocus(); }

// ---- MultiLineTextBox -----------------------------------------------------------------------------

MultiLineTextBox::MultiLineTextBox(QWidget* parent) : QPlainTextEdit(parent) { setTabChangesFocus(true); }

QString MultiLineTextBox::Text() const {
    QString text = toPlainText();
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return text;
}

void MultiLineTextBox::setText(const QString& text) {
    QString lines = text;
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    lines.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    setPlainText(lines);
}

void MultiLineTextBox::keyPressEvent(QKeyEvent* e) {
    typedKey(
        this, e, [this](const QString& t) { insertPlainText(t); },
        [this](QKeyEvent* ev) { QPlainTextEdit::keyPressEvent(ev); });
}

void MultiLineTextBox::inputMethodEvent(QInputMethodEvent* e) {
    committedText(this, e, [this](QInputMethodEvent* ev) { QPlainTextEdit::inputMethodEvent(ev); });
}

void MultiLineTextBox::focusInEvent(QFocusEvent* e) {
    QPlainTextEdit::focusInEvent(e);
    if (focusArrives(this, e->reason())) guarded([this] { emit GotFocus(); });
}

void MultiLineTextBox::focusOutEvent(QFocusEvent* e) {
    QPlainTextEdit::focusOutEvent(e);
    if (focusLeaves(this, e->reason())) guarded([this] { emit LostFocus(); });
}

void MultiLineTextBox::raiseLostFocus() { emit LostFocus(); }

}  // namespace ui
