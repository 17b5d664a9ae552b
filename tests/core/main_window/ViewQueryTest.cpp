// The list query text and the column catalogue: both are part of what "DB.ini" and the database expect.
#include <gtest/gtest.h>

#include <array>

#include "core/ColumnCatalogue.h"
#include "core/Mdl_gData.h"
#include "core/ViewQuery.h"

namespace {

const QString kBase =
    "SELECT tbl_Pclist.*, tbl_Computer_List.*, tbl_Location.Location_Name, tbl_Location.Available_flug, "
    "tbl_User.User_Name, tbl_User.User_Comment, tbl_User.Available_flug, tbl_User.kana, "
    "tbl_User.Employee_SerialNumber, tbl_User.Acount_Name, tbl_User.logon_Password, tbl_Section.Section_Name, "
    "tbl_Section.Available_flug, tbl_Division.Division_Name, tbl_Division.Available_flug, "
    "tbl_Manufacturer.Manufacturer_Name, tbl_Manufacturer.Available_flug, tbl_Model.Model_Name, "
    "tbl_Model.Available_flug FROM tbl_Computer_List, tbl_Pclist, tbl_User, tbl_Section, tbl_Location, "
    "tbl_Division, tbl_Manufacturer, tbl_Model WHERE (((tbl_Computer_List.Location_Code)=([tbl_Location]."
    "[Location_Code])) AND ((tbl_Computer_List.User_Code)=([tbl_User].[User_Code])) AND "
    "((tbl_User.Section_Code)=([tbl_Section].[Section_Code])) AND ((tbl_User.Division_Code)=([tbl_Division]."
    "[Division_Code])) AND ((tbl_Computer_List.Manufacturer_Code)=([tbl_Manufacturer].[Manufacturer_Code])) AND "
    "((tbl_Computer_List.Model_Code)=([tbl_Model].[Model_Code])) AND ((tbl_Pclist.MainKey) = "
    "(tbl_Computer_List.MainKey))) ";

// The example the list has always sent for installed PCs sorted by location, kept whole.
const QString kExample =
    "SELECT tbl_Pclist.*, tbl_Computer_List.*, tbl_Location.Location_Name, tbl_Location.Available_flug, tbl_Us"
    "er.User_Name, tbl_User.User_Comment, tbl_User.Available_flug, tbl_User.kana, tbl_User.Employee_SerialNumb"
    "er, tbl_User.Acount_Name, tbl_User.logon_Password, tbl_Section.Section_Name, tbl_Section.Available_flug, "
    "tbl_Division.Division_Name, tbl_Division.Available_flug, tbl_Manufacturer.Manufacturer_Name, tbl_Manufact"
    "urer.Available_flug, tbl_Model.Model_Name, tbl_Model.Available_flug FROM tbl_Computer_List, tbl_Pclist, t"
    "bl_User, tbl_Section, tbl_Location, tbl_Division, tbl_Manufacturer, tbl_Model WHERE (((tbl_Computer_List."
    "Location_Code)=([tbl_Location].[Location_Code])) AND ((tbl_Computer_List.User_Code)=([tbl_User].[User_Cod"
    "e])) AND ((tbl_User.Section_Code)=([tbl_Section].[Section_Code])) AND ((tbl_User.Division_Code)=([tbl_Div"
    "ision].[Division_Code])) AND ((tbl_Computer_List.Manufacturer_Code)=([tbl_Manufacturer].[Manufacturer_Cod"
    "e])) AND ((tbl_Computer_List.Model_Code)=([tbl_Model].[Model_Code])) AND ((tbl_Pclist.MainKey) = (tbl_Com"
    "puter_List.MainKey)))  AND (tbl_Computer_List.Deleted_Flug = 0)  ORDER BY Location_Name ASC;";

struct SortKey {
    const char* name;
    const char* direction;
};

struct QueryCase {
    const char* what;
    qint16 optDel;
    qint16 selectNumber;
    std::array<SortKey, 3> keys;
    QString expected;
};

class ViewQueryTest : public ::testing::Test {
protected:
    void SetUp() override { resetGlobals(); }
    void TearDown() override { resetGlobals(); }
};

TEST_F(ViewQueryTest, BuildsTheQueryLetterForLetter) {
    const QString installed = " AND (tbl_Computer_List.Deleted_Flug = 0) ";
    const QueryCase cases[] = {
        {"installed PCs, one key ascending (the example text)", 0, 1, {{{"Location_Name", "ASC"}}}, kExample},
        {"no sort key: filter and the closing semicolon only", 0, 0, {}, kBase + installed + ";"},
        {"removed PCs only", 1, 0, {}, kBase + " AND (tbl_Computer_List.Deleted_Flug = 1) " + ";"},
        {"filter 2: no Deleted_Flug condition at all", 2, 0, {}, kBase + ";"},
        {"negative filter: no condition either", -1, 0, {}, kBase + ";"},
        {"three keys, the comma without a blank",
         0,
         3,
         {{{"Location_Name", "ASC"}, {"User_Name", "DESC"}, {"Computer_Name", "ASC"}}},
         kBase + installed + " ORDER BY Location_Name ASC,User_Name DESC,Computer_Name ASC;"},
        {"two keys",
         0,
         2,
         {{{"Location_Name", "ASC"}, {"User_Name", "DESC"}}},
         kBase + installed + " ORDER BY Location_Name ASC,User_Name DESC;"},
        {"empty direction goes in as it is",
         0,
         1,
         {{{"Location_Name", ""}}},
         kBase + installed + " ORDER BY Location_Name ;"},
        {"qualified update date",
         0,
         1,
         {{{"tbl_Computer_List.Update", "DESC"}}},
         kBase + installed + " ORDER BY tbl_Computer_List.Update DESC;"},
        {"key count 5 (hand-edited file): no sort and no semicolon",
         0,
         5,
         {{{"Location_Name", "ASC"}}},
         kBase + installed},
        {"negative key count: the same", 0, -1, {{{"Location_Name", "ASC"}}}, kBase + installed},
        {"slots beyond the count are ignored",
         0,
         1,
         {{{"Location_Name", "ASC"}, {"User_Name", "DESC"}}},
         kBase + installed + " ORDER BY Location_Name ASC;"},
    };
    for (const QueryCase& c : cases) {
        SCOPED_TRACE(c.what);
        resetGlobals();
        gOptDel = c.optDel;
        gSelectNumber = c.selectNumber;
        for (int k = 0; k < 3; ++k) {
            gKeyName[k] = c.keys[k].name ? QString::fromUtf8(c.keys[k].name) : QString();
            gKeyAscDesc[k] = c.keys[k].direction ? QString::fromUtf8(c.keys[k].direction) : QString();
        }
        gSetSQLVal();
        EXPECT_EQ(gViewSQL.toStdString(), c.expected.toStdString());
        // Built from scratch each time, never appended to the previous text.
        gSetSQLVal();
        EXPECT_EQ(gViewSQL.toStdString(), c.expected.toStdString());
    }
}

TEST_F(ViewQueryTest, QueryTextHasTwoBlanksBeforeFilterAndSort) {
    gSelectNumber = 1;
    gKeyName[0] = "Location_Name";
    gKeyAscDesc[0] = "ASC";
    gSetSQLVal();
    EXPECT_TRUE(gViewSQL.contains(")))  AND (tbl_Computer_List.Deleted_Flug = 0)  ORDER BY Location_Name ASC;"));
}

TEST_F(ViewQueryTest, CatalogueHoldsEntriesZeroToSeventySix) {
    FGridViewSelect_ini();
    EXPECT_EQ(gColumnDefLast, 76);
    struct Expect {
        int index;
        const char* caption;
        const char* field;
    };
    // The ends, the entries the list formats, and the ones whose texts are easy to get wrong.
    const Expect expected[] = {
        {0, " ", "tbl_Computer_List.MainKey"},
        {1, "設置場所", "Location_Name"},
        {2, "部署", "Section_Name"},
        {7, "パスワード", "logon_Password"},
        {10, "IPアドレス", "ipaddress"},
        {11, "IPアドレス(16)", "IPAddress_16num"},
        {22, "OEM 製造業者", "OEM_Manufacturer"},
        {26, "Ｃドライブ全容量", "SysHD_Full"},
        {33, "システムDiskドライブ名", "SysHD_Driveletter"},
        {35, "フロッピードライブ", "Floppydisk_Drive"},
        {41, "IE Version", "IE_Version"},
        {51, "パスワード", "UserPassword"},
        {53, "ドメイン", "DomeinName"},
        {65, "更新日", "tbl_Computer_List.Update"},
        {72, "リース月額", "Leasing_Monthly_Amount"},
        {75, "撤去日", "Remove_Date"},
        {76, "コメント", "Comment"},
    };
    for (const Expect& e : expected) {
        SCOPED_TRACE(e.index);
        EXPECT_EQ(gColumnDef[e.index].Caption, QString::fromUtf8(e.caption));
        EXPECT_EQ(gColumnDef[e.index].FieldName, QString::fromUtf8(e.field));
    }
    for (int i = 0; i <= 76; ++i) {
        EXPECT_FALSE(gColumnDef[i].FieldName.isEmpty()) << i;
        EXPECT_FALSE(gColumnDef[i].Caption.isEmpty()) << i;
    }
    for (int i = 77; i < 256; ++i) EXPECT_TRUE(gColumnDef[i].FieldName.isEmpty()) << i;

    // Filling again rewrites the same values.
    const auto before = gColumnDef;
    gColumnDef[5].Caption = "changed";
    FGridViewSelect_ini();
    for (int i = 0; i <= 76; ++i) {
        EXPECT_EQ(gColumnDef[i].Caption, before[i].Caption);
        EXPECT_EQ(gColumnDef[i].FieldName, before[i].FieldName);
    }
}

}  // namespace
