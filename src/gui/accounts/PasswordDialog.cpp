#include "gui/accounts/AccountDialogs.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

#include "gui/widgets/GbkLengthValidator.h"

namespace korvant::gui {

PasswordDialog::PasswordDialog(PasswordForm& form, QWidget* parent) : FormDialog(form, parent) {
    setWindowTitle(QStringLiteral("更改密码"));
    auto* fields = new QFormLayout;
    auto addRow = [&](const char* caption, std::string& value, const char* objectName,
                      bool masked) {
        QLineEdit* edit = bindText(limitedEdit(this, 15, objectName), value);
        if (masked) edit->setEchoMode(QLineEdit::Password);
        fields->addRow(QString::fromUtf8(caption), edit);
    };
    addRow("当前密码:", form.current, "current", false);
    addRow("新密码:", form.next, "next", true);
    addRow("确认新密码:", form.confirmation, "confirmation", true);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    addOkCancelButtons(this, layout);
}

}  // namespace korvant::gui
