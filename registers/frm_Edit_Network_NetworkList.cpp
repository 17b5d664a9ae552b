// The combined network list: the stored snapshot of the PCs in use and the registered units, its
// rebuild (only on the user's refresh), its display and its export.
#include <QString>
#include <iterator>
#include <vector>

#include "core/Mdl_Access_mdb.h"
#include "core/Mdl_Export.h"
#include "platform/db/Ado.h"
#include "platform/text/VbConv.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/FlexGrid.h"
#include "registers/frm_Edit_Network.h"

namespace {

// clang-format off
constexpr int kListColumns = 11;
const char* const kListCaptions[kListColumns] = {
    "No", "設置場所", "ユーザ名", "コンピュータ名", "ワークグループ", "IPアドレス", "Macアドレス",
    "メーカー", "モデル", "タイプ", "シリアル"};
// Column 0 shows the row number, never Key.
const char* const kListFields[kListColumns] = {
    "Key", "Location_Name", "User_Name", "Computer_Name", "WorkGroup", "IPAddress", "MacAddress",
    "Manufacturer_Name", "Model_Name", "Type_Number", "Sereals_Number"};

// The PCs in use whose location, user (with its department and section), maker and model rows all exist.
const char* const kPcQuery =
    "SELECT DISTINCT tbl_Pclist.MainKey, tbl_Pclist.Computer_Name, tbl_Pclist.Workgroup, tbl_Pclist.IPAddress, "
    "tbl_Pclist.IPAddress_16num, tbl_Pclist.MacAddress, tbl_Computer_List.MainKey, tbl_Computer_List.Location_Code, "
    "tbl_Computer_List.User_Code, tbl_Computer_List.Manufacturer_Code, tbl_Computer_List.Model_Code, "
    "tbl_Computer_List.Type_Number, tbl_Computer_List.Sereals_Number, tbl_Computer_List.Update, "
    "tbl_Computer_List.Comment, tbl_Location.Location_Name, tbl_Section.Section_Name, tbl_Division.Division_Name, "
    "tbl_User.User_Name, tbl_Manufacturer.Manufacturer_Name, tbl_Model.Model_Name FROM tbl_Computer_List, "
    "tbl_Pclist, tbl_Section, tbl_Location, tbl_Division, tbl_User, tbl_Manufacturer, tbl_Model WHERE "
    "((tbl_Computer_List.Deleted_Flug = 0) AND ((tbl_Computer_List.Location_Code)=([tbl_Location].[Location_Code])) "
    "AND ((tbl_User.Section_Code)=([tbl_Section].[Section_Code])) AND "
    "((tbl_User.Division_Code)=([tbl_Division].[Division_Code])) AND "
    "((tbl_Computer_List.User_Code)=([tbl_User].[User_Code])) AND "
    "((tbl_Computer_List.Manufacturer_Code)=([tbl_Manufacturer].[Manufacturer_Code])) AND "
    "((tbl_Computer_List.Model_Code)=([tbl_Model].[Model_Code])) AND (tbl_Pclist.MainKey = "
    "tbl_Computer_List.MainKey))ORDER BY IPAddress_16num;";
// clang-format on

// The eleven values of a list row in the insert's column order, by the fields that hold them; only the
// workgroup's name differs between the PC query ("Workgroup") and tbl_NetworkUnit ("WorkGroup").
const char* const kInsertStart =
    "INSERT INTO tbl_NetworkList ([Key], Location_Name, User_Name, Computer_Name, WorkGroup, IPAddress, "
    "IPAddress_16num, Manufacturer_Name, Model_Name, Type_Number, Sereals_Number, MacAddress ) VALUES (";
const char* const kInsertFields[11] = {"Location_Name", "User_Name",       "Computer_Name",     "WorkGroup",
                                       "IPAddress",     "IPAddress_16num", "Manufacturer_Name", "Model_Name",
                                       "Type_Number",   "Sereals_Number",  "MacAddress"};

vb::Error asVbError(const std::exception& e) {
    if (const auto* v = dynamic_cast<const vb::Error*>(&e)) return *v;
    return vb::Error(0, QString::fromStdString(e.what()));
}

// Writes the rows of recordsets into tbl_NetworkList inside the rebuild's transaction: one insert, prepared
// once and bound per row, so a name is stored as it is, an apostrophe or a NUL included.
class ListWriter {
public:
    explicit ListWriter(std::optional<vb::Error>& firstFailure) : m_firstFailure(firstFailure) {
        m_bound = QString::fromLatin1(kInsertStart) + QStringLiteral("?");
        for (int i = 0; i < 11; ++i) m_bound += QStringLiteral(", ?");
        m_bound += QStringLiteral(");");
    }

    // The fields of the recordset whose rows come next, looked up once rather than for every row.
    void startRecordset(ado::Recordset& rs) {
        for (std::size_t i = 0; i < std::size(kInsertFields); ++i)
            m_fields[i] = &rs.Fields(QString::fromLatin1(kInsertFields[i]));
    }

    void write() {
        std::vector<ado::Value> values;
        values.reserve(12);
        values.emplace_back(qint64(m_key));
        for (const ado::Field* field : m_fields) {
            const ado::Value& v = field->valueOnRow();
            const QString* stored = std::get_if<QString>(&v.raw());
            QString text = stored ? *stored : v.isNull() ? QString() : v.toText();
            if (text.isEmpty()) text = QStringLiteral(" ");
            values.emplace_back(std::move(text));
        }
        try {
            // The test hook sees the insert as it would be written out, values in apostrophes.
            gCn().ExecuteBound(m_bound, values, [&] {
                QString sql = QString::fromLatin1(kInsertStart) + QString::number(m_key);
                for (std::size_t i = 1; i < values.size(); ++i)
                    sql += QStringLiteral(", '") + vb::sqlQuote(std::get<QString>(values[i].raw())) + u'\'';
                return sql + QStringLiteral(");");
            });
        } catch (const std::exception& e) {
            // SQLite undoes the whole transaction on some failures (disk full, I/O error, busy); going on
            // would commit every later insert on its own.
            if (!gCn().inTransaction()) throw;
            if (!m_firstFailure) m_firstFailure = asVbError(e);
        }
        // A refused device keeps its number: the next one does not take it. The key is 16 bits: the step
        // after the row keyed 32767 overflows, so a 32,768th device already fails the rebuild.
        m_key = vb::addInt16(m_key, 1);
    }

private:
    std::optional<vb::Error>& m_firstFailure;
    QString m_bound;
    const ado::Field* m_fields[std::size(kInsertFields)] = {};
    qint16 m_key = 0;
};

}  // namespace

std::optional<vb::Error> frm_Edit_Network::fnc_Make_NetworkList() {
    std::optional<vb::Error> firstFailure;
    try {
        // One transaction: a failed rebuild keeps the stored list, and thousands of inserts commit once.
        ado::TransGuard trans(gCn());
        gCn().Execute(QStringLiteral("DELETE  FROM tbl_NetworkList;"));
        ListWriter writer(firstFailure);

        ado::Recordset rs;
        // Both recordsets are only read: read-only ones do not fetch the row ids a write would need.
        rs.Open(QString::fromUtf8(kPcQuery), gCn(), ado::adOpenStatic, ado::adLockReadOnly);
        writer.startRecordset(rs);
        const ado::Field& mainKeyField = rs.Fields(QStringLiteral("tbl_Pclist.MainKey"));
        for (; !rs.EOF(); rs.MoveNext()) {
            // The reserved PC 0 is not listed and takes no number.
            const ado::Value& mainKey = mainKeyField.valueOnRow();
            if (mainKey.isNull() || mainKey.toInt32() <= 0) continue;
            writer.write();
        }
        rs.Close();

        // Every unit, whatever its Deleted_Flug, in the table's own order.
        rs.Open(QStringLiteral("SELECT * FROM tbl_NetworkUnit ;"), gCn(), ado::adOpenStatic, ado::adLockReadOnly);
        writer.startRecordset(rs);
        for (; !rs.EOF(); rs.MoveNext()) writer.write();
        rs.Close();

        trans.commit();
    } catch (const std::exception& e) {
        // The guard has rolled the rebuild back: the list stays as last built.
        if (!firstFailure) firstFailure = asVbError(e);
    }
    return firstFailure;
}

bool frm_Edit_Network::fnc_View_NetworkList() {
    GridColumn columns[kListColumns];
    for (int c = 0; c < kListColumns; ++c) columns[c] = {kListCaptions[c], c == 0 ? 500 : 1500, kListFields[c]};
    return fillGrid(*MSFlexGrid_Network, QStringLiteral("SELECT * FROM tbl_NetworkList ORDER BY IPAddress_16num;"),
                    columns, kListColumns, true);
}

void frm_Edit_Network::Mnu_ViewUpdate_Click() {
    if (ui::MsgBox(QStringLiteral("更新に時間がかかります。リストを更新しますか ?"), ui::vbYesNo | ui::vbQuestion,
                   windowTitle()) != ui::vbYes)
        return;
    const std::optional<vb::Error> failure = fnc_Make_NetworkList();
    (void)fnc_View_NetworkList();
    (void)fnc_View_NClist();
    // A rebuild that lost a device or was rolled back must not report success.
    if (failure)
        ui::ShowStdError(failure->number(), failure->description());
    else
        ui::MsgBox(QStringLiteral("完了"), ui::vbOKOnly);
}

void frm_Edit_Network::Export_CSV_Click() { (void)fnc_Export_Grid(*MSFlexGrid_Network, CommonDialog1, this); }
