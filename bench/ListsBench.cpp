// The bulk lists of `korvant-sim --data large` through the desk's core,
// each against a floor of the same requests with the answers dropped: every
// page of the sub-account list of "全部" (50 000 rows) and the export of
// the deposit records (every page, then the file written; the floor writes
// a file of the same bytes the same way, since no export can skip that).
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "BenchTable.h"
#include "LoginOnlyPort.h"
#include "RawClient.h"
#include "SimLauncher.h"
#include "accounts/deposits/DepositRecordsPage.h"
#include "accounts/deposits/DepositRequests.h"
#include "app/AccountListPages.h"
#include "app/AccountListRequests.h"
#include "app/Login.h"
#include "core/CoreDesk.h"
#include "local/WholeFile.h"

namespace korvant::bench {
namespace {

namespace fs = std::filesystem;

constexpr int32_t From = 19900101;
constexpr int32_t To = 20991231;

class ExportPort : public LoginOnlyPort {
public:
    std::string file;
    void showMessage(const Message&) override {}
    bool editForm(Form& form, const FormValidator& validator) override {
        if (auto* f = dynamic_cast<DepositExportForm*>(&form)) {
            f->startDate = From;
            f->endDate = To;
            f->path = file;
            return !validator || validator(form);
        }
        return LoginOnlyPort::editForm(form, validator);
    }
};

struct CoreTimes {
    double list = 0;
    int rows = 0;
    double exportSeconds = 0;
};

CoreTimes runCore(const SimLauncher& sim, const std::string& file) {
    ExportPort port;
    port.file = file;
    CoreDesk desk(port);
    LoginOptions options;
    options.endpoint = ServerEndpoint{sim.host(), sim.port()};
    options.mac = "001A2B3C4D5E";
    options.rememberLogin = false;
    options.showProgress = false;
    if (login(desk, options) != LoginResult::LoggedIn) std::exit(1);
    CoreTimes t;
    desk.mainState().group.id = -1;  // "全部"
    desk.mainState().filter = SearchFilter{};
    auto start = Clock::now();
    if (!loadAllAccountPages(desk, AccountList::SubAccounts)) std::exit(1);
    t.list = since(start);
    t.rows = desk.accounts().subAccounts.count();
    DepositRecordsPage& page = depositRecordsPage(desk);
    page.startDate = From;
    page.endDate = To;
    start = Clock::now();
    if (!exportDepositRecords(desk, page)) std::exit(1);
    t.exportSeconds = since(start);
    return t;
}

struct FloorTimes {
    double list = 0;
    double exportSeconds = 0;
};

FloorTimes runFloor(const SimLauncher& sim, const std::string& file, const std::string& bytes) {
    RawClient c(sim.host(), sim.port());
    FloorTimes t;
    auto start = Clock::now();
    c.readAllPages([](int p, uint8_t* b, int n) {
        return writeSubAccountListRequest(-1, SearchFilter{}, p, b, n);
    });
    t.list = since(start);
    start = Clock::now();
    c.readAllPages([](int p, uint8_t* b, int n) {
        DepositRecordsQuery q;
        q.startDate = From;
        q.endDate = To;
        q.page = p;
        return writeDepositRecordsQuery(q, b, n);
    });
    if (!writeWholeFile(file, bytes)) std::exit(1);
    t.exportSeconds = since(start);
    return t;
}

}  // namespace
}  // namespace korvant::bench

int main(int argc, char** argv) {
    using namespace korvant::bench;
    int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 7;
    SimLauncher sim("large");
    if (!sim.ok()) {
        std::fprintf(stderr, "korvant-sim did not start\n");
        return 1;
    }
    const fs::path file = fs::temp_directory_path() / "korvant-bench-出入金记录.csv";
    const fs::path floorFile = fs::temp_directory_path() / "korvant-bench-floor.csv";
    std::vector<double> list, listFloor, ex, exFloor;
    int rows = 0;
    for (int i = 0; i <= runs; ++i) {  // the first of each is a warm-up
        CoreTimes core = runCore(sim, file.string());
        std::ifstream in(file, std::ios::binary);
        const std::string bytes{std::istreambuf_iterator<char>(in), {}};
        FloorTimes floor = runFloor(sim, floorFile.string(), bytes);
        if (i == 0) continue;
        rows = core.rows;
        list.push_back(core.list);
        listFloor.push_back(floor.list);
        ex.push_back(core.exportSeconds);
        exFloor.push_back(floor.exportSeconds);
    }
    fs::remove(file);
    fs::remove(floorFile);
    printRow("sub-account list of 全部 (" + std::to_string(rows) + " rows)", median(list) * 1000,
             median(listFloor) * 1000);
    printRow("deposit-records export", median(ex) * 1000, median(exFloor) * 1000);
    return 0;
}
