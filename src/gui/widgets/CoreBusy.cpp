#include "gui/widgets/CoreBusy.h"

namespace korvant::gui {
namespace {

// Only the GUI thread calls into the core.
int busyDepth = 0;

}  // namespace

bool coreBusy() {
    return busyDepth > 0;
}

CoreBusyScope::CoreBusyScope() {
    ++busyDepth;
}

CoreBusyScope::~CoreBusyScope() {
    --busyDepth;
}

}  // namespace korvant::gui
