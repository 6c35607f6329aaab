#include "gui/widgets/FormDialog.h"

#include <QAbstractButton>
#include <QDialogButtonBox>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>

#include "gui/widgets/FieldWidths.h"

namespace korvant::gui {

FormDialog::FormDialog(Form& form, QWidget* parent) : QDialog(parent), form_(form) {}

bool FormDialog::run() {
    readForm();
    fitFieldWidths(this);
    focusFirstEditableField();
    return exec() == QDialog::Accepted;
}

void FormDialog::focusFirstEditableField() {
    // The first field in tab order that takes typing: read-only fields,
    // disabled ones and buttons are passed over.
    QWidget* widget = this;
    for (int steps = 0; steps < 500; ++steps) {
        widget = widget->nextInFocusChain();
        if (widget == nullptr || widget == this) return;
        if (!isAncestorOf(widget) || !widget->isEnabled() || !widget->isVisibleTo(this)) continue;
        if (!(widget->focusPolicy() & Qt::TabFocus)) continue;
        if (qobject_cast<QAbstractButton*>(widget) != nullptr) continue;
        if (auto* edit = qobject_cast<QLineEdit*>(widget); edit != nullptr && edit->isReadOnly())
            continue;
        widget->setFocus(Qt::TabFocusReason);
        return;
    }
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
