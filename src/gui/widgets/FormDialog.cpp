#include "gui/widgets/FormDialog.h"

#include <QDialogButtonBox>
#include <QLayout>
#include <QPushButton>

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

void addOkCancelButtons(QDialog* dialog, QLayout* layout) {
    auto* buttons = new QDialogButtonBox(dialog);
    buttons->addButton(QStringLiteral("确定"), QDialogButtonBox::AcceptRole)
        ->setObjectName(QStringLiteral("ok"));
    buttons->addButton(QStringLiteral("取消"), QDialogButtonBox::RejectRole);
    layout->addWidget(buttons);
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
}

}  // namespace korvant::gui
