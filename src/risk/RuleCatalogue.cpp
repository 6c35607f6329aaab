#include "risk/RuleCatalogue.h"

#include <filesystem>
#include <fstream>
#include <limits>

#include "local/ServerList.h"
#include "protocol/Gbk.h"
#include "risk/RiskCategory.h"

namespace korvant {

namespace {

// Far above any real catalogue; a larger file is not read.
constexpr std::streamoff MaxCatalogueFileBytes = 1 << 20;
// Keys read at most, so that a file cannot make the reading endless.
constexpr int MaxCatalogueKeys = 10000;

std::string_view trimmed(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    return text;
}

// The decimal integer at the start of a number field (after a sign); 0 when
// none, clamped to 32 bits.
int32_t fieldNumber(std::string_view field) {
    std::string_view text = trimmed(field.substr(0, CatalogueNumberBytes));
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    int64_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') break;
        value = value * 10 + (c - '0');
        if (value > std::numeric_limits<int32_t>::max()) break;
    }
    if (value > std::numeric_limits<int32_t>::max()) value = std::numeric_limits<int32_t>::max();
    return static_cast<int32_t>(negative ? -value : value);
}

}  // namespace

RuleKind parseCatalogueValue(std::string_view value) {
    std::string gbk = toGbk(value);
    gbk.resize(gbkCutLength(gbk, CatalogueValueBytes));
    // Split in UTF-8, where a "|" is never part of another character.
    const std::string text = fromGbk(gbk);
    const std::string_view v(text);
    RuleKind kind;
    const std::size_t first = v.find('|');
    if (first == std::string_view::npos) {
        kind.category = fieldNumber(v);
        return kind;
    }
    kind.category = fieldNumber(v.substr(0, first));
    const std::size_t second = v.find('|', first + 1);
    if (second == std::string_view::npos) {
        kind.kind = fieldNumber(v.substr(first + 1));
        return kind;
    }
    kind.kind = fieldNumber(v.substr(first + 1, second - first - 1));
    kind.templateText = std::string(v.substr(second + 1));
    return kind;
}

RuleCatalogue RuleCatalogue::parse(std::string_view fileBytes) {
    const std::string text = decodeConfigText(fileBytes);
    RuleCatalogue catalogue;
    for (int key = 1; key <= MaxCatalogueKeys; ++key) {
        const std::string value = iniValue(text, "riskdetail", std::to_string(key));
        if (value.empty()) break;
        catalogue.kinds_.push_back(parseCatalogueValue(value));
    }
    return catalogue;
}

RuleCatalogue RuleCatalogue::read(const std::string& path) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) return {};
    std::ifstream in(path, std::ios::binary);
    if (!in) return {};
    in.seekg(0, std::ios::end);
    const std::streamoff size = in.tellg();
    if (size < 0 || size > MaxCatalogueFileBytes) return {};
    in.seekg(0);
    std::string bytes(static_cast<std::size_t>(size), '\0');
    if (!in.read(bytes.data(), size)) return {};
    return parse(bytes);
}

const RuleKind* RuleCatalogue::find(int32_t kind) const {
    for (const RuleKind& k : kinds_)
        if (k.kind == kind) return &k;
    return nullptr;
}

const RuleKind* RuleCatalogue::find(int32_t category, int32_t kind) const {
    for (const RuleKind& k : kinds_)
        if (k.kind == kind && k.category == category) return &k;
    return nullptr;
}

std::vector<RuleKind> RuleCatalogue::offeredFor(int32_t category) const {
    std::vector<RuleKind> out;
    for (const RuleKind& k : kinds_)
        if (dialogOffersKind(category, k.category, k.kind)) out.push_back(k);
    return out;
}

}  // namespace korvant
