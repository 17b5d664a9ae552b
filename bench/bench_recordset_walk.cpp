// A full walk of a static recordset, as every list window makes it (MoveFirst, then MoveNext until EOF,
// one field read by name on each row), over n = 10,000 and 8n rows of the application table. Prints one line:
//   recordset_walk_ms=T recordset_walk_8n_ms=T8 recordset_walk_k=K peak_rss_mb=M
// T and T8 are medians of 5 walks; K = log(T8 / T) / log 8 is how the walk grows with its rows (1 is
// linear). Target: K <= 1.1.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <cstdio>
#include <vector>

#include "bench/BenchSupport.h"
#include "platform/db/Ado.h"

namespace {

constexpr int kRows = 10000;

// PC 1 has n applications, PC 2 has 8n.
void seed(ado::Connection& cn) {
    bench::seedApplications(cn, 1, kRows);
    bench::seedApplications(cn, 2, 8 * kRows);
}

// The median time of a walk over PC `key`'s rows, in ms; -1 (said why) when it did not see `rows` rows.
double walk(ado::Connection& cn, int key, int rows) {
    ado::Recordset rs;
    rs.Open(QString("SELECT tbl_ApplicationsList.* FROM tbl_ApplicationsList WHERE (((tbl_ApplicationsList.Key)=%1));")
                .arg(key),
            cn);
    const QString name = QStringLiteral("Application_Name");
    std::vector<double> times;
    for (int r = 0; r < bench::kRepeats; ++r) {
        QElapsedTimer timer;
        timer.start();
        int seen = 0;
        qsizetype length = 0;
        for (rs.MoveFirst(); !rs.EOF(); rs.MoveNext()) {
            length += rs.Fields(name).value().toTextOrEmpty().size();
            ++seen;
        }
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
        if (seen != rows || length == 0 || rs.RecordCount() != rows) {
            std::fprintf(stderr, "the walk saw %d of %d rows\n", seen, rows);
            return -1;
        }
    }
    return bench::median(times);
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
        const double small = walk(cn, 1, kRows);
        const double large = walk(cn, 2, 8 * kRows);
        if (small <= 0 || large <= 0) return 1;
        bench::Figures figures;
        figures.add("recordset_walk_ms", small, 2);
        figures.add("recordset_walk_8n_ms", large, 2);
        figures.add("recordset_walk_k", bench::growth(small, large, 8.0), 2);
        figures.add("peak_rss_mb", double(bench::peakRssMb()));
        return figures.print();
    } catch (const vb::Error& e) {
        std::fprintf(stderr, "the walk failed: %s\n", qPrintable(e.description()));
        return 1;
    }
    return 0;
}
