// The Jet-to-SQLite translation: what it rewrites, and that quoted text and keywords used as
// keywords come through unchanged.
#include <gtest/gtest.h>

#include "platform/db/Ado.h"
#include "platform/text/VbConv.h"
#include "tests/platform/db/DbTestSupport.h"

namespace {

struct Case {
    const char* what;
    const char* jet;
    const char* sqlite;
};

const Case kCases[] = {
    {"bare Group as a column", "SELECT * FROM tbl_ReadCsv WHERE (Group = 'Device')",
     "SELECT * FROM tbl_ReadCsv WHERE ([Group] = 'Device')"},
    {"Group with another condition", "SELECT * FROM tbl_ReadCsv WHERE (Group = 'Soft' AND Item = 'Application')",
     "SELECT * FROM tbl_ReadCsv WHERE ([Group] = 'Soft' AND Item = 'Application')"},
    {"GROUP BY stays a keyword, also over a column named Group", "SELECT Group FROM t GROUP BY Group",
     "SELECT [Group] FROM t GROUP BY [Group]"},
    {"a qualified SET target loses its table",
     "UPDATE tbl_Computer_List SET tbl_Computer_List.[Location_Code] = 0 WHERE MainKey = 5",
     "UPDATE tbl_Computer_List SET [Location_Code] = 0 WHERE MainKey = 5"},
    {"qualified target without brackets",
     "UPDATE tbl_Computer_List SET tbl_Computer_List.Type_Number = '' WHERE MainKey = 8",
     "UPDATE tbl_Computer_List SET Type_Number = '' WHERE MainKey = 8"},
    {"qualified Update target becomes a bracketed name",
     "UPDATE tbl_Pclist SET tbl_Pclist.Update  = '2005/04/01' WHERE MainKey = 8",
     "UPDATE tbl_Pclist SET [Update]  = '2005/04/01' WHERE MainKey = 8"},
    {"every target of a list; qualified names in values and WHERE stay",
     "UPDATE t SET t.a = Mid(t.b, 1, 2), t.[c] = 1 WHERE t.Update = 'x'",
     "UPDATE t SET a = Mid(t.b, 1, 2), [c] = 1 WHERE t.[Update] = 'x'"},
    {"Update after a dot in ORDER BY", "SELECT * FROM t ORDER BY tbl_Computer_List.Update DESC;",
     "SELECT * FROM t ORDER BY tbl_Computer_List.[Update] DESC;"},
    {"bare Update in a column list; the leading UPDATE stays", "UPDATE t SET Update = 1", "UPDATE t SET [Update] = 1"},
    {"DELETE * FROM", "DELETE * FROM tbl_License_Key WHERE Key= 3", "DELETE FROM tbl_License_Key WHERE Key= 3"},
    {"DELETE t.* FROM", "DELETE tbl_X.* FROM tbl_X", "DELETE FROM tbl_X"},
    {"DELETE*FROM", "DELETE*FROM tbl_X", "DELETE FROM tbl_X"},
    {"two blanks after DELETE are kept", "DELETE  FROM tbl_ApplicationsList WHERE tbl_ApplicationsList.Key = 12;",
     "DELETE  FROM tbl_ApplicationsList WHERE tbl_ApplicationsList.[Key] = 12;"},
    {"text in apostrophes is never touched", "SELECT * FROM t WHERE a = 'Group = Update, DELETE * -- /* t.Update'",
     "SELECT * FROM t WHERE a = 'Group = Update, DELETE * -- /* t.Update'"},
    {"doubled apostrophes stay inside the literal", "SELECT * FROM t WHERE a = 'it''s Group' AND Group = 'x'",
     "SELECT * FROM t WHERE a = 'it''s Group' AND [Group] = 'x'"},
    {"Jet's double-quoted text becomes a literal", "SELECT * FROM t WHERE a = \"O'Neil \"\"x\"\"\"",
     "SELECT * FROM t WHERE a = 'O''Neil \"x\"'"},
    {"-- outside quotes is minus minus, not a comment", "UPDATE t SET a = 1--1 WHERE k = 2",
     "UPDATE t SET a = 1- -1 WHERE k = 2"},
    {"bracketed names and [t].[c] pass through",
     "SELECT * FROM a WHERE ((a.Location_Code)=([tbl_Location].[Location_Code]))",
     "SELECT * FROM a WHERE ((a.Location_Code)=([tbl_Location].[Location_Code]))"},
    {"apostrophe right before ORDER BY", "SELECT * FROM t WHERE f ='0'ORDER BY c;",
     "SELECT * FROM t WHERE f ='0'ORDER BY c;"},
    {"two adjacent literals stay two, whatever their quotes", "SELECT 'a'\"b\"", "SELECT 'a' 'b'"},
    {"double-quoted text before an apostrophe literal", "SELECT \"a\"'b'", "SELECT 'a' 'b'"},
    {"two adjacent apostrophe literals", "SELECT 'a''b', 'c'\n'd'", "SELECT 'a''b', 'c'\n'd'"},
    {"a text with a NUL as the quoting helper writes it",
     "UPDATE t SET a = ''||CAST(X'610063' AS TEXT)||'' WHERE k = 1",
     "UPDATE t SET a = ''||CAST(X'610063' AS TEXT)||'' WHERE k = 1"},
    {"two of them side by side, hex holding 27 (an apostrophe)",
     "INSERT INTO t (a, b) VALUES (''||CAST(X'002700' AS TEXT)||'',''||CAST(X'00' AS TEXT)||'');",
     "INSERT INTO t (a, b) VALUES (''||CAST(X'002700' AS TEXT)||'',''||CAST(X'00' AS TEXT)||'');"},
    {"Japanese text in a literal", "SELECT * FROM tbl_ReadCsv  WHERE (Item = 'LAN'  AND SubItem = 'コンピュータ名');",
     "SELECT * FROM tbl_ReadCsv  WHERE (Item = 'LAN'  AND SubItem = 'コンピュータ名');"},
};

TEST(JetSql, TranslatesOnlyOutsideQuotes) {
    for (const Case& c : kCases)
        EXPECT_EQ(ado::translateJetSql(QString::fromUtf8(c.jet)).toStdString(), c.sqlite) << c.what;
}

using JetSqlOnDb = dbtest::TemplateDb;

// What a literal reads back as: quoted text is never changed by the translation.
TEST_F(JetSqlOnDb, QuotedTextReadsBackAsWritten) {
    const struct {
        const char* query;
        const char* value;
    } cases[] = {
        {"SELECT 'a'\"b\"", "a"},      {"SELECT \"a\"'b'", "a"},        {"SELECT 'a''b'", "a'b"},
        {"SELECT \"a\"\"b\"", "a\"b"}, {"SELECT \"O'Neil\"", "O'Neil"},
    };
    for (const auto& c : cases) EXPECT_EQ(scalar(QString::fromUtf8(c.query)).toStdString(), c.value) << c.query;
}

// A typed text with NULs, quoted by the helper into a statement, is stored and read back exactly, and found
// by the same literal.
TEST_F(JetSqlOnDb, ATextWithNulsQuotedByTheHelperIsStoredExactly) {
    const QChar nul(0);
    const QString values[] = {QString("ab") + nul + "c", QString(nul), QString("O'") + nul + nul + nul + "'x" + nul,
                              QString(128, nul), "x" + QString(200, nul) + "'y" + QString(51, nul)};
    int code = 1;
    for (const QString& v : values) {
        exec(QString("INSERT INTO tbl_Location (Location_Code, Location_Name) VALUES (%1, '%2')")
                 .arg(code)
                 .arg(vb::sqlQuote(v)));
        EXPECT_EQ(scalar(QString("SELECT Location_Name FROM tbl_Location WHERE Location_Code = %1").arg(code)), v);
        EXPECT_EQ(count(QString("SELECT * FROM tbl_Location WHERE Location_Name = '%1'").arg(vb::sqlQuote(v))), 1);
        ++code;
    }
}

// However many NULs a text holds, and wherever they stand, its literal is one expression: 1,000 separate ones
// once passed the engine's expression depth (1000) and failed the statement.
TEST_F(JetSqlOnDb, ATextWithAnyNumberOfNulsIsOneExpression) {
    const QChar nul(0);
    QString separate = QStringLiteral("it's ");
    for (int i = 0; i < 1000; ++i) separate += QStringLiteral("表") + nul;
    separate += QStringLiteral("'end'");
    const QString values[] = {separate, QString(100000, nul), "'" + QString(100000, nul) + "x''"};
    for (const QString& v : values) {
        SCOPED_TRACE(v.size());
        const QString literal = u'\'' + vb::sqlQuote(v) + u'\'';
        EXPECT_TRUE(scalar("SELECT " + literal) == v);
        // A Memo column takes it whole.
        exec("DELETE FROM tbl_ReadCsv");
        exec("INSERT INTO tbl_ReadCsv ( [Key], Renewalday ) VALUES ( 'k', " + literal + " )");
        EXPECT_TRUE(scalar("SELECT Renewalday FROM tbl_ReadCsv") == v);
        EXPECT_EQ(count("SELECT * FROM tbl_ReadCsv WHERE Renewalday = " + literal), 1);
    }
}

}  // namespace
