#include "Dispatcher.h"
#include "Handlers.h"
#include "protocol/CommandCode.h"

// The free text of the desk's About dialog: kept in the state (the last
// texts received, for inspection) and acknowledged.
namespace korvant::sim {
namespace {

constexpr std::size_t KeptTexts = 100;

Answer freeText(const Request& r, Context& c) {
    auto& texts = c.state.serviceTexts;
    if (texts.size() >= KeptTexts) texts.erase(texts.begin());
    texts.push_back(r.text(4, 260));
    return done("已收到");
}

}  // namespace

void addServiceHandlers(Dispatcher& d) {
    d.add({cmd::FreeText, 264, false, RefusalStyle::Result, freeText});
}

}  // namespace korvant::sim
