#pragma once
// A copy of the template database in a temporary program folder, with one connection open on it.
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "platform/db/Ado.h"
#include "tests/support/AppFolder.h"

namespace dbtest {

inline QString jetConnectionString(const QString& path) {
    return QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=") + path;
}

// The error number a call throws, or 0 when it throws nothing.
inline long errorOf(const std::function<void()>& f) {
    try {
        f();
    } catch (const vb::Error& e) {
        return e.number();
    }
    return 0;
}

class TemplateDb : public ::testing::Test {
protected:
    void SetUp() override {
        m_folder = std::make_unique<testsupport::AppFolder>(true);
        cn.Open(jetConnectionString(m_folder->dbPath()));
    }
    void TearDown() override {
        cn.Close();
        m_folder.reset();
    }

    // Runs a statement and returns the rows it changed.
    long exec(const QString& sql) {
        cn.Execute(sql);
        return cn.lastRecordsAffected();
    }
    // First field of the first row as text ("<null>" for Null, "<none>" for no row).
    QString scalar(const QString& query) {
        ado::Recordset rs;
        rs.Open(query, cn, ado::adOpenStatic, ado::adLockReadOnly);
        if (rs.RecordCount() == 0) return QStringLiteral("<none>");
        const ado::Value& v = rs.Fields(0).value();
        return v.isNull() ? QStringLiteral("<null>") : v.toText();
    }
    int count(const QString& query) {
        ado::Recordset rs;
        rs.Open(query, cn, ado::adOpenStatic, ado::adLockReadOnly);
        return rs.RecordCount();
    }
    // How SQLite holds a column: "integer:12", "text:0", "null:".
    QString stored(const QString& table, const QString& column, const QString& where) {
        return scalar(
            QStringLiteral("SELECT typeof(%2) || ':' || ifnull(%2, '') FROM %1 WHERE %3").arg(table, column, where));
    }

    std::unique_ptr<testsupport::AppFolder> m_folder;
    ado::Connection cn;
};

}  // namespace dbtest
