#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "local/TableLayout.h"
#include "local/TableSink.h"
#include "model/ContractVariety.h"
#include "templates/RateRow.h"
#include "templates/TemplateKind.h"

// The template CSV files "手续费 %s.csv" and "保证金 %s.csv": a header line,
// then one line per contract: exchange, contract, the values, the discount
// (fee only) and the collection mode, CR LF line ends, GBK in the file.
// The texts here are UTF-8 unless a function says GBK.
namespace korvant {

// The longest line the import reads, without its terminating NUL.
inline constexpr int MaxCsvLineBytes = 511;
// A field keeps at most this many bytes.
inline constexpr int MaxCsvFieldBytes = 15;

// The header line with its CR LF.
std::string templateCsvHeader(const TemplateKind& kind);
// The line of one contract with its CR LF.
std::string templateCsvLine(const TemplateKind& kind, const ContractVariety& contract,
                            const RateRow& row);

// The columns of an export (the header line's captions; the values trimmed,
// nothing for 0), the sheet "手续费模板" / "保证金模板" of a workbook.
TableLayout templateLayout(const TemplateKind& kind);
// One contract's cells, then the row's end.
void writeTemplateRow(TableSink& sink, const TemplateKind& kind, const ContractVariety& contract,
                      const RateRow& row);

// The lines of one export, appended one after the other.
class TemplateCsvLines {
public:
    explicit TemplateCsvLines(const TemplateKind& kind);
    void append(std::string& out, const ContractVariety& contract, const RateRow& row);

private:
    const TemplateKind& kind_;
    TableLayout layout_;
};

// One line of a file to import, read from its GBK bytes.
struct CsvRateLine {
    std::string exchange;  // UTF-8
    std::string contract;  // UTF-8
    RateRow row;
    // A contract listed without rates (every value, the discount empty and
    // the collection field starting with a carriage return): not sent.
    bool withoutRates = false;
};
// Fields are separated by commas and bars. A field that starts with a
// double quote is quoted as a spreadsheet saves it: separators and line
// breaks inside it are text, "" is one quote. A contract or exchange code
// written with a quote in front of a formula start ("'=x") reads as the
// code itself.
CsvRateLine parseTemplateCsvLine(const TemplateKind& kind, std::string_view gbkLine);

// The bytes of a file to import as GBK: a file that is valid UTF-8 and not
// plain ASCII is UTF-8 (a byte order mark in front or not) and is
// converted; anything else is taken as GBK.
std::string importTextAsGbk(std::string_view fileBytes);

// The lines of a file's bytes, each with its line end ("\n" and anything
// before it, a "\r" included); the last may have none. A line break inside
// a quoted field does not end the line.
struct CsvFileLine {
    std::string_view bytes;
    int number = 0;  // from 1
};
class CsvLineReader {
public:
    explicit CsvLineReader(std::string_view bytes) : rest_(bytes) {}
    // The next line; false at the end.
    bool next(CsvFileLine& line);

private:
    std::string_view rest_;
    int number_ = 0;
};
std::vector<CsvFileLine> splitCsvLines(std::string_view bytes);
// True for a line longer than the import reads at once.
bool csvLineTooLong(std::string_view line);
// True for a line holding nothing but blanks and its line end.
bool csvLineBlank(std::string_view line);

// What an import file holds after its header line, counted before anything
// is sent.
struct TemplateCsvCount {
    int lines = 0;    // after the header, blank lines left out
    int usable = 0;   // lines that are sent
    int tooLong = 0;  // lines longer than MaxCsvLineBytes, not sent
};
TemplateCsvCount countTemplateCsv(const TemplateKind& kind, std::string_view gbk);

// The name of an imported template: the file name after the last "/" or
// "\\" without its last four characters (the extension), without the
// kind's prefix "手续费 " / "保证金 ", cut to 63 bytes.
std::string templateNameFromPath(const TemplateKind& kind, const std::string& path);

// The suggested export file name "手续费 %s.csv" / "保证金 %s.csv"; characters
// that cannot stand in a file name ("/", "\\", ":", "*", "?", "\"", "<",
// ">", "|" and control characters) become "_", so the name stays in the
// chosen folder.
std::string templateExportName(const TemplateKind& kind, const std::string& templateName);

// `path` with ".csv" appended unless it ends in ".csv" (any case).
std::string withCsvExtension(const std::string& path);
// The file of an export: `path` as it is when it ends in ".csv" or ".xlsx"
// (any case, the latter a workbook), else with ".csv" appended.
std::string withExportExtension(const std::string& path);

}  // namespace korvant
