#pragma once
// The inventory item catalogue: which staged line of an inventory file fills which profile column, and how.
// One fixed table of 107 entries, applied in number order; the comparison window shows the same entries in
// the same order (number, label, target column) and finds its values with the Japanese selectors.
#include <QString>
#include <array>

#include "core/Mdl_ReadCsv.h"

namespace inventory {

// Inventory files come with Japanese or with English item labels; each read command knows one set.
enum class LabelSet { Japanese, English };

enum class Rule {
    Text,         // Contents, first 255 characters
    UnitText,     // Unit, first 255 characters
    Date,         // Japanese: SubItem, English: Renewalday; first 255 characters, into both PC tables
    IpKey,        // fnc_IP_To_Hex of the whole Contents
    Number,       // whole-number conversion of Contents, 0 when there is none
    Pair,         // value entry: Number of Contents; the next entry is its unit
    PairUnit,     // unit entry of the entry before: Unit, whole
    CachePair,    // as Pair, Contents tested for the empty text before it is converted
    CacheUnit,    // unit entry of a cache pair
    CpuFlag,      // "1" when Contents is exactly "1" or "TRUE", else "0"
    SettingFlag,  // "1" when Unit is exactly "1" or "True", else "0"
};

// The two staged fields a selector tests, in this order.
enum class SelectorFields {
    ItemSubItem,      // most entries
    GroupItem,        // entry 5
    SubItemContents,  // entries 99 to 105
};

enum class TargetTable {
    Pclist,        // tbl_Pclist
    ComputerList,  // tbl_Computer_List (entry 5 writes tbl_Pclist too, second)
};

struct Selector {
    const char* first;   // value of the first field (UTF-8)
    const char* second;  // value of the second field (UTF-8)
};

struct CatalogueEntry {
    int number;          // 1 to 107
    const char* label;   // shown by the comparison grid (UTF-8)
    const char* column;  // target column
    TargetTable table;
    Rule rule;
    SelectorFields fields;
    Selector japanese;
    Selector english;
    bool appliedByReader;  // false for entry 97, PrimaryDNS a second time

    [[nodiscard]] QString labelText() const { return QString::fromUtf8(label); }
    [[nodiscard]] QString columnName() const { return QString::fromLatin1(column); }
    [[nodiscard]] const Selector& selector(LabelSet set) const {
        return set == LabelSet::Japanese ? japanese : english;
    }
};

constexpr int kCatalogueSize = 107;
extern const std::array<CatalogueEntry, kCatalogueSize> kCatalogue;

// Entry by number, 1 to 107.
[[nodiscard]] const CatalogueEntry& catalogueEntry(int number);

// Names of the two fields an entry's selector tests ("Item" and "SubItem" for most).
[[nodiscard]] QString selectorFieldName(SelectorFields fields, int which);

// The selector query of an entry, as the reader runs it:
// "SELECT * FROM tbl_ReadCsv  WHERE (Item = 'LAN'  AND SubItem = 'コンピュータ名');"
[[nodiscard]] QString selectorQuery(const CatalogueEntry& entry, LabelSet set);

// Applies entries first..last (number order) to the PC from the lines now staged in tbl_ReadCsv.
// A unit entry goes with its value entry as one step; entry 97 is passed over. Every step starts from
// its rule's presets, and a read or conversion that fails leaves them; every statement is issued and
// its failure ignored. Nothing is shown and nothing stops it.
void fnc_Update_FromReadCsv(qint16 mainKey, LabelSet set, int first, int last);
// The same over the rows of the file just staged, as they were stored, without reading them back.
void fnc_Update_FromReadCsv(qint16 mainKey, LabelSet set, int first, int last, const readcsv::StagedRows& staged);
void fnc_Update_FromReadCsv(qint16 mainKey, LabelSet set, int first, int last,
                            const std::vector<readcsv::StagedLineView>& staged);

// The first staged row, in staged order, that the entry's selector query selects, found among the rows in
// memory as the staging table compares (readcsv::sameText); nullptr when none. The test hook sees the
// query's text and fails the lookup as it would fail the query.
[[nodiscard]] const readcsv::StagedLine* firstSelected(const CatalogueEntry& e, LabelSet set,
                                                       const readcsv::StagedRows& rows);

// The value rules on their own (exposed for the comparison window and for tests).
[[nodiscard]] QString cutText(const QString& value);     // first 255 characters
[[nodiscard]] qint32 wholeNumber(const QString& value);  // 0 when no 32-bit whole number
[[nodiscard]] QString cpuFlag(const QString& contents);  // "1" / "0"
[[nodiscard]] QString settingFlag(const QString& unit);  // "1" / "0"

}  // namespace inventory
