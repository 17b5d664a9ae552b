// Text boxes: GotFocus/LostFocus only for focus moves inside the window, KeyPress for every typed or
// committed character, and the multi-line box's CR LF text.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "platform/ui/Events.h"
#include "platform/ui/Form.h"
#include "platform/ui/TextBox.h"
#include "tests/support/AppFolder.h"

namespace {

// The reasons of the focus events a widget gets.
struct FocusReasons : QObject {
    explicit FocusReasons(QWidget* w) { w->installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::FocusIn || e->type() == QEvent::FocusOut)
            seen << static_cast<QFocusEvent*>(e)->reason();
        return false;
    }
    QList<Qt::FocusReason> seen;
};

// A shown window with two boxes and a button; every event of the boxes is written down in order.
class TextBoxWindow : public ::testing::Test {
protected:
    void SetUp() override {
        testsupport::armDialogScript();
        m_form = new ui::Form("frm_TextBoxTest");
        m_form->setClientSize(6000, 3000);
        a = m_form->place(new ui::TextBox, "tbx_A", 120, 120, 2000, 300);
        b = m_form->place(new ui::TextBox, "tbx_B", 120, 600, 2000, 300);
        button = m_form->place(new QPushButton("OK"), "cmd_OK", 120, 1200, 1000, 300);
        record(a, "a");
        record(b, "b");
        m_form->Show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(m_form));
        a->setFocus(Qt::OtherFocusReason);
        QCoreApplication::processEvents();
        events.clear();
    }
    void TearDown() override {
        delete m_other;
        delete m_form;
        testsupport::checkDialogScript();
        ui::script::enable(false);
    }

    void record(ui::TextBox* box, const QString& name) {
        ui::bind(box, &ui::TextBox::GotFocus, m_form, [this, name] { events << name + ".GotFocus"; });
        ui::bind(box, &ui::TextBox::LostFocus, m_form, [this, name] { events << name + ".LostFocus"; });
    }

    // Another window takes the focus, as a message box does, and gives it back when it closes.
    void otherWindowComesAndGoes(const std::function<void()>& whileAway = {}) {
        m_other = new QWidget;
        m_other->setWindowTitle("警告");
        m_other->show();
        m_other->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(m_other));
        if (whileAway) whileAway();
        delete m_other;
        m_other = nullptr;
        m_form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(m_form));
        QCoreApplication::processEvents();
    }

    [[nodiscard]] std::string log() const { return events.join(' ').toStdString(); }

    ui::Form* m_form = nullptr;
    QWidget* m_other = nullptr;
    ui::TextBox* a = nullptr;
    ui::TextBox* b = nullptr;
    QPushButton* button = nullptr;
    QStringList events;
};

TEST_F(TextBoxWindow, FocusEventsFollowMovesInsideTheWindowOnly) {
    ASSERT_TRUE(a->hasFocus());

    // A click on the other box, then Tab back: one LostFocus and one GotFocus each, in that order.
    QTest::mouseClick(b, Qt::LeftButton);
    EXPECT_EQ(log(), "a.LostFocus b.GotFocus");
    events.clear();
    QTest::keyClick(b, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_TRUE(a->hasFocus());
    EXPECT_EQ(log(), "b.LostFocus a.GotFocus");
    events.clear();
    QTest::keyClick(a, Qt::Key_Tab);
    EXPECT_EQ(log(), "a.LostFocus b.GotFocus");
    events.clear();

    // A message box (another window) shown while the box has the focus, and closed again: nothing.
    otherWindowComesAndGoes();
    EXPECT_TRUE(b->hasFocus());
    EXPECT_EQ(log(), "");

    // A menu opened over it and closed: the box sees the focus go and come back, and raises nothing.
    FocusReasons reasons(b);
    QMenu menu;
    menu.addAction("項目");
    QTimer::singleShot(0, &menu, [&] { menu.close(); });
    menu.exec(b->mapToGlobal(QPoint(0, 0)));
    m_form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(m_form));
    QCoreApplication::processEvents();
    EXPECT_TRUE(b->hasFocus());
    EXPECT_TRUE(reasons.seen.contains(Qt::PopupFocusReason));
    EXPECT_EQ(log(), "");

    // The menu bar taking the focus raises nothing either.
    QFocusEvent out(QEvent::FocusOut, Qt::MenuBarFocusReason);
    QCoreApplication::sendEvent(b, &out);
    EXPECT_EQ(log(), "");
}

TEST_F(TextBoxWindow, AFocusMovedWhileTheWindowWasAwayEndsOnReturn) {
    struct Case {
        const char* name;
        QWidget* target;
        std::string expected;
    };
    const Case cases[] = {
        {"to the other box", b, "a.LostFocus b.GotFocus"},
        {"to a control without focus events", button, "a.LostFocus"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        a->setFocus(Qt::OtherFocusReason);
        QCoreApplication::processEvents();
        events.clear();
        otherWindowComesAndGoes([&] { c.target->setFocus(Qt::OtherFocusReason); });
        EXPECT_TRUE(c.target->hasFocus());
        EXPECT_EQ(log(), c.expected);
    }
}

// Whether a box shows its text from the first character: the cursor at 0 and drawn at the box's left.
bool shownFromStart(QLineEdit* box) {
    box->repaint();  // the box scrolls to its cursor when it paints
    return box->cursorPosition() == 0 && box->inputMethodQuery(Qt::ImCursorRectangle).toRect().left() < 10;
}

const QString kLongValue = QStringLiteral("00 VE Network Connection #2 本社2F 総務課");

// A value longer than its box shows from its first character however the program sets it, in a box
// with or without the focus; what the user types or pastes leaves the cursor where the typing put it.
TEST_F(TextBoxWindow, TextSetByTheProgramShowsFromItsFirstCharacter) {
    ASSERT_TRUE(a->hasFocus());
    struct Case {
        const char* name;
        std::function<void(ui::TextBox*)> set;
    };
    const Case cases[] = {
        {"setText", [](ui::TextBox* box) { box->setText(kLongValue); }},
        {"through QLineEdit*", [](ui::TextBox* box) { static_cast<QLineEdit*>(box)->setText(kLongValue + "X"); }},
        {"the text it holds, again", [](ui::TextBox* box) { box->setText(box->text()); }},
        {"emptied, then set",
         [](ui::TextBox* box) {
             box->clear();
             box->setText(kLongValue);
         }},
    };
    for (ui::TextBox* box : {b, a}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(c.name) + (box->hasFocus() ? " (focused)" : ""));
            c.set(box);
            EXPECT_TRUE(shownFromStart(box)) << box->cursorPosition();
        }
    }
    // The text shows from the front, so typing starts there too.
    a->setText("PC");
    QTest::keyClicks(a, "X");
    EXPECT_EQ(a->text(), "XPC");

    // The user's own edits keep the cursor, at the end too: typing, End, undo, paste.
    a->clear();
    QTest::keyClicks(a, "abc");
    EXPECT_EQ(a->cursorPosition(), 3);
    QTest::keyClick(a, Qt::Key_Home);
    QTest::keyClick(a, Qt::Key_End);
    EXPECT_EQ(a->cursorPosition(), 3);
    QTest::keyClick(a, Qt::Key_Left);
    QTest::keyClick(a, Qt::Key_Backspace);
    EXPECT_EQ(a->text(), "ac");
    EXPECT_EQ(a->cursorPosition(), 1);
    QTest::keyClick(a, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(a->text(), "abc");
    EXPECT_EQ(a->cursorPosition(), 2);
    QApplication::clipboard()->setText(kLongValue);
    QTest::keyClick(a, Qt::Key_End);
    a->paste();
    EXPECT_EQ(a->cursorPosition(), a->text().size());
}

// KeyPress: the codes it sees, and what the box keeps of them.
class KeyPressBox : public TextBoxWindow {
protected:
    void SetUp() override {
        TextBoxWindow::SetUp();
        ui::bind(a, &ui::TextBox::KeyPress, m_form, [this](int& k) {
            seen.push_back(k);
            if (dropDigits && k >= '0' && k <= '9') k = 0;
            if (dropDigits && k >= 0xFF10 && k <= 0xFF19) k = 0;  // full-width digits
            if (k == 'x') k = 'X';
        });
    }
    void commit(const QString& text) {
        QInputMethodEvent composing("かな", {});
        QCoreApplication::sendEvent(a, &composing);
        QInputMethodEvent done;
        done.setCommitString(text);
        QCoreApplication::sendEvent(a, &done);
    }
    std::vector<int> seen;
    bool dropDigits = false;
};

TEST_F(KeyPressBox, EveryTypedCharacterPassesKeyPress) {
    QTest::keyClicks(a, "ab");
    QTest::keyClick(a, Qt::Key_Backspace);
    QTest::keyClick(a, Qt::Key_Return);
    QTest::keyClick(a, Qt::Key_Escape);
    QTest::keyClick(a, Qt::Key_C, Qt::ControlModifier);
    QTest::keyClick(a, Qt::Key_X, Qt::ControlModifier);
    QTest::keyClick(a, Qt::Key_V, Qt::ControlModifier);
    // Keys that type nothing never reach it.
    for (Qt::Key key : {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down, Qt::Key_Delete, Qt::Key_Home,
                        Qt::Key_End, Qt::Key_F2, Qt::Key_Insert})
        QTest::keyClick(a, key);
    EXPECT_EQ(seen, std::vector<int>({'a', 'b', 8, 13, 27, 3, 24, 22}));
}

TEST_F(KeyPressBox, AnInputMethodCommitPassesOneCharacterAtATime) {
    commit("あい𠀋");  // the last one lies outside the basic plane
    EXPECT_EQ(seen, std::vector<int>({0x3042, 0x3044, 0x2000B}));
    EXPECT_EQ(a->text(), "あい𠀋");
}

TEST_F(KeyPressBox, ADroppedKeyIsDroppedHoweverItArrives) {
    dropDigits = true;
    struct Case {
        const char* name;
        std::function<void()> type;
        QString kept;
    };
    const Case cases[] = {
        {"typed", [&] { QTest::keyClicks(a, "a1b2"); }, "ab"},
        {"committed", [&] { commit("１x2y"); }, "Xy"},
        {"replaced", [&] { QTest::keyClicks(a, "x"); }, "X"},
        {"all dropped", [&] { commit("12"); }, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        a->clear();
        c.type();
        EXPECT_EQ(a->text(), c.kept);
    }
}

TEST_F(KeyPressBox, CtrlVDroppedPastesNothingButTheContextMenusPasteIsNotFiltered) {
    QApplication::clipboard()->setText("123");
    ui::bind(a, &ui::TextBox::KeyPress, m_form, [](int& k) {
        if (k == 22) k = 0;
    });
    dropDigits = true;
    QTest::keyClick(a, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(a->text(), "");
    a->paste();  // what the context menu's paste does
    EXPECT_EQ(a->text(), "123");
}

TEST(MultiLineTextBox, LinesAreJoinedWithCrLf) {
    ui::MultiLineTextBox box;
    struct Case {
        QString set;
        QString read;
    };
    const Case cases[] = {
        {"一行目\r\n二行目", "一行目\r\n二行目"},
        {"a\r\n\r\nb\r\n", "a\r\n\r\nb\r\n"},
        {"lone\rcr\nlf", "lone\r\ncr\r\nlf"},
        {"", ""},
    };
    for (const Case& c : cases) {
        box.setText(c.set);
        EXPECT_EQ(box.Text(), c.read) << c.set.toStdString();
    }
    box.setText("");
    box.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));
    std::vector<int> seen;
    QObject::connect(&box, &ui::MultiLineTextBox::KeyPress, [&](int& k) { seen.push_back(k); });
    QTest::keyClicks(&box, "a");
    QTest::keyClick(&box, Qt::Key_Return);
    QTest::keyClicks(&box, "b");
    EXPECT_EQ(box.Text(), "a\r\nb");
    EXPECT_EQ(seen, std::vector<int>({'a', 13, 'b'}));
}

}  // namespace
