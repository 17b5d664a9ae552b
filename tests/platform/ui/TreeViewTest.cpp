// The tree view and image list: nodes by key beside or under a relative, pictures by exact key, and the
// collection errors.
#include <gtest/gtest.h>

#include <QPainter>

#include "platform/base/VbError.h"
#include "platform/ui/ImageList.h"
#include "platform/ui/TreeView.h"
#include "tests/support/ErrorOf.h"

namespace {

QPixmap picture(QColor c, int size = 20) {
    QPixmap p(size, size);
    p.fill(c);
    return p;
}

using testsupport::errorOf;

class TreeViewTest : public ::testing::Test {
protected:
    void SetUp() override {
        images.Add("ディスク ドライブ", picture(Qt::red));
        images.Add("SCSI ｺﾝﾄﾛｰﾗ", picture(Qt::green, 32));  // scaled to the list's size
        images.Add("Display adapters", picture(Qt::blue));
        tree.setImageList(&images);
    }
    ui::ImageList images{QSize(20, 20)};
    ui::TreeView tree;
};

TEST_F(TreeViewTest, ImagesAreFoundByTheirExactKey) {
    EXPECT_EQ(images.Count(), 3);
    EXPECT_EQ(images.Key(2), "SCSI ｺﾝﾄﾛｰﾗ");
    EXPECT_EQ(images.Picture(2).size(), QSize(20, 20));
    const struct {
        const char* key;
        int index;
    } cases[] = {
        {"Display adapters", 3},
        {"display adapters", 0},
        {"SCSI コントローラ", 0},  // full-width is another key
        {"SCSI ｺﾝﾄﾛｰﾗ", 2},
        {"ディスク ドライブ ", 0},  // trailing blank
        {"", 0},
    };
    for (const auto& c : cases) EXPECT_EQ(images.indexOf(QString::fromUtf8(c.key)), c.index) << c.key;
    EXPECT_EQ(errorOf([&] { images.Add("Display adapters", picture(Qt::black)); }), 35602);
    EXPECT_EQ(errorOf([&] { (void)images.Key(4); }), 35600);
    EXPECT_EQ(errorOf([&] { (void)images.icon("モニタ"); }), 35601);
}

TEST_F(TreeViewTest, NodesUnderAndBesideTheirRelatives) {
    tree.NodesAdd("", ui::tvwLast, "ディスク ドライブ", "ディスク ドライブ", "ディスク ドライブ");
    tree.NodesAdd("", ui::tvwLast, "Display adapters", "Display adapters", "Display adapters");
    tree.NodesAdd("ディスク ドライブ", ui::tvwChild, "HDD1", "HDD  ", "ディスク ドライブ");
    tree.NodesAdd("ディスク ドライブ", ui::tvwChild, "HDD2", "HDD x 1.0", "ディスク ドライブ");
    tree.NodesAdd("HDD2", ui::tvwPrevious, "CD3", "CD", "");
    tree.NodesAdd("Display adapters", ui::tvwFirst, "Top", "Top", "");
    tree.NodesAdd("Top", ui::tvwNext, "Second", "Second", "");

    EXPECT_EQ(tree.NodesCount(), 7);
    QStringList order;
    for (QTreeWidgetItem* n : tree.allNodes())
        order << (n->parent() ? ui::TreeView::nodeKey(n->parent()) + ">" : QString()) + ui::TreeView::nodeKey(n);
    EXPECT_EQ(order, (QStringList{"Top", "Second", "ディスク ドライブ", "ディスク ドライブ>HDD1",
                                  "ディスク ドライブ>CD3", "ディスク ドライブ>HDD2", "Display adapters"}));

    QTreeWidgetItem* hdd = tree.node("HDD1");
    ASSERT_NE(hdd, nullptr);
    EXPECT_EQ(hdd->text(0), "HDD  ");
    EXPECT_EQ(ui::TreeView::nodeImage(hdd), "ディスク ドライブ");
    EXPECT_FALSE(hdd->icon(0).isNull());
    EXPECT_TRUE(tree.node("CD3")->icon(0).isNull());
    EXPECT_FALSE(tree.node("ディスク ドライブ")->isExpanded());
    EXPECT_EQ(tree.node("hdd1"), nullptr);  // keys are exact
}

TEST_F(TreeViewTest, CollectionErrorsLeaveTheTreeAsItWas) {
    tree.NodesAdd("", ui::tvwLast, "A", "A", "");
    const struct {
        const char* what;
        std::function<void()> add;
        long error;
    } cases[] = {
        {"key already used", [&] { tree.NodesAdd("", ui::tvwLast, "A", "again", ""); }, 35602},
        {"relative not found", [&] { tree.NodesAdd("B", ui::tvwChild, "C", "C", ""); }, 35601},
        {"image not in the list", [&] { tree.NodesAdd("A", ui::tvwChild, "D", "D", "モニタ"); }, 35601},
    };
    for (const auto& c : cases) EXPECT_EQ(errorOf(c.add), c.error) << c.what;
    EXPECT_EQ(tree.NodesCount(), 1);
    EXPECT_EQ(tree.topLevelItem(0)->childCount(), 0);
}

TEST_F(TreeViewTest, ClearEmptiesNodesAndKeysAndLineStyleSetsRootLines) {
    tree.NodesAdd("", ui::tvwLast, "A", "A", "");
    tree.NodesAdd("A", ui::tvwChild, "A1", "A1", "");
    tree.NodesClear();
    EXPECT_EQ(tree.NodesCount(), 0);
    EXPECT_EQ(tree.topLevelItemCount(), 0);
    EXPECT_EQ(tree.node("A"), nullptr);
    tree.NodesAdd("", ui::tvwLast, "A", "A", "");  // the key is free again
    EXPECT_EQ(tree.NodesCount(), 1);

    tree.setLineStyle(ui::tvwRootLines);
    EXPECT_EQ(tree.LineStyle(), ui::tvwRootLines);
    EXPECT_TRUE(tree.rootIsDecorated());
    tree.setLineStyle(ui::tvwTreeLines);
    EXPECT_FALSE(tree.rootIsDecorated());
}

}  // namespace
