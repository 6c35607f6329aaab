#pragma once

#include <cstdint>

#include "model/AccountCaches.h"
#include "model/ReferenceData.h"
#include "model/Session.h"
#include "protocol/AnswerRouter.h"

// The answer handlers that fill the session and the caches. The router
// keeps references to the three objects: they must outlive it (or the
// handlers must be cleared first).
namespace korvant {

inline constexpr int LoginAnswerSize = 44;

// Registers the handlers of commands 3, 4, 37, 40, 41, 42, 64, 94 and 97.
// Sub-accounts, main accounts, links, administrators and groups replace
// their cache; margin templates, fee templates and varieties are appended.
void registerCacheHandlers(AnswerRouter& router, Session& session, ReferenceData& reference,
                           AccountCaches& accounts);

// The login answer: exactly 44 bytes fill the session's group id, name and
// permission mask; any other length leaves it unchanged. Returns whether it
// was taken.
bool applyLoginAnswer(Session& session, const uint8_t* packet, int length);

// A command-94 answer routed through the dispatcher: empties the group
// cache, stores the cursor and keeps only the name, id, alias, parent id
// and remark of each record.
void replaceGroupsFromAnswer(RecordCache<Group>& groups, const uint8_t* packet, int length);

}  // namespace korvant
