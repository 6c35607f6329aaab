// A CSV table file holds exactly the GBK of the lines CsvLines writes, over
// many pages (written by the file's own thread), and nothing until it is
// committed.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "local/CsvLines.h"
#include "local/TableFile.h"
#include "protocol/Gbk.h"
#include "support/ScratchFolder.h"

namespace korvant {
namespace {

std::string contentOf(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

// One row of every kind of cell, the text cells taken from `texts` in turn.
template <class Sink>
void writeRow(Sink& sink, int row) {
    static const char* const texts[] = {
        "CZCE",     "买", "投机",      "=1+2", "-12.5", "a,b", "say \"hi\"",
        "\r=1",     "-",  "入金,出金", "+3",   "平今",  "",    "\xF0\x9F\x98\x80",
        "\xE4\xB8", "€"};
    sink.integer(row);
    sink.text(texts[row % std::size(texts)]);
    sink.number(row * 1.005);
    sink.number(row % 3 == 0 ? 0.0 : row / 8.0);
    sink.none(row % 2 == 0 ? " " : "无");
    sink.text(texts[(row + 7) % std::size(texts)]);
    sink.endRow();
}

TEST(CsvTableFile, HoldsTheGbkOfCsvLinesOverManyPages) {
    test::ScratchFolder scratch{"csvtable"};
    const std::string path = scratch.file("out.csv");
    TableLayout layout{"表",
                       {{"号", CellKind::Integer},
                        {"文字", CellKind::Text},
                        {"价", CellKind::Number, 3},
                        {"率", CellKind::Number, 4, true},
                        {"空", CellKind::Text}}};
    std::string expected = csvHeaderLine(layout);
    CsvLines lines(expected, layout);
    {
        const std::unique_ptr<TableFile> file = openTableFile(path, layout);
        ASSERT_TRUE(file->ok());
        for (int page = 0; page < 40; ++page) {
            for (int row = page * 37; row < (page + 1) * 37; ++row) {
                writeRow(*file, row);
                writeRow(lines, row);
            }
            ASSERT_EQ(file->endPage(int64_t{1} << 30), PageWrite::Written);
            EXPECT_FALSE(std::filesystem::exists(path));
        }
        EXPECT_TRUE(file->ok());
        EXPECT_EQ(file->size(), static_cast<int64_t>(toGbk(expected).size()));
        // A page past the cap is not written, and the file stays usable.
        writeRow(*file, 0);
        EXPECT_EQ(file->endPage(file->size()), PageWrite::TooLarge);
        ASSERT_TRUE(file->commit(true));
    }
    EXPECT_EQ(contentOf(path), toGbk(expected));

    // Dropped before its commit: nothing is left behind.
    {
        const std::unique_ptr<TableFile> file = openTableFile(scratch.file("dropped.csv"), layout);
        for (int page = 0; page < 5; ++page) {
            writeRow(*file, page);
            file->endPage(int64_t{1} << 30);
        }
    }
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(scratch.path()), {}), 1);
}

}  // namespace
}  // namespace korvant
