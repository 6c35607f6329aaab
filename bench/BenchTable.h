#pragma once

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

// The one line every benchmark prints per path, read by bench/run-all:
// "row<TAB>path<TAB>project<TAB>floor<TAB>ratio", times in milliseconds
// (or the unit named in the path).
namespace korvant::bench {

using Clock = std::chrono::steady_clock;

inline double since(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

inline double median(std::vector<double> v) {
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

inline void printRow(const std::string& path, double project, double floor,
                     const char* unit = "ms") {
    std::printf("row\t%s\t%.2f %s\t%.2f %s\t%.2f\n", path.c_str(), project, unit, floor, unit,
                floor > 0 ? project / floor : 0.0);
    std::fflush(stdout);
}

// The same with the ratio given: the median of the ratios of runs measured
// in pairs (each run of the project next to one of its floor), which a load
// changing during the measurement disturbs less than a ratio of medians.
inline void printRow(const std::string& path, double project, double floor, double ratio,
                     const char* unit = "ms") {
    std::printf("row\t%s\t%.2f %s\t%.2f %s\t%.2f\n", path.c_str(), project, unit, floor, unit,
                ratio);
    std::fflush(stdout);
}

// Times of a path measured in pairs.
struct PairedTimes {
    std::vector<double> project, floor, ratio;
    void add(double p, double f) {
        project.push_back(p);
        floor.push_back(f);
        ratio.push_back(f > 0 ? p / f : 0.0);
    }
    // Project and floor in milliseconds, the median of the pair ratios.
    void print(const std::string& path) const {
        printRow(path, median(project) * 1000, median(floor) * 1000, median(ratio));
    }
};

// A figure without a floor (throughput of the simulator).
inline void printFigure(const std::string& path, const std::string& value) {
    std::printf("row\t%s\t%s\t-\t-\n", path.c_str(), value.c_str());
    std::fflush(stdout);
}

}  // namespace korvant::bench
