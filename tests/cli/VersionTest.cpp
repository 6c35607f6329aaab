// "--version" of the three programs: the build's version on stdout, exit 0,
// whatever else the program would need (no login, no display, no port).
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <string>

#include "app/session/BuildVersion.h"

namespace korvant::test {
namespace {

struct ProgramRun {
    int status = -1;
    std::string out;
};

ProgramRun runProgram(const std::string& name) {
    ProgramRun run;
    const std::string path = std::string(KORVANT_BIN_DIR) + "/" + name;
    if (access(path.c_str(), X_OK) != 0) return run;
    FILE* pipe = popen((path + " --version 2>/dev/null").c_str(), "r");
    if (pipe == nullptr) return run;
    char buffer[256];
    for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) run.out.append(buffer, n);
    const int status = pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

TEST(Version, EachProgramPrintsTheBuildVersion) {
    EXPECT_FALSE(std::string(buildVersion()).empty());
    for (const char* program : {"korvant-cli", "korvant-sim", "korvant-desk"}) {
        const std::string path = std::string(KORVANT_BIN_DIR) + "/" + program;
        if (access(path.c_str(), X_OK) != 0) {
            if (std::string(program) == "korvant-desk") continue;  // built without the desk
            ADD_FAILURE() << path << " missing";
            continue;
        }
        ProgramRun run = runProgram(program);
        EXPECT_EQ(run.status, 0) << program;
        EXPECT_EQ(run.out, std::string(program) + " " + buildVersion() + "\n") << program;
    }
}

}  // namespace
}  // namespace korvant::test
