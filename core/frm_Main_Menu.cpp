// The main menu: its entries, and the opening of every other window with what each one is handed.
#include <QAction>
#include <QKeySequence>
#include <QMenu>

#include "core/ColumnCatalogue.h"
#include "core/Mdl_gData.h"
#include "core/ViewQuery.h"
#include "core/frm_Main.h"
#include "platform/ui/Events.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Names.h"

using ui::vbModal;
using ui::vbModeless;

namespace {

// The menu titles are widened in the bar with ideographic blanks.
QString widened(const QString& caption, int ideographicBlanks) {
    return caption + ui::kIdeo.repeated(ideographicBlanks);
}

}  // namespace

void frm_Main::buildMenu() {
    auto bind = [this](QAction* action, void (frm_Main::*handler)()) {
        ui::bind(action, &QAction::triggered, this, handler);
    };

    Mnu_Files = addMenu("Mnu_Files", widened("ファイル", 7));
    Mnu_Read_Harvik = addItem(Mnu_Files, "Mnu_Read_Harvik", "Harvikデータ読込", QKeySequence(Qt::CTRL | Qt::Key_O));
    addSeparator(Mnu_Files);
    Mnu_View_INPORT = addItem(Mnu_Files, "Mnu_View_INPORT", "インポート");
    Mnu_View_EXPORT = addItem(Mnu_Files, "Mnu_View_EXPORT", "エクスポート");
    addSeparator(Mnu_Files);
    Mnu_Program_Quit = addItem(Mnu_Files, "Mnu_Program_Quit", "終了する", QKeySequence(Qt::CTRL | Qt::Key_Q));

    Mnu_Edit = addMenu("Mnu_Edit", widened("編集", 8));
    Mnu_AddNew = addItem(Mnu_Edit, "Mnu_AddNew", "新規作成      ", QKeySequence(Qt::CTRL | Qt::Key_N));
    addSeparator(Mnu_Edit);
    Mnu_Search = addItem(Mnu_Edit, "Mnu_Search", "検索", QKeySequence(Qt::CTRL | Qt::Key_F));
    addSeparator(Mnu_Edit);
    Mnu_Delete = addItem(Mnu_Edit, "Mnu_Delete", "削除");
    Mnu_ReplacePC = addItem(Mnu_Edit, "Mnu_ReplacePC", "廃棄登録");

    Mnu_Managements = addMenu("Mnu_Managements", widened("管理", 9));
    Mnu_Edit_Users = addItem(Mnu_Managements, "Mnu_Edit_Users", "ユーザ");
    const QString tableCaptions[] = {"部署", "課", "設置場所", "メーカー", "モデル"};
    for (int index = 1; index <= 5; ++index) {
        Mnu_Edit_Table[index] =
            addItem(Mnu_Managements, ui::controlName("Mnu_Edit_Table", index), tableCaptions[index - 1]);
        ui::bind(Mnu_Edit_Table[index], &QAction::triggered, this, &frm_Main::Mnu_Edit_Table_Click, index);
    }
    addSeparator(Mnu_Managements);
    Mnu_Edit_profile = addItem(Mnu_Managements, "Mnu_Edit_profile", "PCのプロファイル");
    Mnu_Edit_License = addItem(Mnu_Managements, "Mnu_Edit_License", "ライセンス");
    Mnu_Mail_Manegement = addItem(Mnu_Managements, "Mnu_Mail_Manegement", "メールアドレス");
    Mnu_Network_Manegement = addItem(Mnu_Managements, "Mnu_Network_Manegement", "ネットワーク");
    addSeparator(Mnu_Managements);
    View_ApplicationList = addItem(Mnu_Managements, "View_ApplicationList", "アプリケーション一覧");
    Mnu_PrinterList = addItem(Mnu_Managements, "Mnu_PrinterList", "プリンタ一覧");

    Mnu_View = addMenu("Mnu_View", widened("表示", 9));
    Mnu_About = addItem(Mnu_View, "Mnu_About", "アバウト");
    addSeparator(Mnu_View);
    Mnu_ViewUpdate = addItem(Mnu_View, "Mnu_ViewUpdate", "画面更新");
    Mnu_View_Select = addItem(Mnu_View, "Mnu_View_Select", "表示条件変更");

    bind(Mnu_Read_Harvik, &frm_Main::Mnu_Read_Harvik_Click);
    bind(Mnu_View_INPORT, &frm_Main::Mnu_View_INPORT_Click);
    bind(Mnu_View_EXPORT, &frm_Main::Mnu_View_EXPORT_Click);
    bind(Mnu_Program_Quit, &frm_Main::Mnu_Program_Quit_Click);
    bind(Mnu_AddNew, &frm_Main::Mnu_AddNew_Click);
    bind(Mnu_Search, &frm_Main::Mnu_Search_Click);
    bind(Mnu_Delete, &frm_Main::Mnu_Delete_Click);
    bind(Mnu_ReplacePC, &frm_Main::Mnu_ReplacePC_Click);
    bind(Mnu_Edit_Users, &frm_Main::Mnu_Edit_Users_Click);
    bind(Mnu_Edit_profile, &frm_Main::Mnu_Edit_profile_Click);
    bind(Mnu_Edit_License, &frm_Main::Mnu_Edit_License_Click);
    bind(Mnu_Mail_Manegement, &frm_Main::Mnu_Mail_Manegement_Click);
    bind(Mnu_Network_Manegement, &frm_Main::Mnu_Network_Manegement_Click);
    bind(View_ApplicationList, &frm_Main::View_ApplicationList_Click);
    bind(Mnu_PrinterList, &frm_Main::Mnu_PrinterList_Click);
    bind(Mnu_About, &frm_Main::Mnu_About_Click);
    bind(Mnu_ViewUpdate, &frm_Main::Mnu_ViewUpdate_Click);
    bind(Mnu_View_Select, &frm_Main::Mnu_View_Select_Click);
}

// Each value only when it is above 0, so a window parked at the screen edge keeps the last good place.
void frm_Main::copyGeometry() {
    if (Width() > 0) gFormWidth = Width();
    if (Height() > 0) gFormHeight = Height();
    copyPosition();
}

void frm_Main::copyPosition() {
    if (Top() > 0) gFormTop = Top();
    if (Left() > 0) gFormLeft = Left();
}

// Windows of later subsystems open once they are registered; until then the entry opens nothing.

void frm_Main::Mnu_Read_Harvik_Click() {
    ui::guarded([] { ui::showForm("frm_Open", vbModal); });
}

void frm_Main::Mnu_View_INPORT_Click() {
    ui::guarded([this] {
        copyGeometry();
        ui::showForm("frm_Inport", vbModeless);
    });
}

void frm_Main::Mnu_Edit_Users_Click() {
    ui::guarded([this] {
        copyGeometry();
        ui::showForm("frm_Edit_User", vbModal);
    });
}

void frm_Main::Mnu_Edit_Table_Click(int Index) {
    ui::guarded([Index] {
        const MasterTableDef& table = gMasterTable.at(std::size_t(Index));
        gEditTableCaption = table.Caption;
        gEditTableName = table.TableName;
        ui::showForm("frm_Edit_Table", vbModal);
    });
}

// The same steps as a double click on the list.
void frm_Main::Mnu_Edit_profile_Click() {
    ui::guarded([this] { MSFlexGrid_Main_DblClick(); });
}

void frm_Main::Mnu_Edit_License_Click() {
    ui::guarded([this] {
        copyGeometry();
        ui::showForm("frm_Edit_License", vbModeless);
    });
}

void frm_Main::Mnu_Mail_Manegement_Click() {
    ui::guarded([this] {
        copyGeometry();
        ui::showForm("frm_Edit_Mail", vbModal);
    });
}

void frm_Main::Mnu_Network_Manegement_Click() {
    ui::guarded([this] {
        copyGeometry();
        ui::showForm("frm_Edit_Network", vbModeless);
    });
}

// No geometry copy: the list opens where the four values stand (start-up, or the last copy).
void frm_Main::View_ApplicationList_Click() {
    ui::guarded([] { ui::showForm("frm_List_Application", vbModeless); });
}

void frm_Main::Mnu_PrinterList_Click() {
    ui::guarded([this] {
        copyGeometry();
        ui::showForm("frm_List_Printer", vbModeless);
    });
}

void frm_Main::Mnu_About_Click() {
    ui::guarded([] { ui::showForm("frmAbout", vbModal); });
}

// Modal windows do not refill the list when they close; this is how the user sees their changes.
void frm_Main::Mnu_ViewUpdate_Click() {
    ui::guarded([this] {
        FGridViewSelect_ini();
        gSetSQLVal();
        (void)fnc_View_PClist();
        MainSelKey = 0;
        MSFlexGrid_Main_ini();
        setPcCommandsEnabled(false);
    });
}

void frm_Main::Mnu_View_Select_Click() {
    ui::guarded([] { ui::showForm("frm_SelectView", vbModal); });
}
