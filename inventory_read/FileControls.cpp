#include "inventory_read/FileControls.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStorageInfo>
#include <algorithm>

#include "platform/base/VbError.h"
#include "platform/ui/Dialogs.h"

namespace inventory {

namespace {

QString cleanFolder(const QString& path) {
    QString p = QDir::cleanPath(QDir::fromNativeSeparators(path));
    return p.isEmpty() ? QStringLiteral("/") : p;
}

// True when the root holds the path: "/media/usb" holds "/media/usb/x" but not "/media/usb2".
bool holds(const QString& root, const QString& path) {
    if (root == u'/') return path.startsWith(u'/');
    return path == root || path.startsWith(root + u'/');
}

bool byName(const QString& a, const QString& b) {
    const int c = QString::compare(a, b, Qt::CaseInsensitive);
    return c != 0 ? c < 0 : a < b;
}

}  // namespace

// ---- drive list -------------------------------------------------------------------------------------------

DriveListBox::DriveListBox(QWidget* parent) : QComboBox(parent) {
    connect(this, &QComboBox::currentIndexChanged, this, &DriveListBox::Change);
}

QStringList DriveListBox::mountedVolumes() {
    QStringList removable;
    for (const QStorageInfo& v : QStorageInfo::mountedVolumes()) {
        const QString root = v.rootPath();
        if (root.startsWith("/media/") || root.startsWith("/run/media/") || root.startsWith("/mnt/")) {
            removable.append(root);
        }
    }
    std::sort(removable.begin(), removable.end(), byName);
    removable.removeDuplicates();
    return QStringList{QStringLiteral("/")} + removable;
}

void DriveListBox::setVolumes(const QStringList& roots) {
    const QSignalBlocker block(this);
    clear();
    for (const QString& r : roots) addItem(r, cleanFolder(r));
}

QStringList DriveListBox::volumes() const {
    QStringList out;
    for (int i = 0; i < count(); ++i) out.append(itemData(i).toString());
    return out;
}

QString DriveListBox::Drive() const { return currentIndex() < 0 ? QString() : itemData(currentIndex()).toString(); }

QString DriveListBox::volumeOf(const QString& path) const {
    const QString p = cleanFolder(path);
    QString best = QStringLiteral("/");
    for (const QString& root : volumes()) {
        if (holds(root, p) && root.size() > best.size()) best = root;
    }
    return best;
}

void DriveListBox::setDrive(const QString& path) {
    const int index = findData(volumeOf(path));
    if (index >= 0) setCurrentIndex(index);
}

QString DriveListBox::currentFolderOf(const QString& root) const {
    const QString cwd = cleanFolder(QDir::currentPath());
    return volumeOf(cwd) == root ? cwd : root;
}

// ---- folder list ------------------------------------------------------------------------------------------

DirListBox::DirListBox(QWidget* parent) : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    connect(this, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        const QString target = item->data(Qt::UserRole).toString();
        ui::guarded([&] { setPath(target); });
    });
}

void DirListBox::setPath(const QString& path) {
    const QString p = cleanFolder(path);
    const QFileInfo info(p);
    if (!info.exists() || !info.isDir()) throw vb::Error(vb::errPathNotFound, vb::describe(vb::errPathNotFound));
    if (!QDir(p).isReadable()) throw vb::Error(71, vb::describe(71));  // disk not ready
    const bool changed = p != m_path;
    m_path = p;
    refill();
    if (changed) emit Change();
}

QString DirListBox::itemPath(int row) const {
    const QListWidgetItem* it = item(row);
    return it ? it->data(Qt::UserRole).toString() : QString();
}

void DirListBox::refill() {
    clear();
    // Ancestors from the root down to the folder itself, each indented one step further.
    QStringList parts = m_path.split(u'/', Qt::SkipEmptyParts);
    QString walked;
    auto add = [this](const QString& text, const QString& path, int depth) {
        auto* it = new QListWidgetItem(QString(depth * 2, u' ') + text, this);
        it->setData(Qt::UserRole, path);
    };
    add(QStringLiteral("/"), QStringLiteral("/"), 0);
    int depth = 1;
    for (const QString& part : parts) {
        walked += u'/' + part;
        add(part, walked, depth++);
    }
    setCurrentRow(count() - 1);
    QStringList subs = QDir(m_path).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::NoSort);
    std::sort(subs.begin(), subs.end(), byName);
    for (const QString& s : subs) add(s, m_path == u'/' ? u'/' + s : m_path + u'/' + s, depth);
}

// ---- file list --------------------------------------------------------------------------------------------

FileListBox::FileListBox(QWidget* parent) : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    // A click on another entry moves the current row first (at the press) and reports the click at the
    // release: one Click for both.
    connect(this, &QListWidget::currentRowChanged, this, [this](int row) {
        if (m_filling || row < 0) return;
        m_rowClickedByChange = row;
        emit Click();
    });
    connect(this, &QListWidget::itemClicked, this, [this](QListWidgetItem* it) {
        const int r = row(it);
        if (r == m_rowClickedByChange) {
            m_rowClickedByChange = -1;
            return;
        }
        m_rowClickedByChange = -1;
        emit Click();
    });
}

void FileListBox::setPath(const QString& folder) {
    m_path = cleanFolder(folder);
    refill();
}

void FileListBox::setPattern(const QString& pattern) {
    m_pattern = pattern;
    refill();
}

QString FileListBox::List(int index) const {
    const QListWidgetItem* it = item(index);
    return it ? it->text() : QString();
}

bool FileListBox::Selected(int index) const {
    const QListWidgetItem* it = item(index);
    return it && it->isSelected();
}

void FileListBox::setSelected(int index, bool on) {
    if (QListWidgetItem* it = item(index)) it->setSelected(on);
}

QString FileListBox::FileName() const {
    const QListWidgetItem* it = currentItem();
    return it ? it->text() : QString();
}

void FileListBox::refill() {
    m_filling = true;
    clear();
    m_rowClickedByChange = -1;
    if (!m_path.isEmpty()) {
        // Names written on Windows come in any letter case (PC01.CSV): patterns match without regard to it.
        std::vector<QRegularExpression> patterns;
        for (const QString& p : m_pattern.split(u';', Qt::SkipEmptyParts)) {
            patterns.emplace_back(QRegularExpression::fromWildcard(p.trimmed(), Qt::CaseInsensitive));
        }
        QStringList names;
        for (const QString& name : QDir(m_path).entryList(QDir::Files, QDir::NoSort)) {
            if (std::any_of(patterns.begin(), patterns.end(),
                            [&](const QRegularExpression& re) { return re.match(name).hasMatch(); })) {
                names.append(name);
            }
        }
        std::sort(names.begin(), names.end(), byName);
        addItems(names);
    }
    setCurrentRow(-1);
    clearSelection();
    m_filling = false;
}

}  // namespace inventory
