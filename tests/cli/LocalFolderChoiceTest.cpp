// The command line's user folder: $XDG_CONFIG_HOME/korvant when it is an
// absolute path, else ~/.config/korvant; --dir and KORVANT_DIR are passed on.
#include <gtest/gtest.h>

#include <map>

#include "cli/LocalFolderChoice.h"

namespace korvant::cli {
namespace {

TEST(LocalFolderChoice, TakesTheUserFolderFromTheEnvironment) {
    struct Case {
        std::map<std::string, std::string> env;
        std::string userConfigDir, environment;
    } cases[] = {
        {{{"HOME", "/home/a"}}, "/home/a/.config/korvant", ""},
        {{{"HOME", "/home/a"}, {"XDG_CONFIG_HOME", "/cfg"}}, "/cfg/korvant", ""},
        {{{"HOME", "/home/a"}, {"XDG_CONFIG_HOME", "rel"}}, "/home/a/.config/korvant", ""},
        {{{"KORVANT_DIR", "/srv/k"}}, "", "/srv/k"},
    };
    for (const Case& c : cases) {
        const Environment env = [&c](const std::string& name) -> std::optional<std::string> {
            auto it = c.env.find(name);
            if (it == c.env.end()) return std::nullopt;
            return it->second;
        };
        const LocalFolderPlaces places = cliLocalFolderPlaces("", env, "/usr/bin");
        EXPECT_EQ(places.userConfigDir, c.userConfigDir);
        EXPECT_EQ(places.environment, c.environment);
        EXPECT_EQ(places.programDir, "/usr/bin");
    }
    EXPECT_EQ(cliLocalFolderPlaces("/d", nullptr, "").option, "/d");
    EXPECT_EQ(cliLocalFolderPlaces("", nullptr, "").programDir, ".");
}

}  // namespace
}  // namespace korvant::cli
