#pragma once
// The settings module: the only code that touches "DB.ini" in the program folder.
#include <QString>
#include <optional>

// One value of "DB.ini"; "" when the file, section or key is missing or the value is empty
// (at most 255 bytes of CP932 come back).
[[nodiscard]] QString fnc_Get_Ini(const QString& section, const QString& key);

// Writes one value, trimmed of blanks. A key of std::nullopt deletes the whole section (the value is then
// ignored); a value of std::nullopt deletes the key. Nonzero on success, 0 when the write was refused.
// A refused write shows "iniファイル書き込み失敗" (see IniCommandScope) instead of losing the setting unseen.
qint32 fnc_Set_Ini(const QString& section, const std::optional<QString>& key, const std::optional<QString>& value);

// Loads the current view's section (gSectionNumber) into the view-settings globals. A value that is no
// number, or out of the 16-bit range, raises vb::Error (13 / 6) to the caller; a column count past the
// 256 places of gSelColumn raises 9.
void fnc_Read_ViewSetting();

// One user command that writes "DB.ini" several times (Quit, the view window's apply): while a scope is
// alive, refused writes show the box at most once in total, however many writes fail. Scopes nest; the
// outermost one counts. Outside any scope every refused write shows the box once.
class IniCommandScope {
public:
    IniCommandScope();
    ~IniCommandScope();
    IniCommandScope(const IniCommandScope&) = delete;
    IniCommandScope& operator=(const IniCommandScope&) = delete;

    // A write was refused since the outermost scope began.
    [[nodiscard]] static bool failed();
};
