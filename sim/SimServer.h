#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <thread>

namespace korvant::sim {

struct SimOptions {
    std::string host = "127.0.0.1";
    int port = 9950;
    std::string data = "demo";
    uint32_t seed = 1;
    int scale = 1;  // customers per desk of the large set, times this
    bool verbose = false;
    int stallTimeoutMs = 30000;  // a connection stalled mid-packet is closed
    // A connection without any request (not even a keep-alive) for this long
    // is closed: three keep-alive intervals of the desk.
    int idleTimeoutMs = 150000;
};

struct ServerCore;

// The server: one io_context on the calling thread, any number of clients,
// each strictly request and answer in order.
class SimServer {
public:
    explicit SimServer(const SimOptions& options);
    ~SimServer();
    SimServer(const SimServer&) = delete;
    SimServer& operator=(const SimServer&) = delete;

    // Builds the data set and starts listening. Returns false (with a line
    // on stderr) for an unknown data set or an address that cannot be bound.
    bool open();
    int port() const;
    std::string address() const;
    // Serves until stop(); returns when the io_context has run out.
    void run();
    // Safe from any thread.
    void stop();
    // SIGINT and SIGTERM stop the server.
    void stopOnSignals();

private:
    std::unique_ptr<ServerCore> impl_;
};

// A server on its own thread, for tests (give it port 0 and read port()).
// Stops and joins when destroyed.
class SimServerThread {
public:
    explicit SimServerThread(SimOptions options);
    ~SimServerThread();
    bool ok() const { return ok_; }
    int port() const { return port_; }
    void stop();

private:
    SimServer server_;
    std::thread thread_;
    bool ok_ = false;
    int port_ = 0;
};

// Runs the server until SIGINT or SIGTERM; returns the exit status.
int runServer(const SimOptions& options);

}  // namespace korvant::sim
