#pragma once

// Large reads (a whole list, a statement, the pages of an export) take and
// free tens of megabytes, again and again in a day's work. A front end keeps
// what it freed, up to a bound, instead of handing it back to the system and
// having it faulted in page by page on the next read (costly on a virtual
// machine).
namespace korvant {

// Blocks of up to 32 MiB come from the heap and are used again once freed;
// up to 256 MiB free at the heap's top stay with the process.
void keepHeapForLargeReads();

}  // namespace korvant
