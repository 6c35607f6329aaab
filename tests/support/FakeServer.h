#pragma once

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

// A scripted TCP server on 127.0.0.1 for protocol tests. It listens on a free
// port from construction and serves every accepted connection in its own
// thread: it runs that connection's script step by step (await a request,
// send bytes whole or in pieces, pause, close), then keeps reading and
// recording requests until the client closes or the server stops. Every wait
// is bounded.
//
//   FakeServer server;
//   server.script(0).awaitRequest().sendInPieces(FakeServer::packet(3, body), 1, 2);
//   connection.connect(server.host(), server.port());
namespace korvant::test {

using Bytes = std::vector<uint8_t>;

class FakeServer {
public:
    // Answers one request; an empty result sends nothing.
    using Responder = std::function<Bytes(const Bytes& request)>;

    // How to answer one request when the answer itself misbehaves: bytes
    // sent whole or in pieces, then an optional pause and close.
    struct Reply {
        Bytes bytes;
        int pieceSize = 0;  // 0: at once
        int delayMs = 0;    // between pieces
        int pauseMs = 0;    // after the bytes
        bool close = false;
    };
    using Actor = std::function<Reply(const Bytes& request)>;

    class Script {
    public:
        // Waits for the next whole request packet (at most `timeoutMs`; the
        // connection is closed when none comes).
        Script& awaitRequest(int timeoutMs = 5000);
        // Sends bytes at once.
        Script& send(Bytes bytes);
        // Sends bytes in pieces of `pieceSize`, pausing `delayMs` between.
        Script& sendInPieces(Bytes bytes, int pieceSize, int delayMs = 1);
        Script& pause(int ms);
        // Closes the connection (the rest of the script is not run).
        Script& close();
        // After the steps: answers every further request with `responder`.
        Script& thenRespond(Responder responder);
        // After the steps: answers every further request as `actor` says.
        Script& thenAct(Actor actor);

    private:
        friend class FakeServer;
        struct Step {
            enum Kind { Await, Send, Pause, Close } kind;
            Bytes bytes;
            int pieceSize = 0;
            int ms = 0;
        };
        std::vector<Step> steps_;
        Responder responder_;
        Actor actor_;
    };

    FakeServer();
    ~FakeServer();
    FakeServer(const FakeServer&) = delete;
    FakeServer& operator=(const FakeServer&) = delete;

    std::string host() const { return "127.0.0.1"; }
    int port() const { return port_; }

    // The script of the connection accepted as number `index` (from 0). Set
    // it up before the client connects.
    Script& script(int index = 0);
    // A responder for connections without a script.
    void respondByDefault(Responder responder);

    // Requests received so far, in order of arrival over all connections, or
    // of one connection.
    std::vector<Bytes> requests() const;
    std::vector<Bytes> requests(int connection) const;
    int connections() const;
    // Waits until `count` requests have arrived in total (false on timeout).
    bool waitForRequests(std::size_t count, int timeoutMs = 5000) const;
    // Waits until connection `index` has ended (client closed or script closed).
    bool waitForClosed(int index, int timeoutMs = 5000) const;
    // Problems the server met (a script step that timed out, a malformed
    // request); empty when all went as scripted.
    std::vector<std::string> problems() const;

    // Builds a packet: header (length = body + 4, flag, command) and body.
    static Bytes packet(uint8_t command, const Bytes& body = {}, uint8_t flag = 0);
    // A command-0 answer: status byte and a GBK text from UTF-8, NUL-ended.
    static Bytes resultPacket(uint8_t status, const std::string& utf8Text = "");

private:
    void acceptLoop();
    void serve(int index, int fd);

    int listenFd_ = -1;
    int port_ = 0;
    std::atomic<bool> stopping_{false};
    std::thread acceptThread_;
    std::vector<std::thread> workers_;

    mutable std::mutex mutex_;
    mutable std::condition_variable changed_;
    std::map<int, Script> scripts_;
    Responder defaultResponder_;
    std::vector<std::pair<int, Bytes>> requests_;
    std::vector<bool> closed_;
    int accepted_ = 0;
    std::vector<std::string> problems_;
};

}  // namespace korvant::test
