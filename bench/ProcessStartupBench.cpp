// Start-up as a whole process: `korvant-cli login` (process start, login,
// the five start-up lists, exit) against this program started again as a
// raw replay client of the same exchanges. Each run is timed from fork to
// the end of the child.
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "BenchTable.h"
#include "RawClient.h"
#include "SimLauncher.h"

namespace korvant::bench {
namespace {

std::string besideThisProgram(const char* name) {
    std::vector<char> self(4096, '\0');
    ssize_t n = ::readlink("/proc/self/exe", self.data(), self.size() - 1);
    std::string path(self.data(), n > 0 ? std::size_t(n) : 0);
    return path.substr(0, path.rfind('/') + 1) + name;
}

// Runs `args` with "admin\n" on its standard input and its output dropped;
// the seconds it took.
double runChild(const std::vector<std::string>& args) {
    int in[2];
    if (::pipe(in) != 0) std::exit(1);
    auto start = Clock::now();
    pid_t pid = ::fork();
    if (pid == 0) {
        ::dup2(in[0], 0);
        ::close(in[0]);
        ::close(in[1]);
        FILE* null = std::fopen("/dev/null", "w");
        if (null) ::dup2(fileno(null), 1);
        std::vector<char*> argv;
        for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    ::close(in[0]);
    if (::write(in[1], "admin\n", 6) != 6) std::exit(1);
    ::close(in[1]);
    int status = 0;
    ::waitpid(pid, &status, 0);
    double seconds = since(start);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s failed\n", args[0].c_str());
        std::exit(1);
    }
    return seconds;
}

}  // namespace
}  // namespace korvant::bench

int main(int argc, char** argv) {
    using namespace korvant::bench;
    if (argc == 4 && std::strcmp(argv[1], "--floor") == 0) {
        runStartupFloor(argv[2], std::atoi(argv[3]));
        return 0;
    }
    int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 21;
    SimLauncher sim("large");
    if (!sim.ok()) {
        std::fprintf(stderr, "korvant-sim did not start\n");
        return 1;
    }
    const std::string port = std::to_string(sim.port());
    const std::vector<std::string> cli = {besideThisProgram("korvant-cli"),
                                          "--host",
                                          sim.host(),
                                          "--port",
                                          port,
                                          "--user",
                                          "admin",
                                          "--password-stdin",
                                          "login"};
    const std::vector<std::string> floor = {besideThisProgram("korvant-bench-startup-process"),
                                            "--floor", sim.host(), port};
    // Each run starts both, the command line first in even runs and second
    // in odd ones; the first run is a warm-up.
    PairedTimes times;
    for (int i = 0; i <= runs; ++i) {
        const bool cliFirst = i % 2 == 0;
        double p = 0;
        if (cliFirst) p = runChild(cli);
        const double f = runChild(floor);
        if (!cliFirst) p = runChild(cli);
        if (i > 0) times.add(p, f);
    }
    times.print("start-up as a whole process (korvant-cli login)", 1.10);
    return 0;
}
