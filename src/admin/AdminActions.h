#pragma once

// Registers the handlers of every account-administration action
// (administrators, groups, sub-accounts, main accounts, deposits) with the
// desk's dispatcher. Each front end calls it once after creating its desk.
namespace korvant {

class Desk;

void registerAdminActions(Desk& desk);

}  // namespace korvant
