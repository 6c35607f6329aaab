// `report funds` and `report netvalue` end to end against the simulator.
#include <gtest/gtest.h>

#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "cli/CliRun.h"
#include "protocol/Gbk.h"
#include "support/ScratchFolder.h"
#include "support/SimProcess.h"
#include "support/TradingDays.h"

namespace korvant::cli {
namespace {

namespace chr = std::chrono;
using test::lastMonday;
using test::ymdText;

TEST(FundsReportCommands, FundsOfAGroupListedAndExported) {
    test::SimProcess sim;
    const std::string day = ymdText(lastMonday());
    const test::CliRun page =
        test::runAsAdmin(sim, "admin", {"report", "funds", "--date", day, "--group", "1"});
    ASSERT_EQ(page.status, 0) << page.err;
    const std::vector<std::string> lines = page.outLines();
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(
        lines[0].rfind("账号\t交易日\t权益\t上日权益\t可用资金\t保证金\t基础手续费\t附加手续费", 0),
        0u);
    EXPECT_NE(lines[1].find("\t" + day + "\t"), std::string::npos) << lines[1];

    // The export of the same day holds the same rows, each a line of 17
    // cells after the file's header.
    const test::ScratchFolder scratch("funds-e2e");
    const std::filesystem::path path = scratch.path() / "funds";
    const test::CliRun exported = test::runAsAdmin(
        sim, "admin",
        {"report", "funds", "--export", path.string(), "--from", day, "--to", day, "--group", "1"});
    ASSERT_EQ(exported.status, 0) << exported.err;
    const std::string file = path.string() + ".csv";
    std::ifstream in(file, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    const std::string text = fromGbk(bytes.str());
    EXPECT_EQ(text.rfind("账号,开始日期,结束日期,期初权益,期末权益,", 0), 0u);
    std::size_t rows = 0;
    for (std::size_t at = text.find("\r\n"); at != std::string::npos;
         at = text.find("\r\n", at + 2))
        ++rows;
    EXPECT_GE(rows - 1, lines.size() - 1);
    EXPECT_NE(exported.err.find("数据保存成功，保存文件为：" + file), std::string::npos);
}

}  // namespace
}  // namespace korvant::cli
