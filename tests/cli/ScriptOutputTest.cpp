#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <sstream>

#include <unistd.h>

#include "app/pages/FixedRowsPage.h"
#include "cli/CliContext.h"
#include "cli/Command.h"
#include "cli/JsonText.h"
#include "cli/PageWriter.h"
#include "support/ScratchFolder.h"

// The output for scripts without a server: the three formats of a page, the
// JSON text rules, and --all over a paged list whose pages may fail.
namespace korvant::cli {
namespace {

FixedRowsPage sample() {
    FixedRowsPage page;
    page.columnList = {{"名称"}, {"隐藏", 0, true}, {"备注"}};
    page.rows = {{"a,b", "x", "=1+2"}, {"say \"hi\"", "y", "line\nnext\x1b"}};
    return page;
}

TEST(ScriptOutput, EachFormatWritesTheShownColumnsOfEveryRecord) {
    const struct {
        OutputFormat format;
        const char* text;
    } cases[] = {
        {OutputFormat::Tsv, "名称\t备注\na,b\t=1+2\nsay \"hi\"\tline\\nnext\\x1B\n"},
        // The CSV cell rule: quotes around a comma or a quote, a quote mark
        // before a formula start; control characters escaped as in TSV.
        {OutputFormat::Csv, "名称,备注\n\"a,b\",'=1+2\n\"say \"\"hi\"\"\",line\\nnext\\x1B\n"},
        // Captions as names by default, the cells as strings.
        {OutputFormat::Json,
         "[\n{\"名称\":\"a,b\",\"备注\":\"=1+2\"},\n"
         "{\"名称\":\"say \\\"hi\\\"\",\"备注\":\"line\\nnext\\u001b\"}\n]\n"},
    };
    for (const auto& c : cases) {
        std::ostringstream out;
        PageWriter writer(out, c.format);
        const FixedRowsPage page = sample();
        writer.writeHeader(page);
        writer.writeRows(page);
        writer.finish();
        EXPECT_EQ(out.str(), c.text) << static_cast<int>(c.format);
    }
}

TEST(ScriptOutput, JsonTextIsValidUtf8WithEscapedControls) {
    const struct {
        RawValue value;
        const char* json;
    } cases[] = {
        {std::string("不限\t\x01\x7f"), "\"不限\\t\\u0001\\u007f\""},
        {std::string("\xC2\x9B[2J"), "\"\\u009b[2J\""},  // C1 control
        {std::string("a\xFF\xC3(\xED\xA0\x80z"),
         "\"a\xEF\xBF\xBD\xEF\xBF\xBD(\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBDz\""},
        {int64_t{-2147483648LL}, "-2147483648"},
        {0.1, "0.1"},
        {1e6, "1000000"},
        {-0.000125, "-0.000125"},
        {1e21, "1e+21"},
        {std::numeric_limits<double>::infinity(), "null"},
    };
    for (const auto& c : cases) {
        std::string out;
        appendJsonValue(out, c.value);
        EXPECT_EQ(out, c.json);
    }
}

// A list of `pages` pages of one row each; page `failing` is not listed and
// page `wrong` answers as another page.
class PagedFake : public ReportPage {
public:
    int pages = 3, failing = -1, wrong = -1, current = 0;
    const std::vector<ReportColumn>& columns() const override {
        static const std::vector<ReportColumn> columns = {{"页"}};
        return columns;
    }
    int rowCount() const override { return 1; }
    std::vector<std::string> cells(int) const override { return {std::to_string(current + 1)}; }
    PageCursor cursor() const override { return {pages, current == wrong ? 0 : current}; }
    bool showPage(Desk&, int page) override {
        if (page == failing) return false;
        current = page;
        return true;
    }
};

class PrintsFake : public Command {
public:
    PagedFake page;
    std::string name() const override { return "fake"; }
    std::string help() const override { return ""; }
    bool logsIn() const override { return false; }
    bool run(CliContext& context) override {
        printPage(context, page);
        return true;
    }
};

TEST(ScriptOutput, AllPrintsEveryPageUnderOneHeaderAndStopsAtAFailingPage) {
    const test::ScratchFolder scratch("all");
    const std::string dir = scratch.path().string();
    const struct {
        bool all, quiet;
        int failing, wrong;
        int status;
        const char* out;
        const char* err;
        int pages = 3;
    } cases[] = {
        {false, false, -1, -1, 0, "页\n1\n", "当前第1/3页\n"},
        {true, false, -1, -1, 0, "页\n1\n2\n3\n", "当前第3/3页\n"},
        {true, true, -1, -1, 0, "页\n1\n2\n3\n", ""},
        {true, false, 2, -1, 1, "页\n1\n2\n", "当前第2/3页\n"},
        {true, true, -1, 1, 1, "页\n1\n", "[提示] 第 2 页 (共 3 页) 的回答是另一页, 列表不完整\n"},
        // A count no list has: never a short list taken as complete.
        {true, true, -1, -1, 1, "页\n1\n", "[提示]   错误的数据包, 无法解析 !  \n", INT32_MIN},
    };
    for (const auto& c : cases) {
        std::ostringstream out, err;
        std::istringstream in;
        CliContext context(out, err, in);
        context.options.dir = dir;
        context.options.all = c.all;
        context.options.quiet = c.quiet;
        PrintsFake command;
        command.page.failing = c.failing;
        command.page.wrong = c.wrong;
        command.page.pages = c.pages;
        EXPECT_EQ(runCommand(command, context), c.status) << err.str();
        EXPECT_EQ(out.str(), c.out);
        EXPECT_EQ(err.str(), c.err);
    }
}

}  // namespace
}  // namespace korvant::cli
