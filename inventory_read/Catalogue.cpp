#include "inventory_read/Catalogue.h"

#include <QtGlobal>

#include "core/Mdl_Access_mdb.h"
#include "core/Mdl_IP.h"
#include "core/Mdl_ReadCsv.h"
#include "platform/db/Ado.h"
#include "platform/text/VbConv.h"

namespace inventory {

namespace {
using enum Rule;
constexpr TargetTable P = TargetTable::Pclist;
constexpr TargetTable C = TargetTable::ComputerList;
constexpr SelectorFields IS = SelectorFields::ItemSubItem;
constexpr SelectorFields GI = SelectorFields::GroupItem;
constexpr SelectorFields SC = SelectorFields::SubItemContents;
}  // namespace

// Number, label, target column, table, rule, selector fields, Japanese selector, English selector, applied.
// A unit entry carries the selectors of its value entry.
// clang-format off
const std::array<CatalogueEntry, kCatalogueSize> kCatalogue{{
    {1, "コンピュータ名", "Computer_Name", P, Text, IS, {"LAN", "コンピュータ名"}, {"LAN", "Computer name"}, true},
    {2, "ワークグループ名", "Workgroup", P, Text, IS, {"LAN", "ワークグループ"}, {"LAN", "Workgroup name"}, true},
    {3, "IPアドレス", "IPAddress", P, Text, IS, {"Adapter", "IPアドレス"}, {"Adapter", "IP address"}, true},
    {4, "IPアドレス(16)", "IPAddress_16num", P, IpKey, IS, {"Adapter", "IPアドレス"}, {"Adapter", "IP address"}, true},
    {5, "更新日", "Update", C, Date, GI, {"Create", "DateTime"}, {"Soft", "Windows"}, true},
    {6, "MACアドレス", "MacAddress", P, Text, IS, {"Adapter", "MACアドレス"}, {"Adapter", "MAC address"}, true},
    {7, "メモリ全容量", "Memory_Full", P, Pair, IS, {"メモリ", "全容量"}, {"Memory", "Capacity"}, true},
    {8, "メモリ全容量 単位", "Memory_Full_unit", P, PairUnit, IS, {"メモリ", "全容量"}, {"Memory", "Capacity"}, true},
    {9, "メモリ使用量", "Memory_Used", P, Pair, IS, {"メモリ", "使用量"}, {"Memory", "Amount used"}, true},
    {10, "メモリ使用量 単位", "Memory_Used_unit", P, PairUnit, IS, {"メモリ", "使用量"}, {"Memory", "Amount used"}, true},
    {11, "Cドライブ 全容量", "SysHD_Full", P, Pair, IS, {"SystemHDD", "全容量"}, {"SystemHDD", "Capacity"}, true},
    {12, "Cドライブ全容量 単位", "SysHD_Full_unit", P, PairUnit, IS, {"SystemHDD", "全容量"}, {"SystemHDD", "Capacity"}, true},
    {13, "Cドライブ使用量", "SysHD_Used", P, Pair, IS, {"SystemHDD", "使用量"}, {"SystemHDD", "Amount used"}, true},
    {14, "Cドライブ使用量 単位", "SysHD_Used_unit", P, PairUnit, IS, {"SystemHDD", "使用量"}, {"SystemHDD", "Amount used"}, true},
    {15, "メモリ空容量", "Memory_Free", P, Pair, IS, {"メモリ", "空容量"}, {"Memory", "Empty capacity"}, true},
    {16, "メモリ空容量 単位", "Memory_Free_unit", P, PairUnit, IS, {"メモリ", "空容量"}, {"Memory", "Empty capacity"}, true},
    {17, "ページファイル全容量", "Pagefile_Full", P, Pair, IS, {"ページファイル", "全容量"}, {"PageFile", "Capacity"}, true},
    {18, "ページファイル全容量 単位", "Pagefile_Full_unit", P, PairUnit, IS, {"ページファイル", "全容量"}, {"PageFile", "Capacity"}, true},
    {19, "ページファイル使用量", "Pagefile_Used", P, Pair, IS, {"ページファイル", "使用量"}, {"PageFile", "Amount used"}, true},
    {20, "ページファイル使用量 単位", "Pagefile_Used_unit", P, PairUnit, IS, {"ページファイル", "使用量"}, {"PageFile", "Amount used"}, true},
    {21, "ページファイル空容量", "Pagefile_Free", P, Pair, IS, {"ページファイル", "空容量"}, {"PageFile", "Empty capacity"}, true},
    {22, "ページファイル空容量 単位", "Pagefile_Free_unit", P, PairUnit, IS, {"ページファイル", "空容量"}, {"PageFile", "Empty capacity"}, true},
    {23, "Cドライブ ドライブ名", "SysHD_Driveletter", P, Text, IS, {"SystemHDD", "Drive"}, {"SystemHDD", "Drive"}, true},
    {24, "Cドライブ空容量", "SysHD_Free", P, Pair, IS, {"SystemHDD", "空容量"}, {"SystemHDD", "Empty capacity"}, true},
    {25, "Cドライブ空容量 単位", "SysHD_Free_unit", P, PairUnit, IS, {"SystemHDD", "空容量"}, {"SystemHDD", "Empty capacity"}, true},
    {26, "OS名称", "Operating_System", P, Text, IS, {"Windows", "Version"}, {"Windows", "Version"}, true},
    {27, "プロダクトID", "ProductID", P, Text, IS, {"Windows", "ProductID"}, {"Windows", "ProductID"}, true},
    {28, "OEM Manufacturer", "OEM_Manufacturer", P, Text, IS, {"Windows", "OEM Manufacturer"}, {"Windows", "OEM Manufacturer"}, true},
    {29, "OEM Model", "OEM_Model", P, Text, IS, {"Windows", "OEM Model"}, {"Windows", "OEM Model"}, true},
    {30, "IE Version", "IE_Version", P, Text, IS, {"IE", "Version"}, {"IE", "Version"}, true},
    {31, "IE 更新Version", "IE_SP", P, Text, IS, {"IE", "更新Version"}, {"IE", "UpdatingVersion"}, true},
    {32, "画面 解像度", "Resolution", P, Text, IS, {"画面", "解像度"}, {"Screen", "Resolution"}, true},
    {33, "CPU名称", "CPU_Name", P, Text, IS, {"CPU", "Name"}, {"CPU", "Name"}, true},
    {34, "CPUクロック", "CPU_Clock", P, Number, IS, {"CPU", "Clock"}, {"CPU", "Clock"}, true},
    {35, "CPU ID", "CPU_ID", P, Text, IS, {"CPU", "ID"}, {"CPU", "ID"}, true},
    {36, "CPU Number of processors", "CPU_Unit", P, Number, IS, {"CPU", "Number of processors"}, {"CPU", "Number of processors"}, true},
    {37, "CPU NameString", "CPU_NameString", P, Text, IS, {"CPU", "NameString"}, {"CPU", "NameString"}, true},
    {38, "CPU Type", "CPU_Type", P, Number, IS, {"CPU", "Type"}, {"CPU", "Type"}, true},
    {39, "CPU Family", "CPU_Family", P, Number, IS, {"CPU", "Family"}, {"CPU", "Family"}, true},
    {40, "CPU Model", "CPU_Model", P, Number, IS, {"CPU", "Model"}, {"CPU", "Model"}, true},
    {41, "CPU Stepping", "CPU_Stepping", P, Number, IS, {"CPU", "Stepping"}, {"CPU", "Stepping"}, true},
    {42, "CPU L1命令キャッシュ", "CPU_L1_Instruction_Cache", P, CachePair, IS, {"CPU", "L1命令キャッシュ"}, {"CPU", "L1 instruction cache"}, true},
    {43, "CPU L1命令キャッシュ 単位", "CPU_L1_Instruction_Cache_unit", P, CacheUnit, IS, {"CPU", "L1命令キャッシュ"}, {"CPU", "L1 instruction cache"}, true},
    {44, "CPU L1Dataキャッシュ", "CPU_L1_Data_Cache", P, CachePair, IS, {"CPU", "L1Dataキャッシュ"}, {"CPU", "L1 data cache"}, true},
    {45, "CPU L1Dataキャッシュ 単位", "CPU_L1_Data_Cache_unit", P, CacheUnit, IS, {"CPU", "L1Dataキャッシュ"}, {"CPU", "L1 data cache"}, true},
    {46, "CPU L2キャッシュ", "CPU_L2_Cache", P, CachePair, IS, {"CPU", "L2キャッシュ"}, {"CPU", "L2 cache"}, true},
    {47, "CPU L2キャッシュ 単位", "CPU_L2_Cache_unit", P, CacheUnit, IS, {"CPU", "L2キャッシュ"}, {"CPU", "L2 cache"}, true},
    {48, "CPU L3キャッシュ", "CPU_L3_Cache", P, CachePair, IS, {"CPU", "L3キャッシュ"}, {"CPU", "L3 cache"}, true},
    {49, "CPU L3キャッシュ 単位", "CPU_L3_Cache_unit", P, CacheUnit, IS, {"CPU", "L3キャッシュ"}, {"CPU", "L3 cache"}, true},
    {50, "CPU L1トレースキャッシュ", "CPU_L1_Trace_Cache", P, CachePair, IS, {"CPU", "L1トレースキャッシュ"}, {"CPU", "L1 trace cache"}, true},
    {51, "CPU L1トレースキャッシュ 単位", "CPU_L1_Trace_Cache_unit", P, CacheUnit, IS, {"CPU", "L1トレースキャッシュ"}, {"CPU", "L1 trace cache"}, true},
    {52, "CPU SerialNumber", "CPU_SerialNumber", P, Text, IS, {"CPU", "SerialNumber"}, {"CPU", "SerialNumber"}, true},
    {53, "CPU FPU", "CPU_FPU", P, CpuFlag, IS, {"CPU", "FPU"}, {"CPU", "FPU"}, true},
    {54, "CPU VME", "CPU_VME", P, CpuFlag, IS, {"CPU", "VME"}, {"CPU", "VME"}, true},
    {55, "CPU DE", "CPU_DE", P, CpuFlag, IS, {"CPU", "DE"}, {"CPU", "DE"}, true},
    {56, "CPU PSE", "CPU_PSE", P, CpuFlag, IS, {"CPU", "PSE"}, {"CPU", "PSE"}, true},
    {57, "CPU TSC", "CPU_TSC", P, CpuFlag, IS, {"CPU", "TSC"}, {"CPU", "TSC"}, true},
    {58, "CPU MSR", "CPU_MSR", P, CpuFlag, IS, {"CPU", "MSR"}, {"CPU", "MSR"}, true},
    {59, "CPU PAE", "CPU_PAE", P, CpuFlag, IS, {"CPU", "PAE"}, {"CPU", "PAE"}, true},
    {60, "CPU MCE", "CPU_MCE", P, CpuFlag, IS, {"CPU", "MCE"}, {"CPU", "MCE"}, true},
    {61, "CPU CX8", "CPU_CX8", P, CpuFlag, IS, {"CPU", "CX8"}, {"CPU", "CX8"}, true},
    {62, "CPU APIC", "CPU_APIC", P, CpuFlag, IS, {"CPU", "APIC"}, {"CPU", "APIC"}, true},
    {63, "CPU SEP", "CPU_SEP", P, CpuFlag, IS, {"CPU", "SEP"}, {"CPU", "SEP"}, true},
    {64, "CPU MTRR", "CPU_MTRR", P, CpuFlag, IS, {"CPU", "MTRR"}, {"CPU", "MTRR"}, true},
    {65, "CPU PGE", "CPU_PGE", P, CpuFlag, IS, {"CPU", "PGE"}, {"CPU", "PGE"}, true},
    {66, "CPU MCA", "CPU_MCA", P, CpuFlag, IS, {"CPU", "MCA"}, {"CPU", "MCA"}, true},
    {67, "CPU CMOV", "CPU_CMOV", P, CpuFlag, IS, {"CPU", "CMOV"}, {"CPU", "CMOV"}, true},
    {68, "CPU PAT", "CPU_PAT", P, CpuFlag, IS, {"CPU", "PAT"}, {"CPU", "PAT"}, true},
    {69, "CPU PSE36", "CPU_PSE36", P, CpuFlag, IS, {"CPU", "PSE36"}, {"CPU", "PSE36"}, true},
    {70, "CPU PSN", "CPU_PSN", P, CpuFlag, IS, {"CPU", "PSN"}, {"CPU", "PSN"}, true},
    {71, "CPU MMX", "CPU_MMX", P, CpuFlag, IS, {"CPU", "MMX"}, {"CPU", "MMX"}, true},
    {72, "CPU FXSR", "CPU_FXSR", P, CpuFlag, IS, {"CPU", "FXSR"}, {"CPU", "FXSR"}, true},
    {73, "CPU SSE", "CPU_SSE", P, CpuFlag, IS, {"CPU", "SSE"}, {"CPU", "SSE"}, true},
    {74, "CPU SSE2", "CPU_SSE2", P, CpuFlag, IS, {"CPU", "SSE2"}, {"CPU", "SSE2"}, true},
    {75, "CPU HTT", "CPU_HTT", P, CpuFlag, IS, {"CPU", "HTT"}, {"CPU", "HTT"}, true},
    {76, "CPU TM", "CPU_TM", P, CpuFlag, IS, {"CPU", "TM"}, {"CPU", "TM"}, true},
    {77, "CPU 3DNow", "CPU_3DNow", P, CpuFlag, IS, {"CPU", "3DNow"}, {"CPU", "3DNow"}, true},
    {78, "CPU 3DNowEx", "CPU_3DNowEx", P, CpuFlag, IS, {"CPU", "3DNowEx"}, {"CPU", "3DNowEx"}, true},
    {79, "CPU SSE3", "CPU_SSE3", P, CpuFlag, IS, {"CPU", "SSE3"}, {"CPU", "SSE3"}, true},
    {80, "CPU MONITOR", "CPU_MONITOR", P, CpuFlag, IS, {"CPU", "MONITOR"}, {"CPU", "MONITOR"}, true},
    {81, "CPU DSCPL", "CPU_DSCPL", P, CpuFlag, IS, {"CPU", "DSCPL"}, {"CPU", "DSCPL"}, true},
    {82, "CPU EST", "CPU_EST", P, CpuFlag, IS, {"CPU", "EST"}, {"CPU", "EST"}, true},
    {83, "CPU TM2", "CPU_TM2", P, CpuFlag, IS, {"CPU", "TM2"}, {"CPU", "TM2"}, true},
    {84, "CPU CID", "CPU_CID", P, CpuFlag, IS, {"CPU", "CID"}, {"CPU", "CID"}, true},
    {85, "LAN ユーザー名", "UserName", P, Text, IS, {"LAN", "ユーザー名"}, {"LAN", "User name"}, true},
    {86, "LAN ホスト名", "HostsName", P, Text, IS, {"LAN", "ホスト名"}, {"LAN", "Host name"}, true},
    {87, "LAN ドメイン", "DomeinName", P, Text, IS, {"LAN", "ドメイン"}, {"LAN", "Domain name"}, true},
    {88, "LAN コンピュータの説明", "PC_Explanation", P, Text, IS, {"LAN", "コンピュータの説明"}, {"LAN", "Explanation of a computer"}, true},
    {89, "LAN プロバイダ名", "ProviderName", P, Text, IS, {"LAN", "プロバイダ名"}, {"LAN", "Network provider name"}, true},
    {90, "アダプター名", "AdapterName", P, Text, IS, {"Adapter", "アダプター名"}, {"Adapter", "Adapter name"}, true},
    {91, "サブネットマスク", "SubnetMask", P, Text, IS, {"Adapter", "サブネットマスク"}, {"Adapter", "Subnet mask"}, true},
    {92, "ゲートウェイ", "Gateway", P, Text, IS, {"Adapter", "ゲートウェイ"}, {"Adapter", "Gateway address"}, true},
    {93, "DHCPServer", "DHCPServer", P, Text, IS, {"Adapter", "DHCPServer"}, {"Adapter", "DHCPServer"}, true},
    {94, "PrimaryWINS", "PrimaryWINS", P, Text, IS, {"Adapter", "PrimaryWINS"}, {"Adapter", "PrimaryWINS"}, true},
    {95, "SecondaryWINS", "SecondaryWINS", P, Text, IS, {"Adapter", "SecondaryWINS"}, {"Adapter", "SecondaryWINS"}, true},
    {96, "PrimaryDNS", "PrimaryDNS", P, Text, IS, {"LAN", "PrimaryDNS"}, {"LAN", "PrimaryDNS"}, true},
    {97, "PrimaryDNS", "PrimaryDNS", P, Text, IS, {"LAN", "PrimaryDNS"}, {"LAN", "PrimaryDNS"}, false},
    {98, "SecondaryDNS", "SecondaryDNS", P, Text, IS, {"LAN", "SecondaryDNS"}, {"LAN", "SecondaryDNS"}, true},
    {99, "インターネット接続", "Internet_Connection", P, SettingFlag, SC, {"Setting", "インターネット接続"}, {"Setting", "Internet connectivity"}, true},
    {100, "モデム経由", "Modem_Connection", P, SettingFlag, SC, {"Setting", "モデム経由"}, {"Setting", "Modem course"}, true},
    {101, "LAN経由", "LAN_Connection", P, SettingFlag, SC, {"Setting", "LAN経由"}, {"Setting", "LAN course"}, true},
    {102, "PROXY経由", "PROXY_Connection", P, SettingFlag, SC, {"Setting", "PROXY経由"}, {"Setting", "PROXY course"}, true},
    {103, "オフラインモード", "OfflineMode", P, SettingFlag, SC, {"Setting", "オフラインモード"}, {"Setting", "Off-line mode"}, true},
    {104, "RASインストール", "RASInstalled", P, SettingFlag, SC, {"Setting", "RASインストール"}, {"Setting", "RAS installation"}, true},
    {105, "Start Page", "Start_Page", P, UnitText, SC, {"Setting", "Start Page"}, {"Setting", "Start Page"}, true},
    {106, "Model", "Type_Number", C, Text, IS, {"System", "Model"}, {"System", "Model"}, true},
    {107, "Serial", "Sereals_Number", C, Text, IS, {"BIOS", "SerialNo"}, {"BIOS", "SerialNo"}, true},
}};
// clang-format on

const CatalogueEntry& catalogueEntry(int number) {
    Q_ASSERT(number >= 1 && number <= kCatalogueSize);
    return kCatalogue[std::size_t(number - 1)];
}

namespace {

using readcsv::fieldOf;
using readcsv::StagedField;
using enum readcsv::StagedField;

StagedField selectorField(SelectorFields fields, int which) {
    switch (fields) {
        case SelectorFields::GroupItem:
            return which == 0 ? Group : Item;
        case SelectorFields::SubItemContents:
            return which == 0 ? SubItem : Contents;
        case SelectorFields::ItemSubItem:
            break;
    }
    return which == 0 ? Item : SubItem;
}

}  // namespace

QString selectorFieldName(SelectorFields fields, int which) {
    return QString::fromLatin1(readcsv::stagedColumn(selectorField(fields, which)));
}

QString selectorQuery(const CatalogueEntry& entry, LabelSet set) {
    const Selector& s = entry.selector(set);
    // The blanks are the reader's own: two before WHERE, two before AND. "Group" goes bare; the
    // database layer quotes a keyword used as a column name.
    return QStringLiteral("SELECT * ") + QStringLiteral("FROM tbl_ReadCsv ") + QStringLiteral(" WHERE (") +
           selectorFieldName(entry.fields, 0) + " = '" + QString::fromUtf8(s.first) + "' " + " AND " +
           selectorFieldName(entry.fields, 1) + " = '" + QString::fromUtf8(s.second) + "'" + ");";
}

QString cutText(const QString& value) { return value.left(255); }

qint32 wholeNumber(const QString& value) {
    try {
        return vb::CLng(value);
    } catch (const std::exception&) {
        return 0;  // empty, no number, or out of the 32-bit range: the preset stands
    }
}

QString cpuFlag(const QString& contents) {
    return (contents == QLatin1String("1") || contents == QLatin1String("TRUE")) ? QStringLiteral("1")
                                                                                 : QStringLiteral("0");
}

QString settingFlag(const QString& unit) {
    return (unit == QLatin1String("1") || unit == QLatin1String("True")) ? QStringLiteral("1") : QStringLiteral("0");
}

namespace {

template <class Line>
const Line* firstOf(const CatalogueEntry& e, LabelSet set, const std::vector<Line>& rows) {
    // The lookup stands for the selector query, so the test hook can fail it as it would fail the query.
    if (gCn().hasFailHook()) gCn().failAsStatement(selectorQuery(e, set));
    // The selectors' texts, made once for every entry in both label sets.
    static const auto selectors = [] {
        std::array<std::array<std::pair<QString, QString>, kCatalogueSize>, 2> all;
        for (const CatalogueEntry& entry : kCatalogue)
            for (const LabelSet labels : {LabelSet::Japanese, LabelSet::English}) {
                const Selector& sel = entry.selector(labels);
                all[labels == LabelSet::Japanese ? 0 : 1][std::size_t(entry.number - 1)] = {
                    QString::fromUtf8(sel.first), QString::fromUtf8(sel.second)};
            }
        return all;
    }();
    const auto& [first, second] = selectors[set == LabelSet::Japanese ? 0 : 1][std::size_t(e.number - 1)];
    const StagedField f1 = selectorField(e.fields, 0);
    const StagedField f2 = selectorField(e.fields, 1);
    for (const Line& row : rows)
        if (readcsv::sameText(fieldOf(row, f1), first) && readcsv::sameText(fieldOf(row, f2), second)) return &row;
    return nullptr;
}

}  // namespace

const readcsv::StagedLine* firstSelected(const CatalogueEntry& e, LabelSet set, const readcsv::StagedRows& rows) {
    return firstOf(e, set, rows);
}

namespace {

// The staged rows of one file, looked up as the selector query would find them: the first row in staged
// order whose two fields equal the selector's values (ASCII letters without case, as the staging table
// compares). Each step's row is found once, however many reads the step makes.
template <class Line>
class StagedLookup {
public:
    // withNull (may be empty) marks rows holding a Null, whose fields the first-row reader cannot read.
    StagedLookup(const std::vector<Line>& rows, const std::vector<bool>& withNull, LabelSet set)
        : m_rows(rows), m_withNull(withNull), m_set(set) {}

    // Finds the step's line, or fails as its selector query would; a failed lookup leaves every read at
    // the presets, a lookup that finds nothing reads empty texts.
    bool find(const CatalogueEntry& e) {
        m_found = nullptr;
        try {
            m_found = firstOf(e, m_set, m_rows);
        } catch (const std::exception&) {
            return false;
        }
        const std::size_t i = std::size_t(m_found - m_rows.data());
        if (m_found && i < m_withNull.size() && m_withNull[i]) {
            m_found = nullptr;
            return false;
        }
        return true;
    }
    // One field of the line found, with the first-row reader's character replacement ("" when none).
    [[nodiscard]] QString field(StagedField field) const {
        return m_found ? fnc_Replace_SQLChar(ownText(fieldOf(*m_found, field))) : QString();
    }

private:
    static const QString& ownText(const QString& text) { return text; }
    static QString ownText(QStringView text) { return text.toString(); }

    const std::vector<Line>& m_rows;
    const std::vector<bool>& m_withNull;
    LabelSet m_set;
    const Line* m_found = nullptr;
};

// A column the reader writes: the start of its statement ("UPDATE ... SET column") and the bound statement
// made of it.
struct Target {
    QString start, sql;
};
Target target(const QString& start) { return {start, start + QStringLiteral(" = ? WHERE MainKey = ?")}; }
Target pclistTarget(const QString& column) { return target("UPDATE tbl_Pclist SET tbl_Pclist.[" + column + "]"); }

// The columns an entry's step writes, made once per entry: its own, and a second one for the steps that
// write two (a date also into tbl_Pclist, a value's unit).
struct StepTargets {
    Target first, second;
};
const StepTargets& targetsOf(const CatalogueEntry& e) {
    static const auto all = [] {
        std::array<StepTargets, kCatalogueSize> targets;
        for (const CatalogueEntry& entry : kCatalogue) {
            StepTargets& t = targets[std::size_t(entry.number - 1)];
            const QString column = entry.columnName();
            switch (entry.rule) {
                case Text:
                case UnitText:
                    // The model and serial entries name their column with the table, without brackets.
                    t.first = entry.table == TargetTable::ComputerList
                                  ? target("UPDATE tbl_Computer_List SET tbl_Computer_List." + column)
                                  : pclistTarget(column);
                    break;
                case Date:
                    t.first = target(QStringLiteral("UPDATE tbl_Computer_List SET tbl_Computer_List.[Update]"));
                    t.second = pclistTarget(QStringLiteral("Update"));
                    break;
                case IpKey:
                    t.first = target(QStringLiteral("UPDATE tbl_Pclist SET IPAddress_16num"));
                    break;
                case Pair:
                case CachePair:
                    t.first = pclistTarget(column);
                    t.second = pclistTarget(catalogueEntry(entry.number + 1).columnName());
                    break;
                default:
                    t.first = pclistTarget(column);
                    break;
            }
        }
        return targets;
    }();
    return all[std::size_t(e.number - 1)];
}

// One statement, prepared once per connection and run with the value bound; the test hook sees it as the
// reader writes it (value in apostrophes, a number bare). Its failure is passed over.
void write(const Target& target, const ado::Value& value, qint16 key) {
    const QString text = value.isText() ? std::get<QString>(value.raw()) : QString();
    // Written into the statement text, a NUL would have ended it there and the statement would fail.
    if (text.contains(QChar(0))) return;
    try {
        gCn().ExecuteBound(target.sql, {value, ado::Value(qint64(key))}, [&] {
            const QString shown = value.isText() ? u'\'' + text + u'\'' : value.toText();
            return target.start + QStringLiteral(" = ") + shown + QStringLiteral(" WHERE MainKey = ") +
                   QString::number(key);
        });
    } catch (const std::exception&) {
    }
}

// One step for the PC: an entry, or a value entry with its unit entry.
template <class Line>
void applyStep(const CatalogueEntry& e, LabelSet set, qint16 key, StagedLookup<Line>& lookup) {
    const StepTargets& targets = targetsOf(e);
    const bool found = lookup.find(e);
    auto read = [&](StagedField field, QString& into) {
        if (found) into = lookup.field(field);
    };
    switch (e.rule) {
        case Text:
        case UnitText: {
            QString v;
            read(e.rule == Text ? Contents : Unit, v);
            v = cutText(v);
            write(targets.first, v, key);
            break;
        }
        case Date: {
            QString v;
            read(set == LabelSet::Japanese ? SubItem : Renewalday, v);
            v = cutText(v);
            write(targets.first, v, key);
            write(targets.second, v, key);
            break;
        }
        case IpKey: {
            QString address;
            read(Contents, address);
            QString hex;
            try {
                hex = fnc_IP_To_Hex(address);
            } catch (const std::exception&) {
            }
            write(targets.first, hex, key);
            break;
        }
        case Number: {
            QString text;
            read(Contents, text);
            write(targets.first, qint64(wholeNumber(text)), key);
            break;
        }
        case Pair:
        case CachePair: {
            qint32 number = 0;
            QString unit;
            QString text;
            read(Contents, text);
            if (e.rule == Pair) {
                number = wholeNumber(text);
            } else if (!text.isEmpty()) {
                QString again;
                read(Contents, again);
                number = wholeNumber(again);
            }
            read(Unit, unit);
            write(targets.first, qint64(number), key);
            write(targets.second, unit, key);
            break;
        }
        case PairUnit:
        case CacheUnit:
            break;  // written with its value entry
        case CpuFlag: {
            QString v;
            read(Contents, v);
            write(targets.first, cpuFlag(v), key);
            break;
        }
        case SettingFlag: {
            QString v;
            read(Unit, v);
            write(targets.first, settingFlag(v), key);
            break;
        }
    }
}

template <class Line>
void applyEntries(qint16 mainKey, LabelSet set, int first, int last, const std::vector<Line>& staged,
                  const std::vector<bool>& withNull) {
    StagedLookup<Line> lookup(staged, withNull, set);
    for (int n = qMax(first, 1); n <= qMin(last, kCatalogueSize); ++n) {
        const CatalogueEntry& e = catalogueEntry(n);
        if (!e.appliedByReader) continue;
        try {
            applyStep(e, set, mainKey, lookup);
        } catch (const std::exception&) {
            // a step that fails is passed over; the next one follows
        }
    }
}

}  // namespace

void fnc_Update_FromReadCsv(qint16 mainKey, LabelSet set, int first, int last, const readcsv::StagedRows& staged) {
    applyEntries(mainKey, set, first, last, staged, {});
}

void fnc_Update_FromReadCsv(qint16 mainKey, LabelSet set, int first, int last,
                            const std::vector<readcsv::StagedLineView>& staged) {
    applyEntries(mainKey, set, first, last, staged, {});
}

void fnc_Update_FromReadCsv(qint16 mainKey, LabelSet set, int first, int last) {
    // The staged rows are read once, in staged order; a table that cannot be read leaves every entry
    // at what a lookup without a line gives.
    readcsv::StagedRows staged;
    std::vector<bool> withNull;
    try {
        ado::Recordset rs;
        rs.Open(QStringLiteral("SELECT * FROM tbl_ReadCsv"), gCn(), ado::adOpenStatic, ado::adLockReadOnly);
        while (!rs.EOF()) {
            readcsv::StagedLine line;
            bool null = false;
            // "SELECT *" gives the staged fields in their own order.
            for (int i = 0; i < readcsv::kStagedFields && i < rs.FieldCount(); ++i) {
                const ado::Value v = rs.Fields(i).value();
                null = null || v.isNull();
                fieldOf(line, StagedField(i)) = v.toTextOrEmpty();
            }
            staged.push_back(std::move(line));
            withNull.push_back(null);
            rs.MoveNext();
        }
        rs.Close();
    } catch (const std::exception&) {
        staged.clear();
        withNull.clear();
    }
    applyEntries(mainKey, set, first, last, staged, withNull);
}

}  // namespace inventory
