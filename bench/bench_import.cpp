// The inventory import at volume: N inventory files of about 400 lines (every catalogue item, 150
// applications, 100 devices, 10 printers, 40 environment variables), all selected in the file-picking
// window and read by its Japanese read command, headless. In the same run, the bound: a plain program
// (the SQLite C API and the C library only) doing the same work for each file: reading it, decoding it
// with iconv and splitting it itself, then the staging rows, the two PC rows, one update per catalogue
// column and the list rows, in one transaction with prepared statements, on a copy of the same template.
// Five runs in turns, each importing every file once more; medians. Prints one line:
//   import_files_per_s=X sqlite_bound_files_per_s=B import_ratio=R peak_rss_mb=Y
// R = X / B is what to watch on a shared machine, whose load moves both figures alike.
// Target: R >= 0.8 (0.9 the aim) for N=500, under 200 MB.
// Usage: bench_import [N]   (N defaults to 500)

#include <sqlite3.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench/BenchSupport.h"
#include "bench/PlainBound.h"
#include "core/Mdl_Access_mdb.h"
#include "inventory_read/Catalogue.h"
#include "inventory_read/FileControls.h"
#include "inventory_read/frm_Open.h"
#include "platform/db/Ado.h"
#include "platform/text/Cp932.h"
#include "platform/ui/Dialogs.h"

namespace {

using inventory::Rule;

// Each run imports every file once more, so five are many imports already.
constexpr int kRuns = 5;

// One line per catalogue item, Japanese labels, values as a collecting tool writes them.
QStringList catalogueLines(int file) {
    QStringList lines;
    const QString day = QStringLiteral("2005/04/01 12:30:45");
    for (const inventory::CatalogueEntry& e : inventory::kCatalogue) {
        // Unit entries share their value entry's line; entries 4 and 97 share the line of 3 and 96.
        if (e.rule == Rule::PairUnit || e.rule == Rule::CacheUnit || e.number == 4 || e.number == 97) continue;
        const QString first = QString::fromUtf8(e.japanese.first);
        const QString second = QString::fromUtf8(e.japanese.second);
        QString contents;
        QString unit;
        switch (e.rule) {
            case Rule::Number:
                contents = QStringLiteral("2400");
                break;
            case Rule::Pair:
                contents = QString::number(523760 + file);
                unit = QStringLiteral("KB");
                break;
            case Rule::CachePair:
                contents = QStringLiteral("512");
                unit = QStringLiteral("KB");
                break;
            case Rule::CpuFlag:
                contents = file % 2 ? QStringLiteral("TRUE") : QStringLiteral("0");
                break;
            case Rule::IpKey:
            case Rule::Text:
                contents = e.number == 3 ? QString("192.168.%1.%2").arg(file / 250).arg(file % 250)
                                         : QString("%1 %2").arg(e.columnName()).arg(file);
                break;
            default:
                break;
        }
        switch (e.fields) {
            case inventory::SelectorFields::GroupItem:
                lines << QString(",%1,%2,%3,,,%4").arg(first, second, day, day);
                break;
            case inventory::SelectorFields::SubItemContents:
                lines << QString(",Soft,IE,%1,%2,%3,%4")
                             .arg(first, second, e.rule == Rule::UnitText ? QStringLiteral("http://intra/") : "True",
                                  day);
                break;
            case inventory::SelectorFields::ItemSubItem:
                lines << QString(",Hard,%1,%2,%3,%4,%5").arg(first, second, contents, unit, day);
                break;
        }
    }
    return lines;
}

QByteArray inventoryFile(int file) {
    QStringList lines = {QStringLiteral("Key,Group,Item,SubItem,Contents,Unit,Renewalday")};
    const QString day = QStringLiteral("2005/04/01 12:30:45");
    for (const QString& l : catalogueLines(file)) lines << QString::number(lines.size()) + l;
    for (int i = 0; i < 150; ++i)
        lines << QString("%1,Soft,Application,表計算ソフト %2,%3.0.%2,C:\\Program Files\\App%2\\app.exe,%4")
                     .arg(lines.size())
                     .arg(i)
                     .arg(file % 9 + 1)
                     .arg(day);
    for (int i = 0; i < 100; ++i)
        lines << QString("%1,Device,Display,デバイス %2,Provider %3,5.1.%2,%4")
                     .arg(lines.size())
                     .arg(i)
                     .arg(i % 7)
                     .arg(day);
    for (int i = 0; i < 10; ++i)
        lines << QString("%1,Hard,Printer,プリンタ %2,LPT%3:,,%4").arg(lines.size()).arg(i).arg(i % 3 + 1).arg(day);
    for (int i = 0; i < 40; ++i)
        lines << QString("%1,Environmental,VAR%2,C:\\Windows\\System32;C:\\Tools%2,,,%3")
                     .arg(lines.size())
                     .arg(i)
                     .arg(day);
    QByteArray bytes;
    for (const QString& line : lines) bytes += cp932::encode(line) + "\r\n";
    return bytes;
}

int pcCount() {
    ado::Recordset rs;
    rs.Open("SELECT MainKey FROM tbl_Computer_List WHERE MainKey > 0", gCn(), ado::adOpenStatic, ado::adLockReadOnly);
    const int n = rs.RecordCount();
    rs.Close();
    return n;
}

// ---- the bound: the SQLite C API and the C library only -------------------------------------------

// The plain program: the file read, decoded (iconv) and split by itself, no translation, no recordsets,
// every statement prepared once.
class SqliteBound {
public:
    explicit SqliteBound(const char* path) : m_db(path) {
        m_stage = m_db.prepare(
            "INSERT INTO tbl_ReadCsv (\"Key\", \"Group\", Item, SubItem, Contents, Unit, Renewalday) "
            "VALUES (?, ?, ?, ?, ?, ?, ?)");
        m_pc1 = m_db.prepare(
            "INSERT INTO tbl_Computer_List (MainKey, Location_Code, User_Code, Manufacturer_Code, "
            "Model_Code, Asset_Code) VALUES (?, 0, 0, 0, 0, 0)");
        m_pc2 = m_db.prepare("INSERT INTO tbl_Pclist (MainKey) VALUES (?)");
        for (const inventory::CatalogueEntry& e : inventory::kCatalogue) {
            const char* table = e.table == inventory::TargetTable::Pclist ? "tbl_Pclist" : "tbl_Computer_List";
            m_updates.push_back(m_db.prepare(QString("UPDATE %1 SET \"%2\" = ? WHERE MainKey = ?")
                                                 .arg(QLatin1String(table), e.columnName())
                                                 .toUtf8()
                                                 .constData()));
            plain::Lookup l = bench::plainLookup(e, inventory::LabelSet::Japanese);
            l.taken = e.rule == Rule::UnitText ? plain::kUnit : plain::kContents;
            m_lookups.push_back(std::move(l));
        }
        m_apps = m_db.prepare(
            "INSERT INTO tbl_ApplicationsList (\"Update\", Application_Name, Application_Version, "
            "Application_Path, \"Key\") VALUES (?, ?, ?, ?, ?)");
        m_devices = m_db.prepare(
            "INSERT INTO tbl_Device_Management (\"Update\", Device_Category, Device_Name, "
            "Device_Provider, Device_Version, \"Key\") VALUES (?, ?, ?, ?, ?, ?)");
        m_printers = m_db.prepare(
            "INSERT INTO tbl_Printer_Management (\"Update\", Printer_Name, PrinterPorts_Name, "
            "\"Key\") VALUES (?, ?, ?, ?)");
        m_envs = m_db.prepare(
            "INSERT INTO tbl_Environmental (\"Update\", Environmental_Name, Environmental_Path, "
            "\"Key\") VALUES (?, ?, ?, ?)");
    }
    [[nodiscard]] bool failed() const { return m_db.failed(); }

    void importFile(const char* path, int key) {
        using namespace plain;
        if (!readCp932(path, &m_text)) return m_db.fail(path);
        splitLines(m_text, &m_lines);

        m_db.exec("BEGIN");
        m_db.exec("DELETE FROM tbl_ReadCsv");
        for (const Line& line : m_lines) m_db.run(m_stage, &line, {0, 1, 2, 3, 4, 5, 6}, -1);
        m_db.run(m_pc1, nullptr, {}, key);
        m_db.run(m_pc2, nullptr, {}, key);
        // One update per catalogue column, from the first line its selector finds.
        for (std::size_t i = 0; i < m_lookups.size(); ++i) {
            const Line* r = firstMatch(m_lines, m_lookups[i]);
            sqlite3_stmt* st = m_updates[i];
            const int f = m_lookups[i].taken;
            sqlite3_bind_text(st, 1, r ? r->field[f] : "", r ? r->size[f] : 0, SQLITE_STATIC);
            sqlite3_bind_int(st, 2, key);
            while (sqlite3_step(st) == SQLITE_ROW) {
            }
            sqlite3_reset(st);
        }
        for (const Line& r : m_lines) {
            const bool hard = sameText(r.field[kGroup], r.size[kGroup], kHard);
            if (sameText(r.field[kGroup], r.size[kGroup], kSoft) && sameText(r.field[kItem], r.size[kItem], kApp))
                m_db.run(m_apps, &r, {kRenewalday, kSubItem, kContents, kUnit}, key);
            else if (sameText(r.field[kGroup], r.size[kGroup], kDevice))
                m_db.run(m_devices, &r, {kRenewalday, kItem, kSubItem, kContents, kUnit}, key);
            else if (hard && sameText(r.field[kItem], r.size[kItem], kPrinter))
                m_db.run(m_printers, &r, {kRenewalday, kSubItem, kContents}, key);
            else if (sameText(r.field[kGroup], r.size[kGroup], kEnvironmental))
                m_db.run(m_envs, &r, {kRenewalday, kItem, kSubItem}, key);
        }
        m_db.exec("COMMIT");
    }

private:
    const std::string kSoft = "Soft", kApp = "Application", kDevice = "Device", kHard = "Hard", kPrinter = "Printer",
                      kEnvironmental = "Environmental";
    plain::Db m_db;
    std::vector<plain::Lookup> m_lookups;
    std::vector<sqlite3_stmt*> m_updates;
    sqlite3_stmt *m_stage, *m_pc1, *m_pc2, *m_apps, *m_devices, *m_printers, *m_envs;
    std::string m_text;
    std::vector<plain::Line> m_lines;
};

}  // namespace

int main(int argc, char** argv) {
    bench::headless();
    QApplication app(argc, argv);
    const int files = argc > 1 ? std::atoi(argv[1]) : 500;
    if (files <= 0 || files > 32000) {
        std::fprintf(stderr, "usage: bench_import [N], 1 <= N <= 32000\n");
        return 2;
    }

    QTemporaryDir folder;
    if (!bench::setUpProgramFolder(folder)) return 1;

    for (int i = 0; i < files; ++i) {
        QFile f(folder.filePath(QString("PC%1.csv").arg(i, 5, 10, QChar('0'))));
        if (!f.open(QIODevice::WriteOnly) || f.write(inventoryFile(i)) < 0) {
            std::fprintf(stderr, "cannot write the inventory files\n");
            return 1;
        }
    }
    if (!bench::openDatabase()) return 1;

    // The bound's own copy of the template, and the files' names made before anything is timed.
    QTemporaryDir boundFolder;
    const QString boundDb = boundFolder.path() + "/pcdb.mdb";
    if (!bench::copyTemplate(boundDb)) return bench::fail("no template database for the bound");
    std::vector<std::string> paths;
    for (int i = 0; i < files; ++i)
        paths.push_back(
            QFile::encodeName(folder.filePath(QString("PC%1.csv").arg(i, 5, 10, QChar('0')))).toStdString());
    SqliteBound bound(QFile::encodeName(boundDb).constData());

    auto* window = new frm_Open;
    window->Load();

    // Each run imports every file once more, as new PCs: the project, then the bound.
    std::vector<double> project, plainRate;
    for (int run = 0; run < kRuns; ++run) {
        // The window as the user leaves it: every listed file selected, one of them clicked (the command
        // greys itself out when done).
        window->File1->setCurrentRow(-1);
        window->File1->setCurrentRow(0);
        window->File1->selectAll();
        if (window->File1->ListCount() != files || !window->Mnu_ReadCSV->isEnabled()) {
            std::fprintf(stderr, "the file list holds %d files, the read command is %s\n", window->File1->ListCount(),
                         window->Mnu_ReadCSV->isEnabled() ? "on" : "off");
            return 1;
        }
        ui::script::reset();
        ui::script::answerMsgBox(ui::vbOK);
        QElapsedTimer timer;
        timer.start();
        window->Mnu_ReadCSV->trigger();
        const double ms = double(timer.nsecsElapsed()) / 1e6;
        const int pcs = pcCount();
        if (pcs != files * (run + 1) || ui::script::shown().size() != 1) {
            std::fprintf(stderr, "%d of %d files imported, %zu boxes\n", pcs - files * run, files,
                         ui::script::shown().size());
            bench::printBoxes();
            return 1;
        }
        project.push_back(files * 1000.0 / ms);

        timer.restart();
        for (int i = 0; i < files; ++i) bound.importFile(paths[std::size_t(i)].c_str(), run * files + i + 1);
        const double boundMs = double(timer.nsecsElapsed()) / 1e6;
        if (bound.failed()) return bench::fail("the bound did not import the files");
        plainRate.push_back(files * 1000.0 / boundMs);
    }
    window->Unload();
    (void)fnc_DB_Close();

    const double perSecond = bench::median(project);
    const double boundRate = bench::median(plainRate);
    std::printf("import_files_per_s=%.0f sqlite_bound_files_per_s=%.0f import_ratio=%.2f peak_rss_mb=%ld\n", perSecond,
                boundRate, perSecond / boundRate, bench::peakRssMb());
    return 0;
}
