// The copier that reports what it left out, for callers inside their own transaction, and the count of
// stagings that tells a window whether tbl_ReadCsv still holds the file it read.
#include <gtest/gtest.h>

#include "core/Mdl_Access_mdb.h"
#include "core/Mdl_ReadCsv.h"
#include "platform/db/Ado.h"
#include "tests/core/csv/CsvFixture.h"

namespace csvtest {
namespace {

const QString kAppQuery = "SELECT * FROM tbl_ReadCsv WHERE (Group = 'Soft' AND Item = 'Application')";
const QString kAppStart =
    "INSERT INTO tbl_ApplicationsList ( [Update], Application_Name, Application_Version, Application_Path, [Key] ) "
    "VALUES(";
const QString kLayout8Start =
    "INSERT INTO tbl_Environmental ( [Update], Environmental_Name, Environmental_Path, [Key] ) VALUES(";

using CountedCopierTest = CsvTest;

TEST_F(CountedCopierTest, RowsRefusedForTheirValueAreLeftOutAndCounted) {
    stageLines({
        "1,Soft,Application,App A,1.0,C:\\a,2005/04/01",
        "2,Soft,Application,App B,2.0,C:\\b," + QString(256, u'9'),  // a date longer than its column
        "3,Soft,Application,App C,3.0,,2005/04/03 " + QString(300, u'x'),
        "4,Soft,Application,O'Neil's,4.0,#1,2005/04/04",
    });
    ado::TransGuard trans(gCn());
    EXPECT_EQ(fnc_Insert_FromReadCsv_Counted(kAppQuery, kAppStart, "7", 5), 2);
    trans.commit();
    EXPECT_EQ(rows("SELECT [Key], [Update], Application_Name, Application_Version, Application_Path FROM "
                   "tbl_ApplicationsList"),
              (std::vector<QStringList>{{"7", "2005/04/01", "App A", "1.0", "C：￥a"},
                                        {"7", "2005/04/04", "O’Neil’s", "4.0", "＃1"}}));
    // The other layouts take the same fields as the copier that reports nothing.
    EXPECT_EQ(
        fnc_Insert_FromReadCsv_Counted("SELECT * FROM tbl_ReadCsv WHERE (SubItem = 'App A')", kLayout8Start, "7", 8),
        0);
    EXPECT_EQ(rows("SELECT [Update], Environmental_Name, Environmental_Path FROM tbl_Environmental"),
              (std::vector<QStringList>{{"2005/04/01", "Application", "App A"}}));
}

TEST_F(CountedCopierTest, ARowWithANulIsLeftOutAndCountedNotRaised) {
    // A damaged file can carry a NUL byte; the statement text cannot.
    stageLines({"1,Soft,Application,App" + QString(QChar(0)) + "A,1.0,C:\\a,2005/04/01",
                "2,Soft,Application,App B,2.0,C:\\b,2005/04/02"});
    ado::TransGuard trans(gCn());
    EXPECT_EQ(fnc_Insert_FromReadCsv_Counted(kAppQuery, kAppStart, "7", 5), 1);
    trans.commit();
    EXPECT_EQ(rows("SELECT Application_Name FROM tbl_ApplicationsList"), (std::vector<QStringList>{{"App B"}}));
}

TEST_F(CountedCopierTest, AnyOtherFailureRaises) {
    stageLines({"1,Soft,Application,App A,1.0,C:\\a,2005/04/01"});
    // A query that cannot run, and a database that refuses every write.
    EXPECT_THROW((void)fnc_Insert_FromReadCsv_Counted("SELECT * FROM tbl_NoSuchTable", kAppStart, "7", 5), vb::Error);
    gCn().Execute("PRAGMA query_only = ON");
    EXPECT_THROW((void)fnc_Insert_FromReadCsv_Counted(kAppQuery, kAppStart, "7", 5), vb::Error);
    gCn().Execute("PRAGMA query_only = OFF");
    EXPECT_EQ(count("SELECT * FROM tbl_ApplicationsList"), 0);
}

TEST_F(CountedCopierTest, OnlyAReadThatEmptiedTheStagingTableCounts) {
    const quint64 before = readcsv::stagingCount();
    stageLines({"1,Soft,Application,App A,1.0,C:\\a,2005/04/01"});
    EXPECT_EQ(readcsv::stagingCount(), before + 1);
    stageLines({});
    EXPECT_EQ(readcsv::stagingCount(), before + 2);
    EXPECT_FALSE(fnc_Read_CsvFile(writeFile("not.csv", crlf({"Key,Group,Item"}))));
    EXPECT_FALSE(fnc_Read_CsvFile(writeFile("empty.csv", {})));
    EXPECT_EQ(readcsv::stagingCount(), before + 2);
}

}  // namespace
}  // namespace csvtest
