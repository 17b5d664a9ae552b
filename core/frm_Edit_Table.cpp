#include "core/frm_Edit_Table.h"

#include <QMenu>
#include <cmath>

#include "core/Mdl_Access_mdb.h"
#include "core/Mdl_Sub.h"
#include "core/Mdl_gData.h"
#include "platform/db/Ado.h"
#include "platform/text/VbConv.h"
#include "platform/ui/Colors.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/Events.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/Names.h"
#include "platform/ui/TextBox.h"

using ui::kIdeo;

namespace {

// Caption and width (twips) of the shown columns, by position.
struct ShownColumn {
    const char* caption;
    int width;
};
constexpr ShownColumn kShownColumns[] = {{"Key", 600}, {"名称", 2500}, {"コメント", 1500}};

}  // namespace

frm_Edit_Table::frm_Edit_Table(QWidget* parent) : ui::Form(QStringLiteral("frm_Edit_Table"), parent) {
    MSFlexGrid_Edit = place(new ui::FlexGrid, QStringLiteral("MSFlexGrid_Edit"), 120, 120, 5535, 5655);
    constexpr int kBoxLeft[3] = {120, 840, 4080};
    constexpr int kBoxWidth[3] = {645, 3180, 1500};
    for (int i = 0; i < 3; ++i) {
        tbxEdit[i] =
            place(new ui::TextBox, ui::controlName(QStringLiteral("tbxEdit"), i), kBoxLeft[i], 5880, kBoxWidth[i], 300);
        ui::bind(tbxEdit[i], &ui::TextBox::GotFocus, this, &frm_Edit_Table::tbxEdit_GotFocus, i);
        ui::bind(tbxEdit[i], &ui::TextBox::LostFocus, this, &frm_Edit_Table::tbxEdit_LostFocus, i);
    }
    tbxEdit[0]->setEnabled(false);
    // Name, note, code (never focused, it is disabled), then the grid.
    setTabOrder(tbxEdit[1], tbxEdit[2]);
    setTabOrder(tbxEdit[2], tbxEdit[0]);
    setTabOrder(tbxEdit[0], MSFlexGrid_Edit);

    Mnu_File = addMenu(QStringLiteral("Mnu_File"), QStringLiteral("ファイル") + kIdeo.repeated(5));
    Mue_Close = addItem(Mnu_File, QStringLiteral("Mue_Close"), QStringLiteral("閉じる") + kIdeo.repeated(5),
                        QKeySequence(Qt::CTRL | Qt::Key_W));
    Mnu_Edit = addMenu(QStringLiteral("Mnu_Edit"), QStringLiteral("編集") + kIdeo.repeated(7));
    Mnu_Add = addItem(Mnu_Edit, QStringLiteral("Mnu_Add"), QStringLiteral("新規"));
    addSeparator(Mnu_Edit);
    Mnu_Update = addItem(Mnu_Edit, QStringLiteral("Mnu_Update"), QStringLiteral("更新") + kIdeo.repeated(6));
    Mnu_Delete = addItem(Mnu_Edit, QStringLiteral("Mnu_Delete"), QStringLiteral("削除"));

    ui::bind(Mue_Close, &QAction::triggered, this, &frm_Edit_Table::Mue_Close_Click);
    ui::bind(Mnu_Add, &QAction::triggered, this, &frm_Edit_Table::Mnu_Add_Click);
    ui::bind(Mnu_Update, &QAction::triggered, this, &frm_Edit_Table::Mnu_Update_Click);
    ui::bind(Mnu_Delete, &QAction::triggered, this, &frm_Edit_Table::Mnu_Delete_Click);
    ui::bind(MSFlexGrid_Edit, &ui::FlexGrid::Click, this, &frm_Edit_Table::MSFlexGrid_Edit_Click);
}

frm_Edit_Table::~frm_Edit_Table() = default;

void frm_Edit_Table::Form_Load() {
    setWidth(kWidth);
    setHeight(kHeight);
    setTop(int(std::floor((ui::screenHeight() - kHeight) / 2.0)));
    setLeft(int(std::floor((ui::screenWidth() - kWidth) / 2.0)));

    MSFlexGrid_Edit->setRows(0);
    MSFlexGrid_Edit->setCols(0);

    if (gEditTableName.isEmpty()) {
        fnc_Form_Close();
        return;
    }
    Mnu_Delete->setEnabled(false);
    Mnu_Update->setEnabled(false);
    fnc_Reset_SelectRow();
    setCaption(QStringLiteral("編集:( ") + gEditTableCaption + QStringLiteral(" )"));
    ui::guarded([&] { (void)fnc_View_Table(gEditTableName); });
    fnc_Clear_tbxEdit();
    tbxEdit[1]->setFocus();
}

QStringList frm_Edit_Table::columnNames(const QString& tableName) {
    ado::Recordset rs;
    rs.Open(QStringLiteral("SELECT * ") + QStringLiteral("FROM ") + tableName, gCn());
    QStringList names;
    for (int i = 0; i < rs.FieldCount(); ++i) names << rs.Fields(i).Name();
    rs.Close();
    // The window addresses the code, name, note and flag by position.
    if (names.size() < 4) throw vb::Error(vb::errSubscript, vb::describe(vb::errSubscript));
    return names;
}

bool frm_Edit_Table::fnc_View_Table(const QString& tableName) {
    const QStringList col = columnNames(tableName);
    const int n = int(col.size());

    ado::Recordset rs;
    rs.Open(QStringLiteral("SELECT * ") + QStringLiteral("FROM ") + tableName + QStringLiteral(" WHERE ") + col[3] +
                QStringLiteral("=") + QStringLiteral("'0'") + QStringLiteral(" ORDER BY ") + col[0] +
                QStringLiteral(";"),
            gCn());
    ui::FlexGrid& grid = *MSFlexGrid_Edit;
    if (rs.RecordCount() < 1) {
        rs.Close();
        // A refill that finds no row in use must not leave rows of the last fill on show (a table
        // without its reserved row, whose last row was just retired). On opening the grid is empty anyway.
        grid.setRows(0);
        grid.setCols(0);
        return false;
    }

    // Rows whose code is 0 or less (the reserved row) are not shown; the grid gets a row for each row
    // actually shown, so a missing or retired reserved row neither cuts the list nor leaves blank rows.
    auto shown = [](const ado::Value& code) { return !code.isNull() && code.toDouble() > 0; };
    int shownCount = 0;
    for (rs.MoveFirst(); !rs.EOF(); rs.MoveNext())
        if (shown(rs.Fields(0).value())) ++shownCount;

    grid.setRedraw(false);
    grid.Clear();
    grid.setCols(n - 1);
    grid.setRows(shownCount + 1);
    grid.setFixedRows(1);
    grid.setFixedCols(grid.Cols() > 1 ? 1 : 0);
    for (int i = 0; i <= n - 2; ++i) {
        if (i < int(std::size(kShownColumns))) {
            grid.setTextMatrix(0, i, QString::fromUtf8(kShownColumns[i].caption));
            grid.setColWidth(i, kShownColumns[i].width);
        }
        grid.setCellAlignmentAt(0, i, ui::flexAlignCenterBottom);
        grid.setCellBackColorAt(0, i, ui::QBColor(8));
    }

    int r = 1;
    for (rs.MoveFirst(); !rs.EOF(); rs.MoveNext()) {
        if (!shown(rs.Fields(0).value())) continue;
        for (int j = 0; j <= n - 2; ++j) {
            const ado::Value& v = rs.Fields(j).valueOnRow();
            const QString text = v.isNull() ? QString() : v.toText();
            if (text.isEmpty()) continue;
            grid.setTextMatrix(r, j, text);
            if (j == 0) {
                grid.setCellBackColorAt(r, j, ui::QBColor(8));
            } else {
                grid.setCellBackColorAt(r, j, ui::QBColor(15));
                grid.setCellAlignmentAt(r, j, ui::flexAlignLeftBottom);
            }
        }
        ++r;
    }
    grid.setRedraw(true);
    rs.Close();
    return true;
}

void frm_Edit_Table::MSFlexGrid_Edit_Click() {
    ui::guarded([&] {
        ui::FlexGrid& grid = *MSFlexGrid_Edit;
        const int row = grid.Row();
        if (row <= 0 || row >= grid.Rows()) return;

        Mnu_Add->setEnabled(true);
        Mnu_Delete->setEnabled(true);
        Mnu_Update->setEnabled(true);
        grid.setRedraw(false);
        TableSelRow = qint16(row);
        for (int c = 0; c < grid.Cols() && c < int(tbxEdit.size()); ++c) tbxEdit[c]->setText(grid.TextMatrix(row, c));
        fnc_Set_RowColor(TablePrevRow, 15);
        fnc_Set_RowColor(TableSelRow, 8);
        TablePrevRow = TableSelRow;
        grid.setRedraw(true);
    });
}

void frm_Edit_Table::Mnu_Add_Click() {
    ui::guarded([&] {
        if (gEditTableName.isEmpty()) return;
        const QString table = gEditTableName;
        const QStringList col = columnNames(table);
        const std::optional<qint16> next = nextKey(table);
        if (!next) return;  // the lookup failed; its box was shown
        const qint16 code = *next;

        const QString sql = QStringLiteral("INSERT INTO ") + table + QStringLiteral(" ( ") + col[0] +
                            QStringLiteral(",") + col[3] + QStringLiteral(") ") + QStringLiteral("VALUES ( ") +
                            QString::number(code) + QStringLiteral(",") + QStringLiteral("0") + QStringLiteral(" );");
        try {
            ado::TransGuard trans(gCn());
            gCn().Execute(sql);
            trans.commit();
        } catch (const std::exception& e) {
            // The guard has rolled back: the shared connection is free for the next write.
            ui::ShowStdError(e);
            return;
        }
        (void)fnc_View_Table(table);
        fnc_Reset_SelectRow();
    });
}

void frm_Edit_Table::Mnu_Update_Click() {
    ui::guarded([&] {
        if (gEditTableName.isEmpty()) return;
        const QString table = gEditTableName;
        const int shownCols = MSFlexGrid_Edit->Cols();
        QStringList texts;
        for (int i = 0; i < shownCols && i < int(tbxEdit.size()); ++i) texts << tbxEdit[i]->text();
        const QStringList col = columnNames(table);
        const qint16 key = vb::CInt(tbxEdit[0]->text());

        ado::Recordset rs;
        rs.Open(QStringLiteral("SELECT * ") + QStringLiteral("FROM ") + table + QStringLiteral(" WHERE (") +
                    QStringLiteral("(") + col[0] + QStringLiteral(") ") + QStringLiteral(" = ") + QString::number(key) +
                    QStringLiteral(" );"),
                gCn());
        if (rs.RecordCount() < 1) {
            rs.Close();
            return;
        }
        // Typed text goes into the row through the recordset, never into statement text; a blank box
        // stores an empty text, not Null.
        for (int i = 0; i < int(texts.size()) && i <= int(col.size()) - 2; ++i) rs.Fields(i) = ado::Value(texts[i]);
        rs.Update();
        rs.Close();

        (void)fnc_View_Table(table);
        fnc_Reset_SelectRow();
        Mnu_Delete->setEnabled(false);
        Mnu_Update->setEnabled(false);
    });
}

void frm_Edit_Table::Mnu_Delete_Click() {
    ui::guarded([&] {
        if (ui::MsgBox(QStringLiteral("削除しますか？"), ui::vbYesNo | ui::vbQuestion, QStringLiteral("確認")) !=
            ui::vbYes)
            return;
        if (gEditTableName.isEmpty()) return;
        const QString table = gEditTableName;
        const QStringList col = columnNames(table);
        const qint16 key = vb::CInt(tbxEdit[0]->text());

        ado::Recordset rs;
        rs.Open(QStringLiteral("SELECT * ") + QStringLiteral("FROM ") + table + QStringLiteral(" WHERE ") + col[0] +
                    QStringLiteral(" = ") + QString::number(key),
                gCn());
        if (rs.RecordCount() > 0) {
            rs.Fields(QStringLiteral("Available_flug")) = ado::Value(QStringLiteral("1"));
            rs.Update();
        }
        rs.Close();

        (void)fnc_View_Table(table);
        if (MSFlexGrid_Edit->Rows() > 1) {
            fnc_Reset_SelectRow();
            Mnu_Add->setEnabled(true);
            Mnu_Delete->setEnabled(false);
            Mnu_Update->setEnabled(false);
        }
    });
}

void frm_Edit_Table::fnc_Set_RowColor(qint16 row, qint16 colourIndex) {
    MSFlexGrid_Edit->paintRow(row, ui::QBColor(colourIndex), {.firstCol = 1});
}

void frm_Edit_Table::fnc_Reset_SelectRow() {
    TablePrevRow = 1;
    TableSelRow = 0;
    fnc_Set_RowColor(1, 15);
}

void frm_Edit_Table::fnc_Clear_tbxEdit() {
    for (ui::TextBox* box : tbxEdit) box->setText(QString());
}

void frm_Edit_Table::Form_Resize() { keepOuterSize(kWidth, kHeight); }

void frm_Edit_Table::Mue_Close_Click() {
    ui::guarded([&] {
        gEditTableName.clear();
        gEditTableCaption.clear();
        fnc_Form_Close();
    });
}

bool frm_Edit_Table::Form_QueryUnload(int) { return false; }

void frm_Edit_Table::fnc_Form_Close() { Unload(); }

void frm_Edit_Table::tbxEdit_GotFocus(int Index) { sub_Focus_Color(tbxEdit[Index], 1); }
void frm_Edit_Table::tbxEdit_LostFocus(int Index) { sub_Focus_Color(tbxEdit[Index], 2); }
