#include "core/ViewQuery.h"

#include "core/Mdl_gData.h"

// The text is built piece by piece exactly as the list has always sent it, blanks included: saved
// views and the tests compare it letter for letter.
void gSetSQLVal() {
    QString sql;
    sql += "SELECT ";
    sql += "tbl_Pclist.*, ";
    sql += "tbl_Computer_List.*, ";
    sql += "tbl_Location.Location_Name, ";
    sql += "tbl_Location.Available_flug, ";
    sql += "tbl_User.User_Name, ";
    sql += "tbl_User.User_Comment, ";
    sql += "tbl_User.Available_flug, ";
    sql += "tbl_User.kana, ";
    sql += "tbl_User.Employee_SerialNumber, ";
    sql += "tbl_User.Acount_Name, ";
    sql += "tbl_User.logon_Password, ";
    sql += "tbl_Section.Section_Name, ";
    sql += "tbl_Section.Available_flug, ";
    sql += "tbl_Division.Division_Name, ";
    sql += "tbl_Division.Available_flug, ";
    sql += "tbl_Manufacturer.Manufacturer_Name, ";
    sql += "tbl_Manufacturer.Available_flug, ";
    sql += "tbl_Model.Model_Name, ";
    sql += "tbl_Model.Available_flug ";

    sql += "FROM tbl_Computer_List, ";
    sql += "tbl_Pclist, ";
    sql += "tbl_User, ";
    sql += "tbl_Section, ";
    sql += "tbl_Location, ";
    sql += "tbl_Division, ";
    sql += "tbl_Manufacturer, ";
    sql += "tbl_Model";

    sql += " WHERE (";
    sql += "((tbl_Computer_List.Location_Code)=([tbl_Location].[Location_Code]))";
    sql += " AND ";
    sql += "((tbl_Computer_List.User_Code)=([tbl_User].[User_Code]))";
    sql += " AND ";
    sql += "((tbl_User.Section_Code)=([tbl_Section].[Section_Code]))";
    sql += " AND ";
    sql += "((tbl_User.Division_Code)=([tbl_Division].[Division_Code]))";
    sql += " AND ";
    sql += "((tbl_Computer_List.Manufacturer_Code)=([tbl_Manufacturer].[Manufacturer_Code]))";
    sql += " AND ";
    sql += "((tbl_Computer_List.Model_Code)=([tbl_Model].[Model_Code]))";
    sql += " AND ";
    sql += "((tbl_Pclist.MainKey) = (tbl_Computer_List.MainKey))";
    sql += ") ";

    if (gOptDel == 0) {
        sql += " AND (tbl_Computer_List.Deleted_Flug = 0) ";
    } else if (gOptDel == 1) {
        sql += " AND (tbl_Computer_List.Deleted_Flug = 1) ";
    }

    gViewSQL = sql;

    // A key count outside 0..3 only comes from a hand-edited DB.ini; the query then goes without a
    // sort and without its closing ";".
    if (gSelectNumber < 0 || gSelectNumber > 3) return;
    for (int k = 0; k < gSelectNumber; ++k) {
        gViewSQL += (k == 0) ? QStringLiteral(" ORDER BY ") : QStringLiteral(",");
        gViewSQL += gKeyName[k] + " " + gKeyAscDesc[k];
    }
    gViewSQL += ";";
}
