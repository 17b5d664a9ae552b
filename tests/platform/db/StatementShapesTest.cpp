// Every statement and query shape the ledger's core issues, exactly as the program writes it, run in
// order on the template database through the layer: each with the rows it must change or return.
#include "tests/platform/db/DbTestSupport.h"

namespace {

using dbtest::TemplateDb;

struct Step {
    enum Kind { Execute, Query } kind;
    const char* sql;
    int rows;  // rows changed (Execute) or returned (Query)
};

QString view(const char* tail) { return QString::fromUtf8(dbtest::kViewSelect) + QString::fromUtf8(tail); }

TEST_F(TemplateDb, StatementShapesRunAsWritten) {
    const Step steps[] = {
        // The template: reserved rows only.
        {Step::Query, "SELECT MAX( MainKey ) FROM tbl_Computer_List", 1},
        {Step::Query, "SELECT * FROM tbl_Location WHERE Available_flug='0' ORDER BY Location_Code;", 1},
        // New PC (key 5), as the New command writes it.
        {Step::Execute, "INSERT INTO tbl_Computer_List (MainKey) VALUES (5)", 1},
        {Step::Execute, "INSERT INTO tbl_PClist (MainKey) VALUES (5)", 1},
        {Step::Execute, "UPDATE tbl_Computer_List SET tbl_Computer_List.[Location_Code] = 0 WHERE MainKey = 5", 1},
        {Step::Execute, "UPDATE tbl_Computer_List SET tbl_Computer_List.[User_Code] = 0 WHERE MainKey = 5", 1},
        {Step::Execute, "UPDATE tbl_Computer_List SET tbl_Computer_List.[Manufacturer_Code] = 0 WHERE MainKey = 5", 1},
        {Step::Execute, "UPDATE tbl_Computer_List SET tbl_Computer_List.[Model_Code] = 0 WHERE MainKey = 5", 1},
        {Step::Execute, "UPDATE tbl_Computer_List SET tbl_Computer_List.[Deleted_Flug] = 0 WHERE MainKey = 5", 1},
        // The inventory import's column statements.
        {Step::Execute, "UPDATE tbl_Computer_List SET tbl_Computer_List.[Asset_Code] = 0 WHERE MainKey = 5", 1},
        {Step::Execute, "UPDATE tbl_Pclist SET tbl_Pclist.[Computer_Name] = 'PC-05' WHERE MainKey = 5", 1},
        {Step::Execute, "UPDATE tbl_Pclist SET tbl_Pclist.[Memory_Full] = 0 WHERE MainKey = 5", 1},
        {Step::Execute, "UPDATE tbl_Pclist SET IPAddress_16num = '' WHERE MainKey = 5", 1},
        {Step::Execute, "UPDATE tbl_Computer_List SET tbl_Computer_List.[Update] = '2005/04/01' WHERE MainKey = 5", 1},
        {Step::Execute, "UPDATE tbl_Pclist SET tbl_Pclist.[Update] = '2005/04/01' WHERE MainKey = 5", 1},
        {Step::Execute, "UPDATE tbl_Computer_List SET tbl_Computer_List.Type_Number = '' WHERE MainKey = 5", 1},
        {Step::Execute, "UPDATE tbl_Computer_List SET tbl_Computer_List.Sereals_Number = '' WHERE MainKey = 5", 1},
        {Step::Execute, "UPDATE tbl_Pclist SET tbl_Pclist.Update  = '2005/04/02' WHERE MainKey = 5", 1},
        {Step::Execute, "UPDATE tbl_Computer_List SET Type_Number  = 'MT-1' WHERE MainKey = 5", 1},
        // Staging, then the four list queries and the list-row copier's statements.
        {Step::Execute, "DELETE FROM tbl_ReadCsv", 0},
        {Step::Execute,
         "INSERT INTO tbl_ReadCsv ([Key], [Group], Item, SubItem, Contents, Unit, Renewalday) "
         "VALUES ('1', 'Soft', 'Application', 'Editor', '1.0', 'C：￥Apps', '2005/04/01')",
         1},
        {Step::Execute,
         "INSERT INTO tbl_ReadCsv ([Key], [Group], Item, SubItem, Contents, Unit, Renewalday) "
         "VALUES ('2', 'Device', 'Display', 'Panel', 'Maker', '1.2', '2005/04/01')",
         1},
        {Step::Execute,
         "INSERT INTO tbl_ReadCsv ([Key], [Group], Item, SubItem, Contents, Unit, Renewalday) "
         "VALUES ('3', 'Hard', 'Printer', 'LP-1', 'LPT1：', '', '2005/04/01')",
         1},
        {Step::Execute,
         "INSERT INTO tbl_ReadCsv ([Key], [Group], Item, SubItem, Contents, Unit, Renewalday) "
         "VALUES ('4', 'Environmental', 'PATH', 'C：￥bin', '', '', '2005/04/01')",
         1},
        {Step::Execute,
         "INSERT INTO tbl_ReadCsv ([Key], [Group], Item, SubItem, Contents, Unit, Renewalday) "
         "VALUES ('5', 'Hard', 'LAN', 'コンピュータ名', 'PC-05', '', '2005/04/01')",
         1},
        {Step::Query, "SELECT * FROM tbl_ReadCsv", 5},
        {Step::Query, "SELECT * FROM tbl_ReadCsv WHERE (Group = 'Soft' AND Item = 'Application')", 1},
        {Step::Query, "SELECT * FROM tbl_ReadCsv WHERE (Group = 'Device')", 1},
        {Step::Query, "SELECT * FROM tbl_ReadCsv WHERE (Group = 'Hard' AND Item = 'Printer')", 1},
        {Step::Query, "SELECT * FROM tbl_ReadCsv WHERE (Group = 'Environmental')", 1},
        {Step::Query, "SELECT * FROM tbl_ReadCsv  WHERE (Item = 'LAN'  AND SubItem = 'コンピュータ名');", 1},
        {Step::Query, "SELECT tbl_ReadCsv.* FROM tbl_ReadCsv  WHERE ((tbl_ReadCsv.Item = 'Application') );", 1},
        {Step::Execute,
         "INSERT INTO tbl_ApplicationsList ( [Update], Application_Name, Application_Version, Application_Path, [Key] "
         ") "
         "VALUES('2005/04/01', 'Editor', '1.0', 'C：￥Apps', '5');",
         1},
        {Step::Execute,
         "INSERT INTO tbl_Device_Management ( [Update], Device_Category, Device_Name, Device_Provider, Device_Version, "
         "[Key] ) VALUES('2005/04/01', 'Display', 'Panel', 'Maker', '1.2', '5');",
         1},
        {Step::Execute,
         "INSERT INTO tbl_Printer_Management ( [Update], Printer_Name, PrinterPorts_Name, [Key] ) "
         "VALUES('2005/04/01', 'LP-1', 'LPT1：', '5');",
         1},
        {Step::Execute,
         "INSERT INTO tbl_Environmental ( [Update], Environmental_Name, Environmental_Path, [Key] ) "
         "VALUES('2005/04/01', 'PATH', 'C：￥bin', '5');",
         1},
        {Step::Query,
         "SELECT tbl_ApplicationsList.* FROM tbl_ApplicationsList  WHERE (((tbl_ApplicationsList.Key)=5));", 1},
        // Master-table and user editors.
        {Step::Query, "SELECT MAX( Location_Code ) FROM tbl_Location", 1},
        {Step::Execute, "INSERT INTO tbl_Location ( Location_Code,Available_flug) VALUES ( 5,0 );", 1},
        {Step::Query, "SELECT * FROM tbl_Location WHERE ((Location_Code)  = 5 );", 1},
        {Step::Query, "SELECT * FROM tbl_Location WHERE Location_Code = 5", 1},
        {Step::Query, "SELECT * FROM tbl_Location WHERE Available_flug='0' ORDER BY Location_Code;", 2},
        {Step::Query, "SELECT MAX( User_Code  ) FROM tbl_User", 1},
        {Step::Execute,
         "INSERT INTO tbl_User  ( User_Code,Available_flug,Section_Code,Division_Code) VALUES ( 5,0,0,0 );", 1},
        {Step::Query, "SELECT * FROM tbl_User  WHERE (((User_Code)=5));", 1},
        {Step::Query, "SELECT * FROM tbl_User  WHERE (((tbl_User.User_Code)=5));", 1},
        {Step::Query, "SELECT * FROM tbl_Section  WHERE Available_flug ='0'ORDER BY Section_Code;", 1},
        {Step::Query, "SELECT * FROM tbl_Division  WHERE Available_flug ='0' ORDER BY Division_Name ;", 1},
        {Step::Query,
         "SELECT tbl_Section.*, tbl_Division.*, tbl_User.* FROM tbl_Section, tbl_Division, tbl_User  WHERE "
         "(((tbl_User.Section_Code)=([tbl_Section].[Section_Code])) AND "
         "((tbl_User.Division_Code)=([tbl_Division].[Division_Code])) "
         "AND ((tbl_User.Available_flug) ='0')) ;",
         2},
        // The list query in its forms (PC 5 and the reserved PC 0 are both installed).
        {Step::Query, " AND (tbl_Computer_List.Deleted_Flug = 0)  ORDER BY Location_Name ASC;", 2},
        {Step::Query, " AND (tbl_Computer_List.Deleted_Flug = 0) ;;;;", 2},
        {Step::Query, " AND (tbl_Computer_List.Deleted_Flug = 1) ;;;;", 0},
        {Step::Query, ";;;;", 2},
        {Step::Query,
         " AND (tbl_Computer_List.Deleted_Flug = 0)  ORDER BY Location_Name ASC,User_Name DESC,Computer_Name ASC;;;;",
         2},
        {Step::Query, " AND (tbl_Computer_List.Deleted_Flug = 0)  ORDER BY Location_Name ;;;;", 2},
        {Step::Query, " AND (tbl_Computer_List.Deleted_Flug = 0)  ORDER BY tbl_Computer_List.Update DESC;;;;", 2},
        {Step::Query, " AND (tbl_Computer_List.Deleted_Flug = 0) ", 2},
        // Removal, then the PC's joined queries.
        {Step::Query, "SELECT * FROM tbl_Computer_List WHERE MainKey  = 5", 1},
        {Step::Execute, "UPDATE tbl_Computer_List SET Deleted_Flug = 1, Remove_Date = '2005/12/04' WHERE MainKey = 5",
         1},
        {Step::Query, " AND (tbl_Computer_List.Deleted_Flug = 1) ;;;;", 1},
        {Step::Query,
         "SELECT DISTINCT tbl_Computer_List.*, tbl_Pclist.* FROM tbl_Pclist, tbl_Computer_List  WHERE "
         "((tbl_Pclist.MainKey "
         "= 5) AND ((tbl_Pclist.MainKey) = (tbl_Computer_List.MainKey)) );",
         1},
        {Step::Query,
         "SELECT tbl_Pclist.*, tbl_Computer_List.* FROM tbl_Pclist, tbl_Computer_List  WHERE (((tbl_Pclist.MainKey = "
         "tbl_Computer_List.MainKey)) AND ((tbl_Computer_List.MainKey)= 5));",
         1},
        {Step::Query,
         "SELECT tbl_ApplicationsList.Application_Name, Count(tbl_ApplicationsList.Key) FROM tbl_ApplicationsList "
         ",tbl_Computer_List WHERE (((tbl_Computer_List.Deleted_Flug)=1)) AND (tbl_Computer_List.MainKey = "
         "tbl_ApplicationsList.Key) GROUP BY tbl_ApplicationsList.Application_Name;",
         1},
        // Licence keys (statements with "DELETE *" and [Key]).
        {Step::Execute, "INSERT INTO tbl_License_Key ( [Key] ) VALUES ( 1 )", 1},
        {Step::Query, "SELECT MAX( [Key] ) FROM tbl_License_Key;", 1},
        {Step::Query, "SELECT * FROM tbl_License_Key WHERE Key= 1", 1},
        {Step::Execute, "DELETE * FROM tbl_License_Key WHERE Key= 1", 1},
        {Step::Execute, "INSERT INTO tbl_Mail_Management( [Key] ,User_Code ,Conputer_Code ) VALUES ( 0, 0, 5 )", 1},
        // Delete of PC 5 from every table that carries its key.
        {Step::Execute, "DELETE  FROM tbl_ApplicationsList WHERE tbl_ApplicationsList.Key = 5;", 1},
        {Step::Execute, "DELETE  FROM tbl_Computer_List WHERE tbl_Computer_List.MainKey = 5;", 1},
        {Step::Execute, "DELETE  FROM tbl_Device_Management WHERE tbl_Device_Management.Key = 5;", 1},
        {Step::Execute, "DELETE  FROM tbl_Environmental WHERE tbl_Environmental.Key = 5;", 1},
        {Step::Execute, "DELETE  FROM tbl_Pclist WHERE tbl_Pclist.MainKey = 5;", 1},
        {Step::Execute, "DELETE  FROM tbl_Printer_Management WHERE tbl_Printer_Management.Key = 5;", 1},
        {Step::Execute, "DELETE  FROM tbl_Mail_Management WHERE tbl_Mail_Management.Conputer_Code = 5;", 1},
        {Step::Execute, "DELETE  FROM tbl_License_Dat WHERE tbl_License_Dat.Computer_Code = 5;", 0},
        {Step::Query, "SELECT MAX( MainKey ) FROM tbl_Computer_List", 1},
        {Step::Query, ";;;;", 1},
    };
    for (const Step& s : steps) {
        QString sql = QString::fromUtf8(s.sql);
        if (s.kind == Step::Query && !sql.startsWith(QLatin1String("SELECT"))) sql = view(s.sql);
        try {
            if (s.kind == Step::Execute) {
                EXPECT_EQ(exec(sql), s.rows) << s.sql;
            } else {
                EXPECT_EQ(count(sql), s.rows) << s.sql;
            }
        } catch (const vb::Error& e) {
            ADD_FAILURE() << s.sql << "\n  failed: " << e.description().toStdString();
        }
    }
}

// What the shapes above leave in the columns, where a faithful-looking port goes wrong.
TEST_F(TemplateDb, StatementShapesStoreWhatJetStores) {
    exec("INSERT INTO tbl_Computer_List (MainKey) VALUES (5)");
    exec("INSERT INTO tbl_PClist (MainKey) VALUES (5)");
    EXPECT_EQ(stored("tbl_Computer_List", "Deleted_Flug", "MainKey = 5"), "integer:0");  // the default
    exec("UPDATE tbl_Computer_List SET tbl_Computer_List.[Asset_Code] = 0 WHERE MainKey = 5");
    EXPECT_EQ(stored("tbl_Computer_List", "Asset_Code", "MainKey = 5"), "text:0");
    exec(
        "INSERT INTO tbl_ApplicationsList ( [Update], Application_Name, Application_Version, Application_Path, [Key] ) "
        "VALUES('r', 's', 'c', 'u', '5');");
    EXPECT_EQ(stored("tbl_ApplicationsList", "[Key]", "Application_Name = 's'"), "integer:5");
    exec("INSERT INTO tbl_Location ( Location_Code,Available_flug) VALUES ( 5,0 );");
    EXPECT_EQ(stored("tbl_Location", "Available_flug", "Location_Code = 5"), "text:0");
    EXPECT_EQ(count("SELECT * FROM tbl_Location WHERE Available_flug='0'"), 2);
    exec("UPDATE tbl_Pclist SET IPAddress_16num = '00000000' WHERE MainKey = 5");
    EXPECT_EQ(stored("tbl_Pclist", "IPAddress_16num", "MainKey = 5"), "text:00000000");
    // Text in a statement is data: an apostrophe doubled by the caller is stored as one.
    exec("UPDATE tbl_Pclist SET tbl_Pclist.[Computer_Name] = 'O''Neil -- x' WHERE MainKey = 5");
    EXPECT_EQ(scalar("SELECT Computer_Name FROM tbl_Pclist WHERE MainKey = 5"), "O'Neil -- x");
    EXPECT_EQ(count("SELECT * FROM tbl_Pclist WHERE Computer_Name = 'O''Neil -- x'"), 1);
}

// The template as the program expects to find it.
TEST_F(TemplateDb, TemplateHoldsTheTablesAndReservedRows) {
    const struct {
        const char* table;
        int columns;
        const char* first;
    } tables[] = {
        {"tbl_Computer_List", 22, "MainKey"}, {"tbl_Pclist", 115, "MainKey"},
        {"tbl_Section", 4, "Section_Code"},   {"tbl_Division", 4, "Division_Code"},
        {"tbl_Location", 4, "Location_Code"}, {"tbl_Manufacturer", 4, "Manufacturer_Code"},
        {"tbl_Model", 4, "Model_Code"},       {"tbl_User", 10, "User_Code"},
        {"tbl_ApplicationsList", 5, "Key"},   {"tbl_Device_Management", 6, "Key"},
        {"tbl_Printer_Management", 5, "Key"}, {"tbl_Environmental", 5, "Key"},
        {"tbl_License_Key", 3, "Key"},        {"tbl_License_Dat", 11, "Key"},
        {"tbl_Mail_Management", 11, "Key"},   {"tbl_NetworkUnit", 15, "Key"},
        {"tbl_NetworkList", 12, "Key"},       {"tbl_ReadCsv", 7, "Key"},
    };
    EXPECT_EQ(scalar("SELECT count(*) FROM sqlite_master WHERE type = 'table'"), "18");
    EXPECT_EQ(scalar("SELECT count(*) FROM sqlite_master WHERE type = 'index' AND tbl_name = 'tbl_ReadCsv'"), "0");
    for (const auto& t : tables) {
        ado::Recordset rs;
        rs.Open(QStringLiteral("SELECT * FROM ") + t.table, cn);
        EXPECT_EQ(rs.FieldCount(), t.columns) << t.table;
        EXPECT_EQ(rs.Fields(0).Name(), t.first) << t.table;
    }
    ado::Recordset user;
    user.Open("SELECT * FROM tbl_User", cn);
    ASSERT_EQ(user.RecordCount(), 1);
    EXPECT_EQ(user.Fields(3).Name(), "Available_flug");  // read by position
    EXPECT_EQ(user.Fields(3).text(), "0");
    EXPECT_EQ(user["User_Code"].value().toInt16(), 0);
    EXPECT_EQ(user["Section_Code"].value().toInt16(), 0);
    EXPECT_EQ(user["Division_Code"].value().toInt16(), 0);
    for (const char* master : {"tbl_Section", "tbl_Division", "tbl_Location", "tbl_Manufacturer", "tbl_Model"}) {
        ado::Recordset rs;
        rs.Open(QStringLiteral("SELECT * FROM ") + master, cn);
        ASSERT_EQ(rs.RecordCount(), 1) << master;
        EXPECT_EQ(rs.Fields(0).value().toInt16(), 0) << master;
        EXPECT_EQ(rs.Fields(3).Name(), "Available_flug") << master;
        EXPECT_EQ(rs.Fields(3).text(), "0") << master;
    }
    EXPECT_EQ(scalar("SELECT Location_Code || User_Code || Manufacturer_Code || Model_Code || Deleted_Flug "
                     "FROM tbl_Computer_List WHERE MainKey = 0"),
              "00000");
    EXPECT_EQ(count("SELECT * FROM tbl_Pclist WHERE MainKey = 0"), 1);
    // Every key is a primary key that refuses Null; the list tables have none.
    for (const char* table : {"tbl_Computer_List", "tbl_Pclist", "tbl_Section", "tbl_Division", "tbl_Location",
                              "tbl_Manufacturer", "tbl_Model", "tbl_User", "tbl_License_Key", "tbl_License_Dat",
                              "tbl_Mail_Management", "tbl_NetworkUnit", "tbl_NetworkList"})
        EXPECT_EQ(scalar(QStringLiteral("SELECT count(*) FROM pragma_table_info('%1') WHERE pk = 1 AND [notnull] = 1 "
                                        "AND cid = 0")
                             .arg(table)),
                  "1")
            << table;
    for (const char* table : {"tbl_ApplicationsList", "tbl_Device_Management", "tbl_Printer_Management",
                              "tbl_Environmental", "tbl_ReadCsv"})
        EXPECT_EQ(scalar(QStringLiteral("SELECT count(*) FROM pragma_table_info('%1') WHERE pk > 0").arg(table)), "0")
            << table;
    // Each column name other than MainKey and Update belongs to one PC table only.
    EXPECT_EQ(
        scalar("SELECT count(*) FROM pragma_table_info('tbl_Pclist') p JOIN pragma_table_info('tbl_Computer_List') c "
               "ON p.name = c.name COLLATE NOCASE"),
        "2");
}

}  // namespace
