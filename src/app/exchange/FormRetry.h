#pragma once

#include <functional>

#include "app/exchange/Change.h"
#include "app/port/FrontEndPort.h"

// Add and modify dialogs whose change the server refused open again with the
// values as typed, on front ends that can show a form again (the desk). The
// form object keeps what was typed; nothing is sent until the user presses
// OK again.
namespace korvant {

// How one try of a filled form ended.
enum class FormAttempt {
    Done,     // the change was carried out
    Refused,  // refused (by the server, or a check after the dialog): ask again
    Over,     // failed in a way the form cannot correct: stop
};

// Refused when the server refused the change; Done when it was
// acknowledged; Over for everything else (nothing received, an answer that
// says nothing, a request that could not be built).
FormAttempt formAttemptOf(const ChangeOutcome& outcome);

// Asks the front end to fill `form` (checked by `validator`; `edit` shows
// it), then runs `apply`. While `apply` answers Refused and the front end asks again
// (`FrontEndPort::asksAgainAfterRefusal`), the form is shown again as it was
// filled. True when `apply` was done; false on cancel or failure.
bool retryForm(FrontEndPort& port, const std::function<bool()>& edit,
               const std::function<FormAttempt()>& apply);

template <class F>
bool editAndApply(FrontEndPort& port, F& form,
                  const std::type_identity_t<std::function<bool(F&)>>& validator,
                  const std::function<FormAttempt()>& apply) {
    return retryForm(
        port, [&port, &form, &validator] { return port.editForm(form, validator); }, apply);
}

}  // namespace korvant
