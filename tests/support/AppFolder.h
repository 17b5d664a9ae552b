#pragma once
#include <QString>
#include <QTemporaryDir>

namespace testsupport {

// A temporary program folder (App.Path points at it), optionally holding a copy of the template database.
class AppFolder {
public:
    explicit AppFolder(bool withDatabase = true);
    ~AppFolder();
    [[nodiscard]] QString path() const { return m_dir.path(); }
    [[nodiscard]] QString file(const QString& name) const { return m_dir.path() + "/" + name; }
    [[nodiscard]] QString dbPath() const { return file("pcdb.mdb"); }

private:
    QTemporaryDir m_dir;
};

// The template database the build wrote beside the binary.
[[nodiscard]] QString templateDb();
// The samples folder of the source tree.
[[nodiscard]] QString samplesDir();

// Arms the dialog script: a box with nothing queued fails the current test.
void armDialogScript();
// Expects every queued answer used, then empties the script.
void checkDialogScript();

}  // namespace testsupport
