#pragma once
// VB conversions and Format as a Japanese Windows does them, whatever the process locale.
// Failures raise vb::Error: 13 type mismatch (no number), 6 overflow (out of range).
#include <QDate>
#include <QDateTime>
#include <QString>

namespace vb {

// CInt / CLng / CDbl of a text: blanks around and a sign allowed; a fraction rounds half to even.
[[nodiscard]] qint16 CInt(const QString& text);
[[nodiscard]] qint32 CLng(const QString& text);
[[nodiscard]] double CDbl(const QString& text);
// 16-bit arithmetic that raises overflow instead of wrapping (32767 + 1).
[[nodiscard]] qint16 addInt16(qint32 a, qint32 b);
[[nodiscard]] qint16 toInt16(qint64 v);
[[nodiscard]] qint32 toInt32(qint64 v);
// Val: the leading number of a text, 0 when none.
[[nodiscard]] double Val(const QString& text);
// IsNumeric / IsDate on text.
[[nodiscard]] bool IsNumeric(const QString& text);
[[nodiscard]] bool IsDate(const QString& text);
// CDate of a text in the Japanese forms (yyyy/mm/dd, yyyy-mm-dd, with an optional h:mm:ss).
[[nodiscard]] QDateTime CDate(const QString& text);

// Format(number, pattern) for the patterns the program uses ("###,###", "#,##0", "0", "00", ...):
// "," groups by three with ",", digits round half away from zero.
[[nodiscard]] QString Format(double value, const QString& pattern);
// Format of a date: "yyyy/mm/dd", "yyyy/mm/dd hh:nn:ss", "yyyy年mm月dd日", ...
[[nodiscard]] QString Format(const QDateTime& value, const QString& pattern);
// CStr of a date: "yyyy/mm/dd", plus " h:mm:ss" only when there is a time.
[[nodiscard]] QString dateText(const QDateTime& value);
// CStr of a number as VB writes it (no grouping, "." decimal point, up to 15 significant digits).
[[nodiscard]] QString numberText(double value);

// VB's Like operator (Option Compare Binary): ? * # [list] [!list] with ranges.
// A malformed pattern (unclosed "[") matches nothing.
[[nodiscard]] bool Like(const QString& text, const QString& pattern);

// The doubled-apostrophe quoting every typed text goes through before it is put into a statement.
[[nodiscard]] QString sqlQuote(const QString& text);  // returns the text with ' doubled, no outer quotes

}  // namespace vb
