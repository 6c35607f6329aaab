#include "app/lists/ColumnSorter.h"

#include "protocol/Gbk.h"

namespace korvant {

int compareGbkTexts(const std::string& a, const std::string& b) {
    return toGbk(a).compare(toGbk(b));
}

}  // namespace korvant
