#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "local/LocalFolder.h"
#include "local/ShippedFiles.h"
#include "support/ScratchFolder.h"

namespace korvant {
namespace {

namespace fs = std::filesystem;

struct TempTree {
    test::ScratchFolder scratch{"localfolder"};
    fs::path root = scratch.path();
    std::string at(const std::string& relative) const { return (root / relative).string(); }
};

void writeFile(const std::string& path, const std::string& bytes) {
    fs::create_directories(fs::path(path).parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

mode_t modeOf(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 ? info.st_mode & 07777 : 0;
}

// A portable copy (a writable folder without shipped data beside it) and an
// installed one ("<prefix>/bin" next to "<prefix>/share/korvant"), with and
// without the overrides.
TEST(LocalFolder, ChoosesTheOverrideThenBesideAPortableCopyThenTheUserFolder) {
    TempTree tree;
    fs::create_directories(tree.at("portable"));
    fs::create_directories(tree.at("usr/bin"));
    fs::create_directories(shippedDataDir(tree.at("usr/bin")));
    const std::string config = tree.at("home/.config/korvant");
    struct Case {
        std::string option, environment, programDir;
        std::string path;
        LocalFolderSource source;
    } cases[] = {
        {"", "", tree.at("portable"), tree.at("portable"), LocalFolderSource::BesideProgram},
        {"", "", tree.at("usr/bin"), config, LocalFolderSource::UserConfig},
        {"", "/env", tree.at("usr/bin"), "/env", LocalFolderSource::Environment},
        {"/opt", "/env", tree.at("usr/bin"), "/opt", LocalFolderSource::Option},
        {"", "/env", tree.at("portable"), "/env", LocalFolderSource::Environment},
    };
    for (const Case& c : cases) {
        LocalFolder folder = chooseLocalFolder({c.option, c.environment, c.programDir, config});
        EXPECT_EQ(folder.path, c.path) << c.programDir;
        EXPECT_EQ(folder.source, c.source) << c.programDir;
    }
    // Without a known user folder an installed copy stays beside itself.
    EXPECT_EQ(chooseLocalFolder({"", "", tree.at("usr/bin"), ""}).path, tree.at("usr/bin"));
    EXPECT_FALSE(fs::exists(config)) << "choosing creates nothing";
}

// The first start of an installed copy creates the user folder and seeds it;
// later starts keep what the user changed.
TEST(LocalFolder, SeedsTheUserFolderOnceAndKeepsTheLastLoginPrivate) {
    TempTree tree;
    const std::string bin = tree.at("usr/bin");
    fs::create_directories(bin);
    const std::string samples = shippedDataDir(bin);
    writeFile(samples + "/Server.ini", "[Server]\nName1=演示服务器\n");
    writeFile(samples + "/riskdetail.ini", "[riskdetail]\n");
    const std::string config = tree.at("home/.config/korvant");

    std::string problem;
    LocalFolder folder = settleLocalFolder({"", "", bin, config}, problem);
    EXPECT_EQ(problem, "");
    ASSERT_EQ(folder.source, LocalFolderSource::UserConfig);
    EXPECT_EQ(modeOf(config), 0700u);
    EXPECT_EQ(readFile(config + "/Server.ini"), "[Server]\nName1=演示服务器\n");
    EXPECT_EQ(readFile(config + "/riskdetail.ini"), "[riskdetail]\n");

    writeFile(config + "/Server.ini", "[Server]\nName1=生产\n");
    writeFile(config + "/ServerInfo.Dat", std::string(44, '\0'));
    ::chmod((config + "/ServerInfo.Dat").c_str(), 0644);
    settleLocalFolder({"", "", bin, config}, problem);
    EXPECT_EQ(problem, "");
    EXPECT_EQ(readFile(config + "/Server.ini"), "[Server]\nName1=生产\n");
    EXPECT_EQ(modeOf(config + "/ServerInfo.Dat"), 0600u);

    // An override is the user's own folder: nothing is created there.
    settleLocalFolder({tree.at("mine"), "", bin, config}, problem);
    EXPECT_FALSE(fs::exists(tree.at("mine")));
}

TEST(LocalFolder, RefusesASampleThatIsNotARegularFileAndSaysWhereTheFolderFailed) {
    TempTree tree;
    const std::string samples = tree.at("share");
    fs::create_directories(samples + "/Server.ini");  // a folder, not a file
    EXPECT_NE(prepareUserFolder(tree.at("config"), samples), "");
    EXPECT_FALSE(fs::exists(tree.at("config/Server.ini")));

    writeFile(tree.at("file"), "x");
    std::string problem = prepareUserFolder(tree.at("file/korvant"), samples);
    EXPECT_EQ(problem.rfind(tree.at("file/korvant"), 0), 0u) << problem;
}

TEST(LocalFolder, LooksForTheManualBesideTheProgramThenInTheDocumentationFolder) {
    std::vector<std::string> places = manualPlaces("/usr/bin");
    ASSERT_EQ(places.size(), 2u);
    EXPECT_EQ(places[0], std::string("/usr/bin/") + ManualFileName);
    EXPECT_EQ(places[1], std::string("/usr/share/doc/korvant/") + ManualFileName);
    EXPECT_EQ(shippedDataDir("/usr/bin"), "/usr/share/korvant");
}

}  // namespace
}  // namespace korvant
