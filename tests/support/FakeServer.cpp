#include "support/FakeServer.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>

#include "protocol/FrameReader.h"
#include "protocol/Gbk.h"

namespace korvant::test {
namespace {

using Clock = std::chrono::steady_clock;

void sleepMs(int ms) {
    if (ms > 0) std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

bool sendAll(int fd, const uint8_t* data, std::size_t count) {
    while (count > 0) {
        ssize_t n = ::send(fd, data, count, MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        data += n;
        count -= static_cast<std::size_t>(n);
    }
    return true;
}

}  // namespace

FakeServer::Script& FakeServer::Script::awaitRequest(int timeoutMs) {
    steps_.push_back({Step::Await, {}, 0, timeoutMs});
    return *this;
}

FakeServer::Script& FakeServer::Script::send(Bytes bytes) {
    steps_.push_back({Step::Send, std::move(bytes), 0, 0});
    return *this;
}

FakeServer::Script& FakeServer::Script::sendInPieces(Bytes bytes, int pieceSize, int delayMs) {
    steps_.push_back({Step::Send, std::move(bytes), pieceSize < 1 ? 1 : pieceSize, delayMs});
    return *this;
}

FakeServer::Script& FakeServer::Script::pause(int ms) {
    steps_.push_back({Step::Pause, {}, 0, ms});
    return *this;
}

FakeServer::Script& FakeServer::Script::close() {
    steps_.push_back({Step::Close, {}, 0, 0});
    return *this;
}

FakeServer::Script& FakeServer::Script::thenRespond(Responder responder) {
    responder_ = std::move(responder);
    return *this;
}

FakeServer::Script& FakeServer::Script::thenAct(Actor actor) {
    actor_ = std::move(actor);
    return *this;
}

FakeServer::FakeServer() {
    listenFd_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (listenFd_ < 0) {
        ADD_FAILURE() << "fake server: socket: " << std::strerror(errno);
        return;
    }
    int one = 1;
    setsockopt(listenFd_, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    addr.sin_port = 0;
    socklen_t len = sizeof addr;
    if (::bind(listenFd_, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0 ||
        ::listen(listenFd_, 16) != 0 ||
        ::getsockname(listenFd_, reinterpret_cast<sockaddr*>(&addr), &len) != 0) {
        ADD_FAILURE() << "fake server: bind/listen: " << std::strerror(errno);
        ::close(listenFd_);
        listenFd_ = -1;
        return;
    }
    port_ = ntohs(addr.sin_port);
    acceptThread_ = std::thread([this] { acceptLoop(); });
}

FakeServer::~FakeServer() {
    stopping_ = true;
    if (acceptThread_.joinable()) acceptThread_.join();
    for (auto& t : workers_)
        if (t.joinable()) t.join();
    if (listenFd_ >= 0) ::close(listenFd_);
}

FakeServer::Script& FakeServer::script(int index) {
    std::lock_guard lock(mutex_);
    return scripts_[index];
}

void FakeServer::respondByDefault(Responder responder) {
    std::lock_guard lock(mutex_);
    defaultResponder_ = std::move(responder);
}

void FakeServer::acceptLoop() {
    while (!stopping_) {
        pollfd p{listenFd_, POLLIN, 0};
        int pr = ::poll(&p, 1, 20);
        if (pr <= 0) continue;
        int fd = ::accept4(listenFd_, nullptr, nullptr, SOCK_CLOEXEC);
        if (fd < 0) continue;
        int one = 1;
        setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
        int index;
        {
            std::lock_guard lock(mutex_);
            index = accepted_++;
            closed_.push_back(false);
        }
        changed_.notify_all();
        workers_.emplace_back([this, index, fd] { serve(index, fd); });
    }
}

void FakeServer::serve(int index, int fd) {
    Script script;
    {
        std::lock_guard lock(mutex_);
        auto it = scripts_.find(index);
        if (it != scripts_.end()) script = it->second;
    }
    // A connection without its own responder answers with the default one in
    // force when each request arrives: a test may change it between requests.
    auto currentResponder = [&]() -> Responder {
        if (script.responder_) return script.responder_;
        std::lock_guard lock(mutex_);
        return defaultResponder_;
    };

    FrameReader reader;
    bool open = true;
    auto problem = [&](const std::string& what) {
        std::lock_guard lock(mutex_);
        problems_.push_back("connection " + std::to_string(index) + ": " + what);
    };
    // Reads until one whole request is recorded, the peer closes, the server
    // stops or the deadline passes. Returns the request, or nothing.
    auto readRequest = [&](int timeoutMs, Bytes& request) -> bool {
        auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
        while (open && !stopping_) {
            if (reader.next(request)) {
                {
                    std::lock_guard lock(mutex_);
                    requests_.emplace_back(index, request);
                }
                changed_.notify_all();
                return true;
            }
            if (reader.hasError()) {
                problem("malformed request: " + reader.error());
                open = false;
                return false;
            }
            if (timeoutMs >= 0 && Clock::now() >= deadline) return false;
            pollfd p{fd, POLLIN, 0};
            if (::poll(&p, 1, 20) <= 0) continue;
            uint8_t chunk[4096];
            ssize_t n = ::recv(fd, chunk, sizeof chunk, 0);
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) {
                open = false;
                return false;
            }
            reader.feed(chunk, static_cast<std::size_t>(n));
        }
        return false;
    };

    auto sendPieces = [&](const Bytes& bytes, int pieceSize, int delayMs) {
        if (pieceSize <= 0) {
            open = sendAll(fd, bytes.data(), bytes.size());
            return;
        }
        for (std::size_t at = 0; open && at < bytes.size() && !stopping_;) {
            std::size_t n =
                std::min<std::size_t>(static_cast<std::size_t>(pieceSize), bytes.size() - at);
            open = sendAll(fd, bytes.data() + at, n);
            at += n;
            if (at < bytes.size()) sleepMs(delayMs);
        }
    };
    auto pauseFor = [&](int ms) {
        for (int waited = 0; waited < ms && !stopping_; waited += 10) sleepMs(10);
    };

    Bytes request;
    for (const auto& step : script.steps_) {
        if (!open || stopping_) break;
        switch (step.kind) {
            case Script::Step::Await:
                if (!readRequest(step.ms, request)) {
                    if (open) problem("no request within " + std::to_string(step.ms) + " ms");
                    open = false;
                }
                break;
            case Script::Step::Send:
                sendPieces(step.bytes, step.pieceSize, step.ms);
                break;
            case Script::Step::Pause:
                pauseFor(step.ms);
                break;
            case Script::Step::Close:
                open = false;
                break;
        }
    }
    // After the script: record (and answer) whatever else comes until the
    // client closes or the server stops.
    while (open && !stopping_) {
        if (!readRequest(-1, request)) break;
        if (script.actor_) {
            Reply reply = script.actor_(request);
            if (!reply.bytes.empty()) sendPieces(reply.bytes, reply.pieceSize, reply.delayMs);
            pauseFor(reply.pauseMs);
            if (!open || reply.close) break;
        } else if (Responder responder = currentResponder()) {
            Bytes answer = responder(request);
            if (!answer.empty() && !sendAll(fd, answer.data(), answer.size())) break;
        }
    }
    ::close(fd);
    {
        std::lock_guard lock(mutex_);
        closed_[static_cast<std::size_t>(index)] = true;
    }
    changed_.notify_all();
}

std::vector<Bytes> FakeServer::requests() const {
    std::lock_guard lock(mutex_);
    std::vector<Bytes> out;
    for (const auto& r : requests_) out.push_back(r.second);
    return out;
}

std::vector<Bytes> FakeServer::requests(int connection) const {
    std::lock_guard lock(mutex_);
    std::vector<Bytes> out;
    for (const auto& r : requests_)
        if (r.first == connection) out.push_back(r.second);
    return out;
}

int FakeServer::connections() const {
    std::lock_guard lock(mutex_);
    return accepted_;
}

bool FakeServer::waitForRequests(std::size_t count, int timeoutMs) const {
    std::unique_lock lock(mutex_);
    return changed_.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                             [&] { return requests_.size() >= count; });
}

bool FakeServer::waitForClosed(int index, int timeoutMs) const {
    std::unique_lock lock(mutex_);
    return changed_.wait_for(lock, std::chrono::milliseconds(timeoutMs), [&] {
        return index >= 0 && static_cast<std::size_t>(index) < closed_.size() &&
               closed_[static_cast<std::size_t>(index)];
    });
}

std::vector<std::string> FakeServer::problems() const {
    std::lock_guard lock(mutex_);
    return problems_;
}

Bytes FakeServer::packet(uint8_t command, const Bytes& body, uint8_t flag) {
    std::size_t length = body.size() + 4;
    Bytes p(length);
    p[0] = static_cast<uint8_t>(length & 0xFF);
    p[1] = static_cast<uint8_t>((length >> 8) & 0xFF);
    p[2] = flag;
    p[3] = command;
    std::copy(body.begin(), body.end(), p.begin() + 4);
    return p;
}

Bytes FakeServer::resultPacket(uint8_t status, const std::string& utf8Text) {
    Bytes body{status};
    std::string gbk = toGbk(utf8Text);
    body.insert(body.end(), gbk.begin(), gbk.end());
    body.push_back(0);
    return packet(0, body);
}

}  // namespace korvant::test
