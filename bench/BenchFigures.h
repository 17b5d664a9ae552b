#pragma once
// What the benchmarks that measure against a plain bound share: a monotonic clock, the growth exponent
// between two sizes, and the line of figures, which is not printed when a figure is missing. Only the C and
// C++ libraries, so a bound section may use the clock too.
#include <time.h>

#include <cmath>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

namespace bench {

// Every figure is the median of this many repeats.
constexpr int kRepeats = 5;

// Milliseconds on the monotonic clock.
inline double nowMs() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return double(ts.tv_sec) * 1e3 + double(ts.tv_nsec) / 1e6;
}

// k of t ~ n^k, from the times at n and at factor * n.
inline double growth(double tSmall, double tLarge, double factor) {
    return std::log(tLarge / tSmall) / std::log(factor);
}

// One line of name=value figures.
class Figures {
public:
    void add(const char* name, double value, int decimals = 0) { m_figures.push_back({name, value, decimals}); }
    // Prints the line and returns 0; when a figure is not a finite number, prints nothing on stdout, says
    // which one on stderr and returns 1.
    [[nodiscard]] int print() const {
        std::string line;
        for (const Figure& f : m_figures) {
            if (!std::isfinite(f.value)) {
                std::fprintf(stderr, "figure %s is missing: nothing measured\n", f.name);
                return 1;
            }
            char text[64];
            std::snprintf(text, sizeof text, "%s%s=%.*f", line.empty() ? "" : " ", f.name, f.decimals, f.value);
            line += text;
        }
        std::printf("%s\n", line.c_str());
        return 0;
    }

private:
    struct Figure {
        const char* name;
        double value;
        int decimals;
    };
    std::vector<Figure> m_figures;
};

}  // namespace bench
