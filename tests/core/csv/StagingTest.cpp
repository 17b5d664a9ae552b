// The staging reader: header check, line ends, field splitting, CP932 and what a failure leaves behind.
#include <gtest/gtest.h>

#include "core/Mdl_Access_mdb.h"
#include "core/Mdl_ReadCsv.h"
#include "platform/base/VbError.h"
#include "platform/db/Ado.h"
#include "platform/text/Cp932.h"
#include "tests/core/csv/CsvFixture.h"

namespace csvtest {
namespace {

using Rows = std::vector<Row>;

const Rows kPrevious = {{"1", "Soft", "Application", "Previous", "1.0", "C:\\prev", "2004/01/01"}};
const QStringList kPreviousLines = {"1,Soft,Application,Previous,1.0,C:\\prev,2004/01/01"};

TEST_F(CsvTest, SevenFieldLinesStageOneRowEachInFileOrderWithValuesAsWritten) {
    const QString path =
        writeFile("a.csv", crlf({kHeader, R"(1,Soft,Application,"Word",  11.0 ,C:\Office\,2005/04/01 12:30:45)",
                                 "2,Device,ディスプレイ アダプタ,RADEON,ATI,6.14,2005/04/01",
                                 "3,Hard,Printer,LP-9000C,LPT1:,,2005/04/01"}));
    EXPECT_TRUE(fnc_Read_CsvFile(path));
    EXPECT_EQ(staged(),
              (Rows{{"1", "Soft", "Application", "\"Word\"", "  11.0 ", "C:\\Office\\", "2005/04/01 12:30:45"},
                    {"2", "Device", "ディスプレイ アダプタ", "RADEON", "ATI", "6.14", "2005/04/01"},
                    {"3", "Hard", "Printer", "LP-9000C", "LPT1:", "", "2005/04/01"}}));
}

TEST_F(CsvTest, IrregularLinesStageWhatTheirCommasGive) {
    const QString c300(300, u'c');
    const QString r100(100, u'r');
    const QString r1000(1000, u'r');
    struct Case {
        const char* why;
        QString line;
        Row row;
    } cases[] = {
        {"three fields: the third is Renewalday", "a,b,c", {"a", "b", "", "", "", "", "c"}},
        {"five fields", "a,b,c,d,e", {"a", "b", "c", "d", "", "", "e"}},
        {"nine fields: the rest stays in Renewalday", "1,2,3,4,5,6,7,8,9", {"1", "2", "3", "4", "5", "6", "7,8,9"}},
        {"no comma", "no comma at all", {}},
        {"empty line", "", {}},
        {"a key and nothing else", "k,", {"k", "", "", "", "", "", ""}},
        {"six commas only", ",,,,,,", {}},
        {"quotes are ordinary characters", R"(k,"q,u",x)", {"k", "\"q", "u\"", "", "", "", "x"}},
        {"blanks are kept", " k , g ,i,s,c,u, r ", {" k ", " g ", "i", "s", "c", "u", " r "}},
        {"a field keeps 254 characters", "k,g,i,s," + c300 + ",u,r", {"k", "g", "i", "s", c300.left(254), "u", "r"}},
        {"Renewalday is kept whole", "k,g,i,s,c,u," + r100, {"k", "g", "i", "s", "c", "u", r100}},
        {"even when long", "k,g,i,s,c,u," + r1000, {"k", "g", "i", "s", "c", "u", r1000}},
    };
    QStringList lines;
    Rows want;
    for (const Case& c : cases) {
        lines << c.line;
        want.push_back(c.row);
    }
    stageLines(lines);
    const Rows got = staged();
    ASSERT_EQ(got.size(), want.size());
    for (size_t i = 0; i < want.size(); ++i) EXPECT_EQ(got[i], want[i]) << cases[i].why;
}

// Characters that mean something to SQL, a NUL, and many or very long lines are all stored exactly as read,
// in file order.
TEST_F(CsvTest, EveryCharacterAndEveryLineIsStoredAsReadWhateverItMeansToSql) {
    const QString nul(QChar(u'\0'));
    const QString huge(300000, u'x');
    const Rows special = {
        {"1", "O'Neil", "it''s", "'", "''", "x' --", "r'); DELETE FROM tbl_ReadCsv; --"},
        {"2", "/* c */", "\"q\"", "[Group]", "a" + nul + "b", nul, "?1 :name @p $v"},
        {"3", "Group", "Update", "-- x", "'; DROP TABLE tbl_Pclist; --", "｀’", huge},
    };
    QStringList lines;
    Rows want;
    for (int i = 0; i < 450; ++i) {
        if (i == 7 || i == 150 || i == 449) {
            const Row& r = special[size_t(i == 7 ? 0 : i == 150 ? 1 : 2)];
            lines << QStringList{r.Key, r.Group, r.Item, r.SubItem, r.Contents, r.Unit, r.Renewalday}.join(u',');
            want.push_back(r);
        } else {
            lines << QString("%1,Soft,Application,App %1,1.%1,C:\\a,2005/04/01").arg(i);
            want.push_back({QString::number(i), "Soft", "Application", QString("App %1").arg(i), QString("1.%1").arg(i),
                            "C:\\a", "2005/04/01"});
        }
    }
    stageLines(lines);
    const Rows got = staged();
    ASSERT_EQ(got.size(), want.size());
    for (size_t i = 0; i < want.size(); ++i) EXPECT_EQ(got[i], want[i]) << "line " << i + 2;
    EXPECT_EQ(count("SELECT * FROM tbl_Pclist"), 1) << "the reserved PC is still there";
}

TEST_F(CsvTest, LinesEndAsLineInputEndsThem) {
    const QByteArray h = kHeader.toLatin1();
    struct Case {
        const char* why;
        QByteArray bytes;
        Rows rows;
    } cases[] = {
        {"CR LF lines; the last ending makes no row",
         h + "\r\na,1\r\nb,2\r\n",
         {{"a", "", "", "", "", "", "1"}, {"b", "", "", "", "", "", "2"}}},
        {"the last line may lack its ending",
         h + "\r\na,1\r\nb,2",
         {{"a", "", "", "", "", "", "1"}, {"b", "", "", "", "", "", "2"}}},
        {"a lone CR ends a line", h + "\ra,1\rb,2\r", {{"a", "", "", "", "", "", "1"}, {"b", "", "", "", "", "", "2"}}},
        {"a lone LF stays inside the line", h + "\r\na,x\ny\r\n", {{"a", "", "", "", "", "", "x\ny"}}},
        {"blank lines at the end each add an empty row",
         h + "\r\na,1\r\n\r\n\r\n",
         {{"a", "", "", "", "", "", "1"}, {}, {}}},
        {"the header alone", h + "\r\n", {}},
        {"the header alone without its ending", h, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        ASSERT_TRUE(fnc_Read_CsvFile(writeFile("ends.csv", c.bytes)));
        const Rows got = staged();
        EXPECT_EQ(got, c.rows);
        for (const Row& r : got)
            for (const QString* v : {&r.Key, &r.Group, &r.Item, &r.SubItem, &r.Contents, &r.Unit, &r.Renewalday})
                EXPECT_FALSE(v->contains(u'\r')) << "a CR was left on a field";
    }
}

TEST_F(CsvTest, ARejectedFileReturnsFalseAndLeavesThePreviousFileStaged) {
    const QByteArray rest = crlf(kPreviousLines);
    struct Case {
        const char* why;
        QByteArray bytes;
    } cases[] = {
        {"key in lower case", "key,Group,Item,SubItem,Contents,Unit,Renewalday\r\n" + rest},
        {"a trailing blank", "Key,Group,Item,SubItem,Contents,Unit,Renewalday \r\n" + rest},
        {"an eighth column", "Key,Group,Item,SubItem,Contents,Unit,Renewalday,Extra\r\n" + rest},
        {"Unit missing", "Key,Group,Item,SubItem,Contents,Renewalday\r\n" + rest},
        {"Renewalday alone", "Renewalday\r\n" + rest},
        {"quoted names", "\"Key\",\"Group\",\"Item\",\"SubItem\",\"Contents\",\"Unit\",\"Renewalday\"\r\n" + rest},
        {"a blank before the first name", " Key,Group,Item,SubItem,Contents,Unit,Renewalday\r\n" + rest},
        {"a byte-order mark", "\xEF\xBB\xBFKey,Group,Item,SubItem,Contents,Unit,Renewalday\r\n" + rest},
        {"an empty first line", "\r\nKey,Group,Item,SubItem,Contents,Unit,Renewalday\r\n" + rest},
        {"LF line ends make one long first line",
         "Key,Group,Item,SubItem,Contents,Unit,Renewalday\n" + QByteArray(rest).replace("\r\n", "\n")},
        {"full-width commas", cp932::encode("Key，Group，Item，SubItem，Contents，Unit，Renewalday") + "\r\n" + rest},
        {"an empty file", ""},
    };
    stageLines(kPreviousLines);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_FALSE(fnc_Read_CsvFile(writeFile("rejected.csv", c.bytes)));
        EXPECT_EQ(staged(), kPrevious);
    }
}

// A file read in place keeps its rows on its own text: a file refused or unreadable after it leaves the
// rows as they were, and they still read what the first file held after other reads came and went.
TEST_F(CsvTest, RowsReadInPlaceStayOnTheirFileWhenTheNextOneIsRefused) {
    const QStringList lines = {"7,Soft,Application,表計算ソフト,1.0,C:\\apps,2005/04/01 12:30:45",
                               "8,Hard,Memory,容量,512,MB,"};
    readcsv::InPlaceFile file;
    ASSERT_TRUE(readcsv::readInventoryFileInPlace(writeFile("first.csv", crlf(QStringList{kHeader} + lines)), &file));
    const auto expectFirst = [&file] {
        ASSERT_EQ(file.rows().size(), 2u);
        const readcsv::StagedLineView& a = file.rows()[0];
        const readcsv::StagedLineView& b = file.rows()[1];
        EXPECT_EQ((QStringList{a.Key.toString(), a.Group.toString(), a.Item.toString(), a.SubItem.toString(),
                               a.Contents.toString(), a.Unit.toString(), a.Renewalday.toString()}),
                  QStringList({"7", "Soft", "Application", "表計算ソフト", "1.0", "C:\\apps", "2005/04/01 12:30:45"}));
        EXPECT_EQ(b.SubItem, u"容量");
        EXPECT_EQ(b.Unit, u"MB");
        EXPECT_TRUE(b.Renewalday.isEmpty());
    };
    // Refused for its header, and a file that is not there.
    EXPECT_FALSE(readcsv::readInventoryFileInPlace(
        writeFile("refused.csv", crlf({"Key,Group,Item", "9,Soft,Application,other,2.0,D:\\,2006/01/01"})), &file));
    EXPECT_THROW((void)readcsv::readInventoryFileInPlace(m_folder->file("missing.csv"), &file), vb::Error);
    // Other files of the same size read meanwhile, every letter and digit of theirs an X.
    QStringList others;
    for (const QString& line : QStringList{kHeader} + lines) {
        QString other = line;
        for (QChar& c : other)
            if (c.isLetterOrNumber() && c.unicode() < 0x80) c = u'X';
        others << other;
    }
    for (int i = 0; i < 4; ++i) {
        readcsv::StagedRows copied;
        EXPECT_FALSE(readcsv::readInventoryFile(writeFile("other.csv", crlf(others)), &copied));
    }
    expectFirst();
    readcsv::storeStagedRows(file.rows());
    EXPECT_EQ(staged(), (Rows{{"7", "Soft", "Application", "表計算ソフト", "1.0", "C:\\apps", "2005/04/01 12:30:45"},
                              {"8", "Hard", "Memory", "容量", "512", "MB", ""}}));
}

TEST_F(CsvTest, HeaderCheckAcceptsOnlyTheHeaderItself) {
    EXPECT_TRUE(fnc_Check_CsvHeader("Key,Group,Item,SubItem,Contents,Unit,Renewalday"));
    for (const char* line :
         {"", "Key", "Key,Group,Item,SubItem,Contents,Unit,", "Key,Group,Item,SubItem,Contents,Unit,renewalday",
          "Key,Group,Item,SubItem,Contents,Unit,Renewalday\r", "Key,Group,Item,Subitem,Contents,Unit,Renewalday",
          "Key,Group,Item,SubItem,Contents,Unit,Renewalday,"}) {
        EXPECT_FALSE(fnc_Check_CsvHeader(QString::fromLatin1(line))) << line;
    }
}

// Several kanji end in byte 0x5C, the code of "\": decoding the whole file first keeps them whole, and only a
// real backslash becomes "￥" when the value is read back.
TEST_F(CsvTest, KanjiWithTrailByte5CStayWholeAndOnlyTheBackslashIsReplacedOnReading) {
    stageLines({"1,Soft,Application,表計算ソフト 十能 予定表,C:\\Program Files\\表\\,x,2005/04/01"});
    EXPECT_EQ(
        staged(),
        (Rows{{"1", "Soft", "Application", "表計算ソフト 十能 予定表", "C:\\Program Files\\表\\", "x", "2005/04/01"}}));
    const RecordValues v =
        fnc_Get_RecordValues("SELECT * FROM tbl_ReadCsv WHERE (Group = 'Soft' AND Item = 'Application')");
    EXPECT_EQ(v[3], "表計算ソフト 十能 予定表");
    EXPECT_EQ(v[4], "C：￥Program Files￥表￥");
    EXPECT_EQ(v[6], "2005/04/01");
    EXPECT_EQ(v[7], "");
}

TEST_F(CsvTest, BytesThatAreNoCp932BecomeReplacementCharactersWithoutSwallowingTheLineEnd) {
    QByteArray bytes = kHeader.toLatin1() + "\r\n";
    bytes +=
        "1,A\x80"
        "B,x\r\n";
    bytes += "2,END\x81\r\n";  // a lead byte right before the line end
    bytes += "3,ok,y\r\n";
    ASSERT_TRUE(fnc_Read_CsvFile(writeFile("bytes.csv", bytes)));
    EXPECT_EQ(staged(), (Rows{{"1", QString("A") + QChar(0xFFFD) + "B", "", "", "", "", "x"},
                              {"2", "", "", "", "", "", QString("END") + QChar(0xFFFD)},
                              {"3", "ok", "", "", "", "", "y"}}));
}

TEST_F(CsvTest, AFileThatCannotBeReadRaisesAndLeavesTheStagingAlone) {
    stageLines(kPreviousLines);
    try {
        (void)fnc_Read_CsvFile(m_folder->file("missing.csv"));
        ADD_FAILURE() << "a missing file must raise";
    } catch (const vb::Error& e) {
        EXPECT_EQ(e.number(), vb::errFileNotFound);
    }
    EXPECT_THROW((void)fnc_Read_CsvFile(m_folder->path()), vb::Error) << "a folder is no file";
    EXPECT_EQ(staged(), kPrevious);
}

TEST_F(CsvTest, ARowThatCannotBeStoredUndoesTheWholeStaging) {
    stageLines(kPreviousLines);
    int inserts = 0;
    gCn().setFailHook([&inserts](const QString& sql) {
        return sql.startsWith("INSERT", Qt::CaseInsensitive) && sql.contains("tbl_ReadCsv") && ++inserts == 3;
    });
    const QString path = writeFile("b.csv", crlf({kHeader, "1,a,,,,,r", "2,b,,,,,r", "3,c,,,,,r", "4,d,,,,,r"}));
    EXPECT_THROW((void)fnc_Read_CsvFile(path), vb::Error);
    gCn().setFailHook({});
    EXPECT_FALSE(gCn().inTransaction());
    EXPECT_EQ(staged(), kPrevious) << "a half-staged file must not be left for the callers";
}

TEST_F(CsvTest, InsideTheCallersTransactionTheStagingJoinsIt) {
    stageLines(kPreviousLines);
    {
        ado::TransGuard guard(gCn());
        stageLines({"9,new,,,,,r"});
        EXPECT_EQ(staged().size(), 1u);
        EXPECT_TRUE(gCn().inTransaction());
    }  // rolled back
    EXPECT_EQ(staged(), kPrevious);
}

// The callers query the staging table without ORDER BY and take the first row: that has to be the file's first.
TEST_F(CsvTest, QueriesWithoutOrderSeeTheRowsInFileOrder) {
    QStringList lines;
    for (int i = 0; i < 60; ++i) lines << QString("%1,Network,LAN,PrimaryDNS,10.0.0.%1,,r").arg(i);
    stageLines(lines);
    const Rows rows = staged();
    ASSERT_EQ(rows.size(), 60u);
    for (int i = 0; i < 60; ++i) EXPECT_EQ(rows[size_t(i)].Key, QString::number(i));
    EXPECT_EQ(fnc_Get_RecordValues("SELECT * FROM tbl_ReadCsv  WHERE (Item = 'LAN'  AND SubItem = 'PrimaryDNS');")[4],
              "10.0.0.0");
}

// The staging statements as the reader runs them, bare Group included.
TEST_F(CsvTest, TheStagingStatementsRunVerbatim) {
    stageLines({"1,Device,Cat,Name,Prov,Ver,r", "2,Soft,Application,App,1,p,r"});
    ado::Recordset rs;
    rs.Open("SELECT * FROM tbl_ReadCsv WHERE (Group = 'Device')", gCn(), ado::adOpenStatic, ado::adLockOptimistic);
    EXPECT_EQ(rs.RecordCount(), 1);
    EXPECT_EQ(rs.Fields("Group").value().toText(), "Device");
    rs.Close();
    gCn().Execute("DELETE FROM tbl_ReadCsv");
    EXPECT_TRUE(staged().empty());
}

}  // namespace
}  // namespace csvtest
