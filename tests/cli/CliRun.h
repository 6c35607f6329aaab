#pragma once

#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "cli/CliApp.h"
#include "cli/CliContext.h"
#include "support/SimProcess.h"

// Runs korvant-cli in-process with string streams, as the CLI tests do.
namespace korvant::test {

struct CliRun {
    int status = -1;
    // Forms an operation asked the command line to show (there should be none).
    int forms = 0;
    std::string out;
    std::string err;
    bool outHas(const std::string& text) const { return out.find(text) != std::string::npos; }
    bool errHas(const std::string& text) const { return err.find(text) != std::string::npos; }
    std::vector<std::string> outLines() const {
        std::vector<std::string> lines;
        std::istringstream in(out);
        for (std::string line; std::getline(in, line);) lines.push_back(line);
        return lines;
    }
};

// `env` stands in for the process environment; `input` for standard input.
inline CliRun runCli(const std::vector<std::string>& args, const std::string& input = "",
                     std::map<std::string, std::string> env = {}) {
    std::ostringstream out, err;
    std::istringstream in(input);
    cli::CliContext context(out, err, in);
    context.environment = [env](const std::string& name) -> std::optional<std::string> {
        auto it = env.find(name);
        if (it == env.end()) return std::nullopt;
        return it->second;
    };
    CliRun run;
    run.status = cli::runCli(args, context);
    run.forms = context.port().formCount();
    run.out = out.str();
    run.err = err.str();
    return run;
}

// Runs `command` logged in to `sim` as admin with `password`; `yes` answers
// every confirmation Yes.
inline CliRun runAsAdmin(const SimProcess& sim, const std::string& password,
                         const std::vector<std::string>& command, bool yes = false) {
    std::vector<std::string> args = {"--host", sim.host(), "--port",     std::to_string(sim.port()),
                                     "--user", "admin",    "--password", password};
    if (yes) args.push_back("--yes");
    args.insert(args.end(), command.begin(), command.end());
    return runCli(args);
}

}  // namespace korvant::test
