// The overwrite: the grid's incoming column over the chosen PC's profile, then the PC's four lists
// replaced by the staged file's, all in one transaction.
#include "core/Mdl_Access_mdb.h"
#include "core/Mdl_ReadCsv.h"
#include "inventory_compare/frm_Inport.h"
#include "platform/db/Ado.h"
#include "platform/text/VbConv.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/TextBox.h"

namespace {

struct ListCopy {
    const char* table;
    qint16 layout;
    const char* select;
    const char* insert;
};

// clang-format off
const ListCopy kListCopies[] = {
    {"tbl_ApplicationsList", 5, "SELECT * FROM tbl_ReadCsv WHERE (Group = 'Soft' AND Item = 'Application')",
     "INSERT INTO tbl_ApplicationsList ( [Update], Application_Name, Application_Version, Application_Path, [Key] ) VALUES("},
    {"tbl_Device_Management", 6, "SELECT * FROM tbl_ReadCsv WHERE (Group = 'Device')",
     "INSERT INTO tbl_Device_Management ( [Update], Device_Category, Device_Name, Device_Provider, Device_Version, [Key] ) VALUES("},
    {"tbl_Printer_Management", 7, "SELECT * FROM tbl_ReadCsv WHERE (Group = 'Hard' AND Item = 'Printer')",
     "INSERT INTO tbl_Printer_Management ( [Update], Printer_Name, PrinterPorts_Name, [Key] ) VALUES("},
    {"tbl_Environmental", 8, "SELECT * FROM tbl_ReadCsv WHERE (Group = 'Environmental')",
     "INSERT INTO tbl_Environmental ( [Update], Environmental_Name, Environmental_Path, [Key] ) VALUES("},
};
// clang-format on

// The lists are emptied in this order, before any is filled again.
const char* const kListDeletes[] = {"tbl_ApplicationsList", "tbl_Device_Management", "tbl_Environmental",
                                    "tbl_Printer_Management"};

const QString kCaption = QStringLiteral("CSVインポート");

// Runs one row statement; false when the database refused it for its value. Any other failure raises.
bool runRow(const QString& statement) {
    try {
        gCn().Execute(statement);
        return true;
    } catch (const std::exception& e) {
        if (!isValueRefusal(e)) throw;
        return false;
    }
}

}  // namespace

std::vector<ado::Value> frm_Inport::storedIdentity(qint16 mainKey) {
    const QString key = QString::number(mainKey);
    ado::Recordset rs;
    rs.Open(
        "SELECT tbl_Pclist.Computer_Name, tbl_Pclist.[Update], tbl_Computer_List.[Update] FROM tbl_Pclist, "
        "tbl_Computer_List WHERE tbl_Pclist.MainKey = " +
            key + " AND tbl_Computer_List.MainKey = " + key,
        gCn(), ado::adOpenStatic, ado::adLockReadOnly);
    std::vector<ado::Value> identity;
    if (rs.RecordCount() != 0) identity = {rs.Fields(0).value(), rs.Fields(1).value(), rs.Fields(2).value()};
    rs.Close();
    return identity;
}

QString frm_Inport::overwriteRefusal(qint16 mainKey) {
    // First: the other boxes ask for a read or a pick, and after either the PC under this key would be
    // written, whichever it is.
    if (pcDeletedSince(mainKey, m_ListedMark))
        return QStringLiteral("選択したPCは削除されています。画面を開き直して、PCを選択し直してください。");
    // Lists written under a key that lost its PC rows would be inherited by the next PC given that key.
    const std::vector<ado::Value> identity = storedIdentity(mainKey);
    if (identity.empty()) return QStringLiteral("選択したPCはデータベースにありません。");
    // Deleted and made again behind the program's back, or changed meanwhile: the grid's stored side is
    // not the PC's.
    if (identity != m_PickedIdentity)
        return QStringLiteral("選択したPCは選択した後に削除または変更されています。PCを選択し直してください。");
    // Without a read since the pick the incoming column is empty; after another read (here or in the
    // reading window) tbl_ReadCsv holds another machine's lists.
    if (!m_ReadSincePick) return QStringLiteral("CSVファイルを読み込んでください。");
    if (m_ReadStaging != readcsv::stagingCount()) return QStringLiteral("CSVファイルを読み込み直してください。");
    return {};
}

void frm_Inport::Mnu_DBUpdate_Click() {
    const int lastRow = MSFlexGrid1->Rows() - 1;
    if (tbx_ComputerKey->text().isEmpty() || lastRow <= 0) return;
    const qint16 mainKey = vb::CInt(tbx_ComputerKey->text());

    // Asked here to spare the question; the answer that counts is the one under the transaction below.
    QString refusal;
    try {
        refusal = overwriteRefusal(mainKey);
    } catch (const std::exception& e) {
        ui::ShowStdError(e);
        return;
    }
    if (!refusal.isEmpty()) {
        ui::MsgBox(refusal, ui::vbOKOnly, kCaption);
        return;
    }
    if (ui::MsgBox(QStringLiteral("DBを更新しますか ?"), ui::vbYesNo | ui::vbQuestion, kCaption) != ui::vbYes) return;

    // One transaction: a PC is never left half old, half new. A value the database refuses is left out
    // and named afterwards; anything else (a read-only or locked database) undoes the whole command.
    QStringList notWritten;
    try {
        ado::TransGuard trans(gCn());
        // Under the transaction's write lock and before the first write, so that nothing can come between
        // the answer and the writes.
        refusal = overwriteRefusal(mainKey);
        if (refusal.isEmpty()) {
            notWritten = writeGridAndLists(mainKey);
            // The PC as this overwrite left it is still the one picked: a second overwrite may follow.
            std::vector<ado::Value> written = storedIdentity(mainKey);
            trans.commit();
            m_PickedIdentity = std::move(written);
        }
    } catch (const std::exception& e) {
        ui::ShowStdError(e);
        return;
    }
    if (!refusal.isEmpty()) {
        ui::MsgBox(refusal, ui::vbOKOnly, kCaption);  // the transaction is rolled back: nothing was written
        return;
    }

    if (notWritten.isEmpty()) {
        ui::MsgBox(QStringLiteral("完了しました"), ui::vbOKOnly, ui::kAppTitle);
    } else {
        ui::MsgBox(QStringLiteral("次の項目は書き込めませんでした。") + QStringLiteral("\r\n") +
                       notWritten.join(QStringLiteral("\r\n")),
                   ui::vbOKOnly | ui::vbExclamation, ui::kAppTitle);
    }
}

QStringList frm_Inport::writeGridAndLists(qint16 mainKey) {
    ui::FlexGrid& g = *MSFlexGrid1;
    const int lastRow = g.Rows() - 1;
    const QString key = QString::number(mainKey);
    QStringList notWritten;
    for (int r = 1; r <= lastRow; ++r) {
        g.setRow(r);
        g.setCol(2);
        const QString column = g.Text();
        g.setCol(4);
        const QString value = g.Text();
        if (column.isEmpty()) continue;
        bool integerColumn = false;
        if (!compare::isFixedFormColumn(column))
            integerColumn = fnc_Get_FieldType("SELECT " + column + " FROM tbl_Pclist") == QStringLiteral("数値");
        // A NUL from a damaged file, or typed text an integer row cannot hold, is left out and named, as
        // a value the database refuses is.
        if (compare::rowRefused(column, value, integerColumn, m_TypedRows.contains(r))) {
            notWritten << QStringLiteral("No %1 %2").arg(r).arg(column);
            continue;
        }
        const QString statement = compare::rowStatement(column, value, key, integerColumn);
        if (statement.isEmpty()) continue;
        if (!runRow(statement)) notWritten << QStringLiteral("No %1 %2").arg(r).arg(column);
    }
    for (const char* table : kListDeletes) {
        const QString name = QString::fromLatin1(table);
        gCn().Execute("DELETE  FROM " + name + " WHERE " + name + ".Key = " + key + ";");
    }
    for (const ListCopy& list : kListCopies) {
        if (fnc_Insert_FromReadCsv_Counted(QString::fromUtf8(list.select), QString::fromUtf8(list.insert), key,
                                           list.layout) > 0)
            notWritten << QString::fromLatin1(list.table);
    }
    return notWritten;
}
