// A full walk of a static recordset, as every list window makes it (MoveFirst, then MoveNext until EOF,
// one field read by name on each row), over n = 10,000, 2n, 4n and 8n rows of the application table. Prints
// one line:
//   recordset_walk_ms=T recordset_walk_8n_ms=T8 recordset_walk_10000_ms recordset_walk_20000_ms
//   recordset_walk_40000_ms recordset_walk_80000_ms recordset_walk_k=K peak_rss_mb=M
// Each time is the median of 27 walks, the sizes walked in turn; K, the least-squares fit of log time over log rows, is
// how the walk grows with its rows (1 is linear). Target: K <= 1.1.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <cstdio>
#include <iterator>
#include <vector>

#include "bench/BenchSupport.h"
#include "platform/db/Ado.h"

namespace {

constexpr int kRows = 10000;
constexpr int kSizes[] = {kRows, 2 * kRows, 4 * kRows, 8 * kRows};

// PC i + 1 has kSizes[i] applications.
void seed(ado::Connection& cn) {
    for (int i = 0; i < int(std::size(kSizes)); ++i) bench::seedApplications(cn, i + 1, kSizes[i]);
}

// Walks are short (a millisecond at the smallest size), so each size takes more repeats than the other
// benchmarks, and the sizes take their turns round by round: a load that comes and goes touches all four
// alike instead of bending the fit.
constexpr int kWalkRepeats = 3 * bench::kRepeats;

// One timed walk over `rs`, in ms; -1 (said why) when it did not see `rows` rows.
double walkOnce(ado::Recordset& rs, const QString& name, int rows) {
    QElapsedTimer timer;
    timer.start();
    int seen = 0;
    qsizetype length = 0;
    for (rs.MoveFirst(); !rs.EOF(); rs.MoveNext()) {
        length += rs.Fields(name).value().toTextOrEmpty().size();
        ++seen;
    }
    const double ms = double(timer.nsecsElapsed()) / 1e6;
    if (seen != rows || length == 0 || rs.RecordCount() != rows) {
        std::fprintf(stderr, "the walk saw %d of %d rows\n", seen, rows);
        return -1;
    }
    return ms;
}

// The median walk over each size's rows (PC i + 1 has kSizes[i]), in ms; empty when a walk went wrong.
std::vector<double> walks(ado::Connection& cn) {
    const QString name = QStringLiteral("Application_Name");
    std::vector<ado::Recordset> sets(std::size(kSizes));
    for (std::size_t i = 0; i < sets.size(); ++i)
        sets[i].Open(
            QString("SELECT tbl_ApplicationsList.* FROM tbl_ApplicationsList WHERE (((tbl_ApplicationsList.Key)=%1));")
                .arg(i + 1),
            cn);
    std::vector<std::vector<double>> times(sets.size());
    for (int r = 0; r < kWalkRepeats; ++r)
        for (std::size_t i = 0; i < sets.size(); ++i) {
            times[i].push_back(walkOnce(sets[i], name, kSizes[i]));
            if (times[i].back() <= 0) return {};
        }
    std::vector<double> medians;
    for (const std::vector<double>& t : times) medians.push_back(bench::median(t));
    return medians;
}

}  // namespace

int main(int argc, char** argv) {
    bench::headless();
    QCoreApplication app(argc, argv);
    QTemporaryDir folder;
    if (!bench::setUpProgramFolder(folder)) return 1;
    const QString db = folder.path() + "/pcdb.mdb";
    if (!bench::seed(db, seed)) return 1;
    try {
        ado::Connection cn;
        cn.Open("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" + db);
        const std::vector<double> times = walks(cn);
        if (times.empty()) return 1;
        bench::Figures figures;
        figures.add("recordset_walk_ms", times.front(), 2);
        figures.add("recordset_walk_8n_ms", times.back(), 2);
        figures.addGrowth("recordset_walk", {std::begin(kSizes), std::end(kSizes)}, times, "recordset_walk_k", 2);
        figures.add("peak_rss_mb", double(bench::peakRssMb()));
        return figures.print();
    } catch (const vb::Error& e) {
        std::fprintf(stderr, "the walk failed: %s\n", qPrintable(e.description()));
        return 1;
    }
    return 0;
}
