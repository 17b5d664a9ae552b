#include "core/Mdl_ReadCsv.h"

#include <QFile>
#include <QFileInfo>
#include <array>
#include <optional>
#include <vector>

#include "core/Mdl_Access_mdb.h"
#include "platform/base/VbError.h"
#include "platform/db/Ado.h"
#include "platform/text/Cp932.h"

namespace {

const QString kHeader = QStringLiteral("Key,Group,Item,SubItem,Contents,Unit,Renewalday");

// The first six staged columns keep 254 characters of their field; Renewalday is kept whole.
constexpr int kFieldCut = 254;

// List rows per insert statement of the copier.
constexpr int kRowsPerStatement = 100;

// Reads that emptied tbl_ReadCsv in this process (readcsv::stagingCount).
quint64 g_stagings = 0;

// The whole file, decoded. Decoding comes first: several kanji end in byte 0x5C or other ASCII-range
// bytes, so splitting the raw bytes would cut characters apart.
QString readWholeFile(const QString& fullPath) {
    QFile file(fullPath);
    if (!file.open(QIODevice::ReadOnly)) {
        const long number = QFileInfo::exists(fullPath) ? 75L : long(vb::errFileNotFound);
        throw vb::Error(number, vb::describe(number));
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) throw vb::Error(57, vb::describe(57));  // device I/O error
    return cp932::decode(bytes);
}

// Opens a transaction of our own only when the caller has none: the import runs each file inside its
// own, and a caller without one still gets a staging that is all or nothing (and 400 rows in one commit).
class OwnTransaction {
public:
    OwnTransaction() {
        if (!gCn().inTransaction()) m_guard.emplace(gCn());
    }
    void commit() {
        if (m_guard) m_guard->commit();
    }

private:
    std::optional<ado::TransGuard> m_guard;
};

}  // namespace

namespace readcsv {

quint64 stagingCount() { return g_stagings; }

QStringList lineInput(const QString& text) {
    QStringList lines;
    const int n = int(text.size());
    int start = 0;
    int i = 0;
    while (i < n) {
        const QChar c = text.at(i);
        if (c == u'\r') {
            lines.append(text.mid(start, i - start));
            ++i;
            if (i < n && text.at(i) == u'\n') ++i;
            start = i;
        } else {
            ++i;  // a lone LF stays inside the line, as VB reads it
        }
    }
    if (start < n) lines.append(text.mid(start));
    return lines;
}

StagedLine splitLine(const QString& line) {
    StagedLine s;
    const qsizetype first = line.indexOf(u',');
    if (first < 0) return s;  // no comma: nothing of the line is kept
    s.Key = line.left(first);
    QString rest = line.mid(first + 1);
    for (QString* field : {&s.Group, &s.Item, &s.SubItem, &s.Contents, &s.Unit}) {
        const qsizetype comma = rest.indexOf(u',');
        if (comma < 0) continue;  // the field stays empty and the rest is kept for Renewalday
        *field = rest.left(comma);
        rest = rest.mid(comma + 1);
    }
    s.Renewalday = rest;
    return s;
}

}  // namespace readcsv

bool fnc_Check_CsvHeader(const QString& line) {
    // Taking the line field by field and comparing each name exactly, with the sixth comma's rest
    // compared whole, accepts exactly one text: the header itself.
    return line == kHeader;
}

bool fnc_Read_CsvFile(const QString& fullPath) {
    const QStringList lines = readcsv::lineInput(readWholeFile(fullPath));
    if (lines.isEmpty() || lines.first().isEmpty()) return false;
    if (!fnc_Check_CsvHeader(lines.first())) return false;

    OwnTransaction trans;
    gCn().Execute("DELETE FROM tbl_ReadCsv");
    ++g_stagings;
    // One prepared insert for all rows, in file order: a recordset's AddNew prepares a statement and reads
    // the row back for every line, and staging would be most of the import's time.
    std::vector<QStringList> rows;
    rows.reserve(std::size_t(lines.size()));
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const readcsv::StagedLine s = readcsv::splitLine(lines.at(i));
        rows.push_back({s.Key.left(kFieldCut), s.Group.left(kFieldCut), s.Item.left(kFieldCut),
                        s.SubItem.left(kFieldCut), s.Contents.left(kFieldCut), s.Unit.left(kFieldCut), s.Renewalday});
    }
    gCn().ExecuteEach(QStringLiteral("INSERT INTO tbl_ReadCsv ( [Key], [Group], Item, SubItem, Contents, Unit, "
                                     "Renewalday ) VALUES ( ?, ?, ?, ?, ?, ?, ? )"),
                      rows);
    trans.commit();
    return true;
}

bool fnc_Insert_FromReadCsv(const QString& selectSql, const QString& insertStart, const QString& key, qint16 layout) {
    std::optional<OwnTransaction> trans;
    try {
        trans.emplace();
    } catch (const std::exception&) {
        // No transaction to be had: the rows still go in one by one.
    }
    // The rows go in as multi-row statements of the same text; when one of those fails, its rows are
    // sent again one statement each, so that only the rows that fail on their own are left out.
    QStringList tuples;
    auto flush = [&] {
        if (tuples.size() > 1) {
            try {
                gCn().Execute(insertStart + tuples.join(QStringLiteral("), (")) + QStringLiteral(");"));
                tuples.clear();
                return;
            } catch (const std::exception&) {
            }
        }
        for (const QString& t : tuples) fnc_Execute_SQL(insertStart + t + QStringLiteral(");"));
        tuples.clear();
    };
    try {
        ado::Recordset rs;
        rs.Open(selectSql, gCn(), ado::adOpenStatic, ado::adLockOptimistic);
        if (rs.RecordCount() != 0) {
            rs.MoveFirst();
            while (!rs.EOF()) {
                auto field = [&rs](const char* name) {
                    try {
                        return fnc_Replace_SQLChar(rs.Fields(QString::fromLatin1(name)).value().toText());
                    } catch (const std::exception&) {
                        return QString();
                    }
                };
                const QString item = field("Item");
                const QString subItem = field("SubItem");
                const QString contents = field("Contents");
                const QString unit = field("Unit");
                const QString renewalday = field("Renewalday");

                QStringList values;
                switch (layout) {
                    case 1:
                        values = {item, subItem};
                        break;
                    case 2:
                        values = {subItem, contents};
                        break;
                    case 3:
                        values = {subItem, contents, unit};
                        break;
                    case 4:
                        values = {item, subItem, contents, unit};
                        break;
                    case 5:
                        values = {renewalday, subItem, contents, unit};
                        break;
                    case 6:
                        values = {renewalday, item, subItem, contents, unit};
                        break;
                    case 7:
                        values = {renewalday, subItem, contents};
                        break;
                    case 8:
                        values = {renewalday, item, subItem};
                        break;
                    default:
                        break;  // no values: the statement fails and nothing is inserted
                }
                QString tuple;
                for (const QString& v : values) tuple += "'" + v + "', ";
                tuple += "'" + key + "'";
                tuples.append(tuple);
                if (tuples.size() == kRowsPerStatement) flush();
                rs.MoveNext();
            }
        }
        rs.Close();
    } catch (const std::exception&) {
        // The copier reports nothing: a query that fails copies nothing, one that fails later keeps the
        // rows read before.
    }
    flush();
    if (trans) {
        try {
            trans->commit();
        } catch (const std::exception&) {
        }
    }
    return false;
}

int fnc_Insert_FromReadCsv_Counted(const QString& selectSql, const QString& insertStart, const QString& key,
                                   qint16 layout) {
    // Staged fields in value order, by layout; the key follows them.
    static const std::array<QStringList, 9> kLayouts = {
        QStringList{},
        {"Item", "SubItem"},
        {"SubItem", "Contents"},
        {"SubItem", "Contents", "Unit"},
        {"Item", "SubItem", "Contents", "Unit"},
        {"Renewalday", "SubItem", "Contents", "Unit"},
        {"Renewalday", "Item", "SubItem", "Contents", "Unit"},
        {"Renewalday", "SubItem", "Contents"},
        {"Renewalday", "Item", "SubItem"},
    };
    const QStringList& fields = kLayouts[layout >= 1 && layout <= 8 ? std::size_t(layout) : 0];

    std::vector<QString> statements;
    {
        ado::Recordset rs;
        rs.Open(selectSql, gCn(), ado::adOpenStatic, ado::adLockOptimistic);
        while (!rs.EOF()) {
            QString statement = insertStart;
            for (const QString& f : fields)
                statement += "'" + fnc_Replace_SQLChar(rs.Fields(f).value().toTextOrEmpty()) + "', ";
            statement += "'" + key + "');";
            statements.push_back(statement);
            rs.MoveNext();
        }
        rs.Close();
    }
    int refused = 0;
    for (const QString& statement : statements) {
        try {
            gCn().Execute(statement);
        } catch (const std::exception& e) {
            if (!isValueRefusal(e)) throw;
            ++refused;
        }
    }
    return refused;
}
