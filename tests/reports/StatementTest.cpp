#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "reports/ReportDeskFixture.h"
#include "reports/statements/StatementAssembly.h"
#include "reports/statements/StatementPage.h"
#include "support/ScratchFolder.h"
#include "support/TestRecords.h"

namespace korvant::test {
namespace {

// A chunk of command 49: the announced total and `text` bytes of 'x'.
Bytes chunk(int32_t total, int text, uint8_t command = 49) {
    Bytes body(4 + static_cast<std::size_t>(text), 'x');
    std::memcpy(body.data(), &total, 4);
    return FakeServer::packet(command, body);
}

TEST(StatementAssembly, ChunkSequencesEndAsTheyShould) {
    using Step = StatementAssembly::Step;
    const int full = StatementChunkText;
    struct Case {
        const char* name;
        std::vector<Bytes> chunks;
        Step last;
        std::size_t bytes;
        const char* failure;
    };
    const std::vector<Case> cases = {
        {"exactly one full chunk, then an empty one",
         {chunk(full, full), chunk(full, 0)},
         Step::Done,
         10240,
         ""},
        {"short statement", {chunk(5, 5)}, Step::Done, 5, ""},
        {"empty statement", {chunk(0, 0)}, Step::Done, 0, ""},
        {"missing", {FakeServer::resultPacket(1, "no")}, Step::Missing, 0, ""},
        {"negative total", {chunk(-1, 5)}, Step::Failed, 0, StatementBadLengthText},
        {"absurd total", {chunk(64 * 1024 * 1024 + 1, 5)}, Step::Failed, 0, StatementBadLengthText},
        {"chunk beyond the total", {chunk(100, full)}, Step::Failed, 0, StatementOverrunText},
        {"endless full chunks",
         {chunk(30000, full), chunk(0, full), chunk(0, full)},
         Step::Failed,
         0,
         StatementOverrunText},
        {"total larger than the text", {chunk(500, 100)}, Step::Failed, 0, StatementShortText},
        {"another command's answer", {chunk(5, 5, 48)}, Step::Failed, 0, StatementForeignText},
        {"header only", {Bytes{4, 0, 0, 49}}, Step::Failed, 0, StatementForeignText},
    };
    for (const Case& c : cases) {
        StatementAssembly assembly;
        Step step = Step::More;
        for (const Bytes& b : c.chunks) {
            ASSERT_EQ(step, Step::More) << c.name;
            step = assembly.take(b.data(), static_cast<int>(b.size()));
        }
        EXPECT_EQ(step, c.last) << c.name;
        EXPECT_EQ(assembly.text().size(), c.bytes) << c.name;
        EXPECT_STREQ(assembly.failure(), c.failure) << c.name;
    }
}

struct StatementDesk : ReportDeskFixture {
    // Statements by account text: GBK bytes sent in chunks of 10 240.
    std::map<std::string, std::string> statements;
    // Account numbers and days of the list (command 50), one page.
    std::vector<StatementEntry> entries;

    StatementDesk() {
        // The group the batches export: one the desk holds.
        desk.reference().groups.records.push_back(test::makeGroup(5, 2, "0101", "一组"));
        answer = [this](const Bytes& r) -> Bytes {
            if (r[3] == 50) {
                std::vector<Bytes> records;
                for (const StatementEntry& e : entries) {
                    Bytes b(8);
                    std::memcpy(b.data(), &e.account, 4);
                    std::memcpy(b.data() + 4, &e.day, 4);
                    records.push_back(b);
                }
                return listAnswer(50, records, 1, 0);
            }
            if (r[3] != 49) return {};
            auto found = statements.find(textAt(r, 8, 32) + "/" + std::to_string(i32At(r, 4)));
            if (found == statements.end()) return FakeServer::resultPacket(1, "不存在");
            const std::string& s = found->second;
            const std::size_t first = static_cast<std::size_t>(i32At(r, 44)) * 10240;
            const std::size_t n =
                first < s.size() ? std::min<std::size_t>(10240, s.size() - first) : 0;
            Bytes body(4 + n);
            const auto total = static_cast<int32_t>(s.size());
            std::memcpy(body.data(), &total, 4);
            std::memcpy(body.data() + 4, s.data() + first, n);
            return FakeServer::packet(49, body);
        };
    }
};

TEST(StatementQuery, ChunksAreAskedInTurnAndTheTextKeptByteForByte) {
    StatementDesk f;
    std::string text = toGbk("结算单\r\n");
    text.resize(10240, 'a');
    f.statements["1001/20150305"] = text;
    StatementPage page;
    page.account = "1001";
    page.period.first = 20150305;
    page.style = StatementStyle::TradeByTrade;
    page.csv = true;
    ASSERT_TRUE(queryStatement(f.desk, page));
    EXPECT_EQ(page.gbk, text);
    EXPECT_EQ(page.text.substr(0, 11), "结算单\r\n");
    EXPECT_EQ(page.target.id, -1);
    const std::vector<Bytes> requests = f.server.requests();
    ASSERT_EQ(requests.size(), 2u);
    for (int i = 0; i < 2; ++i) {
        const Bytes& r = requests[static_cast<std::size_t>(i)];
        EXPECT_EQ(r.size(), 60u);
        EXPECT_EQ(f.textAt(r, 8, 32), "1001");
        EXPECT_EQ(f.i32At(r, 40), -1);
        EXPECT_EQ(f.i32At(r, 44), i);
        EXPECT_EQ(f.i32At(r, 48), 1);
        EXPECT_EQ(f.i32At(r, 52), 0);
        EXPECT_EQ(f.i32At(r, 56), 1);
    }
}

TEST(StatementQuery, PeriodsMissingStatementsAndRanges) {
    struct Case {
        PeriodType type;
        int32_t month;
        int32_t last;
        int32_t start;  // sent; 0: nothing sent
        int32_t end;
        const char* text;
    };
    const std::vector<Case> cases = {
        {PeriodType::Month, 201503, 0, 201503, 0, "指定的结算单不存在"},
        {PeriodType::Range, 0, 20150309, 20150305, 20150309, "指定的结算单不存在"},
        {PeriodType::Range, 0, 20150304, 0, 0, ""},
    };
    for (const Case& c : cases) {
        StatementDesk f;
        StatementPage page;
        page.target = {7, "华东一部", true};
        page.period = {c.type, 20150305, c.month, c.last};
        EXPECT_FALSE(queryStatement(f.desk, page));
        EXPECT_EQ(page.text, c.text);
        const std::vector<Bytes> requests = f.server.requests();
        if (c.start == 0) {
            EXPECT_TRUE(requests.empty());
            EXPECT_EQ(f.port.lastMessage().text, "起始日期应小于等于结束日期。 ");
            continue;
        }
        ASSERT_EQ(requests.size(), 1u);
        EXPECT_EQ(f.i32At(requests[0], 4), c.start);
        EXPECT_EQ(f.i32At(requests[0], 52), c.end);
        EXPECT_EQ(f.i32At(requests[0], 40), 7);
        EXPECT_EQ(f.textAt(requests[0], 8, 32), "华东一部");
    }
}

TEST(StatementNames, ProposedNamesExtensionsAndMonths) {
    struct Name {
        std::string account, node;
        StatementPeriod period;
        bool csv;
        std::string expected;
    };
    const std::vector<Name> names = {
        {"1001", "", {PeriodType::Day, 20150305, 0, 0}, false, "1001_20150305.txt"},
        {"1001",
         "",
         {PeriodType::Range, 20150305, 0, 20150309},
         true,
         "1001_20150305_20150309.csv"},
        {"1001", "", {PeriodType::Month, 20150305, 201412, 0}, false, "1001_20150305.txt"},
        {"1234567890123", "", {PeriodType::Day, 20150305, 0, 0}, false, "12345678901_20150305.txt"},
        {"", "华东/一部", {PeriodType::Day, 20150305, 0, 0}, false, "华东_一部_20150305.txt"},
    };
    for (const Name& n : names)
        EXPECT_EQ(proposedStatementName(statementNamePart(n.account, n.node), n.period, n.csv),
                  n.expected);

    const std::vector<std::tuple<std::string, bool, std::string>> extensions = {
        {"a.TXT", false, "a.TXT"},        {"a", false, "a.txt"},
        {"b.Csv", true, "b.Csv"},         {"a.txt", true, "a.txt.csv"},
        {"b.XLSX", true, "b.XLSX"},       {"b.xlsx", false, "b.xlsx.txt"},
        {"x/y.csv", false, "x/y.csv.txt"}};
    for (const auto& [path, csv, expected] : extensions)
        EXPECT_EQ(withStatementExtension(path, csv), expected);

    EXPECT_EQ(statementMonths(20150215),
              (std::vector<int32_t>{201502, 201501, 201412, 201411, 201410, 201409, 201408, 201407,
                                    201406, 201405, 201404, 201403}));
    EXPECT_EQ(batchStatementFileName(1001, 20150305, true), "1001_20150305.csv");
}

struct BatchTest : ::testing::Test {
    test::ScratchFolder scratch{"batch"};
    // Not there yet: the batch makes its folder.
    std::filesystem::path dir = scratch.path() / "statements";

    static std::string read(const std::filesystem::path& p) {
        std::ifstream in(p, std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }
};

TEST_F(BatchTest, WithoutAGroupNothingIsAskedNorSent) {
    StatementDesk f;
    StatementPage page;
    for (int32_t id : {0, -1}) {
        page.target.id = id;
        EXPECT_FALSE(batchExportStatements(f.desk, page));
        EXPECT_EQ(f.port.lastMessage().text, "请先选择要导出的结算单所属的组");
    }
    EXPECT_TRUE(f.port.forms.empty());
    EXPECT_TRUE(f.server.requests().empty());
}

TEST_F(BatchTest, MissingStatementsWriteNothingAndAreCounted) {
    StatementDesk f;
    f.statements["1001/20150305"] = "first";
    f.statements["1003/20150305"] = std::string(12000, 'z');
    f.entries = {{1001, 20150305}, {1002, 20150305}, {1003, 20150305}};
    StatementPage page;
    page.target = {5, "一组", true};
    page.period.first = 20150305;
    const std::filesystem::path folder = dir / "a" / "b";
    f.port.queueForm<StatementBatchForm>([&](StatementBatchForm& form) {
        EXPECT_EQ(form.from, 20150305);
        form.folder = folder.string();
        form.csv = true;
        return true;
    });
    EXPECT_FALSE(batchExportStatements(f.desk, page));
    EXPECT_EQ(read(folder / "1001_20150305.csv"), "first");
    EXPECT_FALSE(std::filesystem::exists(folder / "1002_20150305.csv"));
    EXPECT_EQ(read(folder / "1003_20150305.csv").size(), 12000u);
    EXPECT_EQ(f.port.lastMessage().text, "批量导出完成\n写入 2 个文件，1 个结算单不存在");
    EXPECT_EQ(f.port.steps.size(), 3u);
    const Bytes list = f.server.requests().front();
    EXPECT_EQ(list[3], 50);
    EXPECT_EQ(f.i32At(list, 12), 5);
    EXPECT_EQ(f.textAt(list, 16, 32), "一组");
}

TEST_F(BatchTest, FoldersAndFilesThatCannotBeMadeAreReported) {
    StatementDesk f;
    f.statements["1001/20150305"] = "first";
    f.entries = {{1001, 20150305}};
    std::filesystem::create_directories(dir);
    std::ofstream(dir / "plain") << "x";
    StatementBatchForm form;
    form.from = form.to = 20150305;
    const std::pair<std::string, std::string> folders[] = {
        {(dir / "plain" / "sub").string(), "路径中有一项不是目录"},
        {(dir / "plain").string(), "这是一个文件, 不是目录"},
        {(dir / std::string(1100, 'd')).string(), "路径太长 (最多 1022 个字符)"}};
    for (const auto& [folder, reason] : folders) {
        form.folder = folder;
        EXPECT_FALSE(exportStatements(f.desk, {5, "g", true}, form).listed);
        EXPECT_EQ(f.port.lastMessage().text, "无法创建该目录：" + folder + "\n" + reason);
    }
    EXPECT_TRUE(f.server.requests().empty());
    // A file in the way of the statement's file: counted, the rest goes on.
    std::filesystem::create_directories(dir / "out" / "1001_20150305.txt");
    form.folder = (dir / "out").string();
    const StatementBatchResult r = exportStatements(f.desk, {5, "g", true}, form);
    EXPECT_EQ(r.notCreated, 1);
    EXPECT_FALSE(r.complete());
    EXPECT_EQ(f.port.lastMessage().text, "批量导出完成\n写入 0 个文件，1 个文件无法创建");
}

TEST_F(BatchTest, SaveWritesTheBytesOrSaysWhyNot) {
    StatementDesk f;
    StatementPage page;
    page.account = "1001";
    page.period.first = 20150305;
    page.gbk = toGbk("结算单");
    std::filesystem::create_directories(dir);
    f.port.queueSaveFile((dir / "s").string());
    EXPECT_TRUE(saveStatementAs(f.desk, page));
    EXPECT_EQ(f.port.fileChoices.back().suggestedName, "1001_20150305.txt");
    EXPECT_EQ(read(dir / "s.txt"), page.gbk);
    EXPECT_EQ(f.port.fileChoices.back().filters.size(), 1u);
    EXPECT_FALSE(saveStatement(f.desk, page, (dir / "none" / "s.txt").string()));
    EXPECT_EQ(f.port.lastMessage().text.rfind("文件保存失败：", 0), 0u);

    // In CSV style the dialog offers a workbook beside the CSV file.
    page.csv = true;
    page.gbk = toGbk("a,1.50\r\n");
    f.port.queueSaveFile((dir / "s.xlsx").string());
    EXPECT_TRUE(saveStatementAs(f.desk, page));
    const std::vector<FileFilter>& filters = f.port.fileChoices.back().filters;
    ASSERT_EQ(filters.size(), 2u);
    EXPECT_EQ(filters[0].pattern, "*.csv");
    EXPECT_EQ(filters[1].pattern, "*.xlsx");
    EXPECT_EQ(read(dir / "s.xlsx").substr(0, 2), "PK");
}

}  // namespace
}  // namespace korvant::test
