#pragma once
// A keyed list of pictures of one size, as the common controls' image list: images count from 1 and
// are found by their key, compared exactly (case, full- and half-width forms count).
#include <QHash>
#include <QIcon>
#include <QObject>
#include <QPixmap>
#include <QSize>
#include <QString>
#include <vector>

namespace ui {

class ImageList : public QObject {
    Q_OBJECT
public:
    explicit ImageList(QSize imageSize, QObject* parent = nullptr);

    [[nodiscard]] QSize imageSize() const { return m_size; }
    // ListImages.Add: the picture is scaled to the list's size; a key already in the list raises 35602.
    void Add(const QString& key, const QPixmap& picture);
    [[nodiscard]] int Count() const { return int(m_images.size()); }
    [[nodiscard]] QString Key(int index) const;  // 1-based; outside the list raises 35600
    // The index of the image with this key, 0 when there is none.
    [[nodiscard]] int indexOf(const QString& key) const;
    [[nodiscard]] QPixmap Picture(int index) const;
    // The picture of `key`; a key not in the list raises 35601.
    [[nodiscard]] QIcon icon(const QString& key) const;

private:
    struct Image {
        QString key;
        QPixmap picture;
        QIcon icon;
    };
    QSize m_size;
    std::vector<Image> m_images;
    QHash<QString, int> m_byKey;  // key -> 1-based index
};

// The errors of the common controls' collections.
[[noreturn]] void raiseIndexOutOfBounds();  // 35600
[[noreturn]] void raiseElementNotFound();   // 35601
[[noreturn]] void raiseKeyNotUnique();      // 35602

}  // namespace ui
