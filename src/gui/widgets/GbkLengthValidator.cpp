#include "gui/widgets/GbkLengthValidator.h"

#include "app/TextLength.h"

namespace korvant::gui {

GbkLengthValidator::GbkLengthValidator(int maxBytes, QObject* parent)
    : QValidator(parent), maxBytes_(maxBytes) {}

QValidator::State GbkLengthValidator::validate(QString& input, int&) const {
    std::size_t bytes = wireTextLength(input.toStdString());
    return bytes <= static_cast<std::size_t>(maxBytes_) ? Acceptable : Invalid;
}

}  // namespace korvant::gui
