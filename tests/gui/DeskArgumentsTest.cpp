// The desk's own command line, read before Qt: --help and --version work
// without a display, --dir names the local folder, Qt's options pass; with
// no display at all the desk says so in Chinese and exits 2.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "gui/shell/DeskArguments.h"

namespace korvant::test {
namespace {

TEST(DeskArguments, ReadsHelpVersionAndTheFolder) {
    struct Case {
        std::vector<const char*> args;
        bool help, version, platform;
        std::string dir, error;
    } cases[] = {
        {{}, false, false, false, "", ""},
        {{"--help"}, true, false, false, "", ""},
        {{"-platform", "offscreen", "--version"}, false, true, true, "", ""},
        {{"--platform", "xcb"}, false, false, true, "", ""},
        {{"--dir", "/tmp/k"}, false, false, false, "/tmp/k", ""},
        {{"--dir=/srv/desk", "-style", "fusion"}, false, false, false, "/srv/desk", ""},
        {{"--dir"}, false, false, false, "", "--dir needs a folder"},
        {{"--dir="}, false, false, false, "", "--dir needs a folder"},
    };
    for (const Case& c : cases) {
        std::vector<const char*> argv{"korvant-desk"};
        argv.insert(argv.end(), c.args.begin(), c.args.end());
        const gui::DeskArguments a =
            gui::parseDeskArguments(static_cast<int>(argv.size()), argv.data());
        EXPECT_EQ(a.help, c.help) << argv.size();
        EXPECT_EQ(a.version, c.version) << argv.size();
        EXPECT_EQ(a.platform, c.platform) << argv.size();
        EXPECT_EQ(a.dir, c.dir) << argv.size();
        EXPECT_EQ(a.error, c.error) << argv.size();
    }
}

TEST(DeskArguments, ADisplayIsANamedOneOrAChosenPlatform) {
    const struct {
        std::map<std::string, std::string> environment;
        bool platformOption, found;
    } cases[] = {
        {{}, false, false},
        {{{"DISPLAY", ""}, {"WAYLAND_DISPLAY", ""}}, false, false},
        {{}, true, true},
        {{{"DISPLAY", ":0"}}, false, true},
        {{{"WAYLAND_DISPLAY", "wayland-0"}}, false, true},
        {{{"QT_QPA_PLATFORM", "offscreen"}}, false, true},
    };
    for (const auto& c : cases) {
        gui::DeskArguments arguments;
        arguments.platform = c.platformOption;
        const bool found = gui::displayFound(arguments, [&c](const char* name) {
            const auto it = c.environment.find(name);
            return it == c.environment.end() ? std::string() : it->second;
        });
        EXPECT_EQ(found, c.found) << c.environment.size() << c.platformOption;
    }
}

// The program itself, without any display: --help and --version answer,
// anything else is refused before Qt is started (Qt would abort).
TEST(DeskArguments, WithoutADisplayOnlyHelpAndVersionRun) {
    const std::string desk = std::string(KORVANT_BIN_DIR) + "/korvant-desk";
    ASSERT_EQ(access(desk.c_str(), X_OK), 0) << desk;
    const struct {
        const char* args;
        int status;
        std::string out;
    } cases[] = {
        {"--help", 0, gui::deskHelp()},
        {"--version", 0, "korvant-desk "},
        {"--dir /nonexistent", 2, gui::noDisplayText()},
    };
    for (const auto& c : cases) {
        FILE* pipe = popen(("env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM " + desk + " " +
                            c.args + " 2>&1")
                               .c_str(),
                           "r");
        ASSERT_NE(pipe, nullptr);
        std::string out;
        char buffer[512];
        for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) out.append(buffer, n);
        const int status = pclose(pipe);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == c.status) << c.args << out;
        EXPECT_EQ(out.rfind(c.out, 0), 0u) << c.args << out;
    }
}

}  // namespace
}  // namespace korvant::test
