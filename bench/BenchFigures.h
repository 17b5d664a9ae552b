#pragma once
// What the benchmarks that measure against a plain bound share: a monotonic clock, the growth exponent
// fitted over several sizes, and the line of figures, which is not printed when a figure is missing. Only
// the C and C++ libraries, so a bound section may use the clock too.
#include <time.h>

#include <cmath>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

namespace bench {

// Every figure is the median of this many repeats.
constexpr int kRepeats = 9;

// Milliseconds on the monotonic clock.
inline double nowMs() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return double(ts.tv_sec) * 1e3 + double(ts.tv_nsec) / 1e6;
}

// k of t ~ n^k: the least-squares slope of log t over log n through every size measured (1 is linear).
// NaN when there are fewer than two sizes, the sizes are all one, or a time is not above zero.
inline double growth(const std::vector<double>& sizes, const std::vector<double>& times) {
    const std::size_t n = sizes.size();
    if (n < 2 || times.size() != n) return NAN;
    double sx = 0, sy = 0;
    for (std::size_t i = 0; i < n; ++i) {
        if (!(sizes[i] > 0) || !(times[i] > 0)) return NAN;
        sx += std::log(sizes[i]);
        sy += std::log(times[i]);
    }
    const double mx = sx / double(n), my = sy / double(n);
    double sxx = 0, sxy = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const double dx = std::log(sizes[i]) - mx;
        sxx += dx * dx;
        sxy += dx * (std::log(times[i]) - my);
    }
    return sxx > 0 ? sxy / sxx : NAN;
}

// One line of name=value figures.
class Figures {
public:
    void add(std::string name, double value, int decimals = 0) {
        m_figures.push_back({std::move(name), value, decimals});
    }
    // The time at each size as `<prefix>_<size>_ms`, then the growth exponent fitted over them as `kName`.
    void addGrowth(const char* prefix, const std::vector<int>& sizes, const std::vector<double>& times,
                   const char* kName, int decimals = 0) {
        std::vector<double> n;
        for (std::size_t i = 0; i < sizes.size(); ++i) {
            add(std::string(prefix) + "_" + std::to_string(sizes[i]) + "_ms", i < times.size() ? times[i] : NAN,
                decimals);
            n.push_back(sizes[i]);
        }
        add(kName, growth(n, times), 2);
    }
    // Prints the line and returns 0; when a figure is not a finite number, prints nothing on stdout, says
    // which one on stderr and returns 1.
    [[nodiscard]] int print() const {
        std::string line;
        for (const Figure& f : m_figures) {
            if (!std::isfinite(f.value)) {
                std::fprintf(stderr, "figure %s is missing: nothing measured\n", f.name.c_str());
                return 1;
            }
            char text[96];
            std::snprintf(text, sizeof text, "%s%s=%.*f", line.empty() ? "" : " ", f.name.c_str(), f.decimals, f.value);
            line += text;
        }
        std::printf("%s\n", line.c_str());
        return 0;
    }

private:
    struct Figure {
        std::string name;
        double value;
        int decimals;
    };
    std::vector<Figure> m_figures;
};

}  // namespace bench
