#include "support/SimProcess.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <thread>

namespace korvant::test {
namespace {

using Clock = std::chrono::steady_clock;

int remainingMs(Clock::time_point deadline) {
    auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
    return left.count() > 0 ? static_cast<int>(left.count()) : 0;
}

// Parses "listening on ADDR:PORT" (the address may be bracketed IPv6).
bool parseListening(const std::string& line, std::string& host, int& port) {
    const std::string prefix = "listening on ";
    if (line.rfind(prefix, 0) != 0) return false;
    std::string rest = line.substr(prefix.size());
    while (!rest.empty() && (rest.back() == '\r' || rest.back() == ' ')) rest.pop_back();
    auto colon = rest.rfind(':');
    if (colon == std::string::npos || colon == 0 || colon + 1 >= rest.size()) return false;
    host = rest.substr(0, colon);
    if (host.size() >= 2 && host.front() == '[' && host.back() == ']')
        host = host.substr(1, host.size() - 2);
    port = 0;
    for (std::size_t i = colon + 1; i < rest.size(); ++i) {
        char c = rest[i];
        if (c < '0' || c > '9') return false;
        port = port * 10 + (c - '0');
        if (port > 65535) return false;
    }
    return port > 0;
}

}  // namespace

SimProcess::SimProcess(const std::string& dataSet, const std::vector<std::string>& extraArgs,
                       int timeoutMs) {
    std::string program = KORVANT_BIN_DIR "/korvant-sim";
    std::vector<std::string> args{program, "--port", "0"};
    if (!dataSet.empty()) {
        args.push_back("--data");
        args.push_back(dataSet);
    }
    args.insert(args.end(), extraArgs.begin(), extraArgs.end());
    std::vector<char*> argv;
    for (auto& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);

    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0) {
        error_ = std::string("pipe: ") + std::strerror(errno);
        ADD_FAILURE() << error_;
        return;
    }
    if (::access(program.c_str(), X_OK) != 0) {
        ::close(fds[0]);
        ::close(fds[1]);
        error_ = "cannot start " + program + ": " + std::strerror(errno);
        ADD_FAILURE() << error_;
        return;
    }
    pid_t pid = fork();
    if (pid == 0) {
        // Child: only async-signal-safe calls until exec. The simulator dies
        // with the test program, even when the test program is killed.
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (dup2(fds[1], STDOUT_FILENO) < 0) _exit(127);
        execv(argv[0], argv.data());
        _exit(127);
    }
    ::close(fds[1]);
    if (pid < 0) {
        ::close(fds[0]);
        error_ = std::string("fork: ") + std::strerror(errno);
        ADD_FAILURE() << error_;
        return;
    }
    pid_ = pid;
    outFd_ = fds[0];
    fcntl(outFd_, F_SETFL, fcntl(outFd_, F_GETFL) | O_NONBLOCK);

    auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    std::string line;
    bool complete = false;
    while (!complete) {
        int wait = remainingMs(deadline);
        if (wait == 0) {
            error_ = "korvant-sim wrote no \"listening on\" line within " +
                     std::to_string(timeoutMs) + " ms";
            break;
        }
        pollfd p{outFd_, POLLIN, 0};
        int pr = poll(&p, 1, wait);
        if (pr < 0 && errno == EINTR) continue;
        if (pr <= 0) continue;
        char c;
        ssize_t n;
        while ((n = ::read(outFd_, &c, 1)) == 1) {
            if (c == '\n') {
                complete = true;
                break;
            }
            if (line.size() < 4096) line.push_back(c);
        }
        if (!complete && n == 0) {
            error_ = "korvant-sim ended before it was listening";
            break;
        }
    }
    if (complete && !parseListening(line, host_, port_)) {
        error_ = "unexpected first line from korvant-sim: \"" + line + "\"";
        port_ = 0;
    }
    if (!ok()) {
        ADD_FAILURE() << error_;
        stop();
        return;
    }
    reader_ = std::thread([this] {
        char buf[4096];
        while (!stopping_) {
            pollfd p{outFd_, POLLIN, 0};
            int pr = poll(&p, 1, 100);
            if (pr <= 0) continue;
            ssize_t n = ::read(outFd_, buf, sizeof buf);
            if (n == 0) break;
            if (n < 0) {
                if (errno == EAGAIN || errno == EINTR) continue;
                break;
            }
            std::lock_guard lock(outputMutex_);
            if (output_.size() < (1u << 20)) output_.append(buf, static_cast<std::size_t>(n));
        }
    });
}

SimProcess::~SimProcess() {
    stop();
}

std::string SimProcess::drainOutput() {
    std::lock_guard lock(outputMutex_);
    std::string out;
    out.swap(output_);
    return out;
}

int SimProcess::stop() {
    int status = -1;
    if (pid_ > 0) {
        ::kill(pid_, SIGTERM);
        bool reaped = false;
        auto deadline = Clock::now() + std::chrono::milliseconds(3000);
        while (Clock::now() < deadline) {
            pid_t r = waitpid(pid_, &status, WNOHANG);
            if (r == pid_ || (r < 0 && errno != EINTR)) {
                reaped = true;
                break;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        if (!reaped) {
            ::kill(pid_, SIGKILL);
            while (waitpid(pid_, &status, 0) < 0 && errno == EINTR) {
            }
        }
        pid_ = -1;
    }
    stopping_ = true;
    if (reader_.joinable()) reader_.join();
    if (outFd_ >= 0) {
        ::close(outFd_);
        outFd_ = -1;
    }
    port_ = 0;
    return status;
}

}  // namespace korvant::test
