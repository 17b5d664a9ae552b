// The import, headless: samples against the expected values, keys, broken files, the key mend and what a
// failure inside a file leaves.
#include <gtest/gtest.h>

#include <QDir>

#include "core/Mdl_Access_mdb.h"
#include "inventory_read/Import.h"
#include "platform/db/Ado.h"
#include "platform/ui/Dialogs.h"
#include "tests/inventory_read/InventoryFixture.h"

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

}  // namespace
}  // namespace invtest
