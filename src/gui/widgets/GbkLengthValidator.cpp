#include "gui/widgets/GbkLengthValidator.h"

#include "protocol/Gbk.h"

namespace korvant::gui {

GbkLengthValidator::GbkLengthValidator(int maxBytes, QObject* parent)
    : QValidator(parent), maxBytes_(maxBytes) {}

QValidator::State GbkLengthValidator::validate(QString& input, int&) const {
    std::size_t bytes = toGbk(input.toStdString()).size();
    return bytes <= static_cast<std::size_t>(maxBytes_) ? Acceptable : Invalid;
}

}  // namespace korvant::gui
