#include <cstdlib>
#include <iostream>
#include <string>

#include "SimServer.h"

namespace {

void usage(std::ostream& out) {
    out << "usage: korvant-sim [--host ADDR] [--port N] [--data demo|large|empty] [--seed N] "
           "[--verbose]\n";
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
        } else if (arg == "--host") {
            options.host = value();
        } else if (arg == "--port") {
            options.port = std::atoi(value().c_str());
        } else if (arg == "--data") {
            options.data = value();
        } else if (arg == "--seed") {
            options.seed = static_cast<uint32_t>(std::strtoul(value().c_str(), nullptr, 10));
        } else if (arg == "--verbose") {
            options.verbose = true;
        } else {
            usage(std::cerr);
            return 2;
        }
    }
    return korvant::sim::runServer(options);
}
