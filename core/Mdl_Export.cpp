#include "core/Mdl_Export.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "platform/base/VbError.h"
#include "platform/text/Cp932.h"
#include "platform/ui/FlexGrid.h"

namespace {

constexpr long errFileAccess = 75;

// The errors the run-time gave for a file it could not open or write.
[[noreturn]] void raiseFileError(const QString& path) {
    if (!QFileInfo(path).absoluteDir().exists()) vb::raise(vb::errPathNotFound);
    throw vb::Error(errFileAccess, QStringLiteral("パス/ファイル アクセス エラーです。"));
}

std::vector<int> columnsAfterRowNumbers(const ui::FlexGrid& grid) {
    std::vector<int> columns;
    for (int col = 1; col < grid.Cols(); ++col) columns.push_back(col);
    return columns;
}

}  // namespace

QString gridExportCells(const ui::FlexGrid& grid, int row, const std::vector<int>& columns) {
    QString line;
    for (int col : columns) line += grid.TextMatrix(row, col) + ',';
    return line;
}

void fnc_Write_GridText(ui::FlexGrid& grid, const QString& path, const GridExportLayout& layout) {
    const std::vector<int> columns = layout.columns.empty() ? columnsAfterRowNumbers(grid) : layout.columns;
    const GridExportLayout::LineBuilder build =
        layout.line ? layout.line : GridExportLayout::LineBuilder(gridExportCells);

    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) raiseFileError(path);
    // Line by line, so a failure leaves what came before it in the file.
    auto writeLine = [&](const QString& text) {
        const QByteArray bytes = cp932::encode(text) + "\r\n";
        if (file.write(bytes) != bytes.size() || !file.flush()) raiseFileError(path);
    };

    if (layout.firstLine) writeLine(*layout.firstLine);
    int lastRow = -1;
    for (int row = layout.firstRow; row < grid.Rows(); ++row) {
        writeLine(build(grid, row, columns) + layout.lineTail);
        lastRow = row;
    }
    file.close();

    // The cells were visited in order; the current cell stays on the last one.
    if (lastRow >= 0 && !columns.empty()) {
        grid.setRow(lastRow);
        grid.setCol(columns.back());
    }
}

bool fnc_Export_Grid(ui::FlexGrid& grid, ui::FileDialogSpec& dialog, QWidget* parent, const GridExportLayout& layout) {
    dialog.title = QStringLiteral("CSV書き出し");
    dialog.filters = {QStringLiteral("全て(*.*)"), QStringLiteral("*.*"), QStringLiteral("CSVファイル"),
                      QStringLiteral("*.csv")};
    dialog.filterIndex = 2;
    dialog.multiSelect = false;
    const std::optional<QString> chosen = ui::ShowSave(dialog, parent);
    if (!chosen) return false;
    dialog.fileName = *chosen;

    try {
        // Appended even when the name already ends so: "a.csv" is written as "a.csv.csv".
        fnc_Write_GridText(grid, *chosen + ".csv", layout);
    } catch (const std::exception& e) {
        if (!layout.silentFailure) ui::ShowStdError(e);
        return false;
    }
    ui::MsgBox(QStringLiteral("完了しました"), ui::vbOKOnly);
    return true;
}
