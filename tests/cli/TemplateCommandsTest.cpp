#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>

#include "CliRun.h"
#include "support/ScratchFolder.h"

namespace korvant::test {
namespace {

namespace fs = std::filesystem;

class TemplateCommands : public ::testing::Test {
protected:
    CliRun run(const std::vector<std::string>& command, bool yes = false) {
        return runAsAdmin(sim, "admin", command, yes);
    }
    // The rate cells of one contract in `kind rates` output.
    std::string ratesOf(const std::string& kind, const std::string& id,
                        const std::string& contract) {
        for (const std::string& page : {"1", "2"})
            for (const std::string& line :
                 run({kind, "rates", "--template", id, "--page", page}).outLines())
                if (line.find("\t" + contract + "\t") != std::string::npos)
                    return line.substr(line.find(contract) + contract.size());
        return "missing";
    }
    // All rate lines of a template, without the contract codes' order lost.
    std::vector<std::string> allRates(const std::string& kind, const std::string& id) {
        std::vector<std::string> lines;
        for (const std::string& page : {"1", "2"}) {
            auto out = run({kind, "rates", "--template", id, "--page", page}).outLines();
            lines.insert(lines.end(), out.begin() + 1, out.end());
        }
        return lines;
    }
    fs::path file(const std::string& name) { return scratch.path() / name; }

    SimProcess sim{"demo"};
    ScratchFolder scratch{"cli-templates"};
};

TEST_F(TemplateCommands, FeeSetReadBackExportAndImportAnEqualTemplate) {
    // A value that is no number is refused before anything is sent.
    const std::string before = ratesOf("fee", "2", "rb2601");
    CliRun refused = run({"fee", "set", "--template", "2", "--contract", "rb2601", "--open-rate",
                          "0.5", "--close-fee", "abc"});
    EXPECT_EQ(refused.status, 1);
    EXPECT_TRUE(refused.errHas("[提示] 平仓手续费(按手数)：请填写数字")) << refused.err;
    EXPECT_EQ(ratesOf("fee", "2", "rb2601"), before);

    CliRun set =
        run({"fee", "set", "--template", "2", "--contract", "rb2601", "--all-months", "--open-rate",
             "0.5", "--close-fee", "", "--close-today-discount", "1", "--collection", "1"});
    ASSERT_EQ(set.status, 0) << set.err;
    EXPECT_EQ(ratesOf("fee", "2", "rb2610"), ratesOf("fee", "2", "rb2601"));
    const std::string cells = ratesOf("fee", "2", "rb2605");
    EXPECT_EQ(cells.substr(0, 5), "\t0.5\t");
    EXPECT_NE(cells.find("不优惠\t绝对"), std::string::npos);

    CliRun exported = run({"fee", "export", "--template", "2", "--file", file("out").string()});
    ASSERT_EQ(exported.status, 0) << exported.err;
    EXPECT_TRUE(exported.errHas("[提示] 手续费导出成功。 "));
    fs::copy_file(file("out.csv"), file("手续费 华东优惠手续费.csv"));
    CliRun imported = run(
        {"fee", "import", "--group", "01", "--file", file("手续费 华东优惠手续费.csv").string()},
        true);
    ASSERT_EQ(imported.status, 0) << imported.err;
    EXPECT_TRUE(imported.errHas("模版 华东优惠手续费-1 导入成功。 "));
    CliRun list = run({"fee", "list"});
    std::string id;
    for (const std::string& line : list.outLines())
        if (line.find("\t华东优惠手续费-1\t01") != std::string::npos)
            id = line.substr(0, line.find('\t'));
    ASSERT_FALSE(id.empty()) << list.out;
    EXPECT_EQ(allRates("fee", id), allRates("fee", "2"));
}

TEST_F(TemplateCommands, MarginAddRenameDeleteAndAssignment) {
    CliRun add = run({"margin", "add", "--group", "02", "--name", "新保证金"});
    ASSERT_EQ(add.status, 0) << add.err;
    EXPECT_TRUE(add.errHas("添加保证金率模板\t添加 新保证金 成功！"));
    CliRun twice = run({"margin", "add", "--group", "02", "--name", "新保证金"});
    EXPECT_EQ(twice.status, 1);
    EXPECT_TRUE(twice.errHas("添加失败\t保证金率模板 新保证金 已存在"));

    CliRun set = run({"margin", "set", "--template", "5", "--contract", "IF2609",
                      "--speculation-long-rate", "12.5", "--hedge-short", "3000"});
    ASSERT_EQ(set.status, 0) << set.err;
    const std::string cells = ratesOf("margin", "5", "IF2609");
    EXPECT_EQ(cells, "\t12.5\t\t\t\t\t\t\t3000\t\t\t\t\t");

    EXPECT_EQ(run({"margin", "rename", "--template", "5", "--name", "标准保证金"}).status, 1);
    EXPECT_EQ(run({"margin", "rename", "--template", "5", "--name", "华南保证金"}).status, 0);
    CliRun load = run({"subaccount", "margin", "--group", "7", "--account", "200101", "--template",
                       "华南保证金"});
    ASSERT_EQ(load.status, 0) << load.err;
    EXPECT_TRUE(load.errHas("加载保证金率模板:华南保证金成功！"));
    CliRun listed = run({"subaccount", "list", "--group", "7", "--match-account", "200101"});
    EXPECT_TRUE(listed.outHas("华南保证金"));
    // In use: the server keeps it.
    EXPECT_EQ(run({"margin", "delete", "--template", "5"}, true).status, 1);
    EXPECT_EQ(run({"subaccount", "margin", "--group", "7", "--account", "200101"}).status, 0);
    CliRun deleted = run({"margin", "delete", "--template", "5"}, true);
    EXPECT_EQ(deleted.status, 0) << deleted.err;
    EXPECT_TRUE(deleted.errHas("删除 华南保证金 成功\n"));
}

}  // namespace
}  // namespace korvant::test
