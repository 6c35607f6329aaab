#include <cstdlib>
#include <iostream>
#include <string>

#include "SimServer.h"

namespace {

void usage(std::ostream& out) {
    out << "usage: korvant-sim [--host ADDR] [--port N] [--data demo|large|empty] [--seed N] "
           "[--scale N] [--idle-timeout SECONDS] [--latency MS] [--stall-after N] [--verbose] "
           "[--version]\n"
           "  --host ADDR   address to listen on (default 127.0.0.1)\n"
           "  --port N      port to listen on (default 9950; 0 picks a free port)\n"
           "  --data NAME   data set: demo (default), large (benchmarks) or empty\n"
           "  --seed N      seed of the generated data (default 1)\n"
           "  --scale N     large set only: N times the customers of each desk (1 to 64,\n"
           "                default 1; 50 000 sub-accounts at 1)\n"
           "  --idle-timeout SECONDS\n"
           "                close a connection without any request for this long (default "
           "150)\n"
           "  --latency MS  write every answer MS milliseconds late (a slow link; 0 to "
           "60000)\n"
           "  --stall-after N\n"
           "                answer the first N requests of a connection, then nothing more "
           "(a stalled server)\n"
           "  --verbose     one line per request on stderr\n"
           "  --version     print the version and exit\n"
           "Reports: every customer has orders, trades, positions and funds on weekdays\n"
           "(demo: the last six weeks; large: 2020 to 2027). The large set at scale 1 holds\n"
           "over 1 000 000 trades from 20261101 to 20261130 for the whole tree (group\n"
           "id 1, the root of the report tree).\n"
           "The first line on stdout is \"listening on ADDR:PORT\". SIGINT or SIGTERM stops "
           "the server.\n";
}

// A whole decimal number within [low, high], or -1.
long number(const std::string& text, long low, long high) {
    if (text.empty() || text.size() > 10) return -1;
    for (char ch : text)
        if (ch < '0' || ch > '9') return -1;
    long v = std::strtol(text.c_str(), nullptr, 10);
    return v < low || v > high ? -1 : v;
}

}  // namespace

int main(int argc, char** argv) {
    korvant::sim::SimOptions options;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        auto value = [&]() -> std::string {
            if (i + 1 >= argc) {
                usage(std::cerr);
                std::exit(2);
            }
            return argv[++i];
        };
        if (arg == "--help" || arg == "-h") {
            usage(std::cout);
            return 0;
        } else if (arg == "--version") {
            std::cout << "korvant-sim " << KORVANT_VERSION << '\n';
            return 0;
        } else if (arg == "--host") {
            options.host = value();
        } else if (arg == "--port") {
            long port = number(value(), 0, 65535);
            if (port < 0) {
                std::cerr << "korvant-sim: --port takes a number from 0 to 65535\n";
                return 2;
            }
            options.port = static_cast<int>(port);
        } else if (arg == "--data") {
            options.data = value();
        } else if (arg == "--seed") {
            long seed = number(value(), 0, 4294967295L);
            if (seed < 0) {
                std::cerr << "korvant-sim: --seed takes a whole number\n";
                return 2;
            }
            options.seed = static_cast<uint32_t>(seed);
        } else if (arg == "--scale") {
            long scale = number(value(), 1, 64);
            if (scale < 0) {
                std::cerr << "korvant-sim: --scale takes a number from 1 to 64\n";
                return 2;
            }
            options.scale = static_cast<int>(scale);
        } else if (arg == "--idle-timeout") {
            long seconds = number(value(), 1, 86400);
            if (seconds < 0) {
                std::cerr << "korvant-sim: --idle-timeout takes a number of seconds from 1 to "
                             "86400\n";
                return 2;
            }
            options.idleTimeoutMs = static_cast<int>(seconds * 1000);
        } else if (arg == "--latency") {
            long ms = number(value(), 0, 60000);
            if (ms < 0) {
                std::cerr << "korvant-sim: --latency takes milliseconds from 0 to 60000\n";
                return 2;
            }
            options.latencyMs = static_cast<int>(ms);
        } else if (arg == "--stall-after") {
            long answers = number(value(), 0, 2000000000L);
            if (answers < 0) {
                std::cerr << "korvant-sim: --stall-after takes a whole number of answers\n";
                return 2;
            }
            options.stallAfter = answers;
        } else if (arg == "--verbose") {
            options.verbose = true;
        } else {
            usage(std::cerr);
            return 2;
        }
    }
    return korvant::sim::runServer(options);
}
