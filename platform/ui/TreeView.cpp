#include "platform/ui/TreeView.h"

#include <QHeaderView>

#include "platform/ui/ImageList.h"

namespace ui {

namespace {
constexpr int kKeyRole = Qt::UserRole;
constexpr int kImageRole = Qt::UserRole + 1;
}  // namespace

TreeView::TreeView(QWidget* parent) : QTreeWidget(parent) {
    setColumnCount(1);
    setHeaderHidden(true);
    setUniformRowHeights(true);
    setSortingEnabled(false);
    header()->setStretchLastSection(true);
    setLineStyle(tvwTreeLines);
}

TreeView::~TreeView() = default;

void TreeView::setLineStyle(int style) {
    m_lineStyle = style;
    setRootIsDecorated(style == tvwRootLines);
}

void TreeView::NodesClear() {
    clear();
    m_byKey.clear();
    m_count = 0;
}

QTreeWidgetItem* TreeView::NodesAdd(const QString& relative, int relationship, const QString& key, const QString& text,
                                    const QString& image) {
    QTreeWidgetItem* rel = nullptr;
    if (!relative.isEmpty()) {
        rel = node(relative);
        if (!rel) raiseElementNotFound();
    }
    if (!key.isEmpty() && m_byKey.contains(key)) raiseKeyNotUnique();
    QIcon icon;
    if (!image.isEmpty()) {
        if (!m_images) raiseElementNotFound();
        icon = m_images->icon(image);
    }

    auto* item = new QTreeWidgetItem(QStringList{text});
    item->setData(0, kKeyRole, key);
    item->setData(0, kImageRole, image);
    if (!icon.isNull()) item->setIcon(0, icon);

    if (!rel) {
        addTopLevelItem(item);
    } else if (relationship == tvwChild) {
        rel->addChild(item);
    } else {
        // Siblings of the relative: under its parent, or at the root level.
        QTreeWidgetItem* parentItem = rel->parent();
        const int at = parentItem ? parentItem->indexOfChild(rel) : indexOfTopLevelItem(rel);
        const int count = parentItem ? parentItem->childCount() : topLevelItemCount();
        int pos = count;
        if (relationship == tvwFirst) pos = 0;
        if (relationship == tvwNext) pos = at + 1;
        if (relationship == tvwPrevious) pos = at;
        if (parentItem)
            parentItem->insertChild(pos, item);
        else
            insertTopLevelItem(pos, item);
    }
    if (!key.isEmpty()) m_byKey.insert(key, item);
    ++m_count;
    return item;
}

QString TreeView::nodeKey(const QTreeWidgetItem* item) { return item ? item->data(0, kKeyRole).toString() : QString(); }

QString TreeView::nodeImage(const QTreeWidgetItem* item) {
    return item ? item->data(0, kImageRole).toString() : QString();
}

std::vector<QTreeWidgetItem*> TreeView::allNodes() const {
    std::vector<QTreeWidgetItem*> out;
    out.reserve(std::size_t(m_count));
    std::vector<QTreeWidgetItem*> stack;
    for (int i = topLevelItemCount() - 1; i >= 0; --i) stack.push_back(topLevelItem(i));
    while (!stack.empty()) {
        QTreeWidgetItem* item = stack.back();
        stack.pop_back();
        out.push_back(item);
        for (int i = item->childCount() - 1; i >= 0; --i) stack.push_back(item->child(i));
    }
    return out;
}

}  // namespace ui
