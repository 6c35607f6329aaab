#pragma once

// Where a paged list stands: the total number of pages the server announced
// and the page index of the last answer received.
namespace korvant {

struct PageCursor {
    int total = 1;
    int last = -1;
};

}  // namespace korvant
