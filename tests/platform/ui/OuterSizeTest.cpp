// The outer size given before a window shows, put right once the window system tells the frame. The
// frames below are those of real window managers: openbox draws 1, 1, 20 and 5 pixels (left, right,
// top, bottom), the offscreen test platform 2 all round.
#include <gtest/gtest.h>

#include <QTest>
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

}  // namespace
