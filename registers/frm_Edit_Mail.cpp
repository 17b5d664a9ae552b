// The mail register's window: its controls, load and resize, pick lists, row pick, new, update, delete.
#include "registers/frm_Edit_Mail.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>

#include "core/Mdl_Access_mdb.h"
#include "core/Mdl_Sub.h"
#include "core/Mdl_gData.h"
#include "platform/db/Ado.h"
#include "platform/text/VbConv.h"
#include "platform/ui/Colors.h"
#include "platform/ui/DropDownCombo.h"
#include "platform/ui/Events.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/Fonts.h"
#include "platform/ui/Names.h"
#include "platform/ui/TextBox.h"

namespace {

// The grid's place; its size follows the window.
constexpr int kGridLeft = 120;
constexpr int kGridTop = 2280;
constexpr int kGridWidthMargin = 320;
constexpr int kGridHeightMargin = 3110;

// A box of tbx_tbl_Mail and its caption: left, top and width of each (twips), the caption's own top and
// width where they differ from the box row's, and its text's width in percent of the font's (the widest
// caption of the first column drawn narrower, so that it stands 3 px clear of its box at the column's Left).
struct BoxLayout {
    const char* caption;
    int boxLeft, labelLeft, top, boxWidth;
    int labelTop = -1;
    int labelWidth = 1335;
    int labelStretch = 100;
};
constexpr BoxLayout kBoxLayout[8] = {
    {"ログインID", 1560, 120, 120, 2000},       {"Windowsユーザ名", 1560, 120, 840, 2000, -1, 1695, 96},
    {"パスワード", 1560, 120, 1200, 2000},      {"メールアドレス", 4920, 3720, 480, 3400},
    {"SMTP Server", 10560, 9000, 120, 2000},    {"POP Server", 10560, 9000, 480, 2000},
    {"Mailアカウント", 10560, 9000, 840, 3400}, {"Mailパスワード", 10560, 9000, 1200, 2000, 1230},
};

QString accountSql(qint16 key) {
    return QStringLiteral("SELECT * FROM tbl_Mail_Management WHERE [Key]  = ") + QString::number(key);
}

}  // namespace

const std::array<frm_Edit_Mail::BoxColumn, 8> frm_Edit_Mail::kBoxColumns = {{
    {2, "beat_loginID"},
    {5, "Windows_UserName"},
    {6, "beat_loginPassward"},
    {7, "Mail_Address"},
    {8, "SMTP_IPAddress"},
    {9, "POP3_IPAddress"},
    {10, "Mailbox_AccountName"},
    {11, "Mailbox_Password"},
}};

frm_Edit_Mail::frm_Edit_Mail(QWidget* parent) : ui::Form(QStringLiteral("frm_Edit_Mail"), parent) {
    setCaption(QStringLiteral("メール管理"));
    buildControls();
    buildMenus();
}

frm_Edit_Mail::~frm_Edit_Mail() = default;

void frm_Edit_Mail::buildControls() {
    MSFlexGrid_Mail = place(new ui::FlexGrid, QStringLiteral("MSFlexGrid_Mail"), kGridLeft, kGridTop, 13920, 4500);
    MSFlexGrid_Mail->setFont(ui::vbFont(QStringLiteral("ＭＳ Ｐゴシック"), 9));
    MSFlexGrid_Mail->setRows(0);
    MSFlexGrid_Mail->setCols(0);

    for (int i = 0; i < 8; ++i) {
        const BoxLayout& b = kBoxLayout[i];
        lbr_tbl_Mail[i] =
            place(new QLabel(QString::fromUtf8(b.caption)), ui::controlName(QStringLiteral("lbr_tbl_Mail"), i),
                  b.labelLeft, b.labelTop < 0 ? b.top : b.labelTop, b.labelWidth, 255);
        if (b.labelStretch != 100) ui::narrowText(lbr_tbl_Mail[i], b.labelStretch);
        tbx_tbl_Mail[i] = place(new ui::TextBox, ui::controlName(QStringLiteral("tbx_tbl_Mail"), i), b.boxLeft, b.top,
                                b.boxWidth, 300);
        ui::bind(tbx_tbl_Mail[i], &ui::TextBox::GotFocus, this, &frm_Edit_Mail::tbx_tbl_Mail_GotFocus, i);
        ui::bind(tbx_tbl_Mail[i], &ui::TextBox::LostFocus, this, &frm_Edit_Mail::tbx_tbl_Mail_LostFocus, i);
    }
    lbr_User = place(new QLabel(QStringLiteral("ユーザ名")), QStringLiteral("lbr_User"), 120, 480, 1335, 255);
    cmb_User = place(new ui::DropDownCombo, QStringLiteral("cmb_User"), 1560, 480, 2000, 300);
    lbr_Computer =
        place(new QLabel(QStringLiteral("コンピュータ名")), QStringLiteral("lbr_Computer"), 3720, 120, 1335, 255);
    cmb_Computer = place(new ui::DropDownCombo, QStringLiteral("cmb_Computer"), 4920, 120, 3400, 300);
    Label7 = place(new QLabel(QStringLiteral("設置場所")), QStringLiteral("Label7"), 240, 2000, 1095, 255);
    cmb_Location = place(new ui::DropDownCombo, QStringLiteral("cmb_Location"), 1080, 1920, 2500, 300);

    tbx_User = place(new QLineEdit, QStringLiteral("tbx_User"), 960, 480, 500, 270);
    tbx_Computer = place(new QLineEdit, QStringLiteral("tbx_Computer"), 8400, 120, 500, 270);
    tbx_Location = place(new QLineEdit, QStringLiteral("tbx_Location"), 3600, 1920, 400, 270);
    for (QLineEdit* code : {tbx_User, tbx_Computer, tbx_Location}) {
        code->setVisible(false);
        code->setFocusPolicy(Qt::NoFocus);
    }

    // A line one pixel high, drawn in the window's dark shade.
    Line1 = place(new QFrame, QStringLiteral("Line1"), 240, 1800, 14040 - 240, ui::twips(1));
    Line1->setAutoFillBackground(true);
    QPalette pal = Line1->palette();
    pal.setColor(QPalette::Window, pal.color(QPalette::Dark));
    Line1->setPalette(pal);

    // Grid first, the eight boxes, then the user, PC and location lists.
    QWidget* order[] = {MSFlexGrid_Mail, tbx_tbl_Mail[0], tbx_tbl_Mail[1], tbx_tbl_Mail[2],
                        tbx_tbl_Mail[3], tbx_tbl_Mail[4], tbx_tbl_Mail[5], tbx_tbl_Mail[6],
                        tbx_tbl_Mail[7], cmb_User,        cmb_Computer,    cmb_Location};
    for (size_t i = 0; i + 1 < std::size(order); ++i) setTabOrder(order[i], order[i + 1]);

    ui::bind(MSFlexGrid_Mail, &ui::FlexGrid::Click, this, &frm_Edit_Mail::MSFlexGrid_Mail_Click);
    ui::bind(cmb_Location, &ui::DropDownCombo::DropDown, this, &frm_Edit_Mail::cmb_Location_DropDown);
    ui::bind(cmb_Location, &ui::DropDownCombo::Click, this, &frm_Edit_Mail::cmb_Location_Click);
    ui::bind(cmb_User, &ui::DropDownCombo::DropDown, this, &frm_Edit_Mail::cmb_User_DropDown);
    ui::bind(cmb_User, &ui::DropDownCombo::Click, this, &frm_Edit_Mail::cmb_User_Click);
    ui::bind(cmb_User, &ui::DropDownCombo::GotFocus, this, &frm_Edit_Mail::cmb_User_GotFocus);
    ui::bind(cmb_User, &ui::DropDownCombo::LostFocus, this, &frm_Edit_Mail::cmb_User_LostFocus);
    ui::bind(cmb_Computer, &ui::DropDownCombo::DropDown, this, &frm_Edit_Mail::cmb_Computer_DropDown);
    ui::bind(cmb_Computer, &ui::DropDownCombo::Click, this, &frm_Edit_Mail::cmb_Computer_Click);
}

void frm_Edit_Mail::buildMenus() {
    Mnu_File = addMenu(QStringLiteral("Mnu_File"), QStringLiteral("ファイル") + ui::kIdeo.repeated(6));
    Mnu_Export = addItem(Mnu_File, QStringLiteral("Mnu_Export"), QStringLiteral("エクスポート"));
    Mnu_Export_OE =
        addItem(Mnu_File, QStringLiteral("Mnu_Export_OE"), QStringLiteral("エクスポート(OutlookExpress用)"));
    Mnu_Export_beat = addItem(Mnu_File, QStringLiteral("Mnu_Export_beat"), QStringLiteral("エクスポート(beat-box用)"));
    separator01 = addSeparator(Mnu_File, QStringLiteral("separator01"));
    Mnu_Close =
        addItem(Mnu_File, QStringLiteral("Mnu_Close"), QStringLiteral("閉じる"), QKeySequence(Qt::CTRL | Qt::Key_W));
    Mnu_Edit = addMenu(QStringLiteral("Mnu_Edit"), QStringLiteral("編集") + ui::kIdeo.repeated(9));
    Mnu_AddRecord = addItem(Mnu_Edit, QStringLiteral("Mnu_AddRecord"), QStringLiteral("新規") + ui::kIdeo.repeated(8));
    separator02 = addSeparator(Mnu_Edit, QStringLiteral("separator02"));
    Mnu_Update = addItem(Mnu_Edit, QStringLiteral("Mnu_Update"), QStringLiteral("更新"));
    Mnu_Delete = addItem(Mnu_Edit, QStringLiteral("Mnu_Delete"), QStringLiteral("削除"));

    auto on = [this](QAction* a, void (frm_Edit_Mail::*handler)()) { ui::bind(a, &QAction::triggered, this, handler); };
    on(Mnu_Export, &frm_Edit_Mail::Mnu_Export_Click);
    on(Mnu_Export_OE, &frm_Edit_Mail::Mnu_Export_OE_Click);
    on(Mnu_Export_beat, &frm_Edit_Mail::Mnu_Export_beat_Click);
    on(Mnu_Close, &frm_Edit_Mail::Mnu_Close_Click);
    on(Mnu_AddRecord, &frm_Edit_Mail::Mnu_AddRecord_Click);
    on(Mnu_Update, &frm_Edit_Mail::Mnu_Update_Click);
    on(Mnu_Delete, &frm_Edit_Mail::Mnu_Delete_Click);
}

void frm_Edit_Mail::Form_Load() {
    setWidth(gFormWidth);
    setHeight(gFormHeight);
    setTop(gFormTop);
    setLeft(gFormLeft);
    sizeGrid(gFormWidth, gFormHeight);
    fnc_Reset_SelectRow();
    refreshList();
    fnc_Clear_Form();
    setRecordCommands(false);
}

void frm_Edit_Mail::Form_Resize() { sizeGrid(Width(), Height()); }

void frm_Edit_Mail::sizeGrid(qint32 windowWidth, qint32 windowHeight) {
    // Worked in 32 bits; a window too small for the grid leaves that dimension as it was.
    const qint32 width = windowWidth - kGridWidthMargin;
    const qint32 height = windowHeight - kGridHeightMargin;
    QRect r = MSFlexGrid_Mail->geometry();
    if (width > 0) r.setWidth(ui::px(width));
    if (height > 0) r.setHeight(ui::px(height));
    MSFlexGrid_Mail->setGeometry(r);
}

bool frm_Edit_Mail::Form_QueryUnload(int) { return false; }

void frm_Edit_Mail::Mnu_Close_Click() { fnc_Form_Close(); }

void frm_Edit_Mail::fnc_Form_Close() { Unload(); }

void frm_Edit_Mail::refreshList() {
    const QString code = tbx_Location->text();
    (void)fnc_View_MailList(code.isEmpty() ? qint16(0) : vb::CInt(code));
}

void frm_Edit_Mail::setRecordCommands(bool rowPicked) {
    Mnu_AddRecord->setEnabled(true);
    Mnu_Delete->setEnabled(rowPicked);
    Mnu_Update->setEnabled(rowPicked);
}

void frm_Edit_Mail::fnc_Reset_SelectRow() {
    iSelRow = 0;
    iPrevRow = 1;
    fnc_Set_RowColor(iPrevRow, 15);
}

// Column 0, the running number, keeps its grey; the current cell ends on the row painted.
void frm_Edit_Mail::fnc_Set_RowColor(qint16 row, qint16 colourIndex) {
    MSFlexGrid_Mail->paintRow(row, ui::QBColor(colourIndex),
                              {.firstCol = 1, .throughCurrentCell = true, .hold = ui::FlexGrid::RowPaint::Hold::Hide});
}

void frm_Edit_Mail::fnc_Clear_Form() {
    for (ui::TextBox* box : tbx_tbl_Mail) box->setText(QString());
    cmb_Computer->setEditText(QString());
    cmb_User->setEditText(QString());
    tbx_Computer->setText(QString());
    tbx_User->setText(QString());
}

bool frm_Edit_Mail::accountKey(int row, qint16& key) const {
    const ui::FlexGrid& grid = *MSFlexGrid_Mail;
    // A row the grid no longer has holds no key.
    if (row < 1 || row >= grid.Rows() || grid.Cols() < 2) return false;
    const QString text = grid.TextMatrix(row, 1);
    if (text.isEmpty()) return false;
    key = vb::CInt(text);
    return true;
}

// Pick lists.

void frm_Edit_Mail::cmb_Location_DropDown() {
    cmb_Location->refill([&] {
        cmb_Location->addListItem(QStringLiteral(" "), 0);
        ado::Recordset rs;
        rs.Open(QStringLiteral("SELECT * FROM tbl_Location WHERE (Available_Flug ='0') ORDER BY Location_Code; "),
                gCn(), ado::adOpenStatic, ado::adLockOptimistic);
        for (; !rs.EOF(); rs.MoveNext()) {
            const ado::Value name = rs.Fields(QStringLiteral("Location_Name")).value();
            if (name.isNull())
                cmb_Location->addListItem(QString(), 0);
            else
                cmb_Location->addListItem(name.toText(), rs.Fields(QStringLiteral("Location_Code")).value().toInt16());
        }
        rs.Close();
    });
}

void frm_Edit_Mail::cmb_Location_Click() {
    const int i = cmb_Location->currentIndex();
    if (i < 0) return;
    tbx_Location->setText(QString::number(cmb_Location->itemData(i).toInt()));
    (void)fnc_View_MailList(vb::CInt(tbx_Location->text()));
    fnc_Reset_SelectRow();
}

void frm_Edit_Mail::cmb_User_DropDown() {
    cmb_User->refill([&] {
        ado::Recordset rs;
        rs.Open(QStringLiteral("SELECT * FROM tbl_User WHERE Available_flug ='0'ORDER BY Section_Code, Division_Code;"),
                gCn(), ado::adOpenStatic, ado::adLockOptimistic);
        for (; !rs.EOF(); rs.MoveNext()) {
            const QString name = rs.Fields(QStringLiteral("User_Name")).value().toTextOrEmpty();
            const ado::Value code = rs.Fields(QStringLiteral("User_Code")).value();
            if (name.isEmpty() || code.isNull()) continue;
            cmb_User->addListItem(name + QStringLiteral(" "), code.toInt16());
        }
        rs.Close();
    });
}

void frm_Edit_Mail::cmb_User_Click() {
    const int i = cmb_User->currentIndex();
    if (i < 0) return;
    tbx_User->setText(QString::number(cmb_User->itemData(i).toInt()));
}

void frm_Edit_Mail::cmb_Computer_DropDown() {
    cmb_Computer->refill([&] {
        ado::Recordset rs;
        rs.Open(QStringLiteral(
                    "SELECT DISTINCT tbl_Pclist.*, tbl_Computer_List.*, tbl_Location.* FROM tbl_Pclist, "
                    "tbl_Computer_List, tbl_Location WHERE ( (Deleted_Flug =0) AND (tbl_Pclist.MainKey = "
                    "tbl_Computer_List.[MainKey]) AND (tbl_Location.Location_Code = tbl_Computer_List.Location_Code) "
                    ") ORDER BY Computer_Name;"),
                gCn(), ado::adOpenStatic, ado::adLockOptimistic);
        for (; !rs.EOF(); rs.MoveNext()) {
            const ado::Value key = rs.Fields(QStringLiteral("tbl_Pclist.MainKey")).value();
            if (key.isNull() || key.toDouble() <= 0) continue;
            cmb_Computer->addListItem(rs.Fields(QStringLiteral("Computer_Name")).value().toTextOrEmpty() +
                                          QStringLiteral(" ") +
                                          rs.Fields(QStringLiteral("Location_Name")).value().toTextOrEmpty(),
                                      key.toInt16());
        }
        rs.Close();
    });
}

void frm_Edit_Mail::cmb_Computer_Click() {
    const int i = cmb_Computer->currentIndex();
    if (i < 0) return;
    tbx_Computer->setText(QString::number(cmb_Computer->itemData(i).toInt()));
}

// Row pick and commands.

void frm_Edit_Mail::MSFlexGrid_Mail_Click() {
    ui::FlexGrid& grid = *MSFlexGrid_Mail;
    const int row = grid.Row();
    if (!bListLoaded || row <= 0 || row >= grid.Rows()) return;

    grid.setRedraw(false);
    iSelRow = qint16(row);
    for (int i = 0; i < int(tbx_tbl_Mail.size()); ++i)
        tbx_tbl_Mail[i]->setText(grid.TextMatrix(row, kBoxColumns[i].gridColumn));
    // The names only: the codes are written only when picked from the lists afterwards.
    cmb_User->setEditText(grid.TextMatrix(row, 3));
    tbx_User->setText(QString());
    cmb_Computer->setEditText(grid.TextMatrix(row, 15));
    tbx_Computer->setText(QString());
    fnc_Set_RowColor(iPrevRow, 15);
    fnc_Set_RowColor(iSelRow, 8);
    iPrevRow = iSelRow;
    setRecordCommands(true);
    grid.setRedraw(true);
}

void frm_Edit_Mail::Mnu_AddRecord_Click() {
    // No key (the lookup failed and said so, or the keys are used up): nothing is created.
    const std::optional<qint16> key = nextKey(QStringLiteral("tbl_Mail_Management"));
    if (!key) return;
    const QString sql = QStringLiteral("INSERT INTO tbl_Mail_Management( [Key] ,User_Code ,Conputer_Code ) VALUES ( ") +
                        QString::number(*key) + QStringLiteral(",0,0 );");
    {
        // A failed insert is rolled back, so the shared connection is free for the next write.
        ado::TransGuard trans(gCn());
        gCn().Execute(sql);
        trans.commit();
    }
    refreshList();
    fnc_Reset_SelectRow();
    setRecordCommands(false);
}

void frm_Edit_Mail::Mnu_Update_Click() {
    if (iSelRow == 0) return;
    qint16 key = 0;
    if (!accountKey(iSelRow, key)) return;

    ado::Recordset rs;
    rs.Open(accountSql(key), gCn(), ado::adOpenStatic, ado::adLockOptimistic);
    if (rs.RecordCount() > 0) {
        // Typed text reaches the row through the recordset only; an empty box stores the empty text.
        for (int i = 0; i < int(tbx_tbl_Mail.size()); ++i)
            rs.Fields(QString::fromUtf8(kBoxColumns[i].field)) = ado::Value(tbx_tbl_Mail[i]->text());
        if (!tbx_User->text().isEmpty()) rs.Fields(QStringLiteral("User_Code")) = ado::Value(tbx_User->text());
        if (!tbx_Computer->text().isEmpty())
            rs.Fields(QStringLiteral("Conputer_Code")) = ado::Value(tbx_Computer->text());
        rs.Update();
    }
    rs.Close();

    refreshList();
    fnc_Clear_Form();
    // The same row number stays marked, whichever account the refreshed list shows there.
    fnc_Set_RowColor(iSelRow, 8);
    iPrevRow = iSelRow;
    setRecordCommands(false);
}

void frm_Edit_Mail::Mnu_Delete_Click() {
    if (ui::MsgBox(QStringLiteral("削除しますか？"), ui::vbYesNo | ui::vbQuestion, QStringLiteral("確認")) != ui::vbYes)
        return;
    if (iSelRow == 0) return;
    qint16 key = 0;
    if (!accountKey(MSFlexGrid_Mail->Row(), key)) return;
    if (!accountKey(iSelRow, key)) return;

    ado::Recordset rs;
    rs.Open(accountSql(key), gCn(), ado::adOpenStatic, ado::adLockOptimistic);
    if (rs.RecordCount() > 0) {
        rs.Delete();
        rs.Update();
    }
    rs.Close();

    refreshList();
    fnc_Reset_SelectRow();
    fnc_Clear_Form();
    setRecordCommands(false);
}

// Focus colours: the eight boxes and the user list only.

void frm_Edit_Mail::tbx_tbl_Mail_GotFocus(int Index) { sub_Focus_Color(tbx_tbl_Mail[Index], 1); }
void frm_Edit_Mail::tbx_tbl_Mail_LostFocus(int Index) { sub_Focus_Color(tbx_tbl_Mail[Index], 2); }
void frm_Edit_Mail::cmb_User_GotFocus() { sub_Focus_Color(cmb_User, 1); }
void frm_Edit_Mail::cmb_User_LostFocus() { sub_Focus_Color(cmb_User, 2); }
