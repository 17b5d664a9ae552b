#include "tests/support/LedgerFixture.h"

#include <QFile>

#include "core/Mdl_Access_mdb.h"
#include "core/Mdl_gData.h"
#include "platform/db/Ado.h"
#include "platform/text/Cp932.h"
#include "platform/text/VbConv.h"
#include "platform/ui/Form.h"
#include "platform/ui/Forms.h"

namespace testsupport {

QByteArray cp932Lines(const QStringList& lines) {
    QByteArray bytes;
    for (const QString& line : lines) bytes += cp932::encode(line) + "\r\n";
    return bytes;
}

QByteArray readFile(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return "<missing>";
    return f.readAll();
}

namespace {

QString quoted(const QString& text) { return QLatin1Char('\'') + vb::sqlQuote(text) + QLatin1Char('\''); }
QString quotedOrNull(const QString& text) { return text.isNull() ? QStringLiteral("NULL") : quoted(text); }

}  // namespace

LedgerTest::LedgerTest() = default;
LedgerTest::~LedgerTest() = default;

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
    m_side.reset();
    checkDialogScript();
    resetGlobals();
    m_folder.reset();
}

void LedgerTest::openDb() { ASSERT_TRUE(fnc_DB_Open()); }

void LedgerTest::closeSide() { m_side.reset(); }

ado::Connection& LedgerTest::side() {
    if (!m_side || m_side->State() != ado::adStateOpen) {
        m_side = std::make_unique<ado::Connection>();
        m_side->Open("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" + m_folder->dbPath());
    }
    return *m_side;
}

void LedgerTest::sql(const QString& statement) { side().Execute(statement); }

QString LedgerTest::scalar(const QString& query) {
    ado::Recordset rs;
    rs.Open(query, side(), ado::adOpenStatic, ado::adLockReadOnly);
    if (rs.RecordCount() == 0) return "<none>";
    const ado::Value v = rs.Fields(0).value();
    return v.isNull() ? QString("<null>") : v.toText();
}

int LedgerTest::count(const QString& query) {
    ado::Recordset rs;
    rs.Open(query, side(), ado::adOpenStatic, ado::adLockReadOnly);
    return rs.RecordCount();
}

std::vector<QStringList> LedgerTest::rows(const QString& query) {
    std::vector<QStringList> out;
    ado::Recordset rs;
    rs.Open(query, gCn(), ado::adOpenStatic, ado::adLockReadOnly);
    while (!rs.EOF()) {
        QStringList r;
        for (int i = 0; i < rs.FieldCount(); ++i) {
            const ado::Value v = rs.Fields(i).value();
            r << (v.isNull() ? QString("<null>") : v.toText());
        }
        out.push_back(r);
        rs.MoveNext();
    }
    rs.Close();
    return out;
}

void LedgerTest::addPc(const Pc& pc) {
    sql(QString("INSERT INTO tbl_Computer_List (MainKey, Location_Code, User_Code, Manufacturer_Code, Model_Code, "
                "Deleted_Flug) VALUES (%1, %2, %3, 0, %4, %5)")
            .arg(pc.key)
            .arg(pc.location)
            .arg(pc.user)
            .arg(pc.model)
            .arg(pc.deleted));
    sql(QString("INSERT INTO tbl_Pclist (MainKey, Computer_Name) VALUES (%1, '%2')").arg(pc.key).arg(pc.computerName));
}

void LedgerTest::addMaster(const QString& table, int code, const QString& name, const QString& availableFlug) {
    const QString stem = table.mid(4);  // tbl_Location -> Location
    sql(QString("INSERT INTO %1 (%2_Code, %2_Name, %2_Comment, Available_flug) VALUES (%3, %4, '', %5)")
            .arg(table, stem)
            .arg(code)
            .arg(quotedOrNull(name), quoted(availableFlug)));
}

void LedgerTest::addLocation(int code, const QString& name, const QString& availableFlug) {
    addMaster(QStringLiteral("tbl_Location"), code, name, availableFlug);
}

void LedgerTest::addUser(int code, const QString& name, const QString& availableFlug) {
    addUser(code, name, 0, 0, {}, availableFlug);
}

void LedgerTest::addUser(int code, const QString& name, int section, int division, const QString& kana,
                         const QString& availableFlug) {
    sql(QString("INSERT INTO tbl_User (User_Code, User_Name, User_Comment, Available_flug, kana, "
                "Employee_SerialNumber, Acount_Name, logon_Password, Section_Code, Division_Code) "
                "VALUES (%1, %2, '', %3, %4, '', '', '', %5, %6)")
            .arg(code)
            .arg(quotedOrNull(name), quoted(availableFlug), quoted(kana))
            .arg(section)
            .arg(division));
}

void LedgerTest::writeIni(const QStringList& lines) {
    QFile f(m_folder->file("DB.ini"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(cp932Lines(lines));
}

}  // namespace testsupport
