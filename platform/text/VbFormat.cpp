// Format, CStr and CDate with the Japanese Windows conventions: "," groups, "." is the decimal point,
// dates are year/month/day. Nothing here reads the process locale.
#include <QRegularExpression>
#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

#include "platform/base/VbError.h"
#include "platform/text/VbConv.h"
#include "platform/text/VbNumber.h"

namespace vb {

using detail::Decimal;

// ---- Numbers -----------------------------------------------------------------------------------------

namespace {

QString digitsOf(const Decimal& d, long long from, long long to) {
    // Digits of the places 10^(from-1) .. 10^to, most significant first, "0" where d has none.
    QString out;
    const long long whole = d.wholeLength();
    for (long long place = from - 1; place >= to; --place) {
        const long long k = whole - 1 - place;
        const char c = (k >= 0 && k < static_cast<long long>(d.digits.size())) ? d.digits[std::size_t(k)] : '0';
        out.append(QLatin1Char(c));
    }
    return out;
}

struct Element {
    enum class Kind { Literal, WholeDigit, FracDigit, Point } kind;
    QString text;       // Literal
    bool zero = false;  // "0" (always shown) or "#"
};

struct Section {
    std::vector<Element> elements;
    bool grouping = false;
    int scale = 0;  // commas that divide by 1000
    bool percent = false;
    int wholeZeros = 0;
    int fracPlaces = 0;
    int fracZeros = 0;  // places up to and including the last "0" after the point
    bool hasDigits = false;
};

Section parseSection(const QString& p) {
    Section s;
    bool afterPoint = false;
    int pendingCommas = 0;  // commas seen after a digit place, not yet followed by another
    auto flushCommas = [&](bool beforeDigit) {
        if (pendingCommas > 0) {
            if (beforeDigit)
                s.grouping = true;
            else
                s.scale += pendingCommas;
        }
        pendingCommas = 0;
    };
    auto literal = [&](const QString& t) {
        if (!s.elements.empty() && s.elements.back().kind == Element::Kind::Literal)
            s.elements.back().text += t;
        else
            s.elements.push_back({Element::Kind::Literal, t, false});
    };
    for (qsizetype i = 0; i < p.size(); ++i) {
        const QChar c = p[i];
        if (c == QLatin1Char('0') || c == QLatin1Char('#')) {
            const bool zero = c == QLatin1Char('0');
            s.hasDigits = true;
            if (afterPoint) {
                ++s.fracPlaces;
                if (zero) s.fracZeros = s.fracPlaces;
                s.elements.push_back({Element::Kind::FracDigit, {}, zero});
            } else {
                flushCommas(true);
                if (zero) ++s.wholeZeros;
                s.elements.push_back({Element::Kind::WholeDigit, {}, zero});
            }
        } else if (c == QLatin1Char(',') && !afterPoint) {
            if (s.hasDigits) ++pendingCommas;
        } else if (c == QLatin1Char('.') && !afterPoint) {
            flushCommas(false);
            afterPoint = true;
            s.hasDigits = true;
            s.elements.push_back({Element::Kind::Point, {}, false});
        } else if (c == QLatin1Char('%')) {
            s.percent = true;
            literal(QStringLiteral("%"));
        } else if (c == QLatin1Char('\\') && i + 1 < p.size()) {
            literal(QString(p[++i]));
        } else if (c == QLatin1Char('"')) {
            const qsizetype end = p.indexOf(QLatin1Char('"'), i + 1);
            const qsizetype stop = end < 0 ? p.size() : end;
            literal(p.mid(i + 1, stop - i - 1));
            i = stop;
        } else {
            literal(QString(c));
        }
    }
    flushCommas(false);
    return s;
}

QStringList splitSections(const QString& pattern) {
    QStringList parts;
    QString cur;
    bool quoted = false;
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const QChar c = pattern[i];
        if (c == QLatin1Char('"')) quoted = !quoted;
        if (c == QLatin1Char('\\') && i + 1 < pattern.size() && !quoted) {
            cur += c;
            cur += pattern[++i];
            continue;
        }
        if (c == QLatin1Char(';') && !quoted) {
            parts << cur;
            cur.clear();
            continue;
        }
        cur += c;
    }
    parts << cur;
    return parts;
}

QString renderSection(const Section& s, const Decimal& value, bool withSign) {
    Decimal v = value;
    v.negative = false;
    if (s.percent) v.exponent += 2;
    v.exponent -= 3LL * s.scale;
    detail::normalise(v);
    const Decimal r = detail::roundTo(v, s.fracPlaces, detail::Rounding::HalfAwayFromZero);

    // Whole digits: none for a zero whole part (a "#" place shows nothing), padded to the "0" places.
    const long long wholeLen = std::max<long long>(r.wholeLength(), 0);
    QString whole = r.isZero() ? QString() : digitsOf(r, wholeLen, 0);
    while (whole.startsWith(QLatin1Char('0'))) whole.remove(0, 1);
    while (whole.size() < s.wholeZeros) whole.prepend(QLatin1Char('0'));
    QString frac = digitsOf(r, 0, -s.fracPlaces);
    while (frac.size() > s.fracZeros && frac.endsWith(QLatin1Char('0'))) frac.chop(1);

    int wholePlaces = 0;
    for (const auto& e : s.elements)
        if (e.kind == Element::Kind::WholeDigit) ++wholePlaces;

    QString out;
    if (withSign && !r.isZero()) out += QLatin1Char('-');
    if (s.grouping) {
        QString grouped;
        for (qsizetype k = 0; k < whole.size(); ++k) {
            if (k > 0 && (whole.size() - k) % 3 == 0) grouped += QLatin1Char(',');
            grouped += whole[k];
        }
        whole = grouped;
    }
    // Whole digits fill the places from the right; the leftmost place takes whatever is left over.
    // With grouping the digits form one run at the first place.
    int placeIndex = 0;
    qsizetype fracIndex = 0;
    for (const auto& e : s.elements) {
        switch (e.kind) {
            case Element::Kind::Literal:
                out += e.text;
                break;
            case Element::Kind::Point:
                out += QLatin1Char('.');
                break;
            case Element::Kind::FracDigit:
                if (fracIndex < frac.size()) out += frac[fracIndex];
                ++fracIndex;
                break;
            case Element::Kind::WholeDigit: {
                const int fromRight = wholePlaces - 1 - placeIndex;  // 0 for the last place
                if (s.grouping) {
                    if (placeIndex == 0) out += whole;
                } else if (placeIndex == 0) {
                    const qsizetype take = whole.size() - fromRight;
                    if (take > 0) out += whole.left(take);
                } else {
                    const qsizetype k = whole.size() - 1 - fromRight;
                    if (k >= 0) out += whole[k];
                }
                ++placeIndex;
                break;
            }
        }
    }
    return out;
}

// A pattern split and parsed once: a list formats thousands of cells with the same one.
struct ParsedPattern {
    QString text;
    QStringList parts;
    std::vector<Section> sections;  // one per part
    bool wholePlacesOnly = false;   // one section of "0"/"#" places, maybe grouped: "###,###", "#,##0"
};

const ParsedPattern& parsedPattern(const QString& pattern) {
    thread_local ParsedPattern last;
    if (last.parts.isEmpty() || last.text != pattern) {
        ParsedPattern p{pattern, splitSections(pattern), {}};
        for (const QString& part : p.parts) p.sections.push_back(parseSection(part));
        const Section& s = p.sections[0];
        p.wholePlacesOnly = p.parts.size() == 1 && s.hasDigits && s.scale == 0 && !s.percent &&
                            std::all_of(s.elements.begin(), s.elements.end(),
                                        [](const Element& e) { return e.kind == Element::Kind::WholeDigit; });
        last = std::move(p);
    }
    return last;
}

// A pattern of whole places only, without the decimal digits: the value rounds half away from zero as its
// 15-digit form would. That form lies within 5e-15 of the value relative to it, so away from a half (and
// below 1e13) both round alike; a value next to a half takes the full rule (nullopt).
std::optional<QString> wholePlaces(const Section& s, double value) {
    const double a = std::fabs(value);
    if (a >= 1e13 || s.wholeZeros > 13) return std::nullopt;
    const double frac = a - std::floor(a);
    if (std::fabs(frac - 0.5) <= 1e-14 * std::max(a, 1.0)) return std::nullopt;
    auto m = static_cast<long long>(std::round(a));
    char16_t digits[16];
    int n = 0;
    for (; m > 0; m /= 10) digits[n++] = char16_t(u'0' + m % 10);  // least significant first
    const bool negative = value < 0 && n > 0;
    while (n < s.wholeZeros) digits[n++] = u'0';
    QString out;
    out.reserve(n + n / 3 + 1);
    if (negative) out += QLatin1Char('-');
    for (int k = n - 1; k >= 0; --k) {
        out += QChar(digits[k]);
        if (s.grouping && k > 0 && k % 3 == 0) out += QLatin1Char(',');
    }
    return out;
}

}  // namespace

QString Format(double value, const QString& pattern) {
    if (pattern.isEmpty()) return numberText(value);
    if (!std::isfinite(value)) return numberText(value);
    const ParsedPattern& parsed = parsedPattern(pattern);
    if (parsed.wholePlacesOnly)
        if (auto text = wholePlaces(parsed.sections[0], value)) return *std::move(text);
    const QStringList& parts = parsed.parts;
    const Decimal d = detail::fromDouble(value);

    const Section& first = parsed.sections[0];
    if (!first.hasDigits && parts.size() == 1) {
        // A pattern of literals only: VB shows the literals.
        return renderSection(first, d, false);
    }
    if (d.negative && parts.size() >= 2 && !parts[1].isEmpty()) {
        return renderSection(parsed.sections[1], d, false);
    }
    // The zero section applies when the value is zero as shown by the positive section.
    if (parts.size() >= 3 && !parts[2].isEmpty()) {
        Decimal shown = d;
        shown.negative = false;
        if (first.percent) shown.exponent += 2;
        shown.exponent -= 3LL * first.scale;
        detail::normalise(shown);
        if (detail::roundTo(shown, first.fracPlaces, detail::Rounding::HalfAwayFromZero).isZero())
            return renderSection(parsed.sections[2], d, false);
    }
    return renderSection(first, d, d.negative);
}

QString numberText(double value) {
    if (std::isnan(value)) return QStringLiteral("NaN");
    if (std::isinf(value)) return value < 0 ? QStringLiteral("-1.#INF") : QStringLiteral("1.#INF");
    const Decimal d = detail::fromDouble(value);
    if (d.isZero()) return QStringLiteral("0");
    const long long exp10 = d.wholeLength() - 1;  // scientific exponent of the first digit
    QString out = d.negative ? QStringLiteral("-") : QString();
    const QString digits = QString::fromLatin1(d.digits.data(), qsizetype(d.digits.size()));
    if (exp10 >= 15 || exp10 < -4) {
        out += digits.left(1);
        if (digits.size() > 1) out += QLatin1Char('.') + digits.mid(1);
        out += QLatin1Char('E');
        out += QLatin1Char(exp10 < 0 ? '-' : '+');
        out += QStringLiteral("%1").arg(std::llabs(exp10), 2, 10, QLatin1Char('0'));
        return out;
    }
    if (exp10 < 0) {
        out += QStringLiteral("0.") + QString(int(-exp10 - 1), QLatin1Char('0')) + digits;
        return out;
    }
    const qsizetype whole = qsizetype(exp10 + 1);
    if (digits.size() <= whole) return out + digits + QString(int(whole - digits.size()), QLatin1Char('0'));
    return out + digits.left(whole) + QLatin1Char('.') + digits.mid(whole);
}

// ---- Dates -----------------------------------------------------------------------------------------

namespace {

const QDate kDayZero(1899, 12, 30);

bool hasTime(const QDateTime& v) { return v.time().isValid() && v.time() != QTime(0, 0); }

QString two(int v) { return QStringLiteral("%1").arg(v, 2, 10, QLatin1Char('0')); }

}  // namespace

QString dateText(const QDateTime& value) {
    if (!value.isValid()) return {};
    const QDate d = value.date();
    const QTime t = value.time();
    const QString time = QStringLiteral("%1:%2:%3").arg(t.hour()).arg(two(t.minute()), two(t.second()));
    if (d == kDayZero) return time;  // a time alone
    const QString date =
        QStringLiteral("%1/%2/%3").arg(d.year(), 4, 10, QLatin1Char('0')).arg(two(d.month()), two(d.day()));
    return hasTime(value) ? date + QLatin1Char(' ') + time : date;
}

QString Format(const QDateTime& value, const QString& pattern) {
    if (!value.isValid()) return {};
    const QString named = pattern.trimmed().toLower();
    if (named.isEmpty() || named == QLatin1String("general date")) return dateText(value);
    if (named == QLatin1String("short date")) return Format(value, QStringLiteral("yyyy/mm/dd"));
    if (named == QLatin1String("long date")) return Format(value, QStringLiteral("yyyy年m月d日"));
    if (named == QLatin1String("short time")) return Format(value, QStringLiteral("hh:nn"));
    if (named == QLatin1String("long time")) return Format(value, QStringLiteral("h:nn:ss"));

    const QDate d = value.date();
    const QTime t = value.time();
    QString out;
    bool afterHour = false;  // "m" right after an hour means minutes
    qsizetype i = 0;
    auto run = [&](QChar c) {
        qsizetype n = 0;
        while (i + n < pattern.size() && pattern[i + n].toLower() == c) ++n;
        return n;
    };
    while (i < pattern.size()) {
        const QChar c = pattern[i].toLower();
        if (c == QLatin1Char('y')) {
            const qsizetype n = run(c);
            out += n >= 3 ? QString::number(d.year()) : two(d.year() % 100);
            i += n;
            afterHour = false;
        } else if (c == QLatin1Char('m')) {
            const qsizetype n = run(c);
            const int v = afterHour ? t.minute() : d.month();
            out += n >= 2 ? two(v) : QString::number(v);
            i += n;
            afterHour = false;
        } else if (c == QLatin1Char('d')) {
            const qsizetype n = run(c);
            out += n >= 2 ? two(d.day()) : QString::number(d.day());
            i += n;
            afterHour = false;
        } else if (c == QLatin1Char('h')) {
            const qsizetype n = run(c);
            out += n >= 2 ? two(t.hour()) : QString::number(t.hour());
            i += n;
            afterHour = true;
        } else if (c == QLatin1Char('n')) {
            const qsizetype n = run(c);
            out += n >= 2 ? two(t.minute()) : QString::number(t.minute());
            i += n;
            afterHour = false;
        } else if (c == QLatin1Char('s')) {
            const qsizetype n = run(c);
            out += n >= 2 ? two(t.second()) : QString::number(t.second());
            i += n;
            afterHour = false;
        } else if (c == QLatin1Char('\\') && i + 1 < pattern.size()) {
            out += pattern[i + 1];
            i += 2;
        } else if (c == QLatin1Char('"')) {
            const qsizetype end = pattern.indexOf(QLatin1Char('"'), i + 1);
            const qsizetype stop = end < 0 ? pattern.size() : end;
            out += pattern.mid(i + 1, stop - i - 1);
            i = stop + 1;
        } else {
            out += pattern[i];  // separators and other characters stand for themselves
            ++i;
        }
    }
    return out;
}

namespace {

std::optional<QDateTime> parseDate(const QString& text) {
    // Blanks: space, tab and the ideographic space a Japanese input method types.
    static const QString blank = QStringLiteral("[ \\t\\x{3000}]");
    static const QString time = QStringLiteral("(\\d{1,2}):(\\d{1,2})(?::(\\d{1,2}))?");
    static const QRegularExpression slashForm(
        QStringLiteral("^%1*(\\d{1,4})([/-])(\\d{1,2})\\2(\\d{1,2})(?:%1+%2)?%1*$").arg(blank, time));
    static const QRegularExpression kanjiForm(
        QStringLiteral("^%1*(\\d{1,4})年(\\d{1,2})月(\\d{1,2})日(?:%1*%2)?%1*$").arg(blank, time));
    static const QRegularExpression timeForm(QStringLiteral("^%1*%2%1*$").arg(blank, time));

    int y = 0, m = 0, dd = 0, timeAt = 0;
    QString yearText;
    QRegularExpressionMatch match = slashForm.match(text);
    if (match.hasMatch()) {
        yearText = match.captured(1);
        m = match.captured(3).toInt();
        dd = match.captured(4).toInt();
        timeAt = 5;
    } else if ((match = kanjiForm.match(text)).hasMatch()) {
        yearText = match.captured(1);
        m = match.captured(2).toInt();
        dd = match.captured(3).toInt();
        timeAt = 4;
    } else if ((match = timeForm.match(text)).hasMatch()) {
        timeAt = 1;
    } else {
        return std::nullopt;
    }

    QDate date = kDayZero;
    if (!yearText.isEmpty()) {
        y = yearText.toInt();
        if (yearText.size() <= 2)
            y += y < 30 ? 2000 : 1900;
        else if (y < 100)
            return std::nullopt;
        date = QDate(y, m, dd);
        if (!date.isValid()) return std::nullopt;
    }
    QTime tm(0, 0);
    if (match.capturedLength(timeAt) > 0) {
        const int h = match.captured(timeAt).toInt();
        const int mi = match.captured(timeAt + 1).toInt();
        const int s = match.capturedLength(timeAt + 2) > 0 ? match.captured(timeAt + 2).toInt() : 0;
        if (h > 23 || mi > 59 || s > 59) return std::nullopt;
        tm = QTime(h, mi, s);
    }
    return QDateTime(date, tm);
}

}  // namespace

QDateTime CDate(const QString& text) {
    const auto v = parseDate(text);
    if (!v) raise(errTypeMismatch);
    return *v;
}

bool IsDate(const QString& text) { return parseDate(text).has_value(); }

}  // namespace vb
