#pragma once

namespace korvant {

class Desk;

// Registers the actions of this area on the desk's dispatcher.
void registerRiskActions(Desk& desk);

}  // namespace korvant
