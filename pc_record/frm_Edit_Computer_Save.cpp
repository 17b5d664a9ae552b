// The save: compares what the window shows with the PC's two stored rows, field group by field group,
// lists every change, shows the list and writes both rows in one update.
#include <QLabel>
#include <optional>

#include "core/Mdl_Access_mdb.h"
#include "core/Mdl_IP.h"
#include "core/Mdl_Sub.h"
#include "core/Mdl_gData.h"
#include "pc_record/EditComputerLoad.h"
#include "pc_record/EditComputerTables.h"
#include "pc_record/frm_Edit_Computer.h"
#include "platform/db/Ado.h"
#include "platform/text/VbConv.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/DropDownCombo.h"
#include "platform/ui/TextBox.h"

using namespace pcrecord;

namespace {

constexpr int kLeasingStart = 47;
constexpr int kLeasingEnd = 48;

// A stored flag as a number: Null is none; a text that is no number (the empty text, say) counts as 0,
// as the editor shows it unchecked.
std::optional<double> flagNumber(const ado::Value& v) {
    if (v.isNull()) return std::nullopt;
    if (v.isNumber()) return v.toDouble();
    const QString text = v.toTextOrEmpty();
    return vb::IsNumeric(text) ? vb::CDbl(text) : 0.0;
}
bool storedEquals(const ado::Value& v, double n) {
    const auto number = flagNumber(v);
    return number && *number == n;
}

}  // namespace

void frm_Edit_Computer::Mnu_Update_Click() {
    ado::Recordset rs;
    try {
        const QString sql =
            QStringLiteral("SELECT ") + QStringLiteral("tbl_Pclist.*, ") + QStringLiteral("tbl_Computer_List.* ") +
            QStringLiteral("FROM ") + QStringLiteral("tbl_Pclist, ") + QStringLiteral("tbl_Computer_List ") +
            QStringLiteral(" WHERE (") + QStringLiteral("((tbl_Pclist.MainKey = tbl_Computer_List.MainKey))") +
            QStringLiteral(" AND ") + QStringLiteral("((tbl_Computer_List.MainKey)= ") + QString::number(ShownMainKey) +
            QStringLiteral(")") + QStringLiteral(");");
        rs.Open(sql, gCn(), ado::adOpenStatic, ado::adLockOptimistic, ado::adCmdUnspecified);
        if (rs.RecordCount() < 1) {
            rs.Close();
            return;
        }
        // The PC loaded was deleted, and the row found is the next PC given its key: the boxes are not its.
        // Asked before anything is assigned; the change list's box is modal, so no delete comes between.
        if (pcDeletedSince(ShownMainKey, m_loadedMark)) {
            rs.Close();
            ui::MsgBox(QStringLiteral("表示中のPCは削除されているため、更新しませんでした。"), ui::vbOKOnly,
                       QStringLiteral("Vondari"));
            return;
        }
        // Boxes a load did not fill (a PC lacking a master or user row, a database error, a step that
        // cleared them) would write blanks or the previous PC's values over this one.
        if (!(m_belongsShown && m_computerShown && m_driveShown)) {
            rs.Close();
            ui::MsgBox(QStringLiteral("PCのデータを読み込めなかったため、更新しませんでした。"), ui::vbOKOnly,
                       QStringLiteral("Vondari"));
            return;
        }

        const QString crlf = QStringLiteral("\r\n");
        const QString wo = QStringLiteral(" を ");
        const QString ni = QStringLiteral(" に ");
        const QString on = QStringLiteral("有効");
        const QString off = QStringLiteral("無効");
        QString list;
        auto line = [&](const QString& label, const QString& value) { list += label + wo + value + ni + crlf; };

        // 1: drive flags.
        for (int i = 0; i < kDriveCount; ++i) {
            ado::Field& field = rs.Fields(DriveFlagField[std::size_t(i)]);
            const ado::Value stored = field.value();
            const int box = Chk_Drive[std::size_t(i)]->Value();
            const QString caption = Chk_Drive[std::size_t(i)]->text();
            if (box == ui::vbChecked && (storedEquals(stored, 0) || stored.isNull())) {
                field = ado::Value(1);
                list += caption + wo + on + QStringLiteral(" ") + ni + crlf;
            } else if (box == ui::vbUnchecked && storedEquals(stored, 1)) {
                field = ado::Value(0);
                list += caption + wo + off + QStringLiteral(" ") + ni + crlf;
            }
        }

        // 2: master codes.
        for (int i = 3; i <= 5; ++i) {
            const MasterTableDef& m = gMasterTable[std::size_t(i)];
            const QString box = tbx_CmbKey[std::size_t(i)]->text();
            ado::Field& field = rs.Fields(m.CodeField);
            const ado::Value stored = field.value();
            if (box.isEmpty() || stored.isNull() || stored.toText() == box) continue;
            field = ado::Value(box);
            list += m.CodeField + wo + box + QStringLiteral(" ") + cmb_Dat[std::size_t(i)]->currentText() + ni + crlf;
        }

        // 3: the IP key of an address whose key box is empty.
        if (tbx_Dat[27]->text().isEmpty() && !tbx_Dat[2]->text().isEmpty()) {
            const QString key = fnc_IP_To_Hex(tbx_Dat[2]->text());
            rs.Fields(QStringLiteral("IPAddress_16num")) = ado::Value(key);
            tbx_Dat[27]->setText(key);
            line(QStringLiteral("IP Address"), key);
        }

        // 4: the data boxes. A box holding exactly "0" is neither compared nor written: it is what a date
        // box shows after an invalid date replaced an empty text, and no date.
        const QString zero = QStringLiteral("0");
        const QString emptied = QStringLiteral("空欄");
        for (int i = 0; i < kDatCount; ++i) {
            const DatFieldDef& d = DatField[std::size_t(i)];
            ado::Field& field = rs.Fields(d.FieldName);
            const ado::Value stored = field.value();
            const QString storedText = stored.toTextOrEmpty();
            const QString text = tbx_Dat[std::size_t(i)]->text();
            if (text.isEmpty()) {
                if (!stored.isNull() && !storedText.isEmpty()) {
                    field = ado::Value();
                    line(d.Caption, emptied);
                }
                continue;
            }
            if (i == kLeasingStart || i == kLeasingEnd) {
                if (text != zero && storedText != text) {
                    field = ado::Value(vb::CDate(text));
                    line(d.Caption, text);
                }
                continue;
            }
            if (text != zero && storedText != text) {
                field = ado::Value(text);
                line(d.Caption, text);
            }
            // The key box follows the record's address as it stands now, changed or not.
            const ado::Value address = rs.Fields(QStringLiteral("IPAddress")).value();
            if (!address.isNull() && !address.toText().isEmpty()) tbx_Dat[27]->setText(fnc_IP_To_Hex(address.toText()));
        }

        // 5: the user.
        {
            const QString box = tbx_UserCode->text();
            ado::Field& field = rs.Fields(QStringLiteral("User_Code"));
            const ado::Value stored = field.value();
            if (!box.isEmpty() && !stored.isNull() && stored.toText() != box) {
                field = ado::Value(box);
                list += QStringLiteral("ユーザ名") + wo + box + QStringLiteral(" ") + tbx_User->text() + ni + crlf;
            }
        }

        // 6: CPU features; a stored Null stays.
        for (int i = 0; i < kCpuFeatureCount; ++i) {
            const CpuFeatureDef& f = CpuFeature[std::size_t(i)];
            ado::Field& field = rs.Fields(f.FieldName);
            const ado::Value stored = field.value();
            const int box = ChkBox[std::size_t(i)]->Value();
            const QString label = QStringLiteral("CPU スペック") + f.Abbrev;
            if (box == ui::vbChecked && storedEquals(stored, 0)) {
                field = ado::Value(1);
                line(label, on);
            } else if (box == ui::vbUnchecked && storedEquals(stored, 1)) {
                field = ado::Value(0);
                line(label, off);
            }
        }

        // 7: sizes, the digits of the shown text. A size never stored counts as none: 0 leaves it Null.
        for (int i = 0; i < kDriveCount; ++i) {
            const qint32 n = fnc_Get_Numeric(tbx_Drive[std::size_t(i)]->text());
            ado::Field& field = rs.Fields(DriveField[std::size_t(i)]);
            const ado::Value stored = field.value();
            if (stored.isNull() ? n == 0 : stored.toInt32() == n) continue;
            field = ado::Value(n);
            line(DriveCaption[std::size_t(i)], QString::number(n));
        }

        if (!list.isEmpty()) {
            list += QStringLiteral("変更しました。");
            ui::MsgBox(list, ui::vbOKOnly);
            rs.Update();
        }
        rs.Close();
    } catch (const std::exception& e) {
        ui::ShowStdError(e);
        rs.Close();  // discards what was assigned: nothing of this save is written
    }
}
