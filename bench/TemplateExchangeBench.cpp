// Export and import of one fee-rate template over the 3 000 contracts of
// `korvant-sim --data large`, through the desk's core, against a floor that
// sends the same requests and receives the answers without processing
// them (the export floor also writes the file).
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "BenchTable.h"
#include "LoginOnlyPort.h"
#include "SimLauncher.h"
#include "app/desk/Desk.h"
#include "app/session/HeapPolicy.h"
#include "app/session/Login.h"
#include "app/session/LoginRequest.h"
#include "core/CoreDesk.h"
#include "local/WholeFile.h"
#include "model/ReferenceQueries.h"
#include "protocol/Bytes.h"
#include "protocol/Packet.h"
#include "protocol/ServerConnection.h"
#include "templates/TemplateOperations.h"
#include "templates/TemplateRequests.h"

namespace korvant::bench {
namespace {

namespace fs = std::filesystem;

// The bench's front end: the file it is given, Yes to every question.
class FilePort : public LoginOnlyPort {
public:
    std::string file;
    bool askYesNo(const Message&) override { return true; }
    void showMessage(const Message&) override {}
    std::optional<std::string> chooseSaveFile(const std::string&, const std::string&,
                                              const std::vector<FileFilter>&) override {
        return file;
    }
    std::optional<std::string> chooseOpenFile(const std::string&,
                                              const std::vector<FileFilter>&) override {
        return file;
    }
};

struct Times {
    double exportSeconds = 0;
    double importSeconds = 0;
    std::vector<ContractVariety> contracts;  // of the core's run
};

constexpr int32_t TemplateId = 1;

Times runCore(const SimLauncher& sim, const std::string& file) {
    FilePort port;
    port.file = file;
    CoreDesk desk(port);
    const LoginOptions options = simLogin(sim.host(), sim.port());
    if (login(desk, options) != LoginResult::LoggedIn) std::exit(1);
    const RateTemplate* t = cachedTemplate(desk.reference(), feeKind(), TemplateId);
    if (t == nullptr) std::exit(1);
    const std::string code = t->groupCode;
    Times times;
    auto start = Clock::now();
    if (!exportTemplate(desk, feeKind(), TemplateId, file)) std::exit(1);
    times.exportSeconds = since(start);
    start = Clock::now();
    if (!importTemplate(desk, feeKind(), code, file)) std::exit(1);
    times.importSeconds = since(start);
    times.contracts.assign(desk.reference().varieties.records.begin(),
                           desk.reference().varieties.records.end());
    return times;
}

void exchangeRaw(ServerConnection& c, std::vector<uint8_t>& request, int length,
                 std::vector<uint8_t>& answer) {
    c.send(request.data(), length);
    if (!c.receive(answer)) std::exit(1);
}

// The same requests as the core's export and import: the rate pages (one
// more when the count is a multiple of 100), the add under the file's name
// and then under "-n", one set-rates request per contract, the template
// list read again.
Times runFloor(const SimLauncher& sim, const std::vector<ContractVariety>& list,
               const std::string& name, const std::string& code, int attempt,
               const std::string& floorFile, const std::string& exported) {
    const int contracts = static_cast<int>(list.size());
    ServerConnection c;
    if (c.connect(sim.host(), sim.port()) != 1) std::exit(1);
    std::vector<uint8_t> request(PacketBufferSize, 0), answer;
    int n = writeLoginRequest("admin", "admin", "001A2B3C4D5E", request.data(), PacketBufferSize);
    exchangeRaw(c, request, n, answer);
    const TemplateKind& kind = feeKind();
    // Requests are built before the clock runs.
    std::vector<std::vector<uint8_t>> pages;
    for (int p = 0; p <= contracts / 100; ++p) {
        std::vector<uint8_t> r(12);
        writeRatePageRequest(kind, TemplateId, p, r);
        pages.push_back(r);
    }
    Times times;
    auto start = Clock::now();
    for (auto& r : pages) exchangeRaw(c, r, 12, answer);
    // The export's file, same bytes, written the same way (temporary file,
    // flushed to the disk, renamed): no export can do without it.
    if (!writeWholeFile(floorFile, exported)) std::exit(1);
    times.exportSeconds = since(start);

    std::vector<uint8_t> taken(84), fresh(84);
    writeAddTemplateRequest(kind, name, code, taken);
    writeAddTemplateRequest(kind, name + "-floor" + std::to_string(attempt), code, fresh);
    std::vector<std::vector<uint8_t>> sets;
    RateRow row;
    row.values[0] = 0.5;
    for (int i = 0; i < contracts; ++i) {
        std::vector<uint8_t> r(112);
        const ContractVariety& v = list[static_cast<std::size_t>(i)];
        writeSetRatesRequest(kind, v.contractCode, v.exchangeCode, 0, row, r);
        sets.push_back(r);
    }
    std::vector<uint8_t> listRequest(TemplateListRequestSize);
    start = Clock::now();
    exchangeRaw(c, taken, 84, answer);
    exchangeRaw(c, fresh, 84, answer);
    const int32_t id = std::atoi(reinterpret_cast<const char*>(answer.data()) + 5);
    for (auto& r : sets) {
        putI32(r.data() + 52, id);
        exchangeRaw(c, r, 112, answer);
    }
    for (int p = 0; p < 2; ++p) {
        writeFeeTemplateListRequest(p, listRequest.data(), TemplateListRequestSize);
        exchangeRaw(c, listRequest, TemplateListRequestSize, answer);
    }
    times.importSeconds = since(start);
    return times;
}

}  // namespace
}  // namespace korvant::bench

int main(int argc, char** argv) {
    // The heap as the desk and the command line keep it.
    korvant::keepHeapForLargeReads();
    using namespace korvant;
    using namespace korvant::bench;
    int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 11;
    SimLauncher sim("large");
    if (!sim.ok()) {
        std::fprintf(stderr, "korvant-sim did not start\n");
        return 1;
    }
    const fs::path file = fs::temp_directory_path() / "korvant-bench-手续费模板1.csv";
    const fs::path floorFile = fs::temp_directory_path() / "korvant-bench-floor-template.csv";
    // The core first in even runs and second in odd ones, each run's pair
    // compared; the first run is a warm-up that also gives the floor its
    // contracts and the exported bytes.
    PairedTimes exports, imports;
    std::vector<ContractVariety> contracts;
    std::string exported;
    for (int i = 0; i <= runs; ++i) {
        const bool coreFirst = i % 2 == 0;
        Times core, floor;
        if (coreFirst) core = runCore(sim, file.string());
        if (exported.empty()) {
            std::ifstream in(file, std::ios::binary);
            exported.assign(std::istreambuf_iterator<char>(in), {});
            contracts = core.contracts;
        }
        floor = runFloor(sim, contracts, "手续费模板1", "02", i, floorFile.string(), exported);
        if (!coreFirst) core = runCore(sim, file.string());
        if (i == 0) continue;
        exports.add(core.exportSeconds, floor.exportSeconds);
        imports.add(core.importSeconds, floor.importSeconds);
    }
    fs::remove(file);
    fs::remove(floorFile);
    exports.print("template export (3000 contracts)");
    imports.print("template import (3000 lines)");
    return 0;
}
