// The account grid of the mail register: one row per account, joined with its user, its PC, the PC's
// location and the user's department and section, sorted by mail address.
#include <QLineEdit>

#include "core/Mdl_Access_mdb.h"
#include "platform/db/Ado.h"
#include "platform/text/VbConv.h"
#include "platform/ui/Colors.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/FlexGrid.h"
#include "registers/frm_Edit_Mail.h"

namespace {

// The grid's columns: caption, width (twips), the field shown (none for the running number), and the
// flag that greys a retired master's name.
struct MailColumn {
    const char* caption;
    int width;
    const char* field;
    const char* retiredFlag;
};
constexpr int kColumnCount = 18;
constexpr MailColumn kColumns[kColumnCount] = {
    {"Key", 600, nullptr, nullptr},
    {"", 0, "Key", nullptr},
    {"ログインID", 1800, "beat_loginID", nullptr},
    {"氏名", 1800, "User_Name", "tbl_User.Available_flug"},
    {"ふりがな", 1800, "kana", nullptr},
    {"Windowsユーザ名", 1800, "Windows_UserName", nullptr},
    {"パスワード", 1800, "beat_loginPassward", nullptr},
    {"メールアドレス", 1800, "Mail_Address", nullptr},
    {"SMTP", 1800, "SMTP_IPAddress", nullptr},
    {"POP", 1800, "POP3_IPAddress", nullptr},
    {"メールBoxアカウント名", 1800, "Mailbox_AccountName", nullptr},
    {"メールBoxパスワード", 1800, "Mailbox_Password", nullptr},
    {"設置場所", 1800, "Location_Name", "tbl_Location.Available_flug"},
    {"部", 1800, "Section_Name", "tbl_Section.Available_flug"},
    {"課", 1800, "Division_Name", "tbl_Division.Available_flug"},
    {"コンピュータ名", 1800, "Computer_Name", nullptr},
    {"IPアドレス", 1800, "IPAddress", nullptr},
    {"OS", 1800, "Operating_System", nullptr},
};

}  // namespace

QString frm_Edit_Mail::mailListSql(qint16 LocationCode) {
    QString sql = QStringLiteral(
        "SELECT DISTINCT tbl_Mail_Management.Key , tbl_Mail_Management.beat_loginID , tbl_User.* , "
        "tbl_Mail_Management.Windows_UserName , tbl_Mail_Management.beat_loginPassward , "
        "tbl_Mail_Management.Mail_Address , tbl_Mail_Management.SMTP_IPAddress , "
        "tbl_Mail_Management.POP3_IPAddress , tbl_Mail_Management.Mailbox_AccountName , "
        "tbl_Mail_Management.Mailbox_Password , tbl_Pclist.Computer_Name , tbl_Location.* , tbl_Division.* , "
        "tbl_Section.* , tbl_Pclist.ipaddress , tbl_Pclist.Operating_System FROM tbl_Mail_Management, tbl_User, "
        "tbl_Pclist, tbl_Location, tbl_Division, tbl_Section, tbl_Computer_List WHERE( "
        "(tbl_Mail_Management.User_Code = tbl_User.User_Code) AND "
        "(tbl_Computer_List.Location_Code = tbl_Location.Location_Code) AND "
        "(tbl_Computer_List.MainKey = tbl_Pclist.MainKey) AND "
        "(tbl_Mail_Management.Conputer_Code = tbl_Computer_List.MainKey) AND "
        "(tbl_Section.Section_Code = tbl_User.Section_Code) AND "
        "(tbl_Division.Division_Code = tbl_User.Division_Code) ");
    if (LocationCode > 0)
        sql += QStringLiteral(" AND (tbl_Computer_List.Location_Code = ") + QString::number(LocationCode) +
               QStringLiteral(")");
    sql += QStringLiteral(") ORDER BY Mail_Address;");
    return sql;
}

bool frm_Edit_Mail::fnc_View_MailList(qint16 LocationCode) {
    ui::FlexGrid& grid = *MSFlexGrid_Mail;
    ado::Recordset rs;
    try {
        rs.Open(mailListSql(LocationCode), gCn(), ado::adOpenStatic, ado::adLockOptimistic);
        if (rs.RecordCount() < 1) {
            grid.setRows(0);
            grid.setCols(0);
            rs.Close();
            return false;
        }

        grid.Clear();
        grid.setRows(rs.RecordCount() + 1);
        grid.setCols(kColumnCount);
        // Frozen rather than hidden: hiding the grid would take the focus from it.
        grid.setRedraw(false);

        grid.setRow(0);
        for (int c = 0; c < kColumnCount; ++c) {
            grid.setCol(c);
            grid.setColWidth(c, kColumns[c].width);
            if (c == 1) continue;
            if (c >= 2) grid.setCellAlignment(ui::flexAlignCenterBottom);
            grid.setText(QString::fromUtf8(kColumns[c].caption));
            grid.setCellBackColor(ui::QBColor(8));
        }

        qint16 i = 1;
        for (rs.MoveFirst(); !rs.EOF(); rs.MoveNext()) {
            grid.setRow(i);
            grid.setCol(0);
            grid.setText(QString::number(i));
            grid.setCellBackColor(ui::QBColor(8));
            grid.setCol(1);
            grid.setCellBackColor(ui::QBColor(15));
            grid.setText(rs.Fields(QStringLiteral("Key")).valueOnRow().toTextOrEmpty());
            for (int c = 2; c < kColumnCount; ++c) {
                grid.setCol(c);
                grid.setCellBackColor(ui::QBColor(15));
                grid.setCellAlignment(ui::flexAlignLeftBottom);
                const QString text = rs.Fields(QString::fromUtf8(kColumns[c].field)).valueOnRow().toTextOrEmpty();
                if (kColumns[c].retiredFlag && !text.isEmpty()) {
                    const ado::Value& flag = rs.Fields(QString::fromUtf8(kColumns[c].retiredFlag)).valueOnRow();
                    if (!flag.isNull() && flag.toText() == QStringLiteral("1")) grid.setCellBackColor(ui::QBColor(8));
                }
                grid.setText(text);
            }
            // The running number is 16-bit: past 32767 accounts the fill ends with an overflow.
            i = vb::addInt16(i, 1);
        }

        bListLoaded = true;
        grid.setRedraw(true);
        rs.Close();
        return true;
    } catch (const std::exception& e) {
        ui::ShowStdError(e);
        try {
            if (rs.State() == ado::adStateOpen) rs.Close();
        } catch (...) {
        }
        // The grid keeps the rows it reached, shown again.
        grid.setRedraw(true);
        return false;
    }
}
