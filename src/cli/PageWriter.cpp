#include "cli/PageWriter.h"

#include <algorithm>
#include <ostream>
#include <vector>

#include "app/ReportPage.h"
#include "cli/ControlEscape.h"
#include "cli/JsonText.h"
#include "cli/Tsv.h"
#include "local/CsvText.h"

namespace korvant::cli {
namespace {

// The cells of the shown columns (cells beyond the columns are kept).
std::vector<std::string> shown(const std::vector<ReportColumn>& columns,
                               std::vector<std::string> cells) {
    std::vector<std::string> kept;
    kept.reserve(cells.size());
    for (std::size_t i = 0; i < cells.size(); ++i)
        if (i >= columns.size() || !columns[i].hidden) kept.push_back(std::move(cells[i]));
    return kept;
}

std::string csvLine(const std::vector<std::string>& cells) {
    std::string line;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        if (i > 0) line += ',';
        appendCsvCell(line, escapeControls(cells[i]));
    }
    return line + '\n';
}

}  // namespace

void PageWriter::writeLine(const std::string& line) {
    out_->write(line.data(), static_cast<std::streamsize>(line.size()));
}

void PageWriter::writeHeader(const ReportPage& page) {
    if (format_ == OutputFormat::Json) return;
    std::vector<std::string> captions;
    for (const ReportColumn& column : page.columns())
        if (!column.hidden) captions.push_back(column.caption);
    if (format_ == OutputFormat::Csv)
        writeLine(csvLine(captions));
    else
        writeTsvRow(*out_, captions);
}

void PageWriter::writeRows(const ReportPage& page) {
    used_ = true;
    const std::vector<ReportColumn>& columns = page.columns();
    const std::vector<std::string> names =
        format_ == OutputFormat::Json ? page.fieldNames() : std::vector<std::string>();
    for (int row = 0; row < page.recordCount(); ++row) {
        switch (format_) {
            case OutputFormat::Tsv:
                writeTsvRow(*out_, shown(columns, page.cells(row)));
                break;
            case OutputFormat::Csv:
                writeLine(csvLine(shown(columns, page.cells(row))));
                break;
            case OutputFormat::Json: {
                const std::vector<RawValue> values = page.rawValues(row);
                std::string line = jsonOpen_ ? ",\n{" : "[\n{";
                jsonOpen_ = true;
                for (std::size_t i = 0; i < std::min(names.size(), values.size()); ++i) {
                    if (i > 0) line += ',';
                    appendJsonString(line, names[i]);
                    line += ':';
                    appendJsonValue(line, values[i]);
                }
                writeLine(line + '}');
                break;
            }
        }
    }
    out_->flush();
}

void PageWriter::finish() {
    if (format_ != OutputFormat::Json || !used_) return;
    // An empty list is an empty array; the opening bracket came with the
    // first record.
    writeLine(jsonOpen_ ? "\n]\n" : "[]\n");
    jsonOpen_ = false;
    used_ = false;
    out_->flush();
}

}  // namespace korvant::cli
