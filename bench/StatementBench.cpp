// Fetching the month's statement of the busiest customer of
// `korvant-sim --data large` (over 1 MB, about a hundred chunks) through the
// desk's core, against a floor that sends the same chunk requests and drops
// the answers; the batch export of a desk group's statements of a day
// (files a second) against the same list and chunk requests raw, each
// statement written to a file the same way; then the statement rendered to
// PDF as printed (pages/s).
#include <QBuffer>
#include <QGuiApplication>
#include <QPdfWriter>

#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "BenchTable.h"
#include "LoginOnlyPort.h"
#include "RawClient.h"
#include "SimLauncher.h"
#include "app/pages/ReportPage.h"
#include "app/session/HeapPolicy.h"
#include "app/session/Login.h"
#include "core/CoreDesk.h"
#include "local/WholeFile.h"
#include "model/Group.h"
#include "print/StatementPrint.h"
#include "protocol/CommandCode.h"
#include "protocol/Gbk.h"
#include "reports/statements/StatementNames.h"
#include "reports/statements/StatementPage.h"

namespace korvant::bench {
namespace {

constexpr const char* Account = "101001";

// Last month as yyyymm.
int32_t lastMonth() {
    namespace chr = std::chrono;
    const chr::year_month_day d(chr::floor<chr::days>(chr::system_clock::now()) - chr::days(31));
    return static_cast<int32_t>(static_cast<int>(d.year()) * 100 +
                                static_cast<int>(static_cast<unsigned>(d.month())));
}

StatementRequest request() {
    StatementRequest r;
    r.start = lastMonth();
    r.targetText = Account;
    r.targetId = -1;
    return r;
}

// The same chunk requests, the answers received and dropped.
std::size_t fetchRaw(RawClient& c) {
    StatementRequest r = request();
    std::vector<uint8_t> packet(StatementRequestSize);
    std::size_t bytes = 0;
    for (r.chunk = 0; r.chunk < 100000; ++r.chunk) {
        const int n = writeStatementRequest(r, packet.data(), StatementRequestSize);
        const int length = c.exchange(packet.data(), n);
        bytes += static_cast<std::size_t>(length > 8 ? length - 8 : 0);
        if (length != 10248) break;
    }
    return bytes;
}

// The batch's day and its folders.
constexpr int32_t BatchDay = 20261102;

StatementBatchForm batchForm(const std::filesystem::path& folder) {
    StatementBatchForm form;
    form.from = BatchDay;
    form.to = BatchDay;
    form.folder = folder.string();
    return form;
}

// The batch raw: every page of the list, then the chunks of each entry's
// statement written to its file. The files written.
int batchRaw(RawClient& c, const ReportTarget& target, const std::vector<StatementEntry>& entries,
             const std::filesystem::path& folder) {
    c.readAllPages([&](int p, uint8_t* b, int n) {
        StatementListRequest r;
        r.start = BatchDay;
        r.end = BatchDay;
        r.targetId = target.id;
        r.targetText = target.text;
        r.page = p;
        return writeStatementListRequest(r, b, n);
    });
    std::vector<uint8_t> packet(StatementRequestSize);
    int files = 0;
    for (const StatementEntry& entry : entries) {
        StatementRequest r;
        r.start = entry.day;
        r.targetText = std::to_string(entry.account);
        std::string text;
        for (r.chunk = 0; r.chunk < 100000; ++r.chunk) {
            const int n = writeStatementRequest(r, packet.data(), StatementRequestSize);
            const int length = c.exchange(packet.data(), n);
            if (length > 8)
                text.append(reinterpret_cast<const char*>(c.buffer.data()) + 8,
                            static_cast<std::size_t>(length - 8));
            if (length != 10248) break;
        }
        files += writeWholeFile(
            (folder / batchStatementFileName(entry.account, entry.day, false)).string(), text);
    }
    return files;
}

// The statements of one day of a desk group: files a second, the core's
// batch export against the raw batch.
void batchRow(CoreDesk& desk, RawClient& raw, int runs) {
    namespace fs = std::filesystem;
    const Group* group = nullptr;
    for (const Group& g : desk.reference().groups.records)
        if (g.groupCode.size() == 4) {
            group = &g;
            break;
        }
    if (group == nullptr) std::exit(1);
    const ReportTarget target{group->id, group->name, true};
    const fs::path base =
        fs::temp_directory_path() / ("korvant-bench-batch-" + std::to_string(::getpid()));
    const fs::path coreFolder = base / "core", rawFolder = base / "raw";
    fs::create_directories(rawFolder);
    std::vector<StatementEntry> entries;
    PairedTimes times;
    int files = 0;
    for (int i = 0; i <= runs; ++i) {
        double core = 0, floor = 0;
        for (int half = 0; half < 2; ++half) {
            const auto start = Clock::now();
            if ((half == 0) == (i % 2 == 0)) {
                const StatementBatchResult r =
                    exportStatements(desk, target, batchForm(coreFolder));
                core = since(start);
                if (!r.complete()) std::exit(1);
                files = r.written;
            } else if (!entries.empty()) {
                batchRaw(raw, target, entries, rawFolder);
                floor = since(start);
            }
        }
        if (entries.empty()) {  // the raw batch asks for the entries the core listed
            for (const auto& file : fs::directory_iterator(coreFolder)) {
                const std::string name = file.path().stem().string();
                const std::size_t cut = name.find('_');
                if (cut == std::string::npos) continue;
                entries.push_back(
                    {std::stoi(name.substr(0, cut)), std::stoi(name.substr(cut + 1))});
            }
            continue;  // the first run composes the statements on the server
        }
        if (i > 0) times.add(core, floor);
    }
    fs::remove_all(base);
    // As files a second: the floor's rate over the core's.
    const double coreRate = files / median(times.project);
    const double floorRate = files / median(times.floor);
    printRow("statement batch of a desk group's day (" + std::to_string(files) + " files; files/s)",
             coreRate, floorRate, floorRate / coreRate, BulkGoal, "files/s");
}

}  // namespace
}  // namespace korvant::bench

int main(int argc, char** argv) {
    // The heap as the desk and the command line keep it.
    korvant::keepHeapForLargeReads();
    using namespace korvant;
    using namespace korvant::bench;
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 11;
    SimLauncher sim("large");
    if (!sim.ok()) {
        std::fprintf(stderr, "korvant-sim did not start\n");
        return 1;
    }
    LoginOnlyPort port;
    CoreDesk desk(port);
    const LoginOptions options = simLogin(sim.host(), sim.port());
    if (login(desk, options) != LoginResult::LoggedIn) return 1;
    RawClient raw(sim.host(), sim.port());

    // The first run composes the statement on the server and is not counted.
    PairedTimes times;
    std::string text;
    for (int i = 0; i <= runs; ++i) {
        double core = 0, floor = 0;
        for (int half = 0; half < 2; ++half) {
            if ((half == 0) == (i % 2 == 0)) {
                const auto start = Clock::now();
                StatementFetch fetch = fetchStatement(desk, request());
                core = since(start);
                if (fetch.outcome != StatementFetch::Outcome::Text) return 1;
                text = std::move(fetch.gbk);
            } else {
                const auto start = Clock::now();
                fetchRaw(raw);
                floor = since(start);
            }
        }
        if (i > 0) times.add(core, floor);
    }
    times.print("statement of " + std::to_string(text.size() / 1024) + " KiB");
    batchRow(desk, raw, runs);

    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    const QString shown = QString::fromStdString(fromGbk(text));
    std::vector<double> rates;
    int pages = 0;
    for (int i = 0; i < 3; ++i) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setResolution(1000);
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        const auto start = Clock::now();
        if (!print::paintStatement(writer, shown, &pages)) return 1;
        rates.push_back(pages / since(start));
    }
    printFigure("statement to PDF (" + std::to_string(pages) + " pages)",
                std::to_string(static_cast<int>(median(rates) + 0.5)) + " pages/s");
    return 0;
}
