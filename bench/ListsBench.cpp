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
#include "app/lists/AccountListPages.h"
#include "app/lists/AccountListRequests.h"
#include "app/session/HeapPolicy.h"
#include "app/session/Login.h"
#include "core/CoreDesk.h"
#include "local/WholeFile.h"

namespace korvant::bench {
namespace {

namespace fs = std::filesystem;

constexpr int32_t From = 19900101;
constexpr int32_t To = 20991231;

[[noreturn]] void fail(const char* what) {
    std::fprintf(stderr, "korvant-bench-lists: %s failed\n", what);
    std::exit(1);
}

class ExportPort : public LoginOnlyPort {
public:
    std::string file;
    void showMessage(const Message& m) override {
        // Only the export's own notice is expected; anything else (a refusal
        // of the login, a cap reached) is printed.
        if (m.text.rfind("数据保存成功", 0) != 0) LoginOnlyPort::showMessage(m);
    }
    // The file of the run before is replaced.
    bool askYesNo(const Message&) override { return true; }
    bool showForm(Form& form, const FormValidator& validator) override {
        if (typeid(form) == typeid(DepositExportForm)) {
            auto* f = static_cast<DepositExportForm*>(&form);
            f->startDate = From;
            f->endDate = To;
            f->path = file;
            return !validator || validator(form);
        }
        return LoginOnlyPort::showForm(form, validator);
    }
};

// The desk's core, logged in (before any clock runs).
struct Core {
    ExportPort port;
    CoreDesk desk{port};
    explicit Core(const SimLauncher& sim, const std::string& file) {
        port.file = file;
        const LoginOptions options = simLogin(sim.host(), sim.port());
        if (login(desk, options) != LoginResult::LoggedIn) fail("login");
    }

    double list() {
        const auto start = Clock::now();
        if (!loadAllAccountPages(desk, AccountList::SubAccounts, -1, SearchFilter{}))  // "全部"
            fail("sub-account list");
        return since(start);
    }
    int rows() { return desk.accounts().subAccounts.count(); }

    double exportRecords() {
        DepositRecordsPage& page = depositRecordsPage(desk);
        page.startDate = From;
        page.endDate = To;
        const auto start = Clock::now();
        if (!exportDepositRecords(desk, page)) fail("deposit-records export");
        return since(start);
    }
};

double floorList(RawClient& c) {
    const auto start = Clock::now();
    c.readAllPages([](int p, uint8_t* b, int n) {
        return writeSubAccountListRequest(-1, SearchFilter{}, p, b, n);
    });
    return since(start);
}

double floorExport(RawClient& c, const std::string& file, const std::string& bytes) {
    const auto start = Clock::now();
    c.readAllPages([](int p, uint8_t* b, int n) {
        DepositRecordsQuery q;
        q.startDate = From;
        q.endDate = To;
        q.page = p;
        return writeDepositRecordsQuery(q, b, n);
    });
    if (!writeWholeFile(file, bytes)) fail("floor file");
    return since(start);
}

std::string fileBytes(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string{std::istreambuf_iterator<char>(in), {}};
}

}  // namespace
}  // namespace korvant::bench

int main(int argc, char** argv) {
    // The heap as the desk and the command line keep it.
    korvant::keepHeapForLargeReads();
    using namespace korvant::bench;
    int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;
    SimLauncher sim("large");
    if (!sim.ok()) {
        std::fprintf(stderr, "korvant-sim did not start\n");
        return 1;
    }
    const fs::path file = fs::temp_directory_path() / "korvant-bench-出入金记录.csv";
    const fs::path floorFile = fs::temp_directory_path() / "korvant-bench-floor.csv";
    PairedTimes list, ex;
    int rows = 0;
    std::string bytes;
    // Each run measures the project and its floor one right after the other,
    // the project first in even runs and second in odd ones; the first run
    // is a warm-up. A fresh desk each run: the list is read cold.
    for (int i = 0; i <= runs; ++i) {
        Core core(sim, file.string());
        RawClient raw(sim.host(), sim.port());
        const bool coreFirst = i % 2 == 0;
        double c = 0, f = 0;
        if (coreFirst) c = core.list();
        f = floorList(raw);
        if (!coreFirst) c = core.list();
        rows = core.rows();
        if (i > 0) list.add(c, f);
        if (bytes.empty()) {  // the floor writes the bytes of the desk's file
            core.exportRecords();
            bytes = fileBytes(file);
        }
        if (coreFirst) c = core.exportRecords();
        f = floorExport(raw, floorFile.string(), bytes);
        if (!coreFirst) c = core.exportRecords();
        if (i > 0) ex.add(c, f);
    }
    fs::remove(file);
    fs::remove(floorFile);
    list.print("sub-account list of 全部 (" + std::to_string(rows) + " rows)");
    ex.print("deposit-records export");
    return 0;
}
