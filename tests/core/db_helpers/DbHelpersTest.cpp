// The database module's helpers on a copy of the template: open and close, the statement executor,
// the query helpers and the character substitution.
#include <QDir>
#include <QFile>

#include "core/Mdl_Access_mdb.h"
#include "core/Mdl_gData.h"
#include "platform/db/Ado.h"
#include "platform/ui/Dialogs.h"
#include "tests/support/LedgerFixture.h"

namespace {

class DbHelpers : public testsupport::LedgerTest {
protected:
    void SetUp() override {
        LedgerTest::SetUp();
        gStatusBarText = [this](const QString& text) { m_status << text; };
    }
    void TearDown() override {
        gStatusBarText = nullptr;
        LedgerTest::TearDown();
    }
    // The standard error box shown last, or "" when none was.
    QString lastErrorBox() const {
        const auto& shown = ui::script::shown();
        if (shown.empty()) return {};
        const auto& s = shown.back();
        if (s.title != QStringLiteral("警告") || (s.buttons & ui::vbCritical) == 0)
            return QStringLiteral("<other box>");
        return s.prompt;
    }
    void stage(const QStringList& values) {
        QStringList quoted;
        for (const QString& v : values) quoted << u'\'' + QString(v).replace(u'\'', QStringLiteral("''")) + u'\'';
        sql(QStringLiteral("INSERT INTO tbl_ReadCsv ([Key], [Group], Item, SubItem, Contents, Unit, Renewalday) "
                           "VALUES (%1)")
                .arg(quoted.join(u',')));
    }

    QStringList m_status;
};

TEST_F(DbHelpers, MissingFileIsReportedInTheStatusBarOnly) {
    ASSERT_TRUE(QFile::remove(m_folder->dbPath()));
    EXPECT_FALSE(fnc_DB_Open());
    ASSERT_EQ(m_status.size(), 1);
    EXPECT_EQ(m_status[0], QStringLiteral("DBファイルが見つかりません。\r\nData Source=") + m_folder->path() +
                               QStringLiteral("/pcdb.mdb") + QStringLiteral("を確認ください"));
    EXPECT_TRUE(ui::script::shown().empty());
    EXPECT_FALSE(gCn_ptr);  // left as it was
    EXPECT_FALSE(QFile::exists(m_folder->dbPath()));
    EXPECT_TRUE(QDir(m_folder->path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden).isEmpty());

    // Later helpers fail at their query: the executor silently, the others with the error box.
    EXPECT_TRUE(fnc_Execute_SQL("DELETE FROM tbl_ReadCsv"));
    EXPECT_TRUE(ui::script::shown().empty());
    ui::script::answerMsgBox(ui::vbOK);
    EXPECT_FALSE(fnc_Exists_Record("SELECT * FROM tbl_Location"));
    EXPECT_TRUE(lastErrorBox().contains(QString::number(ado::errObjectClosed))) << lastErrorBox().toStdString();
    ui::script::answerMsgBox(ui::vbOK);
    EXPECT_EQ(fnc_Get_MaxMainKey(), 0);
    EXPECT_FALSE(fnc_DB_Close());
    EXPECT_FALSE(QFile::exists(m_folder->dbPath()));
}

TEST_F(DbHelpers, MissingFileWithNoStatusBarWritesNothing) {
    gStatusBarText = nullptr;
    ASSERT_TRUE(QFile::remove(m_folder->dbPath()));
    EXPECT_FALSE(fnc_DB_Open());
    EXPECT_TRUE(ui::script::shown().empty());
}

TEST_F(DbHelpers, FileThatIsNoDatabaseShowsTheErrorBoxAndStaysUnchanged) {
    const QByteArray text("Key,Group,Item,SubItem,Contents,Unit,Renewalday\r\n");
    {
        QFile f(m_folder->dbPath());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(text);
    }
    ui::script::answerMsgBox(ui::vbOK);
    EXPECT_FALSE(fnc_DB_Open());
    EXPECT_TRUE(lastErrorBox().startsWith(QStringLiteral("\r\n（エラーコード：-2147467259）\r\n（エラー内容：")))
        << lastErrorBox().toStdString();
    EXPECT_TRUE(m_status.isEmpty());
    QFile f(m_folder->dbPath());
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), text);
    EXPECT_EQ(QDir(m_folder->path()).entryList(QDir::Files | QDir::Hidden), QStringList{"pcdb.mdb"});
}

TEST_F(DbHelpers, OpenAndCloseTheSharedConnection) {
    EXPECT_FALSE(fnc_DB_Close());  // nothing open: a fresh unopened connection, no error
    ASSERT_TRUE(fnc_DB_Open());
    EXPECT_EQ(gCn().State(), ado::adStateOpen);
    EXPECT_TRUE(gCn().ConnectionString().endsWith(QStringLiteral("Data Source=") + m_folder->dbPath()));
    EXPECT_TRUE(gCn().ConnectionString().startsWith(QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;")));
    EXPECT_TRUE(fnc_DB_Close());
    EXPECT_FALSE(gCn_ptr);
    EXPECT_FALSE(fnc_DB_Close());
    EXPECT_TRUE(m_status.isEmpty());
}

// A file whose tables lack what the program uses (an older or foreign database) is refused at open,
// before anything is written to it; names are matched without ASCII case, and more tables or columns
// than the program knows are fine.
TEST_F(DbHelpers, AFileWithoutTheLedgerTablesIsRefusedUnchanged) {
    const struct {
        const char* what;
        QStringList changes;
        const char* missing;  // nullptr: the file opens
    } cases[] = {
        {"a profile column missing", {"ALTER TABLE tbl_Pclist DROP COLUMN CPU_FPU"}, "tbl_Pclist.CPU_FPU"},
        {"the staging table missing", {"DROP TABLE tbl_ReadCsv"}, "tbl_ReadCsv"},
        {"the first of two missing columns is named",
         {"ALTER TABLE tbl_Model DROP COLUMN Available_flug", "ALTER TABLE tbl_Section DROP COLUMN Section_Comment"},
         "tbl_Section.Section_Comment"},
        {"names in other letter case, extra tables and columns",
         {"ALTER TABLE tbl_Model RENAME TO x_Model", "ALTER TABLE x_Model RENAME TO TBL_MODEL",
          "ALTER TABLE TBL_MODEL RENAME COLUMN Model_Name TO x_Name",
          "ALTER TABLE TBL_MODEL RENAME COLUMN x_Name TO MODEL_NAME",
          "ALTER TABLE tbl_Pclist ADD COLUMN Extra_Column VARCHAR(255)", "CREATE TABLE tbl_Extra (a INTEGER)"},
         nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TearDown();
        SetUp();
        {
            // Changed, and left in rollback-journal mode, so any write at open would show in the bytes.
            ado::Connection cn;
            cn.Open(QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=") + m_folder->dbPath());
            for (const QString& change : c.changes) cn.Execute(change);
            cn.Execute("PRAGMA journal_mode=DELETE");
        }
        QFile file(m_folder->dbPath());
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray before = file.readAll();
        file.close();

        if (!c.missing) {
            EXPECT_TRUE(fnc_DB_Open());
            EXPECT_TRUE(ui::script::shown().empty());
            continue;
        }
        ui::script::answerMsgBox(ui::vbOK);
        EXPECT_FALSE(fnc_DB_Open());
        EXPECT_EQ(gCn().State(), ado::adStateClosed);
        const QString box = lastErrorBox();
        EXPECT_TRUE(box.startsWith(QStringLiteral("\r\n（エラーコード：-2147467259）"))) << box.toStdString();
        EXPECT_TRUE(box.contains(QStringLiteral("（%1 がありません）").arg(QString::fromUtf8(c.missing))))
            << box.toStdString();
        EXPECT_TRUE(m_status.isEmpty());
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll(), before);
        EXPECT_EQ(QDir(m_folder->path()).entryList(QDir::Files | QDir::Hidden), QStringList{"pcdb.mdb"});
    }
}

TEST_F(DbHelpers, ExecutorIgnoresErrorsAndReportsEveryNonEmptyText) {
    openDb();
    EXPECT_FALSE(fnc_Execute_SQL(""));
    EXPECT_TRUE(fnc_Execute_SQL("INSERT INTO tbl_Location (Location_Code) VALUES (0)"));  // duplicate key
    EXPECT_TRUE(fnc_Execute_SQL("SELEC nonsense"));
    EXPECT_TRUE(ui::script::shown().empty());
    EXPECT_TRUE(fnc_Execute_SQL("INSERT INTO tbl_Location ( Location_Code,Available_flug) VALUES ( 5,0 );"));
    EXPECT_EQ(count("SELECT * FROM tbl_Location"), 2);
}

TEST_F(DbHelpers, ExistsRecord) {
    openDb();
    EXPECT_TRUE(fnc_Exists_Record("SELECT tbl_User.User_Code FROM tbl_User "));
    EXPECT_FALSE(fnc_Exists_Record("SELECT * FROM tbl_Computer_List WHERE MainKey = 5"));
    ui::script::answerMsgBox(ui::vbOK);
    EXPECT_FALSE(fnc_Exists_Record("SELECT * FROM tbl_Nothing"));
    EXPECT_TRUE(lastErrorBox().contains(QStringLiteral("tbl_Nothing"))) << lastErrorBox().toStdString();
}

TEST_F(DbHelpers, FieldTypeNamesTheKindOfTheFirstField) {
    openDb();
    sql("INSERT INTO tbl_Computer_List (MainKey, Leasing_StartDate) VALUES (5, '2005/12/04')");
    sql("INSERT INTO tbl_Pclist (MainKey, Memory_Full, Computer_Name) VALUES (5, 512, 'PC')");
    sql("INSERT INTO tbl_ReadCsv ([Key], Renewalday) VALUES ('1', 'r')");
    // Column kinds the ledger's tables do not have, in a scratch table of this copy only.
    sql("CREATE TABLE tbl_Kinds (Flag BIT, Amount DOUBLE)");
    sql("INSERT INTO tbl_Kinds (Flag, Amount) VALUES (1, 2.5)");
    const struct {
        const char* query;
        const char* kind;
    } cases[] = {
        {"SELECT Memory_Full FROM tbl_Pclist WHERE MainKey = 5", "数値"},
        {"SELECT Computer_Name FROM tbl_Pclist WHERE MainKey = 5", "文字"},
        {"SELECT Leasing_StartDate FROM tbl_Computer_List WHERE MainKey = 5", "日付"},
        {"SELECT MainKey FROM tbl_Pclist WHERE MainKey = 5", "不明"},                 // 16-bit Integer
        {"SELECT Renewalday FROM tbl_ReadCsv", "不明"},                               // Memo
        {"SELECT Memory_Full FROM tbl_Pclist WHERE MainKey = 99", "不明"},            // no row
        {"SELECT Leasing_EndDate FROM tbl_Computer_List WHERE MainKey = 5", "日付"},  // Null, still a date column
        {"SELECT Flag FROM tbl_Kinds", "不明"},                                       // Yes/No
        {"SELECT Amount FROM tbl_Kinds", "不明"},                                     // floating point
    };
    for (const auto& c : cases) EXPECT_EQ(fnc_Get_FieldType(c.query), QString::fromUtf8(c.kind)) << c.query;
    ui::script::answerMsgBox(ui::vbOK);
    EXPECT_EQ(fnc_Get_FieldType("SELECT Nowhere FROM tbl_Pclist"), QStringLiteral("不明"));
    EXPECT_FALSE(lastErrorBox().isEmpty());
}

TEST_F(DbHelpers, RecordValuesOfTheFirstRow) {
    // Empty text: nine empty texts without touching the database (none is open).
    for (const QString& v : fnc_Get_RecordValues("")) EXPECT_EQ(v, "");
    openDb();
    for (const QString& v : fnc_Get_RecordValues("SELECT * FROM tbl_ReadCsv")) EXPECT_EQ(v, "");
    stage({"1", "Soft", "Application", "C:\\Program Files", "a,b", "12:30", "it's;#\r\nend"});
    const RecordValues v =
        fnc_Get_RecordValues("SELECT * FROM tbl_ReadCsv WHERE (Group = 'Soft' AND Item = 'Application')");
    const RecordValues expected = {"1", "Soft", "Application", "C：￥Program Files", "a、b", "12：30", "it’s；＃  end",
                                   "",  ""};
    EXPECT_EQ(v, expected);
    // No handler of its own: the caller gets the error.
    sql("INSERT INTO tbl_Pclist (MainKey) VALUES (5)");
    EXPECT_THROW((void)fnc_Get_RecordValues("SELECT Computer_Name FROM tbl_Pclist WHERE MainKey = 5"),
                 vb::Error);  // Null
    EXPECT_THROW((void)fnc_Get_RecordValues("SELECT * FROM tbl_Location, tbl_Model, tbl_Section"),
                 vb::Error);  // 12 fields
    EXPECT_THROW((void)fnc_Get_RecordValues("SELECT * FROM tbl_Nothing"), vb::Error);
    EXPECT_TRUE(ui::script::shown().empty());
}

TEST_F(DbHelpers, MaxKeyOfTheFirstColumn) {
    openDb();
    sql("DELETE FROM tbl_Location");
    EXPECT_EQ(fnc_Get_MaxKey("tbl_Location"), -1);
    for (int code : {0, 3, 7}) sql(QStringLiteral("INSERT INTO tbl_Location (Location_Code) VALUES (%1)").arg(code));
    EXPECT_EQ(fnc_Get_MaxKey("tbl_Location"), 7);
    EXPECT_EQ(fnc_Get_MaxKey("tbl_Mail_Management"), -1);  // first column "Key"
    sql("INSERT INTO tbl_Mail_Management ([Key]) VALUES (32767)");
    EXPECT_EQ(fnc_Get_MaxKey("tbl_Mail_Management"), 32767);
    EXPECT_TRUE(ui::script::shown().empty());
    // Above 32767 (only a text column can hold it): the error box, result 0.
    stage({"40000", "", "", "", "", "", ""});
    ui::script::answerMsgBox(ui::vbOK);
    EXPECT_EQ(fnc_Get_MaxKey("tbl_ReadCsv"), 0);
    EXPECT_TRUE(lastErrorBox().contains(QStringLiteral("（エラーコード：6）"))) << lastErrorBox().toStdString();
    ui::script::answerMsgBox(ui::vbOK);
    EXPECT_EQ(fnc_Get_MaxKey("tbl_Nothing"), 0);
}

// The next key tells a real highest key of 0 from the 0 that fnc_Get_MaxKey answers after a failure.
TEST_F(DbHelpers, NextKeyAfterTheHighest) {
    openDb();
    struct Case {
        const char* name;
        const char* table;
        std::vector<int> codes;  // rows of tbl_Location before the call
        std::optional<qint16> next;
        int errorBoxes;
    };
    const Case cases[] = {
        {"empty table", "tbl_Location", {}, 0, 0},
        {"highest 0 (the reserved row alone)", "tbl_Location", {0}, 1, 0},
        {"highest 7", "tbl_Location", {0, 3, 7}, 8, 0},
        {"a highest below 0 counts as none", "tbl_Location", {-5}, 0, 0},
        {"no such table", "tbl_Nothing", {}, std::nullopt, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ui::script::reset();
        sql("DELETE FROM tbl_Location");
        for (int code : c.codes) sql(QStringLiteral("INSERT INTO tbl_Location (Location_Code) VALUES (%1)").arg(code));
        for (int i = 0; i < c.errorBoxes; ++i) ui::script::answerMsgBox(ui::vbOK);
        EXPECT_EQ(nextKey(c.table), c.next);
        EXPECT_EQ(int(ui::script::shown().size()), c.errorBoxes);
    }

    // The highest lookup fails while the table is there: no key, and only the lookup's own box.
    ui::script::reset();
    sql("DELETE FROM tbl_Location");
    sql("INSERT INTO tbl_Location (Location_Code) VALUES (4)");
    gCn().setFailHook([](const QString& s) { return s.contains("MAX("); });
    ui::script::answerMsgBox(ui::vbOK);
    EXPECT_EQ(nextKey("tbl_Location"), std::nullopt);
    gCn().setFailHook(nullptr);
    EXPECT_EQ(ui::script::shown().size(), 1u);

    // No key after 32767: overflow, for the caller's error box.
    sql("INSERT INTO tbl_Location (Location_Code) VALUES (32767)");
    try {
        (void)nextKey("tbl_Location");
        ADD_FAILURE() << "no overflow";
    } catch (const vb::Error& e) {
        EXPECT_EQ(e.number(), vb::errOverflow);
    }
}

TEST_F(DbHelpers, MaxMainKey) {
    openDb();
    EXPECT_EQ(fnc_Get_MaxMainKey(), 0);  // the reserved PC alone
    sql("DELETE FROM tbl_Computer_List");
    EXPECT_EQ(fnc_Get_MaxMainKey(), 0);  // empty
    sql("INSERT INTO tbl_Computer_List (MainKey) VALUES (12)");
    EXPECT_EQ(fnc_Get_MaxMainKey(), 12);
    sql("INSERT INTO tbl_Computer_List (MainKey) VALUES (32767)");
    EXPECT_EQ(fnc_Get_MaxMainKey(), 32767);
    EXPECT_TRUE(ui::script::shown().empty());
}

TEST(ReplaceSQLChar, SubstitutesInOrder) {
    const struct {
        const char* in;
        const char* out;
    } cases[] = {
        {"", ""},
        {"plain text", "plain text"},
        {"a,b", "a、b"},
        {"it's", "it’s"},
        {"x;y", "x；y"},
        {"#1", "＃1"},
        {"C:\\Program Files\\x", "C：￥Program Files￥x"},
        {"12:30", "12：30"},
        {"line1\r\nline2\nline3\rend", "line1  line2 line3 end"},
        {",';#\\:", "、’；＃￥："},
        {"ＡＢ，全角", "ＡＢ，全角"},  // already full width: unchanged
    };
    for (const auto& c : cases)
        EXPECT_EQ(fnc_Replace_SQLChar(QString::fromUtf8(c.in)), QString::fromUtf8(c.out)) << c.in;
}

}  // namespace
