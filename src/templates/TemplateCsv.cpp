#include "templates/TemplateCsv.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <tuple>

#include "local/CsvLines.h"
#include "local/CsvText.h"
#include "protocol/Gbk.h"
#include "text/NumberText.h"

namespace korvant {
namespace {

bool startsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

std::string_view trimBlanks(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    return text;
}

}  // namespace

std::string templateCsvHeader(const TemplateKind& kind) {
    std::string out = "市场,合约,";
    for (const RateValueSpec& v : kind.values) out += v.csvHeader;
    if (kind.hasDiscount) out += "平今优惠方式,";
    out += "收取方式\r\n";
    return out;
}

std::string templateCsvLine(const TemplateKind& kind, const ContractVariety& contract,
                            const RateRow& row) {
    std::string out;
    TemplateCsvLines(kind).append(out, contract, row);
    return out;
}

TableLayout templateLayout(const TemplateKind& kind) {
    TableLayout layout{std::string(kind.word) + "模板", {{"市场"}, {"合约"}}};
    for (const RateValueSpec& v : kind.values) {
        std::string caption = v.csvHeader;
        if (!caption.empty() && caption.back() == ',') caption.pop_back();
        layout.columns.push_back({caption, CellKind::Number, v.csvDecimals, true});
    }
    if (kind.hasDiscount) layout.columns.push_back({"平今优惠方式"});
    layout.columns.push_back({"收取方式"});
    return layout;
}

void writeTemplateRow(TableSink& sink, const TemplateKind& kind, const ContractVariety& contract,
                      const RateRow& row) {
    sink.text(contract.exchangeCode);
    sink.text(contract.contractCode);
    for (std::size_t i = 0; i < kind.values.size() && i < row.values.size(); ++i)
        sink.number(row.values[i]);
    if (kind.hasDiscount) sink.text(row.discount == 1 ? "不优惠" : "");
    sink.text(row.mode == 1 ? "绝对" : "");
    sink.endRow();
}

TemplateCsvLines::TemplateCsvLines(const TemplateKind& kind)
    : kind_(kind), layout_(templateLayout(kind)) {}

void TemplateCsvLines::append(std::string& out, const ContractVariety& contract,
                              const RateRow& row) {
    CsvLines lines(out, layout_);
    writeTemplateRow(lines, kind_, contract, row);
}

namespace {

bool isGbkLead(unsigned char c) {
    return c >= 0x81 && c <= 0xFE;
}

// Length of the character at `i`: two for a GBK pair (whose second byte may
// look like a separator), else one.
std::size_t charLength(std::string_view text, std::size_t i) {
    return isGbkLead(static_cast<unsigned char>(text[i])) && i + 1 < text.size() ? 2 : 1;
}

bool isSeparator(char c) {
    return c == ',' || c == '|';
}

// Splits a line into at most `count` fields; a quoted field loses its quotes
// ("" becomes "), bytes after its closing quote are kept as they are (the
// line end of the last field among them).
std::vector<std::string> splitFields(std::string_view line, std::size_t count) {
    std::vector<std::string> fields;
    std::size_t i = 0;
    while (fields.size() < count) {
        std::string field;
        bool quoted = i < line.size() && line[i] == '"';
        if (quoted) ++i;
        while (i < line.size()) {
            const char c = line[i];
            if (quoted) {
                if (c == '"') {
                    if (i + 1 < line.size() && line[i + 1] == '"') {
                        field += '"';
                        i += 2;
                        continue;
                    }
                    quoted = false;
                    ++i;
                    continue;
                }
            } else if (isSeparator(c)) {
                break;
            }
            const std::size_t n = charLength(line, i);
            field.append(line.substr(i, n));
            i += n;
        }
        fields.push_back(std::move(field));
        if (i >= line.size()) break;
        ++i;  // the separator
    }
    fields.resize(count);
    return fields;
}

}  // namespace

namespace {

// The fields of a line, each cut to MaxCsvFieldBytes and without its
// surrounding blanks. With `full` false only `withoutRates` is read (the
// count before an import); the texts and rates are left empty.
CsvRateLine readTemplateCsvLine(const TemplateKind& kind, std::string_view gbkLine, bool full) {
    static const std::string NoDiscount = toGbk("不优惠");
    static const std::string Absolute = toGbk("绝对");
    const std::size_t count = static_cast<std::size_t>(kind.csvFieldCount());
    std::vector<std::string> texts = splitFields(gbkLine, count);
    std::vector<std::string_view> fields(texts.begin(), texts.end());
    for (std::string_view& f : fields) {
        f = f.substr(0, gbkCutLength(f, MaxCsvFieldBytes));
        f = trimBlanks(f);
    }

    CsvRateLine line;
    if (full) {
        line.exchange = fromGbk(csvCellText(fields[0]));
        line.contract = fromGbk(csvCellText(fields[1]));
    }
    bool empty = true;
    std::size_t next = 2;
    for (std::size_t i = 0; i < kind.values.size(); ++i, ++next) {
        if (!fields[next].empty()) empty = false;
        if (full) line.row.values[i] = readLenient(fields[next]);
    }
    if (kind.hasDiscount) {
        const std::string_view discount = fields[next++];
        if (!discount.empty()) empty = false;
        line.row.discount = startsWith(discount, NoDiscount) ? 1 : 0;
    }
    const std::string_view collection = fields[next];
    line.row.mode = startsWith(collection, Absolute) ? 1 : 0;
    line.withoutRates = empty && startsWith(collection, "\r");
    return line;
}

}  // namespace

CsvRateLine parseTemplateCsvLine(const TemplateKind& kind, std::string_view gbkLine) {
    return readTemplateCsvLine(kind, gbkLine, true);
}

std::string importTextAsGbk(std::string_view fileBytes) {
    constexpr std::string_view Bom = "\xEF\xBB\xBF";
    if (startsWith(fileBytes, Bom)) return toGbk(fileBytes.substr(Bom.size()));
    const bool ascii = std::all_of(fileBytes.begin(), fileBytes.end(),
                                   [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    if (!ascii && isValidUtf8(fileBytes)) return toGbk(fileBytes);
    return std::string(fileBytes);
}

bool CsvLineReader::next(CsvFileLine& line) {
    if (rest_.empty()) return false;
    // A quote opens a quoted field only where a field starts.
    bool quoted = false;
    bool fieldStart = true;
    std::size_t i = 0;
    std::size_t length = rest_.size();
    while (i < rest_.size()) {
        const char c = rest_[i];
        if (quoted) {
            if (c == '"') {
                if (i + 1 < rest_.size() && rest_[i + 1] == '"')
                    ++i;
                else
                    quoted = false;
            }
        } else if (c == '\n') {
            length = i + 1;
            break;
        } else if (c == '"' && fieldStart) {
            quoted = true;
        }
        fieldStart = !quoted && isSeparator(c);
        i += quoted ? 1 : charLength(rest_, i);
    }
    line = {rest_.substr(0, length), ++number_};
    rest_.remove_prefix(length);
    return true;
}

std::vector<CsvFileLine> splitCsvLines(std::string_view bytes) {
    std::vector<CsvFileLine> lines;
    CsvLineReader reader(bytes);
    for (CsvFileLine line; reader.next(line);) lines.push_back(line);
    return lines;
}

TemplateCsvCount countTemplateCsv(const TemplateKind& kind, std::string_view gbk) {
    TemplateCsvCount count;
    CsvLineReader reader(gbk);
    CsvFileLine line;
    if (!reader.next(line)) return count;  // the header
    while (reader.next(line)) {
        if (csvLineBlank(line.bytes)) continue;
        ++count.lines;
        if (csvLineTooLong(line.bytes))
            ++count.tooLong;
        else if (!readTemplateCsvLine(kind, line.bytes, false).withoutRates)
            ++count.usable;
    }
    return count;
}

bool csvLineTooLong(std::string_view line) {
    return line.size() > static_cast<std::size_t>(MaxCsvLineBytes);
}

bool csvLineBlank(std::string_view line) {
    for (char c : line)
        if (c != ' ' && c != '\r' && c != '\n') return false;
    return true;
}

std::string templateNameFromPath(const TemplateKind& kind, const std::string& path) {
    std::string name = path;
    const std::size_t slash = name.find_last_of("/\\");
    if (slash != std::string::npos) name.erase(0, slash + 1);
    name.erase(name.size() >= 4 ? name.size() - 4 : 0);
    const std::string prefix = std::string(kind.word) + " ";
    if (startsWith(name, prefix)) name.erase(0, prefix.size());
    const std::string gbk = toGbk(name);
    return fromGbk(std::string_view(gbk).substr(0, gbkCutLength(gbk, 63)));
}

std::string templateExportName(const TemplateKind& kind, const std::string& templateName) {
    std::string name;
    for (char c : templateName) {
        const auto u = static_cast<unsigned char>(c);
        const bool bad = u < 0x20 || u == 0x7F ||
                         std::string_view("/\\:*?\"<>|").find(c) != std::string_view::npos;
        name += bad ? '_' : c;
    }
    return std::string(kind.word) + " " + name + ".csv";
}

std::string withExportExtension(const std::string& path) {
    std::string tail = path.substr(path.size() - std::min<std::size_t>(path.size(), 5));
    for (char& c : tail) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return tail == ".xlsx" ? path : withCsvExtension(path);
}

std::string withCsvExtension(const std::string& path) {
    if (path.size() >= 4) {
        std::string tail = path.substr(path.size() - 4);
        for (char& c : tail) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        if (tail == ".csv") return path;
    }
    return path + ".csv";
}

}  // namespace korvant
