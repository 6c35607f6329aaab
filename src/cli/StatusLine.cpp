#include "cli/StatusLine.h"

#include "cli/ControlEscape.h"

namespace korvant::cli {
namespace {

const std::string PasswordLabel = "密码:";

// True when `text` continues at `at` with ", LABEL:", LABEL being a word of
// Chinese characters (at most 15 bytes) as the fields of a status detail
// are named, so that a password holding ", x:" is still masked whole.
bool startsNextField(const std::string& text, std::size_t at) {
    if (text.compare(at, 2, ", ") != 0) return false;
    std::size_t colon = text.find(':', at + 2);
    if (colon == std::string::npos || colon == at + 2 || colon - (at + 2) > 15) return false;
    for (std::size_t i = at + 2; i < colon; ++i)
        if (static_cast<unsigned char>(text[i]) < 0x80) return false;
    return true;
}

}  // namespace

std::string maskPasswords(const std::string& detail) {
    std::string masked;
    std::size_t from = 0;
    while (true) {
        std::size_t label = detail.find(PasswordLabel, from);
        if (label == std::string::npos) break;
        std::size_t value = label + PasswordLabel.size();
        std::size_t end = value;
        while (end < detail.size() && !startsNextField(detail, end)) ++end;
        masked.append(detail, from, value - from);
        masked += "******";
        from = end;
    }
    masked.append(detail, from, std::string::npos);
    return masked;
}

std::string statusLine(const StatusRow& row) {
    return "status\t" + escapeControls(row.time) + '\t' + escapeControls(row.title) + '\t' +
           escapeControls(maskPasswords(row.detail));
}

}  // namespace korvant::cli
