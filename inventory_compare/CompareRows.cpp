#include "inventory_compare/CompareRows.h"

#include <QSet>
#include <array>
#include <limits>

#include "core/Mdl_IP.h"
#include "inventory_read/Catalogue.h"
#include "platform/text/VbConv.h"

namespace compare {

namespace {

// The incoming column's own rules; they differ from the file reader's (no cut, no number conversion,
// CPU flags shown as the file has them).
void fileSide(int number, StagedField& field, FileRule& rule) {
    field = StagedField::Contents;
    rule = FileRule::IfSet;
    switch (number) {
        case 4:
            rule = FileRule::Hex;
            return;
        case 5:
            field = StagedField::SubItem;  // the date stands in the SubItem of the "Create" line
            return;
        case 19:
            rule = FileRule::Always;
            return;
        case 42:
        case 44:
        case 46:
        case 48:
        case 50:
            rule = FileRule::Zero;
            return;
        // The unit of the quantity in the row above.
        case 8:
        case 10:
        case 12:
        case 14:
        case 16:
        case 18:
        case 20:
        case 22:
        case 25:
        case 43:
        case 45:
        case 47:
        case 49:
        case 51:
        case 105:
            field = StagedField::Unit;
            return;
        default:
            break;
    }
    if (number >= 99 && number <= 104) {
        field = StagedField::Unit;
        rule = FileRule::Flag;
    }
}

std::array<ItemRow, kItemRows> makeRows() {
    std::array<ItemRow, kItemRows> rows;
    for (int n = 1; n <= kItemRows; ++n) {
        const inventory::CatalogueEntry& e = inventory::catalogueEntry(n);
        ItemRow& r = rows[std::size_t(n - 1)];
        r.number = n;
        r.column = e.columnName();
        r.fileLabel = e.labelText();
        // The stored side names the two administrative rows by their columns.
        r.pcLabel = e.table == inventory::TargetTable::ComputerList && n != 5 ? r.column : r.fileLabel;
        // Both PC tables have an Update; the stored side shows the profile's.
        r.storedField = n == 5 ? QStringLiteral("tbl_Pclist.Update") : r.column;
        r.fileQuery = inventory::selectorQuery(e, inventory::LabelSet::Japanese);
        fileSide(n, r.field, r.rule);
    }
    return rows;
}

// VB rounds a percentage of a size to the nearest twip, halves to the even neighbour.
qint64 percentOf(qint64 value, int percent) {
    const qint64 v = value * percent;
    const qint64 magnitude = v < 0 ? -v : v;
    qint64 q = magnitude / 100;
    const qint64 r = magnitude % 100;
    if (r > 50 || (r == 50 && q % 2 == 1)) ++q;
    return v < 0 ? -q : q;
}

qint32 atLeastZero(qint64 v) {
    if (v <= 0) return 0;
    return v > std::numeric_limits<qint32>::max() ? std::numeric_limits<qint32>::max() : qint32(v);
}

const QSet<QString>& cpuFlagColumns() {
    static const QSet<QString> columns = [] {
        QSet<QString> set;
        for (const inventory::CatalogueEntry& e : inventory::kCatalogue)
            if (e.rule == inventory::Rule::CpuFlag) set.insert(e.columnName());
        return set;
    }();
    return columns;
}

}  // namespace

const HeaderCell kCompareHeader[kGridCols] = {
    {u"No", 500}, {u"項目名", 1500}, {u"Key", 1500}, {u"PCのデータ", 2000}, {u"読込んだデータ", 2000},
};
const HeaderCell kApplicationHeader[4] = {
    {u"", 450},
    {u"アプリケーション名", 4000},
    {u"バージョン", 1000},
    {u"インストール場所", 2000},
};

const ItemRow& itemRow(int number) {
    static const std::array<ItemRow, kItemRows> rows = makeRows();
    Q_ASSERT(number >= 1 && number <= kItemRows);
    return rows[std::size_t(number - 1)];
}

std::optional<QString> incomingValue(const ItemRow& row, const RecordValues& values) {
    const QString& subItem = values[3];
    const QString& contents = values[4];
    const QString& unit = values[5];
    const QString& value = row.field == StagedField::SubItem ? subItem
                           : row.field == StagedField::Unit  ? unit
                                                             : contents;
    switch (row.rule) {
        case FileRule::IfSet:
            if (value.isEmpty()) return std::nullopt;
            return value;
        case FileRule::Always:
            return value;
        case FileRule::Zero:
            return value.isEmpty() ? QStringLiteral("0") : value;
        case FileRule::Flag:
            return inventory::settingFlag(unit);
        case FileRule::Hex:
            if (contents.isEmpty()) return std::nullopt;
            return fnc_IP_To_Hex(contents);
    }
    return std::nullopt;
}

Layout layoutFor(qint32 width, qint32 height) {
    Layout l;
    l.gridWidth = atLeastZero(qint64(width) - 3440);
    l.gridHeight = atLeastZero(percentOf(height, 70));
    l.appHeight = atLeastZero(percentOf(height, 28) - 1200);
    // 100 twips between the grids, below the comparison grid's top of 480.
    l.appTop = atLeastZero(qint64(l.gridHeight) + 480 + 100);
    return l;
}

QString listItemText(const QString& computerName, const QString& location, const QString& user) {
    const qsizetype length = computerName.toUcs4().size();
    const qsizetype blanks = length < 17 ? 17 - length : 0;
    return computerName + QString(blanks, u' ') + location + u' ' + user;
}

bool isFixedFormColumn(const QString& column) {
    return column == QLatin1String("Update") || column == QLatin1String("Type_Number") ||
           column == QLatin1String("Sereals_Number");
}

QString rowStatement(const QString& column, const QString& value, const QString& key, bool integerColumn) {
    if (column.isEmpty()) return {};
    const QString where = QStringLiteral(" WHERE MainKey = ") + key;
    if (column == QLatin1String("Update"))
        return "UPDATE tbl_Pclist SET tbl_Pclist.Update  = '" + vb::sqlQuote(value) + "'" + where;
    if (column == QLatin1String("Type_Number") || column == QLatin1String("Sereals_Number"))
        return "UPDATE tbl_Computer_List SET " + column + "  = '" + vb::sqlQuote(value) + "'" + where;
    if (integerColumn) {
        // An empty cell keeps the stored number; text that is no number goes in as the file reader stores it.
        if (value.isEmpty()) return {};
        return "UPDATE tbl_Pclist SET  " + column + "  = " + QString::number(inventory::wholeNumber(value)) + where;
    }
    // CPU flags are stored as '1'/'0'; the file and the grid say "TRUE".
    const QString stored = cpuFlagColumns().contains(column) ? inventory::cpuFlag(value) : value;
    return "UPDATE tbl_Pclist SET tbl_Pclist." + column + "  = '" + vb::sqlQuote(stored) + "'" + where;
}

bool rowRefused(const QString& column, const QString& value, bool integerColumn, bool typed) {
    if (column.isEmpty()) return false;
    if (!isFixedFormColumn(column)) {
        if (integerColumn) {
            if (!typed || value.isEmpty()) return false;
            try {
                (void)vb::CLng(value);
                return false;
            } catch (const std::exception&) {
                return true;
            }
        }
        if (cpuFlagColumns().contains(column)) return false;
    }
    return value.contains(QChar(0));
}

}  // namespace compare
