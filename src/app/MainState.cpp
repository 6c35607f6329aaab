#include "app/MainState.h"

#include "text/NumberText.h"

namespace korvant {

int MainState::selectedTab() const {
    if (strip == TabStrip::TwoTab) return twoTabIndex;
    if (strip == TabStrip::ThreeTab) return threeTabIndex;
    return -1;
}

AccountList MainState::listOfTab(TabStrip strip, int tab) {
    if (strip == TabStrip::TwoTab) {
        if (tab == MainAccountTab) return AccountList::MainAccounts;
        if (tab == AdministratorTab) return AccountList::Administrators;
    } else if (strip == TabStrip::ThreeTab) {
        if (tab == MainAccountTab) return AccountList::MainAccountLinks;
        if (tab == AdministratorTab) return AccountList::Administrators;
        if (tab == SubAccountTab) return AccountList::SubAccounts;
    }
    return AccountList::None;
}

std::string pageLabelText(int64_t page, int64_t total) {
    // Before the first answer and after an answer of no pages there is no
    // page to name.
    if (total <= 0 || page <= 0) return NoRecordsText;
    return "当前第" + formatInt(page) + "/" + formatInt(total) + "页";
}

}  // namespace korvant
