#pragma once
// A thin file layer over SQLite's default one, made the default while it lives: a test sees every
// open, read, write and sync of the database files and can make one of them fail, or end the process
// right there (a crash at a chosen write).
#include <functional>

namespace testsupport {

class FaultVfs {
public:
    enum class Op { Open, Read, Write, Sync, Truncate, Lock, ShmMap };
    // Called before each operation with the file's path ("" for SQLite's temporary files). Returning
    // anything but SQLITE_OK makes the operation fail with that code without reaching the file; for Open,
    // SQLITE_READONLY opens the file read-only instead (as a file the user may not write).
    using Hook = std::function<int(Op op, const char* path)>;

    explicit FaultVfs(Hook hook);
    ~FaultVfs();
    // The system error (errno) the layer reports from now on, as the default layer reports the one of its
    // last failed call: ENOSPC with a hook's I/O error is a disk that was full. 0 leaves it to that layer.
    void reportSystemError(int error);
    FaultVfs(const FaultVfs&) = delete;
    FaultVfs& operator=(const FaultVfs&) = delete;
};

}  // namespace testsupport
