#pragma once

#include <string>
#include <variant>

#include "app/actions/ActionCode.h"
#include "app/forms/SearchFilter.h"
#include "model/Group.h"

// One action for the dispatcher: its code and an optional argument.
namespace korvant {

// A node of the report tree handed to the reports (action `ReportAccountChosen`): the node's
// data and its text.
struct ReportNodeArgument {
    int data = 0;
    std::string text;
};

using ArgumentVariant = std::variant<std::monostate, int, Group, SearchFilter, ReportNodeArgument>;

struct ActionMessage {
    ActionCode code;
    ArgumentVariant arg;

    // The int argument, or `fallback` when the argument is not an int.
    int intArg(int fallback = 0) const {
        const int* v = std::get_if<int>(&arg);
        return v != nullptr ? *v : fallback;
    }
};

}  // namespace korvant
