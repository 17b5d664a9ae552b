// The input fields: the master pick lists refilled at each opening, the user list, the key filters by
// field class, the date check of the two lease dates, and the focus colour.
#include "core/Mdl_Access_mdb.h"
#include "core/Mdl_Sub.h"
#include "core/Mdl_gData.h"
#include "pc_record/EditComputerLoad.h"
#include "pc_record/frm_Edit_Computer.h"
#include "platform/db/Ado.h"
#include "platform/text/VbConv.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/DropDownCombo.h"
#include "platform/ui/ListBox.h"
#include "platform/ui/StatusBar.h"
#include "platform/ui/TextBox.h"

using namespace pcrecord;

namespace {

constexpr int kBackspace = 8;
constexpr int kLeasingStart = 47;
constexpr int kLeasingEnd = 48;

// The characters a field box takes, as a one-character pattern; "" takes every key.
QString keyPattern(int index) {
    switch (index) {
        case 2:
        case 28:
        case 29:
        case 30:
        case 31:
        case 32:
        case 33:
        case 34:
            return QStringLiteral("[0-9.]");
        case 7:
        case 8:
        case 9:
        case 10:
        case 11:
        case 12:
        case 15:
        case 16:
        case 17:
        case 18:
        case 19:
        case 49:
        case 50:
            return QStringLiteral("[0-9]");
        case kLeasingStart:
        case kLeasingEnd:
            return QStringLiteral("[0-9/]");
        default:
            return {};
    }
}

// Drops the key unless its character matches the pattern; Backspace always passes.
void filterKey(const QString& pattern, int& keyAscii) {
    if (pattern.isEmpty() || keyAscii == kBackspace) return;
    const char32_t c = char32_t(keyAscii);
    if (!vb::Like(QString::fromUcs4(&c, 1), pattern)) keyAscii = 0;
}

// Two ASCII digits as a number, or -1: a blank or a sign beside one digit is no day or month.
int twoDigits(const QString& text) {
    auto digit = [](QChar c) { return c.unicode() >= '0' && c.unicode() <= '9'; };
    if (text.size() != 2 || !digit(text[0]) || !digit(text[1])) return -1;
    return (text[0].unicode() - '0') * 10 + (text[1].unicode() - '0');
}

// yyyy/mm/dd with a month of 1 to 12 and a day of 1 to 31; the year and the month's length are not tested.
bool isLeasingDate(const QString& t) {
    if (t.size() != 10 || t[4] != QLatin1Char('/') || t[7] != QLatin1Char('/')) return false;
    const int day = twoDigits(t.mid(8, 2));
    const int month = twoDigits(t.mid(5, 2));
    return day >= 1 && day <= 31 && month >= 1 && month <= 12;
}

}  // namespace

void frm_Edit_Computer::cmb_Dat_DropDown(int Index) {
    ui::guarded([&] {
        ui::DropDownCombo* cmb = cmb_Dat[std::size_t(Index)];
        cmb->setEditText(QString());
        cmb->refill([&] {
            const QString table = gMasterTable[std::size_t(Index)].TableName;
            ado::Recordset rs;
            // The list relies on column positions: 0 the code, 1 the name, 3 the in-use flag.
            rs.Open(QStringLiteral("SELECT * FROM ") + table, gCn(), ado::adOpenStatic, ado::adLockOptimistic);
            const QString flagColumn = rs.Fields(3).Name();
            rs.Close();
            rs.Open(QStringLiteral("SELECT * FROM ") + table + QStringLiteral(" WHERE ") + flagColumn +
                        QStringLiteral(" ='0'") + QStringLiteral(";"),
                    gCn(), ado::adOpenStatic, ado::adLockOptimistic);
            if (rs.RecordCount() > 0) {
                for (rs.MoveFirst(); !rs.EOF(); rs.MoveNext()) {
                    // A row without a name is listed empty, still carrying its own code.
                    const ado::Value name = rs.Fields(1).value();
                    cmb->addListItem(name.isNull() ? QString() : name.toText(), rs.Fields(0).value().toInt32());
                }
            }
            rs.Close();
        });
    });
}

void frm_Edit_Computer::cmb_Dat_Click(int Index) {
    ui::guarded([&] {
        ui::DropDownCombo* cmb = cmb_Dat[std::size_t(Index)];
        tbx_CmbKey[std::size_t(Index)]->setText(QString::number(cmb->itemData(cmb->currentIndex()).toInt()));
    });
}

void frm_Edit_Computer::cmb_Dat_GotFocus(int Index) { sub_Focus_Color(cmb_Dat[std::size_t(Index)], 1); }

void frm_Edit_Computer::cmb_Dat_LostFocus(int Index) { sub_Focus_Color(cmb_Dat[std::size_t(Index)], 2); }

void frm_Edit_Computer::List_User_Click() {
    ado::Recordset rs;
    try {
        const int row = List_User->ListIndex();
        if (row < 0) return;
        tbx_User->setText(List_User->List(row));
        const QString code = QString::number(List_User->ItemData(row));
        tbx_UserCode->setText(code);
        if (!fnc_Exists_Record(QStringLiteral("SELECT tbl_User.User_Code FROM tbl_User "))) return;
        rs.Open(
            QStringLiteral("SELECT DISTINCT tbl_Section.Section_Name, tbl_Division.Division_Name, tbl_User.User_Name "
                           "FROM tbl_Section, tbl_Division, tbl_User  WHERE "
                           "(((tbl_User.Section_Code)=([tbl_Section].[Section_Code])) AND "
                           "((tbl_User.Division_Code)=([tbl_Division].[Division_Code])) AND (tbl_User.User_Code=") +
                code + QStringLiteral("));"),
            gCn(), ado::adOpenStatic, ado::adLockOptimistic);
        if (rs.RecordCount() > 0) {
            rs.MoveFirst();
            tbx_Section->setText(QStringLiteral(" ") +
                                 rs.Fields(QStringLiteral("Section_Name")).value().toTextOrEmpty());
            tbx_Division->setText(QStringLiteral(" ") +
                                  rs.Fields(QStringLiteral("Division_Name")).value().toTextOrEmpty());
        }
        rs.Close();
    } catch (const std::exception& e) {
        ui::ShowStdError(e);
        rs.Close();
    }
}

void frm_Edit_Computer::tbx_Dat_GotFocus(int Index) {
    ui::TextBox* box = tbx_Dat[std::size_t(Index)];
    sub_Focus_Color(box, 1);
    OldText = QStringLiteral("0");
    if (!box->text().isEmpty()) OldText = box->text();
}

void frm_Edit_Computer::tbx_Dat_KeyPress(int Index, int& KeyAscii) { filterKey(keyPattern(Index), KeyAscii); }

void frm_Edit_Computer::tbx_Dat_LostFocus(int Index) {
    ui::TextBox* box = tbx_Dat[std::size_t(Index)];
    sub_Focus_Color(box, 2);
    if (Index != kLeasingStart && Index != kLeasingEnd) return;
    StatusBar1->setPanelText(1, QString());
    const QString text = box->text();
    if (text.isEmpty()) return;
    if (!isLeasingDate(text)) {
        StatusBar1->setPanelText(1, QStringLiteral("値が不正です"));
        box->setText(OldText);
    }
}

void frm_Edit_Computer::tbx_Drive_GotFocus(int Index) { sub_Focus_Color(tbx_Drive[std::size_t(Index)], 1); }

void frm_Edit_Computer::tbx_Drive_KeyPress(int, int& KeyAscii) { filterKey(QStringLiteral("[0-9]"), KeyAscii); }

void frm_Edit_Computer::tbx_Drive_LostFocus(int Index) { sub_Focus_Color(tbx_Drive[std::size_t(Index)], 2); }
