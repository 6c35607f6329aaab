#include "app/exchange/FormRetry.h"

namespace korvant {

FormAttempt formAttemptOf(const ChangeOutcome& outcome) {
    if (outcome.done) return FormAttempt::Done;
    return outcome.result == AckResult::Refused ? FormAttempt::Refused : FormAttempt::Over;
}

bool retryForm(FrontEndPort& port, const std::function<bool()>& edit,
               const std::function<FormAttempt()>& apply) {
    for (;;) {
        if (!edit()) return false;
        switch (apply()) {
            case FormAttempt::Done:
                return true;
            case FormAttempt::Over:
                return false;
            case FormAttempt::Refused:
                if (!port.asksAgainAfterRefusal()) return false;
                break;
        }
    }
}

}  // namespace korvant
