#pragma once
// Import tests: a ledger with gCn open, sample inventory files copied into the program folder, and the
// expected values the sample generator wrote beside them (samples/expected/<file>.<ja|en>.tsv).
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

#include "inventory_read/Catalogue.h"
#include "tests/support/LedgerFixture.h"

namespace invtest {

// CP932 bytes of the lines, each followed by CR LF.
QByteArray crlf(const QStringList& lines);
inline const QString kHeader = QStringLiteral("Key,Group,Item,SubItem,Contents,Unit,Renewalday");

class InventoryTest : public testsupport::LedgerTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // Copies samples/<name> into the program folder (or a sub-folder); returns the copy's full path.
    QString copySample(const QString& name, const QString& asName = {}, const QString& folder = {});
    QString writeFile(const QString& name, const QByteArray& bytes);
    // A file of the header and these lines.
    QString writeInventory(const QString& name, const QStringList& lines);

    // One column of one PC ("<null>", "<none>" when the row is missing).
    QString pclist(int key, const QString& column);
    QString computerList(int key, const QString& column);
    // Adds a PC behind the program's back (both rows, codes 0).
    void addPc(int key, const QString& computerName);

    // Compares PC key with samples/expected/<file>.<ja|en>.tsv, column by column and list row by list row.
    void expectPcAsExpected(int key, const QString& sampleName, inventory::LabelSet set);
    // Rows of the four lists that belong to no PC, and PC rows that miss their partner.
    int orphanRows();
};

}  // namespace invtest
