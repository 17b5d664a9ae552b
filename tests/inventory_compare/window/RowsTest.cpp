// The comparison grid's rows, its layout and the overwrite's statements, held against the window's
// design: the row table below is written out from it, not derived from the code.
#include <gtest/gtest.h>

#include "inventory_compare/CompareRows.h"

namespace comparetest {
namespace {

using compare::FileRule;
using compare::StagedField;
using F = StagedField;
using R = FileRule;

struct DesignRow {
    int number;
    const char16_t* label;  // the stored side's label
    const char* column;
    const char* stored;     // the stored value shown in column 3
    const char16_t* first;  // the file side's two conditions
    const char16_t* second;
    StagedField field;
    FileRule rule;
};

// clang-format off
const DesignRow kDesign[] = {
    {1, u"コンピュータ名", "Computer_Name", "tbl_Pclist.Computer_Name", u"Item = 'LAN'", u"SubItem = 'コンピュータ名'", F::Contents, R::IfSet},
    {2, u"ワークグループ名", "Workgroup", "tbl_Pclist.Workgroup", u"Item = 'LAN'", u"SubItem = 'ワークグループ'", F::Contents, R::IfSet},
    {3, u"IPアドレス", "IPAddress", "tbl_Pclist.IPAddress", u"Item = 'Adapter'", u"SubItem = 'IPアドレス'", F::Contents, R::IfSet},
    {4, u"IPアドレス(16)", "IPAddress_16num", "tbl_Pclist.IPAddress_16num", u"Item = 'Adapter'", u"SubItem = 'IPアドレス'", F::Contents, R::Hex},
    {5, u"更新日", "Update", "tbl_Pclist.Update", u"Group = 'Create'", u"Item = 'DateTime'", F::SubItem, R::IfSet},
    {6, u"MACアドレス", "MacAddress", "tbl_Pclist.MacAddress", u"Item = 'Adapter'", u"SubItem = 'MACアドレス'", F::Contents, R::IfSet},
    {7, u"メモリ全容量", "Memory_Full", "tbl_Pclist.Memory_Full", u"Item = 'メモリ'", u"SubItem = '全容量'", F::Contents, R::IfSet},
    {8, u"メモリ全容量 単位", "Memory_Full_unit", "tbl_Pclist.Memory_Full_unit", u"Item = 'メモリ'", u"SubItem = '全容量'", F::Unit, R::IfSet},
    {9, u"メモリ使用量", "Memory_Used", "tbl_Pclist.Memory_Used", u"Item = 'メモリ'", u"SubItem = '使用量'", F::Contents, R::IfSet},
    {10, u"メモリ使用量 単位", "Memory_Used_unit", "tbl_Pclist.Memory_Used_unit", u"Item = 'メモリ'", u"SubItem = '使用量'", F::Unit, R::IfSet},
    {11, u"Cドライブ 全容量", "SysHD_Full", "tbl_Pclist.SysHD_Full", u"Item = 'SystemHDD'", u"SubItem = '全容量'", F::Contents, R::IfSet},
    {12, u"Cドライブ全容量 単位", "SysHD_Full_unit", "tbl_Pclist.SysHD_Full_unit", u"Item = 'SystemHDD'", u"SubItem = '全容量'", F::Unit, R::IfSet},
    {13, u"Cドライブ使用量", "SysHD_Used", "tbl_Pclist.SysHD_Used", u"Item = 'SystemHDD'", u"SubItem = '使用量'", F::Contents, R::IfSet},
    {14, u"Cドライブ使用量 単位", "SysHD_Used_unit", "tbl_Pclist.SysHD_Used_unit", u"Item = 'SystemHDD'", u"SubItem = '使用量'", F::Unit, R::IfSet},
    {15, u"メモリ空容量", "Memory_Free", "tbl_Pclist.Memory_Free", u"Item = 'メモリ'", u"SubItem = '空容量'", F::Contents, R::IfSet},
    {16, u"メモリ空容量 単位", "Memory_Free_unit", "tbl_Pclist.Memory_Free_unit", u"Item = 'メモリ'", u"SubItem = '空容量'", F::Unit, R::IfSet},
    {17, u"ページファイル全容量", "Pagefile_Full", "tbl_Pclist.Pagefile_Full", u"Item = 'ページファイル'", u"SubItem = '全容量'", F::Contents, R::IfSet},
    {18, u"ページファイル全容量 単位", "Pagefile_Full_unit", "tbl_Pclist.Pagefile_Full_unit", u"Item = 'ページファイル'", u"SubItem = '全容量'", F::Unit, R::IfSet},
    {19, u"ページファイル使用量", "Pagefile_Used", "tbl_Pclist.Pagefile_Used", u"Item = 'ページファイル'", u"SubItem = '使用量'", F::Contents, R::Always},
    {20, u"ページファイル使用量 単位", "Pagefile_Used_unit", "tbl_Pclist.Pagefile_Used_unit", u"Item = 'ページファイル'", u"SubItem = '使用量'", F::Unit, R::IfSet},
    {21, u"ページファイル空容量", "Pagefile_Free", "tbl_Pclist.Pagefile_Free", u"Item = 'ページファイル'", u"SubItem = '空容量'", F::Contents, R::IfSet},
    {22, u"ページファイル空容量 単位", "Pagefile_Free_unit", "tbl_Pclist.Pagefile_Free_unit", u"Item = 'ページファイル'", u"SubItem = '空容量'", F::Unit, R::IfSet},
    {23, u"Cドライブ ドライブ名", "SysHD_Driveletter", "tbl_Pclist.SysHD_Driveletter", u"Item = 'SystemHDD'", u"SubItem = 'Drive'", F::Contents, R::IfSet},
    {24, u"Cドライブ空容量", "SysHD_Free", "tbl_Pclist.SysHD_Free", u"Item = 'SystemHDD'", u"SubItem = '空容量'", F::Contents, R::IfSet},
    {25, u"Cドライブ空容量 単位", "SysHD_Free_unit", "tbl_Pclist.SysHD_Free_unit", u"Item = 'SystemHDD'", u"SubItem = '空容量'", F::Unit, R::IfSet},
    {26, u"OS名称", "Operating_System", "tbl_Pclist.Operating_System", u"Item = 'Windows'", u"SubItem = 'Version'", F::Contents, R::IfSet},
    {27, u"プロダクトID", "ProductID", "tbl_Pclist.ProductID", u"Item = 'Windows'", u"SubItem = 'ProductID'", F::Contents, R::IfSet},
    {28, u"OEM Manufacturer", "OEM_Manufacturer", "tbl_Pclist.OEM_Manufacturer", u"Item = 'Windows'", u"SubItem = 'OEM Manufacturer'", F::Contents, R::IfSet},
    {29, u"OEM Model", "OEM_Model", "tbl_Pclist.OEM_Model", u"Item = 'Windows'", u"SubItem = 'OEM Model'", F::Contents, R::IfSet},
    {30, u"IE Version", "IE_Version", "tbl_Pclist.IE_Version", u"Item = 'IE'", u"SubItem = 'Version'", F::Contents, R::IfSet},
    {31, u"IE 更新Version", "IE_SP", "tbl_Pclist.IE_SP", u"Item = 'IE'", u"SubItem = '更新Version'", F::Contents, R::IfSet},
    {32, u"画面 解像度", "Resolution", "tbl_Pclist.Resolution", u"Item = '画面'", u"SubItem = '解像度'", F::Contents, R::IfSet},
    {33, u"CPU名称", "CPU_Name", "tbl_Pclist.CPU_Name", u"Item = 'CPU'", u"SubItem = 'Name'", F::Contents, R::IfSet},
    {34, u"CPUクロック", "CPU_Clock", "tbl_Pclist.CPU_Clock", u"Item = 'CPU'", u"SubItem = 'Clock'", F::Contents, R::IfSet},
    {35, u"CPU ID", "CPU_ID", "tbl_Pclist.CPU_ID", u"Item = 'CPU'", u"SubItem = 'ID'", F::Contents, R::IfSet},
    {36, u"CPU Number of processors", "CPU_Unit", "tbl_Pclist.CPU_Unit", u"Item = 'CPU'", u"SubItem = 'Number of processors'", F::Contents, R::IfSet},
    {37, u"CPU NameString", "CPU_NameString", "tbl_Pclist.CPU_NameString", u"Item = 'CPU'", u"SubItem = 'NameString'", F::Contents, R::IfSet},
    {38, u"CPU Type", "CPU_Type", "tbl_Pclist.CPU_Type", u"Item = 'CPU'", u"SubItem = 'Type'", F::Contents, R::IfSet},
    {39, u"CPU Family", "CPU_Family", "tbl_Pclist.CPU_Family", u"Item = 'CPU'", u"SubItem = 'Family'", F::Contents, R::IfSet},
    {40, u"CPU Model", "CPU_Model", "tbl_Pclist.CPU_Model", u"Item = 'CPU'", u"SubItem = 'Model'", F::Contents, R::IfSet},
    {41, u"CPU Stepping", "CPU_Stepping", "tbl_Pclist.CPU_Stepping", u"Item = 'CPU'", u"SubItem = 'Stepping'", F::Contents, R::IfSet},
    {42, u"CPU L1命令キャッシュ", "CPU_L1_Instruction_Cache", "tbl_Pclist.CPU_L1_Instruction_Cache", u"Item = 'CPU'", u"SubItem = 'L1命令キャッシュ'", F::Contents, R::Zero},
    {43, u"CPU L1命令キャッシュ 単位", "CPU_L1_Instruction_Cache_unit", "tbl_Pclist.CPU_L1_Instruction_Cache_unit", u"Item = 'CPU'", u"SubItem = 'L1命令キャッシュ'", F::Unit, R::IfSet},
    {44, u"CPU L1Dataキャッシュ", "CPU_L1_Data_Cache", "tbl_Pclist.CPU_L1_Data_Cache", u"Item = 'CPU'", u"SubItem = 'L1Dataキャッシュ'", F::Contents, R::Zero},
    {45, u"CPU L1Dataキャッシュ 単位", "CPU_L1_Data_Cache_unit", "tbl_Pclist.CPU_L1_Data_Cache_unit", u"Item = 'CPU'", u"SubItem = 'L1Dataキャッシュ'", F::Unit, R::IfSet},
    {46, u"CPU L2キャッシュ", "CPU_L2_Cache", "tbl_Pclist.CPU_L2_Cache", u"Item = 'CPU'", u"SubItem = 'L2キャッシュ'", F::Contents, R::Zero},
    {47, u"CPU L2キャッシュ 単位", "CPU_L2_Cache_unit", "tbl_Pclist.CPU_L2_Cache_unit", u"Item = 'CPU'", u"SubItem = 'L2キャッシュ'", F::Unit, R::IfSet},
    {48, u"CPU L3キャッシュ", "CPU_L3_Cache", "tbl_Pclist.CPU_L3_Cache", u"Item = 'CPU'", u"SubItem = 'L3キャッシュ'", F::Contents, R::Zero},
    {49, u"CPU L3キャッシュ 単位", "CPU_L3_Cache_unit", "tbl_Pclist.CPU_L3_Cache_unit", u"Item = 'CPU'", u"SubItem = 'L3キャッシュ'", F::Unit, R::IfSet},
    {50, u"CPU L1トレースキャッシュ", "CPU_L1_Trace_Cache", "tbl_Pclist.CPU_L1_Trace_Cache", u"Item = 'CPU'", u"SubItem = 'L1トレースキャッシュ'", F::Contents, R::Zero},
    {51, u"CPU L1トレースキャッシュ 単位", "CPU_L1_Trace_Cache_unit", "tbl_Pclist.CPU_L1_Trace_Cache_unit", u"Item = 'CPU'", u"SubItem = 'L1トレースキャッシュ'", F::Unit, R::IfSet},
    {52, u"CPU SerialNumber", "CPU_SerialNumber", "tbl_Pclist.CPU_SerialNumber", u"Item = 'CPU'", u"SubItem = 'SerialNumber'", F::Contents, R::IfSet},
    {53, u"CPU FPU", "CPU_FPU", "tbl_Pclist.CPU_FPU", u"Item = 'CPU'", u"SubItem = 'FPU'", F::Contents, R::IfSet},
    {54, u"CPU VME", "CPU_VME", "tbl_Pclist.CPU_VME", u"Item = 'CPU'", u"SubItem = 'VME'", F::Contents, R::IfSet},
    {55, u"CPU DE", "CPU_DE", "tbl_Pclist.CPU_DE", u"Item = 'CPU'", u"SubItem = 'DE'", F::Contents, R::IfSet},
    {56, u"CPU PSE", "CPU_PSE", "tbl_Pclist.CPU_PSE", u"Item = 'CPU'", u"SubItem = 'PSE'", F::Contents, R::IfSet},
    {57, u"CPU TSC", "CPU_TSC", "tbl_Pclist.CPU_TSC", u"Item = 'CPU'", u"SubItem = 'TSC'", F::Contents, R::IfSet},
    {58, u"CPU MSR", "CPU_MSR", "tbl_Pclist.CPU_MSR", u"Item = 'CPU'", u"SubItem = 'MSR'", F::Contents, R::IfSet},
    {59, u"CPU PAE", "CPU_PAE", "tbl_Pclist.CPU_PAE", u"Item = 'CPU'", u"SubItem = 'PAE'", F::Contents, R::IfSet},
    {60, u"CPU MCE", "CPU_MCE", "tbl_Pclist.CPU_MCE", u"Item = 'CPU'", u"SubItem = 'MCE'", F::Contents, R::IfSet},
    {61, u"CPU CX8", "CPU_CX8", "tbl_Pclist.CPU_CX8", u"Item = 'CPU'", u"SubItem = 'CX8'", F::Contents, R::IfSet},
    {62, u"CPU APIC", "CPU_APIC", "tbl_Pclist.CPU_APIC", u"Item = 'CPU'", u"SubItem = 'APIC'", F::Contents, R::IfSet},
    {63, u"CPU SEP", "CPU_SEP", "tbl_Pclist.CPU_SEP", u"Item = 'CPU'", u"SubItem = 'SEP'", F::Contents, R::IfSet},
    {64, u"CPU MTRR", "CPU_MTRR", "tbl_Pclist.CPU_MTRR", u"Item = 'CPU'", u"SubItem = 'MTRR'", F::Contents, R::IfSet},
    {65, u"CPU PGE", "CPU_PGE", "tbl_Pclist.CPU_PGE", u"Item = 'CPU'", u"SubItem = 'PGE'", F::Contents, R::IfSet},
    {66, u"CPU MCA", "CPU_MCA", "tbl_Pclist.CPU_MCA", u"Item = 'CPU'", u"SubItem = 'MCA'", F::Contents, R::IfSet},
    {67, u"CPU CMOV", "CPU_CMOV", "tbl_Pclist.CPU_CMOV", u"Item = 'CPU'", u"SubItem = 'CMOV'", F::Contents, R::IfSet},
    {68, u"CPU PAT", "CPU_PAT", "tbl_Pclist.CPU_PAT", u"Item = 'CPU'", u"SubItem = 'PAT'", F::Contents, R::IfSet},
    {69, u"CPU PSE36", "CPU_PSE36", "tbl_Pclist.CPU_PSE36", u"Item = 'CPU'", u"SubItem = 'PSE36'", F::Contents, R::IfSet},
    {70, u"CPU PSN", "CPU_PSN", "tbl_Pclist.CPU_PSN", u"Item = 'CPU'", u"SubItem = 'PSN'", F::Contents, R::IfSet},
    {71, u"CPU MMX", "CPU_MMX", "tbl_Pclist.CPU_MMX", u"Item = 'CPU'", u"SubItem = 'MMX'", F::Contents, R::IfSet},
    {72, u"CPU FXSR", "CPU_FXSR", "tbl_Pclist.CPU_FXSR", u"Item = 'CPU'", u"SubItem = 'FXSR'", F::Contents, R::IfSet},
    {73, u"CPU SSE", "CPU_SSE", "tbl_Pclist.CPU_SSE", u"Item = 'CPU'", u"SubItem = 'SSE'", F::Contents, R::IfSet},
    {74, u"CPU SSE2", "CPU_SSE2", "tbl_Pclist.CPU_SSE2", u"Item = 'CPU'", u"SubItem = 'SSE2'", F::Contents, R::IfSet},
    {75, u"CPU HTT", "CPU_HTT", "tbl_Pclist.CPU_HTT", u"Item = 'CPU'", u"SubItem = 'HTT'", F::Contents, R::IfSet},
    {76, u"CPU TM", "CPU_TM", "tbl_Pclist.CPU_TM", u"Item = 'CPU'", u"SubItem = 'TM'", F::Contents, R::IfSet},
    {77, u"CPU 3DNow", "CPU_3DNow", "tbl_Pclist.CPU_3DNow", u"Item = 'CPU'", u"SubItem = '3DNow'", F::Contents, R::IfSet},
    {78, u"CPU 3DNowEx", "CPU_3DNowEx", "tbl_Pclist.CPU_3DNowEx", u"Item = 'CPU'", u"SubItem = '3DNowEx'", F::Contents, R::IfSet},
    {79, u"CPU SSE3", "CPU_SSE3", "tbl_Pclist.CPU_SSE3", u"Item = 'CPU'", u"SubItem = 'SSE3'", F::Contents, R::IfSet},
    {80, u"CPU MONITOR", "CPU_MONITOR", "tbl_Pclist.CPU_MONITOR", u"Item = 'CPU'", u"SubItem = 'MONITOR'", F::Contents, R::IfSet},
    {81, u"CPU DSCPL", "CPU_DSCPL", "tbl_Pclist.CPU_DSCPL", u"Item = 'CPU'", u"SubItem = 'DSCPL'", F::Contents, R::IfSet},
    {82, u"CPU EST", "CPU_EST", "tbl_Pclist.CPU_EST", u"Item = 'CPU'", u"SubItem = 'EST'", F::Contents, R::IfSet},
    {83, u"CPU TM2", "CPU_TM2", "tbl_Pclist.CPU_TM2", u"Item = 'CPU'", u"SubItem = 'TM2'", F::Contents, R::IfSet},
    {84, u"CPU CID", "CPU_CID", "tbl_Pclist.CPU_CID", u"Item = 'CPU'", u"SubItem = 'CID'", F::Contents, R::IfSet},
    {85, u"LAN ユーザー名", "UserName", "tbl_Pclist.UserName", u"Item = 'LAN'", u"SubItem = 'ユーザー名'", F::Contents, R::IfSet},
    {86, u"LAN ホスト名", "HostsName", "tbl_Pclist.HostsName", u"Item = 'LAN'", u"SubItem = 'ホスト名'", F::Contents, R::IfSet},
    {87, u"LAN ドメイン", "DomeinName", "tbl_Pclist.DomeinName", u"Item = 'LAN'", u"SubItem = 'ドメイン'", F::Contents, R::IfSet},
    {88, u"LAN コンピュータの説明", "PC_Explanation", "tbl_Pclist.PC_Explanation", u"Item = 'LAN'", u"SubItem = 'コンピュータの説明'", F::Contents, R::IfSet},
    {89, u"LAN プロバイダ名", "ProviderName", "tbl_Pclist.ProviderName", u"Item = 'LAN'", u"SubItem = 'プロバイダ名'", F::Contents, R::IfSet},
    {90, u"アダプター名", "AdapterName", "tbl_Pclist.AdapterName", u"Item = 'Adapter'", u"SubItem = 'アダプター名'", F::Contents, R::IfSet},
    {91, u"サブネットマスク", "SubnetMask", "tbl_Pclist.SubnetMask", u"Item = 'Adapter'", u"SubItem = 'サブネットマスク'", F::Contents, R::IfSet},
    {92, u"ゲートウェイ", "Gateway", "tbl_Pclist.Gateway", u"Item = 'Adapter'", u"SubItem = 'ゲートウェイ'", F::Contents, R::IfSet},
    {93, u"DHCPServer", "DHCPServer", "tbl_Pclist.DHCPServer", u"Item = 'Adapter'", u"SubItem = 'DHCPServer'", F::Contents, R::IfSet},
    {94, u"PrimaryWINS", "PrimaryWINS", "tbl_Pclist.PrimaryWINS", u"Item = 'Adapter'", u"SubItem = 'PrimaryWINS'", F::Contents, R::IfSet},
    {95, u"SecondaryWINS", "SecondaryWINS", "tbl_Pclist.SecondaryWINS", u"Item = 'Adapter'", u"SubItem = 'SecondaryWINS'", F::Contents, R::IfSet},
    {96, u"PrimaryDNS", "PrimaryDNS", "tbl_Pclist.PrimaryDNS", u"Item = 'LAN'", u"SubItem = 'PrimaryDNS'", F::Contents, R::IfSet},
    {97, u"PrimaryDNS", "PrimaryDNS", "tbl_Pclist.PrimaryDNS", u"Item = 'LAN'", u"SubItem = 'PrimaryDNS'", F::Contents, R::IfSet},
    {98, u"SecondaryDNS", "SecondaryDNS", "tbl_Pclist.SecondaryDNS", u"Item = 'LAN'", u"SubItem = 'SecondaryDNS'", F::Contents, R::IfSet},
    {99, u"インターネット接続", "Internet_Connection", "tbl_Pclist.Internet_Connection", u"SubItem = 'Setting'", u"Contents = 'インターネット接続'", F::Unit, R::Flag},
    {100, u"モデム経由", "Modem_Connection", "tbl_Pclist.Modem_Connection", u"SubItem = 'Setting'", u"Contents = 'モデム経由'", F::Unit, R::Flag},
    {101, u"LAN経由", "LAN_Connection", "tbl_Pclist.LAN_Connection", u"SubItem = 'Setting'", u"Contents = 'LAN経由'", F::Unit, R::Flag},
    {102, u"PROXY経由", "PROXY_Connection", "tbl_Pclist.PROXY_Connection", u"SubItem = 'Setting'", u"Contents = 'PROXY経由'", F::Unit, R::Flag},
    {103, u"オフラインモード", "OfflineMode", "tbl_Pclist.OfflineMode", u"SubItem = 'Setting'", u"Contents = 'オフラインモード'", F::Unit, R::Flag},
    {104, u"RASインストール", "RASInstalled", "tbl_Pclist.RASInstalled", u"SubItem = 'Setting'", u"Contents = 'RASインストール'", F::Unit, R::Flag},
    {105, u"Start Page", "Start_Page", "tbl_Pclist.Start_Page", u"SubItem = 'Setting'", u"Contents = 'Start Page'", F::Unit, R::IfSet},
    {106, u"Type_Number", "Type_Number", "tbl_Computer_List.Type_Number", u"Item = 'System'", u"SubItem = 'Model'", F::Contents, R::IfSet},
    {107, u"Sereals_Number", "Sereals_Number", "tbl_Computer_List.Sereals_Number", u"Item = 'BIOS'", u"SubItem = 'SerialNo'", F::Contents, R::IfSet},
};
// clang-format on

TEST(CompareRows, EveryRowIsTheDesignedOne) {
    ASSERT_EQ(std::size(kDesign), std::size_t(compare::kItemRows));
    for (const DesignRow& d : kDesign) {
        SCOPED_TRACE(d.number);
        const compare::ItemRow& row = compare::itemRow(d.number);
        EXPECT_EQ(row.number, d.number);
        EXPECT_EQ(row.pcLabel, QString::fromUtf16(d.label));
        // The file side names the two administrative rows after the file's items.
        const QString fileLabel = d.number == 106   ? QStringLiteral("Model")
                                  : d.number == 107 ? QStringLiteral("Serial")
                                                    : QString::fromUtf16(d.label);
        EXPECT_EQ(row.fileLabel, fileLabel);
        EXPECT_EQ(row.column, QString::fromLatin1(d.column));
        // The stored value is looked up by the plain column name, except the profile's date, which both
        // PC tables have.
        const QString stored = QString::fromLatin1(d.stored);
        const QString table = d.number >= 106 ? "tbl_Computer_List." : "tbl_Pclist.";
        EXPECT_EQ(stored, table + row.column);
        EXPECT_EQ(row.storedField, d.number == 5 ? stored : row.column);
        EXPECT_EQ(row.fileQuery, "SELECT * FROM tbl_ReadCsv  WHERE (" + QString::fromUtf16(d.first) + "  AND " +
                                     QString::fromUtf16(d.second) + ");");
        EXPECT_EQ(row.field, d.field);
        EXPECT_EQ(row.rule, d.rule);
    }
    EXPECT_EQ(compare::itemRow(1).fileQuery,
              QStringLiteral("SELECT * FROM tbl_ReadCsv  WHERE (Item = 'LAN'  AND SubItem = 'コンピュータ名');"));
}

TEST(CompareRows, IncomingColumnTakesEachRuleAsDesigned) {
    // Staged values as the first-row reader gives them: 2 Item, 3 SubItem, 4 Contents, 5 Unit.
    auto staged = [](const QString& subItem, const QString& contents, const QString& unit) {
        RecordValues v;
        v[3] = subItem;
        v[4] = contents;
        v[5] = unit;
        return v;
    };
    const QString keep = QStringLiteral("<keep>");
    struct Case {
        const char* what;
        int row;
        RecordValues values;
        QString expected;  // keep: the cell keeps its text
    } cases[] = {
        {"if set takes a value", 1, staged("", "PC01", ""), "PC01"},
        {"if set keeps the cell for an empty value", 1, staged("", "", ""), keep},
        {"values are not cut", 1, staged("", QString(300, u'x'), ""), QString(300, u'x')},
        {"the date comes from the SubItem", 5, staged("2005/04/01 12:30:45", "", ""), "2005/04/01 12:30:45"},
        {"a unit row shows the Unit", 8, staged("", "2048", "MB"), "MB"},
        {"a size is not turned into a number", 7, staged("", "1,024.5 MB", "MB"), "1,024.5 MB"},
        {"always empties the cell", 19, staged("", "", "KB"), ""},
        {"zero for a missing cache size", 42, staged("", "", ""), "0"},
        {"zero shows a cache size as it stands", 44, staged("", "なし", ""), "なし"},
        {"CPU flags show the file's text", 53, staged("", "TRUE", ""), "TRUE"},
        {"flag: True", 99, staged("", "インターネット接続", "True"), "1"},
        {"flag: 1", 100, staged("", "", "1"), "1"},
        {"flag: TRUE is not True", 101, staged("", "", "TRUE"), "0"},
        {"flag: true is not True", 102, staged("", "", "true"), "0"},
        {"flag: no line at all", 104, staged("", "", ""), "0"},
        {"the start page is the Unit", 105, staged("", "Start Page", "http：//x/"), "http：//x/"},
        {"hex of an address", 4, staged("", "192.168.1.10", ""), "C0A8010A"},
        {"hex of text that is no address", 4, staged("", "no address", ""), "FFFFFFFF"},
        {"hex keeps the cell without an address", 4, staged("", "", ""), keep},
    };
    for (const Case& c : cases) {
        const std::optional<QString> got = compare::incomingValue(compare::itemRow(c.row), c.values);
        EXPECT_EQ(got.value_or(keep), c.expected) << c.what;
    }
}

TEST(CompareRows, LayoutFollowsTheWindowSize) {
    struct Case {
        qint32 width, height;
        compare::Layout expected;  // grid width, grid height, application top, application height
    } cases[] = {
        {3440, 4287, {0, 3001, 3581, 0}},              // too narrow for the grids; 28 % is 1200.36
        {3441, 4288, {1, 3002, 3582, 1}},              // 28 % of 4288 is 1200.64
        {0, 0, {0, 0, 580, 0}},                        // nothing below zero
        {9000, 4285, {5560, 3000, 3580, 0}},           // 2999.5 goes to the even 3000
        {9000, 4295, {5560, 3006, 3586, 3}},           // 3006.5 goes to the even 3006
        {40000, 50000, {36560, 35000, 35580, 12800}},  // beyond what 16 bits could hold
    };
    for (const Case& c : cases) {
        const compare::Layout l = compare::layoutFor(c.width, c.height);
        EXPECT_EQ(l.gridWidth, c.expected.gridWidth) << c.width << "x" << c.height;
        EXPECT_EQ(l.gridHeight, c.expected.gridHeight) << c.width << "x" << c.height;
        EXPECT_EQ(l.appTop, c.expected.appTop) << c.width << "x" << c.height;
        EXPECT_EQ(l.appHeight, c.expected.appHeight) << c.width << "x" << c.height;
    }
}

TEST(CompareRows, ListItemsPadTheNameToSeventeenCharacters) {
    struct Case {
        QString name;
        QString expected;
    } cases[] = {
        {"PC001", "PC001            本社 山田"},                // 12 blanks
        {"ABCDEFGHIJKLMNOPQ", "ABCDEFGHIJKLMNOPQ本社 山田"},    // 17 characters: none
        {"ABCDEFGHIJKLMNOPQR", "ABCDEFGHIJKLMNOPQR本社 山田"},  // longer: none, and no failure
        {"", QString(17, u' ') + "本社 山田"},                  // no name yet
        {"総務パソコン", "総務パソコン           本社 山田"},   // characters, not bytes: 11 blanks
    };
    for (const Case& c : cases)
        EXPECT_EQ(compare::listItemText(c.name, "本社", "山田"), c.expected) << c.name.toStdString();
}

TEST(CompareRows, RowStatementsAreWrittenToTheLetter) {
    struct Case {
        const char* column;
        QString value;
        bool integer;
        QString expected;
    } cases[] = {
        {"Update", "2005/04/01", false, "UPDATE tbl_Pclist SET tbl_Pclist.Update  = '2005/04/01' WHERE MainKey = 12"},
        {"Type_Number", "PC-MA26D", false, "UPDATE tbl_Computer_List SET Type_Number  = 'PC-MA26D' WHERE MainKey = 12"},
        {"Sereals_Number", "SN1", false, "UPDATE tbl_Computer_List SET Sereals_Number  = 'SN1' WHERE MainKey = 12"},
        {"Computer_Name", "PC01", false, "UPDATE tbl_Pclist SET tbl_Pclist.Computer_Name  = 'PC01' WHERE MainKey = 12"},
        {"Computer_Name", "", false, "UPDATE tbl_Pclist SET tbl_Pclist.Computer_Name  = '' WHERE MainKey = 12"},
        {"Memory_Full", "2048", true, "UPDATE tbl_Pclist SET  Memory_Full  = 2048 WHERE MainKey = 12"},
        // Typed apostrophes are doubled wherever a value is quoted; the value is stored as typed.
        {"Computer_Name", "x' --", false,
         "UPDATE tbl_Pclist SET tbl_Pclist.Computer_Name  = 'x'' --' WHERE MainKey = 12"},
        {"Update", "O'Brien", false, "UPDATE tbl_Pclist SET tbl_Pclist.Update  = 'O''Brien' WHERE MainKey = 12"},
        {"Type_Number", "a'b", false, "UPDATE tbl_Computer_List SET Type_Number  = 'a''b' WHERE MainKey = 12"},
        // Nothing for a row without a column, or an integer row without a value.
        {"", "PC01", false, ""},
        {"Memory_Full", "", true, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(compare::rowStatement(c.column, c.value, "12", c.integer), c.expected)
            << c.column << " " << c.value.toStdString();
}

TEST(CompareRows, IntegerRowsStoreWhatTheReaderWouldAndFlagsStoreOneOrZero) {
    struct Case {
        const char* column;
        QString value;
        QString stored;  // the value part of the statement
    } cases[] = {
        {"Memory_Full", "1.5", "2"},
        {"Memory_Full", "2.5", "2"},
        {"Memory_Full", "3.5", "4"},
        {"Memory_Full", " -7 ", "-7"},
        {"Memory_Full", "1,234", "1234"},
        {"Memory_Full", "512 MB", "0"},
        {"Memory_Full", "2147483648", "0"},
        {"CPU_FPU", "TRUE", "'1'"},
        {"CPU_FPU", "1", "'1'"},
        {"CPU_3DNowEx", "True", "'0'"},
        {"CPU_CID", " TRUE", "'0'"},
        {"CPU_MCA", "", "'0'"},
        {"CPU_MCA", "FALSE", "'0'"},
        // Other text rows are written as they stand, flags of the Internet settings included.
        {"LAN_Connection", "TRUE", "'TRUE'"},
    };
    for (const Case& c : cases) {
        const bool integer = QString(c.column) == "Memory_Full";
        const QString s = compare::rowStatement(c.column, c.value, "3", integer);
        const QString prefix = integer ? QString("UPDATE tbl_Pclist SET  %1  = ").arg(c.column)
                                       : QString("UPDATE tbl_Pclist SET tbl_Pclist.%1  = ").arg(c.column);
        EXPECT_EQ(s, prefix + c.stored + " WHERE MainKey = 3") << c.column << " " << c.value.toStdString();
    }
}

// Which rows the overwrite leaves out and names before writing anything.
TEST(CompareRows, RowsLeftOutAreTypedNonNumbersAndNulsWrittenAsText) {
    const QString nul(QChar(0));
    const struct {
        const char* column;
        QString value;
        bool integer, typed, refused;
    } cases[] = {
        {"Memory_Full", "abc", true, true, true},
        {"Memory_Full", "512 MB", true, true, true},
        {"Memory_Full", "2147483648", true, true, true},
        {"Memory_Full", "1" + nul, true, true, true},
        {"Memory_Full", "1.5", true, true, false},
        {"Memory_Full", " -7 ", true, true, false},
        {"Memory_Full", "", true, true, false},      // writes nothing, keeps the stored number
        {"Memory_Full", "abc", true, false, false},  // the file's text: stored as the reader stores it
        {"Memory_Full", "1" + nul, true, false, false},
        {"Computer_Name", "PC" + nul, false, false, true},
        {"Computer_Name", "PC" + nul, false, true, true},
        {"Computer_Name", "abc", false, true, false},
        {"Type_Number", "T" + nul, false, false, true},
        {"Update", nul, false, false, true},
        {"CPU_FPU", "TRUE" + nul, false, false, false},  // a flag is written as '0' or '1'
        {"", "abc" + nul, false, true, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(compare::rowRefused(c.column, c.value, c.integer, c.typed), c.refused)
            << c.column << " " << c.value.toStdString() << (c.typed ? " typed" : " from the file");
}

}  // namespace
}  // namespace comparetest
