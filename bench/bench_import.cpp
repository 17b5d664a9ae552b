// The inventory import at volume: N inventory files of about 400 lines (every catalogue item, 150
// applications, 100 devices, 10 printers, 40 environment variables), all selected in the file-picking
// window and read by its Japanese read command, headless. Prints one line:
//   import_files_per_s=X peak_rss_mb=Y
// Target on the project machine: at least 100 files per second for N=500, under 200 MB.
// Usage: bench_import [N]   (N defaults to 500)

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>

#include "bench/BenchSupport.h"
#include "core/Mdl_Access_mdb.h"
#include "inventory_read/Catalogue.h"
#include "inventory_read/FileControls.h"
#include "inventory_read/frm_Open.h"
#include "platform/base/AppPath.h"
#include "platform/db/Ado.h"
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

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int files = argc > 1 ? std::atoi(argv[1]) : 500;
    if (files <= 0 || files > 32000) {
        std::fprintf(stderr, "usage: bench_import [N], 1 <= N <= 32000\n");
        return 2;
    }

    QTemporaryDir folder;
    const QString db = folder.path() + "/pcdb.mdb";
    if (!QFile::copy(VONDARI_TEMPLATE_DB, db)) {
        std::fprintf(stderr, "no template database at %s\n", VONDARI_TEMPLATE_DB);
        return 1;
    }
    QFile::setPermissions(db, QFile::ReadOwner | QFile::WriteOwner);
    vb::setAppPath(folder.path());
    ui::script::enable(true);

    for (int i = 0; i < files; ++i) {
        QFile f(folder.filePath(QString("PC%1.csv").arg(i, 5, 10, QChar('0'))));
        if (!f.open(QIODevice::WriteOnly) || f.write(inventoryFile(i)) < 0) {
            std::fprintf(stderr, "cannot write the inventory files\n");
            return 1;
        }
    }
    if (!fnc_DB_Open()) {
        std::fprintf(stderr, "the database did not open\n");
        return 1;
    }

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
        for (const auto& s : ui::script::shown()) std::fprintf(stderr, "  %s\n", qPrintable(s.prompt));
        return 1;
    }
    const double perSecond = ms > 0 ? files * 1000.0 / double(ms) : double(files) * 1000.0;
    std::printf("import_files_per_s=%.0f peak_rss_mb=%ld\n", perSecond, bench::peakRssMb());

    window->Unload();
    (void)fnc_DB_Close();
    return 0;
}
