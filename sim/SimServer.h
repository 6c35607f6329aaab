#pragma once

#include <cstdint>
#include <string>

namespace korvant::sim {

struct SimOptions {
    std::string host = "127.0.0.1";
    int port = 9950;
    std::string data = "demo";
    uint32_t seed = 1;
    bool verbose = false;
};

// Runs the server until SIGINT or SIGTERM; returns the exit status.
int runServer(const SimOptions& options);

}  // namespace korvant::sim
