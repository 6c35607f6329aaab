#pragma once

#include <QDialog>

#include <functional>
#include <string>

class QLineEdit;
class QPushButton;

namespace korvant::gui {

// "关于": the program's name and "确定". Opened with Shift held, it also
// shows a text field and a button that hands the text to `send` (the core
// sends it to the server) and closes the dialog.
class AboutDialog : public QDialog {
    Q_OBJECT
public:
    using Sender = std::function<void(const std::string& text)>;

    AboutDialog(bool withServiceField, Sender send, QWidget* parent = nullptr);

    QLineEdit* serviceField() const { return field_; }
    QPushButton* serviceButton() const { return button_; }

private:
    QLineEdit* field_;
    QPushButton* button_;
    Sender send_;
};

}  // namespace korvant::gui
