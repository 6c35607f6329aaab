#include "gui/accounts/PasswordDialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/widgets/FormDialog.h"
#include "gui/widgets/GbkLengthValidator.h"

namespace korvant::gui {

namespace {

QLineEdit* passwordEdit(QWidget* parent, bool masked) {
    auto* edit = new QLineEdit(parent);
    edit->setValidator(new GbkLengthValidator(15, edit));
    if (masked) edit->setEchoMode(QLineEdit::Password);
    return edit;
}

}  // namespace

PasswordDialog::PasswordDialog(PasswordForm& form, QWidget* parent)
    : FormDialog(form, parent),
      form_(form),
      current_(passwordEdit(this, false)),
      next_(passwordEdit(this, true)),
      confirmation_(passwordEdit(this, true)) {
    setWindowTitle(QStringLiteral("更改密码"));
    current_->setObjectName(QStringLiteral("current"));
    next_->setObjectName(QStringLiteral("next"));
    confirmation_->setObjectName(QStringLiteral("confirmation"));
    auto* layout = new QVBoxLayout(this);
    auto* fields = new QFormLayout;
    fields->addRow(QStringLiteral("当前密码:"), current_);
    fields->addRow(QStringLiteral("新密码:"), next_);
    fields->addRow(QStringLiteral("确认新密码:"), confirmation_);
    layout->addLayout(fields);
    addOkCancelButtons(this, layout);
}

void PasswordDialog::readForm() {
    current_->setText(QString::fromStdString(form_.current));
    next_->setText(QString::fromStdString(form_.next));
    confirmation_->setText(QString::fromStdString(form_.confirmation));
}

void PasswordDialog::writeForm() {
    form_.current = current_->text().toStdString();
    form_.next = next_->text().toStdString();
    form_.confirmation = confirmation_->text().toStdString();
}

}  // namespace korvant::gui
