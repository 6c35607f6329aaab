#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>

#include <unistd.h>

#include "cli/CliRun.h"
#include "support/ScratchFolder.h"
#include "support/SimProcess.h"

// The command line for scripts against the simulator: --all, --format,
// --quiet, the environment and unknown commands.
namespace korvant::cli {
namespace {

using test::CliRun;
using test::runCli;

class ScriptCommands : public ::testing::Test {
protected:
    static void SetUpTestSuite() { sim_ = new test::SimProcess("demo"); }
    static void TearDownTestSuite() {
        delete sim_;
        sim_ = nullptr;
    }
    void SetUp() override { ASSERT_TRUE(sim_->ok()) << sim_->error(); }
    static std::vector<std::string> admin(std::vector<std::string> command) {
        std::vector<std::string> args = {
            "--host", sim_->host(), "--port",     std::to_string(sim_->port()),
            "--user", "admin",      "--password", "admin"};
        args.insert(args.end(), command.begin(), command.end());
        return args;
    }
    static test::SimProcess* sim_;
};
test::SimProcess* ScriptCommands::sim_ = nullptr;

// What python3's json module reads from each of `jsons`: the number of
// records, then the types of `fields[i]` in the records ("int", "str"), one
// line each. One python3 for all: it is slow to start on a busy machine.
std::string readByPython(const std::vector<std::string>& jsons,
                         const std::vector<std::string>& fields) {
    const test::ScratchFolder scratch("json");
    const std::filesystem::path& dir = scratch.path();
    std::string command =
        "python3 -c 'import json,sys\n"
        "for f, k in zip(sys.argv[1::2], sys.argv[2::2]):\n"
        "  d = json.load(open(f))\n"
        "  print(len(d), \" \".join(sorted({type(r[k]).__name__ for r in d})))'";
    for (std::size_t i = 0; i < jsons.size(); ++i) {
        const std::string path = (dir / std::to_string(i)).string();
        std::ofstream(path) << jsons[i];
        command += " " + path + " " + fields[i];
    }
    std::string result;
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen((command + " 2>&1").c_str(), "r"), pclose);
    char buffer[256];
    while (pipe && fgets(buffer, sizeof buffer, pipe.get()) != nullptr) result += buffer;
    return result;
}

TEST_F(ScriptCommands, AllPrintsEveryPageUnderOneHeader) {
    const CliRun first = runCli(admin({"subaccount", "list", "--group", "-1"}));
    const CliRun second = runCli(admin({"subaccount", "list", "--group", "-1", "--page", "2"}));
    ASSERT_EQ(first.err, "当前第1/2页\n");
    const CliRun all = runCli(admin({"subaccount", "list", "--group", "-1", "--all"}));
    EXPECT_EQ(all.status, 0) << all.err;
    EXPECT_EQ(all.out, first.out + second.out.substr(second.out.find('\n') + 1));
    EXPECT_EQ(all.err, "当前第2/2页\n");

    const CliRun both =
        runCli(admin({"subaccount", "list", "--group", "-1", "--all", "--page", "2"}));
    EXPECT_EQ(both.status, 2);
    EXPECT_EQ(both.out, "");
}

TEST_F(ScriptCommands, JsonGivesEveryRecordWithRawValues) {
    if (std::system("command -v python3 >/dev/null") != 0) GTEST_SKIP() << "no python3";
    const struct {
        std::vector<std::string> command;
        const char* field;
        const char* types;
    } cases[] = {
        {{"subaccount", "list", "--group", "-1"}, "openDate", "int"},
        {{"subaccount", "list", "--group", "-1"}, "account", "str"},
        {{"admin", "list", "--group", "-1"}, "permissionMask", "int"},
        // "不限" is an initial fund of 0.
        {{"mainaccount", "list", "--group", "-1"}, "initialFunds", "int"},
        {{"deposits", "--from", "20000101", "--to", "20991231"}, "customer", "int"},
        // Rows printed whole.
        {{"group", "list"}, "parentId", "int"},
    };
    std::vector<std::string> jsons, fields;
    std::string expected;
    for (const auto& c : cases) {
        std::vector<std::string> command = c.command;
        command.push_back("--all");
        const CliRun tsv = runCli(admin(command));
        command.insert(command.end(), {"--format", "json"});
        const CliRun json = runCli(admin(command));
        EXPECT_EQ(json.status, 0) << json.err;
        EXPECT_EQ(json.err, tsv.err);
        EXPECT_EQ(json.out.find("不限"), std::string::npos);
        jsons.push_back(json.out);
        fields.push_back(c.field);
        expected += std::to_string(tsv.outLines().size() - 1) + " " + c.types + "\n";
    }
    EXPECT_EQ(readByPython(jsons, fields), expected);
}

TEST_F(ScriptCommands, QuietChangeAndCsvListOfACommaRemark) {
    const CliRun change = runCli(admin({"--yes", "--quiet", "subaccount", "modify", "--group", "5",
                                        "--account", "100101", "--remark", "套保,账户"}));
    EXPECT_EQ(change.status, 0) << change.err;
    EXPECT_EQ(change.err, "");
    const CliRun csv = runCli(admin({"--quiet", "--format", "csv", "subaccount", "list", "--group",
                                     "5", "--match-remark", "套保,"}));
    EXPECT_EQ(csv.status, 0) << csv.err;
    EXPECT_EQ(csv.err, "");
    ASSERT_EQ(csv.outLines().size(), 2u) << csv.out;
    EXPECT_EQ(csv.outLines()[1].substr(0, 7), "100101,");
    EXPECT_EQ(csv.outLines()[1].substr(csv.outLines()[1].size() - 16), ",\"套保,账户\"");
}

TEST_F(ScriptCommands, EnvironmentGivesServerAndAccountUnlessTheOptionsDo) {
    const std::string port = std::to_string(sim_->port());
    const struct {
        std::vector<std::string> args;
        std::map<std::string, std::string> env;
        int status;
        const char* err;
    } cases[] = {
        {{"login"},
         {{"KORVANT_HOST", "127.0.0.1"},
          {"KORVANT_PORT", port},
          {"KORVANT_USER", "admin"},
          {"KORVANT_PASSWORD", "admin"}},
         0,
         ""},
        {{"--user", "admin", "login"},
         {{"KORVANT_HOST", "127.0.0.1"},
          {"KORVANT_PORT", port},
          {"KORVANT_USER", "nobody"},
          {"KORVANT_PASSWORD", "admin"}},
         0,
         ""},
        // The options' server wins over a port the environment spoils.
        {{"--host", "127.0.0.1", "--port", port, "login"},
         {{"KORVANT_PORT", "x"}, {"KORVANT_USER", "admin"}, {"KORVANT_PASSWORD", "admin"}},
         0,
         ""},
        {{"login"},
         {{"KORVANT_HOST", "127.0.0.1"}, {"KORVANT_PORT", "65536"}},
         2,
         "KORVANT_PORT: a port from 1 to 65535 expected\n"},
        {{"login"}, {{"KORVANT_HOST", "127.0.0.1"}}, 2, "KORVANT_HOST needs KORVANT_PORT\n"},
    };
    for (const auto& c : cases) {
        const CliRun run = runCli(c.args, "", c.env);
        EXPECT_EQ(run.status, c.status) << run.err;
        EXPECT_EQ(run.err, c.err);
        if (c.status == 0) {
            EXPECT_EQ(run.outLines().at(0), "account\tadmin");
        }
    }
}

TEST(ScriptCommandLine, UnknownCommandIsNamedAndTheCommandsListed) {
    const struct {
        std::vector<std::string> args;
        const char* first;
    } cases[] = {
        {{"frobnicate"}, "未知命令: frobnicate\n"},
        {{"--yes", "group", "purge", "--group", "3"}, "未知命令: group purge\n"},
    };
    for (const auto& c : cases) {
        const CliRun run = runCli(c.args);
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err.substr(0, run.err.find('\n') + 1), c.first);
        EXPECT_TRUE(run.errHas("命令:\n  login\n")) << run.err;
        EXPECT_TRUE(run.errHas("\n  subaccount list\n"));
    }
}

// Script output holds no passwords unless --show-passwords asks for them, in
// every format; the password cell is there, masked.
TEST_F(ScriptCommands, ListsMaskPasswordsUnlessShowPasswordsIsGiven) {
    for (const char* list : {"subaccount", "admin"}) {
        const std::string group = list == std::string("admin") ? "1" : "5";
        const CliRun shown = runCli(admin({list, "list", "--group", group, "--show-passwords"}));
        ASSERT_EQ(shown.status, 0) << shown.err;
        ASSERT_GE(shown.outLines().size(), 2u) << shown.out;
        const std::string row = shown.outLines()[1];
        const std::size_t from = row.find('\t') + 1;
        const std::string password = row.substr(from, row.find('\t', from) - from);
        ASSERT_FALSE(password.empty());
        ASSERT_NE(password, "******");
        const struct {
            const char* format;
            std::string masked, plain;
        } cases[] = {
            {"tsv", "\t******\t", "\t" + password + "\t"},
            {"csv", ",******,", "," + password + ","},
            {"json", "\"password\":\"******\"", "\"password\":\"" + password + "\""},
        };
        for (const auto& c : cases) {
            const CliRun masked =
                runCli(admin({"--format", c.format, list, "list", "--group", group}));
            EXPECT_EQ(masked.status, 0) << masked.err;
            EXPECT_TRUE(masked.outHas(c.masked)) << list << " " << c.format << "\n" << masked.out;
            EXPECT_FALSE(masked.outHas(c.plain)) << list << " " << c.format << "\n" << masked.out;
            const CliRun plain = runCli(
                admin({"--format", c.format, list, "list", "--group", group, "--show-passwords"}));
            EXPECT_TRUE(plain.outHas(c.plain)) << list << " " << c.format << "\n" << plain.out;
        }
    }
}

}  // namespace
}  // namespace korvant::cli
