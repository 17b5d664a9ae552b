// The value rules, one catalogue entry at a time, on a PC whose two rows exist already.
#include <gtest/gtest.h>

#include "core/Mdl_Access_mdb.h"
#include "core/Mdl_ReadCsv.h"
#include "inventory_read/Catalogue.h"
#include "tests/inventory_read/InventoryFixture.h"

namespace invtest {
namespace {

using inventory::LabelSet;

class RulesTest : public InventoryTest {
protected:
    void SetUp() override {
        InventoryTest::SetUp();
        gCn().Execute("INSERT INTO tbl_Computer_List (MainKey) VALUES (8)");
        gCn().Execute("INSERT INTO tbl_Pclist (MainKey) VALUES (8)");
    }
    // Stages the lines and applies entries first..last to PC 8.
    void apply(const QStringList& lines, int first, int last, LabelSet set = LabelSet::Japanese) {
        ASSERT_TRUE(fnc_Read_CsvFile(writeInventory("rule.csv", lines)));
        inventory::fnc_Update_FromReadCsv(8, set, first, last);
    }
    QString value(const QString& column) { return pclist(8, column); }
};

TEST_F(RulesTest, WholeNumbersRoundHalvesToEvenAndGiveZeroForNoNumber) {
    struct Case {
        const char* contents;
        const char* stored;
    } cases[] = {
        {"2400", "2400"},
        {" 2400 ", "2400"},
        {"512 MB", "0"},
        {"2.5", "2"},
        {"3.5", "4"},
        {"-7", "-7"},
        {"", "0"},
        {"abc", "0"},
        {"2147483647", "2147483647"},
        {"2147483648", "0"},
        {"-2147483648", "-2147483648"},
        {"-2147483649", "0"},
    };
    for (const Case& c : cases) {
        apply({QString("1,Hard,CPU,Clock,%1,MHz,r").arg(c.contents)}, 34, 34);
        EXPECT_EQ(value("CPU_Clock"), c.stored) << "Contents '" << c.contents << "'";
    }
}

TEST_F(RulesTest, PairsStoreTheNumberAndTheWholeUnitAsOneStep) {
    struct Case {
        int entry;
        QString line;
        const char* column;
        const char* number;
        const char* unit;
    } cases[] = {
        {7, "1,Hard,メモリ,全容量,2048,MB,r", "Memory_Full", "2048", "MB"},
        {7, "1,Hard,メモリ,全容量,abc,MB,r", "Memory_Full", "0", "MB"},
        {7, "1,Hard,メモリ,全容量,,,r", "Memory_Full", "0", ""},
        {42, "1,Hard,CPU,L1命令キャッシュ,,KB,r", "CPU_L1_Instruction_Cache", "0", "KB"},
        {42, "1,Hard,CPU,L1命令キャッシュ,8,KB,r", "CPU_L1_Instruction_Cache", "8", "KB"},
        {42, "1,Hard,CPU,L1命令キャッシュ,x,KB,r", "CPU_L1_Instruction_Cache", "0", "KB"},
        {50, "1,Hard,CPU,L1トレースキャッシュ,12, K μops ,r", "CPU_L1_Trace_Cache", "12", " K μops "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line.toStdString());
        apply({c.line}, c.entry, c.entry);  // the unit entry goes with its value entry
        EXPECT_EQ(value(c.column), c.number);
        EXPECT_EQ(value(QString(c.column) + "_unit"), c.unit);
    }
    // A unit entry is never applied by itself.
    gCn().Execute("UPDATE tbl_Pclist SET Memory_Used_unit = NULL WHERE MainKey = 8");
    apply({"1,Hard,メモリ,使用量,10,MB,r"}, 10, 10);
    EXPECT_EQ(value("Memory_Used_unit"), "<null>");
}

TEST_F(RulesTest, FlagsCompareExactly) {
    struct Case {
        const char* text;
        const char* cpu;      // as a CPU flag's Contents
        const char* setting;  // as a setting's Unit
    } cases[] = {
        {"TRUE", "1", "0"},  {"True", "0", "1"},  {"true", "0", "0"}, {"1", "1", "1"},     {"0", "0", "0"},
        {"FALSE", "0", "0"}, {"False", "0", "0"}, {"", "0", "0"},     {" TRUE", "0", "0"}, {"yes", "0", "0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        apply({QString("1,Hard,CPU,MCA,%1,,r").arg(c.text), QString("2,Soft,IE,Setting,LAN経由,%1,r").arg(c.text)}, 53,
              107);
        EXPECT_EQ(value("CPU_MCA"), c.cpu);
        EXPECT_EQ(value("LAN_Connection"), c.setting);
        EXPECT_EQ(value("CPU_FPU"), "0") << "a flag without its line";
        EXPECT_EQ(value("OfflineMode"), "0");
    }
}

TEST_F(RulesTest, TheDateComesFromItsLabelSetsOwnLineIntoBothTables) {
    const QString longDay = "2006/01/15 9:05:00 " + QString(300, u'x');
    const QStringList lines = {"1,Soft,Windows,Version,XP,,2006/01/15 9:05:00",
                               "2,Create,DateTime,2005/04/01 12:30:45,,,r", "3,Soft,Windows,ProductID,1,," + longDay};
    apply(lines, 5, 5, LabelSet::Japanese);
    EXPECT_EQ(computerList(8, "Update"), "2005/04/01 12：30：45");
    EXPECT_EQ(value("Update"), "2005/04/01 12：30：45");
    apply(lines, 5, 5, LabelSet::English);
    EXPECT_EQ(computerList(8, "Update"), "2006/01/15 9：05：00");
    EXPECT_EQ(value("Update"), "2006/01/15 9：05：00");
    apply({"1,Soft,Windows,Version,XP,," + longDay}, 5, 5, LabelSet::English);
    EXPECT_EQ(value("Update"), ("2006/01/15 9：05：00 " + QString(300, u'x')).left(255)) << "cut at 255 characters";
    EXPECT_EQ(computerList(8, "Update"), value("Update"));
}

TEST_F(RulesTest, TheIpKeyIsMadeOfTheWholeAddressOfTheFirstMatchingLine) {
    struct Case {
        const char* address;
        const char* key;
    } cases[] = {{"", ""}, {"192.168.1.10", "C0A8010A"}, {"10.1", "0A000001"}, {"abc", "FFFFFFFF"}};
    for (const Case& c : cases) {
        apply(
            {QString("1,Network,Adapter,IPアドレス,%1,,r").arg(c.address), "2,Network,Adapter,IPアドレス,10.9.9.9,,r"},
            3, 4);
        EXPECT_EQ(value("IPAddress"), c.address);
        EXPECT_EQ(value("IPAddress_16num"), c.key) << c.address;
    }
}

TEST_F(RulesTest, TextIsTakenFromTheFirstMatchingLineWithItsCharactersReplaced) {
    apply({"1,Network,LAN,コンピュータ名,FIRST's #1;x:y,,r", "2,Network,LAN,コンピュータ名,SECOND,,r",
           "3,Soft,IE,Setting,Start Page,http://example/,r", "4,Hard,System,Model,M-1\\2,,r",
           "5,Hard,BIOS,SerialNo,S:1,,r"},
          1, 107);
    EXPECT_EQ(value("Computer_Name"), "FIRST’s ＃1；x：y");
    EXPECT_EQ(value("Start_Page"), "http：//example/");
    EXPECT_EQ(computerList(8, "Type_Number"), "M-1￥2");
    EXPECT_EQ(computerList(8, "Sereals_Number"), "S：1");
}

// A file with none of the catalogue's lines still gets every statement: texts empty, numbers 0, flags "0".
TEST_F(RulesTest, WithoutAnyCatalogueLineEveryEntryWritesItsPreset) {
    std::vector<QString> statements;
    gCn().setFailHook([&statements](const QString& s) {
        if (s.startsWith("UPDATE")) statements.push_back(s);
        return false;
    });
    apply({"1,Soft,Application,App,1,p,r"}, 1, 107);
    gCn().setFailHook({});
    EXPECT_EQ(statements.size(), 107u);
    int primaryDns = 0;
    for (const QString& s : statements) primaryDns += s.contains("PrimaryDNS") ? 1 : 0;
    EXPECT_EQ(primaryDns, 1) << "entry 97 issues no statement";
    // The forms as the reader writes them.
    for (const char* s : {"UPDATE tbl_Pclist SET tbl_Pclist.[Computer_Name] = '' WHERE MainKey = 8",
                          "UPDATE tbl_Pclist SET tbl_Pclist.[Memory_Full] = 0 WHERE MainKey = 8",
                          "UPDATE tbl_Pclist SET tbl_Pclist.[Memory_Full_unit] = '' WHERE MainKey = 8",
                          "UPDATE tbl_Pclist SET IPAddress_16num = '' WHERE MainKey = 8",
                          "UPDATE tbl_Computer_List SET tbl_Computer_List.[Update] = '' WHERE MainKey = 8",
                          "UPDATE tbl_Pclist SET tbl_Pclist.[Update] = '' WHERE MainKey = 8",
                          "UPDATE tbl_Pclist SET tbl_Pclist.[CPU_FPU] = '0' WHERE MainKey = 8",
                          "UPDATE tbl_Computer_List SET tbl_Computer_List.Type_Number = '' WHERE MainKey = 8",
                          "UPDATE tbl_Computer_List SET tbl_Computer_List.Sereals_Number = '' WHERE MainKey = 8"}) {
        EXPECT_NE(std::find(statements.begin(), statements.end(), QString::fromUtf8(s)), statements.end()) << s;
    }
    auto at = [&statements](const char* s) {
        return std::find(statements.begin(), statements.end(), QString::fromUtf8(s));
    };
    EXPECT_LT(at("UPDATE tbl_Computer_List SET tbl_Computer_List.[Update] = '' WHERE MainKey = 8"),
              at("UPDATE tbl_Pclist SET tbl_Pclist.[Update] = '' WHERE MainKey = 8"));
    EXPECT_LT(at("UPDATE tbl_Pclist SET tbl_Pclist.[Memory_Full] = 0 WHERE MainKey = 8"),
              at("UPDATE tbl_Pclist SET tbl_Pclist.[Memory_Full_unit] = '' WHERE MainKey = 8"));

    for (const auto& e : inventory::kCatalogue) {
        if (e.table == inventory::TargetTable::ComputerList && e.rule != inventory::Rule::Date) {
            EXPECT_EQ(computerList(8, e.columnName()), "") << e.number;
            continue;
        }
        QString want;
        switch (e.rule) {
            case inventory::Rule::Number:
            case inventory::Rule::Pair:
            case inventory::Rule::CachePair:
                want = "0";
                break;
            case inventory::Rule::CpuFlag:
            case inventory::Rule::SettingFlag:
                want = "0";
                break;
            default:
                want = "";
                break;
        }
        EXPECT_EQ(value(e.columnName()), want) << e.number << " " << e.column;
    }
    // The updates run on the rows the caller made; no row is added.
    EXPECT_EQ(count("SELECT * FROM tbl_Pclist WHERE MainKey = 8"), 1);
}

}  // namespace
}  // namespace invtest
