#include "gui/shell/AdvancedSearchDialog.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace korvant::gui {

AdvancedSearchDialog::AdvancedSearchDialog(AdvancedSearchForm& form, QWidget* parent)
    : FormDialog(form, parent) {
    setWindowTitle(QStringLiteral("高级搜索"));
    auto* fields = new QFormLayout;
    auto addRow = [&](const char* caption, std::string& value, const char* objectName,
                      int maxLength) {
        QLineEdit* edit = bindText(new QLineEdit(this), value);
        edit->setObjectName(QString::fromUtf8(objectName));
        edit->setMaxLength(maxLength);
        fields->addRow(QString::fromUtf8(caption), edit);
    };
    addRow("用户名", form.account, "account", 15);
    addRow("密码", form.password, "password", 15);
    addRow("开户日", form.openingDate, "openingDate", 8);
    addRow("备注", form.remark, "remark", 31);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    addButtonRow(this, layout, new QPushButton(QStringLiteral("搜索"), this),
                 new QPushButton(QStringLiteral("取消"), this));
}

}  // namespace korvant::gui
