// The record commands of the licence assignment window (new, update, delete) and its export.
#include <QDate>
#include <QDateTime>
#include <QLineEdit>

#include "core/Mdl_Access_mdb.h"
#include "core/Mdl_Export.h"
#include "licences/frm_Edit_License.h"
#include "platform/db/Ado.h"
#include "platform/text/VbConv.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/DropDownCombo.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/TextBox.h"

namespace {

const QString kBadLicenceKey = QStringLiteral("ライセンスのKeyが正しくありません。");
const QString kBadComputerKey = QStringLiteral("コンピュータのKeyが正しくありません。");
const QString kGoneLicence =
    QStringLiteral("選択したライセンスは削除されています。一覧を更新して、ライセンスを選択し直してください。");
const QString kGoneComputer =
    QStringLiteral("選択したコンピュータは削除されています。一覧を更新して、コンピュータを選択し直してください。");
const QString kLicenceRow = QStringLiteral("SELECT [Key] FROM tbl_License_Key WHERE [Key] = ");
const QString kComputerRow = QStringLiteral("SELECT MainKey FROM tbl_Computer_List WHERE MainKey = ");

// Update leaves a column alone when its input is empty or the blank entry of a combo.
bool given(const QString& text) { return !text.isEmpty() && text != QLatin1String(" "); }

QDateTime today() { return QDateTime(QDate::currentDate(), QTime(0, 0)); }

// A text typed into a statement literal: apostrophes doubled, the text stored as typed.
QString literal(const QString& text) { return QLatin1Char('\'') + vb::sqlQuote(text) + QLatin1Char('\''); }

}  // namespace

std::optional<qint16> frm_Edit_License::checkedKey(const QString& text, const QString& query, const QString& refusal) {
    bool ok = true;
    qint16 number = 0;
    try {
        number = vb::CIntWhole(text);
    } catch (const vb::Error&) {
        ok = false;
    }
    if (ok) {
        ado::Recordset rs;
        rs.Open(query + QString::number(number), gCn(), ado::adOpenStatic, ado::adLockOptimistic);
        ok = rs.RecordCount() > 0;
        rs.Close();
    }
    if (!ok) {
        ui::MsgBox(refusal, ui::vbOKOnly | ui::vbExclamation, ui::kAppTitle);
        return std::nullopt;
    }
    return number;
}

void frm_Edit_License::noteKeyRead(std::optional<KeyRead>& read, const ui::TextBox* box, quint64 mark) {
    read = KeyRead{box->text(), mark};
}

std::optional<quint64> frm_Edit_License::readMark(const std::optional<KeyRead>& read, const ui::TextBox* box) {
    if (!read || read->text != box->text()) return std::nullopt;
    return read->mark;
}

void frm_Edit_License::Mnu_AddRecord_Click() {
    ui::guarded([&] {
        if (tbx_LicenseKey->text().isEmpty() || tbx_ComputerKey->text().isEmpty()) return;
        // Keys are written as numbers, and only keys of rows that exist: an assignment no list would show is
        // never made.
        const std::optional<qint16> licence = checkedKey(tbx_LicenseKey->text(), kLicenceRow, kBadLicenceKey);
        if (!licence) return;
        // A row found for a key read before its row was deleted is the next one given that key. Nothing from
        // here to the insert waits for the user, so no delete comes between.
        if (const std::optional<quint64> mark = readMark(m_LicenceKeyRead, tbx_LicenseKey);
            mark && deletedSince(KeyedRows::LicenceStock, *licence, *mark)) {
            ui::MsgBox(kGoneLicence, ui::vbOKOnly | ui::vbExclamation, ui::kAppTitle);
            return;
        }
        const std::optional<qint16> computer = checkedKey(tbx_ComputerKey->text(), kComputerRow, kBadComputerKey);
        if (!computer) return;
        if (const std::optional<quint64> mark = readMark(m_ComputerKeyRead, tbx_ComputerKey);
            mark && pcDeletedSince(*computer, *mark)) {
            ui::MsgBox(kGoneComputer, ui::vbOKOnly | ui::vbExclamation, ui::kAppTitle);
            return;
        }

        qint16 key = 1;
        {
            ado::Recordset rs;
            rs.Open(QStringLiteral("SELECT * FROM tbl_License_Dat"), gCn(), ado::adOpenStatic, ado::adLockOptimistic);
            const qint16 count = vb::toInt16(rs.RecordCount());
            rs.Close();
            if (count != 0) {
                rs.Open(QStringLiteral("SELECT MAX( [Key] ) FROM tbl_License_Dat;"), gCn(), ado::adOpenStatic,
                        ado::adLockOptimistic);
                const qint16 highest = rs.Fields(0).value().toInt16();
                rs.Close();
                key = vb::addInt16(highest, 1);
            }
        }
        // The column holds 16-bit whole prices, as Update does: a price that is no whole number ("1.5" as "abc")
        // or out of range stops here.
        const QString priceText = tbx_Purchase_Price->text();
        const qint16 price = priceText.isEmpty() ? qint16(0) : vb::CIntWhole(priceText);
        const QString comment = tbx_Comment->Text().left(50);

        const QString sql =
            QStringLiteral(
                "INSERT INTO tbl_License_Dat ( [Key], Application_Code, Computer_Code, ProductID, Licence_No, "
                "Install_Key, Payment_Type, Asset_Type, Purchase_Price, Comment, [Update] ) VALUES ( ") +
            QString::number(key) + QStringLiteral(", ") + QString::number(*licence) + QStringLiteral(", ") +
            QString::number(*computer) + QStringLiteral(", ") + literal(tbx_ProductID->text()) + QStringLiteral(", ") +
            literal(tbx_Licence_No->text()) + QStringLiteral(", ") + literal(tbx_Install_Key->text()) +
            QStringLiteral(", ") + literal(cmb_Payment_Type->currentText()) + QStringLiteral(", ") +
            literal(cmb_AssetType->currentText()) + QStringLiteral(", ") + QString::number(price) +
            QStringLiteral(", ") + literal(comment) + QStringLiteral(", ") +
            literal(vb::Format(today(), QStringLiteral("Short Date"))) + QStringLiteral(" );");
        {
            ado::TransGuard trans(gCn());
            gCn().Execute(sql);
            trans.commit();
        }

        (void)fnc_View_LicenseList();
        fnc_Clear_Form();
        setRecordCommands(false, false, false);
    });
}

void frm_Edit_License::Mnu_Update_Click() {
    ui::guarded([&] {
        if (CurRow == 0) return;
        ui::FlexGrid& grid = *FGrid_EditLicense;
        grid.setRow(CurRow);
        grid.setCol(0);
        const qint16 key = vb::CInt(grid.Text());

        if (key != 0) {
            // Every input is checked before the row is touched: a refusal writes nothing.
            std::optional<qint16> computer;
            if (!tbx_ComputerKey->text().isEmpty()) {
                computer = checkedKey(tbx_ComputerKey->text(), kComputerRow, kBadComputerKey);
                if (!computer) return;
            }
            std::optional<qint16> licence;
            if (!tbx_LicenseKey->text().isEmpty()) {
                licence = checkedKey(tbx_LicenseKey->text(), kLicenceRow, kBadLicenceKey);
                if (!licence) return;
            }
            const QString priceText = tbx_Purchase_Price->text();
            std::optional<qint16> price;
            if (given(priceText)) price = vb::CIntWhole(priceText);
            const QString comment = tbx_Comment->Text();

            ado::Recordset rs;
            rs.Open(QStringLiteral("SELECT * FROM tbl_License_Dat WHERE Key  = ") + QString::number(key), gCn(),
                    ado::adOpenStatic, ado::adLockOptimistic);
            // An assignment deleted meanwhile (with its PC, by the main window) is not written back.
            if (rs.RecordCount() > 0) {
                if (computer) rs.Fields(QStringLiteral("Computer_Code")) = ado::Value(int(*computer));
                if (licence) rs.Fields(QStringLiteral("Application_Code")) = ado::Value(int(*licence));
                rs.Fields(QStringLiteral("ProductID")) = ado::Value(tbx_ProductID->text());
                const std::pair<const char*, QString> texts[] = {
                    {"Licence_No", tbx_Licence_No->text()},
                    {"Install_Key", tbx_Install_Key->text()},
                    {"Payment_Type", cmb_Payment_Type->currentText()},
                    {"Asset_Type", cmb_AssetType->currentText()},
                };
                for (const auto& [field, text] : texts)
                    if (given(text)) rs.Fields(QString::fromUtf8(field)) = ado::Value(text);
                if (price) rs.Fields(QStringLiteral("Purchase_Price")) = ado::Value(int(*price));
                if (given(comment)) rs.Fields(QStringLiteral("Comment")) = ado::Value(comment.left(49));
                rs.Fields(QStringLiteral("Update")) = ado::Value(today());
                rs.Update();
            }
            rs.Close();
        }
        ListLoaded = true;

        (void)fnc_View_LicenseList();
        fnc_Reset_SelectRow();
        tbx_ComputerKey->setText(QString());
        tbx_ComputerName->setText(QString());
        setRecordCommands(false, false, false);
        for (ui::DropDownCombo* box : {cmb_AssetType, cmb_Payment_Type}) box->setText(QString());
    });
}

void frm_Edit_License::Mnu_DeleteRecord_Click() {
    ui::guarded([&] {
        if (ui::MsgBox(QStringLiteral("削除しますか？"), ui::vbYesNo | ui::vbQuestion, QStringLiteral("確認")) !=
            ui::vbYes)
            return;
        if (CurRow < 1) return;
        ui::FlexGrid& grid = *FGrid_EditLicense;
        grid.setRow(CurRow);
        grid.setCol(0);
        if (grid.Text().isEmpty()) return;
        const qint16 key = vb::CInt(grid.Text());
        {
            ado::TransGuard trans(gCn());
            gCn().Execute(QStringLiteral("DELETE * FROM tbl_License_Dat WHERE Key= ") + QString::number(key) +
                          QStringLiteral(";"));
            trans.commit();
        }

        grid.Clear();
        (void)fnc_View_LicenseList();
        PrevRow = 1;
        CurRow = 0;
        setRecordCommands(false, false, false);
        fnc_Clear_Form();
    });
}

void frm_Edit_License::Mnu_Export_Click() {
    ui::guarded([&] { (void)fnc_Export_Grid(*FGrid_EditLicense, CommonDialog1, this); });
}
