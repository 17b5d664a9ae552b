// The main window's lifetime: creation, the start-up load, resize, lost focus, Quit and the closes.
#include "core/frm_Main.h"

#include <QApplication>
#include <QIcon>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPixmap>
#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "core/ColumnCatalogue.h"
#include "core/Mdl_Access_mdb.h"
#include "core/Mdl_gData.h"
#include "core/ViewQuery.h"
#include "core/mdl_ini.h"
#include "platform/text/VbConv.h"
#include "platform/ui/Events.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/Forms.h"
#include "platform/ui/SingleInstance.h"
#include "platform/ui/StatusBar.h"

namespace {

frm_Main* s_instance = nullptr;

// Designed layout, twips.
constexpr int kClientWidth = 10560;
constexpr int kClientHeight = 7680;
constexpr int kGridLeft = 120;
constexpr int kGridTop = 120;
constexpr int kGridWidth = 10455;
constexpr int kGridHeight = 6975;
constexpr int kStatusBarHeight = 270;

// Geometry defaults when "DB.ini" has no value.
constexpr qint32 kDefaultWidth = 14835;
constexpr qint32 kDefaultHeight = 10530;
constexpr qint32 kDefaultTop = 50;
constexpr qint32 kDefaultLeft = 50;

// The window icon: a small monitor with a list on its screen, drawn here so the program carries no
// picture files of its own.
QPixmap drawWindowIcon() {
    QPixmap pm(32, 32);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    // Case.
    p.setPen(QPen(QColor(60, 60, 70), 1));
    p.setBrush(QColor(200, 204, 212));
    p.drawRoundedRect(QRectF(2.5, 3.5, 27, 20), 2, 2);
    // Screen.
    QLinearGradient screen(0, 6, 0, 21);
    screen.setColorAt(0, QColor(40, 110, 200));
    screen.setColorAt(1, QColor(20, 60, 140));
    p.setPen(Qt::NoPen);
    p.setBrush(screen);
    p.drawRect(QRectF(5, 6, 22, 15));
    // List lines on the screen.
    p.setBrush(QColor(235, 240, 250));
    for (int i = 0; i < 4; ++i) p.drawRect(QRectF(7, 8 + i * 3.2, i % 2 ? 13 : 18, 1.6));
    // Stand.
    p.setBrush(QColor(120, 124, 132));
    p.drawRect(QRectF(13, 23.5, 6, 3));
    p.drawRoundedRect(QRectF(8, 26.5, 16, 3), 1, 1);
    return pm;
}

// A "DB.ini" key of section "Main": asked once to test for empty text and once more for the value.
bool iniHasValue(const QString& key) { return !fnc_Get_Ini("Main", key).isEmpty(); }

qint32 iniGeometry(const QString& key, qint32 fallback) {
    if (!iniHasValue(key)) return fallback;
    return vb::CLng(fnc_Get_Ini("Main", key));
}

}  // namespace

frm_Main::frm_Main(QWidget* parent) : ui::Form("frm_Main", parent) {
    s_instance = this;
    setCaption("Vondari");
    setClientSize(kClientWidth, kClientHeight);

    MSFlexGrid_Main =
        place(new ui::FlexGrid(client()), "MSFlexGrid_Main", kGridLeft, kGridTop, kGridWidth, kGridHeight);

    StatusBar1 = new ui::StatusBar("StatusBar1", kStatusBarHeight, 1, this);
    StatusBar1_Panel1 = StatusBar1->panel(1);
    setStatusBar(StatusBar1);
    // The database module reports a missing file here; its text breaks the line with CR LF.
    gStatusBarText = [this](const QString& text) { setPanelText(text); };

    ImageList1.push_back(drawWindowIcon());

    ui::bind(MSFlexGrid_Main, &ui::FlexGrid::Click, this, &frm_Main::MSFlexGrid_Main_Click);
    ui::bind(MSFlexGrid_Main, &ui::FlexGrid::DblClick, this, &frm_Main::MSFlexGrid_Main_DblClick);

    buildMenu();
}

frm_Main::~frm_Main() {
    if (s_instance == this) {
        s_instance = nullptr;
        gStatusBarText = nullptr;
    }
}

frm_Main* frm_Main::instance() { return s_instance; }

// The missing database's message has two lines; the bar grows so the second, the file's path, shows.
void frm_Main::setPanelText(const QString& text) { StatusBar1->setPanelText(1, text); }

QString frm_Main::panelText() const { return StatusBar1->panelText(1); }

void frm_Main::setPcCommandsEnabled(bool on) {
    for (QAction* action : {Mnu_Edit_profile, Mnu_Delete, Mnu_ReplacePC})
        if (action) action->setEnabled(on);
}

// A second copy ends here, before any window of it shows and without unloading anything.
[[noreturn]] static void endProcessNow() {
    std::fflush(nullptr);
    std::_Exit(0);
}

void frm_Main::Form_Load() {
    // Any error in the steps below shows the standard error box and leaves the window as far as it came.
    try {
        if (ui::anotherInstanceRunning()) {
            ui::MsgBox("既に起動済みです。", ui::vbOKOnly, ui::kAppTitle);
            endProcessNow();
        }

        if (!ImageList1.empty()) setWindowIcon(QIcon(ImageList1.front()));

        gMasterTable[0] = {"ユーザー", "tbl_User", "User_Name", "User_Code"};
        gMasterTable[1] = {"部", "tbl_Section", "Section_Name", "Section_Code"};
        gMasterTable[2] = {"課", "tbl_Division", "Division_Name", "Division_Code"};
        gMasterTable[3] = {"設置場所", "tbl_Location", "Location_Name", "Location_Code"};
        gMasterTable[4] = {"メーカー", "tbl_Manufacturer", "Manufacturer_Name", "Manufacturer_Code"};
        gMasterTable[5] = {"モデル", "tbl_Model", "Model_Name", "Model_Code"};

        gSectionNumber = iniHasValue("SectionNumber") ? vb::CInt(fnc_Get_Ini("Main", "SectionNumber")) : qint16(0);
        for (int n = 0; n <= 7; ++n) {
            const QString key = "SectionName" + QString::number(n);
            gSectionName[n] = iniHasValue(key) ? fnc_Get_Ini("Main", key) : QStringLiteral(" ");
        }

        // A missing or unreadable database ends the load here: designed size, no list, every entry enabled.
        if (!fnc_DB_Open()) return;

        gFormWidth = iniGeometry("FormSizeWidth", kDefaultWidth);
        gFormHeight = iniGeometry("FormSizeHight", kDefaultHeight);
        gFormTop = iniGeometry("FormTop", kDefaultTop);
        gFormLeft = iniGeometry("FormLeft", kDefaultLeft);
        setWidth(gFormWidth);
        setHeight(gFormHeight);
        setTop(gFormTop);
        setLeft(gFormLeft);

        // The view is read while the catalogue is still empty, so it clears no column slots.
        fnc_Read_ViewSetting();
        FGridViewSelect_ini();
        MainSelKey = 0;
        gSetSQLVal();
        if (fnc_View_PClist()) MSFlexGrid_Main_ini();
        setPcCommandsEnabled(false);
    } catch (const std::exception& e) {
        ui::ShowStdError(e);
    }
}

// Only the position: the windows opened later take it from here.
void frm_Main::Form_LostFocus() { copyPosition(); }

// The grid follows the outer frame; a window too small for it leaves that side of the grid as it was.
void frm_Main::Form_Resize() {
    if (!MSFlexGrid_Main) return;
    const int width = Width() - 500;
    const int height = Height() - 1050;
    QRect g = MSFlexGrid_Main->geometry();
    if (width > 0) g.setWidth(ui::px(width));
    if (height > 0) g.setHeight(ui::px(height));
    g.moveTopLeft(QPoint(ui::px(kGridLeft), ui::px(kGridTop)));
    MSFlexGrid_Main->setGeometry(g);
}

void frm_Main::Mnu_Program_Quit_Click() {
    try {
        // A refused write of "DB.ini" is told once for the whole command, and Quit goes on.
        IniCommandScope iniScope;
        if (Top() > 0) gFormTop = Top();
        if (Left() > 0) gFormLeft = Left();
        if (Width() > 0) gFormWidth = Width();
        if (Height() > 0) gFormHeight = Height();
        fnc_Set_Ini("Main", QStringLiteral("FormTop"), QString::number(gFormTop));
        fnc_Set_Ini("Main", QStringLiteral("FormLeft"), QString::number(gFormLeft));
        fnc_Set_Ini("Main", QStringLiteral("FormSizeWidth"), QString::number(gFormWidth));
        fnc_Set_Ini("Main", QStringLiteral("FormSizeHight"), QString::number(gFormHeight));
    } catch (const std::exception& e) {
        ui::ShowStdError(e);
        return;
    }
    ui::guarded([] { (void)fnc_DB_Close(); });
    Unload();
}

// The close box unloads everything and keeps both the geometry and the connection; every other reason
// (code, session end, task list) closes the connection first. The close is never cancelled.
bool frm_Main::Form_QueryUnload(int unloadMode) {
    if (unloadMode != ui::vbFormControlMenu) ui::guarded([] { (void)fnc_DB_Close(); });
    return false;
}

// Unloading the main window takes every other window of the application with it.
void frm_Main::Form_Unload() {
    ui::guarded([this] {
        for (ui::Form* f : ui::loadedForms())
            if (f != this) f->Unload();
    });
}
