#include "text/DecimalText.h"

#include "text/NumberText.h"

namespace korvant {

double readDecimal(std::string_view text) {
    return readLenient(text);
}

}  // namespace korvant
