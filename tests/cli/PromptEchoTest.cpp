// The silent password prompt of korvant-cli on a real terminal: echo is off
// while it waits, and Ctrl-C there gives the terminal its echo back.
#include <gtest/gtest.h>

#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <thread>

#include "support/ScratchFolder.h"

namespace korvant::test {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

bool echoOn(int master) {
    termios t{};
    return tcgetattr(master, &t) == 0 && (t.c_lflag & ECHO) != 0;
}

// Reads from the terminal until `text` has been seen or the time is up.
bool readUntil(int master, const std::string& text, std::string& seen, int ms) {
    const auto end = Clock::now() + std::chrono::milliseconds(ms);
    while (seen.find(text) == std::string::npos && Clock::now() < end) {
        pollfd p{master, POLLIN, 0};
        if (poll(&p, 1, 50) <= 0) continue;
        char buffer[256];
        const ssize_t n = read(master, buffer, sizeof buffer);
        if (n <= 0) break;
        seen.append(buffer, static_cast<std::size_t>(n));
    }
    return seen.find(text) != std::string::npos;
}

TEST(PasswordPrompt, CtrlCAtTheSilentPromptRestoresEcho) {
    const std::string cli = std::string(KORVANT_BIN_DIR) + "/korvant-cli";
    ASSERT_EQ(access(cli.c_str(), X_OK), 0) << cli;
    const test::ScratchFolder scratch("prompt");
    const fs::path& dir = scratch.path();

    int master = -1;
    const pid_t child = forkpty(&master, nullptr, nullptr, nullptr);
    ASSERT_GE(child, 0);
    if (child == 0) {
        // No password given: the login asks for it on the terminal, before
        // it connects anywhere.
        execl(cli.c_str(), cli.c_str(), "--dir", dir.c_str(), "--host", "127.0.0.1", "--port", "1",
              "--user", "admin", "login", static_cast<char*>(nullptr));
        _exit(127);
    }
    ASSERT_TRUE(echoOn(master));

    std::string seen;
    EXPECT_TRUE(readUntil(master, "密码: ", seen, 10000)) << seen;
    // The prompt is written before echo goes off: wait for it, bounded.
    const auto end = Clock::now() + std::chrono::seconds(5);
    while (echoOn(master) && Clock::now() < end)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_FALSE(echoOn(master)) << "the prompt echoes what is typed";

    const char ctrlC = 0x03;
    ASSERT_EQ(write(master, &ctrlC, 1), 1);
    int status = 0;
    pid_t done = 0;
    for (int i = 0; i < 500 && (done = waitpid(child, &status, WNOHANG)) == 0; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    if (done == 0) {
        kill(child, SIGKILL);
        waitpid(child, &status, 0);
        ADD_FAILURE() << "Ctrl-C did not end the prompt";
    } else {
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGINT) << status;
    }
    EXPECT_TRUE(echoOn(master)) << "the terminal was left without echo";
    close(master);
}

}  // namespace
}  // namespace korvant::test
