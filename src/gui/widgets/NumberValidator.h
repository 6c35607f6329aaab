#pragma once

#include <QValidator>

#include "text/NumberInput.h"

class QLineEdit;
class QWidget;

namespace korvant::gui {

// Lets an edit field take only what the form's number field accepts: every
// keystroke is judged by the core's rule, so "1,000", "1e60" or a sign where
// none belongs cannot be typed at all.
class NumberValidator : public QValidator {
    Q_OBJECT
public:
    NumberValidator(const NumberInput& input, QObject* parent);

    State validate(QString& text, int& pos) const override;

private:
    NumberInput input_;
};

// An edit field named `objectName` that takes the numbers of `input` only.
QLineEdit* numberEdit(QWidget* parent, const NumberInput& input, const char* objectName);

}  // namespace korvant::gui
