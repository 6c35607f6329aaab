#include "gui/accounts/MainAccountLinkDialog.h"

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
    addOkCancelButtons(this, layout);
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
