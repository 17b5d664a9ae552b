#include "tests/core/csv/CsvFixture.h"

#include <QFile>

#include "core/Mdl_Access_mdb.h"
#include "core/Mdl_ReadCsv.h"
#include "platform/db/Ado.h"
#include "platform/text/Cp932.h"

namespace csvtest {

void PrintTo(const Row& r, std::ostream* os) {
    *os << "{" << r.Key.toStdString() << " | " << r.Group.toStdString() << " | " << r.Item.toStdString() << " | "
        << r.SubItem.toStdString() << " | " << r.Contents.toStdString() << " | " << r.Unit.toStdString() << " | "
        << r.Renewalday.toStdString() << "}";
}

QByteArray crlf(const QStringList& lines) {
    QByteArray bytes;
    for (const QString& line : lines) bytes += cp932::encode(line) + "\r\n";
    return bytes;
}

void CsvTest::SetUp() {
    LedgerTest::SetUp();
    openDb();
}

void CsvTest::TearDown() {
    if (gCn_ptr) gCn().setFailHook({});
    LedgerTest::TearDown();
}

QString CsvTest::writeFile(const QString& name, const QByteArray& bytes) {
    const QString path = m_folder->file(name);
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
    return path;
}

void CsvTest::stageLines(const QStringList& lines, const QString& name) {
    ASSERT_TRUE(fnc_Read_CsvFile(writeFile(name, crlf(QStringList{kHeader} + lines))));
}

std::vector<Row> CsvTest::staged() {
    std::vector<Row> rows;
    ado::Recordset rs;
    rs.Open("SELECT * FROM tbl_ReadCsv", gCn(), ado::adOpenStatic, ado::adLockReadOnly);
    while (!rs.EOF()) {
        auto f = [&rs](int i) { return rs.Fields(i).value().toText(); };
        rows.push_back({f(0), f(1), f(2), f(3), f(4), f(5), f(6)});
        rs.MoveNext();
    }
    rs.Close();
    return rows;
}

}  // namespace csvtest
