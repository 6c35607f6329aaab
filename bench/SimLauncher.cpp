#include "SimLauncher.h"

#include <poll.h>
#include <sched.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <utility>

namespace korvant::bench {
namespace {

std::string simPath() {
    std::error_code ec;
    auto self = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::string("korvant-sim") : (self.parent_path() / "korvant-sim").string();
}

// The simulator stands for a server on a machine of its own: with two or
// more cores it runs on the last one and the benchmark (with the programs
// it starts) on the others, so that the server builds an answer while the
// desk takes the previous one, as over a network. BENCH_SHARED_CORES=1
// leaves both to the scheduler. True when the cores were split, with the
// simulator's in `simCores`.
bool splitCores(cpu_set_t& simCores) {
    // Once a process: a second simulator goes to the same core.
    static const auto split = [] {
        std::pair<bool, cpu_set_t> result{false, {}};
        const char* shared = std::getenv("BENCH_SHARED_CORES");
        if (shared != nullptr && std::string(shared) == "1") return result;
        cpu_set_t allowed;
        CPU_ZERO(&allowed);
        if (sched_getaffinity(0, sizeof allowed, &allowed) != 0 || CPU_COUNT(&allowed) < 2)
            return result;
        int last = -1;
        for (int c = 0; c < CPU_SETSIZE; ++c)
            if (CPU_ISSET(c, &allowed)) last = c;
        CPU_ZERO(&result.second);
        CPU_SET(last, &result.second);
        CPU_CLR(last, &allowed);
        result.first = sched_setaffinity(0, sizeof allowed, &allowed) == 0;
        return result;
    }();
    simCores = split.second;
    return split.first;
}

}  // namespace

SimLauncher::SimLauncher(const std::string& dataSet, int scale) {
    const std::string scaleText = std::to_string(scale);
    int fds[2];
    if (pipe(fds) != 0) return;
    std::string path = simPath();
    cpu_set_t simCores;
    const bool split = splitCores(simCores);
    pid_ = fork();
    if (pid_ == 0) {
        if (split) sched_setaffinity(0, sizeof simCores, &simCores);
        dup2(fds[1], STDOUT_FILENO);
        close(fds[0]);
        close(fds[1]);
        if (scale > 1)
            execl(path.c_str(), path.c_str(), "--port", "0", "--data", dataSet.c_str(), "--scale",
                  scaleText.c_str(), static_cast<char*>(nullptr));
        else
            execl(path.c_str(), path.c_str(), "--port", "0", "--data", dataSet.c_str(),
                  static_cast<char*>(nullptr));
        _exit(127);
    }
    close(fds[1]);
    if (pid_ < 0) {
        close(fds[0]);
        return;
    }
    // The first line: "listening on ADDR:PORT", within 30 s.
    std::string line;
    for (int waited = 0; waited < 300 && line.find('\n') == std::string::npos; ++waited) {
        pollfd p{fds[0], POLLIN, 0};
        if (poll(&p, 1, 100) <= 0) continue;
        char c[256];
        ssize_t n = read(fds[0], c, sizeof c);
        if (n <= 0) break;
        line.append(c, static_cast<std::size_t>(n));
    }
    close(fds[0]);
    auto colon = line.rfind(':');
    auto space = line.rfind(' ', colon);
    if (line.rfind("listening on ", 0) == 0 && colon != std::string::npos) {
        host_ = line.substr(space + 1, colon - space - 1);
        port_ = std::atoi(line.c_str() + colon + 1);
    }
}

SimLauncher::~SimLauncher() {
    if (pid_ <= 0) return;
    kill(pid_, SIGTERM);
    int status = 0;
    for (int i = 0; i < 50; ++i) {
        if (waitpid(pid_, &status, WNOHANG) == pid_) return;
        usleep(100000);
    }
    kill(pid_, SIGKILL);
    waitpid(pid_, &status, 0);
}

}  // namespace korvant::bench
