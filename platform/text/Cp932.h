#pragma once
// The original's system code page, Windows Japanese, through glibc iconv "CP932".
#include <QByteArray>
#include <QString>

namespace cp932 {

// A character CP932 cannot hold becomes "?", as Windows writes it.
[[nodiscard]] QByteArray encode(const QString& text);
// Bytes that are no CP932 become U+FFFD; ok (when given) tells whether every byte decoded.
[[nodiscard]] QString decode(const QByteArray& bytes, bool* ok = nullptr);
// Length in bytes of the text in CP932 (LenB of the ANSI string).
[[nodiscard]] int byteLength(const QString& text);
// The longest prefix of the text that fits in maxBytes of CP932, never splitting a character.
[[nodiscard]] QString leftBytes(const QString& text, int maxBytes);

}  // namespace cp932
