// The read command: an inventory file chosen in the dialog, staged, and shown in the incoming column and
// the application grid beside the picked PC.
#include <gtest/gtest.h>

#include <QLineEdit>

#include "core/Mdl_Access_mdb.h"
#include "core/Mdl_ReadCsv.h"
#include "platform/ui/Colors.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/TextBox.h"
#include "tests/inventory_compare/window/CompareFixture.h"

namespace comparetest {
namespace {

class ReadFile : public CompareTest {
protected:
    void SetUp() override {
        CompareTest::SetUp();
        seedMasters();
        seedPc(1, "SOUMU-PC01");
        ASSERT_TRUE(open());
        pick(1);
    }

    ui::FlexGrid& apps() const { return *m_form->MSGrid_Application; }
    QStringList appLine(int row) const {
        QStringList cells;
        for (int c = 0; c < 4; ++c) cells << apps().TextMatrix(row, c);
        return cells;
    }
};

TEST_F(ReadFile, TheDialogOffersCsvFilesFirst) {
    readCancelled();
    ASSERT_EQ(ui::script::shown().size(), 1u);
    const ui::FileDialogSpec& spec = ui::script::shown()[0].file;
    EXPECT_EQ(spec.title, "Harvikデータ読み込み");
    EXPECT_EQ(spec.filters, (QStringList{"全て(*.*)", "*.*", "CSVファイル", "*.csv"}));
    EXPECT_EQ(spec.filterIndex, 2);
    EXPECT_EQ(spec.fileName, "");
    EXPECT_EQ(spec.initDir, "");
}

TEST_F(ReadFile, AJapaneseFileFillsTheIncomingColumnAndTheApplications) {
    read(copySample("inventory_ja.csv"));
    EXPECT_TRUE(msgBoxes().isEmpty());
    ui::FlexGrid& g = *m_form->MSFlexGrid1;
    EXPECT_TRUE(g.isVisible());
    EXPECT_TRUE(m_form->m_GridSet);
    struct Row {
        int row;
        QString incoming;
    } rows[] = {
        {1, "SOUMU-PC01"},
        {3, "192.168.1.10"},  // the first of two address lines
        {4, "C0A8010A"},
        {5, "2005/04/01 12：30：45"},  // staged values come with ":" replaced
        {6, "00：0D：60：12：34：56"},
        {7, "2048"},
        {8, "MB"},
        {9, "1024.5"},  // no conversion to numbers
        {11, " 40000 "},
        {15, "512 MB"},
        {19, "-12"},
        {21, ""},
        {22, "KB"},
        {23, "C：￥"},
        {31, "；SP2；"},
        {32, "1024×768 32ビット"},
        {42, "0"},  // no L1 instruction cache size
        {48, "なし"},
        {52, ""},
        {53, "TRUE"},  // CPU flags as the file has them
        {56, "True"},
        {57, "true"},
        {84, " TRUE"},
        {88, "総務課 表計算用 山田’s PC"},
        {96, "192.168.1.4"},
        {97, "192.168.1.4"},
        {99, "1"},   // True
        {100, "0"},  // False
        {101, "1"},  // 1
        {102, "0"},  // TRUE is not True
        {104, "0"},  // empty
        {105, "http：//www.example.co.jp/＃top"},
        {106, "PC-MA26D"},
        {107, "SN-0012；34"},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(cell(r.row, 4), r.incoming) << r.row;
        EXPECT_EQ(g.cellAlignmentAt(r.row, 4),
                  r.incoming.isEmpty() && r.row != 19 ? ui::flexAlignGeneral : ui::flexAlignLeftBottom)
            << r.row;
    }
    // The stored side stays; the labels of the two administrative rows are the file's.
    EXPECT_EQ(cell(1, 3), "SOUMU-PC01");
    EXPECT_EQ(cell(106, 1), "Model");
    EXPECT_EQ(cell(107, 1), "Serial");
    EXPECT_EQ(cell(105, 2), "Start_Page");

    ASSERT_EQ(apps().Rows(), 4);
    ASSERT_EQ(apps().Cols(), 4);
    EXPECT_TRUE(apps().isVisible());
    EXPECT_EQ(appLine(0), (QStringList{"", "アプリケーション名", "バージョン", "インストール場所"}));
    const int widths[] = {450, 4000, 1000, 2000};
    for (int c = 0; c < 4; ++c) {
        EXPECT_EQ(apps().ColWidth(c), widths[c]);
        EXPECT_EQ(apps().cellBackColorAt(0, c), ui::QBColor(8));
        EXPECT_EQ(apps().cellAlignmentAt(0, c), c == 0 ? ui::flexAlignGeneral : ui::flexAlignCenterBottom);
    }
    // The application grid shows the staged text itself, not the replaced one.
    EXPECT_EQ(appLine(1), (QStringList{"1", "予定表ソフト", "1.0", "C:\\Program Files\\予定表\\yotei.exe"}));
    EXPECT_EQ(appLine(2), (QStringList{"2", "Office Suite", "11.0", "\"C:\\Program Files\\Office\""}));
    EXPECT_EQ(appLine(3), (QStringList{"3", "能率ツール 十", "2.3", ""}));
    EXPECT_EQ(apps().cellBackColorAt(3, 0), ui::QBColor(8));
    EXPECT_EQ(apps().cellAlignmentAt(3, 2), ui::flexAlignLeftBottom);
    EXPECT_EQ(apps().cellAlignmentAt(3, 3), ui::flexAlignGeneral);
}

TEST_F(ReadFile, AnEnglishFileFillsOnlyTheRowsWhoseItemsReadTheSame) {
    read(copySample("inventory_en.csv"));
    struct Row {
        int row;
        QString incoming;
    } rows[] = {
        {1, ""},
        {3, ""},
        {4, ""},
        {5, "2006/01/14 18：00：00"},
        {7, ""},
        {26, "Microsoft Windows 2000 Professional"},
        {33, "AMD Athlon XP"},
        {42, "0"},
        {99, "0"},
        {100, "0"},
        {105, "about：blank"},
        {96, "10.1.0.1"},
    };
    for (const Row& r : rows) EXPECT_EQ(cell(r.row, 4), r.incoming) << r.row;
}

TEST_F(ReadFile, ASecondFileReplacesWhatItHasAndKeepsTheRest) {
    read(copySample("inventory_ja.csv"));
    read(writeInventory(
        "second.csv", {"1,Network,LAN,コンピュータ名,NEW-PC,,2006/01/01", "2,Hard,CPU,L2キャッシュ,1024,KB,2006/01/01",
                       "3,Soft,IE,Setting,モデム経由,True,2006/01/01"}));
    struct Row {
        int row;
        QString incoming;
        const char* rule;
    } rows[] = {
        {1, "NEW-PC", "if set, replaced"},
        {2, "SOUMU", "if set, kept"},
        {4, "C0A8010A", "hex, kept"},
        {19, "", "always"},
        {44, "0", "zero"},
        {46, "1024", "zero, replaced"},
        {47, "KB", "if set, replaced"},
        {99, "0", "flag"},
        {100, "1", "flag, replaced"},
    };
    for (const Row& r : rows) EXPECT_EQ(cell(r.row, 4), r.incoming) << r.row << " " << r.rule;
    // No applications in the second file: the first file's stay listed, while tbl_ReadCsv holds the second.
    EXPECT_EQ(apps().Rows(), 4);
    EXPECT_EQ(apps().TextMatrix(1, 1), "予定表ソフト");
    EXPECT_EQ(count("SELECT * FROM tbl_ReadCsv"), 3);
}

// The incoming column is found in the rows just staged rather than queried back: every row must show what its
// query on tbl_ReadCsv gives, which folds ASCII letters only and takes the first row in staged order.
TEST_F(ReadFile, EveryRowShowsWhatItsQueryOnTheStagedRowsGives) {
    read(writeInventory("cases.csv", {
                                         "1,Network,LAN,コンピュータ名 ,trailing blank,,d",
                                         "2,network,lan,コンピュータ名,first,,d",
                                         "3,Network,LAN,コンピュータ名,second,,d",
                                         "4,Hard,ＣＰＵ,L1トレースキャッシュ,99,MB,d",
                                         "5,Hard,CPU,Ｌ1トレースキャッシュ,98,MB,d",
                                         "6,Hard,cpu,l1トレースキャッシュ,12,kb,d",
                                         "7,Soft,IE,Setting,モデム経由,TRUE,d",
                                         "8,Soft,application,小文字,1.0,C:\\a,d",
                                         "9,Soft,Ａpplication,全角,2.0,C:\\b,d",
                                         "10,Other,APPLICATION,大文字,,,d",
                                     }));
    EXPECT_EQ(cell(1, 4), "first");
    EXPECT_EQ(cell(50, 4), "12");
    EXPECT_EQ(cell(51, 4), "kb");
    for (int r = 1; r <= compare::kItemRows; ++r) {
        const compare::ItemRow& row = compare::itemRow(r);
        EXPECT_EQ(cell(r, 4), compare::incomingValue(row, fnc_Get_RecordValues(row.fileQuery)).value_or(""))
            << r << " " << row.fileQuery.toStdString();
    }
    // The application grid likewise lists what the staging table's query selects, in staged order.
    const std::vector<QStringList> staged =
        rows("SELECT SubItem, Contents, Unit FROM tbl_ReadCsv WHERE ((tbl_ReadCsv.Item = 'Application') )");
    ASSERT_EQ(staged.size(), 2u);
    ASSERT_EQ(apps().Rows(), 3);
    for (int r = 1; r <= 2; ++r) EXPECT_EQ(appLine(r).mid(1), staged[std::size_t(r - 1)]) << r;
    EXPECT_EQ(apps().TextMatrix(2, 1), "大文字");
}

TEST_F(ReadFile, AHeaderOnlyFileSetsTheRulesThatAlwaysWrite) {
    read(copySample("inventory_ja.csv"));
    read(writeInventory("empty.csv", {}));
    EXPECT_EQ(cell(1, 4), "SOUMU-PC01");
    EXPECT_EQ(cell(4, 4), "C0A8010A");
    EXPECT_EQ(cell(19, 4), "");
    for (int row : {42, 44, 46, 48, 50}) EXPECT_EQ(cell(row, 4), "0") << row;
    for (int row = 99; row <= 104; ++row) EXPECT_EQ(cell(row, 4), "0") << row;
    EXPECT_EQ(apps().Rows(), 4);
    EXPECT_EQ(count("SELECT * FROM tbl_ReadCsv"), 0);
}

TEST_F(ReadFile, CancelANonInventoryFileOrAPickAfterwards) {
    read(copySample("inventory_ja.csv"));
    const quint64 staged = readcsv::stagingCount();

    // Cancel and a file that is no inventory change nothing and say nothing.
    readCancelled();
    read(copySample("broken_header.csv"));
    read(copySample("broken_empty.csv"));
    EXPECT_TRUE(msgBoxes().isEmpty());
    EXPECT_EQ(readcsv::stagingCount(), staged);
    EXPECT_EQ(cell(1, 4), "SOUMU-PC01");
    EXPECT_EQ(apps().Rows(), 4);

    // A file that cannot be read: the standard error box, the grids as they were.
    read(m_folder->file("missing.csv"), true);
    EXPECT_EQ(stdErrorBoxes(), 1);
    EXPECT_EQ(cell(1, 4), "SOUMU-PC01");

    // A pick refills the grid from the start: the incoming column is empty again.
    pick(1);
    for (int r = 1; r <= 107; ++r) ASSERT_EQ(cell(r, 4), "") << r;
    EXPECT_EQ(cell(106, 1), "Type_Number");
}

TEST_F(ReadFile, AFailingRowLeavesTheGridHiddenAndStillListsTheApplications) {
    gCn().setFailHook([](const QString& s) { return s.contains("'L1トレースキャッシュ'"); });
    read(copySample("inventory_ja.csv"), true);
    EXPECT_EQ(stdErrorBoxes(), 1);
    EXPECT_TRUE(m_form->MSFlexGrid1->isHidden());
    EXPECT_EQ(cell(49, 4), "");  // row 49 was written, its unit is empty in the file
    EXPECT_EQ(cell(48, 4), "なし");
    EXPECT_EQ(cell(51, 4), "");  // after the failing row 50
    EXPECT_EQ(cell(53, 4), "");
    EXPECT_EQ(apps().Rows(), 4);
    gCn().setFailHook({});

    read(copySample("inventory_ja.csv"));
    EXPECT_TRUE(m_form->MSFlexGrid1->isVisible());
    EXPECT_EQ(cell(53, 4), "TRUE");
}

TEST_F(CompareTest, AFileReadBeforeAnyPickFillsTheGridWithoutStoredValues) {
    seedMasters();
    seedPc(1, "PC01");
    ASSERT_TRUE(open());
    read(copySample("inventory_ja.csv"));
    EXPECT_TRUE(m_form->m_GridSet);
    EXPECT_EQ(m_form->MSFlexGrid1->Rows(), 108);
    EXPECT_EQ(cell(1, 3), "");
    EXPECT_EQ(cell(1, 4), "SOUMU-PC01");
    EXPECT_EQ(m_form->tbx_ComputerKey->text(), "");
}

}  // namespace
}  // namespace comparetest
