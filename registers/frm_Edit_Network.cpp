#include "registers/frm_Edit_Network.h"

#include <QAction>
#include <QLabel>
#include <QMenu>

#include "core/Mdl_Access_mdb.h"
#include "core/Mdl_IP.h"
#include "core/Mdl_Sub.h"
#include "core/Mdl_gData.h"
#include "platform/db/Ado.h"
#include "platform/text/VbConv.h"
#include "platform/ui/Colors.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/DropDownCombo.h"
#include "platform/ui/Events.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/Fonts.h"
#include "platform/ui/Names.h"
#include "platform/ui/TextBox.h"

namespace {

// One input of a unit: where it stands, its label, the column it edits and the unit-grid column it is
// filled from. In the order Update writes them.
struct Input {
    int left, top, width;  // height 300
    const char* caption;
    int labelLeft, labelTop, labelWidth, labelHeight;
    const char* field;
    int gridColumn;
};
// clang-format off
constexpr Input kInputs[12] = {
    {1320, 40, 2000, "設置場所", 120, 100, 1095, 200, "Location_Name", 1},           // cmb_Dat(0)
    {4920, 40, 2000, "ユーザ", 3600, 105, 1095, 195, "User_Name", 2},                // cmb_Dat(1)
    {8040, 40, 2000, "メーカー", 7200, 90, 1095, 195, "Manufacturer_Name", 7},       // cmb_Dat(2)
    {11160, 40, 1980, "モデル", 10200, 105, 1095, 195, "Model_Name", 8},             // tbx_nunit(0)
    {1320, 380, 2000, "コンピュータ名", 120, 440, 1095, 200, "Computer_Name", 3},    // tbx_nunit(1)
    {4920, 380, 2000, "ワークグループ", 3600, 435, 1575, 195, "WorkGroup", 4},       // tbx_nunit(2)
    {8040, 380, 2000, "IPアドレス", 7200, 420, 1095, 195, "IPAddress", 5},           // tbx_nunit(3)
    {11160, 380, 2000, "Macアドレス", 10125, 435, 1095, 195, "MacAddress", 6},       // tbx_nunit(4)
    {1320, 720, 2000, "タイプ", 120, 800, 1095, 200, "Type_Number", 9},              // tbx_nunit(5)
    {4920, 720, 2000, "シリアル", 3600, 795, 1335, 195, "Sereals_Number", 10},       // tbx_nunit(6)
    {8040, 720, 2000, "ID", 7200, 795, 1335, 195, "ID", 11},                         // tbx_nunit(7)
    {11160, 720, 2000, "PW", 10200, 795, 1335, 195, "PassWord", 12},                 // tbx_nunit(8)
};
// clang-format on
constexpr int kCombos = 3;
constexpr int kIpBox = 3;

// The tables behind the three combos, read by column position.
const char* const kComboTables[kCombos] = {"tbl_Location", "tbl_User", "tbl_Manufacturer"};

// The unit's own row, which Update and Delete open.
QString unitQuery(qint16 key) {
    return QStringLiteral("SELECT * FROM tbl_NetworkUnit WHERE [Key]  = ") + QString::number(key);
}

}  // namespace

frm_Edit_Network::frm_Edit_Network(QWidget* parent) : ui::Form(QStringLiteral("frm_Edit_Network"), parent) {
    setCaption(QStringLiteral("ネットワーク機器"));
    // Placed by placeGrids at load and on every resize.
    MSFlexGrid_NetworkUnit = place(new ui::FlexGrid, QStringLiteral("MSFlexGrid_NetworkUnit"), 100, 1100, 2000, 2500);
    MSFlexGrid_Network = place(new ui::FlexGrid, QStringLiteral("MSFlexGrid_Network"), 100, 3600, 2000, 2000);
    for (ui::FlexGrid* grid : {MSFlexGrid_NetworkUnit, MSFlexGrid_Network})
        grid->setFont(ui::vbFont(QStringLiteral("ＭＳ Ｐゴシック"), 9));

    QWidget* order[2 + 12] = {MSFlexGrid_NetworkUnit, MSFlexGrid_Network};
    for (int i = 0; i < 12; ++i) {
        const Input& in = kInputs[i];
        Label1[size_t(i)] = place(new QLabel(QString::fromUtf8(in.caption)), ui::controlName("Label1", i), in.labelLeft,
                                  in.labelTop, in.labelWidth, in.labelHeight);
        QWidget* box = nullptr;
        if (i < kCombos) {
            cmb_Dat[size_t(i)] =
                place(new ui::DropDownCombo, ui::controlName("cmb_Dat", i), in.left, in.top, in.width, 300);
            box = cmb_Dat[size_t(i)];
        } else {
            const int k = i - kCombos;
            tbx_nunit[size_t(k)] =
                place(new ui::TextBox, ui::controlName("tbx_nunit", k), in.left, in.top, in.width, 300);
            box = tbx_nunit[size_t(k)];
        }
        order[2 + i] = box;
    }
    for (size_t i = 0; i + 1 < std::size(order); ++i) setTabOrder(order[i], order[i + 1]);

    Mnu_File = addMenu(QStringLiteral("Mnu_File"), QStringLiteral("ファイル") + ui::kIdeo.repeated(6));
    Export_CSV = addItem(Mnu_File, QStringLiteral("Export_CSV"), QStringLiteral("CSV書き出し") + ui::kIdeo);
    sepalator01 = addSeparator(Mnu_File, QStringLiteral("sepalator01"));
    Mnu_Close =
        addItem(Mnu_File, QStringLiteral("Mnu_Close"), QStringLiteral("閉じる"), QKeySequence(Qt::CTRL | Qt::Key_W));
    Mnu_Edit = addMenu(QStringLiteral("Mnu_Edit"), QStringLiteral("編集") + ui::kIdeo.repeated(8));
    Mnu_AddRecord = addItem(Mnu_Edit, QStringLiteral("Mnu_AddRecord"), QStringLiteral("新規") + ui::kIdeo.repeated(6));
    sepalator02 = addSeparator(Mnu_Edit, QStringLiteral("sepalator02"));
    Mnu_Update = addItem(Mnu_Edit, QStringLiteral("Mnu_Update"), QStringLiteral("更新"));
    Mnu_Delete = addItem(Mnu_Edit, QStringLiteral("Mnu_Delete"), QStringLiteral("削除"));
    Mnu_View = addMenu(QStringLiteral("Mnu_View"), QStringLiteral("表示") + ui::kIdeo.repeated(8));
    Mnu_ViewUpdate =
        addItem(Mnu_View, QStringLiteral("Mnu_ViewUpdate"), QStringLiteral("一覧更新") + ui::kIdeo.repeated(3));

    ui::bind(Export_CSV, &QAction::triggered, this, &frm_Edit_Network::Export_CSV_Click);
    ui::bind(Mnu_Close, &QAction::triggered, this, &frm_Edit_Network::Mnu_Close_Click);
    ui::bind(Mnu_AddRecord, &QAction::triggered, this, &frm_Edit_Network::Mnu_AddRecord_Click);
    ui::bind(Mnu_Update, &QAction::triggered, this, &frm_Edit_Network::Mnu_Update_Click);
    ui::bind(Mnu_Delete, &QAction::triggered, this, &frm_Edit_Network::Mnu_Delete_Click);
    ui::bind(Mnu_ViewUpdate, &QAction::triggered, this, &frm_Edit_Network::Mnu_ViewUpdate_Click);
    ui::bind(MSFlexGrid_NetworkUnit, &ui::FlexGrid::Click, this, &frm_Edit_Network::MSFlexGrid_NetworkUnit_Click);
    for (int i = 0; i < kCombos; ++i)
        ui::bind(cmb_Dat[size_t(i)], &ui::DropDownCombo::DropDown, this, &frm_Edit_Network::cmb_Dat_DropDown, i);
    for (int i = 0; i < int(tbx_nunit.size()); ++i) {
        ui::bind(tbx_nunit[size_t(i)], &ui::TextBox::GotFocus, this, &frm_Edit_Network::tbx_nunit_GotFocus, i);
        ui::bind(tbx_nunit[size_t(i)], &ui::TextBox::LostFocus, this, &frm_Edit_Network::tbx_nunit_LostFocus, i);
        ui::bind(tbx_nunit[size_t(i)], &ui::TextBox::KeyPress, this, &frm_Edit_Network::tbx_nunit_KeyPress, i);
    }
}

frm_Edit_Network::~frm_Edit_Network() = default;

void frm_Edit_Network::Form_Load() {
    setWidth(gFormWidth);
    setHeight(gFormHeight);
    setTop(gFormTop);
    setLeft(gFormLeft);
    placeGrids();
    ListReady = false;
    RowPrev = 1;
    RowSel = 0;
    Mnu_AddRecord->setEnabled(true);
    Mnu_Delete->setEnabled(false);
    Mnu_Update->setEnabled(false);
    // Clicks on the unit grid wait for a combined list that has rows, or for the first add.
    if (fnc_View_NetworkList()) ListReady = true;
    (void)fnc_View_NClist();
}

void frm_Edit_Network::Form_Resize() { placeGrids(); }

void frm_Edit_Network::placeGrids() {
    // A grid that would get no room keeps its last place.
    const qint32 w = qint32(Width()) - 300;
    const qint32 h = qint32(Height()) - 4500;
    if (w > 0) MSFlexGrid_NetworkUnit->setGeometry(ui::px(100), ui::px(1100), ui::px(w), ui::px(2500));
    if (w > 0 && h > 0) MSFlexGrid_Network->setGeometry(ui::px(100), ui::px(3600), ui::px(w), ui::px(h));
}

void frm_Edit_Network::cmb_Dat_DropDown(int Index) {
    ui::guarded([&] {
        ui::DropDownCombo* box = cmb_Dat[size_t(Index)];
        const QString table = QString::fromUtf8(kComboTables[Index]);
        box->refill([&] {
            // Read by position: the fourth column is the in-use flag, the second the name.
            ado::Recordset rs;
            rs.Open(QStringLiteral("SELECT * ") + QStringLiteral("FROM ") + table, gCn(), ado::adOpenStatic,
                    ado::adLockOptimistic);
            QString names[4];
            for (int i = 0; i < 4; ++i) names[i] = rs.Fields(i).Name();
            rs.Close();
            rs.Open(QStringLiteral("SELECT * ") + QStringLiteral("FROM ") + table + QStringLiteral(" WHERE ") +
                        names[3] + QStringLiteral(" ='0'") + QStringLiteral(";"),
                    gCn(), ado::adOpenStatic, ado::adLockOptimistic);
            if (rs.RecordCount() != 0) {
                for (; !rs.EOF(); rs.MoveNext()) {
                    const ado::Value name = rs.Fields(1).value();
                    box->addItem(name.isNull() ? QString() : name.toText());
                }
            }
            rs.Close();
        });
    });
}

void frm_Edit_Network::MSFlexGrid_NetworkUnit_Click() {
    ui::guarded([&] {
        ui::FlexGrid& grid = *MSFlexGrid_NetworkUnit;
        if (grid.Row() == 0 || !ListReady) return;
        RowSel = qint16(grid.Row());
        // Every input is overwritten; an empty cell empties its input.
        for (int i = 0; i < 12; ++i) {
            const QString text = grid.TextMatrix(RowSel, kInputs[i].gridColumn);
            if (i < kCombos)
                cmb_Dat[size_t(i)]->setEditText(text);
            else
                tbx_nunit[size_t(i - kCombos)]->setText(text);
        }
        fnc_Set_RowColor(RowPrev, 15);
        fnc_Set_RowColor(RowSel, 8);
        RowPrev = RowSel;
        Mnu_AddRecord->setEnabled(true);
        Mnu_Delete->setEnabled(true);
        Mnu_Update->setEnabled(true);
    });
}

void frm_Edit_Network::fnc_Set_RowColor(qint16 row, qint16 colorIndex) {
    // Columns 1 to the last, cell by cell through the current cell, the grid hidden meanwhile; column 0
    // keeps the grey of the fill.
    ui::FlexGrid::RowPaint how;
    how.firstCol = 1;
    how.throughCurrentCell = true;
    how.hold = ui::FlexGrid::RowPaint::Hold::Hide;
    MSFlexGrid_NetworkUnit->paintRow(row, ui::QBColor(colorIndex), how);
}

void frm_Edit_Network::Mnu_AddRecord_Click() {
    ui::guarded([&] {
        // A failed lookup of the highest key has shown its box; nothing is created then.
        const std::optional<qint16> k = nextKey(QStringLiteral("tbl_NetworkUnit"));
        if (!k) return;
        const QString key = QString::number(*k);
        (void)fnc_Execute_SQL(QStringLiteral("INSERT INTO tbl_NetworkUnit ([Key]) ") + QStringLiteral("VALUES (") +
                              key + QStringLiteral(");"));
        (void)fnc_Execute_SQL(QStringLiteral("UPDATE tbl_NetworkUnit SET ") +
                              QStringLiteral("tbl_NetworkUnit.[Deleted_Flug] = 0") + QStringLiteral(" WHERE Key = ") +
                              key);
        ListReady = true;
        RowPrev = 1;
        RowSel = 0;
        (void)fnc_View_NetworkList();
        (void)fnc_View_NClist();
    });
}

void frm_Edit_Network::Mnu_Update_Click() {
    ui::guarded([&] {
        if (RowSel == 0) return;
        const qint16 key = vb::CInt(MSFlexGrid_NetworkUnit->TextMatrix(RowSel, 0));
        {
            ado::Recordset rs;
            rs.Open(unitQuery(key), gCn(), ado::adOpenStatic, ado::adLockOptimistic);
            if (rs.RecordCount() != 0) {
                // An empty input keeps its stored value; the IP key follows the address and only it.
                for (int i = 0; i < 12; ++i) {
                    const QString text =
                        i < kCombos ? cmb_Dat[size_t(i)]->currentText() : tbx_nunit[size_t(i - kCombos)]->text();
                    if (text.isEmpty()) continue;
                    rs.Fields(QString::fromUtf8(kInputs[i].field)) = ado::Value(text);
                    if (i == kCombos + kIpBox)
                        rs.Fields(QStringLiteral("IPAddress_16num")) = ado::Value(fnc_IP_To_Hex(text));
                }
                rs.Update();
            }
            rs.Close();
        }
        ListReady = true;
        (void)fnc_View_NetworkList();
        (void)fnc_View_NClist();
        // The grey row stays where it was, though the unit may have moved in the new order.
        if (MSFlexGrid_NetworkUnit->Rows() > 0) fnc_Set_RowColor(RowSel, 8);
        RowPrev = RowSel;
        Mnu_AddRecord->setEnabled(true);
        Mnu_Delete->setEnabled(false);
        Mnu_Update->setEnabled(false);
    });
}

void frm_Edit_Network::Mnu_Delete_Click() {
    ui::guarded([&] {
        if (ui::MsgBox(QStringLiteral("削除しますか？"), ui::vbYesNo | ui::vbQuestion, QStringLiteral("確認")) !=
            ui::vbYes)
            return;
        if (RowSel == 0) return;
        const qint16 key = vb::CInt(MSFlexGrid_NetworkUnit->TextMatrix(RowSel, 0));
        {
            ado::Recordset rs;
            rs.Open(unitQuery(key), gCn(), ado::adOpenStatic, ado::adLockOptimistic);
            if (rs.RecordCount() != 0) {
                rs.Delete();
                rs.Update();
            }
            rs.Close();
        }
        ListReady = true;
        RowPrev = 1;
        RowSel = 0;
        (void)fnc_View_NetworkList();
        (void)fnc_View_NClist();
        Mnu_AddRecord->setEnabled(true);
        Mnu_Delete->setEnabled(false);
        Mnu_Update->setEnabled(false);
    });
}

void frm_Edit_Network::Mnu_Close_Click() { fnc_Form_Close(); }

bool frm_Edit_Network::Form_QueryUnload(int) {
    fnc_Form_Close();
    return false;
}

// Nothing is asked or saved; the main window's geometry stays as it is.
void frm_Edit_Network::fnc_Form_Close() { Unload(); }

void frm_Edit_Network::tbx_nunit_GotFocus(int Index) { sub_Focus_Color(tbx_nunit[size_t(Index)], 1); }
void frm_Edit_Network::tbx_nunit_LostFocus(int Index) { sub_Focus_Color(tbx_nunit[size_t(Index)], 2); }

void frm_Edit_Network::tbx_nunit_KeyPress(int Index, int& KeyAscii) {
    // The IP box takes digits and full stops; Backspace still deletes. Typed characters only: a paste
    // from the box's own menu passes.
    if (Index != kIpBox || KeyAscii == 8) return;
    // The whole code point: QChar would keep only its low 16 bits, and U+10031 would pass as "1".
    const char32_t typed = char32_t(KeyAscii);
    if (!vb::Like(QString::fromUcs4(&typed, 1), QStringLiteral("[0-9.]"))) KeyAscii = 0;
}
