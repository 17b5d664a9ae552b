#include "core/frm_Edit_User.h"

#include <QLabel>
#include <QMenu>
#include <optional>

#include "core/Mdl_Access_mdb.h"
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
#include "platform/ui/Forms.h"
#include "platform/ui/Names.h"
#include "platform/ui/TextBox.h"

using ui::kIdeo;

namespace {

// Grid columns 1..9: caption and width in twips (column 0, the hidden code, has width 0).
struct GridColumn {
    const char* caption;
    int width;
    const char* field;  // the record's column shown there (column 1 shows the running number)
};
constexpr GridColumn kGridColumns[10] = {
    {"", 0, "User_Code"},
    {"Key", 600, nullptr},
    {"部", 1200, "Section_Name"},
    {"課", 1200, "Division_Name"},
    {"ユーザ名", 1800, "User_Name"},
    {"ふりがな", 2000, "kana"},
    {"補記", 1200, "User_Comment"},
    {"社員番号", 1000, "Employee_SerialNumber"},
    {"アカウント名", 1200, "Acount_Name"},
    {"パスワード", 1200, "logon_Password"},
};

// The user's fields in the order 更新 writes them, with the box each comes from.
struct UserField {
    int box;
    const char* field;
};
constexpr UserField kUserFields[] = {
    {3, "User_Name"},   {4, "kana"},           {5, "User_Comment"}, {6, "Employee_SerialNumber"},
    {7, "Acount_Name"}, {8, "logon_Password"},
};

QString textOf(const ado::Value& v) { return v.isNull() ? QString() : v.toText(); }

}  // namespace

frm_Edit_User::frm_Edit_User(QWidget* parent) : ui::Form(QStringLiteral("frm_Edit_User"), parent) {
    setCaption(QStringLiteral("ユーザ管理"));
    MSFlexGrid_Edit = place(new ui::FlexGrid, QStringLiteral("MSFlexGrid_Edit"), 120, 120, 9000, 7000);
    MSFlexGrid_Edit->setFont(ui::vbFont(QStringLiteral("ＭＳ Ｐゴシック"), 9));

    struct LabelSpec {
        const char* caption;
        int left, top, width;
    };
    constexpr LabelSpec kLabels[8] = {
        {"部", 240, 7200, 495},       {"課", 240, 7560, 495},           {"ユーザ名", 240, 7920, 975},
        {"ふりがな", 240, 8280, 975}, {"アカウント", 4080, 7200, 1215}, {"パスワード", 4080, 7560, 975},
        {"補記", 4080, 7920, 855},    {"社員番号", 4080, 8280, 975},
    };
    for (int i = 0; i < 8; ++i) {
        Label[i] = place(new QLabel(QString::fromUtf8(kLabels[i].caption)), ui::controlName(QStringLiteral("Label"), i),
                         kLabels[i].left, kLabels[i].top, kLabels[i].width, 255);
    }

    cmb_Section = place(new ui::DropDownCombo, QStringLiteral("cmb_Section"), 1200, 7200, 2355, 300);
    cmb_Division = place(new ui::DropDownCombo, QStringLiteral("cmb_Division"), 1200, 7560, 2355, 300);
    struct BoxSpec {
        int index, left, top, width;
    };
    constexpr BoxSpec kBoxes[] = {
        {3, 1200, 7920, 2355}, {4, 1200, 8280, 2355}, {7, 5160, 7200, 2115},
        {8, 5160, 7560, 2115}, {5, 5160, 7920, 2115}, {6, 5160, 8280, 2115},
    };
    for (const BoxSpec& b : kBoxes) {
        tbxEdit[b.index] =
            place(new ui::TextBox, ui::controlName(QStringLiteral("tbxEdit"), b.index), b.left, b.top, b.width, 300);
        ui::bind(tbxEdit[b.index], &ui::TextBox::GotFocus, this, &frm_Edit_User::tbxEdit_GotFocus, b.index);
        ui::bind(tbxEdit[b.index], &ui::TextBox::LostFocus, this, &frm_Edit_User::tbxEdit_LostFocus, b.index);
    }
    tbx_Section_Code = place(new ui::TextBox, QStringLiteral("tbx_Section_Code"), 600, 7200, 500, 300);
    tbx_Division_Code = place(new ui::TextBox, QStringLiteral("tbx_Division_Code"), 600, 7560, 500, 300);
    for (ui::TextBox* code : {tbx_Section_Code, tbx_Division_Code}) {
        code->setEnabled(false);
        code->setVisible(false);
    }
    ui::bind(tbx_Section_Code, &ui::TextBox::GotFocus, this, &frm_Edit_User::tbx_Section_Code_GotFocus);
    ui::bind(tbx_Section_Code, &ui::TextBox::LostFocus, this, &frm_Edit_User::tbx_Section_Code_LostFocus);
    ui::bind(tbx_Division_Code, &ui::TextBox::GotFocus, this, &frm_Edit_User::tbx_Division_Code_GotFocus);
    ui::bind(tbx_Division_Code, &ui::TextBox::LostFocus, this, &frm_Edit_User::tbx_Division_Code_LostFocus);
    lbr_Key = place(new QLabel, QStringLiteral("lbr_Key"), 7440, 7200, 500, 255);
    lbr_Key->setVisible(false);

    QWidget* order[] = {tbxEdit[8], tbxEdit[7],      tbxEdit[6],  tbxEdit[3],  tbxEdit[4],
                        tbxEdit[5], MSFlexGrid_Edit, cmb_Section, cmb_Division};
    for (size_t i = 0; i + 1 < std::size(order); ++i) setTabOrder(order[i], order[i + 1]);

    Mnu_File = addMenu(QStringLiteral("Mnu_File"), QStringLiteral("ファイル") + QString(12, QLatin1Char(' ')));
    Mnu_Close = addItem(Mnu_File, QStringLiteral("Mnu_Close"), QStringLiteral("閉じる") + kIdeo.repeated(5),
                        QKeySequence(Qt::CTRL | Qt::Key_W));
    Mnu_Edit = addMenu(QStringLiteral("Mnu_Edit"), QStringLiteral("編集") + QString(16, QLatin1Char(' ')));
    Mnu_Add = addItem(Mnu_Edit, QStringLiteral("Mnu_Add"), QStringLiteral("新規"));
    ceparator = addSeparator(Mnu_Edit, QStringLiteral("ceparator"));
    Mnu_Update = addItem(Mnu_Edit, QStringLiteral("Mnu_Update"), QStringLiteral("更新") + kIdeo.repeated(6));
    Mnu_Delete = addItem(Mnu_Edit, QStringLiteral("Mnu_Delete"), QStringLiteral("削除"));
    Mnu_Managements =
        addMenu(QStringLiteral("Mnu_Managements"), QStringLiteral("管理") + QString(16, QLatin1Char(' ')));
    Mnu_Section = addItem(Mnu_Managements, QStringLiteral("Mnu_Section"), QStringLiteral("部") + kIdeo.repeated(8));
    Mnu_Division = addItem(Mnu_Managements, QStringLiteral("Mnu_Division"), QStringLiteral("課"));

    ui::bind(Mnu_Close, &QAction::triggered, this, &frm_Edit_User::Mnu_Close_Click);
    ui::bind(Mnu_Add, &QAction::triggered, this, &frm_Edit_User::Mnu_Add_Click);
    ui::bind(Mnu_Update, &QAction::triggered, this, &frm_Edit_User::Mnu_Update_Click);
    ui::bind(Mnu_Delete, &QAction::triggered, this, &frm_Edit_User::Mnu_Delete_Click);
    ui::bind(Mnu_Section, &QAction::triggered, this, &frm_Edit_User::Mnu_Section_Click);
    ui::bind(Mnu_Division, &QAction::triggered, this, &frm_Edit_User::Mnu_Division_Click);
    ui::bind(MSFlexGrid_Edit, &ui::FlexGrid::Click, this, &frm_Edit_User::MSFlexGrid_Edit_Click);
    ui::bind(cmb_Section, &ui::DropDownCombo::DropDown, this, &frm_Edit_User::cmb_Section_DropDown);
    ui::bind(cmb_Division, &ui::DropDownCombo::DropDown, this, &frm_Edit_User::cmb_Division_DropDown);
    ui::bind(cmb_Section, &ui::DropDownCombo::Click, this, &frm_Edit_User::cmb_Section_Click);
    ui::bind(cmb_Division, &ui::DropDownCombo::Click, this, &frm_Edit_User::cmb_Division_Click);
}

frm_Edit_User::~frm_Edit_User() = default;

void frm_Edit_User::Form_Load() {
    setWidth(gFormWidth);
    setHeight(gFormHeight);
    setTop(gFormTop);
    setLeft(gFormLeft);
    layoutGrid();
    lbr_Key->setText(QStringLiteral(" "));
    fnc_Reset_SelectRow();
    Mnu_Add->setEnabled(true);
    Mnu_Update->setEnabled(false);
    Mnu_Delete->setEnabled(false);
    if (fnc_View_UserList()) ListShown = true;
    fnc_Clear_tbxEdit();
    tbxEdit[8]->setFocus();
}

void frm_Edit_User::layoutGrid() {
    // 32-bit arithmetic: a wide main window would overflow a 16-bit width.
    const qint32 width = qint32(Width()) - 320;
    MSFlexGrid_Edit->setGeometry(ui::px(120), ui::px(120), ui::px(width > 0 ? width : 0), ui::px(7000));
}

bool frm_Edit_User::fnc_View_UserList() {
    ui::FlexGrid& grid = *MSFlexGrid_Edit;
    ado::Recordset rs;
    try {
        rs.Open(QStringLiteral(
                    "SELECT tbl_Section.*, tbl_Division.*, tbl_User.* FROM tbl_Section, tbl_Division, tbl_User  WHERE "
                    "(((tbl_User.Section_Code)=([tbl_Section].[Section_Code])) AND "
                    "((tbl_User.Division_Code)=([tbl_Division].[Division_Code])) AND "
                    "((tbl_User.Available_flug) ='0')) ;"),
                gCn());
        if (rs.RecordCount() < 1) {
            grid.setRows(0);
            grid.setCols(0);
            rs.Close();
            return false;
        }

        // The reserved user 0 is not shown. The grid gets a row per user actually shown, so a query
        // without user 0 (retired, missing, pointing at no department) still shows every user.
        auto shown = [](const ado::Value& code) {
            return !code.isNull() && !code.toText().isEmpty() && code.toDouble() > 0;
        };
        int shownCount = 0;
        for (rs.MoveFirst(); !rs.EOF(); rs.MoveNext())
            if (shown(rs.Fields(QStringLiteral("User_Code")).value())) ++shownCount;

        grid.setRedraw(false);
        grid.Clear();
        grid.setRows(shownCount + 1);
        grid.setCols(10);
        grid.setFixedRows(1);
        grid.setFixedCols(1);
        grid.setColWidth(0, 0);
        for (int c = 1; c < 10; ++c) {
            grid.setTextMatrix(0, c, QString::fromUtf8(kGridColumns[c].caption));
            grid.setColWidth(c, kGridColumns[c].width);
            grid.setCellBackColorAt(0, c, ui::QBColor(8));
            if (c >= 2) grid.setCellAlignmentAt(0, c, ui::flexAlignCenterBottom);
        }

        int n = 1;
        for (rs.MoveFirst(); !rs.EOF(); rs.MoveNext()) {
            const ado::Value code = rs.Fields(QStringLiteral("User_Code")).value();
            if (!shown(code)) continue;
            grid.setTextMatrix(n, 0, code.toText());
            grid.setTextMatrix(n, 1, QString::number(n));
            grid.setCellBackColorAt(n, 1, ui::QBColor(8));
            for (int c = 2; c < 10; ++c) {
                grid.setCellBackColorAt(n, c, ui::QBColor(15));
                grid.setCellAlignmentAt(n, c, ui::flexAlignLeftBottom);
                const QString text = textOf(rs.Fields(QString::fromUtf8(kGridColumns[c].field)).value());
                if (text.isEmpty()) continue;
                if (c == 2 && textOf(rs.Fields(QStringLiteral("tbl_Section.Available_flug")).value()) == "1")
                    grid.setCellBackColorAt(n, c, ui::QBColor(8));
                if (c == 3 && textOf(rs.Fields(QStringLiteral("tbl_Division.Available_flug")).value()) == "1")
                    grid.setCellBackColorAt(n, c, ui::QBColor(8));
                grid.setTextMatrix(n, c, text);
            }
            ++n;
        }
        grid.setRedraw(true);
        rs.Close();
        return true;
    } catch (const std::exception& e) {
        grid.setRedraw(true);
        ui::ShowStdError(e);
        if (rs.State() == ado::adStateOpen) rs.Close();
        return false;
    }
}

void frm_Edit_User::fnc_Set_RowColor(qint16 row, qint16 colourIndex) {
    MSFlexGrid_Edit->paintRow(row, ui::QBColor(colourIndex),
                              {.firstCol = 2, .hold = ui::FlexGrid::RowPaint::Hold::Redraw});
}

void frm_Edit_User::fnc_Reset_SelectRow() {
    SelectRow = 0;
    OldSelectRow = 1;
    fnc_Set_RowColor(1, 15);
}

void frm_Edit_User::fnc_Clear_tbxEdit() {
    for (int i = 3; i <= 8; ++i) tbxEdit[i]->setText(QString());
    tbx_Section_Code->setText(QString());
    tbx_Division_Code->setText(QString());
    cmb_Section->setEditText(QString());
    cmb_Division->setEditText(QString());
}

void frm_Edit_User::MSFlexGrid_Edit_Click() {
    ui::guarded([&] {
        ui::FlexGrid& grid = *MSFlexGrid_Edit;
        const int row = grid.Row();
        if (row <= 0 || row >= grid.Rows() || !ListShown) return;

        Mnu_Delete->setEnabled(true);
        Mnu_Update->setEnabled(true);
        grid.setRedraw(false);
        fnc_Clear_tbxEdit();
        lbr_Key->setText(QString::number(vb::CInt(grid.TextMatrix(row, 0))));
        SelectRow = qint16(row);
        for (int i = 3; i <= 8; ++i) tbxEdit[i]->setText(grid.TextMatrix(row, i + 1));
        // The names only; the code boxes stay empty until an item is picked.
        cmb_Section->setEditText(grid.TextMatrix(row, 2));
        cmb_Division->setEditText(grid.TextMatrix(row, 3));
        fnc_Set_RowColor(OldSelectRow, 15);
        fnc_Set_RowColor(SelectRow, 8);
        OldSelectRow = SelectRow;
        Mnu_Add->setEnabled(true);
        Mnu_Delete->setEnabled(true);
        Mnu_Update->setEnabled(true);
        grid.setRedraw(true);
    });
}

void frm_Edit_User::cmb_Section_DropDown() {
    ui::guarded([&] {
        cmb_Section->refill([&] {
            ado::Recordset rs;
            rs.Open(QStringLiteral("SELECT * FROM tbl_Section  WHERE Available_flug ='0'ORDER BY Section_Code;"),
                    gCn());
            for (; !rs.EOF(); rs.MoveNext()) {
                const ado::Value code = rs.Fields(QStringLiteral("Section_Code")).value();
                if (code.isNull() || code.toText().isEmpty()) continue;
                cmb_Section->addListItem(
                    textOf(rs.Fields(QStringLiteral("Section_Name")).value()) + QStringLiteral(" "), code.toInt32());
            }
            rs.Close();
        });
    });
}

void frm_Edit_User::cmb_Division_DropDown() {
    ui::guarded([&] {
        cmb_Division->refill([&] {
            ado::Recordset rs;
            rs.Open(QStringLiteral("SELECT * FROM tbl_Division  WHERE Available_flug ='0' ORDER BY Division_Name ;"),
                    gCn());
            for (; !rs.EOF(); rs.MoveNext()) {
                // A section without a name is offered as an empty item that still carries its own code.
                cmb_Division->addListItem(textOf(rs.Fields(QStringLiteral("Division_Name")).value()),
                                          rs.Fields(QStringLiteral("Division_Code")).value().toInt32());
            }
            rs.Close();
        });
    });
}

void frm_Edit_User::cmb_Section_Click() {
    ui::guarded([&] {
        const int i = cmb_Section->currentIndex();
        if (i < 0) return;
        tbx_Section_Code->setText(QString::number(cmb_Section->itemData(i).toInt()));
    });
}

void frm_Edit_User::cmb_Division_Click() {
    ui::guarded([&] {
        const int i = cmb_Division->currentIndex();
        if (i < 0) return;
        tbx_Division_Code->setText(QString::number(cmb_Division->itemData(i).toInt()));
    });
}

void frm_Edit_User::Mnu_Add_Click() {
    ui::guarded([&] {
        qint16 code = 0;
        try {
            ado::Recordset rs;
            rs.Open(QStringLiteral("SELECT MAX( User_Code  ) FROM tbl_User"), gCn());
            const ado::Value highest = rs.Fields(0).value();
            rs.Close();
            // Retired users count, so no code is given twice.
            code = highest.isNull() ? qint16(0) : vb::addInt16(highest.toInt16(), 1);
        } catch (const std::exception& e) {
            ui::ShowStdError(e);  // no code, no new user
            return;
        }
        try {
            ado::TransGuard trans(gCn());
            gCn().Execute(
                QStringLiteral(
                    "INSERT INTO tbl_User  ( User_Code,Available_flug,Section_Code,Division_Code) VALUES ( ") +
                QString::number(code) + QStringLiteral(",0,0,0 );"));
            trans.commit();
        } catch (const std::exception& e) {
            // Rolled back by the guard: later writes on the shared connection are not lost.
            ui::ShowStdError(e);
            return;
        }
        (void)fnc_View_UserList();
        ListShown = true;
        fnc_Reset_SelectRow();
        Mnu_Add->setEnabled(true);
        Mnu_Delete->setEnabled(false);
        Mnu_Update->setEnabled(false);
    });
}

void frm_Edit_User::Mnu_Update_Click() {
    ui::guarded([&] {
        if (SelectRow < 1 || !ListShown) return;
        if (lbr_Key->text() == QStringLiteral(" ") || lbr_Key->text().isEmpty()) return;
        const qint16 key = vb::CInt(MSFlexGrid_Edit->TextMatrix(SelectRow, 0));
        lbr_Key->setText(QString::number(key));
        if (key == 0) return;

        // Codes are converted before the row is touched, so a bad code writes nothing.
        std::optional<qint16> sectionCode, divisionCode;
        if (!tbx_Section_Code->text().isEmpty()) sectionCode = vb::CInt(tbx_Section_Code->text());
        if (!tbx_Division_Code->text().isEmpty()) divisionCode = vb::CInt(tbx_Division_Code->text());

        ado::Recordset rs;
        rs.Open(QStringLiteral("SELECT * FROM tbl_User  WHERE (((User_Code)=") + QString::number(key) +
                    QStringLiteral("));"),
                gCn(), ado::adOpenDynamic, ado::adLockOptimistic);
        if (rs.RecordCount() < 1) {
            rs.Close();
            return;
        }
        for (const UserField& f : kUserFields) {
            const QString typed = tbxEdit[f.box]->text();
            rs.Fields(QString::fromUtf8(f.field)) = ado::Value(typed.isEmpty() ? QStringLiteral(" ") : typed);
        }
        if (sectionCode) rs.Fields(QStringLiteral("Section_Code")) = ado::Value(int(*sectionCode));
        if (divisionCode) rs.Fields(QStringLiteral("Division_Code")) = ado::Value(int(*divisionCode));
        rs.Update();

        (void)fnc_View_UserList();
        ListShown = true;
        fnc_Clear_tbxEdit();
        fnc_Set_RowColor(SelectRow, 8);
        OldSelectRow = SelectRow;
        Mnu_Add->setEnabled(true);
        Mnu_Delete->setEnabled(false);
        Mnu_Update->setEnabled(false);
        rs.Close();
    });
}

void frm_Edit_User::Mnu_Delete_Click() {
    ui::guarded([&] {
        if (ui::MsgBox(QStringLiteral("削除しますか？"), ui::vbYesNo | ui::vbQuestion, QStringLiteral("確認")) !=
            ui::vbYes)
            return;
        if (SelectRow < 1 || !ListShown) return;
        const qint16 key = vb::CInt(MSFlexGrid_Edit->TextMatrix(SelectRow, 0));
        if (key == 0) return;  // user 0 is never retired

        ado::Recordset rs;
        rs.Open(QStringLiteral("SELECT * FROM tbl_User  WHERE (((tbl_User.User_Code)=") + QString::number(key) +
                    QStringLiteral("));"),
                gCn(), ado::adOpenDynamic, ado::adLockOptimistic);
        if (rs.RecordCount() > 0) {
            rs.Fields(QStringLiteral("Available_flug")) = ado::Value(QStringLiteral("1"));
            rs.Update();
        }
        (void)fnc_View_UserList();
        if (MSFlexGrid_Edit->Rows() > 1) {
            ListShown = true;
            fnc_Reset_SelectRow();
        }
        Mnu_Add->setEnabled(true);
        Mnu_Delete->setEnabled(false);
        Mnu_Update->setEnabled(false);
        rs.Close();
    });
}

void frm_Edit_User::openMasterEditor(const QString& caption, const QString& table) {
    gEditTableCaption = caption;
    gEditTableName = table;
    (void)ui::showForm(QStringLiteral("frm_Edit_Table"), ui::vbModal);
}

void frm_Edit_User::Mnu_Section_Click() {
    ui::guarded([this] { openMasterEditor(QStringLiteral("部"), QStringLiteral("tbl_Section")); });
}
void frm_Edit_User::Mnu_Division_Click() {
    ui::guarded([this] { openMasterEditor(QStringLiteral("課"), QStringLiteral("tbl_Division")); });
}

void frm_Edit_User::Mnu_Close_Click() {
    ui::guarded([this] { fnc_Form_Close(); });
}
bool frm_Edit_User::Form_QueryUnload(int) { return false; }
void frm_Edit_User::fnc_Form_Close() { Unload(); }

void frm_Edit_User::Form_Resize() {
    if (isMaximized()) {
        showNormal();
        layoutGrid();
        return;
    }
    if (isMinimized()) return;
    layoutGrid();
}

void frm_Edit_User::tbxEdit_GotFocus(int Index) { sub_Focus_Color(tbxEdit[Index], 1); }
void frm_Edit_User::tbxEdit_LostFocus(int Index) { sub_Focus_Color(tbxEdit[Index], 2); }
void frm_Edit_User::tbx_Section_Code_GotFocus() { sub_Focus_Color(tbx_Section_Code, 1); }
void frm_Edit_User::tbx_Section_Code_LostFocus() { sub_Focus_Color(tbx_Section_Code, 2); }
void frm_Edit_User::tbx_Division_Code_GotFocus() { sub_Focus_Color(tbx_Division_Code, 1); }
void frm_Edit_User::tbx_Division_Code_LostFocus() { sub_Focus_Color(tbx_Division_Code, 2); }
