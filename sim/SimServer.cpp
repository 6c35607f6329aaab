#include "SimServer.h"

#include <asio.hpp>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <iostream>

#include "DataSets.h"
#include "Dispatcher.h"
#include "protocol/FrameReader.h"

namespace korvant::sim {

// The io_context is declared after the state: when it is destroyed, the
// sessions its pending handlers still hold end while the state exists.
struct ServerCore {
    SimOptions options;
    SimState state;
    Dispatcher dispatcher = makeDispatcher();
    LoginRegistry logins;
    int nextConnection = 1;
    asio::io_context io;
    asio::ip::tcp::acceptor acceptor{io};
    asio::signal_set signals{io};
    // Accepting again after an error (out of file descriptors) waits, so
    // that the server keeps serving its connections instead of spinning.
    asio::steady_timer acceptRetry{io};
    int acceptBackoffMs = 0;
    bool acceptErrorLogged = false;

    void accept();
};

namespace {

// One client connection. Packets are taken from the stream one at a time:
// the answer of one request is written completely before the next request
// is handled, and the socket is read only when no whole request is waiting,
// so a client that does not read its answers cannot make the server buffer
// without bound.
class Session : public std::enable_shared_from_this<Session> {
public:
    Session(asio::ip::tcp::socket socket, ServerCore& server)
        : socket_(std::move(socket)), timer_(socket_.get_executor()), server_(server) {
        connection_.id = server.nextConnection++;
        asio::error_code ec;
        auto peer = socket_.remote_endpoint(ec);
        if (!ec && peer.address().is_v4()) {
            auto b = peer.address().to_v4().to_bytes();
            connection_.peerAddress =
                static_cast<uint32_t>(b[0]) | static_cast<uint32_t>(b[1]) << 8 |
                static_cast<uint32_t>(b[2]) << 16 | static_cast<uint32_t>(b[3]) << 24;
        }
    }

    ~Session() {
        if (connection_.loggedIn) server_.logins.remove(connection_.account);
    }

    void start() { serveNext(); }

private:
    void serveNext() {
        std::vector<uint8_t> packet;
        while (reader_.next(packet)) {
            // The next request has its own time to arrive.
            stallArmed_ = false;
            Context context{server_.state, connection_, server_.logins};
            const int failedBefore = connection_.failedLogins;
            answer_ = server_.dispatcher.dispatch(packet, context);
            log(packet, answer_);
            if (!answer_.empty()) {
                const int delay = connection_.failedLogins > failedBefore
                                      ? loginDelayMs(connection_.failedLogins)
                                      : 0;
                if (delay > 0)
                    writeAfter(delay);
                else
                    write();
                return;
            }
        }
        if (reader_.hasError()) {
            if (server_.options.verbose)
                std::cerr << "[" << connection_.id << "] closed: " << reader_.error() << "\n";
            close();
            return;
        }
        read();
    }

    void write() {
        auto self = shared_from_this();
        asio::async_write(socket_, asio::buffer(answer_),
                          [this, self](asio::error_code ec, std::size_t) {
                              if (ec) return close();
                              serveNext();
                          });
    }

    // A refused login is answered late, more so after each failure.
    void writeAfter(int delayMs) {
        auto self = shared_from_this();
        timer_.cancel();
        timer_.expires_after(std::chrono::milliseconds(delayMs));
        timer_.async_wait([this, self](asio::error_code ec) {
            if (ec || !socket_.is_open()) return;
            write();
        });
    }

    void read() {
        armStallTimer();
        auto self = shared_from_this();
        socket_.async_read_some(asio::buffer(chunk_),
                                [this, self](asio::error_code ec, std::size_t n) {
                                    if (ec) return close();
                                    reader_.feed(chunk_, n);
                                    serveNext();
                                });
    }

    // While part of a packet is held, the rest must follow within the stall
    // timeout; between packets the next request (a keep-alive at least) must
    // come within the idle timeout, so that a dead session never keeps a
    // single-login account locked.
    //
    // The stall timeout counts from the first byte of a request: bytes that
    // trickle in do not put it off, so a client sending one byte now and
    // then cannot hold the connection.
    void armStallTimer() {
        const bool midPacket = reader_.buffered() != 0;
        if (midPacket && stallArmed_) return;
        stallArmed_ = midPacket;
        timer_.cancel();
        const int ms = midPacket ? server_.options.stallTimeoutMs : server_.options.idleTimeoutMs;
        if (ms <= 0) return;
        auto self = shared_from_this();
        timer_.expires_after(std::chrono::milliseconds(ms));
        timer_.async_wait([this, self, midPacket](asio::error_code ec) {
            if (ec) return;
            if (server_.options.verbose)
                std::cerr << "[" << connection_.id
                          << "] closed: " << (midPacket ? "stalled mid-packet" : "idle") << "\n";
            close();
        });
    }

    void close() {
        asio::error_code ignored;
        timer_.cancel();
        socket_.shutdown(asio::ip::tcp::socket::shutdown_both, ignored);
        socket_.close(ignored);
    }

    void log(const std::vector<uint8_t>& request, const Answer& answer) {
        if (!server_.options.verbose) return;
        std::cerr << "[" << connection_.id << "] request " << int(request[3]) << " ("
                  << request.size() << " bytes" << (request[2] == 1 ? ", compressed" : "") << ")";
        if (answer.empty())
            std::cerr << " -> no answer\n";
        else if (answer[3] == 0)
            std::cerr << " -> result " << int(answer[4]) << "\n";
        else
            std::cerr << " -> " << int(answer[3]) << " (" << answer.size() << " bytes)\n";
    }

    asio::ip::tcp::socket socket_;
    asio::steady_timer timer_;
    ServerCore& server_;
    Connection connection_;
    // Requests are far shorter than the longest packet; a length field above
    // it is a broken stream that closes the connection.
    FrameReader reader_{MaxPacketSize};
    bool stallArmed_ = false;  // the timer runs for the request being received
    Answer answer_;
    uint8_t chunk_[4096];
};

}  // namespace

void ServerCore::accept() {
    acceptor.async_accept([this](asio::error_code ec, asio::ip::tcp::socket socket) {
        if (!acceptor.is_open()) return;
        if (!ec) {
            acceptBackoffMs = 0;
            acceptErrorLogged = false;
            // Each answer is written whole at once: nothing is gained by
            // holding back its last segment until the client acknowledges.
            asio::error_code ignored;
            socket.set_option(asio::ip::tcp::no_delay(true), ignored);
            std::make_shared<Session>(std::move(socket), *this)->start();
            accept();
            return;
        }
        if (!acceptErrorLogged) {
            std::cerr << "korvant-sim: cannot accept a connection: " << ec.message()
                      << " (retrying)\n";
            acceptErrorLogged = true;
        }
        acceptBackoffMs = acceptBackoffMs == 0 ? 50 : std::min(acceptBackoffMs * 2, 1000);
        acceptRetry.expires_after(std::chrono::milliseconds(acceptBackoffMs));
        acceptRetry.async_wait([this](asio::error_code waitError) {
            if (!waitError) accept();
        });
    });
}

SimServer::SimServer(const SimOptions& options) : impl_(std::make_unique<ServerCore>()) {
    impl_->options = options;
}

SimServer::~SimServer() = default;

bool SimServer::open() {
    ServerCore& s = *impl_;
    if (!buildDataSet(s.options.data, s.options.seed, s.state, s.options.scale)) {
        std::cerr << "unknown data set: " << s.options.data << " (demo, large or empty)\n";
        return false;
    }
    asio::error_code ec;
    auto address = asio::ip::make_address(s.options.host, ec);
    if (ec) {
        std::cerr << "bad host address: " << s.options.host << "\n";
        return false;
    }
    asio::ip::tcp::endpoint endpoint(address, static_cast<unsigned short>(s.options.port));
    s.acceptor.open(endpoint.protocol(), ec);
    if (!ec) s.acceptor.set_option(asio::ip::tcp::acceptor::reuse_address(true), ec);
    if (!ec) s.acceptor.bind(endpoint, ec);
    if (!ec) s.acceptor.listen(asio::socket_base::max_listen_connections, ec);
    if (ec) {
        std::cerr << "cannot listen on " << s.options.host << ":" << s.options.port << ": "
                  << ec.message() << "\n";
        return false;
    }
    s.accept();
    return true;
}

int SimServer::port() const {
    asio::error_code ec;
    auto local = impl_->acceptor.local_endpoint(ec);
    return ec ? 0 : local.port();
}

std::string SimServer::address() const {
    asio::error_code ec;
    auto local = impl_->acceptor.local_endpoint(ec);
    return ec ? std::string() : local.address().to_string();
}

void SimServer::run() {
    impl_->io.run();
}

void SimServer::stop() {
    impl_->io.stop();
}

SimServerThread::SimServerThread(SimOptions options) : server_(options) {
    ok_ = server_.open();
    if (!ok_) return;
    port_ = server_.port();
    thread_ = std::thread([this] { server_.run(); });
}

SimServerThread::~SimServerThread() {
    stop();
}

void SimServerThread::stop() {
    server_.stop();
    if (thread_.joinable()) thread_.join();
}

void SimServer::stopOnSignals() {
    asio::error_code ec;
    impl_->signals.add(SIGINT, ec);
    impl_->signals.add(SIGTERM, ec);
    impl_->signals.async_wait([this](const asio::error_code& error, int) {
        if (!error) stop();
    });
}

int runServer(const SimOptions& options) {
    SimServer server(options);
    if (!server.open()) return 1;
    server.stopOnSignals();
    std::cout << "listening on " << server.address() << ":" << server.port() << std::endl;
    server.run();
    return 0;
}

}  // namespace korvant::sim
