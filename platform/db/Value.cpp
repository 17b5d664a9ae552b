// Field values as VB sees them: CStr, CInt, CLng and CDbl of a Variant read from a recordset.
#include <QRegularExpression>
#include <cmath>

#include "platform/db/Ado.h"

namespace ado {

namespace {

// CStr of a Double: up to 15 significant digits, "E+n" for very large or small magnitudes.
QString doubleText(double v) {
    if (v == 0) return QStringLiteral("0");
    QString s = QString::number(v, 'g', 15);
    const qsizetype e = s.indexOf(u'e');
    if (e < 0) return s;
    QString mantissa = s.left(e);
    QString exponent = s.mid(e + 1);
    const QChar sign = exponent.startsWith(u'-') ? u'-' : u'+';
    if (exponent.startsWith(u'-') || exponent.startsWith(u'+')) exponent.remove(0, 1);
    while (exponent.size() > 2 && exponent.startsWith(u'0')) exponent.remove(0, 1);
    if (exponent.size() < 2) exponent.prepend(u'0');
    return mantissa + u'E' + sign + exponent;
}

// Digits written straight into the text: a list shows thousands of dates, and a format string is
// parsed again for every one.
char16_t* putDigits(char16_t* out, int value, int width) {
    for (int i = width - 1; i >= 0; --i, value /= 10) out[i] = char16_t(u'0' + value % 10);
    return out + width;
}

char16_t* putTime(char16_t* out, const QTime& t) {  // "H:mm:ss"
    out = putDigits(out, t.hour(), t.hour() < 10 ? 1 : 2);
    *out++ = u':';
    out = putDigits(out, t.minute(), 2);
    *out++ = u':';
    return putDigits(out, t.second(), 2);
}

QString dateText(const QDateTime& v) {
    const QTime t = v.time();
    const QDate d = v.date();
    const bool hasTime = t != QTime(0, 0);
    if (!d.isValid() || d.year() < 0 || d.year() > 9999 || !t.isValid()) {  // no Jet value: the general formatting
        QString s = d.toString(QStringLiteral("yyyy/MM/dd"));
        if (hasTime) s += u' ' + t.toString(QStringLiteral("H:mm:ss"));
        return s;
    }
    char16_t buf[32];
    char16_t* out = buf;
    if (d == QDate(1899, 12, 30) && hasTime) {
        out = putTime(out, t);
    } else {
        // "yyyy/MM/dd": Jet's years are 100 to 9999, four digits with a leading zero.
        out = putDigits(out, d.year(), 4);
        *out++ = u'/';
        out = putDigits(out, d.month(), 2);
        *out++ = u'/';
        out = putDigits(out, d.day(), 2);
        if (hasTime) {
            *out++ = u' ';
            out = putTime(out, t);
        }
    }
    return QString(reinterpret_cast<const QChar*>(buf), qsizetype(out - buf));
}

double oleDate(const QDateTime& v) {
    const double days = double(QDate(1899, 12, 30).daysTo(v.date()));
    const double fraction = v.time().msecsSinceStartOfDay() / 86400000.0;
    return days >= 0 ? days + fraction : days - fraction;
}

// VB's numeric reading of a text: blanks around, a sign, digits with one decimal point, an exponent.
double textNumber(const QString& text) {
    static const QRegularExpression re(QStringLiteral(R"(^[+-]?(\d+\.?\d*|\.\d+)([eE][+-]?\d+)?$)"));
    const QString s = text.trimmed();
    if (!re.match(s).hasMatch()) vb::raise(vb::errTypeMismatch);
    bool ok = false;
    const double d = s.toDouble(&ok);  // QString::toDouble ignores the process locale
    if (!ok) vb::raise(vb::errTypeMismatch);
    return d;
}

// CInt / CLng round a fraction half to even.
qint64 roundVb(double d, double lo, double hi) {
    if (!std::isfinite(d)) vb::raise(vb::errOverflow);
    const double r = std::nearbyint(d);  // default rounding mode: to nearest, ties to even
    if (r < lo || r > hi) vb::raise(vb::errOverflow);
    return qint64(r);
}

}  // namespace

bool Value::isNumber() const { return std::holds_alternative<qint64>(m_v) || std::holds_alternative<double>(m_v); }

QString Value::toText() const {
    if (isNull()) vb::raise(vb::errInvalidUseOfNull);
    return toTextOrEmpty();
}

QString Value::toTextOrEmpty() const {
    if (const auto* i = std::get_if<qint64>(&m_v)) return QString::number(*i);
    if (const auto* d = std::get_if<double>(&m_v)) return doubleText(*d);
    if (const auto* s = std::get_if<QString>(&m_v)) return *s;
    if (const auto* t = std::get_if<QDateTime>(&m_v)) return dateText(*t);
    return {};
}

double Value::toDouble() const {
    if (isNull()) vb::raise(vb::errInvalidUseOfNull);
    if (const auto* i = std::get_if<qint64>(&m_v)) return double(*i);
    if (const auto* d = std::get_if<double>(&m_v)) return *d;
    if (const auto* t = std::get_if<QDateTime>(&m_v)) return oleDate(*t);
    return textNumber(std::get<QString>(m_v));
}

qint16 Value::toInt16() const {
    if (const auto* i = std::get_if<qint64>(&m_v)) {
        if (*i < -32768 || *i > 32767) vb::raise(vb::errOverflow);
        return qint16(*i);
    }
    return qint16(roundVb(toDouble(), -32768.0, 32767.0));
}

qint32 Value::toInt32() const {
    if (const auto* i = std::get_if<qint64>(&m_v)) {
        if (*i < -2147483648LL || *i > 2147483647LL) vb::raise(vb::errOverflow);
        return qint32(*i);
    }
    return qint32(roundVb(toDouble(), -2147483648.0, 2147483647.0));
}

}  // namespace ado
