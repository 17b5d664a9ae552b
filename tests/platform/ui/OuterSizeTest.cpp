// The outer size given before a window shows, put right once the window system tells the frame, and the
// rules that keep a fixed outer size against a window manager. The frames below are those of real window
// managers: openbox draws 1, 1, 20 and 5 pixels (left, right, top, bottom), the offscreen test platform 2
// all round.
#include <gtest/gtest.h>

#include <QTest>
#include <QTimer>
#include <functional>
#include <optional>
#include <vector>

#include "platform/ui/Form.h"
#include "platform/ui/Forms.h"
#include "platform/ui/OuterSize.h"

namespace {

struct Report {
    QSize client;
    QSize frame;
    std::optional<QSize> resizeTo;  // what the window is to be resized to
    bool stillWaiting;
    bool stopFirst = false;  // the wait ran out before this report
};

struct Case {
    const char* what;
    int width;   // outer pixels asked for, -1 for none
    int height;  // outer pixels asked for, -1 for none
    std::vector<Report> reports;
};

TEST(PendingOuterSize, AppliesTheOuterSizeOnceTheFrameIsKnownAndNeverAgain) {
    const Case cases[] = {
        {"a window manager frames the window after it shows",
         989,
         702,
         {{{989, 702}, {0, 0}, std::nullopt, true},
          {{989, 702}, {2, 25}, QSize(987, 677), false},
          {{900, 600}, {2, 25}, std::nullopt, false}}},
        {"the frame is known when the window shows", 989, 702, {{{989, 702}, {4, 4}, QSize(985, 698), false}}},
        {"no window manager: no frame ever comes",
         989,
         702,
         {{{989, 702}, {0, 0}, std::nullopt, true}, {{989, 702}, {2, 25}, std::nullopt, false, true}}},
        {"only the height was asked for", -1, 702, {{{800, 702}, {2, 25}, QSize(800, 677), false}}},
        {"the window has the size already", 989, 702, {{{987, 677}, {2, 25}, std::nullopt, false}}},
        {"a frame with a title bar only", 989, 702, {{{989, 702}, {0, 25}, QSize(989, 677), false}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ui::PendingOuterSize pending;
        EXPECT_FALSE(pending.waiting());
        if (c.width >= 0) pending.setWidth(c.width);
        if (c.height >= 0) pending.setHeight(c.height);
        EXPECT_TRUE(pending.waiting());
        for (const Report& r : c.reports) {
            if (r.stopFirst) pending.stopWaiting();
            EXPECT_EQ(pending.frameReported(r.client, r.frame), r.resizeTo);
            EXPECT_EQ(pending.waiting(), r.stillWaiting);
        }
    }
}

// No frame came: the outer size asked for becomes the client size, once.
TEST(PendingOuterSize, WithoutAFrameTheOuterSizeIsTheClientSize) {
    ui::PendingOuterSize pending;
    EXPECT_EQ(pending.noFrameCame(QSize(640, 480)), std::nullopt);  // nothing asked for
    pending.setWidth(800);
    pending.setHeight(593);
    EXPECT_EQ(pending.noFrameCame(QSize(798, 568)), QSize(800, 593));
    EXPECT_FALSE(pending.waiting());
    EXPECT_EQ(pending.noFrameCame(QSize(798, 568)), std::nullopt);
    EXPECT_EQ(pending.frameReported(QSize(798, 568), QSize(2, 25)), std::nullopt);
    pending.setHeight(593);
    EXPECT_EQ(pending.noFrameCame(QSize(800, 593)), std::nullopt);  // has it already
}

// On a real window: the size asked for before showing is the outer size once shown, and a resize made
// afterwards (by the user) stays.
TEST(PendingOuterSize, AWindowKeepsAResizeMadeAfterItShowed) {
    auto* f = new ui::Form("frm_Test");
    f->Load();
    f->setWidth(14835);
    f->setHeight(10530);
    f->Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(f));
    EXPECT_EQ(f->Width(), 14835);
    EXPECT_EQ(f->Height(), 10530);
    f->resize(500, 400);
    QTest::qWait(50);
    EXPECT_EQ(f->size(), QSize(500, 400));
    f->Unload();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// A window as Qt and a window manager keep it. A shown window's resize is taken by Qt at once, and told
// at once as a resize (as Qt does), and answered by the window manager later: `answer` gives its size for
// the one asked for, told as another resize when it differs; during a grab the window manager takes no
// size at all, as xfwm4 does, and Qt never learns it. `server` is the size the window really has. Every
// resize runs the window's own resize rule, `onResize`; a maximised or fullscreen window set back to
// normal is put back by the window manager `restoreAfterMs` later, its frame `frameAfterMs` after that.
class StandInWindow : public ui::OuterGeometry::Window {
public:
    QSize client, server;
    QMargins margins;  // none until a window manager framed the window
    QPoint frame{100, 100};
    bool shown = false, maximizedNow = false, fullScreenNow = false, grab = false;
    std::function<QSize(QSize)> answer = [](QSize asked) { return asked; };
    std::function<void()> onResize;
    std::vector<QSize> asked;  // client sizes asked for while shown
    ui::OuterGeometry* rules = nullptr;
    int restoreAfterMs = 50, frameAfterMs = 0;
    QSize normalClient;
    QPoint normalFrame;
    QMargins normalMargins;

    QSize clientSize() const override { return client; }
    QMargins toldMargins() const override { return margins; }
    QPoint framePosition() const override { return frame; }
    bool onScreen() const override { return shown; }
    bool fixedSize() const override { return true; }
    bool maximized() const override { return maximizedNow; }
    bool fullScreen() const override { return fullScreenNow; }
    bool minimized() const override { return false; }
    bool grabHeld() const override { return grab; }
    void resizeClient(QSize size) override {
        if (!shown) {
            client = server = size;
            return;
        }
        asked.push_back(size);
        if (size != client) {
            client = size;
            told();
        }
        if (grab) return;
        const QSize given = answer(size);
        server = given;
        if (given != size) QTimer::singleShot(0, &m_alive, [this, given] { resizedTo(given); });
    }
    void moveFrame(QPoint framePos) override { frame = framePos; }
    void setClientGeometry(const QRect& r) override {
        frame = r.topLeft() - QPoint(margins.left(), margins.top());
        resizeClient(r.size());
    }
    // Qt takes the state at once and tells it while the window still has the size it had.
    void showNormal() override {
        if (!maximizedNow && !fullScreenNow) return;
        maximizedNow = fullScreenNow = false;
        if (onResize) onResize();
        QTimer::singleShot(restoreAfterMs, &m_alive, [this] {
            frame = normalFrame;
            if (frameAfterMs == 0) margins = normalMargins;
            resizedTo(normalClient);
            if (frameAfterMs > 0) QTimer::singleShot(frameAfterMs, &m_alive, [this] { margins = normalMargins; });
        });
    }

    // The window manager or the user's drag gives the window a size.
    void resizedTo(QSize size) {
        server = size;
        if (size == client) return;
        client = size;
        told();
    }
    // The window manager makes the window fullscreen (its frame gone) or maximises it, and tells the state
    // before the size, as openbox does.
    void takeScreen(bool full) {
        normalClient = client;
        normalFrame = frame;
        normalMargins = margins;
        (full ? fullScreenNow : maximizedNow) = true;
        if (full) margins = QMargins();
        if (onResize) onResize();  // the state change
        frame = QPoint(0, 0);
        resizedTo(full ? QSize(1280, 1024) : QSize(1278, 975));
    }

private:
    void told() {
        rules->movedOrResized();
        if (onResize) onResize();
    }
    QObject m_alive;  // what the window manager is yet to do goes with the window
};

// Shown, then framed by a window manager (1, 1, 20, 5) at the outer size 800 x 593, which `keep` holds.
struct FramedFixedWindow {
    static constexpr QSize kOuter{800, 593};
    StandInWindow window;
    ui::OuterGeometry rules{window};
    FramedFixedWindow() {
        window.rules = &rules;
        window.client = window.server = QSize(798, 568);
        window.shown = true;
        rules.shown();
        window.margins = QMargins(1, 20, 1, 5);
        rules.movedOrResized();
        window.onResize = [this] { rules.keep(kOuter); };
    }
};

// Until the window was asked `asks` times (however busy the machine), then three hold periods more, in
// which no further ask may come.
void settle(const StandInWindow& window, size_t asks) {
    (void)QTest::qWaitFor([&] { return window.asked.size() >= asks; }, 5000);
    QTest::qWait(3 * ui::OuterGeometry::kHoldMs);
}

// The user drags the border of a window of fixed size; the window manager answers the size asked back.
TEST(OuterGeometry, AFixedSizeIsAskedBackAfterADragAtMostTwiceWhenTheWindowManagerAnswersAnother) {
    struct Case {
        const char* what;
        std::function<QSize(QSize)> answer;
        size_t asks;
        QSize outerAtTheEnd;
    };
    int answers = 0;
    const Case cases[] = {
        {"it grants the size", [](QSize asked) { return asked; }, 1, FramedFixedWindow::kOuter},
        {"it answers every ask with a smaller size", [&](QSize asked) { return asked - QSize(10, 10) * ++answers; }, 2,
         FramedFixedWindow::kOuter - QSize(20, 20)},
        {"it answers with the same smaller size", [](QSize asked) { return asked.boundedTo(QSize(700, 500)); }, 2,
         QSize(702, 525)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FramedFixedWindow w;
        ASSERT_EQ(w.rules.phase(), ui::OuterGeometry::Phase::Known);
        ASSERT_EQ(w.rules.outerSize(), FramedFixedWindow::kOuter);
        w.window.answer = c.answer;
        answers = 0;
        w.window.resizedTo(QSize(850, 620));  // the drag
        w.window.resizedTo(QSize(900, 650));
        EXPECT_TRUE(w.window.asked.empty()) << "asked during the drag";
        settle(w.window, c.asks);
        EXPECT_EQ(w.window.asked.size(), c.asks);
        EXPECT_EQ(w.rules.outerSize(), c.outerAtTheEnd);
        EXPECT_FALSE(w.rules.timerRunning());
        // Another drag, later: asked back again, as often.
        w.window.asked.clear();
        answers = 0;
        w.window.resizedTo(QSize(650, 480));
        w.window.resizedTo(QSize(600, 450));
        settle(w.window, c.asks);
        EXPECT_EQ(w.window.asked.size(), c.asks);
        EXPECT_FALSE(w.rules.timerRunning());
    }
}

// The user drags the border and holds it still before letting go: the window manager holds a grab all
// the while and takes no size asked meanwhile (xfwm4). The size is asked for once the grab has ended, and
// still at most twice when the window manager answers with another.
TEST(OuterGeometry, TheSizeIsAskedBackOnceTheWindowManagersGrabHasEnded) {
    struct Case {
        const char* what;
        int heldMs;
        std::function<QSize(QSize)> answer;
        size_t asks;
        QSize serverAtTheEnd;
    };
    const Case cases[] = {
        {"held 0.3 s, then granted", 300, [](QSize asked) { return asked; }, 1, QSize(798, 568)},
        {"held 1 s, then granted", 1000, [](QSize asked) { return asked; }, 1, QSize(798, 568)},
        {"held 0.5 s, then answered with another size every time", 500, [](QSize asked) { return asked + QSize(6, 4); },
         2, QSize(804, 572)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FramedFixedWindow w;
        w.window.answer = c.answer;
        w.window.grab = true;
        w.window.resizedTo(QSize(900, 568));  // the drag
        w.window.resizedTo(QSize(998, 568));
        QTest::qWait(c.heldMs);
        EXPECT_TRUE(w.window.asked.empty()) << "asked during the grab";
        w.window.grab = false;  // the button is let go
        settle(w.window, c.asks);
        EXPECT_EQ(w.window.asked.size(), c.asks);
        EXPECT_EQ(w.window.server, c.serverAtTheEnd);
        EXPECT_FALSE(w.rules.timerRunning());
    }
}

// A window manager answers an ask at once: a resize long after a granted ask (here another client's) is a
// new one, and the size is asked back as often as after the first.
TEST(OuterGeometry, AResizeLongAfterAGrantedAskIsAskedBackAfresh) {
    FramedFixedWindow w;
    w.window.resizedTo(QSize(900, 568));
    settle(w.window, 1);
    ASSERT_EQ(w.window.asked.size(), 1u);
    QTest::qWait(ui::OuterGeometry::kAnswerMs + 100);
    int answers = 0;
    w.window.answer = [&](QSize asked) { return ++answers == 1 ? asked + QSize(6, 4) : asked; };
    w.window.asked.clear();
    w.window.resizedTo(QSize(1000, 700));
    settle(w.window, 2);
    EXPECT_EQ(w.window.asked.size(), 2u);
    EXPECT_EQ(w.window.server, QSize(798, 568));
}

// The window manager maximises the window or makes it fullscreen: it is set back to normal, and the window
// manager alone puts back its size, its place and its frame, however late; nothing is asked meanwhile.
TEST(OuterGeometry, AMaximisedOrFullscreenWindowIsPutBackByTheWindowManager) {
    struct Case {
        const char* what;
        bool full;
        int restoreAfterMs, frameAfterMs;
    };
    const Case cases[] = {
        {"maximised", false, 50, 0},
        {"fullscreen", true, 50, 0},
        {"fullscreen, put back after two hold periods", true, 2 * ui::OuterGeometry::kHoldMs + 50, 0},
        {"fullscreen, its frame told back after the wait for the window manager", true, 50,
         ui::OuterGeometry::kAnswerMs + 300},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FramedFixedWindow w;
        w.window.restoreAfterMs = c.restoreAfterMs;
        w.window.frameAfterMs = c.frameAfterMs;
        w.window.takeScreen(c.full);
        EXPECT_FALSE(w.window.maximizedNow || w.window.fullScreenNow) << "not set back to normal";
        QTest::qWait(c.restoreAfterMs + c.frameAfterMs + 4 * ui::OuterGeometry::kHoldMs);
        EXPECT_TRUE(w.window.asked.empty()) << "asked " << w.window.asked.size() << " times, first for "
                                            << w.window.asked.front().width() << "x" << w.window.asked.front().height();
        EXPECT_EQ(w.window.server, QSize(798, 568));
        EXPECT_EQ(w.window.frame, QPoint(100, 100));
        EXPECT_EQ(w.rules.outerSize(), FramedFixedWindow::kOuter);
        EXPECT_FALSE(w.rules.timerRunning());
    }
}

// A window manager maximizes the window (and tells it as a resize): it is set back to normal.
TEST(OuterGeometry, AMaximizedFixedWindowReturnsToNormal) {
    FramedFixedWindow w;
    w.window.maximizedNow = true;
    w.rules.keep(FramedFixedWindow::kOuter);
    EXPECT_FALSE(w.window.maximizedNow);
    EXPECT_TRUE(w.window.asked.empty());
}

// No frame came while the program waited (the window manager started after the program); when one comes
// later the outer size is put right once, unless the window was resized since.
TEST(OuterGeometry, AFrameToldAfterTheWaitPutsTheOuterSizeRightOnce) {
    struct Case {
        const char* what;
        std::optional<QSize> resizedBeforeTheFrame;
        QSize outerAtTheEnd;
    };
    const Case cases[] = {
        {"untouched", std::nullopt, QSize(989, 702)},
        {"resized before the frame came", QSize(700, 500), QSize(702, 525)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        StandInWindow window;
        ui::OuterGeometry rules(window);
        window.rules = &rules;
        window.client = QSize(640, 480);
        rules.setOuterSize(989, 702);
        window.shown = true;
        rules.shown();
        ASSERT_EQ(rules.phase(), ui::OuterGeometry::Phase::Waiting);
        ASSERT_TRUE(QTest::qWaitFor([&] { return rules.phase() == ui::OuterGeometry::Phase::Known; }, 3000));
        QTest::qWait(50);
        EXPECT_EQ(rules.outerSize(), QSize(989, 702)) << "without a frame the outer size is the client size";
        if (c.resizedBeforeTheFrame) window.resizedTo(*c.resizedBeforeTheFrame);
        window.margins = QMargins(1, 20, 1, 5);
        window.frame += QPoint(1, 20);
        rules.movedOrResized();
        QTest::qWait(50);
        EXPECT_EQ(rules.outerSize(), c.outerAtTheEnd);
        // A frame told again (a window manager restarted) changes nothing more.
        const std::vector<QSize> asked = window.asked;
        window.margins = QMargins(4, 24, 4, 4);
        rules.movedOrResized();
        QTest::qWait(50);
        EXPECT_EQ(window.asked, asked);
        EXPECT_FALSE(rules.timerRunning());
    }
}

}  // namespace
