#include "app/session/HeapPolicy.h"

#include <malloc.h>

namespace korvant {

void keepHeapForLargeReads() {
    mallopt(M_MMAP_THRESHOLD, 32 << 20);
    mallopt(M_TRIM_THRESHOLD, 256 << 20);
    mallopt(M_TOP_PAD, 16 << 20);
}

}  // namespace korvant
