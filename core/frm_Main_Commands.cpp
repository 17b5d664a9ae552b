// The record commands of the edit menu (new, search, delete, removal) and the list export.
#include <QAction>
#include <array>

#include "core/ColumnCatalogue.h"
#include "core/Mdl_Access_mdb.h"
#include "core/Mdl_Export.h"
#include "core/Mdl_gData.h"
#include "core/ViewQuery.h"
#include "core/frm_Main.h"
#include "platform/db/Ado.h"
#include "platform/text/VbConv.h"
#include "platform/ui/Colors.h"
#include "platform/ui/FlexGrid.h"

namespace {

const QString kConfirmTitle = QStringLiteral("確認");

bool confirmed(const QString& question) {
    return ui::MsgBox(question, ui::vbYesNo | ui::vbQuestion, kConfirmTitle) == ui::vbYes;
}

// The tables that carry a PC's key, in the order the delete empties them, with its report line.
struct KeyTable {
    const char* table;
    const char* keyColumn;
    const char* reportLine;
};
const std::array<KeyTable, 8> kKeyTables = {{
    {"tbl_ApplicationsList", "Key", "アプリケーション一覧を削除しました。"},
    {"tbl_Computer_List", "MainKey", "ユーザ登録一覧を削除しました。"},
    {"tbl_Device_Management", "Key", "デバイス一覧を削除しました。"},
    {"tbl_Environmental", "Key", "環境変数一覧を削除しました。"},
    {"tbl_Pclist", "MainKey", "コンピュータ一覧を削除しました。"},
    {"tbl_Printer_Management", "Key", "プリンタ一覧を削除しました。"},
    {"tbl_Mail_Management", "Conputer_Code", "メール一覧を削除しました。"},
    {"tbl_License_Dat", "Computer_Code", "ライセンス一覧を削除しました。"},
}};

// fnc_Get_MaxMainKey gives 0 both for a ledger without PCs and after a failure it has already shown.
// Asked again quietly, only a ledger without PCs answers 0 (or Null).
bool ledgerHasNoPcs() {
    try {
        ado::Recordset rs;
        rs.Open("SELECT MAX( MainKey ) FROM tbl_Computer_List", gCn());
        const ado::Value value = rs.Fields(0).value();
        rs.Close();
        return value.isNull() || value == ado::Value(0);
    } catch (const std::exception&) {
        return false;
    }
}

// A removal date is taken as typed when it has the shape yyyy/mm/dd with a month 1-12 and a day 1-31;
// the year and whether the day exists in that month are not looked at.
bool removalDateAccepted(const QString& answer) {
    if (answer.length() != 10) return false;
    if (answer.at(4) != '/' || answer.at(7) != '/') return false;
    try {
        const qint16 day = vb::CInt(answer.mid(8, 2));
        const qint16 month = vb::CInt(answer.mid(5, 2));
        return day > 0 && day <= 31 && month > 0 && month <= 12;
    } catch (const vb::Error&) {
        return false;  // day or month is no number
    }
}

}  // namespace

// gSetSQLVal, fnc_View_PClist, MSFlexGrid_Main_ini: the list shows the change at once, with no selection.
void frm_Main::refreshList() {
    gSetSQLVal();
    (void)fnc_View_PClist();
    MSFlexGrid_Main_ini();
}

void frm_Main::Mnu_AddNew_Click() {
    ui::guarded([this] {
        if (!MainListReady) return;
        if (!confirmed(QStringLiteral("レコードを新規作成しますか？"))) return;

        const qint16 maxKey = fnc_Get_MaxMainKey();
        if (maxKey == 0 && !ledgerHasNoPcs()) return;                  // the lookup failed and has said so
        const QString key = QString::number(vb::addInt16(maxKey, 1));  // past 32767: overflow, nothing written

        // Both rows and their codes, or nothing: a half-made PC would stay invisible in every list.
        ado::Connection& cn = gCn();
        ado::TransGuard trans(cn);
        for (const char* table : {"tbl_Computer_List", "tbl_PClist"}) {
            cn.Execute(QStringLiteral("INSERT INTO ") + table + " (MainKey) VALUES (" + key + ")");
            if (cn.lastRecordsAffected() != 1)
                throw vb::Error(
                    vb::errDatabase,
                    QStringLiteral("%1 に MainKey %2 の行を作成できませんでした。").arg(QString::fromUtf8(table), key));
        }
        for (const char* column : {"Location_Code", "User_Code", "Manufacturer_Code", "Model_Code", "Deleted_Flug"})
            cn.Execute(QStringLiteral("UPDATE tbl_Computer_List SET tbl_Computer_List.[") + column +
                       "] = 0 WHERE MainKey = " + key);
        trans.commit();

        ui::MsgBox(QStringLiteral("レコードを新規作成しました"), ui::vbOKOnly);
        refreshList();
    });
}

void frm_Main::Mnu_Search_Click() {
    ui::guarded([this] {
        const QString word = ui::InputBox(QStringLiteral("検索する単語を入力してください"), QStringLiteral("検索"));
        if (word.isEmpty()) return;

        // The rebuilt list carries no earlier colouring.
        FGridViewSelect_ini();
        gSetSQLVal();
        (void)fnc_View_PClist();
        MainSelKey = 0;
        MSFlexGrid_Main_ini();

        ui::FlexGrid& grid = *MSFlexGrid_Main;
        const QString pattern = word + '*';  // a cell matches when it begins with the word
        const QColor yellow = ui::RGB(255, 255, 0);
        bool found = false;
        grid.setVisible(false);
        // Row 0 (captions) and column 0 (row numbers) are skipped; the hidden key column 1 is searched.
        for (int row = 1; row < grid.Rows(); ++row) {
            for (int col = 1; col < grid.Cols(); ++col) {
                if (vb::Like(grid.TextMatrix(row, col), pattern)) {
                    grid.setCellBackColorAt(row, col, yellow);
                    found = true;
                }
            }
        }
        if (grid.Rows() > 1 && grid.Cols() > 1) {
            grid.setRow(grid.Rows() - 1);  // the current cell stays on the last cell visited
            grid.setCol(grid.Cols() - 1);
        }
        grid.setVisible(true);

        if (!found) ui::MsgBox(QStringLiteral("見つかりませんでした"), ui::vbOKOnly);
    });
}

void frm_Main::Mnu_Delete_Click() {
    ui::guarded([this] {
        if (MainSelKey == 0) return;
        if (!confirmed(QStringLiteral("削除しますか？"))) return;

        const QString key = QString::number(MainSelKey);
        QString report;
        {
            // All eight or none: a failed delete would leave rows pointing at a PC that is gone.
            ado::Connection& cn = gCn();
            ado::TransGuard trans(cn);
            for (const KeyTable& t : kKeyTables) {
                const QString table = QString::fromUtf8(t.table);
                cn.Execute("DELETE " + QStringLiteral(" FROM ") + table + " WHERE" + " " + table + "." +
                           QString::fromUtf8(t.keyColumn) + " = " + key + ";");
                report += QString::fromUtf8(t.reportLine) + "\r\n";
            }
            // Before the commit: a commit that fails after all costs the comparison window a new pick, a
            // deletion left unnoted could let it write into the next PC given this key.
            notePcDeletion(MainSelKey);
            trans.commit();
        }

        MainListReady = false;
        refreshList();
        Mnu_Delete->setEnabled(false);
        ui::MsgBox(report, ui::vbOKOnly);
    });
}

void frm_Main::Mnu_ReplacePC_Click() {
    ui::guarded([this] {
        if (MainSelKey == 0) return;
        if (!confirmed(QStringLiteral("撤去処理しますか？"))) return;

        const QString answer =
            ui::InputBox(QStringLiteral("撤去日を入力してください(例2005/12/04) "), QStringLiteral("撤去処理"));
        if (!removalDateAccepted(answer)) return;  // refused quietly, Cancel included

        ado::Recordset rs;
        rs.Open("SELECT * FROM tbl_Computer_List WHERE MainKey  = " + QString::number(MainSelKey), gCn(),
                ado::adOpenStatic, ado::adLockOptimistic);
        if (rs.RecordCount() == 0) {
            rs.Close();
            return;
        }
        // One update of the row: it is either left as it was or fully marked.
        rs.Fields("Deleted_Flug") = ado::Value(1);
        rs.Fields("Remove_Date") = ado::Value(answer);
        rs.Update();
        rs.Close();

        refreshList();
        Mnu_ReplacePC->setEnabled(false);
    });
}

void frm_Main::Mnu_View_EXPORT_Click() {
    ui::guarded([this] { (void)fnc_Export_Grid(*MSFlexGrid_Main, CommonDialog1, this); });
}
