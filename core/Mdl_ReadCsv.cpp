#include "core/Mdl_ReadCsv.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <array>
#include <optional>
#include <vector>

#include "core/Mdl_Access_mdb.h"
#include "platform/base/VbError.h"
#include "platform/db/Ado.h"
#include "platform/text/Cp932.h"

namespace {

using readcsv::StagedField;

const QString kHeader = QStringLiteral("Key,Group,Item,SubItem,Contents,Unit,Renewalday");

// The first six staged columns keep 254 characters of their field; Renewalday is kept whole.
constexpr int kFieldCut = 254;

// Reads that emptied tbl_ReadCsv in this process (readcsv::stagingCount).
quint64 g_stagings = 0;

// The staged fields of each list layout (1 to 8), in value order; the key follows them. Any other layout
// has none: its statement holds the key alone.
const std::vector<StagedField>& layoutFields(qint16 layout) {
    using enum StagedField;
    static const std::array<std::vector<StagedField>, 9> layouts = {
        std::vector<StagedField>{},
        {Item, SubItem},
        {SubItem, Contents},
        {SubItem, Contents, Unit},
        {Item, SubItem, Contents, Unit},
        {Renewalday, SubItem, Contents, Unit},
        {Renewalday, Item, SubItem, Contents, Unit},
        {Renewalday, SubItem, Contents},
        {Renewalday, Item, SubItem},
    };
    return layouts[layout >= 1 && layout <= 8 ? std::size_t(layout) : 0];
}

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

}  // namespace readcsv

bool fnc_Check_CsvHeader(const QString& line) {
    // Taking the line field by field and comparing each name exactly, with the sixth comma's rest
    // compared whole, accepts exactly one text: the header itself.
    return line == kHeader;
}

namespace readcsv {

namespace {

// The rows of a decoded file, each value made by `value(from, length)` from its place in the text, the
// first six cut. One plain scan of the text for line ends and commas: no text per line, no call per comma.
template <class Line, typename MakeValue>
bool splitInventoryText(const QString& text, std::vector<Line>* rows, MakeValue&& value) {
    const char16_t* const chars = reinterpret_cast<const char16_t*>(text.constData());
    const qsizetype size = text.size();
    // Past the line end at `i`, a CR or the end: CR LF or a lone CR ends a line, a lone LF stays inside it.
    const auto skipEnd = [chars, size](qsizetype i) {
        if (i == size) return i;
        ++i;
        return i < size && chars[i] == u'\n' ? i + 1 : i;
    };
    qsizetype i = 0;
    while (i < size && chars[i] != u'\r') ++i;
    if (i == 0 || QStringView(chars, i) != kHeader) return false;  // also an empty file or first line
    i = skipEnd(i);
    rows->clear();
    rows->reserve(std::size_t(size / 32));  // an inventory line is rarely shorter
    while (i < size) {
        Line& s = rows->emplace_back();
        constexpr int last = int(StagedField::Renewalday);
        const auto set = [&](int field, qsizetype from, qsizetype length) {
            fieldOf(s, StagedField(field)) = value(from, field < last ? qMin(length, qsizetype(kFieldCut)) : length);
        };
        int field = 0;
        qsizetype from = i;
        for (; i < size && chars[i] != u'\r'; ++i) {
            if (chars[i] != u',' || field == last) continue;
            set(field++, from, i - from);
            from = i + 1;
        }
        // No comma: nothing of the line is kept. Fewer than six: the fields after the last one stay empty
        // and Renewalday takes the rest after it, as after the sixth.
        if (field > 0) set(last, from, i - from);
        i = skipEnd(i);
    }
    return true;
}

}  // namespace

bool readInventoryFile(const QString& fullPath, StagedRows* rows) {
    const QString text = readWholeFile(fullPath);
    return splitInventoryText(text, rows, [&text](qsizetype from, qsizetype length) { return text.mid(from, length); });
}

bool readInventoryFileInPlace(const QString& fullPath, InPlaceFile* file) {
    QString text = readWholeFile(fullPath);
    std::vector<StagedLineView> rows;
    const char16_t* const chars = reinterpret_cast<const char16_t*>(text.constData());
    if (!splitInventoryText(text, &rows,
                            [chars](qsizetype from, qsizetype length) { return QStringView(chars + from, length); }))
        return false;
    // Moved, the text keeps its characters where the views point.
    file->m_text = std::move(text);
    file->m_rows = std::move(rows);
    return true;
}

namespace {

template <class Line>
void storeRows(const std::vector<Line>& rows) {
    gCn().Execute("DELETE FROM tbl_ReadCsv");
    ++g_stagings;
    // One prepared insert for all rows, in file order: a recordset's AddNew prepares a statement and reads
    // the row back for every line, and staging would be most of the import's time.
    gCn().ExecuteEach(QStringLiteral("INSERT INTO tbl_ReadCsv ( [Key], [Group], Item, SubItem, Contents, Unit, "
                                     "Renewalday ) VALUES ( ?, ?, ?, ?, ?, ?, ? )"),
                      rows.size(), kStagedFields,
                      [&rows](std::size_t r, int k) -> QStringView { return fieldOf(rows[r], StagedField(k)); });
}

}  // namespace

void storeStagedRows(const StagedRows& rows) { storeRows(rows); }
void storeStagedRows(const std::vector<StagedLineView>& rows) { storeRows(rows); }

bool sameText(QStringView staged, QStringView literal) {
    if (staged.size() != literal.size()) return false;
    for (qsizetype i = 0; i < staged.size(); ++i) {
        const char16_t a = staged.at(i).unicode();
        const char16_t b = literal.at(i).unicode();
        if (a == b) continue;
        const auto lower = [](char16_t c) { return c >= u'A' && c <= u'Z' ? char16_t(c + 32) : c; };
        if (lower(a) != lower(b)) return false;
    }
    return true;
}

void insertListRows(const StagedRows& rows, const QString& insertStart, const QString& key, qint16 layout) {
    std::vector<const StagedLine*> lines;
    lines.reserve(rows.size());
    for (const StagedLine& row : rows) lines.push_back(&row);
    insertListRows(lines, insertStart, key, layout);
}

namespace {

// One bound insert per row, each value the staged field with the SQL characters replaced; a text that
// needs no replacing is bound where it is.
template <class Line>
void insertRows(const std::vector<const Line*>& rows, const QString& insertStart, const QString& key, qint16 layout) {
    if (rows.empty()) return;
    const std::vector<StagedField>& fields = layoutFields(layout);
    QString bound = insertStart;
    for (std::size_t i = 0; i < fields.size(); ++i) bound += QStringLiteral("?, ");
    bound += QStringLiteral("?);");

    const bool inTransaction = gCn().inTransaction();
    std::vector<QString> replaced(fields.size());
    std::vector<QStringView> values;
    values.reserve(fields.size() + 1);
    const bool keyNul = key.contains(QChar(0));
    for (const Line* row : rows) {
        // The engine rolls a transaction back by itself on a full disk or an I/O error.
        if (inTransaction && !gCn().inTransaction()) return;
        values.clear();
        bool nul = keyNul;
        for (std::size_t i = 0; i < fields.size(); ++i) {
            const QStringView text = fnc_Replace_SQLChar(QStringView(fieldOf(*row, fields[i])), replaced[i]);
            nul = nul || text.contains(QChar(0));
            values.push_back(text);
        }
        values.push_back(key);
        // Written into the statement text, a NUL would have ended it there and the row would fail.
        if (nul) continue;
        try {
            // Each value in apostrophes, the key too, as the statement was always written.
            gCn().ExecuteBoundTexts(bound, values, [&insertStart, &values] {
                QStringList texts;
                for (const QStringView v : values) texts << v.toString();
                return insertStart + u'\'' + texts.join(QStringLiteral("', '")) + QStringLiteral("');");
            });
        } catch (const std::exception&) {
            // a row that fails is left out
        }
    }
}

}  // namespace

void insertListRows(const std::vector<const StagedLine*>& rows, const QString& insertStart, const QString& key,
                    qint16 layout) {
    insertRows(rows, insertStart, key, layout);
}

void insertListRows(const std::vector<const StagedLineView*>& rows, const QString& insertStart, const QString& key,
                    qint16 layout) {
    insertRows(rows, insertStart, key, layout);
}

}  // namespace readcsv

bool readcsv::stageFile(const QString& fullPath, StagedRows* rows) {
    if (!readInventoryFile(fullPath, rows)) return false;
    OwnTransaction trans;
    storeStagedRows(*rows);
    trans.commit();
    return true;
}

bool fnc_Read_CsvFile(const QString& fullPath) {
    readcsv::StagedRows rows;
    return readcsv::stageFile(fullPath, &rows);
}

bool fnc_Insert_FromReadCsv(const QString& selectSql, const QString& insertStart, const QString& key, qint16 layout) {
    std::optional<OwnTransaction> trans;
    try {
        trans.emplace();
    } catch (const std::exception&) {
        // No transaction to be had: the rows still go in one by one.
    }
    readcsv::StagedRows rows;
    try {
        ado::Recordset rs;
        rs.Open(selectSql, gCn(), ado::adOpenStatic, ado::adLockReadOnly);
        while (!rs.EOF()) {
            auto field = [&rs](const char* name) {
                try {
                    return rs.Fields(QString::fromLatin1(name)).value().toText();
                } catch (const std::exception&) {
                    return QString();
                }
            };
            readcsv::StagedLine line;
            line.Item = field("Item");
            line.SubItem = field("SubItem");
            line.Contents = field("Contents");
            line.Unit = field("Unit");
            line.Renewalday = field("Renewalday");
            rows.push_back(std::move(line));
            rs.MoveNext();
        }
        rs.Close();
    } catch (const std::exception&) {
        // The copier reports nothing: a query that fails copies nothing.
    }
    readcsv::insertListRows(rows, insertStart, key, layout);
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
    const std::vector<StagedField>& fields = layoutFields(layout);

    std::vector<QString> statements;
    {
        ado::Recordset rs;
        rs.Open(selectSql, gCn(), ado::adOpenStatic, ado::adLockOptimistic);
        while (!rs.EOF()) {
            QString statement = insertStart;
            for (const StagedField f : fields)
                statement += "'" +
                             fnc_Replace_SQLChar(
                                 rs.Fields(QString::fromLatin1(readcsv::stagedColumn(f))).value().toTextOrEmpty()) +
                             "', ";
            statement += "'" + key + "');";
            statements.push_back(statement);
            rs.MoveNext();
        }
        rs.Close();
    }
    int refused = 0;
    for (const QString& statement : statements) {
        // A NUL would end the statement text inside its value: the row cannot be written, like a value too long.
        if (statement.contains(QChar(0))) {
            ++refused;
            continue;
        }
        try {
            gCn().Execute(statement);
        } catch (const std::exception& e) {
            if (!isValueRefusal(e)) throw;
            ++refused;
        }
    }
    return refused;
}
