#include "gui/shell/LoginDialog.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/widgets/GbkLengthValidator.h"

namespace korvant::gui {

LoginDialog::LoginDialog(LoginForm& form, QWidget* parent)
    : FormDialog(form, parent),
      form_(form),
      servers_(new QListWidget(this)),
      account_(new QLineEdit(this)),
      password_(new QLineEdit(this)),
      save_(new QCheckBox(QStringLiteral("保存账号和密码"), this)),
      login_(new QPushButton(QStringLiteral("登录"), this)),
      cancel_(new QPushButton(QStringLiteral("取消"), this)) {
    setWindowTitle(QStringLiteral("管理员登录"));
    auto* layout = new QVBoxLayout(this);

    servers_->setSelectionMode(QAbstractItemView::SingleSelection);
    servers_->setMinimumHeight(90);
    layout->addWidget(servers_);

    auto* fields = new QFormLayout;
    account_->setValidator(new GbkLengthValidator(LoginFieldLimit, account_));
    password_->setValidator(new GbkLengthValidator(LoginFieldLimit, password_));
    password_->setEchoMode(QLineEdit::Password);
    fields->addRow(QStringLiteral("账号:"), account_);
    fields->addRow(QStringLiteral("密码:"), password_);
    layout->addLayout(fields);
    layout->addWidget(save_);

    addButtonRow(this, layout, login_, cancel_);
    connect(servers_, &QListWidget::itemDoubleClicked, this, [this] { accept(); });
    setMinimumWidth(320);
}

void LoginDialog::readForm() {
    servers_->clear();
    for (const auto& name : form_.serverNames) servers_->addItem(QString::fromStdString(name));
    if (form_.serverIndex >= 0 && form_.serverIndex < servers_->count())
        servers_->setCurrentRow(form_.serverIndex);
    account_->setText(QString::fromStdString(form_.account));
    password_->setText(QString::fromStdString(form_.password));
    save_->setChecked(form_.save);
    if (form_.account.empty())
        account_->setFocus();
    else
        password_->setFocus();
}

void LoginDialog::writeForm() {
    auto selected = servers_->selectedItems();
    form_.serverIndex = selected.isEmpty() ? -1 : servers_->row(selected.first());
    form_.account = account_->text().toStdString();
    form_.password = password_->text().toStdString();
    form_.save = save_->isChecked();
}

void LoginDialog::refused() {
    // Back to the field the refusal was about.
    if (form_.serverIndex < 0)
        servers_->setFocus();
    else
        account_->setFocus();
}

}  // namespace korvant::gui
