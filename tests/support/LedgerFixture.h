#pragma once
// Fixture for tests of the ledger's windows and modules: a fresh program folder with a copy of the
// template database, fresh globals, the dialog script armed, every window unloaded at the end.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

#include "tests/support/AppFolder.h"

namespace ado {
class Connection;
}

namespace testsupport {

// One PC row in both tables; codes point at master rows the test made (0 = the reserved row).
struct Pc {
    int key;
    QString computerName;
    int location = 0;
    int user = 0;
    int deleted = 0;
    int model = 0;
};

// The lines in CP932, each followed by CR LF: "DB.ini" and the exports as stored.
[[nodiscard]] QByteArray cp932Lines(const QStringList& lines);
// A file's bytes, or "<missing>" when it cannot be read.
[[nodiscard]] QByteArray readFile(const QString& path);

class LedgerTest : public ::testing::Test {
protected:
    LedgerTest();
    ~LedgerTest() override;
    void SetUp() override;
    void TearDown() override;

    // Opens gCn on the folder's database (as start-up does), without any window.
    void openDb();
    // Runs SQL on a separate connection to check or prepare data behind the program's back.
    void sql(const QString& statement);
    // First column of the first row of a query, as text ("<null>" for Null, "<none>" for no row).
    QString scalar(const QString& query);
    int count(const QString& query);
    // Every row of a query on the program's own connection (gCn), each field as text ("<null>" for Null).
    std::vector<QStringList> rows(const QString& query);

    // Seeds behind the program's back.
    void addPc(const Pc& pc);
    void addLocation(int code, const QString& name, const QString& availableFlug = "0");
    void addUser(int code, const QString& name, const QString& availableFlug = "0");
    // A master row with an empty comment ("tbl_Location" takes Location_Code, Location_Name, ...). A null
    // name is stored as Null; apostrophes are doubled.
    void addMaster(const QString& table, int code, const QString& name, const QString& availableFlug = "0");
    // A user in a department and section; a null name is stored as Null, a null kana as "".
    void addUser(int code, const QString& name, int section, int division, const QString& kana = {},
                 const QString& availableFlug = "0");
    // Writes "DB.ini" in the program folder.
    void writeIni(const QStringList& lines);
    // Closes the second connection (it opens again at the next use): no connection may cross a fork.
    void closeSide();

    std::unique_ptr<AppFolder> m_folder;

private:
    // The second connection of sql/scalar/count, opened at first use and closed with the test.
    ado::Connection& side();
    std::unique_ptr<ado::Connection> m_side;
};

}  // namespace testsupport
