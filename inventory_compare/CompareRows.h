#pragma once
// What the comparison window needs without its widgets: the 107 item rows of the comparison grid, how a
// staged file fills their incoming column, the grids' layout for a window size, the PC list's item text
// and the statement that overwrites one row.
#include <QString>
#include <optional>

#include "core/Mdl_Access_mdb.h"

namespace compare {

constexpr int kItemRows = 107;  // grid rows 1 to 107; row 0 is the header
constexpr int kGridCols = 5;

// The staged field an item row shows in its incoming column.
enum class StagedField { SubItem, Contents, Unit };

// How the incoming column takes the value read for a row.
enum class FileRule {
    IfSet,   // the value when it is not empty; else the cell keeps its text
    Always,  // the value, also when empty
    Zero,    // the value, "0" when empty
    Flag,    // the Unit: "1" for exactly "True" or "1", else "0"
    Hex,     // the address key of a non-empty Contents; else the cell keeps its text
};

struct ItemRow {
    int number = 0;
    QString pcLabel;      // column 1 after the stored side was filled
    QString fileLabel;    // column 1 after a file was read
    QString column;       // column 2: the database column the row stands for
    QString storedField;  // its name in the stored side's joined query
    QString fileQuery;    // the first-row query on tbl_ReadCsv (Japanese item labels)
    StagedField field = StagedField::Contents;
    FileRule rule = FileRule::IfSet;
};

// Row 1 to 107.
[[nodiscard]] const ItemRow& itemRow(int number);

// The incoming column's text after a read: nullopt keeps the cell's text. `values` is the first staged row
// of the row's query as fnc_Get_RecordValues gives it (all empty when none matched).
[[nodiscard]] std::optional<QString> incomingValue(const ItemRow& row, const RecordValues& values);

// Header texts and widths (twips) of the two grids.
struct HeaderCell {
    const char16_t* text;
    int width;
};
extern const HeaderCell kCompareHeader[kGridCols];
extern const HeaderCell kApplicationHeader[4];

// The grids' sizes for a window of the given outer width and height, twips.
struct Layout {
    qint32 gridWidth = 0;   // both grids
    qint32 gridHeight = 0;  // the comparison grid
    qint32 appTop = 0;      // the application grid, below the comparison grid
    qint32 appHeight = 0;
};
[[nodiscard]] Layout layoutFor(qint32 width, qint32 height);

// A PC list item: the name padded with blanks to 17 characters (a longer name gets none), the location,
// one blank, the user. Characters are counted, not bytes.
[[nodiscard]] QString listItemText(const QString& computerName, const QString& location, const QString& user);

// The statement that writes one grid row over PC `key`, or "" when the row writes nothing: an empty
// column name, or an integer column with an empty incoming text. Typed text is quoted, never pasted.
[[nodiscard]] QString rowStatement(const QString& column, const QString& value, const QString& key, bool integerColumn);
// Whether the overwrite leaves a grid row out and names it: a NUL in a value written as text (a damaged
// file; a NUL in a number or a flag row never reaches the statement), or text the user typed into an integer
// row that gives no 32-bit whole number ("abc"; a fraction rounds as the statement writes it). A value read
// from the file converts as the reader converts it and is never refused for that.
[[nodiscard]] bool rowRefused(const QString& column, const QString& value, bool integerColumn, bool typed);
// Columns written to tbl_Computer_List or as the date: these take no type question.
[[nodiscard]] bool isFixedFormColumn(const QString& column);

}  // namespace compare
