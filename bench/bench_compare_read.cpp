// The comparison window's read command: a PC picked in the list, then an inventory file of 400 lines
// (every catalogue item, 150 applications, 100 devices, 10 printers, 40 environment variables and
// filler lines) read through the command with the file dialog answered, headless. Timed from the
// command's start until both grids are drawn again. In the same run, on the same file and database, the
// bound: a plain SQLite program doing the same reads and writes (the file read, decoded by iconv and split,
// the staging table emptied and filled by one prepared insert in one transaction, the 107 values found in
// the staged lines and the applications picked from them, as the window takes both, every text shown
// copied out). Prints one line:
//   compare_read_ms=N compare_bound_ms=B compare_read_over_bound=R peak_rss_mb=M
// N and B are medians of `runs` reads, taken in turns. Targets: N <= 200 on the project machine, the time a
// user waits; R <= 5, as N includes drawing both grids and the bound draws nothing.
// Usage: bench_compare_read [runs]   (default 9, at least 5)

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench/BenchSupport.h"
#include "bench/PlainBound.h"
#include "core/Mdl_Access_mdb.h"
#include "inventory_compare/Registration.h"
#include "inventory_compare/frm_Inport.h"
#include "inventory_read/Catalogue.h"
#include "platform/db/Ado.h"
#include "platform/text/Cp932.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/Fonts.h"
#include "platform/ui/Forms.h"
#include "platform/ui/ListBox.h"
#include "platform/ui/TextBox.h"

namespace {

using inventory::Rule;

constexpr int kLines = 400;

// ---- the bound: the SQLite C API and the C library only -------------------------------------------

class Bound {
public:
    Bound(const char* db, std::vector<plain::Lookup> lookups) : m_db(db), m_lookups(std::move(lookups)) {
        m_stage = m_db.prepare(
            "INSERT INTO tbl_ReadCsv (\"Key\", \"Group\", Item, SubItem, Contents, Unit, Renewalday) VALUES (?, ?, ?, "
            "?, ?, ?, ?)");
    }
    [[nodiscard]] bool failed() const { return m_db.failed(); }
    [[nodiscard]] int found() const { return int(m_values.size()); }
    [[nodiscard]] int applications() const { return int(m_applications.size() / 3); }

    void read(const char* path) {
        if (!plain::readCp932(path, &m_text)) return m_db.fail("the file");
        plain::splitLines(m_text, &m_lines);
        m_db.exec("BEGIN");
        m_db.exec("DELETE FROM tbl_ReadCsv");
        for (const plain::Line& line : m_lines) m_db.run(m_stage, &line, {0, 1, 2, 3, 4, 5, 6}, -1);
        m_db.exec("COMMIT");
        // The first staged line each item's query selects, its value copied out as the grid takes it.
        m_values.clear();
        for (const plain::Lookup& l : m_lookups)
            if (const plain::Line* line = plain::firstMatch(m_lines, l))
                m_values.emplace_back(line->field[l.taken], std::size_t(line->size[l.taken]));
        // The applications among the staged lines (Item compared as the table compares), in file order, with
        // their name, version and path copied out.
        m_applications.clear();
        for (const plain::Line& line : m_lines)
            if (plain::sameText(line.field[plain::kItem], line.size[plain::kItem], m_application))
                for (int f : {plain::kSubItem, plain::kContents, plain::kUnit})
                    m_applications.emplace_back(line.field[f], std::size_t(line.size[f]));
    }

private:
    plain::Db m_db;
    std::vector<plain::Lookup> m_lookups;
    sqlite3_stmt* m_stage;
    const std::string m_application = "Application";
    std::string m_text;
    std::vector<plain::Line> m_lines;
    std::vector<std::string> m_values;
    std::vector<std::string> m_applications;
};

// The item rows' lookups, taken from the catalogue before anything is timed.
std::vector<plain::Lookup> itemLookups() {
    std::vector<plain::Lookup> all;
    for (int r = 1; r <= compare::kItemRows; ++r) {
        plain::Lookup l = bench::plainLookup(inventory::catalogueEntry(r), inventory::LabelSet::Japanese);
        const compare::StagedField shown = compare::itemRow(r).field;
        l.taken = shown == compare::StagedField::SubItem ? plain::kSubItem
                  : shown == compare::StagedField::Unit  ? plain::kUnit
                                                         : plain::kContents;
        all.push_back(std::move(l));
    }
    return all;
}

QByteArray inventoryFile() {
    const QString day = QStringLiteral("2005/04/01 12:30:45");
    QStringList lines = {QStringLiteral("Key,Group,Item,SubItem,Contents,Unit,Renewalday")};
    auto add = [&lines](const QString& rest) { lines << QString::number(lines.size()) + "," + rest; };
    for (const inventory::CatalogueEntry& e : inventory::kCatalogue) {
        // Unit entries share their value entry's line; entries 4 and 97 share the line of 3 and 96.
        if (e.rule == Rule::PairUnit || e.rule == Rule::CacheUnit || e.number == 4 || e.number == 97) continue;
        const QString first = QString::fromUtf8(e.japanese.first);
        const QString second = QString::fromUtf8(e.japanese.second);
        switch (e.fields) {
            case inventory::SelectorFields::GroupItem:
                add(QString("%1,%2,%3,,,%4").arg(first, second, day, day));
                break;
            case inventory::SelectorFields::SubItemContents:
                add(QString("Soft,IE,%1,%2,%3,%4")
                        .arg(first, second, e.rule == Rule::UnitText ? "http://intra/" : "True", day));
                break;
            case inventory::SelectorFields::ItemSubItem: {
                const QString contents = e.rule == Rule::CpuFlag ? QStringLiteral("TRUE")
                                         : e.number == 3         ? QStringLiteral("192.168.1.10")
                                                                 : QString("%1 value").arg(e.columnName());
                add(QString("Hard,%1,%2,%3,KB,%4").arg(first, second, contents, day));
                break;
            }
        }
    }
    for (int i = 0; i < 150; ++i)
        add(QString("Soft,Application,表計算ソフト %1,%2.0,C:\\Program Files\\App%1\\app.exe,%3")
                .arg(i)
                .arg(i % 9)
                .arg(day));
    for (int i = 0; i < 100; ++i)
        add(QString("Device,Display,デバイス %1,Provider %2,5.1.%1,%3").arg(i).arg(i % 7).arg(day));
    for (int i = 0; i < 10; ++i) add(QString("Hard,Printer,プリンタ %1,LPT%2:,,%3").arg(i).arg(i % 3 + 1).arg(day));
    for (int i = 0; i < 40; ++i) add(QString("Environmental,VAR%1,C:\\Tools%1,,,%2").arg(i).arg(day));
    while (lines.size() <= kLines) add(QString("Soft,Registry,Key%1,Value,,%2").arg(lines.size()).arg(day));
    QByteArray bytes;
    for (const QString& line : lines) bytes += cp932::encode(line) + "\r\n";
    return bytes;
}

}  // namespace

int main(int argc, char** argv) {
    bench::headless();
    QApplication app(argc, argv);
    ui::installFonts();
    const int runs = argc > 1 ? std::atoi(argv[1]) : bench::kRepeats;
    if (runs < 5 || runs > 1000) {
        std::fprintf(stderr, "usage: bench_compare_read [runs], 5 <= runs <= 1000\n");
        return 2;
    }

    QTemporaryDir folder;
    if (!bench::setUpProgramFolder(folder)) return 1;

    const QString csv = folder.filePath("PC00001.csv");
    QFile file(csv);
    if (!file.open(QIODevice::WriteOnly) || file.write(inventoryFile()) < 0) {
        std::fprintf(stderr, "cannot write the inventory file\n");
        return 1;
    }
    file.close();
    if (!bench::openDatabase()) return 1;
    gCn().Execute(
        "INSERT INTO tbl_Computer_List (MainKey, Location_Code, User_Code, Manufacturer_Code, Model_Code, "
        "Deleted_Flug) VALUES (1, 0, 0, 0, 0, 0)");
    gCn().Execute("INSERT INTO tbl_Pclist (MainKey, Computer_Name, Memory_Full) VALUES (1, 'BENCH-PC', 2048)");

    registerInventoryCompareForms();
    bench::setMainWindowGeometry();
    auto* window = static_cast<frm_Inport*>(ui::showForm("frm_Inport", ui::vbModeless));
    if (!window || !QTest::qWaitForWindowExposed(window) || window->List_ComuputerName->ListCount() != 1) {
        std::fprintf(stderr, "the window did not list the PC\n");
        return 1;
    }
    window->List_ComuputerName->setCurrentRow(0);  // the pick, as a click on the item makes it
    if (window->tbx_ComputerKey->text() != "1") {
        std::fprintf(stderr, "the pick did not reach the window\n");
        return 1;
    }

    Bound bound(QFile::encodeName(folder.filePath("pcdb.mdb")).constData(), itemLookups());
    const QByteArray csvPath = QFile::encodeName(csv);
    std::vector<double> times, bounds;
    // A first read of both, not timed, warms the caches of both (the window's fonts and glyphs among them).
    for (int run = -1; run < runs; ++run) {
        ui::script::answerFile(csv);
        bench::GridPaints paints;
        QElapsedTimer timer;
        timer.start();
        window->Mnu_Open->trigger();
        const bool drawn = paints.waitDrawn({window->MSFlexGrid1, window->MSGrid_Application});
        if (run >= 0) times.push_back(double(timer.nsecsElapsed()) / 1e6);
        if (!drawn || !window->MSFlexGrid1->isVisible() || !window->MSGrid_Application->isVisible() ||
            window->MSGrid_Application->Rows() != 151 || window->MSFlexGrid1->TextMatrix(4, 4) != "C0A8010A" ||
            ui::script::pending() != 0) {
            std::fprintf(stderr, "the read did not fill both grids\n");
            bench::printBoxes();
            return 1;
        }

        timer.restart();
        bound.read(csvPath.constData());
        if (run >= 0) bounds.push_back(double(timer.nsecsElapsed()) / 1e6);
        if (bound.failed() || bound.applications() != 150 || bound.found() < 100) {
            std::fprintf(stderr, "the bound found %d values and %d applications\n", bound.found(),
                         bound.applications());
            return 1;
        }
    }
    const double ms = bench::median(times);
    const double boundMs = bench::median(bounds);
    if (boundMs <= 0) return bench::fail("the bound was not measured");
    bench::Figures figures;
    figures.add("compare_read_ms", ms, 2);
    figures.add("compare_bound_ms", boundMs, 2);
    figures.add("compare_read_over_bound", ms / boundMs, 2);
    figures.add("peak_rss_mb", double(bench::peakRssMb()));
    const int status = figures.print();

    window->Unload();
    (void)fnc_DB_Close();
    return status;
}
