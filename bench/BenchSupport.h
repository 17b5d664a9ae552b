#pragma once
// What every benchmark reports beside its own figure.
#include <sys/resource.h>

namespace bench {

// The process's peak resident memory so far, in MB.
inline long peakRssMb() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024;  // KB on Linux
}

}  // namespace bench
