// The tab strip: which mouse and keyboard actions raise Click, and which tab is selected when it runs.
#include <gtest/gtest.h>

#include <QTabBar>
#include <QTest>

#include "platform/ui/TabStrip.h"

namespace {

class TabStripTest : public ::testing::Test {
protected:
    void SetUp() override {
        strip.resize(700, 300);
        for (const char* caption :
             {"CPU\u3000\u3000\u3000\u3000", "ネットワーク\u3000", "アプリケーション", "デバイス\u3000\u3000"})
            strip.addTab(QString::fromUtf8(caption));
        QObject::connect(&strip, &ui::TabStrip::Click, [this] { clicks.push_back(strip.SelectedIndex()); });
        strip.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&strip));
    }

    void press(Qt::MouseButton button, QPoint at) { QTest::mouseClick(strip.tabBar(), button, Qt::NoModifier, at); }

    ui::TabStrip strip;
    std::vector<int> clicks;  // the selected tab seen by each Click
};

TEST_F(TabStripTest, AddingTabsKeepsCaptionsAndRaisesNothing) {
    EXPECT_EQ(strip.tabCount(), 4);
    EXPECT_EQ(strip.tabCaption(1), QString::fromUtf8("CPU\u3000\u3000\u3000\u3000"));
    EXPECT_EQ(strip.tabCaption(3), QString::fromUtf8("アプリケーション"));
    EXPECT_EQ(strip.SelectedIndex(), 1);
    EXPECT_TRUE(clicks.empty());
}

// Each row starts from tab 1 selected.
TEST_F(TabStripTest, MouseButtonsAndPlaces) {
    struct Case {
        const char* what;
        Qt::MouseButton button;
        int tab;  // 0: beside the tabs
        std::vector<int> clicks;
        int selectedAfter;
    };
    const Case cases[] = {
        {"left click on another tab", Qt::LeftButton, 3, {3}, 3},
        {"left click on the selected tab", Qt::LeftButton, 1, {1}, 1},
        {"right click on a tab", Qt::RightButton, 4, {}, 1},
        {"middle click on a tab", Qt::MiddleButton, 2, {}, 1},
        {"left click beside the tabs", Qt::LeftButton, 0, {}, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        strip.setSelectedIndex(1);
        clicks.clear();
        const QPoint at = c.tab ? strip.tabRect(c.tab).center() : QPoint(strip.tabBar()->width() - 2, 5);
        if (!c.tab) {
            ASSERT_LT(strip.tabBar()->tabAt(at), 0);
        }
        press(c.button, at);
        EXPECT_EQ(clicks, c.clicks);
        EXPECT_EQ(strip.SelectedIndex(), c.selectedAfter);
    }
}

TEST_F(TabStripTest, SecondClickOnTheSameTabRaisesClickAgain) {
    press(Qt::LeftButton, strip.tabRect(2).center());
    press(Qt::LeftButton, strip.tabRect(2).center());
    EXPECT_EQ(clicks, (std::vector<int>{2, 2}));
}

TEST_F(TabStripTest, KeyboardAndCodeChangesRaiseClickOnce) {
    strip.tabBar()->setFocus();
    QTest::keyClick(strip.tabBar(), Qt::Key_Right);
    QTest::keyClick(strip.tabBar(), Qt::Key_Right);
    QTest::keyClick(strip.tabBar(), Qt::Key_Left);
    EXPECT_EQ(clicks, (std::vector<int>{2, 3, 2}));

    clicks.clear();
    strip.setSelectedIndex(4);
    strip.setSelectedIndex(4);  // already selected: nothing changes
    strip.setSelectedIndex(9);  // no such tab
    EXPECT_EQ(clicks, (std::vector<int>{4}));
}

}  // namespace
