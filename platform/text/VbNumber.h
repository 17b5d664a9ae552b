#pragma once
// Decimal digits as written, shared by the conversions and Format so both round on the same digits.
#include <QStringView>
#include <optional>
#include <string>

namespace vb::detail {

// value = (negative ? -1 : 1) * digits * 10^exponent; digits has no leading or trailing zeros ("" is 0).
struct Decimal {
    bool negative = false;
    std::string digits;
    long long exponent = 0;

    [[nodiscard]] bool isZero() const { return digits.empty(); }
    // Number of digits before the decimal point (may be 0 or negative for values below 1).
    [[nodiscard]] long long wholeLength() const { return static_cast<long long>(digits.size()) + exponent; }
};

// The number text of CInt / CLng / CDbl (see VbConv.h); nullopt when it is no number.
[[nodiscard]] std::optional<Decimal> parseNumberText(QStringView text);
// The 15 significant digits VB works a double on (Format, CStr).
[[nodiscard]] Decimal fromDouble(double value);
// Drops leading and trailing zeros, moving the exponent so the value stays.
void normalise(Decimal& d);
// Rounds to `places` decimals (negative places round to tens, hundreds, ...).
enum class Rounding { HalfEven, HalfAwayFromZero };
[[nodiscard]] Decimal roundTo(const Decimal& d, long long places, Rounding mode);
// The whole number of an already-rounded value; nullopt when it needs more than 18 digits.
[[nodiscard]] std::optional<long long> wholeValue(const Decimal& d);
// The double nearest to the digits; nullopt on overflow (underflow gives 0).
[[nodiscard]] std::optional<double> toDouble(const Decimal& d);

}  // namespace vb::detail
