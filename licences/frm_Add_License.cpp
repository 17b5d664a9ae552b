#include "licences/frm_Add_License.h"

#include <QLabel>
#include <QMenu>
#include <cmath>
#include <optional>

#include "core/Mdl_Access_mdb.h"
#include "core/Mdl_Sub.h"
#include "licences/frm_Edit_License.h"
#include "platform/db/Ado.h"
#include "platform/text/VbConv.h"
#include "platform/ui/Colors.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/Events.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/Forms.h"
#include "platform/ui/TextBox.h"

namespace {

constexpr int kWidth = 5940;
constexpr int kHeight = 7020;

struct StockColumn {
    const char* caption;
    int width;
};
constexpr StockColumn kColumns[3] = {{"Key", 700}, {"アプリケーション名", 3000}, {"小計", 700}};

}  // namespace

frm_Add_License::frm_Add_License(QWidget* parent) : ui::Form(QStringLiteral("frm_Add_License"), parent) {
    setCaption(QStringLiteral("ライセンスの管理"));
    setClientSize(5670, 6345);

    MSFlexGrid_License = place(new ui::FlexGrid, QStringLiteral("MSFlexGrid_License"), 105, 105, 5535, 5415);
    lbl_LicenseName = place(new QLabel(QStringLiteral("アプリケーション名")), QStringLiteral("lbl_LicenseName"), 240,
                            5640, 1935, 255);
    lbl_LicenseNum =
        place(new QLabel(QStringLiteral("購入数")), QStringLiteral("lbl_LicenseNum"), 4440, 5640, 975, 255);
    tbx_LicenseName = place(new ui::TextBox, QStringLiteral("tbx_LicenseName"), 120, 5880, 3345, 300);
    tbx_LicenseNum = place(new ui::TextBox, QStringLiteral("tbx_LicenseNum"), 4320, 5880, 1200, 300);
    setTabOrder(MSFlexGrid_License, tbx_LicenseName);
    setTabOrder(tbx_LicenseName, tbx_LicenseNum);

    Mnu_File = addMenu(QStringLiteral("Mnu_File"), QStringLiteral("ファイル"));
    Mnu_Close =
        addItem(Mnu_File, QStringLiteral("Mnu_Close"), QStringLiteral("閉じる"), QKeySequence(Qt::CTRL | Qt::Key_W));
    Mnu_Edit = addMenu(QStringLiteral("Mnu_Edit"), QStringLiteral("編集"));
    Mnu_AddRecord = addItem(Mnu_Edit, QStringLiteral("Mnu_AddRecord"), QStringLiteral("新規"));
    addSeparator(Mnu_Edit);
    Mnu_EditRecord = addItem(Mnu_Edit, QStringLiteral("Mnu_EditRecord"), QStringLiteral("更新"));
    Mnu_DeleteRecord = addItem(Mnu_Edit, QStringLiteral("Mnu_DeleteRecord"), QStringLiteral("削除"));
    Mnu_View = addMenu(QStringLiteral("Mnu_View"), QStringLiteral("表示"));
    Mnu_ViewList = addItem(Mnu_View, QStringLiteral("Mnu_ViewList"), QStringLiteral("一覧更新"));

    ui::bind(Mnu_Close, &QAction::triggered, this, &frm_Add_License::Mnu_Close_Click);
    ui::bind(Mnu_AddRecord, &QAction::triggered, this, &frm_Add_License::Mnu_AddRecord_Click);
    ui::bind(Mnu_EditRecord, &QAction::triggered, this, &frm_Add_License::Mnu_EditRecord_Click);
    ui::bind(Mnu_DeleteRecord, &QAction::triggered, this, &frm_Add_License::Mnu_DeleteRecord_Click);
    ui::bind(Mnu_ViewList, &QAction::triggered, this, &frm_Add_License::Mnu_ViewList_Click);
    ui::bind(MSFlexGrid_License, &ui::FlexGrid::Click, this, &frm_Add_License::MSFlexGrid_License_Click);
    ui::bind(tbx_LicenseName, &ui::TextBox::GotFocus, this, &frm_Add_License::tbx_LicenseName_GotFocus);
    ui::bind(tbx_LicenseName, &ui::TextBox::LostFocus, this, &frm_Add_License::tbx_LicenseName_LostFocus);
    ui::bind(tbx_LicenseNum, &ui::TextBox::GotFocus, this, &frm_Add_License::tbx_LicenseNum_GotFocus);
    ui::bind(tbx_LicenseNum, &ui::TextBox::LostFocus, this, &frm_Add_License::tbx_LicenseNum_LostFocus);
    ui::bind(tbx_LicenseNum, &ui::TextBox::KeyPress, this, &frm_Add_License::tbx_LicenseNum_KeyPress);
}

frm_Add_License::~frm_Add_License() = default;

void frm_Add_License::Form_Load() {
    FormWidth = kWidth;
    FormHeight = kHeight;
    setWidth(FormWidth);
    setHeight(FormHeight);
    setTop(int(std::floor((ui::screenHeight() - FormHeight) / 2.0)));
    setLeft(int(std::floor((ui::screenWidth() - FormWidth) / 2.0)));

    fnc_Init_Form();
    PrevRow = 1;
    CurRow = 0;
    if (!fnc_View_LicenseKey()) ListLoaded = false;
}

void frm_Add_License::Form_Resize() { keepOuterSize(kWidth, kHeight); }

bool frm_Add_License::Form_QueryUnload(int) {
    // The close box and the main window's unloading close without refilling the assignment window's list.
    return false;
}

void frm_Add_License::fnc_Form_Close() { Unload(); }

void frm_Add_License::setRecordCommands(bool add, bool edit, bool remove) {
    Mnu_AddRecord->setEnabled(add);
    Mnu_EditRecord->setEnabled(edit);
    Mnu_DeleteRecord->setEnabled(remove);
}

void frm_Add_License::fnc_Init_Form() {
    tbx_LicenseName->setText(QString());
    tbx_LicenseNum->setText(QString());
    PrevRow = 1;
    CurRow = 0;
    if (fnc_View_LicenseKey())
        setRecordCommands(true, false, false);
    else
        ListLoaded = false;
}

bool frm_Add_License::fnc_View_LicenseKey() {
    ui::FlexGrid& grid = *MSFlexGrid_License;
    m_fillFailed = false;
    ado::Recordset rs;
    try {
        rs.Open(QStringLiteral("SELECT * FROM tbl_License_Key ORDER BY Application_Name;"), gCn(), ado::adOpenStatic,
                ado::adLockOptimistic);
        if (rs.RecordCount() < 1) {
            grid.setCols(0);
            grid.setRows(0);
            rs.Close();
            return false;
        }

        grid.Clear();
        grid.setCols(3);
        grid.setRows(1);
        for (int c = 0; c < 3; ++c) {
            grid.setRow(0);
            grid.setCol(c);
            grid.setColWidth(c, kColumns[c].width);
            if (c > 0) grid.setCellAlignment(ui::flexAlignCenterBottom);
            grid.setText(QString::fromUtf8(kColumns[c].caption));
            grid.setCellBackColor(ui::QBColor(8));
        }

        // Hidden while the rows are written: drawn once, when shown again.
        grid.setRedraw(false);
        grid.setRows(rs.RecordCount() + 1);
        ado::Field& key = rs.Fields(QStringLiteral("Key"));
        ado::Field& name = rs.Fields(QStringLiteral("Application_Name"));
        ado::Field& units = rs.Fields(QStringLiteral("Unit_Num"));
        int r = 1;
        for (rs.MoveFirst(); !rs.EOF(); rs.MoveNext(), ++r) {
            grid.setTextMatrix(r, 0, key.value().toTextOrEmpty());
            if (!name.value().isNull() && !name.value().toText().isEmpty())
                grid.setTextMatrix(r, 1, name.value().toText());
            if (!units.value().isNull()) grid.setTextMatrix(r, 2, units.value().toText());
        }

        ListLoaded = true;
        grid.setRedraw(true);
        grid.setVisible(true);
        rs.Close();
        return true;
    } catch (const std::exception& e) {
        ui::ShowStdError(e);
        if (rs.State() == ado::adStateOpen) rs.Close();
        // A grid hidden half-way through its rows would stay away until the next fill.
        grid.setRedraw(true);
        grid.setVisible(true);
        m_fillFailed = true;
        return false;
    }
}

// Columns 0 to the last; the grid is hidden while the row is painted.
void frm_Add_License::fnc_Set_RowColor(qint16 row, qint16 colourIndex) {
    MSFlexGrid_License->paintRow(
        row, ui::QBColor(colourIndex),
        {.firstCol = 0, .throughCurrentCell = true, .hold = ui::FlexGrid::RowPaint::Hold::Hide});
}

void frm_Add_License::MSFlexGrid_License_Click() {
    ui::guarded([&] {
        ui::FlexGrid& grid = *MSFlexGrid_License;
        if (grid.Row() == 0 || !ListLoaded) return;
        const qint16 row = qint16(grid.Row());
        const QString name = grid.TextMatrix(row, 1);
        const QString units = grid.TextMatrix(row, 2);

        // The grid is refilled from the database on every click; a refill that failed has shown its box and
        // leaves the selection and the boxes as they were.
        (void)fnc_View_LicenseKey();
        if (m_fillFailed) return;
        CurRow = row;
        tbx_LicenseName->setText(name);
        tbx_LicenseNum->setText(units);
        fnc_Set_RowColor(PrevRow, 15);
        fnc_Set_RowColor(CurRow, 8);
        PrevRow = CurRow;
        setRecordCommands(true, true, true);
    });
}

qint16 frm_Add_License::nextKey() {
    // An assignment may still point at a deleted product's key; a new product must not take it over, so
    // the highest key those assignments use counts too.
    auto highest = [](const QString& query) -> std::optional<qint32> {
        ado::Recordset rs;
        rs.Open(query, gCn(), ado::adOpenStatic, ado::adLockOptimistic);
        const ado::Value v = rs.RecordCount() > 0 ? rs.Fields(0).value() : ado::Value();
        rs.Close();
        if (v.isNull()) return std::nullopt;
        return v.toInt32();
    };
    std::optional<qint32> top;
    for (const char* query :
         {"SELECT MAX( [Key] ) FROM tbl_License_Key;", "SELECT MAX( Application_Code ) FROM tbl_License_Dat;"}) {
        const std::optional<qint32> v = highest(QString::fromUtf8(query));
        if (v && (!top || *v > *top)) top = v;
    }
    if (!top) return 1;
    return vb::addInt16(*top, 1);
}

void frm_Add_License::Mnu_AddRecord_Click() {
    ui::guarded([&] {
        const qint16 key = nextKey();
        {
            ado::TransGuard trans(gCn());
            gCn().Execute(QStringLiteral("INSERT INTO tbl_License_Key ( [Key] ) VALUES ( ") + QString::number(key) +
                          QStringLiteral(" );"));
            trans.commit();
        }
        fnc_Init_Form();
        setRecordCommands(true, false, false);
    });
}

void frm_Add_License::Mnu_EditRecord_Click() {
    ui::guarded([&] {
        const QString name = tbx_LicenseName->text();
        const QString units = tbx_LicenseNum->text();
        if (CurRow <= 0) return;
        ui::FlexGrid& grid = *MSFlexGrid_License;
        grid.setRow(CurRow);
        grid.setCol(0);
        const QString keyText = grid.Text();
        if (keyText.isEmpty() || name.isEmpty() || units.isEmpty()) return;
        const qint16 key = vb::CInt(keyText);
        // Only digits (a sign and blanks around allowed) are a count: pasted "1.5", "1e2" or "1,234" stops here
        // with the error "abc" gives, a number past the column's range with its overflow.
        const qint32 count = vb::CLngWhole(units);

        ado::Recordset rs;
        rs.Open(
            QStringLiteral("SELECT * FROM tbl_License_Key WHERE Key= ") + QString::number(key) + QStringLiteral(";"),
            gCn(), ado::adOpenStatic, ado::adLockOptimistic);
        if (rs.RecordCount() > 0) {
            rs.Fields(QStringLiteral("Application_Name")) = ado::Value(name);
            rs.Fields(QStringLiteral("Unit_Num")) = ado::Value(count);
            rs.Update();
        }

        tbx_LicenseName->setText(QString());
        tbx_LicenseNum->setText(QString());
        (void)fnc_View_LicenseKey();
        PrevRow = 1;
        CurRow = 0;
        setRecordCommands(true, false, false);
        rs.Close();
    });
}

void frm_Add_License::Mnu_DeleteRecord_Click() {
    ui::guarded([&] {
        if (ui::MsgBox(QStringLiteral("削除しますか？"), ui::vbYesNo | ui::vbQuestion, QStringLiteral("確認")) !=
            ui::vbYes)
            return;
        if (CurRow < 1) return;
        ui::FlexGrid& grid = *MSFlexGrid_License;
        grid.setRow(CurRow);
        grid.setCol(0);
        const QString keyText = grid.Text();
        if (keyText.isEmpty()) return;
        const qint16 key = vb::CInt(keyText);
        {
            ado::TransGuard trans(gCn());
            gCn().Execute(QStringLiteral("DELETE * FROM tbl_License_Key WHERE Key= ") + QString::number(key) +
                          QStringLiteral(";"));
            // The next New may give this key to another product, and the assignment window may hold it from
            // an earlier read: New there must not assign that product in this one's place. Noted before the
            // commit, as a PC's deletion is.
            noteDeletion(KeyedRows::LicenceStock, key);
            trans.commit();
        }
        grid.Clear();
        (void)fnc_View_LicenseKey();
        PrevRow = 1;
        CurRow = 0;
        setRecordCommands(true, false, false);
    });
}

void frm_Add_License::Mnu_ViewList_Click() {
    ui::guarded([&] {
        // After a failed fill the error box has said why; "no records" would be a second, wrong answer.
        if (!fnc_View_LicenseKey() && !m_fillFailed) ui::MsgBox(QStringLiteral("レコードがありません"), ui::vbOKOnly);
    });
}

void frm_Add_License::Mnu_Close_Click() {
    ui::guarded([&] {
        if (auto* assignments = dynamic_cast<frm_Edit_License*>(ui::findForm(QStringLiteral("frm_Edit_License"))))
            (void)assignments->View_ApplicatinList();
        fnc_Form_Close();
    });
}

void frm_Add_License::tbx_LicenseName_GotFocus() { sub_Focus_Color(tbx_LicenseName, 1); }
void frm_Add_License::tbx_LicenseName_LostFocus() { sub_Focus_Color(tbx_LicenseName, 2); }
void frm_Add_License::tbx_LicenseNum_GotFocus() { sub_Focus_Color(tbx_LicenseNum, 1); }
void frm_Add_License::tbx_LicenseNum_LostFocus() { sub_Focus_Color(tbx_LicenseNum, 2); }

void frm_Add_License::tbx_LicenseNum_KeyPress(int& KeyAscii) {
    if (KeyAscii == 8) return;
    if (KeyAscii >= '0' && KeyAscii <= '9') return;
    KeyAscii = 0;
}
