#pragma once

#include "app/session/Login.h"
#include "gui/widgets/FormDialog.h"

class QCheckBox;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace korvant::gui {

// "管理员登录": the server list, account, password and "保存账号和密码".
// A view over the core's login form; the core checks the values.
class LoginDialog : public FormDialog {
    Q_OBJECT
public:
    LoginDialog(LoginForm& form, QWidget* parent = nullptr);

    QListWidget* serverList() const { return servers_; }
    QLineEdit* accountEdit() const { return account_; }
    QLineEdit* passwordEdit() const { return password_; }
    QCheckBox* saveBox() const { return save_; }
    QPushButton* loginButton() const { return login_; }
    QPushButton* cancelButton() const { return cancel_; }

protected:
    void readForm() override;
    void writeForm() override;
    void refused() override;

private:
    LoginForm& form_;
    QListWidget* servers_;
    QLineEdit* account_;
    QLineEdit* password_;
    QCheckBox* save_;
    QPushButton* login_;
    QPushButton* cancel_;
};

}  // namespace korvant::gui
