// The list box: item texts and item data, and Click once per pick, by mouse or keys, never for a fill.
#include <gtest/gtest.h>

#include <QTest>

#include "platform/ui/Dialogs.h"
#include "platform/ui/Form.h"
#include "platform/ui/ListBox.h"
#include "tests/support/AppFolder.h"

namespace {

class ListBoxTest : public ::testing::Test {
protected:
    void SetUp() override {
        testsupport::armDialogScript();
        m_form = new ui::Form("frm_ListTest");
        m_form->setClientSize(4000, 3000);
        list = m_form->place(new ui::ListBox(m_form->client()), "List_Test", 120, 120, 3000, 2000);
        QObject::connect(list, &ui::ListBox::Click, [this] { clicks << list->ListIndex(); });
        for (int i = 0; i < 4; ++i) list->AddItem(QString("line %1").arg(i), 100 + i);
        m_form->Show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(m_form));
    }
    void TearDown() override {
        delete m_form;
        testsupport::checkDialogScript();
        ui::script::enable(false);
    }
    void click(int index) {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(index)).center());
    }

    ui::Form* m_form = nullptr;
    ui::ListBox* list = nullptr;
    QList<int> clicks;
};

TEST_F(ListBoxTest, KeepsTextsAndItemData) {
    EXPECT_EQ(list->ListCount(), 4);
    EXPECT_EQ(list->List(2), "line 2");
    EXPECT_EQ(list->ItemData(2), 102);
    EXPECT_EQ(list->List(9), "");
    EXPECT_EQ(list->ItemData(-1), 0);
    EXPECT_EQ(list->ListIndex(), -1);
    EXPECT_EQ(list->Text(), "");
    EXPECT_TRUE(clicks.isEmpty());  // filling is no pick
}

TEST_F(ListBoxTest, ClickFollowsEveryPickOnce) {
    click(1);
    EXPECT_EQ(clicks, QList<int>({1}));
    EXPECT_EQ(list->Text(), "line 1");
    click(1);  // the line already picked: a pick again
    EXPECT_EQ(clicks, QList<int>({1, 1}));
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(clicks, QList<int>({1, 1, 2}));
    click(2);  // picked by key, then clicked: counted
    EXPECT_EQ(clicks, QList<int>({1, 1, 2, 2}));
    click(3);
    EXPECT_EQ(clicks, QList<int>({1, 1, 2, 2, 3}));

    // Refilling from code raises nothing and leaves no line picked.
    list->Clear();
    list->AddItem("only", 7);
    EXPECT_EQ(clicks.size(), 5);
    EXPECT_EQ(list->ListIndex(), -1);
    click(0);
    EXPECT_EQ(clicks.size(), 6);
    EXPECT_EQ(list->ItemData(list->ListIndex()), 7);
}

}  // namespace
