#include "gui/shell/DialogRegistry.h"

namespace korvant::gui {

void DialogRegistry::add(const std::string& kind, Runner runner) {
    runners_[kind] = std::move(runner);
}

bool DialogRegistry::has(const std::string& kind) const {
    return runners_.count(kind) > 0;
}

std::optional<bool> DialogRegistry::run(QWidget* parent, Form& form,
                                        const FormValidator& validator) const {
    auto it = runners_.find(form.kind());
    if (it == runners_.end()) return std::nullopt;
    return it->second(parent, form, validator);
}

}  // namespace korvant::gui
