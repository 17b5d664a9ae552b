// Opening the PC record editor: where and how large it opens, once; the profile boxes, CPU features and
// Internet settings; the user, master rows and user list; PCs the joins cannot find.
#include <QLabel>
#include <QTest>

#include "core/Mdl_gData.h"
#include "core/frm_Main.h"
#include "pc_record/frm_Edit_Computer.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/Colors.h"
#include "platform/ui/DropDownCombo.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/ListBox.h"
#include "platform/ui/ProgressBar.h"
#include "platform/ui/TextBox.h"
#include "platform/ui/TreeView.h"
#include "tests/pc_record/common/EditorFixture.h"

namespace pcrecordtest {
namespace {

class LoadTest : public EditorTest {};

QColor textColour(const QLabel* label) { return label->palette().color(QPalette::WindowText); }

TEST_F(LoadTest, OpensOnceFromTheListAtTheMainWindowsPlace) {
    openDb();
    const int imported = importSample();
    insertPc(50, {{"Computer_Name", "'AAA-PC'"}});
    frm_Edit_Computer* e = openFromList(2);
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->windowTitle(), "PCのプロファイル");
    EXPECT_TRUE(e->isVisible());
    EXPECT_FALSE(e->isModalShown());
    EXPECT_EQ(e->ShownMainKey, imported);
    EXPECT_EQ(e->ShownRow, 2);
    EXPECT_EQ(e->Top(), gFormTop);
    EXPECT_EQ(e->Left(), gFormLeft);
    EXPECT_EQ(e->Width(), 12000);
    EXPECT_NEAR(e->Height(), 8900, 14);  // the size rule; whole pixels of 15 twips
    EXPECT_EQ(e->tbx_Key->text(), "2");  // the list row, not the key
    EXPECT_EQ(e->tbx_PC_Numbers->text(), "2");
    EXPECT_EQ(e->tbx_Dat[0]->text(), "SOUMU-PC01");

    // A second double click only brings it to the front, still on its PC.
    EXPECT_TRUE(testsupport::doubleClickCell(m_main->MSFlexGrid_Main, 1, 2));
    settle();
    EXPECT_EQ(editor(), e);
    EXPECT_EQ(e->ShownMainKey, imported);
    EXPECT_EQ(e->tbx_Key->text(), "2");
    EXPECT_EQ(e->tbx_Dat[0]->text(), "SOUMU-PC01");
    EXPECT_EQ(stdErrorBoxes(), 0);
}

// Every box shows its stored column as text, numbers in plain decimal and dates as yyyy/mm/dd; the labels
// and features take their captions at the load.
TEST_F(LoadTest, ImportedPcFillsEveryBoxFromItsColumns) {
    openDb();
    const int key = importSample();
    sql(QString("UPDATE tbl_Computer_List SET Leasing_StartDate = '2005/12/05', Leasing_Monthly_Amount = 12000, "
                "Comment = 'リース品' WHERE MainKey = %1")
            .arg(key));
    frm_Edit_Computer* e = openFromList(1);
    ASSERT_NE(e, nullptr);
    for (int i = 0; i < 55; ++i) {
        const QString stored = pcValue(key, e->DatField[std::size_t(i)].FieldName);
        EXPECT_EQ(e->tbx_Dat[std::size_t(i)]->text(), stored == "<null>" ? QString() : stored) << "box " << i;
        EXPECT_EQ(e->lbr_dat[std::size_t(i)]->text(), e->DatField[std::size_t(i)].Caption) << "label " << i;
    }
    const struct {
        int box;
        const char* text;
    } pinned[] = {{2, "192.168.1.10"}, {47, "2005/12/05"}, {48, ""}, {49, "12000"}, {53, "リース品"}};
    for (const auto& p : pinned) EXPECT_EQ(e->tbx_Dat[std::size_t(p.box)]->text(), QString::fromUtf8(p.text));
    const struct {
        int box;
        const char* caption;
    } captions[] = {{0, "コンピュータ名"},
                    {27, "IPアドレス(16)"},
                    {30, "DHCPServer"},
                    {43, "資産区分(現金/リース)"},
                    {47, "リース開始日(例2005/12/05)"},
                    {54, "OS"}};
    for (const auto& c : captions) EXPECT_EQ(e->lbr_dat[std::size_t(c.box)]->text(), QString::fromUtf8(c.caption));

    for (int i = 0; i < 32; ++i) {
        const bool stored = pcValue(key, e->CpuFeature[std::size_t(i)].FieldName) == "1";
        EXPECT_EQ(e->ChkBox[std::size_t(i)]->Value(), stored ? ui::vbChecked : ui::vbUnchecked) << "feature " << i;
        EXPECT_EQ(e->lbr_CPU_Feature[std::size_t(i)]->width(), 60) << "900 twips";
    }
    EXPECT_EQ(e->lbr_CPU_Feature[16]->text(), "PS E36");
    EXPECT_EQ(e->CpuFeature[16].FieldName, "CPU_PSE36");
    EXPECT_EQ(e->lbr_CPU_Feature[24]->text(), "3DNowEX");
    EXPECT_EQ(e->lbr_CPU_Feature[0]->toolTip(), "Intel387浮動小数点命令セットをサポートするFPUを内蔵");
    EXPECT_EQ(e->IE_Env[4]->text(), "オフラインモード ");
    EXPECT_EQ(stdErrorBoxes(), 0);
}

// What the stored flag or setting holds, and whether the box is checked and the label black.
TEST_F(LoadTest, FeatureFlagsAndInternetSettingsByStoredValue) {
    const struct {
        const char* stored;
        bool on;
    } cases[] = {{"'1'", true},  {"1", true},     {"' 1'", true}, {"'1.0'", true}, {"'0'", false},
                 {"'2'", false}, {"NULL", false}, {"''", false},  {"'x'", false},  {"'-1'", false}};
    // One PC per case; the feature and the setting are the first of their tables.
    openDb();
    int key = 1;
    for (const auto& c : cases) {
        insertPc(key, {{"Computer_Name", QString("'PC%1'").arg(key, 2, 10, QChar('0'))},
                       {"CPU_FPU", c.stored},
                       {"CPU_CID", c.stored},
                       {"Internet_Connection", c.stored},
                       {"RASInstalled", c.stored},
                       {"CPU_Name", "'Pentium'"}});
        ++key;
    }
    startMain();
    for (int row = 1; row < key; ++row) {
        SCOPED_TRACE(cases[row - 1].stored);
        frm_Edit_Computer* e = openFromList(row);
        ASSERT_NE(e, nullptr);
        const int expected = cases[row - 1].on ? ui::vbChecked : ui::vbUnchecked;
        EXPECT_EQ(e->ChkBox[0]->Value(), expected);
        EXPECT_EQ(e->ChkBox[31]->Value(), expected);
        const QColor colour = cases[row - 1].on ? ui::vbColor(0x000000) : ui::vbColor(0x808080);
        EXPECT_EQ(textColour(e->IE_Env[0]), colour);
        EXPECT_EQ(textColour(e->IE_Env[5]), colour);
        EXPECT_EQ(e->tbx_Dat[5]->text(), "Pentium");  // the boxes after the features are filled all the same
        e->Unload();
        settle();
    }
    EXPECT_EQ(stdErrorBoxes(), 0);
}

// A PC made by "新規作成" has only its key and codes: Null flags, sizes and names leave empty boxes,
// unchecked features and grey settings, with no error box.
TEST_F(LoadTest, PcCreatedByHandOpensEmpty) {
    const int key = createPcByMenu();
    ASSERT_GT(key, 0);
    frm_Edit_Computer* e = openFromList(1);
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->ShownMainKey, key);
    for (ui::TextBox* box : e->tbx_Dat) EXPECT_EQ(box->text(), "");
    EXPECT_EQ(e->lbr_dat[0]->text(), "コンピュータ名");
    for (ui::CheckBox* box : e->ChkBox) EXPECT_EQ(box->Value(), ui::vbUnchecked);
    for (QLabel* label : e->IE_Env) EXPECT_EQ(textColour(label), ui::vbColor(0x808080));
    for (ui::TextBox* box : e->tbx_Drive) EXPECT_EQ(box->text(), "");
    for (ui::CheckBox* box : e->Chk_Drive) EXPECT_EQ(box->Value(), ui::vbUnchecked);
    for (ui::ProgressBar* bar : e->ProgressBar_val) EXPECT_EQ(bar->Value(), 0);
    // The reserved rows: empty names give one blank; the codes are 0.
    EXPECT_EQ(e->tbx_User->text(), " ");
    EXPECT_EQ(e->tbx_UserCode->text(), "0");
    EXPECT_EQ(e->tbx_Section->text(), " ");
    EXPECT_EQ(e->tbx_Division->text(), " ");
    for (int i = 3; i <= 5; ++i) {
        EXPECT_EQ(e->cmb_Dat[std::size_t(i)]->currentText(), "");
        EXPECT_EQ(e->tbx_CmbKey[std::size_t(i)]->text(), "0");
    }
    EXPECT_EQ(stdErrorBoxes(), 0);
}

TEST_F(LoadTest, UserAndMasterRowsOfThePc) {
    openDb();
    addMaster("tbl_Location", 3, "本社 3F");
    addMaster("tbl_Manufacturer", 4, QString());  // a Null name
    addMaster("tbl_Model", 5, "ThinkPad X31");
    addMaster("tbl_Section", 2, "");
    addMaster("tbl_Division", 3, QString());
    addUser(7, "山田 太郎", 2, 3, "やまだ");
    insertPc(1, {{"Computer_Name", "'PC1'"}},
             {{"Location_Code", "3"}, {"Manufacturer_Code", "4"}, {"Model_Code", "5"}, {"User_Code", "7"}});
    frm_Edit_Computer* e = openFromList(1);
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->cmb_Dat[3]->currentText(), "本社 3F");
    EXPECT_EQ(e->tbx_CmbKey[3]->text(), "3");
    EXPECT_EQ(e->cmb_Dat[4]->currentText(), "");
    EXPECT_EQ(e->tbx_CmbKey[4]->text(), "4");
    EXPECT_EQ(e->cmb_Dat[5]->currentText(), "ThinkPad X31");
    EXPECT_EQ(e->tbx_CmbKey[5]->text(), "5");
    for (int i = 3; i <= 5; ++i) EXPECT_EQ(e->cmb_Dat[std::size_t(i)]->count(), 0) << "lists fill when they open";
    EXPECT_EQ(e->tbx_User->text(), "山田 太郎");
    EXPECT_EQ(e->tbx_UserCode->text(), "7");
    EXPECT_EQ(e->tbx_Section->text(), " ");   // empty name
    EXPECT_EQ(e->tbx_Division->text(), " ");  // Null name
}

// The users in use, by reading and then by name; a Null name shows one blank; nothing is selected.
TEST_F(LoadTest, UserListInUseByReadingThenName) {
    openDb();
    addUser(1, "佐藤", 0, 0, "さとう");
    addUser(2, "鈴木", 0, 0, "すずき");
    addUser(3, "田中", 0, 0, "たなか", "1");  // retired
    addUser(4, "阿部", 0, 0, "さとう");
    addUser(5, QString(), 0, 0, "あ");
    insertPc(1, {{"Computer_Name", "'PC1'"}}, {{"User_Code", "4"}});
    frm_Edit_Computer* e = openFromList(1);
    ASSERT_NE(e, nullptr);
    const struct {
        const char* text;
        int code;
    } expected[] = {{"", 0}, {" ", 5}, {"佐藤", 1}, {"阿部", 4}, {"鈴木", 2}};
    ASSERT_EQ(e->List_User->ListCount(), 5);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(e->List_User->List(i), QString::fromUtf8(expected[i].text)) << i;
        EXPECT_EQ(e->List_User->ItemData(i), expected[i].code) << i;
    }
    EXPECT_EQ(e->List_User->ListIndex(), -1);
    EXPECT_EQ(e->tbx_User->text(), "阿部");
}

// The joins find no PC whose user row is missing: the boxes stay as designed, with no box shown; the drive
// page, whose query joins only the PC's two rows, is filled.
TEST_F(LoadTest, PcWithoutItsUserRowLeavesTheBoxesAsDesigned) {
    openDb();
    insertPc(8, {{"Computer_Name", "'LOST'"}, {"CPU_FPU", "'1'"}, {"Memory_Full", "512"}, {"Memory_Full_unit", "'MB'"}},
             {{"User_Code", "99"}});
    frm_Edit_Computer* e = openDirect(8, 1);
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->ShownMainKey, 8);
    EXPECT_EQ(e->tbx_Key->text(), "1");
    EXPECT_EQ(e->tbx_Dat[0]->text(), "");
    EXPECT_EQ(e->lbr_dat[0]->text(), "");  // design captions until a load succeeds
    EXPECT_EQ(e->lbr_CPU_Feature[0]->text(), "");
    EXPECT_EQ(e->ChkBox[0]->Value(), ui::vbUnchecked);
    EXPECT_EQ(e->tbx_User->text(), "");
    EXPECT_EQ(e->tbx_CmbKey[3]->text(), "");
    EXPECT_EQ(e->tbx_Drive[0]->text(), "512 MB");
    EXPECT_EQ(stdErrorBoxes(), 0);
}

TEST_F(LoadTest, GridsStartInTheirDesignShape) {
    openDb();
    insertPc(1, {{"Computer_Name", "'PC1'"}});
    addApplications(1, {{"Word", "C:\\Office", "11.0"}});
    frm_Edit_Computer* e = openFromList(1);
    ASSERT_NE(e, nullptr);
    for (ui::FlexGrid* g : {e->MSGrid_Application, e->MSFlexGrid_Printer, e->MSFlexGrid_Environmental}) {
        EXPECT_EQ(g->Rows(), 2);
        EXPECT_EQ(g->Cols(), 2);
        EXPECT_EQ(g->TextMatrix(1, 1), "");
    }
    EXPECT_EQ(e->TreeView1->topLevelItemCount(), 0);
}

}  // namespace
}  // namespace pcrecordtest
