#include "platform/text/Cp932.h"

#include <iconv.h>

#include <cerrno>
#include <vector>

namespace cp932 {

namespace {

// UTF-16 in the machine's own byte order, so QString's buffer goes to iconv as it is.
#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
constexpr const char* kUtf16 = "UTF-16LE";
#else
constexpr const char* kUtf16 = "UTF-16BE";
#endif

// One descriptor per direction, opened once. CP932 is stateless, so a reset between calls is all a
// descriptor needs. Never "SHIFT_JIS": glibc maps its 0x5C to the yen sign and "C:\" would not survive.
class Converter {
public:
    Converter(const char* to, const char* from) : m_cd(iconv_open(to, from)) {}
    ~Converter() {
        if (m_cd != reinterpret_cast<iconv_t>(-1)) iconv_close(m_cd);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    [[nodiscard]] bool valid() const { return m_cd != reinterpret_cast<iconv_t>(-1); }
    iconv_t get() {
        iconv(m_cd, nullptr, nullptr, nullptr, nullptr);
        return m_cd;
    }

private:
    iconv_t m_cd;
};

Converter& encoder() {
    thread_local Converter c("CP932", kUtf16);
    return c;
}

Converter& decoder() {
    thread_local Converter c(kUtf16, "CP932");
    return c;
}

bool isHighSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool isLowSurrogate(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

}  // namespace

QByteArray encode(const QString& text) {
    if (text.isEmpty()) return {};
    Converter& conv = encoder();
    if (!conv.valid()) return QByteArray(text.size(), '?');  // no CP932 in this libc: nothing is mappable
    iconv_t cd = conv.get();

    const char16_t* units = reinterpret_cast<const char16_t*>(text.utf16());
    const qsizetype count = text.size();
    QByteArray out;
    out.reserve(count * 2);
    std::vector<char> chunk(count * 2 + 16);

    qsizetype pos = 0;  // in UTF-16 units
    while (pos < count) {
        char* in = const_cast<char*>(reinterpret_cast<const char*>(units + pos));
        size_t inLeft = size_t(count - pos) * 2;
        char* o = chunk.data();
        size_t oLeft = chunk.size();
        const size_t rc = iconv(cd, &in, &inLeft, &o, &oLeft);
        const int err = (rc == size_t(-1)) ? errno : 0;
        out.append(chunk.data(), o - chunk.data());
        pos = count - qsizetype(inLeft / 2);
        if (err == E2BIG) continue;
        if (err == EILSEQ || err == EINVAL) {
            // One character CP932 cannot hold (a surrogate pair counts as one): "?" as Windows writes it.
            out.append('?');
            if (isHighSurrogate(units[pos]) && pos + 1 < count && isLowSurrogate(units[pos + 1]))
                pos += 2;
            else
                pos += 1;
            iconv(cd, nullptr, nullptr, nullptr, nullptr);
            continue;
        }
        if (err != 0) break;
    }
    return out;
}

QString decode(const QByteArray& bytes, bool* ok) {
    if (ok) *ok = true;
    if (bytes.isEmpty()) return {};
    Converter& conv = decoder();
    if (!conv.valid()) {
        if (ok) *ok = false;
        return QString::fromLatin1(bytes);
    }
    iconv_t cd = conv.get();

    // Written straight into the text: no CP932 character (and no byte it cannot read) makes more than one
    // UTF-16 unit, so one unit per byte is room enough; more is made should that ever not hold.
    QString out(bytes.size(), Qt::Uninitialized);
    qsizetype used = 0;  // in UTF-16 units
    qsizetype pos = 0;
    const qsizetype count = bytes.size();
    while (pos < count) {
        char* in = const_cast<char*>(bytes.constData() + pos);
        size_t inLeft = size_t(count - pos);
        char* const start = reinterpret_cast<char*>(out.data() + used);
        char* o = start;
        size_t oLeft = size_t(out.size() - used) * 2;
        const size_t rc = iconv(cd, &in, &inLeft, &o, &oLeft);
        const int err = (rc == size_t(-1)) ? errno : 0;
        used += (o - start) / 2;
        pos = count - qsizetype(inLeft);
        if (err == E2BIG || ((err == EILSEQ || err == EINVAL) && used == out.size())) {
            out.resize(out.size() * 2 + 16);
            if (err == E2BIG) continue;
        }
        if (err == EILSEQ || err == EINVAL) {
            // A byte that starts no CP932 character, or a lead byte cut off at the end.
            out[used++] = QChar(0xFFFD);
            if (ok) *ok = false;
            pos += 1;
            iconv(cd, nullptr, nullptr, nullptr, nullptr);
            continue;
        }
        if (err != 0) break;
    }
    out.resize(used);
    return out;
}

int byteLength(const QString& text) { return int(encode(text).size()); }

QString leftBytes(const QString& text, int maxBytes) {
    if (maxBytes <= 0) return {};
    if (text.size() * 2 <= maxBytes) return text;  // no CP932 character takes more than two bytes
    int used = 0;
    qsizetype pos = 0;
    while (pos < text.size()) {
        const qsizetype len =
            (text.at(pos).isHighSurrogate() && pos + 1 < text.size() && text.at(pos + 1).isLowSurrogate()) ? 2 : 1;
        const QChar c = text.at(pos);
        const int bytes = (len == 1 && c.unicode() < 0x80) ? 1 : int(encode(text.mid(pos, len)).size());
        if (used + bytes > maxBytes) break;
        used += bytes;
        pos += len;
    }
    return text.left(pos);
}

}  // namespace cp932
