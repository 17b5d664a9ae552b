#include "platform/text/VbNumber.h"

#include <array>
#include <charconv>
#include <cmath>
#include <system_error>

namespace vb::detail {

namespace {
bool isDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }
bool isBlank(QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('\t'); }
constexpr long long kExponentCap = 100000;  // far past any double; keeps the arithmetic small
}  // namespace

void normalise(Decimal& d) {
    const auto first = d.digits.find_first_not_of('0');
    if (first == std::string::npos) {
        d.digits.clear();
        d.exponent = 0;
        d.negative = false;
        return;
    }
    d.digits.erase(0, first);
    const auto last = d.digits.find_last_not_of('0');
    d.exponent += static_cast<long long>(d.digits.size() - 1 - last);
    d.digits.erase(last + 1);
}

std::optional<Decimal> parseNumberText(QStringView s) {
    qsizetype i = 0;
    qsizetype n = s.size();
    while (i < n && isBlank(s[i])) ++i;
    while (n > i && isBlank(s[n - 1])) --n;

    Decimal d;
    if (i < n && (s[i] == QLatin1Char('+') || s[i] == QLatin1Char('-'))) {
        d.negative = s[i] == QLatin1Char('-');
        ++i;
    }
    bool wholeDigit = false;
    while (i < n) {
        if (isDigit(s[i])) {
            d.digits.push_back(char(s[i].unicode()));
            wholeDigit = true;
        } else if (s[i] == QLatin1Char(',') && wholeDigit) {
            // VB takes thousands separators loosely: anywhere after the first digit of the whole part.
        } else {
            break;
        }
        ++i;
    }
    long long fraction = 0;
    if (i < n && s[i] == QLatin1Char('.')) {
        ++i;
        while (i < n && isDigit(s[i])) {
            d.digits.push_back(char(s[i].unicode()));
            ++fraction;
            ++i;
        }
    }
    if (d.digits.empty()) return std::nullopt;

    long long exponent = 0;
    if (i < n && (s[i] == QLatin1Char('e') || s[i] == QLatin1Char('E'))) {
        ++i;
        bool negativeExponent = false;
        if (i < n && (s[i] == QLatin1Char('+') || s[i] == QLatin1Char('-'))) {
            negativeExponent = s[i] == QLatin1Char('-');
            ++i;
        }
        if (i >= n || !isDigit(s[i])) return std::nullopt;
        while (i < n && isDigit(s[i])) {
            if (exponent < kExponentCap) exponent = exponent * 10 + (s[i].unicode() - '0');
            ++i;
        }
        if (negativeExponent) exponent = -exponent;
    }
    if (i != n) return std::nullopt;

    d.exponent = exponent - fraction;
    normalise(d);
    return d;
}

Decimal fromDouble(double value) {
    Decimal d;
    if (value == 0 || !std::isfinite(value)) return d;
    std::array<char, 64> buf{};
    // d.dddddddddddddde±x: fifteen significant digits, the precision VB shows and rounds a double on.
    const auto res = std::to_chars(buf.data(), buf.data() + buf.size(), value, std::chars_format::scientific, 14);
    const std::string text(buf.data(), res.ptr);
    std::size_t pos = 0;
    if (text[pos] == '-') {
        d.negative = true;
        ++pos;
    }
    const auto e = text.find('e');
    for (std::size_t k = pos; k < e; ++k)
        if (text[k] != '.') d.digits.push_back(text[k]);
    const long long exp10 = std::stoll(text.substr(e + 1));
    d.exponent = exp10 - static_cast<long long>(d.digits.size() - 1);
    normalise(d);
    return d;
}

Decimal roundTo(const Decimal& d, long long places, Rounding mode) {
    if (d.isZero()) return d;
    // Digits kept: those down to 10^-places.
    const long long keep = d.wholeLength() + places;
    const auto size = static_cast<long long>(d.digits.size());
    if (keep >= size) return d;  // already that short
    Decimal r;
    r.negative = d.negative;
    bool up = false;
    if (keep < 0) {
        up = false;  // below half of the last kept place
    } else {
        const char first = d.digits[std::size_t(keep)];
        const bool rest = keep + 1 < size;  // normalised: any further digit is nonzero
        if (first > '5' || (first == '5' && rest)) {
            up = true;
        } else if (first == '5') {
            if (mode == Rounding::HalfAwayFromZero) {
                up = true;
            } else {
                const char last = keep > 0 ? d.digits[std::size_t(keep - 1)] : '0';
                up = ((last - '0') % 2) == 1;
            }
        }
    }
    r.digits = keep > 0 ? d.digits.substr(0, std::size_t(keep)) : std::string();
    r.exponent = -places;
    if (up) {
        // Add one at the last kept place, carrying left.
        if (r.digits.empty()) r.digits = "0";
        long long k = static_cast<long long>(r.digits.size()) - 1;
        while (k >= 0 && r.digits[std::size_t(k)] == '9') {
            r.digits[std::size_t(k)] = '0';
            --k;
        }
        if (k < 0)
            r.digits.insert(r.digits.begin(), '1');
        else
            ++r.digits[std::size_t(k)];
    }
    normalise(r);
    if (!r.isZero()) r.negative = d.negative;
    return r;
}

std::optional<long long> wholeValue(const Decimal& d) {
    if (d.isZero()) return 0;
    const long long len = d.wholeLength();
    if (len > 18) return std::nullopt;
    long long v = 0;
    for (long long k = 0; k < len; ++k) {
        const char c = k < static_cast<long long>(d.digits.size()) ? d.digits[std::size_t(k)] : '0';
        v = v * 10 + (c - '0');
    }
    return d.negative ? -v : v;
}

std::optional<double> toDouble(const Decimal& d) {
    if (d.isZero()) return 0.0;
    if (d.wholeLength() > 400) return std::nullopt;
    if (d.wholeLength() < -400) return 0.0;
    const std::string text = (d.negative ? "-" : "") + d.digits + "e" + std::to_string(d.exponent);
    double v = 0;
    const auto res = std::from_chars(text.data(), text.data() + text.size(), v);
    if (res.ec == std::errc::result_out_of_range) {
        if (d.wholeLength() <= 0) return 0.0;
        return std::nullopt;
    }
    if (res.ec != std::errc() || !std::isfinite(v)) return std::nullopt;
    return v;
}

}  // namespace vb::detail
