#include "tests/inventory_read/InventoryFixture.h"

#include <QDir>
#include <QFile>

#include "core/Mdl_Access_mdb.h"
#include "platform/db/Ado.h"
#include "platform/text/Cp932.h"

namespace invtest {

QByteArray crlf(const QStringList& lines) {
    QByteArray bytes;
    for (const QString& line : lines) bytes += cp932::encode(line) + "\r\n";
    return bytes;
}

void InventoryTest::SetUp() {
    LedgerTest::SetUp();
    openDb();
}

void InventoryTest::TearDown() {
    if (gCn_ptr) gCn().setFailHook({});
    LedgerTest::TearDown();
}

QString InventoryTest::copySample(const QString& name, const QString& asName, const QString& folder) {
    const QString dir = folder.isEmpty() ? m_folder->path() : folder;
    QDir().mkpath(dir);
    const QString target = dir + "/" + (asName.isEmpty() ? name : asName);
    QFile::remove(target);
    EXPECT_TRUE(QFile::copy(testsupport::samplesDir() + "/" + name, target)) << name.toStdString();
    return target;
}

QString InventoryTest::writeFile(const QString& name, const QByteArray& bytes) {
    const QString path = m_folder->file(name);
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
    return path;
}

QString InventoryTest::writeInventory(const QString& name, const QStringList& lines) {
    return writeFile(name, crlf(QStringList{kHeader} + lines));
}

QString InventoryTest::pclist(int key, const QString& column) {
    return scalar(QString("SELECT [%1] FROM tbl_Pclist WHERE MainKey = %2").arg(column).arg(key));
}

QString InventoryTest::computerList(int key, const QString& column) {
    return scalar(QString("SELECT [%1] FROM tbl_Computer_List WHERE MainKey = %2").arg(column).arg(key));
}

void InventoryTest::addPc(int key, const QString& computerName) {
    sql(QString("INSERT INTO tbl_Computer_List (MainKey, Location_Code, User_Code, Manufacturer_Code, Model_Code) "
                "VALUES (%1, 0, 0, 0, 0)")
            .arg(key));
    sql(QString("INSERT INTO tbl_Pclist (MainKey, Computer_Name) VALUES (%1, '%2')").arg(key).arg(computerName));
}

void InventoryTest::expectPcAsExpected(int key, const QString& sampleName, inventory::LabelSet set) {
    const QString file = testsupport::samplesDir() + "/expected/" + sampleName +
                         (set == inventory::LabelSet::Japanese ? ".ja.tsv" : ".en.tsv");
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << file.toStdString();
    const QStringList lines = QString::fromUtf8(f.readAll()).split('\n', Qt::SkipEmptyParts);
    ASSERT_GT(lines.size(), 100);

    std::vector<QStringList> apps, devices, printers, envs;
    int columns = 0;
    for (const QString& line : lines) {
        const QStringList f = line.split('\t');
        const QString& kind = f[0];
        if (kind == "P" || kind == "C") {
            ++columns;
            const QString got = kind == "P" ? pclist(key, f[1]) : computerList(key, f[1]);
            EXPECT_EQ(got, f[2]) << (kind == "P" ? "tbl_Pclist." : "tbl_Computer_List.") << f[1].toStdString();
        } else {
            QStringList row = f.mid(1);
            row << QString::number(key);
            (kind == "A" ? apps : kind == "D" ? devices : kind == "R" ? printers : envs).push_back(row);
        }
    }
    EXPECT_EQ(columns, 104 + 3 + 6) << "the catalogue columns of both tables, the five codes and the removal flag";
    const QString k = QString::number(key);
    EXPECT_EQ(rows("SELECT [Update], Application_Name, Application_Version, Application_Path, [Key] FROM "
                   "tbl_ApplicationsList WHERE [Key] = " +
                   k),
              apps);
    EXPECT_EQ(rows("SELECT [Update], Device_Category, Device_Name, Device_Provider, Device_Version, [Key] FROM "
                   "tbl_Device_Management WHERE [Key] = " +
                   k),
              devices);
    EXPECT_EQ(
        rows("SELECT [Update], Printer_Name, PrinterPorts_Name, [Key] FROM tbl_Printer_Management WHERE [Key] = " + k),
        printers);
    EXPECT_EQ(
        rows("SELECT [Update], Environmental_Name, Environmental_Path, [Key] FROM tbl_Environmental WHERE [Key] = " +
             k),
        envs);
    // Columns no inventory file fills.
    for (const char* c :
         {"ProductKey", "UserPassword", "Version_Number", "ServicePack", "Floppydisk_Drive", "Combo_Drive"})
        EXPECT_EQ(pclist(key, c), "<null>") << c;
}

int InventoryTest::orphanRows() {
    int n = 0;
    for (const char* t :
         {"tbl_ApplicationsList", "tbl_Device_Management", "tbl_Printer_Management", "tbl_Environmental"})
        n += count(QString("SELECT * FROM %1 WHERE [Key] NOT IN (SELECT MainKey FROM tbl_Computer_List)").arg(t));
    n += count("SELECT * FROM tbl_Pclist WHERE MainKey NOT IN (SELECT MainKey FROM tbl_Computer_List)");
    n += count("SELECT * FROM tbl_Computer_List WHERE MainKey NOT IN (SELECT MainKey FROM tbl_Pclist)");
    return n;
}

}  // namespace invtest
