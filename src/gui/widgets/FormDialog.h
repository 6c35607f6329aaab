#pragma once

#include <QDialog>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "app/port/FrontEndPort.h"

class QCheckBox;
class QComboBox;
class QDateEdit;
class QBoxLayout;
class QLayout;
class QLineEdit;
class QPushButton;

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

    // A field that shows one value of the form as it is (before `readForm`)
    // and writes it back unchanged (before `writeForm`); returns the field.
    QLineEdit* bindText(QLineEdit* edit, std::string& value);
    QCheckBox* bindCheck(QCheckBox* box, bool& value);
    // A yyyymmdd value in a date field, set up as the desk's date fields.
    QDateEdit* bindDate(QDateEdit* edit, int32_t& ymd);
    // A choice among `entries` (read when the dialog opens), `index` the
    // chosen one.
    QComboBox* bindChoice(QComboBox* box, const std::vector<std::string>& entries, int& index);

protected:
    // The fields a binding does not cover: shown after the bound ones, and
    // written back after them.
    virtual void readForm() {}
    virtual void writeForm() {}
    // The bound fields and then `writeForm`: what OK writes back.
    void writeFields();
    // Called after the validator refused and the focus went to the field it
    // named (the child whose object name is the form's `refusedField`).
    virtual void refused() {}

private:
    void focusFirstEditableField();
    void focusRefusedField();

    struct Binding {
        std::function<void()> read;
        std::function<void()> write;
    };

    Form& form_;
    FormValidator validator_;
    std::vector<Binding> bindings_;
};

// Sets the Tab order of `dialog`'s fields to the order of its layouts: top to
// bottom, and left to right within a row, whatever order the fields were
// created in.
void orderTabsAsLaidOut(QWidget* dialog);

// Adds the dialog's "确定" (object name "ok") and "取消" buttons at the end of
// `layout`, wired to accept and reject.
void addOkCancelButtons(QDialog* dialog, QLayout* layout);

// Adds a row of `accept` (the default button) and `reject` at the right, at
// the end of `layout`, wired to the dialog's accept and reject.
void addButtonRow(QDialog* dialog, QBoxLayout* layout, QPushButton* accept, QPushButton* reject);

}  // namespace korvant::gui
