#pragma once

#include <sys/types.h>

#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

// Runs the simulator as a child process for one test. The constructor starts
// `korvant-sim --port 0 --data <dataSet>` from the build's bin folder and
// waits (at most `timeoutMs`) for its first output line
// "listening on ADDR:PORT". When the line does not come, `ok()` is false,
// `error()` says why and a gtest failure has been recorded. The destructor
// stops the child (SIGTERM, then SIGKILL after a bounded wait) and reaps it.
namespace korvant::test {

class SimProcess {
public:
    explicit SimProcess(const std::string& dataSet = "demo",
                        const std::vector<std::string>& extraArgs = {}, int timeoutMs = 10000);
    ~SimProcess();
    SimProcess(const SimProcess&) = delete;
    SimProcess& operator=(const SimProcess&) = delete;

    bool ok() const { return port_ > 0; }
    const std::string& error() const { return error_; }
    const std::string& host() const { return host_; }
    int port() const { return port_; }
    pid_t pid() const { return pid_; }

    // Output the child wrote after the first line, collected so far by a
    // background reader (so a chatty child never blocks on a full pipe).
    // Each call returns what arrived since the previous call.
    std::string drainOutput();

    // Stops the child now; returns its wait status, or -1 when it was not
    // running. Called by the destructor.
    int stop();

private:
    pid_t pid_ = -1;
    int outFd_ = -1;
    std::string host_;
    int port_ = 0;
    std::string error_;
    std::thread reader_;
    std::atomic<bool> stopping_{false};
    std::mutex outputMutex_;
    std::string output_;
};

}  // namespace korvant::test
