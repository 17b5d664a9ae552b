#include "tests/support/PdfWords.h"

#include <QProcess>
#include <QRegularExpression>

namespace testsupport {

namespace {

constexpr double kMmPerPoint = 25.4 / 72.0;

QString unifiedForms(QString text) {
    for (int i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c >= 0x2E80 && c <= 0x2FDF) {
            const QString unified = QString(text[i]).normalized(QString::NormalizationForm_KC);
            if (unified.size() == 1) text[i] = unified[0];
        }
    }
    return text;
}

QString unescape(QString text) {
    text.replace(QLatin1String("&lt;"), QLatin1String("<"));
    text.replace(QLatin1String("&gt;"), QLatin1String(">"));
    text.replace(QLatin1String("&quot;"), QLatin1String("\""));
    text.replace(QLatin1String("&apos;"), QLatin1String("'"));
    text.replace(QLatin1String("&amp;"), QLatin1String("&"));
    return text;
}

QString bboxHtml(const QString& path) {
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), path, QStringLiteral("-")});
    if (!p.waitForFinished(30000) || p.exitCode() != 0) return {};
    return QString::fromUtf8(p.readAllStandardOutput());
}

}  // namespace

std::vector<PdfWord> pdfWords(const QString& path) {
    std::vector<PdfWord> words;
    static const QRegularExpression tag(
        QStringLiteral("<page [^>]*>|<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"([0-9.]+)\" "
                       "yMax=\"([0-9.]+)\">([^<]*)</word>"));
    int page = 0;
    auto it = tag.globalMatch(bboxHtml(path));
    while (it.hasNext()) {
        const auto m = it.next();
        if (m.captured(0).startsWith(QLatin1String("<page"))) {
            ++page;
            continue;
        }
        PdfWord w;
        w.page = page;
        w.xMin = m.captured(1).toDouble() * kMmPerPoint;
        w.yMin = m.captured(2).toDouble() * kMmPerPoint;
        w.xMax = m.captured(3).toDouble() * kMmPerPoint;
        w.yMax = m.captured(4).toDouble() * kMmPerPoint;
        w.text = unifiedForms(unescape(m.captured(5)));
        words.push_back(w);
    }
    return words;
}

int pdfPageCount(const QString& path) {
    static const QRegularExpression page(QStringLiteral("<page "));
    return int(bboxHtml(path).count(page));
}

}  // namespace testsupport
