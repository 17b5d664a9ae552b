// The import, headless: samples against the expected values, keys, broken files, the key mend and what a
// failure inside a file leaves.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <QDir>
#include <QElapsedTimer>

#include "core/Mdl_Access_mdb.h"
#include "inventory_read/Import.h"
#include "platform/db/Ado.h"
#include "platform/ui/Dialogs.h"
#include "tests/inventory_read/InventoryFixture.h"
#include "tests/support/FaultVfs.h"

namespace invtest {
namespace {

using inventory::LabelSet;
using inventory::Skip;

// A file list of the given names in the program folder, all selected.
inventory::FileListSource allSelected(const QString& folder, const QStringList& names) {
    inventory::FileListSource src;
    src.folder = folder;
    src.count = int(names.size());
    src.name = [names](int i) { return names[i]; };
    src.selected = [](int) { return true; };
    return src;
}

struct SampleCase {
    const char* file;
    LabelSet set;
};

class SampleImport : public InventoryTest, public ::testing::WithParamInterface<SampleCase> {};

// Each sample read with each label set gives, column by column, what the catalogue's rules make of it.
TEST_P(SampleImport, TheNewPcHoldsWhatTheCatalogueRulesGiveForTheFile) {
    const SampleCase c = GetParam();
    const QString path = copySample(c.file);
    const inventory::FileResult r = inventory::fnc_Import_File(path, c.set);
    ASSERT_EQ(r.skip, Skip::None);
    EXPECT_EQ(r.mainKey, 1);
    expectPcAsExpected(1, c.file, c.set);
    EXPECT_EQ(count("SELECT * FROM tbl_Computer_List WHERE MainKey > 0"), 1);
    EXPECT_EQ(orphanRows(), 0);
    EXPECT_FALSE(gCn().inTransaction());
    EXPECT_TRUE(ui::script::shown().empty());
}

INSTANTIATE_TEST_SUITE_P(Samples, SampleImport,
                         ::testing::Values(SampleCase{"inventory_ja.csv", LabelSet::Japanese},
                                           SampleCase{"inventory_ja.csv", LabelSet::English},
                                           SampleCase{"inventory_en.csv", LabelSet::English},
                                           SampleCase{"inventory_en.csv", LabelSet::Japanese},
                                           SampleCase{"broken_truncated.csv", LabelSet::Japanese},
                                           SampleCase{"broken_truncated.csv", LabelSet::English}),
                         [](const auto& info) {
                             QString n = QString::fromLatin1(info.param.file).section('.', 0, 0) +
                                         (info.param.set == LabelSet::Japanese ? "_ja" : "_en");
                             return n.toStdString();
                         });

TEST_F(InventoryTest, NewKeysFollowTheHighestKeyInListOrder) {
    for (int k = 1; k <= 7; ++k) addPc(k, QString("OLD%1").arg(k));
    copySample("inventory_en.csv");
    copySample("inventory_ja.csv");
    const inventory::ReadRun run = inventory::runReadLoop(
        allSelected(m_folder->path(), {"inventory_en.csv", "inventory_ja.csv"}), LabelSet::English);
    EXPECT_TRUE(run.staged);
    EXPECT_EQ(run.imported, 2);
    EXPECT_EQ(run.keys, (std::vector<qint16>{8, 9}));
    EXPECT_TRUE(run.skipped.empty());
    EXPECT_EQ(pclist(8, "Computer_Name"), "SALES-PC07");
    EXPECT_EQ(pclist(9, "Computer_Name"), "");  // the Japanese file, read with English labels
    EXPECT_EQ(pclist(9, "Update"), "2005/04/01 12：30：45") << "the second file did not land on key 9";
    for (int k = 1; k <= 7; ++k)
        EXPECT_EQ(pclist(k, "Computer_Name"), QString("OLD%1").arg(k)) << "an existing PC changed";
}

TEST_F(InventoryTest, TheFirstPcOfALedgerHoldingOnlyTheReservedPcGetsKey1) {
    ASSERT_EQ(scalar("SELECT MAX( MainKey ) FROM tbl_Computer_List"), "0");
    const inventory::FileResult r = inventory::fnc_Import_File(copySample("inventory_ja.csv"), LabelSet::Japanese);
    EXPECT_EQ(r.mainKey, 1);
    EXPECT_EQ(pclist(0, "Computer_Name"), scalar("SELECT Computer_Name FROM tbl_Pclist WHERE MainKey = 0"));
    EXPECT_EQ(count("SELECT * FROM tbl_ApplicationsList WHERE [Key] = 0"), 0);
}

TEST_F(InventoryTest, TheSameFileTwiceGivesTwoPcsWithTheSameProfileAndLists) {
    copySample("inventory_ja.csv");
    const inventory::ReadRun run = inventory::runReadLoop(
        allSelected(m_folder->path(), {"inventory_ja.csv", "inventory_ja.csv"}), LabelSet::Japanese);
    ASSERT_EQ(run.keys, (std::vector<qint16>{1, 2}));
    expectPcAsExpected(1, "inventory_ja.csv", LabelSet::Japanese);
    expectPcAsExpected(2, "inventory_ja.csv", LabelSet::Japanese);
}

// Broken files create no PC, the others are imported, and each skipped file is named with its reason.
TEST_F(InventoryTest, BrokenFilesAreSkippedByNameAndTheOthersImported) {
    for (const char* f :
         {"broken_header.csv", "broken_empty.csv", "broken_bom.csv", "inventory_ja.csv", "inventory_en.csv"})
        copySample(f);
    QDir(m_folder->path()).mkdir("folder.csv");
    const QStringList names = {"broken_header.csv", "inventory_ja.csv", "broken_empty.csv", "broken_bom.csv",
                               "vanished.csv",      "folder.csv",       "inventory_en.csv"};
    const inventory::ReadRun run = inventory::runReadLoop(allSelected(m_folder->path(), names), LabelSet::Japanese);
    EXPECT_EQ(run.keys, (std::vector<qint16>{1, 2}));
    ASSERT_EQ(run.skipped.size(), 5u);
    const std::pair<QString, Skip> want[] = {{"broken_header.csv", Skip::NotInventory},
                                             {"broken_empty.csv", Skip::NotInventory},
                                             {"broken_bom.csv", Skip::NotInventory},
                                             {"vanished.csv", Skip::Unreadable},
                                             {"folder.csv", Skip::Unreadable}};
    for (size_t i = 0; i < 5; ++i) {
        EXPECT_EQ(run.skipped[i].name, want[i].first);
        EXPECT_EQ(run.skipped[i].why, want[i].second) << want[i].first.toStdString();
    }
    EXPECT_EQ(pclist(1, "Computer_Name"), "SOUMU-PC01");
    EXPECT_EQ(pclist(2, "Computer_Name"), "");  // the English file, read with Japanese labels
    EXPECT_EQ(count("SELECT * FROM tbl_Computer_List WHERE MainKey > 0"), 2);
    EXPECT_EQ(orphanRows(), 0);
    EXPECT_EQ(inventory::skippedFilesMessage(run.skipped),
              "次のファイルは読み込まれませんでした。\n"
              "broken_header.csv（Harvikのファイルではありません）\n"
              "broken_empty.csv（Harvikのファイルではありません）\n"
              "broken_bom.csv（Harvikのファイルではありません）\n"
              "vanished.csv（ファイルを読めません）\n"
              "folder.csv（ファイルを読めません）");
    EXPECT_EQ(inventory::skippedFilesMessage({}), "");
}

TEST_F(InventoryTest, BytesThatAreNoCp932AreImportedAsReplacementCharacters) {
    const inventory::FileResult r = inventory::fnc_Import_File(copySample("broken_bytes.csv"), LabelSet::Japanese);
    ASSERT_EQ(r.skip, Skip::None);
    const QChar bad(0xFFFD);
    EXPECT_EQ(pclist(1, "Computer_Name"), "BYTES-PC");
    EXPECT_EQ(pclist(1, "Workgroup"), QString("AB") + bad + "CD");
    EXPECT_EQ(pclist(1, "DomeinName"), "END");
    EXPECT_EQ(rows("SELECT Renewalday FROM tbl_ReadCsv WHERE [Key] = '3'"), (std::vector<QStringList>{{QString(bad)}}))
        << "a lead byte right before the line end must not swallow it";
    EXPECT_EQ(rows("SELECT Application_Name, Application_Path FROM tbl_ApplicationsList"),
              (std::vector<QStringList>{{QString(bad) + bad + "App", "C：￥x"}}));
    EXPECT_EQ(rows("SELECT Printer_Name, PrinterPorts_Name FROM tbl_Printer_Management"),
              (std::vector<QStringList>{{"表示プリンタ", "LPT1："}}));
}

// The key mend: no new key, or no fresh row for it, and the file writes nothing at all.
TEST_F(InventoryTest, AFileWithoutAFreshKeyWritesNothing) {
    struct Case {
        const char* why;
        std::function<void()> prepare;
        Skip skip;
        int strayKey;  // a row that must stay as it was
    } cases[] = {
        {"the highest key is 32767", [this] { addPc(32767, "LAST"); }, Skip::NoKey, 32767},
        {"the key lookup fails",
         [] { gCn().setFailHook([](const QString& s) { return s.contains("MAX( MainKey )"); }); }, Skip::NoKey, 0},
        {"a stray profile row holds the next key",
         [this] {
             addPc(7, "SEVEN");
             sql("INSERT INTO tbl_Pclist (MainKey, Computer_Name) VALUES (8, 'STRAY')");
         },
         Skip::NotCreated, 8},
        {"the PC insert fails",
         [] { gCn().setFailHook([](const QString& s) { return s.startsWith("INSERT INTO tbl_PClist"); }); },
         Skip::NotCreated, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        TearDown();
        SetUp();
        const QString previous = writeInventory("previous.csv", {"1,Soft,Application,Previous,1,p,r"});
        ASSERT_TRUE(inventory::fnc_Import_File(previous, LabelSet::Japanese).skip == Skip::None);
        gCn().Execute("DELETE FROM tbl_ApplicationsList");
        c.prepare();
        const int pcsBefore = count("SELECT * FROM tbl_Computer_List");
        const int profilesBefore = count("SELECT * FROM tbl_Pclist");
        const QString strayName = pclist(c.strayKey, "Computer_Name");
        const QString strayGroup = pclist(c.strayKey, "Workgroup");

        const inventory::FileResult r = inventory::fnc_Import_File(copySample("inventory_ja.csv"), LabelSet::Japanese);
        gCn().setFailHook({});
        EXPECT_EQ(r.skip, c.skip);
        EXPECT_EQ(r.mainKey, 0);
        EXPECT_EQ(count("SELECT * FROM tbl_Computer_List"), pcsBefore);
        EXPECT_EQ(count("SELECT * FROM tbl_Pclist"), profilesBefore);
        EXPECT_EQ(pclist(c.strayKey, "Computer_Name"), strayName);
        EXPECT_EQ(pclist(c.strayKey, "Workgroup"), strayGroup);
        for (const char* t :
             {"tbl_ApplicationsList", "tbl_Device_Management", "tbl_Printer_Management", "tbl_Environmental"})
            EXPECT_EQ(count(QString("SELECT * FROM %1").arg(t)), 0) << t;
        EXPECT_EQ(rows("SELECT SubItem FROM tbl_ReadCsv"), (std::vector<QStringList>{{"Previous"}}))
            << "the staging of a skipped file is undone too";
        EXPECT_FALSE(gCn().inTransaction());
    }
}

// Single steps that fail are passed over and the file is committed all the same.
TEST_F(InventoryTest, AFailingStepInsideAFileLeavesThatValueAndKeepsTheRest) {
    gCn().setFailHook([](const QString& s) {
        return s.contains("tbl_Pclist.[CPU_Clock]") ||            // a statement the database refuses
               s.contains("SubItem = 'Number of processors'") ||  // a lookup that fails
               (s.startsWith("INSERT INTO tbl_ApplicationsList") && s.contains("Office Suite"));  // one list row
    });
    const inventory::FileResult r = inventory::fnc_Import_File(copySample("inventory_ja.csv"), LabelSet::Japanese);
    gCn().setFailHook({});
    ASSERT_EQ(r.skip, Skip::None);
    EXPECT_EQ(pclist(1, "CPU_Clock"), "<null>") << "the column keeps what the insert left";
    EXPECT_EQ(pclist(1, "CPU_Unit"), "0") << "the preset is written when the lookup fails";
    EXPECT_EQ(pclist(1, "CPU_Family"), "15");
    EXPECT_EQ(pclist(1, "Computer_Name"), "SOUMU-PC01");
    EXPECT_EQ(computerList(1, "Sereals_Number"), "SN-0012；34");
    EXPECT_EQ(rows("SELECT Application_Name FROM tbl_ApplicationsList"),
              (std::vector<QStringList>{{"予定表ソフト"}, {"能率ツール 十"}}));
    EXPECT_FALSE(gCn().inTransaction());
}

TEST_F(InventoryTest, TheListCopiesAreTheReadersOwnTexts) {
    ASSERT_EQ(inventory::kListCopies.size(), 4u);
    EXPECT_STREQ(inventory::kListCopies[0].selectSql,
                 "SELECT * FROM tbl_ReadCsv WHERE (Group = 'Soft' AND Item = 'Application')");
    EXPECT_STREQ(inventory::kListCopies[0].insertStart,
                 "INSERT INTO tbl_ApplicationsList ( [Update], Application_Name, Application_Version, "
                 "Application_Path, [Key] ) VALUES(");
    EXPECT_STREQ(inventory::kListCopies[1].selectSql, "SELECT * FROM tbl_ReadCsv WHERE (Group = 'Device')");
    EXPECT_STREQ(inventory::kListCopies[1].insertStart,
                 "INSERT INTO tbl_Device_Management ( [Update], Device_Category, Device_Name, Device_Provider, "
                 "Device_Version, [Key] ) VALUES(");
    EXPECT_STREQ(inventory::kListCopies[2].selectSql,
                 "SELECT * FROM tbl_ReadCsv WHERE (Group = 'Hard' AND Item = 'Printer')");
    EXPECT_STREQ(inventory::kListCopies[2].insertStart,
                 "INSERT INTO tbl_Printer_Management ( [Update], Printer_Name, PrinterPorts_Name, [Key] ) VALUES(");
    EXPECT_STREQ(inventory::kListCopies[3].selectSql, "SELECT * FROM tbl_ReadCsv WHERE (Group = 'Environmental')");
    EXPECT_STREQ(inventory::kListCopies[3].insertStart,
                 "INSERT INTO tbl_Environmental ( [Update], Environmental_Name, Environmental_Path, [Key] ) VALUES(");
    const qint16 layouts[] = {5, 6, 7, 8};
    for (int i = 0; i < 4; ++i) EXPECT_EQ(inventory::kListCopies[size_t(i)].layout, layouts[i]);
}

// The statements of one file, in order: the two inserts, entry 1, the five resets, the rest, the lists.
TEST_F(InventoryTest, OneFileRunsItsStatementsInTheReadersOrder) {
    std::vector<QString> statements;
    gCn().setFailHook([&statements](const QString& s) {
        if ((s.startsWith("INSERT INTO tbl_") && !s.startsWith("INSERT INTO tbl_ReadCsv")) || s.startsWith("UPDATE "))
            statements.push_back(s);
        return false;
    });
    const QString path = writeInventory("one.csv", {"1,Network,LAN,コンピュータ名,PC1,,r", "2,Device,c,n,p,v,r"});
    ASSERT_EQ(inventory::fnc_Import_File(path, LabelSet::Japanese).skip, Skip::None);
    gCn().setFailHook({});
    ASSERT_EQ(statements.size(), 2u + 1 + 5 + 106 + 1);
    EXPECT_EQ(statements[0], "INSERT INTO tbl_Computer_List (MainKey) VALUES (1)");
    EXPECT_EQ(statements[1], "INSERT INTO tbl_PClist (MainKey) VALUES (1)");
    EXPECT_EQ(statements[2], "UPDATE tbl_Pclist SET tbl_Pclist.[Computer_Name] = 'PC1' WHERE MainKey = 1");
    EXPECT_EQ(statements[3], "UPDATE tbl_Computer_List SET tbl_Computer_List.[Location_Code] = 0 WHERE MainKey = 1");
    EXPECT_EQ(statements[4], "UPDATE tbl_Computer_List SET tbl_Computer_List.[User_Code] = 0 WHERE MainKey = 1");
    EXPECT_EQ(statements[5],
              "UPDATE tbl_Computer_List SET tbl_Computer_List.[Manufacturer_Code] = 0 WHERE MainKey = 1");
    EXPECT_EQ(statements[6], "UPDATE tbl_Computer_List SET tbl_Computer_List.[Model_Code] = 0 WHERE MainKey = 1");
    EXPECT_EQ(statements[7], "UPDATE tbl_Computer_List SET tbl_Computer_List.[Asset_Code] = 0 WHERE MainKey = 1");
    EXPECT_EQ(statements[8], "UPDATE tbl_Pclist SET tbl_Pclist.[Workgroup] = '' WHERE MainKey = 1");
    EXPECT_EQ(statements.back(),
              "INSERT INTO tbl_Device_Management ( [Update], Device_Category, Device_Name, Device_Provider, "
              "Device_Version, [Key] ) VALUES('r', 'c', 'n', 'p', 'v', '1');");
    EXPECT_EQ(computerList(1, "Asset_Code"), "0") << "the number 0 is stored as the text 0";
    EXPECT_EQ(computerList(1, "Deleted_Flug"), "0");
}

// The import looks the catalogue's lines and the list rows up in the staged rows it holds in memory:
// what it finds has to be what the statements' own queries find in the staging table (ASCII letters
// without case, everything else exact, the first staged line first, the list rows in staged order).
TEST_F(InventoryTest, StagedRowsAreFoundInMemoryAsTheQueriesFindThem) {
    const QString longText = QString(300, u'長');
    const QString path = writeInventory(
        "match.csv",
        {"1,Network,lan,コンピュータ名,lower case first,,r", "2,Network,LAN,コンピュータ名,upper case second,,r",
         "3,Network,ＬＡＮ,ワークグループ,full-width letters,,r", "4,Network,LAN ,ワークグループ,a trailing blank,,r",
         "5,Network,LAN,ワークグループ,WG,,r", "6,Hard,cpu,NAME,letters in any case,,r",
         "7,Hard,Adapter,ipアドレス,10.0.0.1,,r", "8,Soft,IE,SETTING,start page,http://x/,r",
         "9,Network,LAN,ドメイン," + longText + ",,r", "10,Hard,cpu,name,second name,,r",
         "11,SOFT,application,A1,1,p,r1", "12,Soft,Application,A2,2,q,r2", "13,Softs,Application,X,1,p,r",
         "14,soft,Ａpplication,Y,1,p,r", "15,device,Display,D1,p,v,r", "16,Hard,printer,P1,LPT1:,,r",
         "17,ENVIRONMENTAL,PATH,c:\\x,,,r", "18,Device,Sound,D2,p,v,r"});
    ASSERT_EQ(inventory::fnc_Import_File(path, LabelSet::Japanese).skip, Skip::None);
    EXPECT_EQ(pclist(1, "Computer_Name"), "lower case first");
    EXPECT_EQ(pclist(1, "Workgroup"), "WG");

    // Every text entry holds what its selector query reads from the staging table, cut to 255.
    int texts = 0;
    for (const inventory::CatalogueEntry& e : inventory::kCatalogue) {
        if ((e.rule != inventory::Rule::Text && e.rule != inventory::Rule::UnitText) || !e.appliedByReader) continue;
        const int field = e.rule == inventory::Rule::Text ? 4 : 5;
        const QString want = fnc_Get_RecordValues(inventory::selectorQuery(e, LabelSet::Japanese))[field].left(255);
        const QString got =
            e.table == inventory::TargetTable::Pclist ? pclist(1, e.columnName()) : computerList(1, e.columnName());
        EXPECT_EQ(got, want) << e.number << " " << e.column;
        texts += want.isEmpty() ? 0 : 1;
    }
    EXPECT_EQ(texts, 6) << "computer name, workgroup, IP address, CPU name, domain, start page";

    // Every list holds the rows its query selects, in the order the query gives them.
    const char* stored[] = {
        "SELECT [Update], Application_Name, Application_Version, Application_Path FROM tbl_ApplicationsList",
        "SELECT [Update], Device_Category, Device_Name, Device_Provider, Device_Version FROM tbl_Device_Management",
        "SELECT [Update], Printer_Name, PrinterPorts_Name FROM tbl_Printer_Management",
        "SELECT [Update], Environmental_Name, Environmental_Path FROM tbl_Environmental"};
    const char* staged[] = {"Renewalday, SubItem, Contents, Unit", "Renewalday, Item, SubItem, Contents, Unit",
                            "Renewalday, SubItem, Contents", "Renewalday, Item, SubItem"};
    for (int i = 0; i < 4; ++i) {
        const QString query = QString::fromUtf8(inventory::kListCopies[size_t(i)].selectSql)
                                  .replace("SELECT *", QString("SELECT ") + staged[i]);
        std::vector<QStringList> want = rows(query);
        for (QStringList& row : want)
            for (QString& v : row) v = fnc_Replace_SQLChar(v);
        EXPECT_EQ(rows(stored[i]), want) << stored[i];
        EXPECT_FALSE(want.empty()) << stored[i];
    }
}

// A database that refuses to store a file (read-only, locked by another program, a full disk, an I/O
// error) stops the run at that file: nothing of it is written, the files before it stay, and the
// files after it are not tried (each would wait and fail the same way).
TEST_F(InventoryTest, ADatabaseThatRefusesWritesStopsTheRunAtThatFile) {
    using Op = testsupport::FaultVfs::Op;
    struct Case {
        const char* what;
        const char* description;
        std::function<int(Op, const QString&)> fault;  // while armed
        bool lockedByAnother;
    };
    const Case cases[] = {
        {"a read-only file", "attempt to write a readonly database",
         [](Op op, const QString& path) { return op == Op::Open && path.endsWith("pcdb.mdb") ? SQLITE_READONLY : 0; },
         false},
        {"a file another program keeps locked", "database is locked", {}, true},
        {"a full disk", "database or disk is full",
         [](Op op, const QString& path) { return op == Op::Write && path.endsWith("-wal") ? SQLITE_FULL : 0; }, false},
        {"an I/O error", "disk I/O error",
         [](Op op, const QString& path) { return op == Op::Write && path.endsWith("-wal") ? SQLITE_IOERR_WRITE : 0; },
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TearDown();
        SetUp();
        const QStringList names = {"f0.csv", "f1.csv", "f2.csv"};
        for (const QString& n : names) copySample("inventory_ja.csv", n);
        bool armed = false;
        ado::Connection other;
        inventory::ReadRun run;
        QElapsedTimer timer;
        {
            testsupport::FaultVfs vfs([&](Op op, const char* path) {
                return armed && c.fault ? c.fault(op, QString::fromUtf8(path)) : SQLITE_OK;
            });
            gCn_ptr.reset();
            openDb();
            timer.start();
            run = inventory::runReadLoop(allSelected(m_folder->path(), names), LabelSet::Japanese, [&](int i) {
                if (i != 1) return;
                armed = true;
                if (c.lockedByAnother) {
                    other.Open("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" + m_folder->dbPath());
                    other.BeginTrans();
                    other.Execute("UPDATE tbl_Location SET Location_Name = Location_Name");
                } else {
                    // Files are opened anew by a fresh connection, as after a start on a read-only file.
                    gCn_ptr.reset();
                    openDb();
                }
            });
            armed = false;
            if (other.State() == ado::adStateOpen) other.Close();
            gCn_ptr.reset();
        }
        EXPECT_LT(timer.elapsed(), 6000) << "a lock is waited for once, not once per file";
        EXPECT_EQ(run.imported, 1);
        EXPECT_EQ(run.keys, std::vector<qint16>{1});
        EXPECT_TRUE(run.stopped);
        ASSERT_EQ(run.skipped.size(), 1u) << "the file after the stop is not tried";
        EXPECT_EQ(run.skipped[0].name, "f1.csv");
        EXPECT_EQ(run.skipped[0].why, Skip::Refused);
        EXPECT_EQ(run.errorNumber, ado::errProvider);
        EXPECT_EQ(run.errorDescription.toStdString(), c.description);
        EXPECT_EQ(inventory::skippedFilesMessage(run.skipped),
                  "次のファイルは読み込まれませんでした。\nf1.csv（データベースに書き込めません）");

        openDb();
        EXPECT_EQ(scalar("PRAGMA integrity_check"), "ok");
        EXPECT_EQ(count("SELECT * FROM tbl_Computer_List WHERE MainKey > 0"), 1);
        expectPcAsExpected(1, "inventory_ja.csv", LabelSet::Japanese);
        EXPECT_EQ(orphanRows(), 0);
    }
}

}  // namespace
}  // namespace invtest
