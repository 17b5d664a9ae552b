// make_template_db <schema.sql> <pcdb.mdb>: writes a fresh ledger database from the schema file.
// The one place that creates a database file. An existing target is left exactly as it is.
#include <sqlite3.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdio>

#include "platform/db/SqliteSupport.h"

namespace {

bool exec(sqlite3* db, const char* sql) {
    char* message = nullptr;
    if (sqlite3_exec(db, sql, nullptr, nullptr, &message) == SQLITE_OK) return true;
    std::fprintf(stderr, "make_template_db: %s\n", message ? message : sqlite3_errmsg(db));
    sqlite3_free(message);
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_template_db <schema.sql> <pcdb.mdb>\n");
        return 2;
    }
    const QString schemaPath = QString::fromLocal8Bit(argv[1]);
    const QString target = QString::fromLocal8Bit(argv[2]);
    if (QFileInfo::exists(target)) return 0;  // never overwrite: it may be a ledger in use

    QFile schemaFile(schemaPath);
    if (!schemaFile.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "make_template_db: cannot read %s\n", argv[1]);
        return 1;
    }
    const QByteArray schema = schemaFile.readAll();

    // Built under a temporary name and renamed at the end, so a failed run leaves no half file
    // that later runs would then keep.
    QDir().mkpath(QFileInfo(target).absolutePath());
    const QString temp = target + QStringLiteral(".part");
    for (const char* suffix : {"", "-wal", "-shm", "-journal"}) QFile::remove(temp + QLatin1String(suffix));
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(QFile::encodeName(temp).constData(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE,
                        nullptr) != SQLITE_OK) {
        std::fprintf(stderr, "make_template_db: cannot create %s: %s\n", qPrintable(temp), sqlite3_errmsg(db));
        sqlite3_close_v2(db);
        return 1;
    }
    ado::detail::registerJetFunctions(db);
    const bool ok =
        exec(db, "BEGIN") && exec(db, schema.constData()) && exec(db, "COMMIT") && exec(db, "PRAGMA journal_mode=WAL");
    sqlite3_close_v2(db);
    if (!ok || !QFile::rename(temp, target)) {
        QFile::remove(temp);
        std::fprintf(stderr, "make_template_db: %s not written\n", argv[2]);
        return 1;
    }
    std::printf("make_template_db: wrote %s\n", argv[2]);
    return 0;
}
