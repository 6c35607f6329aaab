#pragma once

#include <string>

namespace CLI {
class App;
}

namespace korvant {
class Desk;
class ReportQueryPage;
}  // namespace korvant

// What a report command reports on, as in the desk: `--group ID`, a group
// node of the report tree (its id and name), or `--account A`, the account
// typed into the page's "客户号:" field (target -1).
namespace korvant::cli {

class CliContext;

struct ReportTargetOptions {
    int group = -1;
    std::string account;

    // Declares --group and --account (one of them is required).
    void add(CLI::App& app);
    // False, after saying why on stderr, when neither or both were given.
    bool check(CliContext& context) const;
    // Gives `page` its target as a node chosen in the report tree would,
    // or its typed account (taken by the page's search).
    // False, after "没有组 ID", for a group the desk does not hold.
    bool applyTo(Desk& desk, ReportQueryPage& page) const;
};

}  // namespace korvant::cli
