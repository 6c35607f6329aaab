#include "gui/widgets/NumberValidator.h"

#include <QLineEdit>

namespace korvant::gui {

NumberValidator::NumberValidator(const NumberInput& input, QObject* parent)
    : QValidator(parent), input_(input) {}

QValidator::State NumberValidator::validate(QString& text, int&) const {
    // Full-width digits and other non-ASCII text are never numbers here.
    const QByteArray bytes = text.toUtf8();
    switch (judgeNumberInput(input_, std::string_view(bytes.constData(), bytes.size()))) {
        case NumberInputState::Acceptable:
            return Acceptable;
        case NumberInputState::Intermediate:
            return Intermediate;
        case NumberInputState::Invalid:
            break;
    }
    return Invalid;
}

QLineEdit* numberEdit(QWidget* parent, const NumberInput& input, const char* objectName) {
    auto* edit = new QLineEdit(parent);
    edit->setValidator(new NumberValidator(input, edit));
    edit->setObjectName(QString::fromUtf8(objectName));
    return edit;
}

}  // namespace korvant::gui
