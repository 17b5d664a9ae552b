// The list-row copier: the four list copies as the reader and the comparison window run them, every layout,
// and the errors it passes over.
#include <gtest/gtest.h>

#include "core/Mdl_Access_mdb.h"
#include "core/Mdl_ReadCsv.h"
#include "platform/db/Ado.h"
#include "platform/ui/Dialogs.h"
#include "tests/core/csv/CsvFixture.h"

namespace csvtest {
namespace {

// The selecting queries and statement starts, word for word.
const QString kAppQuery = "SELECT * FROM tbl_ReadCsv WHERE (Group = 'Soft' AND Item = 'Application')";
const QString kAppStart =
    "INSERT INTO tbl_ApplicationsList ( [Update], Application_Name, Application_Version, Application_Path, [Key] ) "
    "VALUES(";
const QString kDeviceQuery = "SELECT * FROM tbl_ReadCsv WHERE (Group = 'Device')";
const QString kDeviceStart =
    "INSERT INTO tbl_Device_Management ( [Update], Device_Category, Device_Name, Device_Provider, Device_Version, "
    "[Key] ) VALUES(";
const QString kPrinterQuery = "SELECT * FROM tbl_ReadCsv WHERE (Group = 'Hard' AND Item = 'Printer')";
const QString kPrinterStart =
    "INSERT INTO tbl_Printer_Management ( [Update], Printer_Name, PrinterPorts_Name, [Key] ) VALUES(";
const QString kEnvQuery = "SELECT * FROM tbl_ReadCsv WHERE (Group = 'Environmental')";
const QString kEnvStart =
    "INSERT INTO tbl_Environmental ( [Update], Environmental_Name, Environmental_Path, [Key] ) VALUES(";

using CopierTest = CsvTest;

TEST_F(CopierTest, TheFourListsCopyEachMatchingLineInStagedOrder) {
    stageLines({
        "1,Soft,Application,App A,1.0,C:\\Program Files\\x,2005/04/01 12:30:45",
        "2,Device,ディスプレイ,RADEON,ATI,6.14,2005/04/01",
        "3,Soft,Application,App B,2.0,,2005/04/02",
        "4,Hard,Printer,LP-9000C,LPT1:,ignored,2005/04/03",
        "5,Environmental,Path,C:\\WINDOWS;C:\\bin,ignored,2005/04/04",
        "6,Soft,Application,O'Neil's,3.0,#1,2005/04/05",
        "7,Hard,CPU,Name,not a printer,,x",
        "8,Soft,Windows,Version,not an application,,x",
    });
    EXPECT_FALSE(fnc_Insert_FromReadCsv(kAppQuery, kAppStart, "12", 5));
    EXPECT_FALSE(fnc_Insert_FromReadCsv(kDeviceQuery, kDeviceStart, "12", 6));
    EXPECT_FALSE(fnc_Insert_FromReadCsv(kPrinterQuery, kPrinterStart, "12", 7));
    EXPECT_FALSE(fnc_Insert_FromReadCsv(kEnvQuery, kEnvStart, "12", 8));

    using L = std::vector<QStringList>;
    EXPECT_EQ(rows("SELECT [Key], [Update], Application_Name, Application_Version, Application_Path FROM "
                   "tbl_ApplicationsList"),
              (L{{"12", "2005/04/01 12：30：45", "App A", "1.0", "C：￥Program Files￥x"},
                 {"12", "2005/04/02", "App B", "2.0", ""},
                 {"12", "2005/04/05", "O’Neil’s", "3.0", "＃1"}}));
    EXPECT_EQ(rows("SELECT [Key], [Update], Device_Category, Device_Name, Device_Provider, Device_Version FROM "
                   "tbl_Device_Management"),
              (L{{"12", "2005/04/01", "ディスプレイ", "RADEON", "ATI", "6.14"}}));
    EXPECT_EQ(rows("SELECT [Key], [Update], Printer_Name, PrinterPorts_Name, Printer_Driver_Version FROM "
                   "tbl_Printer_Management"),
              (L{{"12", "2005/04/03", "LP-9000C", "LPT1：", "<null>"}}));
    EXPECT_EQ(rows("SELECT [Key], [Update], Environmental_Name, Environmental_Path, Coments FROM tbl_Environmental"),
              (L{{"12", "2005/04/04", "Path", "C：￥WINDOWS；C：￥bin", "<null>"}}));
}

// Each layout puts its values, in its order, before the key; the statement start here names as many columns.
TEST_F(CopierTest, EveryLayoutWritesItsValuesInItsOrder) {
    stageLines({"k,Device,i,s,c,u,r"});
    const QStringList cols = {"Device_Category", "Device_Name", "Device_Provider", "Device_Version", "[Update]"};
    struct Case {
        qint16 layout;
        QStringList values;
    } cases[] = {
        {1, {"i", "s"}},           {2, {"s", "c"}},           {3, {"s", "c", "u"}},
        {4, {"i", "s", "c", "u"}}, {5, {"r", "s", "c", "u"}}, {6, {"r", "i", "s", "c", "u"}},
        {7, {"r", "s", "c"}},      {8, {"r", "i", "s"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.layout);
        gCn().Execute("DELETE FROM tbl_Device_Management");
        const QStringList named = cols.mid(0, c.values.size());
        const QString start = "INSERT INTO tbl_Device_Management ( " + named.join(", ") + ", [Key] ) VALUES(";
        EXPECT_FALSE(fnc_Insert_FromReadCsv(kDeviceQuery, start, "3", c.layout));
        const auto got = rows("SELECT " + named.join(", ") + ", [Key] FROM tbl_Device_Management");
        ASSERT_EQ(got.size(), 1u);
        EXPECT_EQ(got[0], c.values + QStringList{"3"});
    }
}

TEST_F(CopierTest, NothingIsInsertedAndNothingShownWhenNoRowCanBe) {
    stageLines({"1,Soft,Application,App,1.0,p,r"});
    struct Case {
        const char* why;
        QString query;
        QString start;
        qint16 layout;
    } cases[] = {
        {"a layout number below 1 adds no values", kAppQuery, kAppStart, 0},
        {"a layout number above 8 adds no values", kAppQuery, kAppStart, 9},
        {"a query that matches no row", kDeviceQuery, kAppStart, 5},
        {"a query the database refuses", "SELECT * FROM tbl_NoSuchTable", kAppStart, 5},
        {"a statement the database refuses", kAppQuery, "INSERT INTO tbl_NoSuchTable ( a, b, c, d, e ) VALUES(", 5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_FALSE(fnc_Insert_FromReadCsv(c.query, c.start, "12", c.layout));
        EXPECT_EQ(count("SELECT * FROM tbl_ApplicationsList"), 0);
    }
    EXPECT_TRUE(ui::script::shown().empty());
}

TEST_F(CopierTest, ARowThatFailsIsLeftOutAndTheOthersGoIn) {
    stageLines({"1,Soft,Application,A,1,p,r", "2,Soft,Application,B,1,p,r", "3,Soft,Application,C,1,p,r"});
    gCn().setFailHook(
        [](const QString& sql) { return sql.startsWith("INSERT INTO tbl_ApplicationsList") && sql.contains("'B'"); });
    EXPECT_FALSE(fnc_Insert_FromReadCsv(kAppQuery, kAppStart, "12", 5));
    gCn().setFailHook({});
    EXPECT_EQ(rows("SELECT Application_Name FROM tbl_ApplicationsList"), (std::vector<QStringList>{{"A"}, {"C"}}));
    EXPECT_FALSE(gCn().inTransaction());
}

// Many rows, two of which the database refuses (an inventory date longer than the list's 255 characters):
// exactly those are left out, the others keep their staged order, and a second copy does the same.
TEST_F(CopierTest, AmongManyRowsOnlyTheRowsTheDatabaseRefusesAreLeftOut) {
    QStringList lines;
    std::vector<QStringList> want;
    for (int i = 0; i < 260; ++i) {
        const bool refused = i == 5 || i == 230;
        lines << QString("%1,Soft,Application,App %1,1.0,p,%2").arg(i).arg(refused ? QString(256, u'd') : "r");
        if (!refused) want.push_back({QString("App %1").arg(i), "r", "12"});
    }
    stageLines(lines);
    EXPECT_FALSE(fnc_Insert_FromReadCsv(kAppQuery, kAppStart, "12", 5));
    EXPECT_EQ(rows("SELECT Application_Name, [Update], [Key] FROM tbl_ApplicationsList"), want);
    EXPECT_FALSE(gCn().inTransaction());
}

}  // namespace
}  // namespace csvtest
