#pragma once

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

// The one line every benchmark prints per path, read by bench/run-all:
// "row<TAB>path<TAB>project<TAB>floor<TAB>ratio<TAB>goal<TAB>verdict", times
// in milliseconds (or the unit named in the path). The goal is the most the
// ratio may be ("-" for none); the verdict is "ok", "missed" or "-", and
// bench/run-all names every missed row in its last line.
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

// The ratio most bulk paths may reach against their floor.
constexpr double BulkGoal = 1.15;

// A row with the ratio given (0 for none) and its goal (0 for none).
inline void printRow(const std::string& path, double project, double floor, double ratio,
                     double goal, const char* unit = "ms") {
    char goalText[32] = "-";
    const char* verdict = "-";
    if (goal > 0) {
        std::snprintf(goalText, sizeof goalText, "<= %.2f", goal);
        verdict = ratio <= goal ? "ok" : "missed";
    }
    std::printf("row\t%s\t%.2f %s\t%.2f %s\t%.2f\t%s\t%s\n", path.c_str(), project, unit, floor,
                unit, ratio, goalText, verdict);
    std::fflush(stdout);
}

// A row whose ratio is project / floor.
inline void printRow(const std::string& path, double project, double floor, const char* unit,
                     double goal = BulkGoal) {
    printRow(path, project, floor, floor > 0 ? project / floor : 0.0, goal, unit);
}

// Times of a path measured in pairs.
struct PairedTimes {
    std::vector<double> project, floor, ratio;
    void add(double p, double f) {
        project.push_back(p);
        floor.push_back(f);
        ratio.push_back(f > 0 ? p / f : 0.0);
    }
    // Project and floor in milliseconds, and the median of the pair ratios,
    // which a load changing during the measurement disturbs less than a
    // ratio of medians.
    void print(const std::string& path, double goal = BulkGoal) const {
        printRow(path, median(project) * 1000, median(floor) * 1000, median(ratio), goal);
    }
};

// A figure without a floor (throughput of the simulator); `goal` says what
// it should be and `met` whether it is, where it has a goal.
inline void printFigure(const std::string& path, const std::string& value) {
    std::printf("row\t%s\t%s\t-\t-\t-\t-\n", path.c_str(), value.c_str());
    std::fflush(stdout);
}
inline void printFigure(const std::string& path, const std::string& value, const std::string& goal,
                        bool met) {
    std::printf("row\t%s\t%s\t-\t-\t%s\t%s\n", path.c_str(), value.c_str(), goal.c_str(),
                met ? "ok" : "missed");
    std::fflush(stdout);
}

}  // namespace korvant::bench
