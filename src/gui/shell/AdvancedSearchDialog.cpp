#include "gui/shell/AdvancedSearchDialog.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace korvant::gui {

AdvancedSearchDialog::AdvancedSearchDialog(AdvancedSearchForm& form, QWidget* parent)
    : FormDialog(form, parent),
      form_(form),
      account_(new QLineEdit(this)),
      password_(new QLineEdit(this)),
      openingDate_(new QLineEdit(this)),
      remark_(new QLineEdit(this)) {
    setWindowTitle(QStringLiteral("高级搜索"));
    account_->setObjectName(QStringLiteral("account"));
    password_->setObjectName(QStringLiteral("password"));
    openingDate_->setObjectName(QStringLiteral("openingDate"));
    remark_->setObjectName(QStringLiteral("remark"));
    auto* layout = new QVBoxLayout(this);
    auto* fields = new QFormLayout;
    account_->setMaxLength(15);
    password_->setMaxLength(15);
    openingDate_->setMaxLength(8);
    remark_->setMaxLength(31);
    fields->addRow(QStringLiteral("用户名"), account_);
    fields->addRow(QStringLiteral("密码"), password_);
    fields->addRow(QStringLiteral("开户日"), openingDate_);
    fields->addRow(QStringLiteral("备注"), remark_);
    layout->addLayout(fields);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    auto* search = new QPushButton(QStringLiteral("搜索"), this);
    search->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("取消"), this);
    buttons->addWidget(search);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    connect(search, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void AdvancedSearchDialog::readForm() {
    account_->setText(QString::fromStdString(form_.account));
    password_->setText(QString::fromStdString(form_.password));
    openingDate_->setText(QString::fromStdString(form_.openingDate));
    remark_->setText(QString::fromStdString(form_.remark));
}

void AdvancedSearchDialog::writeForm() {
    form_.account = account_->text().toStdString();
    form_.password = password_->text().toStdString();
    form_.openingDate = openingDate_->text().toStdString();
    form_.remark = remark_->text().toStdString();
}

}  // namespace korvant::gui
