#include "gui/accounts/AdministratorDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/Permissions.h"
#include "app/SearchFilter.h"
#include "gui/widgets/FormDialog.h"
#include "gui/widgets/GbkLengthValidator.h"
#include "gui/widgets/NumberValidator.h"

namespace korvant::gui {

namespace {

QLineEdit* limitedEdit(QWidget* parent, int maxBytes) {
    auto* edit = new QLineEdit(parent);
    edit->setValidator(new GbkLengthValidator(maxBytes, edit));
    return edit;
}

}  // namespace

AdministratorDialog::AdministratorDialog(AdministratorForm& form, QWidget* parent)
    : FormDialog(form, parent),
      form_(form),
      account_(limitedEdit(this, 15)),
      password_(limitedEdit(this, 15)),
      name_(limitedEdit(this, 31)),
      group_(new QComboBox(this)),
      permissions_(new QListWidget(this)),
      monitorFrom_(numberEdit(this, AdministratorForm::MonitorInput, "monitorFrom")),
      monitorTo_(numberEdit(this, AdministratorForm::MonitorInput, "monitorTo")),
      multipleLogins_(new QCheckBox(QStringLiteral("允许多点登录"), this)) {
    setWindowTitle(QString::fromStdString(form.caption()));
    account_->setObjectName(QStringLiteral("account"));
    password_->setObjectName(QStringLiteral("password"));
    permissions_->setObjectName(QStringLiteral("permissions"));
    name_->setObjectName(QStringLiteral("name"));
    group_->setObjectName(QStringLiteral("group"));
    for (const char* caption : permissionCaptions()) {
        auto* item = new QListWidgetItem(QString::fromUtf8(caption), permissions_);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
    }

    auto* layout = new QVBoxLayout(this);
    auto* fields = new QFormLayout;
    fields->addRow(QStringLiteral("账号："), account_);
    fields->addRow(QStringLiteral("密码："), password_);
    fields->addRow(QStringLiteral("名称："), name_);
    fields->addRow(QStringLiteral("组别："), group_);
    fields->addRow(QStringLiteral("权限："), permissions_);
    layout->addLayout(fields);

    layout->addWidget(new QLabel(QStringLiteral("仅允许从以下 IP 登录（不填则不限制）："), this));
    auto* ipGrid = new QGridLayout;
    for (int i = 0; i < AllowedIpCount; ++i) {
        ips_[static_cast<std::size_t>(i)] = limitedEdit(this, 15);
        ips_[static_cast<std::size_t>(i)]->setObjectName(QStringLiteral("ip%1").arg(i));
        ipGrid->addWidget(ips_[static_cast<std::size_t>(i)], i / 3, i % 3);
    }
    layout->addLayout(ipGrid);

    layout->addWidget(
        new QLabel(QStringLiteral("监控范围（有监控权限时有效，起止均为0表示全部）："), this));
    auto* range = new QHBoxLayout;
    range->addWidget(monitorFrom_);
    range->addWidget(new QLabel(QStringLiteral("至"), this));
    range->addWidget(monitorTo_);
    layout->addLayout(range);
    layout->addWidget(multipleLogins_);

    addOkCancelButtons(this, layout);
}

void AdministratorDialog::readForm() {
    account_->setText(QString::fromStdString(form_.account));
    account_->setEnabled(form_.adding);
    password_->setText(QString::fromStdString(form_.password));
    name_->setText(QString::fromStdString(form_.name));
    group_->clear();
    for (const GroupChoice& g : form_.groups) group_->addItem(QString::fromStdString(g.name), g.id);
    group_->setCurrentIndex(form_.groupIndex);
    group_->setEnabled(false);
    for (int bit = 0; bit < permissions_->count(); ++bit) {
        bool ticked = (form_.permissionMask >> bit) & 1u;
        permissions_->item(bit)->setCheckState(ticked ? Qt::Checked : Qt::Unchecked);
    }
    for (std::size_t i = 0; i < ips_.size(); ++i)
        ips_[i]->setText(QString::fromStdString(form_.ipTexts[i]));
    monitorFrom_->setText(QString::number(form_.monitorFrom));
    monitorTo_->setText(QString::number(form_.monitorTo));
    multipleLogins_->setChecked(form_.multipleLogins);
}

void AdministratorDialog::writeForm() {
    if (form_.adding) form_.account = account_->text().toStdString();
    form_.password = password_->text().toStdString();
    form_.name = name_->text().toStdString();
    form_.groupIndex = group_->currentIndex();
    // Only the bits of the check-list change; the others keep their value.
    for (int bit = 0; bit < permissions_->count(); ++bit) {
        const uint32_t value = 1u << bit;
        if (permissions_->item(bit)->checkState() == Qt::Checked)
            form_.permissionMask |= value;
        else
            form_.permissionMask &= ~value;
    }
    for (std::size_t i = 0; i < ips_.size(); ++i) form_.ipTexts[i] = ips_[i]->text().toStdString();
    form_.monitorFrom = lenientInt(monitorFrom_->text().toStdString());
    form_.monitorTo = lenientInt(monitorTo_->text().toStdString());
    form_.multipleLogins = multipleLogins_->isChecked();
}

}  // namespace korvant::gui
