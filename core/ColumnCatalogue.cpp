#include "core/ColumnCatalogue.h"

#include <iterator>

#include "core/Mdl_gData.h"

namespace {

// Index, caption and field of every column a view can show. DB.ini stores views by these indexes
// and sort keys by these captions and fields, so the order and the texts must never change.
struct Entry {
    const char* caption;
    const char* fieldName;
};

constexpr Entry kCatalogue[] = {
    {" ", "tbl_Computer_List.MainKey"},
    {"設置場所", "Location_Name"},
    {"部署", "Section_Name"},
    {"課", "Division_Name"},
    {"ユーザ", "User_Name"},
    {"社員番号", "Employee_SerialNumber"},
    {"アカウント", "Acount_Name"},
    {"パスワード", "logon_Password"},
    {"コンピュータ名", "Computer_Name"},
    {"ワークグループ", "Workgroup"},
    {"IPアドレス", "ipaddress"},
    {"IPアドレス(16)", "IPAddress_16num"},
    {"MACアドレス", "MacAddress"},
    {"メーカー", "Manufacturer_Name"},
    {"モデル", "Model_Name"},
    {"M/T", "Type_Number"},
    {"S/N", "Sereals_Number"},
    {"OS", "Operating_System"},
    {"バージョン", "Version_Number"},
    {"サービスパック", "ServicePack"},
    {"プロダクトID", "ProductID"},
    {"プロダクトKey", "ProductKey"},
    {"OEM 製造業者", "OEM_Manufacturer"},
    {"OEM モデル名", "OEM_Model"},
    {"CPU", "CPU_NameString"},
    {"CPUクロック", "CPU_Clock"},
    {"Ｃドライブ全容量", "SysHD_Full"},
    {"Ｃドライブ使用量", "SysHD_Used"},
    {"メモリ全容量", "Memory_Full"},
    {"メモリ使用量", "Memory_Used"},
    {"ページファイル全容量", "Pagefile_Full"},
    {"ページファイル使用量", "Pagefile_Used"},
    {"ページファイル空容量", "Pagefile_Free"},
    {"システムDiskドライブ名", "SysHD_Driveletter"},
    {"システムDisk空容量", "SysHD_Free"},
    {"フロッピードライブ", "Floppydisk_Drive"},
    {"CDドライブ", "Cdrom_Drive"},
    {"DVDドライブ", "DVD_Drive"},
    {"CDRドライブ", "Cdr_Drive"},
    {"MOドライブ", "Mo_Drive"},
    {"コンボドライブ", "Combo_Drive"},
    {"IE Version", "IE_Version"},
    {"IE ServicePack", "IE_SP"},
    {"インターネット接続", "Internet_Connection"},
    {"モデム経由", "Modem_Connection"},
    {"LAN経由", "LAN_Connection"},
    {"PROXY経由", "PROXY_Connection"},
    {"オフラインモード", "OfflineMode"},
    {"RASインストール", "RASInstalled"},
    {"画面解像度", "Resolution"},
    {"ユーザー名", "UserName"},
    {"パスワード", "UserPassword"},
    {"ホスト名", "HostsName"},
    {"ドメイン", "DomeinName"},
    {"コンピュータの説明", "PC_Explanation"},
    {"プロバイダ名", "ProviderName"},
    {"アダプター名", "AdapterName"},
    {"サブネットマスク", "SubnetMask"},
    {"ゲートウェイ", "Gateway"},
    {"DHCPサーバ", "DHCPServer"},
    {"プライマリWINS", "PrimaryWINS"},
    {"セカンダリWINS", "SecondaryWINS"},
    {"プライマリDNS", "PrimaryDNS"},
    {"セカンダリDNS", "SecondaryDNS"},
    {"接続先HUB名", "HUB_Name"},
    {"更新日", "tbl_Computer_List.Update"},
    {"資産区分", "Asset_Code"},
    {"購入先", "Selling_Agent"},
    {"リース会社", "Leasing_Company"},
    {"リース契約番号", "Leasing_Contract_Number"},
    {"リース開始日", "Leasing_StartDate"},
    {"リース終了日", "Leasing_EndDate"},
    {"リース月額", "Leasing_Monthly_Amount"},
    {"別途現金支払", "Cash_Payment"},
    {"保守会社", "Maintenance_Agent"},
    {"撤去日", "Remove_Date"},
    {"コメント", "Comment"},
};
static_assert(std::size(kCatalogue) == 77, "the catalogue holds entries 0 to 76");

}  // namespace

void FGridViewSelect_ini() {
    for (std::size_t i = 0; i < std::size(kCatalogue); ++i) {
        gColumnDef[i].FieldName = QString::fromUtf8(kCatalogue[i].fieldName);
        gColumnDef[i].Caption = QString::fromUtf8(kCatalogue[i].caption);
    }
    gColumnDefLast = 76;
}
