#include "tests/support/FaultVfs.h"

#include <sqlite3.h>

#include <cstring>
#include <new>
#include <string>

namespace testsupport {

namespace {

using Op = FaultVfs::Op;

sqlite3_vfs* g_real = nullptr;
FaultVfs::Hook g_hook;
int g_systemError = 0;

struct File {
    sqlite3_file base;
    sqlite3_file* real;
    std::string* path;
};

sqlite3_file* realOf(sqlite3_file* f) { return reinterpret_cast<File*>(f)->real; }

int ask(Op op, sqlite3_file* f) {
    if (!g_hook) return SQLITE_OK;
    return g_hook(op, reinterpret_cast<File*>(f)->path->c_str());
}

int xClose(sqlite3_file* f) {
    File* file = reinterpret_cast<File*>(f);
    const int rc = file->real->pMethods ? file->real->pMethods->xClose(file->real) : SQLITE_OK;
    delete file->path;
    file->path = nullptr;
    return rc;
}
int xRead(sqlite3_file* f, void* buf, int amount, sqlite3_int64 offset) {
    if (const int rc = ask(Op::Read, f); rc != SQLITE_OK) return rc;
    return realOf(f)->pMethods->xRead(realOf(f), buf, amount, offset);
}
int xWrite(sqlite3_file* f, const void* buf, int amount, sqlite3_int64 offset) {
    if (const int rc = ask(Op::Write, f); rc != SQLITE_OK) return rc;
    return realOf(f)->pMethods->xWrite(realOf(f), buf, amount, offset);
}
int xTruncate(sqlite3_file* f, sqlite3_int64 size) {
    if (const int rc = ask(Op::Truncate, f); rc != SQLITE_OK) return rc;
    return realOf(f)->pMethods->xTruncate(realOf(f), size);
}
int xSync(sqlite3_file* f, int flags) {
    if (const int rc = ask(Op::Sync, f); rc != SQLITE_OK) return rc;
    return realOf(f)->pMethods->xSync(realOf(f), flags);
}
int xFileSize(sqlite3_file* f, sqlite3_int64* size) { return realOf(f)->pMethods->xFileSize(realOf(f), size); }
int xLock(sqlite3_file* f, int level) {
    if (const int rc = ask(Op::Lock, f); rc != SQLITE_OK) return rc;
    return realOf(f)->pMethods->xLock(realOf(f), level);
}
int xUnlock(sqlite3_file* f, int level) { return realOf(f)->pMethods->xUnlock(realOf(f), level); }
int xCheckReservedLock(sqlite3_file* f, int* out) { return realOf(f)->pMethods->xCheckReservedLock(realOf(f), out); }
int xFileControl(sqlite3_file* f, int op, void* arg) { return realOf(f)->pMethods->xFileControl(realOf(f), op, arg); }
int xSectorSize(sqlite3_file* f) { return realOf(f)->pMethods->xSectorSize(realOf(f)); }
int xDeviceCharacteristics(sqlite3_file* f) { return realOf(f)->pMethods->xDeviceCharacteristics(realOf(f)); }
int xShmMap(sqlite3_file* f, int region, int size, int extend, void volatile** out) {
    if (const int rc = ask(Op::ShmMap, f); rc != SQLITE_OK) return rc;
    return realOf(f)->pMethods->xShmMap(realOf(f), region, size, extend, out);
}
int xShmLock(sqlite3_file* f, int offset, int n, int flags) {
    return realOf(f)->pMethods->xShmLock(realOf(f), offset, n, flags);
}
void xShmBarrier(sqlite3_file* f) { realOf(f)->pMethods->xShmBarrier(realOf(f)); }
int xShmUnmap(sqlite3_file* f, int deleteFlag) { return realOf(f)->pMethods->xShmUnmap(realOf(f), deleteFlag); }

// Version 2: no memory-mapped reads, so every read passes through xRead.
const sqlite3_io_methods kMethods = {
    2,
    xClose,
    xRead,
    xWrite,
    xTruncate,
    xSync,
    xFileSize,
    xLock,
    xUnlock,
    xCheckReservedLock,
    xFileControl,
    xSectorSize,
    xDeviceCharacteristics,
    xShmMap,
    xShmLock,
    xShmBarrier,
    xShmUnmap,
    nullptr,
    nullptr,
};

int xOpen(sqlite3_vfs*, sqlite3_filename name, sqlite3_file* f, int flags, int* outFlags) {
    File* file = reinterpret_cast<File*>(f);
    file->base.pMethods = nullptr;
    file->real = reinterpret_cast<sqlite3_file*>(file + 1);
    file->path = new (std::nothrow) std::string(name ? name : "");
    if (!file->path) return SQLITE_NOMEM;
    if (g_hook) {
        const int rc = g_hook(Op::Open, file->path->c_str());
        if (rc == SQLITE_READONLY) {
            flags = (flags & ~(SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE)) | SQLITE_OPEN_READONLY;
        } else if (rc != SQLITE_OK) {
            delete file->path;
            file->path = nullptr;
            return rc;
        }
    }
    const int rc = g_real->xOpen(g_real, name, file->real, flags, outFlags);
    if (rc != SQLITE_OK || !file->real->pMethods) {
        if (file->real->pMethods) file->real->pMethods->xClose(file->real);
        delete file->path;
        file->path = nullptr;
        return rc != SQLITE_OK ? rc : SQLITE_CANTOPEN;
    }
    file->base.pMethods = &kMethods;
    return SQLITE_OK;
}

int xDelete(sqlite3_vfs*, const char* name, int syncDir) { return g_real->xDelete(g_real, name, syncDir); }
int xAccess(sqlite3_vfs*, const char* name, int flags, int* out) { return g_real->xAccess(g_real, name, flags, out); }
int xFullPathname(sqlite3_vfs*, const char* name, int n, char* out) {
    return g_real->xFullPathname(g_real, name, n, out);
}
void* xDlOpen(sqlite3_vfs*, const char* name) { return g_real->xDlOpen(g_real, name); }
void xDlError(sqlite3_vfs*, int n, char* out) { g_real->xDlError(g_real, n, out); }
void (*xDlSym(sqlite3_vfs*, void* handle, const char* symbol))(void) { return g_real->xDlSym(g_real, handle, symbol); }
void xDlClose(sqlite3_vfs*, void* handle) { g_real->xDlClose(g_real, handle); }
int xRandomness(sqlite3_vfs*, int n, char* out) { return g_real->xRandomness(g_real, n, out); }
int xSleep(sqlite3_vfs*, int micro) { return g_real->xSleep(g_real, micro); }
int xCurrentTime(sqlite3_vfs*, double* out) { return g_real->xCurrentTime(g_real, out); }
int xGetLastError(sqlite3_vfs*, int n, char* out) {
    return g_systemError ? g_systemError : g_real->xGetLastError(g_real, n, out);
}
int xCurrentTimeInt64(sqlite3_vfs*, sqlite3_int64* out) { return g_real->xCurrentTimeInt64(g_real, out); }

sqlite3_vfs g_vfs;

}  // namespace

FaultVfs::FaultVfs(Hook hook) {
    sqlite3_initialize();
    g_real = sqlite3_vfs_find(nullptr);
    g_hook = std::move(hook);
    std::memset(&g_vfs, 0, sizeof g_vfs);
    g_vfs.iVersion = 2;
    g_vfs.szOsFile = int(sizeof(File)) + g_real->szOsFile;
    g_vfs.mxPathname = g_real->mxPathname;
    g_vfs.zName = "vondari_fault";
    g_vfs.xOpen = xOpen;
    g_vfs.xDelete = xDelete;
    g_vfs.xAccess = xAccess;
    g_vfs.xFullPathname = xFullPathname;
    g_vfs.xDlOpen = xDlOpen;
    g_vfs.xDlError = xDlError;
    g_vfs.xDlSym = xDlSym;
    g_vfs.xDlClose = xDlClose;
    g_vfs.xRandomness = xRandomness;
    g_vfs.xSleep = xSleep;
    g_vfs.xCurrentTime = xCurrentTime;
    g_vfs.xGetLastError = xGetLastError;
    g_vfs.xCurrentTimeInt64 = xCurrentTimeInt64;
    sqlite3_vfs_register(&g_vfs, 1);
}

FaultVfs::~FaultVfs() {
    // Files still open through it keep working: only new connections go back to the default layer.
    sqlite3_vfs_unregister(&g_vfs);
    g_hook = nullptr;
    g_systemError = 0;
}

void FaultVfs::reportSystemError(int error) { g_systemError = error; }

}  // namespace testsupport
