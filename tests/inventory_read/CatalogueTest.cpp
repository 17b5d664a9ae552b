// The catalogue table against the ledger's schema and the facts its users rely on.
#include <gtest/gtest.h>

#include <QSet>

#include "core/Mdl_Access_mdb.h"
#include "inventory_read/Catalogue.h"
#include "platform/db/Ado.h"
#include "tests/inventory_read/InventoryFixture.h"

namespace invtest {
namespace {

using inventory::catalogueEntry;
using inventory::kCatalogue;
using inventory::LabelSet;
using inventory::Rule;
using inventory::SelectorFields;
using inventory::TargetTable;

bool sameSelectors(const inventory::CatalogueEntry& e) {
    return QString::fromUtf8(e.japanese.first) == QString::fromUtf8(e.english.first) &&
           QString::fromUtf8(e.japanese.second) == QString::fromUtf8(e.english.second);
}

QStringList fieldNames(const QString& table) {
    ado::Recordset rs;
    rs.Open("SELECT * FROM " + table, gCn(), ado::adOpenStatic, ado::adLockReadOnly);
    QStringList names;
    for (int i = 0; i < rs.FieldCount(); ++i) names << rs.Fields(i).Name();
    rs.Close();
    return names;
}

TEST(Catalogue, EntriesAreNumberedInOrderWithPairsFollowedByTheirUnits) {
    ASSERT_EQ(kCatalogue.size(), 107u);
    for (int n = 1; n <= 107; ++n) EXPECT_EQ(kCatalogue[size_t(n - 1)].number, n);
    const QSet<int> pairs = {7, 9, 11, 13, 15, 17, 19, 21, 24};
    const QSet<int> caches = {42, 44, 46, 48, 50};
    for (const auto& e : kCatalogue) {
        SCOPED_TRACE(e.number);
        EXPECT_EQ(e.rule == Rule::Pair, pairs.contains(e.number));
        EXPECT_EQ(e.rule == Rule::CachePair, caches.contains(e.number));
        EXPECT_EQ(e.rule == Rule::PairUnit, pairs.contains(e.number - 1));
        EXPECT_EQ(e.rule == Rule::CacheUnit, caches.contains(e.number - 1));
        if (e.rule == Rule::PairUnit || e.rule == Rule::CacheUnit) {
            const auto& v = catalogueEntry(e.number - 1);
            EXPECT_EQ(e.columnName(), v.columnName() + "_unit");
            EXPECT_STREQ(e.japanese.first, v.japanese.first);
            EXPECT_STREQ(e.japanese.second, v.japanese.second);
            EXPECT_STREQ(e.english.first, v.english.first);
            EXPECT_STREQ(e.english.second, v.english.second);
        }
        EXPECT_EQ(e.appliedByReader, e.number != 97);
        EXPECT_EQ(e.fields == SelectorFields::GroupItem, e.number == 5);
        EXPECT_EQ(e.fields == SelectorFields::SubItemContents, e.number >= 99 && e.number <= 105);
        EXPECT_EQ(e.table == TargetTable::ComputerList, e.number == 5 || e.number >= 106);
    }
}

TEST(Catalogue, TheCpuFlagsComeInTheirOrder) {
    const char* flags[] = {"FPU",  "VME", "DE",    "PSE",     "TSC",  "MSR",     "PAE",   "MCE", "CX8",  "APIC", "SEP",
                           "MTRR", "PGE", "MCA",   "CMOV",    "PAT",  "PSE36",   "PSN",   "MMX", "FXSR", "SSE",  "SSE2",
                           "HTT",  "TM",  "3DNow", "3DNowEx", "SSE3", "MONITOR", "DSCPL", "EST", "TM2",  "CID"};
    for (int i = 0; i < 32; ++i) {
        const auto& e = catalogueEntry(53 + i);
        const QString f = QString::fromLatin1(flags[i]);
        EXPECT_EQ(e.rule, Rule::CpuFlag);
        EXPECT_EQ(e.labelText(), "CPU " + f);
        EXPECT_EQ(e.columnName(), "CPU_" + f);
        EXPECT_STREQ(e.japanese.first, "CPU");
        EXPECT_EQ(QString::fromUtf8(e.japanese.second), f);
        EXPECT_TRUE(sameSelectors(e));
    }
    EXPECT_EQ(catalogueEntry(66).labelText(), "CPU MCA");
}

// The comparison window shows labels and columns; a few with their exact blanks.
TEST(Catalogue, LabelsAndColumnsAreTheLedgersOwn) {
    struct Case {
        int n;
        const char* label;
        const char* column;
    } cases[] = {
        {1, "コンピュータ名", "Computer_Name"},
        {4, "IPアドレス(16)", "IPAddress_16num"},
        {5, "更新日", "Update"},
        {8, "メモリ全容量 単位", "Memory_Full_unit"},
        {11, "Cドライブ 全容量", "SysHD_Full"},
        {12, "Cドライブ全容量 単位", "SysHD_Full_unit"},
        {23, "Cドライブ ドライブ名", "SysHD_Driveletter"},
        {31, "IE 更新Version", "IE_SP"},
        {36, "CPU Number of processors", "CPU_Unit"},
        {87, "LAN ドメイン", "DomeinName"},
        {96, "PrimaryDNS", "PrimaryDNS"},
        {97, "PrimaryDNS", "PrimaryDNS"},
        {105, "Start Page", "Start_Page"},
        {106, "Model", "Type_Number"},
        {107, "Serial", "Sereals_Number"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(catalogueEntry(c.n).labelText(), QString::fromUtf8(c.label)) << c.n;
        EXPECT_EQ(catalogueEntry(c.n).columnName(), c.column) << c.n;
    }
}

TEST(Catalogue, TheSelectorQueriesAreTheReadersTexts) {
    EXPECT_EQ(inventory::selectorQuery(catalogueEntry(1), LabelSet::Japanese),
              "SELECT * FROM tbl_ReadCsv  WHERE (Item = 'LAN'  AND SubItem = 'コンピュータ名');");
    EXPECT_EQ(inventory::selectorQuery(catalogueEntry(1), LabelSet::English),
              "SELECT * FROM tbl_ReadCsv  WHERE (Item = 'LAN'  AND SubItem = 'Computer name');");
    EXPECT_EQ(inventory::selectorQuery(catalogueEntry(5), LabelSet::Japanese),
              "SELECT * FROM tbl_ReadCsv  WHERE (Group = 'Create'  AND Item = 'DateTime');");
    EXPECT_EQ(inventory::selectorQuery(catalogueEntry(5), LabelSet::English),
              "SELECT * FROM tbl_ReadCsv  WHERE (Group = 'Soft'  AND Item = 'Windows');");
    EXPECT_EQ(inventory::selectorQuery(catalogueEntry(103), LabelSet::English),
              "SELECT * FROM tbl_ReadCsv  WHERE (SubItem = 'Setting'  AND Contents = 'Off-line mode');");
}

// The entries whose selector is the same in both label sets find their lines with either read command.
TEST(Catalogue, ExactlyTheNamedEntriesShareTheirSelectorsAcrossLabelSets) {
    QSet<int> same = {23, 105, 106, 107, 93, 94, 95, 96, 97, 98};
    for (int n = 26; n <= 30; ++n) same.insert(n);
    for (int n = 33; n <= 41; ++n) same.insert(n);
    for (int n = 52; n <= 84; ++n) same.insert(n);
    for (const auto& e : kCatalogue) EXPECT_EQ(sameSelectors(e), same.contains(e.number)) << e.number;
    // The Item values the label sets name differently.
    QSet<QString> differentItems;
    for (const auto& e : kCatalogue)
        if (e.fields == SelectorFields::ItemSubItem &&
            QString::fromUtf8(e.japanese.first) != QString::fromUtf8(e.english.first))
            differentItems.insert(QString::fromUtf8(e.japanese.first) + "/" + QString::fromUtf8(e.english.first));
    EXPECT_EQ(differentItems, (QSet<QString>{"メモリ/Memory", "ページファイル/PageFile", "画面/Screen"}));
}

// Every target exists in its table, and together they are the profile columns an inventory file fills.
TEST_F(InventoryTest, TheTargetsAreTheProfileColumnsOfTheSchema) {
    QSet<QString> pclistTargets;
    QSet<QString> computerTargets;
    for (const auto& e : kCatalogue) {
        if (e.table == TargetTable::ComputerList) computerTargets.insert(e.columnName().toLower());
        if (e.table == TargetTable::Pclist || e.rule == Rule::Date) pclistTargets.insert(e.columnName().toLower());
    }
    EXPECT_EQ(pclistTargets.size(), 104);
    EXPECT_EQ(computerTargets, (QSet<QString>{"update", "type_number", "sereals_number"}));

    QSet<QString> schema;
    for (const QString& f : fieldNames("tbl_Pclist")) schema.insert(f.toLower());
    QSet<QString> notFilled = schema - pclistTargets;
    EXPECT_EQ(notFilled,
              (QSet<QString>{"mainkey", "productkey", "userpassword", "version_number", "servicepack",
                             "floppydisk_drive", "cdrom_drive", "dvd_drive", "cdr_drive", "mo_drive", "combo_drive"}));
    EXPECT_TRUE((pclistTargets - schema).isEmpty()) << "a target that tbl_Pclist lacks";
    QSet<QString> computer;
    for (const QString& f : fieldNames("tbl_Computer_List")) computer.insert(f.toLower());
    EXPECT_TRUE((computerTargets - computer).isEmpty());
}

}  // namespace
}  // namespace invtest
