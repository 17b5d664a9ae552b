#pragma once
// The PC record editor's fixed tables: which column each box shows and under which caption, the CPU
// features, the drive rows, the Internet settings, the tabs and the device pictures' keys. The window
// copies the field tables into its own variables when it loads.
#include <QString>
#include <array>

namespace pcrecord {

struct DatFieldEntry {
    const char* caption;
    const char* fieldName;
};
// tbx_Dat(i) and lbr_dat(i), i = 0..54.
inline constexpr int kDatCount = 55;
extern const std::array<DatFieldEntry, kDatCount> kDatFields;

struct CpuFeatureEntry {
    const char* abbrev;
    const char* description;
    const char* fieldName;
};
// ChkBox(i) and lbr_CPU_Feature(i), i = 0..31.
inline constexpr int kCpuFeatureCount = 32;
extern const std::array<CpuFeatureEntry, kCpuFeatureCount> kCpuFeatures;

struct DriveEntry {
    const char* caption;    // lbr_Drive(i), and the save's line for tbx_Drive(i)
    const char* field;      // tbx_Drive(i): the size
    const char* unitField;  // and its unit
    const char* flagField;  // Chk_Drive(i)
    const char* flagCaption;
};
inline constexpr int kDriveCount = 6;
extern const std::array<DriveEntry, kDriveCount> kDrives;

struct IeSettingEntry {
    const char* caption;
    const char* field;
};
// IE_Env(i), i = 0..5.
inline constexpr int kIeSettingCount = 6;
extern const std::array<IeSettingEntry, kIeSettingCount> kIeSettings;

// Tab n (1..8) shows Picture_Page(n - 1); captions padded with U+3000 as stored.
inline constexpr int kTabCount = 8;
[[nodiscard]] QString tabCaption(int tab);

// The columns of a list grid, 1..3: field and header.
struct GridColumnEntry {
    const char* field;
    const char* header;
};
struct ListGridEntry {
    const char* table;
    std::array<GridColumnEntry, 3> columns;
    const char* fontName;
};
inline constexpr ListGridEntry kApplicationGrid = {"tbl_ApplicationsList",
                                                   {{{"Application_Name", "アプリケーション名"},
                                                     {"Application_Path", "インストール場所"},
                                                     {"Application_Version", "バージョン"}}},
                                                   "ＭＳ ゴシック"};
inline constexpr ListGridEntry kPrinterGrid = {"tbl_Printer_Management",
                                               {{{"Printer_Name", "プリンタ名"},
                                                 {"PrinterPorts_Name", "プリンタポート"},
                                                 {"Printer_Driver_Version", "バージョン"}}},
                                               "ＭＳ Ｐゴシック"};
inline constexpr ListGridEntry kEnvironmentGrid = {
    "tbl_Environmental",
    {{{"Environmental_Name", "環境変数名"}, {"Environmental_Path", "パス"}, {"Coments", "コメント"}}},
    "ＭＳ Ｐゴシック"};

// The keys of ImageList1's 30 pictures, in order: device categories as the inventory tool writes them.
inline constexpr int kDeviceImageCount = 30;
extern const std::array<const char*, kDeviceImageCount> kDeviceImageKeys;
// A category without a picture of its own shows this one.
inline constexpr const char* kFallbackDeviceImage = "システム デバイス";

}  // namespace pcrecord
