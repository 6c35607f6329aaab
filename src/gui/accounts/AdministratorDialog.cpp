#include "gui/accounts/AdministratorDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

#include <string>

#include "app/forms/SearchFilter.h"
#include "app/session/Permissions.h"
#include "gui/widgets/GbkLengthValidator.h"
#include "gui/widgets/NumberValidator.h"

namespace korvant::gui {

AdministratorDialog::AdministratorDialog(AdministratorForm& form, QWidget* parent)
    : FormDialog(form, parent),
      form_(form),
      account_(limitedEdit(this, 15, "account")),
      group_(new QComboBox(this)),
      permissions_(new QListWidget(this)),
      monitorFrom_(numberEdit(this, AdministratorForm::MonitorInput, "monitorFrom")),
      monitorTo_(numberEdit(this, AdministratorForm::MonitorInput, "monitorTo")) {
    setWindowTitle(QString::fromStdString(form.caption()));
    permissions_->setObjectName(QStringLiteral("permissions"));
    group_->setObjectName(QStringLiteral("group"));
    for (const char* caption : permissionCaptions()) {
        auto* item = new QListWidgetItem(QString::fromUtf8(caption), permissions_);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
    }

    auto* layout = new QVBoxLayout(this);
    auto* fields = new QFormLayout;
    fields->addRow(QStringLiteral("账号："), account_);
    fields->addRow(QStringLiteral("密码："),
                   bindText(limitedEdit(this, 15, "password"), form.password));
    fields->addRow(QStringLiteral("名称："), bindText(limitedEdit(this, 31, "name"), form.name));
    fields->addRow(QStringLiteral("组别："), group_);
    fields->addRow(QStringLiteral("权限："), permissions_);
    layout->addLayout(fields);

    layout->addWidget(new QLabel(QStringLiteral("仅允许从以下 IP 登录（不填则不限制）："), this));
    auto* ipGrid = new QGridLayout;
    for (int i = 0; i < AllowedIpCount; ++i) {
        const std::string name = "ip" + std::to_string(i);
        QLineEdit* ip = limitedEdit(this, 15, name.c_str());
        ipGrid->addWidget(bindText(ip, form.ipTexts[static_cast<std::size_t>(i)]), i / 3, i % 3);
    }
    layout->addLayout(ipGrid);

    layout->addWidget(
        new QLabel(QStringLiteral("监控范围（有监控权限时有效，起止均为0表示全部）："), this));
    auto* range = new QHBoxLayout;
    range->addWidget(monitorFrom_);
    range->addWidget(new QLabel(QStringLiteral("至"), this));
    range->addWidget(monitorTo_);
    layout->addLayout(range);
    layout->addWidget(
        bindCheck(new QCheckBox(QStringLiteral("允许多点登录"), this), form.multipleLogins));

    addOkCancelButtons(this, layout);
}

void AdministratorDialog::readForm() {
    account_->setText(QString::fromStdString(form_.account));
    account_->setEnabled(form_.adding);
    group_->clear();
    for (const GroupChoice& g : form_.groups) group_->addItem(QString::fromStdString(g.name), g.id);
    group_->setCurrentIndex(form_.groupIndex);
    group_->setEnabled(false);
    for (int bit = 0; bit < permissions_->count(); ++bit) {
        bool ticked = (form_.permissionMask >> bit) & 1u;
        permissions_->item(bit)->setCheckState(ticked ? Qt::Checked : Qt::Unchecked);
    }
    monitorFrom_->setText(QString::number(form_.monitorFrom));
    monitorTo_->setText(QString::number(form_.monitorTo));
}

void AdministratorDialog::writeForm() {
    if (form_.adding) form_.account = account_->text().toStdString();
    form_.groupIndex = group_->currentIndex();
    // Only the bits of the check-list change; the others keep their value.
    for (int bit = 0; bit < permissions_->count(); ++bit) {
        const uint32_t value = 1u << bit;
        if (permissions_->item(bit)->checkState() == Qt::Checked)
            form_.permissionMask |= value;
        else
            form_.permissionMask &= ~value;
    }
    form_.monitorFrom = lenientInt(monitorFrom_->text().toStdString());
    form_.monitorTo = lenientInt(monitorTo_->text().toStdString());
}

}  // namespace korvant::gui
