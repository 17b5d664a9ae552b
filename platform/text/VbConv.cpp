#include "platform/text/VbConv.h"

#include <QRegularExpression>
#include <cmath>
#include <limits>
#include <vector>

#include "platform/base/VbError.h"
#include "platform/text/VbNumber.h"

namespace vb {

using detail::Decimal;

namespace {

Decimal parseOrMismatch(const QString& text) {
    auto d = detail::parseNumberText(text);
    if (!d) raise(errTypeMismatch);
    return *d;
}

long long wholeHalfEven(const Decimal& d) {
    const auto v = detail::wholeValue(detail::roundTo(d, 0, detail::Rounding::HalfEven));
    if (!v) raise(errOverflow);
    return *v;
}

long long roundDoubleHalfEven(double value) {
    // nearbyint follows the default rounding mode, round-to-nearest with ties to even.
    if (!std::isfinite(value) || std::fabs(value) > 9.0e18) raise(errOverflow);
    return static_cast<long long>(std::nearbyint(value));
}

void requireWholeNumberText(const QString& text) {
    static const QRegularExpression whole(QStringLiteral("^ *[+-]?[0-9]+ *$"));
    if (!whole.match(text).hasMatch()) raise(errTypeMismatch);
}

}  // namespace

qint16 toInt16(qint64 v) {
    if (v < std::numeric_limits<qint16>::min() || v > std::numeric_limits<qint16>::max()) raise(errOverflow);
    return static_cast<qint16>(v);
}

qint32 toInt32(qint64 v) {
    if (v < std::numeric_limits<qint32>::min() || v > std::numeric_limits<qint32>::max()) raise(errOverflow);
    return static_cast<qint32>(v);
}

qint16 addInt16(qint32 a, qint32 b) { return toInt16(qint64(a) + qint64(b)); }

qint16 CInt(const QString& text) { return toInt16(wholeHalfEven(parseOrMismatch(text))); }
qint32 CLng(const QString& text) { return toInt32(wholeHalfEven(parseOrMismatch(text))); }
qint16 CIntWhole(const QString& text) {
    requireWholeNumberText(text);
    return CInt(text);
}
qint32 CLngWhole(const QString& text) {
    requireWholeNumberText(text);
    return CLng(text);
}
qint16 CInt(double value) { return toInt16(roundDoubleHalfEven(value)); }
qint32 CLng(double value) { return toInt32(roundDoubleHalfEven(value)); }

double CDbl(const QString& text) {
    const auto v = detail::toDouble(parseOrMismatch(text));
    if (!v) raise(errOverflow);
    return *v;
}

bool IsNumeric(const QString& text) {
    const auto d = detail::parseNumberText(text);
    return d && detail::toDouble(*d).has_value();
}

double Val(const QString& text) {
    QString s;
    s.reserve(text.size());
    for (QChar c : text)
        if (c != QLatin1Char(' ') && c != QLatin1Char('\t') && c != QLatin1Char('\n')) s.append(c);

    auto digitAt = [&](qsizetype i, int base) -> int {
        if (i >= s.size()) return -1;
        const char16_t c = s[i].unicode();
        int v = -1;
        if (c >= '0' && c <= '9')
            v = c - '0';
        else if (c >= 'a' && c <= 'f')
            v = c - 'a' + 10;
        else if (c >= 'A' && c <= 'F')
            v = c - 'A' + 10;
        return v < base ? v : -1;
    };

    if (s.size() >= 2 && s[0] == QLatin1Char('&')) {
        const QChar kind = s[1].toUpper();
        int base = 0;
        qsizetype i = 2;
        if (kind == QLatin1Char('H'))
            base = 16;
        else if (kind == QLatin1Char('O'))
            base = 8;
        else if (digitAt(1, 8) >= 0) {
            base = 8;
            i = 1;
        }  // "&17" is octal too
        if (base != 0) {
            quint64 v = 0;
            for (int dgt; (dgt = digitAt(i, base)) >= 0; ++i) {
                v = v * quint64(base) + quint64(dgt);
                if (v > 0xFFFFFFFFull) raise(errOverflow);
            }
            if (v <= 0xFFFF) return double(qint16(quint16(v)));
            return double(qint32(quint32(v)));
        }
        return 0;
    }

    // The longest leading run that reads as a number: sign, digits, point, digits, exponent.
    qsizetype i = 0;
    QString num;
    if (i < s.size() && (s[i] == QLatin1Char('+') || s[i] == QLatin1Char('-'))) num.append(s[i++]);
    bool any = false;
    while (digitAt(i, 10) >= 0) {
        num.append(s[i++]);
        any = true;
    }
    if (i < s.size() && s[i] == QLatin1Char('.')) {
        num.append(s[i++]);
        while (digitAt(i, 10) >= 0) {
            num.append(s[i++]);
            any = true;
        }
    }
    if (!any) return 0;
    if (i < s.size() && (s[i].toUpper() == QLatin1Char('E') || s[i].toUpper() == QLatin1Char('D'))) {
        qsizetype j = i + 1;
        QString exp = QStringLiteral("E");
        if (j < s.size() && (s[j] == QLatin1Char('+') || s[j] == QLatin1Char('-'))) exp.append(s[j++]);
        if (digitAt(j, 10) >= 0) {
            while (digitAt(j, 10) >= 0) exp.append(s[j++]);
            num.append(exp);
        }
    }
    if (num.endsWith(QLatin1Char('.'))) num.chop(1);
    if (num.startsWith(QLatin1Char('.')) || num.startsWith(QLatin1String("+.")) || num.startsWith(QLatin1String("-.")))
        num.insert(num.indexOf(QLatin1Char('.')), QLatin1Char('0'));
    const auto d = detail::parseNumberText(num);
    if (!d) return 0;
    const auto v = detail::toDouble(*d);
    if (!v) raise(errOverflow);
    return *v;
}

// ---- Like -------------------------------------------------------------------------------------------

namespace {

struct LikeToken {
    enum class Kind { Char, Any, Star, Digit, List };
    explicit LikeToken(Kind k, char32_t c = 0) : kind(k), ch(c) {}

    Kind kind;
    char32_t ch;
    bool negated = false;
    std::vector<std::pair<char32_t, char32_t>> ranges;

    [[nodiscard]] bool matches(char32_t c) const {
        switch (kind) {
            case Kind::Char:
                return c == ch;
            case Kind::Any:
                return true;
            case Kind::Digit:
                return c >= U'0' && c <= U'9';
            case Kind::List: {
                bool in = false;
                for (const auto& [lo, hi] : ranges)
                    if (c >= lo && c <= hi) in = true;
                return in != negated;
            }
            case Kind::Star:
                return false;
        }
        return false;
    }
};

// nullopt for a malformed pattern.
std::optional<std::vector<LikeToken>> parseLike(const std::u32string& p) {
    std::vector<LikeToken> out;
    std::size_t i = 0;
    while (i < p.size()) {
        const char32_t c = p[i];
        if (c == U'*') {
            if (out.empty() || out.back().kind != LikeToken::Kind::Star) out.emplace_back(LikeToken::Kind::Star);
            ++i;
        } else if (c == U'?') {
            out.emplace_back(LikeToken::Kind::Any);
            ++i;
        } else if (c == U'#') {
            out.emplace_back(LikeToken::Kind::Digit);
            ++i;
        } else if (c == U'[') {
            const auto close = p.find(U']', i + 1);
            if (close == std::u32string::npos) return std::nullopt;
            std::u32string body = p.substr(i + 1, close - i - 1);
            i = close + 1;
            LikeToken t(LikeToken::Kind::List);
            if (!body.empty() && body[0] == U'!') {
                t.negated = true;
                body.erase(0, 1);
                if (body.empty()) {  // "[!]": any one character
                    out.emplace_back(LikeToken::Kind::Any);
                    continue;
                }
            } else if (body.empty()) {
                continue;  // "[]" matches no character: zero width
            }
            for (std::size_t k = 0; k < body.size(); ++k) {
                if (k + 2 < body.size() && body[k + 1] == U'-') {
                    if (body[k] > body[k + 2]) return std::nullopt;
                    t.ranges.emplace_back(body[k], body[k + 2]);
                    k += 2;
                } else {
                    t.ranges.emplace_back(body[k], body[k]);
                }
            }
            out.push_back(std::move(t));
        } else {
            out.emplace_back(LikeToken::Kind::Char, c);
            ++i;
        }
    }
    return out;
}

}  // namespace

bool Like(const QString& text, const QString& pattern) {
    const auto tokens = parseLike(pattern.toStdU32String());
    if (!tokens) return false;
    const std::u32string s = text.toStdU32String();
    // Greedy match with backtracking to the last "*": every other token takes exactly one character.
    std::size_t si = 0, ti = 0;
    std::size_t starTok = std::u32string::npos, starText = 0;
    while (si < s.size()) {
        if (ti < tokens->size() && (*tokens)[ti].kind == LikeToken::Kind::Star) {
            starTok = ti++;
            starText = si;
        } else if (ti < tokens->size() && (*tokens)[ti].matches(s[si])) {
            ++ti;
            ++si;
        } else if (starTok != std::u32string::npos) {
            ti = starTok + 1;
            si = ++starText;
        } else {
            return false;
        }
    }
    while (ti < tokens->size() && (*tokens)[ti].kind == LikeToken::Kind::Star) ++ti;
    return ti == tokens->size();
}

// ---- Small text helpers ---------------------------------------------------------------------------

QString LTrim(const QString& text) {
    qsizetype i = 0;
    while (i < text.size() && text[i] == QLatin1Char(' ')) ++i;
    return text.mid(i);
}

QString RTrim(const QString& text) {
    qsizetype n = text.size();
    while (n > 0 && text[n - 1] == QLatin1Char(' ')) --n;
    return text.left(n);
}

QString Trim(const QString& text) { return LTrim(RTrim(text)); }

QString sqlQuote(const QString& text) {
    if (!text.contains(QChar(0))) {
        QString out = text;
        out.replace(QLatin1Char('\''), QLatin1String("''"));
        return out;
    }
    // The engine reads a statement only up to its first NUL, so a NUL cannot stand in a literal. The whole
    // text is written as one cast of its UTF-8 bytes, joined to the caller's apostrophes: one expression
    // whatever the number and places of its NULs (one term per NUL ran past the engine's depth of 1000).
    return QStringLiteral("'||CAST(X'") + QString::fromLatin1(text.toUtf8().toHex()) + QStringLiteral("' AS TEXT)||'");
}

}  // namespace vb
