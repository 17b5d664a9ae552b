#pragma once
// Our private-profile engine with the Windows semantics the settings file relies on:
// section and key names without regard to case, values trimmed, updates in place, new keys appended
// to their section, CR LF lines, CP932 text, values read back cut at 255 bytes on a character boundary.
//
// The file as this engine leaves it:
//   - every line ends in CR LF (a file read with LF or lone CR endings is written back with CR LF);
//     lines the call does not change are written back byte for byte;
//   - a changed key line is "Name=value", the key keeping the spelling it already had in the file;
//   - a new key goes right after the last non-blank line of its section;
//   - a new section goes at the end of the file as "[Name]" followed by its first key, after one empty
//     line when the file is not empty and does not already end in one. A new file starts with "[Name]".
//   So three writes to a new file, ("Main","A","1"), ("0","B","2"), ("Main","C","3"), leave exactly
//   "[Main]\r\nA=1\r\nC=3\r\n\r\n[0]\r\nB=2\r\n".
// Reading: a value is the text after the first "=" with blanks and tabs around it removed; surrounding
// quotes are kept as written. Section and key names given to a call are trimmed the same way.
// Lines starting with ";" and lines before the first section are kept but never match.
// Line breaks inside a value, key or section name are written as blanks (they would split the line).
//
// Writability follows the Windows read-only attribute: a file with no write permission bit, or, for a
// file still to be created, a folder with none, refuses the write even for root; a read-only file refuses
// every write call, also one that would change nothing. The file is opened only inside each call.
#include <QString>
#include <optional>

namespace profile {

// GetPrivateProfileString with a buffer of `bufferSize` bytes: at most bufferSize - 1 bytes come back,
// cut on a character boundary. A missing or unreadable file, section or key gives the default.
[[nodiscard]] QString getString(const QString& section, const QString& key, const QString& defaultValue,
                                const QString& path, int bufferSize = 256);

// WritePrivateProfileString. No key: the whole section goes (every section of that name). No value: the
// key goes. False when the file could not be written (read-only file or folder, no space, unreadable
// file). Deleting from a file that does not exist writes nothing, creates nothing and succeeds.
[[nodiscard]] bool writeString(const QString& section, const std::optional<QString>& key,
                               const std::optional<QString>& value, const QString& path);

}  // namespace profile
