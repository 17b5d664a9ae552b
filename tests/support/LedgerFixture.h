#pragma once
// Fixture for tests of the ledger's windows and modules: a fresh program folder with a copy of the
// template database, fresh globals, the dialog script armed, every window unloaded at the end.
#include <gtest/gtest.h>

#include <QString>
#include <memory>

#include "tests/support/AppFolder.h"

namespace testsupport {

class LedgerTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Opens gCn on the folder's database (as start-up does), without any window.
    void openDb();
    // Runs SQL on a separate connection to check or prepare data behind the program's back.
    void sql(const QString& statement);
    // First column of the first row of a query, as text ("<null>" for Null, "<none>" for no row).
    QString scalar(const QString& query);
    int count(const QString& query);

    std::unique_ptr<AppFolder> m_folder;
};

}  // namespace testsupport
