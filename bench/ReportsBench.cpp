// The reports of `korvant-sim --data large`:
// - the trade export over the month that holds over a million trades for
//   the whole tree: the raw-replay floor (every page of command 93 asked
//   and dropped) against the core's export into a CSV file, and the peak
//   memory of the process;
// - the same export as an Excel workbook against the CSV file, each run in a
//   process of its own, with the peak memory of each (the goals: at most
//   1.5 times the CSV export, below 64 MB);
// - the sub-account list of "全部" read by the desk's core and by the floor
//   at 1x, 4x and 16x the customers (--scale), with the time a row against
//   the 1x figure (the goal: within 20 %).
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>

#include "BenchTable.h"
#include "LoginOnlyPort.h"
#include "RawClient.h"
#include "SimLauncher.h"
#include "app/AccountListPages.h"
#include "app/AccountListRequests.h"
#include "app/Login.h"
#include "core/CoreDesk.h"
#include "protocol/CommandCode.h"
#include "protocol/Packet.h"
#include "reports/trading/TradingExports.h"
#include "reports/trading/TradingPages.h"

namespace korvant::bench {
namespace {

// The month and the target (the root group) of the large set's trades.
constexpr int32_t MonthFrom = 20261101;
constexpr int32_t MonthTo = 20261130;
constexpr int32_t WholeTree = 1;
constexpr int TradeRowSize = 256;

struct Core {
    LoginOnlyPort port;
    CoreDesk desk{port};
    explicit Core(const SimLauncher& sim) {
        LoginOptions options;
        options.endpoint = ServerEndpoint{sim.host(), sim.port()};
        options.mac = "001A2B3C4D5E";
        options.rememberLogin = false;
        options.showProgress = false;
        if (login(desk, options) != LoginResult::LoggedIn) std::exit(1);
    }
    // The read of every page; `whole` false when the core stopped it (its
    // caps of records and bytes a read).
    double list(bool& whole) {
        const auto start = Clock::now();
        // "全部"
        whole = loadAllAccountPages(desk, AccountList::SubAccounts, -1, SearchFilter{});
        return since(start);
    }
    int rows() { return desk.accounts().subAccounts.count(); }
};

double floorList(RawClient& c) {
    const auto start = Clock::now();
    c.readAllPages([](int p, uint8_t* b, int n) {
        return writeSubAccountListRequest(-1, SearchFilter{}, p, b, n);
    });
    return since(start);
}

// Every page of the trade export of the month for the whole tree; the rows.
int64_t floorTradeExport(RawClient& c) {
    const std::size_t bytesBefore = c.bytesReceived;
    const int pagesBefore = c.pages;
    c.readAllPages([](int p, uint8_t* b, int n) {
        PacketWriter w(b, n, 52, cmd::TradeExport);
        w.i32(4, MonthFrom).i32(8, MonthTo).i32(44, WholeTree).i32(48, p);
        return w.finish();
    });
    const auto headers = static_cast<std::size_t>(c.pages - pagesBefore) * 12;
    return static_cast<int64_t>((c.bytesReceived - bytesBefore - headers) / TradeRowSize);
}

// The desk's side of the trade export: a callable that exports the month's
// trades of the whole tree (`MonthFrom` to `MonthTo`, target `WholeTree`)
// through the core, logged in to `sim`, and returns the rows written (or -1
// on failure).
using DeskTradeExport = std::function<int64_t(const SimLauncher& sim)>;

// Peak resident memory of this process, in MiB.
double peakMiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

int64_t exportTradesAs(const SimLauncher& sim, const char* extension) {
    Core core(sim);
    TradesPage& page = tradesPage(core.desk);
    page.target.id = WholeTree;
    page.target.group = true;
    ReportExportForm form;
    form.startDate = MonthFrom;
    form.endDate = MonthTo;
    form.path = (std::filesystem::temp_directory_path() /
                 ("korvant-bench-trades-" + std::to_string(::getpid()) + extension))
                    .string();
    form.mayReplace = true;
    const ReportExportResult result = exportTrades(core.desk, page, form);
    std::filesystem::remove(form.path);
    return result.written ? result.rows : -1;
}
int64_t exportTradesThroughCore(const SimLauncher& sim) {
    return exportTradesAs(sim, ".csv");
}
DeskTradeExport deskTradeExport = exportTradesThroughCore;

// The export into a file of `extension` in a child process: its time, and
// its peak memory in MiB; false when it did not write every row.
bool exportInChild(const SimLauncher& sim, const char* extension, int64_t rows, double& seconds,
                   double& peak) {
    const auto start = Clock::now();
    const pid_t child = ::fork();
    if (child < 0) return false;
    if (child == 0) ::_exit(exportTradesAs(sim, extension) == rows ? 0 : 1);
    int status = 0;
    rusage usage{};
    if (::wait4(child, &status, 0, &usage) != child) return false;
    seconds = since(start);
    peak = std::max(peak, static_cast<double>(usage.ru_maxrss) / 1024.0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

void workbookExportRows(const SimLauncher& sim, int runs) {
    RawClient raw(sim.host(), sim.port());
    const int64_t rows = floorTradeExport(raw);
    PairedTimes times;
    double bookPeak = 0, csvPeak = 0;
    for (int i = 0; i < runs; ++i) {
        double book = 0, csv = 0;
        const bool bookFirst = i % 2 == 0;
        if (bookFirst && !exportInChild(sim, ".xlsx", rows, book, bookPeak)) std::exit(1);
        if (!exportInChild(sim, ".csv", rows, csv, csvPeak)) std::exit(1);
        if (!bookFirst && !exportInChild(sim, ".xlsx", rows, book, bookPeak)) std::exit(1);
        times.add(book, csv);
    }
    const std::string path =
        "trade export as .xlsx against .csv (" + std::to_string(rows) + " rows; goal <= 1.5)";
    times.print(path);
    printFigure("trade export as .xlsx, peak memory of the process (goal < 64 MB; .csv " +
                    std::to_string(static_cast<int>(csvPeak + 0.5)) + " MiB)",
                std::to_string(static_cast<int>(bookPeak + 0.5)) + " MiB");
}

void tradeExportRows(const SimLauncher& sim, int runs) {
    PairedTimes times;
    int64_t rows = 0;
    double floorBest = 0;
    for (int i = 0; i <= runs; ++i) {
        RawClient raw(sim.host(), sim.port());
        auto start = Clock::now();
        rows = floorTradeExport(raw);
        const double f = since(start);
        if (i == 0) continue;  // the first run makes the server's row counts
        floorBest = floorBest == 0 ? f : std::min(floorBest, f);
        if (deskTradeExport) {
            start = Clock::now();
            if (deskTradeExport(sim) != rows) std::exit(1);
            times.add(since(start), f);
        }
    }
    const std::string path = "trade export " + std::to_string(MonthFrom) + "-" +
                             std::to_string(MonthTo) + " (" + std::to_string(rows) + " rows)";
    if (deskTradeExport) {
        times.print(path);
        // The export writes each page as it arrives: the whole process
        // (the floor's client included) stays far below the goal.
        printFigure(path + ", peak memory of the process (goal < 64 MB)",
                    std::to_string(static_cast<int>(peakMiB() + 0.5)) + " MiB");
    } else
        printFigure(path + " floor", std::to_string(static_cast<int64_t>(rows / floorBest)) +
                                         " rows/s (desk side: not built yet)");
}

// The list of "全部" at each scale: desk and floor, and the desk's time a row
// against 1x.
void listScaling(int runs) {
    double perRowAt1 = 0;
    for (int scale : {1, 4, 16}) {
        SimLauncher sim("large", scale);
        if (!sim.ok()) std::exit(1);
        PairedTimes list;
        int rows = 0;
        bool whole = true;
        const int measured = scale == 16 ? std::max(1, runs / 3) : runs;
        for (int i = 0; i <= measured; ++i) {
            Core core(sim);
            RawClient raw(sim.host(), sim.port());
            const bool coreFirst = i % 2 == 0;
            double c = 0, f = 0;
            if (coreFirst) c = core.list(whole);
            f = floorList(raw);
            if (!coreFirst) c = core.list(whole);
            rows = core.rows();
            if (i > 0) list.add(c, f);
        }
        // The floor reads every page; a desk stopped by its caps is compared
        // by its time a row only.
        const std::string name = "sub-account list of 全部 at " + std::to_string(scale) + "x (" +
                                 std::to_string(rows) + " rows" +
                                 (whole ? "" : ", desk stopped at its read caps") + ")";
        list.print(name);
        const double perRow = median(list.project) * 1e6 / std::max(rows, 1);
        if (scale == 1) perRowAt1 = perRow;
        printRow(name + ", time a row against 1x (goal <= 1.20)", perRow, perRowAt1, "us");
    }
}

}  // namespace
}  // namespace korvant::bench

int main(int argc, char** argv) {
    using namespace korvant::bench;
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
    {
        SimLauncher sim("large");
        if (!sim.ok()) {
            std::fprintf(stderr, "korvant-sim did not start\n");
            return 1;
        }
        tradeExportRows(sim, runs);
        workbookExportRows(sim, runs);
    }
    listScaling(runs);
    return 0;
}
