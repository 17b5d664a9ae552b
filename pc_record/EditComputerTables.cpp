#include "pc_record/EditComputerTables.h"

#include "platform/ui/Names.h"

namespace pcrecord {

// clang-format off
const std::array<DatFieldEntry, kDatCount> kDatFields = {{
    {"コンピュータ名", "Computer_Name"},  // 0
    {"ワークグループ", "Workgroup"},  // 1
    {"IPアドレス", "IPAddress"},  // 2
    {"M/T", "Type_Number"},  // 3
    {"S/N", "Sereals_Number"},  // 4
    {"CPU一般名", "CPU_Name"},  // 5
    {"CPU表示名", "CPU_NameString"},  // 6
    {"動作クロック", "CPU_Clock"},  // 7
    {"プロセッサ数", "CPU_Unit"},  // 8
    {"Type", "CPU_Type"},  // 9
    {"Family", "CPU_Family"},  // 10
    {"Model", "CPU_Model"},  // 11
    {"Stepping", "CPU_Stepping"},  // 12
    {"CPU SerialNumber", "CPU_SerialNumber"},  // 13
    {"CPU VenderID", "CPU_ID"},  // 14
    {"L1命令キャッシュ", "CPU_L1_Instruction_Cache"},  // 15
    {"L1Dataキャッシュ", "CPU_L1_Data_Cache"},  // 16
    {"L1トレースキャッシュ", "CPU_L1_Trace_Cache"},  // 17
    {"L2キャッシュ", "CPU_L2_Cache"},  // 18
    {"L3キャッシュ", "CPU_L3_Cache"},  // 19
    {"ユーザー名", "UserName"},  // 20
    {"パスワード", "UserPassword"},  // 21
    {"ホスト名", "HostsName"},  // 22
    {"ドメイン", "DomeinName"},  // 23
    {"コンピュータの説明", "PC_Explanation"},  // 24
    {"プロバイダ名", "ProviderName"},  // 25
    {"アダプター名", "AdapterName"},  // 26
    {"IPアドレス(16)", "IPAddress_16num"},  // 27
    {"サブネットマスク", "SubnetMask"},  // 28
    {"ゲートウェイ", "Gateway"},  // 29
    {"DHCPServer", "DHCPServer"},  // 30
    {"PrimaryWINS", "PrimaryWINS"},  // 31
    {"SecondaryWINS", "SecondaryWINS"},  // 32
    {"PrimaryDNS", "PrimaryDNS"},  // 33
    {"SecondaryDNS", "SecondaryDNS"},  // 34
    {"接続先HUB名", "HUB_Name"},  // 35
    {"Macアドレス", "MacAddress"},  // 36
    {"OEM 製造業者", "OEM_Manufacturer"},  // 37
    {"OEM モデル名", "OEM_Model"},  // 38
    {"Product ID", "ProductID"},  // 39
    {"Product Key", "ProductKey"},  // 40
    {"IEバージョン", "IE_Version"},  // 41
    {"IEサービスパック", "IE_SP"},  // 42
    {"資産区分(現金/リース)", "Asset_Code"},  // 43
    {"購入先", "Selling_Agent"},  // 44
    {"リース会社", "Leasing_Company"},  // 45
    {"リース契約番号", "Leasing_Contract_Number"},  // 46
    {"リース開始日(例2005/12/05)", "Leasing_StartDate"},  // 47
    {"リース終了日(例2005/12/05)", "Leasing_EndDate"},  // 48
    {"リース月額(円)", "Leasing_Monthly_Amount"},  // 49
    {"現金支払額(円)", "Cash_Payment"},  // 50
    {"保守会社", "Maintenance_Agent"},  // 51
    {"保守契約番号", "Maintenance_Contract_Number"},  // 52
    {"コメント", "Comment"},  // 53
    {"OS", "Operating_System"},  // 54
}};

const std::array<CpuFeatureEntry, kCpuFeatureCount> kCpuFeatures = {{
    {"FPU", "Intel387浮動小数点命令セットをサポートするFPUを内蔵", "CPU_FPU"},  // 0
    {"VME", "仮想8086モードへの拡張をサポート", "CPU_VME"},  // 1
    {"DE", "I/Oブレークポイントをサポート", "CPU_DE"},  // 2
    {"PSE", "4Mバイトのページをサポート", "CPU_PSE"},  // 3
    {"TSC", "アクセス/特権制御用のCR4.TSDビットを含めたRDTSC命令をサポート", "CPU_TSC"},  // 4
    {"MSR", "RDMSR命令とWRMSR命令によってモデル固有レジスタの組み込み", "CPU_MSR"},  // 5
    {"PAE", "32ビットを超える物理アドレスをサポート", "CPU_PAE"},  // 6
    {"MCE", "マシン・チェック例外、例外18、およびCR4.MCEイネーブル・ビットをサポート", "CPU_MCE"},  // 7
    {"CX8", "比較および交換を実行する8バイト命令をサポート", "CPU_CX8"},  // 8
    {"APIC", "ソフトウェア・アクセスが可能なローカルAPICを格納する", "CPU_APIC"},  // 9
    {"SEP", "SYSENTERとSYSEXITという2つの高速システム・コール命令をサポート", "CPU_SEP"},  // 10
    {"MTRR", "メモリ・タイプ・レンジ・レジスタ（MTRR_CAPレジスタ）をサポート", "CPU_MTRR"},  // 11
    {"PGE", "PDE(page directory entries)とPTE(page table entries)のグローバル・ビットをサポート。複数プロセスに共通のTLBエントリをサポート", "CPU_PGE"},  // 12
    {"MCA", "マシン・チェック・アーキテクチャ（MCG_CAPレジスタ）をサポート", "CPU_MCA"},  // 13
    {"CMOV", "CMOVccをサポート。FPU機能フラグ（ビット0）も1にセットされている場合は、FCMOVCC命令とFCOMI命令もサポート", "CPU_CMOV"},  // 14
    {"PAT", "ページ属性テーブルをサポート。MTRR（Memory Type Range Register)の値を増大させ、OSはリニア・アドレスを介してメモリ属性を4K単位で指定できる", "CPU_PAT"},  // 15
    {"PS E36", "4GB を超える物理メモリのアドレス指定をサポート｡4M バイトページの物理アドレスの上位4 ビットが、ページ・ディレクトリ・エントリのビット13 ～ 16 によってコード化される", "CPU_PSE36"},  // 16
    {"PSN", "プロセッサシリアルナンバが有効化", "CPU_PSN"},  // 17
    {"MMX", "インテル・アーキテクチャMMX テクノロジ拡張命令セットをサポート", "CPU_MMX"},  // 18
    {"FXSR", "浮動小数点コンテキストの高速セーブ/ リストア用のFXSAVE 命令とFXRSTOR 命令をサポート", "CPU_FXSR"},  // 19
    {"SSE", "インテル・アーキテクチャ・ストリーミングSIMD拡張命令をサポート", "CPU_SSE"},  // 20
    {"SSE2", "ストリーミングSIMD2拡張命令", "CPU_SSE2"},  // 21
    {"TM", "温度モニタの自動温度制御回路（TCC）を実装", "CPU_TM"},  // 22
    {"3DNow", "3DNow命令", "CPU_3DNow"},  // 23
    {"3DNowEX", "拡張3DNow命令", "CPU_3DNowEX"},  // 24
    {"HTT", "ハイパースレッド", "CPU_HTT"},  // 25
    {"SSE3", "ストリーミングSIMD3拡張命令", "CPU_SSE3"},  // 26
    {"MONITOR", "MONITOR 命令とMWAIT 命令をサポート", "CPU_MONITOR"},  // 27
    {"DSCPL", "CPL の条件を満たす分岐メッセージの格納を可能にするデバッグストア拡張機能をサポート", "CPU_DSCPL"},  // 28
    {"EST", "第二世代のIntel SpeedStep テクノロジを実装", "CPU_EST"},  // 29
    {"TM2", "温度モニタ2 の温度制御回路（TCC）を実装", "CPU_TM2"},  // 30
    {"CID", "BIOS によってL1 データ・キャッシュ・モードをアダプティブ・モードまたは共有モードに設定できる", "CPU_CID"},  // 31
}};

const std::array<DriveEntry, kDriveCount> kDrives = {{
    {"メモリ全容量", "Memory_Full", "Memory_Full_unit", "Floppydisk_Drive", "FDドライブ"},
    {"メモリ使用量", "Memory_Used", "Memory_Used_Unit", "Cdrom_Drive", "CDドライブ"},
    {"Ｃドライブ全容量", "SysHD_Full", "SysHD_Full_Unit", "DVD_Drive", "DVDドライブ"},
    {"Ｃドライブ使用量", "SysHD_Used", "SysHD_Used_Unit", "Cdr_Drive", "CD-Rドライブ"},
    {"ページファイル全容量", "Pagefile_Full", "Pagefile_Full_Unit", "Combo_Drive", "コンボドライブ"},
    {"ページファイル使用量", "Pagefile_Used", "Pagefile_Used_Unit", "Mo_Drive", "MOドライブ"},
}};

const std::array<IeSettingEntry, kIeSettingCount> kIeSettings = {{
    {"インターネット接続", "Internet_Connection"},
    {"モデム経由", "Modem_Connection"},
    {"LAN経由", "LAN_Connection"},
    {"PROXY経由", "PROXY_Connection"},
    {"オフラインモード ", "OfflineMode"},
    {"RASインストール", "RASInstalled"},
}};

const std::array<const char*, kDeviceImageCount> kDeviceImageKeys = {{
    "DVD/CD-ROM ドライブ",  // 1
    "CD-ROM",  // 2
    "IDE ATA/ATAPI コントローラ",  // 3
    "PCMCIA アダプタ",  // 4
    "SCSI と RAID コントローラ",  // 5
    "SCSI ｺﾝﾄﾛｰﾗ",  // 6
    "USB (Universal Serial Bus) コントローラ",  // 7
    "キーボード",  // 8
    "コンピュータ",  // 9
    "システム デバイス",  // 10
    "サウンド、ビデオ、およびゲーム コントローラ",  // 11
    "ディスク ドライブ",  // 12
    "ディスプレイ アダプタ",  // 13
    "Display adapters",  // 14
    "テープ ドライブ",  // 15
    "ネットワーク アダプタ",  // 16
    "バッテリ",  // 17
    "ヒューマン インターフェイス デバイス",  // 18
    "プロセッサ",  // 19
    "フロッピー ディスク コントローラ",  // 20
    "フロッピー ディスク ドライブ",  // 21
    "ポート (COM と LPT)",  // 22
    "マウスとそのほかのポインティング デバイス",  // 23
    "モニタ",  // 24
    "モデム",  // 25
    "ｷｰﾎﾞｰﾄﾞ",  // 26
    "赤外線デバイス",  // 27
    "1394 バス ホスト コントローラ",  // 28
    "Intel AIM 3.0 Codec",  // 29
    "記憶域ボリューム",  // 30
}};
// clang-format on

QString tabCaption(int tab) {
    struct Tab {
        const char* text;
        int padding;  // U+3000 at the end
    };
    static constexpr Tab kTabs[kTabCount] = {
        {"CPU", 4},      {"ネットワーク", 1}, {"アプリケーション", 0}, {"デバイス", 2},
        {"プリンタ", 2}, {"環境変数", 1},     {"ドライブ", 2},         {"保守", 5},
    };
    if (tab < 1 || tab > kTabCount) return {};
    const Tab& t = kTabs[tab - 1];
    return QString::fromUtf8(t.text) + ui::kIdeo.repeated(t.padding);
}

}  // namespace pcrecord
