#pragma once
// A copy of the template database in a temporary program folder, with one connection open on it.
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "platform/db/Ado.h"
#include "tests/support/AppFolder.h"
#include "tests/support/ErrorOf.h"

namespace dbtest {

// The main list's query up to its filter: every PC column and the names of its masters, joined.
inline constexpr const char* kViewSelect =
    "SELECT tbl_Pclist.*, tbl_Computer_List.*, tbl_Location.Location_Name, tbl_Location.Available_flug, "
    "tbl_User.User_Name, tbl_User.User_Comment, tbl_User.Available_flug, tbl_User.kana, "
    "tbl_User.Employee_SerialNumber, "
    "tbl_User.Acount_Name, tbl_User.logon_Password, tbl_Section.Section_Name, tbl_Section.Available_flug, "
    "tbl_Division.Division_Name, tbl_Division.Available_flug, tbl_Manufacturer.Manufacturer_Name, "
    "tbl_Manufacturer.Available_flug, tbl_Model.Model_Name, tbl_Model.Available_flug FROM tbl_Computer_List, "
    "tbl_Pclist, tbl_User, tbl_Section, tbl_Location, tbl_Division, tbl_Manufacturer, tbl_Model WHERE "
    "(((tbl_Computer_List.Location_Code)=([tbl_Location].[Location_Code])) AND "
    "((tbl_Computer_List.User_Code)=([tbl_User].[User_Code])) AND "
    "((tbl_User.Section_Code)=([tbl_Section].[Section_Code])) "
    "AND ((tbl_User.Division_Code)=([tbl_Division].[Division_Code])) AND "
    "((tbl_Computer_List.Manufacturer_Code)=([tbl_Manufacturer].[Manufacturer_Code])) AND "
    "((tbl_Computer_List.Model_Code)=([tbl_Model].[Model_Code])) AND ((tbl_Pclist.MainKey) = "
    "(tbl_Computer_List.MainKey))) ";

inline QString jetConnectionString(const QString& path) {
    return QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=") + path;
}

using testsupport::errorOf;

class TemplateDb : public ::testing::Test {
protected:
    void SetUp() override {
        m_folder = std::make_unique<testsupport::AppFolder>(true);
        cn.Open(jetConnectionString(m_folder->dbPath()));
    }
    void TearDown() override {
        cn.Close();
        m_folder.reset();
    }

    // Runs a statement and returns the rows it changed.
    long exec(const QString& sql) {
        cn.Execute(sql);
        return cn.lastRecordsAffected();
    }
    // First field of the first row as text ("<null>" for Null, "<none>" for no row).
    QString scalar(const QString& query) {
        ado::Recordset rs;
        rs.Open(query, cn, ado::adOpenStatic, ado::adLockReadOnly);
        if (rs.RecordCount() == 0) return QStringLiteral("<none>");
        const ado::Value v = rs.Fields(0).value();
        return v.isNull() ? QStringLiteral("<null>") : v.toText();
    }
    int count(const QString& query) {
        ado::Recordset rs;
        rs.Open(query, cn, ado::adOpenStatic, ado::adLockReadOnly);
        return rs.RecordCount();
    }
    // How SQLite holds a column: "integer:12", "text:0", "null:".
    QString stored(const QString& table, const QString& column, const QString& where) {
        return scalar(
            QStringLiteral("SELECT typeof(%2) || ':' || ifnull(%2, '') FROM %1 WHERE %3").arg(table, column, where));
    }

    std::unique_ptr<testsupport::AppFolder> m_folder;
    ado::Connection cn;
};

}  // namespace dbtest
