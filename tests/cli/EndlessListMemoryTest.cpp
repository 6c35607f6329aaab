#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <climits>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <sstream>
#include <thread>

#include "protocol/Bytes.h"
#include "protocol/CommandCode.h"
#include "protocol/ServerConnection.h"
#include "support/FakeServer.h"
#include "support/ScratchFolder.h"
#include "support/SimProcess.h"

// A server that answers a list with endless full pages: korvant-cli, run as
// a process of its own, stops at the caps with its message and exit status
// 1, and its peak memory stays far below what the pages would fill.
namespace korvant::cli {
namespace {

namespace fs = std::filesystem;
using test::Bytes;
using test::FakeServer;

constexpr long MemoryBoundKiB = 256 * 1024;

struct EndlessCase {
    const char* name;
    uint8_t command;
    int recordSize;
    std::vector<std::string> args;
};

// One full page of zero records, the page index counting up, the total
// never reached.
Bytes endlessPage(uint8_t command, int recordSize, int index) {
    const int records = (24000 - 12) / recordSize;
    Bytes page(12 + static_cast<std::size_t>(records * recordSize), 0);
    putU16(page.data(), static_cast<uint16_t>(page.size()));
    page[3] = command;
    putI32(page.data() + 4, INT_MAX);
    putI32(page.data() + 8, index);
    return page;
}

struct ChildRun {
    int status = -1;
    long maxRssKiB = 0;
    std::string err;
};

// Runs korvant-cli with `args`; stderr is kept, stdout dropped.
ChildRun runProcess(const std::vector<std::string>& args, const fs::path& errFile) {
    // KORVANT_CLI names another build's program, to compare the two.
    const char* other = std::getenv("KORVANT_CLI");
    std::vector<std::string> all = {
        other != nullptr ? std::string(other) : std::string(KORVANT_BIN_DIR) + "/korvant-cli"};
    all.insert(all.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& a : all) argv.push_back(a.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, errFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0600);
    pid_t pid = -1;
    ChildRun run;
    const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) return run;
    int status = 0;
    rusage usage{};
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (wait4(pid, &status, WNOHANG, &usage) == 0) {
        if (std::chrono::steady_clock::now() > end) {
            kill(pid, SIGKILL);
            wait4(pid, &status, 0, &usage);
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.maxRssKiB = usage.ru_maxrss;
    std::ifstream in(errFile, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    run.err = text.str();
    return run;
}

TEST(EndlessLists, StopAtTheCapsWithTheirMessageAndStayUnderTheMemoryBound) {
    test::SimProcess sim("demo");
    ASSERT_TRUE(sim.ok());
    const test::ScratchFolder scratch("endless");
    const fs::path& dir = scratch.path();
    const std::vector<EndlessCase> cases = {
        {"deposit sub",
         cmd::MainAccountLinks,
         24,
         {"deposit", "sub", "--group", "5", "--account", "100101", "--available", "1"}},
        {"log",
         cmd::OperationLog,
         712,
         {"log", "--from", "2000-01-01 00:00:00", "--to", "2099-12-31 23:59:59"}},
        {"settle prices", cmd::SettlementPrices, 60, {"settle", "prices", "--date", "20261208"}},
        {"deposits --export",
         cmd::DepositRecords,
         116,
         {"deposits", "--from", "20000101", "--to", "20991231", "--export",
          (dir / "out.csv").string()}},
    };
    for (const EndlessCase& c : cases) {
        FakeServer proxy;
        auto upstream = std::make_shared<ServerConnection>();
        ASSERT_EQ(upstream->connect(sim.host(), sim.port()), 1);
        auto pages = std::make_shared<int>(0);
        proxy.script(0).thenAct([=](const Bytes& request) {
            FakeServer::Reply reply;
            if (request.size() < 4) return reply;
            if (request[3] == c.command) {
                reply.bytes = endlessPage(c.command, c.recordSize, (*pages)++);
                return reply;
            }
            if (!upstream->send(request.data(), static_cast<int>(request.size())) ||
                request[3] == cmd::KeepAlive)
                return reply;
            std::vector<uint8_t> answer;
            const int length = upstream->receive(answer).length();
            if (length > 0) reply.bytes.assign(answer.begin(), answer.begin() + length);
            return reply;
        });
        std::vector<std::string> args = {
            "--host", proxy.host(), "--port",     std::to_string(proxy.port()),
            "--user", "admin",      "--password", "admin",
            "--dir",  dir.string()};
        args.insert(args.end(), c.args.begin(), c.args.end());
        const ChildRun run = runProcess(args, dir / "err.txt");
        SCOPED_TRACE(std::string(c.name) + "\n" + run.err.substr(0, 2000));
        EXPECT_EQ(run.status, 1);
        EXPECT_NE(run.err.find("[提示]   数据过多, 读取已停止!  "), std::string::npos);
        EXPECT_LT(run.maxRssKiB, MemoryBoundKiB);
        EXPECT_FALSE(fs::exists(dir / "out.csv"));
        std::cout << c.name << ": " << *pages << " pages, peak " << run.maxRssKiB / 1024
                  << " MiB\n";
    }
}

}  // namespace
}  // namespace korvant::cli
