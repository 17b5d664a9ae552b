// The length rule of text columns: a text is counted in UTF-16 units, as the recordset counts it (every NUL
// and both halves of a pair included), by every way a text is written; one longer than its column is refused
// before anything is written, naming the column, and one up to the column's size is stored exactly.
#include <sqlite3.h>

#include <functional>
#include <optional>

#include "platform/db/Ado.h"
#include "platform/text/VbConv.h"
#include "tests/platform/db/DbTestSupport.h"

namespace {

using dbtest::jetConnectionString;
using dbtest::TemplateDb;

const QChar kNul(0);

// n characters past the BMP, two units each.
QString faces(int n) {
    QString s;
    for (int i = 0; i < n; ++i) s += QString::fromUcs4(U"\U0001F600");
    return s;
}

std::optional<vb::Error> errorFrom(const std::function<void()>& write) {
    try {
        write();
    } catch (const vb::Error& e) {
        return e;
    }
    return std::nullopt;
}

using LengthRule = TemplateDb;

// Contents is VARCHAR(255). Each way of writing puts the text into the row keyed 'k'; the recordset's edit
// and the statement's update change that row, which holds 'old' before.
TEST_F(LengthRule, EveryWayOfWritingCountsTheTextAsTheRecordsetDoes) {
    const struct {
        const char* what;
        QString text;
        bool fits;
    } texts[] = {
        {"255 NULs", QString(255, kNul), true},
        {"256 NULs", QString(256, kNul), false},
        {"R and 1,000 NULs", "R" + QString(1000, kNul), false},
        {"P, a NUL and 300 x", "P" + QString(kNul) + QString(300, u'x'), false},
        {"150 characters past the BMP, 300 units", faces(150), false},
        {"127 of them and an x, 255 units", faces(127) + "x", true},
        {"254 x and one past the BMP, 256 units", QString(254, u'x') + faces(1), false},
        {"256 x", QString(256, u'x'), false},
        {"NULs and text around them, 255 units", "a'" + QString(126, kNul) + faces(63) + "'", true},
    };
    const QString insert = "INSERT INTO tbl_ReadCsv ( [Key], Contents ) VALUES ( ?, ? )";
    const QString select = "SELECT * FROM tbl_ReadCsv WHERE [Key] = 'k'";
    const struct {
        const char* what;
        bool edits;  // changes the row 'k' rather than adding it
        std::function<void(ado::Connection&, const QString&)> write;
    } ways[] = {
        {"insert with the quoting helper", false,
         [](ado::Connection& cn, const QString& t) {
             cn.Execute("INSERT INTO tbl_ReadCsv ( [Key], Contents ) VALUES ( 'k', '" + vb::sqlQuote(t) + "' )");
         }},
        {"update with the quoting helper", true,
         [](ado::Connection& cn, const QString& t) {
             cn.Execute("UPDATE tbl_ReadCsv SET Contents = '" + vb::sqlQuote(t) + "' WHERE [Key] = 'k'");
         }},
        {"bound statement", false,
         [&](ado::Connection& cn, const QString& t) {
             cn.ExecuteBound(insert, {ado::Value("k"), ado::Value(t)});
         }},
        {"bound texts", false,
         [&](ado::Connection& cn, const QString& t) {
             cn.ExecuteBoundTexts(insert, {u"k", t});
         }},
        {"bulk staging", false,
         [&](ado::Connection& cn, const QString& t) {
             cn.ExecuteEach(insert, {{"k", t}});
         }},
        {"recordset AddNew", false,
         [](ado::Connection& cn, const QString& t) {
             ado::Recordset rs;
             rs.Open("SELECT * FROM tbl_ReadCsv", cn);
             rs.AddNew();
             rs["Key"] = ado::Value("k");
             rs["Contents"] = ado::Value(t);
             rs.Update();
         }},
        {"recordset edit", true,
         [&](ado::Connection& cn, const QString& t) {
             ado::Recordset rs;
             rs.Open(select, cn);
             rs["Contents"] = ado::Value(t);
             rs.Update();
         }},
    };
    for (const auto& way : ways) {
        for (const auto& t : texts) {
            SCOPED_TRACE(std::string(way.what) + ", " + t.what);
            exec("DELETE FROM tbl_ReadCsv");
            if (way.edits) exec("INSERT INTO tbl_ReadCsv ( [Key], Contents ) VALUES ( 'k', 'old' )");
            const std::optional<vb::Error> error = errorFrom([&] { way.write(cn, t.text); });
            const std::string said = error ? error->description().toStdString() : "nothing refused";
            if (t.fits) {
                EXPECT_FALSE(error) << said;
                EXPECT_TRUE(scalar("SELECT Contents FROM tbl_ReadCsv WHERE [Key] = 'k'") == t.text);
                continue;
            }
            EXPECT_TRUE(error && error->description().contains("Contents")) << said;
            EXPECT_EQ(scalar("SELECT count(*) || ',' || ifnull(max(Contents), '') FROM tbl_ReadCsv"),
                      way.edits ? "1,old" : "0,");
        }
    }
    // The refusals as each layer words them: the engine names the CHECK, the recordset its field.
    const auto refusal = [&](std::size_t way) {
        exec("DELETE FROM tbl_ReadCsv");
        return errorFrom([&] { ways[way].write(cn, texts[1].text); }).value_or(vb::Error(0, "nothing refused"));
    };
    const vb::Error byEngine = refusal(0);
    EXPECT_EQ(byEngine.number(), ado::errTypeMismatchDb);
    EXPECT_EQ(byEngine.description(), "CHECK constraint failed: Contents");
    const vb::Error byRecordset = refusal(5);
    EXPECT_EQ(byRecordset.number(), ado::errMultiStep);
    EXPECT_TRUE(byRecordset.description().endsWith(" フィールド: Contents")) << byRecordset.description().toStdString();
}

// length() is the recordset's count for a text and the engine's own answer for anything else.
TEST_F(LengthRule, LengthCountsTextsInUnitsAndAnswersTheRestAsTheEngineDoes) {
    sqlite3* engine = nullptr;
    ASSERT_EQ(sqlite3_open_v2(":memory:", &engine, SQLITE_OPEN_READWRITE, nullptr), SQLITE_OK);
    const auto engineLength = [engine](const QString& expression) {
        sqlite3_stmt* st = nullptr;
        EXPECT_EQ(sqlite3_prepare_v2(engine, ("SELECT ifnull(length(" + expression + "), 'null')").toUtf8(), -1, &st,
                                     nullptr),
                  SQLITE_OK);
        EXPECT_EQ(sqlite3_step(st), SQLITE_ROW);
        const QString n = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, 0)));
        sqlite3_finalize(st);
        return n;
    };
    const struct {
        const char* expression;
        const char* units;  // nullptr: as the engine's own
    } cases[] = {
        {"123", nullptr},
        {"-45", nullptr},
        {"1.5", nullptr},
        {"1e300", nullptr},
        {"0.1", nullptr},
        {"-0.0", nullptr},
        {"9223372036854775807", nullptr},
        {"X''", nullptr},
        {"X'00FF0000'", nullptr},
        {"zeroblob(5)", nullptr},
        {"NULL", nullptr},
        {"''", nullptr},
        {"'abc'", nullptr},
        {"'é表ｶ'", nullptr},
        {"CAST(X'610062' AS TEXT)", "3"},
        {"CAST(X'00000000' AS TEXT)", "4"},
        {"CAST(X'F09F9880' AS TEXT)", "2"},
        {"'表' || CAST(X'F09F988000' AS TEXT) || 'x'", "5"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.expression);
        const QString expression = QString::fromUtf8(c.expression);
        EXPECT_EQ(scalar("SELECT ifnull(length(" + expression + "), 'null')").toStdString(),
                  c.units ? std::string(c.units) : engineLength(expression).toStdString());
    }
    sqlite3_close_v2(engine);
}

// A ledger file in UTF-16 holds its texts as UTF-16: length() counts their units all the same.
TEST(LengthRuleOnFile, AUtf16FileIsCountedInUnitsToo) {
    testsupport::AppFolder folder(false);
    sqlite3* made = nullptr;
    ASSERT_EQ(sqlite3_open_v2(folder.dbPath().toUtf8(), &made, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr),
              SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(made,
                           "PRAGMA encoding = 'UTF-16le'; CREATE TABLE t (c VARCHAR(3) COLLATE NOCASE CONSTRAINT \"c\" "
                           "CHECK (length(\"c\") <= 3));",
                           nullptr, nullptr, nullptr),
              SQLITE_OK);
    sqlite3_close_v2(made);
    ado::Connection cn;
    cn.Open(jetConnectionString(folder.dbPath()));
    const QString insert = "INSERT INTO t ( c ) VALUES ( ? )";
    for (const QString& fits : {QString("abc"), QString("表a") + kNul, faces(1) + "x"})
        EXPECT_EQ(dbtest::errorOf([&] { cn.ExecuteBound(insert, {ado::Value(fits)}); }), 0) << fits.size();
    for (const QString& longer : {QString("abcd"), QString("ab") + kNul + kNul, faces(2)})
        EXPECT_EQ(dbtest::errorOf([&] { cn.ExecuteBound(insert, {ado::Value(longer)}); }), ado::errTypeMismatchDb)
            << longer.size();
    ado::Recordset rs;
    rs.Open("SELECT length(c) FROM t", cn, ado::adOpenStatic, ado::adLockReadOnly);
    ASSERT_EQ(rs.RecordCount(), 3);
    for (; !rs.EOF(); rs.MoveNext()) EXPECT_EQ(rs.Fields(0).text(), "3");
}

}  // namespace
