// Loading a PC: the load step, the profile boxes with the CPU features and Internet settings, the user
// and master rows, the user list, and emptying the boxes before another PC is loaded.
#include "pc_record/frm_Edit_Computer.h"

#include <QLabel>

#include "core/Mdl_Access_mdb.h"
#include "core/Mdl_gData.h"
#include "pc_record/EditComputerLoad.h"
#include "pc_record/EditComputerTables.h"
#include "platform/db/Ado.h"
#include "platform/text/VbConv.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/Colors.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/DropDownCombo.h"
#include "platform/ui/ListBox.h"
#include "platform/ui/StatusBar.h"
#include "platform/ui/TabStrip.h"
#include "platform/ui/TextBox.h"

using namespace pcrecord;

namespace pcrecord {

QString joinedPcQuery(qint16 key) {
    return QStringLiteral(
               "SELECT DISTINCT tbl_Pclist.*, tbl_Computer_List.*, tbl_Location.Location_Name, "
               "tbl_Section.Section_Name, tbl_Division.Division_Name, tbl_User.User_Name, "
               "tbl_Manufacturer.Manufacturer_Name, tbl_Model.Model_Name FROM tbl_Computer_List, tbl_Pclist, "
               "tbl_Section, tbl_Location, tbl_Division, tbl_User, tbl_Manufacturer, tbl_Model WHERE "
               "(((tbl_Computer_List.Location_Code)=([tbl_Location].[Location_Code])) AND "
               "((tbl_User.Section_Code)=([tbl_Section].[Section_Code])) AND "
               "((tbl_User.Division_Code)=([tbl_Division].[Division_Code])) AND "
               "((tbl_Computer_List.User_Code)=([tbl_User].[User_Code])) AND "
               "((tbl_Computer_List.Manufacturer_Code)=([tbl_Manufacturer].[Manufacturer_Code])) AND "
               "((tbl_Computer_List.Model_Code)=([tbl_Model].[Model_Code])) AND (tbl_Computer_List.MainKey=") +
           QString::number(key) + QStringLiteral(") AND (tbl_Pclist.MainKey = tbl_Computer_List.MainKey));");
}

QString existsPcQuery(qint16 key) {
    return QStringLiteral("SELECT tbl_Computer_List.MainKey FROM tbl_Computer_List  WHERE (MainKey = ") +
           QString::number(key) + QStringLiteral(");");
}

bool equalsOne(const ado::Value& v) {
    if (v.isNull() || v.isDate()) return false;
    if (v.isNumber()) return v.toDouble() == 1;
    // A flag stored as text: '1' counts, and so does any text that reads as the number 1; a text that is
    // no number (the empty text of a PC created by hand, for one) counts as not set.
    const QString text = v.toText();
    return vb::IsNumeric(text) && vb::CDbl(text) == 1;
}

}  // namespace pcrecord

namespace {

// The name boxes of the user show one blank where the name is missing.
QString nameOrBlank(const ado::Value& v) {
    const QString text = v.toTextOrEmpty();
    return text.isEmpty() ? QStringLiteral(" ") : text;
}

void setTextColour(QLabel* label, quint32 bgr) {
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, ui::vbColor(bgr));
    label->setPalette(p);
}

}  // namespace

void frm_Edit_Computer::Form_Load() {
    setWidth(12000);
    setHeight(8500);
    setTop(gFormTop);
    setLeft(gFormLeft);

    for (int i = 0; i < kDatCount; ++i)
        DatField[std::size_t(i)] = {QString::fromUtf8(kDatFields[std::size_t(i)].caption),
                                    QString::fromUtf8(kDatFields[std::size_t(i)].fieldName)};
    for (int i = 0; i < kCpuFeatureCount; ++i) {
        const CpuFeatureEntry& f = kCpuFeatures[std::size_t(i)];
        CpuFeature[std::size_t(i)] = {QString::fromUtf8(f.abbrev), QString::fromUtf8(f.description),
                                      QString::fromUtf8(f.fieldName)};
    }
    for (int i = 0; i < kDriveCount; ++i) {
        const DriveEntry& d = kDrives[std::size_t(i)];
        Chk_Drive[std::size_t(i)]->setText(QString::fromUtf8(d.flagCaption));
        DriveCaption[std::size_t(i)] = QString::fromUtf8(d.caption);
        DriveField[std::size_t(i)] = QString::fromUtf8(d.field);
        DriveUnitField[std::size_t(i)] = QString::fromUtf8(d.unitField);
        DriveFlagField[std::size_t(i)] = QString::fromUtf8(d.flagField);
    }

    ShownMainKey = gSelMainKey;
    ShownRow = gSelRow;
    m_loadedMark = deletionMark();
    fnc_View_Belongs(ShownMainKey);
    fnc_View_UserList();
    showPage(1);
    fnc_View_Computer(ShownMainKey);
    viewSelectedList(ShownMainKey);
    fnc_View_Drive(ShownMainKey);
    tbx_PC_Numbers->setText(QString::number(gRowCount));
    tbx_Key->setText(QString::number(ShownRow));
}

bool frm_Edit_Computer::fnc_View_Computer(qint16 key) {
    m_computerShown = false;
    ado::Recordset rs;
    try {
        rs.Open(joinedPcQuery(key), gCn(), ado::adOpenStatic, ado::adLockOptimistic);
        if (rs.RecordCount() == 0) {
            rs.Close();
            return false;
        }
        for (int i = 0; i < kCpuFeatureCount; ++i) {
            const CpuFeatureDef& f = CpuFeature[std::size_t(i)];
            ChkBox[std::size_t(i)]->setValue(ui::vbUnchecked);
            QLabel* label = lbr_CPU_Feature[std::size_t(i)];
            label->setText(f.Abbrev);
            label->setToolTip(f.Description);
            label->resize(ui::px(900), label->height());
            if (equalsOne(rs.Fields(f.FieldName).value())) ChkBox[std::size_t(i)]->setValue(ui::vbChecked);
        }
        for (int i = 0; i < kDatCount; ++i) {
            const DatFieldDef& d = DatField[std::size_t(i)];
            tbx_Dat[std::size_t(i)]->setText(QString());
            const ado::Value v = rs.Fields(d.FieldName).value();
            if (!v.isNull()) tbx_Dat[std::size_t(i)]->setText(v.toText());
            lbr_dat[std::size_t(i)]->setText(d.Caption);
        }
        for (int i = 0; i < kIeSettingCount; ++i) {
            const bool on = equalsOne(rs.Fields(QString::fromUtf8(kIeSettings[std::size_t(i)].field)).value());
            setTextColour(IE_Env[std::size_t(i)], on ? 0x000000 : 0x808080);
        }
        rs.Close();
        m_computerShown = key == ShownMainKey;
        return true;
    } catch (const std::exception& e) {
        ui::ShowStdError(e);
        rs.Close();
        return false;
    }
}

void frm_Edit_Computer::fnc_View_Belongs(qint16 key) {
    m_belongsShown = false;
    if (!fnc_Exists_Record(existsPcQuery(key))) return;
    ado::Recordset rs;
    try {
        rs.Open(joinedPcQuery(key), gCn(), ado::adOpenStatic, ado::adLockOptimistic);
        if (rs.RecordCount() == 0) {
            rs.Close();
            return;
        }
        for (int i = 3; i <= 5; ++i) {
            const MasterTableDef& m = gMasterTable[std::size_t(i)];
            const ado::Value code = rs.Fields(m.CodeField).value();
            if (code.isNull() || code.toText().isEmpty()) continue;
            cmb_Dat[std::size_t(i)]->setEditText(rs.Fields(m.NameField).value().toTextOrEmpty());
            tbx_CmbKey[std::size_t(i)]->setText(code.toText());
        }
        tbx_User->setText(nameOrBlank(rs.Fields(QStringLiteral("User_Name")).value()));
        tbx_UserCode->setText(nameOrBlank(rs.Fields(QStringLiteral("User_Code")).value()));
        tbx_Section->setText(nameOrBlank(rs.Fields(QStringLiteral("Section_Name")).value()));
        tbx_Division->setText(nameOrBlank(rs.Fields(QStringLiteral("Division_Name")).value()));
        rs.Close();
        m_belongsShown = key == ShownMainKey;
    } catch (const std::exception& e) {
        ui::ShowStdError(e);
        rs.Close();
    }
}

bool frm_Edit_Computer::fnc_View_UserList() {
    ado::Recordset rs;
    try {
        rs.Open(QStringLiteral("SELECT * FROM tbl_User  WHERE ((tbl_User.Available_flug)='0') ORDER BY  kana,  "
                               "User_Name;"),
                gCn(), ado::adOpenStatic, ado::adLockOptimistic);
        if (rs.RecordCount() == 0) {
            rs.Close();
            return false;
        }
        for (rs.MoveFirst(); !rs.EOF(); rs.MoveNext()) {
            const ado::Value code = rs.Fields(QStringLiteral("User_Code")).value();
            if (code.isNull()) continue;
            const ado::Value name = rs.Fields(QStringLiteral("User_Name")).value();
            List_User->AddItem(name.isNull() ? QStringLiteral(" ") : name.toText(), code.toInt32());
        }
        rs.Close();
        return true;
    } catch (const std::exception& e) {
        ui::ShowStdError(e);
        rs.Close();
        return false;
    }
}

void frm_Edit_Computer::fnc_Clear_Form() {
    for (ui::TextBox* box : tbx_Dat) box->setText(QString());
    for (int i = 3; i <= 5; ++i) {
        cmb_Dat[std::size_t(i)]->setEditText(QString());
        tbx_CmbKey[std::size_t(i)]->setText(QString());
    }
    tbx_Division->setText(QString());
    tbx_Section->setText(QString());
    tbx_UserCode->setText(QString());
    tbx_User->setText(QString());
    StatusBar1->setPanelText(1, QString());
    for (ui::CheckBox* box : Chk_Drive) box->setValue(ui::vbUnchecked);
    m_belongsShown = m_computerShown = m_driveShown = false;
}
