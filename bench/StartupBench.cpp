// Start-up against `korvant-sim --data large`: the full login and the five
// start-up queries through the desk's core, against a floor that sends the
// same requests and receives the answers without parsing them. Prints the
// time ratio (target at most 1.2) and the ratio of cache memory to the
// record bytes received (target at most 2).
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "LoginOnlyPort.h"
#include "SimLauncher.h"
#include "app/Desk.h"
#include "app/Login.h"
#include "app/LoginRequest.h"
#include "app/ReportTree.h"
#include "model/ReferenceQueries.h"
#include "protocol/Bytes.h"
#include "protocol/CommandCode.h"
#include "protocol/Packet.h"
#include "protocol/ServerConnection.h"

namespace korvant::bench {
namespace {

using Clock = std::chrono::steady_clock;

std::size_t heap(const std::string& s) {
    return s.capacity() > 15 ? s.capacity() + 1 : 0;
}

template <class T, class Strings>
std::size_t cacheBytes(const RecordCache<T>& cache, Strings strings) {
    std::size_t bytes = sizeof(T) * cache.records.capacity();
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
    LoginOptions options;
    options.endpoint = ServerEndpoint{host, port};
    options.mac = "001A2B3C4D5E";
    options.rememberLogin = false;
    options.showProgress = false;
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

// The same exchanges with nothing parsed but the page header.
double runFloor(const std::string& host, int port) {
    auto start = Clock::now();
    ServerConnection connection;
    if (connection.connect(host, port) != 1) std::exit(1);
    std::vector<uint8_t> buffer(PacketBufferSize, 0);
    int n = writeLoginRequest("admin", "admin", "001A2B3C4D5E", buffer.data(), PacketBufferSize);
    connection.send(buffer.data(), n);
    n = connection.receive(buffer);
    int32_t ownGroup = n == 44 ? getI32(buffer.data() + 4) : 0;
    using Writer = int (*)(int32_t, int, uint8_t*, int);
    const Writer writers[] = {
        [](int32_t, int p, uint8_t* b, int c) { return writeGroupListRequest("", p, b, c); },
        [](int32_t, int p, uint8_t* b, int c) { return writeMarginTemplateListRequest(p, b, c); },
        [](int32_t, int p, uint8_t* b, int c) { return writeFeeTemplateListRequest(p, b, c); },
        [](int32_t, int p, uint8_t* b, int c) { return writeVarietyListRequest(p, b, c); },
        [](int32_t g, int p, uint8_t* b, int c) {
            return writeRiskStrategyListRequest(g, p, b, c);
        },
    };
    for (Writer write : writers) {
        int page = 0;
        for (int asked = 0; asked < 100000; ++asked) {
            n = write(ownGroup, page, buffer.data(), PacketBufferSize);
            connection.send(buffer.data(), n);
            n = connection.receive(buffer);
            if (n < 12) std::exit(1);
            int total = getI32(buffer.data() + 4);
            int index = getI32(buffer.data() + 8);
            if (index < page || index >= total - 1) break;
            page = index + 1;
        }
    }
    return std::chrono::duration<double>(Clock::now() - start).count();
}

}  // namespace
}  // namespace korvant::bench

int main(int argc, char** argv) {
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
    last = runStartup(sim.host(), sim.port(), true);
    std::sort(startup.begin(), startup.end());
    std::sort(floor.begin(), floor.end());
    double s = startup[startup.size() / 2];
    double f = floor[floor.size() / 2];
    std::printf("start-up: %d records, median of %d runs %.1f ms; floor %.1f ms\n", last.records,
                runs, s * 1000, f * 1000);
    std::printf("time ratio (start-up / floor): %.3f (target <= 1.2)\n", s / f);
    std::printf("cache memory %zu bytes / record bytes %zu = %.3f (target <= 2)\n", last.cacheBytes,
                last.recordBytes, double(last.cacheBytes) / double(last.recordBytes));
    std::printf("report tree: %d nodes loaded in %.1f ms (core, no drawing)\n", last.treeNodes,
                last.treeSeconds * 1000);
    return 0;
}
