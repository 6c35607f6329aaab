#include "templates/TemplateActions.h"

#include "app/Desk.h"

namespace korvant {

void registerTemplateActions(Desk&) {}

}  // namespace korvant
