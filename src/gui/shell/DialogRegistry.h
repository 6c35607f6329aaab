#pragma once

#include <functional>
#include <optional>

#include "app/FormTable.h"
#include "app/FrontEndPort.h"

class QWidget;

namespace korvant::gui {

// Maps each type of core form to the dialog that edits it. The core asks the
// port to edit a form; the port looks its type up here and runs the
// registered dialog. Adding a dialog for a new form is one entry:
//
//   registry.add<SubAccountDialog, SubAccountForm>();
//   registry.add<SettlementPricesForm>([](SettlementPricesForm& f, const FormValidator&,
//                                         QWidget* parent) {...});
//
// The first form needs `Dialog(FormType&, QWidget* parent)` deriving from
// `FormDialog` (see FormDialog.h).
class DialogRegistry {
public:
    template <class FormType>
    void add(FormTable<QWidget*>::Handler<FormType> runner) {
        table_.add<FormType>(std::move(runner));
    }

    template <class Dialog, class FormType>
    void add() {
        add<FormType>([](FormType& form, const FormValidator& validator, QWidget* parent) {
            Dialog dialog(form, parent);
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
