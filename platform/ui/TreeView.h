#pragma once
// A tree of nodes found by their keys, as the common controls' tree view: nodes are added beside or
// under a relative node named by its key, carry a text and the key of a picture in the bound image
// list, and start collapsed. Keys are compared exactly; lookups go through a hash.
#include <QHash>
#include <QString>
#include <QTreeWidget>
#include <vector>

namespace ui {

class ImageList;

// Relationship of a new node to its relative.
enum : int { tvwFirst = 0, tvwLast = 1, tvwNext = 2, tvwPrevious = 3, tvwChild = 4 };
// LineStyle: tree lines only, or root lines too (the root nodes get their own expand marks).
enum : int { tvwTreeLines = 0, tvwRootLines = 1 };

class TreeView : public QTreeWidget {
    Q_OBJECT
public:
    explicit TreeView(QWidget* parent = nullptr);
    ~TreeView() override;

    void setImageList(ImageList* images) { m_images = images; }
    [[nodiscard]] ImageList* imageList() const { return m_images; }
    void setLineStyle(int style);
    [[nodiscard]] int LineStyle() const { return m_lineStyle; }

    // Nodes.Clear.
    void NodesClear();
    // Nodes.Add. Without a relative the node goes to the end of the root level. A relative key that
    // names no node, or an image key the image list lacks, raises 35601; a key already used raises
    // 35602. An empty key or image key means none.
    QTreeWidgetItem* NodesAdd(const QString& relative, int relationship, const QString& key, const QString& text,
                              const QString& image);
    [[nodiscard]] int NodesCount() const { return m_count; }
    // The node with this key, or nullptr.
    [[nodiscard]] QTreeWidgetItem* node(const QString& key) const { return m_byKey.value(key, nullptr); }
    [[nodiscard]] static QString nodeKey(const QTreeWidgetItem* item);
    [[nodiscard]] static QString nodeImage(const QTreeWidgetItem* item);
    // Every node, parents before their children, siblings in order.
    [[nodiscard]] std::vector<QTreeWidgetItem*> allNodes() const;

private:
    ImageList* m_images = nullptr;
    int m_lineStyle = tvwTreeLines;
    int m_count = 0;
    QHash<QString, QTreeWidgetItem*> m_byKey;
};

}  // namespace ui
