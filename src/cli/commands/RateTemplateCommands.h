#pragma once

#include <memory>
#include <vector>

#include "cli/Command.h"
#include "templates/TemplateKind.h"

// The verbs of `fee` and `margin` (list, rates, set, add, rename, delete,
// export, import) and `subaccount fee|margin`: the same commands for both
// kinds of rate template, told apart by the kind's data.
namespace korvant::cli {

void addRateTemplateCommands(std::vector<std::unique_ptr<Command>>& commands,
                             const TemplateKind& kind);

}  // namespace korvant::cli
