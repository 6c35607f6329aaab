#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>
#include <vector>

#include "SimTestClient.h"
#include "support/SimProcess.h"

// The built program itself: started on port 0, it names its address on the
// first line, serves the desk's login and ends cleanly on SIGTERM.
namespace korvant::sim::test {
namespace {

TEST(SimBinary, StartsServesTheLoginAndStopsOnSigterm) {
    korvant::test::SimProcess sim("demo");
    ASSERT_TRUE(sim.ok()) << sim.error();
    EXPECT_EQ(sim.host(), "127.0.0.1");
    SimClient client(sim.port());
    Reply r = client.login("admin", "admin");
    ASSERT_EQ(r.size(), 44);
    EXPECT_EQ(r.u32(40), 0xFFFFFu);
    int status = sim.stop();
    ASSERT_TRUE(WIFEXITED(status)) << status;
    EXPECT_EQ(WEXITSTATUS(status), 0);
}

TEST(SimBinary, LargeDataSetServesItsCounts) {
    korvant::test::SimProcess sim("large", {"--seed", "9"});
    ASSERT_TRUE(sim.ok()) << sim.error();
    SimClient client(sim.port());
    ASSERT_EQ(client.login("admin", "admin").size(), 44);
    EXPECT_EQ(client.subAccounts(-1, 0).totalPages(), 1000);
}

// CPU time (user + system, in clock ticks) the process has used so far.
long cpuTicks(pid_t pid) {
    std::ifstream in("/proc/" + std::to_string(pid) + "/stat");
    std::string stat((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    // The fields after the command name, which is in parentheses.
    std::istringstream rest(stat.substr(stat.rfind(')') + 2));
    std::string field;
    long utime = 0, stime = 0;
    for (int i = 3; i <= 15 && rest >> field; ++i) {
        if (i == 14) utime = std::stol(field);
        if (i == 15) stime = std::stol(field);
    }
    return utime + stime;
}

// The number the process's next descriptor would get.
int lowestFreeDescriptor(pid_t pid) {
    std::vector<bool> used;
    for (const auto& e :
         std::filesystem::directory_iterator("/proc/" + std::to_string(pid) + "/fd")) {
        const auto fd = static_cast<std::size_t>(std::stoi(e.path().filename().string()));
        if (fd >= used.size()) used.resize(fd + 1, false);
        used[fd] = true;
    }
    std::size_t fd = 0;
    while (fd < used.size() && used[fd]) ++fd;
    return static_cast<int>(fd);
}

// Out of file descriptors the server cannot accept: it waits between
// attempts instead of spinning, keeps serving the connection it has and
// accepts again once descriptors are free.
TEST(SimBinary, OutOfDescriptorsItBacksOffAndKeepsServing) {
    korvant::test::SimProcess sim("demo");
    ASSERT_TRUE(sim.ok()) << sim.error();
    SimClient first(sim.port());
    ASSERT_EQ(first.login("admin", "admin").size(), 44);

    // Room for no further connection.
    const auto limit = static_cast<rlim_t>(lowestFreeDescriptor(sim.pid()));
    rlimit saved{};
    ASSERT_EQ(prlimit(sim.pid(), RLIMIT_NOFILE, nullptr, &saved), 0);
    const rlimit low{limit, saved.rlim_max};
    ASSERT_EQ(prlimit(sim.pid(), RLIMIT_NOFILE, &low, nullptr), 0);

    // Connections the kernel completes but the server cannot take.
    std::vector<int> waiting;
    for (int i = 0; i < 3; ++i) {
        int fd = socket(AF_INET, SOCK_STREAM, 0);
        ASSERT_GE(fd, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_port = htons(static_cast<uint16_t>(sim.port()));
        inet_pton(AF_INET, "127.0.0.1", &address.sin_addr);
        EXPECT_EQ(connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
        waiting.push_back(fd);
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    const long before = cpuTicks(sim.pid());
    std::this_thread::sleep_for(std::chrono::milliseconds(1500));
    const long used = cpuTicks(sim.pid()) - before;
    // A spinning accept loop burns about 150 ticks in 1.5 s.
    EXPECT_LT(used, 40) << "ticks used while unable to accept";
    EXPECT_EQ(first.administrators(1, 0).command(), cmd::AdministratorList);

    // Descriptors again: the waiting clients are served.
    ASSERT_EQ(prlimit(sim.pid(), RLIMIT_NOFILE, &saved, nullptr), 0);
    for (int fd : waiting) close(fd);
    SimClient later(sim.port());
    EXPECT_EQ(later.login("admin", "admin").size(), 44);
}

}  // namespace
}  // namespace korvant::sim::test
