#include "gui/widgets/CoreCallDialog.h"

namespace korvant::gui {

bool CoreCallDialog::call(const std::function<void()>& work) {
    if (failure_) return false;
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
