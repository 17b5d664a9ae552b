#pragma once
// Stand-ins for the drive, folder and file list boxes of the file-picking window.
// Paths use "/"; a "drive" is a mounted volume ("/" first, then removable media).
#include <QComboBox>
#include <QListWidget>
#include <QString>
#include <QStringList>

namespace inventory {

// The drive list: one entry per volume root; Change follows every change of the chosen drive.
class DriveListBox : public QComboBox {
    Q_OBJECT
public:
    explicit DriveListBox(QWidget* parent = nullptr);

    // "/" first, then the mounted removable media (under /media, /run/media, /mnt).
    [[nodiscard]] static QStringList mountedVolumes();
    // Replaces the listed volumes (tests list volumes that are not there).
    void setVolumes(const QStringList& roots);
    [[nodiscard]] QStringList volumes() const;

    // The chosen volume's root.
    [[nodiscard]] QString Drive() const;
    // Chooses the listed volume that holds the path (the longest root it starts with).
    void setDrive(const QString& path);
    // The volume of a path among the listed ones; "/" when no other holds it.
    [[nodiscard]] QString volumeOf(const QString& path) const;
    // The folder a change to this drive opens: the process's current folder when it lies on the volume,
    // else the volume's root.
    [[nodiscard]] QString currentFolderOf(const QString& root) const;

signals:
    void Change();
};

// The folder list: the current folder's ancestors from the root, then its subfolders; a double click or
// Enter on an entry opens it. Change follows every change of Path.
class DirListBox : public QListWidget {
    Q_OBJECT
public:
    explicit DirListBox(QWidget* parent = nullptr);

    [[nodiscard]] QString Path() const { return m_path; }
    // Raises vb::Error 76 for a path that is not a folder and 71 for a folder that cannot be listed.
    void setPath(const QString& path);
    [[nodiscard]] QString itemPath(int row) const;

signals:
    void Change();

private:
    void refill();
    QString m_path;
};

// The file list: the folder's files whose names match the pattern, letter case ignored, sorted by name;
// several files can be selected (Ctrl and Shift with the mouse). Click follows a click or a key that moves
// the current entry.
class FileListBox : public QListWidget {
    Q_OBJECT
public:
    explicit FileListBox(QWidget* parent = nullptr);

    [[nodiscard]] QString Path() const { return m_path; }
    void setPath(const QString& folder);
    [[nodiscard]] QString Pattern() const { return m_pattern; }
    void setPattern(const QString& pattern);  // several patterns separated by ";"

    [[nodiscard]] int ListCount() const { return count(); }
    [[nodiscard]] QString List(int index) const;
    [[nodiscard]] bool Selected(int index) const;
    void setSelected(int index, bool on);
    [[nodiscard]] int ListIndex() const { return currentRow(); }
    [[nodiscard]] QString FileName() const;  // the current entry's name, "" when none

signals:
    void Click();

private:
    void refill();
    QString m_path;
    QString m_pattern = QStringLiteral("*.*");
    bool m_filling = false;
    int m_rowClickedByChange = -1;
};

}  // namespace inventory
