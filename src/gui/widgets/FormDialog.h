#pragma once

#include <QDialog>

#include "app/FrontEndPort.h"

class QLayout;

namespace korvant::gui {

// Base of the dialogs that edit a core form. The dialog shows the form's
// values (`readForm`), and on OK writes the fields back (`writeForm`) and
// asks the core's validator; while the validator refuses, the dialog stays
// open (the validator has already said why through the port). The dialog
// never judges the values itself.
class FormDialog : public QDialog {
    Q_OBJECT
public:
    FormDialog(Form& form, QWidget* parent);

    void setValidator(FormValidator validator) { validator_ = std::move(validator); }
    // Loads the form into the fields and runs the dialog modally, Tab
    // following the order the fields are laid out in and the focus on the
    // first editable field; true when the form was accepted.
    bool run();

    void accept() override;

protected:
    virtual void readForm() = 0;
    virtual void writeForm() = 0;
    // Called after the validator refused and the focus went to the field it
    // named (the child whose object name is the form's `refusedField`).
    virtual void refused() {}

private:
    void focusFirstEditableField();
    void focusRefusedField();

    Form& form_;
    FormValidator validator_;
};

// Sets the Tab order of `dialog`'s fields to the order of its layouts: top to
// bottom, and left to right within a row, whatever order the fields were
// created in.
void orderTabsAsLaidOut(QWidget* dialog);

// Adds the dialog's "确定" (object name "ok") and "取消" buttons at the end of
// `layout`, wired to accept and reject.
void addOkCancelButtons(QDialog* dialog, QLayout* layout);

}  // namespace korvant::gui
