#pragma once
// The inventory file import: every selected file of the reader's file list becomes one new PC, with its
// profile filled through the catalogue and its four lists copied. Needs no window, so the benchmark and
// the tests run the read commands' own loop headless.
#include <QString>
#include <array>
#include <functional>
#include <vector>

#include "inventory_read/Catalogue.h"

namespace inventory {

// Folder followed by the name, with a "/" between them unless the folder already ends with one.
[[nodiscard]] QString fnc_MakeFullPath(QString folder, const QString& fileName);

// Why a selected file did not become a PC.
enum class Skip {
    None,          // imported
    NotInventory,  // empty first line or not the inventory header
    Unreadable,    // the file could not be read, or its staging failed
    NoKey,         // no new key (the highest key is 32767, or the lookup failed)
    NotCreated,    // the PC's two rows could not be created fresh, or the file's work could not be committed
    Refused,       // the database refused to store the file (read-only, locked, full, an I/O error)
};

struct FileResult {
    Skip skip = Skip::None;
    qint16 mainKey = 0;  // the new PC's key when imported
    // Refused: the database's error, as the standard error box shows it.
    long errorNumber = 0;
    QString errorDescription;
};

// Imports one file as a new PC inside one transaction on the shared connection. Single statements that
// fail are passed over and the file is committed all the same; a file that gets no fresh key writes
// nothing, nor does one the database refuses to store. Never throws.
FileResult fnc_Import_File(const QString& fullPath, LabelSet set);

// What a read command takes from the window's file list.
struct FileListSource {
    QString folder;
    int count = 0;
    std::function<QString(int)> name;
    std::function<bool(int)> selected;
};

struct SkippedFile {
    QString name;  // as listed
    Skip why = Skip::None;
};

struct ReadRun {
    bool staged = false;  // the staging of a first selected file began
    int imported = 0;
    std::vector<qint16> keys;
    std::vector<SkippedFile> skipped;
    // Set when the database refused a file: the run stopped there (that file is the last skipped one).
    bool stopped = false;
    long errorNumber = 0;
    QString errorDescription;
};

// The loop of both read commands over the listed files, in list order. onIndex (may be empty) runs for
// every listed index, selected or not. Until the staging of the first selected file begins, an error
// ends the loop by propagating; from then on every step that fails is passed over. A file the database
// refuses to store ends the loop: every later file would wait and fail the same way.
ReadRun runReadLoop(const FileListSource& list, LabelSet set, const std::function<void(int)>& onIndex = {});

// One step of a read command: once a file was staged (staged true) a failing step is passed over; before
// that its error ends the command and reaches the caller.
void fnc_Read_Step(bool staged, const std::function<void()>& body);

// The information box text naming the skipped files (empty when none was skipped).
[[nodiscard]] QString skippedFilesMessage(const std::vector<SkippedFile>& skipped);

// The two read commands' statement texts for the four lists, in copy order.
struct ListCopy {
    const char* selectSql;
    const char* insertStart;
    qint16 layout;
    // The rows the query selects, as the import picks them from the staged rows in memory: Group equal to
    // `group` and, when set, Item equal to `item`.
    const char* group;
    const char* item;
};
extern const std::array<ListCopy, 4> kListCopies;

}  // namespace inventory
