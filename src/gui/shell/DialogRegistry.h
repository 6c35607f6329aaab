#pragma once

#include <functional>
#include <optional>

#include "app/forms/FormTable.h"
#include "app/port/FrontEndPort.h"

class QWidget;

namespace korvant::gui {

// Maps each type of core form to the dialog that edits it. The core asks the
// port to edit a form; the port looks its type up here and runs the
// registered dialog. Adding a dialog for a new form is one entry:
//
//   registry.add<SubAccountDialog, SubAccountForm>();
//
// The dialog needs `Dialog(FormType&, QWidget* parent)` and `bool run()`: a
// `FormDialog` (see FormDialog.h), or a `CoreCallDialog` that makes its own
// calls of the core. Any other runner: `registry.add<FormType>(runner)`.
class DialogRegistry {
public:
    template <class FormType>
    void add(FormTable<QWidget*>::Handler<FormType> runner) {
        table_.add<FormType>(std::move(runner));
    }

    // A dialog that takes the validator (a FormDialog) is checked by it; one
    // that makes its own calls of the core (a CoreCallDialog) runs as it is.
    template <class Dialog, class FormType>
    void add() {
        add<FormType>([](FormType& form, const FormValidator& validator, QWidget* parent) {
            Dialog dialog(form, parent);
            if constexpr (requires { dialog.setValidator(validator); })
                dialog.setValidator(validator);
            return dialog.run();
        });
    }

    template <class FormType>
    bool has() const {
        return table_.has<FormType>();
    }
    // Shows the dialog registered for the form's type: true when the form
    // was accepted (the validator agreed), false when cancelled; no value
    // when no dialog is registered for it.
    std::optional<bool> run(QWidget* parent, Form& form, const FormValidator& validator) const {
        return table_.run(form, validator, parent);
    }

private:
    FormTable<QWidget*> table_;
};

}  // namespace korvant::gui
