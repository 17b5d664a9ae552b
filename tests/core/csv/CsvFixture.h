#pragma once
// Staging tests: a ledger with gCn open, inventory files written as bytes into the program folder, and the
// staged rows read back in the order the callers' queries see them.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <ostream>
#include <vector>

#include "tests/support/LedgerFixture.h"

namespace csvtest {

inline const QString kHeader = QStringLiteral("Key,Group,Item,SubItem,Contents,Unit,Renewalday");

struct Row {
    QString Key, Group, Item, SubItem, Contents, Unit, Renewalday;
    bool operator==(const Row&) const = default;
};
void PrintTo(const Row& r, std::ostream* os);

// CP932 bytes of the lines, each followed by CR LF.
QByteArray crlf(const QStringList& lines);

class CsvTest : public testsupport::LedgerTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // Writes the bytes to a file of the program folder; returns its full path.
    QString writeFile(const QString& name, const QByteArray& bytes);
    // Stages a file of the header and the lines (CR LF), asserting the staging took it.
    void stageLines(const QStringList& lines, const QString& name = QStringLiteral("staged.csv"));
    // "SELECT * FROM tbl_ReadCsv" on the program's connection, every value as text.
    std::vector<Row> staged();
};

}  // namespace csvtest
