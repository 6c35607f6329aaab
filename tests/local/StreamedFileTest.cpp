// A file written in pieces appears only when committed, and never at the
// cost of the file it replaces.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "local/StreamedFile.h"
#include "support/ScratchFolder.h"

namespace korvant {
namespace {

namespace fs = std::filesystem;

class StreamedFileWays : public ::testing::TestWithParam<bool> {
protected:
    test::ScratchFolder scratch{"streamed"};
    fs::path dir = scratch.path();
    std::string path = (dir / "out.csv").string();

    void SetUp() override {
        useUnnamedTemporaryFiles(GetParam());
        std::ofstream(path) << "old";
    }
    void TearDown() override { useUnnamedTemporaryFiles(true); }
    std::string content() const {
        std::ifstream in(path, std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }
    int entries() const { return static_cast<int>(std::distance(fs::directory_iterator(dir), {})); }
};
INSTANTIATE_TEST_SUITE_P(UnnamedOrNamed, StreamedFileWays, ::testing::Bool());

TEST_P(StreamedFileWays, TheOldFileStaysUntilTheNewOneIsCommitted) {
    {
        StreamedFile dropped(path);
        ASSERT_TRUE(dropped.append("half"));
        EXPECT_EQ(content(), "old");
    }
    EXPECT_EQ(content(), "old");
    EXPECT_EQ(entries(), 1);  // no temporary file left

    // Not allowed to replace: refused, the old file kept.
    StreamedFile kept(path);
    ASSERT_TRUE(kept.append("new"));
    EXPECT_FALSE(kept.commit(false));
    EXPECT_FALSE(kept.error().empty());
    EXPECT_EQ(content(), "old");
    EXPECT_EQ(entries(), 1);

    StreamedFile replacing(path);
    ASSERT_TRUE(replacing.append("ne") && replacing.append("w"));
    EXPECT_TRUE(replacing.commit(true));
    EXPECT_EQ(content(), "new");
    EXPECT_EQ(entries(), 1);
}

// Large files are put on the disk while they grow: neither that nor
// dropping one in the middle of it may lose or leave anything.
TEST_P(StreamedFileWays, AFileFlushedWhileItGrowsIsWholeOrGone) {
    const auto piece = [](int i) { return std::string(1 << 20, static_cast<char>('a' + i % 26)); };
    {
        StreamedFile dropped(path);
        for (int i = 0; i < 20; ++i) ASSERT_TRUE(dropped.append(piece(i)));
    }
    EXPECT_EQ(content(), "old");
    EXPECT_EQ(entries(), 1);

    std::string expected;
    StreamedFile grown(path);
    for (int i = 0; i < 24; ++i) {
        expected += piece(i);
        ASSERT_TRUE(grown.append(piece(i)));
    }
    ASSERT_TRUE(grown.commit(true));
    EXPECT_TRUE(content() == expected);
    EXPECT_EQ(entries(), 1);
}

TEST_P(StreamedFileWays, AFileThatCannotBeCreatedIsKnownAtOnce) {
    StreamedFile file((dir / "missing" / "out.csv").string());
    EXPECT_FALSE(file.ok());
    EXPECT_FALSE(file.error().empty());
    EXPECT_FALSE(file.append("x"));
    EXPECT_FALSE(file.commit());
}

}  // namespace
}  // namespace korvant
