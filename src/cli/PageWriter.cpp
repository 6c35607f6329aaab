#include "cli/PageWriter.h"

#include <algorithm>
#include <ostream>
#include <vector>

#include "app/pages/ReportPage.h"
#include "cli/ControlEscape.h"
#include "cli/JsonText.h"
#include "cli/Tsv.h"
#include "local/CsvText.h"

namespace korvant::cli {
namespace {

constexpr const char* PasswordMask = "******";

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
    auto cells = [&](int row) {
        std::vector<std::string> cells = page.cells(row);
        for (std::size_t i = 0; i < std::min(cells.size(), columns.size()); ++i)
            if (!showPasswords_ && columns[i].caption == "密码" &&
                cells[i].find_first_not_of('*') != std::string::npos)
                cells[i] = PasswordMask;
        return shown(columns, std::move(cells));
    };
    for (int row = 0; row < page.recordCount(); ++row) {
        switch (format_) {
            case OutputFormat::Tsv:
                writeTsvRow(*out_, cells(row));
                break;
            case OutputFormat::Csv:
                writeLine(csvLine(cells(row)));
                break;
            case OutputFormat::Json: {
                std::vector<RawValue> values = page.rawValues(row);
                for (std::size_t i = 0; i < std::min(names.size(), values.size()); ++i)
                    if (!showPasswords_ && names[i] == "password")
                        values[i] = std::string(PasswordMask);
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
