#include "gui/widgets/CoreCallDialog.h"

#include "gui/widgets/CoreBusy.h"

namespace korvant::gui {

bool CoreCallDialog::call(const std::function<void()>& work) {
    if (failure_) return false;
    // A timer of the dialog that fires while the core waits for the server
    // or reads pages: the call waits for its next turn.
    if (coreBusy()) return true;
    try {
        work();
        return true;
    } catch (...) {
        failure_ = std::current_exception();
        reject();
        return false;
    }
}

int CoreCallDialog::execPassingFailure() {
    const int result = exec();
    if (failure_) std::rethrow_exception(failure_);
    return result;
}

}  // namespace korvant::gui
