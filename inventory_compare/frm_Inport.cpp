// The comparison window itself: controls, menus, layout, the PC list and the pick, the choice of a grid
// row and the rewrite of its incoming value. The grid fills and the read command are in
// frm_Inport_Grid.cpp, the overwrite in frm_Inport_Overwrite.cpp.
#include "inventory_compare/frm_Inport.h"

#include <QAction>
#include <QMenu>

#include "core/Mdl_Access_mdb.h"
#include "core/Mdl_gData.h"
#include "platform/db/Ado.h"
#include "platform/text/VbConv.h"
#include "platform/ui/Colors.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/Events.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/Fonts.h"
#include "platform/ui/ListBox.h"
#include "platform/ui/Names.h"
#include "platform/ui/TextBox.h"

namespace {

QString padded(const QString& caption, int ideographicSpaces) {
    return caption + ui::kIdeo.repeated(ideographicSpaces);
}

}  // namespace

frm_Inport::frm_Inport(QWidget* parent) : ui::Form(QStringLiteral("frm_Inport"), parent) {
    setCaption(QStringLiteral("CSVインポート"));
    buildControls();
    buildMenu();
}

frm_Inport::~frm_Inport() = default;

void frm_Inport::buildControls() {
    // Left, top, width, height in twips; the two grids get their size from the layout rule.
    tbx_ComputerName = place(new ui::TextBox, "tbx_ComputerName", 120, 120, 3000, 300);
    tbx_ComputerKey = place(new ui::TextBox, "tbx_ComputerKey", 3240, 120, 375, 270);
    tbx_ComputerKey->setReadOnly(true);
    tbx_Edit = place(new ui::TextBox, "tbx_Edit", 8160, 120, 3015, 300);
    List_ComuputerName = place(new ui::ListBox, "List_ComuputerName", 120, 480, 3000, 7440);
    List_ComuputerName->setSortingEnabled(false);
    // Fixed pitch: the names are padded with blanks so that locations line up.
    List_ComuputerName->setFont(ui::vbFont(QStringLiteral("ＭＳ ゴシック"), 9));
    MSFlexGrid1 = place(new ui::FlexGrid, "MSFlexGrid1", 3240, 480, 0, 0);
    MSGrid_Application = place(new ui::FlexGrid, "MSGrid_Application", 3240, 580, 0, 0);
    for (ui::FlexGrid* grid : {MSFlexGrid1, MSGrid_Application})
        grid->setFont(ui::vbFont(QStringLiteral("ＭＳ Ｐゴシック"), 9));

    ui::bind(List_ComuputerName, &ui::ListBox::Click, this, &frm_Inport::List_ComuputerName_Click);
    ui::bind(MSFlexGrid1, &ui::FlexGrid::Click, this, &frm_Inport::MSFlexGrid1_Click);
}

void frm_Inport::buildMenu() {
    Mnu_File = addMenu("Mnu_File", padded(QStringLiteral("ファイル"), 6));
    Mnu_Open = addItem(Mnu_File, "Mnu_Open", padded(QStringLiteral("CSV読み込み"), 1));
    spalator01 = addSeparator(Mnu_File, "spalator01");
    Mnu_Close = addItem(Mnu_File, "Mnu_Close", QStringLiteral("閉じる"), QKeySequence(QStringLiteral("Ctrl+W")));
    Mnu_Edit = addMenu("Mnu_Edit", padded(QStringLiteral("編集"), 8));
    Mnu_Update = addItem(Mnu_Edit, "Mnu_Update", padded(QStringLiteral("値を書き換え"), 2));
    Mnu_Manege = addMenu("Mnu_Manege", padded(QStringLiteral("管理"), 8));
    Mnu_DBUpdate = addItem(Mnu_Manege, "Mnu_DBUpdate", padded(QStringLiteral("DBを上書き更新"), 1));

    ui::bind(Mnu_Open, &QAction::triggered, this, &frm_Inport::Mnu_Open_Click);
    ui::bind(Mnu_Close, &QAction::triggered, this, &frm_Inport::Mnu_Close_Click);
    ui::bind(Mnu_Update, &QAction::triggered, this, &frm_Inport::Mnu_Update_Click);
    ui::bind(Mnu_DBUpdate, &QAction::triggered, this, &frm_Inport::Mnu_DBUpdate_Click);
}

// ---- opening, layout, closing -------------------------------------------------------------------

void frm_Inport::Form_Load() {
    setWidth(gFormWidth);
    setHeight(gFormHeight);
    setTop(gFormTop);
    setLeft(gFormLeft);
    applyLayout(gFormWidth, gFormHeight);
    m_GridSet = false;
    fnc_Clear_Form();
    (void)fnc_View_ComputerList();  // an empty list simply offers nothing to pick
    fnc_Reset_SelectRow();
}

void frm_Inport::Form_Resize() { applyLayout(Width(), Height()); }

void frm_Inport::applyLayout(qint32 width, qint32 height) {
    // Worked in 32 bits: a 16-bit layout overflows on a window wider than 36207 twips.
    m_Layout = compare::layoutFor(width, height);
    MSFlexGrid1->setGeometry(ui::px(3240), ui::px(480), ui::px(m_Layout.gridWidth), ui::px(m_Layout.gridHeight));
    MSGrid_Application->setGeometry(ui::px(3240), ui::px(m_Layout.appTop), ui::px(m_Layout.gridWidth),
                                    ui::px(m_Layout.appHeight));
}

bool frm_Inport::Form_QueryUnload(int /*unloadMode*/) {
    // Every way of closing ends in fnc_Form_Close, whose unload is the one already under way here.
    return false;
}

void frm_Inport::fnc_Form_Close() { Unload(); }

void frm_Inport::Mnu_Close_Click() { fnc_Form_Close(); }

void frm_Inport::fnc_Clear_Form() {
    tbx_ComputerName->clear();
    tbx_ComputerKey->clear();
    tbx_Edit->clear();
}

// ---- the PC list and the pick -------------------------------------------------------------------

bool frm_Inport::fnc_View_ComputerList() {
    m_ListedMark = deletionMark();
    ado::Recordset rs;
    try {
        rs.Open(QStringLiteral("SELECT DISTINCT tbl_Pclist.*, tbl_Computer_List.*, tbl_Location.Location_Name, "
                               "tbl_User.User_Name FROM tbl_Computer_List, tbl_Pclist, tbl_Location, tbl_User  WHERE "
                               "((tbl_Computer_List.Deleted_Flug = 0) AND "
                               "((tbl_Computer_List.Location_Code)=([tbl_Location].[Location_Code])) AND "
                               "((tbl_Computer_List.User_Code)=([tbl_User].[User_Code])) AND "
                               "(tbl_Pclist.MainKey = tbl_Computer_List.MainKey)) ORDER BY Computer_Name ;"),
                gCn(), ado::adOpenStatic, ado::adLockOptimistic);
        if (rs.RecordCount() == 0) {
            rs.Close();
            return false;
        }
        while (!rs.EOF()) {
            const qint16 key = rs.Fields(QStringLiteral("tbl_Computer_List.MainKey")).value().toInt16();
            if (key != 0) {
                // A PC made by "新規作成" has no name yet: it is listed with an empty one, not left out.
                const QString text =
                    compare::listItemText(rs.Fields(QStringLiteral("Computer_Name")).value().toTextOrEmpty(),
                                          rs.Fields(QStringLiteral("Location_Name")).value().toTextOrEmpty(),
                                          rs.Fields(QStringLiteral("User_Name")).value().toTextOrEmpty());
                List_ComuputerName->AddItem(text, key);
            }
            rs.MoveNext();
        }
        rs.Close();
        return true;
    } catch (const std::exception& e) {
        ui::ShowStdError(e);
        return false;
    }
}

void frm_Inport::List_ComuputerName_Click() {
    const int index = List_ComuputerName->ListIndex();
    if (index < 0) return;
    tbx_ComputerName->setText(List_ComuputerName->List(index));
    tbx_ComputerKey->setText(QString::number(List_ComuputerName->ItemData(index)));
    if (!tbx_ComputerKey->text().isEmpty()) (void)fnc_View_PCData(vb::CInt(tbx_ComputerKey->text()));
}

// ---- choosing a row and rewriting its value -----------------------------------------------------

void frm_Inport::MSFlexGrid1_Click() {
    if (MSFlexGrid1->Rows() <= 1 || !m_GridSet) return;
    m_SelectRow = qint16(MSFlexGrid1->Row());
    MSFlexGrid1->setCol(4);
    if (!MSFlexGrid1->Text().isEmpty()) tbx_Edit->setText(MSFlexGrid1->Text());
    fnc_Set_RowColor(m_OldRow, 15);
    fnc_Set_RowColor(m_SelectRow, 8);
    m_OldRow = m_SelectRow;
}

void frm_Inport::Mnu_Update_Click() {
    if (m_SelectRow <= 0) return;
    MSFlexGrid1->setRow(m_SelectRow);
    MSFlexGrid1->setCol(4);
    MSFlexGrid1->setText(tbx_Edit->text());
    m_TypedRows.insert(m_SelectRow);
}

bool frm_Inport::fnc_Set_RowColor(qint16 Row, qint16 ColorIndex) {
    // Columns 1 to the last, each made current in turn: the current cell ends on the row's last column.
    if (Row > 0) MSFlexGrid1->paintRow(Row, ui::QBColor(ColorIndex), {1, true, ui::FlexGrid::RowPaint::Hold::None});
    return false;
}

void frm_Inport::fnc_Reset_SelectRow() {
    m_SelectRow = 0;
    m_OldRow = 1;
    fnc_Set_RowColor(m_OldRow, 15);
}
