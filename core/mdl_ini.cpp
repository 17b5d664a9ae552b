#include "core/mdl_ini.h"

#include <exception>

#include "core/Mdl_gData.h"
#include "platform/base/AppPath.h"
#include "platform/base/VbError.h"
#include "platform/text/ProfileFile.h"
#include "platform/text/VbConv.h"
#include "platform/ui/Dialogs.h"

namespace {

const QString kIniFailed = QStringLiteral("iniファイル書き込み失敗");

int g_scopeDepth = 0;
bool g_scopeFailed = false;

QString iniPath() { return vb::appFile(QStringLiteral("DB.ini")); }

void showIniFailed() { ui::MsgBox(kIniFailed, ui::vbOKOnly); }

// A refused write: once per command inside a scope, once per write outside.
void reportRefusedWrite() {
    if (g_scopeDepth > 0) {
        if (g_scopeFailed) return;
        g_scopeFailed = true;
    }
    showIniFailed();
}

}  // namespace

IniCommandScope::IniCommandScope() {
    if (g_scopeDepth++ == 0) g_scopeFailed = false;
}

IniCommandScope::~IniCommandScope() {
    if (--g_scopeDepth == 0) g_scopeFailed = false;
}

bool IniCommandScope::failed() { return g_scopeFailed; }

QString fnc_Get_Ini(const QString& section, const QString& key) {
    try {
        return profile::getString(section, key, QString(), iniPath(), 256);
    } catch (const std::exception&) {
        showIniFailed();
        return QString();
    }
}

qint32 fnc_Set_Ini(const QString& section, const std::optional<QString>& key, const std::optional<QString>& value) {
    try {
        const std::optional<QString> trimmed = value ? std::optional<QString>(vb::Trim(*value)) : std::nullopt;
        if (profile::writeString(section, key, trimmed, iniPath())) return 1;
        reportRefusedWrite();
        return 0;
    } catch (const std::exception&) {
        showIniFailed();
        return 0;
    }
}

void fnc_Read_ViewSetting() {
    const QString section = QString::number(gSectionNumber);
    QString v;

    v = fnc_Get_Ini(section, QStringLiteral("OptDel"));
    gOptDel = v.isEmpty() ? qint16(0) : vb::CInt(v);
    v = fnc_Get_Ini(section, QStringLiteral("SelectNumber"));
    gSelectNumber = v.isEmpty() ? qint16(0) : vb::CInt(v);

    // The directions are not cleared: a missing one keeps the direction already held.
    for (int k = 0; k <= 2; ++k) {
        gKeyName[k].clear();
        gKeyCaption[k].clear();
    }
    gSelColumnCount = 0;
    for (int i = 1; i <= gColumnDefLast && i < int(gSelColumn.size()); ++i) gSelColumn[i] = 0;

    for (int k = 0; k <= 2; ++k) {
        v = fnc_Get_Ini(section, QStringLiteral("KeyName%1").arg(k));
        if (!v.isEmpty()) gKeyName[k] = v;
    }
    for (int k = 0; k <= 2; ++k) {
        v = fnc_Get_Ini(section, QStringLiteral("KeyCaption%1").arg(k));
        if (!v.isEmpty()) gKeyCaption[k] = v;
    }
    for (int k = 0; k <= 2; ++k) {
        v = fnc_Get_Ini(section, QStringLiteral("KeyASCDESC%1").arg(k));
        if (!v.isEmpty()) gKeyAscDesc[k] = v;
    }

    v = fnc_Get_Ini(section, QStringLiteral("MSFlexGrit_SelectNum"));
    gSelColumnCount = v.isEmpty() ? qint16(0) : vb::CInt(v);
    for (int i = 1; i <= gSelColumnCount; ++i) {
        // A hand-edited count past the list's places ends as VB's subscript error, not as a write past it.
        if (i >= int(gSelColumn.size())) vb::raise(vb::errSubscript);
        v = fnc_Get_Ini(section, QStringLiteral("MSFlexGrit_Select%1").arg(i));
        gSelColumn[i] = v.isEmpty() ? qint16(0) : vb::CInt(v);
    }
}
