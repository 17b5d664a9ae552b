// The tab pages: which page a tab click or key brings to the front and what it loads; the list grids, the
// device tree and the drive page with its sizes, flags and bars.
#include <QFrame>
#include <QLabel>
#include <QTabBar>
#include <QTest>

#include "core/Mdl_Access_mdb.h"
#include "pc_record/frm_Edit_Computer.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/Colors.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/ProgressBar.h"
#include "platform/ui/TabStrip.h"
#include "platform/ui/TextBox.h"
#include "platform/ui/TreeView.h"
#include "tests/pc_record/common/EditorFixture.h"

namespace pcrecordtest {
namespace {

class PagesTest : public EditorTest {
protected:
    frm_Edit_Computer* openPc1() {
        frm_Edit_Computer* e = openFromList(1);
        EXPECT_NE(e, nullptr);
        return e;
    }
    // The page whose widgets are drawn over the middle of the page area.
    static int pageInFront(frm_Edit_Computer* e) {
        QWidget* at = e->client()->childAt(e->Picture_Page[0]->geometry().center());
        for (; at; at = at->parentWidget())
            for (int i = 0; i < 8; ++i)
                if (at == e->Picture_Page[std::size_t(i)]) return i;
        return -1;
    }
    static QStringList row(const ui::FlexGrid* g, int r) {
        QStringList texts;
        for (int c = 0; c < g->Cols(); ++c) texts << g->TextMatrix(r, c);
        return texts;
    }
};

TEST_F(PagesTest, TabCaptionsAndTheFirstPage) {
    openDb();
    insertPc(1, {{"Computer_Name", "'PC1'"}});
    frm_Edit_Computer* e = openPc1();
    const char* captions[] = {"CPU　　　　",  "ネットワーク　", "アプリケーション", "デバイス　　",
                              "プリンタ　　", "環境変数　",     "ドライブ　　",     "保守　　　　　"};
    ASSERT_EQ(e->TabStrip1->tabCount(), 8);
    for (int t = 1; t <= 8; ++t) EXPECT_EQ(e->TabStrip1->tabCaption(t), QString::fromUtf8(captions[t - 1])) << t;
    EXPECT_EQ(e->TabStrip1->SelectedIndex(), 1);
    EXPECT_EQ(pageInFront(e), 0);
    EXPECT_EQ(e->Picture_Page[0]->geometry(), QRect(16, 208, 737, 265));  // 240, 3120, 11055 x 3975 twips
    EXPECT_EQ(e->Picture_Page[0]->frameStyle(), int(QFrame::NoFrame));
}

// Where the tab strip, the lists and the drive page's rows stand, in twips (15 to the pixel).
TEST_F(PagesTest, TabStripListsAndDrivePageInPlace) {
    openDb();
    insertPc(1, {{"Computer_Name", "'PC1'"}});
    frm_Edit_Computer* e = openPc1();
    auto tw = [](int left, int top, int width, int height) {
        return QRect(ui::px(left), ui::px(top), ui::px(width), ui::px(height));
    };
    EXPECT_EQ(e->TabStrip1->geometry(), tw(120, 2760, 11415, 4575));
    for (QWidget* list : std::initializer_list<QWidget*>{e->MSGrid_Application, e->TreeView1, e->MSFlexGrid_Printer,
                                                         e->MSFlexGrid_Environmental})
        EXPECT_EQ(list->geometry(), tw(120, 120, 10815, 3735)) << list->objectName().toStdString();

    const struct {
        int labelTop, labelWidth, checkTop;
    } rows[] = {{360, 2000, 360},   {720, 2000, 840},   {1200, 1995, 1320},
                {1560, 1995, 1800}, {2040, 1995, 2280}, {2400, 1995, 2760}};
    for (int i = 0; i < 6; ++i) {
        SCOPED_TRACE(i);
        const std::size_t k = std::size_t(i);
        EXPECT_EQ(e->lbr_Drive[k]->geometry(), tw(120, rows[i].labelTop, rows[i].labelWidth, 255));
        EXPECT_EQ(e->tbx_Drive[k]->geometry(), tw(1920, rows[i].labelTop, 1500, 270));
        EXPECT_EQ(e->Chk_Drive[k]->geometry(), tw(6000, rows[i].checkTop, 1935, 255));
        if (i % 2 == 0) {
            EXPECT_EQ(e->ProgressBar_val[k / 2]->geometry(), tw(3480, rows[i].labelTop, 1995, 255));
        }
    }
}

// Each tab by the mouse: its page comes to the front at its place, and tabs 3 to 7 load from the database.
// With every statement failing, a tab that loads shows the error box and one that does not shows none.
TEST_F(PagesTest, EachTabBringsItsPageAndLoadsOnlyWhatItShows) {
    openDb();
    insertPc(1, {{"Computer_Name", "'PC1'"}, {"Memory_Full", "1024"}});
    addApplications(1, {{"Word", "C:\\Office", "11.0"}});
    addPrinters(1, {{"LP-1", "LPT1:", "1.0"}});
    addEnvironment(1, {{"PATH", "C:\\WINDOWS", "system"}});
    addDevices(1, {{"モニタ", "Plug and Play", "(標準モニタ)", "5.1"}});
    frm_Edit_Computer* e = openPc1();

    const struct {
        int tab;
        bool loads;
    } tabs[] = {{3, true}, {4, true}, {5, true}, {6, true}, {7, true}, {8, false}, {2, false}, {1, false}};
    for (const auto& t : tabs) {
        SCOPED_TRACE(t.tab);
        gCn().setFailHook([](const QString&) { return true; });
        if (t.loads) ui::script::answerMsgBox(ui::vbOK);
        const int boxesBefore = stdErrorBoxes();
        clickTab(e, t.tab);
        gCn().setFailHook({});
        EXPECT_EQ(stdErrorBoxes() - boxesBefore, t.loads ? 1 : 0);
        EXPECT_EQ(e->TabStrip1->SelectedIndex(), t.tab);
        EXPECT_EQ(pageInFront(e), t.tab - 1);
        QFrame* page = e->Picture_Page[std::size_t(t.tab - 1)];
        EXPECT_EQ(page->pos(), QPoint(16, 208));
        EXPECT_EQ(page->frameStyle(), int(QFrame::NoFrame));
        EXPECT_TRUE(page->isVisible());
    }
    ui::script::reset();

    // Working statements: each list page shows the PC's rows.
    clickTab(e, 3);
    EXPECT_EQ(row(e->MSGrid_Application, 1), (QStringList{"1", "Word", "C:\\Office", "11.0"}));
    clickTab(e, 5);
    EXPECT_EQ(row(e->MSFlexGrid_Printer, 1), (QStringList{"1", "LP-1", "LPT1:", "1.0"}));
    clickTab(e, 6);
    EXPECT_EQ(row(e->MSFlexGrid_Environmental, 1), (QStringList{"1", "PATH", "C:\\WINDOWS", "system"}));
    clickTab(e, 4);
    EXPECT_EQ(e->TreeView1->NodesCount(), 2);
    clickTab(e, 7);
    EXPECT_EQ(e->tbx_Drive[0]->text(), "1,024");
    EXPECT_EQ(stdErrorBoxes(), 0);
}

TEST_F(PagesTest, KeysMoveBetweenTabsAndOtherButtonsDoNothing) {
    openDb();
    insertPc(1, {{"Computer_Name", "'PC1'"}});
    addApplications(1, {{"Word", "C:\\Office", "11.0"}});
    frm_Edit_Computer* e = openPc1();
    QTabBar* bar = e->TabStrip1->tabBar();
    bar->setFocus();
    for (int tab = 2; tab <= 8; ++tab) {
        QTest::keyClick(bar, Qt::Key_Right);
        settle();
        EXPECT_EQ(e->TabStrip1->SelectedIndex(), tab);
        EXPECT_EQ(pageInFront(e), tab - 1);
    }
    QTest::keyClick(bar, Qt::Key_Left);
    settle();
    EXPECT_EQ(pageInFront(e), 6);
    for (int tab = 6; tab >= 3; --tab) QTest::keyClick(bar, Qt::Key_Left);
    settle();
    EXPECT_EQ(pageInFront(e), 2);
    EXPECT_EQ(e->MSGrid_Application->TextMatrix(1, 1), "Word");

    clickTab(e, 5, Qt::RightButton);
    clickTab(e, 6, Qt::MiddleButton);
    EXPECT_EQ(e->TabStrip1->SelectedIndex(), 3);
    EXPECT_EQ(pageInFront(e), 2);
}

// Every click reloads, the selected tab too: rows added or removed behind the program's back show at the
// next click, and a PC without rows shows the header alone rather than what was there before.
TEST_F(PagesTest, EveryClickReloadsAndAnEmptyListShowsItsHeaderAlone) {
    openDb();
    insertPc(1, {{"Computer_Name", "'PC1'"}});
    addApplications(1, {{"Word", "C:\\Office", "11.0"}});
    frm_Edit_Computer* e = openPc1();
    clickTab(e, 3);
    EXPECT_EQ(e->MSGrid_Application->Rows(), 2);
    addApplications(1, {{"Excel", "C:\\Office", "11.0"}});
    clickTab(e, 3);
    EXPECT_EQ(e->MSGrid_Application->Rows(), 3);
    sql("DELETE FROM tbl_ApplicationsList");
    clickTab(e, 3);
    ui::FlexGrid* g = e->MSGrid_Application;
    EXPECT_EQ(g->Rows(), 1);
    EXPECT_EQ(g->Cols(), 4);
    EXPECT_EQ(row(g, 0), (QStringList{"", "アプリケーション名", "インストール場所", "バージョン"}));
    EXPECT_EQ(g->cellBackColorAt(0, 1), ui::QBColor(8));
}

TEST_F(PagesTest, ListGridsCellsAlignmentColoursAndFonts) {
    openDb();
    insertPc(1, {{"Computer_Name", "'PC1'"}});
    addApplications(1, {{"Word", "C:\\Office", "11.0"}, {"Tool", std::nullopt, ""}, {QString(""), "D:\\", "2.0"}});
    addPrinters(1, {{"LP-1", "", std::nullopt}});
    addEnvironment(1, {{"TEMP", "%USERPROFILE%\\TEMP", std::nullopt}});
    frm_Edit_Computer* e = openPc1();
    clickTab(e, 3);
    clickTab(e, 5);
    clickTab(e, 6);

    const struct {
        ui::FlexGrid* grid;
        QStringList header;
        const char* font;
        std::vector<QStringList> rows;
    } grids[] = {
        {e->MSGrid_Application,
         {"", "アプリケーション名", "インストール場所", "バージョン"},
         "IPAGothic",
         {{"1", "Word", "C:\\Office", "11.0"}, {"2", "Tool", "", ""}, {"3", "", "D:\\", "2.0"}}},
        {e->MSFlexGrid_Printer,
         {"", "プリンタ名", "プリンタポート", "バージョン"},
         "IPAPGothic",
         {{"1", "LP-1", "", ""}}},
        {e->MSFlexGrid_Environmental,
         {"", "環境変数名", "パス", "コメント"},
         "IPAPGothic",
         {{"1", "TEMP", "%USERPROFILE%\\TEMP", ""}}},
    };
    for (const auto& g : grids) {
        SCOPED_TRACE(g.header[1].toStdString());
        ASSERT_EQ(g.grid->Rows(), int(g.rows.size()) + 1);
        ASSERT_EQ(g.grid->Cols(), 4);
        EXPECT_EQ(g.grid->font().family(), g.font);
        EXPECT_EQ(g.grid->font().pointSize(), 9);
        EXPECT_EQ(row(g.grid, 0), g.header);
        const int widths[] = {450, 4000, 4000, 1200};
        for (int c = 0; c < 4; ++c) {
            EXPECT_EQ(g.grid->ColWidth(c), widths[c]);
            EXPECT_EQ(g.grid->cellBackColorAt(0, c), ui::QBColor(8));
            if (c > 0) {
                EXPECT_EQ(g.grid->cellAlignmentAt(0, c), ui::flexAlignCenterBottom);
            }
        }
        for (int r = 1; r <= int(g.rows.size()); ++r) {
            EXPECT_EQ(row(g.grid, r), g.rows[std::size_t(r - 1)]);
            EXPECT_EQ(g.grid->cellBackColorAt(r, 0), ui::QBColor(8));
            for (int c = 1; c < 4; ++c) {
                const bool hasText = !g.grid->TextMatrix(r, c).isEmpty();
                EXPECT_EQ(g.grid->cellAlignmentAt(r, c), hasText ? ui::flexAlignLeftBottom : ui::flexAlignGeneral)
                    << r << "," << c;
                EXPECT_NE(g.grid->cellBackColorAt(r, c), ui::QBColor(8));
            }
        }
        EXPECT_TRUE(g.grid->isVisible());
    }
}

TEST_F(PagesTest, DeviceTreeKeysTextsAndPictures) {
    openDb();
    insertPc(1, {{"Computer_Name", "'PC1'"}});
    // Positions after the sort by category: "" 1, Display adapters 2, ディスク ドライブ 3 and 4, 未知の装置 5,
    // ｷｰﾎﾞｰﾄﾞ 6.
    addDevices(1, {{"ｷｰﾎﾞｰﾄﾞ", "106 Keyboard", "", "5.1"},
                   {"ディスク ドライブ", "CD", std::nullopt, std::nullopt},
                   {"", "Orphan", "X", "1"},
                   {"未知の装置", "Gadget", "ACME", ""},
                   {"Display adapters", "RADEON", "ATI", "6.14"},
                   {"ディスク ドライブ", "CD", "", ""}});
    frm_Edit_Computer* e = openPc1();
    clickTab(e, 4);
    ui::TreeView* t = e->TreeView1;
    EXPECT_EQ(t->LineStyle(), ui::tvwRootLines);
    QStringList roots;
    for (int i = 0; i < t->topLevelItemCount(); ++i) roots << ui::TreeView::nodeKey(t->topLevelItem(i));
    EXPECT_EQ(roots, (QStringList{"Display adapters", "ディスク ドライブ", "未知の装置", "ｷｰﾎﾞｰﾄﾞ"}));

    const struct {
        const char* key;
        const char* parent;
        const char* text;
        const char* image;
    } nodes[] = {
        {"Display adapters", "", "Display adapters", "Display adapters"},
        {"RADEON2", "Display adapters", "RADEON ATI 6.14", "Display adapters"},
        {"CD3", "ディスク ドライブ", "CD  ", "ディスク ドライブ"},
        {"CD4", "ディスク ドライブ", "CD  ", "ディスク ドライブ"},
        {"Gadget5", "未知の装置", "Gadget ACME ", "システム デバイス"},
        {"106 Keyboard6", "ｷｰﾎﾞｰﾄﾞ", "106 Keyboard  5.1", "ｷｰﾎﾞｰﾄﾞ"},
        {"未知の装置", "", "未知の装置", "システム デバイス"},
    };
    EXPECT_EQ(t->NodesCount(), 9);
    for (const auto& n : nodes) {
        SCOPED_TRACE(n.key);
        QTreeWidgetItem* item = t->node(QString::fromUtf8(n.key));
        ASSERT_NE(item, nullptr);
        EXPECT_EQ(item->text(0), QString::fromUtf8(n.text));
        EXPECT_EQ(ui::TreeView::nodeImage(item), QString::fromUtf8(n.image));
        EXPECT_EQ(ui::TreeView::nodeKey(item->parent()), QString::fromUtf8(n.parent));
        EXPECT_FALSE(item->isExpanded());
        EXPECT_FALSE(item->icon(0).isNull());
    }
    EXPECT_EQ(t->node("Orphan1"), nullptr);

    // Another click reloads; a category differing in case only has no picture of its own.
    sql("DELETE FROM tbl_Device_Management");
    addDevices(1, {{"display adapters", "VGA", "", ""}});
    clickTab(e, 4);
    EXPECT_EQ(t->NodesCount(), 2);
    ASSERT_NE(t->node("VGA1"), nullptr);
    EXPECT_EQ(ui::TreeView::nodeImage(t->node("VGA1")), "システム デバイス");

    // No devices: no tree, rather than the last one.
    sql("DELETE FROM tbl_Device_Management");
    clickTab(e, 4);
    EXPECT_EQ(t->NodesCount(), 0);
    EXPECT_EQ(stdErrorBoxes(), 0);
}

// A device without a category stops the device pass with the error box; the category nodes stay.
TEST_F(PagesTest, DeviceWithoutCategoryStopsTheTreeWithTheErrorBox) {
    openDb();
    insertPc(1, {{"Computer_Name", "'PC1'"}});
    addDevices(1, {{std::nullopt, "Ghost", "", ""}, {"モニタ", "LCD", "", ""}});
    frm_Edit_Computer* e = openPc1();
    ui::script::answerMsgBox(ui::vbOK);
    clickTab(e, 4);
    EXPECT_EQ(stdErrorBoxes(), 1);
    ui::script::reset();
    EXPECT_NE(e->TreeView1->node("モニタ"), nullptr);
    EXPECT_EQ(e->TreeView1->NodesCount(), 1);
}

TEST_F(PagesTest, DriveSizesUnitsAndFlags) {
    openDb();
    insertPc(1, {{"Computer_Name", "'PC1'"},
                 {"Memory_Full", "1024"},
                 {"Memory_Full_unit", "'KB'"},
                 {"Memory_Used", "1024"},
                 {"SysHD_Full_unit", "'MB'"},
                 {"SysHD_Used", "0"},
                 {"SysHD_Used_unit", "'MB'"},
                 {"Pagefile_Full", "1234567890"},
                 {"Pagefile_Full_unit", "'KB'"},
                 {"Pagefile_Used", "-12"},
                 {"Pagefile_Used_unit", "'KB'"},
                 {"Floppydisk_Drive", "'1'"},
                 {"Cdrom_Drive", "'0'"},
                 {"DVD_Drive", "NULL"},
                 {"Cdr_Drive", "'2'"},
                 {"Combo_Drive", "''"},
                 {"Mo_Drive", "1"}});
    frm_Edit_Computer* e = openPc1();
    clickTab(e, 7);
    const struct {
        const char* size;
        const char* caption;
        const char* check;
        int value;
    } rows[] = {
        {"1,024 KB", "メモリ全容量", "FDドライブ", 1},
        {"1,024", "メモリ使用量", "CDドライブ", 0},
        {"", "Ｃドライブ全容量", "DVDドライブ", 0},
        {" MB", "Ｃドライブ使用量", "CD-Rドライブ", 0},
        {"1,234,567,890 KB", "ページファイル全容量", "コンボドライブ", 0},
        {"-12 KB", "ページファイル使用量", "MOドライブ", 1},
    };
    for (int i = 0; i < 6; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(e->tbx_Drive[std::size_t(i)]->text(), QString::fromUtf8(rows[i].size));
        EXPECT_EQ(e->lbr_Drive[std::size_t(i)]->text(), QString::fromUtf8(rows[i].caption));
        EXPECT_EQ(e->Chk_Drive[std::size_t(i)]->text(), QString::fromUtf8(rows[i].check));
        EXPECT_EQ(e->Chk_Drive[std::size_t(i)]->Value(), rows[i].value);
    }

    // Unsaved edits give way to the stored values at the next click.
    e->tbx_Drive[0]->setText("99");
    e->Chk_Drive[0]->setValue(ui::vbUnchecked);
    clickTab(e, 7);
    EXPECT_EQ(e->tbx_Drive[0]->text(), "1,024 KB");
    EXPECT_EQ(e->Chk_Drive[0]->Value(), ui::vbChecked);

    // A PC gone since: the page empties instead of showing its old sizes.
    sql("DELETE FROM tbl_Pclist WHERE MainKey = 1");
    clickTab(e, 7);
    for (ui::TextBox* box : e->tbx_Drive) EXPECT_EQ(box->text(), "");
    for (ui::CheckBox* box : e->Chk_Drive) EXPECT_EQ(box->Value(), ui::vbUnchecked);
    for (ui::ProgressBar* bar : e->ProgressBar_val) EXPECT_EQ(bar->Value(), 0);
    EXPECT_EQ(stdErrorBoxes(), 0);
}

// Used against total, per bar; a missing size counts as 0 and shows no error box.
TEST_F(PagesTest, UsageBars) {
    openDb();
    insertPc(1, {{"Computer_Name", "'PC1'"}});
    frm_Edit_Computer* e = openPc1();
    const struct {
        const char* total;
        const char* used;
        int value;
    } cases[] = {{"3", "1", 33},
                 {"3", "2", 66},
                 {"1000", "999", 99},
                 {"100", "100", 100},
                 {"100", "150", 100},
                 {"0", "0", 0},
                 {"0", "5", 0},
                 {"100", "NULL", 0},
                 {"NULL", "50", 0},
                 {"NULL", "NULL", 0},
                 {"2000000000", "1999999999", 99}};
    const char* columns[3][2] = {
        {"Memory_Full", "Memory_Used"}, {"SysHD_Full", "SysHD_Used"}, {"Pagefile_Full", "Pagefile_Used"}};
    for (const auto& c : cases) {
        for (int b = 0; b < 3; ++b)
            sql(QString("UPDATE tbl_Pclist SET %1 = %2, %3 = %4 WHERE MainKey = 1")
                    .arg(columns[b][0], c.total, columns[b][1], c.used));
        // A bar value the case does not set stays from before: start each case from 50.
        for (ui::ProgressBar* bar : e->ProgressBar_val) bar->setValueVb(50);
        clickTab(e, 7);
        for (int b = 0; b < 3; ++b) {
            SCOPED_TRACE(QString("%1 of %2, bar %3").arg(c.used, c.total).arg(b).toStdString());
            EXPECT_EQ(e->ProgressBar_val[std::size_t(b)]->Value(), c.value);
            EXPECT_EQ(e->ProgressBar_val[std::size_t(b)]->Min(), 0);
            EXPECT_EQ(e->ProgressBar_val[std::size_t(b)]->Max(), 100);
        }
    }
    EXPECT_EQ(stdErrorBoxes(), 0);
}

// A negative key is written with its sign in every list query.
TEST_F(PagesTest, NegativeKeyInTheQueries) {
    openDb();
    insertPc(-3, {{"Computer_Name", "'MINUS'"}, {"Memory_Full", "64"}});
    addApplications(-3, {{"Word", "C:\\Office", "11.0"}});
    addPrinters(-3, {{"LP-1", "LPT1:", "1.0"}});
    addEnvironment(-3, {{"PATH", "C:\\", ""}});
    addDevices(-3, {{"モニタ", "LCD", "", ""}});
    startMain();
    QStringList statements;
    gCn().setFailHook([&statements](const QString& s) {
        statements << s;
        return false;
    });
    frm_Edit_Computer* e = openDirect(-3, 1);
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->tbx_Dat[0]->text(), "MINUS");
    for (int tab : {3, 4, 5, 6, 7}) clickTab(e, tab);
    gCn().setFailHook({});

    // The statements as the window writes them, blanks included.
    const char* expected[] = {
        "SELECT tbl_Computer_List.MainKey FROM tbl_Computer_List  WHERE (MainKey = -3);",
        "SELECT DISTINCT tbl_Pclist.*, tbl_Computer_List.*, tbl_Location.Location_Name, tbl_Section.Section_Name, "
        "tbl_Division.Division_Name, tbl_User.User_Name, tbl_Manufacturer.Manufacturer_Name, tbl_Model.Model_Name "
        "FROM tbl_Computer_List, tbl_Pclist, tbl_Section, tbl_Location, tbl_Division, tbl_User, tbl_Manufacturer, "
        "tbl_Model WHERE (((tbl_Computer_List.Location_Code)=([tbl_Location].[Location_Code])) AND "
        "((tbl_User.Section_Code)=([tbl_Section].[Section_Code])) AND "
        "((tbl_User.Division_Code)=([tbl_Division].[Division_Code])) AND "
        "((tbl_Computer_List.User_Code)=([tbl_User].[User_Code])) AND "
        "((tbl_Computer_List.Manufacturer_Code)=([tbl_Manufacturer].[Manufacturer_Code])) AND "
        "((tbl_Computer_List.Model_Code)=([tbl_Model].[Model_Code])) AND (tbl_Computer_List.MainKey=-3) AND "
        "(tbl_Pclist.MainKey = tbl_Computer_List.MainKey));",
        "SELECT * FROM tbl_User  WHERE ((tbl_User.Available_flug)='0') ORDER BY  kana,  User_Name;",
        "SELECT tbl_ApplicationsList.* FROM tbl_ApplicationsList  WHERE (((tbl_ApplicationsList.Key)=-3));",
        "SELECT tbl_Device_Management.* FROM tbl_Device_Management  WHERE (((tbl_Device_Management.Key)=-3)) ORDER BY "
        "Device_Category ;",
        "SELECT tbl_Printer_Management.* FROM tbl_Printer_Management  WHERE (((tbl_Printer_Management.Key)=-3));",
        "SELECT tbl_Environmental.* FROM tbl_Environmental  WHERE (((tbl_Environmental.Key)=-3));",
        "SELECT DISTINCT tbl_Pclist.*, tbl_Computer_List.* FROM tbl_Pclist, tbl_Computer_List  WHERE "
        "((tbl_Pclist.MainKey=-3) AND (tbl_Pclist.MainKey = tbl_Computer_List.MainKey));",
    };
    for (const char* statement : expected) EXPECT_TRUE(statements.contains(QString::fromUtf8(statement))) << statement;
    EXPECT_EQ(e->MSGrid_Application->TextMatrix(1, 1), "Word");
    EXPECT_EQ(e->MSFlexGrid_Printer->TextMatrix(1, 1), "LP-1");
    EXPECT_EQ(e->MSFlexGrid_Environmental->TextMatrix(1, 1), "PATH");
    EXPECT_NE(e->TreeView1->node("LCD1"), nullptr);
    EXPECT_EQ(e->tbx_Drive[0]->text(), "64");
    EXPECT_EQ(stdErrorBoxes(), 0);
}

// A loader that fails shows the standard error box and leaves its page, in view, as it was.
TEST_F(PagesTest, FailingLoaderKeepsItsPage) {
    openDb();
    insertPc(1, {{"Computer_Name", "'PC1'"}});
    addApplications(1, {{"Word", "C:\\Office", "11.0"}});
    frm_Edit_Computer* e = openPc1();
    clickTab(e, 3);
    gCn().setFailHook([](const QString& s) { return s.contains("tbl_ApplicationsList"); });
    ui::script::answerMsgBox(ui::vbOK);
    clickTab(e, 3);
    gCn().setFailHook({});
    EXPECT_EQ(stdErrorBoxes(), 1);
    ui::script::reset();
    EXPECT_EQ(e->MSGrid_Application->TextMatrix(1, 1), "Word");
    EXPECT_TRUE(e->MSGrid_Application->isVisible());
}

}  // namespace
}  // namespace pcrecordtest
