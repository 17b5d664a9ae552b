// The inventory import at volume: N inventory files of about 400 lines (every catalogue item, 150
// applications, 100 devices, 10 printers, 40 environment variables), all selected in the file-picking
// window and read by its Japanese read command, headless. In the same run, the bound: a plain SQLite
// program writing the same rows for each file (reading and splitting the file, the staging rows, the two
// PC rows, one update per catalogue column, the list rows) in one transaction with prepared statements,
// on a copy of the same template. Prints one line:
//   import_files_per_s=X sqlite_bound_files_per_s=B import_ratio=R peak_rss_mb=Y
// R = X / B is what to watch on a shared machine, whose load moves both figures alike.
// Target: R >= 0.6 for N=500, under 200 MB.
// Usage: bench_import [N]   (N defaults to 500)

#include <sqlite3.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QHash>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>

#include "bench/BenchSupport.h"
#include "core/Mdl_Access_mdb.h"
#include "core/Mdl_ReadCsv.h"
#include "inventory_read/Catalogue.h"
#include "inventory_read/FileControls.h"
#include "inventory_read/frm_Open.h"
#include "platform/db/Ado.h"
#include "platform/db/SqliteSupport.h"
#include "platform/text/Cp932.h"
#include "platform/ui/Dialogs.h"

namespace {

using inventory::Rule;

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

// The plain SQLite program: no translation, no recordsets, every statement prepared once.
class SqliteBound {
public:
    explicit SqliteBound(const QString& path) {
        if (sqlite3_open_v2(QFile::encodeName(path).constData(), &m_db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK)
            fail("open");
        ado::detail::registerJetFunctions(m_db);  // the schema's date triggers call it
        exec("PRAGMA journal_mode=WAL");
        exec("PRAGMA synchronous=NORMAL");
        m_stage = prepare(
            "INSERT INTO tbl_ReadCsv (\"Key\", \"Group\", Item, SubItem, Contents, Unit, Renewalday) "
            "VALUES (?, ?, ?, ?, ?, ?, ?)");
        m_pc1 = prepare(
            "INSERT INTO tbl_Computer_List (MainKey, Location_Code, User_Code, Manufacturer_Code, "
            "Model_Code, Asset_Code) VALUES (?, 0, 0, 0, 0, 0)");
        m_pc2 = prepare("INSERT INTO tbl_Pclist (MainKey) VALUES (?)");
        for (const inventory::CatalogueEntry& e : inventory::kCatalogue) {
            const char* table = e.table == inventory::TargetTable::Pclist ? "tbl_Pclist" : "tbl_Computer_List";
            m_updates.push_back(prepare(QString("UPDATE %1 SET \"%2\" = ? WHERE MainKey = ?")
                                            .arg(QLatin1String(table), e.columnName())
                                            .toUtf8()
                                            .constData()));
        }
        m_apps = prepare(
            "INSERT INTO tbl_ApplicationsList (\"Update\", Application_Name, Application_Version, "
            "Application_Path, \"Key\") VALUES (?, ?, ?, ?, ?)");
        m_devices = prepare(
            "INSERT INTO tbl_Device_Management (\"Update\", Device_Category, Device_Name, "
            "Device_Provider, Device_Version, \"Key\") VALUES (?, ?, ?, ?, ?, ?)");
        m_printers = prepare(
            "INSERT INTO tbl_Printer_Management (\"Update\", Printer_Name, PrinterPorts_Name, "
            "\"Key\") VALUES (?, ?, ?, ?)");
        m_envs = prepare(
            "INSERT INTO tbl_Environmental (\"Update\", Environmental_Name, Environmental_Path, "
            "\"Key\") VALUES (?, ?, ?, ?)");
    }
    ~SqliteBound() {
        for (sqlite3_stmt* st : m_all) sqlite3_finalize(st);
        sqlite3_close_v2(m_db);
    }

    void importFile(const QString& path, int key) {
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly)) fail("read");
        const QStringList lines = readcsv::lineInput(cp932::decode(f.readAll()));
        std::vector<readcsv::StagedLine> rows;
        rows.reserve(std::size_t(lines.size()));
        for (qsizetype i = 1; i < lines.size(); ++i) rows.push_back(readcsv::splitLine(lines[i]));

        exec("BEGIN");
        exec("DELETE FROM tbl_ReadCsv");
        for (const readcsv::StagedLine& r : rows)
            run(m_stage, {&r.Key, &r.Group, &r.Item, &r.SubItem, &r.Contents, &r.Unit, &r.Renewalday}, -1);
        run(m_pc1, {}, key);
        run(m_pc2, {}, key);
        // The first row of each selector, found once per file.
        QHash<QString, const readcsv::StagedLine*> first;
        for (const readcsv::StagedLine& r : rows)
            for (const QString& k : {r.Item + u'|' + r.SubItem, r.Group + u'|' + r.Item, r.SubItem + u'|' + r.Contents})
                if (!first.contains(k)) first.insert(k, &r);
        const QString empty;
        for (std::size_t i = 0; i < inventory::kCatalogue.size(); ++i) {
            const inventory::CatalogueEntry& e = inventory::kCatalogue[i];
            const QString k = QString::fromUtf8(e.japanese.first) + u'|' + QString::fromUtf8(e.japanese.second);
            const readcsv::StagedLine* r = first.value(k);
            const QString& v = !r ? empty : e.rule == Rule::UnitText ? r->Unit : r->Contents;
            run(m_updates[i], {&v}, key);
        }
        for (const readcsv::StagedLine& r : rows) {
            if (r.Group == u"Soft" && r.Item == u"Application")
                run(m_apps, {&r.Renewalday, &r.SubItem, &r.Contents, &r.Unit}, key);
            else if (r.Group == u"Device")
                run(m_devices, {&r.Renewalday, &r.Item, &r.SubItem, &r.Contents, &r.Unit}, key);
            else if (r.Group == u"Hard" && r.Item == u"Printer")
                run(m_printers, {&r.Renewalday, &r.SubItem, &r.Contents}, key);
            else if (r.Group == u"Environmental")
                run(m_envs, {&r.Renewalday, &r.Item, &r.SubItem}, key);
        }
        exec("COMMIT");
    }

private:
    [[noreturn]] void fail(const char* what) {
        std::fprintf(stderr, "sqlite bound: %s: %s\n", what, sqlite3_errmsg(m_db));
        std::exit(1);
    }
    void exec(const char* sql) {
        if (sqlite3_exec(m_db, sql, nullptr, nullptr, nullptr) != SQLITE_OK) fail(sql);
    }
    sqlite3_stmt* prepare(const char* sql) {
        sqlite3_stmt* st = nullptr;
        if (sqlite3_prepare_v2(m_db, sql, -1, &st, nullptr) != SQLITE_OK) fail(sql);
        m_all.push_back(st);
        return st;
    }
    // Binds the texts, then the key when it is not negative; a row the database refuses is left out.
    void run(sqlite3_stmt* st, std::initializer_list<const QString*> texts, int key) {
        int i = 0;
        for (const QString* t : texts) {
            const QByteArray utf8 = t->toUtf8();
            sqlite3_bind_text(st, ++i, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
        }
        if (key >= 0) sqlite3_bind_int(st, ++i, key);
        while (sqlite3_step(st) == SQLITE_ROW) {
        }
        sqlite3_reset(st);
    }

    sqlite3* m_db = nullptr;
    std::vector<sqlite3_stmt*> m_all;
    sqlite3_stmt* m_stage = nullptr;
    sqlite3_stmt* m_pc1 = nullptr;
    sqlite3_stmt* m_pc2 = nullptr;
    std::vector<sqlite3_stmt*> m_updates;
    sqlite3_stmt *m_apps = nullptr, *m_devices = nullptr, *m_printers = nullptr, *m_envs = nullptr;
};

// Files per second of the plain SQLite program over the same files, on its own copy of the template.
double sqliteBound(const QString& folder, int files) {
    QTemporaryDir dbFolder;
    const QString db = dbFolder.path() + "/pcdb.mdb";
    if (!bench::copyTemplate(db)) return 0;
    SqliteBound bound(db);
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < files; ++i) bound.importFile(folder + QString("/PC%1.csv").arg(i, 5, 10, QChar('0')), i + 1);
    const qint64 ms = timer.elapsed();
    return ms > 0 ? files * 1000.0 / double(ms) : double(files) * 1000.0;
}

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

    // The window as the user leaves it: every listed file selected, one of them clicked.
    auto* window = new frm_Open;
    window->Load();
    window->File1->setCurrentRow(0);
    window->File1->selectAll();
    if (window->File1->ListCount() != files || !window->Mnu_ReadCSV->isEnabled()) {
        std::fprintf(stderr, "the file list holds %d files\n", window->File1->ListCount());
        return 1;
    }
    ui::script::answerMsgBox(ui::vbOK);

    QElapsedTimer timer;
    timer.start();
    window->Mnu_ReadCSV->trigger();
    const qint64 ms = timer.elapsed();

    const int pcs = pcCount();
    if (pcs != files || ui::script::shown().size() != 1) {
        std::fprintf(stderr, "%d of %d files imported, %zu boxes\n", pcs, files, ui::script::shown().size());
        bench::printBoxes();
        return 1;
    }
    const double perSecond = ms > 0 ? files * 1000.0 / double(ms) : double(files) * 1000.0;
    window->Unload();
    (void)fnc_DB_Close();

    const double bound = sqliteBound(folder.path(), files);
    std::printf("import_files_per_s=%.0f sqlite_bound_files_per_s=%.0f import_ratio=%.2f peak_rss_mb=%ld\n", perSecond,
                bound, bound > 0 ? perSecond / bound : 0.0, bench::peakRssMb());
    return 0;
}
