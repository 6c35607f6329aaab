#pragma once

#include <functional>
#include <map>
#include <optional>
#include <typeindex>
#include <typeinfo>

#include "app/port/FrontEndPort.h"

// What a front end does with each type of form (the desk: which dialog; the
// command line: which filler), looked up by the form's type, so that no
// front end has to guess a form's type from a base reference.
namespace korvant {

template <class... Extra>
class FormTable {
public:
    template <class F>
    using Handler = std::function<bool(F& form, const FormValidator& validator, Extra... extra)>;

    template <class F>
    void add(Handler<F> handler) {
        static_assert(std::is_base_of_v<Form, F> && std::is_final_v<F>);
        handlers_[std::type_index(typeid(F))] = [handler = std::move(handler)](
                                                    Form& form, const FormValidator& validator,
                                                    Extra... extra) {
            // The entry was found by the form's own type.
            return handler(static_cast<F&>(form), validator, extra...);
        };
    }

    template <class F>
    bool has() const {
        return handlers_.count(std::type_index(typeid(F))) > 0;
    }

    // The handler of the form's type, run; nothing when there is none.
    std::optional<bool> run(Form& form, const FormValidator& validator, Extra... extra) const {
        auto it = handlers_.find(std::type_index(typeid(form)));
        if (it == handlers_.end()) return std::nullopt;
        return it->second(form, validator, extra...);
    }

    void clear() { handlers_.clear(); }

private:
    std::map<std::type_index, std::function<bool(Form&, const FormValidator&, Extra...)>> handlers_;
};

}  // namespace korvant
