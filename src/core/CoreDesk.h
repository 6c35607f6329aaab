#pragma once

#include <string>

#include "app/desk/Desk.h"

// The desk of a front end: a Desk whose action registry holds the actions
// of every area that need no window, registered once when it is made. The
// desk and the command-line front end both run on it; the desk's view adds
// the actions that act on what its window shows.
namespace korvant {

class CoreDesk : public Desk {
public:
    explicit CoreDesk(FrontEndPort& port, std::string dir = ".");
};

// Registers the windowless actions of every area on `desk` (one
// registration function per area).
void registerAreaActions(Desk& desk);

}  // namespace korvant
