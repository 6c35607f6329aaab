#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The rule-kind catalogue "riskdetail.ini": section "riskdetail", keys "1",
// "2", … read in order until the first empty value; each value
// "category|kind|template". The template is the summary text of the kind,
// with "参数1" … "参数6", "Contract", "Exchange" and "时间到达" standing for
// the rule's values.
namespace korvant {

inline constexpr const char* RuleCatalogueFileName = "riskdetail.ini";
// Longest value read from the file (GBK bytes), and longest number field.
inline constexpr std::size_t CatalogueValueBytes = 255;
inline constexpr std::size_t CatalogueNumberBytes = 15;

struct RuleKind {
    int32_t category = 0;
    int32_t kind = 0;
    std::string templateText;  // UTF-8
};

class RuleCatalogue {
public:
    // A missing, unreadable or oversized file gives an empty catalogue.
    static RuleCatalogue read(const std::string& path);
    // From the file's bytes (UTF-8 or GBK).
    static RuleCatalogue parse(std::string_view fileBytes);

    const std::vector<RuleKind>& kinds() const { return kinds_; }
    bool empty() const { return kinds_.empty(); }
    // The first entry with this kind number, or null.
    const RuleKind* find(int32_t kind) const;
    // The entry whose category and kind both match, or null.
    const RuleKind* find(int32_t category, int32_t kind) const;
    // The entries the generic dialog of `category` offers, in file order.
    std::vector<RuleKind> offeredFor(int32_t category) const;

private:
    std::vector<RuleKind> kinds_;
};

// One catalogue value split into its fields: each number cut to 15 bytes,
// trimmed and read as a decimal integer; the template is the rest after the
// second "|". The value is first cut to 255 GBK bytes on a whole character.
RuleKind parseCatalogueValue(std::string_view value);

}  // namespace korvant
