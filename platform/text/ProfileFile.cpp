#include "platform/text/ProfileFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <vector>

#include "platform/text/Cp932.h"

namespace profile {

namespace {

bool isProfileSpace(QChar c) {
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\v') || c == QLatin1Char('\f');
}

QString trimProfile(QStringView s) {
    qsizetype b = 0;
    qsizetype e = s.size();
    while (b < e && isProfileSpace(s[b])) ++b;
    while (e > b && isProfileSpace(s[e - 1])) --e;
    return s.mid(b, e - b).toString();
}

QString oneLine(const QString& s) {
    QString out = s;
    out.replace(QLatin1Char('\r'), QLatin1Char(' '));
    out.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return out;
}

bool sameName(const QString& a, const QString& b) { return QString::compare(a, b, Qt::CaseInsensitive) == 0; }

struct Line {
    enum class Kind { Other, Section, Key };
    QByteArray raw;  // as in the file, without its line ending
    Kind kind = Kind::Other;
    QString name;
    QString value;
    bool hasValue = false;
    bool blank = false;
};

Line parseLine(QByteArray raw) {
    Line line;
    const QString text = trimProfile(cp932::decode(raw));
    line.raw = std::move(raw);
    if (text.isEmpty()) {
        line.blank = true;
    } else if (text.startsWith(QLatin1Char('['))) {
        const qsizetype close = text.lastIndexOf(QLatin1Char(']'));
        if (close > 0) {
            line.kind = Line::Kind::Section;
            line.name = trimProfile(QStringView(text).mid(1, close - 1));
        }
    } else if (!text.startsWith(QLatin1Char(';'))) {
        line.kind = Line::Kind::Key;
        const qsizetype eq = text.indexOf(QLatin1Char('='));
        if (eq < 0) {
            line.name = text;
        } else {
            line.name = trimProfile(QStringView(text).left(eq));
            line.value = trimProfile(QStringView(text).mid(eq + 1));
            line.hasValue = true;
        }
    }
    return line;
}

// Lines end at CR LF, LF or a lone CR; the ending after the last line makes no extra empty line.
std::vector<Line> parseFile(const QByteArray& bytes) {
    std::vector<Line> lines;
    qsizetype start = 0;
    const qsizetype n = bytes.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char c = bytes[i];
        if (c != '\r' && c != '\n') continue;
        lines.push_back(parseLine(bytes.mid(start, i - start)));
        if (c == '\r' && i + 1 < n && bytes[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < n) lines.push_back(parseLine(bytes.mid(start)));
    return lines;
}

enum class Load { Missing, Loaded, Unreadable };

Load loadFile(const QString& path, std::vector<Line>& lines) {
    const QFileInfo info(path);
    if (!info.exists()) return Load::Missing;
    QFile file(path);
    if (!info.isFile() || !file.open(QIODevice::ReadOnly)) return Load::Unreadable;
    lines = parseFile(file.readAll());
    return Load::Loaded;
}

// The Windows read-only attribute has no root exemption; a mode without any write bit stands in for it.
// (Qt's WriteUser is access() for the current user, which root always passes, so it is left out.)
bool writable(const QFileInfo& info) {
    const auto anyWrite = QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
    return info.isWritable() && (info.permissions() & anyWrite);
}

bool saveFile(const QString& path, const std::vector<Line>& lines) {
    QByteArray bytes;
    for (const Line& l : lines) {
        bytes += l.raw;
        bytes += "\r\n";
    }
    // Written beside the file and renamed over it, so a full disk leaves the old file whole instead of
    // truncated. A folder that takes no new files but holds a writable "DB.ini" is written in place.
    QSaveFile file(path);
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly)) return false;
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

Line makeLine(const QString& text) { return parseLine(cp932::encode(text)); }

// Index of the first header of the section, or -1.
qsizetype findSection(const std::vector<Line>& lines, const QString& name, qsizetype from = 0) {
    for (qsizetype i = from; i < qsizetype(lines.size()); ++i)
        if (lines[i].kind == Line::Kind::Section && sameName(lines[i].name, name)) return i;
    return -1;
}

// One past the last line of the section whose header is at `header`.
qsizetype sectionEnd(const std::vector<Line>& lines, qsizetype header) {
    qsizetype i = header + 1;
    while (i < qsizetype(lines.size()) && lines[i].kind != Line::Kind::Section) ++i;
    return i;
}

qsizetype findKey(const std::vector<Line>& lines, qsizetype header, const QString& key) {
    const qsizetype end = sectionEnd(lines, header);
    for (qsizetype i = header + 1; i < end; ++i)
        if (lines[i].kind == Line::Kind::Key && sameName(lines[i].name, key)) return i;
    return -1;
}

}  // namespace

QString getString(const QString& section, const QString& key, const QString& defaultValue, const QString& path,
                  int bufferSize) {
    const int limit = bufferSize - 1;
    const QString fallback = cp932::leftBytes(defaultValue, limit);
    std::vector<Line> lines;
    if (loadFile(path, lines) != Load::Loaded) return fallback;
    const qsizetype header = findSection(lines, trimProfile(section));
    if (header < 0) return fallback;
    const qsizetype at = findKey(lines, header, trimProfile(key));
    if (at < 0 || !lines[at].hasValue) return fallback;
    return cp932::leftBytes(lines[at].value, limit);
}

bool writeString(const QString& sectionIn, const std::optional<QString>& keyIn, const std::optional<QString>& valueIn,
                 const QString& path) {
    const QString section = trimProfile(oneLine(sectionIn));
    const bool deleting = !keyIn || !valueIn;

    std::vector<Line> lines;
    const QFileInfo info(path);
    switch (loadFile(path, lines)) {
        case Load::Unreadable:
            return false;
        case Load::Loaded:
            if (!writable(info)) return false;
            break;
        case Load::Missing:
            if (deleting) return true;  // nothing to remove, and no file made for it
            if (!writable(QFileInfo(info.absolutePath()))) return false;
            break;
    }

    bool changed = false;
    if (!keyIn) {
        for (qsizetype h; (h = findSection(lines, section)) >= 0;) {
            lines.erase(lines.begin() + h, lines.begin() + sectionEnd(lines, h));
            changed = true;
        }
    } else {
        const QString key = trimProfile(oneLine(*keyIn));
        const qsizetype header = findSection(lines, section);
        if (!valueIn) {
            const qsizetype at = header < 0 ? -1 : findKey(lines, header, key);
            if (at >= 0) {
                lines.erase(lines.begin() + at);
                changed = true;
            }
        } else {
            const QString value = oneLine(*valueIn);
            changed = true;
            if (header < 0) {
                if (!lines.empty() && !lines.back().blank) lines.push_back(makeLine(QString()));
                lines.push_back(makeLine(QLatin1Char('[') + section + QLatin1Char(']')));
                lines.push_back(makeLine(key + QLatin1Char('=') + value));
            } else if (const qsizetype at = findKey(lines, header, key); at >= 0) {
                lines[at] = makeLine(lines[at].name + QLatin1Char('=') + value);
            } else {
                qsizetype insertAt = header + 1;
                const qsizetype end = sectionEnd(lines, header);
                for (qsizetype i = header + 1; i < end; ++i)
                    if (!lines[i].blank) insertAt = i + 1;
                lines.insert(lines.begin() + insertAt, makeLine(key + QLatin1Char('=') + value));
            }
        }
    }
    if (!changed) return true;
    return saveFile(path, lines);
}

}  // namespace profile
