#pragma once
// Our private-profile engine with the Windows semantics the settings file relies on:
// section and key names without regard to case, values trimmed, updates in place, new keys appended
// to their section, CR LF lines, CP932 text, values read back cut at 255 bytes on a character boundary.
#include <QString>
#include <optional>

namespace profile {

// GetPrivateProfileString with a buffer of `bufferSize` bytes: at most bufferSize - 1 bytes come back.
[[nodiscard]] QString getString(const QString& section, const QString& key, const QString& defaultValue,
                                const QString& path, int bufferSize = 256);

// WritePrivateProfileString. No key: the whole section goes. No value: the key goes.
// False when the file could not be written (read-only file or folder, no space).
[[nodiscard]] bool writeString(const QString& section, const std::optional<QString>& key,
                               const std::optional<QString>& value, const QString& path);

}  // namespace profile
