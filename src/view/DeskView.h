#pragma once

#include "app/desk/Desk.h"
#include "view/MainState.h"

// The main window over a desk: what the window shows (MainState) and the
// desk's actions that act on what is chosen in it. The desk makes one beside
// its Desk and keeps it for the whole run; the command line has none.
namespace korvant {

class DeskView {
public:
    // Registers the window's actions on the desk's dispatcher (replacing the
    // core's handler of a code where both have one), sets the desk's list
    // requery hook to the list on screen and follows the desk's changes.
    explicit DeskView(Desk& desk);
    ~DeskView();
    DeskView(const DeskView&) = delete;
    DeskView& operator=(const DeskView&) = delete;

    Desk& desk() { return desk_; }
    const Desk& desk() const { return desk_; }
    MainState& state() { return state_; }
    const MainState& state() const { return state_; }

private:
    Desk& desk_;
    MainState state_;
    int observer_ = 0;
};

}  // namespace korvant
