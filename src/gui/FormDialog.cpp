#include "gui/FormDialog.h"

namespace korvant::gui {

FormDialog::FormDialog(Form& form, QWidget* parent) : QDialog(parent), form_(form) {}

bool FormDialog::run() {
    readForm();
    return exec() == QDialog::Accepted;
}

void FormDialog::accept() {
    writeForm();
    if (validator_ && !validator_(form_)) {
        refused();
        return;
    }
    QDialog::accept();
}

}  // namespace korvant::gui
