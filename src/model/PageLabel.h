#pragma once

#include <cstdint>
#include <string>

// The pager's label of a paged list.
namespace korvant {

// The label of a list with no page to show.
inline constexpr const char* NoRecordsText = "没有记录";
// "当前第%d/%d页"; NoRecordsText before the first answer (page 0) and for an
// answer of no pages.
std::string pageLabelText(int64_t page, int64_t total);

}  // namespace korvant
