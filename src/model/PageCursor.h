#pragma once

#include <cstdint>

// Where a paged list stands: the total number of pages the server announced
// and the page index of the last answer received.
namespace korvant {

struct PageCursor {
    int total = 1;
    int last = -1;

    // The page number shown in labels (last + 1), in 64 bits: a page index
    // of INT32_MAX from the server does not overflow.
    int64_t shownPage() const { return static_cast<int64_t>(last) + 1; }
};

}  // namespace korvant
