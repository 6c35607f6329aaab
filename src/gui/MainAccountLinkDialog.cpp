#include "gui/MainAccountLinkDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace korvant::gui {

MainAccountLinkDialog::MainAccountLinkDialog(MainAccountLinkForm& form, QWidget* parent)
    : FormDialog(form, parent), form_(form), accounts_(new QComboBox(this)) {
    setWindowTitle(QStringLiteral("添加主账号"));
    auto* layout = new QVBoxLayout(this);
    auto* fields = new QFormLayout;
    fields->addRow(QStringLiteral("可选主账号:"), accounts_);
    layout->addLayout(fields);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(QStringLiteral("确定"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QStringLiteral("取消"), QDialogButtonBox::RejectRole);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void MainAccountLinkDialog::readForm() {
    accounts_->clear();
    for (const std::string& a : form_.accounts) accounts_->addItem(QString::fromStdString(a));
    accounts_->setCurrentIndex(form_.selected);
}

void MainAccountLinkDialog::writeForm() {
    form_.selected = accounts_->currentIndex();
}

}  // namespace korvant::gui
