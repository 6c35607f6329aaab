// The desk's own command line, read before Qt: --help and --version work
// without a display, --dir names the local folder, Qt's options pass.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <string>
#include <vector>

#include "gui/shell/DeskArguments.h"

namespace korvant::test {
namespace {

TEST(DeskArguments, ReadsHelpVersionAndTheFolder) {
    struct Case {
        std::vector<const char*> args;
        bool help, version;
        std::string dir, error;
    } cases[] = {
        {{}, false, false, "", ""},
        {{"--help"}, true, false, "", ""},
        {{"-platform", "offscreen", "--version"}, false, true, "", ""},
        {{"--dir", "/tmp/k"}, false, false, "/tmp/k", ""},
        {{"--dir=/srv/desk", "-style", "fusion"}, false, false, "/srv/desk", ""},
        {{"--dir"}, false, false, "", "--dir needs a folder"},
        {{"--dir="}, false, false, "", "--dir needs a folder"},
    };
    for (const Case& c : cases) {
        std::vector<const char*> argv{"korvant-desk"};
        argv.insert(argv.end(), c.args.begin(), c.args.end());
        const gui::DeskArguments a =
            gui::parseDeskArguments(static_cast<int>(argv.size()), argv.data());
        EXPECT_EQ(a.help, c.help) << argv.size();
        EXPECT_EQ(a.version, c.version) << argv.size();
        EXPECT_EQ(a.dir, c.dir) << argv.size();
        EXPECT_EQ(a.error, c.error) << argv.size();
    }
}

TEST(DeskArguments, HelpNeedsNoDisplay) {
    const std::string desk = std::string(KORVANT_BIN_DIR) + "/korvant-desk";
    ASSERT_EQ(access(desk.c_str(), X_OK), 0) << desk;
    FILE* pipe = popen(
        ("env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM " + desk + " --help 2>&1").c_str(),
        "r");
    ASSERT_NE(pipe, nullptr);
    std::string out;
    char buffer[512];
    for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) out.append(buffer, n);
    const int status = pclose(pipe);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << out;
    EXPECT_EQ(out, gui::deskHelp());
}

}  // namespace
}  // namespace korvant::test
