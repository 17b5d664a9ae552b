#pragma once
// The grid export text: a grid written out as comma text in CP932, no quoting. Every list export of the
// program goes through this one writer; a window's own layout is a GridExportLayout, not a copy.
#include <QString>
#include <functional>
#include <optional>
#include <vector>

#include "platform/ui/Dialogs.h"

class QWidget;
namespace ui {
class FlexGrid;
}

struct GridExportLayout {
    // Builds the text of one grid row from the listed columns, without its tail and line break.
    using LineBuilder = std::function<QString(const ui::FlexGrid& grid, int row, const std::vector<int>& columns)>;

    std::vector<int> columns;          // columns written, in order; empty: 1 to the last (column 0 left out)
    LineBuilder line;                  // empty: gridExportCells
    int firstRow = 0;                  // the caption row 0 is written unless a layout starts lower
    std::optional<QString> firstLine;  // written before the rows as it stands, with CR LF only
    QString lineTail = " ";            // after each built line, before CR LF
    bool silentFailure = false;        // a failure closes the file and ends with no box
};

// The default line: each listed cell's text followed by ",".
[[nodiscard]] QString gridExportCells(const ui::FlexGrid& grid, int row, const std::vector<int>& columns);

// Writes the grid to path, replacing a file of that name. What was written before a failure stays;
// a failure raises vb::Error. The grid's current cell ends on the last cell written.
void fnc_Write_GridText(ui::FlexGrid& grid, const QString& path, const GridExportLayout& layout = {});

// The export command: the save dialog ("CSV書き出し", CSV filter chosen; the dialog spec is the window's
// own and keeps the last name), ".csv" always appended, the file written, then "完了しました".
// Cancel writes and shows nothing. A failure shows the standard error box unless the layout is silent.
// True when the file was written.
bool fnc_Export_Grid(ui::FlexGrid& grid, ui::FileDialogSpec& dialog, QWidget* parent,
                     const GridExportLayout& layout = {});
