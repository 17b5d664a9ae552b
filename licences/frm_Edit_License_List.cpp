// The assignment grid of the licence assignment window: every assignment joined with its licence, its PC,
// the PC's user with the user's department and section, and the PC's location, by computer name.
#include <QLineEdit>

#include "core/Mdl_Access_mdb.h"
#include "licences/frm_Edit_License.h"
#include "platform/db/Ado.h"
#include "platform/text/VbConv.h"
#include "platform/ui/Colors.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/FlexGrid.h"

namespace {

// Everything up to the last join condition; the filters follow it, then the closing ") ".
const QString kListQuery = QStringLiteral(
    "SELECT DISTINCT tbl_License_Key.*, tbl_License_Dat.*, tbl_Pclist.MainKey, tbl_Pclist.Computer_Name, "
    "tbl_User.*, tbl_Section.*, tbl_Division.*, tbl_Location.*, tbl_Computer_List.Deleted_Flug FROM tbl_Pclist, "
    "tbl_License_Dat, tbl_License_Key, tbl_Computer_List, tbl_Section, tbl_Location, tbl_Division, tbl_User, "
    "tbl_Manufacturer, tbl_Model WHERE (((tbl_License_Dat.Computer_Code)=(tbl_Pclist.MainKey)) AND "
    "((tbl_License_Dat.Application_Code)=(tbl_License_Key.Key)) AND "
    "((tbl_Computer_List.Location_Code)=([tbl_Location].[Location_Code])) AND "
    "((tbl_User.Section_Code)=([tbl_Section].[Section_Code])) AND "
    "((tbl_User.Division_Code)=([tbl_Division].[Division_Code])) AND "
    "((tbl_Computer_List.User_Code)=([tbl_User].[User_Code])) AND "
    "((tbl_Computer_List.Manufacturer_Code)=([tbl_Manufacturer].[Manufacturer_Code])) AND "
    "((tbl_Computer_List.Model_Code)=([tbl_Model].[Model_Code])) AND (tbl_Pclist.MainKey = "
    "tbl_Computer_List.MainKey)");

enum class Grey { Never, Removed, Retired };

struct ListColumn {
    const char* caption;
    int width;
    const char* field;
    Grey grey = Grey::Never;
    const char* flagField = nullptr;  // the master row's Available_flug
};

// Columns 2..14; 0 is the hidden key, 1 the running number.
const ListColumn kColumns[15] = {
    {"", 0, "tbl_License_Dat.Key"},
    {"No", 400, nullptr},
    {"アプリケーション名", 1900, "Application_Name"},
    {"コンピュータ名", 1400, "Computer_Name", Grey::Removed},
    {"プロダクトID", 1200, "ProductID"},
    {"ライセンス番号", 1350, "Licence_No"},
    {"インストールキー", 2500, "Install_Key"},
    {"購入形態", 1200, "Payment_Type"},
    {"パッケージ", 1200, "Asset_Type"},
    {"ユーザ", 1500, "User_Name", Grey::Retired, "tbl_User.Available_flug"},
    {"部", 1500, "Section_Name", Grey::Retired, "tbl_Section.Available_flug"},
    {"課", 1500, "Division_Name", Grey::Retired, "tbl_Division.Available_flug"},
    {"設置場所", 1500, "Location_Name", Grey::Retired, "tbl_Location.Available_flug"},
    {"単価", 1500, "Purchase_Price"},
    {"コメント", 1500, "Comment"},
};

// A filter box: empty is 0; anything else must be a 16-bit whole number.
qint16 filterCode(const QLineEdit* box) { return box->text().isEmpty() ? qint16(0) : vb::CInt(box->text()); }

}  // namespace

bool frm_Edit_License::fnc_View_LicenseList() {
    ui::FlexGrid& grid = *FGrid_EditLicense;
    ado::Recordset rs;
    try {
        const qint16 licence = filterCode(tbx_Application);
        const qint16 location = filterCode(tbx_Location);
        QString sql = kListQuery;
        if (licence > 0)
            sql += QStringLiteral(" AND ") + QStringLiteral("(tbl_License_Dat.Application_Code = ") +
                   QString::number(licence) + QStringLiteral(")");
        if (location > 0)
            sql += QStringLiteral(" AND ") + QStringLiteral("(tbl_Computer_List.Location_Code = ") +
                   QString::number(location) + QStringLiteral(")");
        sql += QStringLiteral(") ORDER BY Computer_Name ;");

        rs.Open(sql, gCn(), ado::adOpenStatic, ado::adLockOptimistic);
        if (rs.RecordCount() < 1) {
            grid.setCols(0);
            grid.setRows(0);
            rs.Close();
            return false;
        }

        ListLoaded = true;
        // Hidden while the cells are written: drawn once, when shown again.
        grid.setRedraw(false);
        grid.Clear();
        grid.setCols(15);
        grid.setRows(rs.RecordCount() + 1);

        const QColor grey = ui::QBColor(8);
        const QColor white = ui::QBColor(15);
        grid.setRow(0);
        grid.setCol(0);
        grid.setColWidth(0, 0);
        for (int c = 1; c < 15; ++c) {
            grid.setCol(c);
            grid.setText(QString::fromUtf8(kColumns[c].caption));
            grid.setColWidth(c, kColumns[c].width);
            grid.setCellBackColor(grey);
            grid.setCellAlignment(ui::flexAlignCenterBottom);
        }

        std::vector<const ado::Field*> fields(15, nullptr);
        std::vector<const ado::Field*> flags(15, nullptr);
        for (int c = 0; c < 15; ++c) {
            if (kColumns[c].field) fields[c] = &rs.Fields(QString::fromUtf8(kColumns[c].field));
            if (kColumns[c].flagField) flags[c] = &rs.Fields(QString::fromUtf8(kColumns[c].flagField));
        }
        const ado::Field& deleted = rs.Fields(QStringLiteral("Deleted_Flug"));

        // The running number is 16-bit: past 32,767 rows the fill stops with an overflow.
        qint16 r = 1;
        for (rs.MoveFirst(); !rs.EOF();) {
            grid.setRow(r);
            grid.setCol(0);
            grid.setText(fields[0]->valueOnRow().toTextOrEmpty());
            grid.setCol(1);
            grid.setText(QString::number(r));
            grid.setCellBackColor(grey);
            for (int c = 2; c < 15; ++c) {
                grid.setCol(c);
                grid.setCellBackColor(white);
                grid.setCellAlignment(ui::flexAlignLeftBottom);
                const ado::Value& v = fields[c]->valueOnRow();
                // A number, 0 included, and a single blank count as filled.
                if (v.isNull() || v.toText().isEmpty()) continue;
                if (kColumns[c].grey == Grey::Removed) {
                    const ado::Value& flag = deleted.valueOnRow();
                    if (!flag.isNull() && flag.toDouble() != 0) grid.setCellBackColor(grey);
                } else if (kColumns[c].grey == Grey::Retired) {
                    if (flags[c]->valueOnRow().toTextOrEmpty() == QLatin1String("1")) grid.setCellBackColor(grey);
                }
                grid.setText(v.toText());
            }
            rs.MoveNext();
            r = vb::addInt16(r, 1);
        }

        grid.setRedraw(true);
        grid.setVisible(true);
        fnc_Clear_Form();
        rs.Close();
        return true;
    } catch (const std::exception& e) {
        ui::ShowStdError(e);
        if (rs.State() == ado::adStateOpen) rs.Close();
        // A fill that failed half-way shows what it wrote rather than leaving the grid away.
        grid.setRedraw(true);
        grid.setVisible(true);
        return false;
    }
}
