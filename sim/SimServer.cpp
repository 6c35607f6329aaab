#include "SimServer.h"

#include <asio.hpp>

#include <csignal>
#include <iostream>
#include <memory>

#include "protocol/FrameReader.h"

namespace korvant::sim {
namespace {

class Session : public std::enable_shared_from_this<Session> {
public:
    explicit Session(asio::ip::tcp::socket socket) : socket_(std::move(socket)), reader_(4096) {}
    void start() { read(); }

private:
    void read() {
        auto self = shared_from_this();
        socket_.async_read_some(asio::buffer(chunk_), [this, self](asio::error_code ec, std::size_t n) {
            if (ec) return;
            reader_.feed(chunk_, n);
            std::vector<uint8_t> packet;
            while (reader_.next(packet)) {
                // Keep-alives get no answer; nothing else is served yet.
            }
            if (reader_.hasError()) return;
            read();
        });
    }

    asio::ip::tcp::socket socket_;
    FrameReader reader_;
    uint8_t chunk_[4096];
};

void accept(asio::ip::tcp::acceptor& acceptor) {
    acceptor.async_accept([&acceptor](asio::error_code ec, asio::ip::tcp::socket socket) {
        if (!ec) std::make_shared<Session>(std::move(socket))->start();
        if (acceptor.is_open()) accept(acceptor);
    });
}

}  // namespace

int runServer(const SimOptions& options) {
    asio::io_context io;
    asio::error_code ec;
    auto address = asio::ip::make_address(options.host, ec);
    if (ec) {
        std::cerr << "bad host address: " << options.host << "\n";
        return 2;
    }
    asio::ip::tcp::acceptor acceptor(io);
    asio::ip::tcp::endpoint endpoint(address, static_cast<unsigned short>(options.port));
    acceptor.open(endpoint.protocol(), ec);
    if (!ec) acceptor.set_option(asio::ip::tcp::acceptor::reuse_address(true), ec);
    if (!ec) acceptor.bind(endpoint, ec);
    if (!ec) acceptor.listen(asio::socket_base::max_listen_connections, ec);
    if (ec) {
        std::cerr << "cannot listen on " << options.host << ":" << options.port << ": "
                  << ec.message() << "\n";
        return 1;
    }
    auto local = acceptor.local_endpoint();
    std::cout << "listening on " << local.address().to_string() << ":" << local.port()
              << std::endl;
    asio::signal_set signals(io, SIGINT, SIGTERM);
    signals.async_wait([&](const asio::error_code&, int) { io.stop(); });
    accept(acceptor);
    io.run();
    return 0;
}

}  // namespace korvant::sim
