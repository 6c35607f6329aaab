#pragma once

#include <optional>
#include <string>

// The options every command takes: where the local files are, which server,
// who logs in, how confirmations are answered and how lists are printed.
namespace korvant::cli {

// --format: how lists are printed on stdout (PageWriter.h); Xlsx only for
// the files of the table exports (a workbook), never on stdout.
enum class OutputFormat { Tsv, Csv, Json, Xlsx };

struct GlobalOptions {
    std::string dir;  // empty: the folder the local-folder rule chooses
    std::optional<int> serverIndex;
    std::string host;
    std::optional<int> port;
    std::optional<std::string> user;
    std::optional<std::string> password;
    bool passwordStdin = false;
    std::optional<std::string> mac;
    bool yes = false;
    // Seconds without a byte of an awaited answer after which the connection
    // counts as lost (default 30).
    std::optional<int> timeoutSeconds;
    // Lists: every page (one header), the format, and no status rows, page
    // labels or progress on stderr (messages still).
    bool all = false;
    OutputFormat format = OutputFormat::Tsv;
    bool quiet = false;
};

}  // namespace korvant::cli
