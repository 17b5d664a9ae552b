#include "tests/support/LedgerFixture.h"

#include "core/Mdl_Access_mdb.h"
#include "core/Mdl_gData.h"
#include "platform/db/Ado.h"
#include "platform/ui/Form.h"
#include "platform/ui/Forms.h"

namespace testsupport {

void LedgerTest::SetUp() {
    resetGlobals();
    gCn_ptr.reset();
    m_folder = std::make_unique<AppFolder>(true);
    armDialogScript();
}

void LedgerTest::TearDown() {
    ui::unloadAll(ui::vbFormCode);
    if (gCn_ptr && gCn_ptr->State() == ado::adStateOpen) gCn_ptr->Close();
    gCn_ptr.reset();
    checkDialogScript();
    resetGlobals();
    m_folder.reset();
}

void LedgerTest::openDb() { ASSERT_TRUE(fnc_DB_Open()); }

namespace {
ado::Connection& side(const QString& path) {
    static std::unique_ptr<ado::Connection> cn;
    static QString openPath;
    if (!cn || cn->State() != ado::adStateOpen || openPath != path) {
        cn = std::make_unique<ado::Connection>();
        cn->Open("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" + path);
        openPath = path;
    }
    return *cn;
}
}  // namespace

void LedgerTest::sql(const QString& statement) { side(m_folder->dbPath()).Execute(statement); }

QString LedgerTest::scalar(const QString& query) {
    ado::Recordset rs;
    rs.Open(query, side(m_folder->dbPath()), ado::adOpenStatic, ado::adLockReadOnly);
    if (rs.RecordCount() == 0) return "<none>";
    const ado::Value& v = rs.Fields(0).value();
    return v.isNull() ? QString("<null>") : v.toText();
}

int LedgerTest::count(const QString& query) {
    ado::Recordset rs;
    rs.Open(query, side(m_folder->dbPath()), ado::adOpenStatic, ado::adLockReadOnly);
    return rs.RecordCount();
}

}  // namespace testsupport
