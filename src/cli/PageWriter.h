#pragma once

#include <iosfwd>
#include <string>

#include "cli/GlobalOptions.h"

namespace korvant {
class ReportPage;
}

// The rows of report pages on stdout in the format of --format, written row
// by row as the pages come (a long list is never held as one text):
//   tsv   the captions of the shown columns, then the cells (escapeControls)
//   csv   the same as CSV for scripts: UTF-8, LF line ends, the cells
//         escaped as in TSV, then the desk's CSV cell rule (CsvText.h)
//   json  one array for the whole run, one object a record with the page's
//         raw fields (ReportPage::fieldNames and rawValues)
// Passwords (the column "密码", the field "password") are written "******"
// unless showPasswords(true) was called: output meant for files holds no
// credentials by default. A cell the desk already shows as stars stays.
namespace korvant::cli {

class PageWriter {
public:
    PageWriter(std::ostream& out, OutputFormat format) : out_(&out), format_(format) {}

    // The captions (TSV, CSV); nothing for JSON.
    void writeHeader(const ReportPage& page);
    // The rows of the page's records.
    void writeRows(const ReportPage& page);
    // Closes the JSON array of the rows written (an empty list: "[]"); no
    // output when no page was written.
    void finish();
    void showPasswords(bool show) { showPasswords_ = show; }

private:
    void writeLine(const std::string& line);

    std::ostream* out_;
    OutputFormat format_;
    bool used_ = false;
    bool jsonOpen_ = false;
    bool showPasswords_ = false;
};

}  // namespace korvant::cli
