#include "app/forms/TextLength.h"

#include "protocol/Gbk.h"

namespace korvant {

std::size_t wireTextLength(const std::string& utf8) {
    return toGbk(utf8).size();
}

}  // namespace korvant
