// Fetching the month's statement of the busiest customer of
// `korvant-sim --data large` (over 1 MB, about a hundred chunks) through the
// desk's core, against a floor that sends the same chunk requests and drops
// the answers; then the statement rendered to PDF as printed (pages/s).
#include <QBuffer>
#include <QGuiApplication>
#include <QPdfWriter>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "BenchTable.h"
#include "LoginOnlyPort.h"
#include "RawClient.h"
#include "SimLauncher.h"
#include "app/Login.h"
#include "core/CoreDesk.h"
#include "print/StatementPrint.h"
#include "protocol/Gbk.h"
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

}  // namespace
}  // namespace korvant::bench

int main(int argc, char** argv) {
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
    LoginOptions options;
    options.endpoint = ServerEndpoint{sim.host(), sim.port()};
    options.mac = "001A2B3C4D5E";
    options.rememberLogin = false;
    options.showProgress = false;
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
    std::printf("row\tstatement to PDF (%d pages)\t%.0f pages/s\t-\t-\n", pages, median(rates));
    return 0;
}
