// The editor's controls, placed in twips: the top area with the PC's names, user and master rows and
// the stepping buttons; the tab strip with its eight pages.
#include <QAction>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>

#include "pc_record/DeviceImages.h"
#include "pc_record/EditComputerTables.h"
#include "pc_record/frm_Edit_Computer.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/DropDownCombo.h"
#include "platform/ui/Events.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/Fonts.h"
#include "platform/ui/ImageList.h"
#include "platform/ui/ListBox.h"
#include "platform/ui/Names.h"
#include "platform/ui/ProgressBar.h"
#include "platform/ui/StatusBar.h"
#include "platform/ui/TabStrip.h"
#include "platform/ui/TextBox.h"
#include "platform/ui/TreeView.h"

using namespace pcrecord;

namespace {

constexpr int kBoxHeight = 300;
constexpr int kLabelHeight = 255;
constexpr int kPageWidth = 11055;
constexpr int kPageHeight = 3975;

template <class W>
W* placeIn(QWidget* parent, W* widget, const QString& name, int left, int top, int width, int height) {
    widget->setParent(parent);
    widget->setObjectName(name);
    widget->setGeometry(ui::px(left), ui::px(top), ui::px(width), ui::px(height));
    return widget;
}

}  // namespace

frm_Edit_Computer::frm_Edit_Computer(QWidget* parent) : ui::Form(QStringLiteral("frm_Edit_Computer"), parent) {
    setCaption(QStringLiteral("PCのプロファイル"));
    buildTopArea();
    buildPages();
    StatusBar1 = new ui::StatusBar(QStringLiteral("StatusBar1"), 300, 1, this);
    setStatusBar(StatusBar1);
    buildMenus();
    bindEvents();
}

frm_Edit_Computer::~frm_Edit_Computer() = default;

ui::TextBox* frm_Edit_Computer::datBox(QWidget* page, int i, int labelLeft, int labelWidth, int boxLeft, int boxWidth,
                                       int top) {
    lbr_dat[i] = placeIn(page, new QLabel, ui::controlName(QStringLiteral("lbr_dat"), i), labelLeft, top + 30,
                         labelWidth, kLabelHeight);
    tbx_Dat[i] = placeIn(page, new ui::TextBox, ui::controlName(QStringLiteral("tbx_Dat"), i), boxLeft, top, boxWidth,
                         kBoxHeight);
    return tbx_Dat[i];
}

void frm_Edit_Computer::buildTopArea() {
    QWidget* top = client();
    // The PC's names: boxes 0 to 4.
    for (int i = 0; i <= 4; ++i) datBox(top, i, 120, 1155, 1320, 2640, 120 + 360 * i);

    // The user with the department and section, and the list to choose another.
    auto label = [&](const char* name, const char* caption, int left, int topTw, int width) {
        return placeIn(top, new QLabel(QString::fromUtf8(caption)), QString::fromUtf8(name), left, topTw + 30, width,
                       kLabelHeight);
    };
    Label1 = label("Label1", "利用ユーザー名", 4200, 120, 1275);
    Label3 = label("Label3", "部", 4200, 480, 1275);
    Label11 = label("Label11", "課", 4200, 840, 1275);
    tbx_User = placeIn(top, new ui::TextBox, QStringLiteral("tbx_User"), 5520, 120, 1860, kBoxHeight);
    tbx_UserCode = placeIn(top, new ui::TextBox, QStringLiteral("tbx_UserCode"), 7425, 120, 495, kBoxHeight);
    tbx_UserCode->setReadOnly(true);  // set by a pick from the user list
    tbx_Section = placeIn(top, new ui::TextBox, QStringLiteral("tbx_Section"), 5520, 480, 2400, kBoxHeight);
    tbx_Division = placeIn(top, new ui::TextBox, QStringLiteral("tbx_Division"), 5520, 840, 2400, kBoxHeight);
    List_User = placeIn(top, new ui::ListBox, QStringLiteral("List_User"), 4200, 1200, 3720, 1440);

    // Stepping: "<<", the row, "/", the count, ">>".
    cmd_Prev = placeIn(top, new QPushButton(QStringLiteral("<<")), QStringLiteral("cmd_Prev"), 8160, 120, 495, 315);
    tbx_Key = placeIn(top, new ui::TextBox, QStringLiteral("tbx_Key"), 8700, 120, 915, kBoxHeight);
    Label13 = label("Label13", "/", 9660, 120, 195);
    tbx_PC_Numbers = placeIn(top, new ui::TextBox, QStringLiteral("tbx_PC_Numbers"), 9900, 120, 915, kBoxHeight);
    cmd_Next = placeIn(top, new QPushButton(QStringLiteral(">>")), QStringLiteral("cmd_Next"), 10860, 120, 495, 315);
    for (ui::TextBox* box : {tbx_Key, tbx_PC_Numbers}) {
        box->setAlignment(Qt::AlignRight);
        box->setReadOnly(true);  // they only show where the PC stands in the list
    }
    Label13->setAlignment(Qt::AlignCenter);

    // Location, maker and model: the name to choose, its code beside it.
    const struct {
        int index;
        const char* name;
        const char* caption;
        QLabel** label;
    } masters[] = {
        {3, "Label4", "設置場所", &Label4},
        {4, "Label5", "メーカー", &Label5},
        {5, "Label6", "モデル", &Label6},
    };
    int rowTop = 600;
    for (const auto& m : masters) {
        *m.label = label(m.name, m.caption, 8160, rowTop, 855);
        cmb_Dat[m.index] = placeIn(top, new ui::DropDownCombo, ui::controlName(QStringLiteral("cmb_Dat"), m.index),
                                   9060, rowTop, 1755, kBoxHeight + 15);
        tbx_CmbKey[m.index] = placeIn(top, new ui::TextBox, ui::controlName(QStringLiteral("tbx_CmbKey"), m.index),
                                      10860, rowTop, 495, kBoxHeight);
        // Only a pick from the list changes a code: a typed code could point the PC at no row at all.
        tbx_CmbKey[m.index]->setReadOnly(true);
        rowTop += 360;
    }
}

void frm_Edit_Computer::buildPages() {
    TabStrip1 = placeIn(client(), new ui::TabStrip, QStringLiteral("TabStrip1"), 120, 2760, 11415, 4575);
    for (int tab = 1; tab <= kTabCount; ++tab) TabStrip1->addTab(tabCaption(tab));

    // Page 0 is designed in view; the others lower down, out of view, until their tab brings them up.
    for (int i = 0; i < kTabCount; ++i) {
        auto* page = new QFrame;
        page->setFrameStyle(QFrame::Box | QFrame::Plain);
        page->setAutoFillBackground(true);  // a page in front covers the ones shown before
        const int left = i == 0 ? 240 : 240 * (i - 1);
        const int topTw = i == 0 ? 3120 : 8040 + 120 * i;
        Picture_Page[i] = placeIn(client(), page, ui::controlName(QStringLiteral("Picture_Page"), i), left, topTw,
                                  kPageWidth, kPageHeight);
        if (i > 0) page->hide();
    }
    buildCpuPage(Picture_Page[0]);
    buildNetworkPage(Picture_Page[1]);
    buildListPages();
    buildDrivePage(Picture_Page[6]);
    buildMaintenancePage(Picture_Page[7]);
}

void frm_Edit_Computer::buildCpuPage(QFrame* page) {
    // Three columns of five boxes over the features; the middle labels nearly reach their boxes, so that
    // "CPU SerialNumber" shows whole and still stands 3 px clear of its box.
    const struct {
        int first, labelLeft, labelWidth, boxLeft, boxWidth;
    } columns[] = {{5, 120, 1200, 1380, 2400}, {10, 3885, 1620, 5520, 1920}, {15, 7560, 1800, 9420, 1500}};
    for (const auto& c : columns)
        for (int k = 0; k < 5; ++k)
            datBox(page, c.first + k, c.labelLeft, c.labelWidth, c.boxLeft, c.boxWidth, 120 + 360 * k);

    Frame1 = placeIn(page, new QGroupBox(QStringLiteral("機能")), QStringLiteral("Frame1"), 120, 1980, 10815, 1875);
    for (int i = 0; i < kCpuFeatureCount; ++i) {
        const int left = 120 + (i % 8) * 1335;
        const int topTw = 300 + (i / 8) * 360;
        ChkBox[i] =
            placeIn(Frame1, new ui::CheckBox, ui::controlName(QStringLiteral("ChkBox"), i), left, topTw, 255, 255);
        // A feature's caption 3 px clear of its box.
        lbr_CPU_Feature[i] = placeIn(Frame1, new QLabel, ui::controlName(QStringLiteral("lbr_CPU_Feature"), i),
                                     left + 300, topTw, 900, kLabelHeight);
    }
}

void frm_Edit_Computer::buildNetworkPage(QFrame* page) {
    for (int k = 0; k <= 6; ++k) datBox(page, 20 + k, 120, 1680, 1860, 2400, 120 + 390 * k);
    for (int k = 0; k <= 7; ++k) datBox(page, 27 + k, 4440, 1560, 6060, 1800, 120 + 390 * k);
    for (int k = 0; k <= 1; ++k) datBox(page, 35 + k, 8040, 1200, 9300, 1620, 120 + 390 * k);

    Frame2 =
        placeIn(page, new QGroupBox(QStringLiteral("IE設定環境")), QStringLiteral("Frame2"), 8040, 960, 2880, 2280);
    for (int i = 0; i < kIeSettingCount; ++i)
        IE_Env[i] = placeIn(Frame2, new QLabel(QString::fromUtf8(kIeSettings[std::size_t(i)].caption)),
                            ui::controlName(QStringLiteral("IE_Env"), i), 240, 330 + 300 * i, 2400, kLabelHeight);
}

void frm_Edit_Computer::buildListPages() {
    // The three list grids are one design; before their first load they are 2 by 2 and empty.
    auto grid = [&](int page, const char* name, const ListGridEntry& entry) {
        auto* g = placeIn(Picture_Page[page], new ui::FlexGrid, QString::fromUtf8(name), 120, 120, 10815, 3735);
        g->setFont(ui::vbFont(QString::fromUtf8(entry.fontName), 9));
        g->setRows(2);
        g->setCols(2);
        g->setFixedRows(1);
        g->setFixedCols(1);
        return g;
    };
    MSGrid_Application = grid(2, "MSGrid_Application", kApplicationGrid);
    MSFlexGrid_Printer = grid(4, "MSFlexGrid_Printer", kPrinterGrid);
    MSFlexGrid_Environmental = grid(5, "MSFlexGrid_Environmental", kEnvironmentGrid);

    ImageList1 = new ui::ImageList(QSize(20, 20), this);
    ImageList1->setObjectName(QStringLiteral("ImageList1"));
    fillDeviceImages(*ImageList1);
    TreeView1 = placeIn(Picture_Page[3], new ui::TreeView, QStringLiteral("TreeView1"), 120, 120, 10815, 3735);
    TreeView1->setImageList(ImageList1);
    TreeView1->setIconSize(QSize(20, 20));
}

void frm_Edit_Computer::buildDrivePage(QFrame* page) {
    constexpr int labelTops[6] = {360, 720, 1200, 1560, 2040, 2400};
    constexpr int checkTops[6] = {360, 840, 1320, 1800, 2280, 2760};
    for (int i = 0; i < kDriveCount; ++i) {
        lbr_Drive[i] = placeIn(page, new QLabel, ui::controlName(QStringLiteral("lbr_Drive"), i), 120, labelTops[i],
                               i < 2 ? 2000 : 1995, 255);
        tbx_Drive[i] = placeIn(page, new ui::TextBox, ui::controlName(QStringLiteral("tbx_Drive"), i), 1920,
                               labelTops[i], 1500, 270);
        Chk_Drive[i] = placeIn(page, new ui::CheckBox, ui::controlName(QStringLiteral("Chk_Drive"), i), 6000,
                               checkTops[i], 1935, 255);
    }
    constexpr int barTops[3] = {360, 1200, 2040};
    for (int b = 0; b < 3; ++b)
        ProgressBar_val[b] = placeIn(page, new ui::ProgressBar, ui::controlName(QStringLiteral("ProgressBar_val"), b),
                                     3480, barTops[b], 1995, 255);
}

void frm_Edit_Computer::buildMaintenancePage(QFrame* page) {
    for (int k = 0; k <= 8; ++k) datBox(page, 37 + k, 120, 2400, 2580, 2700, 120 + 405 * k);
    for (int k = 0; k <= 8; ++k) datBox(page, 46 + k, 5460, 2400, 7920, 3000, 120 + 405 * k);
}

void frm_Edit_Computer::buildMenus() {
    const QString ideo = ui::kIdeo;
    Mnu_File = addMenu(QStringLiteral("Mnu_File"),
                       QStringLiteral("ファイル") + ideo.repeated(3) + QStringLiteral(" ") + ideo.repeated(3));
    Mnu_ExportCSV = addItem(Mnu_File, QStringLiteral("Mnu_ExportCSV"), QStringLiteral("書き出し") + ideo.repeated(3));
    sepalator01 = addSeparator(Mnu_File, QStringLiteral("sepalator01"));
    Mnu_Pagelayout = addItem(Mnu_File, QStringLiteral("Mnu_Pagelayout"), QStringLiteral("ページ設定"));
    Mnu_Print = addItem(Mnu_File, QStringLiteral("Mnu_Print"), QStringLiteral("印刷"));
    sepalator02 = addSeparator(Mnu_File, QStringLiteral("sepalator02"));
    Mnu_Close =
        addItem(Mnu_File, QStringLiteral("Mnu_Close"), QStringLiteral("閉じる"), QKeySequence(Qt::CTRL | Qt::Key_W));

    Mnu_Edit = addMenu(QStringLiteral("Mnu_Edit"), QStringLiteral("編集") + ideo.repeated(8));
    Mnu_Update = addItem(Mnu_Edit, QStringLiteral("Mnu_Update"), QStringLiteral("更新") + ideo.repeated(6));

    Mnu_Managemants = addMenu(QStringLiteral("Mnu_Managemants"), QStringLiteral("管理") + ideo.repeated(8));
    Mnu_Edit_User =
        addItem(Mnu_Managemants, QStringLiteral("Mnu_Edit_User"), QStringLiteral("ユーザ") + ideo.repeated(4));
    const char* tables[] = {"部署", "課", "設置場所", "メーカー", "モデル"};
    for (int i = 1; i <= 5; ++i)
        Mnu_Edit_Teble[std::size_t(i)] = addItem(Mnu_Managemants, ui::controlName(QStringLiteral("Mnu_Edit_Teble"), i),
                                                 QString::fromUtf8(tables[i - 1]));
}

void frm_Edit_Computer::bindEvents() {
    ui::bind(TabStrip1, &ui::TabStrip::Click, this, &frm_Edit_Computer::TabStrip1_Click);
    for (int i = 3; i <= 5; ++i) {
        ui::DropDownCombo* cmb = cmb_Dat[std::size_t(i)];
        ui::bind(cmb, &ui::DropDownCombo::DropDown, this, &frm_Edit_Computer::cmb_Dat_DropDown, i);
        ui::bind(cmb, &ui::DropDownCombo::Click, this, &frm_Edit_Computer::cmb_Dat_Click, i);
        ui::bind(cmb, &ui::DropDownCombo::GotFocus, this, &frm_Edit_Computer::cmb_Dat_GotFocus, i);
        ui::bind(cmb, &ui::DropDownCombo::LostFocus, this, &frm_Edit_Computer::cmb_Dat_LostFocus, i);
    }
    ui::bind(List_User, &ui::ListBox::Click, this, &frm_Edit_Computer::List_User_Click);
    for (int i = 0; i < kDatCount; ++i) {
        ui::TextBox* box = tbx_Dat[std::size_t(i)];
        ui::bind(box, &ui::TextBox::GotFocus, this, &frm_Edit_Computer::tbx_Dat_GotFocus, i);
        ui::bind(box, &ui::TextBox::KeyPress, this, &frm_Edit_Computer::tbx_Dat_KeyPress, i);
        ui::bind(box, &ui::TextBox::LostFocus, this, &frm_Edit_Computer::tbx_Dat_LostFocus, i);
    }
    for (int i = 0; i < kDriveCount; ++i) {
        ui::TextBox* box = tbx_Drive[std::size_t(i)];
        ui::bind(box, &ui::TextBox::GotFocus, this, &frm_Edit_Computer::tbx_Drive_GotFocus, i);
        ui::bind(box, &ui::TextBox::KeyPress, this, &frm_Edit_Computer::tbx_Drive_KeyPress, i);
        ui::bind(box, &ui::TextBox::LostFocus, this, &frm_Edit_Computer::tbx_Drive_LostFocus, i);
    }
    ui::bind(Mnu_Update, &QAction::triggered, this, &frm_Edit_Computer::Mnu_Update_Click);
    ui::bind(cmd_Next, &QPushButton::clicked, this, &frm_Edit_Computer::cmd_Next_Click);
    ui::bind(cmd_Prev, &QPushButton::clicked, this, &frm_Edit_Computer::cmd_Prev_Click);
    ui::bind(Mnu_Close, &QAction::triggered, this, &frm_Edit_Computer::Mnu_Close_Click);
    ui::bind(Mnu_Edit_User, &QAction::triggered, this, &frm_Edit_Computer::Mnu_Edit_User_Click);
    for (int i = 1; i <= 5; ++i)
        ui::bind(Mnu_Edit_Teble[std::size_t(i)], &QAction::triggered, this, &frm_Edit_Computer::Mnu_Edit_Teble_Click,
                 i);
    ui::bind(Mnu_Pagelayout, &QAction::triggered, this, &frm_Edit_Computer::Mnu_Pagelayout_Click);
    ui::bind(Mnu_Print, &QAction::triggered, this, &frm_Edit_Computer::Mnu_Print_Click);
}
