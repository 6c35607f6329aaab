#include "templates/TemplateCsv.h"

#include <cctype>
#include <cstring>
#include <tuple>

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

TemplateCsvLines::TemplateCsvLines(const TemplateKind& kind) : kind_(kind) {}

void TemplateCsvLines::append(std::string& out, const ContractVariety& contract,
                              const RateRow& row) {
    appendCsvSafeText(out, contract.exchangeCode);
    out += ',';
    appendCsvSafeText(out, contract.contractCode);
    out += ',';
    // Bit for bit the row before: its text again.
    const bool same = hasLast_ &&
                      std::memcmp(last_.values.data(), row.values.data(), sizeof row.values) == 0 &&
                      last_.discount == row.discount && last_.mode == row.mode;
    if (!same) {
        char values[std::tuple_size_v<decltype(RateRow::values)> * (FixedTextSize + 1)];
        char* o = values;
        for (std::size_t i = 0; i < kind_.values.size() && i < row.values.size(); ++i) {
            o += writeRateCsvValue(o, row.values[i], kind_.values[i].csvDecimals);
            *o++ = ',';
        }
        lastText_.assign(values, static_cast<std::size_t>(o - values));
        if (kind_.hasDiscount) lastText_ += row.discount == 1 ? "不优惠," : ",";
        lastText_ += row.mode == 1 ? "绝对\r\n" : "\r\n";
        last_ = row;
        hasLast_ = true;
    }
    out += lastText_;
}

CsvRateLine parseTemplateCsvLine(const TemplateKind& kind, std::string_view gbkLine) {
    // Commas and bars both separate fields; empty fields keep their place.
    const std::size_t count = static_cast<std::size_t>(kind.csvFieldCount());
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    while (fields.size() < count) {
        std::size_t end = gbkLine.find_first_of(",|", start);
        if (end == std::string_view::npos) {
            if (start <= gbkLine.size()) fields.push_back(gbkLine.substr(start));
            break;
        }
        fields.push_back(gbkLine.substr(start, end - start));
        start = end + 1;
    }
    fields.resize(count);
    for (std::string_view& f : fields) {
        f = f.substr(0, gbkCutLength(f, MaxCsvFieldBytes));
        f = trimBlanks(f);
    }

    CsvRateLine line;
    line.exchange = fromGbk(fields[0]);
    line.contract = fromGbk(fields[1]);
    bool empty = true;
    std::size_t next = 2;
    for (std::size_t i = 0; i < kind.values.size(); ++i, ++next) {
        if (!fields[next].empty()) empty = false;
        line.row.values[i] = readLenient(fields[next]);
    }
    if (kind.hasDiscount) {
        const std::string_view discount = fields[next++];
        if (!discount.empty()) empty = false;
        line.row.discount = startsWith(discount, toGbk("不优惠")) ? 1 : 0;
    }
    const std::string_view collection = fields[next];
    line.row.mode = startsWith(collection, toGbk("绝对")) ? 1 : 0;
    line.withoutRates = empty && startsWith(collection, "\r");
    return line;
}

std::vector<CsvFileLine> splitCsvLines(std::string_view bytes) {
    std::vector<CsvFileLine> lines;
    int number = 0;
    while (!bytes.empty()) {
        std::size_t end = bytes.find('\n');
        std::size_t length = end == std::string_view::npos ? bytes.size() : end + 1;
        lines.push_back({bytes.substr(0, length), ++number});
        bytes.remove_prefix(length);
    }
    return lines;
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

std::string withCsvExtension(const std::string& path) {
    if (path.size() >= 4) {
        std::string tail = path.substr(path.size() - 4);
        for (char& c : tail) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        if (tail == ".csv") return path;
    }
    return path + ".csv";
}

}  // namespace korvant
