#pragma once
// VB conversions and Format as a Japanese Windows does them, whatever the process locale.
// Failures raise vb::Error: 13 type mismatch (no number), 6 overflow (out of range).
//
// The number text that CInt, CLng, CDbl and IsNumeric accept, everywhere the same:
//   blanks (space, tab) around it, one leading "+" or "-", decimal digits with "." as the decimal point,
//   "," anywhere in the whole part after its first digit (VB's lax thousands separator: "1,234", "1,2"),
//   an exponent "E" / "e" with an optional sign and at least one digit ("1E3", "2.5e-1").
// Not accepted (type mismatch): "&H" / "&O" forms, currency signs, parentheses, a trailing sign, blanks
// inside the number, full-width digits, and the empty or all-blank text.
#include <QDate>
#include <QDateTime>
#include <QString>

namespace vb {

// CInt / CLng / CDbl of a text: blanks around and a sign allowed; a fraction rounds half to even, worked
// on the decimal digits as written ("2.5" -> 2, "3.5" -> 4, "-2.5" -> -2, "32767.5" overflows).
[[nodiscard]] qint16 CInt(const QString& text);
[[nodiscard]] qint32 CLng(const QString& text);
[[nodiscard]] double CDbl(const QString& text);
// A whole number typed into a box: only blanks, an optional sign and digits, blanks (^ *[+-]?[0-9]+ *$).
// Any other text ("1.5", "1e2", "1,234") raises the type mismatch CInt / CLng give "abc"; a number past the
// range overflows as they do.
[[nodiscard]] qint16 CIntWhole(const QString& text);
[[nodiscard]] qint32 CLngWhole(const QString& text);

// CInt / CLng of a number: half to even, overflow past the range (NaN overflows too).
[[nodiscard]] qint16 CInt(double value);
[[nodiscard]] qint32 CLng(double value);
// 16-bit arithmetic that raises overflow instead of wrapping (32767 + 1).
[[nodiscard]] qint16 addInt16(qint32 a, qint32 b);
[[nodiscard]] qint16 toInt16(qint64 v);
[[nodiscard]] qint32 toInt32(qint64 v);
// Val: the leading number of a text, 0 when none. Blanks, tabs and line feeds are dropped first wherever
// they stand ("1 2" -> 12); reading stops at the first character that cannot go on the number, so ","
// ends it ("1,000" -> 1). "&H" / "&O" read hexadecimal / octal, as 16-bit when the value fits in 16 bits
// ("&HFFFF" -> -1), else as 32-bit. Overflow raises 6.
[[nodiscard]] double Val(const QString& text);
// IsNumeric: CDbl would succeed. IsDate: CDate would succeed.
[[nodiscard]] bool IsNumeric(const QString& text);
[[nodiscard]] bool IsDate(const QString& text);
// CDate of a text, blanks around allowed, strictly a calendar date (no swapping of fields):
//   "y/m/d" or "y-m-d" (one separator throughout), "y年m月d日", each with an optional time after a blank;
//   a time alone "h:mm" or "h:mm:ss" (the date part is then 1899/12/30, VB's day zero).
// Years of one or two digits are windowed as VB does (00-29 -> 2000s, 30-99 -> 1900s); 3- or 4-digit
// years stand as written and must be 100 or later. Anything else raises 13.
[[nodiscard]] QDateTime CDate(const QString& text);

// Format(number, pattern): "0" and "#" digit places, "." decimal point, "," between digit places groups
// by three with "," (commas right before the point or the end of the places divide by 1000 each), "%",
// literals (other characters, "\x", "quoted"), up to three ";" sections (positive;negative;zero).
// Digits round half away from zero on the value's 15 significant digits. "-" leads a negative value
// whose rounded text is not zero. An empty pattern gives numberText(value).
// "###,###": 0 -> "", 80026 -> "80,026", 1234567890 -> "1,234,567,890".
[[nodiscard]] QString Format(double value, const QString& pattern);
// Format of a date: yyyy yy m mm d dd h hh n nn s ss ("m"/"mm" right after an hour are minutes),
// "/" ":" and other characters as literals; named forms "General Date", "Short Date" (yyyy/mm/dd),
// "Long Date" (yyyy年m月d日), "Short Time" (hh:nn), "Long Time" (h:nn:ss).
[[nodiscard]] QString Format(const QDateTime& value, const QString& pattern);
// CStr of a date: "yyyy/mm/dd", plus " h:mm:ss" only when there is a time; a time alone on VB's day zero
// (1899/12/30) gives "h:mm:ss". An invalid value gives "".
[[nodiscard]] QString dateText(const QDateTime& value);
// CStr of a number as VB writes it (no grouping, "." decimal point, up to 15 significant digits;
// "1E+15" and "1E-05" forms from 1E+15 up and below 0.0001).
[[nodiscard]] QString numberText(double value);

// VB's Like operator (Option Compare Binary): ? * # [list] [!list] with ranges, the whole text matched.
// "#" is "0"-"9" only. Inside brackets "*", "?", "#" and "[" stand for themselves, and "-" first or last
// is itself. "[]" matches no character at all (zero width); "[!]" matches any one character.
// A malformed pattern (an unclosed "[", a range running backwards such as "[z-a]") matches nothing.
[[nodiscard]] bool Like(const QString& text, const QString& pattern);

// VB Trim / LTrim / RTrim: only the blank U+0020 is removed.
[[nodiscard]] QString Trim(const QString& text);
[[nodiscard]] QString LTrim(const QString& text);
[[nodiscard]] QString RTrim(const QString& text);

// The doubled-apostrophe quoting every typed text goes through before it is put into a statement.
// Returns the text with ' doubled, no outer quotes. A text holding a NUL comes back as
// '||CAST(X'<its UTF-8 in hex>' AS TEXT)||' instead, so the caller's '…' reads ''||CAST(X'…' AS TEXT)||''
// and stores the text as it is (in a UTF-8 database, as the ledger is).
[[nodiscard]] QString sqlQuote(const QString& text);

}  // namespace vb
