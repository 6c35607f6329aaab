#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "TemplateDeskFixture.h"
#include "app/ActionDispatcher.h"
#include "templates/TemplateCsv.h"

namespace korvant::test {
namespace {

namespace fs = std::filesystem;

class TemplateFiles : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() /
              ("korvant-templates-" +
               std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }
    std::string read(const fs::path& p) {
        std::ifstream in(p, std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }
    void write(const fs::path& p, const std::string& bytes) {
        std::ofstream(p, std::ios::binary) << bytes;
    }
    fs::path dir;
};

TEST_F(TemplateFiles, ExportWritesEveryContractAndAsksOneMorePageOnAMultipleOfHundred) {
    TemplateDeskFixture f(300);
    RateRow row;
    row.values[0] = 0.5;
    row.values[1] = 3;
    f.feeRows[7] = {row};
    f.chooseNode(feeKind(), TemplateNodeType::Template, "01", 7);
    const std::size_t before = f.requestsOf(cmd::FeeRates).size();
    f.port.queueSaveFile((dir / "out").string());
    f.desk.dispatcher().send(ActionCode::ExportFeeRates);
    EXPECT_EQ(f.port.fileChoices.back().suggestedName, "手续费 标准.csv");
    EXPECT_EQ(f.requestsOf(cmd::FeeRates).size() - before, 4u);
    const std::string bytes = read(dir / "out.csv");
    EXPECT_EQ(bytes.substr(0, toGbk("市场,合约,").size()), toGbk("市场,合约,"));
    EXPECT_NE(bytes.find("EX,c0,0.5,3,,,,,,\r\nEX,c1,,,,,,,,\r\n"), std::string::npos);
    EXPECT_NE(bytes.find("EX,c299,"), std::string::npos);
    EXPECT_EQ(f.port.lastMessage().text, "手续费导出成功。 ");
}

// The user's stop asks for no further page and writes no file; the
// connection stays in step, so the next export runs whole.
TEST_F(TemplateFiles, AStoppedExportAsksNoFurtherPageAndWritesNoFile) {
    TemplateDeskFixture f(300);
    f.chooseNode(feeKind(), TemplateNodeType::Template, "01", 7);
    const std::size_t before = f.requestsOf(cmd::FeeRates).size();
    f.port.stopAtStep(2);
    f.port.queueSaveFile((dir / "out").string());
    f.desk.dispatcher().send(ActionCode::ExportFeeRates);
    EXPECT_EQ(f.requestsOf(cmd::FeeRates).size() - before, 1u);
    EXPECT_FALSE(fs::exists(dir / "out.csv"));
    EXPECT_EQ(f.port.progressHidden, 1);

    f.port.stopAtStep(0);
    f.port.queueSaveFile((dir / "out").string());
    f.desk.dispatcher().send(ActionCode::ExportFeeRates);
    EXPECT_EQ(f.port.lastMessage().text, "手续费导出成功。 ");
    EXPECT_NE(read(dir / "out.csv").find("EX,c299,"), std::string::npos);
}

TEST_F(TemplateFiles, AnExportThatFailsPartWayLeavesNoFile) {
    TemplateDeskFixture f(250);
    f.chooseNode(marginKind(), TemplateNodeType::Template, "01", 5);
    f.answer = [](const Bytes& r) {
        return r[3] == cmd::MarginRates && getI32(r.data() + 8) == 1
                   ? FakeServer::packet(cmd::VarietyList, Bytes(8, 0))
                   : Bytes{};
    };
    f.port.queueSaveFile((dir / "m.csv").string());
    f.desk.dispatcher().send(ActionCode::ExportMarginRates);
    EXPECT_FALSE(fs::exists(dir / "m.csv"));
    EXPECT_EQ(f.port.lastMessage().text, "保证金导出失败。 ");
    EXPECT_TRUE(f.port.hasMessage("  错误的数据包, 无法解析 !  "));
}

class TemplateImport : public TemplateFiles {
protected:
    void importFile(const fs::path& file, bool yes = true) {
        f.chooseNode(feeKind(), TemplateNodeType::Group, "02", 0);
        f.port.queueOpenFile(file.string());
        if (fs::exists(file) || fs::exists(file.string() + ".csv")) f.port.answer(yes);
        runTemplateCommand(f.desk, feeKind(), TemplateCommand::Import);
    }
    TemplateDeskFixture f{20};
};

TEST_F(TemplateImport, AnExistingNameGetsASuffixAndLinesAreSentInFileOrder) {
    int adds = 0;
    f.answer = [&adds](const Bytes& r) {
        if (r[3] != cmd::AddFeeTemplate) return Bytes{};
        return ++adds == 1 ? FakeServer::resultPacket(1, "模板已存在")
                           : FakeServer::resultPacket(0, "42");
    };
    write(dir / "手续费 标准.csv", toGbk(templateCsvHeader(feeKind())) + "EX,c3,0.5,,,,,,,\r\n" +
                                       "EX,c1,,,,,,,,\r\n" + "EX,c2,,,,,,,,\n" + "X,c9," +
                                       std::string(600, '1') + "\r\n" + "EX,c4,1,,,,,,,");
    importFile(dir / "手续费 标准");
    auto names = f.requestsOf(cmd::AddFeeTemplate);
    ASSERT_EQ(names.size(), 2u);
    EXPECT_EQ(f.textAt(names[0], 4, 64), "标准");
    EXPECT_EQ(f.textAt(names[1], 4, 64), "标准-1");
    EXPECT_EQ(f.textAt(names[1], 68, 16), "02");
    EXPECT_EQ(f.port.questions.back().message.text,
              "导入手续费模版 " + (dir / "手续费 标准.csv").string() + " ？");
    auto sets = f.requestsOf(cmd::SetFeeRates);
    ASSERT_EQ(sets.size(), 3u);  // c3, c2 (LF alone), c4; c1 skipped, the long line reported
    EXPECT_EQ(f.textAt(sets[0], 4, 32), "c3");
    EXPECT_EQ(getF64(sets[0].data() + 56), 0.5);
    EXPECT_EQ(getI32(sets[0].data() + 52), 42);
    EXPECT_EQ(f.textAt(sets[1], 4, 32), "c2");
    EXPECT_EQ(f.textAt(sets[2], 4, 32), "c4");
    EXPECT_TRUE(f.port.hasMessage("第 5 行超过 511 字节，未导入。"));
    // The end says how many lines went in and how many did not.
    EXPECT_EQ(f.port.lastMessage().text, "模版 标准-1 导入完成：已导入 3 行，未导入 1 行。");
    EXPECT_EQ(f.requestsOf(cmd::FeeTemplateList).size(), 1u);
}

TEST_F(TemplateImport, StoppedAfterTheLineInHandTheEndSaysWhatTheTemplateHolds) {
    f.answer = [](const Bytes& r) {
        return r[3] == cmd::AddFeeTemplate ? FakeServer::resultPacket(0, "42") : Bytes{};
    };
    std::string csv = toGbk(templateCsvHeader(feeKind()));
    for (const char* contract : {"c1", "c2", "c3", "c4"})
        csv += std::string("EX,") + contract + ",1,,,,,,,\r\n";
    write(dir / "手续费 乙.csv", csv);
    f.port.stopAtStep(2);
    importFile(dir / "手续费 乙");
    EXPECT_EQ(f.requestsOf(cmd::SetFeeRates).size(), 2u);
    EXPECT_EQ(f.port.lastMessage().text,
              "导入已停止：模版 乙 已导入 2 行，未导入 2 行。模版中保留已导入的行。");
    EXPECT_EQ(f.requestsOf(cmd::FeeTemplateList).size(), 1u);
}

TEST_F(TemplateImport, AnAcknowledgementWithoutAnIdStopsBeforeAnyRate) {
    f.answer = [](const Bytes& r) {
        return r[3] == cmd::AddFeeTemplate ? FakeServer::resultPacket(0, "") : Bytes{};
    };
    write(dir / "r.csv", "header\r\nEX,c1,1,,,,,,,\r\n");
    importFile(dir / "r.csv");
    EXPECT_EQ(f.port.lastMessage().text, "添加失败，服务器返回数据有误。");
    EXPECT_TRUE(f.requestsOf(cmd::SetFeeRates).empty());
}

TEST_F(TemplateImport, TheCandidatesAreBounded) {
    f.answer = [](const Bytes& r) {
        return r[3] == cmd::AddFeeTemplate ? FakeServer::resultPacket(1, "已存在") : Bytes{};
    };
    write(dir / "r.csv", "header\r\n");
    importFile(dir / "r.csv");
    EXPECT_EQ(f.requestsOf(cmd::AddFeeTemplate).size(), 1000u);
    EXPECT_EQ(f.port.lastMessage().text, "已存在");
}

TEST_F(TemplateImport, AMissingFileAndANoSendNothing) {
    importFile(dir / "none.csv");
    EXPECT_EQ(f.port.lastMessage().text, "打开 " + (dir / "none.csv").string() + " 失败。");
    write(dir / "r.csv", "header\r\n");
    importFile(dir / "r.csv", false);
    EXPECT_TRUE(f.requestsOf(cmd::AddFeeTemplate).empty());
}

}  // namespace
}  // namespace korvant::test
