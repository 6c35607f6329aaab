// Start-up against `korvant-sim --data large`: the full login and the five
// start-up queries through the desk's core, against a floor that sends the
// same requests and receives the answers without parsing them. Prints the
// time ratio (target at most 1.15) and the ratio of cache memory to the
// record bytes received (target at most 1.5), then the report tree load;
// then the lists and the tree at 1x, 4x and 16x the customers.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "BenchTable.h"
#include "LoginOnlyPort.h"
#include "RawClient.h"
#include "SimLauncher.h"
#include "app/desk/Desk.h"
#include "app/lists/AccountListRequests.h"
#include "app/lists/ReportTree.h"
#include "app/session/HeapPolicy.h"
#include "app/session/Login.h"
#include "app/session/LoginRequest.h"
#include "model/ReferenceQueries.h"
#include "protocol/Bytes.h"
#include "protocol/CommandCode.h"
#include "protocol/Packet.h"
#include "protocol/ServerConnection.h"

namespace korvant::bench {
namespace {

std::size_t heap(const std::string& s) {
    return s.capacity() > 15 ? s.capacity() + 1 : 0;
}

template <class T, class Strings>
std::size_t cacheBytes(const RecordCache<T>& cache, Strings strings) {
    std::size_t bytes = sizeof(T) * cache.records.capacity();
    if (bytes >= LargeBlockThreshold) bytes = largeBlockLength(bytes);
    for (const T& r : cache.records) bytes += strings(r);
    return bytes;
}

struct Figures {
    double seconds = 0;
    double treeSeconds = 0;
    int treeNodes = 0;
    std::size_t cacheBytes = 0;
    std::size_t recordBytes = 0;
    int records = 0;
};

Figures runStartup(const std::string& host, int port, bool withTree = false) {
    LoginOnlyPort silent;
    Desk desk(silent);
    const LoginOptions options = simLogin(host, port);
    auto start = Clock::now();
    LoginResult result = login(desk, options);
    Figures f;
    f.seconds = std::chrono::duration<double>(Clock::now() - start).count();
    if (result != LoginResult::LoggedIn) {
        std::fprintf(stderr, "login failed\n");
        std::exit(1);
    }
    const ReferenceData& r = desk.reference();
    f.cacheBytes =
        cacheBytes(r.groups,
                   [](const Group& g) {
                       return heap(g.name) + heap(g.alias) + heap(g.tag) + heap(g.remark) +
                              heap(g.groupCode);
                   }) +
        cacheBytes(r.marginTemplates,
                   [](const MarginTemplate& t) { return heap(t.name) + heap(t.groupCode); }) +
        cacheBytes(r.feeTemplates,
                   [](const FeeTemplate& t) { return heap(t.name) + heap(t.groupCode); }) +
        cacheBytes(r.varieties,
                   [](const ContractVariety& v) {
                       return heap(v.contractCode) + heap(v.productCode) + heap(v.exchangeCode);
                   }) +
        cacheBytes(r.riskStrategies, [](const RiskStrategy&) { return std::size_t{0}; });
    f.recordBytes = std::size_t(r.groups.count()) * Group::WireSize +
                    std::size_t(r.marginTemplates.count()) * MarginTemplate::WireSize +
                    std::size_t(r.feeTemplates.count()) * FeeTemplate::WireSize +
                    std::size_t(r.varieties.count()) * ContractVariety::WireSize +
                    std::size_t(r.riskStrategies.count()) * RiskStrategy::WireSize;
    // The report tree's load (sub-accounts of every second-level group).
    if (withTree) {
        auto treeStart = Clock::now();
        f.treeNodes = countNodes(loadReportTree(desk));
        f.treeSeconds = std::chrono::duration<double>(Clock::now() - treeStart).count();
    }
    f.records = r.groups.count() + r.marginTemplates.count() + r.feeTemplates.count() +
                r.varieties.count() + r.riskStrategies.count();
    return f;
}

// The report tree's exchanges, raw: every page of the sub-accounts of
// every second-level group. Pages and bytes received are counted.
struct TreeFloor {
    double seconds = 0;
    int pages = 0;
    std::size_t bytes = 0;
};

TreeFloor runTreeFloor(const std::string& host, int port, const std::vector<int32_t>& groups) {
    RawClient c(host, port);
    c.pages = 0;
    c.bytesReceived = 0;
    auto start = Clock::now();
    for (int32_t g : groups)
        c.readAllPages([g](int p, uint8_t* b, int n) {
            return writeSubAccountListRequest(g, SearchFilter{}, p, b, n);
        });
    return TreeFloor{since(start), c.pages, c.bytesReceived};
}

double runFloor(const std::string& host, int port) {
    auto start = Clock::now();
    runStartupFloor(host, port);
    return since(start);
}

std::vector<int32_t> secondLevelGroups(const std::string& host, int port) {
    LoginOnlyPort silent;
    Desk desk(silent);
    const LoginOptions options = simLogin(host, port);
    if (login(desk, options) != LoginResult::LoggedIn) std::exit(1);
    std::vector<int32_t> groups;
    for (const Group& g : desk.reference().groups.records)
        if (g.groupCode.size() == 4) groups.push_back(g.id);
    return groups;
}

// The start-up with the report tree at 1x, 4x and 16x the customers: the
// lists and the tree against their floors, and the tree's time a node
// against 1x.
void scalingRows(int runs) {
    double perNodeAt1 = 0, floorPerNodeAt1 = 0;
    for (int scale : {1, 4, 16}) {
        SimLauncher sim("large", scale);
        if (!sim.ok()) std::exit(1);
        const std::vector<int32_t> groups = secondLevelGroups(sim.host(), sim.port());
        // Short paths take more pairs: a single stall of the machine moves
        // the median of two pairs of 100 ms by a third.
        const int measured = scale == 16 ? std::max(3, runs / 4) : std::max(5, runs / 2);
        PairedTimes lists, tree;
        Figures last;
        TreeFloor floor;
        for (int i = 0; i <= measured; ++i) {
            const bool coreFirst = i % 2 == 0;
            double listFloor = 0;
            if (!coreFirst) {
                listFloor = runFloor(sim.host(), sim.port());
                floor = runTreeFloor(sim.host(), sim.port(), groups);
            }
            last = runStartup(sim.host(), sim.port(), true);
            if (coreFirst) {
                listFloor = runFloor(sim.host(), sim.port());
                floor = runTreeFloor(sim.host(), sim.port(), groups);
            }
            if (i == 0) continue;  // the first run fills the server's caches
            lists.add(last.seconds, listFloor);
            tree.add(last.treeSeconds, floor.seconds);
        }
        const std::string at = " at " + std::to_string(scale) + "x";
        lists.print("start-up lists" + at + " (" + std::to_string(last.records) + " records)");
        tree.print("report tree load" + at + " (" + std::to_string(last.treeNodes) + " nodes)");
        const double perNode = median(tree.project) * 1e6 / std::max(last.treeNodes, 1);
        const double floorPerNode = median(tree.floor) * 1e6 / std::max(last.treeNodes, 1);
        if (scale == 1) {
            perNodeAt1 = perNode;
            floorPerNodeAt1 = floorPerNode;
        }
        printRow("report tree load" + at + ", time a node against 1x", perNode, perNodeAt1, "us",
                 1.20);
        // What the server adds a node at this scale: the floor's own growth.
        char growth[64];
        std::snprintf(growth, sizeof growth, "%.2f us, %.2f of 1x", floorPerNode,
                      floorPerNode / floorPerNodeAt1);
        printFigure("  the floor's time a node" + at, growth);
    }
}

}  // namespace
}  // namespace korvant::bench

int main(int argc, char** argv) {
    // The heap as the desk and the command line keep it.
    korvant::keepHeapForLargeReads();
    using namespace korvant;
    using namespace korvant::bench;
    int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 21;
    SimLauncher sim("large");
    if (!sim.ok()) {
        std::fprintf(stderr, "korvant-sim did not start\n");
        return 1;
    }
    // One warm-up of each, then alternate so that both see the same machine.
    runStartup(sim.host(), sim.port());
    runFloor(sim.host(), sim.port());
    std::vector<double> startup, floor;
    Figures last;
    for (int i = 0; i < runs; ++i) {
        last = runStartup(sim.host(), sim.port());
        startup.push_back(last.seconds);
        floor.push_back(runFloor(sim.host(), sim.port()));
    }
    // The report tree, core against floor, alternating as well.
    std::vector<int32_t> secondLevel;
    {
        LoginOnlyPort silent;
        Desk desk(silent);
        const LoginOptions options = simLogin(sim.host(), sim.port());
        if (login(desk, options) != LoginResult::LoggedIn) return 1;
        for (const Group& g : desk.reference().groups.records)
            if (g.groupCode.size() == 4) secondLevel.push_back(g.id);
    }
    // Each run a pair, the core first in even runs and second in odd ones:
    // the ratio is the median of the pairs' ratios.
    const int treeRuns = std::max(5, runs / 2);
    PairedTimes tree;
    TreeFloor lastFloor;
    for (int i = 0; i < treeRuns; ++i) {
        if (i % 2 != 0) lastFloor = runTreeFloor(sim.host(), sim.port(), secondLevel);
        last = runStartup(sim.host(), sim.port(), true);
        if (i % 2 == 0) lastFloor = runTreeFloor(sim.host(), sim.port(), secondLevel);
        tree.add(last.treeSeconds, lastFloor.seconds);
    }
    const double tf = median(tree.floor);

    double s = median(startup);
    double f = median(floor);
    std::printf("start-up: %d records, median of %d runs %.1f ms; floor %.1f ms\n", last.records,
                runs, s * 1000, f * 1000);
    std::printf("time ratio (start-up / floor): %.3f (target <= 1.15)\n", s / f);
    std::printf("cache memory %zu bytes / record bytes %zu = %.3f (target <= 1.5)\n",
                last.cacheBytes, last.recordBytes,
                double(last.cacheBytes) / double(last.recordBytes));
    std::printf("report tree: %d nodes, median of %d runs %.1f ms (core, no drawing)\n",
                last.treeNodes, treeRuns, median(tree.project) * 1000);
    printRow("start-up in process", s * 1000, f * 1000, "ms");
    printRow("cache memory / bytes received", double(last.cacheBytes) / 1e6,
             double(last.recordBytes) / 1e6, "MB", 1.5);
    tree.print("report tree load (" + std::to_string(lastFloor.pages) + " pages)");
    printFigure("simulator on the report tree",
                std::to_string(int(lastFloor.pages / tf)) + " pages/s, " +
                    std::to_string(int(double(lastFloor.bytes) / tf / 1e6)) + " MB/s");
    scalingRows(runs);
    return 0;
}
