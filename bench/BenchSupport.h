#pragma once
// What the benchmarks share: a headless start, a program folder with a copy of the template database,
// seeding on a connection of their own, and what every benchmark reports beside its own figure.
#include <sys/resource.h>

#include <QApplication>
#include <QByteArray>
#include <QElapsedTimer>
#include <QEvent>
#include <QFile>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <initializer_list>
#include <vector>

#include "bench/BenchFigures.h"
#include "bench/PlainBound.h"
#include "core/Mdl_Access_mdb.h"
#include "core/Mdl_gData.h"
#include "inventory_read/Catalogue.h"
#include "platform/base/AppPath.h"
#include "platform/base/TimeZone.h"
#include "platform/base/VbError.h"
#include "platform/db/Ado.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/SingleInstance.h"

namespace bench {

// Before the QApplication: without a display the benchmark runs offscreen, and the single-instance lock
// lives in a runtime folder of the benchmark's own, as in the tests: a copy of the program the user has
// open must not make the main window end the benchmark quietly.
inline void headless() {
    vb::pinTimeZone();  // as the program starts
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static QTemporaryDir runtime;
    if (runtime.isValid()) qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
}

// The main window's stored geometry (twips), which the list windows take on load.
inline void setMainWindowGeometry() {
    gFormWidth = 14400;
    gFormHeight = 9000;
    gFormTop = 300;
    gFormLeft = 450;
}

// One line on why the benchmark cannot measure; the exit status for main.
inline int fail(const char* why) {
    std::fprintf(stderr, "%s\n", why);
    return 1;
}

// A writable copy of the template database at `db`; false when it cannot be copied.
inline bool copyTemplate(const QString& db) {
    if (!QFile::copy(VONDARI_TEMPLATE_DB, db)) return false;
    QFile::setPermissions(db, QFile::ReadOwner | QFile::WriteOwner);
    return true;
}

// The program folder: the template's copy as "pcdb.mdb", App.Path pointed at it, and boxes recorded and
// answered at once (a box would wait for a user), and the single-instance lock taken, so the main window's
// own check passes. Says why and returns false when the copy fails or the lock is held elsewhere.
inline bool setUpProgramFolder(const QTemporaryDir& folder) {
    if (ui::anotherInstanceRunning()) {
        std::fprintf(stderr, "the single-instance lock is taken: another copy runs with this runtime folder\n");
        return false;
    }
    if (!copyTemplate(folder.path() + "/pcdb.mdb")) {
        std::fprintf(stderr, "no template database at %s\n", VONDARI_TEMPLATE_DB);
        return false;
    }
    vb::setAppPath(folder.path());
    ui::script::enable(true);
    return true;
}

// Runs `fill(cn)` on a connection of its own to the database, in one transaction. Says why and returns
// false when it fails.
template <class Fill>
bool seed(const QString& dbPath, Fill&& fill) {
    try {
        ado::Connection cn;
        cn.Open("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" + dbPath);
        ado::TransGuard trans(cn);
        fill(cn);
        trans.commit();
        cn.Close();
    } catch (const vb::Error& e) {
        std::fprintf(stderr, "seeding failed: %s\n", qPrintable(e.description()));
        return false;
    }
    return true;
}

// `count` installed applications of PC `key`, as an inventory file lists them.
inline void seedApplications(ado::Connection& cn, int key, int count) {
    std::vector<QStringList> apps;
    for (int i = 0; i < count; ++i)
        apps.push_back({QString::number(key), QString("Application %1").arg(i),
                        QString("%1.%2").arg(i % 9).arg(i % 100),
                        QString("C:\\Program Files\\Vendor %1\\App %2").arg(i % 40).arg(i)});
    cn.ExecuteEach(
        "INSERT INTO tbl_ApplicationsList ([Key], [Update], Application_Name, Application_Version, "
        "Application_Path) VALUES (?, '2005/04/01', ?, ?, ?)",
        apps);
}

// A ledger in `folder`: the template's copy (made unless it is there already), App.Path pointed at it and
// `fill` run on it as by seed. Says why and returns false when a step fails.
template <class Fill>
bool makeLedger(const QTemporaryDir& folder, Fill&& fill) {
    const QString db = folder.path() + "/pcdb.mdb";
    if (!QFile::exists(db) && !copyTemplate(db)) {
        std::fprintf(stderr, "no template database at %s\n", VONDARI_TEMPLATE_DB);
        return false;
    }
    vb::setAppPath(folder.path());
    return seed(db, std::forward<Fill>(fill));
}

// Opens the shared connection as start-up does; says so and returns false when it does not open.
inline bool openDatabase() {
    if (fnc_DB_Open()) return true;
    std::fprintf(stderr, "the database did not open\n");
    return false;
}

// The prompts of the boxes shown so far, one a line, after a benchmark's complaint.
inline void printBoxes() {
    for (const auto& s : ui::script::shown()) std::fprintf(stderr, "  %s\n", qPrintable(s.prompt));
}

// A catalogue entry's selector as the plain bounds take it, made before anything is timed.
inline plain::Lookup plainLookup(const inventory::CatalogueEntry& e, inventory::LabelSet set) {
    plain::Lookup l;
    switch (e.fields) {
        case inventory::SelectorFields::GroupItem:
            l.field1 = plain::kGroup, l.field2 = plain::kItem;
            break;
        case inventory::SelectorFields::SubItemContents:
            l.field1 = plain::kSubItem, l.field2 = plain::kContents;
            break;
        case inventory::SelectorFields::ItemSubItem:
            break;
    }
    l.text1 = e.selector(set).first;
    l.text2 = e.selector(set).second;
    return l;
}

// The grids painted since it was made: a paint of a grid's cells (its viewport), seen by an event filter on
// the application, so it also sees grids of windows made later. A clock runs until waitDrawn returns.
class GridPaints : public QObject {
public:
    GridPaints() { qApp->installEventFilter(this); }
    ~GridPaints() override { qApp->removeEventFilter(this); }
    GridPaints(const GridPaints&) = delete;
    GridPaints& operator=(const GridPaints&) = delete;

    // Handles the pending events, and goes on handling them until every grid in `grids` has painted its
    // cells; false, said on stderr, when one is not painted within five seconds (a hidden grid never is).
    bool waitDrawn(std::initializer_list<const ui::FlexGrid*> grids) {
        QCoreApplication::processEvents();
        QElapsedTimer waited;
        waited.start();
        for (const ui::FlexGrid* grid : grids)
            while (!m_painted.contains(grid)) {
                if (waited.elapsed() > 5000) {
                    std::fprintf(stderr, "a grid was not drawn\n");
                    return false;
                }
                QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
            }
        return true;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            if (auto* grid = qobject_cast<ui::FlexGrid*>(watched->parent()); grid && grid->viewport() == watched)
                m_painted.insert(grid);
        return false;
    }

private:
    QSet<const QObject*> m_painted;
};

// The process's peak resident memory so far, in MB.
inline long peakRssMb() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024;  // KB on Linux
}

// The median of repeated times (the mean of the middle two for an even count); 0 for none.
inline double median(std::vector<double> times) {
    if (times.empty()) return 0;
    std::sort(times.begin(), times.end());
    const size_t mid = times.size() / 2;
    return times.size() % 2 ? times[mid] : (times[mid - 1] + times[mid]) / 2;
}

}  // namespace bench
