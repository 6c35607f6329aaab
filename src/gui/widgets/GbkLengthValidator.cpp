#include "gui/widgets/GbkLengthValidator.h"

#include <QLineEdit>

#include "app/forms/TextLength.h"

namespace korvant::gui {

GbkLengthValidator::GbkLengthValidator(int maxBytes, QObject* parent)
    : QValidator(parent), maxBytes_(maxBytes) {}

QValidator::State GbkLengthValidator::validate(QString& input, int&) const {
    std::size_t bytes = wireTextLength(input.toStdString());
    return bytes <= static_cast<std::size_t>(maxBytes_) ? Acceptable : Invalid;
}

QLineEdit* limitedEdit(QWidget* parent, int maxBytes, const char* objectName) {
    auto* edit = new QLineEdit(parent);
    edit->setValidator(new GbkLengthValidator(maxBytes, edit));
    edit->setObjectName(QString::fromUtf8(objectName));
    return edit;
}

}  // namespace korvant::gui
