// The export machinery shared by the report exports: the file-name rules of
// "浏览", the three page-loop shapes, and what hostile servers and failing
// files leave behind.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <numeric>
#include <sstream>

#include "ReportDeskFixture.h"
#include "local/StreamedFile.h"
#include "protocol/Bytes.h"
#include "reports/export/ReportExport.h"
#include "support/ScratchFolder.h"

namespace korvant {
namespace {

namespace fs = std::filesystem;
using test::Bytes;
using test::FakeServer;
using test::ReportDeskFixture;

constexpr uint8_t Command = 120;

TEST(ExportFileName, TheSaveDialogsRules) {
    const struct {
        const char* chosen;
        const char* path;  // nullptr: refused
    } cases[] = {
        {"/tmp/funds", "/tmp/funds.csv"},
        {"/tmp/v1.2/funds", "/tmp/v1.2/funds.csv"},
        {"/tmp/funds.csv", "/tmp/funds.csv"},
        {"/tmp/FUNDS.CSV", "/tmp/FUNDS.CSV"},
        {"/tmp/funds.txt", nullptr},
        {"/tmp/funds.Csv", nullptr},
        {"/tmp/f.xlsx", "/tmp/f.xlsx"},
        {"/tmp/F.XLSX", "/tmp/F.XLSX"},
        {"/tmp/f.xls", nullptr},
    };
    for (const auto& c : cases) {
        const auto path = exportFilePath(c.chosen);
        if (c.path == nullptr)
            EXPECT_FALSE(path) << c.chosen;
        else
            EXPECT_EQ(path.value_or("-"), c.path) << c.chosen;
    }
}

struct ExportFixture : ::testing::Test {
    ReportDeskFixture f;
    test::ScratchFolder scratch{"export"};
    fs::path dir = scratch.path();
    ReportExportForm form;
    ReportExport exported;
    std::vector<int> shownLast;
    std::size_t from = 0;  // requests of earlier cases

    void SetUp() override {
        form.path = (dir / "out.csv").string();
        form.mayReplace = true;
        form.startDate = form.endDate = 20261201;
        std::ofstream(form.path) << "old";
        exported.title = "导出";
        exported.command = Command;
        exported.rowSize = 4;
        exported.writeRequest = [](int page, uint8_t* buffer, int capacity) {
            if (capacity < 8) return 0;
            std::memset(buffer, 0, 8);
            buffer[0] = 8;
            buffer[3] = Command;
            putI32(buffer + 4, page);
            return 8;
        };
        exported.layout = {"值", {{"值", CellKind::Integer}}};
        exported.writeRow = [](TableSink& sink, const uint8_t* row) {
            sink.integer(getI32(row));
            sink.endRow();
        };
        exported.showLast = [this](const uint8_t*, int length) {
            shownLast.push_back((length - 12) / 4);
        };
    }

    // Answers each page with its two control fields from `fields(page)`
    // and one row holding the page asked for.
    void serve(std::function<std::pair<int, int>(int page)> fields) {
        f.answer = [fields](const Bytes& request) -> Bytes {
            const int page = getI32(request.data() + 4);
            const auto [first, second] = fields(page);
            Bytes row(4);
            putI32(row.data(), page);
            return ReportDeskFixture::listAnswer(Command, {row}, first, second);
        };
    }
    std::vector<int> pagesAsked() const {
        std::vector<int> pages;
        const std::vector<Bytes> all = f.server.requests();
        for (std::size_t i = from; i < all.size(); ++i) pages.push_back(getI32(all[i].data() + 4));
        return pages;
    }
    std::string content() const {
        std::ifstream in(form.path, std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }
    int entries() const { return static_cast<int>(std::distance(fs::directory_iterator(dir), {})); }
};

TEST_F(ExportFixture, TheThreeLoopShapesAskForTheirPages) {
    const struct {
        PageLoop loop;
        std::function<std::pair<int, int>(int)> fields;
        std::vector<int> pages;
    } cases[] = {
        // Orders and trades: count 3 and the index returned.
        {PageLoop::CountAndIndex,
         [](int p) {
             return std::pair{3, p};
         },
         {0, 1, 2}},
        // Net values: the same pages, last index + 1.
        {PageLoop::LastIndex,
         [](int p) {
             return std::pair{3, p};
         },
         {0, 1, 2}},
        // Funds: the second field names the next page while the first is
        // not negative.
        {PageLoop::ControlFields,
         [](int p) {
             return std::pair{p < 10 ? 0 : -1, p + 5};
         },
         {0, 5, 10}},
        // Funds, -1 at once: exactly the rows of that one answer.
        {PageLoop::ControlFields,
         [](int) {
             return std::pair{-1, 7};
         },
         {0}},
        // Any negative first field ends the read, not only -1.
        {PageLoop::ControlFields,
         [](int p) {
             return std::pair{p == 0 ? 0 : -2, p + 1};
         },
         {0, 1}},
        {PageLoop::ControlFields,
         [](int) {
             return std::pair{INT32_MIN, 7};
         },
         {0}},
    };
    for (const auto& c : cases) {
        from = f.server.requests().size();
        shownLast.clear();
        exported.loop = c.loop;
        serve(c.fields);
        const ReportExportResult result = runReportExport(f.desk, form, exported);
        EXPECT_TRUE(result.written);
        EXPECT_EQ(pagesAsked(), c.pages);
        std::string expected = toGbk("值\r\n");
        for (int p : c.pages) expected += std::to_string(p) + "\r\n";
        EXPECT_EQ(content(), expected);
        EXPECT_EQ(result.rows, static_cast<int64_t>(c.pages.size()));
        EXPECT_EQ(shownLast, std::vector<int>{1});
        EXPECT_EQ(f.port.lastMessage().text, "数据保存成功，保存文件为：" + form.path);
        EXPECT_EQ(entries(), 1);
    }
}

TEST_F(ExportFixture, HostileServersStopTheExportAndLeaveTheOldFile) {
    exported.maxPages = 50;
    const struct {
        const char* name;
        PageLoop loop;
        std::function<std::pair<int, int>(int)> fields;
        std::string message;
    } cases[] = {
        {"never-ending control fields", PageLoop::ControlFields,
         [](int p) {
             return std::pair{0, p + 1};
         },
         "  数据过多, 读取已停止!  "},
        {"the same next page again", PageLoop::ControlFields,
         [](int p) {
             return std::pair{0, p == 0 ? 1 : 1};
         },
         "  错误的数据包, 无法解析 !  "},
        {"an index going back", PageLoop::CountAndIndex,
         [](int p) {
             return std::pair{9, p == 2 ? 0 : p};
         },
         "  错误的数据包, 无法解析 !  "},
        {"a repeated index", PageLoop::LastIndex,
         [](int) {
             return std::pair{9, 0};
         },
         "  错误的数据包, 无法解析 !  "},
        {"an absurd count", PageLoop::CountAndIndex,
         [](int p) {
             return std::pair{INT32_MAX, p};
         },
         "  数据过多, 读取已停止!  "},
        {"a count always two ahead", PageLoop::CountAndIndex,
         [](int p) {
             return std::pair{p + 2, p};
         },
         "  数据过多, 读取已停止!  "},
        {"a negative count", PageLoop::CountAndIndex,
         [](int p) {
             return std::pair{INT32_MIN, p};
         },
         "  错误的数据包, 无法解析 !  "},
        {"an index beyond the count", PageLoop::LastIndex,
         [](int) {
             return std::pair{3, 5};
         },
         "  错误的数据包, 无法解析 !  "},
    };
    for (const auto& c : cases) {
        from = f.server.requests().size();
        f.port.clearRecords();
        exported.loop = c.loop;
        serve(c.fields);
        EXPECT_FALSE(runReportExport(f.desk, form, exported).written) << c.name;
        EXPECT_LE(pagesAsked().size(), 50u) << c.name;
        EXPECT_EQ(f.port.lastMessage().text, c.message) << c.name;
        EXPECT_EQ(content(), "old") << c.name;
        EXPECT_EQ(entries(), 1) << c.name;
        EXPECT_TRUE(shownLast.empty()) << c.name;
    }
}

TEST_F(ExportFixture, RowsAndBytesWrittenAreBounded) {
    exported.loop = PageLoop::CountAndIndex;
    serve([](int p) { return std::pair{p + 2, p}; });
    // Header "值\r\n" (4 bytes in GBK), then "0\r\n", "1\r\n", ...
    const struct {
        int64_t maxRows, maxBytes;
        std::size_t pages;
    } cases[] = {{3, MaxExportBytes, 4}, {MaxExportRows, 4 + 3 * 3, 5}};
    for (const auto& c : cases) {
        from = f.server.requests().size();
        exported.maxRows = c.maxRows;
        exported.maxBytes = c.maxBytes;
        EXPECT_FALSE(runReportExport(f.desk, form, exported).written);
        EXPECT_EQ(pagesAsked().size(), c.pages);
        EXPECT_EQ(f.port.lastMessage().text, "  数据过多, 读取已停止!  ");
        EXPECT_EQ(content(), "old");
        EXPECT_EQ(entries(), 1);
    }
}

// The pages are written behind the read: a fault at any page still ends
// the export with its message, no file and exactly the requests up to that
// page.
TEST_F(ExportFixture, AFaultAtAnyPageEndsTheExportWithoutAFile) {
    exported.loop = PageLoop::CountAndIndex;
    const Bytes shortPage = FakeServer::packet(Command, Bytes(4));
    const Bytes refusal = FakeServer::resultPacket(1, "无权查询");
    const struct {
        int page;      // the page that fails
        Bytes answer;  // in its place; empty: an index beyond the count
        int stopAt;    // the user stops at this step instead (0: never)
        std::string message;
    } cases[] = {
        {0, shortPage, 0, "  错误的数据包, 无法解析 !  "},
        {3, shortPage, 0, "  错误的数据包, 无法解析 !  "},
        {5, refusal, 0, "无权查询"},
        {2, refusal, 0, "无权查询"},
        {4, {}, 0, "  错误的数据包, 无法解析 !  "},
        {3, {}, 4, "导出已停止，文件未保存。"},
    };
    for (const auto& c : cases) {
        from = f.server.requests().size();
        f.port.clearRecords();
        f.port.stopAtStep(c.stopAt);
        f.answer = [&c](const Bytes& request) -> Bytes {
            const int page = getI32(request.data() + 4);
            if (page == c.page && c.stopAt == 0 && !c.answer.empty()) return c.answer;
            std::vector<Bytes> rows(50, Bytes(4));
            for (Bytes& row : rows) putI32(row.data(), page);
            const int index = page == c.page && c.stopAt == 0 ? 9 : page;
            return ReportDeskFixture::listAnswer(Command, rows, 6, index);
        };
        EXPECT_FALSE(runReportExport(f.desk, form, exported).written) << c.page;
        std::vector<int> asked(static_cast<std::size_t>(c.page) + 1);
        std::iota(asked.begin(), asked.end(), 0);
        EXPECT_EQ(pagesAsked(), asked) << c.page;
        EXPECT_EQ(f.port.lastMessage().text, c.message) << c.page;
        EXPECT_EQ(content(), "old") << c.page;
        EXPECT_EQ(entries(), 1) << c.page;
        EXPECT_TRUE(shownLast.empty()) << c.page;
    }
}

TEST_F(ExportFixture, ImpossibleDatesAndSpecialTargetsAreRefusedBeforeAnyRequest) {
    const fs::path fifo = dir / "fifo.csv";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const struct {
        int32_t start, end;
        std::string path;
        std::string message;
    } cases[] = {
        {20261332, 20261201, form.path,
         "起始日期：20261332 不是有效的日期（应为 YYYYMMDD，如 20261201）"},
        {20261201, -1, form.path, "结束日期：-1 不是有效的日期（应为 YYYYMMDD，如 20261201）"},
        {20261201, 20261201, fifo.string(),
         "文件保存失败：" + fifo.string() + "\n这是一个管道 (FIFO), 不是普通文件, 不会被替换"},
        {20261201, 20261201, dir.string(),
         "文件保存失败：" + dir.string() + "\n这是一个目录, 不是文件"},
    };
    for (const auto& c : cases) {
        form.startDate = c.start;
        form.endDate = c.end;
        form.path = c.path;
        EXPECT_FALSE(runReportExport(f.desk, form, exported).written);
        EXPECT_EQ(f.port.lastMessage().text, c.message);
    }
    EXPECT_TRUE(f.server.requests().empty());
    EXPECT_EQ(fs::status(fifo).type(), fs::file_type::fifo);
    EXPECT_EQ(entries(), 2);
}

TEST_F(ExportFixture, StoppedOrUnwritableExportsKeepTheOldFile) {
    exported.loop = PageLoop::CountAndIndex;
    serve([](int p) { return std::pair{5, p}; });
    f.port.stopAtStep(2);
    EXPECT_FALSE(runReportExport(f.desk, form, exported).written);
    EXPECT_EQ(pagesAsked(), (std::vector<int>{0, 1}));
    EXPECT_EQ(f.port.lastMessage().text, "导出已停止，文件未保存。");
    EXPECT_EQ(content(), "old");
    EXPECT_EQ(entries(), 1);

    // Not allowed to replace the file the user kept.
    f.port.stopAtStep(0);
    form.mayReplace = false;
    EXPECT_FALSE(runReportExport(f.desk, form, exported).written);
    EXPECT_EQ(content(), "old");
    EXPECT_EQ(entries(), 1);

    // A file that cannot be created: said before anything is asked.
    from = f.server.requests().size();
    form.path = (dir / "missing" / "out.csv").string();
    EXPECT_FALSE(runReportExport(f.desk, form, exported).written);
    EXPECT_TRUE(pagesAsked().empty());
    EXPECT_EQ(f.port.lastMessage().text.rfind("文件保存失败：" + form.path + "\n", 0), 0u);
}

TEST_F(ExportFixture, WorkbooksAreWrittenWholeOrNotAtAll) {
    exported.loop = PageLoop::CountAndIndex;
    serve([](int p) { return std::pair{3, p}; });
    form.path = (dir / "out.xlsx").string();
    // Through the unnamed temporary file and through a named one.
    for (const bool unnamed : {true, false}) {
        useUnnamedTemporaryFiles(unnamed);
        std::ofstream(form.path) << "old";
        f.port.clearRecords();
        f.port.stopAtStep(2);
        EXPECT_FALSE(runReportExport(f.desk, form, exported).written);
        EXPECT_EQ(content(), "old");
        EXPECT_EQ(entries(), 2);  // out.csv, out.xlsx
        f.port.stopAtStep(0);     // no stop
        const ReportExportResult result = runReportExport(f.desk, form, exported);
        EXPECT_TRUE(result.written);
        EXPECT_EQ(result.rows, 3);
        EXPECT_EQ(content().rfind("PK", 0), 0u);  // a zip container
        EXPECT_EQ(entries(), 2);
    }
    useUnnamedTemporaryFiles(true);
}

TEST_F(ExportFixture, BrowseAppliesTheNameRulesAndAsksBeforeReplacing) {
    ReportExportForm chosen;
    chosen.path = "/kept.csv";
    // A wrong extension keeps the previous path.
    EXPECT_FALSE(takeChosenExportPath(f.port, chosen, (dir / "a.txt").string()));
    EXPECT_EQ(chosen.path, "/kept.csv");
    EXPECT_EQ(f.port.lastMessage().caption, "错误信息");
    EXPECT_EQ(f.port.lastMessage().text, "保存文件格式错误，后缀名应该为“.csv”！");
    // An existing file: No keeps the previous path, Yes allows the replace;
    // nothing is removed either way.
    f.port.answerNo();
    EXPECT_FALSE(takeChosenExportPath(f.port, chosen, (dir / "out").string()));
    ASSERT_EQ(f.port.questions.size(), 1u);
    EXPECT_EQ(f.port.questions[0].message.text, "out.csv文件已经存在，是否替换原文件？");
    EXPECT_EQ(f.port.questions[0].message.caption, "提示信息");
    EXPECT_EQ(chosen.path, "/kept.csv");
    f.port.answerYes();
    EXPECT_TRUE(takeChosenExportPath(f.port, chosen, (dir / "out.csv").string()));
    EXPECT_EQ(chosen.path, form.path);
    EXPECT_TRUE(chosen.mayReplace);
    EXPECT_EQ(content(), "old");
    // A new file needs no question.
    EXPECT_TRUE(takeChosenExportPath(f.port, chosen, (dir / "new").string()));
    EXPECT_EQ(chosen.path, (dir / "new.csv").string());
    EXPECT_FALSE(chosen.mayReplace);
    EXPECT_EQ(f.port.questions.size(), 2u);

    // The dialog's check: dates in order, then a path.
    chosen.startDate = 20240102;
    chosen.endDate = 20240101;
    EXPECT_FALSE(validateReportExportForm(f.port, chosen));
    EXPECT_EQ(f.port.lastMessage().text, "起始时间不能晚于结束时间");
    chosen.endDate = 20240102;
    chosen.path.clear();
    EXPECT_FALSE(validateReportExportForm(f.port, chosen));
    chosen.path = "x.csv";
    EXPECT_TRUE(validateReportExportForm(f.port, chosen));
}

}  // namespace
}  // namespace korvant
