#include "model/PageLabel.h"

#include "text/NumberText.h"

namespace korvant {

std::string pageLabelText(int64_t page, int64_t total) {
    // Before the first answer and after an answer of no pages there is no
    // page to name.
    if (total <= 0 || page <= 0) return NoRecordsText;
    return "当前第" + formatInt(page) + "/" + formatInt(total) + "页";
}

}  // namespace korvant
