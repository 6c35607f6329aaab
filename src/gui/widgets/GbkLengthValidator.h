#pragma once

#include <QValidator>

class QLineEdit;
class QWidget;

namespace korvant::gui {

// Lets an edit field take text only up to a number of bytes as the text
// travels on the wire (GBK), so a field stops accepting input at its limit.
class GbkLengthValidator : public QValidator {
    Q_OBJECT
public:
    GbkLengthValidator(int maxBytes, QObject* parent);

    State validate(QString& input, int& pos) const override;
    int maxBytes() const { return maxBytes_; }

private:
    int maxBytes_;
};

// An edit field named `objectName` that takes text up to `maxBytes` bytes of
// GBK.
QLineEdit* limitedEdit(QWidget* parent, int maxBytes, const char* objectName);

}  // namespace korvant::gui
