#pragma once

#include <string>
#include <string_view>

// Text as the content of an XML element or attribute: "&", "<", ">" and
// '"' escaped, a carriage return kept as a character reference, the control
// characters XML cannot hold dropped and a byte that is no part of a UTF-8
// character written as U+FFFD, so that no text (a server's least of all)
// makes the document unreadable.
namespace korvant {

void appendXmlText(std::string& out, std::string_view utf8);

}  // namespace korvant
