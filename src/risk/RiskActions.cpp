#include "risk/RiskActions.h"

#include "app/Desk.h"

namespace korvant {

void registerRiskActions(Desk&) {}

}  // namespace korvant
