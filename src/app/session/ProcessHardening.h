#pragma once

// What a front end does first: the process holds the administrator's
// password, so it is not dumpable (no core file, no other process of the
// user may read its memory), and an interrupt leaves no temporary file.
namespace korvant {

// Returns false when the process could not be made non-dumpable.
bool hardenProcess();

}  // namespace korvant
