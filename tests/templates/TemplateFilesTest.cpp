#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "TemplateDeskFixture.h"
#include "app/actions/ActionDispatcher.h"
#include "support/ScratchFolder.h"
#include "templates/TemplateCsv.h"

namespace korvant::test {
namespace {

namespace fs = std::filesystem;

class TemplateFiles : public ::testing::Test {
protected:
    ScratchFolder scratch{"templates"};
    fs::path dir = scratch.path();
    std::string read(const fs::path& p) {
        std::ifstream in(p, std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }
    void write(const fs::path& p, const std::string& bytes) {
        std::ofstream(p, std::ios::binary) << bytes;
    }
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

// Rates are paired with contracts by position: a page with fewer rows than
// its contracts would export the rest as zero rates.
TEST_F(TemplateFiles, ARatePageShorterThanItsContractsFailsTheExport) {
    TemplateDeskFixture f(250);
    f.chooseNode(feeKind(), TemplateNodeType::Template, "01", 7);
    f.answer = [&f](const Bytes& r) {
        const int page = getI32(r.data() + 8);
        return r[3] == cmd::FeeRates && page == 1 ? f.ratePage(feeKind(), 7, page, 60) : Bytes{};
    };
    f.port.queueSaveFile((dir / "f.csv").string());
    f.desk.dispatcher().send(ActionCode::ExportFeeRates);
    EXPECT_FALSE(fs::exists(dir / "f.csv"));
    EXPECT_EQ(f.port.lastMessage().text, "手续费导出失败。 ");
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
    EXPECT_EQ(f.port.lastMessage().text, "模版 标准-1 导入 3 行，1 行未导入。");
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
    write(dir / "r.csv", "header\r\nEX,c1,1,,,,,,,\r\n");
    importFile(dir / "r.csv");
    EXPECT_EQ(f.requestsOf(cmd::AddFeeTemplate).size(), 1000u);
    EXPECT_EQ(f.port.lastMessage().text, "已存在");
}

TEST_F(TemplateImport, AMissingFileAndANoSendNothing) {
    importFile(dir / "none.csv");
    EXPECT_EQ(f.port.lastMessage().text, "打开 " + (dir / "none.csv").string() + " 失败。");
    write(dir / "r.csv", "header\r\nEX,c1,1,,,,,,,\r\n");
    importFile(dir / "r.csv", false);
    EXPECT_TRUE(f.requestsOf(cmd::AddFeeTemplate).empty());
}

// What cannot be imported is refused before anything is sent: no empty
// template is left behind, nothing blocks, nothing floods the memory.
TEST_F(TemplateImport, HostileFilesAreRefusedBeforeTheTemplateIsCreated) {
    fs::create_directories(dir / "folder.csv");
    ASSERT_EQ(::mkfifo((dir / "fifo.csv").c_str(), 0600), 0);
    fs::create_symlink("/dev/zero", dir / "zero.csv");
    write(dir / "long.csv", "header\r\nEX,c1," + std::string(10 << 20, '1') + "\r\n");
    { std::ofstream(dir / "huge.csv"); }
    fs::resize_file(dir / "huge.csv", (16u << 20) + 1);
    write(dir / "bare.csv", toGbk(templateCsvHeader(feeKind())) + "EX,c1,,,,,,,,\r\n");
    const std::string none = "中没有可导入的行，未导入。";
    const struct {
        const char* file;
        std::string message;
    } cases[] = {
        {"folder.csv", "打开 " + (dir / "folder.csv").string() + " 失败。"},
        {"fifo.csv", "打开 " + (dir / "fifo.csv").string() + " 失败。"},
        {"zero.csv", "打开 " + (dir / "zero.csv").string() + " 失败。"},
        {"long.csv", "文件 " + (dir / "long.csv").string() + " " + none},
        {"huge.csv", "文件 " + (dir / "huge.csv").string() + " 超过 16 MB，未导入。"},
        {"bare.csv", "文件 " + (dir / "bare.csv").string() + " " + none},
    };
    for (const auto& c : cases) {
        EXPECT_FALSE(importTemplate(f.desk, feeKind(), "02", (dir / c.file).string())) << c.file;
        EXPECT_EQ(f.port.lastMessage().text, c.message) << c.file;
    }
    EXPECT_TRUE(f.port.questions.empty());
    EXPECT_TRUE(f.requestsOf(cmd::AddFeeTemplate).empty());
}

// A file as a spreadsheet saves it: every field quoted, GBK or UTF-8 with
// or without a byte order mark. Each reads as the same line.
TEST_F(TemplateImport, QuotedFieldsInGbkAndUtf8ReadTheSame) {
    const std::string line =
        "\"EX\",\"c,1\",\"0.5\",\"\",\"\",\"\",\"\",\"2\",\"不优惠\",\"绝对\"\r\n";
    const std::string header = "\"市场\",\"合约\"\r\n";
    const struct {
        const char* name;
        std::string bytes;
    } cases[] = {
        {"gbk", toGbk(header + line)},
        {"utf8", header + line},
        {"utf8bom", "\xEF\xBB\xBF" + header + line},
    };
    f.answer = [](const Bytes& r) {
        return r[3] == cmd::AddFeeTemplate ? FakeServer::resultPacket(0, "42") : Bytes{};
    };
    for (const auto& c : cases) {
        write(dir / (std::string(c.name) + ".csv"), c.bytes);
        const std::size_t before = f.requestsOf(cmd::SetFeeRates).size();
        importFile(dir / c.name);
        auto sets = f.requestsOf(cmd::SetFeeRates);
        ASSERT_EQ(sets.size(), before + 1) << c.name;
        const Bytes& r = sets.back();
        EXPECT_EQ(f.textAt(r, 4, 32), "c,1") << c.name;
        EXPECT_EQ(getF64(r.data() + 56), 0.5) << c.name;
        EXPECT_EQ(getF64(r.data() + 56 + 5 * 8), 2.0) << c.name;
        EXPECT_EQ(getI32(r.data() + 56 + 6 * 8), 1) << c.name;      // 不优惠
        EXPECT_EQ(getI32(r.data() + 56 + 6 * 8 + 4), 1) << c.name;  // 绝对
        EXPECT_EQ(f.port.lastMessage().text, "模版 " + std::string(c.name) + " 导入成功。 ")
            << c.name;
    }
}

TEST_F(TemplateImport, RefusedLinesAreCountedAndTheImportFails) {
    f.answer = [](const Bytes& r) {
        if (r[3] == cmd::AddFeeTemplate) return FakeServer::resultPacket(0, "42");
        if (r[3] == cmd::SetFeeRates && TemplateDeskFixture::textAt(r, 4, 32) == "c2")
            return FakeServer::resultPacket(1, "合约 \"c2\" 不存在");
        return Bytes{};
    };
    write(dir / "r.csv", "header\r\nEX,c1,1,,,,,,,\r\nEX,c2,1,,,,,,,\r\n");
    importFile(dir / "r.csv");
    EXPECT_EQ(f.requestsOf(cmd::SetFeeRates).size(), 2u);
    EXPECT_TRUE(f.port.hasMessage("合约 \"c2\" 不存在"));
    EXPECT_EQ(f.port.lastMessage().text, "模版 r 导入 1 行，1 行未导入。");
}

// Exported, re-saved by a spreadsheet (every field quoted, UTF-8 with a
// byte order mark) and imported: the same rates for the same contracts,
// formula-like codes included.
TEST_F(TemplateImport, AnExportResavedByASpreadsheetImportsBackEqual) {
    TemplateDeskFixture source(4);
    auto& contracts = source.desk.reference().varieties.records;
    contracts[1].contractCode = "a,=1+2";
    contracts[2].contractCode = "-2+3";
    contracts[3].contractCode = "=x\"y";
    std::vector<RateRow> rows(4);
    for (int i = 0; i < 4; ++i) {
        rows[static_cast<std::size_t>(i)].values = {0.5 * i, 1.25, 0, 3, 0.0001, 7};
        rows[static_cast<std::size_t>(i)].discount = i % 2;
        rows[static_cast<std::size_t>(i)].mode = i / 2;
    }
    source.feeRows[7] = rows;
    source.chooseNode(feeKind(), TemplateNodeType::Template, "01", 7);
    source.port.queueSaveFile((dir / "手续费 标准.csv").string());
    source.desk.dispatcher().send(ActionCode::ExportFeeRates);
    ASSERT_EQ(source.port.lastMessage().text, "手续费导出成功。 ");

    // The re-save: each field unquoted as a spreadsheet reads it, then
    // written quoted, in UTF-8.
    const std::string exported = fromGbk(read(dir / "手续费 标准.csv"));
    std::string resaved = "\xEF\xBB\xBF";
    std::string field;
    bool quoted = false, wasQuoted = false;
    auto endField = [&] {
        resaved += "\"";
        for (char ch : field) resaved += ch == '"' ? std::string("\"\"") : std::string(1, ch);
        resaved += "\"";
        field.clear();
        wasQuoted = false;
    };
    for (std::size_t i = 0; i < exported.size(); ++i) {
        const char ch = exported[i];
        if (quoted) {
            if (ch == '"' && i + 1 < exported.size() && exported[i + 1] == '"') {
                field += '"';
                ++i;
            } else if (ch == '"') {
                quoted = false;
            } else {
                field += ch;
            }
        } else if (ch == '"' && field.empty() && !wasQuoted) {
            quoted = wasQuoted = true;
        } else if (ch == ',') {
            endField();
            resaved += ',';
        } else if (ch == '\r') {
            endField();
            resaved += "\r\n";
            ++i;
        } else {
            field += ch;
        }
    }
    write(dir / "标准.csv", resaved);
    f.answer = [](const Bytes& r) {
        return r[3] == cmd::AddFeeTemplate ? FakeServer::resultPacket(0, "42") : Bytes{};
    };
    importFile(dir / "标准");
    const auto sets = f.requestsOf(cmd::SetFeeRates);
    ASSERT_EQ(sets.size(), 4u) << resaved;
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(f.textAt(sets[i], 4, 32), contracts[i].contractCode);
        for (std::size_t v = 0; v < 6; ++v)
            EXPECT_EQ(getF64(sets[i].data() + 56 + 8 * v), rows[i].values[v]) << i << " " << v;
        EXPECT_EQ(getI32(sets[i].data() + 104), rows[i].discount) << i;
        EXPECT_EQ(getI32(sets[i].data() + 108), rows[i].mode) << i;
    }
    EXPECT_EQ(f.port.lastMessage().text, "模版 标准 导入成功。 ");
}

}  // namespace
}  // namespace korvant::test
