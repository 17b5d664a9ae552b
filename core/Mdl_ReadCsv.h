#pragma once
// The inventory file's staging reader and the list-row copier (database module).
//
// An inventory file is CP932 text, one item per line, seven comma-separated fields without quoting;
// its first line must be exactly the header. Staged rows live in tbl_ReadCsv until the next file.
#include <QString>
#include <QStringList>
#include <QStringView>
#include <array>
#include <vector>

// True when the line is exactly "Key,Group,Item,SubItem,Contents,Unit,Renewalday".
[[nodiscard]] bool fnc_Check_CsvHeader(const QString& line);

// Empties tbl_ReadCsv and stages every line after the header, in file order. False (table untouched)
// when the first line is empty or not the header, or the file holds no line at all. A file that cannot
// be read, or a row that cannot be stored, raises vb::Error; the staging table is then left as it was
// when no transaction was open, and the caller's transaction decides otherwise.
bool fnc_Read_CsvFile(const QString& fullPath);

// Inserts one list row per staged row the query returns, in the given layout (1 to 8); the key goes
// last, in apostrophes. Every error is ignored. Always false.
bool fnc_Insert_FromReadCsv(const QString& selectSql, const QString& insertStart, const QString& key, qint16 layout);

// The copier for a caller that runs it inside its own transaction and must say what was left out: the same
// rows and statements, one statement per row; a row the database refuses for its value (too long for its
// column, a type or date it cannot take, a NUL the statement text cannot carry) is left out and counted. Any other
// failure (the query, a database that is read-only or locked) raises vb::Error. Returns the number of rows left out.
[[nodiscard]] int fnc_Insert_FromReadCsv_Counted(const QString& selectSql, const QString& insertStart,
                                                 const QString& key, qint16 layout);

namespace readcsv {

// How many reads have emptied tbl_ReadCsv in this process. A window that shows what it staged notes the
// count after its read; a different count later means another read has replaced the rows since.
[[nodiscard]] quint64 stagingCount();

// The seven staged fields, in the order a data line gives them and tbl_ReadCsv's columns hold them.
enum class StagedField { Key, Group, Item, SubItem, Contents, Unit, Renewalday };
inline constexpr int kStagedFields = 7;

// The column of tbl_ReadCsv that holds the field.
[[nodiscard]] constexpr const char* stagedColumn(StagedField field) {
    constexpr const char* columns[kStagedFields] = {"Key",      "Group", "Item",      "SubItem",
                                                    "Contents", "Unit",  "Renewalday"};
    return columns[int(field)];
}

// The seven staged values of one data line (Renewalday takes the rest after the sixth comma).
struct StagedLine {
    QString Key, Group, Item, SubItem, Contents, Unit, Renewalday;
};

// A file's staged rows as tbl_ReadCsv holds them, in file order.
using StagedRows = std::vector<StagedLine>;

// The same values as views into the decoded text of a file read in place (InPlaceFile holds that text).
struct StagedLineView {
    QStringView Key, Group, Item, SubItem, Contents, Unit, Renewalday;
};

// The members of either kind of line, in StagedField order.
template <class Line>
inline constexpr auto kStagedMembers =
    std::array{&Line::Key, &Line::Group, &Line::Item, &Line::SubItem, &Line::Contents, &Line::Unit, &Line::Renewalday};
static_assert(kStagedMembers<StagedLine>.size() == kStagedFields);

// One field of a line (a StagedLine or a StagedLineView).
template <class Line>
[[nodiscard]] const auto& fieldOf(const Line& line, StagedField field) {
    return line.*kStagedMembers<Line>[std::size_t(field)];
}
template <class Line>
[[nodiscard]] auto& fieldOf(Line& line, StagedField field) {
    return line.*kStagedMembers<Line>[std::size_t(field)];
}

// A file read in place: its decoded text and its rows, which view that text and so go with it. It can be
// neither copied nor moved, so its rows always point into its own text; a reader that keeps a value
// copies it (toString).
class InPlaceFile {
public:
    InPlaceFile() = default;
    InPlaceFile(const InPlaceFile&) = delete;
    InPlaceFile& operator=(const InPlaceFile&) = delete;
    [[nodiscard]] const std::vector<StagedLineView>& rows() const { return m_rows; }

private:
    friend bool readInventoryFileInPlace(const QString& fullPath, InPlaceFile* file);
    QString m_text;
    std::vector<StagedLineView> m_rows;
};

// The file part of the staging: reads the file (vb::Error when it cannot be read) and gives its rows as
// they will be stored, the first six fields cut. False when the first line is empty or not the header.
// Lines as VB's Line Input reads them: CR LF or a lone CR ends a line, a lone LF stays inside it, the last
// line may lack an ending and the final ending makes no extra line. A file refused or unreadable leaves
// the rows as they were.
bool readInventoryFile(const QString& fullPath, StagedRows* rows);
// The same with no copy of the values, for a reader that uses them and throws them away, as the import
// does for each file. A file refused or unreadable leaves `file` as it was, its rows still on its text.
bool readInventoryFileInPlace(const QString& fullPath, InPlaceFile* file);
// The database part: empties tbl_ReadCsv and stores the rows, in order (errors go to the caller).
void storeStagedRows(const StagedRows& rows);
void storeStagedRows(const std::vector<StagedLineView>& rows);
// fnc_Read_CsvFile, also giving the rows it staged, as tbl_ReadCsv now holds them.
bool stageFile(const QString& fullPath, StagedRows* rows);

// A staged text equal to a literal as the staging table's queries compare them: ASCII letters without
// case, everything else exactly.
[[nodiscard]] bool sameText(QStringView staged, QStringView literal);

// The copier's insert step over rows already read: one list row per row, in order, in the layout (1 to 8),
// each a statement of its own; a row the database refuses is left out. Stops when the caller's transaction
// was rolled back under it (further rows would be stored without their PC).
void insertListRows(const StagedRows& rows, const QString& insertStart, const QString& key, qint16 layout);
// The same over rows held elsewhere (a selection of a file's staged rows), without copying them.
void insertListRows(const std::vector<const StagedLine*>& rows, const QString& insertStart, const QString& key,
                    qint16 layout);
void insertListRows(const std::vector<const StagedLineView*>& rows, const QString& insertStart, const QString& key,
                    qint16 layout);

}  // namespace readcsv
