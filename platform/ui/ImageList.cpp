#include "platform/ui/ImageList.h"

#include "platform/base/VbError.h"

namespace ui {

void raiseIndexOutOfBounds() { throw vb::Error(35600, QStringLiteral("インデックスが範囲を超えています。")); }
void raiseElementNotFound() { throw vb::Error(35601, QStringLiteral("要素が見つかりません。")); }
void raiseKeyNotUnique() { throw vb::Error(35602, QStringLiteral("キーがコレクション内で一意ではありません。")); }

ImageList::ImageList(QSize imageSize, QObject* parent) : QObject(parent), m_size(imageSize) {}

void ImageList::Add(const QString& key, const QPixmap& picture) {
    if (!key.isEmpty() && m_byKey.contains(key)) raiseKeyNotUnique();
    Image image;
    image.key = key;
    image.picture =
        picture.size() == m_size ? picture : picture.scaled(m_size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    image.icon = QIcon(image.picture);
    m_images.push_back(image);
    if (!key.isEmpty()) m_byKey.insert(key, int(m_images.size()));
}

QString ImageList::Key(int index) const {
    if (index < 1 || index > Count()) raiseIndexOutOfBounds();
    return m_images[std::size_t(index - 1)].key;
}

int ImageList::indexOf(const QString& key) const { return m_byKey.value(key, 0); }

QPixmap ImageList::Picture(int index) const {
    if (index < 1 || index > Count()) raiseIndexOutOfBounds();
    return m_images[std::size_t(index - 1)].picture;
}

QIcon ImageList::icon(const QString& key) const {
    const int index = indexOf(key);
    if (index == 0) raiseElementNotFound();
    return m_images[std::size_t(index - 1)].icon;
}

}  // namespace ui
