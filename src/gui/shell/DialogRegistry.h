#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>

#include "app/FrontEndPort.h"

class QWidget;

namespace korvant::gui {

// Maps the kind of a core form (`Form::kind()`) to the dialog that edits it.
// The core asks the port to edit a form; the port looks the kind up here and
// runs the registered dialog. Adding a dialog for a new form kind is one
// entry:
//
//   registry.add<SubAccountDialog, SubAccountForm>();      // kind from the form
//   registry.add("custom", [](QWidget* parent, Form& form, const FormValidator& v) {...});
//
// The typed overload needs `Dialog(Form&, QWidget* parent)` deriving from
// `FormDialog` (see FormDialog.h) and a default-constructible form whose
// `kind()` names the entry.
class DialogRegistry {
public:
    // Shows the dialog for the form; returns true when the form was
    // accepted (the validator agreed), false when cancelled.
    using Runner = std::function<bool(QWidget* parent, Form& form, const FormValidator& validator)>;

    void add(const std::string& kind, Runner runner);

    template <class Dialog, class FormType>
    void add() {
        add(FormType{}.kind(), [](QWidget* parent, Form& form, const FormValidator& validator) {
            auto& typed = dynamic_cast<FormType&>(form);
            Dialog dialog(typed, parent);
            dialog.setValidator(validator);
            return dialog.run();
        });
    }

    bool has(const std::string& kind) const;
    // Runs the dialog registered for the form's kind; no value when none is.
    std::optional<bool> run(QWidget* parent, Form& form, const FormValidator& validator) const;

private:
    std::map<std::string, Runner> runners_;
};

}  // namespace korvant::gui
