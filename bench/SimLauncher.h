#pragma once

#include <sys/types.h>

#include <string>

// Starts korvant-sim (beside this program) as a child on a free port and
// stops it again. Benchmarks only.
namespace korvant::bench {

class SimLauncher {
public:
    // `scale` > 1 passes --scale (the large set's customers per desk, times it).
    explicit SimLauncher(const std::string& dataSet, int scale = 1);
    ~SimLauncher();
    SimLauncher(const SimLauncher&) = delete;
    SimLauncher& operator=(const SimLauncher&) = delete;

    bool ok() const { return port_ > 0; }
    const std::string& host() const { return host_; }
    int port() const { return port_; }

private:
    pid_t pid_ = -1;
    std::string host_ = "127.0.0.1";
    int port_ = 0;
};

}  // namespace korvant::bench
