#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <climits>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "app/desk/Desk.h"
#include "cli/CliApp.h"
#include "cli/CliContext.h"
#include "cli/Command.h"
#include "local/LastLogin.h"
#include "protocol/CommandCode.h"
#include "protocol/Packet.h"
#include "protocol/ServerConnection.h"
#include "support/FakeServer.h"
#include "support/ScratchFolder.h"
#include "support/SimProcess.h"
#include "support/TradingDays.h"

// A misbehaving server against one operation of each kind. A scripted proxy
// stands between korvant-cli and the simulator and spoils one answer (the
// first answer of the operation's own command) in one way; every run must
// end in bounded time with its exit status and message, and leave the local
// files as they were unless it succeeded.
namespace korvant::cli {
namespace {

namespace fs = std::filesystem;
using test::Bytes;
using test::FakeServer;
using Clock = std::chrono::steady_clock;

// Long enough for a loaded machine's healthy answers, short enough for a
// quick run.
constexpr int ReceiveTimeoutMs = 1000;
constexpr int BoundMs = 8000;

enum class Fault {
    None,
    CloseBefore,
    CloseMidAnswer,
    OneByteFragments,
    Stall,
    ShortAnswer,
    LengthBelowHeader,
    LyingLength,
    CorruptZlib,
    ZlibBomb,
    StrayAnswerFirst,
    AbsurdPageTotal,
    BadGbkControls,
    RecordsDoNotDivide,
    NegativePageTotal,
};

const char* faultName(Fault f) {
    switch (f) {
        case Fault::None:
            return "none";
        case Fault::CloseBefore:
            return "close before answer";
        case Fault::CloseMidAnswer:
            return "close mid-answer";
        case Fault::OneByteFragments:
            return "1-byte fragments";
        case Fault::Stall:
            return "stall mid-answer";
        case Fault::ShortAnswer:
            return "short answer (6 bytes)";
        case Fault::LengthBelowHeader:
            return "length below header";
        case Fault::LyingLength:
            return "length larger than sent";
        case Fault::CorruptZlib:
            return "corrupt zlib";
        case Fault::ZlibBomb:
            return "zlib bomb (20 MB)";
        case Fault::StrayAnswerFirst:
            return "stray answer first";
        case Fault::AbsurdPageTotal:
            return "absurd page total";
        case Fault::BadGbkControls:
            return "invalid GBK + controls";
        case Fault::RecordsDoNotDivide:
            return "records do not divide";
        case Fault::NegativePageTotal:
            return "page total 0x80000000";
    }
    return "?";
}

struct Operation {
    const char* name;
    uint8_t command;  // the request whose answer is spoiled
    bool paged;       // list answers with a page header
    bool writesFile;  // an export
    // The command line; "FILE" stands for the export file. Empty: by command.
    std::vector<std::string> args = {};
    // Whether a command-0 acknowledgement is its answer: one cut after its
    // status byte still says "done".
    bool acknowledged = false;
    // Whether its exchange has the operations' texts for a lost connection.
    bool operationTexts = false;
    // Whether the answer spoiled is the login's own (a list read at start-up).
    bool atLogin = false;
};

// What stands at FILE before the run instead of an old export: a regular
// file, or something that must never be replaced.
enum class Target { OldFile, Fifo, Folder, LinkToDevice, LinkToFile };

const Operation Login{"login", cmd::Login, false, false};
const Operation List{"subaccount list", cmd::SubAccountList, true, false};
const Operation Change{"admin add", cmd::AddAdministrator, false, false};
const Operation Export{"deposits --export", cmd::DepositRecords, true, true};

// The plain form of an answer (inflated when it came compressed).
Bytes plainOf(const Bytes& answer) {
    if (answer.size() < 4 || answer[2] != FlagCompressed) return answer;
    std::vector<uint8_t> out(WorkCopySize);
    int n = inflatePacket(answer.data(), static_cast<int>(answer.size()), out.data(),
                          static_cast<int>(out.size()));
    if (n <= 0) return answer;
    out.resize(static_cast<std::size_t>(n));
    out[2] = FlagPlain;
    return out;
}

void setLength(Bytes& p, std::size_t length) {
    p[0] = static_cast<uint8_t>(length & 0xFF);
    p[1] = static_cast<uint8_t>((length >> 8) & 0xFF);
}

void putI32(Bytes& p, std::size_t at, int32_t v) {
    for (int i = 0; i < 4; ++i)
        p[at + i] = static_cast<uint8_t>((static_cast<uint32_t>(v) >> (8 * i)) & 0xFF);
}

// 20 MB of zeros compressed (made once: compressing takes a while).
const Bytes& zlibBomb() {
    static const Bytes bomb = [] {
        const int plainSize = 4 + 20 * 1024 * 1024;
        std::vector<uint8_t> plain(static_cast<std::size_t>(plainSize), 0);
        std::vector<uint8_t> out(plain.size());
        int n = writeCompressedRequest(plain.data(), plainSize, out.data(), plainSize);
        out.resize(static_cast<std::size_t>(n));
        return out;
    }();
    return bomb;
}

// Overwrites the first text-looking run of the body (four or more bytes
// above 0x20) with invalid GBK, an escape sequence and a forged line.
void spoilText(Bytes& p) {
    static const std::string bad = "\x81\x1b[2J\nstatus\tforged\x7f";
    std::size_t start = p.size() > 12 && p[3] != cmd::Result ? 12 : 5;
    for (std::size_t i = start; i + 4 <= p.size(); ++i) {
        std::size_t run = 0;
        while (i + run < p.size() && p[i + run] > 0x20) ++run;
        if (run >= 4) {
            for (std::size_t k = 0; k < bad.size() && i + k < p.size() && p[i + k] != 0; ++k)
                p[i + k] = static_cast<uint8_t>(bad[k]);
            return;
        }
        i += run;
    }
}

// The proxy's answer to the spoiled request. `later` is true for further
// answers of the same command (the pages after the first).
FakeServer::Reply spoil(Fault fault, const Bytes& real, bool later) {
    FakeServer::Reply reply;
    Bytes plain = plainOf(real);
    const std::size_t half = real.size() / 2;
    switch (fault) {
        case Fault::None:
            reply.bytes = real;
            break;
        case Fault::CloseBefore:
            reply.close = true;
            break;
        case Fault::CloseMidAnswer:
            reply.bytes.assign(real.begin(), real.begin() + static_cast<long>(half));
            reply.close = true;
            break;
        case Fault::OneByteFragments:
            reply.bytes = real;
            reply.pieceSize = 1;
            break;
        case Fault::Stall:
            reply.bytes.assign(real.begin(), real.begin() + static_cast<long>(half));
            reply.pauseMs = 4 * ReceiveTimeoutMs;
            reply.close = true;
            break;
        case Fault::ShortAnswer:
            reply.bytes.assign(plain.begin(),
                               plain.begin() + std::min<long>(6, static_cast<long>(plain.size())));
            reply.bytes.resize(6, 0);
            setLength(reply.bytes, 6);
            break;
        case Fault::LengthBelowHeader:
            reply.bytes = real;
            setLength(reply.bytes, 2);
            break;
        case Fault::LyingLength:
            reply.bytes = plain;
            setLength(reply.bytes, std::min<std::size_t>(plain.size() + 100, 0xFFFF));
            reply.pauseMs = 4 * ReceiveTimeoutMs;
            reply.close = true;
            break;
        case Fault::CorruptZlib: {
            Bytes body(64);
            for (std::size_t i = 0; i < body.size(); ++i)
                body[i] = static_cast<uint8_t>(i * 37 + 11);
            reply.bytes = FakeServer::packet(real[3], body, FlagCompressed);
            break;
        }
        case Fault::ZlibBomb:
            reply.bytes = zlibBomb();
            reply.bytes[3] = real[3];
            break;
        case Fault::StrayAnswerFirst: {
            uint8_t other = real[3] == cmd::LoginAnswer ? cmd::SubAccountList : cmd::LoginAnswer;
            reply.bytes = FakeServer::packet(other, Bytes(40, 0));
            reply.bytes.insert(reply.bytes.end(), real.begin(), real.end());
            break;
        }
        case Fault::AbsurdPageTotal:
            reply.bytes = plain;
            if (plain.size() >= 12) {
                putI32(reply.bytes, 4, INT_MAX);
                putI32(reply.bytes, 8, later ? INT_MAX - 1 : INT_MAX - 2);
            }
            break;
        case Fault::BadGbkControls:
            reply.bytes = plain;
            spoilText(reply.bytes);
            break;
        case Fault::RecordsDoNotDivide:
            reply.bytes = plain;
            reply.bytes.push_back(0x41);
            setLength(reply.bytes, reply.bytes.size());
            break;
        case Fault::NegativePageTotal:
            reply.bytes = plain;
            if (plain.size() >= 12) putI32(reply.bytes, 4, INT32_MIN);
            break;
    }
    return reply;
}

// A stdout that takes nothing, as /dev/full.
struct FullBuffer : std::streambuf {
    int overflow(int) override { return traits_type::eof(); }
    std::streamsize xsputn(const char*, std::streamsize) override { return 0; }
};

struct Outcome {
    int status = -1;
    long ms = 0;
    std::string out, err;
    bool filesUntouched = true;
    int leftovers = 0;
    // The first message box line of stderr ("[CAPTION] TEXT"), or "".
    std::string message() const {
        std::istringstream lines(err);
        for (std::string line; std::getline(lines, line);)
            // The question before an existing file is replaced is no outcome.
            if (!line.empty() && line[0] == '[' && line.find("是否替换原文件") == std::string::npos)
                return line;
        return {};
    }
};

std::string readAll(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

class FaultMatrix : public ::testing::Test {
protected:
    static inline std::unique_ptr<test::SimProcess> sim;
    static inline std::map<uint8_t, int> loginRequests;  // requests of a bare login
    static inline int runs = 0;
    static inline std::vector<std::vector<std::string>> table;

    static void SetUpTestSuite() { sim = std::make_unique<test::SimProcess>("demo"); }
    static void TearDownTestSuite() {
        sim.reset();
        if (table.empty()) return;
        std::cout << "\nfault\toperation\tstatus\tms\tmessage\tnote\n";
        for (const auto& row : table) {
            for (std::size_t i = 0; i < row.size(); ++i) std::cout << (i ? "\t" : "") << row[i];
            std::cout << '\n';
        }
    }

    void SetUp() override { ASSERT_TRUE(sim && sim->ok()); }

    std::vector<std::string> commandOf(const Operation& op, const fs::path& exportFile) {
        if (!op.args.empty()) {
            std::vector<std::string> args = op.args;
            for (std::string& arg : args)
                if (arg == "FILE")
                    arg = exportFile.string();
                else if (arg == "FOLDER")
                    arg = (exportFile.parent_path() / "batch").string();
            return args;
        }
        if (op.command == cmd::Login) return {"login"};
        if (op.command == cmd::SubAccountList) return {"subaccount", "list", "--group", "-1"};
        if (op.command == cmd::AddAdministrator)
            return {"admin",      "add", "--group", "5", "--account", "fm" + std::to_string(++runs),
                    "--password", "pw"};
        // The old file is there on purpose: --yes agrees to replace it.
        return {"deposits", "--from",   "20000101",          "--to",
                "20991231", "--export", exportFile.string(), "--yes"};
    }

    // Runs the operation through a proxy that spoils the first answer of
    // the operation's command beyond those of a bare login.
    Outcome run(const Operation& op, Fault fault, Target target = Target::OldFile,
                bool fullStdout = false) {
        if (fault == Fault::ZlibBomb) zlibBomb();
        FakeServer proxy;
        auto upstream = std::make_shared<ServerConnection>();
        EXPECT_EQ(upstream->connect(sim->host(), sim->port()), 1);
        auto seen = std::make_shared<std::map<uint8_t, int>>();
        const int spoiled =
            !op.atLogin && op.command != cmd::Login && loginRequests.count(op.command)
                ? loginRequests[op.command]
                : 0;
        const bool recordLogin = fault == Fault::None && op.command == cmd::Login;
        proxy.script(0).thenAct([=](const Bytes& request) {
            FakeServer::Reply reply;
            if (request.size() < 4) return reply;
            const uint8_t command = request[3];
            if (recordLogin) ++loginRequests[command];
            const bool sent = upstream->send(request.data(), static_cast<int>(request.size())).ok();
            if (command == cmd::KeepAlive || !sent) return reply;
            std::vector<uint8_t> answer;
            const int length = upstream->receive(answer).length();
            if (length <= 0) return reply;
            Bytes real(answer.begin(), answer.begin() + length);
            int index = (*seen)[command]++;
            if (command == op.command && index >= spoiled &&
                (index == spoiled || fault == Fault::AbsurdPageTotal))
                return spoil(fault, real, index > spoiled);
            reply.bytes = real;
            return reply;
        });

        const test::ScratchFolder scratch("faults");
        const fs::path& dir = scratch.path();
        LastLogin saved;
        saved.account = "someone";
        saved.password = "secret";
        saved.write((dir / "ServerInfo.Dat").string());
        const fs::path exportFile = dir / "out.csv";
        const fs::path linked = dir / "linked.txt";
        const fs::path batch = dir / "batch";
        switch (target) {
            case Target::OldFile:
                std::ofstream(exportFile, std::ios::binary) << "old export\r\n";
                break;
            case Target::Fifo:
                EXPECT_EQ(::mkfifo(exportFile.c_str(), 0600), 0);
                break;
            case Target::Folder:
                fs::create_directory(exportFile);
                break;
            case Target::LinkToDevice:
                fs::create_symlink("/dev/null", exportFile);
                break;
            case Target::LinkToFile:
                std::ofstream(linked, std::ios::binary) << "old export\r\n";
                fs::create_symlink(linked, exportFile);
                break;
        }
        const fs::file_type targetType = fs::symlink_status(exportFile).type();
        const std::string savedInfo = readAll(dir / "ServerInfo.Dat");

        std::vector<std::string> args = {"--dir",      dir.string(), "--host",
                                         proxy.host(), "--port",     std::to_string(proxy.port()),
                                         "--user",     "admin",      "--password",
                                         "admin"};
        auto command = commandOf(op, exportFile);
        args.insert(args.end(), command.begin(), command.end());

        std::ostringstream out, err;
        FullBuffer full;
        if (fullStdout) static_cast<std::ostream&>(out).rdbuf(&full);
        std::istringstream in;
        Outcome o;
        auto start = Clock::now();
        {
            CliContext context(out, err, in);
            context.environment = [](const std::string&) -> std::optional<std::string> {
                return std::nullopt;
            };
            context.options.dir = dir.string();
            context.desk().connection().setReceiveTimeout(ReceiveTimeoutMs);
            o.status = runCli(args, context);
        }
        o.ms = static_cast<long>(
            std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count());
        o.out = fullStdout ? std::string() : out.str();
        o.err = err.str();
        const bool fileKept = target == Target::OldFile ? readAll(exportFile) == "old export\r\n"
                              : target == Target::LinkToFile ? readAll(linked) == "old export\r\n"
                                                             : true;
        o.filesUntouched = readAll(dir / "ServerInfo.Dat") == savedInfo &&
                           fs::symlink_status(exportFile).type() == targetType &&
                           (!op.writesFile || fileKept);
        // Nothing beside the files: no temporary file left behind, an
        // export folder (an export whose list failed) empty.
        for (const auto& entry : fs::directory_iterator(dir))
            if (entry.path() != exportFile && entry.path() != linked &&
                entry.path().filename() != "ServerInfo.Dat" &&
                (entry.path() != batch || !fs::is_empty(batch)))
                ++o.leftovers;
        table.push_back({faultName(fault), op.name, std::to_string(o.status), std::to_string(o.ms),
                         o.message()});
        return o;
    }
};

// What every run must hold, whatever the fault.
void expectSound(const Operation& op, Fault fault, const Outcome& o) {
    SCOPED_TRACE(std::string(faultName(fault)) + " × " + op.name + "\n" + o.err);
    EXPECT_LT(o.ms, BoundMs);
    EXPECT_TRUE(o.status == 0 || o.status == 1 || o.status == 3) << o.status;
    EXPECT_EQ(o.leftovers, 0);
    if (o.status != 0) {
        EXPECT_FALSE(o.message().empty()) << "a failure without its message";
        EXPECT_TRUE(o.filesUntouched);
    }
    // No raw control characters reach the terminal, no forged line.
    for (const std::string* text : {&o.out, &o.err})
        for (char c : *text) {
            auto u = static_cast<unsigned char>(c);
            EXPECT_FALSE((u < 0x20 && c != '\n' && c != '\t') || u == 0x7F)
                << "raw control character " << int(u);
            if ((u < 0x20 && c != '\n' && c != '\t') || u == 0x7F) return;
        }
    EXPECT_EQ(o.out.find("status\tforged"), std::string::npos);
    EXPECT_EQ(o.err.find("\nstatus\tforged"), std::string::npos);
}

const std::vector<Operation> Operations = {Login, List, Change, Export};

TEST_F(FaultMatrix, HealthyAnswersInPiecesGiveTheSameResult) {
    for (const Operation& op : Operations) {
        Outcome healthy = run(op, Fault::None);
        ASSERT_EQ(healthy.status, 0) << op.name << "\n" << healthy.err;
        Outcome pieces = run(op, Fault::OneByteFragments);
        expectSound(op, Fault::OneByteFragments, pieces);
        EXPECT_EQ(pieces.status, 0) << op.name << "\n" << pieces.err;
        if (op.command != cmd::AddAdministrator) {
            EXPECT_EQ(pieces.out, healthy.out) << op.name;
        }
    }
}

TEST_F(FaultMatrix, LostOrStalledConnectionEndsWithTheLostConnectionStatus) {
    if (loginRequests.empty()) run(Login, Fault::None);
    for (Fault fault : {Fault::CloseBefore, Fault::CloseMidAnswer, Fault::Stall,
                        Fault::LengthBelowHeader, Fault::LyingLength})
        for (const Operation& op : Operations) {
            Outcome o = run(op, fault);
            expectSound(op, fault, o);
            // A lost connection while adding is told as an answer that says
            // nothing; like everywhere else it ends the desk.
            if (op.command == cmd::AddAdministrator) {
                EXPECT_EQ(o.status, 3) << faultName(fault) << "\n" << o.err;
                EXPECT_TRUE(o.message().find("无法确定操作是否失败") != std::string::npos);
            } else {
                EXPECT_EQ(o.status, 3) << faultName(fault) << " × " << op.name << "\n" << o.err;
                EXPECT_EQ(o.message(), "[提示]   与服务器断开了!");
            }
        }
}

TEST_F(FaultMatrix, UndecodableOrForeignAnswersAreErrorsNeverSuccess) {
    if (loginRequests.empty()) run(Login, Fault::None);
    for (Fault fault :
         {Fault::ShortAnswer, Fault::CorruptZlib, Fault::ZlibBomb, Fault::StrayAnswerFirst})
        for (const Operation& op : Operations) {
            Outcome o = run(op, fault);
            expectSound(op, fault, o);
            SCOPED_TRACE(std::string(faultName(fault)) + " × " + op.name + "\n" + o.err);
            if (op.command == cmd::Login) {
                // The login cannot go on without its answer: the program ends.
                EXPECT_EQ(o.status, 3);
                EXPECT_EQ(o.message(), "[提示]  解析数据包出错!");
            } else if (op.command == cmd::SubAccountList) {
                EXPECT_EQ(o.status, 1);
                EXPECT_EQ(o.message(), "[提示]  解析数据包出错!");
                EXPECT_EQ(o.out, "") << "no list printed from an answer that was not one";
            } else if (op.command == cmd::AddAdministrator) {
                if (fault == Fault::ShortAnswer) {
                    // A command-0 acknowledgement cut after its status byte
                    // still says "done".
                    EXPECT_EQ(o.status, 0);
                } else if (fault == Fault::StrayAnswerFirst) {
                    EXPECT_EQ(o.status, 1);
                    EXPECT_EQ(o.message(), "[提示] 服务器返回非确认包, 无法确定操作是否失败!");
                } else {
                    // An acknowledgement whose compressed body cannot be
                    // inflated.
                    EXPECT_EQ(o.status, 1);
                    EXPECT_EQ(o.message(), "[提示] 解析数据包失败!");
                }
            } else {
                EXPECT_EQ(o.status, 1);
                EXPECT_EQ(o.message(), "[提示]   错误的数据包, 无法解析 !  ");
                EXPECT_TRUE(o.filesUntouched);
            }
        }
}

TEST_F(FaultMatrix, OddContentIsHandledSafely) {
    if (loginRequests.empty()) run(Login, Fault::None);
    for (Fault fault : {Fault::AbsurdPageTotal, Fault::BadGbkControls, Fault::RecordsDoNotDivide})
        for (const Operation& op : Operations) {
            if (!op.paged && fault != Fault::BadGbkControls) continue;
            Outcome o = run(op, fault);
            expectSound(op, fault, o);
            // Odd but well-formed answers are still answers.
            EXPECT_EQ(o.status, 0) << faultName(fault) << " × " << op.name << "\n" << o.err;
            if (fault == Fault::BadGbkControls && op.command == cmd::Login) {
                // The spoiled administrator name comes out escaped.
                EXPECT_NE(o.out.find("\\x1B[2J\\n"), std::string::npos) << o.out;
            }
        }
}

// The operations added since the first matrix: whatever an answer of theirs
// turns into, a lost connection ends the desk, and an answer that is not
// theirs is never a success.
const std::vector<Operation> NewerOperations = {
    {"fee rates", cmd::FeeRates, false, false, {"fee", "rates", "--template", "2"}},
    {"fee set",
     cmd::SetFeeRates,
     false,
     false,
     {"fee", "set", "--template", "2", "--contract", "rb2601", "--open-rate", "0.5"},
     true,
     true},
    {"fee export",
     cmd::FeeRates,
     false,
     true,
     {"fee", "export", "--template", "2", "--file", "FILE", "--yes"}},
    {"margin rates", cmd::MarginRates, false, false, {"margin", "rates", "--template", "1"}},
    {"settle start", cmd::StartSettlement, false, false, {"settle", "start"}, false, true},
    {"settle status", cmd::SettlementProgress, false, false, {"settle", "status"}, false, true},
    {"settle prices",
     cmd::SettlementPrices,
     true,
     false,
     {"settle", "prices", "--date", "20261208"}},
    {"params show", cmd::TradingParameters, false, false, {"params", "show"}},
    {"params set",
     cmd::SetTradingParameters,
     false,
     false,
     {"params", "set", "--auto-settle", "0"},
     true},
    {"log",
     cmd::OperationLog,
     true,
     false,
     {"log", "--from", "2000-01-01 00:00:00", "--to", "2099-12-31 23:59:59"}},
    {"deposits",
     cmd::DepositRecords,
     true,
     false,
     {"deposits", "--from", "20000101", "--to", "20991231"}},
    {"deposit sub",
     cmd::SubAccountFunds,
     false,
     false,
     {"deposit", "sub", "--group", "5", "--account", "100101", "--available", "1"}},
};

// "settle price" needs a settlement date and a contract priced on it: a
// settlement is run to its end first and its first price taken.
std::optional<Operation> settlePriceOperation(const Outcome& started, const Outcome& prices) {
    const std::size_t at = started.out.find("date\t");
    if (at == std::string::npos) return std::nullopt;
    const std::string date = started.out.substr(at + 5, 8);
    std::istringstream lines(prices.out);
    std::string header, row;
    if (!std::getline(lines, header) || !std::getline(lines, row)) return std::nullopt;
    std::vector<std::string> cells;
    std::istringstream fields(row);
    for (std::string cell; std::getline(fields, cell, '\t');) cells.push_back(cell);
    if (cells.size() < 3) return std::nullopt;
    return Operation{"settle price",
                     cmd::SetSettlementPrice,
                     false,
                     false,
                     {"settle", "price", "--date", date, "--exchange", cells[1], "--contract",
                      cells[2], "--price", "1"},
                     true};
}

TEST_F(FaultMatrix, NewerOperationsNeverReportAFailureAsSuccess) {
    if (loginRequests.empty()) run(Login, Fault::None);
    std::vector<Operation> operations = NewerOperations;
    const Outcome started =
        run({"settle start",
             cmd::StartSettlement,
             false,
             false,
             {"settle", "start", "--wait", "--interval", "50", "--timeout", "5"}},
            Fault::None);
    const std::size_t at = started.out.find("date\t");
    ASSERT_NE(at, std::string::npos) << started.err;
    const Outcome prices = run({"settle prices",
                                cmd::SettlementPrices,
                                true,
                                false,
                                {"settle", "prices", "--date", started.out.substr(at + 5, 8)}},
                               Fault::None);
    const std::optional<Operation> settlePrice = settlePriceOperation(started, prices);
    ASSERT_TRUE(settlePrice) << prices.out << prices.err;
    operations.push_back(*settlePrice);
    for (const Operation& op : operations) {
        const std::string lost = op.operationTexts
                                     ? "[提示]    接收数据出错, 与服务器的联接断开了! "
                                     : "[提示]   与服务器断开了!";
        for (Fault fault : {Fault::CloseBefore, Fault::Stall}) {
            Outcome o = run(op, fault);
            expectSound(op, fault, o);
            EXPECT_EQ(o.status, 3) << faultName(fault) << " × " << op.name << "\n" << o.err;
            EXPECT_EQ(o.message(), lost) << faultName(fault) << " × " << op.name;
        }
        for (Fault fault :
             {Fault::ShortAnswer, Fault::CorruptZlib, Fault::ZlibBomb, Fault::StrayAnswerFirst}) {
            Outcome o = run(op, fault);
            expectSound(op, fault, o);
            SCOPED_TRACE(std::string(faultName(fault)) + " × " + op.name + "\n" + o.err);
            if (op.acknowledged && fault == Fault::ShortAnswer) {
                // A command-0 acknowledgement cut after its status byte.
                EXPECT_EQ(o.status, 0);
            } else if (op.acknowledged && fault == Fault::StrayAnswerFirst) {
                EXPECT_EQ(o.status, 1);
                EXPECT_EQ(o.message(), "[提示] 服务器返回非确认包, 无法确定操作是否失败!");
            } else {
                EXPECT_EQ(o.status, 1);
                EXPECT_EQ(o.message(), "[提示]   错误的数据包, 无法解析 !  ");
            }
        }
        Outcome odd = run(op, Fault::BadGbkControls);
        expectSound(op, Fault::BadGbkControls, odd);
    }
}

// Risk, reports and statements: a page count that no list has ends every
// paged read with the bad-packet message, never as a short list.
TEST_F(FaultMatrix, NegativePageCountsAreMalformedAnswers) {
    if (loginRequests.empty()) run(Login, Fault::None);
    const std::string monday = test::ymdText(test::lastMonday());
    const std::vector<Operation> operations = {
        // The rule warehouse is read with the login.
        {"risk list", cmd::RiskStrategyList, true, false, {"risk", "list"}, false, false, true},
        NewerOperations[9],   // log
        NewerOperations[10],  // deposits
        {"deposits --all",
         cmd::DepositRecords,
         true,
         false,
         {"--all", "deposits", "--from", "20000101", "--to", "20991231"}},
        {"trade export",
         cmd::TradeExport,
         true,
         true,
         {"report", "trades", "--export", "FILE", "--from", monday, "--to", monday, "--account",
          "100102", "--yes"}},
        {"statement batch",
         cmd::StatementList,
         true,
         false,
         {"statement", "batch", "--group", "1", "--from", monday, "--to", monday, "--folder",
          "FOLDER"}},
    };
    for (const Operation& op : operations) {
        Outcome o = run(op, Fault::NegativePageTotal);
        expectSound(op, Fault::NegativePageTotal, o);
        EXPECT_EQ(o.status, 1) << op.name << "\n" << o.err;
        // The reference lists have the message of their own reading.
        EXPECT_EQ(o.message(), op.command == cmd::RiskStrategyList
                                   ? "[提示]  解析数据包出错!"
                                   : "[提示]   错误的数据包, 无法解析 !  ")
            << op.name;
        EXPECT_TRUE(o.filesUntouched) << op.name;
    }
}

// A target that is not a regular file is refused before anything is
// fetched; a link to a regular file is written through; a stdout that takes
// nothing is a failure.
TEST_F(FaultMatrix, SpecialTargetsAndAFullStdout) {
    const std::string monday = test::ymdText(test::lastMonday());
    const std::vector<std::string> statement = {"statement", "--account", "100102", "--day",
                                                monday};
    const auto with = [&statement](std::vector<std::string> more) {
        more.insert(more.begin(), statement.begin(), statement.end());
        return more;
    };
    const std::string fifo = "这是一个管道 (FIFO), 不是普通文件, 不会被替换";
    const std::string device = "符号链接指向的是一个设备, 不是普通文件, 不会被替换";
    const std::string folder = "这是一个目录, 不是文件";
    const struct {
        Operation op;
        Target target;
        int status;
        std::string reason;  // after "文件保存失败：FILE\n"; empty: no message
    } cases[] = {
        {{"statement --pdf", 0, false, true, with({"--pdf", "FILE"})}, Target::Fifo, 1, fifo},
        {{"statement --save", 0, false, true, with({"--csv", "--save", "FILE"})},
         Target::LinkToDevice,
         1,
         device},
        {{"trade export",
          0,
          false,
          true,
          {"report", "trades", "--export", "FILE", "--from", monday, "--to", monday, "--account",
           "100102", "--yes"}},
         Target::Folder,
         1,
         folder},
        {{"statement --save", 0, false, false, with({"--csv", "--save", "FILE"})},
         Target::LinkToFile,
         0,
         ""},
    };
    for (const auto& c : cases) {
        Outcome o = run(c.op, Fault::None, c.target);
        expectSound(c.op, Fault::None, o);
        SCOPED_TRACE(c.op.name + std::string("\n") + o.err);
        EXPECT_EQ(o.status, c.status);
        EXPECT_TRUE(o.filesUntouched);
        if (!c.reason.empty()) {
            EXPECT_NE(o.message().find("[提示] 文件保存失败："), std::string::npos);
            EXPECT_NE(o.message().find("\\n" + c.reason), std::string::npos);
        }
    }

    for (const std::vector<std::string>& command :
         {std::vector<std::string>{"group", "list"}, statement,
          std::vector<std::string>{"--all", "deposits", "--from", "20000101", "--to",
                                   "20991231"}}) {
        const Operation op{"full stdout", 0, false, false, command};
        Outcome o = run(op, Fault::None, Target::OldFile, true);
        EXPECT_EQ(o.status, 1) << command.front() << "\n" << o.err;
        EXPECT_NE(o.err.find(StdoutFailedText), std::string::npos) << o.err;
    }
}

}  // namespace
}  // namespace korvant::cli
